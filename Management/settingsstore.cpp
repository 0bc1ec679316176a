#include "settingsstore.h"
#include "Hardware/checkedfile.h"
#include "Hardware/inifile.h"
#include "Hardware/pathguard.h"
#include "Hardware/devicelayer.h"
#include "screennumbers.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <cerrno>

int g_debugFeatures = 0;

const char* const SettingsStore::kSettingsFile = "/home/root/settings.ini";

const SettingsStore::Flag SettingsStore::kDialogFlags[24] = {
    {"LevelMeasurement_ShowFft", &SettingsStore::m_levelMeasShowFft, true},
    {"LevelMeasurement_ShowFrequencyValue", &SettingsStore::m_levelMeasShowFrequencyValue, true},
    {"LevelMeasurement_UseFrequencyColorForLevelbar", &SettingsStore::m_levelMeasUseFrequColorForBar, false},
    {"LevelMeasurement_ShowPeakLevelBar", &SettingsStore::m_levelMeasShowPeakLevelBar, false},
    {"Pinpointing_ShowFrequencyValue", &SettingsStore::m_pinpointingShowFrequencyValuePP, true},
    {"Pinpointing_UseFrequencyColorForLevelbar", &SettingsStore::m_pinpointingUseFrequencyColorForLevelbarPP, false},
    {"Pinpointing_ShowFilterParameter", &SettingsStore::m_pinpointingShowFilterParameter, true},
    {"Pinpointing_DynamicScaling", &SettingsStore::m_pinpointingDynamicScaling, true},
    {"Longterm_ShowFrequencyValue", &SettingsStore::m_longtermShowFrequencyValueLT, true},
    {"Longterm_UseFrequencyColorForLevelbar", &SettingsStore::m_longtermUseFrequencyColorForLevelbarLT, false},
    {"Longterm_ShowGrid", &SettingsStore::m_longtermShowGridLT, true},
    {"Longterm_ShowFilterParameter", &SettingsStore::m_longtermShowFilterParameterLT, true},
    {"H2Sensor_ShowHistogram", &SettingsStore::m_h2ShowHistogramH2, true},
    {"H2Sensor_ShowGrid", &SettingsStore::m_h2ShowGridH2, false},
    {"H2Sensor_DynamicScaling", &SettingsStore::m_h2DynamicScaling, true},
    {"H2Sensor_ShowWorkingRange", &SettingsStore::m_h2ShowWorkingRangeH2, false},
    {"Pipelocating_ShowFft", &SettingsStore::m_pipelocatingShowFftPL, false},
    {"Pipelocating_UseFrequencyColorForLevelbar", &SettingsStore::m_pipelocatingUseFrequencyColorForLevelbarPL, false},
    {"Pipelocating_ShowFrequencyValue", &SettingsStore::m_pipelocatingShowFrequencyValuePL, true},
    {"Pipelocating_ShowFilterParameter", &SettingsStore::m_pipelocatingShowFilterParameterPL, true},
    {"Startup_UseFavouriteForStartup", &SettingsStore::m_startupUseFavouriteForStartup, false},
    {"Startup_UseFilterForStartup", &SettingsStore::m_startupUseFilterForStartup, false},
    {"Startup_UseGpsForStartup", &SettingsStore::m_startupUseGpsForStartup, true},
    {"Startup_UseTouchForStartup", &SettingsStore::m_startupUseTouchForStartup, true},
};

namespace {

// The keys besides the dialog flags.
const char* const kValueKeys[] = {
    "Bluetooth/Headphone_Name", "Bluetooth/Headphone_ID", "Bluetooth/Microphone_Name",
    "Bluetooth/Microphone_ID", "Debug/Debugfeatures", "Local-Settings/Language",
    "Local-Settings/Timezone", "Local-Settings/TimezoneNum", "Local-Settings/TimezoneOffset",
    "Local-Settings/DaylightSavingTime", "Local-Settings/Dateformat", "Local-Settings/DateTimeSource",
    "Systemsettings/Switchmode", "Systemsettings/FavouriteButton", "Systemsettings/Brightness",
    "Systemsettings/PowerOffTime", "Systemsettings/DisplayOffTime", "Systemsettings/HearingProtection",
    "Systemsettings/HeadphoneVolumeOffset"};

const int kLowestBrightness = 5;
const int kHighestBrightness = 7;

int offeredOr(const QVector<int>& offered, int seconds, int fallback)
{
    if (seconds == -1)
        return 0;
    return offered.contains(seconds) ? seconds : fallback;
}

}

