// The store half of Systemsettings: the settings file, its defaults and the
// text helpers. The screen half lives in systemsettings.cpp.
#include "systemsettings.h"
#include "Hardware/devicelayer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

int g_debugFeatures = 0;

const char* const Systemsettings::kSettingsFile = "/home/root/settings.ini";

const Systemsettings::Flag Systemsettings::kDialogFlags[24] = {
    {"LevelMeasurement_ShowFft", &Systemsettings::m_levelMeasShowFft, true},
    {"LevelMeasurement_ShowFrequencyValue", &Systemsettings::m_levelMeasShowFrequencyValue, true},
    {"LevelMeasurement_UseFrequencyColorForLevelbar", &Systemsettings::m_levelMeasUseFrequColorForBar, false},
    {"LevelMeasurement_ShowPeakLevelBar", &Systemsettings::m_levelMeasShowPeakLevelBar, false},
    {"Pinpointing_ShowFrequencyValue", &Systemsettings::m_pinpointingShowFrequencyValuePP, true},
    {"Pinpointing_UseFrequencyColorForLevelbar", &Systemsettings::m_pinpointingUseFrequencyColorForLevelbarPP, false},
    {"Pinpointing_ShowFilterParameter", &Systemsettings::m_pinpointingShowFilterParameter, true},
    {"Pinpointing_DynamicScaling", &Systemsettings::m_pinpointingDynamicScaling, true},
    {"Longterm_ShowFrequencyValue", &Systemsettings::m_longtermShowFrequencyValueLT, true},
    {"Longterm_UseFrequencyColorForLevelbar", &Systemsettings::m_longtermUseFrequencyColorForLevelbarLT, false},
    {"Longterm_ShowGrid", &Systemsettings::m_longtermShowGridLT, true},
    {"Longterm_ShowFilterParameter", &Systemsettings::m_longtermShowFilterParameterLT, true},
    {"H2Sensor_ShowHistogram", &Systemsettings::m_h2ShowHistogramH2, true},
    {"H2Sensor_ShowGrid", &Systemsettings::m_h2ShowGridH2, false},
    {"H2Sensor_DynamicScaling", &Systemsettings::m_h2DynamicScaling, true},
    {"H2Sensor_ShowWorkingRange", &Systemsettings::m_h2ShowWorkingRangeH2, false},
    {"Pipelocating_ShowFft", &Systemsettings::m_pipelocatingShowFftPL, false},
    {"Pipelocating_UseFrequencyColorForLevelbar", &Systemsettings::m_pipelocatingUseFrequencyColorForLevelbarPL, false},
    {"Pipelocating_ShowFrequencyValue", &Systemsettings::m_pipelocatingShowFrequencyValuePL, true},
    {"Pipelocating_ShowFilterParameter", &Systemsettings::m_pipelocatingShowFilterParameterPL, true},
    {"Startup_UseFavouriteForStartup", &Systemsettings::m_startupUseFavouriteForStartup, false},
    {"Startup_UseFilterForStartup", &Systemsettings::m_startupUseFilterForStartup, false},
    {"Startup_UseGpsForStartup", &Systemsettings::m_startupUseGpsForStartup, true},
    {"Startup_UseTouchForStartup", &Systemsettings::m_startupUseTouchForStartup, true},
};

// An existing file that cannot be read must not be replaced: it may hold every
// setting of the unit (a transient fault, a service copy in progress).
bool Systemsettings::fileBlocksStore() const
{
    const QString path = DeviceLayer::path(kSettingsFile);
    if (!QFileInfo::exists(path))
        return false;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        return false;
    return true;
}

