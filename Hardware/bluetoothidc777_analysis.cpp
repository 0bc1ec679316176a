// IDC777 driver: what the module prints, line by line.
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothidc777.h"

#include <QDebug>
#include <QTimer>

void BluetoothIDC777::analyseAnswer()
{
    // Each line leaves the buffer before it is acted on: a receiver's nested
    // event loop may read and analyse the following lines meanwhile.
    QString line;
    while (m_rx.takeLine(&line)) {
        if (analyseLine(line))
            transmitFromCmdTransmitBuffer();
    }
}

// False while a data event still misses bytes (no command goes out then).
bool BluetoothIDC777::analyseLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (m_cmdTransmitBuffer.isBusy()) {
        const QString word = trimmed.section(' ', 0, 0);
        if (m_cmdTransmitBuffer.answer(word)) {
            qDebug().noquote() << m_debugPrefix << "Answer received:" << word;
            m_btTimerWaitForCmdResponse->stop();
        } else {
            qDebug().noquote() << m_debugPrefix << "Wait for response:" << m_cmdTransmitBuffer.responses();
        }
    }
    traceLine(line);
    m_pending = false;

    if (line.startsWith("RECV") || m_bytesMissingFromRECV) {
        if (!analyseDataEvent(line))
            return false;
        analyseModuleEvent(line);
        return true;
    }
    analyseModuleEvent(trimmed);
    return true;
}

void BluetoothIDC777::traceLine(const QString& line)
{
    const QString text = line.trimmed();
    if (m_btModuleToMic) {
        qDebug().noquote() << m_debugPrefix << "BT_M:" << text;
        // Without its CR and a leading LF the log keeps one line per line.
        if (m_host->debugFeatures())
            writeBluetoothCmdsDbg("M->H " + text + "\n");
    } else if (m_btModuleToHp) {
        qDebug().noquote() << m_debugPrefix << "BT_H:" << text;
    } else {
        qDebug().noquote() << "BT:" << text;
    }
}

bool BluetoothIDC777::analyseDataEvent(const QString& line)
{
    // Filled by the state-machine work: "RECV <link> <length> <data>" events,
    // collected across lines (m_bytesMissingFromRECV), cut into accessory
    // lines at CR LF and handed to analyseAnswerFromMic(). Returns false
    // while bytes are missing.
    Q_UNUSED(line);
    return true;
}

void BluetoothIDC777::analyseModuleEvent(const QString& line)
{
    // The first match applies; other lines are only traced.
    if (analyseLinkEvent(line))
        return;
    if (analyseConfigAnswer(line))
        return;
    analyseServiceEvent(line);
}

bool BluetoothIDC777::analyseLinkEvent(const QString& line)
{
    // Filled by the state-machine work: "OK" (status answer complete),
    // "OPEN_OK", "OPEN_ERROR", "CLOSE_OK", "PENDING", "RECONNECT",
    // "LINK_LOSS", "STATE", "LINK", "A2DP_STREAM_START",
    // "A2DP_STREAM_SUSPEND", "ABS_VOL". Returns true for a matched line.
    Q_UNUSED(line);
    return false;
}

bool BluetoothIDC777::analyseServiceEvent(const QString& line)
{
    // Filled by the state-machine work: the start banner "IOT747",
    // "AudioAgent", "Ready", "PAIR_OK", "PAIR_ERROR", "INQU_OK", "NAME ",
    // "ERROR", "LIST", then the headset battery report "AT+IPHONEACCEV".
    // Returns true for a matched line.
    Q_UNUSED(line);
    return false;
}

bool BluetoothIDC777::analyseConfigAnswer(const QString& line)
{
    if (line.startsWith("LOCAL_ADDR=")) {
        m_configReadingInProgress = false;
        m_btIdModul = line.mid(line.indexOf('=') + 1).trimmed();
        qDebug().noquote() << m_debugPrefix << "Bluetooth-ID = " << m_btIdModul;
        if (m_checkCmdAtOk) {
            // Cleared first: a receiver may ask again at once.
            m_checkCmdAtOk = false;
            qDebug().noquote() << m_debugPrefix << "AT-OK received BT-Modul";
            emit btAtOk();
        }
        return true;
    }
    for (const ConfigKey& key : kConfigKeys) {
        const QString prefix = QString(key.key) + '=';
        if (!line.startsWith(prefix))
            continue;
        this->*key.received = line;
        const QString value = line.mid(prefix.size());
        if (key.received == &BluetoothIDC777::m_configRcvdProfiles) {
            const QStringList words = value.split(' ');
            if (words.value(3).startsWith('1')) {
                m_btProfile = 1;
                qDebug().noquote() << m_debugPrefix << "BT-PROFILE: SINK";
            } else if (words.value(4).startsWith('1')) {
                m_btProfile = 2;
                qDebug().noquote() << m_debugPrefix << "BT-PROFILE: SOURCE";
            } else {
                m_btProfile = 0;
                qDebug().noquote() << m_debugPrefix << "BT-PROFILE: UNKOWN -> " << line;
            }
        } else if (key.received == &BluetoothIDC777::m_configRcvdName) {
            m_btName = value.trimmed();
            qDebug().noquote() << m_debugPrefix << "BT-NAME:" << m_btName << "Section:" << line;
        }
        return true;
    }
    return false;
}

void BluetoothIDC777::analyseAnswerFromMic(QString line)
{
    m_isDatamode = AccessoryProtocol::isAnswerLine(line);
    if (m_isDatamode)
        m_transmitBuffer.endWait();
    // The answer signal releases the channel through answerFromDeviceReceived();
    // the next line goes out only then, so one line is in flight at a time.
    AccessoryProtocol::dispatch(*this, *m_host, line, m_debugPrefix, &m_fwVersion);
}

void BluetoothIDC777::analyseReceivedStatus()
{
    m_btTimerWaitForStatus->stop();
    m_waitForStatusOkReceived = false;
    m_connectedA2DP = m_statusConnectedA2DP;
    m_connectedSPP = m_statusConnectedSPP;
    m_connectedAVRCP = m_statusConnectedAVRCP;
    m_connectedAGHFP = m_statusConnectedAGHFP;
    m_connectedHFP = m_statusConnectedHFP;
    m_streamingA2dpActive = m_statusA2dpStreaming;
    m_playingAvrcp = m_statusAvrcpPlaying;
}
