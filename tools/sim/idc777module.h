#ifndef IDC777MODULE_H
#define IDC777MODULE_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A stand-in for an IDC777 Bluetooth module's command interpreter: bytes
// from the unit in, the module's answer bytes out. Commands end in CR (an LF
// before the CR, as after "SEND", is part of the command's data).
//
// It keeps a key=value configuration ("GET key" / "SET key=value" / "WRITE",
// lost on reset unless written), its own address ("GET LOCAL_ADDR"), a
// paired list ("UNPAIR"), restarts on "RESET" and "RESTORE" (banner, then
// "Ready"), and answers "VOLUME ..." and the other commands it knows with
// "OK". Any command can be given a scripted answer or none at all, and every
// received byte and command is recorded.
class Idc777Module
{
public:
    Idc777Module();

    // Bytes written by the unit; returns the module's answer bytes.
    QByteArray receive(const QByteArray& bytes);
    // What the module prints after power-on or a hardware reset.
    QByteArray powerOn();

    // Configuration as the module holds it now (not necessarily written).
    QString value(const QString& key) const { return m_running.value(key); }
    QString storedValue(const QString& key) const { return m_stored.value(key); }
    // Sets a value as if written long ago.
    void setValue(const QString& key, const QString& value);
    void removeValue(const QString& key);
    QString localAddress() const { return m_localAddress; }
    void setLocalAddress(const QString& address) { m_localAddress = address; }
    QStringList pairedDevices() const { return m_paired; }
    void setPairedDevices(const QStringList& addresses) { m_paired = addresses; }

    // How the module ends its lines (default CR LF).
    void setLineEnd(const QByteArray& lineEnd) { m_lineEnd = lineEnd; }
    // Answers a command (matched exactly, or by its first words followed by
    // a blank) with these lines instead of its own. An empty list: silence.
    void setAnswer(const QString& command, const QStringList& lines);
    void setSilent(const QString& command) { setAnswer(command, QStringList()); }
    void clearAnswers() { m_scripts.clear(); }

    // Records.
    QByteArray received() const { return m_received; }
    QStringList commands() const { return m_commands; }
    // Commands equal to `command`.
    int count(const QString& command) const { return m_commands.count(command); }
    // The accessory lines carried by "SEND <link> <line>".
    QStringList sentMessages() const { return m_sent; }
    void clearRecords();

private:
    QByteArray answer(const QString& command);
    QByteArray lines(const QStringList& lines) const;
    QByteArray restart();

    QHash<QString, QString> m_running;
    QHash<QString, QString> m_stored;
    QHash<QString, QString> m_factory;
    QString m_localAddress = "0017E9A1B2C3";
    QStringList m_paired;
    QByteArray m_lineEnd = "\r\n";
    QList<QPair<QString, QStringList>> m_scripts;

    QByteArray m_input;
    QByteArray m_received;
    QStringList m_commands;
    QStringList m_sent;
};

#endif
