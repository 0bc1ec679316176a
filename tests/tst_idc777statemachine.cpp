// IDC777 driver end to end: the state machine against the simulated
// device's modules, accessory and headset on ptys. The machine's ticks are
// driven by calling its slot, so long waits cost nothing.
#include "bluetoothsim.h"
#include "idc777testing.h"
#include "logcapture.h"
#include "testroot.h"
#include "tickdriver.h"

#include <QElapsedTimer>
#include <QtTest>

#include <functional>

namespace {

const QString kMic = BluetoothSim::kTb9Address;
const QString kHp = BluetoothSim::kHeadsetAddress;
using Rig = Idc777SimRig;

}

class TestIdc777StateMachine : public QObject
{
    Q_OBJECT
private slots:
    void sinkStartSequence();
    void sourceStartSequence();
    void faultsRecovered_data();
    void faultsRecovered();
    void disconnectAndReconnect();
    void resetOnlyStateVariables();
    void sppLinkLossAndReconnect();
    void restartByItself_data();
    void restartByItself();
    void unpairedDeviceWaitsAndSearch();
    void bothModulesOnTheirOwnTimers();
};

void TestIdc777StateMachine::sinkStartSequence()
{
    Rig rig;
    rig.host.debug = true;
    QList<bool> mute;
    QObject::connect(&rig.bt, &Bluetooth::stateActiveMuteChanged, [&](bool m) { mute << m; });
    rig.start();
    QVERIFY(rig.connected());
    QCOMPARE(rig.module().restarts(), 1);

    const QStringList c = rig.module().commands();
    // Factory settings: the whole sink set, once, then read again.
    QCOMPARE(c.count("WRITE"), 1);
    QCOMPARE(c.count("SET NAME=VQA4100_MIC"), 1);
    QVERIFY(!c.contains("RESET"));
    QCOMPARE(c.count("GET LOCAL_ADDR"), 2);
    // Links: the text channel before the audio, then start parameters,
    // stream and gains.
    const int list = c.lastIndexOf("LIST");
    const int spp = rig.index("OPEN " + kMic + " SPP");
    const int a2dp = rig.index("OPEN " + kMic + " A2DP");
    const int init = rig.index("SEND 15 BT_TX I 0f MUTE SWITCH\n");
    const int music = rig.index("MUSIC 10 PLAY");
    const int dac = rig.index("VOLUME 1 13");
    const int vol = rig.index("VOLUME 10 127");
    QVERIFY(c.lastIndexOf("WRITE") < list);
    QVERIFY2(list < spp && spp < a2dp && a2dp < init && init < music && music < dac && dac < vol,
             qPrintable(c.join(" | ")));
    QCOMPARE(c.count("SET AUTOCONN=1 7"), 1);  // the configuration entry only
    QCOMPARE(rig.host.ownEvents.count("updateMicrophoneParameter"), 1);
    QVERIFY(rig.host.ownEvents.contains("sleep 1000"));
    QVERIFY(rig.bt.isConnectedRFCOMM());
    QCOMPARE(rig.sim.tb9().received(), QStringList{"BT_TX I 0f MUTE SWITCH"});

    // The accessory's mute key reaches the unit.
    QVERIFY(rig.sim.trigger("mute"));
    QTRY_COMPARE(mute, QList<bool>{false});
    const QString log = QString::fromLatin1(rig.root.read("/media/vq4100/btInfo.txt"));
    QVERIFY(log.contains("H->M BT_TX I 0f MUTE SWITCH"));
    QVERIFY(log.contains("M->H RECV 15 25 BT_RX MUTE_STATE ACTIVE"));

    // Started again, the module holds its set: no write.
    rig.module().clearRecords();
    rig.bt.resetBluetooth("", false);
    QVERIFY(rig.connected());
    QCOMPARE(rig.module().restarts(), 2);
    QVERIFY(!rig.module().commands().contains("WRITE"));
    const QString simLog = QString::fromLatin1(rig.root.read("/var/log/bt-sim.log"));
    QCOMPARE(simLog.count("sink -> IOT747"), 2);
    QCOMPARE(simLog.count("sink <- WRITE"), 1);

    // One key changed behind the driver's back: written once on the next start.
    rig.module().setValue("COD", "240400");
    rig.module().clearRecords();
    rig.bt.resetBluetooth("", false);
    QVERIFY(rig.connected());
    QCOMPARE(rig.module().count("WRITE"), 1);
    QCOMPARE(rig.module().storedValue("COD"), QString("240418"));
}

