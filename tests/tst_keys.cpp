// The key filter: the six keypad keys as every screen sees them, long IO,
// the favourite key, Up+Down, waking from power saving, touch gating, the
// hardware-test pass-through, and the PC's X11 and VNC repeat patterns.
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "eventhandler.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "popupcloser.h"
#include "testunit.h"

#include <QPushButton>
#include <QtTest>

namespace {

const char* const kBacklight = "/sys/class/backlight/backlight/brightness";

// Records every key event that reaches it, and every touch event.
class Probe : public QWidget
{
public:
    Probe() { setAttribute(Qt::WA_AcceptTouchEvents); }
    QStringList keys;
    QList<QKeyEvent> raw;
    int touches = 0;

protected:
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(e);
            keys << QString("%1 %2")
                        .arg(e->type() == QEvent::KeyPress ? "press" : "release")
                        .arg(QKeySequence(k->key()).toString());
            raw << *k;
            return true;
        }
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            ++touches;
            e->accept();
            return true;
        default:
            return QWidget::event(e);
        }
    }
};

void key(QObject* target, QEvent::Type type, int k, bool autoRepeat = false,
         Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent e(type, k, modifiers, text, autoRepeat);
    QCoreApplication::sendEvent(target, &e);
    QCoreApplication::sendPostedEvents();
}

void press(QObject* t, int k, bool autoRepeat = false) { key(t, QEvent::KeyPress, k, autoRepeat); }
void release(QObject* t, int k, bool autoRepeat = false) { key(t, QEvent::KeyRelease, k, autoRepeat); }

// The keypad: a first press, flagged repeats, one release.
void hold(QObject* t, int k, int repeats)
{
    press(t, k);
    for (int i = 0; i < repeats; ++i)
        press(t, k, true);
}

int powerDownTimers(MainMenu* w)
{
    return w->findChildren<QTimer*>("powerDownTimer").size();
}

// The settings' backlight countdown runs out: the display goes dark.
void enterPowerSaving(TestUnit& unit)
{
    unit.start()->getInstanceSystemsettings();
    while (!StatusbarData()->isPowerSavingActive())
        StatusbarData()->updateBacklightCountdown();
}

// The production keyboard test runs for as long as the object lives.
struct HardwareTest {
    HardwareTest() { g_hardwareTestActive = true; }
    ~HardwareTest() { g_hardwareTestActive = false; }
};

// The filter on the application for as long as the object lives.
struct Filter {
    EventHandler handler;
    Filter() { qApp->installEventFilter(&handler); }
    ~Filter() { qApp->removeEventFilter(&handler); }
};

}

class TestKeys : public QObject
{
    Q_OBJECT
private slots:
    void translationWithoutMainWindow();
    void translatedEventsCarryNothingElse();
    void otherKeysPassUnchanged();
    void longIoDarkensAndPowersDownOnce();
    void veryLongIoPowersDownOnce();
    void releaseWithoutPressStartsFromNothing();
    void shortIoLeavesScreenThenMainPage();
    void shortIoClosesDialogAsCancel();
    void screenLeavingByItselfReachesMainPageTwice();
    void favouriteStoredWhenHeldNotExecuted();
    void favouriteShortPressExecutes();
    void upDownHeldTogetherSwitchConsole();
    void upThenDownSeparatelyDoNot();
    void pressDuringPowerSavingOnlyWakes();
    void darkBrightnessSettingWakesAtDefault();
    void touchGating();
    void mouseIsNeverGated();
    void hardwareTestPassesKeysUnchanged();
    void x11RepeatPairsActAsTheUnit();
    void vncRepeatedPressesActAsTheUnit();
};

void TestKeys::translationWithoutMainWindow()
{
    TestRoot root;
    Filter filter;
    Probe probe;
    for (int k : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F1, Qt::Key_F2}) {
        press(&probe, k);
        release(&probe, k);
    }
    // IO without a main window: its keys, nothing else; the favourite key
    // has nothing to run.
    QCOMPARE(probe.keys, QStringList({"press Up", "release Up", "press Space", "release Space",
                                      "press Down", "release Down", "press F10", "release F10",
                                      "press F11", "release Esc"}));
}

