// WT32 driver: the serial link over a pseudo-terminal, the mode changes, the
// accessory-line queue, the state machine's waits and their bounds. Ticks are
// driven by calling the slot; the injected sleep lets the simulated module
// answer during the driver's blocking waits.
#include "Hardware/devicelayer.h"
#include "logcapture.h"
#include "wt32testing.h"

#include <QtTest>

namespace {

const QString kMic = BluetoothSim::kTb9Address;
const QByteArray kGiveUp = "KILL " + kMic.toLatin1() + "\nCLOSE 0\nCLOSE 1\nCLOSE 2\nCLOSE 3\n";
using W = BluetoothWT32;

QStringList dtrWrites(const DeviceLayer::WriteTrace& trace)
{
    return trace.entries().filter("gpio58/value");
}

// The ways a link ends or the machine restarts: "tick <state>", "disconnect",
// "reset", "init", else a module line.
void act(TestWt32& bt, const QString& action)
{
    if (action.startsWith("tick")) {
        bt.setState(action.section(' ', 1).toInt());
        bt.tickNow();
    } else if (action == "disconnect") {
        bt.disconnectBtDevice();
    } else if (action == "reset") {
        bt.resetBluetooth("", false);
    } else if (action == "init") {
        bt.initBluetooth("/dev/ttyO2", kMic);
    } else {
        bt.feedLine(action);
    }
}

}

class TestWt32Link : public QObject
{
    Q_OBJECT
private slots:
    void sinkPath();
    void commandAndMessageChangeMode();
    void commandWhileEnteringDataModeWaits();

    void queueOfThirtyFour();
    void messagesDropped();
    void queueEmptiedWhenRfcommDrops_data();
    void queueEmptiedWhenRfcommDrops();
    void rfcommGiveUp();

    void receiving();
    void overlongLinesRefused();

    void initWithStuckDataModeLineReturns();
    void stuckModeWaitRestarts_data();
    void stuckModeWaitRestarts();
    void deadDataModeLine();
    void disconnectFromDataMode_data();
    void disconnectFromDataMode();
    void bytesBeforeTheEdgeStayData();
    void heldCommandsWhenParked_data();
    void heldCommandsWhenParked();

    void trafficLog();
    void portThatWontOpen();
};

void TestWt32Link::sinkPath()
{
    Wt32SimRig rig;
    rig.start();
    QTRY_COMPARE(rig.module().commands(), QStringList{"LIST"});
    rig.bt.callBtDeviceA2DP(true);
    QVERIFY(rig.inState(W::BTSTATE_RFCOMM_ACTIVE_DATA));
    QCOMPARE(rig.module().commands(),
             (QStringList{"LIST", "SET CONTROL AUTOCALL 19 500 A2DP", "CALL " + kMic + " 1101 RFCOMM"}));
    QVERIFY(rig.bt.isConnectedA2DP());
    QVERIFY(rig.bt.isConnectedRFCOMM());
    QCOMPARE(rig.bt.links(), QString("0 1 2 -1 -1"));
    QCOMPARE(rig.bt.btMode(), 1);
    QCOMPARE(rig.dataModeLine(), QByteArray("1"));
    QCOMPARE(rig.host.ownEvents.count("updateMicrophoneParameter"), 1);

    // Once up, the machine rests in data mode.
    rig.bt.ticks(5);
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RFCOMM_ACTIVE_DATA));
    QCOMPARE(rig.bt.stateInterval(), 1000);
    QCOMPARE(rig.module().count("CALL " + kMic + " 1101 RFCOMM"), 1);
}

