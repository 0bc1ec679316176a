// WT32 driver: the serial link, the accessory-line queue and the traffic log.
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothwt32.h"

#include <QDebug>
#include <QTimer>

void BluetoothWT32::clearData()
{
    BluetoothDriver::clearData();
    m_pairOkAddresses.clear();
}

void BluetoothWT32::sendData(QString data)
{
    const QByteArray line = data.toLatin1() + '\n';
    if (line.size() > kMaxLineBytes) {
        qDebug().noquote() << m_debugPrefix << "Line too long, not sent:" << line.size() << "bytes"
                           << data.left(40);
        return;
    }
    if (data.startsWith("AT")) {
        qDebug().noquote() << m_debugPrefix << "--> SEND_DATA" << data << m_btMode << m_btId;
        writeLine(line);
        return;
    }
    if (AccessoryProtocol::isUnitLine(data)) {
        sendAccessoryMessage(data);
        return;
    }
    // After "SELECT" or an RFCOMM connect the module is entering data mode,
    // or is there before the data-mode step has run: a command written now
    // would reach the accessory, and one held without a switch would wait
    // for the next command mode.
    if (m_btMode == 1 || m_btState == BTSTATE_WAIT_FOR_DATAMODE
        || m_btState == BTSTATE_RFCOMM_ACTIVE_DATA)
        switchBtMode(0);
    qDebug().noquote() << m_debugPrefix << "--> SEND_DATA" << data << m_btMode << m_btId;
    if (m_btMode != 0 || m_btState == BTSTATE_WAIT_FOR_DATAMODE || m_btState == BTSTATE_RFCOMM_ACTIVE_DATA) {
        m_commandOutputBuffer += line;
        qDebug().noquote() << m_debugPrefix << "Move to buffer" << m_commandOutputBuffer;
        return;
    }
    writeLine(line);
}

void BluetoothWT32::sendAccessoryMessage(const QString& data)
{
    if (m_switchToCommandMode) {
        qDebug().noquote() << m_debugPrefix << "Change to command mode pending, accessory line dropped:" << data;
    } else {
        if (m_btMode == 0)
            switchBtMode(1);
        const AccessoryMessageQueue::Offer offer = m_transmitBuffer.offer({m_connectedRFCOMM, true, false});
        if (offer == AccessoryMessageQueue::Offer::Dropped) {
            qDebug().noquote() << m_debugPrefix << "RFCOMM not connected, accessory line dropped:" << data;
        } else {
            qDebug().noquote() << m_debugPrefix << "--> SEND_DATA" << data << m_btMode << m_btId;
            if (m_host->debugFeatures())
                writeBluetoothCmdsDbg("H->M " + data + "\n");
            if (offer == AccessoryMessageQueue::Offer::Wait) {
                addToTransmitBuffer(data);
            } else {
                m_btTimerTransmit->start(kMessageTimeoutMs);
                writeLine(data.toLatin1() + '\n');
            }
        }
    }
    int gain = 0;
    if (AccessoryProtocol::micInitGain(data, &gain)) {
        m_btExtMicGain = gain;
        const QStringList w = data.split(' ', Qt::SkipEmptyParts);
        qDebug().noquote() << m_debugPrefix << "Gain:" << gain << "Mute:" << (w.value(3) == "MUTE")
                           << "Switch:" << !(w.value(4) == "PUSHBUT");
    }
}

void BluetoothWT32::addToTransmitBuffer(QString data)
{
    const AccessoryMessageQueue::Added added = m_transmitBuffer.enqueue(data);
    qDebug().noquote() << m_debugPrefix << "BT AddToTransmitBuffer" << data << m_transmitBuffer.count()
                       << (added == AccessoryMessageQueue::Added::ReplacedNewest ? "(newest replaced)"
                           : added == AccessoryMessageQueue::Added::Refused      ? "(full of settings, not queued)"
                                                                                 : "");
}

void BluetoothWT32::transmitTimeout()
{
    m_btTimerTransmit->stop();
    QString next;
    if (!m_transmitBuffer.release(&next))
        return;
    sendData(next);
    qDebug().noquote() << m_debugPrefix << "BT sendData from TransmitBuffer" << next << m_transmitBuffer.count();
}
