#ifndef SYSTEMSETTINGS_H
#define SYSTEMSETTINGS_H

#include "settingsstore.h"

#include <QWidget>

class Bluetooth;
class LanguageSelect;
class QKeyEvent;

namespace Ui {
class Systemsettings;
}

// The system-settings screen, on the settings store whose values it shows
// and changes; the rest of the program reaches the store through it.
class Systemsettings : public QWidget, public SettingsStore
{
    Q_OBJECT
public:
    // The program's version, shown with the system information.
    static const char* const kFirmwareVersion;

    explicit Systemsettings(QWidget* parent = nullptr);
    ~Systemsettings() override;

    int currentPage() const { return m_currentPage; }
    // The language dialog, made on its first use and kept: nothing of it is
    // needed before, and its flags and pages would slow down the start.
    LanguageSelect* languageDialog();

public slots:
    // Rewrites the screen's texts; called on every visit and after a
    // language change.
    void init();

signals:
    void gotoWidget(int widget, int direction, int param);
    void changeLanguage(int num);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butMenuUp_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuDown_clicked();
    void on_butSwitchmode_clicked();
    void on_butHearingProtection_clicked();
    void on_butCustomize_clicked();
    void on_butPairedHeadphone_clicked();
    void on_butPairedMicrophone_clicked();
    void on_butBrightness_clicked();
    void on_butPowerSaving_clicked();
    void on_butFavouriteButton_clicked();
    void on_butSysteminformation_clicked();
    void on_butReset_clicked();
    void on_butLanguage_clicked();
    void on_butTime_clicked();
    void on_butDate_clicked();
    void on_butTimezone_clicked();
    void on_butDaylightSavingTime_clicked();

private:
    void storeOrWarn();
    void showPage(int page);
    void showTimeAndDate(bool time, bool date);
    void adjustDateTime(int page);
    void storeDateTimeSource(int source);
    void pair(int device);
    QString switchmodeText() const;
    QString brightnessText() const;

    // The value texts of the language, time and date buttons.
    QString m_selectedLanguageString;
    QString m_time;
    QString m_date;

    Ui::Systemsettings* ui = nullptr;
    LanguageSelect* m_selectLanguage = nullptr;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    int m_currentPage = 1;
};

#endif
