#ifndef FULLDISK_H
#define FULLDISK_H

#include <csignal>
#include <sys/resource.h>

// While it lives, every write to a file fails (EFBIG) as on a full
// partition; SIGXFSZ, which would end the process, is ignored meanwhile.
class FullDisk
{
public:
    FullDisk() : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit none{0, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
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
