#ifndef IDLEPRIORITY_H
#define IDLEPRIORITY_H

#include <sched.h>
#include <sys/types.h>

#include <QSet>

// While it lives, the calling thread runs only when no other thread of the
// unit wants the core (Linux SCHED_IDLE); afterwards it gets back its
// scheduling, and so do the threads it started meanwhile, which inherited
// the idle scheduling (a library's event thread would keep it for good). An
// unprivileged thread may lower itself but not rise again, so where the way
// back is not allowed the thread keeps its priority.
class IdlePriorityScope
{
public:
    IdlePriorityScope();
    ~IdlePriorityScope();
    IdlePriorityScope(const IdlePriorityScope&) = delete;
    IdlePriorityScope& operator=(const IdlePriorityScope&) = delete;

    // Whether the calling thread may return from idle to normal scheduling.
    static bool mayRiseAgain();

private:
    // The process's threads, by kernel id.
    static QSet<pid_t> threadIds();

    QSet<pid_t> m_threadsBefore;
    int m_policy = SCHED_OTHER;
    sched_param m_param{};
    bool m_lowered = false;
};

#endif
