// The H2 sensor: its reading logic as tables, then the screen on a unit with
// readings emitted by the sink double, its PWM files, a save through the
// store and its stored view.
#include "Hardware/devicelayer.h"
#include "Hardware/gps.h"
#include "Mainmenu/h2sensor.h"
#include "Management/settingsstore.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/virtualkeyboard.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kPwm = "/sys/class/pwm/pwmchip1/pwm0/";
const QString kMeas = "/media/vq4100/meas/";

// The raw value of a level (a little over it, against rounding).
QString raw(int level)
{
    return QString::number(level * 4.096 + 0.001, 'f', 3);
}

// Live, the reference at `reference`, listening at point 1; shows d + 1.
H2Reading listening(int reference, bool dynamic = true)
{
    H2Reading r;
    r.setRandom([] { return 1; });
    r.reset();
    r.startLive(dynamic);
    r.mutedReading(reference);
    r.beginPoint();
    return r;
}

QVector<float> values(const H2Reading::Stored& s)
{
    return QVector<float>(s.values, s.values + s.count);
}

struct Rig {
    Rig()
    {
        w = unit.start();
        unit.sink()->rfcomm = true;
        emit unit.sink()->btSensortypeReceived("3");
        w->getGpsInstance()->setPosition(51.5, 7.25);
        w->displayWidget(Screen::H2Sensor, Screen::LevelDown, Screen::Live);
        h2 = qobject_cast<H2Sensor*>(unit.currentPage());
    }
    void reading(const QString& value) { emit unit.sink()->btSensorvalueReceived(value, "700"); }
    void click(const char* button) { h2->findChild<QPushButton*>(button)->click(); }
    QString text(const char* label) const { return h2->findChild<QLabel*>(label)->text(); }
    QTimer* pollTimer() const { return h2->findChild<QTimer*>("timerLevel"); }
    QImage chart() const { return h2->findChild<LongtermData*>()->getImage(); }
    // Saves under `name`; an empty one cancels the keyboard.
    QString save(const QString& name)
    {
        ModalHelper::onNextModal([name](QWidget* d) {
            auto* keyboard = qobject_cast<VirtualKeyboard*>(d);
            keyboard->setText(name);
            name.isEmpty() ? keyboard->reject() : keyboard->accept();
        });
        click("butMenuSave");
        return QDir(unit.root.path(kMeas)).entryList({"H2_*"}, QDir::Dirs).value(0);
    }
    void openStored(const QString& dir) { unit.openStoredView(Screen::H2Sensor, dir); }
    TestUnit unit;
    MainMenu* w;
    H2Sensor* h2;
};

}

class TestH2Sensor : public QObject
{
    Q_OBJECT
private slots:
    void levels();
    void dynamicRange();
    void rangeCycle();
    void pwmPeriods();
    void historyAndPoints();
    void pacing();

    void polling();
    void readings();
    void developerReadout();
    void sensorNote();
    void savedAndShownAgain();
};

void TestH2Sensor::levels()
{
    const QList<QPair<QString, int>> cases = {{"4.095", 0}, {"409.6", 100}, {"300", 73},  {"-8.2", -2},
                                              {"abc", 0},   {"", 0},        {"nan", 0},   {"inf", 0},
                                              {"1e30", 0},  {"-1e30", 0},   {"8.8e9", 0}, {" 41 ", 10}};
    for (const auto& c : cases)
        QVERIFY2(H2Reading::levelOf(c.first) == c.second, qPrintable(c.first));
    QCOMPARE(H2Reading::rawOf("1e30"), 0.0);
    QCOMPARE(H2Reading::secondsOf("abc"), 0);
}

void TestH2Sensor::dynamicRange()
{
    struct Case {
        int reference;
        QVector<int> levels, ranges;
        int percent;
    };
    const Case cases[] = {
        {1000, {73}, {100}, 0},  // a first live 300 pulls the reference down
        {0, {150, 20, 20, 20}, {165, 140, 119, 119}, 16},
        {950, {1200}, {100}, 100},  // capped to 50, then the minimum
        {0, {455, -10}, {500, 100}, 0},  // below: 100 first, else 425
        {0, {107, 10}, {117, 100}, 10},  // shrunk to 99: the floor
    };
    for (const Case& c : cases) {
        H2Reading r = listening(c.reference);
        QVector<int> ranges;
        for (int level : c.levels) {
            r.listeningReading(level, 0, 0);
            ranges << r.range();
        }
        QCOMPARE(ranges, c.ranges);
        QCOMPARE(r.percent(), c.percent);
        QCOMPARE(r.scaleMaxText(), QString("<> %1").arg(c.ranges.last()));
        QCOMPARE(r.shownLevel(), r.displayLevel() + 1);
    }
}

void TestH2Sensor::rangeCycle()
{
    for (bool allowed : {true, false}) {
        H2Reading r = listening(0, allowed);
        r.setScaleMode(0);
        QStringList shown{r.scaleMaxText()};
        for (int i = 0; i < 6; ++i) {
            r.nextScaleMode();
            shown << r.scaleMaxText();
        }
        // Off: past 1000 comes 50 at once.
        QCOMPARE(shown.join(' '), "50 100 200 500 1000 " + QString(allowed ? "<> 100 50" : "50 100"));
    }
}

