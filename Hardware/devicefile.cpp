#include "devicefile.h"
#include "devicelayer.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DeviceFile {

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
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool emptied = emptyDirectory(fd);
    return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 && emptied;
}

}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString failure(const QFileDevice& file, int error)
{
    return error != 0 ? systemError(error) : file.errorString();
}

bool isMissing(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0 && errno == ENOENT;
}

int openForReading(const QString& path, QString* error)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    // Looked at before the open: opening a device may already act on it.
    if (::stat(native.constData(), &st) != 0) {
        *error = "cannot be opened: " + systemError(errno);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = kindOf(st.st_mode);
        return -1;
    }
    if (const QString why = outsideRoot(path); !why.isEmpty()) {
        *error = why;
        return -1;
    }
    // Non-blocking: swapped for a FIFO meanwhile, the open still returns.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = "cannot be opened: " + systemError(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = kindOf(st.st_mode);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool openForReading(const QString& path, QFile* file, QString* error)
{
    const int fd = openForReading(path, error);
    if (fd < 0)
        return false;
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *error = "cannot be opened: " + file->errorString();
        ::close(fd);
        return false;
    }
    return true;
}

namespace {

// The open descriptor of a file within the bound, or -1 with why.
int openBounded(const QString& path, qint64 maxBytes, QString* error, qint64* size)
{
    const int fd = openForReading(path, error);
    if (fd < 0)
        return -1;
    struct stat st;
    *size = ::fstat(fd, &st) == 0 ? qint64(st.st_size) : 0;
    if (*size > maxBytes) {
        *error = QString("holds %1 bytes, more than %2").arg(*size).arg(maxBytes);
        ::close(fd);
        return -1;
    }
    return fd;
}

}

QString readProblem(const QString& path, qint64 maxBytes)
{
    QString why;
    qint64 size = 0;
    const int fd = openBounded(path, maxBytes, &why, &size);
    if (fd >= 0)
        ::close(fd);
    return why;
}

bool read(const QString& path, qint64 maxBytes, QByteArray* data, QString* error)
{
    data->clear();
    qint64 size = 0;
    const int fd = openBounded(path, maxBytes, error, &size);
    if (fd < 0)
        return false;
    // One byte more than allowed tells a file that grew since it was looked at.
    data->resize(int(qMin(size, maxBytes) + 1));
    qint64 got = 0;
    while (got < data->size()) {
        const ssize_t n = ::read(fd, data->data() + got, size_t(data->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = "cannot be read: " + systemError(errno);
            ::close(fd);
            data->clear();
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes) {
        *error = QString("grew beyond %1 bytes while read").arg(maxBytes);
        data->clear();
        return false;
    }
    data->resize(int(got));
    return true;
}

int openForAppending(const QString& path, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = "cannot be opened: " + systemError(errno);
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = kindOf(st.st_mode);
        ::close(fd);
        return -1;
    }
    return fd;
}

bool appendWhole(int fd, const QByteArray& bytes, QString* error)
{
    const off_t before = ::lseek(fd, 0, SEEK_END);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = "cannot be written: " + (n < 0 ? systemError(errno) : QStringLiteral("nothing taken"));
            if (before >= 0 && ::ftruncate(fd, before) != 0)
                *error += ", and what was written stays";
            ::close(fd);
            return false;
        }
        done += n;
    }
    if (::close(fd) != 0) {
        *error = "cannot be written: " + systemError(errno);
        return false;
    }
    return true;
}

bool removeTree(const QString& path)
{
    return removeAt(AT_FDCWD, QFile::encodeName(path).constData());
}

QString iniProblem(const QString& path, qint64 maxBytes)
{
    QByteArray text;
    QString why;
    if (!read(path, maxBytes, &text, &why))
        return why;
    return typedValue(text);
}

// Follows the settings library's reading of an INI file far enough to see
// where a value (or an element of a list) begins, and takes the side of
// caution where it cannot tell: keys and section lines are looked at as
// values are, and a "@" written as an escape counts as typed.
QString typedValue(const QByteArray& ini)
{
    const int size = ini.size();
    int line = 1;
    bool quoted = false;
    bool equals = false;      // the line's first "=" outside quotes is behind
    bool startOfValue = true; // nothing but blanks and quotes since it began
    const auto found = [&line] { return QString("holds a typed value in line %1").arg(line); };
    for (int i = 0; i < size; ++i) {
        const char c = ini.at(i);
        if (c == '\n' || c == '\r') {
            line += c == '\n' ? 1 : 0;
            // Inside quotes a line end is part of the value.
            startOfValue = !quoted;
            equals = equals && quoted;
        } else if (c == '"') {
            quoted = !quoted;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            // Blanks before a value are dropped.
        } else if (c == ';' && !quoted) {
            // A comment, to the end of the line.
            while (i + 1 < size && ini.at(i + 1) != '\n' && ini.at(i + 1) != '\r')
                ++i;
        } else if (c == '=' && !quoted && !equals) {
            equals = true;
            startOfValue = true;
        } else if (c == ',' && !quoted) {
            // The next element of a list.
            startOfValue = true;
        } else if (c == '@') {
            if (startOfValue && (i + 1 >= size || ini.at(i + 1) != '@'))
                return found();
            i += startOfValue ? 1 : 0;
            startOfValue = false;
        } else if (c == '\\' && i + 1 < size) {
            const char e = ini.at(++i);
            const bool hex = e == 'x';
            if (hex || (e >= '0' && e <= '7')) {
                // A character by its number: the library keeps its low 16 bits.
                unsigned value = hex ? 0 : unsigned(e - '0');
                int digits = hex ? 0 : 1;
                for (; i + 1 < size; ++i, ++digits) {
                    const char d = ini.at(i + 1);
                    const int v = hex ? (d >= '0' && d <= '9'   ? d - '0'
                                         : d >= 'a' && d <= 'f' ? d - 'a' + 10
                                         : d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                                : -1)
                                      : (d >= '0' && d <= '7' ? d - '0' : -1);
                    if (v < 0)
                        break;
                    value = (value << (hex ? 4 : 3)) + unsigned(v);
                }
                if (digits > 0 && (value & 0xffff) == '@' && startOfValue)
                    return found();
                startOfValue = startOfValue && digits == 0;
            } else if (e == '\n' || e == '\r') {
                // A line continued: nothing of the value.
                line += e == '\n' ? 1 : 0;
                if (i + 1 < size && (ini.at(i + 1) == '\n' || ini.at(i + 1) == '\r') && ini.at(i + 1) != e)
                    line += ini.at(++i) == '\n' ? 1 : 0;
            } else if (e != '\0' && std::strchr("abfnrtv\"?'\\", e)) {
                startOfValue = false;
            }
            // Any other escaped character is dropped by the library.
        } else {
            startOfValue = false;
        }
    }
    return QString();
}

}
