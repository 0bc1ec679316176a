// The accessory text protocol, the accessory-line queue and the receive
// buffer, without a serial port.
#include "Hardware/accessorymessagequeue.h"
#include "Hardware/accessoryprotocol.h"
#include "Hardware/serialreceiver.h"
#include "idc777testing.h"
#include "logcapture.h"
#include "signalrecorder.h"

#include <QtTest>

namespace {

// A queue whose channel is taken by a line written directly.
AccessoryMessageQueue busyQueue()
{
    AccessoryMessageQueue q;
    q.offer({true, true, false});
    return q;
}

}

class TestAccessoryProtocol : public QObject
{
    Q_OBJECT
private slots:
    void unitLines();
    void accessoryLines_data();
    void accessoryLines();
    void firmwareVersionIsKept();

    void queueGatesAndInFlight();
    void requestsKeepTheirDedup();
    void settingsNewestWins();
    void fullQueueReplacesNewest();

    void receiverCutsAfterCr();
    void receiverCutsAfterCrLf();
    void receiverDecodesWholeLines();
    void receiverDropsLongGarbage();
    void receiverCopyKeepsNewestAndWholeCharacters();
};

void TestAccessoryProtocol::unitLines()
{
    QCOMPARE(AccessoryProtocol::micInitLine(0x12, 1, true), QString("BT_TX I 12 MUTE SWITCH"));
    QCOMPARE(AccessoryProtocol::micInitLine(5, 0, false), QString("BT_TX I 05 ACTIVE PUSHBUT"));
    // Only 1 means muted.
    QCOMPARE(AccessoryProtocol::micInitLine(0xff, 2, false), QString("BT_TX I ff ACTIVE PUSHBUT"));
    QCOMPARE(AccessoryProtocol::micGainLine(10), QString("BT_TX G 0a"));
    QCOMPARE(AccessoryProtocol::micGainLine(21), QString("BT_TX G 15"));

    // The start gain read back from an I line; garbage reads as 0.
    const QList<QPair<const char*, int>> readBack = {
        {"BT_TX I 1e MUTE SWITCH", 30}, {"BT_TX I  0a\tACTIVE", 10}, {"BT_TX I zz MUTE", 0}, {"BT_TX I", 0}};
    for (const auto& r : readBack) {
        int gain = -1;
        QVERIFY2(AccessoryProtocol::micInitGain(r.first, &gain), r.first);
        QCOMPARE(gain, r.second);
    }
    int gain = -1;
    QVERIFY(!AccessoryProtocol::micInitGain("BT_TX G 0a", &gain));
}

