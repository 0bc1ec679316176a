// WT32 driver: the analysis of what the module prints, rule by rule, the
// roles, the headset's sequence, and the accessory's lines through both
// drivers.
#include "logcapture.h"
#include "signalrecorder.h"
#include "wt32testing.h"

#include <QEventLoop>
#include <QtTest>

namespace {

const QString kMic = BluetoothSim::kTb9Address;
const QString kHp = BluetoothSim::kHeadsetAddress;
using W = BluetoothWT32;

// The state a line may change, as "key=value" words.
QStringList facts(TestWt32& bt, const RecordingBluetoothHost& host)
{
    return {QString("A2DP=%1").arg(bt.isConnectedA2DP()),
            QString("RFCOMM=%1").arg(bt.isConnectedRFCOMM()),
            QString("AVRCP=%1").arg(bt.isConnectedAVRCP()),
            QString("HFP=%1").arg(bt.connectedHfp()),
            "links=" + bt.links(),
            QString("state=%1").arg(bt.btState()),
            QString("mode=%1").arg(bt.btMode()),
            QString("battery=%1").arg(bt.getBtExtHeadphoneBatteryState()),
            QString("step=%1").arg(bt.getBtExtHeadphoneGain()),
            "module=" + bt.getBtIdModul(),
            "name=" + bt.getBtName(),
            QString("profile=%1").arg(bt.getBtProfile()),
            "firmware=" + bt.getFwVersionBtModul(),
            QString("parameters=%1").arg(host.ownEvents.count("updateMicrophoneParameter"))};
}

}

class TestWt32Analysis : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void emptyAddressesMatchNoRole();
    void atOkOnlyForTheTest();
    void headsetSequence();
    void nestedEventLoopSeesEachLineOnce();
    void accessoryLinesThroughBothDrivers();
};

