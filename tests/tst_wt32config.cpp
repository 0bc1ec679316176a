// WT32 driver: module set-up, gains and headset volume, accessory start
// parameters, device search and pairing.
#include "Hardware/headsetvolume.h"
#include "wt32testing.h"

#include <QtTest>

namespace {

const QString kMic = BluetoothSim::kTb9Address;

QByteArray joined(const QStringList& lines)
{
    return (lines.join('\n') + '\n').toLatin1();
}

// The nominal ranges of the headset steps, written out again.
int stepOfPercent(int percent)
{
    static const int top[16] = {3, 9, 15, 21, 28, 34, 40, 47, 53, 59, 65, 72, 78, 84, 91, 100};
    if (percent < 0 || percent > 100)
        return 8;
    int step = 0;
    while (percent > top[step])
        ++step;
    return step;
}

// The search's list, "<id> <cod> <name>" per place; `expected` padded with
// unused places.
QStringList found(const TestWt32& bt)
{
    QStringList out;
    for (const BluetoothDevice& d : bt.btDevicesFromInquiry)
        out << d.btId + ' ' + d.cod + ' ' + d.btName;
    return out;
}
QStringList padded(QStringList expected)
{
    while (expected.size() < 10)
        expected << "  unknown";
    return expected;
}

}

class TestWt32Config : public QObject
{
    Q_OBJECT
private slots:
    void configurationOrders();
    void moduleCommands();
    void startValues();
    void gains();
    void headsetVolumeAndBattery();
    void accessoryStartParameters();

    void search();
    void searchLimitsAndOddLines();
    void searchTextOnlyWhileSearching();
    void pairing();
};

void TestWt32Config::configurationOrders()
{
    Wt32PtyRig rig;
    auto order = [](const QString& pagemode, const QString& name, const QStringList& profiles) {
        return joined(QStringList{"SET BT PAGEMODE " + pagemode, "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400",
                                  "SET BT PAIRCOUNT 1", "SET BT NAME " + name, "SET CONTROL PREAMP 0 0",
                                  "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1"}
                      + profiles);
    };
    rig.bt.initBtModulSource();
    QCOMPARE(rig.written(), order("0 2000 2", "VQA4100_HP",
                                  {"SET PROFILE A2DP SOURCE", "SET PROFILE AVRCP TARGET 7", "SET PROFILE HFP-AG ON",
                                   "SET BT CLASS 280428"}));
    rig.bt.initBtModulSink();
    QCOMPARE(rig.written(), order("0 2000 2", "VQA4100_MIC",
                                  {"SET PROFILE A2DP SINK", "SET PROFILE AVRCP CONTROLLER 3", "SET BT CLASS 280438"}));
    rig.bt.initBtModulSourceTestmode();
    QCOMPARE(rig.written(), order("3 4000 1", "VQA4100_SIM_MIC",
                                  {"SET PROFILE A2DP SOURCE", "SET PROFILE AVRCP TARGET 7", "SET BT CLASS 280428"}));
    // Nothing waits for answers; the configuration always "matches".
    QVERIFY(rig.bt.isConfigEqualSink() && rig.bt.isConfigEqualSource());
}

void TestWt32Config::moduleCommands()
{
    Wt32PtyRig rig;
    rig.bt.sendReset();
    rig.bt.clearAllPairings();
    rig.bt.btModulFactoryReset();
    rig.bt.getConfiguration();
    rig.bt.getBluetoothAddress();
    rig.bt.pairWithBtDevice("0018E4C0B009");
    rig.bt.requestHeadphoneVolume();
    rig.bt.callBtDeviceRFCOMM();
    QCOMPARE(rig.written(), joined({"RESET", "SET BT PAIR *", "SET BT PAIR *", "SET RESET", "SET", "SET BT BDADDR",
                                    "PAIR 0018E4C0B009", "AVRCP PDU 31 D", "CALL " + kMic + " 1101 RFCOMM"}));
    QCOMPARE(rig.bt.btState(), int(BluetoothWT32::BTSTATE_PARKED));
    // "AT" goes out at once, even in data mode.
    rig.bt.setMode(1);
    rig.bt.setState(BluetoothWT32::BTSTATE_RFCOMM_ACTIVE_DATA);
    rig.bt.checkCmdAtOk();
    QCOMPARE(rig.written(), QByteArray("AT\n"));
    QVERIFY(rig.bt.held().isEmpty());
}

