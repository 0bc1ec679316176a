// IDC777 driver: module configuration, gains and volume, service commands
// and the raw text handed out by getData(), against a fake module.
#include "Hardware/headsetvolume.h"
#include "idc777peer.h"
#include "idc777testing.h"
#include "logcapture.h"
#include "testroot.h"

#include <QtTest>

#include <functional>

namespace {

using Config = QList<QPair<QString, QString>>;

const QString kBatt = "ON OFF OFF OFF 3000 4200 10 350 45 0 ON";
const QString kAudio = "1 15 0 OFF";
const QString kHfp = "ON ON OFF OFF 5 ON OFF ON ON";

const Config kSink = {{"PROFILES", "OFF 0 0 1 0 0 0 1"}, {"AUTOCONN", "1 7"}, {"BATT_CONFIG", kBatt},
                      {"GPIO_CONFIG", "1 ON 0080"}, {"COD", "240418"}, {"NAME", "VQA4100_MIC"},
                      {"BT_CONFIG", "0 0 0"}, {"AUDIO_ANALOG", kAudio}};
const Config kSource = {{"PROFILES", "OFF 0 1 0 1 1 0 0"}, {"AUTOCONN", "1 7"}, {"BATT_CONFIG", kBatt},
                        {"GPIO_CONFIG", "1 OFF 0080"}, {"COD", "280410"}, {"NAME", "VQA4100_HP"},
                        {"BT_CONFIG", "1 0 0"}, {"AUDIO_ANALOG", kAudio}, {"HFP_CONFIG", kHfp}};
const Config kSimMic = {{"PROFILES", "OFF 0 0 0 1 0 0 0"}, {"AUTOCONN", "0 3"}, {"BATT_CONFIG", kBatt},
                        {"GPIO_CONFIG", "1 OFF 0080"}, {"COD", "280410"}, {"NAME", "VQA4100_SIM_MIC"},
                        {"BT_CONFIG", "1 1 0"}, {"AUDIO_ANALOG", kAudio}, {"HFP_CONFIG", kHfp}};

const QStringList kReads = {"GET PROFILES", "GET AUTOCONN", "GET BATT_CONFIG", "GET GPIO_CONFIG", "GET COD",
                            "GET NAME", "GET BT_CONFIG", "GET AUDIO_ANALOG", "GET HFP_CONFIG",
                            "GET LOCAL_ADDR"};

QStringList writesOf(const Config& config)
{
    QStringList out;
    for (const auto& e : config)
        out << "SET " + e.first + "=" + e.second;
    return out << "WRITE";
}

struct Rig {
    TestRoot root;
    Idc777Peer peer;
    RecordingBluetoothHost host;
    TestIdc777 bt{&host};

    explicit Rig(const QString& port = "/dev/ttyO2")
    {
        peer.start(root.path(port));
        bt.initBluetooth(port, "00:11:22:33:44:55");
        bt.holdStateMachine();
        bt.holdTimeouts();
    }
    Idc777Module& module() { return peer.module(); }
    void load(const Config& config)
    {
        for (const auto& e : config)
            module().setValue(e.first, e.second);
    }
    // Reads the configuration and waits for its end.
    void read()
    {
        bt.getConfiguration();
        QTRY_VERIFY(!bt.configReading());
        QTRY_VERIFY(!bt.commandInFlight());
    }
};

}

class TestIdc777Config : public QObject
{
    Q_OBJECT
private slots:
    void sinkReadsAndCompares_data();
    void sinkReadsAndCompares();
    void differenceWritesTheWholeSet_data();
    void differenceWritesTheWholeSet();
    void simulatedAccessorySet();
    void oneAtOkPerCheck();

    void conversions_data();
    void conversions();
    void conversionsAreConsistent();
    void headsetVolumeCommands();
    void headsetGains();
    void gainDefaultsAfterReset();

    void getDataBeforeAndAfterCr();
    void serviceCommands();
};

void TestIdc777Config::sinkReadsAndCompares_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("LF CR") << QByteArray("\n\r");
}

void TestIdc777Config::sinkReadsAndCompares()
{
    QFETCH(QByteArray, lineEnd);
    Rig rig;
    rig.load(kSink);
    rig.module().setLineEnd(lineEnd);
    rig.module().setValue("HFP_CONFIG", "anything at all");
    // Garbage before an answer is only traced.
    rig.module().setAnswer("GET COD", {"\x01~~ garbage ~~", "COD=240418", "OK"});
    rig.read();
    QCOMPARE(rig.module().commands(), kReads);
    QVERIFY(rig.bt.isConfigEqualSink());
    QCOMPARE(rig.bt.getBtIdModul(), QString("0017E9A1B2C3"));
    QCOMPARE(rig.bt.getBtName(), QString("VQA4100_MIC"));
    QVERIFY(!rig.bt.isConfigEqualSource());
}

