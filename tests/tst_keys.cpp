// The key filter: the six keypad keys as every screen sees them, long IO,
// the favourite key, Up+Down, waking from power saving, touch gating, the
// hardware-test pass-through, and the PC's X11 and VNC repeat patterns.
#include "Hardware/backlight.h"
#include "Hardware/massstorage.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "clickbutton.h"
#include "eventhandler.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "popupcloser.h"
#include "storedentries.h"
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

// The settings' backlight countdown runs out: the display goes dark.
void enterPowerSaving()
{
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

MainMenu* startWith(TestUnit& unit, const QVariantMap& settings)
{
    for (auto it = settings.begin(); it != settings.end(); ++it)
        unit.setSetting(it.key(), it.value());
    MainMenu* w = unit.start();
    // Only the test moves the countdowns.
    TestUnit::holdStatusPolls();
    return w;
}

// A started unit ("Group/Key" settings) with the filter installed, a probe
// to send keys to, pop-ups closed and the log captured.
struct Rig {
    TestUnit unit;
    MainMenu* w;
    Filter filter;
    PopupCloser popups;
    Probe probe;
    LogCapture log;
    explicit Rig(const QVariantMap& settings = {}) : w(startWith(unit, settings)) {}
    int powerDownTimers() const { return w->findChildren<QTimer*>("powerDownTimer").size(); }
    QByteArray backlight() const { return unit.root.readTrimmed(kBacklight); }
};

}

class TestKeys : public QObject
{
    Q_OBJECT
private slots:
    void translationWithoutMainWindow();
    void longIoDarkensAndPowersDownOnce_data();
    void longIoDarkensAndPowersDownOnce();
    void shortIoShowsMainPage();
    void shortIoClosesDialogAsCancel();
    void favouriteHeldStoresShortPressOpens();
    void favouriteUnderDialogs_data();
    void favouriteUnderDialogs();
    void upDownOnlyTogetherSwitchConsole();
    void pressDuringPowerSavingOnlyWakes_data();
    void pressDuringPowerSavingOnlyWakes();
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

    // Translated events carry nothing of the original.
    probe.keys.clear();
    probe.raw.clear();
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

    // Other keys pass unchanged.
    probe.keys.clear();
    probe.raw.clear();
    key(&probe, QEvent::KeyPress, Qt::Key_A, true, Qt::ShiftModifier, "A");
    key(&probe, QEvent::KeyRelease, Qt::Key_F7);
    key(&probe, QEvent::KeyRelease, Qt::Key_Escape, true);
    QCOMPARE(probe.keys, QStringList({"press A", "release F7", "release Esc"}));
    QCOMPARE(probe.raw.first().text(), QString("A"));
    QCOMPARE(probe.raw.first().modifiers(), Qt::ShiftModifier);
    QVERIFY(probe.raw.first().isAutoRepeat());
    QVERIFY(probe.raw.last().isAutoRepeat());
}

void TestKeys::longIoDarkensAndPowersDownOnce_data()
{
    QTest::addColumn<int>("repeats");
    QTest::addColumn<int>("powerDownLogs");
    QTest::newRow("8 repeats") << 8 << 1;
    QTest::newRow("16 repeats") << 16 << 2;
}

