#ifndef STOREDENTRIES_H
#define STOREDENTRIES_H

#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Entries of the measurement directory written straight into a test root, as
// the store or a PC leaves them.
namespace StoredEntries {

inline QString path(const TestRoot& root, const QString& name = QString())
{
    return root.path("/media/vq4100/meas/" + name);
}

// The entry (a link too) last changed `secondsAgo` seconds ago.
inline bool age(const QByteArray& nativePath, int secondsAgo)
{
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= secondsAgo;
    times[1] = times[0];
    return utimensat(AT_FDCWD, nativePath.constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

inline bool age(const QString& path, int secondsAgo)
{
    return age(QFile::encodeName(path), secondsAgo);
}

// Names by their bytes, as a PC may write them: one that is not valid in the
// file-name encoding (a Latin-1 byte) no QString reaches.
inline QByteArray nativePath(const TestRoot& root, const QByteArray& name)
{
    return QFile::encodeName(path(root)) + name;
}

// A measurement directory named `name` holding `files` (name, contents).
inline bool addBytes(const TestRoot& root, const QByteArray& name, const QMap<QByteArray, QByteArray>& files,
                     int secondsAgo)
{
    const QByteArray dir = nativePath(root, name);
    if (!QDir().mkpath(path(root)) || mkdir(dir.constData(), 0755) != 0)
        return false;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        const int fd = open((dir + "/" + file.key()).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        const bool written = fd >= 0 && write(fd, file.value().constData(), size_t(file.value().size()))
                                            == ssize_t(file.value().size());
        if (fd < 0 || close(fd) != 0 || !written)
            return false;
    }
    return age(dir, secondsAgo);
}

// QTemporaryDir removes by QString names, which do not reach such an entry:
// it gets one they reach, for a test root to go whole.
inline void makeRemovable(const TestRoot& root, const QByteArray& name)
{
    ::rename(nativePath(root, name).constData(), nativePath(root, "removable-" + name.toHex()).constData());
}

// Every entry below the folder `dir` by the bytes of its name ("a", "a/b"),
// with a file's contents: what a change must leave as it was.
inline QMap<QByteArray, QByteArray> bytesBelow(const QByteArray& dir, const QByteArray& under = QByteArray())
{
    QMap<QByteArray, QByteArray> found;
    DIR* listing = opendir(dir.constData());
    while (const dirent* entry = listing ? readdir(listing) : nullptr) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray native = dir + "/" + name;
        struct stat st {};
        if (lstat(native.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            found.insert(under + name + "/", QByteArray());
            found.insert(bytesBelow(native, under + name + "/"));
        } else {
            QFile file;
            const int fd = open(native.constData(), O_RDONLY | O_CLOEXEC);
            found.insert(under + name, fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)
                                           ? file.readAll() : QByteArray("(unreadable)"));
        }
    }
    if (listing)
        closedir(listing);
    return found;
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
