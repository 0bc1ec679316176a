// The firmware update: the unit's file staged through the copy thread, with
// the reboot requested only after a complete copy; the TB-9's file sent over
// its text link step by step; and the ways either fails.
#include "Management/accessoryupdate.h"
#include "Management/firmwareupdate.h"
#include "Tools/filecopythread.h"
#include "fulldisk.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

const QString kUnitFile = "/media/vq4100/FW_VQA4100_2.0.0.vq4";
const QString kStaged = "/home/root/firmware/FW_VQA4100_2.0.0.vq4";
const QString kRunmode = "/media/ramdisk/runmode";
const QString kTb9File = "/media/vq4100/FW_TB9_1.05.tb9";

QByteArray pattern(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 13 + i / 97) & 0xff);
    return data;
}

QString text(const char* key)
{
    return QCoreApplication::translate("Firmwareupdate", key);
}

// Fails its second read: with an error, or because the source was cut.
class FailingCopy : public FileCopyThread
{
public:
    QString cut;  // mapped source path to shorten instead
    int reads = 0;

protected:
    qint64 readPart(QFile& source, char* buffer, qint64 maxSize) override
    {
        if (reads++ == 1) {
            if (cut.isEmpty())
                return -1;
            QFile::resize(cut, 1000);
        }
        return FileCopyThread::readPart(source, buffer, maxSize);
    }
};

// A main window and the dialog on it. Every message is answered with its
// middle button (Yes to a question, OK to a note) and its text kept.
struct Rig {
    TestUnit unit;
    std::unique_ptr<Firmwareupdate> dialog;
    QStringList messages;
    ModalCloser closer{[this](QWidget* w) {
        if (auto* info = w->findChild<QLabel*>("labelInfotext"))
            messages << info->text();
        if (auto* b = w->findChild<QPushButton*>("butMiddle"))
            b->click();
    }};

    explicit Rig(bool link = true)
    {
        unit.start();
        TestUnit::holdStatusPolls();
        sink()->rfcomm = link;
    }
    ~Rig() { Firmwareupdate::setCopierFactory(nullptr); }
    RecordingBluetooth* sink() { return unit.sink(); }
    void open()
    {
        dialog = std::make_unique<Firmwareupdate>(unit.window());
        dialog->show();
    }
    QListWidget* list() { return dialog->findChild<QListWidget*>("listFiles"); }
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text().section('\n', 0, 0);
        return out;
    }
    // Down to the row and OK, as the key filter gives them: without text.
    void choose(int row)
    {
        list()->setCurrentRow(0);
        for (int i = 0; i < row * 2 + 2; ++i) {
            QKeyEvent key(i % 2 ? QEvent::KeyRelease : QEvent::KeyPress, i < row * 2 ? Qt::Key_Down : Qt::Key_Space,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(list(), &key);
        }
    }
    int progress() { return dialog->findChild<QProgressBar*>()->value(); }
    QStringList stagedFiles()
    {
        return QDir(unit.root.path("/home/root/firmware")).entryList(QDir::Files | QDir::Hidden);
    }
    // An accessory event: "end" (the "!$!" line), "fh ok", "fd 1 err",
    // "fs ok", "rdy", "ver 1.05", "timeout" (the wait runs out), "back".
    void act(const QString& step)
    {
        const QStringList w = step.split(' ');
        const bool ok = w.last() == "ok";
        if (w[0] == "end")
            emit sink()->terminationStringDetected();
        else if (w[0] == "fh")
            emit sink()->btFwHeaderReceived(ok);
        else if (w[0] == "fd")
            emit sink()->btFwDataReceived(w[1].toInt(), ok);
        else if (w[0] == "fs")
            emit sink()->btFwStartUpdateReceived(ok);
        else if (w[0] == "rdy")
            emit sink()->btRdyReceived();
        else if (w[0] == "ver")
            emit sink()->btFirmwareVersion(w[1]);
        else if (w[0] == "timeout")
            dialog->findChild<AccessoryUpdate*>()->answerMissing();
        else if (w[0] == "back")
            dialog->findChild<QPushButton*>("butMenuBack")->click();
    }
};

