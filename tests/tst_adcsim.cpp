// The simulated ADC: the signal generator, "devsim signal" and the IIO feed,
// and the product's capture reading that feed.
#include "Audio/analoginputworker.h"
#include "Debug/debugaudiolevelfft.h"
#include "adcfeed.h"
#include "signalgenerator.h"
#include "testroot.h"

#include <QDir>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

const QString kEnable = "/sys/bus/iio/devices/iio:device0/buffer/enable";
const QString kDevice = "/dev/iio:device0";

double rmsDb(const std::vector<float>& x)
{
    double sum = 0.0;
    for (float v : x)
        sum += double(v) * v;
    return 10.0 * std::log10(sum / double(x.size()));
}

SignalParams params(double toneHz, bool toneOn, double toneDb, bool noiseOn, double noiseDb)
{
    SignalParams p;
    p.toneHz = toneHz;
    p.toneOn = toneOn;
    p.toneDb = toneDb;
    p.noiseOn = noiseOn;
    p.noiseDb = noiseDb;
    return p;
}

std::vector<float> samples(SignalGenerator& g, int count)
{
    std::vector<float> x(size_t(count), 0.0f);
    g.generate(x.data(), count);
    return x;
}

// Share of the power between lowHz and highHz, from one long transform.
double bandShare(const std::vector<float>& x, double rate, double lowHz, double highHz)
{
    std::valarray<std::complex<float>> c(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        c[i] = x[i];
    fft(c);
    double inBand = 0.0, total = 0.0;
    for (size_t k = 1; k < x.size() / 2; ++k) {
        const double hz = double(k) * rate / double(x.size());
        const double p = std::norm(std::complex<double>(c[k]));
        total += p;
        if (hz >= lowHz && hz <= highHz)
            inBand += p;
    }
    return inBand / total;
}

}

class TestAdcSim : public QObject
{
    Q_OBJECT
private slots:
    void generatorLevelsAtAnyRate_data();
    void generatorLevelsAtAnyRate();
    void generatorPcmAndLimits();
    void signalParamsAndOptions();
    void signalCommand();
    void feedPublishesWholeBlocks();
    void simulatedAdcThroughTheProduct();
};

void TestAdcSim::generatorLevelsAtAnyRate_data()
{
    QTest::addColumn<double>("rate");
    QTest::newRow("ADC 7670") << 7670.0;
    QTest::newRow("audio 16000") << 16000.0;
}

void TestAdcSim::generatorLevelsAtAnyRate()
{
    QFETCH(double, rate);
    const int n = 16384;

    SignalGenerator noise(rate);
    noise.setParams(params(440, false, -20, true, -40));
    const std::vector<float> x = samples(noise, n);
    QVERIFY2(qAbs(rmsDb(x) + 40.0) < 0.5, qPrintable(QString::number(rmsDb(x))));
    // Leak-like: nearly all of it from a few hundred hertz to 1.5 kHz.
    QVERIFY(bandShare(x, rate, 200, 2000) > 0.95);
    QVERIFY(bandShare(x, rate, 300, 1500) > 0.75);

    SignalGenerator tone(rate);
    tone.setParams(params(440, true, -20, false, -40));
    const std::vector<float> y = samples(tone, n);
    QVERIFY(qAbs(rmsDb(y) + 20.0) < 0.05);
    QVERIFY(bandShare(y, rate, 430, 450) > 0.95);

    // Both together add in power: -20 and -20 make about -17.
    SignalGenerator both(rate);
    both.setParams(params(1000, true, -20, true, -20));
    QVERIFY(qAbs(rmsDb(samples(both, n)) + 16.99) < 0.5);

    SignalGenerator silent(rate);
    silent.setParams(params(440, false, -20, false, -20));
    for (float v : samples(silent, 4096))
        QCOMPARE(v, 0.0f);
}