void TestH2Sensor::pwmPeriods()
{
    struct Case {
        int display, range;
        qint64 ms;
    };
    const Case cases[] = {{0, 50, 500},    {25, 50, 20},     {50, 50, 10},    {80, 50, 10},
                          {0, 1000, 1000}, {1, 1000, 1000}, {1, 100, 1000}, {100, 100, 10}};
    for (const Case& c : cases)
        QCOMPARE(H2Reading::pwmPeriodNs(c.display, c.range), c.ms * 1000000);
}

void TestH2Sensor::historyAndPoints()
{
    H2Reading r = listening(0, false);
    for (int i = 1; i <= 300; ++i)
        r.listeningReading(i, i, -i);
    QCOMPARE(r.historyCount(), 299);
    QCOMPARE(r.history()[0], 2.0f);
    QCOMPARE(r.history()[298], 300.0f);

    // Absolute levels per point; the eleventh unmute pushes point 1 out.
    for (int p = 2; p <= 11; ++p) {
        r.beginPoint();
        r.listeningReading(100 + p, p, 0);
    }
    QCOMPARE(r.currentStep(), 10);
    QCOMPARE(r.pointLevel(1), 102.0f);
    QCOMPARE(r.pointLatitude(9), 10.0);

    // Zero: the chart starts again, the points stay.
    r.zero();
    MeasInfoStructure info;
    r.fill(&info);
    QVERIFY(info.arrayInfoParameter_1 == 111 && info.arrayCnt == 0 && info.level[10] == 111.0f);
}

void TestH2Sensor::pacing()
{
    SensorRequestPacer p;
    p.requested(100);
    QVERIFY(!p.mayRequest(2099));
    QVERIFY(p.mayRequest(2100));  // the drivers gave up on it too
    p.answered();
    QVERIFY(p.mayRequest(101));
}

void TestH2Sensor::polling()
{
    Rig r;
    QCOMPARE(r.pollTimer()->interval(), 2500);
    r.unit.sink()->sent.clear();
    for (int i = 0; i < 2; ++i)  // the second unanswered: not asked again yet
        QMetaObject::invokeMethod(r.h2, "readData");
    r.reading(raw(80));
    QMetaObject::invokeMethod(r.h2, "readData");
    QCOMPARE(r.unit.sink()->sent, QStringList({"BT_TX S", "BT_TX S"}));

    // Switch mode (the default) toggles by the screen's own state; a second
    // "listen" without a mute between starts no second point.
    r.h2->muteAudioPath(false, true);
    r.h2->muteAudioPath(false, true);
    QCOMPARE(r.pollTimer()->interval(), 517);
    QCOMPARE(r.h2->reading().currentStep(), 1);
    r.w->muteAudioPath(true, false);
    QTest::keyPress(r.h2, Qt::Key_F10);
    QCOMPARE(r.pollTimer()->interval(), 2500);

    // Left: the main menu's mute receiver; later readings are muted ones.
    r.click("butMenuHome");
    QCOMPARE(r.unit.sink()->muteReceivers(), 1);
    QVERIFY(!r.pollTimer()->isActive());
    r.reading(raw(40));
    QCOMPARE(r.h2->reading().reference(), 40);
    QCOMPARE(r.h2->reading().historyCount(), 0);

    // Left with a request unanswered: back within its time-out, the first
    // tick asks all the same.
    r.w->displayWidget(Screen::H2Sensor, Screen::LevelDown, Screen::Live);
    QMetaObject::invokeMethod(r.h2, "readData");
    r.click("butMenuHome");
    r.w->displayWidget(Screen::H2Sensor, Screen::LevelDown, Screen::Live);
    r.h2->muteAudioPath(false, true);
    r.unit.sink()->sent.clear();
    QMetaObject::invokeMethod(r.h2, "readData");
    QCOMPARE(r.unit.sink()->sent, QStringList{"BT_TX S"});
}

void TestH2Sensor::readings()
{
    DeviceLayer::WriteTrace trace;
    Rig r;
    QCOMPARE(trace.entries().filter(kPwm),
             QStringList({kPwm + "period=1000000000", kPwm + "duty_cycle=100000", kPwm + "enable=1"}));
    // Muted: the reference only goes down; nothing but the level moves.
    r.reading(raw(73));
    r.reading(raw(400));
    QCOMPARE(r.h2->reading().level(), 400);
    QCOMPARE(r.h2->reading().reference(), 73);
    QCOMPARE(r.text("labelLevel"), QString("0"));
    QCOMPARE(trace.entries().filter(kPwm).size(), 3);

    // Listening: number, bar, chart and click rate follow.
    const QImage empty = r.chart();
    r.h2->muteAudioPath(false, true);
    r.reading(raw(123));  // 50 over the range of 100
    QVERIFY(r.text("labelLevel") == "50" || r.text("labelLevel") == "51");
    QCOMPARE(r.h2->findChild<QProgressBar*>("progBarH2Level")->value(), 50);
    QCOMPARE(r.text("labelScaleMax"), QString("<> 100"));
    QVERIFY(r.chart() != empty);
    QCOMPARE(r.unit.root.read(kPwm + "period"), QByteArray("20000000"));  // truncated, not laid over
    QCOMPARE(r.unit.root.read(kPwm + "enable"), QByteArray("1"));

    // Without the files the screen measures on.
    QDir(r.unit.root.path(kPwm)).removeRecursively();
    trace.clear();
    r.click("butMenuHome");
    r.w->displayWidget(Screen::H2Sensor, Screen::LevelDown, Screen::Live);
    r.h2->muteAudioPath(false, true);
    r.reading(raw(123));
    QVERIFY(trace.entries().filter(kPwm).isEmpty());
}

