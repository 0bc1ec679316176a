#include "pressurefiles.h"
#include "Hardware/pathguard.h"
#include "Hardware/devicelayer.h"
#include "Hardware/massstorage.h"
#include "Hardware/systemclock.h"
#include "Tools/measurements.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

namespace PressureFiles {

const char* const kTempDir = "/media/vq4100/temp/";
const char* const kHighRes = "/media/vq4100/temp/pressureHighRes.txt";
const char* const kLowRes = "/media/vq4100/temp/pressureLowRes.txt";

namespace {

QString bar(float value)
{
    return QString::number(double(value), 'f', 2);
}

QString recordTime(const QDateTime& when)
{
    return QLocale::c().toString(when, "hh:mm:ss");
}

QString highResText(const QString& recordTime, const QVector<float>& values)
{
    QString text;
    text.reserve(values.size() * 6 + 12);
    if (!recordTime.isEmpty())
        text += "\r\n" + recordTime + ";";
    for (float v : values)
        text += bar(v) + ";";
    return text;
}

QString lowResLine(const QString& recordTime, const PressureData::Statistics& s)
{
    return QString("%1;%2;%3;%4;%5;\r\n")
        .arg(recordTime, bar(s.max), bar(s.min), bar(s.average), bar(s.deviation));
}

}

bool makeTempDir()
{
    if (!MassStorage::mayWrite(kTempDir))
        return false;
    const QString dir = QDir::cleanPath(DeviceLayer::path(QLatin1String(kTempDir)));
    // A link in its place would have the live files written and deleted
    // wherever it points: it goes, as a link, for a real folder.
    if (QFileInfo(dir).isSymLink()) {
        qDebug() << "PressureSensor: a link in place of" << kTempDir << "is replaced by a folder";
        PathGuard::removeTree(dir);
    }
    const FileResult made = PathGuard::makePath(dir);
    if (made.ok())
        return true;
    qDebug().noquote() << "PressureSensor: could not create" << kTempDir << "-" << made.error;
    return false;
}

static bool append(const char* unitPath, const QString& text)
{
    if (!MassStorage::mayWrite(unitPath))
        return false;
    int fd = -1;
    FileResult r = PathGuard::openForAppending(DeviceLayer::path(QLatin1String(unitPath)), &fd);
    if (!r.ok()) {
        qDebug().noquote() << "Could not open file:" << unitPath << "-" << r.error;
        return false;
    }
    if (r = PathGuard::appendWhole(fd, text.toLatin1()); !r.ok()) {
        qDebug().noquote() << "Could not write file:" << unitPath << "-" << r.error;
        return false;
    }
    return true;
}

bool appendBlock(const PressureData::Block& block, const PressureData& data)
{
    const QString time = block.beginsRecord ? recordTime(SystemClock::now()) : QString();
    bool ok = append(kHighRes, highResText(time, block.values));
    if (block.beginsRecord)
        ok = append(kLowRes, lowResLine(time, data.statistics(0, data.count()))) && ok;
    return ok;
}

void removeLive()
{
    if (!makeTempDir())
        return;
    PathGuard::removeTree(DeviceLayer::path(QLatin1String(kHighRes)));
    PathGuard::removeTree(DeviceLayer::path(QLatin1String(kLowRes)));
}

StoreResult save(const QString& name, const PressureData::Calibration& c, double latitude, double longitude)
{
    const QDateTime now = SystemClock::now();
    const QString cleaned = Measurements::cleanName(name);
    const auto writeInfo = [&](QSettings& info) {
        Measurements::writeHeader(info, "Pressuresensor", cleaned, now);
        info.beginGroup("GPS-Positions");
        info.setValue("GPS-Position", Measurements::positionText(latitude, longitude));
        info.endGroup();
        info.beginGroup("Pressuresensor");
        info.setValue("Sensor", QString("%1 bar").arg(double(c.fullScale), 0, 'f', 1));
        info.setValue("MinCalibrationValue", c.adMin);
        info.setValue("MaxCalibrationValue", c.adMax);
        info.endGroup();
    };
    return MeasurementEntry::store("PS_", now, cleaned, writeInfo,
                                   {{kLowRes, "LowResData.txt"}, {kHighRes, "HighResData.txt"}});
}

}
