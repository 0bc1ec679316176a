#ifndef IDC777COMMANDQUEUE_H
#define IDC777COMMANDQUEUE_H

#include <QList>
#include <QString>
#include <QStringList>

// The IDC777 module takes one command at a time: one command is in flight
// until one of its answer words arrives (or its time-out ends the wait), the
// others wait here, oldest first. The timer itself belongs to the driver.
class Idc777CommandQueue
{
public:
    static constexpr int kCapacity = 32;

    struct Command {
        QString cmd;           // without line end
        QStringList responses; // first words that end the wait; empty means "OK"
        int timeoutMs = 0;
    };

    enum class Added {
        Queued,
        Duplicate,      // equal to a waiting command: the waiting one stays
        Ignored,        // empty command
        ReplacedNewest, // the queue was full: the command took the newest place
    };

    Added add(const Command& command);

    bool isBusy() const { return m_busy; }
    // Puts a command in flight.
    void startInFlight(const Command& command);
    // True when `word` ends the wait of the command in flight; the wait ends.
    bool answer(const QString& word);
    // The wait ends without an answer.
    void endWait();
    // While nothing is in flight: the oldest waiting command, taken out.
    bool takeNext(Command* command);
    // Forgets the waiting commands and the one in flight.
    void clear();

    int count() const { return m_waiting.size(); }
    const QList<Command>& waiting() const { return m_waiting; }
    QStringList responses() const { return m_responses; }
    QString lastTransmitted() const { return m_lastTransmitted; }

private:
    // "VOLUME <target>" for a command that sets a value, empty otherwise.
    static QString volumeTarget(const QString& cmd);

    QList<Command> m_waiting;
    bool m_busy = false;
    QStringList m_responses;
    QString m_lastTransmitted;
};

#endif