void TestKeys::translatedEventsCarryNothingElse()
{
    TestRoot root;
    Filter filter;
    Probe probe;
    key(&probe, QEvent::KeyPress, Qt::Key_F3, false, Qt::ShiftModifier, "x");
    QCOMPARE(probe.raw.size(), 1);
    const QKeyEvent& e = probe.raw.first();
    QCOMPARE(e.key(), int(Qt::Key_Up));
    QCOMPARE(e.modifiers(), Qt::NoModifier);
    QCOMPARE(e.text(), QString());
    QVERIFY(!e.isAutoRepeat());
    QCOMPARE(e.count(), 1);

    // Mute: one F10 press for a held key, and its release.
    probe.keys.clear();
    hold(&probe, Qt::Key_F6, 5);
    release(&probe, Qt::Key_F6);
    QCOMPARE(probe.keys, QStringList({"press F10", "release F10"}));
}

void TestKeys::otherKeysPassUnchanged()
{
    TestRoot root;
    Filter filter;
    Probe probe;
    key(&probe, QEvent::KeyPress, Qt::Key_A, true, Qt::ShiftModifier, "A");
    key(&probe, QEvent::KeyRelease, Qt::Key_F7);
    key(&probe, QEvent::KeyRelease, Qt::Key_Escape, true);
    QCOMPARE(probe.keys, QStringList({"press A", "release F7", "release Esc"}));
    QCOMPARE(probe.raw.first().text(), QString("A"));
    QCOMPARE(probe.raw.first().modifiers(), Qt::ShiftModifier);
    QVERIFY(probe.raw.first().isAutoRepeat());
    QVERIFY(probe.raw.last().isAutoRepeat());
}

void TestKeys::longIoDarkensAndPowersDownOnce()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    Filter filter;
    Probe probe;
    LogCapture log;
    hold(&probe, Qt::Key_F1, 7);
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("6"));
    press(&probe, Qt::Key_F1, true);
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("0"));
    QCOMPARE(log.count("Power down"), 1);
    QCOMPARE(probe.keys.count("press F11"), 9);

    release(&probe, Qt::Key_F1);
    QVERIFY(log.contains("Send Event for shutdown"));
    QVERIFY(log.contains("Key: SwitchOff"));
    QCOMPARE(log.count("beforePowerDown: Finish"), 1);
    QCOMPARE(powerDownTimers(w), 1);
    QCOMPARE(unit.sink()->disconnects, 1);
    // No Escape, no main page of its own.
    QVERIFY(!probe.keys.contains("release Esc"));
    QVERIFY(!log.contains("Eventhandler IO-Key released"));
}

void TestKeys::veryLongIoPowersDownOnce()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    Filter filter;
    Probe probe;
    LogCapture log;
    hold(&probe, Qt::Key_F1, 16);
    QCOMPARE(log.count("Power down"), 2);
    release(&probe, Qt::Key_F1);
    QCOMPARE(log.count("beforePowerDown: Finish"), 1);
    QCOMPARE(powerDownTimers(w), 1);
}

void TestKeys::releaseWithoutPressStartsFromNothing()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    Filter filter;
    Probe probe;
    LogCapture log;
    // A long press and its release switch off once; a stray release after
    // it is a short press.
    hold(&probe, Qt::Key_F1, 8);
    release(&probe, Qt::Key_F1);
    release(&probe, Qt::Key_F1);
    QCOMPARE(powerDownTimers(w), 1);
    QCOMPARE(log.count("Eventhandler IO-Key released"), 1);

    // Repeats without a first press count from 0.
    for (int i = 0; i < 7; ++i)
        press(&probe, Qt::Key_F1, true);
    QCOMPARE(log.count("Power down"), 1);
    press(&probe, Qt::Key_F1, true);
    QCOMPARE(log.count("Power down"), 2);
}

