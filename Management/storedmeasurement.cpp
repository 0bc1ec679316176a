#include "storedmeasurement.h"
#include "Hardware/checkedfile.h"
#include "Hardware/pathguard.h"
#include "Hardware/inifile.h"
#include "Hardware/devicelayer.h"
#include "Hardware/massstorage.h"
#include "Tools/measuremententry.h"
#include "Tools/measurements.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const char* const kNoLongerExists = QT_TRANSLATE_NOOP("MeasManagement", "TheMeasurementNoLongerExists");
const char* const kCannotBeOpened = QT_TRANSLATE_NOOP("MeasManagement", "TheMeasurementCannotBeOpened");
const char* const kEnterAName = QT_TRANSLATE_NOOP("MeasManagement", "PleaseEnterAName");
const char* const kNameInUse = QT_TRANSLATE_NOOP("MeasManagement", "AMeasurementWithThisNameExists");
const char* const kNotRenamed = QT_TRANSLATE_NOOP("MeasManagement", "TheMeasurementCouldNotBeRenamed");
const char* const kNameNotWritten = QT_TRANSLATE_NOOP("MeasManagement", "TheNameInTheInfoFileCouldNotBeChanged");
const char* const kNotDeleted = QT_TRANSLATE_NOOP("MeasManagement", "TheMeasurementCouldNotBeDeleted");

const char* const kWriter = "measurement browser";

using Result = StoredMeasurement::Result;

Result outcome(Result::Outcome how, const char* key, const QString& dirName = QString())
{
    Result r;
    r.outcome = how;
    r.error = key ? QCoreApplication::translate("MeasManagement", key) : QString();
    r.dirName = dirName;
    return r;
}

Result failed(const char* key, const QString& dirName, const QString& why)
{
    qDebug() << "MeasManagement:" << why << dirName;
    return outcome(Result::Failed, key, dirName);
}

// Listed by a name that does not lead to it alone (Measurements::Listed).
Result notItsName(const char* key, const QString& dirName, Measurements::Ambiguity ambiguity)
{
    qDebug().noquote() << "MeasManagement: not acted on by its name" << dirName << "-"
                       << Measurements::ruleOf(ambiguity).why;
    return outcome(Result::Failed, key);
}

// The one entry of that name in the measurement directory, nothing above or below it.
bool isDirectChild(const QString& dirName)
{
    return !dirName.isEmpty() && dirName != QLatin1String(".") && dirName != QLatin1String("..")
           && !dirName.contains(QLatin1Char('/')) && !dirName.contains(QChar(0));
}

QString mapped(const QString& dirName)
{
    return DeviceLayer::path(QLatin1String(Measurements::dirMeas) + dirName);
}

// Also a link whose target has gone.
bool isPresent(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The entry's info.ini with the new name in it, every other byte as it was,
// made ready in a staging folder (`*staging`, made only when needed) before
// anything of the entry is touched. `*copy` stays "" when the entry holds no
// name to change: no info.ini, or none with a name in it. "" or why not.
QString prepareName(const QString& dir, const QString& name, QString* staging, QString* copy)
{
    const QString info = dir + QLatin1String("/info.ini");
    if (!QFileInfo(dir).isDir() || CheckedFile::isMissing(info))
        return QString();
    // Read through a link inside the root too; written through none.
    if (const FileResult r = PathGuard::problem(info); !r.ok())
        return "info.ini " + r.error;
    if (const QString why = MeasurementEntry::makeStaging(staging); !why.isEmpty())
        return why;
    const FileResult r = IniFile::prepareValueChange(info, Measurements::kMaxInfoBytes, "Measurementinfo",
                                                     "Measurementname", name, *staging, copy);
    return r.ok() ? QString() : "info.ini " + r.error;
}

// The entry renamed, then its info.ini replaced by the copy; when that fails
// the entry takes its old name again, so that a name is never half changed.
// The list is ordered by the directory's time: the file changed inside must
// not move the entry to the top.
Result placeRenamed(const QString& dirName, const QString& newName, const QString& copy)
{
    const QString newPath = mapped(newName);
    struct stat before {};
    const bool timed = ::stat(QFile::encodeName(mapped(dirName)).constData(), &before) == 0;
    // What was read of an entry of the new name, deleted or renamed away
    // earlier in this process, is not this one's.
    IniFile::forget(newPath + QLatin1String("/info.ini"));
    if (const FileResult r = PathGuard::rename(mapped(dirName), newPath, PathGuard::NoReplace); !r.ok())
        return failed(kNotRenamed, dirName, "rename refused, " + r.error + ":");
    qDebug() << "MeasManagement: renamed" << dirName << "to" << newName;
    if (copy.isEmpty())
        return outcome(Result::Done, nullptr, newName);
    const FileResult named = PathGuard::rename(copy, newPath + QLatin1String("/info.ini"), PathGuard::Replace);
    if (timed) {
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ::utimensat(AT_FDCWD, QFile::encodeName(newPath).constData(), times, AT_SYMLINK_NOFOLLOW);
    }
    if (named.ok())
        return outcome(Result::Done, nullptr, newName);
    qDebug().noquote() << "MeasManagement: info.ini not replaced -" << named.error;
    if (PathGuard::rename(newPath, mapped(dirName), PathGuard::NoReplace).ok())
        return failed(kNotRenamed, dirName, "renamed back:");
    return outcome(Result::Done, kNameNotWritten, newName);
}

}

