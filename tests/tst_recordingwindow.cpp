// The rolling window of background recording: start, pause, resume, stop,
// the 330000-byte threshold, empty reads and whole sample frames.
#include "Audio/recordingwindow.h"

#include <QtTest>

namespace {

// A chunk whose bytes all carry its number, so the tests can tell chunks apart.
QByteArray chunk(int number, int size = 3200)
{
    return QByteArray(size, char(number & 0x7f));
}

// A started and resumed window holding chunks 1..count.
RecordingWindow running(int count = 0, int bytesPerFrame = 2)
{
    RecordingWindow w(bytesPerFrame);
    w.start();
    w.pause(false);
    for (int i = 1; i <= count; ++i)
        w.append(chunk(i));
    return w;
}

int numberOf(const QByteArray& c)
{
    return c.isEmpty() ? -1 : int(c.at(0));
}

}

class TestRecordingWindow : public QObject
{
    Q_OBJECT
private slots:
    void nothingQueuedBeforeResume();
    void resumeStartsNewWindow();
    void rollsAtThresholdAndSkipsEmptyReads();
    void stopKeepsWindowStartClears();
    void chunksHoldWholeFrames();
};

void TestRecordingWindow::nothingQueuedBeforeResume()
{
    RecordingWindow w;
    w.start();
    QVERIFY(w.isPaused());
    QVERIFY(!w.append(chunk(1)));
    QVERIFY(!w.append(chunk(2)));
    QCOMPARE(w.chunkCount(), 0);
    QCOMPARE(w.recordedBytes(), 0);

    w.pause(false);
    QVERIFY(w.append(chunk(3)));
    QCOMPARE(w.chunkCount(), 1);
    QCOMPARE(numberOf(w.chunks().head()), 3);
}

void TestRecordingWindow::resumeStartsNewWindow()
{
    RecordingWindow w = running(5);

    // A pause keeps what is there and drops what comes.
    w.pause(true);
    QVERIFY(!w.append(chunk(6)));
    QCOMPARE(w.chunkCount(), 5);
    QCOMPARE(w.bytes(), 16000);

    // Every unmute starts a new window.
    w.pause(false);
    QCOMPARE(w.chunkCount(), 0);
    QCOMPARE(w.bytes(), 0);
    QCOMPARE(w.recordedBytes(), 0);
    w.append(chunk(7));
    QCOMPARE(numberOf(w.chunks().head()), 7);
}

void TestRecordingWindow::rollsAtThresholdAndSkipsEmptyReads()
{
    RecordingWindow w = running(103);
    QCOMPARE(w.chunkCount(), 103);
    QCOMPARE(w.bytes(), 329600);
    QCOMPARE(numberOf(w.chunks().head()), 1);

    // From the 104th chunk on, each append first drops the oldest.
    w.append(chunk(104));
    QCOMPARE(w.chunkCount(), 103);
    QCOMPARE(numberOf(w.chunks().head()), 2);
    for (int i = 105; i <= 120; ++i)
        w.append(chunk(i));
    QCOMPARE(w.chunkCount(), 103);
    QCOMPARE(w.bytes(), 329600);
    QCOMPARE(w.recordedBytes(), 120 * 3200);
    QCOMPARE(numberOf(w.chunks().head()), 18);
    QCOMPARE(numberOf(w.chunks().last()), 120);

    // Above the threshold an empty chunk would push out a full one.
    QVERIFY(!w.append(QByteArray()));
    QVERIFY(!w.append(nullptr, -1));
    QCOMPARE(w.chunkCount(), 103);
    QCOMPARE(w.bytes(), 329600);
    QCOMPARE(w.recordedBytes(), 120 * 3200);
    QCOMPARE(numberOf(w.chunks().head()), 18);
}

void TestRecordingWindow::stopKeepsWindowStartClears()
{
    RecordingWindow w = running(4);

    w.stop();
    QVERIFY(w.isPaused());
    QVERIFY(!w.append(chunk(5)));
    QCOMPARE(w.chunkCount(), 4);
    QCOMPARE(numberOf(w.chunks().last()), 4);

    w.stop();  // twice is harmless
    QCOMPARE(w.chunkCount(), 4);

    w.start();
    QCOMPARE(w.chunkCount(), 0);
    QCOMPARE(w.bytes(), 0);
    QVERIFY(w.isPaused());
}

void TestRecordingWindow::chunksHoldWholeFrames()
{
    RecordingWindow w = running();  // 16-bit mono: two bytes a frame

    // A lone byte is half a sample: nothing to queue yet.
    QVERIFY(!w.append(QByteArray("a", 1)));
    QCOMPARE(w.chunkCount(), 0);
    QVERIFY(w.append(QByteArray("bcd", 3)));
    QVERIFY(w.append(QByteArray("efg", 3)));
    QCOMPARE(w.chunkCount(), 2);
    QCOMPARE(w.chunks().at(0), QByteArray("abcd"));
    QCOMPARE(w.chunks().at(1), QByteArray("ef"));
    QCOMPARE(w.bytes(), 6);
    QCOMPARE(w.recordedBytes(), 6);

    // A resume does not carry half a frame into the new window.
    w.pause(false);
    QVERIFY(w.append(QByteArray("hi", 2)));
    QCOMPARE(w.chunks().head(), QByteArray("hi"));

    // Stereo 16 bit: four bytes a frame.
    RecordingWindow stereo = running(0, 4);
    stereo.append(QByteArray(4097, 'x'));
    stereo.append(QByteArray(7, 'y'));
    QCOMPARE(stereo.chunks().at(0).size(), 4096);
    QCOMPARE(stereo.chunks().at(1), QByteArray("xyyy") + QByteArray("yyyy"));
}

QTEST_GUILESS_MAIN(TestRecordingWindow)
#include "tst_recordingwindow.moc"