void TestKeys::shortIoLeavesScreenThenMainPage()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    w->displayWidget(5, 1, 0);
    QVERIFY(unit.currentPage() != unit.mainPage());
    Filter filter;
    Probe probe;
    LogCapture log;
    press(&probe, Qt::Key_F1);
    release(&probe, Qt::Key_F1);
    QCOMPARE(probe.keys, QStringList({"press F11", "release Esc"}));
    QVERIFY(log.contains("Eventhandler IO-Key released"));
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(w->menuLevel(), 0);
    QCOMPARE(powerDownTimers(w), 0);
}

void TestKeys::shortIoClosesDialogAsCancel()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    Filter filter;
    MessageDialog dialog(w);
    dialog.setDialogType(1);
    QWidget* pageWhileOpen = nullptr;
    ModalHelper::onNextModal([&](QWidget* modal) {
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        press(target, Qt::Key_F1);
        pageWhileOpen = unit.currentPage();
        release(target, Qt::Key_F1);
    });
    dialog.exec();
    QCOMPARE(dialog.getPressedButton(), 1);
    QVERIFY(pageWhileOpen && pageWhileOpen != unit.mainPage());
    QCOMPARE(unit.currentPage(), unit.mainPage());
}

void TestKeys::screenLeavingByItselfReachesMainPageTwice()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->displayWidget(1, 1, 0);
    QWidget* screen = unit.currentPage();
    unit.sink()->clear();
    Filter filter;
    LogCapture log;
    press(screen, Qt::Key_F1);
    release(screen, Qt::Key_F1);
    QCOMPARE(unit.currentPage(), unit.mainPage());
    // Once by the screen's exit(), once by the key filter.
    QCOMPARE(unit.sink()->sentCount("BT_TX B"), 2);
    QCOMPARE(log.count("Audiopath: MUTED"), 2);
}

void TestKeys::favouriteStoredWhenHeldNotExecuted()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", 4);
    unit.start();
    Filter filter;
    PopupCloser popups;
    Probe probe;
    LogCapture log;
    hold(&probe, Qt::Key_F2, 7);
    QVERIFY(!log.contains("Neue Funktion speichern"));
    press(&probe, Qt::Key_F2, true);
    QCOMPARE(log.count("Neue Funktion speichern"), 1);
    QVERIFY(log.contains("Popup closed 1"));
    // The start value of the screen in use: level measurement.
    QVERIFY(unit.root.read("/home/root/settings.ini").contains("FavouriteButton=2"));
    for (int i = 0; i < 8; ++i)
        press(&probe, Qt::Key_F2, true);
    release(&probe, Qt::Key_F2);
    QCOMPARE(log.count("Neue Funktion speichern"), 1);
    QVERIFY(!log.contains("Open Dialog"));
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QVERIFY(probe.keys.isEmpty());
    QCOMPARE(popups.closed(), 1);
}

void TestKeys::favouriteShortPressExecutes()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", 5);
    MainMenu* w = unit.start();
    Filter filter;
    Probe probe;
    LogCapture log;
    hold(&probe, Qt::Key_F2, 7);
    release(&probe, Qt::Key_F2);
    QCOMPARE(log.count("Open Dialog Pipelocating"), 1);
    QCOMPARE(w->currentWidgetNumber(), 8);
    QCOMPARE(w->menuLevel(), 0);
    // A release without a press runs it as well, once.
    release(&probe, Qt::Key_F2);
    QCOMPARE(log.count("Open Dialog Pipelocating"), 2);
}