void TestIdc777Config::differenceWritesTheWholeSet_data()
{
    QTest::addColumn<bool>("sink");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");  // empty: the read gets no answer
    QTest::newRow("sink") << true << "NAME" << "VQA4100_HP";
    // A read without answer leaves its value empty, not the last one read.
    QTest::newRow("sink, no answer") << true << "COD" << "";
    QTest::newRow("source HFP_CONFIG") << false << "HFP_CONFIG" << "OFF OFF OFF OFF 5 ON OFF ON ON";
}

void TestIdc777Config::differenceWritesTheWholeSet()
{
    QFETCH(bool, sink);
    QFETCH(QString, key);
    QFETCH(QString, value);
    LogCapture log;
    Rig rig(sink ? "/dev/ttyO2" : "/dev/ttyO3");
    const Config& set = sink ? kSink : kSource;
    auto equal = [&] { return sink ? rig.bt.isConfigEqualSink() : rig.bt.isConfigEqualSource(); };
    rig.load(set);
    rig.read();
    QVERIFY(equal());
    QCOMPARE(rig.bt.getBtProfile(), sink ? 1 : 2);

    if (value.isEmpty()) {
        rig.module().setSilent("GET " + key);
        rig.bt.getConfiguration();
        QTRY_VERIFY(rig.module().commands().endsWith("GET " + key));
        QVERIFY(rig.bt.configReading());
        rig.bt.waitForCmdResponseTimeout();
        QTRY_VERIFY(!rig.bt.configReading());
        rig.module().clearAnswers();
    } else {
        rig.module().setValue(key, value);
        rig.read();
    }
    QVERIFY(!equal());
    QVERIFY(log.contains(QString("%1: Config %2 is different").arg(sink ? "SINK" : "SOURCE", key)));
    rig.module().clearRecords();
    sink ? rig.bt.initBtModulSink() : rig.bt.initBtModulSource();
    QVERIFY(rig.bt.waitForInitWritten());
    QTRY_COMPARE(rig.module().commands(), writesOf(set));
    QVERIFY(!rig.bt.waitForInitWritten());
    rig.read();
    QVERIFY(equal());
}

void TestIdc777Config::simulatedAccessorySet()
{
    Rig rig("/dev/ttyO3");
    rig.bt.initBtModulSourceTestmode();
    QVERIFY(rig.bt.audioTestMode());
    QTRY_COMPARE(rig.module().commands(), writesOf(kSimMic));

    // No accessory lines while the test mode holds, until the next reset.
    rig.bt.setLink(true, true);
    rig.bt.sendData("BT_TX B");
    QVERIFY(!rig.bt.messages().isInFlight());
    rig.bt.resetBluetooth("", true);
    QVERIFY(!rig.bt.audioTestMode());
}

void TestIdc777Config::oneAtOkPerCheck()
{
    Rig rig;
    int atOk = 0;
    QObject::connect(&rig.bt, &Bluetooth::btAtOk, [&] { ++atOk; });
    rig.bt.checkCmdAtOk();
    QTRY_COMPARE(atOk, 1);
    QTRY_VERIFY(!rig.bt.commandInFlight());

    // The same answer to other reads emits nothing.
    rig.read();
    rig.module().setLocalAddress("0017E9FFFFFF");
    rig.bt.getBluetoothAddress();
    QTRY_COMPARE(rig.bt.getBtIdModul(), QString("0017E9FFFFFF"));
    QTRY_VERIFY(!rig.bt.commandInFlight());
    QCOMPARE(atOk, 1);

    rig.bt.checkCmdAtOk();
    QTRY_COMPARE(atOk, 2);
    QCOMPARE(rig.module().count("GET LOCAL_ADDR"), 4);
}

const char* const kConversions[] = {"percent->step", "value->step", "step->percent", "step->value"};

void TestIdc777Config::conversions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    // Each table at its steps' edges; outside its range the middle.
    const QList<QList<QPair<int, int>>> tables = {
        {{-1, 8}, {0, 0}, {3, 0}, {4, 1}, {9, 1}, {10, 2}, {53, 8}, {54, 9}, {91, 14}, {92, 15}, {100, 15}, {101, 8}},
        {{-1, 8}, {0, 0}, {4, 0}, {5, 1}, {13, 1}, {14, 2}, {123, 14}, {124, 15}, {127, 15}, {128, 8}},
        {{-1, 50}, {0, 0}, {1, 6}, {4, 25}, {15, 94}, {16, 50}},
        {{-1, 68}, {0, 0}, {1, 8}, {13, 110}, {15, 127}, {16, 68}},
    };
    for (int kind = 0; kind < tables.size(); ++kind) {
        for (const auto& r : tables[kind])
            QTest::addRow("%s %d", kConversions[kind], r.first) << kind << r.first << r.second;
    }
}

