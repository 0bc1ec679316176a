// The system-settings screen: pages, texts from the settings file, each
// settings button with its dialog and what it stores and applies, the
// pairing and reset sequences; the language dialog.
#include "Hardware/gps.h"
#include "Hardware/systemclock.h"
#include "Management/SettingsAdjust/hearingprotection.h"
#include "Management/bluetoothpairing.h"
#include "Management/languageselect.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "Tools/statusbar.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <functional>

namespace {

void click(QWidget* parent, const char* name)
{
    auto* b = parent->findChild<QAbstractButton*>(name);
    QVERIFY2(b, name);
    b->click();
}

// Acts inside the next modal dialog; a dialog the action left open is
// rejected, so a failed check cannot hang the test.
void onModal(std::function<void(QWidget*)> act)
{
    ModalHelper::onNextModal([act](QWidget* w) {
        act(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            d->reject();
    });
}

// Answers the next modal dialog with its buttons, in order.
void answerModal(const QStringList& buttons)
{
    onModal([buttons](QWidget* w) {
        for (const QString& b : buttons)
            click(w, qPrintable(b));
    });
}

QString value(Systemsettings* s, const char* button)
{
    auto* b = s->findChild<SettingsButton*>(button);
    return b ? b->getText2() : QString("<no %1>").arg(button);
}

QVariant stored(TestUnit& unit, const QString& key)
{
    QSettings file(unit.root.path(Systemsettings::kSettingsFile), QSettings::IniFormat);
    return file.value(key);
}

Systemsettings* openScreen(TestUnit& unit)
{
    MainMenu* w = unit.start();
    w->displayWidget(5, 1, 0);
    return qobject_cast<Systemsettings*>(unit.currentPage());
}

const QDateTime kNow(QDate(2024, 3, 9), QTime(10, 20, 30), Qt::UTC);

}

class TestSettingsScreen : public QObject
{
    Q_OBJECT
private slots:
    void init() { SystemClock::setSource([] { return kNow; }); }
    void cleanup() { SystemClock::setSource(nullptr); }

    void languageButtonsGiveTheirNumbers();
    void languagePagesWrapAndStay();
    void languageBackAndEscapeReject();
    void languageChosenOnTheScreen();
    void languageDialogTipsFollowTheLanguage();

