// The file-copy worker: parts, progress, replacing old targets, failures,
// and one copy on a real worker thread.
#include "Tools/filecopythread.h"
#include "logcapture.h"
#include "testroot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

class TestFileCopy : public QObject
{
    Q_OBJECT
private slots:
    void oneStepUpToOnePart_data();
    void oneStepUpToOnePart();
    void partwiseProgress();
    void replacesAnExistingTarget_data();
    void replacesAnExistingTarget();
    void failures_data();
    void failures();
    void sameFileIsLeftAlone();
    void sourceShrinksDuringTheCopy();
    void copiesOnAWorkerThread();
};

namespace {
const QString kSource = "/media/vq4100/FW_VQA4100_2.vq4";
const QString kTarget = "/home/root/firmware/FW_VQA4100_2.vq4";

QByteArray pattern(qint64 size, char seed = 0)
{
    QByteArray data(int(size), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + seed + i / 251) & 0xff);
    return data;
}

void prepare(const TestRoot& t)
{
    QDir().mkpath(t.path("/media/vq4100"));
    QDir().mkpath(t.path("/home/root/firmware"));
}

// Records the progress before every read and can shorten the source.
class ObservedCopy : public FileCopyThread
{
public:
    QList<int> progressAtRead;
    QString shrinkTo;      // mapped path of the source to cut
    qint64 shrinkAfterReads = -1;
    int reads = 0;

protected:
    qint64 readPart(QFile& source, char* buffer, qint64 maxSize) override
    {
        progressAtRead << getProgress();
        if (reads++ == shrinkAfterReads)
            QFile::resize(shrinkTo, 1000);
        return FileCopyThread::readPart(source, buffer, maxSize);
    }
};

struct Outcome {
    bool returned;
    int finished;
    QList<bool> results;
    int progress;
};

Outcome run(FileCopyThread& copy, const QString& from, const QString& to)
{
    QSignalSpy finished(&copy, &FileCopyThread::copyFinished);
    QSignalSpy result(&copy, &FileCopyThread::copyResult);
    Outcome o;
    o.returned = copy.copyFile(from, to);
    o.finished = finished.count();
    for (const auto& args : result)
        o.results << args.first().toBool();
    o.progress = copy.getProgress();
    return o;
}
}

void TestFileCopy::oneStepUpToOnePart_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("empty") << qint64(0);
    QTest::newRow("1 byte") << qint64(1);
    QTest::newRow("65536") << qint64(65536);
}

void TestFileCopy::oneStepUpToOnePart()
{
    QFETCH(qint64, size);
    TestRoot t;
    prepare(t);
    const QByteArray data = pattern(size);
    QVERIFY(t.write(kSource, data));
    LogCapture log;
    ObservedCopy copy;
    const Outcome o = run(copy, kSource, kTarget);
    QVERIFY(o.returned);
    QCOMPARE(o.results, QList<bool>{true});
    QCOMPARE(o.finished, 1);
    QCOMPARE(o.progress, 100);
    QVERIFY(log.contains("Copy file in one step"));
    QVERIFY(copy.progressAtRead.isEmpty());  // no partwise reads
    QVERIFY(t.exists(kTarget));
    QCOMPARE(t.read(kTarget), data);
}

void TestFileCopy::partwiseProgress()
{
    TestRoot t;
    prepare(t);
    const QByteArray data = pattern(65537);
    QVERIFY(t.write(kSource, data));
    LogCapture log;
    ObservedCopy copy;
    const Outcome o = run(copy, kSource, kTarget);
    QVERIFY(o.returned);
    QCOMPARE(o.results, QList<bool>{true});
    QCOMPARE(o.finished, 1);
    QCOMPARE(copy.progressAtRead, (QList<int>{0, 0}));  // two parts; 0 after the first
    QCOMPARE(o.progress, 100);
    QCOMPARE(t.read(kTarget), data);
    QVERIFY(log.contains("Copy file part by part"));
    QVERIFY(log.contains("Files copied. Size is equal 65537 65537 1"));
    QVERIFY(log.contains("Finished partwise copy true"));

    // Five parts: the progress of each finished part shows at the next read.
    const QByteArray five = pattern(4 * 65536 + 10, 3);
    QVERIFY(t.write(kSource, five));
    ObservedCopy again;
    QVERIFY(run(again, kSource, kTarget).returned);
    QCOMPARE(again.progressAtRead, (QList<int>{0, 0, 24, 49, 74}));
    QCOMPARE(t.read(kTarget), five);
}

void TestFileCopy::replacesAnExistingTarget_data()
{
    QTest::addColumn<qint64>("sourceSize");
    QTest::addColumn<qint64>("oldTargetSize");
    QTest::newRow("one step, longer old") << qint64(1000) << qint64(5000);
    QTest::newRow("one step, shorter old") << qint64(65536) << qint64(10);
    QTest::newRow("partwise, longer old") << qint64(200000) << qint64(300000);
    QTest::newRow("partwise, shorter old") << qint64(200000) << qint64(70000);
}

void TestFileCopy::replacesAnExistingTarget()
{
    QFETCH(qint64, sourceSize);
    QFETCH(qint64, oldTargetSize);
    TestRoot t;
    prepare(t);
    const QByteArray data = pattern(sourceSize, 1);
    QVERIFY(t.write(kSource, data));
    QVERIFY(t.write(kTarget, QByteArray(int(oldTargetSize), 'x')));
    FileCopyThread copy;
    const Outcome o = run(copy, kSource, kTarget);
    QVERIFY(o.returned);
    QCOMPARE(o.results, QList<bool>{true});
    QCOMPARE(t.read(kTarget), data);
}

