// Recording and playback through Qt Multimedia and a private sound server
// (scripts/pulse-private), fed by the simulated device's sound feed. Skipped,
// with the reason, where no server can be started.
#include "Audio/analoginputworker.h"
#include "Audio/audioworker.h"
#include "Debug/debugaudiolevelfft.h"
#include "logcapture.h"
#include "privatesoundserver.h"
#include "pulsefeed.h"
#include "signalgenerator.h"
#include "testroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

const QString kTemp = "/home/root/meas/wav_temp/";
const double kToneHz = 1000.0;

qint64 windowBytes(AudioWorker& w)
{
    qint64 bytes = 0;
    BackgroundRecording* rec = w.recorder();
    QMetaObject::invokeMethod(
        rec, [rec, &bytes] { bytes = rec->window().bytes(); }, Qt::BlockingQueuedConnection);
    return bytes;
}

quint32 le32(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + offset);
}

// The frequency of the strongest bin of a 4096-point transform, averaged
// over the whole recording.
double peakFrequency(const QByteArray& pcm, int rate)
{
    const int n = 4096;
    const int samples = pcm.size() / 2;
    std::valarray<float> power(0.0f, n / 2);
    for (int start = 0; start + n <= samples; start += n) {
        std::valarray<std::complex<float>> x(n);
        for (int i = 0; i < n; ++i) {
            const short s = qFromLittleEndian<qint16>(
                reinterpret_cast<const uchar*>(pcm.constData()) + 2 * (start + i));
            x[i] = pcmToReal(s);
        }
        fft(x);
        for (int k = 1; k < n / 2; ++k)
            power[k] += std::norm(x[k]);
    }
    int best = 1;
    for (int k = 1; k < n / 2; ++k)
        if (power[k] > power[best])
            best = k;
    return double(best) * rate / n;
}

// True while some descriptor of this process refers to the file.
bool fileIsOpen(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds("/proc/self/fd");
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (QFile::symLinkTarget(fds.filePath(fd)) == target)
            return true;
    return false;
}

int indexOf(const QStringList& lines, const QString& fragment, int from = 0)
{
    for (int i = qMax(0, from); i < lines.size(); ++i)
        if (lines.at(i).contains(fragment))
            return i;
    return -1;
}

}

class TestRecordingSound : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void recordsTheToneFed();
    void playbackRunsToIdleAndClosesFile();
    void playbackOfMissingFileCreatesNothing();
    void playbackWithoutSamplesEndsAtOnce();
    void recordingRunsOnDuringPlaybackAndShutsDown();

private:
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<PrivateSoundServer> m_server;
    std::unique_ptr<PulseFeed> m_feed;
    std::unique_ptr<AnalogInputWorker> m_adc;
    std::unique_ptr<AudioWorker> m_worker;
};

void TestRecordingSound::initTestCase()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(m_root->isValid());
    m_server = std::make_unique<PrivateSoundServer>(m_root->root());
    if (!m_server->isRunning())
        QSKIP(qPrintable("no private sound server: " + m_server->reason()));

    SignalParams signal;
    signal.toneHz = kToneHz;
    signal.toneDb = -12.0;
    signal.noiseOn = false;
    QVERIFY(signal.save(m_root->root()));
    m_feed = std::make_unique<PulseFeed>();
    QVERIFY(m_feed->start(m_root->root()));
    QVERIFY(m_feed->isConnected());

    m_adc = std::make_unique<AnalogInputWorker>();
    m_worker = std::make_unique<AudioWorker>(m_adc.get());
}

void TestRecordingSound::cleanupTestCase()
{
    if (m_worker)
        m_worker->shutdown();
    m_worker.reset();
    m_adc.reset();
    if (m_feed)
        m_feed->stop();
    m_feed.reset();
    m_server.reset();
    m_root.reset();
}

