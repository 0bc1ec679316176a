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
#include "clickbutton.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

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

// Opens the dialog behind the screen's `button` and answers it so.
void answer(QWidget* screen, const char* button, const QStringList& buttons)
{
    answerModal(buttons);
    click(screen, button);
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

    void languageButtonsBackAndEscape();
    void languagePagesWrapAndStay();
    void languageChosenOnTheScreen();

    void pagesWrapAndEscapeLeaves();
    void initShowsTheFileAsItStands();
    void timeRefreshesOnlyTheTimeZoneBoth();
    void dateFormatAndSource();
    void hearingProtectionGains();
    void pairingAcceptedAndCancelled();
    void pairingWithoutAddressStoresNothing();
    void otherDialogsStoreTheirResult();
    void powerSavingTimesApplyAtOnce();
    void resetRefusedOrToDeliveryState();
};

void TestSettingsScreen::languageButtonsBackAndEscape()
{
    TestUnit unit;
    Systemsettings* settings = unit.start()->getInstanceSystemsettings();
    LanguageSelect dialog;
    QCOMPARE(dialog.getSelectedLanguage(), 1);
    // Every language button shows a flag and selects the language it names,
    // each another one.
    QFile sheet(":/Stylesheets/Resources/Stylesheets/default.qss");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QString css = sheet.readAll();
    QSet<int> chosen;
    for (QPushButton* b : dialog.findChild<QWidget*>("mainArea")->findChildren<QPushButton*>()) {
        dialog.setResult(QDialog::Rejected);
        b->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QByteArray language = b->objectName().mid(3).toLatin1();  // "butPolish": Polish
        QCOMPARE(settings->getLanguageName(dialog.getSelectedLanguage()),
                 QCoreApplication::translate("LanguageSelect", language.constData()));
        chosen << dialog.getSelectedLanguage();
        QVERIFY2(css.contains("#" + b->objectName() + " { image: url("), qPrintable(b->objectName()));
    }
    QCOMPARE(chosen.size(), 25);
    click(&dialog, "butUkrainian");

    // Back and Escape keep the last choice (Ukrainian).
    answerModal({"butMenuBack"});
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.getSelectedLanguage(), 25);
    bool openAfterPress = false;
    ModalHelper::escapeNextModal(&openAfterPress);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(openAfterPress);
    QCOMPARE(dialog.getSelectedLanguage(), 25);
}

void TestSettingsScreen::languagePagesWrapAndStay()
{
    TestUnit unit;
    Systemsettings* screen = openScreen(unit);
    LanguageSelect* dialog = screen->languageDialog();
    QVERIFY(dialog);
    // Its tips are those of the language loaded.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(dialog->findChild<QWidget*>("butMenuDown")->toolTip(), QString("Next page"));
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
    answer(screen, "butLanguage", {"butMenuBack"});
    int shownPage = 0;
    onModal([&](QWidget*) { shownPage = dialog->currentPage(); });
    click(screen, "butLanguage");
    QCOMPARE(shownPage, 4);
    QCOMPARE(pages->currentWidget()->objectName(), QString("language_4"));
}

void TestSettingsScreen::languageChosenOnTheScreen()
{
    TestUnit unit;
    Systemsettings* screen = openScreen(unit);
    QSignalSpy changed(screen, &Systemsettings::changeLanguage);
    answer(screen, "butLanguage", {"butMenuDown", "butPolish"});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 12);
    QCOMPARE(stored(unit, "Local-Settings/Language").toInt(), 12);
    // The language changes at once: the entry names it in Polish.
    QTranslator polish;
    QVERIFY(polish.load(":/Languages/PL_VQ4100.qm"));
    QCOMPARE(value(screen, "butLanguage"), polish.translate("LanguageSelect", "Polish"));

    answer(screen, "butLanguage", {"butMenuBack"});
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
    using Settings = QList<QPair<QString, QVariant>>;
    using Texts = QList<QPair<QString, QString>>;
    auto check = [](Systemsettings* s, const Texts& texts) {
        for (const auto& [button, text] : texts)  // the name in the text tells a failing row
            QCOMPARE(button + ": " + value(s, qPrintable(button)), button + ": " + text);
    };
    {
        TestUnit unit;
        const Settings settings{
            {"Systemsettings/Brightness", 4},          {"Systemsettings/PowerOffTime", 3600},
            {"Systemsettings/DisplayOffTime", 600},    {"Local-Settings/DaylightSavingTime", 1},
            {"Systemsettings/Switchmode", "Push"},     {"Local-Settings/Language", 27},
            {"Systemsettings/FavouriteButton", 9},     {"Systemsettings/HearingProtection", true},
            {"Bluetooth/Headphone_Name", "BT Headset"}, {"Bluetooth/Microphone_Name", "TB-9"},
            {"Local-Settings/Dateformat", "MMDDYYYY"}};
        for (const auto& [key, v] : settings)
            unit.setSetting(key, v);
        LogCapture log;
        Systemsettings* s = openScreen(unit);
        check(s, {{"butBrightness", "4"},                 {"butPowerSaving", "10 min / 1 h"},
                  {"butDaylightSavingTime", "Summer time"}, {"butSwitchmode", "Pushbutton"},
                  {"butLanguage", "English"},               {"butFavouriteButton", "Level measurement"},
                  {"butHearingProtection", "Active"},       {"butPairedHeadphone", "BT Headset"},
                  {"butPairedMicrophone", "TB-9"},          {"butSysteminformation", "FW: 1.11.0"},
                  {"butCustomize", "different values"},     {"butReset", ""},
                  {"butTime", "10:20:30"},                  {"butDate", "03/09/2024"},
                  {"butTimezone", "Berlin (+1 h)"}});
        QVERIFY(log.contains("Favourite button: 2 \"Level measurement\""));
        QVERIFY(s->findChild<QWidget*>("butMenuBack")->hasFocus() || !s->isActiveWindow());
    }
    {
        TestUnit unit;
        const Settings settings{{"Local-Settings/Language", 0}, {"Systemsettings/Brightness", 7},
                                {"Systemsettings/PowerOffTime", 0}, {"Systemsettings/DisplayOffTime", -1}};
        for (const auto& [key, v] : settings)
            unit.setSetting(key, v);
        check(openScreen(unit), {{"butLanguage", "English"},        {"butBrightness", "high"},
                                 {"butPowerSaving", "--- / never"}, {"butDaylightSavingTime", "Winter time"},
                                 {"butSwitchmode", "Switch"},       {"butDate", "09.03.2024"}});
    }
}

