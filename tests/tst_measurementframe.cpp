// The frame every measurement screen shares, on a small screen that starts in
// pinpointing's order: the Mute key, the accessory's mute key, the link
// check, the sensor note, the stored view's entry, the menu-bar dialogs and
// every way out, also the ones that bypass the screen's own leave.
#include "Mainmenu/measurementframe.h"
#include "Management/measmanagement.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "eventhandler.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "recordingcodecmixer.h"
#include "testunit.h"

#include <QStackedWidget>
#include <QtTest>

namespace {

using Dialog = MeasurementFrame::MenuDialog;

class FrameScreen : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit FrameScreen(QWidget* parent) : MeasurementFrame(parent)
    {
        connect(m_timerLevel, &QTimer::timeout, this, [this] { ++polls; });
    }
    void init(int variant)
    {
        if (variant == 1) {
            fetchSharedObjects();
            callBtDevices();
            enterStoredView();
            routeStoredView();
            return;
        }
        if (!showSensorNote())
            return;
        fetchSharedObjects();
        callBtDevices();
        initCodec();
        startMuted();
        applyCurrentFilter();
        applyMicGainStep();
        connectAccessoryMute();
        clearAdcData();
        startRecording();
        startLinkCheck();
        armLinkWarning(1);
    }
    void muteAudioPath(bool mute, bool transmit) override
    {
        muteAndPollWhileListening(mute, transmit);
    }
    void dialog(Dialog d)
    {
        if (d == Dialog::Filter)
            runFilterDialog(kListeningPollIntervalMs, true, nullptr);
        else
            runMenuDialog(d);
    }
    QTimer* polling() const { return m_timerLevel; }
    QTimer* linkCheck() const { return m_timerCheckBtConnection; }
    QString selected() const { return m_selectedMeasurementDir; }
    int polls = 0;
};

// The screen on the main window's stack, opened as the main window opens its
// measurement screens.
struct Rig {
    explicit Rig(const char* switchmode = "Switch", bool bootIntoPinpointing = false)
    {
        unit.setSetting("Systemsettings/Switchmode", switchmode);
        unit.setSetting("Systemsettings/FavouriteButton", 1);
        unit.setSetting("Dialogconfiguration/Startup_UseFavouriteForStartup", bootIntoPinpointing);
        w = unit.start();
        TestUnit::holdStatusPolls();
        mixer = recordCodec(w);
        stack = w->findChild<QStackedWidget*>("mainWidget");
        screen = new FrameScreen(stack);
        stack->addWidget(screen);
        QObject::connect(screen, &MeasurementFrame::exit, w, &MainMenu::displayMainMenu);
        QObject::connect(screen, &MeasurementFrame::gotoWidget, w, &MainMenu::displayWidget);
    }
    void open(int variant = 0)
    {
        QObject::disconnect(unit.sink(), &Bluetooth::stateActiveMuteChanged, w,
                            &MainMenu::switchActiveMute);
        stack->setCurrentWidget(screen);
        screen->init(variant);
    }
    QList<int> sentMutes() const
    {
        QList<int> mutes;
        for (const QVector<int>& p : unit.sink()->micParameters)
            mutes << p[1];
        return mutes;
    }
    TestUnit unit;
    MainMenu* w;
    RecordingCodecMixer* mixer;
    QStackedWidget* stack;
    FrameScreen* screen;
};

}

class TestMeasurementFrame : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeasurementFrame::setMenuDialogRunner(nullptr); }
    void muteKey_data();
    void muteKey();
    void escapeLeaves();
    void accessoryMuteKey();
    void linkCheck_data();
    void linkCheck();
    void sensorNoteAndStoredView();
    void leftDuringModalLoop_data();
    void leftDuringModalLoop();
    void menuDialogs_data();
    void menuDialogs();
};

void TestMeasurementFrame::muteKey_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("pathOpen");   // the shared path before the keys
    QTest::addColumn<QString>("keys");    // p press, r release
    QTest::addColumn<QList<int>>("sent"); // mute flags told the accessory
    QTest::newRow("push") << "Push-Button" << false << "pprr" << QList<int>{0, 0, 1, 1};
    QTest::newRow("switch") << "Switch" << false << "prpr" << QList<int>{0, 1};
    QTest::newRow("switch, path open") << "Switch" << true << "pr" << QList<int>{1};
}