void TestWt32Link::commandAndMessageChangeMode()
{
    Wt32SimRig rig;
    QVERIFY(rig.connectSink());
    rig.module().clearRecords();

    DeviceLayer::WriteTrace trace;
    rig.bt.getBluetoothAddress();
    rig.bt.getConfiguration();
    // Held back, and the DTR line rises once.
    QCOMPARE(rig.bt.held(), QByteArray("SET BT BDADDR\nSET\n"));
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_COMMANDMODE));
    QCOMPARE(dtrWrites(trace),
             (QStringList{"/sys/class/gpio/gpio58/value=0", "/sys/class/gpio/gpio58/value=1"}));
    QVERIFY(rig.module().received().isEmpty());

    QVERIFY(rig.inState(W::BTSTATE_RFCOMM_ACTIVE_COMMAND));
    QCOMPARE(rig.dataModeLine(), QByteArray("0"));
    QVERIFY(rig.bt.held().isEmpty());
    QTRY_COMPARE(rig.module().received(), QByteArray("SET BT BDADDR\nSET\n"));
    QCOMPARE(rig.module().commands(), (QStringList{"SET BT BDADDR", "SET"}));
    QTRY_COMPARE(rig.bt.getBtIdModul(), QString(BluetoothSim::kSinkAddress));
    QVERIFY(rig.module().dataLines().isEmpty());
    // Without an accessory line it stays in command mode.
    rig.bt.ticks(3);
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RFCOMM_ACTIVE_COMMAND));

    // An accessory line selects the link first.
    rig.module().clearRecords();
    QStringList battery;
    connect(&rig.bt, &Bluetooth::btBatteryvoltageReceived, this, [&](QString v) { battery << v; });
    trace.clear();
    rig.bt.sendData("BT_TX B");
    QCOMPARE(dtrWrites(trace), QStringList{"/sys/class/gpio/gpio58/value=0"});
    QTRY_COMPARE(rig.module().received(), QByteArray("SELECT 2\nBT_TX B\n"));
    QCOMPARE(rig.module().dataLines(), QStringList{"BT_TX B"});
    QTRY_COMPARE(battery, QStringList{"3900"});
    QVERIFY(rig.inState(W::BTSTATE_RFCOMM_ACTIVE_DATA));
    QVERIFY(!rig.bt.messages().isInFlight());
}

// Right after "SELECT" the module passes bytes to the accessory: a command
// then waits for the way back to command mode.
void TestWt32Link::commandWhileEnteringDataModeWaits()
{
    Wt32PtyRig rig;
    rig.dataMode();
    rig.bt.setMode(0);
    rig.bt.setState(W::BTSTATE_RFCOMM_ACTIVE_COMMAND);
    rig.setDataModeLine(false);
    rig.bt.sendData("BT_TX B");
    QCOMPARE(rig.written(), QByteArray("SELECT 2\nBT_TX B\n"));
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_DATAMODE));

    rig.bt.getBluetoothAddress();
    QCOMPARE(rig.bt.held(), QByteArray("SET BT BDADDR\n"));
    QVERIFY(rig.written().isEmpty());
    // Lines for the accessory wait no more than they would in state 6.
    rig.bt.tickNow();
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_DATAMODE));
    rig.setDataModeLine(true);
    rig.bt.tickNow();
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RFCOMM_ACTIVE_DATA));
    rig.bt.tickNow();
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_COMMANDMODE));
    QVERIFY(rig.written().isEmpty());
    rig.setDataModeLine(false);
    rig.bt.ticks(2);
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RFCOMM_ACTIVE_COMMAND));
    QCOMPARE(rig.written(), QByteArray("SET BT BDADDR\n"));

    // A module that never enters data mode: the command goes out with the give-up.
    rig.bt.transmitTimeout();
    rig.bt.sendData("BT_TX B");
    rig.bt.getBluetoothAddress();
    QCOMPARE(rig.written(), QByteArray("SELECT 2\nBT_TX B\n"));
    for (int n = 0; n <= W::kModeWaitPolls && rig.bt.btState() == W::BTSTATE_WAIT_FOR_DATAMODE; ++n)
        rig.bt.tickNow();
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RESTART));
    QCOMPARE(rig.written(), "SET BT BDADDR\n" + kGiveUp);
}

void TestWt32Link::queueOfThirtyFour()
{
    Wt32PtyRig rig;
    rig.dataMode();
    for (int n = 0; n < 34; ++n)
        rig.bt.sendData(QString("BT_TX S %1").arg(n));
    QCOMPARE(rig.written(), QByteArray("BT_TX S 0\n"));
    // 32 wait; the last two took turns in the newest place. Duplicates stay.
    QStringList waiting;
    for (int n = 1; n < 32; ++n)
        waiting << QString("BT_TX S %1").arg(n);
    waiting << "BT_TX S 33";
    QCOMPARE(rig.bt.messages().waiting(), waiting);
    QVERIFY(rig.bt.transmitTimerActive());

    rig.bt.feedLine("BT_RX SENSVAL 1 2");
    QCOMPARE(rig.written(), QByteArray("BT_TX S 1\n"));
    rig.bt.transmitTimeout();  // no answer within 2000 ms
    QCOMPARE(rig.written(), QByteArray("BT_TX S 2\n"));
    // The answer to S 1 comes late and releases S 2's wait early.
    rig.bt.feedLine("BT_RX SENSVAL 1 2");
    QCOMPARE(rig.written(), QByteArray("BT_TX S 3\n"));
    QCOMPARE(rig.bt.messages().count(), 29);

    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX B");
    QCOMPARE(rig.bt.messages().waiting().mid(29), (QStringList{"BT_TX B", "BT_TX B"}));
    QVERIFY(rig.written().isEmpty());
}

