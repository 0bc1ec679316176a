// IDC777 driver over a pseudo-terminal with a fake module: receiving,
// the command queue, accessory lines and the traffic log.
#include "Hardware/bluetoothtrafficlog.h"
#include "idc777peer.h"
#include "idc777testing.h"
#include "logcapture.h"
#include "testroot.h"

#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The driver on the sink's port, a fake module on the other end.
struct Rig {
    TestRoot root;
    Idc777Peer peer;
    RecordingBluetoothHost host;
    TestIdc777 bt{&host};

    // earlierLog: a traffic log left by an earlier run, there before init.
    explicit Rig(bool debug = false, const QByteArray& earlierLog = {})
    {
        host.debug = debug;
        if (!earlierLog.isEmpty())
            root.write("/media/vq4100/btInfo.txt", earlierLog);
        peer.start(root.path("/dev/ttyO2"));
        bt.initBluetooth("/dev/ttyO2", "00:11:22:33:44:55");
        bt.holdStateMachine();
        bt.holdTimeouts();
    }
    Idc777Module& module() { return peer.module(); }
    // The accessory link up on both sides, so the module takes "SEND".
    void linkUp()
    {
        module().addLink("SPP", "00:11:22:33:44:55");
        bt.setLink(true, true);
    }
    // The traffic log's lines without their time stamps; a line without
    // one is marked.
    QStringList traffic() const
    {
        static const QRegularExpression stamp("^\\d\\d:\\d\\d:\\d\\d (H->M|M->H) ");
        QStringList out;
        const QString text = QString::fromLatin1(root.read("/media/vq4100/btInfo.txt"));
        for (const QString& l : text.split('\n', Qt::SkipEmptyParts))
            out << (stamp.match(l).hasMatch() ? l.mid(9) : "unstamped: " + l);
        return out;
    }
};

QString frame(const QString& message)
{
    return "SEND 15 " + message + "\n";
}

}

class TestIdc777Link : public QObject
{
    Q_OBJECT
private slots:
    void burstIsFullyAnalysed();
    void splitCharactersNulsAndGarbage();
    void nestedEventLoopSeesEachLineOnce();
    void peerHangsUpAndReturns();

    void commandsGoOutOneAtATime();
    void duplicateCommands();
    void fullCommandQueueAsksForOneStatus();
    void overlongLinesAreRefused();
    void openWaitsWhilePairing();

    void messageFraming();
    void messageDedupAndNewestWins();
    void messagesDroppedWhileLinkDown();
    void messageReleasedByAnswer();
    void messageReleasedByTimeout();
    void accessorySenders();

    void trafficLogWithDebug();
    void trafficLogCapped();
    void noTrafficLogWithoutDebug();
    void unwritableTrafficLog();
    void portThatWontOpen();
};

void TestIdc777Link::burstIsFullyAnalysed()
{
    LogCapture log;
    Rig rig;
    QByteArray burst;
    int n = 0;
    while (burst.size() < 2048)
        burst += QString("NAME=device%1\r\n").arg(n++).toLatin1();
    rig.peer.write(burst);
    // Nothing follows the burst: its tail must not wait for more traffic.
    QTRY_COMPARE(rig.bt.getBtName(), QString("device%1").arg(n - 1));
    QCOMPARE(log.count("BT_M: NAME=device"), n);
    QCOMPARE(log.count(QString("BT_M: NAME=device%1").arg(n - 1)), 1);
}

