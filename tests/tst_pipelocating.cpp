// The pipe-locating screen: its points and ranges as tables, then the screen
// on a unit with levels fed to the ADC worker, saved and shown again.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Hardware/gps.h"
#include "Mainmenu/pipelocating.h"
#include "Tools/measurements.h"
#include "Tools/screenstyle.h"
#include "Tools/statusbar.h"
#include "Tools/virtualkeyboard.h"
#include "clickbutton.h"
#include "filtersymbol.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "recordingcodecmixer.h"
#include "signalgenerator.h"
#include "testunit.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QtTest>

namespace {

using Points = PipelocatingPoints;
const QString kMeas = "/media/vq4100/meas/";

// Each level one point of one tick.
Points pointsOf(const QVector<float>& levels)
{
    Points p;
    for (float level : levels) {
        p.beginPoint();
        p.tick(level, 100);
        p.endPoint();
    }
    return p;
}

struct Rig {
    explicit Rig(bool colour = false)
    {
        unit.setSetting("Dialogconfiguration/Pipelocating_UseFrequencyColorForLevelbar", colour);
        w = unit.start();
        unit.sink()->rfcomm = true; // no link warning
        w->displayWidget(Screen::Pipelocating, Screen::LevelDown, Screen::Live);
        pl = qobject_cast<Pipelocating*>(unit.currentPage());
        Analoginputworker()->stopCapture(); // levels only from feed()
    }
    // One tick on a tone of that display level; 0: no block since a clear
    // (level and frequency 0).
    void feed(double display, double hz = 620)
    {
        SignalParams p;
        p.toneHz = hz;
        p.toneDb = display / 1.8 - 80.0;
        p.noiseOn = false;
        adc.setParams(p);
        if (display > 0)
            Analoginputworker()->analyseBlock(adc.generatePcm16(AnalogInputWorker::kSamples));
        else
            Analoginputworker()->clearAllData();
        QMetaObject::invokeMethod(pl, "updateData");
    }
    void point(const QVector<double>& ticks)
    {
        pl->muteAudioPath(false, true);
        for (double t : ticks)
            feed(t);
        pl->muteAudioPath(true, true);
    }
    template <class T = QLabel>
    T* child(const QString& name) const { return pl->findChild<T*>(name); }
    QTimer* tick() const { return pl->findChild<QTimer*>("timerLevel"); }
    void openStored(const QString& dir) { unit.openStoredView(Screen::Pipelocating, dir); }
    TestUnit unit;
    MainMenu* w;
    Pipelocating* pl;
    SignalGenerator adc{7670};
};

}

class TestPipelocating : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeasurementFrame::setMenuDialogRunner(nullptr); }
    void points();
    void ranges();
    void live();
    void colourAndSymbol();
    void saveAndShowAgain();
    void storedFiles();
};

