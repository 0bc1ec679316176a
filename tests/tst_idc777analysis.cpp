// IDC777 driver: the analysis of what the module prints, fed straight into
// the driver (no port): data events, module events, the link status, search,
// pairing and the invalid-address message.
#include "apphosts.h"
#include "idc777testing.h"
#include "logcapture.h"
#include "modalhelper.h"
#include "signalrecorder.h"
#include "testroot.h"

#include <QLabel>
#include <QMetaEnum>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kMic = "0018E4C0B009";
const QString kHp = "001A7DDA7113";

// A driver whose port does not open: what it writes goes nowhere, what the
// module prints is fed in. Signals are recorded in order.
struct Rig {
    TestRoot root;
    RecordingBluetoothHost host;
    TestIdc777 bt{&host};
    QStringList recorded;

    explicit Rig(const QString& port = "/dev/ttyO2", const QString& id = kMic)
    {
        host.micId = kMic;
        host.hpId = kHp;
        bt.initBluetooth(port, id);
        bt.holdStateMachine();
        recordSignals(bt, &recorded);
    }
    // The signals that carry news (not the bare answer or link notices).
    QStringList seen() const
    {
        QStringList out;
        for (const QString& s : recorded) {
            if (s != "answer" && s != "rfcomm")
                out << s;
        }
        return out;
    }
    void feedLines(const QStringList& lines, const QByteArray& end = "\r")
    {
        for (const QString& l : lines)
            bt.feed(l.toUtf8() + end);
    }
    QString state() const { return QMetaEnum::fromType<BluetoothIDC777::BtStateIdc>().valueToKey(bt.btState()); }
    bool statusAsked() const
    {
        return bt.commandQueue().lastTransmitted() == "STATUS" || bt.waitingCommands().contains("STATUS");
    }
};

// "RECV <link> <length> <data>" with the module's line end after the data.
QByteArray recv(const QByteArray& data, const QByteArray& end, const QByteArray& link = "15")
{
    return "RECV " + link + ' ' + QByteArray::number(data.size()) + ' ' + data + end;
}

}

class TestIdc777Analysis : public QObject
{
    Q_OBJECT
private slots:
    void recvExample_data();
    void recvExample();
    void recvLinesSplitAndJoined_data();
    void recvLinesSplitAndJoined();
    void recvBadLengths();
    void recvCutOffByAReset();

    void events_data();
    void events();
    void notConnectedWhileDisconnecting();
    void headsetVolumeOnlyOnTheHeadsetSide();
    void statusCopiesOnlyACompleteAnswer();
    void pairing_data();
    void pairing();
    void invalidAddressMessage_data();
    void invalidAddressMessage();
    void configuredDeviceAnywhereInTheList();
    void productionHostShowsTheMessage();
    void search();
};

void TestIdc777Analysis::recvExample_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("CR LF") << QByteArray("\r\n");
}

void TestIdc777Analysis::recvLinesSplitAndJoined_data()
{
    recvExample_data();
}

// 23 characters of accessory line, its CR LF, then the module's line end:
// the first cut line carries 24 bytes of data and waits for the rest.
void TestIdc777Analysis::recvExample()
{
    QFETCH(QByteArray, end);
    Rig rig;
    rig.bt.feed("OK" + end + "RECV 15 25 BT_RX MUTE_STA");
    QCOMPARE(rig.bt.pendingBytes(), end.mid(1) + "RECV 15 25 BT_RX MUTE_STA");
    rig.bt.feed(QByteArray("TE ACTIVE\r"));
    QVERIFY(rig.bt.bytesMissing());
    QVERIFY(rig.seen().isEmpty());
    rig.bt.feed("\n" + end + "OK" + end);
    QCOMPARE(rig.seen(), QStringList{"mute 0"});
    QVERIFY(!rig.bt.bytesMissing());
    // The module's lines after the event are its own again.
    rig.bt.feed("RECV 15 23 BT_RX MUTE_STATE MUTE\r\n" + end + "A2DP_STREAM_START 10" + end);
    QCOMPARE(rig.seen(), (QStringList{"mute 0", "mute 1"}));
    QVERIFY(rig.bt.isStreamingActive());
}

