// The long-term screen: its ring and Y stretch as a plain class, then the
// screen on a unit with levels fed to the ADC worker, saved through the real
// store and read back, also from files a PC has mangled.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Hardware/systemclock.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Management/measmanagement.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "signalgenerator.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

using Axis = LongtermRecorder::AxisY;
const QString kMeas = "/media/vq4100/meas/";

struct Rig {
    explicit Rig(bool heldCapture = true)
    {
        w = unit.start();
        unit.sink()->rfcomm = true; // no link warning
        w->displayWidget(Screen::Longtermmeasurement, Screen::LevelDown, Screen::Live);
        lt = qobject_cast<Longtermmeasurement*>(unit.currentPage());
        if (heldCapture)
            Analoginputworker()->stopCapture(); // levels only from the blocks fed here
    }
    // One tick with the ADC hearing noise at this level.
    void tick(double noiseDb)
    {
        SignalParams p;
        p.noiseDb = noiseDb;
        p.toneOn = false;
        adc.setParams(p);
        Analoginputworker()->analyseBlock(adc.generatePcm16(AnalogInputWorker::kSamples));
        lt->updateData();
    }
    void click(const char* button) { lt->findChild<QPushButton*>(button)->click(); }
    QString text(const char* label) const { return lt->findChild<QLabel*>(label)->text(); }
    QTimer* ticker() const { return lt->findChild<QTimer*>("timerUpdate"); }
    // Shows a measurement directory as the browser opens it.
    void openStored(const QString& dir)
    {
        w->displayWidget(Screen::MeasManagement, Screen::LevelDown, Screen::Live);
        w->getInstanceMeasManagement()->setSelectedMeasurementDir(dir);
        w->displayWidget(Screen::Longtermmeasurement, Screen::StackUnchanged, Screen::StoredView);
    }
    TestUnit unit;
    MainMenu* w;
    Longtermmeasurement* lt;
    SignalGenerator adc{7670};
};

}

class TestLongterm : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeasurementFrame::setMenuDialogRunner(nullptr); }
    void ring();
    void autoscale();
    void listening();
    void leaving();
    void roundTrip();
    void storedFiles();
};

void TestLongterm::ring()
{
    LongtermRecorder r;
    r.reset();
    QVERIFY(!r.add(0.99f));
    QVERIFY(!r.add(AnalogInputWorker::audioLevelToDb(0.000001f)));
    for (int i = 0; i < 180; ++i)
        QVERIFY(r.add(10 + i % 50));
    QCOMPARE(r.count(), 180);
    QVERIFY(!r.displayOldData());
    r.add(77); // index 180: kept, never drawn
    QCOMPARE(r.data()[180], 77.0f);
    QCOMPARE(r.count(), 0);
    QVERIFY(r.displayOldData());
    r.add(33);
    QCOMPARE(r.data()[0], 33.0f);

    // Time mid-lap: a new lap without the previous one; 600 across from the next point.
    r.nextTimeBase();
    QCOMPARE(r.count(), 0);
    QVERIFY(!r.displayOldData());
    QCOMPARE(r.maxVisible(), 180);
    r.add(40);
    QCOMPARE(r.maxVisible(), 600);
    r.nextTimeBase();
    r.nextTimeBase();
    QCOMPARE(QString(LongtermRecorder::timeBase(r.selectedTime()).label), QString("3 min"));
    QCOMPARE(QString(LongtermRecorder::timeBase(7).label), QString("3 min"));
}

void TestLongterm::autoscale()
{
    struct Case {
        QVector<float> lap;
        Axis axis;
    };
    const Case cases[] = {{{37.4f, 50, 62.8f}, {35, 65, 10, 5}},
                          {{12, 88}, {10, 90, 20, 10}},
                          {{42, 60}, {40, 65, 10, 5}},
                          {{41, 97.2f}, {40, 100, 20, 10}},
                          {{6, 59}, {5, 60, 10, 5}},
                          {{1, 59}, {0, 60, 20, 10}}};
    for (const Case& c : cases) {
        const Axis a = LongtermRecorder::stretchedRange(c.lap.data(), c.lap.size());
        QCOMPARE(QVector<float>({float(a.min), float(a.max), a.mainStep, a.minorStep}),
                 QVector<float>({float(c.axis.min), float(c.axis.max), c.axis.mainStep,
                                 c.axis.minorStep}));
    }
    // An empty lap stays 0..100; a stretch holds until pressed again.
    LongtermRecorder r;
    r.reset();
    QCOMPARE(r.toggleScale().max, 100);
    QVERIFY(!r.scaled());
    r.add(50);
    QCOMPARE(r.toggleScale().min, 50);
    r.add(90);
    QCOMPARE(r.axisY().max, 55);
    QCOMPARE(r.toggleScale().min, 0);
    QVERIFY(!r.scaled());
}

