// WT32 driver: what the module prints, line by line. Every rule is tried on
// every line; the accessory's lines go through the shared protocol helper.
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothwt32.h"
#include "headsetbattery.h"
#include "headsetvolume.h"

#include <QDebug>
#include <QRegularExpression>

void BluetoothWT32::analyseAnswer()
{
    // Each line leaves the buffer before it is acted on: a receiver's nested
    // event loop may read and analyse the following lines meanwhile.
    QString line;
    while (m_port->receiver().takeLine(&line))
        analyseLine(line.trimmed());
}

// An empty address matches no role.
bool BluetoothWT32::isSinkSide() const
{
    return !m_btId.isEmpty() && m_btId == m_btIdMicrophone;
}

bool BluetoothWT32::isHeadsetSide() const
{
    return !m_btId.isEmpty() && m_btId == m_btIdHeadphone;
}

void BluetoothWT32::traceLine(const QString& line)
{
    if (isSinkSide()) {
        qDebug().noquote() << m_debugPrefix << "BT_M:" << line;
        if (m_host->debugFeatures())
            writeBluetoothCmdsDbg("M->H " + line + "\n");
    } else if (isHeadsetSide()) {
        qDebug().noquote() << m_debugPrefix << "BT_H:" << line;
    } else {
        qDebug().noquote() << m_debugPrefix << "BT:" << line;
    }
}

void BluetoothWT32::analyseLine(const QString& line)
{
    traceLine(line);
    // Module lines count their fields at single blanks.
    const QStringList field = line.split(' ');
    analyseConnectionLine(line, field);
    analyseHeadsetLine(line, field);
    if (line.startsWith("LIST") && field.value(2) == "CONNECTED")
        analyseListLine(field);
    if (AccessoryProtocol::isAnswerLine(line) || AccessoryProtocol::isTermination(line)) {
        if (AccessoryProtocol::isAnswerLine(line))
            m_transmitBuffer.endWait();
        // The answer signal releases the channel and sends the next line.
        AccessoryProtocol::dispatch(*this, *m_host, line, m_debugPrefix, &m_fwVersion);
    }
    analyseModuleLine(line, field);
}

void BluetoothWT32::analyseConnectionLine(const QString& line, const QStringList& field)
{
    if (line.startsWith("CONNECT") && field.value(2) == "A2DP") {
        int& link = m_linkId0_A2DP == -1 ? m_linkId0_A2DP : m_linkId1_A2DP;
        if (link == -1)
            link = field.value(1).toInt();
        qDebug().noquote() << m_debugPrefix << "Connected A2DP CONNECT received" << m_linkId0_A2DP
                           << m_linkId1_A2DP << m_btState;
    }
    if (line.startsWith("CONNECT") && field.value(2) == "RFCOMM") {
        m_linkId2_RFCOMM = field.value(1).toInt();
        m_connectedRFCOMM = true;
        qDebug().noquote() << m_debugPrefix << "Connected RFCOMM" << m_linkId2_RFCOMM << m_btState;
        updateState();
        m_host->updateMicrophoneParameter();
    }
    if (line.startsWith("A2DP STREAMING START")) {
        m_connectedA2DP = true;
        updateState();
        qDebug().noquote() << m_debugPrefix << "Connected A2DP" << m_callBtDeviceRfcomm;
    }
    if (line.startsWith("A2DP STREAMING STOP")) {
        dropLinks();
        m_btState = BTSTATE_RESTART;
        updateState();
        qDebug().noquote() << m_debugPrefix << "Verbindung unterbrochen";
    }
    if (line.startsWith("NO CARRIER") && field.value(2) != "3") {
        dropLinks();
        m_btState = BTSTATE_RESTART;
        updateState();
        qDebug().noquote() << m_debugPrefix << "Disconnected";
    }
}

void BluetoothWT32::analyseListLine(const QStringList& field)
{
    const QString profile = field.value(3);
    const int link = field.value(1).toInt();
    if (profile == "A2DP") {
        qDebug().noquote() << m_debugPrefix << "LIST: Connected A2DP" << m_btState;
        m_connectedA2DP = true;
        m_linkId0_A2DP = 0;
        m_linkId1_A2DP = 1;
        if (m_callBtDeviceRfcomm) {
            m_waitCntConnectRfcomm = 0;
            m_btState = BTSTATE_WAIT_FOR_CONNECT_RFCOMM;
        } else {
            m_btState = BTSTATE_A2DP_ACTIVE;
        }
        updateState();
    } else if (profile == "RFCOMM") {
        qDebug().noquote() << m_debugPrefix << "LIST: Connected RFCOMM" << m_btState;
        m_connectedRFCOMM = true;
        m_linkId2_RFCOMM = link;
        // The link is taken back to command mode.
        m_btState = BTSTATE_RFCOMM_ACTIVE_DATA;
        m_switchToCommandMode = true;
        updateState();
        emit btConnectedRfcomm();
        m_host->updateMicrophoneParameter();
        m_micParametersOwed = true;
    } else if (profile == "AVRCP") {
        m_linkId2_AVRCP = link;
        m_connectedAVRCP = true;
    } else if (profile == "HFP-AG") {
        m_linkId3_HFP = link;
        m_connectedHFP = true;
    }
}

