// The frame every measurement screen shares, on a small screen that starts in
// pinpointing's order.
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

#include <QPushButton>
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
        if (variant == Screen::StoredView) {
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
        armLinkWarning(Screen::FavouritePinpointing);
    }
    void muteAudioPath(bool mute, bool transmit) override { muteAndPollWhileListening(mute, transmit); }
    using MeasurementFrame::m_selectedMeasurementDir;
    using MeasurementFrame::m_timerLevel;
    QTimer* linkTimer() const { return findChild<QTimer*>("timerCheckBtConnection"); }
    using MeasurementFrame::runFilterDialog;
    using MeasurementFrame::runMenuDialog;
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
        stack = w->findChild<QStackedWidget*>("mainWidget");
        screen = new FrameScreen(stack);
        stack->addWidget(screen);
        QObject::connect(screen, &MeasurementFrame::exit, w, &MainMenu::displayMainMenu);
        QObject::connect(screen, &MeasurementFrame::gotoWidget, w, &MainMenu::displayWidget);
    }
    void open(int variant = Screen::Live)
    {
        QObject::disconnect(unit.sink(), &Bluetooth::stateActiveMuteChanged, w,
                            &MainMenu::switchActiveMute);
        stack->setCurrentWidget(screen);
        screen->init(variant);
    }
    bool running() const
    {
        return screen->m_timerLevel->isActive() || screen->linkTimer()->isActive();
    }
    TestUnit unit;
    MainMenu* w;
    QStackedWidget* stack;
    FrameScreen* screen;
};

}

class TestMeasurementFrame : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeasurementFrame::setMenuDialogRunner(nullptr); }
    void muteKeys();
    void linkCheck();
    void sensorNoteAndStoredView();
    void waysOut();
    void menuDialogs();
};

void TestMeasurementFrame::muteKeys()
{
    struct Case {
        const char* mode;
        bool pathOpen;      // the shared path before the events
        const char* events; // F10 press p, release r; the accessory listening L, muted M
        const char* path;   // the path opened o or muted m, each time
        const char* sent;   // mute flags told the accessory
    };
    const Case cases[] = {{"Push-Button", false, "pprr", "oomm", "0011"},
                          {"Switch", false, "prpr", "om", "01"},
                          {"Switch", true, "pr", "m", "1"},
                          {"Switch", false, "MLLMM", "om", ""}};
    for (const Case& c : cases) {
        Rig r(c.mode);
        r.open();
        if (c.pathOpen)
            r.w->muteAudioPath(false, false);
        r.unit.sink()->clear();
        LogCapture log;
        for (const char* e = c.events; *e; ++e) {
            if (*e == 'p' || *e == 'r')
                QTest::sendKeyEvent(*e == 'p' ? QTest::Press : QTest::Release, r.screen,
                                    Qt::Key_F10, 0, Qt::NoModifier);
            else
                emit r.unit.sink()->stateActiveMuteChanged(*e == 'M');
        }
        QString path, sent;
        for (const QString& line : log.lines().filter("Audiopath"))
            path += line.contains("NOT") ? 'o' : 'm';
        for (const QVector<int>& p : r.unit.sink()->micParameters)
            sent += QString::number(p[1]);
        QCOMPARE(path, QString(c.path));
        QCOMPARE(sent, QString(c.sent));
        if (path.endsWith('o'))
            QTRY_VERIFY(r.screen->polls > 0);
        else
            QVERIFY(!r.screen->m_timerLevel->isActive());
    }
}

void TestMeasurementFrame::linkCheck()
{
    struct Case {
        bool booted; // into favourite 1 (pinpointing)
        bool wired;
        const char* links; // the link at each check, down d, up u
        int warnings;
    };
    const Case cases[] = {{false, false, "ddd", 1},
                          {false, false, "dudd", 2},
                          {false, true, "dudd", 0},
                          {true, false, "ddudd", 1}};
    for (const Case& c : cases) {
        Rig r("Switch", c.booted);
        r.unit.root.write("/sys/class/gpio/gpio48/value", c.wired ? "1" : "0");
        StatusbarData()->updateWiredSensor();
        auto* screen = qobject_cast<MeasurementFrame*>(r.unit.currentPage());
        if (!c.booted) {
            r.open();
            screen = r.screen;
            QCOMPARE(r.screen->linkTimer()->interval(), 1700);
        }
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
        for (const char* link = c.links; *link; ++link) {
            r.unit.sink()->rfcomm = *link == 'u';
            screen->muteAudioPath(false, true);
            screen->checkBtConnection();
        }
        QCOMPARE(closer.closed(), c.warnings);
        QVERIFY(mutedFirst);
    }
}

