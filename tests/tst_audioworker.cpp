// The recording facade without a sound server: what start, pause and stop
// reach, stores through the recording thread, names, delete and rename,
// playback requests, requests in any order and the end of the thread.
// Audio is fed to the recorder as its input would deliver it.
#include "Audio/analoginputworker.h"
#include "Audio/audiothreads.h"
#include "Audio/audioworker.h"
#include "logcapture.h"
#include "testroot.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString kTemp = "/home/root/meas/wav_temp/";
const QString kEnable = "/sys/bus/iio/devices/iio:device0/buffer/enable";

// Runs f on the recording thread and waits for it.
void onRecorder(AudioWorker& w, const std::function<void(BackgroundRecording*)>& f)
{
    BackgroundRecording* rec = w.recorder();
    QVERIFY(rec);
    QMetaObject::invokeMethod(rec, [rec, &f] { f(rec); }, Qt::BlockingQueuedConnection);
}

// One notification of the audio input carrying `data`.
void feed(AudioWorker& w, const QByteArray& data)
{
    onRecorder(w, [&data](BackgroundRecording* rec) {
        QBuffer input;
        input.setData(data);
        input.open(QIODevice::ReadOnly);
        rec->readFrom(&input);
    });
}

bool recorderPaused(AudioWorker& w)
{
    bool paused = false;
    onRecorder(w, [&paused](BackgroundRecording* rec) { paused = rec->window().isPaused(); });
    return paused;
}

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + seed) & 0xff);
    return b;
}

QByteArray fileData(const TestRoot& t, const QString& name)
{
    return t.read(kTemp + name).mid(44);
}

bool adcRequesting(AnalogInputWorker& adc)
{
    return adc.findChild<QTimer*>()->isActive();
}

}

class TestAudioWorker : public QObject
{
    Q_OBJECT
private slots:
    void startPauseStopReachRecorderAndAdc();
    void startDropsAudioUntilResume();
    void storeIsCompleteBeforeRenameOrCopy();
    void unopenableFileKeepsWindow();
    void namesDeleteAndRename();
    void unsafeNamesAreRefused();
    void playbackOfMissingFileCreatesNothing();
    void requestsInAnyOrder();
    void storeAfterShutdownWritesNothing();
    void processWideFacadeShutsDown();
};

void TestAudioWorker::startPauseStopReachRecorderAndAdc()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);

    w.startAudioRecording();
    // Both start paused: the ADC buffer is on, but no block is requested.
    QCOMPARE(t.readTrimmed(kEnable), QByteArray("1"));
    QVERIFY(!adcRequesting(adc));
    QVERIFY(recorderPaused(w));

    w.pauseAudioRecording(false);
    QVERIFY(adcRequesting(adc));
    QVERIFY(!recorderPaused(w));

    w.pauseAudioRecording(true);
    QVERIFY(!adcRequesting(adc));
    QVERIFY(recorderPaused(w));

    w.pauseAudioRecording(false);
    w.stopAudioRecording();
    QVERIFY(!adcRequesting(adc));
    QCOMPARE(t.readTrimmed(kEnable), QByteArray("0"));
    QVERIFY(recorderPaused(w));
}

void TestAudioWorker::startDropsAudioUntilResume()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    w.startAudioRecording();
    feed(w, pattern(3200, 1));
    w.storeAudioData("before");
    QCOMPARE(t.read(kTemp + "before.wav").size(), 44);

    w.pauseAudioRecording(false);
    const QByteArray a = pattern(3200, 2);
    const QByteArray b = pattern(3200, 3);
    feed(w, a);
    feed(w, QByteArray());  // an empty read adds nothing
    feed(w, b);
    w.storeAudioData("after");
    QCOMPARE(fileData(t, "after.wav"), a + b);

    // A stop keeps the window for a store; the next start empties it.
    w.pauseAudioRecording(false);
    feed(w, a);
    w.stopAudioRecording();
    feed(w, b);
    w.storeAudioData("stopped");
    QCOMPARE(fileData(t, "stopped.wav"), a);
}