void Systemsettings::loadSystemsettings()
{
    // QSettings reads a missing or unreadable file as empty: the values in
    // use would become zeros (power-off never, no time zone).
    if (!QFileInfo::exists(DeviceLayer::path(kSettingsFile)) || fileBlocksStore()) {
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

void Systemsettings::storeSystemsettings()
{
    if (fileBlocksStore()) {
        qDebug() << "Settings file exists but cannot be read, not overwritten:"
                 << DeviceLayer::path(kSettingsFile);
        return;
    }

    // QSettings writes through a temporary file and renames it over the old
    // one, so a power loss leaves either the old file or the new one.
    QSettings s(DeviceLayer::path(kSettingsFile), QSettings::IniFormat);
    s.setAtomicSyncRequired(true);

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

    s.sync();
    if (s.status() != QSettings::NoError)
        qDebug() << "Settings file could not be written:" << s.fileName() << s.status();
}

void Systemsettings::setDefaultValues()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    m_selectedLanguageNum = 1;
    g_debugFeatures = 0;
    m_timezoneName = tr("Berlin") + " (+1 h)";
    m_timezoneNum = 13;
    m_timezoneOffset = 3600;
    m_daylightSavingTime = 0;
    m_dateFormat = "DDMMYYYY";
    m_dateTimeSource = "GPS";
    m_switchmode = "Switch";
    m_favouriteButton = 2;
    m_brightness = 6;
    m_powerOffTime = 3600;
    m_displayOffTime = 600;
    m_hearingProtection = false;
    m_headphoneVolumeOffset = 0;
    for (const Flag& f : kDialogFlags)
        this->*(f.member) = f.defaultValue;
}

void Systemsettings::resetToDefaultSettings()
{
    setDefaultValues();
    storeSystemsettings();
}

int Systemsettings::setFavouriteButton(int num)
{
    if (num < 0 || num > 5)
        return -1;
    m_favouriteButton = num;
    storeSystemsettings();
    return 0;
}

void Systemsettings::clearBtHeadphone()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    storeSystemsettings();
}

void Systemsettings::clearBtMicrophone()
{
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    storeSystemsettings();
}

QString Systemsettings::getFormatStringDate() const
{
    const QString f = m_dateFormat.trimmed();
    if (f == QLatin1String("YYYYMMDD"))
        return QStringLiteral("yyyy-MM-dd");
    if (f == QLatin1String("MMDDYYYY"))
        return QStringLiteral("MM/dd/yyyy");
    return QStringLiteral("dd.MM.yyyy");
}

int Systemsettings::getFavouriteButton(QString* text)
{
    const QString t = getFavButTextFromNum(m_favouriteButton);
    if (text)
        *text = t;
    return m_favouriteButton;
}

int Systemsettings::convertDateFormatToInt(QString format) const
{
    if (format == QLatin1String("DDMMYYYY"))
        return 0;
    if (format == QLatin1String("YYYYMMDD"))
        return 1;
    if (format == QLatin1String("MMDDYYYY"))
        return 2;
    return -1;
}

int Systemsettings::convertDateTimeSourceToInt(QString source) const
{
    if (source == QLatin1String("GPS"))
        return 0;
    if (source == QLatin1String("MAN"))
        return 1;
    return -1;
}

QString Systemsettings::convertTimeToText(int seconds) const
{
    const unsigned int s = static_cast<unsigned int>(seconds);
    if (s == 0)
        return tr("never");
    if (s < 60)
        return QString::number(s) + " s";
    if (s < 3600)
        return QString::number(s / 60) + " min";
    if (s < 86400)
        return QString::number(s / 3600) + " h";
    return QStringLiteral("---");
}

QString Systemsettings::getLanguageName(int num) const
{
    static const char* const names[] = {
        "English", "German", "French", "Italian", "Spanish", "Chinese", "Czech",
        "Hungarian", "Russian", "Slovenian", "Japanese", "Polish", "Portuguese",
        "Romanian", "Slovakian", "Swedish", "Suomi", "Danish", "Norwegian",
        "Bulgarian", "Croatian", "Korean", "Serbian", "Turkish", "Ukrainian", "Greece"};
    const char* key = (num >= 1 && num <= 26) ? names[num - 1] : names[0];
    return QCoreApplication::translate("LanguageSelect", key);
}

QString Systemsettings::getFavButTextFromNum(int num)
{
    switch (num) {
    case 0: return tr("Screenshot");
    case 1: return tr("Histogram");
    case 2: return tr("LevelMeasurement");
    case 3: return tr("LongtermMeasurement");
    case 4: return tr("H2-Sensor");
    case 5: return tr("Pipelocating");
    default:
        m_favouriteButton = 2;
        return tr("LevelMeasurement");
    }
}
