#include "measurements.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/checkedfile.h"
#include "Hardware/inifile.h"
#include "Hardware/devicelayer.h"
#include "Hardware/gps.h"
#include "Hardware/massstorage.h"
#include "Hardware/systemclock.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "mainmenu.h"
#include "screennumbers.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMap>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iterator>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

const char* const Measurements::dirMeas = "/media/vq4100/meas/";

namespace {

// Prefix, "yyyyMMdd", "_", "hhmmss", "_" before the name in a directory name.
const int kNameOffset = 19;
const int kPoints = 10;

// Stored files never depend on the user's language.
QString number(double value, char format, int precision)
{
    if (!std::isfinite(value)) {
        qDebug() << "Measurement: a value that is not a number is stored as 0";
        value = 0.0;
    }
    return QString::number(value, format, precision);
}

// Each entry followed by "; ", the last one too.
QString valueList(const float* values, int count, char format, int precision)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += number(values[i], format, precision) + "; ";
    return text;
}

// A count the screen filled, held to its array so nothing is read beyond it.
int heldCount(int count, int capacity, const char* key)
{
    const int held = qBound(0, count, capacity);
    if (held != count)
        qDebug() << "Measurement:" << key << count << "stored as" << held;
    return held;
}

MainMenu* hub()
{
    return MainMenu::getInstanceMainMenu();
}

int micGainStep()
{
    if (!hub()) {
        qDebug() << "Measurement: no main window, microphone gain stored as 0";
        return 0;
    }
    return hub()->getMicGainStep();
}

int headphoneStep()
{
    Bluetooth* source = hub() ? hub()->getBtSourceInstance() : nullptr;
    if (!source) {
        qDebug() << "Measurement: no headphone module, headphone gain stored as 0";
        return 0;
    }
    return source->getBtExtHeadphoneGain();
}

QString infoPath(const QString& directoryName)
{
    return DeviceLayer::path(Measurements::dirMeas + directoryName + "/info.ini");
}

// One entry of the directory, read by its own bytes: two names may decode
// alike (a byte not valid in the file-name encoding reads as the replacement
// character), and then only the bytes tell the entries' times apart, and
// whether each is whole.
struct Found {
    Measurements::Listed listed;
    qint64 modified;  // ms, as QFileInfo reads it
};

using Ambiguity = Measurements::Ambiguity;

const Measurements::AmbiguityRule kAmbiguityRules[] = {
    {Ambiguity::None, "", true, true},
    {Ambiguity::NotEncoded, "its name is not valid in the file-name encoding", false, false},
    {Ambiguity::ReadsAlike, "another entry's name reads alike", true, false},
};

// A file, a directory or a link to either, as QDir lists with Files | Dirs.
// A save of an earlier make that never finished leaves a directory without
// info.ini. Anything else there is the operator's to see and delete, even
// when it cannot be read (an empty info.ini too).
bool isStored(int dir, const QByteArray& name, qint64* modified)
{
    struct stat own {};
    struct stat st {};
    if (::fstatat(dir, name.constData(), &own, AT_SYMLINK_NOFOLLOW) != 0
        || ::fstatat(dir, name.constData(), &st, 0) != 0)
        return false;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISLNK(own.st_mode))
        return false;
    struct stat info {};
    if (S_ISDIR(st.st_mode) && ::fstatat(dir, (name + "/info.ini").constData(), &info, AT_SYMLINK_NOFOLLOW) != 0
        && errno == ENOENT)
        return false;
    *modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return true;
}

QList<Found> storedEntries()
{
    const QString dir = DeviceLayer::path(Measurements::dirMeas);
    // As on the unit: whatever unmounts the partition leaves it first.
    QDir::setCurrent(dir);
    QList<Found> found;
    DIR* listing = ::opendir(QFile::encodeName(dir).constData());
    if (!listing)
        return found;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray bytes(entry->d_name);
        const QString name = QFile::decodeName(bytes);
        qint64 modified = 0;
        if (Measurements::typeOf(name) && isStored(::dirfd(listing), bytes, &modified))
            found.append({{name, QFile::encodeName(name) == bytes ? Ambiguity::None : Ambiguity::NotEncoded}, modified});
    }
    ::closedir(listing);
    return found;
}

}