void TestSettingsScreen::timeRefreshesOnlyTheTimeZoneBoth()
{
    TestUnit unit;
    Systemsettings* s = openScreen(unit);
    const QDateTime later(QDate(2024, 3, 10), QTime(11, 0, 0), Qt::UTC);
    SystemClock::setSource([later] { return later; });
    // A marker on the date shows whether the dialog refreshed it.
    auto answerMarked = [&](const char* button, const QStringList& buttons) {
        s->findChild<SettingsButton*>("butDate")->setText2("Date", "marker");
        unit.root.clearCommands();
        answer(s, button, buttons);
    };

    answerMarked("butTime", {"butMenuOk"});
    QCOMPARE(value(s, "butTime"), QString("11:00:00"));
    QCOMPARE(value(s, "butDate"), QString("marker"));
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-03-10 11:00:00", "hwclock -w"}));

    // A new zone: the clock moves by the difference and both texts follow.
    answerMarked("butTimezone", {"butMenuDown", "butMenuOk"});  // Berlin -> Athens
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-03-10 12:00:00", "hwclock -w"}));
    QCOMPARE(value(s, "butTimezone"), QString("Athens (+2 h)"));
    QCOMPARE(stored(unit, "Local-Settings/TimezoneNum").toInt(), 14);
    QCOMPARE(stored(unit, "Local-Settings/TimezoneOffset").toInt(), 7200);
    QCOMPARE(stored(unit, "Local-Settings/Timezone").toString(), QString("Athens (+2 h)"));
    QCOMPARE(value(s, "butDate"), QString("10.03.2024"));  // the stub changed no clock

    answerMarked("butDaylightSavingTime", {"butSummertime", "butMenuOk"});
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-03-10 12:00:00", "hwclock -w"}));
    QCOMPARE(value(s, "butDaylightSavingTime"), QString("Summer time"));
    QCOMPARE(value(s, "butDate"), QString("10.03.2024"));
    QCOMPARE(stored(unit, "Local-Settings/DaylightSavingTime").toInt(), 1);

    // Cancelled: nothing is set, stored or refreshed.
    answerMarked("butDaylightSavingTime", {"butWintertime", "butMenuCancel"});
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
    answer(s, "butDate", {"butYYYYMMDD", "butMenuOk"});
    QCOMPARE(stored(unit, "Local-Settings/Dateformat").toString(), QString("YYYYMMDD"));
    QCOMPARE(stored(unit, "Local-Settings/DateTimeSource").toString(), QString("GPS"));
    QVERIFY(gps->isSystemTimeSettingViaGpsEnabled());
    QCOMPARE(value(s, "butDate"), QString("2024-03-09"));

    answer(s, "butTime", {"butMenuDown", "butMenuDown", "butManual", "butMenuOk"});
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
        answer(s, "butHearingProtection", c.buttons + QStringList{"butMenuOk"});
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
        answer(s, button, {"butCancel"});
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

    answer(s, "butSwitchmode", {"butPushButton", "butMenuOk"});
    QCOMPARE(stored(unit, "Systemsettings/Switchmode").toString(), QString("Push-Button"));
    QCOMPARE(value(s, "butSwitchmode"), QString("Pushbutton"));
    QVERIFY(!unit.window()->isMuteKeySwitchmode());

    answer(s, "butFavouriteButton", {"butFavourite_4", "butMenuOk"});
    QCOMPARE(stored(unit, "Systemsettings/FavouriteButton").toInt(), 4);
    QCOMPARE(value(s, "butFavouriteButton"), QString("H2 sensor"));

    answer(s, "butBrightness", {"butHigh", "butMenuOk"});
    QCOMPARE(stored(unit, "Systemsettings/Brightness").toInt(), 7);
    QCOMPARE(value(s, "butBrightness"), QString("high"));
    QCOMPARE(unit.root.readTrimmed("/sys/class/backlight/backlight/brightness"), QByteArray("7"));

    answer(s, "butPowerSaving", {"butPowerOff_7200", "butMenuDown", "butDisplayOff_30", "butMenuOk"});
    QCOMPARE(stored(unit, "Systemsettings/PowerOffTime").toInt(), 7200);
    QCOMPARE(stored(unit, "Systemsettings/DisplayOffTime").toInt(), 30);
    QCOMPARE(value(s, "butPowerSaving"), QString("30 s / 2 h"));

    answer(s, "butCustomize", {"butLevelShowFft", "butMenuDown", "butMenuDown", "butMenuDown", "butMenuDown",
                               "butMenuDown", "butStartupUseTouch", "butMenuOk"});
    QCOMPARE(stored(unit, "Dialogconfiguration/LevelMeasurement_ShowFft").toBool(), false);
    QCOMPARE(stored(unit, "Dialogconfiguration/Startup_UseTouchForStartup").toBool(), false);
    QCOMPARE(stored(unit, "Dialogconfiguration/Startup_UseGpsForStartup").toBool(), true);
    QCOMPARE(stored(unit, "Dialogconfiguration/H2Sensor_ShowHistogram").toBool(), true);

    // Cancelled dialogs leave file and texts alone.
    const QByteArray before = unit.root.read(Systemsettings::kSettingsFile);
    for (const char* button : {"butSwitchmode", "butFavouriteButton", "butBrightness", "butPowerSaving",
                               "butCustomize", "butHearingProtection", "butTimezone"})
        answer(s, button, {"butMenuCancel"});
    QCOMPARE(unit.root.read(Systemsettings::kSettingsFile), before);
    QCOMPARE(value(s, "butPowerSaving"), QString("30 s / 2 h"));

    answer(s, "butSysteminformation", {"butMenuBack"});
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
    answer(s, "butPowerSaving", {"butPowerOff_600", "butMenuDown", "butDisplayOff_30", "butMenuOk"});
    QCOMPARE(StatusbarData()->powerOffCountdown(), 600);
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 30);
    // A cancelled dialog leaves the running countdowns alone.
    StatusbarData()->updateBacklightCountdown();
    answer(s, "butPowerSaving", {"butPowerOff_7200", "butMenuCancel"});
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 28);
}