void TestIdc777Analysis::recvLinesSplitAndJoined()
{
    QFETCH(QByteArray, end);
    Rig rig;
    // Two lines in one event, in order.
    rig.bt.feed(recv("BT_RX BATT_VOLTAGE 3900\r\nBT_RX SENSOR 2\r\n", end));
    QCOMPARE(rig.seen(), (QStringList{"battery 3900", "sensor 2"}));

    // Half a line waits for the next event.
    rig.recorded.clear();
    rig.bt.feed(recv("BT_RX SENS", end));
    QCOMPARE(rig.bt.linePart(), QByteArray("BT_RX SENS"));
    QVERIFY(rig.seen().isEmpty());
    rig.bt.feed(recv("OR 3\r\n", end));
    QCOMPARE(rig.seen(), QStringList{"sensor 3"});

    // A line cut off by a lost link does not spoil the new link's first.
    rig.recorded.clear();
    rig.bt.feed(recv("BT_RX SENS", end) + "LINK_LOSS 15" + end + "OPEN_OK 15 SPP x" + end);
    rig.bt.feed(recv("BT_RX MUTE_STATE ACTIVE\r\n", end));
    QCOMPARE(rig.seen(), QStringList{"mute 0"});

    // Another link's data is counted and dropped.
    rig.recorded.clear();
    rig.bt.feed(recv("BT_RX SENSOR 9\r\nOK\r", end, "10") + "OPEN_OK 10 A2DP x" + end);
    QVERIFY(rig.seen().isEmpty());
    QVERIFY(rig.bt.isConnectedA2DP());

    // Non-ASCII and NUL bytes count as bytes; the line after is analysed.
    rig.bt.feed(recv(QByteArray("BT_RX SENSOR Gr\xC3\xBC\0n\r\n", 21), end) + "A2DP_STREAM_START" + end);
    QCOMPARE(rig.seen(), QStringList{QString::fromUtf8("sensor Grün")});
    QVERIFY(rig.bt.isStreamingActive());
}

void TestIdc777Analysis::recvBadLengths()
{
    LogCapture log;
    Rig rig;
    rig.bt.feed("RECV 15 abc BT_RX SENSOR 1\r\n\rRECV 15 5000 BT_RX SENSOR 2\r\n\rRECV 15 -3 x\r"
                "RECV 15\rOPEN_OK 10 A2DP x\r");
    QCOMPARE(log.count("RECV with invalid length dropped"), 3);
    QVERIFY(log.contains("RECV without length dropped"));
    QVERIFY(rig.seen().isEmpty());
    QVERIFY(!rig.bt.bytesMissing());
    QVERIFY(rig.bt.isConnectedA2DP());
}

// A data event whose rest never came: after the module's reset its start
// lines are its own again.
void TestIdc777Analysis::recvCutOffByAReset()
{
    Rig rig;
    rig.bt.feed("RECV 15 200 BT_RX SENSOR 1\r\n\r");
    QVERIFY(rig.bt.bytesMissing());
    rig.bt.resetBluetooth("", false);
    rig.bt.tickNow();
    rig.bt.holdStateMachine();
    rig.feedLines({"IOT747 x", "AudioAgent 7.2.1", "Ready"});
    QCOMPARE(rig.seen(), QStringList{"reset"});
    QCOMPARE(rig.bt.getFwVersionBtModul(), QString("7.2.1"));
}

