#ifndef FULLDISK_H
#define FULLDISK_H

#include <csignal>
#include <sys/resource.h>

// While it lives, no file grows past `largestFile` bytes (by default every
// write fails, EFBIG) as on a full partition: a write across the limit
// stores what fits and fails. SIGXFSZ, which would end the process, is
// ignored meanwhile.
class FullDisk
{
public:
    explicit FullDisk(rlim_t largestFile = 0) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit limit{largestFile, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    void (*m_handler)(int);
    rlimit m_previous{};
};

#endif