QString packet(int n, const QByteArray& image)
{
    const QByteArray part = image.mid(n * 64, 64);
    return QString("BT_TX FD %1 %2 ").arg(n, 3, 10, QLatin1Char('0')).arg(part.size(), 3, 10, QLatin1Char('0'))
           + part.toHex();
}

}

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT
private slots:
    void unitUpdate_data();
    void unitUpdate();
    void unitUpdateFails_data();
    void unitUpdateFails();
    void accessoryUpdate();
    void accessoryStops_data();
    void accessoryStops();
    void filesRefused_data();
    void filesRefused();
};

void TestFirmwareUpdate::unitUpdate_data()
{
    QTest::addColumn<bool>("stagingFolder");
    QTest::newRow("older file staged") << true;
    QTest::newRow("no staging folder") << false;
}

void TestFirmwareUpdate::unitUpdate()
{
    QFETCH(bool, stagingFolder);
    Rig rig;
    const QByteArray image = pattern(3 * 1024 * 1024);
    QVERIFY(rig.unit.root.write(kUnitFile, image));
    if (stagingFolder)
        QVERIFY(rig.unit.root.write("/home/root/firmware/FW_VQA4100_1.9.vq4", "old"));
    else
        QVERIFY(QDir(rig.unit.root.path("/home/root/firmware")).removeRecursively());
    rig.unit.root.clearCommands();
    rig.open();
    QCOMPARE(rig.rows(), QStringList{"Unit: 1.11.0 → 2.0.0"});
    QCOMPARE(rig.dialog->findChild<QTimer*>("progressTimer")->interval(), 500);

    rig.choose(0);
    // Back waits for the copy.
    rig.act("back");
    QVERIFY(rig.dialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(rig.unit.root.commands().contains("reboot"), 60000);
    QCOMPARE(rig.progress(), 100);
    QCOMPARE(rig.unit.root.read(kRunmode), QByteArray("reboot"));
    QCOMPARE(rig.unit.root.commands().last(), QString("reboot"));
    QCOMPARE(rig.stagedFiles(), QStringList{"FW_VQA4100_2.0.0.vq4"});
    QVERIFY(rig.unit.root.read(kStaged) == image);
    QCOMPARE(rig.messages.size(), 1);  // the question only
}

void TestFirmwareUpdate::unitUpdateFails_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");  // key
    const QString notCopied = "TheUpdateFileWasNotCopiedCompletely";
    QTest::newRow("read error") << "read error" << notCopied;
    QTest::newRow("source cut") << "source cut" << notCopied;
    QTest::newRow("storage full") << "storage full" << notCopied;
    QTest::newRow("staging folder is a file") << "folder is a file" << "TheUpdateCannotBeStoredOnTheUnit";
    QTest::newRow("run mode not writable") << "ramdisk is a file" << "TheUnitCannotBePreparedForTheUpdate";
}

void TestFirmwareUpdate::unitUpdateFails()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    Rig rig;
    TestRoot& root = rig.unit.root;
    QVERIFY(root.write(kUnitFile, pattern(3 * 1024 * 1024)));
    // A request left from an earlier attempt goes too.
    QVERIFY(root.write(kRunmode, "reboot"));
    if (fault == "read error" || fault == "source cut") {
        const QString cut = fault == "source cut" ? root.path(kUnitFile) : QString();
        Firmwareupdate::setCopierFactory([cut] {
            auto* copy = new FailingCopy;
            copy->cut = cut;
            return copy;
        });
    } else if (fault == "folder is a file") {
        QVERIFY(QDir(root.path("/home/root/firmware")).removeRecursively());
        QVERIFY(root.write("/home/root/firmware", "a file"));
    }
    root.clearCommands();
    rig.open();
    std::unique_ptr<FullDisk> full(fault == "storage full" ? new FullDisk(1024 * 1024) : nullptr);
    if (fault == "ramdisk is a file") {
        QVERIFY(QDir(root.path("/media/ramdisk")).removeRecursively());
        QVERIFY(root.write("/media/ramdisk", "a file"));
    }
    rig.choose(0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), 2, 60000);
    full.reset();
    QCOMPARE(rig.messages.last(), text(qPrintable(message)));
    QVERIFY(!root.exists(kRunmode));
    QVERIFY(!root.commands().contains("reboot"));
    if (fault != "folder is a file")
        QCOMPARE(rig.stagedFiles(), QStringList());
    QCOMPARE(rig.progress(), 0);
    // Nothing runs any more: Back closes.
    rig.act("back");
    QVERIFY(!rig.dialog->isVisible());
}

