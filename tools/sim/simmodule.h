#ifndef SIMMODULE_H
#define SIMMODULE_H

#include "simmodulestate.h"
#include "simremote.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// What both simulated Bluetooth modules share: the devices within reach and
// the links to them, what survives a power loss (settings and the paired
// list, in a state file when one is set), scripted answers, the line end,
// the failures a test switches on (an enum of the module's own), and a
// record and log of everything received.
template <typename Failure>
class SimModule
{
public:
    virtual ~SimModule() = default;

    void setFailure(Failure failure, bool on = true)
    {
        m_failures = on ? m_failures | bit(failure) : m_failures & ~bit(failure);
    }
    bool hasFailure(Failure failure) const { return m_failures & bit(failure); }

    QString localAddress() const { return m_localAddress; }
    void setLocalAddress(const QString& address) { m_localAddress = address; }
    QStringList pairedDevices() const { return m_paired; }
    void setPairedDevices(const QStringList& addresses) { m_paired = addresses; }

    // What survives a power loss (written settings, paired list), kept in a
    // file when one is set.
    void setStateFile(const QString& root, const QString& unitPath)
    {
        m_stateRoot = root;
        m_stateFile = unitPath;
    }
    bool loadState()
    {
        QMap<QString, QString> stored = m_factory;
        if (!SimModuleState::load(m_stateRoot, m_stateFile, &stored, &m_paired))
            return false;
        m_stored = stored;
        stateLoaded();
        return true;
    }
    bool saveState() const { return SimModuleState::save(m_stateRoot, m_stateFile, m_stored, m_paired); }

    // Devices within reach.
    void addRemote(const SimRemote& remote) { m_remotes.append(remote); }
    QList<SimRemote>& remotes() { return m_remotes; }

    // How the module ends its lines (default CR LF).
    void setLineEnd(const QByteArray& lineEnd) { m_lineEnd = lineEnd; }
    QByteArray lineEnd() const { return m_lineEnd; }
    // Answers a command (matched exactly, or by its first words followed by
    // a blank) with these lines instead of its own. An empty list: silence.
    void setAnswer(const QString& command, const QStringList& lines) { m_scripts.set(command, lines); }
    void setSilent(const QString& command) { setAnswer(command, QStringList()); }
    void clearAnswers() { m_scripts.clear(); }

    // Every line in and out, and what happens to the module.
    void setLogger(std::function<void(const QString& direction, const QString& line)> logger)
    {
        m_logger = std::move(logger);
    }

    // Records.
    QByteArray received() const { return m_received; }
    QStringList commands() const { return m_commands; }
    // Commands equal to `command`.
    int count(const QString& command) const { return m_commands.count(command); }
    // Commands received, by their first word.
    QMap<QString, int> commandCounts() const { return m_counts; }
    void clearRecords()
    {
        m_received.clear();
        m_commands.clear();
        m_counts.clear();
        m_carried.clear();
    }

protected:
    struct Link {
        int id;
        QString profile;
        QString address;
    };

    SimModule(const QString& localAddress, const QMap<QString, QString>& factory)
        : m_factory(factory), m_stored(factory), m_localAddress(localAddress)
    {
    }
    // The stored settings were read from the state file.
    virtual void stateLoaded() {}

    // True (and switched off) when a failure that strikes once is on.
    bool strikes(Failure failure)
    {
        if (!hasFailure(failure))
            return false;
        setFailure(failure, false);
        return true;
    }

    void log(const QString& direction, const QString& text) const
    {
        if (m_logger)
            m_logger(direction, text);
    }
    void record(const QString& command)
    {
        m_commands.append(command);
        ++m_counts[command.section(' ', 0, 0)];
        log("<-", command);
    }
    // The module's lines, each with its line end.
    QByteArray lines(const QStringList& out) const
    {
        QByteArray bytes;
        for (const QString& l : out) {
            log("->", l);
            bytes.append(l.toUtf8() + m_lineEnd);
        }
        return bytes;
    }
    // A scripted answer's lines, when one is set for the command.
    bool scripted(const QString& command, QByteArray* answer) const
    {
        QStringList out;
        if (!m_scripts.find(command, &out))
            return false;
        *answer = lines(out);
        return true;
    }

    SimRemote* remote(const QString& address)
    {
        for (SimRemote& r : m_remotes) {
            if (r.address == address)
                return &r;
        }
        return nullptr;
    }
    const Link* link(const QString& profile) const
    {
        for (const Link& l : m_links) {
            if (l.profile == profile)
                return &l;
        }
        return nullptr;
    }
    const Link* linkById(int id) const
    {
        for (const Link& l : m_links) {
            if (l.id == id)
                return &l;
        }
        return nullptr;
    }

    QMap<QString, QString> m_factory;
    QMap<QString, QString> m_stored;  // what a power loss keeps
    QString m_localAddress;
    QStringList m_paired;
    QString m_stateRoot;
    QString m_stateFile;
    QList<SimRemote> m_remotes;
    QList<Link> m_links;
    QByteArray m_lineEnd = "\r\n";
    QByteArray m_input;
    QByteArray m_received;
    QStringList m_commands;
    QStringList m_carried;  // lines the module carried to the accessory

private:
    static unsigned bit(Failure failure) { return 1u << unsigned(failure); }

    unsigned m_failures = 0;
    QMap<QString, int> m_counts;
    SimScriptedAnswers m_scripts;
    std::function<void(const QString&, const QString&)> m_logger;
};

#endif
