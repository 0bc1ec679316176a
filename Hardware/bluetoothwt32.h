#ifndef BLUETOOTHWT32_H
#define BLUETOOTHWT32_H

#include "bluetoothdriver.h"
#include "gpiolines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Driver of one WT32 module: the sink towards the TB-9 accessory (A2DP sink
// and an RFCOMM text channel) or the source towards the headset (A2DP
// source, AVRCP, hands-free gateway). Commands are lines ended by LF; the
// module answers in lines ended by CR LF. In data mode the serial line runs
// straight through the selected RFCOMM link: GPIO 58 (the module's DTR) takes
// it back to command mode on a rising edge, GPIO 59 is high while it lasts.
// The role follows the paired address: the stored accessory address makes a
// sink, the stored headset address a source.
class BluetoothWT32 : public BluetoothDriver
{
    Q_OBJECT
public:
    enum BtStateWt32 {
        BTSTATE_PARKED = -1,
        BTSTATE_START = 0,
        BTSTATE_RESTART = 1,
        BTSTATE_WAIT_FOR_CONNECT_A2DP = 2,
        BTSTATE_A2DP_ACTIVE = 3,
        BTSTATE_WAIT_FOR_CONNECT_RFCOMM = 4,
        BTSTATE_WAIT_FOR_DATAMODE = 5,
        BTSTATE_RFCOMM_ACTIVE_DATA = 6,
        BTSTATE_WAIT_FOR_COMMANDMODE = 7,
        BTSTATE_RFCOMM_ACTIVE_COMMAND = 8,
    };
    Q_ENUM(BtStateWt32)

    static constexpr int kBaudRate = 115200;
    static constexpr unsigned int kDtrGpio = GpioLine::Wt32Dtr;            // rising edge: leave data mode
    static constexpr unsigned int kDataModeGpio = GpioLine::Wt32DataMode;  // high in data mode
    static constexpr int kMaxLineBytes = BluetoothPort::kMaxLineBytes;    // a written line with its LF
    static constexpr int kMessageTimeoutMs = 2000;
    static constexpr int kRfcommWaitPolls = 200;       // 10 ms polls before the RFCOMM call gives up
    static constexpr int kModeWaitPolls = 300;         // 10 ms polls (about 3 s) for a mode change
    static constexpr int kInitDtrPulseMs = 2000;
    static constexpr int kDtrEdgeMs = 20;

    // The host answers for the application and outlives the driver.
    explicit BluetoothWT32(BluetoothHost* host);
    ~BluetoothWT32() override;

    void initBluetooth(QString portName, QString btId) override;
    void resetBluetooth(QString btId, bool onlyStateVariables) override;
    void sendData(QString data) override;
    void clearData() override;
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

    int btState() const { return m_btState; }
    int btMode() const { return m_btMode; }

public slots:
    void updateState() override;
    void transmitTimeout() override;

protected:
    // Receiving.
    void analyseAnswer() override;
    void analyseLine(const QString& line);
    void traceLine(const QString& line);
    void analyseConnectionLine(const QString& line, const QStringList& field);
    void analyseListLine(const QStringList& field);
    void analyseHeadsetLine(const QString& line, const QStringList& field);
    void analyseModuleLine(const QString& line, const QStringList& field);
    bool isSinkSide() const;
    bool isHeadsetSide() const;

    // Sending.
    void addToTransmitBuffer(QString data);
    void sendAccessoryMessage(const QString& data);

    // Modes and links.
    bool dataModeLine();
    void driveDtr(int value);
    void pulseDtr(int pulseMs);
    bool leaveDataModeBlocking(int pulseMs);
    void settleHeldCommands();
    void dropLinks();
    void dropRfcomm();
    void giveUpLinks(const char* reason);
    void resetLinkState();
    void nextTick(int state, int intervalMs);
    void logState(int state) const;

    // Serial link, modes and the state machine.
    int m_btMode = 0;
    int m_linkId0_A2DP = -1;
    int m_linkId1_A2DP = -1;
    int m_linkId2_RFCOMM = -1;
    int m_linkId2_AVRCP = -1;
    int m_linkId3_HFP = -1;
    bool m_connectedA2DP = false;
    bool m_connectedRFCOMM = false;
    int m_waitCntConnectRfcomm = 0;
    bool m_connectedAVRCP = false;
    bool m_connectedHFP = false;
    bool m_callBtDeviceRfcomm = false;
    bool m_switchToDataMode = false;
    bool m_switchToCommandMode = false;
    // The accessory's start parameters were asked for while its lines were
    // dropped; they go out once the link is in command mode.
    bool m_micParametersOwed = false;
    int m_btState = BTSTATE_PARKED;
    QByteArray m_commandOutputBuffer;  // commands held back, each ended by LF
    int m_waitCntMode = 0;             // polls spent in state 5 or 7
    bool m_dataModeLineMissing = false;

    // Search, pairing and the answer analysis.
    QStringList m_pairOkAddresses;  // "PAIR <a> OK" since the last search or clearData()
    bool m_btWaitForReadyAfterReset = false;
};

#endif
