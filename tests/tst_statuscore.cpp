// The status data's decisions without a window: low-battery thresholds,
// the warning's answers and re-arming, the critical voltage, and the
// power-saving countdowns with the display they darken and light.
#include "Tools/statuscore.h"
#include "logcapture.h"
#include "recordingstatushost.h"

#include <QtTest>

namespace {

// A core started for a main window, its start-up calls forgotten.
struct Rig {
    explicit Rig(int powerOff = 3600, int displayOff = 600, int level = 6)
    {
        host.powerOff = powerOff;
        host.displayOff = displayOff;
        host.level = level;
        core.setHost(&host);
        core.start();
        startCalls = host.calls;
        host.calls.clear();
    }
    // -1 %: no charge reading; 0 V: no voltage reading.
    void battery(int percent, double volts)
    {
        BatteryReading r;
        r.hasPercent = percent >= 0;
        r.percent = qMax(percent, 0);
        r.hasVoltage = volts > 0;
        r.volts = float(volts);
        core.battery(r);
    }
    RecordingStatusHost host;
    StatusCore core;
    QStringList startCalls;
};

const QString kWarning = "warning LowBattery 120";

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
    void secondWarningWaitsForTheFirst();
    void powerOffCountdown();
    void displayDarkensOnceAndWakesOnce();
    void countdownsAndBrightnessFromTheSettings_data();
    void countdownsAndBrightnessFromTheSettings();
};

void TestStatusCore::lowBattery_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("volts");
    QTest::addColumn<QStringList>("calls");
    const QStringList warns{kWarning};
    // A critical cell starts going down first; its warning closes itself.
    const QStringList critical{"powerDown", "warning LowBattery 2"};
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
    // A gauge that never gave a voltage is no flat battery.
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
    QTest::addColumn<bool>("staysArmed");
    QTest::newRow("OK") << 0 << "Battery low message accepted" << false;
    QTest::newRow("time-out") << 4 << "Battery low message: Timeout" << false;
    QTest::newRow("IO key") << -1 << "Ende Button Unknown" << true;
}

void TestStatusCore::warningAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, logLine);
    QFETCH(bool, staysArmed);
    Rig r;
    r.host.warningAnswer = answer;
    LogCapture log;
    r.battery(9, 3.6);
    QVERIFY(log.contains(logLine));
    r.battery(9, 3.6);
    QCOMPARE(r.host.calls.size(), staysArmed ? 2 : 1);
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
    // A new main window arms it again.
    r.core.start();
    r.host.calls.clear();
    r.battery(9, 3.6);
    QCOMPARE(r.host.calls, QStringList{kWarning});
}

void TestStatusCore::secondWarningWaitsForTheFirst()
{
    Rig r;
    r.host.warningAnswer = -1;  // closed unanswered: still armed
    // A further 30 s tick while the first warning is up (it stays 120 s).
    r.host.duringWarning = [&r] { r.battery(5, 3.5); };
    r.battery(5, 3.5);
    QCOMPARE(r.host.calls, QStringList{kWarning});
    r.battery(5, 3.5);
    QCOMPARE(r.host.calls, (QStringList{kWarning, kWarning}));
}

void TestStatusCore::powerOffCountdown()
{
    Rig r(4);
    LogCapture log;
    r.core.stepPowerOff(2);
    QVERIFY(r.host.calls.isEmpty());
    r.core.stepPowerOff(2);
    QCOMPARE(r.host.calls, QStringList{"powerDown"});
    QCOMPARE(log.count("Power-Off device"), 1);
    // Unanswered, it asks again on every step.
    r.core.stepPowerOff(2);
    QCOMPARE(r.host.calls.size(), 2);
    // A key starts it again.
    r.core.wake();
    QCOMPARE(r.core.powerOffCountdown(), 4);
}

void TestStatusCore::displayDarkensOnceAndWakesOnce()
{
    Rig r(3600, 4, 5);
    QCOMPARE(r.startCalls, QStringList{"backlight 5"});
    // A key before the display is dark writes nothing.
    r.core.stepBacklight(2);
    r.core.wake();
    QVERIFY(r.host.calls.isEmpty());
    QCOMPARE(r.core.backlightOffCountdown(), 4);

    LogCapture log;
    for (int step = 0; step < 10; ++step)
        r.core.stepBacklight(2);
    QVERIFY(r.core.isPowerSavingActive());
    QCOMPARE(r.host.calls, QStringList{"backlight 0"});
    QCOMPARE(log.count("Backlight off"), 1);

    r.core.wake();
    r.core.wake();
    QVERIFY(!r.core.isPowerSavingActive());
    QCOMPARE(r.host.calls, (QStringList{"backlight 0", "backlight 5"}));
    QCOMPARE(r.core.backlightOffCountdown(), 4);
}

void TestStatusCore::countdownsAndBrightnessFromTheSettings_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("countdown");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("level");
    QTest::newRow("0: never, dark") << 0 << 259200 << 0 << 6;
    QTest::newRow("negative") << -1 << 259200 << -1 << 6;
    QTest::newRow("taken") << 30 << 30 << 7 << 7;
}

void TestStatusCore::countdownsAndBrightnessFromTheSettings()
{
    QFETCH(int, time);
    QFETCH(int, countdown);
    QFETCH(int, brightness);
    QFETCH(int, level);
    Rig r(time, time, brightness);
    QCOMPARE(r.core.powerOffCountdown(), countdown);
    QCOMPARE(r.core.backlightOffCountdown(), countdown);
    QCOMPARE(r.startCalls, QStringList{QString("backlight %1").arg(level)});
    // Changed in the settings: taken at the next load.
    r.host.powerOff = 600;
    r.core.loadCountdowns();
    QCOMPARE(r.core.powerOffCountdown(), 600);
}

QTEST_GUILESS_MAIN(TestStatusCore)
#include "tst_statuscore.moc"