void TestFirmwareUpdate::accessoryUpdate()
{
    Rig rig;
    const QByteArray image = pattern(130);
    QVERIFY(rig.unit.root.write(kTb9File, image));
    QVERIFY(rig.unit.root.write(kUnitFile, "unit"));
    rig.sink()->clear();
    rig.open();
    QCOMPARE(rig.sink()->sent, QStringList{"BT_TX P"});
    const QString unitRow = "Unit: 1.11.0 → 2.0.0";
    QCOMPARE(rig.rows(), QStringList({unitRow, "TB-9: --- → 1.05"}));
    rig.act("ver 1.04");
    QCOMPARE(rig.rows(), QStringList({unitRow, "TB-9: 1.04 → 1.05"}));

    rig.sink()->clear();
    rig.choose(1);
    QCOMPARE(rig.sink()->count("switchBtMode"), 1);
    auto* timer = rig.dialog->findChild<QTimer*>("answerTimer");
    for (const char* step : {"end", "fh ok", "fd 0 ok", "fd 0 ok", "fd 1 ok"})
        rig.act(step);
    QCOMPARE(timer->interval(), 3000);
    QCOMPARE(rig.progress(), 0);
    QMetaObject::invokeMethod(rig.dialog->findChild<QTimer*>("progressTimer"), "timeout");
    QCOMPARE(rig.progress(), 66);
    for (const char* step : {"fd 2 ok", "fs ok"})
        rig.act(step);
    QCOMPARE(timer->interval(), 15000);
    QVERIFY(timer->isActive());
    const QStringList sent{"BT_TX P",           "BT_TX FH 130 1.05", packet(0, image),
                           packet(1, image),    packet(2, image),    "BT_TX FS"};
    QCOMPARE(rig.sink()->sent, sent);
    QVERIFY(rig.sink()->sent[4].startsWith("BT_TX FD 002 002 "));
    rig.act("rdy");
    QCOMPARE(rig.sink()->sent.last(), QString("BT_TX P"));
    QCOMPARE(rig.messages.size(), 1);
    rig.act("ver 1.05");
    QCOMPARE(rig.messages.last(), text("TheTB9NowRunsVersion").arg("1.05"));
    QCOMPARE(rig.rows(), QStringList({unitRow, "TB-9: 1.05 → 1.05"}));
    QCOMPARE(rig.progress(), 100);
    QVERIFY(!timer->isActive());
}

void TestFirmwareUpdate::accessoryStops_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("lastSent");
    QTest::addColumn<QString>("message");  // key
    const QString refused = "TheTB9RefusedTheUpdate";
    const QString silent = "TheTB9DidNotAnswerTheUpdateWasStopped";
    QTest::newRow("no answer to P") << "timeout" << "BT_TX P" << silent;
    QTest::newRow("header refused") << "end,fh err" << "BT_TX FH 130 1.05" << refused;
    QTest::newRow("ERR at packet 1") << "end,fh ok,fd 0 ok,fd 1 err" << "BT_TX FD 001" << refused;
    QTest::newRow("silent at packet 1") << "end,fh ok,fd 0 ok,timeout" << "BT_TX FD 001" << silent;
    QTest::newRow("restart in the transfer") << "end,fh ok,rdy" << "BT_TX FD 000" << "TheTB9RestartedDuringTheTransfer";
    QTest::newRow("FS refused") << "end,fh ok,fd 0 ok,fd 1 ok,fd 2 ok,fs err" << "BT_TX FS" << refused;
    QTest::newRow("no RDY") << "end,fh ok,fd 0 ok,fd 1 ok,fd 2 ok,fs ok,timeout" << "BT_TX FS"
                            << "TheTB9DidNotRestartAfterTheTransfer";
    QTest::newRow("no version") << "end,fh ok,fd 0 ok,fd 1 ok,fd 2 ok,rdy,timeout" << "BT_TX P"
                                << "TheTB9RestartedButDidNotReportItsVersion";
    QTest::newRow("old version") << "end,fh ok,fd 0 ok,fd 1 ok,fd 2 ok,fs ok,rdy,ver 1.04" << "BT_TX P"
                                 << "TheTB9ReportsAnotherVersion";
    QTest::newRow("back") << "end,fh ok,fd 0 ok,back" << "BT_TX FD 001" << "TheTB9UpdateWasCancelled";
}