void TestIdc777Config::conversions()
{
    QFETCH(int, kind);
    QFETCH(int, in);
    QFETCH(int, out);
    const int got[] = {HeadsetVolume::percentToStep(in), HeadsetVolume::moduleValueToStep(in),
                       HeadsetVolume::stepToPercent(in), HeadsetVolume::stepToModuleValue(in)};
    QCOMPARE(got[kind], out);
}

void TestIdc777Config::conversionsAreConsistent()
{
    for (int step = 0; step <= HeadsetVolume::kMaxStep; ++step) {
        QCOMPARE(HeadsetVolume::percentToStep(HeadsetVolume::stepToPercent(step)), step);
        QCOMPARE(HeadsetVolume::moduleValueToStep(HeadsetVolume::stepToModuleValue(step)), step);
        // The module value is the step times 127/15, rounded.
        QCOMPARE(HeadsetVolume::stepToModuleValue(step), qRound(step * 127.0 / 15.0));
    }
    for (int v = 1; v <= 127; ++v)
        QVERIFY(HeadsetVolume::moduleValueToStep(v) >= HeadsetVolume::moduleValueToStep(v - 1));
}

void TestIdc777Config::headsetVolumeCommands()
{
    Rig rig("/dev/ttyO3");
    // Asked even before the module is initialised; a new step only kept.
    rig.bt.requestHeadphoneVolume();
    rig.bt.setBtExtHeadphoneGain(100);
    QCOMPARE(rig.bt.getBtExtHeadphoneGain(), 15);
    QTRY_COMPARE(rig.module().commands(), QStringList{"VOLUME 11"});
    QTRY_VERIFY(!rig.bt.commandInFlight());

    rig.bt.setLink(false, true);
    const QList<std::pair<std::function<void()>, int>> steps = {
        {[&] { rig.bt.setBtExtHeadphoneGain(100); }, 15},
        {[&] { rig.bt.setBtExtHeadphoneGain(3); }, 0},
        {[&] { rig.bt.setBtExtHeadphoneGain(101); }, 8},
        {[&] { rig.bt.setBtExtHeadphoneGain(-1); }, 8},
        {[&] { rig.bt.setBtExtHeadphoneGain(94); }, 15},
        {[&] { rig.bt.setBtExtHeadphoneVolUp(); }, 15},  // sent again at the top
        {[&] { rig.bt.setBtExtHeadphoneGain(0); }, 0},
        {[&] { rig.bt.setBtExtHeadphoneVolDown(); }, 0},
        {[&] { rig.bt.setBtExtHeadphoneVolUp(); }, 1},
    };
    for (const auto& s : steps) {
        s.first();
        QCOMPARE(rig.bt.getBtExtHeadphoneGain(), s.second);
        QTRY_VERIFY(!rig.bt.commandInFlight());
    }
    QTRY_COMPARE(rig.module().commands(),
                 (QStringList{"VOLUME 11", "VOLUME 11 127", "VOLUME 11 0", "VOLUME 11 68", "VOLUME 11 68",
                              "VOLUME 11 127", "VOLUME 11 127", "VOLUME 11 0", "VOLUME 11 0", "VOLUME 11 8"}));
}

void TestIdc777Config::headsetGains()
{
    Rig rig("/dev/ttyO3");
    rig.bt.setBtDacGain(20);
    rig.bt.setBtAdcGain(7);
    QCOMPARE(rig.bt.getBtDacGain(), 20);
    QCOMPARE(rig.bt.getBtAdcGain(), 7);

    rig.bt.setLink(false, true);
    rig.bt.setBtAdcGain(9);
    rig.bt.setBtAdcGain(0);
    QCOMPARE(rig.bt.getBtAdcGain(), 0);
    rig.bt.setBtLastAdcGain();
    QCOMPARE(rig.bt.getBtAdcGain(), 9);
    rig.bt.setBtDacGain(13);
    QTRY_COMPARE(rig.module().commands(), (QStringList{"VOLUME 0 9", "VOLUME 0 0", "VOLUME 0 9", "VOLUME 1 13"}));
    QTRY_VERIFY(!rig.bt.commandInFlight());

    // Push-to-listen while the module is still busy: the headset must end
    // at the gain of the last request, whatever waits before it.
    rig.module().clearRecords();
    rig.module().setSilent("STATUS");
    rig.bt.getStatusOfConnections();
    QVERIFY(rig.bt.commandInFlight());
    rig.bt.setBtAdcGain(9);     // listen
    rig.bt.setBtAdcGain(0);     // mute
    rig.bt.setBtLastAdcGain();  // listen
    rig.bt.setBtAdcGain(0);     // mute
    rig.bt.setBtLastAdcGain();  // listen
    QCOMPARE(rig.bt.getBtAdcGain(), 9);
    QCOMPARE(rig.bt.waitingCommands().last(), QString("VOLUME 0 9"));
    rig.bt.waitForCmdResponseTimeout();
    QTRY_VERIFY(!rig.bt.commandInFlight());
    QCOMPARE(rig.module().commands().filter("VOLUME 0 ").last(), QString("VOLUME 0 9"));
}

