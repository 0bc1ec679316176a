#ifndef DEVICEFILE_H
#define DEVICEFILE_H

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;
class QFileDevice;
class QSettings;

// Files a PC may have written: the data partition is lent over USB, so an
// entry may be a FIFO, a device, a directory or a link to anywhere. A file
// is read only when it is a regular file (a link to one inside the device
// root too), opened without ever waiting, within a size bound. What the
// program writes, creates or removes is reached from the device root one
// folder at a time, and a link anywhere on the way is refused, never
// followed (the last name is never followed either). Paths are mapped paths
// (DeviceLayer::path()); every failure comes back with its reason, worded to
// follow the file's name ("is a FIFO", "cannot be opened: Permission denied").
namespace DeviceFile {

// The system's own text for an errno value.
QString systemError(int error);

// Why a call on `file` failed, `error` being errno taken right after it: the
// system's reason (the library says "Unknown error" for a failed flush),
// else the library's text.
QString failure(const QFileDevice& file, int error);

// True when nothing is at `path`, not even a link to nothing.
bool isMissing(const QString& path);

// A descriptor open for reading (close-on-exec), or -1 with why in *error.
int openForReading(const QString& path, QString* error);
// The same, as `file` open for reading; false with why in *error.
bool openForReading(const QString& path, QFile* file, QString* error);
// "" when `path` can be read as a file of at most maxBytes, else why not.
QString readProblem(const QString& path, qint64 maxBytes);
// The file whole, by the same rule; false with why in *error.
bool read(const QString& path, qint64 maxBytes, QByteArray* data, QString* error);

// "" when `path` can be written, made or removed without a link: every
// folder on its way below the device root a real one, and `path` itself no
// link (it may be missing). Else why not ("lies behind the link ...").
QString pathProblem(const QString& path);
// Makes the folder `path` and every missing one above it below the device
// root, none through a link. False with why.
bool makePath(const QString& path, QString* error);

// A descriptor open for appending (and reading) to the regular file `path`
// (made when missing): never through a link, never waiting on a FIFO. -1
// with why.
int openForAppending(const QString& path, QString* error);
// Writes `bytes` at the end of the file open as `fd`, whole or not at all
// (what a full partition took of them is cut off again), and closes it.
bool appendWhole(int fd, const QByteArray& bytes, QString* error);

// Removes `path` and, for a real directory, all below it. A link is removed
// as a link, never entered; nothing behind a link on the way is touched.
// True when nothing is left.
bool removeTree(const QString& path);

// Renames `from` to `to` unless `to` exists (even as an empty folder): 0 or
// the errno.
int renameNew(const QString& from, const QString& to);

// Writes the INI file `path` through the settings library by `fill`, whole
// or not at all: written beside it, read back and compared, then put in its
// place in one step, so that a full partition leaves the old file as it was.
// Never through a link. "" or why not.
using IniFiller = std::function<void(QSettings& ini)>;
QString writeIni(const QString& path, const IniFiller& fill, qint64 maxBytes);

// For the settings library (info.ini, settings.ini): "" when it may parse
// `path` (readable as above, and no typed value in it), else why not.
QString iniProblem(const QString& path, qint64 maxBytes);
// Where the INI text holds a value the settings library would decode as a
// typed value ("@Variant(...)", "@ByteArray(...)", any other "@..." that is
// not the "@@" of a text beginning with "@"), or "" when it holds none. The
// program writes texts and numbers only; decoding a typed value from a file
// can take any amount of memory. A file a PC editor saved with a UTF-8
// byte-order mark is judged as the library decodes it.
QString typedValue(const QByteArray& ini);

}

#endif
