// The status data's decisions without a window: low-battery thresholds,
// the warning's answers and re-arming, the critical voltage, and the
// power-saving countdowns with the display they darken and light; and the
// clock's time zone (here, where no window and no audio thread reads the
// environment while TZ changes).
#include "Tools/localclock.h"
#include "logcapture.h"
#include "recordingstatushost.h"

#include <QtTest>

namespace {

const QString kWarning = "warning 0 120";

// A core started for a main window; its start-up calls kept apart.
struct Rig {
    explicit Rig(int times = 3600, int level = 6)
    {
        host.powerOff = host.displayOff = times;
        host.level = level;
        core.setHost(&host);
        core.start();
        startCalls = std::exchange(host.calls, {});
    }
    // -1 %: no charge reading; 0 V: no voltage reading.
    void battery(int percent, double volts)
    {
        core.battery({volts > 0, float(volts), percent >= 0, qMax(percent, 0)});
    }
    RecordingStatusHost host;
    StatusCore core;
    QStringList startCalls;
};

}

class TestStatusCore : public QObject
{
    Q_OBJECT
private slots:
    void lowBattery_data();
    void lowBattery();
    void warningAnswers_data();
    void warningAnswers();
    void warningRearmsOnlyOnAGoodReading();
    void countdowns();
    void timesFromTheSettings_data();
    void timesFromTheSettings();
    void clockFollowsTheZone();
};

void TestStatusCore::lowBattery_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("volts");
    QTest::addColumn<QStringList>("calls");
    const QStringList warns{kWarning};
    // A critical cell starts going down first; its warning closes itself.
    const QStringList critical{"powerDown", "warning 0 2"};
    QTest::newRow("10 % 3.2 V") << 10 << 3.2 << QStringList();
    QTest::newRow("10 % 3.05 V") << 10 << 3.05 << warns;
    QTest::newRow("9 % 3.8 V") << 9 << 3.8 << warns;
    QTest::newRow("50 % 3.05 V") << 50 << 3.05 << warns;
    QTest::newRow("11 % 3.1 V") << 11 << 3.1 << QStringList();
    QTest::newRow("50 % 2.9 V") << 50 << 2.9 << warns;
    QTest::newRow("50 % 2.85 V") << 50 << 2.85 << critical;
    QTest::newRow("3 % 2.85 V") << 3 << 2.85 << critical;
    QTest::newRow("85 % 3.95 V") << 85 << 3.95 << QStringList();
    QTest::newRow("no charge, 3.95 V") << -1 << 3.95 << QStringList();
    QTest::newRow("no charge, 3.0 V") << -1 << 3.0 << warns;
    QTest::newRow("no voltage, 0 %") << 0 << 0.0 << QStringList();
}

void TestStatusCore::lowBattery()
{
    QFETCH(int, percent);
    QFETCH(double, volts);
    QFETCH(QStringList, calls);
    Rig r;
    LogCapture log;
    r.battery(percent, volts);
    QCOMPARE(r.host.calls, calls);
    QCOMPARE(log.contains("Battery is very low. Power-Off device"), calls.contains("powerDown"));
    r.battery(percent, volts);
    QCOMPARE(log.count("Battery voltage not read"), volts > 0 ? 0 : 1);
}

void TestStatusCore::warningAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<int>("warnings");  // after a second reading
    QTest::newRow("OK") << 0 << "Battery low message accepted" << 1;
    QTest::newRow("time-out") << 4 << "Battery low message: Timeout" << 1;
    QTest::newRow("IO key") << -1 << "Ende Button Unknown" << 2;
}

void TestStatusCore::warningAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, logLine);
    QFETCH(int, warnings);
    Rig r;
    r.host.warningAnswer = answer;
    // A 30 s tick while the warning is up (it stays 120 s) opens none.
    r.host.duringWarning = [&r] { r.battery(5, 3.5); };
    LogCapture log;
    r.battery(9, 3.6);
    QCOMPARE(r.host.calls, QStringList{kWarning});
    QVERIFY(log.contains(logLine));
    r.battery(9, 3.6);
    QCOMPARE(r.host.calls.size(), warnings);
}

