#ifndef MEASUREMENTENTRY_H
#define MEASUREMENTENTRY_H

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QSettings;

// What a save came to: the entry made, or the text the operator is shown.
struct StoreResult
{
    int code = 0;       // 0 stored (or nothing to store), -1 refused by the limit, -2 failed
    QString directory;  // unit path of the entry made
    QString error;      // empty unless it failed
    // The recordings the entry was to take and has not (file names in it):
    // missing, or known not to be this measurement's. Only of an entry made.
    QStringList missingRecordings;
    bool failed() const { return !error.isEmpty(); }
};

// One stored measurement directory, made whole or not at all. It is built
// in a hidden staging directory beside the stored ones (on the same file
// system, never listed): info.ini written and read back, every copy
// committed and its size checked, the directory flushed; then it is renamed
// to its name in one step. Any failure removes the staging directory and
// leaves every earlier entry as it was. A name taken already (the same name
// saved twice within a second) is never written into: the entry takes the
// next free second in its name.
namespace MeasurementEntry {

struct Copy {
    QString source;    // unit path; a missing source is not copied (and listed as missing)
    QString fileName;  // its name in the entry
};

// Fills info.ini; the entry reads it back and compares.
using InfoWriter = std::function<void(QSettings& info)>;

// "<dirMeas><prefix><yyyyMMdd>_<hhmmss>_<cleanName>".
StoreResult store(const QString& prefix, const QDateTime& when, const QString& cleanName,
                  const InfoWriter& writeInfo, const QList<Copy>& copies);

// Makes a hidden folder for work in progress beside the stored entries (on
// their file system, never listed; what a crash leaves of it goes with
// removeLeftovers()). "" or why not.
QString makeStaging(QString* path);

// Writes info.ini in the directory `dir` (a path below the device root) by
// `fill`, read back and compared before it takes the place of the one there:
// a partition that fills up leaves the old file as it was. "" or why not.
QString writeInfo(const QString& dir, const InfoWriter& fill);

// A save that failed, logged with why.
StoreResult failed(const QString& why);

// Removes what saves cut off (a crash, power lost) left: one log line each.
// Only folders of the staging name's form go; a file, a link or another
// name beginning alike is a PC's and stays. At start and before each save.
// Returns how many.
int removeLeftovers();

}

#endif
