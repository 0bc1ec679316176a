#include "bluetoothport.h"
#include "devicelayer.h"

#include <QDebug>
#include <QTimer>

BluetoothPort::BluetoothPort(SerialReceiver::LineEnd lineEnd, QObject* parent)
    : QObject(parent), m_port(new QSerialPort), m_rx(lineEnd), m_reopenTimer(new QTimer(this))
{
    m_reopenTimer->setInterval(kReopenMs);
    connect(m_reopenTimer, &QTimer::timeout, this, &BluetoothPort::reopen);
    connect(m_port, &QSerialPort::readyRead, this, &BluetoothPort::readyRead);
    connect(m_port, &QSerialPort::errorOccurred, this, &BluetoothPort::onError);
}

BluetoothPort::~BluetoothPort()
{
    m_port->close();
    delete m_port;
}

bool BluetoothPort::open(const QString& unitName, qint32 baudRate, const QString& logPrefix)
{
    m_reopenTimer->stop();
    if (m_port->isOpen())
        m_port->close();
    m_unitName = unitName;
    m_baudRate = baudRate;
    m_logPrefix = logPrefix;
    m_rx.setLogPrefix(logPrefix);
    m_port->setPortName(DeviceLayer::path(unitName));
    const bool ok = m_port->open(QIODevice::ReadWrite);
    m_port->setBaudRate(baudRate);
    qDebug().noquote() << logPrefix << "Uart" << unitName << (ok ? "true" : "false");
    if (!ok)
        qDebug().noquote() << logPrefix << "Port cannot be opened:" << unitName << m_port->errorString();
    else
        m_port->readAll();
    return ok;
}

void BluetoothPort::read(const std::function<void()>& analyse)
{
    m_rx.readPort(*m_port, analyse);
}

bool BluetoothPort::writeLine(const QByteArray& bytes, bool flush)
{
    if (bytes.size() > kMaxLineBytes) {
        qDebug().noquote() << m_logPrefix << "Line too long, not sent:" << bytes.size() << "bytes" << bytes.left(40);
        return false;
    }
    if (!m_port->isOpen())
        return false;
    const bool ok = m_port->write(bytes) == bytes.size();
    if (flush)
        m_port->flush();
    return ok;
}

void BluetoothPort::writeBlock(const QByteArray& bytes)
{
    if (!m_port->isOpen())
        return;
    m_port->write(bytes);
    m_port->flush();
}

// A pty whose other side has gone reports a resource error (EIO); the
// bytes Qt still holds would be written again and again. DTR and RTS on a
// pty fail as unsupported: no reason to let go of the port.
void BluetoothPort::onError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError)
        return;
    if (!m_port->isOpen())
        return;
    qDebug().noquote() << m_logPrefix << "Serial port lost:" << m_unitName << m_port->errorString()
                       << "- opening it again every second";
    m_port->close();
    // A line cut off by the hang-up must not prefix the peer's first.
    m_rx.clearPending();
    m_reopenTimer->start();
}

void BluetoothPort::reopen()
{
    m_port->setPortName(DeviceLayer::path(m_unitName));
    if (!m_port->open(QIODevice::ReadWrite))
        return;
    m_port->setBaudRate(m_baudRate);
    m_reopenTimer->stop();
    qDebug().noquote() << m_logPrefix << "Serial port open again:" << m_unitName;
    if (m_port->bytesAvailable() > 0)
        emit readyRead();
}