void TestKeys::upDownHeldTogetherSwitchConsole()
{
    TestUnit unit;
    unit.start();
    unit.root.write("/sys/class/gpio/gpio50/value", "1");
    unit.root.write("/sys/class/gpio/gpio65/value", "0");
    Filter filter;
    PopupCloser popups;
    Probe probe;
    LogCapture log;
    hold(&probe, Qt::Key_F3, 3);
    hold(&probe, Qt::Key_F5, 3);
    release(&probe, Qt::Key_F3);
    QVERIFY(log.contains("m_cntUpKey 3 m_cntDownKey 3"));
    QVERIFY(log.contains("Switching to Uart-Mode"));
    QVERIFY(log.contains("Popup closed 3"));
    QCOMPARE(unit.root.gpioValue(50), QByteArray("0"));
    QCOMPARE(unit.root.gpioValue(65), QByteArray("1"));
    QVERIFY(!probe.keys.contains("release Up"));
    // Both counters start again: Down's release is an ordinary one.
    release(&probe, Qt::Key_F5);
    QCOMPARE(probe.keys.last(), QString("release Down"));
    QCOMPARE(popups.closed(), 1);
}

void TestKeys::upThenDownSeparatelyDoNot()
{
    TestUnit unit;
    unit.start();
    unit.root.write("/sys/class/gpio/gpio50/value", "1");
    Filter filter;
    PopupCloser popups;
    Probe probe;
    hold(&probe, Qt::Key_F3, 5);
    release(&probe, Qt::Key_F3);
    hold(&probe, Qt::Key_F5, 5);
    release(&probe, Qt::Key_F5);
    QCOMPARE(unit.root.gpioValue(50), QByteArray("1"));
    QCOMPARE(popups.closed(), 0);
    QCOMPARE(probe.keys.count("release Up"), 1);
    QCOMPARE(probe.keys.count("release Down"), 1);
}

void TestKeys::pressDuringPowerSavingOnlyWakes()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/Brightness", 4);
    unit.setSetting("Systemsettings/DisplayOffTime", 4);
    unit.start();
    Filter filter;
    Probe probe;
    enterPowerSaving(unit);
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("0"));

    press(&probe, Qt::Key_F4);
    QVERIFY(probe.keys.isEmpty());
    QVERIFY(!StatusbarData()->isPowerSavingActive());
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("4"));
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 4);
    // Its release is still translated.
    release(&probe, Qt::Key_F4);
    QCOMPARE(probe.keys, QStringList{"release Space"});

    // Awake, every key restarts the countdowns.
    StatusbarData()->updateBacklightCountdown();
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 2);
    press(&probe, Qt::Key_F4);
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 4);
    QCOMPARE(probe.keys.last(), QString("press Space"));
}

void TestKeys::darkBrightnessSettingWakesAtDefault()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/Brightness", 0);
    unit.setSetting("Systemsettings/DisplayOffTime", 0);
    unit.setSetting("Systemsettings/PowerOffTime", -5);
    unit.start();
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("6"));
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 259200);
    QCOMPARE(StatusbarData()->powerOffCountdown(), 259200);
    enterPowerSaving(unit);
    StatusbarData()->resetPowerSavingCnt();
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("6"));

    // No backlight file: nothing is created, the flags still change.
    unit.root.remove(kBacklight);
    StatusbarData()->updateBacklightCountdown();
    while (!StatusbarData()->isPowerSavingActive())
        StatusbarData()->updateBacklightCountdown();
    StatusbarData()->resetPowerSavingCnt();
    QVERIFY(!StatusbarData()->isPowerSavingActive());
    QVERIFY(!unit.root.exists(kBacklight));
    QVERIFY(!Statusbardata::writeBacklight(0));
}

void TestKeys::touchGating()
{
    for (bool enabled : {false, true}) {
        TestUnit unit;
        unit.setSetting("Dialogconfiguration/Startup_UseTouchForStartup", enabled);
        unit.setSetting("Systemsettings/DisplayOffTime", 10);
        unit.start();
        // The countdown moves only when the test says so.
        TestUnit::holdStatusPolls();
        Filter filter;
        Probe probe;
        probe.resize(100, 100);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QTouchDevice* device = QTest::createTouchDevice();

        StatusbarData()->updateBacklightCountdown();
        QTest::touchEvent(&probe, device).press(0, QPoint(10, 10), &probe);
        QTest::touchEvent(&probe, device).release(0, QPoint(10, 10), &probe);
        QCOMPARE(probe.touches, enabled ? 2 : 0);
        // Only an accepted touch restarts the countdowns.
        QCOMPARE(StatusbarData()->backlightOffCountdown(), enabled ? 10 : 8);

        // While dark, a touch's end only wakes.
        enterPowerSaving(unit);
        probe.touches = 0;
        QTest::touchEvent(&probe, device).press(0, QPoint(10, 10), &probe);
        QTest::touchEvent(&probe, device).release(0, QPoint(10, 10), &probe);
        QCOMPARE(StatusbarData()->isPowerSavingActive(), !enabled);
        QCOMPARE(probe.touches, enabled ? 1 : 0);
    }
}

