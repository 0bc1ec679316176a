// The recording facade without a sound server: what start, pause and stop
// reach, stores through the recording thread, names, delete and rename,
// playback requests, requests in any order and the end of the thread.
// Audio is fed to the recorder as its input would deliver it. The
// process-wide facade: its slow choice of devices only on request, and
// leaving without waiting for it.
#include "Audio/analoginputworker.h"
#include "Audio/audiothreads.h"
#include "Audio/audioworker.h"
#include "Audio/idlepriority.h"
#include "Audio/wavwriter.h"
#include "Audio/workerthread.h"
#include "logcapture.h"
#include "recorderfeed.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <functional>
#include <sched.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

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
    QVERIFY(w.recorder());
    feedRecorder(&w, data);
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

bool adcRequesting(AnalogInputWorker& adc)
{
    return adc.findChild<QTimer*>()->isActive();
}

// A facade on a private ADC worker in a fresh device root, optionally
// started and resumed.
struct Rig {
    TestRoot t;
    AnalogInputWorker adc;
    AudioWorker w{&adc};
    explicit Rig(bool recording = false)
    {
        if (recording) {
            w.startAudioRecording();
            w.pauseAudioRecording(false);
        }
    }
    QByteArray sound(const QString& name) const { return t.read(kTemp + name + ".wav").mid(44); }
};

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
    void idlePriorityReturns();
    void stoppedThreadHasLeft();
    void processWideFacadeChoosesLateAndLeavesWithoutWaiting();
};

void TestAudioWorker::startPauseStopReachRecorderAndAdc()
{
    Rig r;
    r.w.startAudioRecording();
    // Both start paused: the ADC buffer is on, but no block is requested.
    QCOMPARE(r.t.readTrimmed(kEnable), QByteArray("1"));
    QVERIFY(!adcRequesting(r.adc));
    QVERIFY(recorderPaused(r.w));

    r.w.pauseAudioRecording(false);
    QVERIFY(adcRequesting(r.adc));
    QVERIFY(!recorderPaused(r.w));

    r.w.pauseAudioRecording(true);
    QVERIFY(!adcRequesting(r.adc));
    QVERIFY(recorderPaused(r.w));

    r.w.pauseAudioRecording(false);
    r.w.stopAudioRecording();
    QVERIFY(!adcRequesting(r.adc));
    QCOMPARE(r.t.readTrimmed(kEnable), QByteArray("0"));
    QVERIFY(recorderPaused(r.w));
}

void TestAudioWorker::startDropsAudioUntilResume()
{
    Rig r;
    r.w.startAudioRecording();
    feed(r.w, pattern(3200, 1));
    r.w.storeAudioData("before");
    QCOMPARE(r.t.read(kTemp + "before.wav").size(), 44);

    r.w.pauseAudioRecording(false);
    const QByteArray a = pattern(3200, 2);
    const QByteArray b = pattern(3200, 3);
    feed(r.w, a);
    feed(r.w, QByteArray());  // an empty read adds nothing
    feed(r.w, b);
    r.w.storeAudioData("after");
    QCOMPARE(r.sound("after"), a + b);

    // A stop keeps the window for a store; the next start empties it.
    r.w.pauseAudioRecording(false);
    feed(r.w, a);
    r.w.stopAudioRecording();
    feed(r.w, b);
    r.w.storeAudioData("stopped");
    QCOMPARE(r.sound("stopped"), a);
}

void TestAudioWorker::storeIsCompleteBeforeRenameOrCopy()
{
    Rig r;
    r.w.startAudioRecording();

    for (int round = 0; round < 2; ++round) {
        r.w.pauseAudioRecording(false);
        QByteArray expected;
        for (int i = 0; i < 100; ++i) {
            const QByteArray c = pattern(3200, round * 100 + i);
            feed(r.w, c);
            expected += c;
        }
        // Callers go on at once: the file must already be whole.
        r.w.storeAudioData("A");
        QVERIFY(r.w.renameAudioData("B", "A"));
        QCOMPARE(r.t.read(kTemp + "B.wav").size(), 320044);
        QCOMPARE(r.sound("B"), expected);
        QVERIFY(r.w.deleteAudioData("B"));

        r.w.pauseAudioRecording(false);
        feed(r.w, expected.left(32000));
        r.w.storeAudioData("C");
        const QString copy = r.t.path("/media/vq4100/copy.wav");
        QFile::remove(copy);
        QVERIFY(QFile::copy(r.t.path(kTemp + "C.wav"), copy));
        QCOMPARE(QFileInfo(copy).size(), 32044);
    }
}