void TestLongterm::listening()
{
    Rig r;
    QCOMPARE(r.text("labelTime"), QString("3 min"));
    QVERIFY(!r.ticker()->isActive());
    r.lt->muteAudioPath(false, true);
    QVERIFY(r.ticker()->isActive());
    QCOMPARE(r.ticker()->interval(), 1300);
    r.tick(-30);
    r.tick(-30);
    const QString loud = r.text("labelLevel");
    QVERIFY2(loud.toInt() > 80, qPrintable(loud));
    r.tick(-120); // silence: below 1 dB, nothing changes
    r.lt->muteAudioPath(true, true);
    QVERIFY(!r.ticker()->isActive());
    r.tick(-50); // a muted tick
    QCOMPARE(r.text("labelLevel"), loud);
    QCOMPARE(r.lt->recorder().count(), 2);
    const auto curve = [&r] {
        const QImage image = r.lt->liveChart()->getImage();
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                pixels += image.pixelColor(x, y) == QColor(255, 255, 100);
        return pixels;
    };
    QCOMPARE(r.lt->liveChart()->getImage().size(), QSize(416, 136));
    QVERIFY(curve() > 0);

    // Time clears at once: the new axis and no curve.
    r.click("butMenuTime");
    QCOMPARE(r.text("labelTime"), QString("10 min"));
    QCOMPARE(r.lt->recorder().count(), 0);
    QCOMPARE(curve(), 0);

    // An accepted filter restarts the tick even muted; a cancelled one not.
    for (int accepted : {1, 0}) {
        MeasurementFrame::setMenuDialogRunner([accepted](MeasurementFrame::MenuDialog, QWidget*) {
            return MeasurementFrame::MenuDialogResult{accepted, 2, 500, 1600};
        });
        r.click("butMenuSettings");
        r.click("butMenuFilter");
        QCOMPARE(r.ticker()->isActive(), accepted == 1);
        r.click("butMenuBack");
    }
    QCOMPARE(r.text("labelFilterrange"), QString("500 Hz\n1600 Hz"));
    r.lt->muteAudioPath(false, false);
    QVERIFY(r.ticker()->isActive());

    // The sensor note on a live start only.
    emit r.unit.sink()->btSensortypeReceived("3");
    for (int variant : {Screen::Live, Screen::StoredView}) {
        ModalCloser closer;
        r.w->displayWidget(Screen::Longtermmeasurement, Screen::LevelEqual, variant);
        QCOMPARE(closer.closed(), variant == Screen::Live ? 1 : 0);
    }
}

void TestLongterm::leaving()
{
    // Live by the main-menu button, the stored view by its Back: nothing runs
    // afterwards, whatever comes late.
    for (const char* button : {"butMenuMainmenu", "butMenuStoredBack"}) {
        Rig r(false);
        const bool stored = QByteArray(button) == "butMenuStoredBack";
        if (stored)
            r.openStored("LT_none");
        r.lt->muteAudioPath(false, true);
        r.click(button);
        r.click(button);
        QCOMPARE(r.unit.sink()->muteReceivers(), stored ? 0 : 1);
        emit r.unit.sink()->stateActiveMuteChanged(false);
        QTest::keyClick(r.lt, Qt::Key_F10);
        r.tick(-30);
        QVERIFY(!r.ticker()->isActive());
        QVERIFY(!r.lt->findChild<QTimer*>("timerCheckBtConnection")->isActive());
        QCOMPARE(r.lt->recorder().count(), 0);
        Analoginputworker()->pauseCapture(false); // only a started capture resumes
        QVERIFY(Analoginputworker()->isCapturePaused());
    }
}

