// The system-settings screen: three pages of settings buttons, each opening
// its dialog; an accepted change is stored at once and, where it touches
// hardware, applied.
#include "systemsettings.h"
#include "Hardware/bluetooth.h"
#include "Hardware/commandrunner.h"
#include "Hardware/gps.h"
#include "Hardware/systemclock.h"
#include "Management/SettingsAdjust/customizedialogs.h"
#include "Management/SettingsAdjust/datetimeadjust.h"
#include "Management/SettingsAdjust/displaysettings.h"
#include "Management/SettingsAdjust/hearingprotection.h"
#include "Management/SettingsAdjust/powersaving.h"
#include "Management/SettingsAdjust/resetsettings.h"
#include "Management/SettingsAdjust/selectfavouritebutton.h"
#include "Management/SettingsAdjust/selectswitchmode.h"
#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/bluetoothpairing.h"
#include "Management/languageselect.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "ui_systemsettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>

const char* const Systemsettings::kFirmwareVersion = "1.11.0";

namespace {
const int kPageCount = 3;
}

Systemsettings::Systemsettings(QWidget* parent)
    : QWidget(parent), ui(new Ui::Systemsettings)
{
    ui->setupUi(this);
    showPage(1);
    start();
}

Systemsettings::~Systemsettings()
{
    delete m_selectLanguage;
    delete ui;
}

void Systemsettings::init()
{
    ui->butMenuUp->setToolTip(QCoreApplication::translate("Systemsettings", "PreviousPage"));
    ui->butMenuBack->setToolTip(QCoreApplication::translate("Systemsettings", "Mainmenu"));
    ui->butMenuDown->setToolTip(QCoreApplication::translate("Systemsettings", "NextPage"));
    if (MainMenu* hub = MainMenu::getInstanceMainMenu()) {
        m_btSource = hub->getBtSourceInstance();
        m_btSink = hub->getBtSinkInstance();
    }
    loadSystemsettings();
    showPage(1);

    m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
    ui->butLanguage->setText2(tr("Language"), m_selectedLanguageString);
    showTimeAndDate(true, true);
    ui->butTimezone->setText2(tr("Timezone"), m_timezoneName);
    ui->butDaylightSavingTime->setText2(tr("DaylightSavingTime"),
                                        m_daylightSavingTime == 1 ? tr("Summertime") : tr("Wintertime"));
    ui->butPairedHeadphone->setText2(tr("PairedHeadphone"), m_btNameHeadphone);
    ui->butPairedMicrophone->setText2(tr("PairedMicrophone"), m_btNameMicrophone);
    ui->butSwitchmode->setText2(tr("ModeMuteButton"), switchmodeText());
    QString favourite;
    const int favouriteNum = getFavouriteButton(&favourite);
    qDebug() << "Favourite button:" << favouriteNum << favourite;
    ui->butFavouriteButton->setText2(tr("FavouriteButton"), favourite);
    ui->butBrightness->setText2(tr("Brightness"), brightnessText());
    ui->butPowerSaving->setText2(tr("PowerSaving"), convertTimeToText(m_displayOffTime) + " / "
                                                        + convertTimeToText(m_powerOffTime));
    ui->butSysteminformation->setText2(tr("Systeminformation"),
                                       tr("FW: %1").arg(QLatin1String(kFirmwareVersion)));
    ui->butCustomize->setText2(tr("Customize"), tr("differentValues"));
    ui->butReset->setText2(tr("ResetToDeliverystate"), QString());
    ui->butHearingProtection->setText2(tr("HearingProtection"),
                                       m_hearingProtection ? tr("Active") : tr("Inactive"));
    ui->butMenuBack->setFocus(Qt::OtherFocusReason);
}

QString Systemsettings::switchmodeText() const
{
    return m_switchmode == QLatin1String("Switch") ? tr("Switch") : tr("PushButton");
}