void TestFileCopy::failures_data()
{
    // The target is given as a unit path; "setup" builds the trap.
    QTest::addColumn<QString>("setup");
    QTest::addColumn<qint64>("size");
    QTest::newRow("missing source") << "missing-source" << qint64(0);
    QTest::newRow("source is a folder") << "source-folder" << qint64(0);
    for (qint64 size : {qint64(100), qint64(200000)}) {
        const QByteArray suffix = size > 65536 ? " (partwise)" : " (one step)";
        QTest::newRow("target folder missing" + suffix) << "no-target-folder" << size;
        QTest::newRow("target folder is a file" + suffix) << "target-parent-file" << size;
        QTest::newRow("target is a folder" + suffix) << "target-folder" << size;
    }
}

void TestFileCopy::failures()
{
    QFETCH(QString, setup);
    QFETCH(qint64, size);
    TestRoot t;
    prepare(t);
    QString source = kSource;
    QString target = kTarget;
    QVERIFY(t.write(kSource, pattern(size)));
    if (setup == "missing-source") {
        source = "/media/vq4100/FW_missing.vq4";
        QVERIFY(t.write(kTarget, "old"));  // must survive a failed copy
    } else if (setup == "source-folder") {
        source = "/media/vq4100";
    } else if (setup == "no-target-folder") {
        target = "/home/root/nothere/fw.vq4";
    } else if (setup == "target-parent-file") {
        QVERIFY(t.write("/home/root/plain", "file"));
        target = "/home/root/plain/fw.vq4";
    } else if (setup == "target-folder") {
        QVERIFY(QDir().mkpath(t.path(kTarget)));
        QVERIFY(t.write(kTarget + "/inside", "keep"));
    }

    FileCopyThread copy;
    const Outcome o = run(copy, source, target);
    QVERIFY(!o.returned);
    QCOMPARE(o.results, QList<bool>{false});
    QCOMPARE(o.finished, 1);
    QCOMPARE(o.progress, 100);
    if (setup == "missing-source")
        QCOMPARE(t.read(kTarget), QByteArray("old"));
    if (setup == "target-folder")
        QCOMPARE(t.read(kTarget + "/inside"), QByteArray("keep"));
    if (setup == "target-parent-file")
        QCOMPARE(t.read("/home/root/plain"), QByteArray("file"));
}

void TestFileCopy::sameFileIsLeftAlone()
{
    TestRoot t;
    prepare(t);
    for (qint64 size : {qint64(100), qint64(200000)}) {
        const QByteArray data = pattern(size);
        QVERIFY(t.write(kSource, data));
        FileCopyThread copy;
        QVERIFY(!run(copy, kSource, kSource).returned);
        QCOMPARE(t.read(kSource), data);
    }
}

void TestFileCopy::sourceShrinksDuringTheCopy()
{
    TestRoot t;
    prepare(t);
    QVERIFY(t.write(kSource, pattern(300000)));
    LogCapture log;
    ObservedCopy copy;
    copy.shrinkTo = t.path(kSource);
    copy.shrinkAfterReads = 1;  // cut before the second read
    const Outcome o = run(copy, kSource, kTarget);
    QVERIFY(!o.returned);
    QCOMPARE(o.results, QList<bool>{false});
    QCOMPARE(o.progress, 100);
    QCOMPARE(o.finished, 1);
    QVERIFY(log.contains("Error filesize is different"));
    QVERIFY(log.contains("Finished partwise copy false"));
}

void TestFileCopy::copiesOnAWorkerThread()
{
    TestRoot t;
    prepare(t);
    const QByteArray data = pattern(8 * 1024 * 1024 + 123, 5);
    QVERIFY(t.write(kSource, data));

    // Set up as the firmware update does: no parent, own thread, queued calls.
    QThread thread;
    auto* copy = new FileCopyThread;
    copy->moveToThread(&thread);
    connect(&thread, &QThread::finished, copy, &QObject::deleteLater);
    QThread* ranOn = nullptr;
    connect(copy, &FileCopyThread::copyFinished, copy, [&ranOn] { ranOn = QThread::currentThread(); },
            Qt::DirectConnection);
    QList<bool> results;
    int finished = 0;
    connect(copy, &FileCopyThread::copyResult, this, [&](bool ok) { results << ok; });
    connect(copy, &FileCopyThread::copyFinished, this, [&] { ++finished; });
    thread.start();

    QVERIFY(QMetaObject::invokeMethod(copy, "copyFile", Qt::QueuedConnection,
                                      Q_ARG(QString, kSource), Q_ARG(QString, kTarget)));
    // The GUI thread stays free and polls, as the update screen's timer does.
    QList<int> seen;
    QElapsedTimer clock;
    clock.start();
    while (finished == 0 && clock.elapsed() < 60000) {
        const int p = copy->getProgress();
        if (seen.isEmpty() || seen.last() != p)
            seen << p;
        QTest::qWait(1);
    }
    thread.quit();
    QVERIFY(thread.wait(10000));

    QCOMPARE(ranOn, &thread);
    QCOMPARE(results, QList<bool>{true});
    QCOMPARE(finished, 1);
    QCOMPARE(seen.last(), 100);
    for (int i = 1; i < seen.size(); ++i)
        QVERIFY(seen[i] > seen[i - 1]);
    QCOMPARE(t.read(kTarget), data);
}

QTEST_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