void TestAudioWorker::storeIsCompleteBeforeRenameOrCopy()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    w.startAudioRecording();

    for (int round = 0; round < 2; ++round) {
        w.pauseAudioRecording(false);
        QByteArray expected;
        for (int i = 0; i < 100; ++i) {
            const QByteArray c = pattern(3200, round * 100 + i);
            feed(w, c);
            expected += c;
        }
        // Callers go on at once: the file must already be whole.
        w.storeAudioData("A");
        QVERIFY(w.renameAudioData("B", "A"));
        QCOMPARE(t.read(kTemp + "B.wav").size(), 320044);
        QCOMPARE(fileData(t, "B.wav"), expected);
        QVERIFY(w.deleteAudioData("B"));

        w.pauseAudioRecording(false);
        feed(w, expected.left(32000));
        w.storeAudioData("C");
        const QString copy = t.path("/media/vq4100/copy.wav");
        QFile::remove(copy);
        QVERIFY(QFile::copy(t.path(kTemp + "C.wav"), copy));
        QCOMPARE(QFileInfo(copy).size(), 32044);
    }
}

void TestAudioWorker::unopenableFileKeepsWindow()
{
    TestRoot t;
    QVERIFY(QDir().mkpath(t.path(kTemp + "PP_Sound_1.wav")));
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    w.startAudioRecording();
    w.pauseAudioRecording(false);
    const QByteArray a = pattern(6400, 9);
    feed(w, a);

    LogCapture log;
    w.storeAudioData("PP_Sound_1");
    QVERIFY(log.contains("Cannot open file:"));
    w.storeAudioData("PP_Sound_2");
    QCOMPARE(fileData(t, "PP_Sound_2.wav"), a);
}

void TestAudioWorker::namesDeleteAndRename()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    w.startAudioRecording();
    w.pauseAudioRecording(false);
    feed(w, pattern(3200, 4));

    // Blanks at the ends do not count.
    w.storeAudioData("  PP_Sound_3 ");
    QVERIFY(t.exists(kTemp + "PP_Sound_3.wav"));
    QCOMPARE(AudioWorker::recordingPath(" LE_sound\t"), kTemp + "LE_sound.wav");

    w.storeAudioData("PP_Sound_4");
    const QByteArray three = t.read(kTemp + "PP_Sound_3.wav");
    const QByteArray four = t.read(kTemp + "PP_Sound_4.wav");
    QVERIFY(three != four);

    // No rename over an existing file: both stay as they were.
    LogCapture log;
    QVERIFY(!w.renameAudioData("PP_Sound_4", "PP_Sound_3"));
    QVERIFY(log.contains("Error renameAudioData"));
    QCOMPARE(t.read(kTemp + "PP_Sound_3.wav"), three);
    QCOMPARE(t.read(kTemp + "PP_Sound_4.wav"), four);

    QVERIFY(w.renameAudioData(" PP_Sound_5", "PP_Sound_3 "));
    QCOMPARE(t.read(kTemp + "PP_Sound_5.wav"), three);
    QVERIFY(!t.exists(kTemp + "PP_Sound_3.wav"));
    QVERIFY(!w.renameAudioData("PP_Sound_6", "PP_Sound_3"));

    QVERIFY(w.deleteAudioData("PP_Sound_5 "));
    QVERIFY(!t.exists(kTemp + "PP_Sound_5.wav"));
    log.clear();
    QVERIFY(!w.deleteAudioData("PP_Sound_5"));
    QVERIFY(log.contains("Error deleteAudioData"));
}