void TestAccessoryProtocol::accessoryLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");
    const QString a = "answer";
    QTest::newRow("mute ACTIVE") << "BT_RX MUTE_STATE ACTIVE" << QStringList{a, "mute 0"};
    QTest::newRow("mute MUTE") << "BT_RX MUTE_STATE MUTE" << QStringList{a, "mute 1"};
    QTest::newRow("mute lower case") << "BT_RX MUTE_STATE active" << QStringList{a, "mute 1"};
    QTest::newRow("mute no word") << "BT_RX MUTE_STATE" << QStringList{a, "mute 1"};
    QTest::newRow("mute two blanks") << "BT_RX MUTE_STATE  ACTIVE" << QStringList{a, "mute 0"};
    QTest::newRow("alert") << "BT_RX ALERT 0" << QStringList{a, "alert 0"};
    QTest::newRow("sensor") << "BT_RX SENSOR 2" << QStringList{a, "sensor 2"};
    QTest::newRow("battery") << "BT_RX BATT_VOLTAGE 3900" << QStringList{a, "battery 3900"};
    QTest::newRow("sensval") << "BT_RX SENSVAL 512 30" << QStringList{a, "sensval 512,30"};
    QTest::newRow("sensval short") << "BT_RX SENSVAL 512" << QStringList{a, "sensval 512,"};
    QTest::newRow("fh ok") << "BT_RX FH OK" << QStringList{a, "fh 1"};
    QTest::newRow("fh err") << "BT_RX FH ERR" << QStringList{a, "fh 0"};
    QTest::newRow("fd 007 ok") << "BT_RX FD 007 OK" << QStringList{a, "fd 7 1"};
    QTest::newRow("fd 007 err") << "BT_RX FD 007 ERR" << QStringList{a, "fd 7 0"};
    QTest::newRow("fd no words") << "BT_RX FD" << QStringList{a, "fd 0 0"};
    QTest::newRow("fd not a number") << "BT_RX FD x1 OK" << QStringList{a, "fd 0 1"};
    QTest::newRow("fs") << "BT_RX FS OK" << QStringList{a, "fs 1"};
    QTest::newRow("fw") << "BT_RX FW-VERSION 1.23" << QStringList{a, "fw 1.23"};
    QTest::newRow("hw") << "BT_RX HW-VERSION B" << QStringList{a, "hw B"};
    QTest::newRow("mic gain") << "BT_RX MIC-GAIN 0f" << QStringList{a, "micgain 0f"};
    QTest::newRow("button") << "BT_RX BUTTON SWITCH" << QStringList{a, "button SWITCH"};
    // The host's call first, then battery, type and ready.
    QTest::newRow("rdy") << "BT_RX RDY 3900 2"
                         << QStringList{a, "updateMicrophoneParameter", "battery 3900", "sensor 2", "rdy"};
    QTest::newRow("ok") << "BT_RX OK" << QStringList{a};
    QTest::newRow("rcvok") << "BT_RX RCVOK 1" << QStringList{a};
    QTest::newRow("x") << "BT_RX X DEBUG" << QStringList{a};
    QTest::newRow("unknown keyword") << "BT_RX PRESSURE 1 2" << QStringList{a};
    QTest::newRow("pressure on") << "BT_RX PRESSURE_ON 25 409 3685" << QStringList{a, "pressure 1 25 409 3685"};
    QTest::newRow("pressure off") << "BT_RX PRESSURE_OFF" << QStringList{a, "pressure 0 0 0 4095"};
    QTest::newRow("pressure data") << "BT_RX PRESSURE_DATA 3 199 E65  ff  " << QStringList{a, "data 3 [199 E65  ff]"};
    QTest::newRow("pressure data negative") << "BT_RX PRESSURE_DATA -5" << QStringList{a, "data -5 []"};
    for (const char* bad : {"PRESSURE_ON 2.5 409 3685", "PRESSURE_ON 25 409 4096", "PRESSURE_ON 25 -1 3685",
                            "PRESSURE_ON 25 409", "PRESSURE_DATA x 199 ", "PRESSURE_DATA  3 199 "})
        QTest::newRow(bad) << QString("BT_RX ") + bad << QStringList{a};
    QTest::newRow("keyword case") << "BT_RX alert 1" << QStringList{a};
    QTest::newRow("termination") << "!$!" << QStringList{"end"};
    QTest::newRow("termination text") << "!$!END" << QStringList{"end"};
    QTest::newRow("termination prefixed") << "BT_RX !$!" << QStringList{a, "end"};
    QTest::newRow("not accessory") << "HELLO BT_RX ALERT 1" << QStringList{};
    QTest::newRow("unit line") << "BT_TX B" << QStringList{};
}

void TestAccessoryProtocol::accessoryLines()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    RecordingBluetoothHost host;
    TestIdc777 bt(&host);
    QStringList got;
    host.events = &got;  // host calls and signals in one order
    recordSignals(bt, &got);
    AccessoryProtocol::dispatch(bt, host, line, "M:");
    QCOMPARE(got, expected);
}

void TestAccessoryProtocol::firmwareVersionIsKept()
{
    RecordingBluetoothHost host;
    TestIdc777 bt(&host);
    bt.analyseAnswerFromMic("BT_RX FW-VERSION 2.07");
    QCOMPARE(bt.fwVersion(), QString("2.07"));
    QString version = "old";
    AccessoryProtocol::dispatch(bt, host, "BT_RX HW-VERSION 3", "", &version);
    QCOMPARE(version, QString("old"));
}

void TestAccessoryProtocol::queueGatesAndInFlight()
{
    using Offer = AccessoryMessageQueue::Offer;
    AccessoryMessageQueue q;
    QCOMPARE(q.offer({true, true, true}), Offer::Ignored);
    QCOMPARE(q.offer({false, true, false}), Offer::Dropped);
    QCOMPARE(q.offer({true, false, false}), Offer::Dropped);
    QVERIFY(!q.isInFlight());
    QCOMPARE(q.offer({true, true, false}), Offer::SendNow);
    QVERIFY(q.isInFlight());
    QCOMPARE(q.offer({true, true, false}), Offer::Wait);

    // Released with nothing waiting: the channel is free, nothing to send.
    QString next;
    QVERIFY(!q.release(&next));
    QVERIFY(!q.isInFlight());

    q.offer({true, true, false});
    q.enqueue("BT_TX B");
    q.enqueue("BT_TX T");
    QVERIFY(q.release(&next));
    QCOMPARE(next, QString("BT_TX B"));
    QCOMPARE(q.lastTaken(), QString("BT_TX B"));
    QCOMPARE(q.waiting(), QStringList{"BT_TX T"});
    q.clear();
    QCOMPARE(q.count(), 0);
    QVERIFY(q.lastTaken().isEmpty());
}