// info.ini of one measurement. The gains are read before it is filled,
// date and time from one clock reading when the header is written.
class Measurements::InfoWriter
{
public:
    InfoWriter(QSettings& info, const char* type, const QString& name)
        : m_micGain(micGainStep()), m_headphoneGain(headphoneStep()), s(info)
    {
        Measurements::writeHeader(s, QLatin1String(type), name, SystemClock::now());
    }

    void points(const MeasInfoStructure& d, bool withFrequency)
    {
        s.beginGroup("Levels");
        for (int i = 1; i <= kPoints; ++i) {
            s.setValue(QString("Level_%1").arg(i), number(d.level[i], 'f', 3));
            if (withFrequency)
                s.setValue(QString("Frequency_%1").arg(i), d.frequency[i]);
        }
        s.endGroup();
    }

    void pointPositions(const MeasInfoStructure& d)
    {
        s.beginGroup("GPS-Positions");
        for (int i = 1; i <= kPoints; ++i)
            s.setValue(QString("GPS-Position_%1").arg(i), Measurements::positionText(d.posLat[i], d.posLong[i]));
        s.endGroup();
    }

    void livePosition(Gps* gps)
    {
        if (!gps)
            qDebug() << "Measurement: no GPS, position stored as 0";
        s.beginGroup("GPS-Positions");
        s.setValue("GPS-Position", gps ? Measurements::positionText(gps->getLatitude(), gps->getLongitude())
                                        : Measurements::positionText(0.0, 0.0));
        s.endGroup();
    }

    void gains()
    {
        s.beginGroup("Gains");
        s.setValue("Microphone-Gain", m_micGain);
        s.setValue("Headphone-Gain", m_headphoneGain);
        s.endGroup();
    }

    void filter(const MeasInfoStructure& d, const QString& typeText)
    {
        s.beginGroup("Filter");
        s.setValue("Filtertype", typeText);
        s.setValue("LowCutOff-Frequency", d.filterLowCutOff);
        s.setValue("HighCutOff-Frequency", d.filterHighCutOff);
        s.endGroup();
    }

    // Group "Levels_CSV": the series and the keys of its two parameters.
    void series(const MeasInfoStructure& d, const char* parameter1, const char* parameter2)
    {
        const int count = heldCount(d.arrayCnt, Measurements::kArrayCapacity, "Levels_Cnt");
        s.beginGroup("Levels_CSV");
        s.setValue("Levels_Cnt", count);
        s.setValue("Levels_Data", valueList(d.array, count, 'f', 1));
        s.setValue(parameter1, d.arrayInfoParameter_1);
        s.setValue(parameter2, d.arrayInfoParameter_2);
        s.endGroup();
    }

private:
    int m_micGain;
    int m_headphoneGain;

public:
    QSettings& s;
};

const Measurements::TypeRow Measurements::kTypes[] = {
    {Levelmeasurement, "LE_", "Levelmeasurement", Screen::Levelmeasurement,
     QT_TRANSLATE_NOOP("MainMenu", "Level"), &Measurements::writeLevelmeasurement},
    {Pinpointing, "PP_", "Histogram", Screen::Pinpointing,
     QT_TRANSLATE_NOOP("MainMenu", "Histogram"), &Measurements::writePoints},
    {Pipelocating, "PL_", "Pipelocating", Screen::Pipelocating,
     QT_TRANSLATE_NOOP("MainMenu", "Pipelocating"), &Measurements::writePoints},
    {H2Sensor, "H2_", "H2-Sensor", Screen::H2Sensor,
     QT_TRANSLATE_NOOP("MainMenu", "H2Sensor"), &Measurements::writeH2Sensor},
    {Longtermmeasurement, "LT_", "Longtermmeasurement", Screen::Longtermmeasurement,
     QT_TRANSLATE_NOOP("MainMenu", "Longterm"), &Measurements::writeLongtermmeasurement},
};

const Measurements::TypeRow* Measurements::typeRow(int type)
{
    for (const TypeRow& row : kTypes) {
        if (row.type == type)
            return &row;
    }
    return nullptr;
}

const Measurements::TypeRow* Measurements::typeOf(const QString& dirName)
{
    for (const TypeRow& row : kTypes) {
        if (dirName.startsWith(QLatin1String(row.prefix), Qt::CaseInsensitive))
            return &row;
    }
    return nullptr;
}

