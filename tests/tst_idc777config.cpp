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
    void sinkDifferenceWritesTheWholeSet();
    void sourceComparesAllNine();
    void missingAnswerIsADifference();
    void simulatedAccessorySet();
    void oneAtOkPerCheck();

    void conversions_data();
    void conversions();
    void conversionsAreConsistent();
    void headsetVolumeCommands();
    void gainsBeforeAndAfterInit();
    void headsetGainEndsAtTheLastMuteState();
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
    QCOMPARE(rig.bt.getBtProfile(), 1);
    QVERIFY(!rig.bt.isConfigEqualSource());
}

void TestIdc777Config::sinkDifferenceWritesTheWholeSet()
{
    LogCapture log;
    Rig rig;
    rig.load(kSink);
    rig.module().setValue("NAME", "VQA4100_HP");
    rig.read();
    QVERIFY(!rig.bt.isConfigEqualSink());
    QVERIFY(log.contains("SINK: Config NAME is different"));

    rig.module().clearRecords();
    rig.bt.initBtModulSink();
    QVERIFY(rig.bt.waitForInitWritten());
    QTRY_COMPARE(rig.module().commands(), writesOf(kSink));
    QVERIFY(!rig.bt.waitForInitWritten());
    QCOMPARE(rig.module().storedValue("NAME"), QString("VQA4100_MIC"));

    rig.module().clearRecords();
    rig.read();
    QVERIFY(rig.bt.isConfigEqualSink());
}

void TestIdc777Config::sourceComparesAllNine()
{
    LogCapture log;
    Rig rig("/dev/ttyO3");
    rig.load(kSource);
    rig.read();
    QVERIFY(rig.bt.isConfigEqualSource());
    QCOMPARE(rig.bt.getBtProfile(), 2);

    rig.module().setValue("HFP_CONFIG", "OFF OFF OFF OFF 5 ON OFF ON ON");
    rig.read();
    QVERIFY(!rig.bt.isConfigEqualSource());
    QVERIFY(log.contains("SOURCE: Config HFP_CONFIG is different"));
    rig.module().clearRecords();
    rig.bt.initBtModulSource();
    QTRY_COMPARE(rig.module().commands(), writesOf(kSource));
}

void TestIdc777Config::missingAnswerIsADifference()
{
    LogCapture log;
    Rig rig;
    rig.load(kSink);
    rig.read();
    QVERIFY(rig.bt.isConfigEqualSink());

    // A read without answer leaves its value empty, not the last one read.
    rig.module().setSilent("GET COD");
    rig.bt.getConfiguration();
    QTRY_VERIFY(rig.module().commands().endsWith("GET COD"));
    QVERIFY(rig.bt.configReading());
    rig.bt.waitForCmdResponseTimeout();
    QTRY_VERIFY(!rig.bt.configReading());
    QVERIFY(!rig.bt.isConfigEqualSink());
    QVERIFY(log.contains("SINK: Config COD is different"));
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

void TestIdc777Config::conversions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    const QList<std::tuple<const char*, int, int>> rows = {
        {"percent->step", -1, 8}, {"percent->step", 0, 0}, {"percent->step", 3, 0},
        {"percent->step", 4, 1}, {"percent->step", 9, 1}, {"percent->step", 10, 2},
        {"percent->step", 53, 8}, {"percent->step", 54, 9}, {"percent->step", 91, 14},
        {"percent->step", 92, 15}, {"percent->step", 100, 15}, {"percent->step", 101, 8},
        {"value->step", -1, 8}, {"value->step", 0, 0}, {"value->step", 4, 0},
        {"value->step", 5, 1}, {"value->step", 13, 1}, {"value->step", 14, 2},
        {"value->step", 123, 14}, {"value->step", 124, 15}, {"value->step", 127, 15},
        {"value->step", 128, 8},
        {"step->percent", -1, 50}, {"step->percent", 0, 0}, {"step->percent", 1, 6},
        {"step->percent", 4, 25}, {"step->percent", 15, 94}, {"step->percent", 16, 50},
        {"step->value", -1, 68}, {"step->value", 0, 0}, {"step->value", 1, 8},
        {"step->value", 13, 110}, {"step->value", 15, 127}, {"step->value", 16, 68},
    };
    for (const auto& r : rows) {
        QTest::addRow("%s %d", std::get<0>(r), std::get<1>(r))
            << QString(std::get<0>(r)) << std::get<1>(r) << std::get<2>(r);
    }
}

void TestIdc777Config::conversions()
{
    QFETCH(QString, kind);
    QFETCH(int, in);
    QFETCH(int, out);
    TestIdc777 bt(nullptr);
    if (kind == "percent->step")
        QCOMPARE(bt.convertVolPercentToVolStep(in), out);
    else if (kind == "value->step")
        QCOMPARE(bt.convertBtValueToVolStep(in), out);
    else if (kind == "step->percent")
        QCOMPARE(bt.convertVolStepToVolPercent(in), out);
    else
        QCOMPARE(bt.convertVolStepToBtValue(in), out);
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

void TestIdc777Config::gainsBeforeAndAfterInit()
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
}

// Push-to-listen while the module is still busy: the headset must end at
// the gain of the last request, whatever waits before it.
void TestIdc777Config::headsetGainEndsAtTheLastMuteState()
{
    Rig rig("/dev/ttyO3");
    rig.bt.setLink(false, true);
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