    void pagesWrapAndEscapeLeaves();
    void initShowsTheFileAsItStands();
    void timeRefreshesOnlyTheTimeZoneBoth();
    void dateFormatAndSource();
    void hearingProtectionGains();
    void pairingAcceptedAndCancelled();
    void pairingWithoutAddressStoresNothing();
    void otherDialogsStoreTheirResult();
    void powerSavingTimesApplyAtOnce();
    void resetToDeliveryState();
    void resetRejectedChangesNothing();
};

void TestSettingsScreen::languageButtonsGiveTheirNumbers()
{
    TestUnit unit;
    unit.start();
    LanguageSelect dialog;
    const QList<QPair<const char*, int>> buttons{
        {"butEnglish", 1},     {"butGerman", 2},     {"butFrench", 3},     {"butSpanish", 5},
        {"butItalian", 4},     {"butRussian", 9},    {"butChinese", 6},    {"butCzech", 7},
        {"butHungarian", 8},   {"butSlovenian", 10}, {"butPolish", 12},    {"butRomanian", 14},
        {"butSlovakian", 15},  {"butPortuguese", 13}, {"butJapanese", 11}, {"butSwedish", 16},
        {"butSuomi", 17},      {"butDanish", 18},    {"butNorwegian", 19}, {"butBulgarian", 20},
        {"butCroatian", 21},   {"butKorean", 22},    {"butSerbian", 23},   {"butTurkish", 24},
        {"butUkrainian", 25}};
    QCOMPARE(dialog.getSelectedLanguage(), 1);
    for (const auto& b : buttons) {
        dialog.setResult(QDialog::Rejected);
        click(&dialog, b.first);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getSelectedLanguage(), b.second);
    }
    // Page 1 in the order of the form: Spanish fourth, Italian fifth.
    QList<QPushButton*> page1 = dialog.findChild<QWidget*>("language_1")->findChildren<QPushButton*>();
    std::sort(page1.begin(), page1.end(), [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    QCOMPARE(page1.at(3)->text(), QString("Spanish"));
    QCOMPARE(page1.at(4)->text(), QString("Italian"));
    QVERIFY(dialog.findChild<QPushButton*>("butEnglish")->styleSheet().contains("Flags/USA.png"));
}

void TestSettingsScreen::languagePagesWrapAndStay()
{
    TestUnit unit;
    Systemsettings* screen = openScreen(unit);
    LanguageSelect* dialog = screen->languageDialog();
    auto* pages = dialog->findChild<QStackedWidget*>("mainArea");
    QCOMPARE(dialog->currentPage(), 1);
    click(dialog, "butMenuUp");
    QCOMPARE(dialog->currentPage(), 5);
    QCOMPARE(pages->currentWidget()->objectName(), QString("language_5"));
    click(dialog, "butMenuDown");
    QCOMPARE(dialog->currentPage(), 1);
    click(dialog, "butMenuUp");
    click(dialog, "butMenuDown");
    click(dialog, "butMenuUp");  // 5
    click(dialog, "butMenuUp");  // 4
    // Left on page 4, the dialog opens there again.
    answerModal({"butMenuBack"});
    click(screen, "butLanguage");
    int shownPage = 0;
    onModal([&](QWidget*) { shownPage = dialog->currentPage(); });
    click(screen, "butLanguage");
    QCOMPARE(shownPage, 4);
    QCOMPARE(pages->currentWidget()->objectName(), QString("language_4"));
}

void TestSettingsScreen::languageBackAndEscapeReject()
{
    TestUnit unit;
    unit.start();
    LanguageSelect dialog;
    answerModal({"butTurkish"});
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.getSelectedLanguage(), 24);
    answerModal({"butMenuBack"});
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.getSelectedLanguage(), 24);

