// ADC capture: the IIO control sequence, block requests, the capture thread
// and its end.
#include "Audio/analoginputworker.h"
#include "Hardware/analoginput.h"
#include "Hardware/devicelayer.h"
#include "logcapture.h"
#include "testroot.h"

#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <memory>
#include <sys/stat.h>

namespace {

const QString kIio = "/sys/bus/iio/devices/iio:device0/";
const QString kEnable = kIio + "buffer/enable";
const QString kLength = kIio + "buffer/length";
const QString kScan = kIio + "scan_elements/in_voltage0_en";
const QString kDevice = "/dev/iio:device0";

const QStringList kStartSequence{kEnable + "=0", kScan + "=1", kLength + "=2048", kEnable + "=1"};

QByteArray sineBlock(double amplitude, int bin)
{
    QByteArray block(2048, '\0');
    for (int i = 0; i < 1024; ++i) {
        const double v = amplitude * 32768.0 * std::sin(2.0 * M_PI * bin * i / 1024.0);
        qToLittleEndian<qint16>(qint16(qBound(-32768.0, std::round(v), 32767.0)),
                                reinterpret_cast<uchar*>(block.data()) + 2 * i);
    }
    return block;
}

QTimer* requestTimer(AnalogInputWorker& w)
{
    return w.findChild<QTimer*>();
}

// Starts and resumes capture; true once the first block has been analysed.
bool firstBlockAnalysed(AnalogInputWorker& w)
{
    QSignalSpy analysed(&w, &AnalogInputWorker::blockAnalysed);
    w.startCapture();
    w.pauseCapture(false);
    return analysed.wait(20000);
}

}

class TestAdcCapture : public QObject
{
    Q_OBJECT
private slots:
    void startWritesControlsInOrder();
    void pauseResumeAndStop();
    void missingControlFilesAreSkipped();
    void readsOneBlockPerRequest();
    void oneShotChannel();
    void toneArrivesAndIsAnalysedOnGuiThread();
    void missingOrSilentDeviceGivesSilence_data();
    void missingOrSilentDeviceGivesSilence();
    void destroyingRunningWorkerEndsThreadFirst();
    void processWideWorkerShutsDown();
};

void TestAdcCapture::startWritesControlsInOrder()
{
    TestRoot t;
    AnalogInputWorker w;
    QSignalSpy requests(&w, &AnalogInputWorker::updateAinData);
    DeviceLayer::WriteTrace trace;

    w.startCapture();
    QCOMPARE(trace.entries(), kStartSequence);
    QCOMPARE(t.read(kEnable), QByteArray("1"));
    QCOMPARE(t.read(kLength), QByteArray("2048"));
    QCOMPARE(t.read(kScan), QByteArray("1"));
    // Started but paused: no block is asked for before the resume.
    QVERIFY(!requestTimer(w)->isActive());
    QCOMPARE(requests.count(), 0);

    // A start from any state re-initialises the buffer and leaves capture
    // paused until the next resume.
    w.pauseCapture(false);
    QVERIFY(requestTimer(w)->isActive());
    w.startCapture();
    QCOMPARE(trace.entries(), kStartSequence + kStartSequence);
    QVERIFY(w.isCapturePaused());
    QVERIFY(!requestTimer(w)->isActive());
    QCOMPARE(t.read(kEnable), QByteArray("1"));
    w.pauseCapture(false);
    QVERIFY(requestTimer(w)->isActive());
}