void TestIdc777Link::splitCharactersNulsAndGarbage()
{
    LogCapture log;
    Rig rig;
    rig.peer.write("NAME=Gr\xC3");
    QTRY_COMPARE(rig.bt.pendingBytes(), QByteArray("NAME=Gr\xC3"));
    rig.peer.write("\xBC\xC3");
    QTRY_COMPARE(rig.bt.pendingBytes().size(), 10);
    rig.peer.write("\x9F\r\n");
    QTRY_COMPARE(rig.bt.getBtName(), QString::fromUtf8("Grüß"));

    rig.peer.write(QByteArray("NA\0ME=A\0B\r\n", 12));
    QTRY_COMPARE(rig.bt.getBtName(), QString("AB"));
    rig.peer.write("NAME=\xFF\xFE!\r\n");
    QTRY_VERIFY(rig.bt.getBtName().endsWith('!'));
    QVERIFY(rig.bt.getBtName().startsWith(QChar::ReplacementCharacter));

    // 4 KiB without a CR are dropped; the line after the next line end is
    // read as usual (the pty may hand over the overlong line in two reads,
    // the overflow seen after the first).
    rig.peer.write(QByteArray(5000, 'z'));
    QTRY_VERIFY(log.contains("Receive buffer overflow"));
    rig.peer.write("\r\nNAME=after\r\n");
    QTRY_COMPARE(rig.bt.getBtName(), QString("after"));
}

void TestIdc777Link::nestedEventLoopSeesEachLineOnce()
{
    Rig rig(true);
    bool nestedDone = false;
    int atOk = 0;
    QObject::connect(&rig.bt, &Bluetooth::btAtOk, [&] {
        ++atOk;
        // A receiver with its own modal loop, while the module prints more.
        rig.peer.write("NAME=one\r\nCOD=two\r\n");
        QEventLoop loop;
        // The port itself does not signal again inside its own signal;
        // anything else that reads now re-enters the analysis.
        QTimer::singleShot(100, &rig.bt, &BluetoothIDC777::readTtyData);
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
        nestedDone = true;
    });
    rig.bt.checkCmdAtOk();
    QTRY_VERIFY(nestedDone);
    QTRY_VERIFY(rig.traffic().size() >= 4);
    QStringList received;
    for (const QString& t : rig.traffic()) {
        if (t.startsWith("M->H "))
            received << t.mid(5);
    }
    QCOMPARE(received, (QStringList{"LOCAL_ADDR=0017E9A1B2C3", "OK", "NAME=one", "COD=two"}));
    QCOMPARE(atOk, 1);
    QCOMPARE(rig.bt.getBtName(), QString("one"));
    QVERIFY(!rig.bt.commandInFlight());
}

// The simulated device stopped and started again: the port is let go and
// taken again, without spinning meanwhile.
void TestIdc777Link::peerHangsUpAndReturns()
{
    LogCapture log;
    Rig rig;
    rig.peer.stop();
    rig.bt.sendData("GET NAME");
    QTRY_COMPARE(log.count("Serial port lost: /dev/ttyO2"), 1);
    QTest::qWait(BluetoothPort::kReopenMs * 3 / 2);
    QCOMPARE(log.count("Serial port lost"), 1);
    QVERIFY(rig.peer.start(rig.root.path("/dev/ttyO2")));
    QTRY_VERIFY(log.contains("Serial port open again: /dev/ttyO2"));
    rig.peer.write("NAME=back\r\n");
    QTRY_COMPARE(rig.bt.getBtName(), QString("back"));
    rig.bt.sendData("GET COD");
    QTRY_COMPARE(rig.module().commands(), QStringList{"GET COD"});
}