QString Systemsettings::brightnessText() const
{
    switch (m_brightness) {
    case 5: return tr("low");
    case 6: return tr("medium");
    case 7: return tr("high");
    default: return QString::number(m_brightness);
    }
}

// An accepted change that did not reach the file is held until the next
// load; the operator must know it will not survive a restart.
void Systemsettings::storeOrWarn()
{
    if (!storeSystemsettings())
        MessageDialog::showWarning(this, QT_TRANSLATE_NOOP("MessageDialog", "SettingsCouldNotBeStored"));
}

void Systemsettings::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void Systemsettings::showTimeAndDate(bool time, bool date)
{
    const QDateTime now = SystemClock::now();
    if (time) {
        m_time = now.time().toString(getFormatStringTime());
        ui->butTime->setText2(tr("Time"), m_time);
    }
    if (date) {
        m_date = now.date().toString(getFormatStringDate());
        ui->butDate->setText2(tr("Date"), m_date);
    }
}

// ---- Page keys ------------------------------------------------------------

void Systemsettings::on_butMenuUp_clicked()
{
    showPage(m_currentPage <= 1 ? kPageCount : m_currentPage - 1);
}

void Systemsettings::on_butMenuDown_clicked()
{
    showPage(m_currentPage >= kPageCount ? 1 : m_currentPage + 1);
}

void Systemsettings::on_butMenuBack_clicked()
{
    emit gotoWidget(Screen::MainPage, Screen::StackUnchanged, Screen::Live);
}

void Systemsettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void Systemsettings::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            on_butMenuBack_clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

// ---- Settings buttons -----------------------------------------------------

LanguageSelect* Systemsettings::languageDialog()
{
    if (!m_selectLanguage)
        m_selectLanguage = new LanguageSelect(this);
    return m_selectLanguage;
}

void Systemsettings::on_butLanguage_clicked()
{
    if (languageDialog()->exec() != QDialog::Accepted)
        return;
    m_selectedLanguageNum = m_selectLanguage->getSelectedLanguage();
    m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
    storeOrWarn();
    // The language change runs init(), which refreshes the button.
    emit changeLanguage(m_selectedLanguageNum);
}

void Systemsettings::on_butTime_clicked()
{
    adjustDateTime(DateTimeAdjust::PageTime);
}

void Systemsettings::on_butDate_clicked()
{
    adjustDateTime(DateTimeAdjust::PageDate);
}

void Systemsettings::adjustDateTime(int page)
{
    DateTimeAdjust dialog(this);
    dialog.init(page, convertDateFormatToInt(m_dateFormat), convertDateTimeSourceToInt(m_dateTimeSource));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (page == DateTimeAdjust::PageDate) {
        switch (dialog.getDateFormat()) {
        case DateTimeAdjust::FormatYYYYMMDD: m_dateFormat = "YYYYMMDD"; break;
        case DateTimeAdjust::FormatMMDDYYYY: m_dateFormat = "MMDDYYYY"; break;
        default: m_dateFormat = "DDMMYYYY"; break;
        }
        showTimeAndDate(false, true);
    } else {
        showTimeAndDate(true, false);
    }
    storeDateTimeSource(dialog.getDateTimeSource());
    storeOrWarn();
}

void Systemsettings::storeDateTimeSource(int source)
{
    const bool manual = source == DateTimeAdjust::SourceManual;
    m_dateTimeSource = manual ? "MAN" : "GPS";
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (Gps* gps = hub ? hub->getGpsInstance() : nullptr)
        gps->enableSystemTimeSettingViaGps(!manual);
}