void TestAdcCapture::pauseResumeAndStop()
{
    TestRoot t;
    AnalogInputWorker w;
    DeviceLayer::WriteTrace trace;
    LogCapture log;

    // Before any start a pause only logs.
    w.pauseCapture(false);
    w.pauseCapture(true);
    QCOMPARE(log.count("AnalogInputWorker::pauseCapture: Wurde aufgerufen, ohne zuvor "
                       "startCapture auszuführen"),
             2);
    QVERIFY(!requestTimer(w)->isActive());
    QVERIFY(trace.entries().isEmpty());
    QCOMPARE(t.read(kEnable), QByteArray("0\n"));

    w.startCapture();
    trace.clear();
    w.pauseCapture(false);
    QVERIFY(requestTimer(w)->isActive());
    QCOMPARE(requestTimer(w)->interval(), 300);

    w.pauseCapture(true);
    QVERIFY(!requestTimer(w)->isActive());
    QCOMPARE(t.read(kEnable), QByteArray("1"));
    QVERIFY(trace.entries().isEmpty());

    w.pauseCapture(false);
    w.stopCapture();
    QVERIFY(!requestTimer(w)->isActive());
    QCOMPARE(t.read(kEnable), QByteArray("0"));
    QCOMPARE(trace.entries(), QStringList{kEnable + "=0"});

    // After a stop only a new start brings blocks back.
    log.clear();
    w.pauseCapture(false);
    QVERIFY(!requestTimer(w)->isActive());
    QVERIFY(log.contains("AnalogInputWorker::pauseCapture: Wurde aufgerufen"));
    w.stopCapture();  // a second stop is harmless
    QCOMPARE(t.read(kEnable), QByteArray("0"));
}

void TestAdcCapture::missingControlFilesAreSkipped()
{
    TestRoot t;
    AnalogInputWorker w;
    QVERIFY(t.remove(kScan));
    DeviceLayer::WriteTrace trace;
    LogCapture log;
    w.startCapture();
    QVERIFY(log.contains("Error: Could not open AIN1 Continousmode"));
    QCOMPARE(trace.entries(), (QStringList{kEnable + "=0", kLength + "=2048", kEnable + "=1"}));
    QVERIFY(!t.exists(kScan));  // never created

    QVERIFY(t.remove(kEnable));
    QVERIFY(t.remove(kLength));
    log.clear();
    trace.clear();
    w.startCapture();
    w.stopCapture();
    QCOMPARE(log.count("Error: Could not open buffer/enable"), 3);
    QCOMPARE(log.count("Error: Could not open buffer/length"), 1);
    QVERIFY(trace.entries().isEmpty());
    QVERIFY(!t.exists(kEnable));
}

void TestAdcCapture::readsOneBlockPerRequest()
{
    TestRoot t;
    AnalogInput ain;
    QSignalSpy updated(&ain, &AnalogInput::bufferUpdated);

    // Never more than one block per read.
    QByteArray bytes(3000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    QVERIFY(t.write(kDevice, bytes));
    ain.updateBuffer();
    QCOMPARE(updated.count(), 1);
    const QByteArray first = ain.getBuffer();
    QCOMPARE(first, bytes.left(2048));

    // A short read is kept as it came; the copy taken before stays intact.
    QVERIFY(t.write(kDevice, "\x01\x02\x03"));
    ain.updateBuffer();
    QCOMPARE(ain.getBuffer(), QByteArray("\x01\x02\x03"));
    QCOMPARE(first, bytes.left(2048));

    // A device that cannot be opened: logged, empty block, still a notification.
    QVERIFY(t.remove(kDevice));
    LogCapture log;
    ain.updateBuffer();
    QCOMPARE(updated.count(), 3);
    QVERIFY(ain.getBuffer().isEmpty());
    QVERIFY(log.contains("Error: Could not open /dev/iio:device0"));

    // Re-initialising the buffer drops the last block.
    QVERIFY(t.write(kDevice, bytes));
    ain.updateBuffer();
    ain.initContinousMode();
    QVERIFY(ain.getBuffer().isEmpty());
}

void TestAdcCapture::oneShotChannel()
{
    TestRoot t;
    const QString channel = kIio + "in_voltage1_raw";
    QVERIFY(t.write(channel, "1234\n"));
    AnalogInput ain;
    ain.initAnalogInput();
    QCOMPARE(ain.readAnalogInput(), 1234);
    QVERIFY(t.write(channel, "77\n"));
    QCOMPARE(ain.readAnalogInput(), 77);  // read again from the start
    QVERIFY(t.write(channel, "abc"));
    QCOMPARE(ain.readAnalogInput(), 0);
    ain.closeAnalogInput();

    QVERIFY(t.remove(channel));
    LogCapture log;
    AnalogInput missing;
    missing.initAnalogInput();
    QVERIFY(log.contains("Error: Could not open AIN4"));
    QCOMPARE(missing.readAnalogInput(), 0);
}

void TestAdcCapture::toneArrivesAndIsAnalysedOnGuiThread()
{
    TestRoot t;
    QVERIFY(t.write(kDevice, sineBlock(0.5, 40)));
    AnalogInputWorker w;
    QThread* analysisThread = nullptr;
    connect(&w, &AnalogInputWorker::blockAnalysed, this,
            [&] { analysisThread = QThread::currentThread(); }, Qt::DirectConnection);
    QVERIFY(firstBlockAnalysed(w));
    QCOMPARE(analysisThread, QThread::currentThread());

    float rms = 0, peak = 0, min = 0;
    w.getAudioLevel(&rms, &peak, &min);
    QVERIFY(qAbs(rms - 0.3536f) < 1e-3f);
    QVERIFY(qAbs(peak - 0.5f) < 1e-3f);
    QCOMPARE(min, 1.0f);
    // Bin 40 is 299.6 Hz; the five-bin window reads up to two bins high.
    const quint32 f = w.getSignificandFrequency();
    QVERIFY2(f >= 290 && f <= 310, qPrintable(QString::number(f)));

    // Paused: no more requests.
    w.pauseCapture(true);
    QSignalSpy requests(&w, &AnalogInputWorker::updateAinData);
    QVERIFY(!requests.wait(400));
}

void TestAdcCapture::missingOrSilentDeviceGivesSilence_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("missing") << false << "Error: Could not open /dev/iio:device0";
    // A FIFO without a writer: an open or read would wait for ever.
    QTest::newRow("silent") << true << "Error: No data from /dev/iio:device0";
}

