#include "checkedfile.h"
#include "devicelayer.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CheckedFile {

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("is a directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("is a FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("is a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("is a socket");
    return QStringLiteral("is not a regular file");
}

// A host build reads nothing outside its device tree, whatever a link says.
QString outsideRoot(const QString& path)
{
    const QString root = DeviceLayer::root();
    if (root.isEmpty())
        return QString();
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString top = QFileInfo(root).canonicalFilePath();
    if (!top.isEmpty() && target.startsWith(top + QLatin1Char('/')))
        return QString();
    return "leads out of the device root" + (target.isEmpty() ? QString() : " to " + target);
}

// The open descriptor of a file within the bound, and its size.
FileResult openBounded(const QString& path, qint64 maxBytes, int* fd, qint64* size)
{
    FileResult r = open(path, fd);
    if (!r.ok())
        return r;
    struct stat st;
    if (::fstat(*fd, &st) != 0) {
        r = FileResult::system("cannot be opened", errno);
        ::close(*fd);
        return r;
    }
    *size = qint64(st.st_size);
    if (*size > maxBytes) {
        ::close(*fd);
        return FileResult::fail(QString("holds %1 bytes, more than %2").arg(*size).arg(maxBytes), EFBIG);
    }
    return r;
}

}

bool isMissing(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0 && errno == ENOENT;
}

FileResult open(const QString& path, int* fd)
{
    *fd = -1;
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    // Looked at before the open: opening a device may already act on it.
    if (::stat(native.constData(), &st) != 0)
        return FileResult::system("cannot be opened", errno);
    if (!S_ISREG(st.st_mode))
        return FileResult::fail(kindOf(st.st_mode));
    if (const QString why = outsideRoot(path); !why.isEmpty())
        return FileResult::fail(why);
    // Non-blocking: swapped for a FIFO meanwhile, the open still returns.
    const int opened = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0)
        return FileResult::system("cannot be opened", errno);
    if (::fstat(opened, &st) != 0) {
        const FileResult r = FileResult::system("cannot be opened", errno);
        ::close(opened);
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(opened);
        return FileResult::fail(kindOf(st.st_mode));
    }
    ::fcntl(opened, F_SETFL, ::fcntl(opened, F_GETFL) & ~O_NONBLOCK);
    *fd = opened;
    return FileResult::done();
}

FileResult open(const QString& path, QFile* file)
{
    int fd = -1;
    const FileResult r = open(path, &fd);
    if (!r.ok())
        return r;
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileResult::fail("cannot be opened: " + file->errorString());
    }
    return r;
}

FileResult problem(const QString& path, qint64 maxBytes)
{
    int fd = -1;
    qint64 size = 0;
    const FileResult r = openBounded(path, maxBytes, &fd, &size);
    if (r.ok())
        ::close(fd);
    return r;
}

FileResult read(const QString& path, qint64 maxBytes, QByteArray* data)
{
    data->clear();
    int fd = -1;
    qint64 size = 0;
    FileResult r = openBounded(path, maxBytes, &fd, &size);
    if (!r.ok())
        return r;
    // One byte more than allowed tells a file that grew since it was looked at.
    data->resize(int(qMin(size, maxBytes) + 1));
    qint64 got = 0;
    while (got < data->size()) {
        const ssize_t n = ::read(fd, data->data() + got, size_t(data->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r = FileResult::system("cannot be read", errno);
            ::close(fd);
            data->clear();
            return r;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes) {
        data->clear();
        return FileResult::fail(QString("grew beyond %1 bytes while read").arg(maxBytes), EFBIG);
    }
    data->resize(int(got));
    return r;
}

}