void TestAdcSim::generatorPcmAndLimits()
{
    // The same seed gives the same signal.
    SignalGenerator a(7670), b(7670);
    QCOMPARE(a.generatePcm16(500), b.generatePcm16(500));

    // Full-scale tone: clipped, never wrapped.
    SignalGenerator loud(7670);
    loud.setParams(params(100, true, 0, false, -40));
    const QByteArray pcm = loud.generatePcm16(7670);
    QCOMPARE(pcm.size(), 2 * 7670);
    int top = 0, bottom = 0;
    for (int i = 0; i < 7670; ++i) {
        const qint16 s = qFromLittleEndian<qint16>(reinterpret_cast<const uchar*>(pcm.constData()) + 2 * i);
        top = qMax(top, int(s));
        bottom = qMin(bottom, int(s));
    }
    QCOMPARE(top, 32767);
    QCOMPARE(bottom, -32768);

    // A tone at or above half the rate cannot be sampled and is left out.
    SignalGenerator high(7670);
    high.setParams(params(5000, true, -20, false, -40));
    for (float v : samples(high, 1000))
        QCOMPARE(v, 0.0f);

    // A change of tone keeps the phase: no step between the two parts.
    SignalGenerator glide(7670);
    glide.setParams(params(400, true, -10, false, -40));
    const std::vector<float> before = samples(glide, 1001);
    glide.setParams(params(410, true, -10, false, -40));
    const std::vector<float> after = samples(glide, 1);
    const double maxStep = std::sqrt(2.0) * std::pow(10.0, -0.5) * 2.0 * M_PI * 410.0 / 7670.0;
    QVERIFY(qAbs(after[0] - before.back()) <= maxStep * 1.01);
}

void TestAdcSim::signalParamsAndOptions()
{
    const SignalParams defaults;
    QCOMPARE(SignalParams::fromText(defaults.toText()).toText(), defaults.toText());
    QVERIFY(defaults.toneOn && defaults.noiseOn);
    // The default signal reads mid-scale: about 0.005 RMS.
    const double rms = std::sqrt(std::pow(10.0, defaults.toneDb / 10.0)
                                 + std::pow(10.0, defaults.noiseDb / 10.0));
    QVERIFY(qAbs(AnalogInputWorker::audioLevelToDb(float(rms)) - 56.0f) < 1.5f);

    const SignalParams parsed = SignalParams::fromText("tone-hz=440\nnoise-db=off\nbogus=1\n"
                                                       "tone-db=loud\n");
    QCOMPARE(parsed.toneHz, 440.0);
    QVERIFY(!parsed.noiseOn);
    QCOMPARE(parsed.toneDb, defaults.toneDb);  // a bad value keeps the default

    SignalParams p;
    QString error;
    QVERIFY(p.applyOptions({"--tone-hz", "440"}, &error));
    QCOMPARE(p.toneHz, 440.0);
    QCOMPARE(p.noiseDb, defaults.noiseDb);
    QVERIFY(p.applyOptions({"--tone-db", "off", "--noise-db", "-60.5"}, &error));
    QVERIFY(!p.toneOn);
    QCOMPARE(p.noiseDb, -60.5);
    QVERIFY(p.applyOptions({"--tone-db", "-30"}, &error));
    QVERIFY(p.toneOn);

    const SignalParams kept = p;
    const QList<QStringList> bad{{"--tone-hz", "0"},   {"--tone-hz", "-5"},
                                 {"--tone-hz", "abc"}, {"--tone-db", "3"},
                                 {"--noise-db", "x"},  {"--noise-db"},
                                 {"--volume", "3"},    {"--tone-hz", "440", "--tone-db", "nan"}};
    for (const QStringList& options : bad) {
        error.clear();
        QVERIFY2(!p.applyOptions(options, &error), qPrintable(options.join(' ')));
        QVERIFY(!error.isEmpty());
        QCOMPARE(p.toText(), kept.toText());  // nothing half-applied
    }
}