// Each row: lines fed after an optional set-up, then what must hold.
void TestIdc777Analysis::events_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    auto row = [](const char* name, QStringList lines, QStringList expected) {
        QTest::newRow(name) << lines << expected;
    };
    row("OPEN_OK A2DP", {"OPEN_OK 10 A2DP x"}, {"a2dp", "refresh"});
    row("OPEN_OK SPP", {"OPEN_OK 15 SPP x"}, {"spp", "host sleep 1000", "host updateMicrophoneParameter"});
    row("OPEN_OK SPP repeated", QString("OPEN_OK 15 SPP x,").repeated(20).split(",", Qt::SkipEmptyParts),
        {"spp", "host calls 2"});
    row("OPEN_OK AGHFP", {"OPEN_OK 12 AGHFP x"}, {"aghfp", "hpBatteryState -1"});
    row("OPEN_OK other profile", {"OPEN_OK 10 FOO x"}, {"state HARDWARE_RESET_START", "!refresh"});
    row("OPEN_ERROR other profile", {"OPEN_ERROR 10 FOO x"}, {"state INIT"});
    row("OPEN_ERROR SPP", {"OPEN_OK 15 SPP x", "OPEN_ERROR 15 SPP x"}, {"!spp", "refresh"});
    row("CLOSE_OK A2DP", {"OPEN_OK 10 A2DP x", "A2DP_STREAM_START", "CLOSE_OK 10"},
        {"!a2dp", "!streaming", "interval 5200"});
    row("CLOSE_OK unknown id", {"OPEN_OK 10 A2DP x", "CLOSE_OK 7f"}, {"a2dp"});
    row("PENDING", {"PENDING"}, {"pending"});
    row("PENDING then a line", {"RECONNECT", "INQU_OK"}, {"!pending"});
    row("LINK_LOSS SPP", {"OPEN_OK 15 SPP x", "LINK_LOSS 15"}, {"!spp", "status asked"});
    row("stream start and suspend", {"A2DP_STREAM_START", "A2DP_STREAM_SUSPEND"}, {"!streaming", "refresh"});
    row("banner", {"IOT747 Bluetooth"}, {"state WAIT_FOR_FINISH_RESET"});
    row("banner drops the links", {"OPEN_OK 15 SPP x", "OPEN_OK 10 A2DP x", "A2DP_STREAM_START", "IOT747 x"},
        {"!spp", "!a2dp", "!streaming", "state WAIT_FOR_FINISH_RESET"});
    row("banner, firmware and Ready", {"IOT747 x", "AudioAgent 7.2.1 beta", "Ready"},
        {"fw 7.2.1 beta", "signal reset", "host sleep 150", "state WAIT_FOR_FINISH_RESET"});
    row("Ready without reset", {"Ready"}, {"!signal reset"});
    // A restart in the middle of a line or of a data event.
    const QStringList restarted{"!spp", "!signal mute", "signal reset", "state WAIT_FOR_FINISH_RESET"};
    row("banner after half a line", {"OPEN_OK 15 SPP x", "LOCAL_ADDR=0017IOT747 B", "AudioAgent 7", "Ready"},
        restarted);
    row("banner in a data event", {"OPEN_OK 15 SPP x", "RECV 15 25 BT_RX MUTE_STATE AC", "IOT747 B", "Ready"},
        restarted);
    row("banner glued to a data event", {"OPEN_OK 15 SPP x", "RECV 15 25 BT_RX MUIOT747 B", "Ready"}, restarted);
    row("ERROR 0x0017", {"ERROR 0x0017"}, {"state INIT"});
    row("battery 2 pairs", {"AT+IPHONEACCEV=2,1,5,2,0"}, {"signal hpbattery 60"});
    row("battery full", {"AT+IPHONEACCEV=2,2,0,1,9"}, {"signal hpbattery 100"});
    row("battery without key 1", {"AT+IPHONEACCEV=1,2,3"}, {"signal hpbattery 50"});
    row("battery too few parts", {"AT+IPHONEACCEV=3,1,2,2,0"}, {"!signal hpbattery"});
    row("battery not a number", {"AT+IPHONEACCEV=x,1,2"}, {"!signal hpbattery"});
    row("malformed LINK", {"LINK zz CONNECTED A2DP x"}, {"!a2dp"});
    row("malformed NAME", {"NAME"}, {"state HARDWARE_RESET_START"});
}

