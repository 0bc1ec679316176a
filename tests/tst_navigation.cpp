// Screen switching, the menu stack, the accessory's mute signal between the
// main menu and the screens, leaving the screens, and the management menu.
#include "Mainmenu/h2sensor.h"
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Mainmenu/management.h"
#include "Mainmenu/pinpointing.h"
#include "Mainmenu/pipelocating.h"
#include "Mainmenu/pressuresensor.h"
#include "Management/gpsmonitor.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "clickbutton.h"
#include "focuscheck.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "storedentries.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

template <class Screen>
Screen* page(TestUnit& unit)
{
    return qobject_cast<Screen*>(unit.currentPage());
}

void escapeRelease(QWidget* screen)
{
    QTest::keyPress(screen, Qt::Key_Escape);
    QTest::keyRelease(screen, Qt::Key_Escape);
}

// Opens the browser's row of that directory with its Open button.
void openStored(QWidget* browser, const QString& dirName)
{
    auto* table = browser->findChild<QTableWidget*>("tableMeasurements");
    QVERIFY(table);
    const QList<QTableWidgetItem*> found = table->findItems(dirName.mid(19), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    table->setCurrentCell(found[0]->row(), 0);
    click(browser, "butMenuOpen");
}

}

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void elevenPushesStopAtLevelNine();
    void backAtLevelOneAndUnknownWidgetsShowMainPageOnly();
    void workedExample();
    void popSkipsTheRequestedScreen();
    void muteSignalMovesWithTheScreens();
    void leavingToMainMenuRestartsTheLinks();
    void browserAlwaysRefilledFromTheTop();
    void favouriteNumberFollowsTheScreenShown();
    void mainPageButtonsPush();
    void screensLeaveOnBackAndEscape();
    void testMenuSwitchesConsoleToUart();
    void focusShowsOnEveryScreen();

    void managementActions();
    void accessoryConfigurationEndsOnMainPage();
};

void TestNavigation::elevenPushesStopAtLevelNine()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    const int widgets[11] = {4, 5, 10, 4, 5, 10, 4, 5, 10, 4, 7};
    for (int widget : widgets)
        w->displayWidget(widget, 1, 0);
    QCOMPARE(w->menuLevel(), 9);
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4, 5, 10, 4, 5, 10, 4, 5, 7}));
    QVERIFY(page<MeasManagement>(unit));
}

void TestNavigation::backAtLevelOneAndUnknownWidgetsShowMainPageOnly()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    for (int widget : {-1, 2, 12, 42, 99, 100, 101, -7}) {
        const bool back = widget == -1;
        w->displayWidget(4, 1, 0);
        if (!back)
            w->displayWidget(5, 1, 0);
        unit.sink()->clear();
        LogCapture log;
        w->displayWidget(widget, 1, back ? 1 : 0);
        QCOMPARE(unit.currentPage(), unit.mainPage());
        QCOMPARE(unit.menuStack(), QVector<int>{0});
        // Not the main-menu start: no mute, no battery request.
        QVERIFY(!log.contains("Audiopath"));
        QVERIFY(unit.sink()->sent.isEmpty());
    }
}

void TestNavigation::workedExample()
{
    TestUnit unit;
    QVERIFY(StoredEntries::add(unit.root, "LE_20160412_093015_Valve 2"));
    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    QVERIFY(page<Management>(unit));
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4}));

    click(unit.currentPage(), "butMeasurements");
    auto* browser = page<MeasManagement>(unit);
    QVERIFY(browser);
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4, 7}));

    openStored(browser, "LE_20160412_093015_Valve 2");
    auto* level = page<Levelmeasurement>(unit);
    QVERIFY(level);
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4, 7}));

    click(level, "butMenuStoredBack");  // the stored view returns to the browser
    QCOMPARE(unit.currentPage(), browser);
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4, 7}));

    click(browser, "butMenuBack");  // the browser's Back: exit()
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(unit.menuStack(), QVector<int>{0});
}

void TestNavigation::popSkipsTheRequestedScreen()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    w->displayWidget(7, 1, 0);
    auto* settingsEntry = w->getInstanceSystemsettings()->findChild<SettingsButton*>("butLanguage");
    QVERIFY(settingsEntry);
    settingsEntry->setText2("not started", "");
    LogCapture log;

    w->displayWidget(5, 2, 0);
    // The pop showed the management menu again; the settings screen, never
    // seen, was not started.
    QVERIFY(page<Management>(unit));
    QCOMPARE(w->menuLevel(), 1);
    QCOMPARE(settingsEntry->getText1(), QString("not started"));

    // A measurement screen requested with a pop does not measure unseen.
    w->displayWidget(7, 1, 0);
    log.clear();
    w->displayWidget(3, 2, 1);
    QVERIFY(page<Management>(unit));
    QVERIFY(!log.contains("Audiopath"));
    QCOMPARE(unit.sink()->muteReceivers(), 1);  // still the main menu's

    // A pop from level 1 ends on the main page.
    w->displayWidget(10, 2, 0);
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(w->menuLevel(), 0);
}