void TestRecordingSound::recordsTheToneFed()
{
    AudioWorker& w = *m_worker;
    w.startAudioRecording();
    w.pauseAudioRecording(false);
    // About 2 s of sound; the feed runs from this thread's event loop.
    QTRY_VERIFY_WITH_TIMEOUT(windowBytes(w) >= 64000, 30000);
    w.storeAudioData("tone");
    w.stopAudioRecording();

    const QByteArray file = m_root->read(kTemp + "tone.wav");
    QVERIFY(file.size() > 44 + 32000);
    QCOMPARE(file.left(4), QByteArray("RIFF"));
    QCOMPARE(le32(file, 4), quint32(file.size() - 8));
    QCOMPARE(file.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le32(file, 24), 16000u);
    QCOMPARE(file.mid(36, 4), QByteArray("data"));
    QCOMPARE(le32(file, 40), quint32(file.size() - 44));
    QCOMPARE(le32(file, 40) % 2, 0u);

    const double peak = peakFrequency(file.mid(44), 16000);
    QVERIFY2(qAbs(peak - kToneHz) < 8.0, qPrintable(QString("peak at %1 Hz").arg(peak)));
}

void TestRecordingSound::playbackRunsToIdleAndClosesFile()
{
    const QString unitPath = kTemp + "tone.wav";
    if (!m_root->exists(unitPath))
        QSKIP("needs the recording of recordsTheToneFed");
    {
        // The check below sees an open file.
        QFile probe(m_root->path(unitPath));
        QVERIFY(probe.open(QIODevice::ReadOnly));
        QVERIFY(fileIsOpen(probe.fileName()));
    }
    LogCapture log;
    m_worker->startAudioPlayback(unitPath);
    QTRY_VERIFY_WITH_TIMEOUT(
        indexOf(log.lines(), "handleStateChangedPlayback: Idle", indexOf(log.lines(), "Playing"))
            > 0,
        30000);
    const QStringList lines = log.lines();
    const int playing = indexOf(lines, "Playing");
    QVERIFY(indexOf(lines, "Error playing", playing) < 0);
    QVERIFY(indexOf(lines, "ActiveState", playing) > playing);
    QVERIFY(!fileIsOpen(m_root->path(unitPath)));
    m_worker->stopAudioPlayback();
}

void TestRecordingSound::playbackOfMissingFileCreatesNothing()
{
    LogCapture log;
    m_worker->startAudioPlayback(kTemp + "missing.wav");
    QTRY_VERIFY_WITH_TIMEOUT(log.contains("Cannot open file:"), 10000);
    QVERIFY(!m_root->exists(kTemp + "missing.wav"));
}

// A recording with a header and no samples (a save of nothing) finishes as
// any other: the output does not wait for sound that never comes.
void TestRecordingSound::playbackWithoutSamplesEndsAtOnce()
{
    const QString unitPath = kTemp + "tone.wav";
    if (!m_root->exists(unitPath))
        QSKIP("needs the recording of recordsTheToneFed");
    QByteArray header = m_root->read(unitPath).left(44);
    QCOMPARE(header.size(), 44);
    char riffSize[4];
    char dataSize[4];
    qToLittleEndian<quint32>(36, riffSize);
    qToLittleEndian<quint32>(0, dataSize);
    header.replace(4, 4, riffSize, 4).replace(40, 4, dataSize, 4);
    QVERIFY(m_root->write(kTemp + "empty.wav", header));
    LogCapture log;
    m_worker->startAudioPlayback(kTemp + "empty.wav");
    QTRY_VERIFY_WITH_TIMEOUT(indexOf(log.lines(), "handleStateChangedPlayback: Idle", indexOf(log.lines(), "Playing")) > 0,
                             5000);
    QVERIFY(!log.contains("Error playing"));
    m_worker->stopAudioPlayback();
}

void TestRecordingSound::recordingRunsOnDuringPlaybackAndShutsDown()
{
    const QString unitPath = kTemp + "tone.wav";
    if (!m_root->exists(unitPath))
        QSKIP("needs the recording of recordsTheToneFed");
    AudioWorker& w = *m_worker;
    w.startAudioRecording();
    w.pauseAudioRecording(false);
    LogCapture log;
    w.startAudioPlayback(unitPath);
    QTRY_VERIFY_WITH_TIMEOUT(windowBytes(w) >= 16000, 30000);
    QVERIFY(!log.contains("handleStateChanged: Finished recording"));
    QVERIFY(log.contains("Playing"));

    // Both directions still open: the thread's end takes them down.
    QPointer<BackgroundRecording> rec = w.recorder();
    w.shutdown();
    QVERIFY(!w.recorder());
    QVERIFY(rec.isNull());
}

QTEST_GUILESS_MAIN(TestRecordingSound)
#include "tst_recordingsound.moc"