void TestMeasurementFrame::muteKey()
{
    QFETCH(QString, mode);
    QFETCH(bool, pathOpen);
    QFETCH(QString, keys);
    QFETCH(QList<int>, sent);
    Rig r(qPrintable(mode));
    r.open();
    if (pathOpen)
        r.w->muteAudioPath(false, false);
    r.unit.sink()->clear();
    for (QChar k : keys) {
        if (k == 'p')
            QTest::keyPress(r.screen, Qt::Key_F10);
        else
            QTest::keyRelease(r.screen, Qt::Key_F10);
    }
    QCOMPARE(r.sentMutes(), sent);
    const bool listening = sent.last() == 0;
    QCOMPARE(r.w->isAudioPathMuted(), !listening);
    QCOMPARE(r.screen->polling()->isActive(), listening);
    if (listening)
        QTRY_VERIFY(r.screen->polls > 0);
}

void TestMeasurementFrame::escapeLeaves()
{
    Rig r;
    r.open();
    QSignalSpy exits(r.screen, &MeasurementFrame::exit);
    QTest::keyPress(r.screen, Qt::Key_F10);
    QTest::keyPress(r.screen, Qt::Key_Escape);
    QCOMPARE(r.unit.currentPage(), r.screen);
    QVERIFY(r.screen->polling()->isActive());

    LogCapture log;
    QTest::keyRelease(r.screen, Qt::Key_Escape);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
    QVERIFY(!r.screen->polling()->isActive() && !r.screen->linkCheck()->isActive());
    QCOMPARE(log.count("AudioWorker::stopAudioRecording"), 2); // the screen's, the main menu's
    QCOMPARE(r.unit.sink()->muteReceivers(), 1);
    emit r.unit.sink()->stateActiveMuteChanged(false);
    QVERIFY(!log.contains("FrameScreen switchActiveMute"));
}

void TestMeasurementFrame::accessoryMuteKey()
{
    Rig r;
    r.open();
    r.unit.sink()->clear();
    LogCapture log;
    for (bool report : {true, false, false, true, true})
        emit r.unit.sink()->stateActiveMuteChanged(report);
    QCOMPARE(log.lines().filter("Audiopath"),
             QStringList({"Audiopath: NOT MUTED", "Audiopath: MUTED"}));
    QVERIFY(r.unit.sink()->micParameters.isEmpty());
}

void TestMeasurementFrame::linkCheck_data()
{
    QTest::addColumn<bool>("booted");  // into favourite 1 (pinpointing)
    QTest::addColumn<bool>("wired");
    QTest::addColumn<QString>("links"); // the link at each check, d down, u up
    QTest::addColumn<int>("warnings");
    QTest::newRow("down") << false << false << "ddd" << 1;
    QTest::newRow("back, down again") << false << false << "dudd" << 2;
    QTest::newRow("wired sensor") << false << true << "dudd" << 0;
    QTest::newRow("booted into favourite") << true << false << "ddudd" << 1;
}

void TestMeasurementFrame::linkCheck()
{
    QFETCH(bool, booted);
    QFETCH(bool, wired);
    QFETCH(QString, links);
    QFETCH(int, warnings);
    Rig r("Switch", booted);
    if (wired) {
        r.unit.root.write("/sys/class/gpio/gpio48/value", "1");
        StatusbarData()->updateWiredSensor();
    }
    auto* screen = qobject_cast<MeasurementFrame*>(r.unit.currentPage());
    if (!booted) {
        r.open();
        screen = r.screen;
        QCOMPARE(r.screen->linkCheck()->interval(), 1700);
        QVERIFY(r.screen->linkCheck()->isActive());
    }
    QVERIFY(screen);
    bool mutedFirst = true;
    bool inLoop = false;
    ModalCloser closer([&](QWidget*) {
        mutedFirst = mutedFirst && r.w->isAudioPathMuted();
        if (inLoop)
            return;
        // The timer fires on in the warning's loop, whatever the link does.
        inLoop = true;
        for (bool up : {true, false}) {
            r.unit.sink()->rfcomm = up;
            screen->checkBtConnection();
        }
        inLoop = false;
    });
    for (QChar link : links) {
        r.unit.sink()->rfcomm = link == 'u';
        screen->muteAudioPath(false, true);
        screen->checkBtConnection();
    }
    QCOMPARE(closer.closed(), warnings);
    QVERIFY(mutedFirst);
}