void TestStatusCore::warningRearmsOnlyOnAGoodReading()
{
    Rig r;
    // Neither 10 % nor exactly 3.1 V re-arms; (11 %, 3.2 V) does.
    const struct {
        int percent;
        double volts;
        int warnings;
    } readings[] = {{9, 3.6, 1}, {10, 3.9, 1}, {11, 3.1, 1}, {8, 3.5, 1}, {11, 3.2, 1}, {9, 3.6, 2}};
    for (const auto& reading : readings) {
        r.battery(reading.percent, reading.volts);
        QCOMPARE(r.host.calls.size(), reading.warnings);
    }
    // So does a new main window.
    r.core.start();
    r.battery(9, 3.6);
    QCOMPARE(r.host.calls.count(kWarning), 3);
}

void TestStatusCore::countdowns()
{
    Rig r(4, 5);
    QCOMPARE(r.startCalls, QStringList{"backlight 5"});
    auto step = [&r] {
        r.core.stepPowerOff(2);
        r.core.stepBacklight(2);
    };
    // A key before the end writes nothing and starts both again.
    step();
    r.core.wake();
    QVERIFY(r.host.calls.isEmpty());
    QCOMPARE(r.core.powerOffCountdown(), 4);
    // The display goes dark once; the power-down is asked for on every step
    // until the unit is off.
    LogCapture log;
    for (int i = 0; i < 4; ++i)
        step();
    QVERIFY(r.core.isPowerSavingActive());
    QCOMPARE(r.host.calls, (QStringList{"powerDown", "backlight 0", "powerDown", "powerDown"}));
    QCOMPARE(log.count("Backlight off"), 1);
    QCOMPARE(log.count("Power-Off device"), 3);
    // Waking lights it once.
    r.host.calls.clear();
    r.core.wake();
    r.core.wake();
    QVERIFY(!r.core.isPowerSavingActive());
    QCOMPARE(r.host.calls, QStringList{"backlight 5"});
    QCOMPARE(r.core.backlightOffCountdown(), 4);
}

void TestStatusCore::timesFromTheSettings_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("countdown");
    QTest::newRow("0: never") << 0 << 259200;
    QTest::newRow("negative") << -1 << 259200;
    QTest::newRow("taken") << 30 << 30;
}

void TestStatusCore::timesFromTheSettings()
{
    QFETCH(int, stored);
    QFETCH(int, countdown);
    Rig r(stored);
    QCOMPARE(r.core.powerOffCountdown(), countdown);
    QCOMPARE(r.core.backlightOffCountdown(), countdown);
    // Changed in the settings: taken at the next load.
    r.host.powerOff = 600;
    r.core.loadCountdowns();
    QCOMPARE(r.core.powerOffCountdown(), 600);
}

void TestStatusCore::clockFollowsTheZone()
{
    const QByteArray saved = qgetenv("TZ");
    auto setZone = [](const QByteArray& tz) { tz.isNull() ? qunsetenv("TZ") : qputenv("TZ", tz); };
    // The system's, a fixed offset, and a rule Qt does not read (the C library's time).
    for (const QByteArray& tz : {QByteArray(), QByteArray("XYZ-5:30"), QByteArray("CET-1CEST,M3.5.0,M10.5.0/3")}) {
        setZone(tz);
        // A local time is looked up when asked for: both before TZ changes again.
        const QDateTime shown = LocalClock::instance()->now();
        const QDateTime local = QDateTime::currentDateTime();
        QCOMPARE(shown.offsetFromUtc(), local.offsetFromUtc());
        QVERIFY((shown.time().msecsTo(local.time()) + 86400000) % 86400000 < 1000);
    }
    setZone(saved);
}

QTEST_GUILESS_MAIN(TestStatusCore)
#include "tst_statuscore.moc"