void TestIdc777Analysis::events()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    Rig rig;
    rig.host.ownEvents.clear();
    rig.feedLines(lines);

    QStringList facts;
    if (rig.bt.isConnectedA2DP())
        facts << "a2dp";
    if (rig.bt.isConnectedRFCOMM())
        facts << "spp";
    if (rig.bt.connectedAGHFP())
        facts << "aghfp";
    if (rig.bt.isStreamingActive())
        facts << "streaming";
    if (rig.bt.pending())
        facts << "pending";
    if (rig.statusAsked())
        facts << "status asked";
    if (rig.bt.stateTimerInterval() >= 200)
        facts << "refresh" << QString("interval %1").arg(rig.bt.stateTimerInterval());
    facts << "state " + rig.state();
    facts << "fw " + rig.bt.getFwVersionBtModul();
    facts << QString("hpBatteryState %1").arg(rig.bt.getBtExtHeadphoneBatteryState());
    for (const QString& e : rig.host.ownEvents)
        facts << "host " + e;
    facts << QString("host calls %1").arg(rig.host.ownEvents.size());
    for (const QString& s : rig.seen())
        facts << "signal " + s;

    for (const QString& e : expected) {
        if (e.startsWith('!')) {
            for (const QString& f : facts)
                QVERIFY2(!f.startsWith(e.mid(1)), qPrintable(f));
        } else {
            QVERIFY2(facts.contains(e), qPrintable(e + " not in " + facts.join(", ")));
        }
    }
}

// A line sent just before the links closed is refused as "not connected":
// the machine must not leave a disconnect for it.
void TestIdc777Analysis::notConnectedWhileDisconnecting()
{
    Rig rig;
    rig.bt.disconnectBtDevice();
    rig.bt.holdStateMachine();
    rig.feedLines({"ERROR 0x0017"});
    QCOMPARE(rig.state(), QString("DISCONNECT"));
    rig.bt.tickNow();
    rig.bt.tickNow();
    QCOMPARE(rig.state(), QString("DISCONNECTED"));
    rig.bt.holdStateMachine();
    rig.feedLines({"ERROR 0x0017"});
    QCOMPARE(rig.state(), QString("DISCONNECTED"));
}

void TestIdc777Analysis::headsetVolumeOnlyOnTheHeadsetSide()
{
    Rig source("/dev/ttyO3", kHp);
    source.feedLines({"ABS_VOL 11 127", "ABS_VOL 12 60", "ABS_VOL 11 x", "ABS_VOL 11 4"});
    QCOMPARE(source.seen(), (QStringList{"hpvolume 94", "hpvolume 0"}));
    QCOMPARE(source.bt.getBtExtHeadphoneGain(), 0);

    Rig sink;
    sink.feedLines({"ABS_VOL 11 127"});
    QVERIFY(sink.seen().isEmpty());
}

void TestIdc777Analysis::statusCopiesOnlyACompleteAnswer()
{
    Rig rig;
    rig.feedLines({"OPEN_OK 15 SPP x", "OPEN_OK 10 A2DP x"});
    // A STATUS waits behind a long OPEN; its expiry must not touch the links.
    rig.bt.sendCmdAndWaitForResponse("OPEN x AVRCP", {"OPEN_OK"}, 35000);
    rig.bt.getStatusOfConnections();
    QVERIFY(rig.bt.statusWait());
    rig.bt.analyseReceivedStatus();
    QVERIFY(!rig.bt.statusWait());
    QVERIFY(rig.bt.isConnectedRFCOMM() && rig.bt.isConnectedA2DP());

    // Another command's OK while the query waits: flags stay.
    rig.bt.waitForCmdResponseTimeout();
    QCOMPARE(rig.bt.commandQueue().lastTransmitted(), QString("STATUS"));
    rig.feedLines({"OK"});
    QVERIFY(rig.bt.isConnectedRFCOMM() && rig.bt.isConnectedA2DP());

    // The query's own answer: STATE, its links, OK.
    rig.bt.getStatusOfConnections();
    rig.feedLines({"STATE CONNECTABLE[ON]", "LINK 10 CONNECTED A2DP x STREAMING", "OK"});
    QVERIFY(!rig.bt.statusWait());
    QVERIFY(rig.bt.isConnectedA2DP());
    QVERIFY(rig.bt.isStreamingActive());
    QVERIFY(!rig.bt.isConnectedRFCOMM());
    QCOMPARE(rig.bt.linkIdA2dp(), 0x10);

    // An ERROR ends the wait and copies nothing.
    rig.bt.getStatusOfConnections();
    rig.feedLines({"STATE x", "ERROR 0x0003"});
    QVERIFY(!rig.bt.statusWait());
    QVERIFY(rig.bt.isConnectedA2DP());
}

