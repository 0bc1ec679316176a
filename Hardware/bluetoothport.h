#ifndef BLUETOOTHPORT_H
#define BLUETOOTHPORT_H

#include "serialreceiver.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>

class QTimer;

// A Bluetooth module's serial port as both drivers use it: opened by the
// unit's name, read into a SerialReceiver, written one line at a time. A
// peer that hangs up (or a port that fails to read or write) closes the
// port; it is opened again every second until the peer is back, so a dead
// line neither spins nor stays dead.
class BluetoothPort : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxLineBytes = 255;  // a written line with its terminator
    static constexpr int kReopenMs = 1000;

    explicit BluetoothPort(SerialReceiver::LineEnd lineEnd, QObject* parent = nullptr);
    ~BluetoothPort() override;

    // Opens the port by its unit name ("/dev/ttyO2"), mapped through the
    // device layer; bytes already waiting are stale and dropped. Failures
    // are logged; the port stays closed.
    bool open(const QString& unitName, qint32 baudRate, const QString& logPrefix);
    bool isOpen() const { return m_port->isOpen(); }

    // Reads until the port is empty, calling analyse whenever a line is complete.
    void read(const std::function<void()>& analyse);
    // One line with its terminator; a longer one than kMaxLineBytes is
    // refused and logged. With flush the bytes leave before the call returns.
    bool writeLine(const QByteArray& bytes, bool flush = false);
    // Bytes of several lines, each checked by its writer.
    void writeBlock(const QByteArray& bytes);

    SerialReceiver& receiver() { return m_rx; }
    const SerialReceiver& receiver() const { return m_rx; }

signals:
    void readyRead();

private:
    void onError(QSerialPort::SerialPortError error);
    void reopen();

    QSerialPort* m_port;
    SerialReceiver m_rx;
    QTimer* m_reopenTimer;
    QString m_unitName;
    qint32 m_baudRate = 0;
    QString m_logPrefix;
};

#endif