StoredMeasurement StoredMeasurement::fromDirName(const QString& dirName, Measurements::Ambiguity ambiguity)
{
    static const QRegularExpression kLayout(QStringLiteral("^(..)_([0-9]{8})_([0-9]{6})_(.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    StoredMeasurement e;
    e.m_dirName = dirName;
    e.m_ambiguity = ambiguity;
    e.m_type = Measurements::typeOf(dirName);
    const QRegularExpressionMatch m = kLayout.match(dirName);
    if (e.m_type && m.hasMatch()) {
        e.m_date = QDate::fromString(m.captured(2), QStringLiteral("yyyyMMdd"));
        e.m_time = QTime::fromString(m.captured(3), QStringLiteral("hhmmss"));
        e.m_parsed = e.m_date.isValid() && e.m_time.isValid();
        if (e.m_parsed)
            e.m_name = m.captured(4);
    }
    return e;
}

QString StoredMeasurement::typeText() const
{
    return m_type ? Measurements::typeWord(m_type->type) : QString();
}

QStringList StoredMeasurement::columns(const QString& dateFormat, const QString& timeFormat) const
{
    if (!m_parsed)
        return {typeText(), QString(), QString(), m_dirName};
    return {typeText(), m_date.toString(dateFormat), m_time.toString(timeFormat), m_name};
}

QString StoredMeasurement::openProblem(const StoredMeasurement& entry)
{
    if (!Measurements::ruleOf(entry.m_ambiguity).opens)
        return notItsName(kCannotBeOpened, entry.m_dirName, entry.m_ambiguity).error;
    return openProblem(entry.m_dirName);
}

QString StoredMeasurement::openProblem(const QString& dirName)
{
    const QList<Measurements::Listed> listed = MeasurementData()->listMeasurements();
    const bool there = std::any_of(listed.cbegin(), listed.cend(), [&dirName](const Measurements::Listed& e) {
        return Measurements::ruleOf(e.ambiguity).opens && e.name == dirName;
    });
    // Gone, or no longer a whole measurement (its info.ini went with it).
    if (!isDirectChild(dirName) || !there) {
        qDebug() << "MeasManagement: not there to open:" << dirName;
        return QCoreApplication::translate("MeasManagement", kNoLongerExists);
    }
    const QString why = QFileInfo(mapped(dirName)).isDir() ? Measurements::infoProblem(dirName)
                                                           : QStringLiteral("not a directory");
    if (why.isEmpty())
        return QString();
    qDebug().noquote() << "MeasManagement: cannot open" << dirName << "-" << why;
    return QCoreApplication::translate("MeasManagement", kCannotBeOpened);
}

StoredMeasurement::Result StoredMeasurement::rename(const QString& dirName, const QString& typedName)
{
    const StoredMeasurement entry = fromDirName(dirName);
    if (!isDirectChild(dirName) || !entry.m_parsed)
        return failed(kNotRenamed, dirName, "not a name the store wrote:");
    const QString name = Measurements::cleanName(typedName);
    if (name.isEmpty())
        return outcome(Result::Refused, kEnterAName, dirName);
    // UTC, so that no summer-time gap moves the time kept in the name.
    const QString unitDir = Measurements::directoryFor(
        dirName.left(3), QDateTime(entry.m_date, entry.m_time, Qt::UTC), name);
    if (unitDir.isEmpty())
        return failed(kNotRenamed, dirName, "no name inside the measurement directory for" + name);
    const QString newName = QFileInfo(unitDir).fileName();
    if (newName == dirName)
        return outcome(Result::Done, nullptr, dirName);
    if (!isPresent(mapped(dirName)))
        return failed(kNoLongerExists, dirName, "gone before renaming:");
    if (isPresent(mapped(newName)))
        return outcome(Result::Refused, kNameInUse, dirName);
    if (!MassStorage::mayWrite(kWriter))
        return failed(kNotRenamed, dirName, "the partition is lent, not renamed:");
    if (const QString why = PathGuard::problem(mapped(dirName)).error; !why.isEmpty())
        return failed(kNotRenamed, dirName, "the entry " + why + ", not renamed:");
    QString staging;
    QString copy;
    Result result;
    if (const QString why = prepareName(mapped(dirName), name, &staging, &copy); !why.isEmpty())
        result = failed(kNotRenamed, dirName, why + ", not renamed:");
    else
        result = placeRenamed(dirName, newName, copy);
    if (!staging.isEmpty())
        PathGuard::removeTree(staging);
    return result;
}

StoredMeasurement::Result StoredMeasurement::remove(const QString& dirName)
{
    if (!isDirectChild(dirName))
        return failed(kNotDeleted, dirName, "not an entry of the measurement directory:");
    const QString path = mapped(dirName);
    if (!isPresent(path))
        return failed(kNoLongerExists, dirName, "gone before deleting:");
    if (!MassStorage::mayWrite(kWriter))
        return failed(kNotDeleted, dirName, "the partition is lent, not deleted:");
    if (!PathGuard::removeTree(path).ok())
        return failed(kNotDeleted, dirName, "not deleted, or only in part:");
    qDebug() << "MeasManagement: deleted" << dirName;
    return outcome(Result::Done, nullptr, QString());
}

StoredMeasurement::Result StoredMeasurement::rename(const StoredMeasurement& entry, const QString& typedName)
{
    return Measurements::ruleOf(entry.m_ambiguity).changes
               ? rename(entry.m_dirName, typedName)
               : notItsName(kNotRenamed, entry.m_dirName, entry.m_ambiguity);
}

StoredMeasurement::Result StoredMeasurement::remove(const StoredMeasurement& entry)
{
    return Measurements::ruleOf(entry.m_ambiguity).changes
               ? remove(entry.m_dirName)
               : notItsName(kNotDeleted, entry.m_dirName, entry.m_ambiguity);
}