void TestFirmwareUpdate::accessoryStops()
{
    QFETCH(QString, steps);
    QFETCH(QString, lastSent);
    QFETCH(QString, message);
    Rig rig;
    QVERIFY(rig.unit.root.write(kTb9File, pattern(130)));
    rig.open();
    rig.choose(0);
    for (const QString& step : steps.split(','))
        rig.act(step);
    QVERIFY(rig.sink()->sent.last().startsWith(lastSent));
    QCOMPARE(rig.messages.size(), 2);
    QString expected = text(qPrintable(message));
    if (message == "TheTB9ReportsAnotherVersion")
        expected = expected.arg("1.04", "1.05");
    QCOMPARE(rig.messages.last(), expected);
    QCOMPARE(rig.progress(), 0);
    // Nothing more goes out, whatever still comes.
    const int sent = rig.sink()->sent.size();
    for (const char* step : {"end", "fh ok", "fd 1 ok", "fd 2 ok", "fs ok", "rdy", "ver 1.05", "timeout"})
        rig.act(step);
    QCOMPARE(rig.sink()->sent.size(), sent);
    QCOMPARE(rig.messages.size(), 2);
    QCOMPARE(rig.dialog->isVisible(), !steps.endsWith("back"));
}

void TestFirmwareUpdate::filesRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("link");
    QTest::addColumn<QString>("message");  // key; empty: the transfer starts
    const QString tooLarge = "TheFileIsTooLargeForTheTB9";
    const QString noVersion = "TheFileNameHoldsNoUsableVersion";
    QTest::newRow("64000 bytes") << kTb9File << 64000 << true << QString();
    QTest::newRow("64001 bytes") << kTb9File << 64001 << true << tooLarge;
    QTest::newRow("empty") << kTb9File << 0 << true << "TheFileIsEmpty";
    QTest::newRow("empty unit file") << kUnitFile << 0 << true << "TheFileIsEmpty";
    QTest::newRow("no version") << "/media/vq4100/FW_TB9_.tb9" << 10 << true << noVersion;
    QTest::newRow("blank in version") << "/media/vq4100/FW_VQA4100_2 0.vq4" << 10 << true << noVersion;
    QTest::newRow("version too long") << "/media/vq4100/FW_TB9_12345678901234567.tb9" << 10 << true << noVersion;
    QTest::newRow("no link") << kTb9File << 100 << false << "TheTB9IsNotConnected";
    QTest::newRow("file gone") << kTb9File << -1 << true << "TheFileIsNoLongerOnTheDataPartition";
}

void TestFirmwareUpdate::filesRefused()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(bool, link);
    QFETCH(QString, message);
    Rig rig(link);
    QVERIFY(rig.unit.root.write(file, pattern(qMax(0, size))));
    // Named like firmware, but no files: not offered.
    QVERIFY(QDir().mkpath(rig.unit.root.path("/media/vq4100/FW_VQA4100_3.0.vq4")));
    QVERIFY(QDir().mkpath(rig.unit.root.path("/media/vq4100/FW_TB9_2.0.tb9")));
    rig.open();
    QCOMPARE(rig.rows().size(), 1);
    if (size < 0)
        QVERIFY(rig.unit.root.remove(file));
    rig.sink()->clear();
    rig.unit.root.clearCommands();
    rig.choose(0);
    if (message.isEmpty()) {
        QCOMPARE(rig.sink()->sent, QStringList{"BT_TX P"});
        rig.act("end");
        QCOMPARE(rig.sink()->sent.last(), QString("BT_TX FH 64000 1.05"));
        return;
    }
    QCOMPARE(rig.messages, QStringList{text(qPrintable(message))});
    QVERIFY(rig.sink()->sent.isEmpty());
    QCOMPARE(rig.sink()->count("switchBtMode"), 0);
    QCOMPARE(rig.stagedFiles(), QStringList());
    QVERIFY(rig.unit.root.commands().isEmpty());
}

QTEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