void TestWt32Analysis::rules_data()
{
    QTest::addColumn<bool>("sink");  // else the headset side
    QTest::addColumn<int>("state");  // before the lines
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("signalsExpected");
    QTest::addColumn<QStringList>("factsExpected");
    QTest::addColumn<QByteArray>("written");
    const int parked = W::BTSTATE_PARKED, data = W::BTSTATE_RFCOMM_ACTIVE_DATA;
    auto row = [](const char* name, bool sink, int state, const QStringList& lines, const QStringList& sig,
                  const QStringList& facts, const QByteArray& written = {}) {
        QTest::newRow(name) << sink << state << lines << sig << facts << written;
    };
    const bool S = true, H = false;
    // The headset's sequence and "OK" have their own tests below.
    row("1 CONNECT A2DP", S, parked, {"CONNECT 0 A2DP 19", "CONNECT 1 A2DP 19", "CONNECT 5 A2DP 19"}, {},
        {"links=0 1 -1 -1 -1", "A2DP=0"});
    row("1 link not a number", S, parked, {"CONNECT x A2DP"}, {}, {"links=0 -1 -1 -1 -1"});
    row("2 CONNECT RFCOMM", S, W::BTSTATE_WAIT_FOR_CONNECT_RFCOMM, {"CONNECT 2 RFCOMM 1"}, {},
        {"RFCOMM=1", "links=-1 -1 2 -1 -1", "state=5", "parameters=1"});
    row("3 STREAMING START", S, W::BTSTATE_WAIT_FOR_CONNECT_A2DP, {"A2DP STREAMING START"}, {},
        {"A2DP=1", "state=3"});
    row("4 RING on the sink", S, parked, {"RING 2 " + kMic + " 17 AVRCP"}, {}, {"AVRCP=0"});
    row("4 RING A2DP", H, parked, {"RING 0 " + kHp + " 19 A2DP"}, {}, {"AVRCP=0"});
    row("5 link 0", H, parked, {"HFP-AG 0 READY"}, {}, {"HFP=1", "links=-1 -1 -1 -1 0"});
    row("6 battery second", H, parked, {"HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,2,0,1,3"}, {"hpbattery 40"},
        {"battery=40"});
    // A dock report carries no level: not 10 %.
    row("6 dock only", H, parked, {"HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=1,2,0"}, {}, {"battery=-1"});
    row("6 garbage", H, parked, {"HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=x"}, {}, {"battery=-1"});
    row("7 STREAMING STOP", S, data, {"LIST 2 CONNECTED AVRCP", "A2DP STREAMING STOP"}, {},
        {"A2DP=0", "RFCOMM=0", "AVRCP=0", "state=2", "mode=0"});
    row("8 NO CARRIER", S, data, {"NO CARRIER 2 ERROR 0"}, {}, {"RFCOMM=0", "state=2"});
    row("8 NO CARRIER 3", S, data, {"NO CARRIER 3 ERROR 0"}, {}, {"RFCOMM=1", "state=6", "mode=1"});
    row("10 LIST A2DP", S, parked, {"LIST 0 CONNECTED A2DP 667 0 0 0 8d 8d x"}, {},
        {"A2DP=1", "links=0 1 -1 -1 -1", "state=4"});
    row("10 LIST A2DP, no RFCOMM wanted", H, parked, {"LIST 0 CONNECTED A2DP 667 0 0 0 8d 8d x"}, {},
        {"A2DP=1", "state=3"});
    row("11 LIST RFCOMM", S, parked, {"LIST 2 CONNECTED RFCOMM 667 0 0 0 8d 8d x"}, {"rfcomm"},
        {"RFCOMM=1", "links=-1 -1 2 -1 -1", "state=7", "parameters=1"});
    row("12 LIST AVRCP", H, parked, {"LIST 2 CONNECTED AVRCP"}, {}, {"AVRCP=1", "links=-1 -1 -1 2 -1"});
    row("13 LIST HFP-AG", H, parked, {"LIST 3 CONNECTED HFP-AG"}, {}, {"HFP=1", "links=-1 -1 -1 -1 3"});
    row("LIST count", S, parked, {"LIST 1"}, {}, {"A2DP=0", "state=-1"});
    row("14 BT_RX", S, parked, {"BT_RX MUTE_STATE ACTIVE"}, {"answer", "mute 0"}, {});
    row("15 !$!", S, parked, {"!$!", "BT_RX !$!"}, {"end", "answer", "end"}, {});
    row("16 volume", H, parked, {"AVRCP 2 PDU_REGISTER_NOTIFICATION CHANGED VOLUME_CHANGED 54"}, {"hpvolume 54"},
        {"step=9"});
    row("16 volume over 100", H, parked, {"AVRCP 2 PDU_REGISTER_NOTIFICATION CHANGED VOLUME_CHANGED 150"},
        {"hpvolume 150"}, {"step=8"});
    row("17 BDADDR", S, parked, {"SET BT BDADDR 00:07:80:4a:00:01 "}, {}, {"module=00:07:80:4a:00:01"});
    row("18 NAME", S, parked, {"SET BT NAME VQA4100_MIC"}, {}, {"name=VQA4100_MIC"});
    row("19 sink", S, parked, {"SET PROFILE A2DP sink"}, {}, {"profile=1"});
    row("19 source", S, parked, {"SET PROFILE A2DP SOURCE"}, {}, {"profile=2"});
    row("19 other", S, parked, {"SET PROFILE A2DP SINK", "SET PROFILE A2DP"}, {}, {"profile=0"});
    row("20 banner", S, parked, {"WRAP THOR AI (5.0.2 build 1131)"}, {}, {"firmware=5.0.2 build 1131"});
    row("20 banner without version", S, parked, {"WRAP THOR AI"}, {}, {"firmware=unknown"});
    row("21 READY.", S, parked, {"WRAP THOR AI (5.0)", "READY.", "READY."}, {"reset"}, {});
    row("21 READY. alone", S, parked, {"READY."}, {}, {});
    row("22 PAIR OK", S, parked, {"PAIR " + kMic + " OK"}, {"paired"}, {});
    row("22 PAIR FAIL", S, parked, {"PAIR " + kMic + " FAIL"}, {}, {});
    row("unknown", S, parked, {"HELLO 1 2", "connect 0 A2DP"}, {}, {"links=-1 -1 -1 -1 -1"});
}