void TestLongterm::roundTrip()
{
    Rig r;
    SystemClock::setSource([] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC); });
    r.lt->muteAudioPath(false, true);
    for (int i = 0; i < 181 + 3; ++i)
        r.tick(-40 - i % 20);
    const QVector<float> after(r.lt->recorder().data(), r.lt->recorder().data() + 3);
    ModalHelper::onNextModal([](QWidget* dialog) {
        auto* keyboard = qobject_cast<VirtualKeyboard*>(dialog);
        keyboard->setText(" Valve 2 ");
        keyboard->accept();
    });
    r.click("butMenuSave");
    SystemClock::setSource(nullptr);
    QVERIFY(!r.ticker()->isActive());
    QCOMPARE(r.lt->recorder().count(), 3); // kept

    const QString dir = "LT_20260304_050607_Valve 2";
    QSettings info(r.unit.root.path(kMeas + dir + "/info.ini"), QSettings::IniFormat);
    QCOMPARE(info.value("Levels_CSV/Levels_Cnt").toInt(), 3);
    QCOMPARE(info.value("Levels_CSV/SelectedTime").toInt(), 0);
    QCOMPARE(info.value("Levels_CSV/MaxVisibleData").toInt(), 180);
    quint32 low = 0;
    quint32 high = 0;
    int type = 0;
    r.w->getAudioCodecInstance()->getFilter(&low, &high, &type);
    QCOMPARE(info.value("Filter/LowCutOff-Frequency").toUInt(), low);
    QCOMPARE(info.value("Filter/HighCutOff-Frequency").toUInt(), high);

    r.openStored(dir);
    const LongtermRun& run = r.lt->storedRun();
    QCOMPARE(run.count, 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(run.data[i], float(qRound(after[i] * 10)) / 10);
    QCOMPARE(r.text("labelStoredMeasurement"), QString("Valve 2"));
    QCOMPARE(r.lt->storedChart()->size(), QSize(416, 185));
    r.click("butMenuStoredBack");
    QCOMPARE(r.unit.currentPage(), r.w->getInstanceMeasManagement());
}

void TestLongterm::storedFiles()
{
    struct Case {
        const char* file; // info.ini; null: no directory
        int count, maxVisible;
        const char* time;
        const char* low;
    };
    const QByteArray values = "[Levels_CSV]\nLevels_Data=\"40.0; abc; nan; 70.5; \"\n";
    const Case cases[] = {
        {"[Levels_CSV]\nSelectedTime=2\nMaxVisibleData=1800\nLevels_Cnt=4\n", 4, 1800, "30 min", "0 Hz"},
        {"[Levels_CSV]\nSelectedTime=7\nMaxVisibleData=20000\nLevels_Cnt=5000\n", 4, 180, "3 min", "0 Hz"},
        {"[Levels_CSV]\nSelectedTime=1\nMaxVisibleData=-3\nLevels_Cnt=2\n"
         "[Filter]\nFiltertype=Bandstop\nLowCutOff-Frequency=315\n", 2, 600, "10 min", "315 Hz"},
        {"[Levels_CSV]\nMaxVisibleData=3\nLevels_Cnt=9\n[Filter]\nFiltertype=bandpass\n", 3, 3, "3 min", "0 Hz"},
        {"[Levels]\nLevels_Cnt=4\n", 0, 180, "3 min", "0 Hz"},
        {nullptr, 0, 180, "3 min", "0 Hz"},
    };
    Rig r;
    for (const Case& c : cases) {
        const QString dir = QString("LT_20260101_000000_%1").arg(&c - cases);
        if (c.file)
            r.unit.root.write(kMeas + dir + "/info.ini", values + c.file);
        r.openStored(dir);
        const LongtermRun& run = r.lt->storedRun();
        QCOMPARE(run.count, c.count);
        QCOMPARE(run.maxVisible, c.maxVisible);
        // "abc" and "nan" read 0; nothing of the file read before stays.
        QCOMPARE(int(std::count(run.data + 1, run.data + LongtermRecorder::kCapacity, 0.0f)),
                 LongtermRecorder::kCapacity - 1 - qMax(0, c.count - 3));
        QVERIFY(r.lt->findChild<QLabel*>("labelFiltersymbolStored")->styleSheet().contains(
            c.low == QString("315 Hz") ? "Bandstop" : "Bandpass"));
        QCOMPARE(r.text("labelTimeStored"), QString(c.time));
        QCOMPARE(r.text("labelFilterLowCutOff"), QString(c.low));
        QCOMPARE(r.text("labelFilterHighCutOff"), QString(c.low == QString("0 Hz") ? "4000 Hz" : "0 Hz"));
        QCOMPARE(r.text("labelStoredMeasurement"), QString());
    }
}

QTEST_MAIN(TestLongterm)
#include "tst_longterm.moc"