void TestIdc777Link::commandsGoOutOneAtATime()
{
    LogCapture log;
    Rig rig;
    rig.module().setAnswer("LIST", {"ERROR"});
    rig.bt.sendCmdAndWaitForResponse("LIST", {}, 5000);
    rig.bt.sendCmdAndWaitForResponse("CLOSE ALL", {"CLOSE_OK", "OK", "ERROR"}, 6000);
    rig.bt.sendCmdAndWaitForResponse("GET COD", {"OK", "ERROR"}, 2000);
    QCOMPARE(rig.bt.waitingCommands(), (QStringList{"CLOSE ALL", "GET COD"}));
    QTRY_VERIFY(log.contains("BT_M: ERROR"));
    // "ERROR" is not the "OK" that LIST waits for.
    QVERIFY(rig.bt.commandInFlight());
    QCOMPARE(rig.bt.commandQueue().responses(), QStringList{"OK"});
    QCOMPARE(rig.module().commands(), QStringList{"LIST"});
    // The time-out sends the next, not the same again; its answer the last.
    rig.bt.waitForCmdResponseTimeout();
    QTRY_COMPARE(rig.module().commands(), (QStringList{"LIST", "CLOSE ALL", "GET COD"}));
    QTRY_VERIFY(!rig.bt.commandInFlight());
    QCOMPARE(rig.module().received(), QByteArray("LIST\rCLOSE ALL\rGET COD\r"));
}

void TestIdc777Link::duplicateCommands()
{
    Rig rig;
    rig.module().setSilent("GET NAME");
    rig.bt.sendCmdAndWaitForResponse("GET NAME", {"OK"}, 2000);
    rig.bt.sendCmdAndWaitForResponse("GET COD", {"OK"}, 2000);
    rig.bt.sendCmdAndWaitForResponse("GET COD", {"OK", "ERROR"}, 9000);
    rig.bt.sendCmdAndWaitForResponse("GET NAME", {"OK"}, 2000);
    rig.bt.sendCmdAndWaitForResponse("", {"OK"}, 2000);
    QCOMPARE(rig.bt.waitingCommands(), (QStringList{"GET COD", "GET NAME"}));
    // The first of two equal entries keeps its answers and time-out.
    QCOMPARE(rig.bt.commandQueue().waiting().first().timeoutMs, 2000);
    rig.bt.waitForCmdResponseTimeout();
    QTRY_COMPARE(rig.module().commands(), (QStringList{"GET NAME", "GET COD", "GET NAME"}));
}

void TestIdc777Link::fullCommandQueueAsksForOneStatus()
{
    Rig rig;
    rig.module().setSilent("GET");
    QStringList expected;
    for (int i = 0; i <= 32; ++i) {
        expected << QString("GET K%1").arg(i);
        rig.bt.sendCmdAndWaitForResponse(expected.last(), {"OK"}, 2000);
    }
    QCOMPARE(rig.bt.commandQueue().count(), 32);
    QVERIFY(!rig.bt.statusWait());

    // The 34th and 35th: the queue is full; one STATUS takes the newest
    // place, and asking for it does not overflow again.
    for (const char* more : {"GET K33", "GET K34"}) {
        rig.bt.sendCmdAndWaitForResponse(more, {"OK"}, 2000);
        const QStringList waiting = rig.bt.waitingCommands();
        QCOMPARE(waiting.size(), 32);
        QCOMPARE(waiting.count("STATUS"), 1);
        QCOMPARE(waiting.last(), QString("STATUS"));
        QCOMPARE(waiting.at(30), QString("GET K31"));
        QVERIFY(rig.bt.statusWait());
        QVERIFY(rig.bt.statusTimerActive());
    }

    // Everything drains in order, STATUS last.
    for (int i = 0; i < 32; ++i)
        rig.bt.waitForCmdResponseTimeout();
    expected.last() = "STATUS";
    QTRY_COMPARE(rig.module().commands(), expected);
    QTRY_VERIFY(!rig.bt.commandInFlight());
    QCOMPARE(rig.bt.commandQueue().count(), 0);
}

void TestIdc777Link::overlongLinesAreRefused()
{
    LogCapture log;
    Rig rig;
    rig.linkUp();
    const QString longText(260, 'a');
    rig.bt.sendCmdAndWaitForResponse("SET NAME=" + longText, {"OK"}, 2000);
    QVERIFY(!rig.bt.commandInFlight());
    rig.bt.sendData("BT_TX " + longText);
    QVERIFY(!rig.bt.messages().isInFlight());
    QVERIFY(log.contains("too long"));
    // 254 bytes and the CR still fit.
    const QString fits = "SET NAME=" + QString(254 - 9, 'b');
    rig.bt.sendCmdAndWaitForResponse(fits, {"OK"}, 2000);
    QTRY_COMPARE(rig.module().commands(), QStringList{fits});
}