void TestWt32Link::messagesDropped()
{
    Wt32PtyRig rig;
    rig.dataMode();
    LogCapture log;
    // A change to command mode under way.
    rig.bt.setSwitchToCommandMode(true);
    rig.bt.sendData("BT_TX I 12 MUTE SWITCH");
    QVERIFY(rig.written().isEmpty());
    QCOMPARE(rig.bt.messages().count(), 0);
    QVERIFY(!rig.bt.messages().isInFlight());
    // The gain word is read back even so.
    QCOMPARE(rig.bt.getBtExtMicGain(), 0x12);

    // The link down.
    rig.bt.setSwitchToCommandMode(false);
    rig.bt.setRfcomm(false);
    rig.bt.sendData("BT_TX B");
    QVERIFY(rig.written().isEmpty());
    QVERIFY(!rig.bt.messages().isInFlight());
    QCOMPARE(log.count("accessory line dropped"), 2);

    // In states 2 and 3 the request for data mode clears the RFCOMM flag.
    rig.bt.setRfcomm(true);
    rig.bt.setMode(0);
    rig.bt.setState(W::BTSTATE_WAIT_FOR_CONNECT_A2DP);
    rig.bt.sendData("BT_TX B");
    QVERIFY(!rig.bt.isConnectedRFCOMM());
    QVERIFY(rig.written().isEmpty());
}

void TestWt32Link::queueEmptiedWhenRfcommDrops_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("NO CARRIER") << "NO CARRIER 2 ERROR 0" << true;
    QTest::newRow("NO CARRIER 3") << "NO CARRIER 3 ERROR 0" << false;
    QTest::newRow("STREAMING STOP") << "A2DP STREAMING STOP" << true;
    QTest::newRow("state 2") << "tick 2" << true;
    QTest::newRow("state 3") << "tick 3" << true;
    QTest::newRow("state 0") << "tick 0" << true;
    QTest::newRow("disconnect") << "disconnect" << true;
    QTest::newRow("reset") << "reset" << true;
    QTest::newRow("state 6") << "tick 6" << false;
}

void TestWt32Link::queueEmptiedWhenRfcommDrops()
{
    QFETCH(QString, action);
    QFETCH(bool, emptied);
    Wt32PtyRig rig;
    rig.dataMode();
    rig.setDataModeLine(false);
    for (const char* m : {"BT_TX I 0f MUTE SWITCH", "BT_TX I 0f ACTIVE SWITCH", "BT_TX B"})
        rig.bt.sendData(m);
    QCOMPARE(rig.bt.messages().count(), 2);
    rig.written();
    act(rig.bt, action);
    QCOMPARE(rig.bt.messages().count(), emptied ? 0 : 2);
    QCOMPARE(rig.bt.messages().isInFlight(), !emptied);
    QCOMPARE(rig.bt.transmitTimerActive(), !emptied);
    if (emptied) {
        // An old "I ... MUTE" cannot follow a new connection's start parameters.
        rig.bt.feedLine("BT_RX OK");
        QVERIFY(!rig.written().contains("BT_TX I"));
    }
}

void TestWt32Link::rfcommGiveUp()
{
    Wt32PtyRig rig;
    rig.bt.setA2dp(true);
    rig.bt.setCallRfcomm(true);
    rig.bt.setState(W::BTSTATE_A2DP_ACTIVE);
    rig.bt.tickNow();
    QCOMPARE(rig.written(), QByteArray("CALL " + kMic.toLatin1() + " 1101 RFCOMM\n"));
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_CONNECT_RFCOMM));

    rig.bt.ticks(200);
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_CONNECT_RFCOMM));
    QCOMPARE(rig.bt.stateInterval(), 10);
    QVERIFY(rig.written().isEmpty());

    rig.bt.tickNow();  // the 201st failed poll
    QCOMPARE(rig.written(), kGiveUp);
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RESTART));
    QCOMPARE(rig.bt.stateInterval(), 2000);
    QVERIFY(!rig.bt.isConnectedA2DP());
    QCOMPARE(rig.bt.links(), QString("-1 -1 -1 -1 -1"));

    rig.bt.tickNow();  // restart: no AUTOCALL this time
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_CONNECT_A2DP));
    QVERIFY(rig.written().isEmpty());
    rig.bt.feedLine("A2DP STREAMING START");
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_A2DP_ACTIVE));
    rig.bt.tickNow();
    QCOMPARE(rig.written(), QByteArray("CALL " + kMic.toLatin1() + " 1101 RFCOMM\n"));
}