void TestWt32Config::startValues()
{
    Wt32PtyRig rig;
    QCOMPARE(rig.bt.getBtName(), QString("unknown"));
    QCOMPARE(rig.bt.getBtProfile(), 0);
    QCOMPARE(rig.bt.getBtExtHeadphoneBatteryState(), -1);
    QCOMPARE(rig.bt.getBtExtHeadphoneGain(), 8);
    QCOMPARE(rig.bt.getBtExtMicGain(), 15);
    QCOMPARE(rig.bt.getBtDacGain(), 15);
    QCOMPARE(rig.bt.getBtAdcGain(), 5);
    QVERIFY(!rig.bt.waitForName());
    QVERIFY(!rig.bt.isStreamingActive());
    QVERIFY(rig.bt.isStateDisconnected());

    // Hearing protection, and a stored volume offset.
    rig.host.hearingProtection = true;
    rig.bt.resetBluetooth("", false);
    QCOMPARE(rig.bt.getBtAdcGain(), 1);
    rig.host.hearingProtection = false;
    rig.host.volumeOffset = 3;
    rig.bt.setBtExtHeadphoneVolDown();
    rig.bt.resetBluetooth("AA", true);
    QCOMPARE(rig.bt.getBtAdcGain(), 8);
    QCOMPARE(rig.bt.getBtExtHeadphoneGain(), 8);
}

void TestWt32Config::gains()
{
    Wt32PtyRig rig;
    rig.bt.setBtDacGain(20);
    // The line carries its own LF: an empty line follows it.
    QCOMPARE(rig.written(), QByteArray("SET CONTROL GAIN 5 14\n\n"));
    rig.bt.setBtAdcGain(12);
    rig.bt.setBtAdcGain(0);
    QCOMPARE(rig.written(), QByteArray("SET CONTROL GAIN c 14\n\nSET CONTROL GAIN 0 14\n\n"));
    rig.bt.setBtLastAdcGain();
    QCOMPARE(rig.written(), QByteArray("SET CONTROL GAIN c 14\n\n"));
    QCOMPARE(rig.bt.getBtAdcGain(), 12);

    // In data mode the command waits for command mode, the empty line too.
    rig.dataMode();
    rig.bt.setBtDacGain(1);
    QCOMPARE(rig.bt.held(), QByteArray("SET CONTROL GAIN c 1\n\n"));
    QVERIFY(rig.written().isEmpty());

    rig.bt.setBtExtMicGain(10);  // only sent over a link
    QCOMPARE(rig.bt.getBtExtMicGain(), 10);
}

void TestWt32Config::headsetVolumeAndBattery()
{
    Wt32PtyRig rig(false);
    for (int percent = -1; percent <= 101; ++percent) {
        rig.bt.setBtExtHeadphoneGain(percent);
        QCOMPARE(rig.written(), QString("AVRCP PDU 50 %1\n").arg(percent).toLatin1());
        QCOMPARE(rig.bt.getBtExtHeadphoneGain(), stepOfPercent(percent));
        QCOMPARE(HeadsetVolume::percentToStep(percent), stepOfPercent(percent));
    }
    // Steps stop at both ends.
    rig.bt.setBtExtHeadphoneGain(100);
    rig.written();
    rig.bt.setBtExtHeadphoneVolUp();
    QCOMPARE(rig.bt.getBtExtHeadphoneGain(), 15);
    QCOMPARE(rig.written(), QByteArray("AVRCP UP\n"));
    for (int i = 0; i < 16; ++i)
        rig.bt.setBtExtHeadphoneVolDown();
    QCOMPARE(rig.bt.getBtExtHeadphoneGain(), 0);
    QCOMPARE(rig.written(), QByteArray("AVRCP DN\n").repeated(16));

    // The battery is asked for only over a hands-free link (above 0).
    rig.bt.requestHeadphoneBatteryState();
    rig.bt.setHfpLink(0);
    rig.bt.requestHeadphoneBatteryState();
    QVERIFY(rig.written().isEmpty());
    rig.bt.setHfpLink(4);
    rig.bt.requestHeadphoneBatteryState();
    QCOMPARE(rig.written(), QByteArray("@4 +CHLD=0\n"));
}

void TestWt32Config::accessoryStartParameters()
{
    Wt32PtyRig rig;
    rig.dataMode();
    QCOMPARE(rig.bt.sendMicInitParameter(0x12, 1, 0), 0);
    QCOMPARE(rig.written(), QByteArray("BT_TX I 12 MUTE SWITCH\n"));
    rig.bt.transmitTimeout();
    rig.host.switchMode = false;
    rig.bt.sendMicInitParameter(5, 0, 1);
    QCOMPARE(rig.written(), QByteArray("BT_TX I 05 ACTIVE PUSHBUT\n"));
    QCOMPARE(rig.bt.getBtExtMicGain(), 5);
    rig.bt.transmitTimeout();
    rig.bt.setBtExtMicGain(10);
    QCOMPARE(rig.written(), QByteArray("BT_TX G 0a\n"));
    rig.bt.transmitTimeout();
    rig.bt.sendDebugCmd();
    QCOMPARE(rig.written(), QByteArray("BT_TX X DEBUG\n"));
}