void TestKeys::longIoDarkensAndPowersDownOnce()
{
    QFETCH(int, repeats);
    QFETCH(int, powerDownLogs);
    Rig r;
    hold(&r.probe, Qt::Key_F1, 7);
    QCOMPARE(r.backlight(), QByteArray("6"));
    for (int i = 7; i < repeats; ++i)
        press(&r.probe, Qt::Key_F1, true);
    QCOMPARE(r.backlight(), QByteArray("0"));
    QCOMPARE(r.log.count("Power down"), powerDownLogs);
    QCOMPARE(r.probe.keys.count("press F11"), repeats + 1);

    release(&r.probe, Qt::Key_F1);
    QVERIFY(r.log.contains("Send Event for shutdown"));
    QVERIFY(r.log.contains("Key: SwitchOff"));
    QCOMPARE(r.log.count("beforePowerDown: Finish"), 1);
    QCOMPARE(r.powerDownTimers(), 1);
    QCOMPARE(r.unit.sink()->disconnects, 1);
    // No Escape, no main page of its own.
    QVERIFY(!r.probe.keys.contains("release Esc"));
    QVERIFY(!r.log.contains("Eventhandler IO-Key released"));

    // A stray release after it is a short press.
    release(&r.probe, Qt::Key_F1);
    QCOMPARE(r.powerDownTimers(), 1);
    QCOMPARE(r.log.count("Eventhandler IO-Key released"), 1);

    // Repeats without a first press count from 0.
    for (int i = 0; i < 7; ++i)
        press(&r.probe, Qt::Key_F1, true);
    QCOMPARE(r.log.count("Power down"), powerDownLogs);
    press(&r.probe, Qt::Key_F1, true);
    QCOMPARE(r.log.count("Power down"), powerDownLogs + 1);
}

void TestKeys::shortIoClosesDialogAsCancel()
{
    Rig r;
    r.w->displayWidget(4, 1, 0);
    MessageDialog dialog(r.w);
    dialog.setDialogType(1);
    QWidget* pageWhileOpen = nullptr;
    ModalHelper::onNextModal([&](QWidget* modal) {
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        press(target, Qt::Key_F1);
        pageWhileOpen = r.unit.currentPage();
        release(target, Qt::Key_F1);
    });
    dialog.exec();
    QCOMPARE(dialog.getPressedButton(), 1);
    QVERIFY(pageWhileOpen && pageWhileOpen != r.unit.mainPage());
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
}

void TestKeys::shortIoShowsMainPage()
{
    Rig r;
    r.w->displayWidget(4, 1, 0);
    r.w->displayWidget(5, 1, 0);
    QVERIFY(r.unit.currentPage() != r.unit.mainPage());
    press(&r.probe, Qt::Key_F1);
    release(&r.probe, Qt::Key_F1);
    QCOMPARE(r.probe.keys, QStringList({"press F11", "release Esc"}));
    QVERIFY(r.log.contains("Eventhandler IO-Key released"));
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
    QCOMPARE(r.w->menuLevel(), 0);
    QCOMPARE(r.powerDownTimers(), 0);

    // A screen that leaves by itself on the Escape: muted by its leave, main
    // page twice, once by its exit(), once by the filter.
    r.w->displayWidget(1, 1, 0);
    QWidget* screen = r.unit.currentPage();
    r.unit.sink()->clear();
    r.log.clear();
    press(screen, Qt::Key_F1);
    release(screen, Qt::Key_F1);
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
    QCOMPARE(r.unit.sink()->sentCount("BT_TX B"), 2);
    QCOMPARE(r.log.count("Audiopath: MUTED"), 3);
}

void TestKeys::favouriteHeldStoresShortPressOpens()
{
    Rig r({{"Systemsettings/FavouriteButton", 4}});
    hold(&r.probe, Qt::Key_F2, 7);
    QVERIFY(!r.log.contains("Neue Funktion speichern"));
    press(&r.probe, Qt::Key_F2, true);
    QCOMPARE(r.log.count("Neue Funktion speichern"), 1);
    QVERIFY(r.log.contains("Popup closed 1"));
    // The start value of the screen in use: level measurement.
    QVERIFY(r.unit.root.read("/home/root/settings.ini").contains("FavouriteButton=2"));
    for (int i = 0; i < 8; ++i)
        press(&r.probe, Qt::Key_F2, true);
    release(&r.probe, Qt::Key_F2);
    QCOMPARE(r.log.count("Neue Funktion speichern"), 1);
    QVERIFY(!r.log.contains("Open Dialog"));
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
    QVERIFY(r.probe.keys.isEmpty());
    QCOMPARE(r.popups.closed(), 1);

    // Released before the store: the favourite opens, off the stack.
    hold(&r.probe, Qt::Key_F2, 7);
    release(&r.probe, Qt::Key_F2);
    QCOMPARE(r.log.count("Open Dialog Levelmeasurement"), 1);
    QCOMPARE(r.w->currentWidgetNumber(), 1);
    QCOMPARE(r.w->menuLevel(), 0);
    // A release without a press runs it as well, once.
    release(&r.probe, Qt::Key_F2);
    QCOMPARE(r.log.count("Open Dialog Levelmeasurement"), 2);
}