void TestWt32Analysis::rules()
{
    QFETCH(bool, sink);
    QFETCH(int, state);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, signalsExpected);
    QFETCH(QStringList, factsExpected);
    QFETCH(QByteArray, written);
    Wt32PtyRig rig(sink);
    rig.bt.setCallRfcomm(sink);
    if (state == W::BTSTATE_RFCOMM_ACTIVE_DATA)
        rig.dataMode();
    else if (state == W::BTSTATE_WAIT_FOR_CONNECT_RFCOMM)
        rig.bt.setA2dp(true);
    rig.bt.setState(state);
    QStringList got;
    recordSignals(rig.bt, &got);
    for (const QString& line : lines)
        rig.bt.feedLine(line);
    QCOMPARE(got, signalsExpected);
    const QStringList f = facts(rig.bt, rig.host);
    for (const QString& fact : factsExpected)
        QVERIFY2(f.contains(fact), qPrintable(fact + " not in " + f.join(", ")));
    QCOMPARE(rig.written(), written);
}

void TestWt32Analysis::emptyAddressesMatchNoRole()
{
    // A fresh unit: nothing paired, nothing stored.
    TestRoot root(DeviceTree::Hardware::V1);
    RecordingBluetoothHost host;
    host.debug = true;
    TestWt32 bt(&host);
    bt.initBluetooth("/dev/ttyO2", "");
    LogCapture log;
    bt.feedLine("RING 2 " + kHp + " 17 AVRCP");
    bt.feedLine("BT_RX SENSOR 2");
    QVERIFY(log.contains("BT: RING"));
    QVERIFY(!log.contains("BT_M:") && !log.contains("BT_H:"));
    QVERIFY(!bt.isConnectedAVRCP());
    QVERIFY(!root.exists("/media/vq4100/btInfo.txt"));
    QVERIFY(log.contains("FROM TB-9: BT_RX SENSOR 2"));

    // Only an address equal to a stored one gives a role.
    bt.setAddresses(kHp, kMic, kHp);
    bt.feedLine("RING 2 " + kHp + " 17 AVRCP");
    QVERIFY(log.contains("BT_H: RING"));
    QVERIFY(bt.isConnectedAVRCP());
}

void TestWt32Analysis::atOkOnlyForTheTest()
{
    Wt32PtyRig rig;
    int atOk = 0;
    connect(&rig.bt, &Bluetooth::btAtOk, this, [&] { ++atOk; });
    rig.bt.feedLine("OK");
    QCOMPARE(atOk, 0);
    rig.bt.checkCmdAtOk();
    QCOMPARE(rig.written(), QByteArray("AT\n"));
    rig.bt.feedLine("OK");
    rig.bt.feedLine("OK");
    QCOMPARE(atOk, 1);
}

void TestWt32Analysis::headsetSequence()
{
    Wt32PtyRig rig(false);
    QStringList got;
    recordSignals(rig.bt, &got);
    rig.bt.callBtDeviceA2DP(false);
    QCOMPARE(rig.written(), QByteArray("SET CONTROL AUTOCALL 19 500 A2DP\n"));
    for (const char* l : {"CONNECT 0 A2DP 19", "CONNECT 1 A2DP 19", "A2DP STREAMING START"})
        rig.bt.feedLine(l);
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_A2DP_ACTIVE));
    // The headset's AVRCP before any hands-free link: the unit calls it.
    rig.bt.feedLine("RING 2 " + kHp + " 17 AVRCP");
    QVERIFY(rig.bt.isConnectedAVRCP());
    QCOMPARE(rig.written(), QByteArray("CALL " + kHp.toLatin1() + " 111E HFP-AG\n"));
    rig.bt.feedLine("CALL 3");
    rig.bt.feedLine("CONNECT 3 HFP-AG 2");
    rig.bt.feedLine("HFP-AG 3 READY");
    QVERIFY(rig.bt.connectedHfp());
    QCOMPARE(rig.bt.links(), QString("0 1 -1 2 3"));
    QCOMPARE(rig.written(), QByteArray("@3 +CHLD=0\n"));
    rig.bt.feedLine("HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,5,2,0");
    QCOMPARE(rig.bt.getBtExtHeadphoneBatteryState(), 60);
    // AVRCP again with the hands-free link up: only a new battery request.
    rig.bt.feedLine("RING 4 " + kHp + " 17 AVRCP");
    QCOMPARE(rig.written(), QByteArray("@3 +CHLD=0\n"));
    QCOMPARE(rig.bt.getBtExtHeadphoneBatteryState(), -1);
    QCOMPARE(got, QStringList{"hpbattery 60"});
    QCOMPARE(rig.bt.btState(), int(W::BTSTATE_A2DP_ACTIVE));
    QVERIFY(!rig.bt.isConnectedRFCOMM());
}