void TestAudioWorker::unopenableFileKeepsWindow()
{
    Rig r(true);
    QVERIFY(QDir().mkpath(r.t.path(kTemp + "PP_Sound_1.wav")));  // in the way of the file
    const QByteArray a = pattern(6400, 9);
    feed(r.w, a);

    QCOMPARE(r.w.storeAudioData("PP_Sound_1"), -1);
    QCOMPARE(r.w.storeAudioData("PP_Sound_2"), 0);
    QCOMPARE(r.sound("PP_Sound_2"), a);
}

void TestAudioWorker::namesDeleteAndRename()
{
    Rig r(true);
    feed(r.w, pattern(3200, 4));

    // Blanks at the ends do not count.
    r.w.storeAudioData("  PP_Sound_3 ");
    QVERIFY(r.t.exists(kTemp + "PP_Sound_3.wav"));
    QCOMPARE(AudioWorker::recordingPath(" LE_sound\t"), kTemp + "LE_sound.wav");

    r.w.storeAudioData("PP_Sound_4");
    const QByteArray three = r.t.read(kTemp + "PP_Sound_3.wav");
    const QByteArray four = r.t.read(kTemp + "PP_Sound_4.wav");
    QVERIFY(three != four);

    // No rename over an existing file: both stay as they were.
    LogCapture log;
    QVERIFY(!r.w.renameAudioData("PP_Sound_4", "PP_Sound_3"));
    QVERIFY(log.contains("Error renameAudioData"));
    QCOMPARE(r.t.read(kTemp + "PP_Sound_3.wav"), three);
    QCOMPARE(r.t.read(kTemp + "PP_Sound_4.wav"), four);

    QVERIFY(r.w.renameAudioData(" PP_Sound_5", "PP_Sound_3 "));
    QCOMPARE(r.t.read(kTemp + "PP_Sound_5.wav"), three);
    QVERIFY(!r.t.exists(kTemp + "PP_Sound_3.wav"));
    QVERIFY(!r.w.renameAudioData("PP_Sound_6", "PP_Sound_3"));

    QVERIFY(r.w.deleteAudioData("PP_Sound_5 "));
    QVERIFY(!r.t.exists(kTemp + "PP_Sound_5.wav"));
    log.clear();
    QVERIFY(!r.w.deleteAudioData("PP_Sound_5"));
    QVERIFY(log.contains("Error deleteAudioData"));
}

void TestAudioWorker::unsafeNamesAreRefused()
{
    Rig r;
    QVERIFY(r.t.write("/home/root/meas/keep.wav", "keep"));
    QVERIFY(r.t.write(kTemp + "x.wav", "x"));
    QCOMPARE(AudioWorker::recordingPath("../keep"), QString());

    LogCapture log;
    QCOMPARE(r.w.storeAudioData("../keep"), -1);
    QCOMPARE(r.w.storeAudioData("/tmp/evil"), -1);
    QVERIFY(log.contains("nothing stored"));
    QCOMPARE(r.t.read("/home/root/meas/keep.wav"), QByteArray("keep"));
    QVERIFY(!r.t.exists("/tmp/evil.wav"));

    QVERIFY(!r.w.deleteAudioData("../keep"));
    QVERIFY(r.t.exists("/home/root/meas/keep.wav"));
    QVERIFY(!r.w.renameAudioData("../moved", "x"));
    QVERIFY(!r.w.renameAudioData("y", "../keep"));
    QVERIFY(r.t.exists(kTemp + "x.wav"));
    QVERIFY(r.t.exists("/home/root/meas/keep.wav"));
    QVERIFY(!r.t.exists("/home/root/meas/moved.wav"));
}