void TestKeys::favouriteUnderDialogs_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("button");  // the screen's, that opens the dialog
    QTest::newRow("settings: brightness") << 5 << "butBrightness";
    QTest::newRow("delete question") << 7 << "butMenuEdit";
    QTest::newRow("TB-9 firmware transfer") << 4 << "butFirmwareupdate";
    QTest::newRow("USB, lent to a PC") << 4 << "butDatatransmission";
}

// Short, with favourite 0: a picture of the dialog (none while lent); with a
// screen as favourite nothing opens. Held: the function screen shown last
// (level measurement, the start value) is stored. The TB-9 hears nothing.
void TestKeys::favouriteUnderDialogs()
{
    QFETCH(int, screen);
    QFETCH(QString, button);
    Rig r({{"Systemsettings/FavouriteButton", 0}});
    QVERIFY(StoredEntries::add(r.unit.root, "PP_20160412_093015_Hydrant 3"));
    RecordingBluetooth* sink = r.unit.sink();
    sink->rfcomm = true;
    QVERIFY(r.unit.root.write("/media/vq4100/FW_TB9_1.05.tb9", QByteArray(130, 7)));
    r.w->displayWidget(4, 1, 0);
    r.w->displayWidget(screen, 1, 0);
    QWidget* page = r.unit.currentPage();
    if (auto* table = page->findChild<QWidget*>("tableMeasurements"))
        QTest::keyClick(table, Qt::Key_Down);
    QStringList toTb9Meanwhile;
    QImage seen, picture;
    bool busy = false;
    // Yes to the question before lending, the file chosen in the update,
    // Delete in the measurement's dialog; then the key in what is on top.
    ModalCloser closer([&](QWidget* d) {
        if (d->inherits("PopupInfo"))
            return;
        if (d->inherits("MeasManagementEdit"))
            return click(d, "butDelete");
        if (d->inherits("MessageDialog") && screen == 4)
            return click(d, "butMiddle");
        if (auto* list = d->findChild<QWidget*>("listFiles")) {
            QTest::keyClick(list, Qt::Key_Space);
            emit sink->terminationStringDetected();
            emit sink->btFwHeaderReceived(true);
            emit sink->btFwDataReceived(0, true);
        }
        busy = MassStorage::isLent() || sink->sent.value(sink->sent.size() - 1).startsWith("BT_TX FD 001");
        const int calls = sink->calls.size();
        QWidget* focus = d->focusWidget() ? d->focusWidget() : d;
        seen = d->grab().toImage();
        press(focus, Qt::Key_F2);
        release(focus, Qt::Key_F2);
        picture = QImage(r.unit.root.path("/media/vq4100/screenshots/pic_000.png"));
        r.w->getInstanceSystemsettings()->setFavouriteButton(3);
        press(focus, Qt::Key_F2);
        release(focus, Qt::Key_F2);
        hold(focus, Qt::Key_F2, 9);
        release(focus, Qt::Key_F2);
        toTb9Meanwhile = sink->calls.mid(calls);
        if (d->findChild<QWidget*>("butMenuBack"))
            click(d, "butMenuBack");
    });
    click(page, qPrintable(button));
    QCOMPARE(busy, screen == 4);
    QCOMPARE(picture.isNull(), button == "butDatatransmission");
    if (!picture.isNull())
        QCOMPARE(picture, seen.convertToFormat(picture.format()));
    QCOMPARE(toTb9Meanwhile, QStringList());
    QVERIFY(r.unit.root.read("/home/root/settings.ini").contains("FavouriteButton=2"));
    QCOMPARE(r.unit.currentPage(), page);
    QCOMPARE(r.log.count("Favourite screen not opened behind a dialog: 3"), 1);
}