QString Measurements::typeWord(int type)
{
    const TypeRow* row = typeRow(type);
    return row ? QCoreApplication::translate("MainMenu", row->word) : QString();
}

Measurements* MeasurementData()
{
    static Measurements instance;
    return &instance;
}

int Measurements::storeMeasurement(int a_meastype, QString a_name, MeasInfoStructure a_additionalData)
{
    const StoreResult result = store(a_meastype, a_name, a_additionalData);
    reportFailure(result);
    return result.code;
}

void Measurements::reportFailure(const StoreResult& result)
{
    if (result.failed())
        showMessage(MessageDialog::IconError, tr("Error"), result.error);
}

StoreResult Measurements::store(int a_meastype, QString a_name, const MeasInfoStructure& a_additionalData)
{
    // Before the count: the partition is not there to count.
    if (!MassStorage::mayWrite(dirMeas))
        return MeasurementEntry::failed("the partition is lent to a PC");
    StoreResult result;
    const int stored = getNumMeasurements();
    const QString count = QString("\n(%1 / %2)").arg(stored).arg(maxNumMeasurements);
    if (stored >= warnNumMeasurements && stored < maxNumMeasurements) {
        showMessage(MessageDialog::IconWarning, tr("Warning"),
                    tr("OnlyAfewMeasurementsCanBeStored")
                        + count);
    } else if (stored >= maxNumMeasurements) {
        showMessage(MessageDialog::IconError, tr("Error"),
                    tr("NoMoreMeasurementsCanBeStored")
                        + count);
        result.code = -1;
        return result;
    }

    if (a_name.isEmpty())
        a_name = QString("M%1").arg(stored + 1);

    // One reading, so a save at midnight does not get the old date.
    const QDateTime now = SystemClock::now();
    m_gpsModul = hub() ? hub()->getGpsInstance() : nullptr;

    const TypeRow* type = typeRow(a_meastype);
    if (!type)
        return result;
    const QString name = cleanName(a_name);
    const auto writeInfo = [this, type, &name, &a_additionalData](QSettings& info) {
        InfoWriter w(info, type->infoName, name);
        (this->*type->writer)(w, a_additionalData);
    };
    QStringList missing;
    const QList<MeasurementEntry::Copy> copies = recordings(a_meastype, a_additionalData, &missing);
    StoreResult entry = MeasurementEntry::store(QLatin1String(type->prefix), now, name, writeInfo, copies);
    if (!entry.failed())
        entry.missingRecordings = missing + entry.missingRecordings;
    return entry;
}

QString Measurements::failedText()
{
    return tr("MeasurementCouldNotBeStored");
}

QString Measurements::storedWithoutSoundText()
{
    return tr("MeasurementStoredWithoutRecording");
}

QString Measurements::cannotPlayText()
{
    return tr("RecordingCannotBePlayed");
}

int Measurements::getNumMeasurements()
{
    const int count = storedEntries().size();
    qDebug() << "NumMeas:" << count;
    return count;
}

QList<Measurements::Listed> Measurements::listMeasurements()
{
    QList<Found> entries = storedEntries();
    std::sort(entries.begin(), entries.end(), [](const Found& a, const Found& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.listed.name < b.listed.name;
    });
    QHash<QString, int> named;
    for (const Found& entry : entries)
        ++named[entry.listed.name];
    QList<Listed> listed;
    for (const Found& entry : entries) {
        listed << entry.listed;
        // Rows that show alike: neither is acted on in place of the other.
        if (listed.last().ambiguity == Ambiguity::None && named.value(entry.listed.name) > 1)
            listed.last().ambiguity = Ambiguity::ReadsAlike;
    }
    return listed;
}

const Measurements::AmbiguityRule& Measurements::ruleOf(Ambiguity kind)
{
    return *std::find_if(std::cbegin(kAmbiguityRules), std::cend(kAmbiguityRules),
                         [kind](const AmbiguityRule& rule) { return rule.kind == kind; });
}

QStringList Measurements::getMeasurementList()
{
    QStringList names;
    for (const Listed& entry : listMeasurements())
        names << entry.name;
    return names;
}

