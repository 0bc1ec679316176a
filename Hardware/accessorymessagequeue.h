#ifndef ACCESSORYMESSAGEQUEUE_H
#define ACCESSORYMESSAGEQUEUE_H

#include <QString>
#include <QStringList>

// Accessory lines ("BT_TX ...") go out one at a time: one is in flight until
// the accessory answers or its time-out passes, the others wait here.
//
// Coalescing (the IDC777's rules): a setting line (I, G, and the pressure
// stream RS/RP as one setting) replaces any waiting line of the same setting
// and goes to the end: the accessory must end up with the newest state. A
// request (B, T, S, P, ...) equal to a waiting one, or to the one last taken
// from the queue, is dropped.
// Plain (the WT32's rules): every line waits in order, duplicates included.
// Either way a full queue drops its newest waiting request for the new line,
// which goes to the end. When only settings wait, a new request is refused
// and a new setting takes the place of one that a later line overrides: a
// setting's newest state is never pushed out.
class AccessoryMessageQueue
{
public:
    static constexpr int kCapacity = 32;

    enum class Policy { Coalescing, Plain };
    explicit AccessoryMessageQueue(Policy policy = Policy::Coalescing) : m_policy(policy) {}

    // The state of the accessory link, owned by the driver.
    struct Link {
        bool up = false;          // text channel connected
        bool initialised = false; // module initialised since its reset
        bool testMode = false;    // production audio test: no accessory lines
    };

    enum class Offer {
        Ignored, // test mode
        Dropped, // link down or module not initialised
        SendNow, // the channel was free and is now taken
        Wait,    // another line is in flight: enqueue()
    };

    enum class Added {
        Queued,
        Duplicate,
        ReplacedNewest, // full: one line made room
        Refused,        // full of settings: a request waits for its sender's next ask
    };

    // Asks for the channel for a new line.
    Offer offer(const Link& link);
    Added enqueue(const QString& message);
    // The channel is free again (answer or time-out). Returns the next line
    // to send, taken out of the queue, if one waits.
    bool release(QString* next);
    // Frees the channel, keeping the waiting lines.
    void endWait() { m_inFlight = false; }
    void clear();

    bool isInFlight() const { return m_inFlight; }
    int count() const { return m_waiting.size(); }
    QStringList waiting() const { return m_waiting; }
    QString lastTaken() const { return m_lastTaken; }

    // "I", "G" or "R" for a setting line, empty for a request.
    static QString settingOf(const QString& message);

private:
    // The waiting line a full queue gives up for `message`, -1 for none.
    int placeToFree(const QString& message) const;

    Policy m_policy;
    QStringList m_waiting;
    QString m_lastTaken;
    bool m_inFlight = false;
};

#endif