void TestWt32Link::receiving()
{
    {
        Wt32PtyRig rig;
        LogCapture log;
        rig.pty.write("SET BT NAME one\r\nSET BT BDADDR 00aa\r\nSET BT NA");
        QTRY_COMPARE(rig.bt.getBtIdModul(), QString("00aa"));
        QCOMPARE(rig.bt.getBtName(), QString("one"));
        QCOMPARE(rig.bt.pendingBytes(), QByteArray("SET BT NA"));
        rig.pty.write("ME two\r\n");
        QTRY_COMPARE(rig.bt.getBtName(), QString("two"));
        QVERIFY(rig.bt.pendingBytes().isEmpty());
        QCOMPARE(log.count("BT_M: SET BT"), 3);
    }
    {
        // A bare LF ends no line: the address is part of the name's line.
        Wt32PtyRig rig;
        LogCapture log;
        rig.bt.feed("SET BT NAME x\nSET BT BDADDR 00bb");
        QCOMPARE(log.count("BT_M:"), 0);
        rig.bt.feed("\r\n");
        QCOMPARE(log.count("BT_M:"), 1);
        QVERIFY(rig.bt.getBtIdModul().isEmpty());
        QVERIFY(rig.bt.getBtName().startsWith("x"));
    }
    {
        // A 2 KiB burst with nothing after it.
        Wt32PtyRig rig;
        LogCapture log;
        QByteArray burst;
        int n = 0;
        while (burst.size() < 2048)
            burst += QString("SET BT NAME device%1\r\n").arg(n++).toLatin1();
        rig.pty.write(burst);
        QTRY_COMPARE(rig.bt.getBtName(), QString("device%1").arg(n - 1));
        QCOMPARE(log.count("BT_M: SET BT NAME device"), n);
    }
    Wt32PtyRig rig;
    rig.pty.write(QByteArray("SET BT NA\0ME ab\0c\r\n", 19));  // NULs dropped alone
    QTRY_COMPARE(rig.bt.getBtName(), QString("abc"));
}

void TestWt32Link::overlongLinesRefused()
{
    Wt32PtyRig rig;
    rig.dataMode();
    LogCapture log;
    rig.bt.sendData("BT_TX " + QString(248, 'x'));  // 255 bytes with the LF
    QCOMPARE(rig.written().size(), 255);
    rig.bt.transmitTimeout();
    rig.bt.sendData("BT_TX " + QString(249, 'x'));
    rig.bt.setMode(0);
    rig.bt.setState(W::BTSTATE_PARKED);
    rig.bt.sendData("SET BT NAME " + QString(250, 'n'));
    QVERIFY(rig.written().isEmpty());
    QCOMPARE(log.count("Line too long, not sent"), 2);
    QVERIFY(!rig.bt.messages().isInFlight());
}

void TestWt32Link::initWithStuckDataModeLineReturns()
{
    LogCapture log;
    DeviceLayer::WriteTrace trace;
    Wt32PtyRig rig(true, false, true);
    // The long DTR pulse, then about 3 s of 10 ms polls, then on.
    QCOMPARE(rig.host.ownEvents.count("sleep 2000"), 1);
    QCOMPARE(rig.host.ownEvents.count("sleep 10"), W::kModeWaitPolls);
    QVERIFY(log.contains("BT-Modul ist noch im Datenmodus"));
    QVERIFY(log.contains("did not leave data mode"));
    QCOMPARE(dtrWrites(trace), (QStringList{"/sys/class/gpio/gpio58/value=0", "/sys/class/gpio/gpio58/value=0",
                                            "/sys/class/gpio/gpio58/value=1"}));
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_PARKED));
    // It went on: the link list was asked for.
    rig.bt.sendData("AT");
    QVERIFY(rig.written().endsWith("AT\n"));
}