void TestAdcSim::signalCommand()
{
    TestRoot t;
    QString outText, errText;
    QTextStream out(&outText), err(&errText);

    QCOMPARE(runSignalCommand(t.root(), {"--tone-hz", "440", "--noise-db", "off"}, out, err), 0);
    out.flush();
    QVERIFY(outText.contains("tone 440 Hz"));
    SignalParams p = SignalParams::load(t.root());
    QCOMPARE(p.toneHz, 440.0);
    QVERIFY(!p.noiseOn);

    // Options given later change only themselves.
    QCOMPARE(runSignalCommand(t.root(), {"--tone-db", "-30"}, out, err), 0);
    p = SignalParams::load(t.root());
    QCOMPARE(p.toneHz, 440.0);
    QCOMPARE(p.toneDb, -30.0);
    QVERIFY(!p.noiseOn);

    const QByteArray before = t.read(SignalParams::kUnitPath);
    QCOMPARE(runSignalCommand(t.root(), {"--tone-hz", "zero"}, out, err), 2);
    err.flush();
    QVERIFY(errText.contains("--tone-hz"));
    QCOMPARE(t.read(SignalParams::kUnitPath), before);

    QTemporaryDir empty;
    QCOMPARE(runSignalCommand(empty.path(), {"--tone-hz", "440"}, out, err), 1);
    QVERIFY(!QFile::exists(SignalParams::filePath(empty.path())));
}

void TestAdcSim::feedPublishesWholeBlocks()
{
    TestRoot t;
    AdcFeed feed;
    QVERIFY(feed.start(t.root()));
    // Buffer off: the device yields nothing.
    QCOMPARE(t.read(kDevice).size(), 0);

    QVERIFY(t.write(kEnable, "1"));
    feed.advance(100);
    const QByteArray first = t.read(kDevice);
    QCOMPARE(first.size(), 2048);
    feed.advance(100);
    const QByteArray second = t.read(kDevice);
    QCOMPARE(second.size(), 2048);
    // The newest 1024 samples: the block moved on by 100.
    QCOMPARE(second.left(2048 - 200), first.mid(200));
    QVERIFY(second.right(200) != first.right(200));
    // Replaced by rename: nothing else is left beside the device.
    QCOMPARE(QDir(t.path("/dev")).entryList(QDir::Files), QStringList{"iio:device0"});

    // A new signal is heard at the next step.
    QVERIFY(SignalParams::fromText("tone-db=off\nnoise-db=off\n").save(t.root()));
    feed.advance(1024);
    QCOMPARE(t.read(kDevice), QByteArray(2048, '\0'));

    QVERIFY(t.write(kEnable, "0"));
    feed.advance(10);
    QCOMPARE(t.read(kDevice).size(), 0);

    QVERIFY(t.write(kEnable, "1"));
    feed.advance(10);
    QCOMPARE(t.read(kDevice).size(), 2048);
    feed.stop();
    QCOMPARE(t.read(kDevice).size(), 0);
}

void TestAdcSim::simulatedAdcThroughTheProduct()
{
    TestRoot t;
    QVERIFY(params(440, true, -30, true, -50).save(t.root()));
    AdcFeed feed;
    QVERIFY(feed.start(t.root()));

    AnalogInputWorker w;
    QSignalSpy analysed(&w, &AnalogInputWorker::blockAnalysed);
    w.startCapture();
    w.pauseCapture(false);
    for (int i = 0; i < 2; ++i)
        QVERIFY(analysed.wait(20000));

    float rms = 0;
    w.getAudioLevel(&rms);
    // -30 dB and -50 dB: 0.0317 RMS.
    QVERIFY2(qAbs(rms - 0.0317f) < 0.003f, qPrintable(QString::number(rms)));
    const int f = int(w.getSignificandFrequency());
    QVERIFY2(qAbs(f - 440) <= 15, qPrintable(QString::number(f)));

    // Both off: silence reaches the display as 0.
    // The feed needs a block's worth of new samples, and the worker a request
    // after that: wait for the outcome, however late the blocks come.
    QVERIFY(params(440, false, -30, false, -50).save(t.root()));
    QTRY_VERIFY_WITH_TIMEOUT(
        (w.getAudioLevel(&rms), AnalogInputWorker::audioLevelToDb(rms) == 0.0f), 20000);
    feed.stop();
}

QTEST_GUILESS_MAIN(TestAdcSim)
#include "tst_adcsim.moc"