    bool openAfterPress = false;
    onModal([&](QWidget* w) {
        QTest::keyPress(w, Qt::Key_Escape);
        openAfterPress = w->isVisible();
        QTest::keyRelease(w, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(openAfterPress);
    QCOMPARE(dialog.getSelectedLanguage(), 24);
}

void TestSettingsScreen::languageDialogTipsFollowTheLanguage()
{
    // The dialog is built with the screen, before any language is loaded.
    TestUnit unit;
    Systemsettings* screen = openScreen(unit);
    LanguageSelect* dialog = screen->languageDialog();
    QVERIFY(dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    auto tip = [dialog](const char* name) {
        auto* b = dialog->findChild<QAbstractButton*>(name);
        return b ? b->toolTip() : QString("<no %1>").arg(name);
    };
    QCOMPARE(tip("butMenuUp"), QString("Previous page"));
    QCOMPARE(tip("butMenuBack"), QString("Back"));
    QCOMPARE(tip("butMenuDown"), QString("Next page"));
}

void TestSettingsScreen::languageChosenOnTheScreen()
{
    TestUnit unit;
    Systemsettings* screen = openScreen(unit);
    QSignalSpy changed(screen, &Systemsettings::changeLanguage);
    answerModal({"butMenuDown", "butPolish"});
    click(screen, "butLanguage");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 12);
    QCOMPARE(stored(unit, "Local-Settings/Language").toInt(), 12);
    QCOMPARE(value(screen, "butLanguage"), QString("Polish"));

    answerModal({"butMenuBack"});
    click(screen, "butLanguage");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(stored(unit, "Local-Settings/Language").toInt(), 12);
}

void TestSettingsScreen::pagesWrapAndEscapeLeaves()
{
    TestUnit unit;
    Systemsettings* screen = openScreen(unit);
    QVERIFY(screen);
    auto* pages = screen->findChild<QStackedWidget*>("mainArea");
    QCOMPARE(pages->currentWidget()->objectName(), QString("settings_1"));
    click(screen, "butMenuUp");
    QCOMPARE(screen->currentPage(), 3);
    QCOMPARE(pages->currentWidget()->objectName(), QString("settings_3"));
    click(screen, "butMenuDown");
    QCOMPARE(screen->currentPage(), 1);
    click(screen, "butMenuDown");
    QCOMPARE(screen->currentPage(), 2);
    // Every visit starts on page 1.
    unit.window()->displayWidget(5, 0, 0);
    QCOMPARE(screen->currentPage(), 1);

    QTest::keyPress(screen, Qt::Key_Escape);
    QCOMPARE(unit.currentPage(), static_cast<QWidget*>(screen));
    QTest::keyRelease(screen, Qt::Key_Escape);
    QCOMPARE(unit.currentPage(), unit.mainPage());

    openScreen(unit);
    click(screen, "butMenuBack");
    QCOMPARE(unit.currentPage(), unit.mainPage());
}

void TestSettingsScreen::initShowsTheFileAsItStands()
{
    {
        TestUnit unit;
        unit.setSetting("Systemsettings/Brightness", 4);
        unit.setSetting("Systemsettings/PowerOffTime", 3600);
        unit.setSetting("Systemsettings/DisplayOffTime", 600);
        unit.setSetting("Local-Settings/DaylightSavingTime", 1);
        unit.setSetting("Systemsettings/Switchmode", "Push");
        unit.setSetting("Local-Settings/Language", 27);
        unit.setSetting("Systemsettings/FavouriteButton", 9);
        unit.setSetting("Systemsettings/HearingProtection", true);
        unit.setSetting("Bluetooth/Headphone_Name", "BT Headset");
        unit.setSetting("Bluetooth/Microphone_Name", "TB-9");
        unit.setSetting("Local-Settings/Dateformat", "MMDDYYYY");
        LogCapture log;
        Systemsettings* s = openScreen(unit);
        QCOMPARE(value(s, "butBrightness"), QString("4"));
        QCOMPARE(value(s, "butPowerSaving"), QString("10 min / 1 h"));
        QCOMPARE(value(s, "butDaylightSavingTime"), QString("Summer time"));
        QCOMPARE(value(s, "butSwitchmode"), QString("Pushbutton"));
        QCOMPARE(value(s, "butLanguage"), QString("English"));
        QCOMPARE(value(s, "butFavouriteButton"), QString("Level measurement"));
        QVERIFY(log.contains("Favourite button: 2 \"Level measurement\""));
        QCOMPARE(value(s, "butHearingProtection"), QString("Active"));
        QCOMPARE(value(s, "butPairedHeadphone"), QString("BT Headset"));
        QCOMPARE(value(s, "butPairedMicrophone"), QString("TB-9"));
        QCOMPARE(value(s, "butSysteminformation"), QString("FW: 1.11.0"));
        QCOMPARE(value(s, "butCustomize"), QString("different values"));
        QCOMPARE(value(s, "butReset"), QString());
        QCOMPARE(value(s, "butTime"), QString("10:20:30"));
        QCOMPARE(value(s, "butDate"), QString("03/09/2024"));
        QCOMPARE(value(s, "butTimezone"), QString("Berlin (+1 h)"));
        QCOMPARE(s->findChild<SettingsButton*>("butSwitchmode")->getText1(), QString("Muting"));
        QCOMPARE(s->findChild<QWidget*>("butMenuBack")->toolTip(), QString("Mainmenu"));
        QVERIFY(s->findChild<QWidget*>("butMenuBack")->hasFocus() || !s->isActiveWindow());
    }
    {
        TestUnit unit;
        unit.setSetting("Local-Settings/Language", 0);
        unit.setSetting("Systemsettings/Brightness", 7);
        unit.setSetting("Systemsettings/PowerOffTime", 0);
        unit.setSetting("Systemsettings/DisplayOffTime", -1);
        Systemsettings* s = openScreen(unit);
        QCOMPARE(value(s, "butLanguage"), QString("English"));
        QCOMPARE(value(s, "butBrightness"), QString("high"));
        QCOMPARE(value(s, "butPowerSaving"), QString("--- / never"));
        QCOMPARE(value(s, "butDaylightSavingTime"), QString("Winter time"));
        QCOMPARE(value(s, "butSwitchmode"), QString("Switch"));
        QCOMPARE(value(s, "butDate"), QString("09.03.2024"));
    }
}

void TestSettingsScreen::timeRefreshesOnlyTheTimeZoneBoth()
{
    TestUnit unit;
    Systemsettings* s = openScreen(unit);
    auto* date = s->findChild<SettingsButton*>("butDate");
    date->setText2("Date", "marker");
    const QDateTime later(QDate(2024, 3, 10), QTime(11, 0, 0), Qt::UTC);
    SystemClock::setSource([later] { return later; });
    unit.root.clearCommands();

    answerModal({"butMenuOk"});
    click(s, "butTime");
    QCOMPARE(value(s, "butTime"), QString("11:00:00"));
    QCOMPARE(value(s, "butDate"), QString("marker"));
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-03-10 11:00:00", "hwclock -w"}));

    // A new zone: the clock moves by the difference and both texts follow.
    unit.root.clearCommands();
    answerModal({"butMenuDown", "butMenuOk"});  // Berlin -> Athens
    click(s, "butTimezone");
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-03-10 12:00:00", "hwclock -w"}));
    QCOMPARE(value(s, "butTimezone"), QString("Athens (+2 h)"));
    QCOMPARE(stored(unit, "Local-Settings/TimezoneNum").toInt(), 14);
    QCOMPARE(stored(unit, "Local-Settings/TimezoneOffset").toInt(), 7200);
    QCOMPARE(stored(unit, "Local-Settings/Timezone").toString(), QString("Athens (+2 h)"));
    QCOMPARE(value(s, "butDate"), QString("10.03.2024"));  // the stub changed no clock

    date->setText2("Date", "marker");
    unit.root.clearCommands();
    answerModal({"butSummertime", "butMenuOk"});
    click(s, "butDaylightSavingTime");
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-03-10 12:00:00", "hwclock -w"}));
    QCOMPARE(value(s, "butDaylightSavingTime"), QString("Summer time"));
    QCOMPARE(value(s, "butDate"), QString("10.03.2024"));
    QCOMPARE(stored(unit, "Local-Settings/DaylightSavingTime").toInt(), 1);

    // Cancelled: nothing is set, stored or refreshed.
    date->setText2("Date", "marker");
    unit.root.clearCommands();
    answerModal({"butWintertime", "butMenuCancel"});
    click(s, "butDaylightSavingTime");
    QVERIFY(unit.root.commands().isEmpty());
    QCOMPARE(value(s, "butDate"), QString("marker"));
    QCOMPARE(stored(unit, "Local-Settings/DaylightSavingTime").toInt(), 1);
}

void TestSettingsScreen::dateFormatAndSource()
{
    TestUnit unit;
    unit.setSetting("Local-Settings/DateTimeSource", "radio");
    Systemsettings* s = openScreen(unit);
    Gps* gps = unit.window()->getGpsInstance();
    gps->enableSystemTimeSettingViaGps(false);
    // An unknown source shows GPS and is stored as "GPS".
    answerModal({"butYYYYMMDD", "butMenuOk"});
    click(s, "butDate");
    QCOMPARE(stored(unit, "Local-Settings/Dateformat").toString(), QString("YYYYMMDD"));
    QCOMPARE(stored(unit, "Local-Settings/DateTimeSource").toString(), QString("GPS"));
    QVERIFY(gps->isSystemTimeSettingViaGpsEnabled());
    QCOMPARE(value(s, "butDate"), QString("2024-03-09"));

    answerModal({"butMenuDown", "butMenuDown", "butManual", "butMenuOk"});
    click(s, "butTime");
    QCOMPARE(stored(unit, "Local-Settings/DateTimeSource").toString(), QString("MAN"));
    QVERIFY(!gps->isSystemTimeSettingViaGpsEnabled());
    QCOMPARE(stored(unit, "Local-Settings/Dateformat").toString(), QString("YYYYMMDD"));

    // The stored choices come back into the dialog.
    int format = -1;
    int source = -1;
    onModal([&](QWidget* w) {
        format = w->findChild<QAbstractButton*>("butYYYYMMDD")->isChecked();
        source = w->findChild<QAbstractButton*>("butManual")->isChecked();
    });
    click(s, "butDate");
    QCOMPARE(format, 1);
    QCOMPARE(source, 1);
}

void TestSettingsScreen::hearingProtectionGains()
{
    struct Case {
        QStringList buttons;
        bool mode;
        int offset;
        int gain;
    };
    auto presses = [](const char* button, int times) {
        QStringList out{"butInactive"};
        for (int i = 0; i < times; ++i)
            out << button;
        return out;
    };
    // From the delivery state (off, offset 0); the offset stops at its ends.
    const QList<Case> cases{
        {{"butActive", "labelOffsetValuePlus"}, true, 1, 1},
        {presses("labelOffsetValueMinus", 5), false, -4, 1},
        {presses("labelOffsetValuePlus", 12), false, 10, 15},
    };
    for (const Case& c : cases) {
        TestUnit unit;
        Systemsettings* s = openScreen(unit);
        unit.source()->clear();
        answerModal(c.buttons + QStringList{"butMenuOk"});
        click(s, "butHearingProtection");
        QCOMPARE(unit.source()->adcGains.last(), c.gain);
        QCOMPARE(stored(unit, "Systemsettings/HearingProtection").toBool(), c.mode);
        QCOMPARE(stored(unit, "Systemsettings/HeadphoneVolumeOffset").toInt(), c.offset);
        QCOMPARE(value(s, "butHearingProtection"), c.mode ? QString("Active") : QString("Inactive"));
    }
}

void TestSettingsScreen::pairingAcceptedAndCancelled()
{
    for (int device : {0, 1}) {
        TestUnit unit;
        unit.setSetting("Systemsettings/HeadphoneVolumeOffset", 3);
        Systemsettings* s = openScreen(unit);
        RecordingBluetooth* module = device == 1 ? unit.sink() : unit.source();
        RecordingBluetooth* other = device == 1 ? unit.source() : unit.sink();
        const QString address = device == 1 ? "0018E4C0B009" : "001A7DDA7113";
        const QString name = device == 1 ? "TB-9" : "BT Headset";
        module->searchRecords = {{address, name, device == 1 ? "280404" : "240404", ""}};
        const char* button = device == 1 ? "butPairedMicrophone" : "butPairedHeadphone";

        // Cancelled: nothing stored, the module still connects.
        module->clear();
        other->clear();
        answerModal({"butCancel"});
        click(s, button);
        QCOMPARE(module->count("resetBluetooth"), 0);
        QCOMPARE(module->a2dpCalls, QList<bool>{device == 1});
        QVERIFY(other->a2dpCalls.isEmpty());
        QCOMPARE(stored(unit, device == 1 ? "Bluetooth/Microphone_ID" : "Bluetooth/Headphone_ID").toString(),
                 QString());

        module->clear();
        onModal([&](QWidget* w) {
            auto* dialog = qobject_cast<BluetoothPairing*>(w);
            QVERIFY(dialog);
            click(w, "butSearch");
            for (int i = 0; i < 30; ++i)
                dialog->updateProgbar();
            click(w, "butBtDev_1");
            emit module->btPairingOk();
        });
        click(s, button);
        QCOMPARE(module->pairedWith, QStringList{address});
        QCOMPARE(module->count("resetBluetooth"), 1);
        QCOMPARE(module->pairedId, address);
        QVERIFY(module->calls.indexOf("resetBluetooth") < module->calls.lastIndexOf("callBtDeviceA2DP"));
        QCOMPARE(module->a2dpCalls, QList<bool>{device == 1});
        const QString group = device == 1 ? "Bluetooth/Microphone_" : "Bluetooth/Headphone_";
        QCOMPARE(stored(unit, group + "ID").toString(), address);
        QCOMPARE(stored(unit, group + "Name").toString(), name);
        QCOMPARE(value(s, button), name);
        // A new headset starts without volume offset; a new accessory keeps it.
        QCOMPARE(stored(unit, "Systemsettings/HeadphoneVolumeOffset").toInt(), device == 1 ? 3 : 0);
    }
}

void TestSettingsScreen::pairingWithoutAddressStoresNothing()
{
    TestUnit unit;
    unit.setSetting("Bluetooth/Headphone_ID", "001A7DDA7113");
    Systemsettings* s = openScreen(unit);
    unit.source()->clear();
    // Accepted before any device was found: the dialog holds no address.
    onModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    click(s, "butPairedHeadphone");
    QCOMPARE(unit.source()->count("resetBluetooth"), 0);
    QCOMPARE(unit.source()->a2dpCalls, QList<bool>{false});
    QCOMPARE(stored(unit, "Bluetooth/Headphone_ID").toString(), QString("001A7DDA7113"));
}

void TestSettingsScreen::otherDialogsStoreTheirResult()
{
    TestUnit unit;
    unit.root.write("/sys/class/backlight/backlight/brightness", "6\n");
    Systemsettings* s = openScreen(unit);

    answerModal({"butPushButton", "butMenuOk"});
    click(s, "butSwitchmode");
    QCOMPARE(stored(unit, "Systemsettings/Switchmode").toString(), QString("Push-Button"));
    QCOMPARE(value(s, "butSwitchmode"), QString("Pushbutton"));
    QVERIFY(!unit.window()->isMuteKeySwitchmode());

    answerModal({"butFavourite_4", "butMenuOk"});
    click(s, "butFavouriteButton");
    QCOMPARE(stored(unit, "Systemsettings/FavouriteButton").toInt(), 4);
    QCOMPARE(value(s, "butFavouriteButton"), QString("H2 sensor"));

    answerModal({"butHigh", "butMenuOk"});
    click(s, "butBrightness");
    QCOMPARE(stored(unit, "Systemsettings/Brightness").toInt(), 7);
    QCOMPARE(value(s, "butBrightness"), QString("high"));
    QCOMPARE(unit.root.readTrimmed("/sys/class/backlight/backlight/brightness"), QByteArray("7"));

    answerModal({"butPowerOff_7200", "butMenuDown", "butDisplayOff_30", "butMenuOk"});
    click(s, "butPowerSaving");
    QCOMPARE(stored(unit, "Systemsettings/PowerOffTime").toInt(), 7200);
    QCOMPARE(stored(unit, "Systemsettings/DisplayOffTime").toInt(), 30);
    QCOMPARE(value(s, "butPowerSaving"), QString("30 s / 2 h"));

    answerModal({"butLevelShowFft", "butMenuDown", "butMenuDown", "butMenuDown", "butMenuDown",
                 "butMenuDown", "butStartupUseTouch", "butMenuOk"});
    click(s, "butCustomize");
    QCOMPARE(stored(unit, "Dialogconfiguration/LevelMeasurement_ShowFft").toBool(), false);
    QCOMPARE(stored(unit, "Dialogconfiguration/Startup_UseTouchForStartup").toBool(), false);
    QCOMPARE(stored(unit, "Dialogconfiguration/Startup_UseGpsForStartup").toBool(), true);
    QCOMPARE(stored(unit, "Dialogconfiguration/H2Sensor_ShowHistogram").toBool(), true);

    // Cancelled dialogs leave file and texts alone.
    const QByteArray before = unit.root.read(Systemsettings::kSettingsFile);
    for (const char* button : {"butSwitchmode", "butFavouriteButton", "butBrightness", "butPowerSaving",
                               "butCustomize", "butHearingProtection", "butTimezone"}) {
        answerModal({"butMenuCancel"});
        click(s, button);
    }
    QCOMPARE(unit.root.read(Systemsettings::kSettingsFile), before);
    QCOMPARE(value(s, "butPowerSaving"), QString("30 s / 2 h"));

    answerModal({"butMenuBack"});
    click(s, "butSysteminformation");
    QCOMPARE(unit.root.read(Systemsettings::kSettingsFile), before);
}

void TestSettingsScreen::powerSavingTimesApplyAtOnce()
{
    // The OK key's press came before the dialog closed: no later key may
    // follow before the unit is put down.
    TestUnit unit;
    Systemsettings* s = openScreen(unit);
    StatusbarData()->resetPowerSavingCnt();
    QCOMPARE(StatusbarData()->powerOffCountdown(), 3600);
    answerModal({"butPowerOff_600", "butMenuDown", "butDisplayOff_30", "butMenuOk"});
    click(s, "butPowerSaving");
    QCOMPARE(StatusbarData()->powerOffCountdown(), 600);
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 30);
    // A cancelled dialog leaves the running countdowns alone.
    StatusbarData()->updateBacklightCountdown();
    answerModal({"butPowerOff_7200", "butMenuCancel"});
    click(s, "butPowerSaving");
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 28);
}

void TestSettingsScreen::resetToDeliveryState()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/Brightness", 4);
    unit.setSetting("Local-Settings/Language", 3);
    unit.setSetting("Bluetooth/Microphone_ID", "0018E4C0B009");
    unit.setSetting("Dialogconfiguration/Pipelocating_ShowFft", true);
    unit.setSetting("Debug/Debugfeatures", 1);
    Systemsettings* s = openScreen(unit);
    QSignalSpy changed(s, &Systemsettings::changeLanguage);
    QStringList journal;
    unit.sink()->journal = &journal;
    unit.source()->journal = &journal;
    unit.root.clearCommands();
    LogCapture log;

