#include "inifile.h"
#include "checkedfile.h"
#include "pathguard.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace IniFile {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// Every value as the library reads it, by "group/key".
using Values = QMap<QString, QVariant>;

Values valuesOf(const QSettings& ini)
{
    Values values;
    for (const QString& key : ini.allKeys())
        values.insert(key, ini.value(key));
    return values;
}

// A name beside `path` for a copy the library reads back, one it has not
// read in this process: it keeps what it read of a file, and reads it again
// only when its size or its time in milliseconds changed.
QString checkName(const QString& path)
{
    static int serial = 0;
    return path + QString(".new%1").arg(++serial);
}

// A line as the library's INI reader cuts the text: where it starts (blank
// lines and comments before it skipped), how long it is, and where its first
// "=" outside quotes is (-1 for none). A line ends at a line end outside
// quotes, or at a ";" outside quotes (the rest is a comment); a backslash
// takes the next character, a line end too, with it.
struct Line {
    int start = 0;
    int length = 0;
    int equals = -1;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool nextLine(const QByteArray& text, int* pos, Line* line)
{
    const int size = text.size();
    bool quoted = false;
    int start = *pos;
    int equals = -1;
    while (start < size && isBlank(text.at(start)))
        ++start;
    int i = start;
    while (i < size) {
        const char c = text.at(i++);
        if (c == '=') {
            if (!quoted && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char e = text.at(i++);
                if (i < size && ((e == '\n' && text.at(i) == '\r') || (e == '\r' && text.at(i) == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && text.at(i) != '\n' && text.at(i) != '\r')
                    ++i;
                while (i < size && isBlank(text.at(i)))
                    ++i;
                start = i;
            } else if (!quoted) {
                --i;
                break;
            }
        }
    }
    *pos = i;
    line->start = start;
    line->length = i - start;
    line->equals = equals;
    return line->length > 0;
}

// Whether the settings library reads `ini` without a format error. It cuts
// the text into sections at their header lines, from behind a leading
// byte-order mark, and parses each section's text on its own, the text before
// the first header from the very first byte, mark and all. A header without
// its "]" on its line is an error, as is a line of a section without "=".
// Taken from the bytes, not from the library's status: that is set only by
// the first parse of a file in a process, and a file of the same size and
// time is taken for the one parsed before.
bool libraryParses(const QByteArray& ini)
{
    const auto sectionParses = [&ini](int from, int to) {
        const QByteArray section = ini.mid(from, to - from);
        int pos = 0;
        Line line;
        while (nextLine(section, &pos, &line)) {
            if (line.equals < 0 && section.at(line.start) != ';')
                return false;
        }
        return true;
    };
    bool ok = true;
    int pos = ini.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    int sectionStart = 0;
    Line line;
    while (nextLine(ini, &pos, &line)) {
        if (ini.at(line.start) != '[')
            continue;
        ok = sectionParses(sectionStart, line.start) && ok;
        const int close = ini.indexOf(']', line.start);
        ok = ok && close >= 0 && close < line.start + line.length;
        sectionStart = pos;
    }
    return sectionParses(sectionStart, ini.size()) && ok;
}

// The file's text of `key` in the section `group` as the settings library
// writes it for `value`: written by the library itself beside the other
// scratch files, and taken from its line.
FileResult encoded(const QString& scratchFile, const QString& group, const QString& key, const QString& value,
                   QByteArray* text)
{
    {
        QSettings out(scratchFile, QSettings::IniFormat);
        out.setValue(group + QLatin1Char('/') + key, value);
        out.sync();
        if (out.status() != QSettings::NoError)
            return FileResult::fail(QString("cannot be written, status %1").arg(out.status()));
    }
    QByteArray written;
    FileResult r = CheckedFile::read(scratchFile, 64 * 1024, &written);
    PathGuard::removeTree(scratchFile);
    if (!r.ok())
        return r;
    const QByteArray lead = key.toUtf8() + '=';
    for (const QByteArray& line : written.split('\n')) {
        if (line.startsWith(lead)) {
            *text = line.mid(lead.size());
            return r;
        }
    }
    return FileResult::fail("the library wrote no line for " + key);
}

// UTF-16 without a mark and without a character below U+0100 holds no NUL
// byte and no line end of its own; the library would read its bytes as
// Latin-1 characters, not the text a PC shows. Taken for it: an even number
// of bytes without a line end, not all of them printable ASCII. An INI file
// that a PC tool writes in an 8-bit code has its lines.
bool isUtf16WithoutMark(const QByteArray& ini)
{
    if (ini.size() % 2 != 0 || ini.contains('\n') || ini.contains('\r'))
        return false;
    return std::any_of(ini.cbegin(), ini.cend(),
                       [](char c) { return c != '\t' && (uchar(c) < ' ' || uchar(c) > '~'); });
}

// `ini` with the value of `key` in the section `group` (its last line, as
// the library reads the text) replaced by `text`, every other byte as it
// was. "" or why not: no such line, or a value that takes in the lines after
// it (a backslash at its end, a quote left open), which a PC shows as lines
// of their own.
QString replaceValue(const QByteArray& ini, const QByteArray& group, const QByteArray& key, const QByteArray& text,
                     QByteArray* out)
{
    int pos = ini.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    QByteArray section;
    int from = -1;
    int to = -1;
    Line line;
    while (nextLine(ini, &pos, &line)) {
        const QByteArray bytes = ini.mid(line.start, line.length);
        if (bytes.startsWith('[')) {
            const int close = bytes.indexOf(']');
            section = bytes.mid(1, close < 0 ? -1 : close - 1).trimmed();
        } else if (line.equals >= 0 && section == group
                   && ini.mid(line.start, line.equals - line.start).trimmed() == key) {
            // The last one counts, as in the library; the blanks around the
            // value stay.
            from = line.equals + 1;
            to = line.start + line.length;
            while (from < to && (ini.at(from) == ' ' || ini.at(from) == '\t'))
                ++from;
            while (to > from && (ini.at(to - 1) == ' ' || ini.at(to - 1) == '\t'))
                --to;
        }
    }
    if (from < 0)
        return QStringLiteral("where it cannot be told apart");
    if (const QByteArray value = ini.mid(from, to - from); value.contains('\n') || value.contains('\r'))
        return QStringLiteral("over more than one line");
    *out = ini.left(from) + text + ini.mid(to);
    return QString();
}

// Where the library writes before the file is read back: "<name>.part", or,
// where that name holds anything but a part file a store cut off left (a
// regular file, which goes), the next free "<name>.new<N>.part". Whatever
// else holds a name stays as it is.
QString partName(const QString& path)
{
    const QString usual = path + QLatin1String(".part");
    struct stat st {};
    if (::lstat(QFile::encodeName(usual).constData(), &st) != 0 && errno == ENOENT)
        return usual;
    if (S_ISREG(st.st_mode) && PathGuard::removeFile(usual).ok())
        return usual;
    for (;;) {
        const QString other = checkName(path) + QLatin1String(".part");
        if (CheckedFile::isMissing(other))
            return other;
    }
}

// The library keeps one parse of each file name in a process and takes a
// file of the same size and millisecond for the one it parsed, so after a
// file was replaced, set aside or removed, its next read of `path` could be
// of the file before. Read through it once here: a stale parse is then left
// behind by a later time on the file.
FileResult readsAsPlaced(const QString& path, const Values& expected)
{
    if (valuesOf(QSettings(path, QSettings::IniFormat)) == expected)
        return FileResult::done();
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return FileResult::system("cannot be looked at", errno);
    const qint64 later = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000 + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(later / 1000), long(later % 1000) * 1000000}};
    if (::utimensat(AT_FDCWD, name.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        return FileResult::system("cannot be given a later time", errno);
    if (valuesOf(QSettings(path, QSettings::IniFormat)) == expected)
        return FileResult::done();
    return FileResult::fail("is read as the file it replaced");
}

}

// The settings library does not see a write that fails only when its buffer
// is flushed, and renames a cut-off file into place: so what it wrote is read
// back and compared before it takes the place of the file. It is read back
// under a name it was not written under, one the library has not read in
// this process (checkName()).
FileResult write(const QString& path, const Filler& fill, qint64 maxBytes)
{
    FileResult r = PathGuard::makePath(QFileInfo(path).path());
    if (r.ok())
        r = PathGuard::problem(path);
    if (!r.ok())
        return FileResult::fail("not written: " + r.error, r.errnum);
    const QString written = partName(path);
    QString check;
    const auto discard = [&](const FileResult& why) {
        PathGuard::removeFile(written);
        if (!check.isEmpty())
            PathGuard::removeFile(check);
        return why;
    };
    Values expected;
    {
        QSettings out(written, QSettings::IniFormat);
        fill(out);
        out.sync();
        if (out.status() != QSettings::NoError)
            return discard(FileResult::fail(QString("not written, status %1").arg(out.status())));
        expected = valuesOf(out);
    }
    // A name an earlier run left (cut off, or a PC's) is passed over, never
    // read: the count starts again in every process. Each name passed over
    // is held by an entry, so the search ends.
    do {
        check = checkName(path);
        r = PathGuard::rename(written, check, PathGuard::NoReplace);
    } while (r.errnum == EEXIST || r.errnum == ENOTEMPTY);
    if (!r.ok()) {
        check.clear();
        return discard(FileResult::fail("not written: " + r.error, r.errnum));
    }
    if (r = problem(check, maxBytes); !r.ok())
        return discard(FileResult::fail("does not read back: " + r.error, r.errnum));
    {
        // Parsed first: the library sets its status only once it has read the file.
        const QSettings back(check, QSettings::IniFormat);
        const Values read = valuesOf(back);
        if (back.status() != QSettings::NoError || read != expected)
            return discard(FileResult::fail("does not read back as written"));
    }
    if (r = PathGuard::rename(check, path, PathGuard::Replace); !r.ok())
        return discard(FileResult::fail("not put in place: " + r.error, r.errnum));
    if (r = readsAsPlaced(path, expected); !r.ok())
        return FileResult::fail("written, but " + r.error, r.errnum);
    return r;
}

void forget(const QString& path)
{
    // The library keeps no parse of a file that is not there: one made now
    // drops what it held.
    if (CheckedFile::isMissing(path))
        const QSettings dropped(path, QSettings::IniFormat);
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
            // The library's plain forms: "@@" for a text that begins with
            // "@", and the ones it writes itself for a text holding a NUL
            // and for bytes. Written any other way they count as typed.
            const QByteArray rest = ini.mid(i + 1, 10);
            if (startOfValue && !rest.startsWith('@') && !rest.startsWith("String(") && !rest.startsWith("ByteArray("))
                return found();
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

FileResult parseProblem(const QByteArray& text)
{
    if (libraryParses(text))
        return FileResult::done();
    if (!text.startsWith(kByteOrderMark))
        return FileResult::fail("does not parse");
    // The mark alone makes a line the library cannot read. A second mark
    // (two editors in turn) would hide the first section's header, so the
    // rest must parse on its own.
    return libraryParses(text.mid(kByteOrderMark.size()))
               ? FileResult::done()
               : FileResult::fail("does not parse with its byte-order mark taken off");
}

FileResult prepareValueChange(const QString& path, qint64 maxBytes, const QString& group, const QString& key,
                              const QString& value, const QString& scratch, QString* copy)
{
    copy->clear();
    QByteArray old;
    FileResult r = CheckedFile::read(path, maxBytes, &old);
    if (!r.ok())
        return r;
    if (old.isEmpty())
        return FileResult::fail("is empty");
    if (old.startsWith("\xFF\xFE") || old.startsWith("\xFE\xFF") || isUtf16WithoutMark(old))
        return FileResult::fail("is saved as UTF-16");
    if (old.contains('\0'))
        return FileResult::fail("holds a NUL byte");
    if (const QString typed = typedValue(old); !typed.isEmpty())
        return FileResult::fail(typed);
    Values expected = valuesOf(QSettings(path, QSettings::IniFormat));
    const QString name = group + QLatin1Char('/') + key;
    // No value to change: the file stays as it is.
    if (!expected.contains(name))
        return r;
    expected.insert(name, value);

    QByteArray text;
    if (r = encoded(scratch + "/value.ini", group, key, value, &text); !r.ok())
        return r;
    QByteArray changed;
    if (const QString why = replaceValue(old, group.toUtf8(), key.toUtf8(), text, &changed); !why.isEmpty())
        return FileResult::fail("holds " + name + " " + why);
    const QString candidate = scratch + QLatin1Char('/') + QFileInfo(path).fileName();
    if (r = PathGuard::writeWhole(candidate, changed); !r.ok())
        return r;
    if (valuesOf(QSettings(candidate, QSettings::IniFormat)) != expected)
        return FileResult::fail("does not read as before with only " + name + " changed");
    *copy = candidate;
    return r;
}

}
