// The long-term screen: its ring and Y stretch as a plain class, then the
// screen on a unit with levels fed to the ADC worker, saved through the real
// store and read back, also from files a PC has mangled.
#include "Audio/analoginputworker.h"
#include "Hardware/systemclock.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Management/measmanagement.h"
#include "Tools/longtermdata.h"
#include "Tools/virtualkeyboard.h"
#include "filtersymbol.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "signalgenerator.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

const QString kMeas = "/media/vq4100/meas/";

struct Rig {
    Rig()
    {
        w = unit.start();
        unit.sink()->rfcomm = true; // no link warning
        w->displayWidget(Screen::Longtermmeasurement, Screen::LevelDown, Screen::Live);
        lt = qobject_cast<Longtermmeasurement*>(unit.currentPage());
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
    bool ticking() const { return lt->findChild<QTimer*>("timerUpdate")->isActive(); }
    void openStored(const QString& dir) { unit.openStoredView(Screen::Longtermmeasurement, dir); }
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
    void ringAndScale();
    void listening();
    void leaving();
    void roundTrip();
    void storedFiles();
};

void TestLongterm::ringAndScale()
{
    LongtermRecorder r;
    r.reset();
    QVERIFY(!r.add(0.99f));
    QCOMPARE(r.toggleScale().max, 100); // empty lap: stays 0..100
    QVERIFY(!r.scaled());
    for (int i = 0; i < 180; ++i)
        r.add(10 + i % 50);
    r.add(77); // index 180: kept, never drawn; the old lap shows
    QCOMPARE(r.data()[180], 77.0f);
    QCOMPARE(r.count(), 0);
    QVERIFY(r.displayOldData());
    r.add(33);
    QCOMPARE(r.data()[0], 33.0f);
    QCOMPARE(r.toggleScale().min, 30); // over the current lap only
    r.add(90);
    QCOMPARE(r.axisY().max, 35); // held until pressed again
    QCOMPARE(r.toggleScale().max, 100);

    // Time mid-lap: a new lap without the old one, 600 across from the next point.
    r.nextTimeBase();
    QCOMPARE(r.count(), 0);
    QVERIFY(!r.displayOldData());
    r.add(40);
    QCOMPARE(r.maxVisible(), 600);
    QCOMPARE(QString(LongtermRecorder::timeBase(7).label), QString("3 min"));

    // Multiples of 5, the top always a step above; steps 10/5 up to a span of 59.
    const QVector<QVector<float>> laps = {{37.4f, 50, 62.8f}, {12, 88}, {42, 60}, {41, 97.2f},
                                          {6, 59}, {1, 59}};
    const QVector<QVector<float>> axes = {{35, 65, 10}, {10, 90, 20}, {40, 65, 10}, {40, 100, 20},
                                          {5, 60, 10}, {0, 60, 20}};
    for (int i = 0; i < laps.size(); ++i) {
        const auto a = LongtermRecorder::stretchedRange(laps[i].data(), laps[i].size());
        QCOMPARE(QVector<float>({float(a.min), float(a.max), a.mainStep}), axes[i]);
        QCOMPARE(a.minorStep, a.mainStep / 2);
    }
}

void TestLongterm::listening()
{
    Rig r;
    Analoginputworker()->stopCapture(); // levels only from the blocks fed here
    r.lt->muteAudioPath(false, true);
    QVERIFY(r.ticking());
    QCOMPARE(r.lt->findChild<QTimer*>("timerUpdate")->interval(), 1300);
    r.tick(-30);
    r.tick(-30);
    const QString loud = r.text("labelLevel");
    QVERIFY2(loud.toInt() > 80, qPrintable(loud));
    r.tick(-120); // below 1 dB: nothing changes
    r.lt->muteAudioPath(true, true);
    QVERIFY(!r.ticking());
    r.tick(-50);
    QCOMPARE(r.text("labelLevel"), loud);
    QCOMPARE(r.lt->recorder().count(), 2);

    // Time clears the chart at once: no curve left on the new axis.
    const QImage& chart = r.lt->liveChart()->getImage();
    QCOMPARE(chart.size(), QSize(416, 136));
    const auto curvePixels = [&chart] {
        const QRgb* p = reinterpret_cast<const QRgb*>(chart.constBits());
        return std::count(p, p + chart.width() * chart.height(), qRgb(255, 255, 100));
    };
    QVERIFY(curvePixels() > 0);
    r.click("butMenuTime");
    QCOMPARE(r.text("labelTime"), QString("10 min"));
    QCOMPARE(curvePixels(), 0);

    // An accepted filter restarts the tick even muted; a cancelled one not,
    // until the next unmute.
    for (int accepted : {1, 0}) {
        MeasurementFrame::setMenuDialogRunner([accepted](MeasurementFrame::MenuDialog, QWidget*) {
            return MeasurementFrame::MenuDialogResult{accepted, 2, 500, 1600};
        });
        r.click("butMenuFilter");
        QCOMPARE(r.ticking(), accepted == 1);
    }
    QCOMPARE(r.text("labelFilterrange"), QString("500 Hz\n1600 Hz"));
    r.lt->muteAudioPath(false, false);
    QVERIFY(r.ticking());

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
    // Live by its main-menu button, the stored view by its Back, twice each;
    // nothing runs afterwards, whatever comes late.
    for (const char* button : {"butMenuMainmenu", "butMenuStoredBack"}) {
        Rig r;
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
        QVERIFY(!r.ticking());
        QVERIFY(!r.lt->findChild<QTimer*>("timerCheckBtConnection")->isActive());
        QCOMPARE(r.lt->recorder().count(), 0);
        Analoginputworker()->pauseCapture(false); // only a started capture resumes
        QVERIFY(Analoginputworker()->isCapturePaused());
    }
}

void TestLongterm::roundTrip()
{
    Rig r;
    Analoginputworker()->stopCapture();
    SystemClock::setSource([] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC); });
    r.lt->muteAudioPath(false, true);
    for (int i = 0; i < 181 + 3; ++i)
        r.tick(-40 - i % 20);
    ModalHelper::onNextModal([](QWidget* keyboard) {
        qobject_cast<VirtualKeyboard*>(keyboard)->setText(" Valve 2 ");
        qobject_cast<VirtualKeyboard*>(keyboard)->accept();
    });
    r.click("butMenuSave");
    SystemClock::setSource(nullptr);
    QVERIFY(!r.ticking());
    QCOMPARE(r.lt->recorder().count(), 3); // kept

    // Only the lap after the wrap, with the time base and the codec's band.
    const QString dir = "LT_20260304_050607_Valve 2";
    QSettings info(r.unit.root.path(kMeas + dir + "/info.ini"), QSettings::IniFormat);
    QCOMPARE(info.value("Levels_CSV/Levels_Cnt").toInt(), 3);
    QCOMPARE(info.value("Levels_CSV/MaxVisibleData").toInt(), 180);
    QCOMPARE(info.value("Levels_CSV/SelectedTime").toInt(), 0);
    QCOMPARE(info.value("Filter/Filtertype").toString(), QString("NoFilter"));

    r.openStored(dir);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(r.lt->storedRun().data[i], float(qRound(r.lt->recorder().data()[i] * 10)) / 10);
    QCOMPARE(r.lt->storedRun().count, 3);
    QCOMPARE(r.text("labelStoredMeasurement"), QString("Valve 2"));
    r.click("butMenuStoredBack");
    QCOMPARE(r.unit.currentPage(), r.w->getInstanceMeasManagement());
}