void BluetoothWT32::analyseHeadsetLine(const QString& line, const QStringList& field)
{
    if (line.startsWith("RING") && isHeadsetSide() && field.value(4) == "AVRCP") {
        m_linkId2_AVRCP = field.value(1).toInt();
        m_connectedAVRCP = true;
        qDebug().noquote() << m_debugPrefix << "Connected AVRCP";
        if (m_connectedHFP) {
            m_btExtHeadphoneBatteryState = -1;
            requestHeadphoneBatteryState();
        } else {
            // The unit opens the hands-free link for the battery reports.
            sendData(QString("CALL %1 111E HFP-AG").arg(m_btId));
        }
    }
    if (line.startsWith("HFP-AG") && field.value(2) == "READY") {
        m_linkId3_HFP = field.value(1).toInt();
        m_connectedHFP = true;
        qDebug().noquote() << m_debugPrefix << "Connected HFP-AG";
        m_btExtHeadphoneBatteryState = -1;
        requestHeadphoneBatteryState();
    }
    if (line.startsWith("HFP-AG") && field.value(4).startsWith("AT+IPHONEACCEV")) {
        // Only the battery pair counts: other keys (the dock state) are no level.
        const HeadsetBattery::Report report = HeadsetBattery::parse(field.value(4));
        if (report.valid && report.hasLevel) {
            m_btExtHeadphoneBatteryState = report.percent;
            qDebug().noquote() << m_debugPrefix << "Headphone Batterystate:" << report.percent;
            emit btHeadphoneBatteryStateReceived(report.percent);
        } else {
            qDebug().noquote() << m_debugPrefix << "Headphone report without battery level:" << field.value(4);
        }
    }
    if (line.startsWith("AVRCP") && field.value(4) == "VOLUME_CHANGED") {
        const int value = field.value(5).toInt();
        m_btExtHeadphoneGain = qMin(HeadsetVolume::percentToStep(value), HeadsetVolume::kMaxStep);
        emit btHeadphoneVolumeChanged(value);
    }
}

void BluetoothWT32::analyseModuleLine(const QString& line, const QStringList& field)
{
    if (line.startsWith("OK")) {
        qDebug().noquote() << m_debugPrefix << "AT-OK received BT-Modul";
        // Only the answer to the test command; other commands answer OK too.
        if (m_checkCmdAtOk) {
            m_checkCmdAtOk = false;
            emit btAtOk();
        }
    }
    if (line.startsWith("SET BT BDADDR")) {
        m_btIdModul = field.value(3).trimmed();
        qDebug().noquote() << m_debugPrefix << "Bluetooth-ID =" << m_btIdModul;
    }
    if (line.startsWith("SET BT NAME")) {
        m_btName = field.value(3).trimmed();
        qDebug().noquote() << m_debugPrefix << "BT-NAME:" << m_btName << "Section:" << line;
    }
    if (line.startsWith("SET PROFILE A2DP")) {
        const QString role = field.value(3);
        m_btProfile = role.startsWith("SINK", Qt::CaseInsensitive)     ? 1
                      : role.startsWith("SOURCE", Qt::CaseInsensitive) ? 2
                                                                       : 0;
        qDebug().noquote() << m_debugPrefix << "BT-PROFILE" << role << "Section:" << line;
    }
    if (line.startsWith("WRAP THOR")) {
        qDebug().noquote() << m_debugPrefix << "Bluetoothmodul has been reset";
        m_btWaitForReadyAfterReset = true;
        static const QRegularExpression kVersion("\\(([^)]*)\\)");
        const QRegularExpressionMatch m = kVersion.match(line);
        m_fwVersionBtModul = m.hasMatch() ? m.captured(1) : QString("unknown");
    }
    if (line.startsWith("READY.") && m_btWaitForReadyAfterReset) {
        m_btWaitForReadyAfterReset = false;
        emit btModulReset();
    }
    if (line.startsWith("PAIR") && line.endsWith("OK")) {
        qDebug().noquote() << m_debugPrefix << "Pairing successful";
        if (!field.value(1).isEmpty() && field.value(1) != "OK")
            m_pairOkAddresses << field.value(1);
        emit btPairingOk();
    }
}
