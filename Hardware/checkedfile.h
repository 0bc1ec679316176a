#ifndef CHECKEDFILE_H
#define CHECKEDFILE_H

#include "fileresult.h"

#include <QByteArray>
#include <QString>

class QFile;

// Reading files a PC may have written: the data partition is lent over USB,
// so an entry may be a FIFO, a device, a directory or a link to anywhere. A
// file is read only when it is a regular file (a link to one inside the
// device root too), opened without ever waiting, within a size bound. Paths
// are mapped paths (DeviceLayer::path()).
namespace CheckedFile {

// True when nothing is at `path`, not even a link to nothing.
bool isMissing(const QString& path);

// `*fd` open for reading (close-on-exec).
FileResult open(const QString& path, int* fd);
// The same, as `file` open for reading.
FileResult open(const QString& path, QFile* file);
// Done when `path` can be read as a file of at most maxBytes.
FileResult problem(const QString& path, qint64 maxBytes);
// The file whole, by the same rule.
FileResult read(const QString& path, qint64 maxBytes, QByteArray* data);

}

#endif