void TestWt32Link::stuckModeWaitRestarts_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QByteArray>("written");
    const QString stop = "Stop all connections and restart.";
    // Still in data mode: nothing goes into the link, nothing is kept for a later one.
    QTest::newRow("leaving data mode") << int(W::BTSTATE_WAIT_FOR_COMMANDMODE)
                                       << QStringList{"Module did not leave data mode. " + stop,
                                                      "held-back commands dropped"}
                                       << QByteArray();
    QTest::newRow("entering data mode") << int(W::BTSTATE_WAIT_FOR_DATAMODE)
                                        << QStringList{"Module did not enter data mode. " + stop} << kGiveUp;
}

void TestWt32Link::stuckModeWaitRestarts()
{
    QFETCH(int, state);
    QFETCH(QStringList, logged);
    QFETCH(QByteArray, written);
    Wt32PtyRig rig;
    rig.dataMode();
    LogCapture log;
    if (state == W::BTSTATE_WAIT_FOR_COMMANDMODE) {
        rig.bt.getBluetoothAddress();
        QCOMPARE(rig.bt.held(), QByteArray("SET BT BDADDR\n"));
    } else {
        rig.bt.setMode(0);
        rig.setDataModeLine(false);
        rig.bt.setState(state);
    }
    QCOMPARE(rig.bt.btState(), state);
    rig.bt.ticks(W::kModeWaitPolls);
    QCOMPARE(rig.bt.btState(), state);
    rig.bt.tickNow();
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_RESTART));
    for (const QString& line : logged)
        QVERIFY2(log.contains(line), qPrintable(line));
    QVERIFY(rig.bt.held().isEmpty());
    QCOMPARE(rig.written(), written);
    QCOMPARE(rig.bt.btMode(), 0);
    QVERIFY(!rig.bt.isConnectedRFCOMM());
    rig.bt.tickNow();
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_WAIT_FOR_CONNECT_A2DP));
}

// A data-mode line that never rises: the give-up first takes the module to
// command mode, so its commands reach the module, and the call is made again.
void TestWt32Link::deadDataModeLine()
{
    Wt32SimRig rig;
    rig.module().setFailure(Wt32Module::Failure::DataModeLineLow);
    rig.start();
    rig.bt.callBtDeviceA2DP(true);
    const QString call = "CALL " + kMic + " 1101 RFCOMM";
    QVERIFY(rig.run([&] { return rig.module().count(call) == 2; }, 2000));
    QVERIFY(rig.module().commands().contains("KILL " + kMic));
    QVERIFY(rig.module().dataLines().filter("KILL").isEmpty());
}

// The new link's command comes while the machine waits for the data-mode
// line, or in the step that has just seen it rise.
void TestWt32Link::disconnectFromDataMode_data()
{
    QTest::addColumn<int>("moment");
    QTest::newRow("waiting for data mode") << int(W::BTSTATE_WAIT_FOR_DATAMODE);
    QTest::newRow("data mode just seen") << int(W::BTSTATE_RFCOMM_ACTIVE_DATA);
}

void TestWt32Link::disconnectFromDataMode()
{
    QFETCH(int, moment);
    Wt32SimRig rig;
    QVERIFY(rig.connectSink());
    rig.module().clearRecords();

    rig.bt.disconnectBtDevice();
    const QStringList seven{"SET CONTROL AUTOCALL", "KILL " + kMic, "CLOSE 0", "CLOSE 1",
                            "CLOSE 2",              "CLOSE 3",      "SET CONTROL AUTOCALL"};
    QTRY_COMPARE(rig.module().commands(), seven);
    QVERIFY(rig.module().dataLines().isEmpty());
    QVERIFY(rig.sim.tb9().received().filter("KILL").isEmpty());
    QVERIFY(rig.host.ownEvents.contains("sleep 500"));
    QVERIFY(rig.bt.held().isEmpty());
    QVERIFY(rig.module().openLinks().isEmpty());
    QVERIFY(!rig.module().isAutocallOn());
    QVERIFY(rig.bt.isStateDisconnected());

    // The disconnect left DTR high. A new connection and a command as soon
    // as its link stands: a rising edge takes it to the module, alone.
    QCOMPARE(rig.root.readTrimmed("/sys/class/gpio/gpio58/value"), QByteArray("1"));
    rig.module().clearRecords();
    rig.bt.callBtDeviceA2DP(true);
    QVERIFY(rig.run([&] { return rig.bt.btState() == moment; }));
    rig.bt.getBluetoothAddress();
    QVERIFY(rig.run([&] { return rig.module().commands().contains("SET BT BDADDR"); }));
    QCOMPARE(rig.module().commands(), (QStringList{"SET CONTROL AUTOCALL 19 500 A2DP",
                                                   "CALL " + kMic + " 1101 RFCOMM", "SET BT BDADDR"}));
    QVERIFY(rig.module().dataLines().isEmpty());
}