void TestKeys::upDownOnlyTogetherSwitchConsole()
{
    Rig r;
    r.unit.root.write("/sys/class/gpio/gpio50/value", "1");
    r.unit.root.write("/sys/class/gpio/gpio65/value", "0");
    hold(&r.probe, Qt::Key_F3, 3);
    hold(&r.probe, Qt::Key_F5, 3);
    release(&r.probe, Qt::Key_F3);
    QVERIFY(r.log.contains("m_cntUpKey 3 m_cntDownKey 3"));
    QVERIFY(r.log.contains("Switching to Uart-Mode"));
    QVERIFY(r.log.contains("Popup closed 3"));
    QCOMPARE(r.unit.root.gpioValue(50), QByteArray("0"));
    QCOMPARE(r.unit.root.gpioValue(65), QByteArray("1"));
    QVERIFY(!r.probe.keys.contains("release Up"));
    // Both counters start again: Down's release is an ordinary one.
    release(&r.probe, Qt::Key_F5);
    QCOMPARE(r.probe.keys.last(), QString("release Down"));
    QCOMPARE(r.popups.closed(), 1);

    // Up held, then Down held on its own: no switch.
    r.unit.root.write("/sys/class/gpio/gpio50/value", "1");
    r.probe.keys.clear();
    hold(&r.probe, Qt::Key_F3, 5);
    release(&r.probe, Qt::Key_F3);
    hold(&r.probe, Qt::Key_F5, 5);
    release(&r.probe, Qt::Key_F5);
    QCOMPARE(r.unit.root.gpioValue(50), QByteArray("1"));
    QCOMPARE(r.popups.closed(), 1);
    QCOMPARE(r.probe.keys.count("release Up"), 1);
    QCOMPARE(r.probe.keys.count("release Down"), 1);
}

void TestKeys::pressDuringPowerSavingOnlyWakes_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("4 is raised to low") << 4 << QByteArray("5");
    QTest::newRow("too high is high") << 2147483647 << QByteArray("7");
    QTest::newRow("0 is never dark") << 0 << QByteArray("6");
}

void TestKeys::pressDuringPowerSavingOnlyWakes()
{
    QFETCH(int, brightness);
    QFETCH(QByteArray, written);
    Rig r({{"Systemsettings/Brightness", brightness}, {"Systemsettings/DisplayOffTime", 30}});
    enterPowerSaving();
    QCOMPARE(r.backlight(), QByteArray("0"));

    press(&r.probe, Qt::Key_F4);
    QVERIFY(r.probe.keys.isEmpty());
    QVERIFY(!StatusbarData()->isPowerSavingActive());
    QCOMPARE(r.backlight(), written);
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 30);
    // Its release is still translated.
    release(&r.probe, Qt::Key_F4);
    QCOMPARE(r.probe.keys, QStringList{"release Space"});

    // Awake, every key restarts the countdowns.
    StatusbarData()->updateBacklightCountdown();
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 28);
    press(&r.probe, Qt::Key_F4);
    QCOMPARE(StatusbarData()->backlightOffCountdown(), 30);
    QCOMPARE(r.probe.keys.last(), QString("press Space"));

    // No backlight file: nothing is created.
    r.unit.root.remove(kBacklight);
    QVERIFY(!Backlight::set(0));
    QVERIFY(!r.unit.root.exists(kBacklight));
}