void TestIdc777StateMachine::sourceStartSequence()
{
    Rig rig(false);
    QList<int> battery;
    QList<int> volume;
    QObject::connect(&rig.bt, &Bluetooth::btHeadphoneBatteryStateReceived, [&](int b) { battery << b; });
    QObject::connect(&rig.bt, &Bluetooth::btHeadphoneVolumeChanged, [&](int v) { volume << v; });
    rig.start();
    QVERIFY(rig.connected());
    const QStringList c = rig.module().commands();
    QCOMPARE(c.count("SET NAME=VQA4100_HP"), 1);
    const int a2dp = rig.index("OPEN " + kHp + " A2DP");
    QCOMPARE(rig.index("OPEN " + kHp + " AVRCP"), a2dp + 1);  // the same tick
    const int aghfp = rig.index("OPEN " + kHp + " AGHFP");
    const int music = rig.index("MUSIC 10 PLAY");
    QVERIFY(a2dp < aghfp && aghfp < music);
    QVERIFY(music < rig.index("VOLUME 0 5"));
    QVERIFY(music < rig.index("VOLUME 11 68"));
    QVERIFY(!c.contains("OPEN " + kHp + " SPP"));
    QVERIFY(rig.bt.isConnectedAVRCP());
    QCOMPARE(battery, QList<int>{80});
    // No text link on this side: the start parameters go nowhere.
    QVERIFY(rig.sim.tb9().received().isEmpty());

    QVERIFY(rig.sim.trigger("hp-volume 127"));
    QVERIFY(rig.sim.trigger("hp-battery 40"));
    QTRY_COMPARE(volume, QList<int>{94});
    QTRY_COMPARE(battery, (QList<int>{80, 40}));
    QCOMPARE(rig.bt.getBtExtHeadphoneGain(), 15);
    rig.bt.setBtExtHeadphoneVolDown();
    QTRY_COMPARE(rig.sim.headset().volume, 119);
}

void TestIdc777StateMachine::faultsRecovered_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("logged");
    const QString noAddress = "Configuration read ended without the module address";
    QTest::newRow("value never taken") << "refused" << "Configuration still different after 3 writes";
    QTest::newRow("LOCAL_ADDR unanswered") << "silent" << noAddress;
    QTest::newRow("LOCAL_ADDR ERROR") << "error" << noAddress;
    QTest::newRow("Ready lost") << "no Ready" << "No Ready from the module, hardware reset again";
}

// A module that never settles must still end connected.
void TestIdc777StateMachine::faultsRecovered()
{
    QFETCH(QString, fault);
    QFETCH(QString, logged);
    LogCapture log;
    Rig rig;
    if (fault == "refused")
        rig.module().setFailure(Idc777Module::Failure::SetNotKept);
    else if (fault == "silent")
        rig.module().setSilent("GET LOCAL_ADDR");
    else if (fault == "error")
        rig.module().setAnswer("GET LOCAL_ADDR", {"ERROR 0x0003"});
    else
        rig.module().setFailure(Idc777Module::Failure::ReadyLost);
    rig.start();
    QVERIFY(rig.connected());
    QVERIFY(log.contains(logged));
    QCOMPARE(rig.module().count("WRITE"), fault == "refused" ? 3 : 1);
    QCOMPARE(rig.module().restarts(), fault == "no Ready" ? 2 : 1);
}