void TestWt32Link::bytesBeforeTheEdgeStayData()
{
    Wt32SimRig rig;
    QVERIFY(rig.connectSink());
    rig.module().clearRecords();
    // A sleep that blocks as on the unit: no events, only the module's lines.
    rig.host.sleeper = [&rig](int) { rig.sim.poll(); };
    rig.bt.sendData("BT_TX B");
    rig.bt.disconnectBtDevice();
    QTRY_COMPARE(rig.module().commands().size(), 7);
    QCOMPARE(rig.module().dataLines(), QStringList{"BT_TX B"});
    QCOMPARE(rig.module().commands().first(), QString("SET CONTROL AUTOCALL"));
}

void TestWt32Link::heldCommandsWhenParked_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("dataModeLine");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("reset, command mode") << "reset" << false << QByteArray("SET BT BDADDR\n");
    QTest::newRow("reset, data mode") << "reset" << true << QByteArray();
    QTest::newRow("state 0") << "tick 0" << false << QByteArray("SET BT BDADDR\nSET CONTROL AUTOCALL 19 500 A2DP\n");
    QTest::newRow("state 1, data mode") << "tick 1" << true << QByteArray();
    QTest::newRow("init") << "init" << false << QByteArray("SET BT BDADDR\nLIST\n");
    QTest::newRow("disconnect, stuck") << "disconnect" << true << QByteArray();
}

void TestWt32Link::heldCommandsWhenParked()
{
    QFETCH(QString, action);
    QFETCH(bool, dataModeLine);
    QFETCH(QByteArray, expected);
    Wt32PtyRig rig;
    rig.dataMode();
    rig.bt.getBluetoothAddress();
    QCOMPARE(rig.bt.held(), QByteArray("SET BT BDADDR\n"));
    rig.setDataModeLine(dataModeLine);
    act(rig.bt, action);
    QVERIFY(rig.bt.held().isEmpty());
    QCOMPARE(rig.written(), expected);
}

void TestWt32Link::trafficLog()
{
    Wt32PtyRig rig(true, true);
    rig.root.write("/media/vq4100/btInfo.txt", "old\n");
    rig.bt.initBluetooth("/dev/ttyO2", kMic);
    QVERIFY(!rig.root.exists("/media/vq4100/btInfo.txt"));
    rig.dataMode();
    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX T");  // queued: once now, once when sent
    rig.bt.feedLine("BT_RX BATT_VOLTAGE 3900");
    static const QRegularExpression stamp("^\\d\\d:\\d\\d:\\d\\d ");
    QStringList lines;
    for (const QString& l : rig.logLines()) {
        QVERIFY2(stamp.match(l).hasMatch(), qPrintable(l));
        lines << l.mid(9);
    }
    QCOMPARE(lines, (QStringList{"H->M BT_TX B", "H->M BT_TX T", "M->H BT_RX BATT_VOLTAGE 3900", "H->M BT_TX T"}));

    // The headset side writes what it receives to no log.
    Wt32PtyRig source(false, true);
    source.bt.feedLine("A2DP STREAMING START");
    QVERIFY(!source.root.exists("/media/vq4100/btInfo.txt"));
}

void TestWt32Link::portThatWontOpen()
{
    TestRoot root(DeviceTree::Hardware::V1);
    RecordingBluetoothHost host;
    TestWt32 bt(&host);
    LogCapture log;
    bt.initBluetooth("/dev/ttyO2", "");
    QVERIFY(log.contains("Uart /dev/ttyO2 false"));
    bt.callBtDeviceA2DP(true);
    QCOMPARE(bt.btState(), int(W::BTSTATE_WAIT_FOR_CONNECT_A2DP));
    bt.disconnectBtDevice();
    QCOMPARE(bt.btState(), int(W::BTSTATE_PARKED));
    // Without its value file the data-mode line reads as command mode.
    root.remove("/sys/class/gpio/gpio59/value");
    bt.initBluetooth("/dev/ttyO2", "");
    QVERIFY(log.contains("GPIO line missing: /sys/class/gpio/gpio59/value"));
    QVERIFY(!host.ownEvents.contains("sleep 2000"));
}

QTEST_MAIN(TestWt32Link)
#include "tst_wt32link.moc"
