#ifndef BLUETOOTHIDC777_H
#define BLUETOOTHIDC777_H

#include "bluetoothdriver.h"
#include "idc777commandqueue.h"

#include <QString>
#include <QStringList>

#include <array>

class QTimer;

// Driver of one IDC777 module: the sink on "/dev/ttyO2" (TB-9 accessory:
// A2DP sink and the SPP text channel) or the source on "/dev/ttyO3"
// (headset: A2DP source, AVRCP, hands-free gateway). The module takes one
// text command at a time, ended by CR, and answers in lines whose first word
// says what they are.
class BluetoothIDC777 : public BluetoothDriver
{
    Q_OBJECT
public:
    enum BtStateIdc {
        REFRESH = -2,
        UNKNOWN = -1,
        HARDWARE_RESET_START = 0,
        HARDWARE_RESET_RELEASE = 1,
        RESET = 2,
        WAIT_FOR_FINISH_RESET = 3,
        GET_CONFIG = 4,
        CHECK_CONFIG = 5,
        INIT = 6,
        CHECK_PAIRING = 7,
        CONNECT = 8,
        CONNECTED_CMD = 9,
        CONNECTED_DATA = 10,
        DISCONNECT = 11,
        DISCONNECTED = 12,
        INQUIRY_PAIRING = 13,
        INIT_DEFAULTCONFIG = 14,
        PENDING = 15,
    };
    Q_ENUM(BtStateIdc)

    using CmdBuffer = Idc777CommandQueue::Command;

    static constexpr int kMaxLineBytes = BluetoothPort::kMaxLineBytes;
    static constexpr int kMessageTimeoutMs = 2000;
    static constexpr int kStatusTimeoutMs = 1000;
    static constexpr int kMaxRecvBytes = 1024;      // a longer data event is refused
    static constexpr int kReadyTimeoutTicks = 100;  // 10 s without "Ready": hardware reset again
    static constexpr int kMaxConfigWrites = 3;      // per hardware reset
    static constexpr int kPairingRecheckTicks = 100;  // 10 s, then the paired list is read again

    // The host answers for the application and outlives the driver.
    explicit BluetoothIDC777(BluetoothHost* host);
    ~BluetoothIDC777() override;

    void initBluetooth(QString portName, QString btId) override;
    void resetBluetooth(QString btId, bool onlyStateVariables) override;
    void sendData(QString data) override;
    void callBtDeviceA2DP(bool rfcomm) override;
    void callBtDeviceRFCOMM() override;
    void switchBtMode(int btMode) override;
    bool isConnectedA2DP() override;
    bool isConnectedRFCOMM() override;
    bool isConnectedAVRCP() override;
    bool isStreamingActive() override;
    void setBtDacGain(int gain) override;
    void setBtAdcGain(int gain) override;
    void setBtExtHeadphoneGain(int volPercent) override;
    void setBtExtHeadphoneVolUp() override;
    void setBtExtHeadphoneVolDown() override;
    void requestHeadphoneVolume() override;
    void disconnectBtDevice() override;
    void requestHeadphoneBatteryState() override;
    void initBtModulSource() override;
    void initBtModulSink() override;
    void initBtModulSourceTestmode() override;
    void setAudioTestModeFlag(bool flag) override;
    void sendReset() override;
    void clearAllPairings() override;
    void btModulFactoryReset() override;
    void getConfiguration() override;
    bool isConfigEqualSink() override;
    bool isConfigEqualSource() override;
    void getBluetoothAddress() override;
    void pairWithBtDevice(QString btDevAdr) override;
    void checkCmdAtOk() override;
    void startInquiry() override;
    void stopInquiry() override;
    bool waitForName() override;
    void analyseInquiryData() override;
    bool isPairOk(QString btDevAdr) override;
    bool isStateDisconnected() override;
    void testmodeUseHfp(bool useHfp) override;

