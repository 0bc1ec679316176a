// The simulated WT32 modules of a "V 1" device: the module alone, the
// service with its mode lines and a person's triggers, both drivers against
// it, and the main window on it.
#include "Management/systemsettings.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "signalrecorder.h"
#include "wt32testing.h"

#include <QSettings>
#include <QtTest>

namespace {

const QString kMic = BluetoothSim::kTb9Address;
const QString kHp = BluetoothSim::kHeadsetAddress;
using W = BluetoothWT32;

struct Devices {
    Tb9Accessory tb9;
    SimHeadset headset;
    Wt32Module module;

    Devices()
    {
        module.addRemote({kMic, "TB-9", "280404", -48, true, {"A2DP", "SPP"}, &tb9, nullptr});
        module.addRemote({kHp, "BT Headset", "240404", -55, true, {"A2DP", "AVRCP", "AGHFP"}, nullptr, &headset});
        module.addRemote({"A4C3F0851234", "Phone", "5A020C", -71, false, {"A2DP"}, nullptr, nullptr});
    }
};

// Sends the start parameters when the driver asks, as the main window does.
struct SendingHost : RecordingBluetoothHost {
    Bluetooth* sink = nullptr;
    void updateMicrophoneParameter() override
    {
        RecordingBluetoothHost::updateMicrophoneParameter();
        if (sink)
            sink->sendMicInitParameter(15, 1, 1);
    }
};

QByteArray crlf(const QStringList& lines)
{
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

}

class TestWt32Sim : public QObject
{
    Q_OBJECT
private slots:
    void moduleCommandMode();
    void moduleSinkLinksAndDataMode();
    void moduleHeadsetSide();
    void moduleSearchPairingAndRestart();
    void serviceModeLinesAndTriggers();
    void stateAndLogPersist();
    void bothDriversAgainstTheModules();
    void mainWindowOnV1();
    void startParametersReachALinkAlreadyUp();
};

void TestWt32Sim::moduleCommandMode()
{
    Devices d;
    Wt32Module& m = d.module;
    QCOMPARE(m.receive("AT\n"), QByteArray("OK\r\n"));
    QCOMPARE(m.receive("\n\r\n"), QByteArray());  // empty lines
    QCOMPARE(m.receive("LIST\n"), QByteArray("LIST 0\r\n"));
    QCOMPARE(m.receive("SET BT BDADDR\n"), QByteArray("SET BT BDADDR 0007804A0001\r\n"));
    QCOMPARE(m.receive("SET BT NAME VQA4100_MIC\nSET PROFILE A2DP SINK\nSET CONTROL GAIN 5 f\n\n"), QByteArray());
    QCOMPARE(m.receive("SET BT NAME\n"), QByteArray("SET BT NAME VQA4100_MIC\r\n"));
    QCOMPARE(m.receive("SET PROFILE A2DP\n"), QByteArray("SET PROFILE A2DP SINK\r\n"));
    const QByteArray all = m.receive("SET\n");
    QVERIFY(all.startsWith("SET BT BDADDR 0007804A0001\r\n"));
    QVERIFY(all.contains("SET CONTROL GAIN 5 f\r\n"));
    QVERIFY(all.endsWith("\r\nSET\r\n"));
    QCOMPARE(m.receive("HELLO\n"), QByteArray("SYNTAX ERROR\r\n"));
    // Split commands wait for their LF.
    QCOMPARE(m.receive("A"), QByteArray());
    QCOMPARE(m.receive("T\r\n"), QByteArray("OK\r\n"));
    QCOMPARE(m.commands(), (QStringList{"AT", "LIST", "SET BT BDADDR", "SET BT NAME VQA4100_MIC",
                                        "SET PROFILE A2DP SINK", "SET CONTROL GAIN 5 f", "SET BT NAME",
                                        "SET PROFILE A2DP", "SET", "HELLO", "AT"}));
    QCOMPARE(m.commandCounts(), (QMap<QString, int>{{"AT", 2}, {"LIST", 1}, {"SET", 7}, {"HELLO", 1}}));
    m.setSilent("AT");
    QCOMPARE(m.receive("AT\n"), QByteArray());
    m.setAnswer("LIST", {"garbage"});
    QCOMPARE(m.receive("LIST\n"), QByteArray("garbage\r\n"));
}

void TestWt32Sim::moduleSinkLinksAndDataMode()
{
    Devices d;
    Wt32Module& m = d.module;
    // Not paired: the automatic call finds nobody, a call fails.
    QCOMPARE(m.receive("SET CONTROL AUTOCALL 19 500 A2DP\n"), QByteArray());
    QCOMPARE(m.receive("CALL " + kMic.toLatin1() + " 1101 RFCOMM\n"),
             crlf({"CALL 0", "NO CARRIER 0 ERROR 0 CONNECTION_FAILED"}));
    m.setPairedDevices({kMic});
    QCOMPARE(m.autocall(), crlf({"CONNECT 0 A2DP 19", "CONNECT 1 A2DP 19", "A2DP STREAMING START"}));
    QVERIFY(m.autocall().isEmpty());  // it stands

    // The RFCOMM call enters data mode; what follows in the same write is data.
    QCOMPARE(m.receive("CALL " + kMic.toLatin1() + " 1101 RFCOMM\nBT_TX B\n"),
             crlf({"CALL 2", "CONNECT 2 RFCOMM 1", "BT_RX BATT_VOLTAGE 3900"}));
    QVERIFY(m.isDataMode() && m.dataModeLine());
    QCOMPARE(m.receive("LIST\n"), QByteArray());  // data, not a command
    QCOMPARE(m.dataLines(), (QStringList{"BT_TX B", "LIST"}));
    QCOMPARE(m.accessoryLines(d.tb9.pressMute()), QByteArray("BT_RX MUTE_STATE ACTIVE\r\n"));

    // DTR: back to command mode. The accessory's lines wait for data mode.
    m.dtrRise();
    QVERIFY(!m.isDataMode());
    QVERIFY(m.accessoryLines(d.tb9.pressMute()).isEmpty());
    QVERIFY(m.receive("LIST\n").startsWith("LIST 3\r\nLIST 0 CONNECTED A2DP"));
    QCOMPARE(m.receive("SELECT 1\n"), QByteArray("SYNTAX ERROR\r\n"));
    QCOMPARE(m.receive("SELECT 2\nBT_TX T\n"), QByteArray("BT_RX MUTE_STATE MUTE\r\nBT_RX SENSOR 1\r\n"));
    m.dtrRise();

    QCOMPARE(m.receive("CLOSE 7\n"), QByteArray());
    QCOMPARE(m.receive("KILL " + kMic.toLatin1() + "\nCLOSE 0\n"),
             crlf({"A2DP STREAMING STOP", "NO CARRIER 0 ERROR 0", "NO CARRIER 1 ERROR 0", "NO CARRIER 2 ERROR 0"}));
    QVERIFY(m.openLinks().isEmpty());
    // AUTOCALL cleared: no more calls.
    m.receive("SET CONTROL AUTOCALL\n");
    QVERIFY(!m.isAutocallOn());
    QVERIFY(m.autocall().isEmpty());

    // A stuck data-mode line reads 1 whatever the mode.
    m.setFailure(Wt32Module::Failure::DataModeLineHigh);
    QVERIFY(m.dataModeLine() && !m.isDataMode());
}

void TestWt32Sim::moduleHeadsetSide()
{
    Devices d;
    Wt32Module& m = d.module;
    m.setPairedDevices({kHp});
    QCOMPARE(m.receive("SET CONTROL AUTOCALL 19 500 A2DP\n"),
             crlf({"CONNECT 0 A2DP 19", "CONNECT 1 A2DP 19", "A2DP STREAMING START",
                   "RING 2 " + kHp + " 17 AVRCP"}));
    QVERIFY(m.headsetBattery().isEmpty());  // no hands-free link yet
    QCOMPARE(m.receive("CALL " + kHp.toLatin1() + " 111E HFP-AG\n"),
             crlf({"CALL 3", "CONNECT 3 HFP-AG 2", "HFP-AG 3 READY"}));
    QCOMPARE(m.receive("@3 +CHLD=0\n"), crlf({"HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,7,2,0"}));
    QCOMPARE(m.receive("@2 +CHLD=0\n"), QByteArray());
    QCOMPARE(m.receive("AVRCP PDU 31 D\n"), crlf({"AVRCP 2 PDU_REGISTER_NOTIFICATION INTERIM VOLUME_CHANGED 54"}));
    m.receive("AVRCP PDU 50 100\n");
    QCOMPARE(d.headset.volume, 127);
    m.receive("AVRCP DN\n");
    QCOMPARE(d.headset.volume, 119);
    d.headset.volume = 0;
    QCOMPARE(m.headsetVolumeChanged(), crlf({"AVRCP 2 PDU_REGISTER_NOTIFICATION CHANGED VOLUME_CHANGED 0"}));
    // A link loss of one profile; the hands-free link is number 3.
    QCOMPARE(m.linkLoss("AGHFP"), crlf({"NO CARRIER 3 ERROR 0 LINK_LOSS"}));
    QCOMPARE(m.linkLoss(""), crlf({"A2DP STREAMING STOP", "NO CARRIER 0 ERROR 0 LINK_LOSS",
                                   "NO CARRIER 1 ERROR 0 LINK_LOSS", "NO CARRIER 2 ERROR 0 LINK_LOSS"}));
    QVERIFY(m.linkLoss("").isEmpty());
}

void TestWt32Sim::moduleSearchPairingAndRestart()
{
    Devices d;
    Wt32Module& m = d.module;
    QCOMPARE(m.receive("INQUIRY 4 NAME\n"),
             crlf({"INQUIRY_PARTIAL " + kMic + " 280404", "INQUIRY_PARTIAL " + kHp + " 240404",
                   "INQUIRY_PARTIAL A4C3F0851234 5A020C", "INQUIRY 3", "INQUIRY " + kMic + " 280404",
                   "INQUIRY " + kHp + " 240404", "INQUIRY A4C3F0851234 5A020C", "NAME " + kMic + " \"TB-9\"",
                   "NAME " + kHp + " \"BT Headset\"", "NAME ERROR 0x104 A4C3F0851234 HCI_ERROR_PAGE_TIMEOUT"}));
    QCOMPARE(m.receive("PAIR " + kHp.toLatin1() + "\n"), crlf({"PAIR " + kHp + " OK"}));
    QCOMPARE(m.receive("PAIR 001122334455\n"), crlf({"PAIR 001122334455 FAIL"}));
    QCOMPARE(m.pairedDevices(), QStringList{kHp});
    m.receive("SET BT PAIR *\n");
    QVERIFY(m.pairedDevices().isEmpty());

    m.setPairedDevices({kHp});
    m.receive("SET CONTROL AUTOCALL 19 500 A2DP\n");
    // A restart drops the links; AUTOCALL, kept, calls again after READY.
    QCOMPARE(m.receive("RESET\n"), crlf({Wt32Module::kBanner, "READY.", "CONNECT 0 A2DP 19", "CONNECT 1 A2DP 19",
                                         "A2DP STREAMING START", "RING 2 " + kHp + " 17 AVRCP"}));
    m.receive("SET BT NAME X\n");
    QCOMPARE(m.receive("SET RESET\n"), crlf({Wt32Module::kBanner, "READY."}));
    QCOMPARE(m.setting("BT NAME"), QString("WT32i"));
    QVERIFY(m.pairedDevices().isEmpty());
    QVERIFY(m.openLinks().isEmpty());
}

void TestWt32Sim::serviceModeLinesAndTriggers()
{
    TestRoot root(DeviceTree::Hardware::V1);
    BluetoothSim::pairDevices(root.root());
    root.write("/sys/class/gpio/gpio59/value", "1\n");
    root.write("/sys/class/gpio/gpio58/value", "1\n");
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    QVERIFY(sim.isWt32());
    QCOMPARE(root.readTrimmed("/sys/class/gpio/gpio59/value"), QByteArray("0"));
    QVERIFY(root.exists("/dev/ttyO2") && root.exists("/dev/ttyO3"));
    Wt32Module& sink = sim.wt32Sink().module();
    sink.receive("SET CONTROL AUTOCALL 19 500 A2DP\nCALL " + kMic.toLatin1() + " 1101 RFCOMM\n");
    sim.wt32Sink().updateModeLine();
    QCOMPARE(root.readTrimmed("/sys/class/gpio/gpio59/value"), QByteArray("1"));

    // DTR: a level is no edge, a rise leaves data mode.
    sim.poll();
    QVERIFY(sink.isDataMode());
    root.write("/sys/class/gpio/gpio58/value", "0\n");
    sim.poll();
    root.write("/sys/class/gpio/gpio58/value", "1\n");
    sim.poll();
    QVERIFY(!sink.isDataMode());
    QCOMPARE(root.readTrimmed("/sys/class/gpio/gpio59/value"), QByteArray("0"));

    // A person: the mute key reaches the unit once data mode returns; a
    // stuck data-mode line; triggers only a WT32 module knows.
    QVERIFY(sim.trigger("mute-press"));
    QVERIFY(sim.trigger("stuck on"));
    QCOMPARE(root.readTrimmed("/sys/class/gpio/gpio59/value"), QByteArray("1"));
    QVERIFY(sim.trigger("stuck off"));
    QCOMPARE(root.readTrimmed("/sys/class/gpio/gpio59/value"), QByteArray("0"));
    QCOMPARE(sink.receive("SELECT 2\n"), QByteArray("BT_RX MUTE_STATE ACTIVE\r\n"));
    QVERIFY(sim.trigger("link-loss sink"));
    QVERIFY(sink.openLinks().isEmpty());
    QString error;
    QVERIFY(!BluetoothSim::isValidTrigger("stuck", &error));
    QVERIFY(BluetoothSim::queueTrigger(root.root(), "hp-battery 30", &error));
    sim.poll();
    QCOMPARE(sim.headset().batteryPercent, 30);

    const QString log = QString::fromUtf8(root.read("/var/log/bt-sim.log"));
    for (const QString& entry : QStringList{"sim -- started (WT32 modules)", "sink <- CALL " + kMic + " 1101 RFCOMM",
                                            "sink -- data mode, link 2", "sink -- command mode (DTR)",
                                            "person -- stuck on", "sink => BT_RX MUTE_STATE ACTIVE"})
        QVERIFY2(log.contains(entry), qPrintable(entry));
    sim.stop();

    // An IDC777 device has no data-mode line to hold.
    TestRoot v2;
    BluetoothSim idc777;
    QVERIFY(idc777.start(v2.root()));
    QVERIFY(!idc777.isWt32());
    QVERIFY(!idc777.trigger("stuck on", &error));
    QVERIFY(error.contains("WT32"));
    idc777.stop();
}

void TestWt32Sim::stateAndLogPersist()
{
    TestRoot root(DeviceTree::Hardware::V1);
    QVERIFY(BluetoothSim::pairDevices(root.root()));
    const QString sinkFile = QString::fromUtf8(root.read("/var/lib/sim/bt/wt32-sink.conf"));
    QVERIFY(sinkFile.contains("PAIRED=" + kMic));
    QVERIFY(QString::fromUtf8(root.read("/var/lib/sim/bt/wt32-source.conf")).contains("PAIRED=" + kHp));
    QVERIFY(QString::fromUtf8(root.read("/var/lib/sim/bt/sink.conf")).contains("PAIRED=" + kMic));
    {
        BluetoothSim sim;
        QVERIFY(sim.start(root.root()));
        sim.wt32Source().module().receive("SET BT NAME VQA4100_HP\n");
        sim.stop();
    }
    BluetoothSim again;
    QVERIFY(again.start(root.root()));
    QCOMPARE(again.wt32Source().module().setting("BT NAME"), QString("VQA4100_HP"));
    QCOMPARE(again.wt32Sink().module().setting("BT NAME"), QString("WT32i"));
    QCOMPARE(again.wt32Sink().module().pairedDevices(), QStringList{kMic});
    again.stop();
}

void TestWt32Sim::bothDriversAgainstTheModules()
{
    Wt32SimRig rig;
    RecordingBluetoothHost sourceHost;
    sourceHost.micId = kMic;
    sourceHost.hpId = kHp;
    TestWt32 source(&sourceHost);
    QStringList sinkSignals, sourceSignals;
    recordSignals(rig.bt, &sinkSignals);
    recordSignals(source, &sourceSignals);

    rig.start();
    rig.bt.callBtDeviceA2DP(true);
    source.initBluetooth("/dev/ttyO3", kHp);
    source.callBtDeviceA2DP(false);
    QVERIFY(rig.run([&] {
        source.tickNow();
        return rig.bt.btState() == W::BTSTATE_RFCOMM_ACTIVE_DATA && rig.bt.btMode() == 1
               && source.getBtExtHeadphoneBatteryState() == 80;
    }));
    QCOMPARE(source.btState(), int(W::BTSTATE_A2DP_ACTIVE));
    QVERIFY(source.isConnectedA2DP() && source.isConnectedAVRCP() && source.connectedHfp());
    QVERIFY(!source.isConnectedRFCOMM());
    QCOMPARE(rig.dataModeLine(), QByteArray("1"));
    Wt32Module& hs = rig.sim.wt32Source().module();
    QCOMPARE(hs.commands(), (QStringList{"LIST", "SET CONTROL AUTOCALL 19 500 A2DP", "CALL " + kHp + " 111E HFP-AG",
                                         "@3 +CHLD=0"}));
    QCOMPARE(sourceSignals, QStringList{"hpbattery 80"});

    // A person acts.
    QVERIFY(rig.sim.trigger("mute"));
    QVERIFY(rig.sim.trigger("hp-volume 64"));
    QTRY_VERIFY(sinkSignals.contains("mute 0"));
    QTRY_VERIFY(sourceSignals.contains("hpvolume 50"));
    QCOMPARE(sinkSignals.mid(sinkSignals.indexOf("mute 0") - 1), (QStringList{"answer", "mute 0"}));
    QCOMPARE(source.getBtExtHeadphoneGain(), 8);

    // Power-down: the sink first, out of data mode, then the source.
    rig.bt.disconnectBtDevice();
    source.disconnectBtDevice();
    QTRY_VERIFY(rig.module().openLinks().isEmpty() && hs.openLinks().isEmpty());
    QCOMPARE(hs.commands().mid(4), (QStringList{"SET CONTROL AUTOCALL", "KILL " + kHp, "CLOSE 0", "CLOSE 1",
                                                "CLOSE 2", "CLOSE 3", "SET CONTROL AUTOCALL"}));
    QCOMPARE(rig.dataModeLine(), QByteArray("0"));
}

void TestWt32Sim::mainWindowOnV1()
{
    TestRoot root(DeviceTree::Hardware::V1);
    {
        Systemsettings defaults;  // a complete file
    }
    {
        QSettings ini(root.path(Systemsettings::kSettingsFile), QSettings::IniFormat);
        ini.setValue("Bluetooth/Microphone_ID", kMic);
        ini.setValue("Bluetooth/Headphone_ID", kHp);
    }
    BluetoothSim::pairDevices(root.root());
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    LogCapture log;
    MainMenu w;
    auto* sink = qobject_cast<BluetoothWT32*>(w.getBtSinkInstance());
    QVERIFY(sink);
    QTRY_VERIFY_WITH_TIMEOUT(sink->isConnectedRFCOMM() && sink->btMode() == 1, 10000);
    QCOMPARE(root.readTrimmed("/sys/class/gpio/gpio59/value"), QByteArray("1"));
    const int before = sim.tb9().received().size();
    QVERIFY(sim.trigger("mute"));
    // On the main page the key only closes the path: the accessory hears MUTE again.
    QTRY_VERIFY(sim.tb9().received().size() > before);
    QVERIFY(!sim.tb9().received().mid(before).filter("BT_TX I 0f MUTE").isEmpty());
    QVERIFY(log.contains("M: BT_M: BT_RX MUTE_STATE ACTIVE"));
    sim.stop();
}

// The program starts again while the module still holds the accessory link
// (its "LIST" shows RFCOMM): the accessory must get its start parameters.
void TestWt32Sim::startParametersReachALinkAlreadyUp()
{
    Wt32SimRig rig;
    SendingHost host;
    host.micId = kMic;
    host.hpId = kHp;
    host.sleeper = [&](int) {
        QCoreApplication::processEvents();
        rig.sim.poll();
    };
    auto linkedInDataMode = [&](TestWt32& bt) {
        return tickUntil([&] { rig.settle(); },
                         [&] { return bt.btState() == W::BTSTATE_RFCOMM_ACTIVE_DATA && bt.btMode() == 1; },
                         [&] { bt.tickNow(); }, 600);
    };
    {
        TestWt32 first(&host);
        host.sink = &first;
        first.initBluetooth("/dev/ttyO2", kMic);
        first.callBtDeviceA2DP(true);
        QVERIFY(linkedInDataMode(first));
        host.sink = nullptr;
    }
    const int before = rig.sim.tb9().received().filter("BT_TX I").size();
    QCOMPARE(before, 1);

    TestWt32 again(&host);
    host.sink = &again;
    again.initBluetooth("/dev/ttyO2", kMic);
    again.callBtDeviceA2DP(true);
    // How fast it passes through command mode depends on the machine's load;
    // what counts is that the accessory got its start parameters once more.
    QVERIFY(tickUntil([&] { rig.settle(); },
                      [&] { return rig.sim.tb9().received().filter("BT_TX I").size() > before; },
                      [&] { again.tickNow(); }, 650));
    QVERIFY(linkedInDataMode(again));
    QCOMPARE(rig.sim.tb9().received().filter("BT_TX I").size(), before + 1);
    host.sink = nullptr;
}

QTEST_MAIN(TestWt32Sim)
#include "tst_wt32sim.moc"