// The developer read-out shortens a raw figure too long for its label.
void TestH2Sensor::developerReadout()
{
    g_debugFeatures = 1;
    Rig r;
    r.h2->muteAudioPath(false, true);
    r.reading("123456789");
    g_debugFeatures = 0;
    QCOMPARE(r.text("labelPpm"), QString("AD 1.23e8\n30140818"));
}

void TestH2Sensor::sensorNote()
{
    // Sensor type, booted into the H2 favourite: the notes shown.
    const QList<std::tuple<QString, bool, int>> cases = {{"2", false, 1}, {"3", false, 0}, {"0", true, 0}};
    for (const auto& [type, booted, notes] : cases) {
        TestUnit unit;
        unit.setSetting("Dialogconfiguration/Startup_UseFavouriteForStartup", booted);
        unit.setSetting("Systemsettings/FavouriteButton", 4);
        ModalCloser closer;
        MainMenu* w = unit.start();
        emit unit.sink()->btSensortypeReceived(type);
        if (!booted)
            w->displayWidget(Screen::H2Sensor, Screen::LevelDown, Screen::Live);
        QVERIFY(qobject_cast<H2Sensor*>(unit.currentPage()));
        QCOMPARE(closer.closed(), notes);
    }
}

void TestH2Sensor::savedAndShownAgain()
{
    Rig r;
    r.h2->muteAudioPath(false, true);
    for (int level : {1050, 1100, 1010})  // over the start reference of 1000
        r.reading(raw(level));
    LogCapture log;
    QCOMPARE(r.save(""), QString());  // cancelled: nothing, recording resumed
    QCOMPARE(log.count("pauseAudioRecording false"), 1);
    const QString dir = r.save("walk");
    QSettings info(r.unit.root.path(kMeas + dir + "/info.ini"), QSettings::IniFormat);
    QStringList stored;
    for (const char* key : {"Levels/Level_1", "Levels/Level_2", "GPS-Positions/GPS-Position_1", "Levels_CSV/Levels_Cnt",
                            "Levels_CSV/Levels_Data", "Levels_CSV/H2-ReferenceLevel", "Levels_CSV/H2-MaxRange"})
        stored << info.value(key).toString();
    QCOMPARE(stored, QStringList({"1010.000", "0.000", "51.500000, 7.250000", "3", "50.0; 100.0; 10.0; ",
                                  "1000", "100"}));
    QVERIFY(!info.childGroups().contains("Filter"));
    r.click("butMenuHome");

    // The round trip, then a hostile file.
    r.openStored(dir);
    QCOMPARE(values(r.h2->stored()), QVector<float>({50, 100, 10}));
    QCOMPARE(r.text("labelStoredMeasurement"), QString("walk"));
    for (const QByteArray maxRange : {"-5", "0"}) {
        r.unit.root.write(kMeas + dir + "/info.ini",
                          "[Measurementinfo]\nMeasurementname=<b>walk</b>\n[Levels_CSV]\nLevels_Cnt=5000\n"
                          "H2-MaxRange=" + maxRange + "\nLevels_Data=\"1; x; 1e39; nan; 4; \"\n");
        r.openStored(dir);
        QCOMPARE(values(r.h2->stored()), QVector<float>({1, 0, 0, 0, 4}));
        QCOMPARE(r.h2->stored().range, 1000);
    }
    QCOMPARE(r.text("labelStoredMeasurement"), QString("<b>walk</b>"));
    QCOMPARE(r.h2->findChild<QLabel*>("labelStoredMeasurement")->textFormat(), Qt::PlainText);

    // Neither key nor accessory nor readings draw into the stored chart.
    const QImage shown = r.chart();
    QTest::keyPress(r.h2, Qt::Key_F10);
    emit r.unit.sink()->stateActiveMuteChanged(false);
    r.reading(raw(900));
    QCOMPARE(r.chart(), shown);

    QSignalSpy back(r.h2, &H2Sensor::gotoWidget);
    r.click("butMenuStoredBack");
    QCOMPARE(back.value(0), (QVariantList{7, -1, 0}));
    QCOMPARE(r.unit.sink()->muteReceivers(), 0);
}

QTEST_MAIN(TestH2Sensor)
#include "tst_h2sensor.moc"
