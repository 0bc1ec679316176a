// IDC777 driver: the serial link, the command queue with its time-outs, the
// accessory-line queue and the traffic log.
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothidc777.h"

#include <QDebug>
#include <QTimer>

void BluetoothIDC777::sendData(QString data)
{
    if (data.startsWith("AT")) {
        writeLine(data.toLatin1() + '\r');
        return;
    }
    if (AccessoryProtocol::isUnitLine(data)) {
        sendAccessoryMessage(data);
        return;
    }
    if (m_pairingActive && data.startsWith("OPEN"))
        m_host->sleepMs(500);
    writeLine(data.toLatin1() + '\r');
    if (m_waitForInitWritten && data.startsWith("WRITE")) {
        m_waitForInitWritten = false;
        m_waitForInitWrittenCnt = 0;
    }
}

QString BluetoothIDC777::hexLinkId(int linkId) const
{
    return QString("%1").arg(linkId, 2, 16, QLatin1Char('0'));
}

QByteArray BluetoothIDC777::messageFrame(const QString& data) const
{
    return QString("SEND %1 %2\n").arg(hexLinkId(linkId(Profile::Spp)), data).toLatin1() + '\r';
}

void BluetoothIDC777::sendAccessoryMessage(const QString& data)
{
    if (messageFrame(data).size() > kMaxLineBytes) {
        qDebug().noquote() << m_debugPrefix << "Accessory line too long, not sent:" << data.left(40);
        return;
    }
    const AccessoryMessageQueue::Offer offer =
        m_transmitBuffer.offer({connected(Profile::Spp), m_initSuccessful, m_audioTestModeActive});
    if (offer == AccessoryMessageQueue::Offer::Ignored)
        return;
    if (offer != AccessoryMessageQueue::Offer::Dropped && m_host->debugFeatures())
        writeBluetoothCmdsDbg("H->M " + data + "\n");
    if (offer == AccessoryMessageQueue::Offer::Wait) {
        addToDataTransmitBuffer(data);
    } else if (offer == AccessoryMessageQueue::Offer::SendNow) {
        m_btTimerTransmit->start(kMessageTimeoutMs);
        writeLine(messageFrame(data));
    }
    int gain = 0;
    if (m_initSuccessful && AccessoryProtocol::micInitGain(data, &gain))
        m_btExtMicGain = gain;
}

void BluetoothIDC777::addToDataTransmitBuffer(QString data)
{
    switch (m_transmitBuffer.enqueue(data)) {
    case AccessoryMessageQueue::Added::ReplacedNewest:
        qDebug().noquote() << m_debugPrefix << "Accessory queue full, newest replaced by" << data;
        getStatusOfConnections();
        break;
    case AccessoryMessageQueue::Added::Refused:
        qDebug().noquote() << m_debugPrefix << "Accessory queue full of settings, not queued:" << data;
        break;
    case AccessoryMessageQueue::Added::Duplicate:
        qDebug().noquote() << m_debugPrefix << "Accessory line already waiting:" << data;
        break;
    case AccessoryMessageQueue::Added::Queued:
        break;
    }
}

void BluetoothIDC777::transmitFromDataTransmitBuffer()
{
    QString next;
    if (m_transmitBuffer.release(&next))
        sendData(next);
}

void BluetoothIDC777::clearDataTransmitBuffer()
{
    m_btTimerTransmit->stop();
    m_transmitBuffer.clear();
}

void BluetoothIDC777::answerFromDeviceReceived()
{
    m_btTimerTransmit->stop();
    transmitFromDataTransmitBuffer();
}

void BluetoothIDC777::transmitTimeout()
{
    m_btTimerTransmit->stop();
    qDebug().noquote() << m_debugPrefix << "No answer from the accessory";
    getStatusOfConnections();
    transmitFromDataTransmitBuffer();
}

void BluetoothIDC777::sendCmdAndWaitForResponse(QString cmd, QStringList responses, int timeoutMs)
{
    submitCommand(cmd, responses, timeoutMs);
}

// True when the command was written or now waits as a new entry.
bool BluetoothIDC777::submitCommand(const QString& cmd, const QStringList& responses, int timeoutMs)
{
    if (cmd.toLatin1().size() + 1 > kMaxLineBytes) {
        qDebug().noquote() << m_debugPrefix << "Command too long, not sent:" << cmd.left(40);
        return false;
    }
    if (m_cmdTransmitBuffer.isBusy()) {
        const Idc777CommandQueue::Added added = queueCommand({cmd, responses, timeoutMs});
        return added == Idc777CommandQueue::Added::Queued
               || added == Idc777CommandQueue::Added::ReplacedNewest;
    }
    m_cmdTransmitBuffer.startInFlight({cmd, responses, timeoutMs});
    // Answers of an earlier query must not count for this one.
    if (cmd == "STATUS")
        m_statusStateSeen = false;
    if (cmd == "LIST") {
        m_btIdFromList.clear();
        m_listSeen = false;
    }
    m_btTimerWaitForCmdResponse->start(timeoutMs);
    sendData(cmd);
    return true;
}

void BluetoothIDC777::addToCmdTransmitBuffer(QString cmd, QStringList responses, int timeoutMs)
{
    queueCommand({cmd, responses, timeoutMs});
}

Idc777CommandQueue::Added BluetoothIDC777::queueCommand(const CmdBuffer& command)
{
    const Idc777CommandQueue::Added added = m_cmdTransmitBuffer.add(command);
    if (added == Idc777CommandQueue::Added::ReplacedNewest) {
        qDebug().noquote() << m_debugPrefix << "Command queue full, newest replaced by" << command.cmd;
        // The STATUS query of an overflow may itself overflow: it then takes
        // the newest place and asks for nothing more.
        if (!m_cmdOverflowActive) {
            m_cmdOverflowActive = true;
            getStatusOfConnections();
            m_cmdOverflowActive = false;
        }
    }
    return added;
}

void BluetoothIDC777::transmitFromCmdTransmitBuffer()
{
    if (m_cmdTransmitBuffer.isBusy())
        return;
    CmdBuffer next;
    if (!m_cmdTransmitBuffer.takeNext(&next)) {
        clearCmdTransmitBuffer();
        return;
    }
    sendCmdAndWaitForResponse(next.cmd, next.responses, next.timeoutMs);
}

void BluetoothIDC777::clearCmdTransmitBuffer()
{
    m_btTimerWaitForCmdResponse->stop();
    m_cmdTransmitBuffer.clear();
}

void BluetoothIDC777::waitForCmdResponseTimeout()
{
    m_btTimerWaitForCmdResponse->stop();
    qDebug().noquote() << m_debugPrefix << "Timeout waitForCmdResponseTimeout"
                       << m_cmdTransmitBuffer.lastTransmitted();
    m_cmdTransmitBuffer.endWait();
    transmitFromCmdTransmitBuffer();
}

void BluetoothIDC777::cmdResponseTimeout() {}

void BluetoothIDC777::getStatusOfConnections()
{
    if (submitCommand("STATUS", {"OK", "ERROR"}, 5000)) {
        m_waitForStatusOkReceived = true;
        m_btTimerWaitForStatus->start(kStatusTimeoutMs);
    }
}

bool BluetoothIDC777::isDatamode()
{
    qDebug().noquote() << m_debugPrefix << "isDatamode" << m_isDatamode;
    return m_isDatamode;
}

bool BluetoothIDC777::isCommandmode()
{
    qDebug().noquote() << m_debugPrefix << "isCommandmode" << !m_isDatamode;
    return !m_isDatamode;
}