void TestIdc777Link::openWaitsWhilePairing()
{
    Rig rig;
    rig.bt.sendData("OPEN 001122334455 A2DP");
    QVERIFY(rig.host.ownEvents.isEmpty());
    rig.bt.setPairingActive(true);
    rig.bt.sendData("OPEN 001122334455 A2DP");
    rig.bt.sendData("CLOSE ALL");
    QCOMPARE(rig.host.ownEvents, QStringList{"sleep 500"});
    QTRY_COMPARE(rig.module().count("OPEN 001122334455 A2DP"), 2);
}

void TestIdc777Link::messageFraming()
{
    Rig rig;
    rig.linkUp();
    rig.bt.sendData("BT_TX B");
    QTRY_COMPARE(rig.module().received(), QByteArray("SEND 15 BT_TX B\n\r"));
    QVERIFY(rig.bt.messages().isInFlight());
    QVERIFY(rig.bt.transmitTimerActive());
    QCOMPARE(rig.module().sentMessages(), QStringList{"BT_TX B"});

    rig.module().clearRecords();
    rig.bt.answerFromDeviceReceived();
    rig.bt.setSppLinkId(3);
    rig.module().setAnswer("SEND 03", {"OK"});
    rig.bt.sendData("BT_TX T");
    QTRY_COMPARE(rig.module().received(), QByteArray("SEND 03 BT_TX T\n\r"));
}

void TestIdc777Link::messageDedupAndNewestWins()
{
    Rig rig;
    rig.linkUp();
    rig.bt.sendData("BT_TX S");
    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX T");
    rig.bt.sendData("BT_TX B");
    QCOMPARE(rig.bt.messages().waiting(), (QStringList{"BT_TX B", "BT_TX T"}));
    rig.bt.sendData("BT_TX I 0f MUTE SWITCH");
    rig.bt.analyseAnswerFromMic("BT_RX SENSVAL 0 0");
    rig.bt.analyseAnswerFromMic("BT_RX BATT_VOLTAGE 3900");
    rig.bt.analyseAnswerFromMic("BT_RX SENSOR 1");
    // "I ... MUTE" is out; an unmute and a mute again follow while it waits.
    rig.bt.sendData("BT_TX I 0f ACTIVE SWITCH");
    rig.bt.sendData("BT_TX I 0f MUTE SWITCH");
    QCOMPARE(rig.bt.messages().waiting(), QStringList{"BT_TX I 0f MUTE SWITCH"});
    rig.bt.analyseAnswerFromMic("BT_RX OK");
    QTRY_COMPARE(rig.module().sentMessages(), (QStringList{"BT_TX S", "BT_TX B", "BT_TX T", "BT_TX I 0f MUTE SWITCH",
                                                           "BT_TX I 0f MUTE SWITCH"}));
}

void TestIdc777Link::messagesDroppedWhileLinkDown()
{
    Rig rig;
    rig.bt.setLink(false, true);
    rig.bt.sendData("BT_TX B");
    // Read back even when nothing is sent.
    rig.bt.sendData("BT_TX I 1e MUTE SWITCH");
    QCOMPARE(rig.bt.getBtExtMicGain(), 30);

    rig.bt.setLink(true, false);
    rig.bt.sendData("BT_TX T");
    rig.bt.sendData("BT_TX I 05 MUTE SWITCH");
    QCOMPARE(rig.bt.getBtExtMicGain(), 30);

    rig.linkUp();
    rig.bt.setAudioTestModeFlag(true);
    rig.bt.sendData("BT_TX S");
    rig.bt.sendData("BT_TX I 07 MUTE SWITCH");
    QCOMPARE(rig.bt.getBtExtMicGain(), 30);
    QVERIFY(!rig.bt.messages().isInFlight());
    QCOMPARE(rig.bt.messages().count(), 0);

    // Nothing went before this command.
    rig.bt.sendCmdAndWaitForResponse("GET NAME", {"OK"}, 2000);
    QTRY_COMPARE(rig.module().commands(), QStringList{"GET NAME"});
}