void TestNavigation::muteSignalMovesWithTheScreens()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    RecordingBluetooth* sink = unit.sink();
    QCOMPARE(sink->muteReceivers(), 1);  // the main menu
    sink->sent.clear();  // the status data's start-up requests

    w->displayWidget(3, 1, 0);
    QCOMPARE(sink->muteReceivers(), 1);  // the screen only
    LogCapture log;
    emit sink->stateActiveMuteChanged(false);
    QVERIFY(log.contains("Pinpointing switchActiveMute false"));
    QVERIFY(!log.contains("Audiopath: MUTED"));

    // The hidden screen lets go of the signal; Management does not take it.
    w->displayWidget(4, 1, 0);
    QCOMPARE(sink->muteReceivers(), 0);
    QCOMPARE(sink->sentCount("BT_TX B"), 0);

    // Only the main page takes it back, once however often it is shown.
    w->displayWidget(0, 0, 0);
    QCOMPARE(sink->muteReceivers(), 1);
    QCOMPARE(sink->sentCount("BT_TX B"), 1);
    w->displayWidget(0, 0, 0);
    QCOMPARE(sink->muteReceivers(), 1);
    QCOMPARE(sink->sentCount("BT_TX B"), 2);

    // The main menu's receiver only ever mutes.
    log.clear();
    emit sink->stateActiveMuteChanged(true);
    QVERIFY(!log.contains("Audiopath"));
    emit sink->stateActiveMuteChanged(false);
    QCOMPARE(log.count("Audiopath: MUTED"), 1);

    // A screen that leaves by itself lets go of the signal.
    w->displayWidget(1, 1, 0);
    QCOMPARE(sink->muteReceivers(), 1);  // level alone
    click(unit.currentPage(), "butMenuMainmenu");
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(sink->muteReceivers(), 1);  // the main menu
}

void TestNavigation::leavingToMainMenuRestartsTheLinks()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/HeadphoneVolumeOffset", -2);
    MainMenu* w = unit.start();
    w->displayWidget(8, 1, 0);
    unit.sink()->clear();
    unit.source()->clear();
    LogCapture log;
    click(unit.currentPage(), "butMenuHome");
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(unit.sink()->sent, QStringList{"BT_TX B"});
    QCOMPARE(unit.sink()->a2dpCalls, QList<bool>{true});
    QCOMPARE(unit.source()->a2dpCalls, QList<bool>{false});
    // Muted (0) by the leave and on the main page, then the headset gain again.
    QCOMPARE(unit.source()->adcGains, QList<int>({0, 0, 3}));
    QVERIFY(log.contains("Audiopath: MUTED"));
    QVERIFY(w->isAudioPathMuted());

    // With hearing protection the headset gain is 1.
    TestUnit protectedUnit;
    protectedUnit.setSetting("Systemsettings/HearingProtection", true);
    MainMenu* w2 = protectedUnit.start();
    protectedUnit.source()->clear();
    w2->displayMainMenu();
    QCOMPARE(protectedUnit.source()->adcGains, QList<int>({0, 1}));
}

void TestNavigation::browserAlwaysRefilledFromTheTop()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    QVERIFY(w->getInstanceMeasManagement() == nullptr);
    LogCapture log;
    w->displayWidget(7, 1, 1);
    QVERIFY(w->getInstanceMeasManagement() != nullptr);
    QCOMPARE(log.count("MeasManagement: init 0 false"), 1);
    w->displayWidget(7, 0, 5);
    QCOMPARE(log.count("MeasManagement: init 0 false"), 2);
}

void TestNavigation::favouriteNumberFollowsTheScreenShown()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    ModalCloser sensorNotes;
    // Level and long-term exist already when another screen is opened between.
    const QList<QPair<int, int>> screens = {{1, 2}, {9, 3}, {6, 4}, {8, 5}, {11, 5}, {3, 1}};
    for (const auto& s : screens) {
        w->displayWidget(s.first, 1, 0);
        QCOMPARE(w->getCurrentVisibleDlgNum(), s.second);
        w->displayWidget(0, 0, 0);
    }
    for (const auto& s : screens) {
        w->displayWidget(3, 1, 0);
        w->displayWidget(s.first, 0, 0);
        QCOMPARE(w->getCurrentVisibleDlgNum(), s.second);
    }
    // The main page leaves the number as it is.
    w->displayWidget(0, 0, 0);
    QCOMPARE(w->getCurrentVisibleDlgNum(), 1);
}

