#ifndef SETTINGSSTORE_H
#define SETTINGSSTORE_H

#include "Hardware/fileresult.h"

#include <QString>
#include <QVector>

class QSettings;
class QVariant;

// Process-wide: 1 = developer features shown and extra audio filters allowed.
// Loaded from and stored into the settings file by the store.
extern int g_debugFeatures;

// The device-wide settings file (/home/root/settings.ini): its values, their
// defaults, and the text helpers that go with them. Plain Qt Core, so tools
// and drivers can use the settings without any screen; the settings screen
// is built on it.
class SettingsStore
{
public:
    static const char* const kSettingsFile;
    // Far above what the store writes; a larger file is not read.
    static constexpr qint64 kMaxFileBytes = 256 * 1024;

    // Start-up: removes what an interrupted store left, sets an unusable
    // file aside, writes the defaults where there is no file, then loads.
    void start();

    // Each write tells whether the file now holds the values.
    void loadSystemsettings();
    bool storeSystemsettings();
    bool resetToDefaultSettings();
    // 0 stored; -1 refused (outside 0..5), nothing changed; -2 held but not
    // stored.
    int setFavouriteButton(int num);
    bool clearBtHeadphone();
    bool clearBtMicrophone();

    // Getters
    int getDebugFeatures() const { return g_debugFeatures; }
    int getSelectedLanguageNum() const { return m_selectedLanguageNum; }
    QString getBtIdHeadphone() const { return m_btIdHeadphone; }
    QString getBtNameHeadphone() const { return m_btNameHeadphone; }
    QString getBtIdMicrophone() const { return m_btIdMicrophone; }
    QString getBtNameMicrophone() const { return m_btNameMicrophone; }
    int getTimezoneOffset() const { return m_timezoneOffset; }
    int getDaylightSavingTimeOffet() const { return m_daylightSavingTimeOffset; }
    QString getDateTimeSource() const { return m_dateTimeSource; }
    QString getFormatStringTime() const { return QStringLiteral("hh:mm:ss"); }
    QString getFormatStringDate() const;
    int getFavouriteButton(QString* text);
    bool isHearingProtectionEnabled() const { return m_hearingProtection; }
    int getHeadphoneVolumeOffset() const { return m_headphoneVolumeOffset; }
    // The times and the level in use: what the power-saving and brightness
    // dialogs offer (see validPowerOffTime() and the others below).
    int getPowerOffTime() const { return validPowerOffTime(m_powerOffTime); }
    int getDisplayOffTime() const { return validDisplayOffTime(m_displayOffTime); }
    int getBrightness() const { return validBrightness(m_brightness); }
    bool isMuteKeySwitchmode() const { return m_switchmode == QLatin1String("Switch"); }

    bool isShowFftEnabled() const { return m_levelMeasShowFft; }
    bool isShowFrequencyValueEnabled() const { return m_levelMeasShowFrequencyValue; }
    bool isUseFrequColorForBarEnabled() const { return m_levelMeasUseFrequColorForBar; }
    bool isShowPeakLevelBarEnabled() const { return m_levelMeasShowPeakLevelBar; }
    bool isPPShowFrequencyValueEnabled() const { return m_pinpointingShowFrequencyValuePP; }
    bool isPPUseFrequColorForBarEnabled() const { return m_pinpointingUseFrequencyColorForLevelbarPP; }
    bool isPPShowFilterParameterEnabled() const { return m_pinpointingShowFilterParameter; }
    bool isPPDynamicScalingEnabled() const { return m_pinpointingDynamicScaling; }
    bool isLTShowFrequencyValueEnabled() const { return m_longtermShowFrequencyValueLT; }
    bool isLTUseFrequColorForBarEnabled() const { return m_longtermUseFrequencyColorForLevelbarLT; }
    bool isLTShowGridEnabled() const { return m_longtermShowGridLT; }
    bool isLTShowFilterParameterEnabled() const { return m_longtermShowFilterParameterLT; }
    bool isH2ShowHistogramEnabled() const { return m_h2ShowHistogramH2; }
    bool isH2ShowGridEnabled() const { return m_h2ShowGridH2; }
    bool isH2DynamicScalingEnabled() const { return m_h2DynamicScaling; }
    bool isH2ShowWorkingRangeEnabled() const { return m_h2ShowWorkingRangeH2; }
    bool isPLShowFftEnabled() const { return m_pipelocatingShowFftPL; }
    bool isPLUseFrequColorForBarEnabled() const { return m_pipelocatingUseFrequencyColorForLevelbarPL; }
    bool isPLShowFrequencyValueEnabled() const { return m_pipelocatingShowFrequencyValuePL; }
    bool isPLShowFilterParameterEnabled() const { return m_pipelocatingShowFilterParameterPL; }
    bool isSUUseFavouriteForStartupEnabled() const { return m_startupUseFavouriteForStartup; }
    bool isSUUseFilterForStartupEnabled() const { return m_startupUseFilterForStartup; }
    bool isSUUseGpsForStartupEnabled() const { return m_startupUseGpsForStartup; }
    bool isSUUseTouchForStartupEnabled() const { return m_startupUseTouchForStartup; }