void TestLongterm::storedFiles()
{
    struct Case {
        const char* file; // info.ini after the values; null: no directory
        int count, maxVisible;
        const char* time;
        const char* low;
    };
    const QByteArray values = "[Levels_CSV]\nLevels_Data=\"40.0; abc; nan; 70.5; \"\n";
    const Case cases[] = {
        {"SelectedTime=2\nMaxVisibleData=1800\nLevels_Cnt=4\n", 4, 1800, "30 min", "0 Hz"},
        {"SelectedTime=7\nMaxVisibleData=20000\nLevels_Cnt=5000\n", 4, 180, "3 min", "0 Hz"},
        {"SelectedTime=1\nMaxVisibleData=-3\nLevels_Cnt=2\n"
         "[Filter]\nFiltertype=Bandstop\nLowCutOff-Frequency=315\n", 2, 600, "10 min", "315 Hz"},
        {"MaxVisibleData=3\nLevels_Cnt=9\n[Filter]\nFiltertype=bandpass\n", 3, 3, "3 min", "0 Hz"},
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
        QCOMPARE(r.text("labelTimeStored"), QString(c.time));
        QCOMPARE(r.text("labelFilterLowCutOff"), QString(c.low));
        checkFilterSymbol(r.lt->findChild<QLabel*>("labelFiltersymbolStored"),
                          c.low == QString("315 Hz") ? "Bandstop" : "Bandpass");
        QCOMPARE(r.text("labelStoredMeasurement"), QString());
    }
}

QTEST_MAIN(TestLongterm)
#include "tst_longterm.moc"
