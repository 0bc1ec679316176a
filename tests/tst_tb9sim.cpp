// The simulated TB-9: answers on its own clock (delayed, withheld, failed),
// its H2 sensor, the triggers that set them, and both drivers against an
// accessory that answers late.
#include "Hardware/accessoryprotocol.h"
#include "Mainmenu/pressuredata.h"
#include "bluetoothsim.h"
#include "idc777testing.h"
#include "signalrecorder.h"
#include "simclock.h"
#include "testroot.h"
#include "wt32testing.h"

#include <QtTest>

namespace {

// S every 517 ms and a mute change every 2.3 s for a minute of the
// accessory's clock, then until the queue has drained; the I lines sent.
template <class Rig>
QStringList pollSlowAccessory(Rig& rig, SimClock& clock)
{
    Tb9Accessory& tb9 = rig.sim.tb9();
    tb9.setAnswerDelay(1000);
    QStringList sent;
    bool muted = true;
    qint64 nextS = clock.ms, nextMute = clock.ms + 1300, lastHeard = clock.ms;
    const qint64 end = clock.ms + 60000;
    int heard = tb9.received().size();
    for (; clock.ms < end + 60000; clock.ms += 100) {
        if (clock.ms < end && clock.ms >= nextS) {
            rig.bt.sendData("BT_TX S");
            nextS += 517;
        }
        if (clock.ms < end && clock.ms >= nextMute) {
            muted = !muted;
            rig.bt.sendMicInitParameter(0x0f, muted, 0);
            sent << AccessoryProtocol::micInitLine(0x0f, muted, true);
            nextMute += 2300;
        }
        rig.settle();
        if (tb9.received().size() != heard) {
            heard = tb9.received().size();
            lastHeard = clock.ms;
        } else if (rig.bt.transmitTimerActive() && clock.ms - lastHeard >= 2000) {
            rig.bt.transmitTimeout();
            lastHeard = clock.ms;
        }
        if (clock.ms >= end && rig.bt.messages().count() == 0 && !rig.bt.messages().isInFlight())
            break;
    }
    return sent;
}

// RS, three of its blocks and RP through a driver; its signals.
template <class Rig>
QStringList pressureSignals(Rig& rig, SimClock& clock)
{
    QStringList got;
    recordSignals(rig.bt, &got);
    auto settleUntil = [&](int n) {
        for (int i = 0; i < 200 && got.size() < n; ++i)
            rig.settle();
    };
    rig.bt.sendData("BT_TX RS");
    for (int i = 0; i < 4; ++i) {
        clock.ms += i ? 100 : 0;
        settleUntil(2 + 2 * i);
    }
    rig.bt.sendData("BT_TX RP");
    settleUntil(10);
    clock.ms += 1000;  // nothing follows
    rig.settle();
    return got;
}

}

class TestTb9Sim : public QObject
{
    Q_OBJECT
private slots:
    void answersOnTheClock();
    void streams();
    void silentAndFailing_data();
    void silentAndFailing();
    void h2Model();
    void firmwareTransfer();
    void malformedTriggersRefused();
    void pressureStream();
    void pressureThroughBothDrivers();
    void slowAccessory_data();
    void slowAccessory();
};

void TestTb9Sim::answersOnTheClock()
{
    SimClock clock;
    Tb9Accessory tb9;
    QCOMPARE(tb9.receive("BT_TX T"), QStringList{"BT_RX SENSOR 1"});
    tb9.setAnswerDelay(1000);
    QVERIFY(tb9.receive("BT_TX T").isEmpty() && tb9.receive("BT_TX B").isEmpty());
    clock.ms = 999;
    QVERIFY(tb9.due().isEmpty());
    // In order of their times, equal times in order of their requests.
    tb9.setAnswerDelay(0);
    QCOMPARE(tb9.receive("BT_TX O"), QStringList{"BT_RX OK"});
    clock.ms = 1000;
    QCOMPARE(tb9.due(), (QStringList{"BT_RX SENSOR 1", "BT_RX BATT_VOLTAGE 3900"}));
}

void TestTb9Sim::streams()
{
    SimClock clock;
    Tb9Accessory tb9;
    int n = 0;
    tb9.startStream("x", 100, 100, [&](qint64) { return QStringList{QString::number(++n)}; });
    tb9.setAnswerDelay(150);
    QVERIFY(tb9.receive("BT_TX T").isEmpty());
    clock.ms = 300;
    QCOMPARE(tb9.due(), (QStringList{"1", "BT_RX SENSOR 1", "2", "3"}));
    clock.ms = 1000000;
    QCOMPARE(tb9.due().size(), 11);  // a leap catches up ten intervals, not all
    tb9.restart();
    clock.ms += 1000;
    QVERIFY(tb9.due().isEmpty() && !tb9.isStreaming("x"));
}

