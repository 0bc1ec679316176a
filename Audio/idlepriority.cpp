#include "idlepriority.h"

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
    const sched_param idle{};
    m_lowered = pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle) == 0;
}

IdlePriorityScope::~IdlePriorityScope()
{
    if (m_lowered)
        pthread_setschedparam(pthread_self(), m_policy, &m_param);
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
