#ifndef WORKERTHREAD_H
#define WORKERTHREAD_H

#include <QThread>

#include <atomic>
#include <sys/types.h>

// A worker's thread that stop() ends for good. QThread::wait() returns once
// the thread's own code is done, while the system thread still has its exit
// ahead, in which Qt frees the thread's data; at process exit Qt's library
// teardown no longer frees it, so a thread still on its way out then leaves
// that data behind. stop() also waits until the system thread is gone.
class WorkerThread : public QThread
{
public:
    using QThread::QThread;

    // Quits the event loop, waits for it, then for the system thread. Does
    // nothing more for a thread that never ran or was stopped before.
    void stop();

protected:
    void run() override;

private:
    // The kernel's id of the running system thread; 0 before and after.
    std::atomic<pid_t> m_systemId{0};
};

#endif
