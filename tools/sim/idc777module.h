#ifndef IDC777MODULE_H
#define IDC777MODULE_H

#include "simmodule.h"

// For the IDC777 a nameless device shows "unknown" until NAME asks.
using Idc777Remote = SimRemote;

// What goes wrong, switched on by a test; "once" ones switch themselves off
// when they have struck.
enum class Idc777Failure {
    ReadyLost,           // the next restart prints no "Ready" (once)
    SetNotKept,          // "SET" is answered "OK", the value is not kept
    RestartInAnswer,     // the next answer stops half-way: the module restarts (once)
    RestartInDataEvent,  // the next data event stops after its first CR: the module restarts (once)
};

// A stand-in for an IDC777 Bluetooth module: bytes from the unit in, the
// module's answer bytes out. Commands end in CR (an LF before the CR, as
// after "SEND", is part of the command's data).
//
// It keeps a key=value configuration ("GET key" / "SET key=value" / "WRITE",
// lost on reset unless written), its own address ("GET LOCAL_ADDR"), a
// paired list ("PAIR", "UNPAIR", "LIST"), restarts on "RESET" and "RESTORE"
// (banner, then "Ready"), opens and closes links to the devices within reach
// ("OPEN", "CLOSE ALL", "STATUS", "MUSIC", "VOLUME"), searches ("INQUIRY",
// "NAME"), and carries accessory lines ("SEND" out, "RECV" events in). Any
// command can be given a scripted answer or none at all, and every received
// byte and command is recorded.
class Idc777Module : public SimModule<Idc777Failure>
{
public:
    using Failure = Idc777Failure;

    // Link ids the module gives each profile.
    static int linkIdOf(const QString& profile);

    Idc777Module();

    // Bytes written by the unit; returns the module's answer bytes.
    QByteArray receive(const QByteArray& bytes);
    // What the module prints after power-on or a hardware reset.
    QByteArray powerOn();

    // The reset line: low holds the module silent and drops its links; a
    // rise starts it (banner, "Ready"). A module made held stays silent
    // until the first rise.
    QByteArray setResetLine(bool high);
    void setHeldInReset(bool held) { m_running = !held; }
    bool isRunning() const { return m_running; }

    // Configuration as the module holds it now (not necessarily written).
    QString value(const QString& key) const { return m_current.value(key); }
    QString storedValue(const QString& key) const { return m_stored.value(key); }
    // Sets a value as if written long ago.
    void setValue(const QString& key, const QString& value);
    void removeValue(const QString& key);
    int restarts() const { return m_restarts; }
    // The state file is saved on WRITE, RESTORE, PAIR and UNPAIR.

    // Open links, "<profile> <address>".
    QStringList openLinks() const;
    // A link the remote side opened (no event is printed).
    void addLink(const QString& profile, const QString& address);
    bool isStreaming() const { return m_streaming; }

    // Events the module prints by itself. Each returns the bytes to send,
    // empty when the module is silent or the link is not open.
    QByteArray accessoryLines(const QStringList& lines);  // from the accessory, as RECV
    QByteArray headsetVolumeChanged();                    // ABS_VOL
    QByteArray headsetBattery();                          // AT+IPHONEACCEV
    QByteArray linkLoss(const QString& profile);          // LINK_LOSS
    QByteArray event(const QStringList& lines);           // any lines

    // The accessory lines carried by "SEND <link> <line>".
    QStringList sentMessages() const { return m_carried; }

private:
    void stateLoaded() override { m_current = m_stored; }
    QByteArray answer(const QString& command);
    QByteArray restart();
    QByteArray open(const QString& address, const QString& profile);
    QByteArray closeAll();
    QByteArray status() const;
    QByteArray send(const QString& command);
    QByteArray volume(const QString& rest);
    QByteArray inquiry() const;
    QByteArray restartAfter(const QByteArray& partial);

    QMap<QString, QString> m_current;
    bool m_streaming = false;
    bool m_running = true;
    bool m_resetLineHigh = true;
    int m_restarts = 0;
};

#endif
