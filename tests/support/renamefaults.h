#ifndef RENAMEFAULTS_H
#define RENAMEFAULTS_H

// Stands in front of the C library's renameat and renameat2, through which
// the path guard renames, for the one test program that includes it:
// - a rename to a name that begins with failingPrefix() fails with
//   failingError(), as on a medium gone read-only or bad;
// - what is renamed to the name timedName() (a file, or the info.ini of a
//   folder) gets the modification time timedTo(), as when the clock's tick
//   gives a new file the time of the one before it.
// Each rule holds until the test clears it.

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace RenameFaults {

inline QByteArray& failingPrefix()
{
    static QByteArray prefix;
    return prefix;
}

inline int& failingError()
{
    static int error = EROFS;
    return error;
}

inline QByteArray& timedName()
{
    static QByteArray name;
    return name;
}

inline timespec& timedTo()
{
    static timespec time{};
    return time;
}

inline void clear()
{
    failingPrefix().clear();
    timedName().clear();
}

// The real call, then the rules.
template<typename Real>
int apply(int toDir, const char* to, Real real)
{
    const char* slash = std::strrchr(to, '/');
    const QByteArray name(slash ? slash + 1 : to);
    if (!failingPrefix().isEmpty() && name.startsWith(failingPrefix())) {
        errno = failingError();
        return -1;
    }
    const int result = real();
    if (result != 0)
        return result;
    if (!timedName().isEmpty() && name == timedName()) {
        struct stat st {};
        const QByteArray file = ::fstatat(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)
                                    ? QByteArray(to) + "/info.ini"
                                    : QByteArray(to);
        const timespec times[2] = {{0, UTIME_OMIT}, timedTo()};
        ::utimensat(toDir, file.constData(), times, AT_SYMLINK_NOFOLLOW);
    }
    return 0;
}

}

extern "C" int renameat(int fromDir, const char* from, int toDir, const char* to) noexcept
{
    using Rename = int (*)(int, const char*, int, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "renameat"));
    return RenameFaults::apply(toDir, to, [&] { return real(fromDir, from, toDir, to); });
}

extern "C" int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) noexcept
{
    using Rename = int (*)(int, const char*, int, const char*, unsigned int);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "renameat2"));
    return RenameFaults::apply(toDir, to, [&] { return real(fromDir, from, toDir, to, flags); });
}

#endif