    answerModal({"butYes"});
    click(s, "butReset");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(stored(unit, "Systemsettings/Brightness").toInt(), 6);
    QCOMPARE(stored(unit, "Local-Settings/Language").toInt(), 1);
    QCOMPARE(stored(unit, "Bluetooth/Microphone_ID").toString(), QString());
    QCOMPARE(stored(unit, "Dialogconfiguration/Pipelocating_ShowFft").toBool(), false);
    QCOMPARE(stored(unit, "Debug/Debugfeatures").toInt(), 0);
    QCOMPARE(g_debugFeatures, 0);
    QCOMPARE(journal, QStringList({"sink:disconnectBtDevice", "sink:initBtModulSink", "sink:clearAllPairings",
                                   "source:disconnectBtDevice", "source:initBtModulSource",
                                   "source:clearAllPairings"}));
    QVERIFY(log.contains("Restarting VQ4100"));
    QCOMPARE(unit.root.commands(), QStringList{"reboot"});
    QCOMPARE(value(s, "butBrightness"), QString("medium"));
    unit.sink()->journal = nullptr;
    unit.source()->journal = nullptr;
}

void TestSettingsScreen::resetRejectedChangesNothing()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/Brightness", 4);
    Systemsettings* s = openScreen(unit);
    QSignalSpy changed(s, &Systemsettings::changeLanguage);
    const QByteArray before = unit.root.read(Systemsettings::kSettingsFile);
    unit.root.clearCommands();
    unit.sink()->clear();
    for (const char* answer : {"butNo", "butMenuCancel"}) {
        answerModal({answer});
        click(s, "butReset");
    }
    onModal([](QWidget* w) {
        QTest::keyPress(w, Qt::Key_Escape);
        QTest::keyRelease(w, Qt::Key_Escape);
    });
    click(s, "butReset");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(unit.root.read(Systemsettings::kSettingsFile), before);
    QVERIFY(unit.root.commands().isEmpty());
    QVERIFY(unit.sink()->calls.isEmpty());
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
