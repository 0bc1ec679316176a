#include "idc777commandqueue.h"

Idc777CommandQueue::Added Idc777CommandQueue::add(const Command& command)
{
    if (command.cmd.isEmpty())
        return Added::Ignored;
    for (const Command& c : m_waiting) {
        if (c.cmd == command.cmd)
            return Added::Duplicate;
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