void TestTb9Sim::silentAndFailing_data()
{
    QTest::addColumn<QString>("triggers");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("answer");
    QTest::newRow("silent") << "silent S" << "BT_TX S" << QStringList();
    QTest::newRow("silent off") << "silent S;silent P;silent off" << "BT_TX S" << QStringList{"BT_RX SENSVAL 5 6"};
    QTest::newRow("err FD") << "err FD" << "BT_TX FD 001 002 abcd" << QStringList{"BT_RX FD 001 ERR"};
    QTest::newRow("err FS") << "err FS" << "BT_TX FS" << QStringList{"BT_RX FS ERR"};
    QTest::newRow("err S") << "err S" << "BT_TX S" << QStringList{"BT_RX ERR S"};
    QTest::newRow("err I") << "err I" << "BT_TX I 12 ACTIVE SWITCH" << QStringList{"BT_RX ERR I"};
    QTest::newRow("err off") << "err S;err off" << "BT_TX S" << QStringList{"BT_RX SENSVAL 5 6"};
}

void TestTb9Sim::silentAndFailing()
{
    QFETCH(QString, triggers);
    QFETCH(QString, line);
    QFETCH(QStringList, answer);
    TestRoot root;
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    sim.tb9().setSensorValue("5", "6");
    for (const QString& t : triggers.split(';'))
        QVERIFY(sim.trigger(t));
    QCOMPARE(sim.tb9().receive(line), answer);
    QCOMPARE(sim.tb9().gain(), 0x0f);  // a failed I changes nothing
}

void TestTb9Sim::h2Model()
{
    SimClock clock;
    Tb9Accessory tb9, twin;
    auto reading = [](Tb9Accessory& a) { return a.receive("BT_TX S").value(0).split(' ').mid(2); };
    auto gasIs = [&](int gas) {
        const int raw = reading(tb9).value(0).toInt() - Tb9Accessory::kH2Baseline - gas;
        return qAbs(raw) <= Tb9Accessory::kH2Noise;
    };
    QSet<QString> noise;
    for (int i = 0; i < 30; ++i) {
        QVERIFY(gasIs(0));
        noise << reading(twin).value(0);
    }
    QVERIFY(noise.size() > 1);
    QCOMPARE(reading(tb9), reading(twin));  // seeded: the same on every run
    tb9.setGas(400, 10);
    clock.ms = 5000;
    QVERIFY(gasIs(200));
    clock.ms = 10000;
    QVERIFY(gasIs(400));
    tb9.setSensorType("3");  // heating counts from here
    clock.ms = 70000;
    QCOMPARE(reading(tb9).value(1), QString("60"));
    tb9.setHeating(590);
    QCOMPARE(reading(tb9).value(1), QString("590"));
    tb9.setSensorValue("abc", "7");  // pinned until the model takes over again
    QCOMPARE(reading(tb9), (QStringList{"abc", "7"}));
    tb9.setGas(0);
    QVERIFY(gasIs(0));
}

void TestTb9Sim::firmwareTransfer()
{
    SimClock clock;
    Tb9Accessory tb9;
    auto answer = [&](const QString& line) { return tb9.receive("BT_TX " + line).join('|'); };
    QCOMPARE(answer("FH 66 1.05"), QString("BT_RX FH OK"));
    QCOMPARE(answer("FD 001 002 abcd"), QString("BT_RX FD 001 ERR"));  // out of order
    QCOMPARE(answer("FD 000 064 " + QString(128, 'a')), QString("BT_RX FD 000 OK"));
    QCOMPARE(answer("FD 001 002 abc"), QString("BT_RX FD 001 ERR"));     // length and bytes differ
    QCOMPARE(answer("FD 001 003 abcdef"), QString("BT_RX FD 001 ERR"));  // past the size
    QCOMPARE(answer("FD 001 002 abcd"), QString("BT_RX FD 001 OK"));
    QCOMPARE(answer("FS"), QString("BT_RX FS OK"));
    // Deaf while it flashes, then back with the new version.
    QCOMPARE(answer("P"), QString());
    clock.ms += Tb9Accessory::kFlashMs;
    QCOMPARE(tb9.due(), QStringList{"BT_RX RDY 3900 1"});
    QVERIFY(answer("P").startsWith("BT_RX FW-VERSION 1.05|"));
}