// What the library reads from a file it may parse: texts, bytes and lists
// of them, which it writes back as it read them. Anything else it would
// write in a form the next read refuses.
bool SettingsStore::isPlain(const QVariant& value)
{
    const auto plainItem = [](const QVariant& v) { return v.type() == QVariant::String || v.type() == QVariant::ByteArray; };
    if (value.type() == QVariant::StringList)
        return true;
    if (value.type() == QVariant::List) {
        const QVariantList items = value.toList();
        return items.size() != 1 && std::all_of(items.begin(), items.end(), plainItem);
    }
    return plainItem(value);
}

bool SettingsStore::isStoreKey(const QString& key)
{
    if (std::find(std::begin(kValueKeys), std::end(kValueKeys), key) != std::end(kValueKeys))
        return true;
    return std::any_of(std::begin(kDialogFlags), std::end(kDialogFlags), [&key](const Flag& f) {
        return key == QLatin1String("Dialogconfiguration/") + QLatin1String(f.key);
    });
}

// A store killed between writing its files beside the settings file and the
// rename leaves them behind: the part file (and the settings library's own
// temporary file of it) and the read-back copies, all regular files. Nothing
// else beside the file is the program's: a service engineer's copy stays,
// whatever its name, as does a folder or a link under one of these names.
void SettingsStore::removeStoreLeftovers()
{
    const QFileInfo file(DeviceLayer::path(kSettingsFile));
    static const QRegularExpression leftover("^" + QRegularExpression::escape(file.fileName())
                                             + "\\.(new[0-9]+|(new[0-9]+\\.)?part(\\.[A-Za-z0-9]{6})?)$");
    const QDir dir = file.dir();
    // Regular files only: neither System (FIFOs, sockets) nor links are listed.
    for (const QString& name : dir.entryList({file.fileName() + ".*"}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (leftover.match(name).hasMatch() && PathGuard::removeFile(dir.filePath(name)).ok())
            qDebug() << "Settings store leftover removed:" << name;
    }
}

// A file QSettings cannot parse or must not parse (a typed value, which it
// would decode at any cost), one without any of the store's keys (empty,
// garbage) or a huge one would read as zeros everywhere and be stored back
// so: why, or done. What cannot be read (missing, not a file, no access) is
// not judged here. The verdict comes from the bytes, never from what the
// library remembers of an earlier parse, so it is the same however often.
FileResult SettingsStore::usability(const QString& path)
{
    const QFileInfo file(path);
    if (file.isFile() && file.size() > kMaxFileBytes)
        return FileResult::fail(QString("holds %1 bytes").arg(file.size()));
    QByteArray text;
    if (!CheckedFile::read(path, kMaxFileBytes, &text).ok())
        return FileResult::done();
    if (const QString typed = IniFile::typedValue(text); !typed.isEmpty())
        return FileResult::fail(typed);
    if (const FileResult r = IniFile::parseProblem(text); !r.ok())
        return r;
    const QStringList keys = QSettings(path, QSettings::IniFormat).allKeys();
    if (std::none_of(keys.begin(), keys.end(), isStoreKey))
        return FileResult::fail("holds none of the store's keys");
    return FileResult::done();
}

// An unusable file is kept aside under the next free number, and the
// unit goes on as without one; one kept earlier is never replaced nor
// removed, as it may hold the unit's settings. Then done when the file may
// be read and written back (or is missing). Not so for one that cannot be
// read (a transient fault, a service copy in progress) nor for an unusable
// one that could not be moved: it stays as it is, and each later load and
// store judges it again.
FileResult SettingsStore::settleFile()
{
    const QString path = DeviceLayer::path(kSettingsFile);
    if (CheckedFile::isMissing(path))
        return FileResult::done();
    if (const FileResult why = usability(path); !why.ok())
        return setAside(path, why.error) ? FileResult::done() : why;
    return CheckedFile::problem(path, kMaxFileBytes);
}

bool SettingsStore::setAside(const QString& path, const QString& why)
{
    for (int n = 1;; ++n) {
        const QString aside = path + (n == 1 ? QString(".bad") : QString(".bad.%1").arg(n));
        const FileResult r = PathGuard::rename(path, aside, PathGuard::NoReplace);
        if (r.ok()) {
            qDebug().noquote() << "Unusable settings file kept as" << aside << "-" << why;
            return true;
        }
        // Whatever holds the name stays as it is.
        if (r.errnum != EEXIST && r.errnum != ENOTEMPTY) {
            qDebug().noquote() << "Unusable settings file could not be set aside:" << path << "-" << r.error
                               << "-" << why;
            return false;
        }
    }
}

void SettingsStore::loadSystemsettings()
{
    // QSettings reads a missing or unreadable file as empty: the values in
    // use would become zeros (power-off never, no time zone).
    if (!settleFile().ok() || CheckedFile::isMissing(DeviceLayer::path(kSettingsFile))) {
        qDebug() << "Settings file missing or unreadable, keeping the values in use:"
                 << DeviceLayer::path(kSettingsFile);
        return;
    }
    QSettings s(DeviceLayer::path(kSettingsFile), QSettings::IniFormat);

    s.beginGroup("Bluetooth");
    m_btNameHeadphone = s.value("Headphone_Name").toString().trimmed();
    m_btIdHeadphone = s.value("Headphone_ID").toString().trimmed();
    m_btNameMicrophone = s.value("Microphone_Name").toString().trimmed();
    m_btIdMicrophone = s.value("Microphone_ID").toString().trimmed();
    s.endGroup();

    s.beginGroup("Debug");
    g_debugFeatures = s.value("Debugfeatures").toInt();
    s.endGroup();

    s.beginGroup("Local-Settings");
    m_selectedLanguageNum = s.value("Language").toInt();
    m_timezoneName = s.value("Timezone").toString();
    m_timezoneNum = s.value("TimezoneNum").toInt();
    m_timezoneOffset = s.value("TimezoneOffset").toInt();
    m_daylightSavingTime = s.value("DaylightSavingTime").toInt();
    m_daylightSavingTimeOffset = (m_daylightSavingTime == 1) ? 3600 : 0;
    m_dateFormat = s.value("Dateformat").toString();
    m_dateTimeSource = s.value("DateTimeSource").toString();
    s.endGroup();

    s.beginGroup("Systemsettings");
    m_switchmode = s.value("Switchmode").toString();
    m_favouriteButton = s.value("FavouriteButton").toInt();
    m_brightness = s.value("Brightness").toInt();
    m_powerOffTime = s.value("PowerOffTime").toInt();
    m_displayOffTime = s.value("DisplayOffTime").toInt();
    m_hearingProtection = s.value("HearingProtection").toBool();
    m_headphoneVolumeOffset = s.value("HeadphoneVolumeOffset").toInt();
    s.endGroup();

    s.beginGroup("Dialogconfiguration");
    for (const Flag& f : kDialogFlags)
        this->*(f.member) = s.value(f.key, f.defaultValue).toBool();
    s.endGroup();
}

bool SettingsStore::storeSystemsettings()
{
    // Also a file turned unusable since it was loaded is set aside here.
    if (const FileResult r = settleFile(); !r.ok()) {
        qDebug().noquote() << "Settings file exists but cannot be used, not overwritten:"
                           << DeviceLayer::path(kSettingsFile) << "-" << r.error;
        return false;
    }
    // Only values the unit can use go back into the file.
    m_brightness = getBrightness();
    m_powerOffTime = getPowerOffTime();
    m_displayOffTime = getDisplayOffTime();

    // Written beside the old file and put in its place only when it reads
    // back whole: a power loss or a full partition leaves the old file.
    // Keys the store does not know (a service file's) are kept.
    const QString path = DeviceLayer::path(kSettingsFile);
    const bool keepOld = !CheckedFile::isMissing(path);
    const QString why = IniFile::write(path, [&](QSettings& s) {
        if (keepOld) {
            const QSettings old(path, QSettings::IniFormat);
            for (const QString& key : old.allKeys()) {
                const QVariant value = old.value(key);
                if (isPlain(value))
                    s.setValue(key, value);
                else
                    qDebug() << "Settings file: a value the store cannot write back is left out:" << key;
            }
        }
        fill(s);
    }, kMaxFileBytes).error;
    if (!why.isEmpty()) {
        qDebug().noquote() << "Settings file could not be written:" << kSettingsFile << why;
        return false;
    }
    return true;
}

void SettingsStore::fill(QSettings& s) const
{
    s.beginGroup("Bluetooth");
    s.setValue("Headphone_Name", m_btNameHeadphone.trimmed());
    s.setValue("Headphone_ID", m_btIdHeadphone.trimmed());
    s.setValue("Microphone_Name", m_btNameMicrophone.trimmed());
    s.setValue("Microphone_ID", m_btIdMicrophone.trimmed());
    s.endGroup();

    s.beginGroup("Debug");
    s.setValue("Debugfeatures", g_debugFeatures);
    s.endGroup();

    s.beginGroup("Local-Settings");
    s.setValue("Language", m_selectedLanguageNum);
    s.setValue("Timezone", m_timezoneName.trimmed());
    s.setValue("TimezoneNum", m_timezoneNum);
    s.setValue("TimezoneOffset", m_timezoneOffset);
    s.setValue("DaylightSavingTime", m_daylightSavingTime);
    s.setValue("Dateformat", m_dateFormat.trimmed());
    s.setValue("DateTimeSource", m_dateTimeSource.trimmed());
    s.endGroup();

    s.beginGroup("Systemsettings");
    s.setValue("Switchmode", m_switchmode.trimmed());
    s.setValue("FavouriteButton", m_favouriteButton);
    s.setValue("Brightness", m_brightness);
    s.setValue("PowerOffTime", m_powerOffTime);
    s.setValue("DisplayOffTime", m_displayOffTime);
    s.setValue("HearingProtection", QVariant(m_hearingProtection));
    s.setValue("HeadphoneVolumeOffset", m_headphoneVolumeOffset);
    s.endGroup();

    s.beginGroup("Dialogconfiguration");
    for (const Flag& f : kDialogFlags)
        s.setValue(f.key, QVariant(this->*(f.member)));
    s.endGroup();
}

void SettingsStore::setDefaultValues()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    m_selectedLanguageNum = 1;
    g_debugFeatures = 0;
    m_timezoneName = QCoreApplication::translate("Systemsettings", "Berlin") + " (+1 h)";
    m_timezoneNum = 13;
    m_timezoneOffset = 3600;
    m_daylightSavingTime = 0;
    m_dateFormat = "DDMMYYYY";
    m_dateTimeSource = "GPS";
    m_switchmode = "Switch";
    m_favouriteButton = 2;
    m_brightness = kDefaultBrightness;
    m_powerOffTime = kDefaultPowerOffTime;
    m_displayOffTime = kDefaultDisplayOffTime;
    m_hearingProtection = false;
    m_headphoneVolumeOffset = 0;
    for (const Flag& f : kDialogFlags)
        this->*(f.member) = f.defaultValue;
}

