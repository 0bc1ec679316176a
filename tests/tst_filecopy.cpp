// The file-copy worker: parts, progress, replacing old targets, failures,
// and one copy on a real worker thread.
#include "Tools/filecopythread.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "testroot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <memory>

class TestFileCopy : public QObject
{
    Q_OBJECT
private slots:
    void copies_data();
    void copies();
    void failures_data();
    void failures();
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

struct Root : TestRoot {
    Root() { QDir().mkpath(path("/home/root/firmware")); }
};

// Records the progress before every read and can shorten the source.
class ObservedCopy : public FileCopyThread
{
public:
    QList<int> progressAtRead;
    QString shrinkTo;  // mapped path of the source to cut
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

// Return value, copyResult, copyFinished and the final progress in one line,
// so that every path is checked for all four.
QString run(FileCopyThread& copy, const QString& from, const QString& to)
{
    QSignalSpy finished(&copy, &FileCopyThread::copyFinished);
    QSignalSpy result(&copy, &FileCopyThread::copyResult);
    const bool returned = copy.copyFile(from, to);
    QStringList results;
    for (const auto& args : result)
        results << QVariant(args.first().toBool()).toString();
    return QString("returned %1, copyResult [%2], copyFinished %3x, progress %4")
        .arg(QVariant(returned).toString(), results.join(','))
        .arg(finished.count())
        .arg(copy.getProgress());
}

QString ended(bool ok)
{
    return QString("returned %1, copyResult [%1], copyFinished 1x, progress 100").arg(QVariant(ok).toString());
}
}

void TestFileCopy::copies_data()
{
    // oldTarget: size of a target already in place (-1: none); reads: the
    // progress seen before each partwise read (the finished part shows at the next).
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("oldTarget");
    QTest::addColumn<QList<int>>("reads");
    QTest::addColumn<QStringList>("logs");
    const QStringList oneStep{"Copy file in one step"};
    QTest::newRow("empty") << qint64(0) << qint64(-1) << QList<int>{} << oneStep;
    QTest::newRow("1 byte") << qint64(1) << qint64(-1) << QList<int>{} << oneStep;
    QTest::newRow("65536") << qint64(65536) << qint64(-1) << QList<int>{} << oneStep;
    QTest::newRow("65537") << qint64(65537) << qint64(-1) << QList<int>{0, 0}
                           << QStringList{"Copy file part by part", "Files copied. Size is equal 65537 65537 1",
                                          "Finished partwise copy true"};
    QTest::newRow("five parts") << qint64(4 * 65536 + 10) << qint64(-1) << QList<int>{0, 0, 24, 49, 74}
                                << QStringList{"Copy file part by part"};
    QTest::newRow("one step, longer old") << qint64(1000) << qint64(5000) << QList<int>{} << oneStep;
    QTest::newRow("one step, shorter old") << qint64(65536) << qint64(10) << QList<int>{} << oneStep;
    QTest::newRow("partwise, longer old") << qint64(200000) << qint64(300000) << QList<int>{0, 0, 32, 65}
                                          << QStringList{};
    QTest::newRow("partwise, shorter old") << qint64(200000) << qint64(70000) << QList<int>{0, 0, 32, 65}
                                           << QStringList{};
}

void TestFileCopy::copies()
{
    QFETCH(qint64, size);
    QFETCH(qint64, oldTarget);
    QFETCH(QList<int>, reads);
    QFETCH(QStringList, logs);
    Root t;
    const QByteArray data = pattern(size, 1);
    QVERIFY(t.write(kSource, data));
    if (oldTarget >= 0)
        QVERIFY(t.write(kTarget, QByteArray(int(oldTarget), 'x')));
    LogCapture log;
    ObservedCopy copy;
    QCOMPARE(run(copy, kSource, kTarget), ended(true));
    QCOMPARE(copy.progressAtRead, reads);
    QVERIFY(t.exists(kTarget));
    QCOMPARE(t.read(kTarget), data);
    for (const QString& line : logs)
        QVERIFY2(log.contains(line), qPrintable(line));
}

void TestFileCopy::failures_data()
{
    // files: what is in place before the copy and must be left as it was;
    // fullAt: the storage takes no file larger than that (0: no limit).
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QVariantMap>("files");
    QTest::addColumn<qint64>("fullAt");
    QTest::newRow("missing source") << "/media/vq4100/FW_missing.vq4" << kTarget << qint64(0)
                                    << QVariantMap{{kTarget, "old"}} << qint64(0);
    QTest::newRow("source is a folder") << "/media/vq4100" << kTarget << qint64(0) << QVariantMap{}
                                        << qint64(0);
    for (qint64 size : {qint64(100), qint64(200000)}) {
        const QByteArray suffix = size > 65536 ? " (partwise)" : " (one step)";
        QTest::newRow("storage full" + suffix) << kSource << kTarget << size
                                               << QVariantMap{{kTarget, "old"}} << size / 2;
        QTest::newRow("target folder missing" + suffix) << kSource << "/home/root/nothere/fw.vq4" << size
                                                        << QVariantMap{} << qint64(0);
        QTest::newRow("target folder is a file" + suffix) << kSource << "/home/root/plain/fw.vq4" << size
                                                          << QVariantMap{{"/home/root/plain", "file"}}
                                                          << qint64(0);
        QTest::newRow("target is a folder" + suffix) << kSource << kTarget << size
                                                     << QVariantMap{{kTarget + "/inside", "keep"}}
                                                     << qint64(0);
        QTest::newRow("target is the source" + suffix) << kSource << kSource << size << QVariantMap{}
                                                       << qint64(0);
    }
}

void TestFileCopy::failures()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(qint64, size);
    QFETCH(QVariantMap, files);
    QFETCH(qint64, fullAt);
    Root t;
    files.insert(kSource, pattern(size));
    for (auto f = files.cbegin(); f != files.cend(); ++f)
        QVERIFY(t.write(f.key(), f.value().toByteArray()));
    const QStringList targetFolder = QDir(t.path("/home/root/firmware")).entryList(QDir::Files);
    FileCopyThread copy;
    {
        std::unique_ptr<FullDisk> full(fullAt ? new FullDisk(fullAt) : nullptr);
        QCOMPARE(run(copy, source, target), ended(false));
    }
    for (auto f = files.cbegin(); f != files.cend(); ++f)
        QCOMPARE(t.read(f.key()), f.value().toByteArray());
    // No part of the copy is left beside the target.
    QCOMPARE(QDir(t.path("/home/root/firmware")).entryList(QDir::Files), targetFolder);
}

void TestFileCopy::sourceShrinksDuringTheCopy()
{
    Root t;
    QVERIFY(t.write(kSource, pattern(300000)));
    QVERIFY(t.write(kTarget, "old"));
    LogCapture log;
    ObservedCopy copy;
    copy.shrinkTo = t.path(kSource);
    copy.shrinkAfterReads = 1;  // cut before the second read
    QCOMPARE(run(copy, kSource, kTarget), ended(false));
    QCOMPARE(t.read(kTarget), QByteArray("old"));
    QVERIFY(log.contains("Error filesize is different"));
    QVERIFY(log.contains("Finished partwise copy false"));
}

void TestFileCopy::copiesOnAWorkerThread()
{
    Root t;
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
    const auto poll = [&] {
        const int p = copy->getProgress();
        if (seen.isEmpty() || seen.last() != p)
            seen << p;
    };
    while (finished == 0 && clock.elapsed() < 60000) {
        poll();
        QTest::qWait(1);
    }
    // The finished signal may come between a poll and the last progress
    // step: the progress is judged once the copy has ended.
    poll();
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
