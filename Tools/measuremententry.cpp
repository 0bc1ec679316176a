#include "measuremententry.h"
#include "Hardware/devicefile.h"
#include "Hardware/devicelayer.h"
#include "Hardware/massstorage.h"
#include "measurements.h"
#include "wholefile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QSettings>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MeasurementEntry {

namespace {

// Hidden, so that neither the name filters nor a PC's file browser take it
// for a measurement.
const char* const kStagingPrefix = ".saving-";
const qint64 kPart = 64 * 1024;
const int kLaterSeconds = 60;

QString measDir()
{
    return DeviceLayer::path(QLatin1String(Measurements::dirMeas));
}

using DeviceFile::systemError;

// A directory's entries reach the medium before the step that relies on them.
QString syncDirectory(const QString& dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return "cannot open " + dir + ": " + systemError(errno);
    // EINVAL: a file system that has nothing to flush.
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 || error == EINVAL ? QString() : "cannot flush " + dir + ": " + systemError(error);
}

// 0 or the errno; an existing target, even an empty directory, stays.
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

QString copyWhole(const QString& from, const QString& to)
{
    QString why;
    QFile in;
    if (!DeviceFile::openForReading(from, &in, &why))
        return "cannot read " + from + ": " + why;
    const qint64 size = in.size();
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return "cannot create " + to + ": " + out.errorString();
    qint64 copied = 0;
    int error = 0;
    while (error == 0) {
        const QByteArray part = in.read(kPart);
        if (part.isEmpty())
            break;
        if (out.write(part) != part.size())
            error = errno ? errno : EIO;
        copied += part.size();
    }
    // Left uncommitted, the part written goes with the save file.
    if (error != 0)
        return "cannot write " + to + ": " + DeviceFile::failure(out, error);
    if (copied != size || in.error() != QFileDevice::NoError)
        return "cannot read " + from + " whole";
    if (!commitWholeFile(out))
        return "cannot write " + to + ": " + out.errorString();
    if (QFileInfo(to).size() != size)
        return "the copy " + to + " is not whole";
    return QString();
}

QMap<QString, QString> valuesOf(const QSettings& info)
{
    QMap<QString, QString> values;
    for (const QString& key : info.allKeys())
        values.insert(key, info.value(key).toString());
    return values;
}

QString build(const QString& staging, const InfoWriter& fill, const QList<Copy>& copies)
{
    QString why = writeInfo(staging, fill);
    if (!why.isEmpty())
        why = "info.ini " + why;
    for (auto copy = copies.cbegin(); why.isEmpty() && copy != copies.cend(); ++copy) {
        const QString source = DeviceLayer::path(copy->source);
        if (!DeviceFile::isMissing(source))
            why = copyWhole(source, staging + "/" + copy->fileName);
        else
            qDebug() << "Measurement: no recording" << copy->source;
    }
    return why.isEmpty() ? syncDirectory(staging) : why;
}

// The entry's name, moved on by a second while the name is taken.
QString place(const QString& staging, const QString& prefix, const QDateTime& when, const QString& name,
              QString* unitDir)
{
    for (int later = 0; later <= kLaterSeconds; ++later) {
        const QString target = Measurements::directoryFor(prefix, when.addSecs(later), name);
        const int error = renameNew(staging, DeviceLayer::path(target));
        if (error == EEXIST || error == ENOTEMPTY) {
            qDebug() << "Measurement:" << target << "exists, the next second is tried";
            continue;
        }
        if (error != 0)
            return "cannot name " + target + ": " + systemError(error);
        *unitDir = target;
        // Whole from here on; what is left to flush is the name.
        if (const QString why = syncDirectory(measDir()); !why.isEmpty())
            qDebug().noquote() << "Measurement:" << why;
        return QString();
    }
    return QString("every name of the next %1 s is taken").arg(kLaterSeconds);
}

}

// The settings library does not see a write that fails only when its buffer
// is flushed, and renames a cut-off file into place: so what it wrote is read
// back and compared before it becomes info.ini. It is read back under a name
// it was not written under, a path the library has not cached in this process.
QString writeInfo(const QString& dir, const InfoWriter& fill)
{
    const QString written = dir + "/info.part";
    const QString check = dir + "/info.new";
    const QString info = dir + "/info.ini";
    QMap<QString, QString> expected;
    {
        QSettings out(written, QSettings::IniFormat);
        fill(out);
        out.sync();
        if (out.status() != QSettings::NoError) {
            QFile::remove(written);
            return QString("not written, status %1").arg(out.status());
        }
        expected = valuesOf(out);
    }
    const auto discard = [&](const QString& why) {
        QFile::remove(written);
        QFile::remove(check);
        return why;
    };
    if (const int error = renameNew(written, check))
        return discard("not written: " + systemError(error));
    if (const QString why = DeviceFile::iniProblem(check, Measurements::kMaxInfoBytes); !why.isEmpty())
        return discard("does not read back: " + why);
    {
        const QSettings back(check, QSettings::IniFormat);
        if (back.status() != QSettings::NoError || valuesOf(back) != expected)
            return discard("does not read back as written");
    }
    const QByteArray from = QFile::encodeName(check);
    const QByteArray to = QFile::encodeName(info);
    struct stat before {};
    const bool replaces = ::lstat(to.constData(), &before) == 0;
    if (::rename(from.constData(), to.constData()) != 0)
        return discard("not put in place: " + systemError(errno));
    // The settings library keeps a file it read, and reads it again only when
    // its size or its time in milliseconds changed: a rewrite of the same size
    // within the old one's millisecond would be taken for the old one.
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

StoreResult failed(const QString& why)
{
    qDebug().noquote() << "Measurement not stored:" << why;
    StoreResult result;
    result.code = -2;
    result.error = Measurements::failedText();
    return result;
}

StoreResult store(const QString& prefix, const QDateTime& when, const QString& cleanName,
                  const InfoWriter& writeInfo, const QList<Copy>& copies)
{
    if (!MassStorage::mayWrite(Measurements::dirMeas))
        return failed("the partition is lent to a PC");
    if (!QDir().mkpath(measDir()))
        return failed(QLatin1String("cannot create ") + Measurements::dirMeas);
    removeLeftovers();
    if (Measurements::directoryFor(prefix, when, cleanName).isEmpty())
        return failed("not a name inside the measurement directory: " + cleanName);

    static int serial = 0;
    const QString staging = measDir() + kStagingPrefix
                            + QString("%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
    if (!QDir().mkdir(staging))
        return failed("cannot create " + DeviceLayer::unitPath(staging));
    QString unitDir;
    QString why = build(staging, writeInfo, copies);
    if (why.isEmpty())
        why = place(staging, prefix, when, cleanName, &unitDir);
    if (!why.isEmpty()) {
        DeviceFile::removeTree(staging);
        return failed(why);
    }
    StoreResult result;
    result.directory = unitDir;
    return result;
}

int removeLeftovers()
{
    // A link among them goes as a link: its target is not the store's.
    const QStringList left = QDir(measDir()).entryList({QString(kStagingPrefix) + "*"},
                                                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : left) {
        qDebug() << "Measurement: a save cut off is removed:" << name;
        DeviceFile::removeTree(measDir() + name);
    }
    return left.size();
}

}
