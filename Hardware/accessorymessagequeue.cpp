#include "accessorymessagequeue.h"

AccessoryMessageQueue::Offer AccessoryMessageQueue::offer(const Link& link)
{
    if (link.testMode)
        return Offer::Ignored;
    if (!link.up || !link.initialised)
        return Offer::Dropped;
    if (m_inFlight)
        return Offer::Wait;
    m_inFlight = true;
    return Offer::SendNow;
}

AccessoryMessageQueue::Added AccessoryMessageQueue::enqueue(const QString& message)
{
    if (m_policy == Policy::Coalescing) {
        const QString setting = settingOf(message);
        if (setting.isEmpty()) {
            if (message == m_lastTaken || m_waiting.contains(message))
                return Added::Duplicate;
        } else {
            for (int i = m_waiting.size() - 1; i >= 0; --i) {
                if (settingOf(m_waiting.at(i)) == setting)
                    m_waiting.removeAt(i);
            }
        }
    }
    if (m_waiting.size() >= kCapacity) {
        const int out = placeToFree(message);
        if (out < 0)
            return Added::Refused;
        m_waiting.removeAt(out);
        m_waiting.append(message);
        return Added::ReplacedNewest;
    }
    m_waiting.append(message);
    return Added::Queued;
}

int AccessoryMessageQueue::placeToFree(const QString& message) const
{
    // A request is asked again by its sender; a setting is the state the
    // accessory must end up with. So the newest request gives way.
    for (int i = m_waiting.size() - 1; i >= 0; --i) {
        if (settingOf(m_waiting.at(i)).isEmpty())
            return i;
    }
    // Only settings: one that a later line of its kind overrides, so that
    // the accessory still ends up in the same state.
    QString later = settingOf(message);
    if (later.isEmpty())
        return -1;
    for (int i = m_waiting.size() - 1; i >= 0; --i) {
        const QString kind = settingOf(m_waiting.at(i));
        if (later.contains(kind))
            return i;
        later += kind;
    }
    return m_waiting.size() - 1;
}

bool AccessoryMessageQueue::release(QString* next)
{
    m_inFlight = false;
    if (m_waiting.isEmpty()) {
        m_lastTaken.clear();
        return false;
    }
    m_lastTaken = m_waiting.takeFirst();
    *next = m_lastTaken;
    return true;
}

void AccessoryMessageQueue::clear()
{
    m_waiting.clear();
    m_lastTaken.clear();
    m_inFlight = false;
}

QString AccessoryMessageQueue::settingOf(const QString& message)
{
    const QString command = message.section(' ', 1, 1);
    if (command == "I" || command == "G")
        return command;
    if (command == "RS" || command == "RP")
        return QStringLiteral("R");
    return QString();
}