void TestAudioWorker::playbackOfMissingFileCreatesNothing()
{
    Rig r;
    const QString missing = "/media/vq4100/meas/PP_x/PP_Sound_1.wav";
    LogCapture log;
    r.w.startAudioPlayback(missing);
    r.w.stopAudioPlayback();
    onRecorder(r.w, [](BackgroundRecording*) {});
    QVERIFY(log.contains("Cannot open file:"));
    QVERIFY(!r.t.exists(missing));
    // A caller that asks learns that nothing plays: no file, or no output.
    auto result = [&r](const QString& file) {
        int rc = 0;
        onRecorder(r.w, [&](BackgroundRecording* rec) { rc = rec->startAudioPlayback(file); });
        return rc;
    };
    QCOMPARE(result(missing), -1);

    // Without a server an existing file is read and nothing else happens.
    // The 44 header bytes of a WAV file are not played as sound; a file
    // without a header is played whole; a WAV file of another format, or
    // one cut short in its header, not at all.
    auto played = [&log](const QString& name) {
        for (const QString& line : log.lines())
            if (line.startsWith("Playing") && line.contains(name))
                return line.section(' ', -1).toInt();
        return -1;
    };
    WavFormat stereo;
    stereo.channels = 2;
    QVERIFY(r.t.write(kTemp + "old.wav", WavWriter::header(WavFormat()) + QByteArray(100, '\0')));
    QVERIFY(r.t.write(kTemp + "raw.pcm", QByteArray(50, '\1')));
    QVERIFY(r.t.write(kTemp + "stereo.wav", WavWriter::header(stereo) + QByteArray(100, '\0')));
    QVERIFY(r.t.write(kTemp + "cut.wav", WavWriter::header(WavFormat()).left(43)));
    QSignalSpy failed(&r.w, &AudioWorker::playbackFailed);
    for (const char* name : {"old.wav", "raw.pcm", "stereo.wav", "cut.wav"})
        r.w.startAudioPlayback(kTemp + name);
    onRecorder(r.w, [](BackgroundRecording*) {});
    QVERIFY(r.t.exists(kTemp + "old.wav"));
    QCOMPARE(played("old.wav"), 100);
    QCOMPARE(played("raw.pcm"), 50);
    QCOMPARE(played("stereo.wav") + played("cut.wav"), -2);
    QTRY_COMPARE(failed.size(), 2);
    QCOMPARE(failed[0][0].toString() + failed[1][0].toString(), kTemp + "stereo.wav" + kTemp + "cut.wav");
    QVERIFY(failed[0][1].toString().contains("16000 Hz with 1 channel"));
    QCOMPARE(result(kTemp + "raw.pcm"), -1);
    QVERIFY(log.contains("Cannot play: no audio output"));
}

void TestAudioWorker::requestsInAnyOrder()
{
    Rig r;
    r.w.storeAudioData("early");
    QCOMPARE(r.t.read(kTemp + "early.wav").size(), 44);
    r.w.stopAudioRecording();
    r.w.stopAudioRecording();
    r.w.pauseAudioRecording(false);
    r.w.pauseAudioRecording(true);
    r.w.stopAudioPlayback();
    r.w.startAudioRecording();
    r.w.startAudioRecording();
    r.w.pauseAudioRecording(false);
    feed(r.w, pattern(320, 5));
    r.w.startAudioPlayback(kTemp + "early.wav");
    r.w.stopAudioRecording();
    r.w.storeAudioData("late");
    QCOMPARE(r.sound("late"), pattern(320, 5));
}

void TestAudioWorker::storeAfterShutdownWritesNothing()
{
    Rig r(true);
    r.w.shutdown();
    QVERIFY(!r.w.recorder());

    LogCapture log;
    r.w.storeAudioData("gone");
    QVERIFY(log.contains("recording thread not running"));
    QVERIFY(!r.t.exists(kTemp + "gone.wav"));
    // Nothing else waits or crashes either.
    r.w.pauseAudioRecording(true);
    r.w.stopAudioRecording();
    r.w.startAudioPlayback(kTemp + "gone.wav");
    r.w.shutdown();
}

