#ifndef BLUETOOTH_H
#define BLUETOOTH_H

#include <QObject>
#include <QString>

// One device found by a search.
struct BluetoothDevice
{
    QString btId;   // address as the module prints it
    QString btName; // name as reported
    QString cod;    // class of device, hexadecimal text
    QString rssi;   // signal strength text
};

// One Bluetooth module of the unit: the source towards the headset
// ("/dev/ttyO3") or the sink towards the TB-9 accessory ("/dev/ttyO2").
// The rest of the system talks to either module pair (WT32 or IDC777) only
// through this interface and its signals. Connect to the signals with
// member-function pointers and Qt::UniqueConnection.
class Bluetooth : public QObject
{
    Q_OBJECT
public:
    explicit Bluetooth(QObject* parent = nullptr) : QObject(parent) {}
    ~Bluetooth() override = default;

    virtual void initBluetooth(QString portName, QString btId) = 0;
    virtual void resetBluetooth(QString btId, bool onlyStateVariables) = 0;
    virtual void sendData(QString data) = 0;
    virtual QString getData() = 0;
    virtual void clearData() = 0;
    virtual void callBtDeviceA2DP(bool rfcomm) = 0;
    virtual void callBtDeviceRFCOMM() = 0;
    virtual void switchBtMode(int btMode) = 0;
    virtual bool isConnectedA2DP() = 0;
    virtual bool isConnectedRFCOMM() = 0;
    virtual bool isConnectedAVRCP() = 0;
    virtual bool isStreamingActive() = 0;
    virtual int sendMicInitParameter(int a_gain, int a_mute, int a_button) = 0;
    virtual void setBtExtMicGain(int gain) = 0;
    virtual int getBtExtMicGain() = 0;
    virtual void setBtDacGain(int gain) = 0;
    virtual int getBtDacGain() = 0;
    virtual void setBtAdcGain(int gain) = 0;
    virtual void setBtLastAdcGain() = 0;
    virtual int getBtAdcGain() = 0;
    virtual void setBtExtHeadphoneGain(int volPercent) = 0;
    virtual void setBtExtHeadphoneVolUp() = 0;
    virtual void setBtExtHeadphoneVolDown() = 0;
    virtual int getBtExtHeadphoneGain() = 0;
    virtual void requestHeadphoneVolume() = 0;
    virtual void disconnectBtDevice() = 0;
    virtual int getBtExtHeadphoneBatteryState() = 0;
    virtual void requestHeadphoneBatteryState() = 0;
    virtual QString getBtIdModul() = 0;
    virtual void initBtModulSource() = 0;
    virtual void initBtModulSink() = 0;
    virtual void initBtModulSourceTestmode() = 0;
    virtual void setAudioTestModeFlag(bool flag) = 0;
    virtual QString getBtName() = 0;
    virtual int getBtProfile() = 0;
    virtual void sendReset() = 0;
    virtual void clearAllPairings() = 0;
    virtual void btModulFactoryReset() = 0;
    virtual void getConfiguration() = 0;
    virtual bool isConfigEqualSink() = 0;
    virtual bool isConfigEqualSource() = 0;
    virtual void getBluetoothAddress() = 0;
    virtual void pairWithBtDevice(QString btDevAdr) = 0;
    virtual void checkCmdAtOk() = 0;
    virtual void startInquiry() = 0;
    virtual void stopInquiry() = 0;
    virtual bool waitForName() = 0;
    virtual void analyseInquiryData() = 0;
    virtual bool isPairOk(QString btDevAdr) = 0;
    virtual bool isStateDisconnected() = 0;
    virtual void testmodeUseHfp(bool useHfp) = 0;
    virtual QString getFwVersionBtModul() = 0;

    // The result list of the last device search; entries past the devices
    // found have an empty btId.
    BluetoothDevice btDevicesFromInquiry[10];

public slots:
    virtual void readTtyData() = 0;
    virtual void updateState() = 0;
    virtual void sendDebugCmd() = 0;
    virtual void transmitTimeout() = 0;

signals:
    void connectionLost();
    void stateActiveMuteChanged(bool active);
    void terminationStringDetected();
    void btAlertMessageReceived(QString alert);
    void btSensortypeReceived(QString type);
    void btBatteryvoltageReceived(QString voltage);
    void btSensorvalueReceived(QString sensorvalue, QString activeTime);
    void btHeadphoneBatteryStateReceived(int percent);
    void btConnectedRfcomm();
    void btHeadphoneVolumeChanged(int volPercent);
    void btModulReset();
    void btPairingOk();
    void btAtOk();
    void btFwHeaderReceived(bool ok);
    void btFwDataReceived(int packetNum, bool ok);
    void btFwStartUpdateReceived(bool ok);
    void btAnswerFromDeviceReceived();
    void btRdyReceived();
    void btFirmwareVersion(QString fwVersion);
    void btEnableReceivePressuredata(bool enable, int sensor = 0, ushort adMin = 0, ushort adMax = 4095);
    void btPressuredataReceived(int dataCnt, QString pressuredata);
    void btHardwareVersion(QString hwVersion);
    void btMicGain(QString micGain);
    void btButtonMode(QString buttonMode);
};

#endif
