#ifndef BLUETOOTHSTANDIN_H
#define BLUETOOTHSTANDIN_H

#include "bluetooth.h"
#include "bluetoothfactory.h"

// Takes a module's place while its driver does not exist: opens no port,
// logs every call and reports every link down.
class BluetoothStandin : public Bluetooth
{
    Q_OBJECT
public:
    BluetoothStandin(int moduleType, BluetoothRole role, QObject* parent = nullptr);

    int moduleType() const { return m_moduleType; }
    BluetoothRole role() const { return m_role; }
    static QString moduleName(int moduleType);

    void initBluetooth(QString portName, QString btId) override;
    void resetBluetooth(QString btId, bool onlyStateVariables) override;
    void sendData(QString data) override;
    QString getData() override;
    void clearData() override;
    void callBtDeviceA2DP(bool rfcomm) override;
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
    void note(const char* operation, const QString& arguments = QString()) const;

    int m_moduleType;
    BluetoothRole m_role;
    int m_dacGain = 0;
    int m_adcGain = 0;
    int m_lastAdcGain = 0;
    int m_extMicGain = 0;
    int m_headphoneGain = 0;
};

#endif
