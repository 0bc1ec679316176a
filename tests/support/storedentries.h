#ifndef STOREDENTRIES_H
#define STOREDENTRIES_H

#include "testroot.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

// Entries of the measurement directory written straight into a test root, as
// the store or a PC leaves them.
namespace StoredEntries {

inline QString path(const TestRoot& root, const QString& name = QString())
{
    return root.path("/media/vq4100/meas/" + name);
}

// The entry (a link too) last changed `secondsAgo` seconds ago.
inline bool age(const QString& path, int secondsAgo)
{
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= secondsAgo;
    times[1] = times[0];
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// A measurement directory with a small info.ini naming it.
inline bool add(const TestRoot& root, const QString& dirName, int secondsAgo = 0)
{
    const QString name = dirName.mid(19);
    return root.write("/media/vq4100/meas/" + dirName + "/info.ini",
                      "[Measurementinfo]\nMeasurementname=" + name.toUtf8() + "\n")
           && age(path(root, dirName), secondsAgo);
}

}

#endif