void TestIdc777Config::gainDefaultsAfterReset()
{
    TestRoot root;
    RecordingBluetoothHost host;
    host.hearingProtection = true;
    host.volumeOffset = 3;
    TestIdc777 bt(&host);
    bt.initBluetooth("/dev/ttyO3", "00:11:22:33:44:55");
    QCOMPARE(bt.getBtAdcGain(), 1);
    bt.setBtExtMicGain(30);
    bt.setBtDacGain(2);
    bt.setBtExtHeadphoneGain(0);
    host.hearingProtection = false;
    bt.resetBluetooth("", true);
    QCOMPARE(bt.getBtAdcGain(), 8);
    bt.setBtAdcGain(0);
    bt.setBtLastAdcGain();
    QCOMPARE(bt.getBtAdcGain(), 8);
    QCOMPARE(bt.getBtExtMicGain(), 15);
    QCOMPARE(bt.getBtDacGain(), 13);
    QCOMPARE(bt.getBtExtHeadphoneGain(), 8);
    QCOMPARE(bt.getBtExtHeadphoneBatteryState(), -1);
    QCOMPARE(bt.btState(), BluetoothIDC777::INIT);
    bt.resetBluetooth("", false);
    QCOMPARE(bt.btState(), BluetoothIDC777::HARDWARE_RESET_START);
}

void TestIdc777Config::getDataBeforeAndAfterCr()
{
    Rig rig;
    rig.peer.write("OK");
    QTRY_COMPARE(rig.bt.pendingBytes(), QByteArray("OK"));
    QCOMPARE(rig.bt.getData(), QString());
    rig.peer.write("\r");
    QTRY_VERIFY(rig.bt.pendingBytes().isEmpty());
    QCOMPARE(rig.bt.getData(), QString("OK\r"));
    QCOMPARE(rig.bt.getData(), QString());

    rig.peer.write("NAME=x\r\nPARTIAL");
    QTRY_COMPARE(rig.bt.pendingBytes(), QByteArray("\nPARTIAL"));
    rig.bt.clearData();
    QCOMPARE(rig.bt.getData(), QString());
    QVERIFY(rig.bt.pendingBytes().isEmpty());
}

void TestIdc777Config::serviceCommands()
{
    {
        Rig rig;
        rig.module().setPairedDevices({"001122334455"});
        rig.module().setValue("NAME", "changed");
        rig.bt.clearAllPairings();
        rig.bt.btModulFactoryReset();
        rig.bt.sendCmdAndWaitForResponse("GET NAME", {"OK", "ERROR"}, 2000);
        QTRY_VERIFY(rig.module().commands().size() >= 2);
        QCOMPARE(rig.module().commands().mid(0, 2), (QStringList{"UNPAIR", "RESTORE"}));
        QVERIFY(rig.module().pairedDevices().isEmpty());
        // The restart's banner drops what waited; the machine reads the
        // factory configuration anew.
        QTRY_COMPARE(rig.bt.getBtName(), QString("IDC777"));
        QCOMPARE(rig.module().commands().at(2), QString("CLOSE ALL"));
    }

    // Without its restart the wait ends by its time-out only.
    Rig rig;
    rig.module().setSilent("RESTORE");
    rig.bt.btModulFactoryReset();
    rig.bt.sendCmdAndWaitForResponse("GET COD", {"OK"}, 2000);
    QTRY_COMPARE(rig.module().commands(), QStringList{"RESTORE"});
    QVERIFY(rig.bt.commandInFlight());
    rig.bt.waitForCmdResponseTimeout();
    QTRY_COMPARE(rig.module().commands(), (QStringList{"RESTORE", "GET COD"}));
}

QTEST_GUILESS_MAIN(TestIdc777Config)
#include "tst_idc777config.moc"
