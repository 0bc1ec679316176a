#include "measuremententry.h"
#include "Hardware/checkedfile.h"
#include "Hardware/inifile.h"
#include "Hardware/pathguard.h"
#include "Hardware/devicelayer.h"
#include "Hardware/massstorage.h"
#include "measurements.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MeasurementEntry {

namespace {

// Hidden, so that neither the name filters nor a PC's file browser take it
// for a measurement. The one form of a staging folder's name, the prefix and
// two numbers (the process, its save): the clean-up removes nothing else,
// since a PC may leave its own files of a like name on the partition.
const QLatin1String kStagingPrefix(".saving-");
const QLatin1Char kStagingJoin('-');
const qint64 kPart = 64 * 1024;
const int kLaterSeconds = 60;

QString measDir()
{
    return DeviceLayer::path(QLatin1String(Measurements::dirMeas));
}

QString stagingName(qint64 process, int save)
{
    return kStagingPrefix + QString::number(process) + kStagingJoin + QString::number(save);
}

bool isStagingName(const QString& name)
{
    const auto isNumber = [](const QString& text) {
        return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= '0' && c <= '9'; });
    };
    const QStringList numbers = name.mid(kStagingPrefix.size()).split(kStagingJoin);
    return name.startsWith(kStagingPrefix) && numbers.size() == 2 && isNumber(numbers[0]) && isNumber(numbers[1]);
}

// A directory's entries reach the medium before the step that relies on them.
QString syncDirectory(const QString& dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return "cannot open " + dir + ": " + FileResult::systemText(errno);
    // EINVAL: a file system that has nothing to flush.
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 || error == EINVAL ? QString() : "cannot flush " + dir + ": " + FileResult::systemText(error);
}

QString copyWhole(const QString& from, const QString& to)
{
    QFile in;
    if (const FileResult opened = CheckedFile::open(from, &in); !opened.ok())
        return "cannot read " + from + ": " + opened.error;
    const qint64 size = in.size();
    PathGuard::WholeFile out(to);
    if (const FileResult made = out.open(); !made.ok())
        return "cannot create " + to + ": " + made.error;
    qint64 copied = 0;
    for (;;) {
        const QByteArray part = in.read(kPart);
        if (part.isEmpty())
            break;
        // Left uncommitted, the part written goes with the file object.
        if (const FileResult written = out.write(part); !written.ok())
            return "cannot write " + to + ": " + written.error;
        copied += part.size();
    }
    if (copied != size || in.error() != QFileDevice::NoError)
        return "cannot read " + from + " whole";
    if (const FileResult committed = out.commit(); !committed.ok())
        return "cannot write " + to + ": " + committed.error;
    if (QFileInfo(to).size() != size)
        return "the copy " + to + " is not whole";
    return QString();
}

QString build(const QString& staging, const InfoWriter& fill, const QList<Copy>& copies,
              QStringList* missing)
{
    QString why = writeInfo(staging, fill);
    if (!why.isEmpty())
        why = "info.ini " + why;
    for (auto copy = copies.cbegin(); why.isEmpty() && copy != copies.cend(); ++copy) {
        const QString source = DeviceLayer::path(copy->source);
        if (!CheckedFile::isMissing(source)) {
            why = copyWhole(source, staging + "/" + copy->fileName);
            continue;
        }
        qDebug() << "Measurement: no recording" << copy->source;
        *missing << copy->fileName;
    }
    return why.isEmpty() ? syncDirectory(staging) : why;
}

// The entry's name, moved on by a second while the name is taken.
QString place(const QString& staging, const QString& prefix, const QDateTime& when, const QString& name,
              QString* unitDir)
{
    for (int later = 0; later <= kLaterSeconds; ++later) {
        const QString target = Measurements::directoryFor(prefix, when.addSecs(later), name);
        // An entry of this name deleted earlier in this process may have
        // been read: its info.ini must not be taken for this one's.
        IniFile::forget(DeviceLayer::path(target) + QLatin1String("/info.ini"));
        const FileResult named = PathGuard::rename(staging, DeviceLayer::path(target), PathGuard::NoReplace);
        if (named.errnum == EEXIST || named.errnum == ENOTEMPTY) {
            qDebug() << "Measurement:" << target << "exists, the next second is tried";
            continue;
        }
        if (!named.ok())
            return "cannot name " + target + ": " + named.error;
        *unitDir = target;
        // Whole from here on; what is left to flush is the name.
        if (const QString why = syncDirectory(measDir()); !why.isEmpty())
            qDebug().noquote() << "Measurement:" << why;
        return QString();
    }
    return QString("every name of the next %1 s is taken").arg(kLaterSeconds);
}

}

QString makeStaging(QString* path)
{
    static int serial = 0;
    *path = measDir() + stagingName(QCoreApplication::applicationPid(), ++serial);
    if (!CheckedFile::isMissing(*path))
        return "cannot create " + DeviceLayer::unitPath(*path) + ": it exists";
    if (const FileResult made = PathGuard::makePath(*path); !made.ok())
        return "cannot create " + DeviceLayer::unitPath(*path) + " " + made.error;
    return QString();
}

QString writeInfo(const QString& dir, const InfoWriter& fill)
{
    return IniFile::write(dir + QLatin1String("/info.ini"), fill, Measurements::kMaxInfoBytes).error;
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
    if (const FileResult made = PathGuard::makePath(measDir()); !made.ok())
        return failed(QLatin1String(Measurements::dirMeas) + " " + made.error);
    removeLeftovers();
    if (Measurements::directoryFor(prefix, when, cleanName).isEmpty())
        return failed("not a name inside the measurement directory: " + cleanName);

    QString staging;
    if (const QString why = makeStaging(&staging); !why.isEmpty())
        return failed(why);
    QString unitDir;
    QStringList missing;
    QString why = build(staging, writeInfo, copies, &missing);
    if (why.isEmpty())
        why = place(staging, prefix, when, cleanName, &unitDir);
    if (!why.isEmpty()) {
        PathGuard::removeTree(staging);
        return failed(why);
    }
    StoreResult result;
    result.directory = unitDir;
    result.missingRecordings = missing;
    return result;
}

int removeLeftovers()
{
    // Real folders only: a file or a link of that name is not a save's.
    const QStringList left = QDir(measDir()).entryList({kStagingPrefix + QLatin1Char('*')},
                                                       QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    int removed = 0;
    for (const QString& name : left) {
        if (!isStagingName(name))
            continue;
        if (PathGuard::removeTree(measDir() + name).ok()) {
            qDebug() << "Measurement: a save cut off is removed:" << name;
            ++removed;
        } else {
            qDebug() << "Measurement: a save cut off could not be removed:" << name;
        }
    }
    return removed;
}

}
