#include "idc777commandqueue.h"

Idc777CommandQueue::Added Idc777CommandQueue::add(const Command& command)
{
    if (command.cmd.isEmpty())
        return Added::Ignored;
    // A gain equal to a waiting one is dropped only when no other value for
    // the same target waits after it: the module must end at the newest value.
    const QString target = volumeTarget(command.cmd);
    for (int i = m_waiting.size() - 1; i >= 0; --i) {
        const QString& waiting = m_waiting.at(i).cmd;
        if (waiting == command.cmd)
            return Added::Duplicate;
        if (!target.isEmpty() && volumeTarget(waiting) == target)
            break;
    }
    if (m_waiting.size() >= kCapacity) {
        m_waiting.last() = command;
        return Added::ReplacedNewest;
    }
    m_waiting.append(command);
    return Added::Queued;
}

void Idc777CommandQueue::startInFlight(const Command& command)
{
    m_responses = command.responses.isEmpty() ? QStringList{"OK"} : command.responses;
    m_busy = true;
    m_lastTransmitted = command.cmd;
}

bool Idc777CommandQueue::answer(const QString& word)
{
    if (!m_busy || !(m_responses.isEmpty() || m_responses.contains(word)))
        return false;
    endWait();
    return true;
}

void Idc777CommandQueue::endWait()
{
    m_busy = false;
    m_responses.clear();
}

bool Idc777CommandQueue::takeNext(Command* command)
{
    if (m_busy || m_waiting.isEmpty())
        return false;
    *command = m_waiting.takeFirst();
    return true;
}

void Idc777CommandQueue::clear()
{
    endWait();
    m_waiting.clear();
}

QString Idc777CommandQueue::volumeTarget(const QString& cmd)
{
    const QStringList words = cmd.split(' ', Qt::SkipEmptyParts);
    if (words.size() != 3 || words.first() != QLatin1String("VOLUME"))
        return QString();
    return words.at(0) + ' ' + words.at(1);
}