void TestWt32Analysis::nestedEventLoopSeesEachLineOnce()
{
    Wt32PtyRig rig(true, true);
    bool nestedDone = false;
    int atOk = 0;
    connect(&rig.bt, &Bluetooth::btAtOk, this, [&] {
        ++atOk;
        // A receiver with its own modal loop, while the module prints more.
        rig.pty.write("SET BT NAME one\r\nSET BT BDADDR two\r\n");
        QEventLoop loop;
        QTimer::singleShot(50, &rig.bt, &BluetoothWT32::readTtyData);
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
        nestedDone = true;
    });
    rig.bt.checkCmdAtOk();
    rig.pty.write("OK\r\nSET BT NAME three\r\n");
    QTRY_VERIFY(nestedDone);
    QTRY_COMPARE(rig.logLines().size(), 4);
    QStringList received;
    for (const QString& l : rig.logLines())
        received << l.section("M->H ", 1);
    QCOMPARE(received, (QStringList{"OK", "SET BT NAME three", "SET BT NAME one", "SET BT BDADDR two"}));
    QCOMPARE(atOk, 1);
    QCOMPARE(rig.bt.getBtName(), QString("one"));
    QCOMPARE(rig.bt.getBtIdModul(), QString("two"));
}

void TestWt32Analysis::accessoryLinesThroughBothDrivers()
{
    const QStringList lines{"BT_RX MUTE_STATE ACTIVE", "BT_RX MUTE_STATE MUTE", "BT_RX MUTE_STATE active",
                            "BT_RX MUTE_STATE",        "BT_RX ALERT 1",         "BT_RX SENSOR 2",
                            "BT_RX BATT_VOLTAGE 3800", "BT_RX SENSVAL 12  34",  "BT_RX OK",
                            "BT_RX RCVOK RS",          "BT_RX X DEBUG",         "BT_RX RDY 3900 2",
                            "BT_RX FH OK",             "BT_RX FD 007 OK",       "BT_RX FD 007 ERR",
                            "BT_RX FS ERR",            "BT_RX FW-VERSION 1.04", "BT_RX HW-VERSION 2",
                            "BT_RX MIC-GAIN 0f",       "BT_RX BUTTON SWITCH",   "BT_RX QQQ 1",
                            "BT_RX !$!",               "!$!",                   "SOMETHING ELSE"};
    TestRoot root(DeviceTree::Hardware::V1);

    QStringList viaWt32;
    RecordingBluetoothHost wt32Host;
    wt32Host.events = &viaWt32;
    TestWt32 wt32(&wt32Host);
    recordSignals(wt32, &viaWt32);
    for (const QString& l : lines)
        wt32.feedLine(l);

    // The IDC777 carries them in data events of its text link.
    QStringList viaIdc777;
    RecordingBluetoothHost idcHost;
    idcHost.events = &viaIdc777;
    TestIdc777 idc777(&idcHost);
    idc777.setLink(true, true);
    recordSignals(idc777, &viaIdc777);
    for (const QString& l : lines) {
        const QByteArray data = l.toUtf8() + "\r\n";
        idc777.feed("RECV 15 " + QByteArray::number(data.size()) + ' ' + data + '\r');
    }

    QCOMPARE(viaWt32, viaIdc777);
    QCOMPARE(viaWt32.count("answer"), 22);
    QCOMPARE(viaWt32.mid(viaWt32.indexOf("battery 3900") - 2, 5),
             (QStringList{"answer", "updateMicrophoneParameter", "battery 3900", "sensor 2", "rdy"}));
    QVERIFY(viaWt32.contains("fd 7 1") && viaWt32.contains("fd 7 0"));
    QCOMPARE(viaWt32.mid(0, 8), (QStringList{"answer", "mute 0", "answer", "mute 1", "answer", "mute 1",
                                             "answer", "mute 1"}));
    QCOMPARE(viaWt32.mid(viaWt32.size() - 3), (QStringList{"answer", "end", "end"}));
}

QTEST_MAIN(TestWt32Analysis)
#include "tst_wt32analysis.moc"
