#include "pathguard.h"
#include "devicelayer.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PathGuard {

namespace {

const int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Set by Below on its thread.
thread_local QString t_top;

bool removeAt(int parent, const char* name);

// Empties the directory open as `fd`, and closes it.
bool emptyDirectory(int fd)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool removed = true;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            removed = removeAt(::dirfd(dir), entry->d_name) && removed;
    }
    ::closedir(dir);
    return removed;
}

// Relative to an open directory, so that nothing swapped for a link on the
// way is followed.
bool removeAt(int parent, const char* name)
{
    if (::unlinkat(parent, name, 0) == 0 || errno == ENOENT)
        return true;
    if (errno != EISDIR && errno != EPERM)
        return false;
    const int fd = ::openat(parent, name, kDirectoryFlags);
    if (fd < 0)
        return false;
    const bool emptied = emptyDirectory(fd);
    return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 && emptied;
}

// Where a walk from the device root starts, and the names below it to walk.
FileResult walkFrom(const QString& path, QString* top, QStringList* names)
{
#ifdef VQ_TARGET_BUILD
    *top = QStringLiteral("/");
#else
    *top = DeviceLayer::root();
#endif
    if (!t_top.isEmpty())
        *top = t_top;
    if (top->isEmpty())
        return FileResult::fail("has no device root");
    const QString prefix = top->endsWith(QLatin1Char('/')) ? *top : *top + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return FileResult::fail("lies outside the device root");
    *names = path.mid(prefix.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (names->isEmpty() || names->contains(QStringLiteral(".")) || names->contains(QStringLiteral("..")))
        return FileResult::fail("is not a path below the device root");
    return FileResult::done();
}

bool isLinkAt(int parent, const char* name)
{
    struct stat st;
    return ::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
}

// Why the name `name` in the folder open as `parent` could not be entered
// as a folder, `error` being errno of the attempt.
FileResult notEntered(int parent, const QByteArray& name, const QString& path, int error)
{
    if (isLinkAt(parent, name.constData()))
        return FileResult::fail("lies behind the link " + DeviceLayer::unitPath(path), ELOOP);
    return FileResult::system("cannot be reached at " + DeviceLayer::unitPath(path), error);
}

// The folder that holds `path`, open in `*fd`, reached from the device root
// without following a link on the way (folders missing on it are made when
// `make`). `name` is the last name of the path.
FileResult openParent(const QString& path, bool make, QByteArray* name, int* fd)
{
    *fd = -1;
    QString top;
    QStringList names;
    FileResult r = walkFrom(path, &top, &names);
    if (!r.ok())
        return r;
    int at = ::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (at < 0)
        return FileResult::system("cannot be reached", errno);
    QString walked = top;
    for (int i = 0; i + 1 < names.size(); ++i) {
        const QByteArray next = QFile::encodeName(names.at(i));
        walked += QLatin1Char('/') + names.at(i);
        if (make && ::mkdirat(at, next.constData(), 0755) != 0 && errno != EEXIST) {
            r = FileResult::system("cannot be made at " + DeviceLayer::unitPath(walked), errno);
            ::close(at);
            return r;
        }
        const int sub = ::openat(at, next.constData(), kDirectoryFlags);
        if (sub < 0) {
            r = notEntered(at, next, walked, errno);
            ::close(at);
            return r;
        }
        ::close(at);
        at = sub;
    }
    *name = QFile::encodeName(names.last());
    *fd = at;
    return r;
}

FileResult writeAll(int fd, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileResult::system("cannot be written", errno);
        if (n == 0)
            return FileResult::fail("cannot be written: nothing taken", EIO);
        done += n;
    }
    return FileResult::done();
}

}

FileResult problem(const QString& path)
{
    QByteArray name;
    int parent = -1;
    FileResult r = openParent(path, false, &name, &parent);
    if (!r.ok())
        return r;
    if (isLinkAt(parent, name.constData()))
        r = FileResult::fail("is a link", ELOOP);
    ::close(parent);
    return r;
}

FileResult makePath(const QString& path)
{
    QByteArray name;
    int parent = -1;
    FileResult r = openParent(path, true, &name, &parent);
    if (!r.ok())
        return r;
    if (::mkdirat(parent, name.constData(), 0755) != 0 && errno != EEXIST) {
        r = FileResult::system("cannot be made", errno);
        ::close(parent);
        return r;
    }
    const int made = ::openat(parent, name.constData(), kDirectoryFlags);
    if (made < 0)
        r = notEntered(parent, name, path, errno);
    else
        ::close(made);
    ::close(parent);
    return r;
}