void TestAudioWorker::unsafeNamesAreRefused()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    QVERIFY(t.write("/home/root/meas/keep.wav", "keep"));
    QVERIFY(t.write(kTemp + "x.wav", "x"));
    QCOMPARE(AudioWorker::recordingPath("../keep"), QString());

    LogCapture log;
    w.storeAudioData("../keep");
    w.storeAudioData("/tmp/evil");
    QVERIFY(log.contains("nothing stored"));
    QCOMPARE(t.read("/home/root/meas/keep.wav"), QByteArray("keep"));
    QVERIFY(!t.exists("/tmp/evil.wav"));

    QVERIFY(!w.deleteAudioData("../keep"));
    QVERIFY(t.exists("/home/root/meas/keep.wav"));
    QVERIFY(!w.renameAudioData("../moved", "x"));
    QVERIFY(!w.renameAudioData("y", "../keep"));
    QVERIFY(t.exists(kTemp + "x.wav"));
    QVERIFY(t.exists("/home/root/meas/keep.wav"));
    QVERIFY(!t.exists("/home/root/meas/moved.wav"));
}

void TestAudioWorker::playbackOfMissingFileCreatesNothing()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    const QString missing = "/media/vq4100/meas/PP_x/PP_Sound_1.wav";
    LogCapture log;
    w.startAudioPlayback(missing);
    w.stopAudioPlayback();
    onRecorder(w, [](BackgroundRecording*) {});
    QVERIFY(log.contains("Cannot open file:"));
    QVERIFY(!t.exists(missing));

    // Without a server an existing file is read and nothing else happens.
    // The 44 header bytes of a WAV file are not played as sound; a file
    // without a header is played whole.
    auto played = [&log](const QString& name) {
        for (const QString& line : log.lines())
            if (line.startsWith("Playing") && line.contains(name))
                return line.section(' ', -1).toInt();
        return -1;
    };
    QVERIFY(t.write(kTemp + "old.wav", QByteArray("RIFF") + QByteArray(140, '\0')));
    QVERIFY(t.write(kTemp + "raw.pcm", QByteArray(50, '\1')));
    w.startAudioPlayback(kTemp + "old.wav");
    w.startAudioPlayback(kTemp + "raw.pcm");
    onRecorder(w, [](BackgroundRecording*) {});
    QVERIFY(t.exists(kTemp + "old.wav"));
    QCOMPARE(played("old.wav"), 100);
    QCOMPARE(played("raw.pcm"), 50);
}

void TestAudioWorker::requestsInAnyOrder()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    w.storeAudioData("early");
    QCOMPARE(t.read(kTemp + "early.wav").size(), 44);
    w.stopAudioRecording();
    w.stopAudioRecording();
    w.pauseAudioRecording(false);
    w.pauseAudioRecording(true);
    w.stopAudioPlayback();
    w.startAudioRecording();
    w.startAudioRecording();
    w.pauseAudioRecording(false);
    feed(w, pattern(320, 5));
    w.startAudioPlayback(kTemp + "early.wav");
    w.stopAudioRecording();
    w.storeAudioData("late");
    QCOMPARE(fileData(t, "late.wav"), pattern(320, 5));
}

void TestAudioWorker::storeAfterShutdownWritesNothing()
{
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w(&adc);
    w.startAudioRecording();
    w.pauseAudioRecording(false);
    w.shutdown();
    QVERIFY(!w.recorder());

    LogCapture log;
    w.storeAudioData("gone");
    QVERIFY(log.contains("recording thread not running"));
    QVERIFY(!t.exists(kTemp + "gone.wav"));
    // Nothing else waits or crashes either.
    w.pauseAudioRecording(true);
    w.stopAudioRecording();
    w.startAudioPlayback(kTemp + "gone.wav");
    w.shutdown();
}

void TestAudioWorker::processWideFacadeShutsDown()
{
    TestRoot t;
    AudioWorker* w = Audioworker();
    QCOMPARE(Audioworker(), w);
    QVERIFY(w->recorder());
    QVERIFY(w->recorder()->thread() != QThread::currentThread());
    QCOMPARE(w->recorder()->thread()->priority(), QThread::TimeCriticalPriority);
    w->startAudioRecording();
    w->pauseAudioRecording(false);
    shutdownAudioThreads();
    QVERIFY(!w->recorder());
}

QTEST_GUILESS_MAIN(TestAudioWorker)
#include "tst_audioworker.moc"
