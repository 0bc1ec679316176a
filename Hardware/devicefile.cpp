#include "devicefile.h"
#include "devicelayer.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>

#include <cerrno>
#include <cstdio>
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

// Where a walk from the device root starts, and the names below it to walk.
bool walkFrom(const QString& path, QString* top, QStringList* names, QString* error)
{
#ifdef VQ_TARGET_BUILD
    *top = QStringLiteral("/");
#else
    *top = DeviceLayer::root();
    if (top->isEmpty()) {
        *error = "has no device root";
        return false;
    }
#endif
    const QString prefix = top->endsWith(QLatin1Char('/')) ? *top : *top + QLatin1Char('/');
    if (!path.startsWith(prefix)) {
        *error = "lies outside the device root";
        return false;
    }
    *names = path.mid(prefix.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (names->isEmpty() || names->contains(QStringLiteral(".")) || names->contains(QStringLiteral(".."))) {
        *error = "is not a path below the device root";
        return false;
    }
    return true;
}

// Why the name `name` in the folder open as `parent` could not be entered
// as a folder, `error` being errno of the attempt.
QString notEntered(int parent, const QByteArray& name, const QString& path, int error)
{
    struct stat st;
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        return "lies behind the link " + DeviceLayer::unitPath(path);
    return "cannot be reached at " + DeviceLayer::unitPath(path) + ": " + systemError(error);
}

// The folder that holds `path`, open, reached from the device root without
// following a link on the way (folders missing on it are made when `make`);
// -1 with why. `name` is the last name of the path.
int openParent(const QString& path, bool make, QByteArray* name, QString* error)
{
    QString top;
    QStringList names;
    if (!walkFrom(path, &top, &names, error))
        return -1;
    int fd = ::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *error = "cannot be reached: " + systemError(errno);
        return -1;
    }
    QString walked = top;
    for (int i = 0; i + 1 < names.size(); ++i) {
        const QByteArray next = QFile::encodeName(names.at(i));
        walked += QLatin1Char('/') + names.at(i);
        if (make && ::mkdirat(fd, next.constData(), 0755) != 0 && errno != EEXIST) {
            *error = "cannot be made at " + DeviceLayer::unitPath(walked) + ": " + systemError(errno);
            ::close(fd);
            return -1;
        }
        const int sub = ::openat(fd, next.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub < 0) {
            *error = notEntered(fd, next, walked, errno);
            ::close(fd);
            return -1;
        }
        ::close(fd);
        fd = sub;
    }
    *name = QFile::encodeName(names.last());
    return fd;
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

QString pathProblem(const QString& path)
{
    QByteArray name;
    QString why;
    const int parent = openParent(path, false, &name, &why);
    if (parent < 0)
        return why;
    struct stat st;
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        why = "is a link";
    ::close(parent);
    return why;
}

bool makePath(const QString& path, QString* error)
{
    QByteArray name;
    const int parent = openParent(path, true, &name, error);
    if (parent < 0)
        return false;
    if (::mkdirat(parent, name.constData(), 0755) != 0 && errno != EEXIST) {
        *error = "cannot be made: " + systemError(errno);
        ::close(parent);
        return false;
    }
    const int made = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (made < 0)
        *error = notEntered(parent, name, path, errno);
    else
        ::close(made);
    ::close(parent);
    return made >= 0;
}

int openForAppending(const QString& path, QString* error)
{
    QByteArray name;
    const int parent = openParent(path, false, &name, error);
    if (parent < 0)
        return -1;
    const int fd = ::openat(parent, name.constData(),
                            O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    const int openError = errno;
    ::close(parent);
    if (fd < 0) {
        *error = openError == ELOOP ? QStringLiteral("is a link") : "cannot be opened: " + systemError(openError);
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
    QByteArray name;
    QString why;
    const int parent = openParent(path, false, &name, &why);
    if (parent < 0) {
        // Nothing there to remove is what was asked for.
        if (why.endsWith(systemError(ENOENT)))
            return true;
        qDebug().noquote() << "Not removed:" << DeviceLayer::unitPath(path) << "-" << why;
        return false;
    }
    const bool removed = removeAt(parent, name.constData());
    ::close(parent);
    return removed;
}

int renameNew(const QString& from, const QString& to)
{
    const QByteArray a = QFile::encodeName(from);
    const QByteArray b = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    // A file system without the flag: the program is the partition's only writer.
    struct stat st;
    if (::lstat(b.constData(), &st) == 0)
        return EEXIST;
    return ::rename(a.constData(), b.constData()) == 0 ? 0 : errno;
}

namespace {

QMap<QString, QString> valuesOf(const QSettings& ini)
{
    QMap<QString, QString> values;
    for (const QString& key : ini.allKeys())
        values.insert(key, ini.value(key).toString());
    return values;
}

}

// The settings library does not see a write that fails only when its buffer
// is flushed, and renames a cut-off file into place: so what it wrote is read
// back and compared before it takes the place of the file. It is read back
// under a name it was not written under, one the library has not read in
// this process: it keeps what it read of a file, and reads it again only
// when its size or its time in milliseconds changed.
QString writeIni(const QString& path, const IniFiller& fill, qint64 maxBytes)
{
    QString why;
    if (!makePath(QFileInfo(path).path(), &why) || !(why = pathProblem(path)).isEmpty())
        return "not written: " + why;
    static int serial = 0;
    const QString written = path + QLatin1String(".part");
    const QString check = path + QString(".new%1").arg(++serial);
    // A leftover would be read in and written back with the new values.
    removeTree(written);
    QMap<QString, QString> expected;
    {
        QSettings out(written, QSettings::IniFormat);
        fill(out);
        out.sync();
        if (out.status() != QSettings::NoError) {
            removeTree(written);
            return QString("not written, status %1").arg(out.status());
        }
        expected = valuesOf(out);
    }
    const auto discard = [&](const QString& why) {
        removeTree(written);
        removeTree(check);
        return why;
    };
    if (const int error = renameNew(written, check))
        return discard("not written: " + systemError(error));
    if (why = iniProblem(check, maxBytes); !why.isEmpty())
        return discard("does not read back: " + why);
    {
        const QSettings back(check, QSettings::IniFormat);
        if (back.status() != QSettings::NoError || valuesOf(back) != expected)
            return discard("does not read back as written");
    }
    const QByteArray from = QFile::encodeName(check);
    const QByteArray to = QFile::encodeName(path);
    struct stat before {};
    const bool replaces = ::lstat(to.constData(), &before) == 0;
    if (::rename(from.constData(), to.constData()) != 0)
        return discard("not put in place: " + systemError(errno));
    // A rewrite of the same size within the old file's millisecond would be
    // taken for the old one.
    struct stat after {};
    const auto ms = [](const timespec& t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; };
    if (replaces && ::lstat(to.constData(), &after) == 0 && after.st_size == before.st_size
        && ms(after.st_mtim) == ms(before.st_mtim)) {
        const qint64 later = ms(before.st_mtim) + 1;
        const timespec times[2] = {{0, UTIME_OMIT}, {time_t(later / 1000), long(later % 1000) * 1000000}};
        ::utimensat(AT_FDCWD, to.constData(), times, AT_SYMLINK_NOFOLLOW);
    }
    return QString();
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
    static const QByteArray kByteOrderMark("\xEF\xBB\xBF");
    const int size = ini.size();
    // A file that begins with the mark is read as UTF-8, and the library
    // decodes each piece of a value on its own, dropping a mark at the start
    // of each: so "X=<mark>@Variant(...)" is typed there. Without the mark
    // at the start, the bytes are plain Latin-1 characters.
    const bool utf8 = ini.startsWith(kByteOrderMark);
    int line = 1;
    bool quoted = false;
    bool equals = false;      // the line's first "=" outside quotes is behind
    bool startOfValue = true; // nothing but blanks, quotes and marks since it began
    const auto found = [&line] { return QString("holds a typed value in line %1").arg(line); };
    for (int i = 0; i < size; ++i) {
        const char c = ini.at(i);
        if (utf8 && startOfValue && c == kByteOrderMark.at(0) && ini.mid(i, 3) == kByteOrderMark) {
            i += 2;
        } else if (c == '\n' || c == '\r') {
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
