#ifndef INIFILE_H
#define INIFILE_H

#include "fileresult.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QSettings;

// INI files the settings library parses and writes (info.ini, settings.ini),
// which a PC may have written: read through CheckedFile, written through
// PathGuard. Paths are mapped paths.
namespace IniFile {

// Writes the INI file `path` through the settings library by `fill`, whole
// or not at all: written beside it, read back and compared, then put in its
// place in one step, so that a full partition leaves the old file as it was.
// Never through a link. A file beside it is taken for the writing only when
// it is a part file a write cut off left; anything else stays. After it, the
// library in this process reads `path` as written, whatever it read there
// before.
using Filler = std::function<void(QSettings& ini)>;
FileResult write(const QString& path, const Filler& fill, qint64 maxBytes);

// Before a file appears at `path` by a rename (a folder renamed, which holds
// it): the settings library in this process drops what it read there
// earlier, which it would take for a new file of the same size and time.
// Only while nothing is at `path`.
void forget(const QString& path);

// Done when the settings library may parse `path`: readable by
// CheckedFile's rule, and no typed value in it.
FileResult problem(const QString& path, qint64 maxBytes);

// Where the INI text holds a value the settings library would decode as an
// object ("@Variant(...)", "@DateTime(...)", "@Rect(...)", any "@..." but
// its plain forms), or "" when it holds none. The plain forms are the ones
// it writes for texts and bytes: "@@" for a text beginning with "@",
// "@String(...)" for a text holding a NUL, "@ByteArray(...)". Decoding an
// object from a file can take any amount of memory. A file a PC editor
// saved with a UTF-8 byte-order mark is judged as the library decodes it.
QString typedValue(const QByteArray& ini);

// Done when the settings library parses the INI text `text` without a format
// error; else why not. A file a PC editor saved with a byte-order mark the
// library reports as not parsing whatever follows: it is judged with that one
// mark taken off. Judged from the bytes alone, the same however often.
FileResult parseProblem(const QByteArray& text);

// A copy of the INI file `path`, written into the folder `scratch`, in
// which `group/key` holds `value` as the library writes it and every other
// byte is as it was: comments, lines the library does not read, marks,
// order, line ends. The library reads the copy back, and it must read as
// `path` does but for that value. `*copy` is its path; "" when `path` holds
// no such value (nothing to change). Fails, touching nothing but `scratch`,
// where that cannot be promised: a file that is empty, saved as UTF-16,
// holds a NUL byte or a typed value, or whose line of the value cannot be
// told or runs on into the lines after it.
FileResult prepareValueChange(const QString& path, qint64 maxBytes, const QString& group, const QString& key,
                              const QString& value, const QString& scratch, QString* copy);

}

#endif
