#include "idlepriority.h"

#include <QDir>

#include <cerrno>
#include <linux/capability.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

IdlePriorityScope::IdlePriorityScope()
{
    if (!mayRiseAgain() || pthread_getschedparam(pthread_self(), &m_policy, &m_param) != 0)
        return;
    if (m_policy == SCHED_IDLE)
        return;
    m_threadsBefore = threadIds();
    const sched_param idle{};
    m_lowered = pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle) == 0;
}

IdlePriorityScope::~IdlePriorityScope()
{
    if (!m_lowered)
        return;
    pthread_setschedparam(pthread_self(), m_policy, &m_param);
    const QSet<pid_t> started = threadIds() - m_threadsBefore;
    for (const pid_t tid : started) {
        if (sched_getscheduler(tid) == SCHED_IDLE)
            sched_setscheduler(tid, m_policy, &m_param);
    }
}

QSet<pid_t> IdlePriorityScope::threadIds()
{
    QSet<pid_t> ids;
    for (const QString& name : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const pid_t tid = pid_t(name.toInt(&ok));
        if (ok)
            ids.insert(tid);
    }
    return ids;
}

bool IdlePriorityScope::mayRiseAgain()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, caps) == 0
        && (caps[0].effective & (1u << CAP_SYS_NICE)) != 0)
        return true;
    // Without the capability the kernel treats leaving idle scheduling like
    // lowering the nice value from 20 to the thread's own.
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)));
    if (errno != 0)
        return false;
    rlimit limit{};
    return getrlimit(RLIMIT_NICE, &limit) == 0
           && (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= rlim_t(20 - nice));
}