void TestIdc777Analysis::pairing_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("paired");
    const QString open = "OPEN_OK 10 A2DP AABBCCDDEEFF";
    const QString failed = "OPEN_ERROR 10 A2DP AABBCCDDEEFF";
    QTest::newRow("paired, confirmed twice") << QStringList{"PAIR_OK AABBCCDDEEFF", open, open} << true;
    // A pairing that stands while its first connection fails still counts.
    QTest::newRow("paired, open fails") << QStringList{"PAIR_OK AABBCCDDEEFF", failed} << true;
    QTest::newRow("plain ERROR") << QStringList{"ERROR", failed} << false;
    QTest::newRow("PAIR_ERROR") << QStringList{"PAIR_ERROR AABBCCDDEEFF", failed} << false;
}

void TestIdc777Analysis::pairing()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, paired);
    Rig rig;
    rig.bt.pairWithBtDevice("AABBCCDDEEFF");
    QCOMPARE(rig.bt.commandQueue().lastTransmitted(), QString("PAIR AABBCCDDEEFF"));
    rig.feedLines(answers.mid(0, 1));
    // The OPEN goes out, after the pairing pause unless the pairing was refused.
    const bool refused = answers.first().startsWith("PAIR_ERROR");
    QCOMPARE(rig.host.ownEvents.count("sleep 500"), refused ? 0 : 1);
    QCOMPARE(rig.bt.commandQueue().lastTransmitted(), QString("OPEN AABBCCDDEEFF A2DP"));
    QVERIFY(!rig.bt.isPairOk("AABBCCDDEEFF"));
    rig.feedLines(answers.mid(1));
    QCOMPARE(rig.seen(), paired ? QStringList{"paired"} : QStringList());
    QVERIFY(!rig.bt.pairingActive());
    const bool opened = answers.last().startsWith("OPEN_OK");
    QCOMPARE(rig.bt.isPairOk("AABBCCDDEEFF"), opened);
    QVERIFY(!rig.bt.isPairOk("112233445566"));
    if (opened)
        QCOMPARE(rig.bt.currentBtId(), QString("AABBCCDDEEFF"));
    else if (!refused)
        QCOMPARE(rig.state(), QString("INIT"));
}

void TestIdc777Analysis::invalidAddressMessage_data()
{
    QTest::addColumn<bool>("debug");
    QTest::addColumn<bool>("productionTest");
    QTest::newRow("user") << false << false;
    QTest::newRow("debug") << true << false;
    QTest::newRow("production test") << false << true;
}

void TestIdc777Analysis::invalidAddressMessage()
{
    QFETCH(bool, debug);
    QFETCH(bool, productionTest);
    const QString message = "message InvalidBluetoothAddressPleaseRestartPairing";
    Rig rig;
    rig.host.debug = debug;
    rig.host.productionTest = productionTest;
    auto listAnswer = [&rig] {
        rig.bt.sendCmdAndWaitForResponse("LIST", {"OK", "ERROR"}, 5000);
        rig.feedLines({"LIST BR/EDR 112233445566", "OK"});
    };
    // Not armed on a plain start; armed by a confirmation, then shown once.
    listAnswer();
    QVERIFY(!rig.host.ownEvents.contains(message));
    rig.feedLines({"OPEN_OK 10 A2DP x"});
    listAnswer();
    listAnswer();
    QCOMPARE(rig.host.ownEvents.count(message), debug || productionTest ? 0 : 1);
    QCOMPARE(rig.bt.btIdFromList(), QString("112233445566"));
}

