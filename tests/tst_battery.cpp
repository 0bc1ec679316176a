// Fuel gauge and charger readings.
#include "Hardware/batterystate.h"
#include "testroot.h"

#include <QtTest>

class TestBattery : public QObject
{
    Q_OBJECT
private slots:
    void conversions();
    void chargingIsAnExactWord_data();
    void chargingIsAnExactWord();
    void unreadableValuesKeepTheLastGoodOne();
    void updateValuesUsesTheGaugeStatus();
};

static const QString kGauge = "/sys/class/power_supply/bq27426-0/";

void TestBattery::conversions()
{
    TestRoot t;
    t.write(kGauge + "voltage_now", "3912000\n");
    t.write(kGauge + "current_now", "-250000\n");
    t.write(kGauge + "temp", "215\n");
    t.write(kGauge + "capacity", "57\n");
    BatteryState b;
    QCOMPARE(b.voltage(), 3.912f);
    QCOMPARE(b.current(), -0.25f);
    QCOMPARE(b.temperature(), 21.5f);
    QCOMPARE(b.fuelPercent(), 57);
}

void TestBattery::chargingIsAnExactWord_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("charging");
    QTest::newRow("Charging+LF") << QByteArray("Charging\n") << true;
    QTest::newRow("blanks") << QByteArray("  CHARGING \n") << true;
    QTest::newRow("Not charging") << QByteArray("Not charging\n") << false;
    QTest::newRow("Discharging") << QByteArray("Discharging\n") << false;
    QTest::newRow("Full") << QByteArray("Full\n") << false;
}

void TestBattery::chargingIsAnExactWord()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, charging);
    TestRoot t;
    t.write("/sys/class/power_supply/bq24190-battery/status", text);
    QCOMPARE(BatteryState().isCharging(), charging);
}

void TestBattery::unreadableValuesKeepTheLastGoodOne()
{
    TestRoot t;
    // Never read: 0 V, and known to be no reading.
    t.remove(kGauge + "voltage_now");
    BatteryState b;
    QCOMPARE(b.voltage(), 0.0f);
    QVERIFY(!b.hasVoltage());

    t.write(kGauge + "capacity", "42\n");
    t.write(kGauge + "voltage_now", "3700000\n");
    QCOMPARE(b.fuelPercent(), 42);
    QCOMPARE(b.voltage(), 3.7f);
    QVERIFY(b.hasVoltage());

    // The file disappears: last value.
    t.remove(kGauge + "capacity");
    t.remove(kGauge + "voltage_now");
    QCOMPARE(b.fuelPercent(), 42);
    QCOMPARE(b.voltage(), 3.7f);

    // Garbage, an empty read or a number no gauge gives is no reading, never 0 V;
    // so is what no cell shows: outside 2.0..5.0 V (volts for microvolts) or 0..100 %.
    const QList<QPair<const char*, QStringList>> odd{
        {"both", {"garbage\n", "", "??", "nan\n", "inf\n", "-inf", "1e30\n", "-99999999999"}},
        {"voltage_now", {"0\n", "-3700000", "3.8\n", "1999999", "5000001"}},
        {"capacity", {"101\n", "-1"}}};
    for (const auto& files : odd) {
        for (const QString& text : files.second) {
            if (qstrcmp(files.first, "voltage_now") != 0)
                t.write(kGauge + "capacity", text.toLatin1());
            if (qstrcmp(files.first, "capacity") != 0)
                t.write(kGauge + "voltage_now", text.toLatin1());
            QCOMPARE(b.fuelPercent(), 42);
            QCOMPARE(b.voltage(), 3.7f);
        }
    }
    t.write(kGauge + "capacity", "100\n");
    QCOMPARE(b.fuelPercent(), 100);

    // A later good value is taken again.
    t.write(kGauge + "voltage_now", "3000000\n");
    QCOMPARE(b.voltage(), 3.0f);
}

void TestBattery::updateValuesUsesTheGaugeStatus()
{
    TestRoot t;
    t.write(kGauge + "status", "Charging\n");
    t.write("/sys/class/power_supply/bq24190-battery/status", "Not charging\n");
    t.write(kGauge + "capacity", "12\n");
    BatteryState b;
    b.updateValues();
    // The getter reads the charger, updateValues the gauge.
    QCOMPARE(b.isCharging(), false);
    QCOMPARE(b.fuelPercent(), 12);
}

QTEST_GUILESS_MAIN(TestBattery)
#include "tst_battery.moc"