bool SettingsStore::resetToDefaultSettings()
{
    setDefaultValues();
    return storeSystemsettings();
}

void SettingsStore::start()
{
    removeStoreLeftovers();
    const FileResult r = settleFile();
    const QString file = DeviceLayer::path(kSettingsFile);
    if (CheckedFile::isMissing(file)) {
        qDebug() << "File für Systemeinstellungen mit Defaultwerten erzeugen";
        resetToDefaultSettings();
    } else if (!r.ok()) {
        // Keep the file for the service engineer; run on defaults.
        qDebug().noquote() << "Settings file cannot be read, using defaults:" << file << "-" << r.error;
        setDefaultValues();
        return;
    }
    loadSystemsettings();
}

int SettingsStore::setFavouriteButton(int num)
{
    if (!Screen::isFavourite(num))
        return -1;
    m_favouriteButton = num;
    return storeSystemsettings() ? 0 : -2;
}

bool SettingsStore::clearBtHeadphone()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    return storeSystemsettings();
}

bool SettingsStore::clearBtMicrophone()
{
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    return storeSystemsettings();
}

const QVector<int>& SettingsStore::powerOffTimes()
{
    static const QVector<int> times{600, 1800, 3600, 7200, 10800, 0};
    return times;
}

const QVector<int>& SettingsStore::displayOffTimes()
{
    static const QVector<int> times{30, 60, 300, 600, 1800, 0};
    return times;
}

