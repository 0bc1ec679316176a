#ifndef PRIVATESOUNDSERVER_H
#define PRIVATESOUNDSERVER_H

#include <QString>

// The private sound server the scripts use (scripts/pulse-private) for a
// device root, started by this process and stopped with the object; it also
// ends when this process does.
class PrivateSoundServer
{
public:
    explicit PrivateSoundServer(const QString& root);
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    bool isRunning() const { return m_reason.isEmpty(); }
    // Why it is not running.
    QString reason() const { return m_reason; }
    // "unix:<root>/var/lib/sim/pulse/native"
    QString address() const { return m_address; }

    // Runs scripts/pulse-private with `args` to its end: its exit code (-1
    // when it did not finish or crashed), stdout and stderr.
    static int runScript(const QStringList& args, QString* out = nullptr, QString* err = nullptr);

private:
    QString m_root;
    QString m_reason;
    QString m_address;
};

#endif