    static constexpr int kDefaultPowerOffTime = 3600;
    static constexpr int kDefaultDisplayOffTime = 600;
    static constexpr int kDefaultBrightness = 6;
    // Seconds the power-saving dialog offers, 0 = never.
    static const QVector<int>& powerOffTimes();
    static const QVector<int>& displayOffTimes();
    // An offered time as it is; -1 never; anything else the default.
    static int validPowerOffTime(int seconds);
    static int validDisplayOffTime(int seconds);
    // Clamped to the brightness dialog's 5..7; 0 or less (nothing stored)
    // the default.
    static int validBrightness(int level);

    // Text helpers
    int convertDateFormatToInt(QString format) const;
    int convertDateTimeSourceToInt(QString source) const;
    static QString convertTimeToText(int seconds);
    QString getLanguageName(int num) const;
    QString getFavButTextFromNum(int num);

protected:
    struct Flag {
        const char* key;
        bool SettingsStore::*member;
        bool defaultValue;
    };
    static const Flag kDialogFlags[24];

    // In the order of the file.
    QString m_btIdHeadphone;
    QString m_btNameHeadphone;
    QString m_btIdMicrophone;
    QString m_btNameMicrophone;
    int m_selectedLanguageNum = 0;
    QString m_timezoneName;
    int m_timezoneNum = 0;
    int m_timezoneOffset = 0;
    QString m_dateFormat;
    QString m_dateTimeSource;
    int m_daylightSavingTime = 0;
    int m_daylightSavingTimeOffset = 0;
    QString m_switchmode;
    int m_favouriteButton = 0;
    int m_brightness = 0;
    int m_powerOffTime = 0;
    int m_displayOffTime = 0;
    bool m_hearingProtection = false;
    int m_headphoneVolumeOffset = 0;

    bool m_levelMeasShowFft = true;
    bool m_levelMeasShowFrequencyValue = true;
    bool m_levelMeasUseFrequColorForBar = false;
    bool m_levelMeasShowPeakLevelBar = false;
    bool m_pinpointingShowFrequencyValuePP = true;
    bool m_pinpointingUseFrequencyColorForLevelbarPP = false;
    bool m_pinpointingShowFilterParameter = true;
    bool m_pinpointingDynamicScaling = true;
    bool m_longtermShowFrequencyValueLT = true;
    bool m_longtermUseFrequencyColorForLevelbarLT = false;
    bool m_longtermShowGridLT = true;
    bool m_longtermShowFilterParameterLT = true;
    bool m_h2ShowHistogramH2 = true;
    bool m_h2ShowGridH2 = false;
    bool m_h2DynamicScaling = true;
    bool m_h2ShowWorkingRangeH2 = false;
    bool m_pipelocatingShowFftPL = false;
    bool m_pipelocatingUseFrequencyColorForLevelbarPL = false;
    bool m_pipelocatingShowFrequencyValuePL = true;
    bool m_pipelocatingShowFilterParameterPL = true;
    bool m_startupUseFavouriteForStartup = false;
    bool m_startupUseFilterForStartup = false;
    bool m_startupUseGpsForStartup = true;
    bool m_startupUseTouchForStartup = true;

    void setDefaultValues();

private:
    // Every value of the store into `s`.
    void fill(QSettings& s) const;
    static FileResult settleFile();
    static FileResult usability(const QString& path);
    static bool setAside(const QString& path, const QString& why);
    static void removeStoreLeftovers();
    static bool isStoreKey(const QString& key);
    static bool isPlain(const QVariant& value);
};

#endif