int SettingsStore::validPowerOffTime(int seconds)
{
    return offeredOr(powerOffTimes(), seconds, kDefaultPowerOffTime);
}

int SettingsStore::validDisplayOffTime(int seconds)
{
    return offeredOr(displayOffTimes(), seconds, kDefaultDisplayOffTime);
}

int SettingsStore::validBrightness(int level)
{
    if (level <= 0)
        return kDefaultBrightness;
    return qBound(kLowestBrightness, level, kHighestBrightness);
}

QString SettingsStore::getFormatStringDate() const
{
    const QString f = m_dateFormat.trimmed();
    if (f == QLatin1String("YYYYMMDD"))
        return QStringLiteral("yyyy-MM-dd");
    if (f == QLatin1String("MMDDYYYY"))
        return QStringLiteral("MM/dd/yyyy");
    return QStringLiteral("dd.MM.yyyy");
}

int SettingsStore::getFavouriteButton(QString* text)
{
    const QString t = getFavButTextFromNum(m_favouriteButton);
    if (text)
        *text = t;
    return m_favouriteButton;
}

int SettingsStore::convertDateFormatToInt(QString format) const
{
    if (format == QLatin1String("DDMMYYYY"))
        return 0;
    if (format == QLatin1String("YYYYMMDD"))
        return 1;
    if (format == QLatin1String("MMDDYYYY"))
        return 2;
    return -1;
}