void TestAccessoryProtocol::requestsKeepTheirDedup()
{
    using Added = AccessoryMessageQueue::Added;
    AccessoryMessageQueue q = busyQueue();
    QCOMPARE(q.enqueue("BT_TX B"), Added::Queued);
    QCOMPARE(q.enqueue("BT_TX T"), Added::Queued);
    QCOMPARE(q.enqueue("BT_TX B"), Added::Duplicate);
    QCOMPARE(q.waiting(), (QStringList{"BT_TX B", "BT_TX T"}));

    // Equal to the line last taken from the queue: dropped too.
    QString next;
    q.release(&next);
    QCOMPARE(q.enqueue("BT_TX B"), Added::Duplicate);
    QCOMPARE(q.waiting(), QStringList{"BT_TX T"});
}

void TestAccessoryProtocol::settingsNewestWins()
{
    AccessoryMessageQueue q = busyQueue();
    q.enqueue("BT_TX I 0f MUTE SWITCH");
    q.enqueue("BT_TX B");
    q.enqueue("BT_TX I 0f ACTIVE SWITCH");
    QCOMPARE(q.waiting(), (QStringList{"BT_TX B", "BT_TX I 0f ACTIVE SWITCH"}));

    // "I ... MUTE" taken from the queue, "I ... ACTIVE" waiting, a new
    // "I ... MUTE": the accessory must end muted.
    AccessoryMessageQueue r = busyQueue();
    r.enqueue("BT_TX I 0f MUTE SWITCH");
    QString next;
    r.release(&next);
    r.offer({true, true, false});
    r.enqueue("BT_TX I 0f ACTIVE SWITCH");
    QCOMPARE(r.enqueue("BT_TX I 0f MUTE SWITCH"), AccessoryMessageQueue::Added::Queued);
    QCOMPARE(r.waiting(), QStringList{"BT_TX I 0f MUTE SWITCH"});

    // Gains the same way; the pressure stream's start and stop are one setting.
    for (const char* line : {"BT_TX G 0a", "BT_TX RS", "BT_TX G 0c", "BT_TX RP"})
        r.enqueue(line);
    QCOMPARE(r.waiting(), (QStringList{"BT_TX I 0f MUTE SWITCH", "BT_TX G 0c", "BT_TX RP"}));
    QCOMPARE(AccessoryMessageQueue::settingOf("BT_TX FD 000 064 00"), QString());
    QCOMPARE(AccessoryMessageQueue::settingOf("BT_TX IX"), QString());
}

void TestAccessoryProtocol::fullQueueReplacesNewest()
{
    using Added = AccessoryMessageQueue::Added;
    AccessoryMessageQueue q = busyQueue();
    for (int i = 0; i < AccessoryMessageQueue::kCapacity; ++i)
        QCOMPARE(q.enqueue(QString("BT_TX FD %1").arg(i, 3, 10, QLatin1Char('0'))), Added::Queued);
    QCOMPARE(q.enqueue("BT_TX S"), Added::ReplacedNewest);
    QCOMPARE(q.count(), 32);
    QCOMPARE(q.waiting().last(), QString("BT_TX S"));
    QCOMPARE(q.waiting().at(30), QString("BT_TX FD 030"));
    // A setting that replaces a waiting one of its kind needs no new place.
    q = busyQueue();
    q.enqueue("BT_TX G 01");
    for (int i = 1; i < AccessoryMessageQueue::kCapacity; ++i)
        q.enqueue(QString("BT_TX FD %1").arg(i));
    QCOMPARE(q.enqueue("BT_TX G 02"), Added::Queued);
    QCOMPARE(q.waiting().last(), QString("BT_TX G 02"));
    QCOMPARE(q.count(), 32);
    // Polls that fill the queue never push out a setting.
    AccessoryMessageQueue p(AccessoryMessageQueue::Policy::Plain);
    p.offer({true, true, false});
    for (int i = 1; i < AccessoryMessageQueue::kCapacity; ++i)
        p.enqueue("BT_TX S");
    p.enqueue("BT_TX I 0f ACTIVE SWITCH");
    QCOMPARE(p.enqueue("BT_TX S"), Added::ReplacedNewest);
    QCOMPARE(p.waiting().mid(29), (QStringList{"BT_TX S", "BT_TX I 0f ACTIVE SWITCH", "BT_TX S"}));
    QCOMPARE(p.count(), 32);
    // Only settings waiting: a poll is refused; a setting takes the place of
    // an overridden one, never the newest state of its kind.
    AccessoryMessageQueue m(AccessoryMessageQueue::Policy::Plain);
    m.offer({true, true, false});
    for (int i = 0; i < AccessoryMessageQueue::kCapacity; ++i)
        m.enqueue(i % 2 ? "BT_TX I 0f MUTE SWITCH" : "BT_TX I 0f ACTIVE SWITCH");
    QCOMPARE(m.enqueue("BT_TX S"), Added::Refused);
    QCOMPARE(m.waiting().last(), QString("BT_TX I 0f MUTE SWITCH"));
    QCOMPARE(m.enqueue("BT_TX G 03"), Added::ReplacedNewest);
    QCOMPARE(m.waiting().mid(29), (QStringList{"BT_TX I 0f MUTE SWITCH", "BT_TX I 0f MUTE SWITCH", "BT_TX G 03"}));
}