void TestTb9Sim::malformedTriggersRefused()
{
    TestRoot root;
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    for (const char* line : {"delay", "delay -1", "delay 60001", "delay 1s", "silent", "silent s", "silent S P",
                             "err 1", "gas -5", "gas 10001", "gas 400 x", "gas 4 1 2", "heating", "heating 1.5"}) {
        QString error;
        QVERIFY2(!sim.trigger(line, &error) && !error.isEmpty(), line);
        QVERIFY(!BluetoothSim::queueTrigger(root.root(), line));
    }
    QCOMPARE(sim.tb9().answerDelay(), 0);
    QVERIFY(!root.exists("/var/lib/sim/bt/triggers"));
}

void TestTb9Sim::pressureStream()
{
    SimClock clock;
    TestRoot root;
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()) && sim.trigger("pressure scale 10") && sim.trigger("pressure mean 4"));
    QVERIFY(!sim.trigger("pressure mean x") && !sim.trigger("pressure scale 0") && !sim.trigger("pressure garbage 1"));
    Tb9Accessory& tb9 = sim.tb9();
    QCOMPARE(tb9.receive("BT_TX RS"), QStringList{"BT_RX PRESSURE_ON 10 409 3685"});
    PressureData d;
    d.setCalibration(10, 409, 3685);
    const QRegularExpression wellFormed("^BT_RX PRESSURE_DATA 10 ([0-9A-F]{3} ){10}$");
    int blocks = 0;
    auto seconds = [&](int n) {  // a block every 100 ms, into the store
        for (int i = 0; i < 10 * n; ++i) {
            clock.ms += 100;
            const QStringList block = tb9.due();
            blocks += block.size() == 1 && block[0].contains(wellFormed);
            d.add(10, block.value(0).mid(23));
        }
        return d.statistics(d.count() - 100, 100);
    };
    PressureData::Statistics s = seconds(1);
    QVERIFY(s.min > 3.7 && s.max < 4.3 && s.max > s.min);
    QVERIFY(sim.trigger("pressure drop 3"));
    s = seconds(4);
    QVERIFY(s.min > 0.7 && s.max < 1.3);
    QCOMPARE(blocks, 50);
    QVERIFY(sim.trigger("pressure garbage"));
    clock.ms += 100;
    QCOMPARE(tb9.due(), QStringList{"BT_RX PRESSURE_DATA 10 ZZZ ZZZ ZZZ ZZZ ZZZ "});
    QCOMPARE(tb9.receive("BT_TX RP"), QStringList{"BT_RX PRESSURE_OFF"});
    clock.ms += 1000;
    QVERIFY(tb9.due().isEmpty());
}

void TestTb9Sim::pressureThroughBothDrivers()
{
    SimClock clock;
    QStringList wt32, idc777;
    {
        Wt32SimRig rig;
        QVERIFY(rig.connectSink());
        rig.bt.freeze();
        wt32 = pressureSignals(rig, clock);
    }
    {
        clock.ms = 0;
        Idc777SimRig rig;
        rig.start();
        QVERIFY(rig.connected());
        rig.bt.holdStateMachine();
        idc777 = pressureSignals(rig, clock);
    }
    QCOMPARE(wt32.size(), 10);
    QCOMPARE(wt32.mid(0, 2), (QStringList{"answer", "pressure 1 25 409 3685"}));
    QVERIFY(wt32.at(3).startsWith("data 10 ["));
    QCOMPARE(wt32.mid(8), (QStringList{"answer", "pressure 0 0 0 4095"}));
    QCOMPARE(idc777, wt32);
}

void TestTb9Sim::slowAccessory_data()
{
    QTest::addColumn<bool>("wt32");
    QTest::newRow("WT32") << true;
    QTest::newRow("IDC777") << false;
}

void TestTb9Sim::slowAccessory()
{
    QFETCH(bool, wt32);
    SimClock clock;
    QStringList sent, heard;
    if (wt32) {
        Wt32SimRig rig;
        QVERIFY(rig.connectSink());
        rig.bt.freeze();
        rig.bt.holdTimeouts();
        sent = pollSlowAccessory(rig, clock);
        heard = rig.sim.tb9().received();
    } else {
        Idc777SimRig rig;
        rig.start();
        QVERIFY(rig.connected());
        rig.bt.holdStateMachine();
        rig.bt.holdTimeouts();
        sent = pollSlowAccessory(rig, clock);
        heard = rig.sim.tb9().received();
    }
    heard = heard.filter(QRegularExpression("^BT_TX I "));
    QVERIFY(sent.size() >= 20);
    QCOMPARE(heard.mid(heard.size() - sent.size()), sent);
}

QTEST_MAIN(TestTb9Sim)
#include "tst_tb9sim.moc"
