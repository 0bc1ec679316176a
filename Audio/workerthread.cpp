#include "workerthread.h"

#include <QDebug>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A thread's exit takes microseconds; the bound only keeps a wedged one
// from holding up the end of the process.
const int kExitPolls = 5000;
const unsigned long kExitPollUs = 1000;

bool systemThreadExists(pid_t id)
{
    return syscall(SYS_tgkill, getpid(), id, 0) == 0;
}

}

void WorkerThread::run()
{
    m_systemId = pid_t(syscall(SYS_gettid));
    QThread::run();
}

void WorkerThread::stop()
{
    if (isRunning()) {
        quit();
        wait();
    }
    const pid_t id = m_systemId.exchange(0);
    if (id == 0)
        return;
    int polls = 0;
    while (systemThreadExists(id) && polls++ < kExitPolls)
        QThread::usleep(kExitPollUs);
    if (polls > kExitPolls)
        qDebug() << "Thread" << objectName() << "still ending after" << kExitPolls * kExitPollUs / 1000 << "ms";
}