void TestMeasurementFrame::sensorNoteAndStoredView()
{
    Rig r;
    emit r.unit.sink()->btSensortypeReceived("3");
    ModalCloser closer;
    LogCapture log;
    r.open();
    QCOMPARE(closer.closed(), 1); // the note; the start went on
    QCOMPARE(log.count("AudioWorker::startAudioRecording"), 1);
    QVERIFY(r.screen->linkCheck()->isActive());

    // Stored view, the browser never opened: no selection.
    log.clear();
    r.mixer->clear();
    r.open(1);
    QCOMPARE(closer.closed(), 1);
    QVERIFY(!log.contains("AudioWorker::startAudioRecording"));
    QVERIFY(!r.screen->linkCheck()->isActive());
    QVERIFY(r.mixer->lines().contains(
        RecordingCodecMixer::line(CodecMixer::Kind::Gain, "ADC Level", -1200)));
    QCOMPARE(r.screen->selected(), QString());
    r.w->displayWidget(7, 1, 0);
    r.w->getInstanceMeasManagement()->setSelectedMeasurementDir("PP_x");
    r.open(1);
    QCOMPARE(r.screen->selected(), QString("PP_x"));
}

void TestMeasurementFrame::leftDuringModalLoop_data()
{
    QTest::addColumn<QString>("modal");
    QTest::newRow("link warning") << "warning";
    QTest::newRow("filter dialog") << "filter";
    QTest::newRow("sensor note") << "note";
}

void TestMeasurementFrame::leftDuringModalLoop()
{
    QFETCH(QString, modal);
    Rig r;
    EventHandler keys;
    qApp->installEventFilter(&keys);
    QSignalSpy exits(r.screen, &MeasurementFrame::exit);
    MeasurementFrame::setMenuDialogRunner([](Dialog, QWidget* parent) {
        MessageDialog dialog(parent);
        dialog.exec();
        return MeasurementFrame::MenuDialogResult{1};
    });
    // The IO key's short press on whatever dialog is open.
    ModalHelper::onNextModal([](QWidget* dialog) {
        QTest::keyPress(dialog, Qt::Key_F1);
        QTest::keyRelease(dialog, Qt::Key_F1);
    });
    LogCapture log;
    if (modal == "note") {
        emit r.unit.sink()->btSensortypeReceived("3");
        r.open();
        QVERIFY(!log.contains("AudioWorker::startAudioRecording")); // the start ended there
    } else {
        r.open();
        QTest::keyPress(r.screen, Qt::Key_F10);
        if (modal == "warning")
            r.screen->checkBtConnection();
        else
            r.screen->dialog(Dialog::Filter);
    }
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
    QVERIFY(!r.screen->polling()->isActive() && !r.screen->linkCheck()->isActive());
    QCOMPARE(r.unit.sink()->muteReceivers(), 1);

    // Nothing of the hidden screen acts.
    ModalCloser closer;
    log.clear();
    r.screen->checkBtConnection();
    emit r.unit.sink()->stateActiveMuteChanged(false);
    r.screen->deactivate();
    r.screen->deactivate();
    QCOMPARE(closer.closed(), 0);
    QVERIFY(!log.contains("FrameScreen switchActiveMute"));
    QCOMPARE(exits.count(), 0);
}

void TestMeasurementFrame::menuDialogs_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<int>("result");  // -1: the built-in runner
    QTest::addColumn<bool>("pollingDuring");
    QTest::addColumn<bool>("pollingAfter");
    QTest::addColumn<int>("pauses");  // the recording paused and resumed
    const int filter = int(Dialog::Filter);
    QTest::newRow("filter accepted") << filter << 1 << false << true << 2;
    QTest::newRow("filter cancelled") << filter << 0 << false << false << 1;
    QTest::newRow("filter, built-in") << filter << -1 << false << false << 1;
    QTest::newRow("microphone") << int(Dialog::Microphone) << 1 << true << true << 0;
    QTest::newRow("headphone") << int(Dialog::Headphone) << 0 << true << true << 0;
}

void TestMeasurementFrame::menuDialogs()
{
    QFETCH(int, dialog);
    QFETCH(int, result);
    QFETCH(bool, pollingDuring);
    QFETCH(bool, pollingAfter);
    QFETCH(int, pauses);
    Rig r;
    r.open();
    QTest::keyPress(r.screen, Qt::Key_F10);
    bool during = !pollingDuring;
    if (result >= 0)
        MeasurementFrame::setMenuDialogRunner([&](Dialog, QWidget*) {
            during = r.screen->polling()->isActive();
            return MeasurementFrame::MenuDialogResult{result};
        });
    LogCapture log;
    r.screen->dialog(Dialog(dialog));
    if (result >= 0)
        QCOMPARE(during, pollingDuring);
    else
        QVERIFY(log.contains("FrameScreen dialog not available: filter"));
    QCOMPARE(r.screen->polling()->isActive(), pollingAfter);
    QCOMPARE(log.count("AudioWorker::pauseAudioRecording"), pauses);
}

QTEST_MAIN(TestMeasurementFrame)
#include "tst_measurementframe.moc"