void TestAdcCapture::missingOrSilentDeviceGivesSilence()
{
    QFETCH(bool, fifo);
    QFETCH(QString, logLine);
    TestRoot t;
    QVERIFY(t.remove(kDevice));
    if (fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(t.path(kDevice)).constData(), 0600), 0);
    auto w = std::make_unique<AnalogInputWorker>();
    LogCapture log;
    // A silent read gives up after about a second.
    QVERIFY(firstBlockAnalysed(*w));
    QVERIFY(log.contains(logLine));
    float rms = -1, peak = -1, min = -1;
    w->getAudioLevel(&rms, &peak, &min);
    QCOMPARE(rms, 0.0f);
    QCOMPARE(peak, 0.0f);
    QCOMPARE(min, 1.0f);

    // Destroyed while a read waits: the teardown still ends.
    emit w->updateAinData();
    QTest::qWait(50);
    w.reset();
}

void TestAdcCapture::destroyingRunningWorkerEndsThreadFirst()
{
    TestRoot t;
    QVERIFY(t.write(kDevice, sineBlock(0.1, 80)));
    auto w = std::make_unique<AnalogInputWorker>();
    QVERIFY(firstBlockAnalysed(*w));
    // A request in flight while the worker goes: the thread ends first and the
    // capture object goes with it, once (the sanitizer run checks both).
    emit w->updateAinData();
    w.reset();
    QCoreApplication::processEvents();
}

void TestAdcCapture::processWideWorkerShutsDown()
{
    TestRoot t;
    AnalogInputWorker* w = Analoginputworker();
    QCOMPARE(Analoginputworker(), w);
    w->startCapture();
    w->pauseCapture(false);
    shutdownAnalogInputWorker();
    shutdownAnalogInputWorker();  // twice is harmless
    QVERIFY(!requestTimer(*w)->isActive());

    // Afterwards nothing touches the device any more.
    DeviceLayer::WriteTrace trace;
    w->startCapture();
    w->pauseCapture(false);
    w->stopCapture();
    w->calculateData();
    QVERIFY(trace.entries().isEmpty());
    QVERIFY(!requestTimer(*w)->isActive());
}

QTEST_GUILESS_MAIN(TestAdcCapture)
#include "tst_adccapture.moc"