void TestIdc777Link::messageReleasedByAnswer()
{
    Rig rig;
    rig.linkUp();
    QStringList order;
    QObject::connect(&rig.bt, &Bluetooth::btBatteryvoltageReceived, [&](QString v) {
        order << "battery " + v;
    });
    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX T");
    rig.bt.sendData("BT_TX S");
    rig.bt.analyseAnswerFromMic("BT_RX BATT_VOLTAGE 3900");
    QCOMPARE(order, QStringList{"battery 3900"});
    // One answer lets exactly one line go: strictly one in flight.
    QVERIFY(rig.bt.messages().isInFlight());
    QCOMPARE(rig.bt.messages().waiting(), QStringList{"BT_TX S"});
    QTRY_COMPARE(rig.module().sentMessages(), (QStringList{"BT_TX B", "BT_TX T"}));
    // A line that is not an accessory answer releases nothing.
    rig.bt.analyseAnswerFromMic("!$!");
    QCOMPARE(rig.bt.messages().waiting(), QStringList{"BT_TX S"});
    rig.bt.analyseAnswerFromMic("BT_RX SENSOR 1");
    rig.bt.analyseAnswerFromMic("BT_RX SENSVAL 100 5");
    QTRY_COMPARE(rig.module().sentMessages(), (QStringList{"BT_TX B", "BT_TX T", "BT_TX S"}));
    QVERIFY(!rig.bt.messages().isInFlight());
    QVERIFY(!rig.bt.transmitTimerActive());
}

void TestIdc777Link::messageReleasedByTimeout()
{
    Rig rig;
    rig.linkUp();
    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX T");
    rig.bt.transmitTimeout();
    QVERIFY(rig.bt.statusWait());
    QVERIFY(rig.bt.messages().isInFlight());
    QTRY_COMPARE(rig.module().commands(), (QStringList{frame("BT_TX B"), "STATUS", frame("BT_TX T")}));
    // The unanswered line is not repeated; with nothing waiting the channel is free.
    rig.bt.transmitTimeout();
    QVERIFY(!rig.bt.messages().isInFlight());
    QCOMPARE(rig.module().sentMessages(), (QStringList{"BT_TX B", "BT_TX T"}));
}

void TestIdc777Link::accessorySenders()
{
    Rig rig;
    rig.host.switchMode = false;
    // Before the module is initialised the parameters are only kept.
    QCOMPARE(rig.bt.sendMicInitParameter(5, 0, 1), 0);
    rig.bt.setBtExtMicGain(10);
    QCOMPARE(rig.bt.getBtExtMicGain(), 10);

    rig.linkUp();
    rig.bt.sendMicInitParameter(5, 0, 1);
    rig.bt.setBtExtMicGain(10);
    rig.bt.sendDebugCmd();
    rig.bt.analyseAnswerFromMic("BT_RX OK");
    rig.bt.analyseAnswerFromMic("BT_RX OK");
    rig.host.switchMode = true;
    rig.bt.sendMicInitParameter(0x12, 1, 0);
    QTRY_COMPARE(rig.module().sentMessages(),
                 (QStringList{"BT_TX I 05 ACTIVE PUSHBUT", "BT_TX G 0a", "BT_TX X DEBUG"}));
    QCOMPARE(rig.bt.messages().waiting(), QStringList{"BT_TX I 12 MUTE SWITCH"});
    QCOMPARE(rig.bt.getBtExtMicGain(), 0x12);
}