    // Commands and their answers.
    void sendCmdAndWaitForResponse(QString cmd, QStringList responses, int timeoutMs);
    void addToCmdTransmitBuffer(QString cmd, QStringList responses, int timeoutMs);
    void transmitFromCmdTransmitBuffer();
    void clearCmdTransmitBuffer();
    // Accessory lines.
    void addToDataTransmitBuffer(QString data);
    void transmitFromDataTransmitBuffer();
    void clearDataTransmitBuffer();
    void getStatusOfConnections();
    bool isDatamode();
    bool isCommandmode();

    void setBtExtHeadphoneGainStep(int extHeadphoneGain);

    void switchBtStateTo(BtStateIdc newBtState, int additionalWaitMs);
    BtStateIdc btState() const { return m_btState; }
    // val - 1, not below 0.
    static int decrementIntValue(int val);

public slots:
    void updateState() override;
    void transmitTimeout() override;
    void cmdResponseTimeout();
    void waitForCmdResponseTimeout();
    void analyseReceivedStatus();
    void answerFromDeviceReceived();

protected:
    enum class Role { Source, Sink, SimulatedAccessory };

    // The profiles the module links, in the order an OPEN's failure is
    // put down to them ("AGHFP" holds "HFP").
    enum class Profile { A2dp, Avrcp, Spp, Aghfp, Hfp };
    static constexpr int kProfiles = 5;
    struct ProfileLink {
        int linkId;                    // the module's id of the link
        bool wanted = false;           // this role connects it
        bool connected = false;
        unsigned int attempts = 0;     // ticks before another OPEN may go out; 0: none running
        bool statusConnected = false;  // as the STATUS answer being collected reports it
    };
    static const char* profileName(Profile profile);
    // False for a word that names no profile.
    static bool profileOf(const QString& word, Profile* profile);
    ProfileLink& link(Profile profile) { return m_links[size_t(profile)]; }
    const ProfileLink& link(Profile profile) const { return m_links[size_t(profile)]; }
    int linkId(Profile profile) const { return link(profile).linkId; }
    bool connected(Profile profile) const { return link(profile).connected; }
    // Every link down and no attempt running, as after a reset.
    void dropLinks();

    using Field = QString BluetoothIDC777::*;
    // One configuration key with the wanted value of each role (a null
    // member: not written nor compared for that role) and the answer read.
    struct ConfigKey {
        const char* key;
        Field source;
        Field sink;
        Field simMic;
        Field received;
    };
    static const ConfigKey kConfigKeys[9];

    // Receiving.
    void analyseAnswer() override;
    bool analyseLine(const QByteArray& cut);
    void endDataEvent();
    void traceLine(const QString& line);
    bool analyseDataEvent(const QByteArray& line);
    void analyseModuleEvent(const QString& line);
    bool analyseLinkEvent(const QString& line);
    void linkOpened(Profile profile, const QString& line);
    void linkRefused(Profile profile);
    bool analyseConfigAnswer(const QString& line);
    bool analyseServiceEvent(const QString& line);
    void analyseError(const QString& line);
    void analyseListLine(const QString& line);
    void listAnswerEnded();
    void analyseHeadsetBattery(const QString& line);
    void analyseAnswerFromMic(QString line);
    void setConnectionStateForLinkId(int linkId, bool connected);

    // The state machine.
    void nextTick(BtStateIdc state, int delayMs);
    void stepResetLine(int value);
    void stepReset();
    void stepCheckConfig();
    void stepInit();
    void stepConnect();
    void stepConnected();
    void stepDisconnect();
    // An OPEN for a wanted profile that is down, unless an attempt runs.
    void openProfile(Profile profile, bool wanted);
    void openProfile(Profile profile) { openProfile(profile, link(profile).wanted); }
    bool isConnected() const;
    bool isDisconnected() const;
    bool searchOrPairingRuns() const;
    void clearInitFlags();

    // Sending.
    bool moduleReady() const override { return m_initSuccessful; }
    bool submitCommand(const QString& cmd, const QStringList& responses, int timeoutMs);
    Idc777CommandQueue::Added queueCommand(const CmdBuffer& command);
    void sendAccessoryMessage(const QString& data);
    QByteArray messageFrame(const QString& data) const;
    void driveLine(unsigned int pin, int value);