void Systemsettings::on_butTimezone_clicked()
{
    SelectTimezone dialog(this);
    dialog.init(SelectTimezone::PageZone, m_timezoneNum, m_daylightSavingTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_timezoneName = dialog.getTimezoneName();
    m_timezoneNum = dialog.getSelectedTimezone();
    m_timezoneOffset = dialog.getTimezoneOffset();
    ui->butTimezone->setText2(tr("Timezone"), m_timezoneName);
    showTimeAndDate(true, true);
    storeOrWarn();
}

void Systemsettings::on_butDaylightSavingTime_clicked()
{
    SelectTimezone dialog(this);
    dialog.init(SelectTimezone::PageDaylightSaving, m_timezoneNum, m_daylightSavingTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_daylightSavingTime = dialog.getDaylightSavingTime();
    m_daylightSavingTimeOffset = dialog.getDaylightSavingTimeOffset();
    ui->butDaylightSavingTime->setText2(tr("DaylightSavingTime"),
                                        m_daylightSavingTime == 1 ? tr("Summertime") : tr("Wintertime"));
    showTimeAndDate(true, true);
    storeOrWarn();
}

void Systemsettings::on_butPairedHeadphone_clicked()
{
    pair(0);
}

void Systemsettings::on_butPairedMicrophone_clicked()
{
    pair(1);
}

void Systemsettings::pair(int device)
{
    Bluetooth* module = device == 1 ? m_btSink : m_btSource;
    BluetoothPairing dialog(this);
    dialog.setPairingDevice(device);
    if (dialog.exec() == QDialog::Accepted) {
        const QString id = dialog.getBluetoothId().trimmed();
        const QString name = dialog.getBluetoothName();
        if (id.isEmpty()) {
            qDebug() << "Pairing accepted without an address: nothing stored";
        } else {
            if (device == 1) {
                ui->butPairedMicrophone->setText2(tr("PairedMicrophone"), name);
                m_btIdMicrophone = id;
                m_btNameMicrophone = name;
            } else {
                ui->butPairedHeadphone->setText2(tr("PairedHeadphone"), name);
                m_btIdHeadphone = id;
                m_btNameHeadphone = name;
                m_headphoneVolumeOffset = 0;
            }
            storeOrWarn();
            if (module)
                module->resetBluetooth(id, true);
        }
    }
    // The module connects again, whatever became of the pairing.
    if (module)
        module->callBtDeviceA2DP(device == 1);
}

void Systemsettings::on_butSwitchmode_clicked()
{
    SelectSwitchmode dialog(this);
    dialog.init(m_switchmode);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_switchmode = dialog.getSwitchmode();
    ui->butSwitchmode->setText2(tr("ModeMuteButton"), switchmodeText());
    storeOrWarn();
}

void Systemsettings::on_butFavouriteButton_clicked()
{
    SelectFavouriteButton dialog(this);
    dialog.init(m_favouriteButton);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString text;
    m_favouriteButton = dialog.getFavouriteButton(&text);
    ui->butFavouriteButton->setText2(tr("FavouriteButton"), text);
    storeOrWarn();
}

void Systemsettings::on_butBrightness_clicked()
{
    Displaysettings dialog(this);
    dialog.init();
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString text;
    m_brightness = dialog.getBrightness(&text);
    ui->butBrightness->setText2(tr("Brightness"), text);
    storeOrWarn();
}

void Systemsettings::on_butPowerSaving_clicked()
{
    PowerSaving dialog(this);
    dialog.init(m_powerOffTime, m_displayOffTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString powerText;
    QString displayText;
    m_powerOffTime = dialog.getPowerOffTime(&powerText);
    m_displayOffTime = dialog.getBacklightOffTime(&displayText);
    ui->butPowerSaving->setText2(tr("PowerSaving"), displayText + " / " + powerText);
    storeOrWarn();
    // The key that confirmed restarted the countdowns before this: the new
    // times count from now, not from the next key.
    StatusbarData()->loadPowerSavingCounters();
}

void Systemsettings::on_butCustomize_clicked()
{
    CustomizeDialogs dialog(this);
    dialog.init();
    dialog.setLevelParameter(m_levelMeasShowFft, m_levelMeasShowFrequencyValue,
                             m_levelMeasShowPeakLevelBar, m_levelMeasUseFrequColorForBar);
    dialog.setPinpointingParameter(m_pinpointingShowFrequencyValuePP,
                                   m_pinpointingUseFrequencyColorForLevelbarPP,
                                   m_pinpointingShowFilterParameter, m_pinpointingDynamicScaling);
    dialog.setLongtermParameter(m_longtermShowFrequencyValueLT, m_longtermUseFrequencyColorForLevelbarLT,
                                m_longtermShowGridLT, m_longtermShowFilterParameterLT);
    dialog.setH2Parameter(m_h2ShowHistogramH2, m_h2ShowGridH2, m_h2DynamicScaling, m_h2ShowWorkingRangeH2);
    dialog.setPipelocatingParameter(m_pipelocatingShowFftPL, m_pipelocatingShowFrequencyValuePL,
                                    m_pipelocatingUseFrequencyColorForLevelbarPL,
                                    m_pipelocatingShowFilterParameterPL);
    dialog.setStartupParameter(m_startupUseFavouriteForStartup, m_startupUseFilterForStartup,
                               m_startupUseGpsForStartup, m_startupUseTouchForStartup);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.getLevelParameter(&m_levelMeasShowFft, &m_levelMeasShowFrequencyValue,
                             &m_levelMeasShowPeakLevelBar, &m_levelMeasUseFrequColorForBar);
    dialog.getPinpointingParameter(&m_pinpointingShowFrequencyValuePP,
                                   &m_pinpointingUseFrequencyColorForLevelbarPP,
                                   &m_pinpointingShowFilterParameter, &m_pinpointingDynamicScaling);
    dialog.getLongtermParameter(&m_longtermShowFrequencyValueLT, &m_longtermUseFrequencyColorForLevelbarLT,
                                &m_longtermShowGridLT, &m_longtermShowFilterParameterLT);
    dialog.getH2Parameter(&m_h2ShowHistogramH2, &m_h2ShowGridH2, &m_h2DynamicScaling,
                          &m_h2ShowWorkingRangeH2);
    dialog.getPipelocatingParameter(&m_pipelocatingShowFftPL, &m_pipelocatingShowFrequencyValuePL,
                                    &m_pipelocatingUseFrequencyColorForLevelbarPL,
                                    &m_pipelocatingShowFilterParameterPL);
    dialog.getStartupParameter(&m_startupUseFavouriteForStartup, &m_startupUseFilterForStartup,
                               &m_startupUseGpsForStartup, &m_startupUseTouchForStartup);
    storeOrWarn();
}

void Systemsettings::on_butHearingProtection_clicked()
{
    HearingProtection dialog(this);
    dialog.init(m_hearingProtection, m_headphoneVolumeOffset);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_hearingProtection = dialog.getModeHearingProtection();
    m_headphoneVolumeOffset = dialog.getHeadphoneVolumeOffset();
    ui->butHearingProtection->setText2(tr("HearingProtection"),
                                       m_hearingProtection ? tr("Active") : tr("Inactive"));
    storeOrWarn();
    if (m_btSource)
        m_btSource->setBtAdcGain(HearingProtection::headsetGain(m_hearingProtection,
                                                                m_headphoneVolumeOffset));
}

void Systemsettings::on_butSysteminformation_clicked()
{
    Systeminformation dialog(this);
    dialog.init();
    dialog.exec();
}

void Systemsettings::on_butReset_clicked()
{
    ResetSettings dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!resetToDefaultSettings()) {
        // Without the file the unit would come back with the old settings
        // but with the modules' pairings gone: nothing more is reset.
        MessageDialog::showWarning(this, QT_TRANSLATE_NOOP("MessageDialog", "SettingsCouldNotBeStored"));
        loadSystemsettings();
        return;
    }
    emit changeLanguage(m_selectedLanguageNum);
    for (Bluetooth* module : {m_btSink, m_btSource}) {
        if (!module)
            continue;
        module->disconnectBtDevice();
        if (module == m_btSink)
            module->initBtModulSink();
        else
            module->initBtModulSource();
        module->clearAllPairings();
    }
    qDebug() << "Restarting VQ4100";
    CommandRunner::execute("reboot");
}
