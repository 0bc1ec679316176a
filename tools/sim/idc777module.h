#ifndef IDC777MODULE_H
#define IDC777MODULE_H

#include "simmodulestate.h"
#include "simremote.h"

#include <QByteArray>
#include <QMap>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// For the IDC777 a nameless device shows "unknown" until NAME asks.
using Idc777Remote = SimRemote;

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
class Idc777Module
{
public:
    // What goes wrong, switched on by a test; "once" ones switch themselves
    // off when they have struck.
    enum class Failure {
        ReadyLost,           // the next restart prints no "Ready" (once)
        SetNotKept,          // "SET" is answered "OK", the value is not kept
        RestartInAnswer,     // the next answer stops half-way: the module restarts (once)
        RestartInDataEvent,  // the next data event stops after its first CR: the module restarts (once)
    };
    void setFailure(Failure failure, bool on = true);
    bool hasFailure(Failure failure) const { return m_failures & bit(failure); }

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
    QString localAddress() const { return m_localAddress; }
    void setLocalAddress(const QString& address) { m_localAddress = address; }
    QStringList pairedDevices() const { return m_paired; }
    void setPairedDevices(const QStringList& addresses) { m_paired = addresses; }

    // What survives a power loss (written configuration, paired list), kept
    // in a file when one is set; saved on WRITE, RESTORE, PAIR and UNPAIR.
    void setStateFile(const QString& path) { m_stateFile = path; }
    bool loadState();
    bool saveState() const;

    // Devices within reach.
    void addRemote(const Idc777Remote& remote) { m_remotes.append(remote); }
    QList<Idc777Remote>& remotes() { return m_remotes; }

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

    // How the module ends its lines (default CR LF).
    void setLineEnd(const QByteArray& lineEnd) { m_lineEnd = lineEnd; }
    QByteArray lineEnd() const { return m_lineEnd; }
    // Answers a command (matched exactly, or by its first words followed by
    // a blank) with these lines instead of its own. An empty list: silence.
    void setAnswer(const QString& command, const QStringList& lines);
    void setSilent(const QString& command) { setAnswer(command, QStringList()); }
    void clearAnswers() { m_scripts.clear(); }

    // Every line in ("<-") and out ("->").
    void setLogger(std::function<void(const QString& direction, const QString& line)> logger)
    {
        m_logger = std::move(logger);
    }

    // Records.
    QByteArray received() const { return m_received; }
    QStringList commands() const { return m_commands; }
    // Commands equal to `command`.
    int count(const QString& command) const { return m_commands.count(command); }
    // The accessory lines carried by "SEND <link> <line>".
    QStringList sentMessages() const { return m_sent; }
    void clearRecords();

private:
    struct Link {
        int id;
        QString profile;
        QString address;
    };

    QByteArray answer(const QString& command);
    QByteArray lines(const QStringList& lines) const;
    QByteArray restart();
    QByteArray open(const QString& address, const QString& profile);
    QByteArray closeAll();
    QByteArray status() const;
    QByteArray send(const QString& command);
    QByteArray volume(const QString& rest);
    QByteArray inquiry() const;
    Idc777Remote* remote(const QString& address);
    const Link* link(const QString& profile) const;
    const Link* linkById(int id) const;
    void log(const QString& direction, const QByteArray& text) const;
    static unsigned bit(Failure failure) { return 1u << unsigned(failure); }
    // True (and switched off) when a "once" failure is on.
    bool strikes(Failure failure);
    QByteArray restartAfter(const QByteArray& partial);

    QMap<QString, QString> m_current;
    QMap<QString, QString> m_stored;
    QMap<QString, QString> m_factory;
    QString m_localAddress = "0017E9A1B2C3";
    QStringList m_paired;
    QString m_stateFile;
    QList<Idc777Remote> m_remotes;
    QList<Link> m_links;
    bool m_streaming = false;
    bool m_running = true;
    bool m_resetLineHigh = true;
    unsigned m_failures = 0;
    int m_restarts = 0;
    QByteArray m_lineEnd = "\r\n";
    SimScriptedAnswers m_scripts;
    std::function<void(const QString&, const QString&)> m_logger;

    QByteArray m_input;
    QByteArray m_received;
    QStringList m_commands;
    QStringList m_sent;
};

#endif
