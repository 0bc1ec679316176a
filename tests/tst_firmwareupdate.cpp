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

QString text(const char* key)
{
    return QCoreApplication::translate("Firmwareupdate", key);
}

// Fails its second read: with an error, or with the source cut short.
class FailingCopy : public FileCopyThread
{
public:
    explicit FailingCopy(const QString& cut) : m_cut(cut) {}

protected:
    qint64 readPart(QFile& source, char* buffer, qint64 maxSize) override
    {
        if (m_reads++ == 1 && (m_cut.isEmpty() || !QFile::resize(m_cut, 1000)))
            return -1;
        return FileCopyThread::readPart(source, buffer, maxSize);
    }

private:
    QString m_cut;  // mapped source path
    int m_reads = 0;
};

// Says the copy is whole, then the staged file loses its tail (a card that
// drops what it took).
class ShortStagedCopy : public FileCopyThread
{
public:
    explicit ShortStagedCopy(const QString& staged)
    {
        // Direct: before copyFinished() goes out.
        connect(this, &FileCopyThread::copyResult, [staged] { QFile::resize(staged, 1000); });
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
    QStringList rows()  // their first lines
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

}

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT
private slots:
    void unitUpdate();
    void unitUpdateFails_data();
    void unitUpdateFails();
    void accessoryUpdate();
    void accessoryStops_data();
    void accessoryStops();
    void filesRefused_data();
    void filesRefused();
};

void TestFirmwareUpdate::unitUpdate()
{
    Rig rig;
    const QByteArray image = QByteArray(3 * 1024 * 1024, 7);
    QVERIFY(rig.unit.root.write(kUnitFile, image));
    QVERIFY(rig.unit.root.write("/home/root/firmware/FW_VQA4100_1.9.vq4", "old"));
    rig.unit.root.clearCommands();
    rig.open();
    QCOMPARE(rig.rows(), QStringList{"Unit: 1.11.0 → 2.0.0"});

    rig.choose(0);
    rig.act("back");  // waits for the copy
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
    QTest::addColumn<QString>("message");  // key
    const QString notCopied = "TheUpdateFileWasNotCopiedCompletely";
    QTest::newRow("read error") << notCopied;
    QTest::newRow("source cut") << notCopied;
    QTest::newRow("storage full") << notCopied;
    QTest::newRow("staged file short") << notCopied;
    QTest::newRow("staging folder is a file") << "TheUpdateCannotBeStoredOnTheUnit";
    QTest::newRow("ramdisk is a file") << "TheUnitCannotBePreparedForTheUpdate";
}

void TestFirmwareUpdate::unitUpdateFails()
{
    QFETCH(QString, message);
    const QString fault = QTest::currentDataTag();
    Rig rig;
    TestRoot& root = rig.unit.root;
    QVERIFY(root.write(kUnitFile, QByteArray(3 * 1024 * 1024, 7)));
    QVERIFY(root.write(kRunmode, "reboot"));  // left from an earlier attempt
    const QString cut = fault == "source cut" ? root.path(kUnitFile) : QString();
    if (fault == "read error" || !cut.isEmpty())
        Firmwareupdate::setCopierFactory([cut] { return new FailingCopy(cut); });
    const QString staged = root.path(kStaged);
    if (fault == "staged file short")
        Firmwareupdate::setCopierFactory([staged] { return new ShortStagedCopy(staged); });
    auto replaceFolder = [&](const char* folder) {
        QVERIFY(QDir(root.path(folder)).removeRecursively());
        QVERIFY(root.write(folder, "a file"));
    };
    if (fault == "staging folder is a file")
        replaceFolder("/home/root/firmware");
    else if (fault == "read error")  // made again before the copy
        QVERIFY(QDir(root.path("/home/root/firmware")).removeRecursively());
    root.clearCommands();
    rig.open();
    std::unique_ptr<FullDisk> full(fault == "storage full" ? new FullDisk(1024 * 1024) : nullptr);
    if (fault == "ramdisk is a file")
        replaceFolder("/media/ramdisk");
    rig.choose(0);
    // The warning, or else the reboot it should have prevented.
    QTRY_VERIFY_WITH_TIMEOUT(rig.messages.size() == 2 || root.commands().contains("reboot"), 60000);
    full.reset();
    QCOMPARE(rig.messages.size(), 2);
    QCOMPARE(rig.messages.last(), text(qPrintable(message)));
    QVERIFY(!root.exists(kRunmode));
    QVERIFY(!root.commands().contains("reboot"));
    QCOMPARE(rig.stagedFiles(), QStringList());
    QCOMPARE(QFileInfo(root.path("/home/root/firmware")).isDir(), fault != "staging folder is a file");
    QCOMPARE(rig.progress(), 0);
    // Nothing runs any more: Back closes.
    rig.act("back");
    QVERIFY(!rig.dialog->isVisible());
}

void TestFirmwareUpdate::accessoryUpdate()
{
    Rig rig;
    QVERIFY(rig.unit.root.write(kTb9File, QByteArray(64, 1) + QByteArray(64, 2) + "\xab\xcd"));
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
    const QStringList sent{"BT_TX P", "BT_TX FH 130 1.05", "BT_TX FD 000 064 " + QString("01").repeated(64),
                           "BT_TX FD 001 064 " + QString("02").repeated(64), "BT_TX FD 002 002 abcd", "BT_TX FS"};
    QCOMPARE(rig.sink()->sent, sent);
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
    QTest::newRow("ERR at packet 1") << "end,fh ok,fd 0 ok,fd 1 err" << "BT_TX FD 001" << "TheTB9RefusedTheUpdate";
    QTest::newRow("silent at packet 1") << "end,fh ok,fd 0 ok,timeout" << "BT_TX FD 001" << "TheTB9DidNotAnswerTheUpdateWasStopped";
    QTest::newRow("restart in the transfer") << "end,fh ok,rdy" << "BT_TX FD 000" << "TheTB9RestartedDuringTheTransfer";
    QTest::newRow("no RDY") << "end,fh ok,fd 0 ok,fd 1 ok,fd 2 ok,fs ok,timeout" << "BT_TX FS"
                            << "TheTB9DidNotRestartAfterTheTransfer";
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
    QVERIFY(rig.unit.root.write(kTb9File, QByteArray(130, 7)));
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
    QTest::newRow("64000 bytes") << kTb9File << 64000 << true << QString();
    QTest::newRow("64001 bytes") << kTb9File << 64001 << true << "TheFileIsTooLargeForTheTB9";
    QTest::newRow("empty") << kTb9File << 0 << true << "TheFileIsEmpty";
    QTest::newRow("blank in version") << "/media/vq4100/FW_VQA4100_2 0.vq4" << 10 << true << "TheFileNameHoldsNoUsableVersion";
    QTest::newRow("no link") << kTb9File << 100 << false << "TheTB9IsNotConnected";
}

void TestFirmwareUpdate::filesRefused()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(bool, link);
    QFETCH(QString, message);
    Rig rig(link);
    QVERIFY(rig.unit.root.write(file, QByteArray(size, 7)));
    // Named like firmware, but no files: not offered.
    for (const char* folder : {"/media/vq4100/FW_VQA4100_3.0.vq4", "/media/vq4100/FW_TB9_2.0.tb9"})
        QVERIFY(QDir().mkpath(rig.unit.root.path(folder)));
    rig.open();
    QCOMPARE(rig.rows().size(), 1);
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