void TestKeys::touchGating()
{
    for (bool enabled : {false, true}) {
        Rig r({{"Dialogconfiguration/Startup_UseTouchForStartup", enabled},
               {"Systemsettings/DisplayOffTime", 30}});
        r.probe.resize(100, 100);
        r.probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.probe));
        QTouchDevice* device = QTest::createTouchDevice();
        auto tap = [&] {
            QTest::touchEvent(&r.probe, device).press(0, QPoint(10, 10), &r.probe);
            QTest::touchEvent(&r.probe, device).release(0, QPoint(10, 10), &r.probe);
        };

        StatusbarData()->updateBacklightCountdown();
        tap();
        QCOMPARE(r.probe.touches, enabled ? 2 : 0);
        // Only an accepted touch restarts the countdowns.
        QCOMPARE(StatusbarData()->backlightOffCountdown(), enabled ? 30 : 28);

        // While dark, a touch's end only wakes.
        enterPowerSaving();
        r.probe.touches = 0;
        tap();
        QCOMPARE(StatusbarData()->isPowerSavingActive(), !enabled);
        QCOMPARE(r.probe.touches, enabled ? 1 : 0);
    }
}

void TestKeys::mouseIsNeverGated()
{
    Rig r({{"Dialogconfiguration/Startup_UseTouchForStartup", false}});
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
    Rig r({{"Systemsettings/DisplayOffTime", 30}});
    HardwareTest keyTest;
    hold(&r.probe, Qt::Key_F1, 10);
    release(&r.probe, Qt::Key_F1);
    press(&r.probe, Qt::Key_F6);
    release(&r.probe, Qt::Key_F6);
    QCOMPARE(r.probe.keys.count("press F1"), 11);
    QCOMPARE(r.probe.keys.mid(11), QStringList({"release F1", "press F6", "release F6"}));
    QCOMPARE(r.powerDownTimers(), 0);
    QCOMPARE(r.backlight(), QByteArray("6"));

    // A press during power saving still only wakes.
    enterPowerSaving();
    r.probe.keys.clear();
    press(&r.probe, Qt::Key_F3);
    release(&r.probe, Qt::Key_F3);
    QCOMPARE(r.probe.keys, QStringList{"release F3"});
}

void TestKeys::x11RepeatPairsActAsTheUnit()
{
    Rig r;
    // A first press, then flagged release+press pairs.
    auto x11Hold = [&r](int k, int pairs) {
        press(&r.probe, k);
        for (int i = 0; i < pairs; ++i) {
            release(&r.probe, k, true);
            press(&r.probe, k, true);
        }
    };
    x11Hold(Qt::Key_F1, 8);
    QCOMPARE(r.backlight(), QByteArray("0"));
    release(&r.probe, Qt::Key_F1);
    QCOMPARE(r.powerDownTimers(), 1);
    QVERIFY(!r.probe.keys.contains("release Esc"));

    // Mute: one press, one release.
    r.probe.keys.clear();
    x11Hold(Qt::Key_F6, 4);
    release(&r.probe, Qt::Key_F6);
    QCOMPARE(r.probe.keys, QStringList({"press F10", "release F10"}));

    // Up held: Up presses, one release.
    r.probe.keys.clear();
    x11Hold(Qt::Key_F3, 1);
    release(&r.probe, Qt::Key_F3);
    QCOMPARE(r.probe.keys, QStringList({"press Up", "press Up", "release Up"}));
}

void TestKeys::vncRepeatedPressesActAsTheUnit()
{
    Rig r({{"Systemsettings/FavouriteButton", 3}});
    for (int i = 0; i < 9; ++i)
        press(&r.probe, Qt::Key_F1);
    QCOMPARE(r.log.count("Power down"), 1);
    release(&r.probe, Qt::Key_F1);
    QCOMPARE(r.powerDownTimers(), 1);

    for (int i = 0; i < 10; ++i)
        press(&r.probe, Qt::Key_F2);
    release(&r.probe, Qt::Key_F2);
    QCOMPARE(r.log.count("Neue Funktion speichern"), 1);
    QVERIFY(!r.log.contains("Open Dialog"));

    r.probe.keys.clear();
    for (int i = 0; i < 3; ++i)
        press(&r.probe, Qt::Key_F6);
    release(&r.probe, Qt::Key_F6);
    QCOMPARE(r.probe.keys, QStringList({"press F10", "release F10"}));
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