void TestWt32Config::search()
{
    Wt32PtyRig rig;
    rig.bt.startInquiry();
    QCOMPARE(rig.written(), QByteArray("INQUIRY 4 NAME\n"));
    // A name may come before its device; a name with a hyphen and one with
    // characters outside the accepted set.
    rig.bt.feed("NAME 00aa \"Head-Set 2\"\r\n"
                "INQUIRY_PARTIAL 00aa 240404\r\n"
                "INQUIRY_PARTIAL 00bb 280404 \"\" -48\r\n"
                "INQUIRY_PARTIAL 00cc 5a020c\r\n"
                "INQUIRY_PARTIAL 00dd 5a020c\r\n"
                "INQUIRY 4\r\n"
                "NAME 00bb \"TB-9\"\r\n"
                "NAME 00cc \"Bob's phone\"\r\n");
    rig.bt.feed("NAME 00dd \"Gr\xC3\xBC\xC3\x9F""e\"\r\n");
    QVERIFY(!rig.bt.getData().isEmpty());
    rig.bt.stopInquiry();
    QCOMPARE(found(rig.bt), padded({"00aa 240404 Head-Set 2", "00bb 280404 TB-9", "00cc 5a020c unknown",
                                    "00dd 5a020c unknown"}));

    // The next search rewrites the whole list.
    rig.bt.startInquiry();
    rig.bt.feed("INQUIRY_PARTIAL 00ee 240404\r\n");
    rig.bt.getData();
    rig.bt.stopInquiry();
    QCOMPARE(found(rig.bt), padded({"00ee 240404 unknown"}));
}

void TestWt32Config::searchLimitsAndOddLines()
{
    Wt32PtyRig rig;
    rig.bt.startInquiry();
    QByteArray text = "INQUIRY_PARTIAL\r\n";  // a device line with nothing after it
    for (int i = 1; i < 12; ++i)
        text += QString("INQUIRY_PARTIAL 00%1 240404\r\n").arg(i, 2, 10, QChar('0')).toLatin1();
    // Twelve names, last first: only the first ten are read.
    for (int i = 12; i >= 1; --i)
        text += QString("NAME 00%1 \"dev%1\"\r\n").arg(i, 2, 10, QChar('0')).toLatin1();
    rig.bt.feed(text);
    rig.bt.getData();
    rig.bt.stopInquiry();
    QStringList expected{"  unknown", "0001 240404 unknown", "0002 240404 unknown"};
    for (int i = 3; i < 10; ++i)
        expected << QString("000%1 240404 dev0%1").arg(i);
    QCOMPARE(found(rig.bt), expected);
}

void TestWt32Config::searchTextOnlyWhileSearching()
{
    Wt32PtyRig rig;
    rig.bt.feed("INQUIRY_PARTIAL 00aa 240404\r\n");
    rig.bt.getData();  // before the search: not search text
    rig.bt.startInquiry();
    rig.bt.feed("INQUIRY_PARTIAL 00bb 240404\r\nINQUIRY_PARTIAL 00cc");
    QCOMPARE(rig.bt.getData(), QString("INQUIRY_PARTIAL 00bb 240404\r\nINQUIRY_PARTIAL 00cc"));
    QCOMPARE(rig.bt.getData(), QString());  // no line end since
    rig.bt.stopInquiry();
    rig.bt.feed(" 280404\r\n");
    rig.bt.getData();  // after the search: not search text either
    QCOMPARE(rig.bt.inquiryText(), QString("INQUIRY_PARTIAL 00bb 240404\r\nINQUIRY_PARTIAL 00cc"));
    QCOMPARE(found(rig.bt), padded({"00bb 240404 unknown", "00cc  unknown"}));
}

void TestWt32Config::pairing()
{
    Wt32PtyRig rig;
    int paired = 0;
    connect(&rig.bt, &Bluetooth::btPairingOk, this, [&] { ++paired; });
    rig.bt.startInquiry();
    rig.bt.getData();
    rig.bt.stopInquiry();
    rig.bt.pairWithBtDevice("00bb");
    rig.bt.feed("PAIR 00bb OK\r\n");
    QCOMPARE(paired, 1);
    // Seen since the search, whether or not the dialog collected the text.
    QVERIFY(rig.bt.isPairOk("00bb"));
    QVERIFY(!rig.bt.isPairOk("00aa"));
    QVERIFY(!rig.bt.isPairOk(""));
    rig.bt.feed("PAIR 00aa FAIL\r\n");
    QVERIFY(!rig.bt.isPairOk("00aa"));
    QCOMPARE(paired, 1);
    rig.bt.startInquiry();
    QVERIFY(!rig.bt.isPairOk("00bb"));
    rig.bt.feed("PAIR 00bb OK\r\n");
    QVERIFY(rig.bt.isPairOk("00bb"));
    rig.bt.clearData();
    QVERIFY(!rig.bt.isPairOk("00bb"));
}

QTEST_MAIN(TestWt32Config)
#include "tst_wt32config.moc"