void TestIdc777Link::trafficLogWithDebug()
{
    Rig rig(true, "from an earlier run\n");
    QVERIFY(!rig.root.exists("/media/vq4100/btInfo.txt"));
    rig.linkUp();
    rig.bt.sendData("BT_TX B");
    rig.bt.sendData("BT_TX T");  // logged when queued and again when sent
    rig.bt.analyseAnswerFromMic("BT_RX OK");
    QTRY_COMPARE(rig.module().count(frame("BT_TX T")), 1);
    QTRY_COMPARE(rig.traffic().count("M->H OK"), 2);
    const QStringList texts = rig.traffic();
    QCOMPARE(texts.filter("unstamped: "), QStringList());
    QCOMPARE(texts.count("H->M BT_TX B"), 1);
    QCOMPARE(texts.count("H->M BT_TX T"), 2);
}

void TestIdc777Link::trafficLogCapped()
{
    Rig rig(true);
    const QByteArray line = "12:00:00 M->H OLD\n";
    rig.root.write("/media/vq4100/btInfo.txt", line.repeated(BluetoothTrafficLog::kMaxBytes / line.size() + 1));
    rig.peer.write("NAME=x\r\n");
    QTRY_COMPARE(rig.bt.getBtName(), QString("x"));
    const QByteArray log = rig.root.read("/media/vq4100/btInfo.txt");
    QVERIFY(log.size() <= BluetoothTrafficLog::kMaxBytes / 2);
    QVERIFY(log.startsWith(line));
    QVERIFY(log.endsWith(" M->H NAME=x\n"));
}

void TestIdc777Link::noTrafficLogWithoutDebug()
{
    Rig rig(false);
    rig.root.write("/media/vq4100/btInfo.txt", "kept\n");
    rig.linkUp();
    rig.bt.sendData("BT_TX B");
    QTRY_COMPARE(rig.module().sentMessages(), QStringList{"BT_TX B"});
    rig.bt.sendCmdAndWaitForResponse("GET NAME", {"OK"}, 2000);
    QTRY_VERIFY(!rig.bt.commandInFlight());
    QCOMPARE(rig.root.read("/media/vq4100/btInfo.txt"), QByteArray("kept\n"));
}

void TestIdc777Link::unwritableTrafficLog()
{
    LogCapture log;
    Rig rig(true);
    QVERIFY(QDir().mkpath(rig.root.path("/media/vq4100/btInfo.txt")));
    rig.linkUp();
    rig.bt.sendData("BT_TX B");
    QVERIFY(log.contains("Could not open file:"));
    QTRY_COMPARE(rig.module().sentMessages(), QStringList{"BT_TX B"});
}

void TestIdc777Link::portThatWontOpen()
{
    LogCapture log;
    TestRoot root;
    QVERIFY(root.remove("/sys/class/gpio/gpio58/value"));
    QVERIFY(QDir(root.path("/sys/class/gpio/gpio58")).removeRecursively());
    RecordingBluetoothHost host;
    TestIdc777 bt(&host);
    bt.initBluetooth("/dev/ttyO2", "00:11:22:33:44:55");
    QVERIFY(log.contains("Port cannot be opened: /dev/ttyO2"));
    QVERIFY(log.contains("GPIO line missing: /sys/class/gpio/gpio58/value"));
    // The driver runs on: commands wait and time out as usual.
    bt.sendCmdAndWaitForResponse("GET NAME", {"OK"}, 2000);
    bt.sendCmdAndWaitForResponse("GET COD", {"OK"}, 2000);
    QVERIFY(bt.commandInFlight());
    bt.waitForCmdResponseTimeout();
    QCOMPARE(bt.commandQueue().lastTransmitted(), QString("GET COD"));
    QCOMPARE(bt.getData(), QString());
}

QTEST_GUILESS_MAIN(TestIdc777Link)
#include "tst_idc777link.moc"