void TestSettingsScreen::resetRefusedOrToDeliveryState()
{
    QStringList journal;  // outlives the modules
    TestUnit unit;
    unit.setSetting("Systemsettings/Brightness", 4);
    unit.setSetting("Local-Settings/Language", 3);
    unit.setSetting("Bluetooth/Microphone_ID", "0018E4C0B009");
    unit.setSetting("Dialogconfiguration/Pipelocating_ShowFft", true);
    unit.setSetting("Debug/Debugfeatures", 1);
    Systemsettings* s = openScreen(unit);
    QSignalSpy changed(s, &Systemsettings::changeLanguage);
    unit.sink()->journal = &journal;
    unit.source()->journal = &journal;
    unit.root.clearCommands();
    LogCapture log;

    const QByteArray before = unit.root.read(Systemsettings::kSettingsFile);
    for (const char* no : {"butNo", "butMenuCancel"})
        answer(s, "butReset", {no});
    ModalHelper::escapeNextModal();
    click(s, "butReset");
    // The file cannot be written (a directory in its place): a dialog's
    // change and the reset warn, and the reset goes no further.
    const QString file = unit.root.path(Systemsettings::kSettingsFile);
    QVERIFY(QFile::rename(file, file + ".kept") && QDir().mkdir(file));
    QStringList warnings;
    for (const auto& [button, answers] : QList<QPair<const char*, QStringList>>{
             {"butSwitchmode", {"butPushButton", "butMenuOk"}}, {"butReset", {"butYes"}}}) {
        onModal([&warnings, buttons = answers](QWidget* w) {
            onModal([&warnings](QWidget* m) { warnings << m->findChild<QLabel*>("labelInfotext")->text(); });
            for (const QString& b : buttons)
                click(w, qPrintable(b));
        });
        click(s, button);
    }
    // The unit speaks French.
    QTranslator french;
    QVERIFY(french.load(":/Languages/FR_VQ4100.qm"));
    const QString notStored = french.translate("MessageDialog", "SettingsCouldNotBeStored");
    QCOMPARE(warnings, QStringList({notStored, notStored}));
    QVERIFY(QDir().rmdir(file) && QFile::rename(file + ".kept", file));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(unit.root.read(Systemsettings::kSettingsFile), before);
    QVERIFY(unit.root.commands().isEmpty());
    QVERIFY(journal.isEmpty());

    answer(s, "butReset", {"butYes"});
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
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