FileResult openForAppending(const QString& path, int* fd)
{
    *fd = -1;
    QByteArray name;
    int parent = -1;
    FileResult r = openParent(path, false, &name, &parent);
    if (!r.ok())
        return r;
    const int opened = ::openat(parent, name.constData(),
                                O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    const int openError = errno;
    ::close(parent);
    if (opened < 0)
        return openError == ELOOP ? FileResult::fail("is a link", ELOOP) : FileResult::system("cannot be opened", openError);
    struct stat st;
    if (::fstat(opened, &st) != 0)
        r = FileResult::system("cannot be opened", errno);
    else if (!S_ISREG(st.st_mode))
        r = FileResult::fail(S_ISDIR(st.st_mode) ? "is a directory" : "is not a regular file");
    else if (st.st_nlink > 1)
        r = FileResult::fail(QString("has %1 names (a hard link)").arg(st.st_nlink), EMLINK);
    if (!r.ok()) {
        ::close(opened);
        return r;
    }
    ::fcntl(opened, F_SETFL, ::fcntl(opened, F_GETFL) & ~O_NONBLOCK);
    *fd = opened;
    return r;
}

FileResult appendWhole(int fd, const QByteArray& bytes)
{
    const off_t before = ::lseek(fd, 0, SEEK_END);
    FileResult r = writeAll(fd, bytes.constData(), bytes.size());
    if (!r.ok()) {
        if (before >= 0 && ::ftruncate(fd, before) != 0)
            r.error += QLatin1String(", and what was written stays");
        ::close(fd);
        return r;
    }
    if (::close(fd) != 0)
        return FileResult::system("cannot be written", errno);
    return r;
}

FileResult writeWhole(const QString& path, const QByteArray& bytes, mode_t mode)
{
    WholeFile file(path, mode);
    FileResult r = file.open();
    if (r.ok())
        r = file.write(bytes);
    if (r.ok())
        r = file.commit();
    return r;
}

WholeFile::WholeFile(const QString& path, mode_t mode) : m_path(path), m_mode(mode) {}

WholeFile::~WholeFile()
{
    discard();
}

void WholeFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        ::unlinkat(m_parent, (m_name + ".part").constData(), 0);
    }
    if (m_parent >= 0)
        ::close(m_parent);
    m_parent = -1;
}

FileResult WholeFile::open()
{
    discard();
    FileResult r = openParent(m_path, false, &m_name, &m_parent);
    if (!r.ok())
        return r;
    struct stat st;
    if (::fstatat(m_parent, m_name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode))
        r = FileResult::fail(S_ISLNK(st.st_mode) ? "is a link" : "is not a regular file",
                             S_ISLNK(st.st_mode) ? ELOOP : EISDIR);
    const QByteArray part = m_name + ".part";
    if (r.ok()) {
        // What a write cut off left there: a regular file. Anything else
        // under the name is not the program's and stays; the open fails.
        if (::fstatat(m_parent, part.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(m_parent, part.constData(), 0);
        m_fd = ::openat(m_parent, part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                        m_mode);
        if (m_fd < 0)
            r = FileResult::system("cannot be written", errno);
    }
    if (!r.ok())
        discard();
    return r;
}

FileResult WholeFile::write(const char* data, qint64 size)
{
    if (m_fd < 0)
        return FileResult::fail("cannot be written: not open", EBADF);
    const FileResult r = writeAll(m_fd, data, size);
    if (!r.ok())
        discard();
    return r;
}

FileResult WholeFile::commit()
{
    if (m_fd < 0)
        return FileResult::fail("cannot be written: not open", EBADF);
    FileResult r;
    // EINVAL: a file system that has nothing to flush.
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        r = FileResult::system("cannot be written", errno);
    const int closed = ::close(m_fd);
    const int closeError = errno;
    m_fd = -1;
    if (closed != 0 && r.ok())
        r = FileResult::system("cannot be written", closeError);
    const QByteArray part = m_name + ".part";
    if (r.ok() && ::renameat(m_parent, part.constData(), m_parent, m_name.constData()) != 0)
        r = FileResult::system("cannot be put in place", errno);
    if (!r.ok())
        ::unlinkat(m_parent, part.constData(), 0);
    discard();
    return r;
}

FileResult rename(const QString& from, const QString& to, RenameMode mode)
{
    QByteArray fromName;
    QByteArray toName;
    int fromParent = -1;
    int toParent = -1;
    FileResult r = openParent(from, false, &fromName, &fromParent);
    if (!r.ok())
        return r;
    r = openParent(to, false, &toName, &toParent);
    if (!r.ok()) {
        ::close(fromParent);
        return r;
    }
    int error = 0;
    if (mode == Replace) {
        error = ::renameat(fromParent, fromName.constData(), toParent, toName.constData()) == 0 ? 0 : errno;
    } else {
        error = EINVAL;
#ifdef RENAME_NOREPLACE
        error = ::renameat2(fromParent, fromName.constData(), toParent, toName.constData(), RENAME_NOREPLACE) == 0
                    ? 0 : errno;
#endif
        if (error == EINVAL || error == ENOSYS) {
            // A file system without the flag: the program is the partition's only writer.
            struct stat st;
            if (::fstatat(toParent, toName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                error = EEXIST;
            else
                error = ::renameat(fromParent, fromName.constData(), toParent, toName.constData()) == 0 ? 0 : errno;
        }
    }
    ::close(fromParent);
    ::close(toParent);
    return error == 0 ? FileResult::done() : FileResult::system("cannot be renamed", error);
}

FileResult removeFile(const QString& path)
{
    QByteArray name;
    int parent = -1;
    FileResult r = openParent(path, false, &name, &parent);
    if (!r.ok())
        return r;
    if (::unlinkat(parent, name.constData(), 0) != 0)
        r = FileResult::system("cannot be removed", errno);
    ::close(parent);
    return r;
}

FileResult removeTree(const QString& path)
{
    QByteArray name;
    int parent = -1;
    const FileResult r = openParent(path, false, &name, &parent);
    if (!r.ok()) {
        // Nothing there to remove is what was asked for.
        if (r.errnum == ENOENT)
            return FileResult::done();
        qDebug().noquote() << "Not removed:" << DeviceLayer::unitPath(path) << "-" << r.error;
        return r;
    }
    const bool removed = removeAt(parent, name.constData());
    const int error = errno;
    ::close(parent);
    return removed ? FileResult::done() : FileResult::system("cannot be removed", error ? error : EIO);
}

Below::Below(const QString& top) : m_previous(t_top)
{
    t_top = QDir::cleanPath(top);
}

Below::~Below()
{
    t_top = m_previous;
}

}
