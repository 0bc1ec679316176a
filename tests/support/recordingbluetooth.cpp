#include "recordingbluetooth.h"

RecordingBluetooth::RecordingBluetooth(int type, BluetoothRole r, QObject* parent)
    : Bluetooth(parent), moduleType(type), role(r)
{
}

void RecordingBluetooth::clear()
{
    calls.clear();
    sent.clear();
    micParameters.clear();
    extMicGains.clear();
    dacGains.clear();
    adcGains.clear();
    lastAdcGainCalls = 0;
    a2dpCalls.clear();
    disconnects = 0;
}

void RecordingBluetooth::install(QList<RecordingBluetooth*>* built)
{
    BluetoothFactory::setCreator([built](int type, BluetoothRole r) -> Bluetooth* {
        auto* module = new RecordingBluetooth(type, r);
        if (built)
            built->append(module);
        return module;
    });
}

void RecordingBluetooth::uninstall()
{
    BluetoothFactory::setCreator(nullptr);
}

void RecordingBluetooth::initBluetooth(QString portName, QString btId)
{
    calls << "initBluetooth";
    port = portName;
    pairedId = btId;
}

void RecordingBluetooth::resetBluetooth(QString btId, bool)
{
    calls << "resetBluetooth";
    if (!btId.isEmpty())
        pairedId = btId;
}

void RecordingBluetooth::sendData(QString line)
{
    calls << "sendData";
    sent << line;
}

QString RecordingBluetooth::getData()
{
    calls << "getData";
    QString d = data;
    data.clear();
    return d;
}

void RecordingBluetooth::clearData()
{
    calls << "clearData";
    data.clear();
}

void RecordingBluetooth::callBtDeviceA2DP(bool withRfcomm)
{
    calls << "callBtDeviceA2DP";
    a2dpCalls << withRfcomm;
}

void RecordingBluetooth::callBtDeviceRFCOMM() { calls << "callBtDeviceRFCOMM"; }
void RecordingBluetooth::switchBtMode(int) { calls << "switchBtMode"; }

bool RecordingBluetooth::isConnectedA2DP()
{
    calls << "isConnectedA2DP";
    return a2dp;
}

bool RecordingBluetooth::isConnectedRFCOMM()
{
    calls << "isConnectedRFCOMM";
    return rfcomm;
}

bool RecordingBluetooth::isConnectedAVRCP()
{
    calls << "isConnectedAVRCP";
    return avrcp;
}

bool RecordingBluetooth::isStreamingActive()
{
    calls << "isStreamingActive";
    return streaming;
}

int RecordingBluetooth::sendMicInitParameter(int a_gain, int a_mute, int a_button)
{
    calls << "sendMicInitParameter";
    micParameters << QVector<int>{a_gain, a_mute, a_button};
    return 0;
}

void RecordingBluetooth::setBtExtMicGain(int gain)
{
    calls << "setBtExtMicGain";
    extMicGains << gain;
    m_extMicGain = gain;
}

int RecordingBluetooth::getBtExtMicGain() { return m_extMicGain; }

void RecordingBluetooth::setBtDacGain(int gain)
{
    calls << "setBtDacGain";
    dacGains << gain;
    m_dacGain = gain;
}

int RecordingBluetooth::getBtDacGain() { return m_dacGain; }

void RecordingBluetooth::setBtAdcGain(int gain)
{
    calls << "setBtAdcGain";
    adcGains << gain;
    m_adcGain = gain;
    if (gain > 0)
        m_lastAdcGain = gain;
}

void RecordingBluetooth::setBtLastAdcGain()
{
    calls << "setBtLastAdcGain";
    ++lastAdcGainCalls;
    m_adcGain = m_lastAdcGain;
}

int RecordingBluetooth::getBtAdcGain() { return m_adcGain; }

void RecordingBluetooth::setBtExtHeadphoneGain(int) { calls << "setBtExtHeadphoneGain"; }

void RecordingBluetooth::setBtExtHeadphoneVolUp()
{
    calls << "setBtExtHeadphoneVolUp";
    m_headphoneGain = qMin(m_headphoneGain + 1, 15);
}

void RecordingBluetooth::setBtExtHeadphoneVolDown()
{
    calls << "setBtExtHeadphoneVolDown";
    m_headphoneGain = qMax(m_headphoneGain - 1, 0);
}

int RecordingBluetooth::getBtExtHeadphoneGain() { return m_headphoneGain; }
void RecordingBluetooth::requestHeadphoneVolume() { calls << "requestHeadphoneVolume"; }

void RecordingBluetooth::disconnectBtDevice()
{
    calls << "disconnectBtDevice";
    ++disconnects;
    a2dp = rfcomm = avrcp = streaming = false;
}

int RecordingBluetooth::getBtExtHeadphoneBatteryState() { return headphoneBattery; }
void RecordingBluetooth::requestHeadphoneBatteryState() { calls << "requestHeadphoneBatteryState"; }
QString RecordingBluetooth::getBtIdModul() { return QStringLiteral("00:11:22:33:44:55"); }
void RecordingBluetooth::initBtModulSource() { calls << "initBtModulSource"; }
void RecordingBluetooth::initBtModulSink() { calls << "initBtModulSink"; }
void RecordingBluetooth::initBtModulSourceTestmode() { calls << "initBtModulSourceTestmode"; }
void RecordingBluetooth::setAudioTestModeFlag(bool) { calls << "setAudioTestModeFlag"; }
QString RecordingBluetooth::getBtName() { return QStringLiteral("recording"); }
int RecordingBluetooth::getBtProfile() { return role == BluetoothRole::Sink ? 1 : 2; }
void RecordingBluetooth::sendReset() { calls << "sendReset"; }
void RecordingBluetooth::clearAllPairings() { calls << "clearAllPairings"; }
void RecordingBluetooth::btModulFactoryReset() { calls << "btModulFactoryReset"; }
void RecordingBluetooth::getConfiguration() { calls << "getConfiguration"; }
bool RecordingBluetooth::isConfigEqualSink() { return role == BluetoothRole::Sink; }
bool RecordingBluetooth::isConfigEqualSource() { return role == BluetoothRole::Source; }
void RecordingBluetooth::getBluetoothAddress() { calls << "getBluetoothAddress"; }
void RecordingBluetooth::pairWithBtDevice(QString) { calls << "pairWithBtDevice"; }
void RecordingBluetooth::checkCmdAtOk() { calls << "checkCmdAtOk"; }
void RecordingBluetooth::startInquiry() { calls << "startInquiry"; }
void RecordingBluetooth::stopInquiry() { calls << "stopInquiry"; }
bool RecordingBluetooth::waitForName() { return false; }
void RecordingBluetooth::analyseInquiryData() { calls << "analyseInquiryData"; }
bool RecordingBluetooth::isPairOk(QString) { return false; }
bool RecordingBluetooth::isStateDisconnected() { return !a2dp && !rfcomm; }
void RecordingBluetooth::testmodeUseHfp(bool) { calls << "testmodeUseHfp"; }
QString RecordingBluetooth::getFwVersionBtModul() { return QString(); }
void RecordingBluetooth::readTtyData() { calls << "readTtyData"; }
void RecordingBluetooth::updateState() { calls << "updateState"; }
void RecordingBluetooth::sendDebugCmd() { sendData("BT_TX X DEBUG"); }
void RecordingBluetooth::transmitTimeout() { calls << "transmitTimeout"; }
