#include "recordingbluetooth.h"

RecordingBluetooth::RecordingBluetooth(int type, BluetoothRole r, QObject* parent)
    : Bluetooth(parent), moduleType(type), role(r)
{
}

void RecordingBluetooth::record(const QString& call)
{
    calls << call;
    if (journal)
        journal->append(QString(role == BluetoothRole::Sink ? "sink:" : "source:") + call);
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
    pairOkAsked.clear();
    pairedWith.clear();
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
    record("initBluetooth");
    port = portName;
    pairedId = btId;
}

void RecordingBluetooth::resetBluetooth(QString btId, bool)
{
    record("resetBluetooth");
    if (!btId.isEmpty())
        pairedId = btId;
}

void RecordingBluetooth::sendData(QString line)
{
    record("sendData");
    sent << line;
}

QString RecordingBluetooth::getData()
{
    record("getData");
    QString d = data;
    data.clear();
    return d;
}

void RecordingBluetooth::clearData()
{
    record("clearData");
    data.clear();
}

void RecordingBluetooth::callBtDeviceA2DP(bool withRfcomm)
{
    record("callBtDeviceA2DP");
    a2dpCalls << withRfcomm;
}

void RecordingBluetooth::callBtDeviceRFCOMM() { record("callBtDeviceRFCOMM"); }
void RecordingBluetooth::switchBtMode(int) { record("switchBtMode"); }

bool RecordingBluetooth::isConnectedA2DP()
{
    record("isConnectedA2DP");
    return a2dp;
}

bool RecordingBluetooth::isConnectedRFCOMM()
{
    record("isConnectedRFCOMM");
    return rfcomm;
}

bool RecordingBluetooth::isConnectedAVRCP()
{
    record("isConnectedAVRCP");
    return avrcp;
}

bool RecordingBluetooth::isStreamingActive()
{
    record("isStreamingActive");
    return streaming;
}

int RecordingBluetooth::sendMicInitParameter(int a_gain, int a_mute, int a_button)
{
    record("sendMicInitParameter");
    micParameters << QVector<int>{a_gain, a_mute, a_button};
    // Held as the drivers hold the gain of a "BT_TX I" line passed on.
    m_extMicGain = a_gain;
    return 0;
}

void RecordingBluetooth::setBtExtMicGain(int gain)
{
    record("setBtExtMicGain");
    extMicGains << gain;
    m_extMicGain = gain;
}

int RecordingBluetooth::getBtExtMicGain() { return m_extMicGain; }

void RecordingBluetooth::setBtDacGain(int gain)
{
    record("setBtDacGain");
    dacGains << gain;
    m_dacGain = gain;
}

int RecordingBluetooth::getBtDacGain() { return m_dacGain; }

void RecordingBluetooth::setBtAdcGain(int gain)
{
    record("setBtAdcGain");
    adcGains << gain;
    m_adcGain = gain;
    if (gain > 0)
        m_lastAdcGain = gain;
}

void RecordingBluetooth::setBtLastAdcGain()
{
    record("setBtLastAdcGain");
    ++lastAdcGainCalls;
    m_adcGain = m_lastAdcGain;
}

int RecordingBluetooth::getBtAdcGain() { return m_adcGain; }

void RecordingBluetooth::setBtExtHeadphoneGain(int) { record("setBtExtHeadphoneGain"); }

void RecordingBluetooth::setBtExtHeadphoneVolUp()
{
    record("setBtExtHeadphoneVolUp");
    m_headphoneGain = qMin(m_headphoneGain + 1, 15);
}

void RecordingBluetooth::setBtExtHeadphoneVolDown()
{
    record("setBtExtHeadphoneVolDown");
    m_headphoneGain = qMax(m_headphoneGain - 1, 0);
}

int RecordingBluetooth::getBtExtHeadphoneGain() { return m_headphoneGain; }
void RecordingBluetooth::requestHeadphoneVolume() { record("requestHeadphoneVolume"); }

void RecordingBluetooth::disconnectBtDevice()
{
    record("disconnectBtDevice");
    ++disconnects;
    a2dp = rfcomm = avrcp = streaming = false;
}

int RecordingBluetooth::getBtExtHeadphoneBatteryState() { return headphoneBattery; }
void RecordingBluetooth::requestHeadphoneBatteryState() { record("requestHeadphoneBatteryState"); }
QString RecordingBluetooth::getBtIdModul() { return QStringLiteral("00:11:22:33:44:55"); }
void RecordingBluetooth::initBtModulSource() { record("initBtModulSource"); }
void RecordingBluetooth::initBtModulSink() { record("initBtModulSink"); }
void RecordingBluetooth::initBtModulSourceTestmode() { record("initBtModulSourceTestmode"); }
void RecordingBluetooth::setAudioTestModeFlag(bool) { record("setAudioTestModeFlag"); }
QString RecordingBluetooth::getBtName() { return QStringLiteral("recording"); }
int RecordingBluetooth::getBtProfile() { return role == BluetoothRole::Sink ? 1 : 2; }
void RecordingBluetooth::sendReset() { record("sendReset"); }
void RecordingBluetooth::clearAllPairings() { record("clearAllPairings"); }
void RecordingBluetooth::btModulFactoryReset() { record("btModulFactoryReset"); }
void RecordingBluetooth::getConfiguration() { record("getConfiguration"); }
bool RecordingBluetooth::isConfigEqualSink() { return role == BluetoothRole::Sink; }
bool RecordingBluetooth::isConfigEqualSource() { return role == BluetoothRole::Source; }
void RecordingBluetooth::getBluetoothAddress() { record("getBluetoothAddress"); }
void RecordingBluetooth::pairWithBtDevice(QString address)
{
    record("pairWithBtDevice");
    pairedWith << address;
}

void RecordingBluetooth::checkCmdAtOk() { record("checkCmdAtOk"); }
void RecordingBluetooth::startInquiry()
{
    record("startInquiry");
    for (BluetoothDevice& d : btDevicesFromInquiry)
        d = BluetoothDevice();
}

void RecordingBluetooth::stopInquiry()
{
    record("stopInquiry");
    for (int i = 0; i < 10; ++i)
        btDevicesFromInquiry[i] = i < searchRecords.size() ? searchRecords.at(i) : BluetoothDevice();
}

bool RecordingBluetooth::waitForName()
{
    record("waitForName");
    if (nameWaitPolls <= 0)
        return false;
    --nameWaitPolls;
    return true;
}

void RecordingBluetooth::analyseInquiryData() { record("analyseInquiryData"); }
bool RecordingBluetooth::isPairOk(QString address)
{
    record("isPairOk");
    pairOkAsked << address;
    return pairOk;
}

bool RecordingBluetooth::isStateDisconnected()
{
    if (disconnectPolls > 0) {
        --disconnectPolls;
        return false;
    }
    return !a2dp && !rfcomm;
}

void RecordingBluetooth::testmodeUseHfp(bool) { record("testmodeUseHfp"); }
QString RecordingBluetooth::getFwVersionBtModul() { return QString(); }
void RecordingBluetooth::readTtyData() { record("readTtyData"); }
void RecordingBluetooth::updateState() { record("updateState"); }
void RecordingBluetooth::sendDebugCmd() { sendData("BT_TX X DEBUG"); }
void RecordingBluetooth::transmitTimeout() { record("transmitTimeout"); }