void TestMeasurementFrame::sensorNoteAndStoredView()
{
    Rig r;
    emit r.unit.sink()->btSensortypeReceived("3");
    ModalCloser closer;
    r.open();
    QCOMPARE(closer.closed(), 1); // the note; the start went on
    QVERIFY(r.running());

    // The browser never opened: no selection.
    LogCapture log;
    RecordingCodecMixer* mixer = recordCodec(r.w);
    r.open(Screen::StoredView);
    QCOMPARE(closer.closed(), 1);
    QVERIFY(!log.contains("AudioWorker::startAudioRecording"));
    QVERIFY(!r.running());
    QVERIFY(mixer->lines().contains(
        RecordingCodecMixer::line(CodecMixer::Kind::Gain, "ADC Level", -1200)));
    QCOMPARE(r.screen->m_selectedMeasurementDir, QString());
    r.w->displayWidget(Screen::MeasManagement, Screen::LevelDown, Screen::Live);
    r.w->getInstanceMeasManagement()->setSelectedMeasurementDir("PP_x");
    r.open(Screen::StoredView);
    QCOMPARE(r.screen->m_selectedMeasurementDir, QString("PP_x"));
}

void TestMeasurementFrame::waysOut()
{
    // Escape leaves by the screen's exit(); the IO key over a dialog closes
    // the dialog and shows the main page behind the screen's back.
    for (const QString way : {"escape", "warning", "filter", "note"}) {
        Rig r;
        EventHandler keys;
        qApp->installEventFilter(&keys);
        QSignalSpy exits(r.screen, &MeasurementFrame::exit);
        MeasurementFrame::setMenuDialogRunner([](Dialog, QWidget* parent) {
            MessageDialog(parent).exec();
            return MeasurementFrame::MenuDialogResult{1};
        });
        ModalHelper::onNextModal([](QWidget* dialog) {
            QTest::keyPress(dialog, Qt::Key_F1);
            QTest::keyRelease(dialog, Qt::Key_F1);
        });
        LogCapture log;
        if (way == "note")
            emit r.unit.sink()->btSensortypeReceived("3");
        r.open();
        QTest::keyPress(r.screen, Qt::Key_F10);
        if (way == "escape") {
            QTest::keyPress(r.screen, Qt::Key_Escape);
            QCOMPARE(r.unit.currentPage(), r.screen);
            QTest::keyRelease(r.screen, Qt::Key_Escape);
        } else if (way == "warning") {
            r.screen->checkBtConnection();
        } else if (way == "filter") {
            r.screen->runFilterDialog(300, true, nullptr);
        }
        QCOMPARE(exits.count(), way == "escape" ? 1 : 0);
        QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
        QVERIFY(!r.running());
        QCOMPARE(log.count("AudioWorker::startAudioRecording"), way == "note" ? 0 : 1);
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
        QCOMPARE(exits.count(), way == "escape" ? 1 : 0);
    }
}

void TestMeasurementFrame::menuDialogs()
{
    struct Case {
        Dialog dialog;
        int result; // -1, -2: the built-in filter dialog, cancelled or accepted
        bool pollingDuring;
        bool pollingAfter;
        int pauses; // of the recording, paused and resumed
    };
    const Case cases[] = {{Dialog::Filter, 1, false, true, 2},
                          {Dialog::Filter, -1, false, false, 1},
                          {Dialog::Filter, -2, false, true, 2},
                          {Dialog::Headphone, 0, true, true, 0}};
    for (const Case& c : cases) {
        Rig r;
        r.open();
        QTest::keyPress(r.screen, Qt::Key_F10);
        bool during = c.pollingDuring;
        MeasurementFrame::setMenuDialogRunner(nullptr);
        if (c.result >= 0)
            MeasurementFrame::setMenuDialogRunner([&](Dialog, QWidget*) {
                during = r.screen->m_timerLevel->isActive();
                return MeasurementFrame::MenuDialogResult{c.result};
            });
        else
            ModalHelper::onNextModal([&](QWidget* filter) {
                if (c.result == -1)
                    return static_cast<QDialog*>(filter)->reject();
                filter->findChild<QPushButton*>("butNoFilter")->click();
                filter->findChild<QPushButton*>("butClose")->click();
            });
        LogCapture log;
        MeasurementFrame::MenuDialogResult taken;
        if (c.dialog == Dialog::Filter)
            r.screen->runFilterDialog(300, true, [&](const MeasurementFrame::MenuDialogResult& f) { taken = f; });
        else
            r.screen->runMenuDialog(c.dialog);
        if (c.result == -2)  // the band the dialog set
            QCOMPARE((QVector<quint32>{quint32(taken.filterType), taken.lowCutOff, taken.highCutOff}), (QVector<quint32>{0, 0, 4000}));
        QCOMPARE(during, c.pollingDuring);
        QCOMPARE(r.screen->m_timerLevel->isActive(), c.pollingAfter);
        QCOMPARE(log.count("AudioWorker::pauseAudioRecording"), c.pauses);
    }
}

QTEST_MAIN(TestMeasurementFrame)
#include "tst_measurementframe.moc"