void TestAccessoryProtocol::receiverCutsAfterCr()
{
    SerialReceiver rx(SerialReceiver::LineEnd::AfterCr);
    rx.append("OK\r\nLIST 1\r\nhal");
    QString line;
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("OK\r"));
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("\nLIST 1\r"));
    QVERIFY(!rx.takeLine(&line));
    QCOMPARE(rx.pending(), QByteArray("\nhal"));
    rx.append("f\r");
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("\nhalf\r"));
}

void TestAccessoryProtocol::receiverCutsAfterCrLf()
{
    SerialReceiver rx(SerialReceiver::LineEnd::AfterCrLf);
    rx.append("A\nB\r");
    QString line;
    QVERIFY(!rx.hasLine());
    rx.append("\nC\r");
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("A\nB\r\n"));
    QVERIFY(!rx.takeLine(&line));
    QCOMPARE(rx.pending(), QByteArray("C\r"));
}

void TestAccessoryProtocol::receiverDecodesWholeLines()
{
    SerialReceiver rx(SerialReceiver::LineEnd::AfterCr);
    rx.append("NAME=Gr\xC3");
    rx.append("\xBC\xC3");
    rx.append(QByteArray("\x9F\0\r", 3));
    QString line;
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString::fromUtf8("NAME=Grüß\r"));

    rx.append(QByteArray("A\0B\0\0C\r", 7));
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("ABC\r"));

    rx.append("X\xFF\xFEY\r");
    QVERIFY(rx.takeLine(&line));
    QVERIFY(line.startsWith('X'));
    QVERIFY(line.contains(QChar::ReplacementCharacter));
    QVERIFY(line.endsWith("Y\r"));
}

void TestAccessoryProtocol::receiverDropsLongGarbage()
{
    LogCapture log;
    SerialReceiver rx(SerialReceiver::LineEnd::AfterCr);
    rx.append("OK\r");
    rx.append(QByteArray(SerialReceiver::kMaxPending, 'x'));
    QCOMPARE(rx.pending().size(), 3 + SerialReceiver::kMaxPending);
    QVERIFY(!log.contains("overflow"));
    rx.append("y");
    QVERIFY(log.contains("Receive buffer overflow"));
    // The complete line before the garbage survives; the garbage is gone.
    QString line;
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("OK\r"));
    QVERIFY(rx.pending().isEmpty());
    rx.append("READY\r");
    QVERIFY(rx.takeLine(&line));
    QCOMPARE(line, QString("READY\r"));
}

void TestAccessoryProtocol::receiverCopyKeepsNewestAndWholeCharacters()
{
    SerialReceiver rx(SerialReceiver::LineEnd::AfterCr);
    rx.append("OK");
    QVERIFY(!rx.copyContainsAny("\r\n"));
    rx.append("\rGr\xC3");
    QVERIFY(rx.copyContainsAny("\r\n"));
    // Half a character stays for the next hand-out.
    QCOMPARE(rx.takeCopy(), QString("OK\rGr"));
    rx.append("\xBC\n");
    QCOMPARE(rx.takeCopy(), QString::fromUtf8("ü\n"));
    QCOMPARE(rx.takeCopy(), QString());

    // Only the newest 64 KiB are kept, cut at a character boundary.
    QByteArray big;
    while (big.size() < SerialReceiver::kCopyLimit + 10)
        big.append("\xC3\xA4");  // "ä"
    rx.append("first\r");
    rx.append(big);
    rx.append("last\r");
    const QString copy = rx.takeCopy();
    QVERIFY(!copy.contains("first"));
    QVERIFY(copy.endsWith("last\r"));
    QVERIFY(!copy.contains(QChar::ReplacementCharacter));
    QVERIFY(copy.toUtf8().size() <= SerialReceiver::kCopyLimit);
    // Taken out of the copy only: the analysis buffer is untouched.
    rx.clearCopy();
    QVERIFY(rx.hasLine());
}

QTEST_GUILESS_MAIN(TestAccessoryProtocol)
#include "tst_accessoryprotocol.moc"