void TestKeys::mouseIsNeverGated()
{
    TestUnit unit;
    unit.setSetting("Dialogconfiguration/Startup_UseTouchForStartup", false);
    unit.start();
    Filter filter;
    QPushButton button("b");
    button.resize(80, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void TestKeys::hardwareTestPassesKeysUnchanged()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/DisplayOffTime", 4);
    MainMenu* w = unit.start();
    Filter filter;
    Probe probe;
    HardwareTest keyTest;
    hold(&probe, Qt::Key_F1, 10);
    release(&probe, Qt::Key_F1);
    press(&probe, Qt::Key_F6);
    release(&probe, Qt::Key_F6);
    QCOMPARE(probe.keys.count("press F1"), 11);
    QCOMPARE(probe.keys.mid(11), QStringList({"release F1", "press F6", "release F6"}));
    QCOMPARE(powerDownTimers(w), 0);
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("6"));

    // A press during power saving still only wakes.
    enterPowerSaving(unit);
    probe.keys.clear();
    press(&probe, Qt::Key_F3);
    release(&probe, Qt::Key_F3);
    QCOMPARE(probe.keys, QStringList{"release F3"});
}

void TestKeys::x11RepeatPairsActAsTheUnit()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    Filter filter;
    Probe probe;
    LogCapture log;
    press(&probe, Qt::Key_F1);
    for (int i = 0; i < 8; ++i) {
        release(&probe, Qt::Key_F1, true);
        press(&probe, Qt::Key_F1, true);
    }
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("0"));
    release(&probe, Qt::Key_F1);
    QCOMPARE(powerDownTimers(w), 1);
    QVERIFY(!probe.keys.contains("release Esc"));

    // Mute: one press, one release.
    probe.keys.clear();
    press(&probe, Qt::Key_F6);
    for (int i = 0; i < 4; ++i) {
        release(&probe, Qt::Key_F6, true);
        press(&probe, Qt::Key_F6, true);
    }
    release(&probe, Qt::Key_F6);
    QCOMPARE(probe.keys, QStringList({"press F10", "release F10"}));

    // Up held: Up presses, one release.
    probe.keys.clear();
    press(&probe, Qt::Key_F3);
    release(&probe, Qt::Key_F3, true);
    press(&probe, Qt::Key_F3, true);
    release(&probe, Qt::Key_F3);
    QCOMPARE(probe.keys, QStringList({"press Up", "press Up", "release Up"}));
}

void TestKeys::vncRepeatedPressesActAsTheUnit()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", 3);
    MainMenu* w = unit.start();
    Filter filter;
    PopupCloser popups;
    Probe probe;
    LogCapture log;
    for (int i = 0; i < 9; ++i)
        press(&probe, Qt::Key_F1);
    QCOMPARE(log.count("Power down"), 1);
    release(&probe, Qt::Key_F1);
    QCOMPARE(powerDownTimers(w), 1);

    for (int i = 0; i < 10; ++i)
        press(&probe, Qt::Key_F2);
    release(&probe, Qt::Key_F2);
    QCOMPARE(log.count("Neue Funktion speichern"), 1);
    QVERIFY(!log.contains("Open Dialog"));

    probe.keys.clear();
    for (int i = 0; i < 3; ++i)
        press(&probe, Qt::Key_F6);
    release(&probe, Qt::Key_F6);
    QCOMPARE(probe.keys, QStringList({"press F10", "release F10"}));
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
