#include "inifile.h"
#include "checkedfile.h"
#include "pathguard.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace IniFile {

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
FileResult write(const QString& path, const Filler& fill, qint64 maxBytes)
{
    FileResult r = PathGuard::makePath(QFileInfo(path).path());
    if (r.ok())
        r = PathGuard::problem(path);
    if (!r.ok())
        return FileResult::fail("not written: " + r.error, r.errnum);
    static int serial = 0;
    const QString written = path + QLatin1String(".part");
    const QString check = path + QString(".new%1").arg(++serial);
    // A leftover would be read in and written back with the new values.
    PathGuard::removeTree(written);
    QMap<QString, QString> expected;
    {
        QSettings out(written, QSettings::IniFormat);
        fill(out);
        out.sync();
        if (out.status() != QSettings::NoError) {
            PathGuard::removeTree(written);
            return FileResult::fail(QString("not written, status %1").arg(out.status()));
        }
        expected = valuesOf(out);
    }
    const auto discard = [&](const FileResult& why) {
        PathGuard::removeTree(written);
        PathGuard::removeTree(check);
        return why;
    };
    if (r = PathGuard::rename(written, check, PathGuard::NoReplace); !r.ok())
        return discard(FileResult::fail("not written: " + r.error, r.errnum));
    if (r = problem(check, maxBytes); !r.ok())
        return discard(FileResult::fail("does not read back: " + r.error, r.errnum));
    {
        const QSettings back(check, QSettings::IniFormat);
        if (back.status() != QSettings::NoError || valuesOf(back) != expected)
            return discard(FileResult::fail("does not read back as written"));
    }
    const QByteArray to = QFile::encodeName(path);
    struct stat before {};
    const bool replaces = ::lstat(to.constData(), &before) == 0;
    if (r = PathGuard::rename(check, path, PathGuard::Replace); !r.ok())
        return discard(FileResult::fail("not put in place: " + r.error, r.errnum));
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
    return r;
}

FileResult problem(const QString& path, qint64 maxBytes)
{
    QByteArray text;
    const FileResult r = CheckedFile::read(path, maxBytes, &text);
    if (!r.ok())
        return r;
    const QString typed = typedValue(text);
    return typed.isEmpty() ? r : FileResult::fail(typed);
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