void TestPipelocating::points()
{
    // The hold: its own tick and five more.
    Points p = pointsOf({});
    p.beginPoint();
    QVector<float> held;
    for (float level : {50.0f, 20.0f, 20.0f, 20.0f, 20.0f, 20.0f, 20.0f})
        held << p.tick(level, 300);
    QCOMPARE(held, QVector<float>({50, 50, 50, 50, 50, 50, 20}));
    QCOMPARE(ScreenStyle::figure(p.tick(59.6f, 300)), QString("60"));
    QCOMPARE(Points::barValue(59.6f), 596);

    // Dropped before a tick; ties to the later point.
    p = pointsOf({40, 60, 60, 0});
    QCOMPARE(p.currentStep(), 3);
    QCOMPARE(p.loudest(3), 3);
    QCOMPARE(pointsOf({0}).loudest(1), 1);

    // The eleventh moves the others; dropped, nothing of the old point 10 stays.
    p = pointsOf({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    p.setPosition(5, 6);
    QVERIFY(p.beginPoint());
    QCOMPARE(p.level(1), 12.0f);
    QVERIFY(!p.endPoint());
    MeasInfoStructure info;
    p.fill(&info);
    QCOMPARE(p.currentStep(), 9);
    QCOMPARE(info.level[9], 20.0f);
    QCOMPARE(info.posLat[9], 5.0);
    QCOMPARE(info.level[10] + info.frequency[10] + info.posLat[10] + info.posLong[10], 0.0);
}

void TestPipelocating::ranges()
{
    struct Case {
        QVector<float> levels;
        bool stored;
        int bottom, top; // bar values
    };
    const Case cases[] = {{{40, 45}, false, 360, 500},   {{40, 60}, false, 360, 640},
                          {{97, 99}, false, 930, 1000},  {{50}, false, 0, 1000},
                          {{40, 60}, true, 350, 650},    {{3, 99}, true, 0, 1000},
                          {{50}, true, 0, 1000},         {{40, 40.5f}, true, 0, 1000}};
    for (const Case& c : cases) {
        const Points p = pointsOf(c.levels);
        const Points::Range r = c.stored ? p.storedRange() : p.liveRange();
        QCOMPARE(Points::barValue(r.bottom), c.bottom);
        QCOMPARE(Points::barValue(r.top), c.top);
    }
}

void TestPipelocating::live()
{
    // Peaks 10, 50, 20; each point keeps the last position read while it
    // was current, also when a fast press after it is dropped.
    Rig r;
    Gps* gps = r.w->getGpsInstance();
    gps->setPosition(51.5, 7.25);
    r.pl->muteAudioPath(false, true);
    QVector<float> held;
    for (double peak : {10, 50, 20}) {
        r.feed(peak);
        held << r.pl->points().level(1);
    }
    QVERIFY(held[0] < held[1] && qAbs(held[1] - 50) < 1 && held[2] == held[1]);
    QCOMPARE(r.child("labelLevel")->text(), ScreenStyle::figure(held[1]));
    r.pl->muteAudioPath(true, true);
    gps->setPosition(52, 8);
    r.point({30});
    gps->setPosition(53, 9);
    r.point({});
    QCOMPARE(r.pl->points().currentStep(), 2);
    QCOMPARE(r.pl->points().latitude(1), 51.5);
    QCOMPARE(r.pl->points().latitude(2), 52.0);
    QVERIFY(r.child<QProgressBar>("progBarHist3")->isHidden());

    // Filter accepted: 200 ms and its labels; cancelled: stopped until an
    // unmute, which starts it at its last interval. A second unmute adds no point.
    int accept = 1;
    MeasurementFrame::setMenuDialogRunner([&accept](MeasurementFrame::MenuDialog, QWidget*) {
        return MeasurementFrame::MenuDialogResult{accept, 1, 160, 1250};
    });
    click(r.pl, "butMenuFilter");
    QCOMPARE(r.child("labelFilterrange")->text(), QString("160 Hz\n1250 Hz"));
    accept = 0;
    click(r.pl, "butMenuFilter");
    QVERIFY(!r.tick()->isActive());
    r.pl->muteAudioPath(false, true);
    r.pl->muteAudioPath(false, false);
    QVERIFY(r.tick()->isActive());
    QCOMPARE(r.tick()->interval(), 200);
    QCOMPARE(r.pl->points().currentStep(), 3);

    // The wired sensor: no link warning.
    r.unit.sink()->rfcomm = false;
    r.unit.root.write("/sys/class/gpio/gpio48/value", "1\n");
    StatusbarData()->updateWiredSensor();
    {
        ModalCloser closer;
        QMetaObject::invokeMethod(r.pl, "checkBtConnection");
        QCOMPARE(closer.closed(), 0);
    }

    // Leaving stops everything; late reports move nothing and start nothing.
    LogCapture log;
    click(r.pl, "butMenuHome");
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
    QVERIFY(!r.tick()->isActive());
    QVERIFY(!r.pl->findChild<QTimer*>("timerCheckBtConnection")->isActive());
    QVERIFY(log.contains("AudioWorker::stopAudioRecording"));
    QCOMPARE(r.unit.sink()->muteReceivers(), 1);
    r.pl->muteAudioPath(true, false);
    QMetaObject::invokeMethod(r.pl, "updateData");
    QCOMPARE(r.pl->points().currentStep(), 3);
    QVERIFY(!r.tick()->isActive());
}

void TestPipelocating::colourAndSymbol()
{
    struct Case {
        bool option;
        double level, hz;
        const char* sheet;
    };
    const char* plain = "QProgressBar::chunk {background-color: rgb(0,255,127);}";
    const Case cases[] = {{false, 50, 150, plain},
                          {true, 0, 150, plain},
                          {true, 50, 150, "QProgressBar::chunk {background-color: rgb(255, 0, 0);}"}};
    for (const Case& c : cases) {
        Rig r(c.option);
        r.pl->muteAudioPath(false, true);
        r.feed(c.level, c.hz);
        QCOMPARE(r.child<QProgressBar>("progBarHist1")->styleSheet(), QString(c.sheet));
    }
    // Two equal points: the symbol over the later one.
    Rig r;
    const QByteArray block = r.adc.generatePcm16(AnalogInputWorker::kSamples);
    for (int i = 0; i < 2; ++i) {
        r.pl->muteAudioPath(false, true);
        Analoginputworker()->analyseBlock(block);
        QMetaObject::invokeMethod(r.pl, "updateData");
        r.pl->muteAudioPath(true, true);
    }
    QCOMPARE(r.child("labelPipesymbol")->pos(),
             r.child<QProgressBar>("progBarHist2")->pos() + QPoint(3, 40));
    QVERIFY(!r.child("labelPipesymbol")->isHidden());
}

void TestPipelocating::saveAndShowAgain()
{
    Rig r;
    r.w->getGpsInstance()->setPosition(51.5, 7.25);
    r.point({40});
    r.point({60});
    r.pl->muteAudioPath(false, true);
    r.feed(60); // Save ends this point
    // A band touched on the spectrum: the codec's, not the labels'.
    r.w->getAudioCodecInstance()->setFilter(200, 800, 1);
    for (bool accept : {false, true}) {
        ModalHelper::onNextModal([accept](QWidget* d) {
            auto* keyboard = qobject_cast<VirtualKeyboard*>(d);
            keyboard->setText("Trench");
            accept ? keyboard->accept() : keyboard->reject();
        });
        click(r.pl, "butMenuSave");
    }
    const QStringList saved =
        QDir(r.unit.root.path(kMeas)).entryList({"PL_*_Trench"}, QDir::Dirs);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(r.pl->points().currentStep(), 3);
    QVERIFY(r.w->isAudioPathMuted());
    QSettings info(r.unit.root.path(kMeas + saved[0] + "/info.ini"), QSettings::IniFormat);
    QCOMPARE(info.value("Levels/Level_2").toString(),
             QString::number(double(r.pl->points().level(2)), 'f', 3));
    for (int i = 4; i <= 10; ++i)
        QCOMPARE(info.value(QString("Levels/Level_%1").arg(i)).toString(), QString("0.000"));
    QCOMPARE(info.value("GPS-Positions/GPS-Position_3").toString(), QString("51.500000, 7.250000"));
    QCOMPARE(info.value("Filter/Filtertype").toString(), QString("Bandpass"));
    QCOMPARE(info.value("Filter/LowCutOff-Frequency").toInt(), 200);
    QVERIFY(r.child("labelFilterrange")->text() != QString("200 Hz\n800 Hz"));

    // Shown again: bars 1..3, the name, the symbol over the loudest.
    r.openStored(saved[0]);
    const int loudest = r.pl->points().level(2) > r.pl->points().level(3) ? 2 : 3;
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(r.child<QProgressBar>(QString("progBarHist%1_stored").arg(i))->isHidden(), i > 3);
    QCOMPARE(r.child("labelStoredMeasurement")->text(), QString("Trench"));
    QCOMPARE(r.child("labelPipesymbol_stored")->x(), 5 + 42 * (loudest - 1) + 3);

    // The mute keys do nothing here; Back returns to the browser.
    LogCapture log;
    QTest::keyPress(r.pl, Qt::Key_F10);
    emit r.unit.sink()->stateActiveMuteChanged(false);
    QVERIFY(!log.contains("NOT MUTED"));
    QCOMPARE(r.unit.root.gpioValue(17), QByteArray("0"));
    QCOMPARE(r.pl->points().currentStep(), 0);
    RecordingCodecMixer* mixer = recordCodec(r.w);
    QSignalSpy back(r.pl, &MeasurementFrame::gotoWidget);
    click(r.pl, "butMenuStoredBack");
    QCOMPARE(back.value(0), QVariantList({7, -1, 0}));
    QVERIFY(mixer->lines().contains("gain ADC Level=200"));
    QVERIFY(r.w->isAudioPathMuted());
    QCOMPARE(r.unit.sink()->muteReceivers(), 0);
}

void TestPipelocating::storedFiles()
{
    struct Case {
        const char* name;
        QByteArray ini;
        QVector<int> shown; // bar values from point 1 on; hidden (-1) after them
        const char* low;
        const char* high;
    };
    const Case cases[] = {
        {"PL_20260101_120000_a",
         "[Measurementinfo]\nMeasurementname=<b>x</b>\n[Levels]\nLevel_1=abc\nLevel_2=nan\n"
         "Level_3=-5\nLevel_4=150\nLevel_5=40\n[Filter]\nFiltertype=Bandstop\n"
         "LowCutOff-Frequency=200\nHighCutOff-Frequency=800\n",
         {-1, -1, -1, 990, 400}, "200 Hz", "800 Hz"},
        {"PL_20260101_120001_b",
         "[Levels]\nLevel_1=75\nLevel_2=95\n[Filter]\nFiltertype=bandpass\nLowCutOff-Frequency=200\n",
         {750, 950}, "0 Hz", "4000 Hz"},
        // After the 700..1000 view above.
        {"PL_20260101_120002_c", "[Levels]\nLevel_1=50\n",
         {500}, "0 Hz", "4000 Hz"},
        {"PL_missing", "", {}, "0 Hz", "4000 Hz"}};
    Rig r;
    for (const Case& c : cases) {
        if (!c.ini.isEmpty())
            r.unit.root.write(kMeas + c.name + "/info.ini", c.ini);
        r.openStored(c.name);
        for (int i = 1; i <= 10; ++i) {
            auto* bar = r.child<QProgressBar>(QString("progBarHist%1_stored").arg(i));
            QCOMPARE(bar->isHidden() ? -1 : bar->value(), c.shown.value(i - 1, -1));
        }
        QCOMPARE(r.child("labelFilterLowCutOff")->text(), QString(c.low));
        QCOMPARE(r.child("labelFilterHighCutOff")->text(), QString(c.high));
    }
    QCOMPARE(r.child("labelStoredMeasurement")->text(), QString());
    checkFilterSymbol(r.child("labelFiltersymbolStored"), "Bandpass");
    r.openStored(cases[0].name);
    QCOMPARE(r.child("labelStoredMeasurement")->text(), QString("<b>x</b>"));
    QCOMPARE(r.child("labelStoredMeasurement")->textFormat(), Qt::PlainText);
    checkFilterSymbol(r.child("labelFiltersymbolStored"), "Bandstop");
}

QTEST_MAIN(TestPipelocating)
#include "tst_pipelocating.moc"