void TestNavigation::mainPageButtonsPush()
{
    struct Case {
        const char* button;
        int widget;
        const char* screen;
    };
    const Case cases[] = {{"butPinpointing", 3, "Pinpointing"},
                          {"butLevelmeasurement", 1, "Levelmeasurement"},
                          {"butLongtermmeasurement", 9, "Longtermmeasurement"},
                          {"butH2Sensor", 6, "H2Sensor"},
                          {"butPipelocating", 8, "Pipelocating"},
                          {"butManagement", 4, "Management"}};
    TestUnit unit;
    MainMenu* w = unit.start();
    LogCapture log;
    for (const Case& c : cases) {
        if (c.widget == 6)
            ModalHelper::closeNextModal();  // no H2 sensor reported
        click(unit.mainPage(), c.button);
        QCOMPARE(unit.currentPage()->metaObject()->className(), c.screen);
        QCOMPARE(unit.menuStack(), QVector<int>({0, c.widget}));
        w->displayWidget(0, 0, 0);
    }
    click(unit.mainPage(), "butManagement");
    QCOMPARE(log.count("m_management: not init"), 1);
    QCOMPARE(log.count("m_management:"), 3);  // "not init" and the object, then the object
}

void TestNavigation::screensLeaveOnBackAndEscape()
{
    TestUnit unit;
    const QList<QPair<QString, int>> stored = {{"LE_20160412_093015_a", 1},
                                               {"PP_20160412_093015_b", 3},
                                               {"LT_20160412_093015_c", 9},
                                               {"H2_20160412_093015_d", 6},
                                               {"PL_20160412_093015_e", 8}};
    for (const auto& entry : stored)
        QVERIFY(StoredEntries::add(unit.root, entry.first));
    MainMenu* w = unit.start();
    // Pinpointing's, level measurement's and long-term's Back turns their
    // menu page: they leave by their main-menu button, and their stored views
    // by their own Back; pipe locating and the H2 screen have their home
    // button and the stored view's Back; the pressure screen has no Back: its
    // home button leaves, live or stored.
    auto leave = [](QWidget* screen, bool useEscape, bool stored = false) {
        const bool ownMenu = qobject_cast<Pinpointing*>(screen) || qobject_cast<Levelmeasurement*>(screen)
                             || qobject_cast<Longtermmeasurement*>(screen);
        const bool pressure = qobject_cast<PressureSensor*>(screen);
        const bool home = qobject_cast<Pipelocating*>(screen) || qobject_cast<H2Sensor*>(screen);
        const char* back = pressure                      ? "butMenuHome"
                           : stored && (ownMenu || home) ? "butMenuStoredBack"
                           : ownMenu                     ? "butMenuMainmenu"
                           : home                        ? "butMenuHome"
                                                         : "butMenuBack";
        useEscape ? escapeRelease(screen) : click(screen, back);
    };
    for (int widget : {1, 3, 6, 8, 9, 11}) {
        for (bool useEscape : {false, true}) {
            // Live: back to the main menu.
            if (widget == 6)
                ModalHelper::closeNextModal();  // no H2 sensor reported
            w->displayWidget(widget, 1, 0);
            QWidget* screen = unit.currentPage();
            QVERIFY(screen != unit.mainPage());
            leave(screen, useEscape);
            QCOMPARE(unit.currentPage(), unit.mainPage());

            // Stored view: Back returns to the browser, Escape to the main
            // menu (the pressure screen has no stored view).
            w->displayWidget(7, 1, 0);
            w->displayWidget(widget, -1, 1);
            leave(screen, useEscape, true);
            if (widget == 11 || useEscape)
                QCOMPARE(unit.currentPage(), unit.mainPage());
            else
                QVERIFY(page<MeasManagement>(unit));
            w->displayWidget(0, 0, 0);
        }
    }
    // The browser, the GPS monitor and the settings screen.
    for (bool useEscape : {false, true}) {
        for (int widget : {7, 10, 5}) {
            w->displayWidget(4, 1, 0);
            w->displayWidget(widget, 1, 0);
            leave(unit.currentPage(), useEscape);
            QCOMPARE(unit.currentPage(), unit.mainPage());
            QCOMPARE(w->menuLevel(), 0);
        }
    }
    // The pressure screen, which only the debug menu opens, starts like the
    // others.
    LogCapture log;
    ModalHelper::onModal("DebugMenu", [](QWidget* menu) { click(menu, "butPressureSensor"); });
    w->showWidget(101);
    QVERIFY(log.contains("Pressuresensor: displayWidget init"));
    QVERIFY(log.contains("Audiopath: MUTED"));
    QVERIFY(page<PressureSensor>(unit));
    QCOMPARE(unit.menuStack(), QVector<int>({0, 11}));
    QCOMPARE(unit.currentPage()->findChild<QLabel*>("labelSensorType")->text(), QString("-- bar"));
    w->displayWidget(0, 0, 0);
    // An Escape press alone leaves nothing.
    w->displayWidget(3, 1, 0);
    QTest::keyPress(unit.currentPage(), Qt::Key_Escape);
    QVERIFY(page<Pinpointing>(unit));
    // The browser opens each stored type in its own screen.
    for (const auto& entry : stored) {
        w->displayWidget(7, 1, 0);
        openStored(unit.currentPage(), entry.first);
        QCOMPARE(w->currentWidgetNumber(), entry.second);
        QCOMPARE(unit.menuStack().last(), 7);
    }
}