void TestIdc777Analysis::configuredDeviceAnywhereInTheList()
{
    Rig rig;
    rig.feedLines({"OPEN_OK 10 A2DP x"});
    rig.bt.sendCmdAndWaitForResponse("LIST", {"OK", "ERROR"}, 5000);
    rig.feedLines({"LIST BR/EDR 112233445566", "LIST BR/EDR " + kMic, "LIST BR/EDR 665544332211", "OK"},
                  "\r\n");
    QCOMPARE(rig.bt.btIdFromList(), kMic);
    QVERIFY(rig.host.ownEvents.isEmpty());
    // Malformed list lines change nothing.
    rig.feedLines({"LIST", "LIST BR/EDR"});
    QCOMPARE(rig.bt.btIdFromList(), kMic);
}

void TestIdc777Analysis::productionHostShowsTheMessage()
{
    QString shownText;
    ModalHelper::onNextModal([&](QWidget* w) {
        for (QLabel* l : w->findChildren<QLabel*>())
            shownText += l->text();
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->isVisible()) {
                QTest::mouseClick(b, Qt::LeftButton);
                break;
            }
        }
    });
    const int button = AppBluetoothHost::instance().showErrorMessage("Error", "Please restart pairing.");
    QCOMPARE(button, 0);
    QVERIFY(shownText.contains("Please restart pairing."));
}

void TestIdc777Analysis::search()
{
    Rig rig;
    rig.bt.startInquiry();
    QCOMPARE(rig.bt.commandQueue().lastTransmitted(), QString("INQUIRY 10"));
    QVERIFY(rig.bt.waitForName());
    QByteArray text;
    for (int i = 0; i < 12; ++i) {
        QByteArray name = i == 1 ? "unknown" : "Dev " + QByteArray::number(i);
        if (i == 3)
            name = "";  // an empty pair of quotes matches nothing
        text += "INQUIRY 00000000000" + QByteArray::number(i, 16) + " \"" + name + "\" 2404" +
                QByteArray::number(i) + "0 -" + QByteArray::number(40 + i) + " dBm\r\n";
    }
    rig.bt.feed(text + "INQU_OK\r\n");
    // Only what getData() hands out is searched.
    QVERIFY(!rig.bt.getData().isEmpty());
    rig.bt.stopInquiry();
    const BluetoothDevice* d = rig.bt.btDevicesFromInquiry;
    QCOMPARE(d[0].btId, QString("000000000000"));
    QCOMPARE(d[0].btName, QString("Dev 0"));
    QCOMPARE(d[0].cod, QString("240400"));
    QVERIFY(d[3].btId.isEmpty());
    QCOMPARE(d[9].btName, QString("Dev 9"));
    QVERIFY(d[0].rssi.isEmpty());

    // "unknown" is asked for by name.
    QVERIFY(rig.bt.waitForName());
    QCOMPARE(rig.bt.commandQueue().lastTransmitted(), QString("NAME 000000000001"));
    rig.feedLines({"NAME 000000000001 \"Headset 2\""}, "\r\n");
    QCOMPARE(d[1].btName, QString("Headset 2"));
    QVERIFY(!rig.bt.waitForName());

    // A new search forgets the old records; a failed name query counts as answered.
    rig.bt.startInquiry();
    QVERIFY(d[0].btId.isEmpty());
    rig.bt.feed("\r\nINQUIRY 0000000000AA \"unknown\" 280404 -50 dBm\r\nrubbish INQUIRY\r\n");
    rig.bt.getData();
    rig.bt.stopInquiry();
    QCOMPARE(d[0].btName, QString("unknown"));
    QVERIFY(d[1].btId.isEmpty());
    QVERIFY(rig.bt.waitForName());
    rig.feedLines({"ERROR 0x0019"});
    QVERIFY(!rig.bt.waitForName());
}

QTEST_MAIN(TestIdc777Analysis)
#include "tst_idc777analysis.moc"