QString Measurements::cleanName(const QString& name)
{
    static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
    QString clean = name.trimmed();
    for (QChar& c : clean)
        if (kUnsafe.contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');

    const int room = kMaxNameBytes - kNameOffset;
    int bytes = 0;
    int end = 0;
    while (end < clean.size()) {
        const bool pair = clean.at(end).isHighSurrogate() && end + 1 < clean.size()
                          && clean.at(end + 1).isLowSurrogate();
        const int length = pair ? 2 : 1;
        const int size = clean.midRef(end, length).toUtf8().size();
        if (bytes + size > room)
            break;
        bytes += size;
        end += length;
    }
    clean.truncate(end);
    return clean.trimmed();
}

QString Measurements::directoryFor(const QString& prefix, const QDateTime& when, const QString& name)
{
    const QLocale c = QLocale::c();
    const QString unitDir = dirMeas + prefix + c.toString(when, "yyyyMMdd") + "_" + c.toString(when, "hhmmss") + "_" + name;
    const QString root = QDir::cleanPath(DeviceLayer::path(dirMeas));
    if (QFileInfo(QDir::cleanPath(DeviceLayer::path(unitDir))).path() != root)
        return QString();
    return unitDir;
}

void Measurements::writeHeader(QSettings& info, const QString& type, const QString& name, const QDateTime& when)
{
    const QLocale c = QLocale::c();
    info.beginGroup("Measurementinfo");
    info.setValue("Measurementtype", type);
    info.setValue("Measurementname", name);
    info.setValue("Measurementdate", c.toString(when, "dd.MM.yyyy"));
    info.setValue("Measurementtime", c.toString(when, "hh:mm:ss"));
    info.setValue("Firmwareversion", QLatin1String(Systemsettings::kFirmwareVersion));
    info.endGroup();
}

QString Measurements::positionText(double latitude, double longitude)
{
    return QString("%1, %2").arg(number(latitude, 'f', 6), number(longitude, 'f', 6));
}

double Measurements::readNumber(const QSettings& info, const QString& key)
{
    bool ok = false;
    const double value = info.value(key).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString Measurements::readText(const QSettings& info, const QString& key)
{
    const QVariant value = info.value(key);
    return value.type() == QVariant::StringList ? value.toStringList().join(QLatin1String(", "))
                                                : value.toString();
}

void Measurements::readFilter(const QSettings& info, quint32* low, quint32* high, int* type)
{
    const QString text = info.value("Filter/Filtertype").toString();
    *type = text == QLatin1String("Bandpass") ? 1 : text == QLatin1String("Bandstop") ? 2 : 0;
    if (*type == 0) {
        *low = 0;
        *high = 4000;
        return;
    }
    const auto corner = [&info](const char* key) {
        return quint32(qBound(0.0, readNumber(info, QLatin1String(key)),
                              double(std::numeric_limits<quint32>::max())));
    };
    *low = corner("Filter/LowCutOff-Frequency");
    *high = corner("Filter/HighCutOff-Frequency");
}

QString Measurements::infoProblem(const QString& directoryName)
{
    if (directoryName.isEmpty() || directoryName.contains(QLatin1Char('/'))
        || directoryName.startsWith(QLatin1Char('.')))
        return "not a measurement directory";
    const QString path = infoPath(directoryName);
    if (CheckedFile::isMissing(path))
        return "no info.ini";
    if (QFileInfo(path).size() == 0 && QFileInfo(path).isFile())
        return "info.ini is empty";
    const QString why = IniFile::problem(path, kMaxInfoBytes).error;
    return why.isEmpty() ? why : "info.ini " + why;
}

std::unique_ptr<QSettings> Measurements::openInfo(const QString& directoryName, QString* error)
{
    const QString why = infoProblem(directoryName);
    if (error)
        *error = why;
    if (!why.isEmpty()) {
        qDebug().noquote() << "Measurement" << directoryName << "not read:" << why;
        return nullptr;
    }
    return std::make_unique<QSettings>(infoPath(directoryName), QSettings::IniFormat);
}

int Measurements::readValueList(const QSettings& info, const QString& countKey,
                                const QString& listKey, float* out, int capacity)
{
    const int wanted = int(qBound(0.0, readNumber(info, countKey), double(capacity)));
    const QString list = info.value(listKey).toString();
    // Up to the count, not beyond: the list may be far longer than it says.
    int count = 0;
    for (int from = 0; count < wanted && from <= list.size();) {
        int end = list.indexOf(QLatin1Char(';'), from);
        if (end < 0)
            end = list.size();
        const QStringRef entry = list.midRef(from, end - from).trimmed();
        from = end + 1;
        // An empty entry keeps its place and reads 0; only what follows the
        // last ";" (the list ends in "; ") is not a value.
        if (entry.isEmpty() && end == list.size())
            break;
        bool ok = false;
        const float value = entry.toFloat(&ok);
        out[count++] = ok && std::isfinite(value) ? value : 0.0f;
    }
    return count;
}

void Measurements::writeLevelmeasurement(InfoWriter& w, const MeasInfoStructure& d)
{
    w.s.beginGroup("Levels");
    w.s.setValue("Level", number(d.level[0], 'f', 3));
    w.s.setValue("Frequency", d.frequency[0]);
    w.s.endGroup();
    w.livePosition(m_gpsModul);
    w.gains();
    w.filter(d, convertFilterTypeToText(d.filterType));
    const int size = heldCount(d.fftSize, kFftCapacity, "FFT-Size");
    w.s.beginGroup("FFT");
    w.s.setValue("Samplerate", d.sampleRate);
    w.s.setValue("FFT-Size", size);
    w.s.setValue("FFT-Values", valueList(d.fft, size, 'g', 6));
    w.s.endGroup();
}

// Pinpointing and pipe locating alike.
void Measurements::writePoints(InfoWriter& w, const MeasInfoStructure& d)
{
    w.points(d, true);
    w.pointPositions(d);
    w.gains();
    w.filter(d, convertFilterTypeToText(d.filterType));
}

void Measurements::writeH2Sensor(InfoWriter& w, const MeasInfoStructure& d)
{
    w.points(d, false);
    w.series(d, "H2-ReferenceLevel", "H2-MaxRange");
    w.pointPositions(d);
    w.gains();
}

void Measurements::writeLongtermmeasurement(InfoWriter& w, const MeasInfoStructure& d)
{
    w.livePosition(m_gpsModul);
    w.gains();
    w.filter(d, convertFilterTypeToText(d.filterType));
    w.series(d, "SelectedTime", "MaxVisibleData");
}

QString Measurements::convertFilterTypeToText(int a_filterType)
{
    switch (a_filterType) {
    case 0: return QStringLiteral("NoFilter");
    case 1: return QStringLiteral("Bandpass");
    case 2: return QStringLiteral("Bandstop");
    default: return QStringLiteral("unknown");
    }
}

QList<MeasurementEntry::Copy> Measurements::recordings(int type, const MeasInfoStructure& d,
                                                       QStringList* missing)
{
    QMap<int, QString> names; // by the index of their level
    if (type == Levelmeasurement)
        names[0] = "LE_sound";
    for (int i = 1; type == Pinpointing && i <= kPoints; ++i)
        if (d.level[i] > 0.0f && d.frequency[i] > 0)
            names[i] = QString("PP_Sound_%1").arg(i);
    QList<MeasurementEntry::Copy> copies;
    for (auto name = names.cbegin(); name != names.cend(); ++name) {
        const MeasurementEntry::Copy copy{AudioWorker::recordingPath(*name), *name + ".wav"};
        if (!d.soundMissing[name.key()]) {
            copies.append(copy);
            continue;
        }
        qDebug() << "Measurement: no recording" << copy.source << "(what is there is not this one's)";
        *missing << copy.fileName;
    }
    return copies;
}

void Measurements::showMessage(int icon, const QString& headline, const QString& text)
{
    MessageDialog dialog(nullptr);
    dialog.setIcon(icon);
    dialog.setHeadline(headline);
    dialog.setDialogType(MessageDialog::TypeOk);
    dialog.setInfotext(text);
    dialog.exec();
    if (dialog.getPressedButton() != MessageDialog::ResultOk)
        qDebug() << "Ende Button Unknown";
    else if (icon == MessageDialog::IconWarning)
        qDebug() << "Message Measurement Warning closed";
    else
        qDebug() << "Message Measurement Error closed";
}