void TestNavigation::testMenuSwitchesConsoleToUart()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    unit.root.write("/sys/class/gpio/gpio50/value", "1");
    unit.root.write("/sys/class/gpio/gpio65/value", "0");
    ModalHelper::closeNextModal();
    w->showWidget(101);
    QCOMPARE(unit.root.gpioValue(50), QByteArray("1"));
    QCOMPARE(unit.root.gpioValue(65), QByteArray("0"));
    ModalHelper::closeNextModal();
    w->showWidget(100);
    QCOMPARE(unit.root.gpioValue(50), QByteArray("0"));
    QCOMPARE(unit.root.gpioValue(65), QByteArray("1"));
    // The TEST button does not touch the lines.
    unit.root.write("/sys/class/gpio/gpio50/value", "1");
    ModalHelper::closeNextModal();
    click(unit.mainPage(), "butTestMenu");
    QCOMPARE(unit.root.gpioValue(50), QByteArray("1"));
    w->showWidget(7);  // nothing
    QCOMPARE(unit.currentPage(), unit.mainPage());
}

void TestNavigation::managementActions()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    auto* management = page<Management>(unit);
    QVERIFY(management);
    // (The measurements button: see workedExample.)
    click(management, "butSystemsettings");
    QVERIFY(page<Systemsettings>(unit));
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4, 5}));

    w->displayWidget(-1, 0, 0);
    QCOMPARE(unit.currentPage(), management);
    click(management, "butGps");
    QVERIFY(page<GpsMonitor>(unit));
    QCOMPARE(unit.menuStack(), QVector<int>({0, 4}));

    // The USB and firmware dialogs return to the menu with its focus.
    w->displayWidget(4, 0, 0);
    for (const char* button : {"butDatatransmission", "butFirmwareupdate"}) {
        auto* b = management->findChild<QPushButton*>(button);
        b->setFocus();
        const bool usb = QByteArray(button) == "butDatatransmission";
        QString opened;
        auto back = [&opened](QWidget* dialog) {
            opened = dialog->metaObject()->className();
            dialog->findChild<QPushButton*>("butMenuBack")->click();
        };
        // The USB dialog asks first; No lends nothing.
        if (usb) {
            ModalHelper::onModal("MessageDialog", [back](QWidget* question) {
                ModalHelper::onModal("BackupDialog", back);
                question->findChild<QPushButton*>("butRight")->click();
            });
        } else {
            ModalHelper::onNextModal(back);
        }
        b->click();
        QCOMPARE(opened, QString(usb ? "BackupDialog" : "Firmwareupdate"));
        QCOMPARE(unit.currentPage(), management);
        QCOMPARE(management->focusWidget(), b);
        QCOMPARE(unit.menuStack(), QVector<int>({0, 4}));
    }
}

void TestNavigation::accessoryConfigurationEndsOnMainPage()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    // Its battery requests would count however long the dialog stays open.
    TestUnit::holdStatusPolls();
    unit.sink()->sent.clear();  // the status data's start-up requests
    w->displayWidget(4, 1, 0);
    QString opened;
    // The IO key's release closes it.
    ModalHelper::onNextModal([&opened](QWidget* dialog) {
        opened = dialog->metaObject()->className();
        QTest::keyPress(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QTest::keyRelease(dialog, Qt::Key_Escape);
    });
    click(unit.currentPage(), "butDeviceConfig");
    QCOMPARE(opened, QString("Configuration"));
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(w->menuLevel(), 0);
    QCOMPARE(unit.sink()->sentCount("BT_TX B"), 1);
}

void TestNavigation::focusShowsOnEveryScreen()
{
    // Worked through the keys: every screen has a focused control, and the
    // frame marks it. The main page starts on its first button.
    TestUnit unit;
    MainMenu* w = unit.start();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget*>("butPinpointing"));
    QCOMPARE(focusFault(unit.mainPage()), QString());
    ModalCloser sensorNotes;
    for (int widget : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}) {
        w->displayWidget(widget, 1, 0);
        settleFocus();  // after a closed note
        QCOMPARE(QString::number(widget) + focusFault(unit.currentPage()), QString::number(widget));
    }
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