int SettingsStore::convertDateTimeSourceToInt(QString source) const
{
    if (source == QLatin1String("GPS"))
        return 0;
    if (source == QLatin1String("MAN"))
        return 1;
    return -1;
}

QString SettingsStore::convertTimeToText(int seconds)
{
    const unsigned int s = static_cast<unsigned int>(seconds);
    if (s == 0)
        return QCoreApplication::translate("Systemsettings", "never");
    if (s < 60)
        return QString::number(s) + " s";
    if (s < 3600)
        return QString::number(s / 60) + " min";
    if (s < 86400)
        return QString::number(s / 3600) + " h";
    return QStringLiteral("---");
}

QString SettingsStore::getLanguageName(int num) const
{
    // Greece has no English text: its key shows, as on the unit.
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("LanguageSelect", "English"),
        QT_TRANSLATE_NOOP("LanguageSelect", "German"),
        QT_TRANSLATE_NOOP("LanguageSelect", "French"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Italian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Spanish"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Chinese"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Czech"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Hungarian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Russian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Slovenian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Japanese"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Polish"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Portuguese"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Romanian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Slovakian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Swedish"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Suomi"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Danish"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Norwegian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Bulgarian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Croatian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Korean"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Serbian"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Turkish"),
        QT_TRANSLATE_NOOP("LanguageSelect", "Ukrainian"),
        "Greece"};
    const char* key = (num >= 1 && num <= 26) ? names[num - 1] : names[0];
    return QCoreApplication::translate("LanguageSelect", key);
}

QString SettingsStore::getFavButTextFromNum(int num)
{
    switch (num) {
    case 0: return QCoreApplication::translate("Systemsettings", "Screenshot");
    case 1: return QCoreApplication::translate("Systemsettings", "Histogram");
    case 2: return QCoreApplication::translate("Systemsettings", "LevelMeasurement");
    case 3: return QCoreApplication::translate("Systemsettings", "LongtermMeasurement");
    case 4: return QCoreApplication::translate("Systemsettings", "H2-Sensor");
    case 5: return QCoreApplication::translate("Systemsettings", "Pipelocating");
    default:
        m_favouriteButton = 2;
        return QCoreApplication::translate("Systemsettings", "LevelMeasurement");
    }
}