void TestAudioWorker::idlePriorityReturns()
{
    int before = -1, inside = -1, after = -1, child = -1;
    std::thread thread([&] {
        before = sched_getscheduler(0);
        // A thread started meanwhile (as a sound library's event thread is)
        // inherits the idle scheduling and must not keep it.
        QSemaphore childStarted, childAsked, childAnswered;
        std::unique_ptr<std::thread> later;
        {
            const IdlePriorityScope idle;
            inside = sched_getscheduler(0);
            later = std::make_unique<std::thread>([&] {
                childStarted.release();
                childAsked.acquire();
                child = sched_getscheduler(0);
                childAnswered.release();
            });
            childStarted.acquire();
        }
        after = sched_getscheduler(0);
        childAsked.release();
        childAnswered.acquire();
        later->join();
    });
    thread.join();
    // Lowered only where the thread may come back.
    QCOMPARE(inside, IdlePriorityScope::mayRiseAgain() ? SCHED_IDLE : before);
    QCOMPARE(after, before);
    QCOMPARE(child, before);
}

// stop() returns once the system thread is gone, not when its event loop
// is: the steps it takes on its way out (held up here) come first.
void TestAudioWorker::stoppedThreadHasLeft()
{
    struct SlowLeaving {
        ~SlowLeaving() { usleep(200000); }
    };
    WorkerThread thread;
    pid_t id = 0;
    QSemaphore running;
    connect(&thread, &QThread::started, [&id, &running] {
        static thread_local SlowLeaving leaving;
        (void)leaving;
        id = pid_t(syscall(SYS_gettid));
        running.release();
    });
    thread.start();
    running.acquire();
    thread.stop();
    QVERIFY(thread.isFinished());
    QVERIFY(!QDir("/proc/self/task").exists(QString::number(id)));
    thread.stop();

    WorkerThread neverRan;
    neverRan.stop();
    QVERIFY(!neverRan.isFinished());
}

void TestAudioWorker::processWideFacadeChoosesLateAndLeavesWithoutWaiting()
{
    TestRoot t;
    LogCapture log;
    AudioWorker* w = Audioworker();
    QCOMPARE(Audioworker(), w);
    QVERIFY(w->recorder());
    QThread* thread = w->recorder()->thread();
    QVERIFY(thread != QThread::currentThread());
    QCOMPARE(thread->priority(), QThread::TimeCriticalPriority);
    // Nothing is chosen before it is asked for.
    onRecorder(*w, [](BackgroundRecording*) {});
    QVERIFY(!log.contains("DefaultInputDevice"));
    QVERIFY(!w->isChoosingDevices());

    // A choice that has not ended (here: held up before it begins) is not
    // waited for; the release is a guard against a wait that never ends.
    QSemaphore hold;
    std::atomic<bool> releasedByGuard{false};
    QMetaObject::invokeMethod(w->recorder(), [&hold] { hold.acquire(); });
    w->chooseDevices();
    QVERIFY(w->isChoosingDevices());
    std::thread guard([&] {
        if (!hold.tryAcquire(1, 20000)) {
            releasedByGuard = true;
            hold.release();
        }
    });
    const bool left = leaveAudioThreads();
    const bool running = thread->isRunning();
    hold.release(2);
    guard.join();
    QVERIFY(!left);
    QVERIFY(!releasedByGuard);
    QVERIFY(running);

    // Behind the choice, which runs at idle priority: not timed.
    onRecorder(*w, [](BackgroundRecording*) {});
    QVERIFY(!w->isChoosingDevices());
    for (const char* line : {"DefaultInputDevice", "Selected Audioformat"})
        QVERIFY2(log.containsFrom(line, thread), line);
    int policy = -1;
    onRecorder(*w, [&policy](BackgroundRecording*) { policy = sched_getscheduler(0); });
    QCOMPARE(policy, SCHED_OTHER);
    w->startAudioRecording();
    w->pauseAudioRecording(false);
    QVERIFY(leaveAudioThreads());
    QVERIFY(!w->recorder());
}

QTEST_GUILESS_MAIN(TestAudioWorker)
#include "tst_audioworker.moc"
