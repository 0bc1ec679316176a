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
// Never through a link.
using Filler = std::function<void(QSettings& ini)>;
FileResult write(const QString& path, const Filler& fill, qint64 maxBytes);

// Done when the settings library may parse `path`: readable by
// CheckedFile's rule, and no typed value in it.
FileResult problem(const QString& path, qint64 maxBytes);

// Where the INI text holds a value the settings library would decode as a
// typed value ("@Variant(...)", "@ByteArray(...)", any other "@..." that is
// not the "@@" of a text beginning with "@"), or "" when it holds none. The
// program writes texts and numbers only; decoding a typed value from a file
// can take any amount of memory. A file a PC editor saved with a UTF-8
// byte-order mark is judged as the library decodes it.
QString typedValue(const QByteArray& ini);

}

#endif
