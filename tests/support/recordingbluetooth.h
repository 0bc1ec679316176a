#ifndef RECORDINGBLUETOOTH_H
#define RECORDINGBLUETOOTH_H

#include "Hardware/bluetooth.h"
#include "Hardware/bluetoothfactory.h"
#include "Hardware/headsetvolume.h"

#include <QList>
#include <QStringList>
#include <QVector>

// A Bluetooth module double for tests: records what the program asks of it,
// answers with settable link flags, and lets the test emit any signal
// (signals are public) and count their receivers.
class RecordingBluetooth : public Bluetooth
{
    Q_OBJECT
public:
    explicit RecordingBluetooth(int moduleType = 1, BluetoothRole role = BluetoothRole::Sink,
                                QObject* parent = nullptr);

    int moduleType;
    BluetoothRole role;

    // What was asked, oldest first.
    QStringList calls;              // every operation by name
    QStringList sent;               // sendData lines
    QList<QVector<int>> micParameters; // sendMicInitParameter(gain, mute, button)
    QList<int> extMicGains;         // setBtExtMicGain
    QList<int> dacGains;            // setBtDacGain
    QList<int> adcGains;            // setBtAdcGain
    int lastAdcGainCalls = 0;       // setBtLastAdcGain
    QList<bool> a2dpCalls;          // callBtDeviceA2DP(rfcomm)
    int disconnects = 0;            // disconnectBtDevice
    QString port;                   // initBluetooth
    QString pairedId;

    // Every call of both modules in one order, "<source|sink>:<call>", when
    // the test hands both the same list.
    QStringList* journal = nullptr;

    // Answers.
    bool a2dp = false;
    bool rfcomm = false;
    bool avrcp = false;
    bool streaming = false;
    int headphoneBattery = -1;
    QString data;                   // handed out once by getData()

    // Device search and pairing.
    QList<BluetoothDevice> searchRecords; // the result stopInquiry() leaves in btDevicesFromInquiry
    int nameWaitPolls = 0;          // waitForName() is true for this many more calls
    int disconnectPolls = 0;        // isStateDisconnected() is false for this many more calls
    bool pairOk = false;            // isPairOk's answer
    QStringList pairOkAsked;        // isPairOk(address)
    QStringList pairedWith;         // pairWithBtDevice(address)

    int count(const QString& call) const { return calls.count(call); }
    int sentCount(const QString& line) const { return sent.count(line); }
    // Receivers of a signal, as SIGNAL(name(args)).
    int receiverCount(const char* signal) const { return receivers(signal); }
    int muteReceivers() const { return receivers(SIGNAL(stateActiveMuteChanged(bool))); }
    void clear();
    // The headset's volume step as a report would leave it; the test emits
    // btHeadphoneVolumeChanged itself.
    void setHeadphoneStep(int step) { m_headphoneGain = step; }

    // Makes the factory build recording doubles; each one built is appended
    // to `built` (source first, then sink). Undo with uninstall().
    static void install(QList<RecordingBluetooth*>* built);
    static void uninstall();

    void initBluetooth(QString portName, QString btId) override;
    void resetBluetooth(QString btId, bool onlyStateVariables) override;
    void sendData(QString line) override;
    QString getData() override;
    void clearData() override;
    void callBtDeviceA2DP(bool withRfcomm) override;
    void callBtDeviceRFCOMM() override;
    void switchBtMode(int btMode) override;
    bool isConnectedA2DP() override;
    bool isConnectedRFCOMM() override;
    bool isConnectedAVRCP() override;
    bool isStreamingActive() override;
    int sendMicInitParameter(int a_gain, int a_mute, int a_button) override;
    void setBtExtMicGain(int gain) override;
    int getBtExtMicGain() override;
    void setBtDacGain(int gain) override;
    int getBtDacGain() override;
    void setBtAdcGain(int gain) override;
    void setBtLastAdcGain() override;
    int getBtAdcGain() override;
    void setBtExtHeadphoneGain(int volPercent) override;
    void setBtExtHeadphoneVolUp() override;
    void setBtExtHeadphoneVolDown() override;
    int getBtExtHeadphoneGain() override;
    void requestHeadphoneVolume() override;
    void disconnectBtDevice() override;
    int getBtExtHeadphoneBatteryState() override;
    void requestHeadphoneBatteryState() override;
    QString getBtIdModul() override;
    void initBtModulSource() override;
    void initBtModulSink() override;
    void initBtModulSourceTestmode() override;
    void setAudioTestModeFlag(bool flag) override;
    QString getBtName() override;
    int getBtProfile() override;
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
    QString getFwVersionBtModul() override;

public slots:
    void readTtyData() override;
    void updateState() override;
    void sendDebugCmd() override;
    void transmitTimeout() override;

private:
    void record(const QString& call);

    int m_dacGain = 0;
    int m_adcGain = 0;
    int m_lastAdcGain = 0;
    // The drivers' start values.
    int m_extMicGain = 15;
    int m_headphoneGain = HeadsetVolume::kDefaultStep;
};

#endif