void TestIdc777StateMachine::disconnectAndReconnect()
{
    Rig rig;
    rig.start();
    QVERIFY(rig.connected());
    rig.module().clearRecords();
    rig.bt.disconnectBtDevice();
    // A connect request while links close is forgotten.
    rig.bt.callBtDeviceA2DP(true);
    QVERIFY(rig.run([&] { return rig.bt.isStateDisconnected(); }));
    QCOMPARE(rig.module().commands().mid(0, 2), (QStringList{"SET AUTOCONN=0 0", "CLOSE ALL"}));
    QVERIFY(rig.module().openLinks().isEmpty());
    for (int i = 0; i < 20; ++i)
        rig.bt.tickNow();
    QVERIFY(rig.bt.isStateDisconnected());

    rig.bt.callBtDeviceA2DP(true);
    QVERIFY(rig.connected());
    const QStringList c = rig.module().commands();
    QVERIFY(c.indexOf("SET AUTOCONN=1 7") < c.indexOf("OPEN " + kMic + " SPP"));
    QCOMPARE(c.count("SET AUTOCONN=1 7"), 1);
}

void TestIdc777StateMachine::resetOnlyStateVariables()
{
    Rig rig;
    rig.start();
    QVERIFY(rig.connected());
    rig.module().clearRecords();
    rig.bt.resetBluetooth("", true);
    QCOMPARE(rig.bt.btState(), BluetoothIDC777::INIT);
    QVERIFY(rig.connected());
    QCOMPARE(rig.module().restarts(), 1);  // the reset line stayed high
    QCOMPARE(rig.module().commands().mid(0, 2), (QStringList{"CLOSE ALL", "LIST"}));
    QVERIFY(rig.module().commands().contains("OPEN " + kMic + " SPP"));
}

void TestIdc777StateMachine::sppLinkLossAndReconnect()
{
    Rig rig;
    rig.start();
    QVERIFY(rig.connected());
    // The accessory stops answering; lines wait behind the one in flight.
    rig.module().setSilent("SEND");
    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX T");
    rig.bt.sendData("BT_TX S");
    QCOMPARE(rig.bt.messages().count(), 2);
    QTRY_COMPARE(rig.module().count("SEND 15 BT_TX B\n"), 1);
    rig.module().clearAnswers();
    rig.module().clearRecords();

    QVERIFY(rig.sim.trigger("link-loss sink"));
    QTRY_VERIFY(!rig.bt.isConnectedRFCOMM());
    QCOMPARE(rig.bt.messages().count(), 0);
    QVERIFY(!rig.bt.messages().isInFlight());
    // With the text link down the start gain is still taken.
    rig.bt.sendData("BT_TX I 1e MUTE SWITCH");
    QCOMPARE(rig.bt.getBtExtMicGain(), 30);

    QVERIFY(rig.run([&] { return rig.bt.isConnectedRFCOMM() && rig.bt.btState() == BluetoothIDC777::CONNECTED_CMD; }));
    const QStringList c = rig.module().commands();
    QVERIFY(c.indexOf("STATUS") < c.indexOf("OPEN " + kMic + " SPP"));
    QVERIFY(!c.contains("SEND 15 BT_TX I 1e MUTE SWITCH\n"));
    QVERIFY2(!c.contains("OPEN " + kMic + " A2DP"), qPrintable(c.join(" | ")));
}

void TestIdc777StateMachine::restartByItself_data()
{
    QTest::addColumn<bool>("sink");
    QTest::addColumn<int>("failure");  // -1: between two lines
    for (bool sink : {true, false}) {
        const char* side = sink ? "sink" : "source";
        QTest::addRow("%s, between lines", side) << sink << -1;
        QTest::addRow("%s, in an answer", side) << sink << int(Idc777Module::Failure::RestartInAnswer);
        QTest::addRow("%s, in a data event", side) << sink << int(Idc777Module::Failure::RestartInDataEvent);
    }
}

