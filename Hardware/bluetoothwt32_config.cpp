// WT32 driver: module set-up, gains and headset volume, device search and
// pairing, and the accessory lines the driver builds itself.
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothwt32.h"
#include "headsetvolume.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

// The set-up lines of one role, in the order the module gets them.
QStringList setupLines(const char* pageMode, const char* name, const char* a2dp, const char* avrcp,
                       bool handsFree, const char* deviceClass)
{
    QStringList lines{QString("SET BT PAGEMODE %1").arg(pageMode),
                      "SET CONTROL ECHO 5",
                      "SET BT FILTER 200400 200400",
                      "SET BT PAIRCOUNT 1",
                      QString("SET BT NAME %1").arg(name),
                      "SET CONTROL PREAMP 0 0",
                      "SET CONTROL CD 04 1",
                      "SET CONTROL ESCAPE - 02 1",
                      QString("SET PROFILE A2DP %1").arg(a2dp),
                      QString("SET PROFILE AVRCP %1").arg(avrcp)};
    if (handsFree)
        lines << "SET PROFILE HFP-AG ON";
    lines << QString("SET BT CLASS %1").arg(deviceClass);
    return lines;
}

}

void BluetoothWT32::initBtModulSource()
{
    for (const QString& line : setupLines("0 2000 2", "VQA4100_HP", "SOURCE", "TARGET 7", true, "280428"))
        sendData(line);
}

void BluetoothWT32::initBtModulSink()
{
    for (const QString& line : setupLines("0 2000 2", "VQA4100_MIC", "SINK", "CONTROLLER 3", false, "280438"))
        sendData(line);
}

void BluetoothWT32::initBtModulSourceTestmode()
{
    for (const QString& line :
         setupLines("3 4000 1", "VQA4100_SIM_MIC", "SOURCE", "TARGET 7", false, "280428"))
        sendData(line);
}

// The module has no audio test mode of its own.
void BluetoothWT32::setAudioTestModeFlag(bool) {}
void BluetoothWT32::testmodeUseHfp(bool) {}

void BluetoothWT32::clearAllPairings()
{
    sendData("SET BT PAIR *");
}

void BluetoothWT32::btModulFactoryReset()
{
    sendData("SET BT PAIR *");
    sendData("SET RESET");
}

void BluetoothWT32::getConfiguration()
{
    sendData("SET");
}

bool BluetoothWT32::isConfigEqualSink()
{
    return true;
}

bool BluetoothWT32::isConfigEqualSource()
{
    return true;
}

void BluetoothWT32::getBluetoothAddress()
{
    sendData("SET BT BDADDR");
}

void BluetoothWT32::checkCmdAtOk()
{
    m_checkCmdAtOk = true;
    sendData("AT");
}

// ---- Gains and the headset volume ----------------------------------------

void BluetoothWT32::setBtDacGain(int gain)
{
    m_btDacGain = gain;
    // The text carries its own LF: the module gets an empty line after it.
    sendData(QString("SET CONTROL GAIN %1 %2\n").arg(m_btAdcGain, 0, 16).arg(m_btDacGain, 0, 16));
}

void BluetoothWT32::setBtAdcGain(int gain)
{
    storeAdcGain(gain);
    sendData(QString("SET CONTROL GAIN %1 %2\n").arg(m_btAdcGain, 0, 16).arg(m_btDacGain, 0, 16));
}


void BluetoothWT32::setBtExtHeadphoneGain(int volPercent)
{
    sendData(QString("AVRCP PDU 50 %1").arg(volPercent));
    m_btExtHeadphoneGain = HeadsetVolume::percentToStep(volPercent);
}

void BluetoothWT32::setBtExtHeadphoneVolUp()
{
    m_btExtHeadphoneGain = qMin(m_btExtHeadphoneGain + 1, HeadsetVolume::kMaxStep);
    sendData("AVRCP UP");
}

void BluetoothWT32::setBtExtHeadphoneVolDown()
{
    m_btExtHeadphoneGain = qMax(m_btExtHeadphoneGain - 1, 0);
    sendData("AVRCP DN");
}

void BluetoothWT32::requestHeadphoneVolume()
{
    sendData("AVRCP PDU 31 D");
}

void BluetoothWT32::requestHeadphoneBatteryState()
{
    // The report comes over the hands-free link.
    if (m_linkId3_HFP > 0)
        sendData(QString("@%1 +CHLD=0").arg(m_linkId3_HFP));
}

// ---- Accessory lines --------------------------------------------------------

// ---- Search and pairing -----------------------------------------------------

void BluetoothWT32::startInquiry()
{
    m_receivedInquiryText.clear();
    m_pairOkAddresses.clear();
    m_inquiryMode = true;
    sendData("INQUIRY 4 NAME");
}

void BluetoothWT32::stopInquiry()
{
    m_inquiryMode = false;
    analyseInquiryData();
}

// Names come with the search answers.
bool BluetoothWT32::waitForName()
{
    return false;
}

void BluetoothWT32::pairWithBtDevice(QString btDevAdr)
{
    sendData("PAIR " + btDevAdr);
}

bool BluetoothWT32::isPairOk(QString btDevAdr)
{
    return !btDevAdr.isEmpty() && m_pairOkAddresses.contains(btDevAdr);
}

// "INQUIRY_PARTIAL <address> <class> ..." per device found and
// NAME <address> "<name>" per name, in any order.
void BluetoothWT32::analyseInquiryData()
{
    const QStringList lines = QString(m_receivedInquiryText).split('\n');
    const QStringList nameLines = lines.filter("NAME ", Qt::CaseInsensitive);
    const QStringList deviceLines = lines.filter("INQUIRY_PARTIAL", Qt::CaseInsensitive);
    qDebug().noquote() << m_debugPrefix << "InquiryList:" << deviceLines.size() << deviceLines.join(", ");

    static const QRegularExpression kBlanks("\\s+");
    static const QRegularExpression kNameLine("([a-z]+)\\s+([a-z0-9:]+)\\s+\"([a-z0-9\\-+:_()/*%!$#=.,\\s]+)\"",
                                              QRegularExpression::CaseInsensitiveOption);
    QString address[10], deviceClass[10], name[10], nameAddress[10];
    for (int i = 0; i < qMin(deviceLines.size(), 10); ++i) {
        const QStringList f = deviceLines.at(i).split(kBlanks);
        address[i] = f.value(1).trimmed();
        deviceClass[i] = f.value(2).trimmed();
    }
    for (int k = 0; k < qMin(nameLines.size(), 10); ++k) {
        const QRegularExpressionMatch m = kNameLine.match(nameLines.at(k));
        if (m.hasMatch()) {
            nameAddress[k] = m.captured(2).trimmed();
            name[k] = m.captured(3).trimmed();
        }
    }
    for (int i = 0; i < 10; ++i) {
        QString found;
        for (int k = 0; k < 10 && found.isEmpty(); ++k) {
            if (!nameAddress[k].isEmpty() && nameAddress[k] == address[i])
                found = name[k];
        }
        BluetoothDevice& d = btDevicesFromInquiry[i];
        d.btId = address[i];
        d.btName = found.isEmpty() ? tr("unknown") : found;
        d.cod = deviceClass[i];
    }
}
