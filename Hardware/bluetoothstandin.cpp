#include "bluetoothstandin.h"

#include <QDebug>

BluetoothStandin::BluetoothStandin(int moduleType, BluetoothRole role, QObject* parent)
    : Bluetooth(parent), m_moduleType(moduleType), m_role(role)
{
    note("created", "no driver, no port, every link down");
}

QString BluetoothStandin::moduleName(int moduleType)
{
    return moduleType == BluetoothFactory::ModuleWt32 ? QStringLiteral("WT32")
                                                      : QStringLiteral("IDC777");
}

void BluetoothStandin::note(const char* operation, const QString& arguments) const
{
    qDebug().noquote() << QStringLiteral("BluetoothStandin %1 %2: %3 %4")
                              .arg(moduleName(m_moduleType),
                                   m_role == BluetoothRole::Sink ? "sink" : "source",
                                   QLatin1String(operation), arguments)
                              .trimmed();
}

static QString flag(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

void BluetoothStandin::initBluetooth(QString portName, QString btId)
{
    note("initBluetooth", portName + ' ' + btId);
}

void BluetoothStandin::resetBluetooth(QString btId, bool onlyStateVariables)
{
    note("resetBluetooth", btId + ' ' + flag(onlyStateVariables));
}

void BluetoothStandin::sendData(QString data) { note("sendData", data); }

QString BluetoothStandin::getData()
{
    note("getData");
    return QString();
}

void BluetoothStandin::clearData() { note("clearData"); }
void BluetoothStandin::callBtDeviceA2DP(bool rfcomm) { note("callBtDeviceA2DP", flag(rfcomm)); }
void BluetoothStandin::callBtDeviceRFCOMM() { note("callBtDeviceRFCOMM"); }
void BluetoothStandin::switchBtMode(int btMode) { note("switchBtMode", QString::number(btMode)); }

bool BluetoothStandin::isConnectedA2DP()
{
    note("isConnectedA2DP");
    return false;
}

bool BluetoothStandin::isConnectedRFCOMM()
{
    note("isConnectedRFCOMM");
    return false;
}

bool BluetoothStandin::isConnectedAVRCP()
{
    note("isConnectedAVRCP");
    return false;
}

bool BluetoothStandin::isStreamingActive()
{
    note("isStreamingActive");
    return false;
}

int BluetoothStandin::sendMicInitParameter(int a_gain, int a_mute, int a_button)
{
    note("sendMicInitParameter", QStringLiteral("%1 %2 %3").arg(a_gain).arg(a_mute).arg(a_button));
    return 0;
}

void BluetoothStandin::setBtExtMicGain(int gain)
{
    note("setBtExtMicGain", QString::number(gain));
    m_extMicGain = gain;
}

int BluetoothStandin::getBtExtMicGain()
{
    note("getBtExtMicGain");
    return m_extMicGain;
}

void BluetoothStandin::setBtDacGain(int gain)
{
    note("setBtDacGain", QString::number(gain));
    m_dacGain = gain;
}

int BluetoothStandin::getBtDacGain()
{
    note("getBtDacGain");
    return m_dacGain;
}

void BluetoothStandin::setBtAdcGain(int gain)
{
    note("setBtAdcGain", QString::number(gain));
    m_adcGain = gain;
    if (gain > 0)
        m_lastAdcGain = gain;
}

void BluetoothStandin::setBtLastAdcGain()
{
    note("setBtLastAdcGain", QString::number(m_lastAdcGain));
    m_adcGain = m_lastAdcGain;
}

int BluetoothStandin::getBtAdcGain()
{
    note("getBtAdcGain");
    return m_adcGain;
}

void BluetoothStandin::setBtExtHeadphoneGain(int volPercent)
{
    note("setBtExtHeadphoneGain", QString::number(volPercent));
}

void BluetoothStandin::setBtExtHeadphoneVolUp()
{
    note("setBtExtHeadphoneVolUp");
    m_headphoneGain = qMin(m_headphoneGain + 1, 15);
}

void BluetoothStandin::setBtExtHeadphoneVolDown()
{
    note("setBtExtHeadphoneVolDown");
    m_headphoneGain = qMax(m_headphoneGain - 1, 0);
}

int BluetoothStandin::getBtExtHeadphoneGain()
{
    note("getBtExtHeadphoneGain");
    return m_headphoneGain;
}
void BluetoothStandin::requestHeadphoneVolume() { note("requestHeadphoneVolume"); }
void BluetoothStandin::disconnectBtDevice() { note("disconnectBtDevice"); }

int BluetoothStandin::getBtExtHeadphoneBatteryState()
{
    note("getBtExtHeadphoneBatteryState");
    return -1; // never reported
}

void BluetoothStandin::requestHeadphoneBatteryState() { note("requestHeadphoneBatteryState"); }

QString BluetoothStandin::getBtIdModul()
{
    note("getBtIdModul");
    return QString();
}

void BluetoothStandin::initBtModulSource() { note("initBtModulSource"); }
void BluetoothStandin::initBtModulSink() { note("initBtModulSink"); }
void BluetoothStandin::initBtModulSourceTestmode() { note("initBtModulSourceTestmode"); }
void BluetoothStandin::setAudioTestModeFlag(bool f) { note("setAudioTestModeFlag", flag(f)); }

QString BluetoothStandin::getBtName()
{
    note("getBtName");
    return QString();
}

int BluetoothStandin::getBtProfile()
{
    note("getBtProfile");
    return 0;
}

void BluetoothStandin::sendReset() { note("sendReset"); }
void BluetoothStandin::clearAllPairings() { note("clearAllPairings"); }
void BluetoothStandin::btModulFactoryReset() { note("btModulFactoryReset"); }
void BluetoothStandin::getConfiguration() { note("getConfiguration"); }

bool BluetoothStandin::isConfigEqualSink()
{
    note("isConfigEqualSink");
    return false;
}

bool BluetoothStandin::isConfigEqualSource()
{
    note("isConfigEqualSource");
    return false;
}

void BluetoothStandin::getBluetoothAddress() { note("getBluetoothAddress"); }
void BluetoothStandin::pairWithBtDevice(QString btDevAdr) { note("pairWithBtDevice", btDevAdr); }
void BluetoothStandin::checkCmdAtOk() { note("checkCmdAtOk"); }
void BluetoothStandin::startInquiry() { note("startInquiry"); }

void BluetoothStandin::stopInquiry()
{
    note("stopInquiry");
    analyseInquiryData();
}

bool BluetoothStandin::waitForName()
{
    note("waitForName");
    return false;
}

void BluetoothStandin::analyseInquiryData()
{
    note("analyseInquiryData");
    for (BluetoothDevice& d : btDevicesFromInquiry)
        d = BluetoothDevice();
}

bool BluetoothStandin::isPairOk(QString btDevAdr)
{
    note("isPairOk", btDevAdr);
    return false;
}

bool BluetoothStandin::isStateDisconnected()
{
    note("isStateDisconnected");
    return true;
}

void BluetoothStandin::testmodeUseHfp(bool useHfp) { note("testmodeUseHfp", flag(useHfp)); }

QString BluetoothStandin::getFwVersionBtModul()
{
    note("getFwVersionBtModul");
    return QString();
}

void BluetoothStandin::readTtyData() { note("readTtyData"); }
void BluetoothStandin::updateState() { note("updateState"); }
void BluetoothStandin::sendDebugCmd() { note("sendDebugCmd"); }
void BluetoothStandin::transmitTimeout() { note("transmitTimeout"); }