// The module restarts by itself (a brown-out) wherever its output stands:
// the driver starts over and has its links back, on its own timers.
void TestIdc777StateMachine::restartByItself()
{
    QFETCH(bool, sink);
    QFETCH(int, failure);
    Rig rig(sink);
    rig.start();
    QVERIFY(rig.connected());
    Idc777Module& m = rig.module();
    if (failure < 0) {
        rig.peer().write(m.powerOn());
    } else if (failure == int(Idc777Module::Failure::RestartInAnswer)) {
        m.setFailure(Idc777Module::Failure::RestartInAnswer);
        rig.bt.getBluetoothAddress();
    } else {
        m.setFailure(Idc777Module::Failure::RestartInDataEvent);
        m.addLink("SPP", sink ? kMic : kHp);
        rig.peer().write(m.accessoryLines({"BT_RX SENSOR 1"}));
    }
    QTRY_COMPARE(m.restarts(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(m.openLinks().size() == (sink ? 2 : 3) && m.isStreaming(), 15000);
}

// Unpaired, the machine waits for the paired device and reads the list
// again now and then. After a failed pairing the user searches meanwhile:
// reading the list again must not end that search.
void TestIdc777StateMachine::unpairedDeviceWaitsAndSearch()
{
    LogCapture log;
    Rig rig(true, false);
    rig.start();
    QVERIFY(rig.run([&] { return rig.bt.btState() == BluetoothIDC777::CHECK_PAIRING; }));
    rig.idle(150);
    QVERIFY(rig.module().count("LIST") >= 2);
    QVERIFY(log.contains("Paired device not listed"));

    rig.module().setSilent("INQUIRY 10");
    rig.bt.startInquiry();
    const int lists = rig.module().count("LIST");
    rig.idle(150);
    QCOMPARE(rig.module().count("LIST"), lists);
    // The module reports late; the search still collects it.
    const QString other = BluetoothSim::kOtherAddress;
    rig.module().setSilent("NAME " + other);
    rig.sim.sink().write(rig.module().event({"INQUIRY " + kMic + " \"TB-9\" 280404 -50 dBm",
                                             "INQUIRY " + other + " \"unknown\" 5A020C -71 dBm", "INQU_OK"}));
    QString text;
    QTRY_VERIFY((text += rig.bt.getData()).contains("INQU_OK"));
    rig.bt.stopInquiry();
    QCOMPARE(rig.bt.btDevicesFromInquiry[0].btId, kMic);
    // Nor while a name is asked for.
    QTRY_COMPARE(rig.module().count("NAME " + other), 1);
    for (int i = 0; i < 150; ++i)
        rig.bt.tickNow();
    QVERIFY(rig.bt.commandInFlight());
    QCOMPARE(rig.bt.commandQueue().lastTransmitted(), "NAME " + other);
    QVERIFY(rig.bt.waitingCommands().isEmpty());
    rig.bt.waitForCmdResponseTimeout();

    // With the search over the list is read again now and then.
    rig.idle(150);
    QVERIFY(rig.module().count("LIST") > lists);
    QVERIFY(!rig.module().commands().join(' ').contains("OPEN"));
}

// The pair as the program runs it: both drivers and the simulated device
// on their own timers, nothing driven by hand.
void TestIdc777StateMachine::bothModulesOnTheirOwnTimers()
{
    TestRoot root;
    BluetoothSim::pairDevices(root.root());
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    RecordingBluetoothHost host;
    host.micId = kMic;
    host.hpId = kHp;
    TestIdc777 source(&host);
    TestIdc777 sink(&host);
    sink.initBluetooth("/dev/ttyO2", kMic);
    sink.callBtDeviceA2DP(true);
    source.initBluetooth("/dev/ttyO3", kHp);
    source.callBtDeviceA2DP(false);
    QTRY_VERIFY_WITH_TIMEOUT(sink.gainsSent() && source.gainsSent(), 30000);
    QVERIFY(sink.isConnectedRFCOMM() && sink.isConnectedA2DP());
    QVERIFY(source.isConnectedA2DP() && source.isConnectedAVRCP() && source.connectedAGHFP());
    const QString log = QString::fromLatin1(root.read("/var/log/bt-sim.log"));
    for (const char* who : {"sink", "source"}) {
        QCOMPARE(log.count(QString("%1 -> IOT747").arg(who)), 1);
        QCOMPARE(log.count(QString("%1 <- WRITE").arg(who)), 1);
        // A tick that comes before a late answer asks for the stream again.
        QVERIFY(log.count(QString("%1 <- MUSIC 10 PLAY").arg(who)) >= 1);
    }
    sim.stop();
}

QTEST_GUILESS_MAIN(TestIdc777StateMachine)
#include "tst_idc777statemachine.moc"
