#ifndef PATHGUARD_H
#define PATHGUARD_H

#include "fileresult.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The one door for what the program writes, makes, appends to, renames or
// removes below the device root: a PC may have put a link anywhere on the
// data partition, and on a host build a link would lead out onto the PC. A
// path is reached from the device root ("/" on the unit) one folder at a
// time; a link anywhere on the way is refused, never followed, and the last
// name is never followed either. Paths are mapped paths (DeviceLayer::path()).
// The device files under sys, dev and proc, which the board reaches through
// links by design, are not written through here.
namespace PathGuard {

// Done when `path` can be written, made or removed without a link: every
// folder on its way below the device root a real one, and `path` itself no
// link (it may be missing). Else why not ("lies behind the link ...").
FileResult problem(const QString& path);

// Makes the folder `path` and every missing one above it, none through a
// link.
FileResult makePath(const QString& path);

// `*fd` open for appending (and reading) to the regular file `path` (made
// when missing): never through a link, never waiting on a FIFO, and never a
// file with a second name elsewhere (a hard link would carry the writes out).
FileResult openForAppending(const QString& path, int* fd);
// Writes `bytes` at the end of the file open as `fd`, whole or not at all
// (what a full partition took of them is cut off again), and closes it.
FileResult appendWhole(int fd, const QByteArray& bytes);

// Puts `bytes` in the place of the file `path`, whole or not at all:
// written beside it ("<name>.part"), flushed, then renamed over it. A link
// or a directory at `path` is refused.
FileResult writeWhole(const QString& path, const QByteArray& bytes, mode_t mode = 0644);

// writeWhole() for a writer that streams (a copy, a recording): open(),
// write() as often as needed, commit(). A part not committed goes with the
// object, and the file of the name stays as it was.
class WholeFile
{
public:
    explicit WholeFile(const QString& path, mode_t mode = 0644);
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    FileResult open();
    FileResult write(const char* data, qint64 size);
    FileResult write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    FileResult commit();

private:
    void discard();

    QString m_path;
    mode_t m_mode;
    QByteArray m_name;
    int m_parent = -1;
    int m_fd = -1;
};

enum RenameMode { NoReplace, Replace };
// Renames `from` to `to`; with NoReplace an existing `to` (even an empty
// folder) is refused with EEXIST. Links are renamed as links.
FileResult rename(const QString& from, const QString& to, RenameMode mode);

// Removes the one entry `path` as a plain remove does: a file, or a link as
// a link, never a folder; a missing one fails (ENOENT). For writers whose
// log says whether a file was there to go.
FileResult removeFile(const QString& path);

// Removes `path` and, for a real directory, all below it. A link is removed
// as a link, never entered; nothing behind a link on the way is touched.
// Done when nothing is left (also when nothing was there).
FileResult removeTree(const QString& path);

// While it lives, the calls of this thread walk from `top` instead of the
// device root: the simulated device's tools write into the tree they were
// given, which need not be the program's.
class Below
{
public:
    explicit Below(const QString& top);
    ~Below();
    Below(const Below&) = delete;
    Below& operator=(const Below&) = delete;

private:
    QString m_previous;
};

}

#endif