    // Configuration.
    bool isConfigEqual(Role role, const char* logName);
    void writeConfig(Role role);
    static Field wantedFor(const ConfigKey& key, Role role);
    void setWantedConfig(Role role, const QStringList& entries);
    QString hexLinkId(int linkId) const;

    QString m_portName;

    // Serial link and transport.
    QTimer* m_btTimerWaitForCmdResponse;
    QTimer* m_btTimerWaitForStatus;
    bool m_btModuleToMic = false;
    bool m_btModuleToHp = false;
    Idc777CommandQueue m_cmdTransmitBuffer;  // with the command in flight
    bool m_waitForStatusOkReceived = false;
    bool m_waitForInitWritten = false;
    int m_waitForInitWrittenCnt = 0;
    bool m_cmdOverflowActive = false;  // a full command queue is asking for STATUS
    QString m_lineEndedWaitOf;  // the command whose wait the line being analysed ended

    // Links and the state machine.
    QString m_btIdFromList;
    std::array<ProfileLink, kProfiles> m_links{{{0x10}, {0x11}, {0x15}, {0x12}, {0x13}}};  // until STATUS tells
    bool m_callBtDeviceRfcomm = false;
    bool m_streamingA2dpActive = false;
    bool m_btWaitForReadyAfterReset = false;
    BtStateIdc m_btState = UNKNOWN;
    bool m_pending = false;
    bool m_autoConnectEnabled = true;
    int m_disconnectTimeoutCnt = 0;
    bool m_initSuccessful = false;
    bool m_initTransmitted = false;
    bool m_gainsTransmitted = false;
    bool m_closeInProgress = false;
    bool m_startConnectionIfPossible = false;
    int m_stateTicks = 0;      // ticks spent in the current state
    int m_configWrites = 0;    // configuration writes since the last hardware reset
    int m_pendingTicks = 0;    // CONNECT ticks spent waiting on PENDING

    // Configuration.
    QString m_sourceProfiles, m_sourceAutoConn, m_sourceBattConfig, m_sourceGpioConfig, m_sourceCod,
        m_sourceName, m_sourceBtConfig, m_sourceAudioAnalog, m_sourceHfpConfig;
    QString m_sinkProfiles, m_sinkAutoConn, m_sinkBattConfig, m_sinkGpioConfig, m_sinkCod,
        m_sinkName, m_sinkBtConfig, m_sinkAudioAnalog;
    QString m_simMicProfiles, m_simMicAutoConn, m_simMicBattConfig, m_simMicGpioConfig, m_simMicCod,
        m_simMicName, m_simMicBtConfig, m_simMicAudioAnalog, m_simMicHfpConfig;
    bool m_audioTestModeActive = false;
    QString m_configRcvdProfiles, m_configRcvdAutoConn, m_configRcvdBattConfig, m_configRcvdGpioConfig,
        m_configRcvdCod, m_configRcvdName, m_configRcvdBtConfig, m_configRcvdAudioAnalog,
        m_configRcvdHfpConfig;
    bool m_configReadingInProgress = false;

    // Answer analysis.
    QString m_typeOfDeviceFromList;
    bool m_listSeen = false;     // this LIST answer named a device
    bool m_bytesMissingFromRECV = false;
    int m_recvLinkId = 0;
    int m_recvNumBytes = 0;
    QByteArray m_recvRcvCmd;
    bool m_playingAvrcp = false;
    bool m_isDatamode = false;
    bool m_pairingActive = false;
    bool m_pairOkThisPairing = false;  // "PAIR_OK" came for the running pairing
    QStringList m_pairOkAddresses;     // "PAIR_OK <a>" seen
    QStringList m_a2dpOpenedAddresses; // "OPEN_OK <id> A2DP <a>" seen
    bool m_waitForName = false;
    int m_waitForNameCnt = 0;
    QByteArray m_linePartCmdMode;
    bool m_statusA2dpStreaming = false;
    bool m_statusAvrcpPlaying = false;
    bool m_statusStateSeen = false;     // the STATUS in flight has printed its STATE line
    bool m_statusAnswerComplete = false;
    bool m_enablePopupInvalidBtId = false;
};

#endif
