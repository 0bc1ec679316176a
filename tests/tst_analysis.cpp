// Level, minimum, spectrum and dominant frequency of one ADC block; the FFT.
#include "Audio/analoginputworker.h"
#include "Debug/debugaudiolevelfft.h"
#include "logcapture.h"

#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <complex>
#include <cstring>
#include <random>
#include <valarray>
#include <vector>

namespace {

const int kSamples = 1024;

// Single-bin window winner: the frequency of the window's middle bin.
quint32 windowFrequency(int firstBin)
{
    return quint32(7670 * (firstBin + 2) / 1024);
}

QByteArray pcmBlock(const std::vector<int>& samples)
{
    QByteArray block(int(samples.size()) * 2, '\0');
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(qint16(samples[i]), reinterpret_cast<uchar*>(block.data()) + 2 * i);
    return block;
}

QByteArray sineBlock(double amplitude, double bin)
{
    std::vector<int> s(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const double v = amplitude * 32768.0 * std::sin(2.0 * M_PI * bin * i / kSamples);
        s[i] = int(qBound(-32768.0, std::round(v), 32767.0));
    }
    return pcmBlock(s);
}

QByteArray constantBlock(int value)
{
    return pcmBlock(std::vector<int>(kSamples, value));
}

struct Levels {
    float rms = -1, peak = -1, min = -1;
};

Levels levels(AnalogInputWorker& w)
{
    Levels l;
    w.getAudioLevel(&l.rms, &l.peak, &l.min);
    return l;
}

std::vector<float> spectrum(AnalogInputWorker& w)
{
    std::vector<float> f(kSamples, -1.0f);
    w.getFft(f.data());
    return f;
}

using CVec = std::valarray<std::complex<float>>;

CVec randomData(int n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> d(-1.0f, 1.0f);
    CVec x(n);
    for (auto& v : x)
        v = std::complex<float>(d(rng), d(rng));
    return x;
}

// CRC-32 (IEEE) of the bytes of `count` floats: a stored fingerprint that
// any changed bit of any value changes.
quint32 crc32(const float* values, int count)
{
    const uchar* p = reinterpret_cast<const uchar*>(values);
    quint32 c = 0xffffffffu;
    for (size_t i = 0; i < size_t(count) * sizeof(float); ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

quint32 bits(float v)
{
    quint32 b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Samples for the stored-results table: tones, noise from a fixed generator,
// clipped to 16 bits.
std::vector<int> mixed(int n, double amplitude, double bins, int noise, unsigned seed, int offset = 0)
{
    std::mt19937 rng(seed);
    std::vector<int> s(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        const double tone = amplitude * 32768.0 * std::sin(2.0 * M_PI * bins * i / kSamples);
        const int r = noise > 0 ? int(rng() % unsigned(2 * noise + 1)) - noise : 0;
        s[size_t(i)] = int(qBound(-32768.0, std::round(tone) + r + offset, 32767.0));
    }
    return s;
}

}

class TestAnalysis : public QObject
{
    Q_OBJECT
private slots:
    void noSignalAndRestartsOfTheMinimum();
    void sineOnBin40();
    void frequencySearchEndsAtBin510();
    void quietBlockAndNegativePulse();
    void shortLongAndOddBlocks();
    void minimumWindowAndFloor();
    void minimumOnlyFallsAndLatchesFrequency();
    void displayScale_data();
    void displayScale();
    void frequencyColours();
    void fftMatchesDoublePrecisionDft_data();
    void fftMatchesDoublePrecisionDft();
    void fftLeavesTrivialAndBadSizes();
    void conversions();
    void resultsMatchStoredOnes();
};

void TestAnalysis::noSignalAndRestartsOfTheMinimum()
{
    AnalogInputWorker w;
    LogCapture log;
    // The first three blocks after a (re)start report 1.0; the fourth opens the window.
    auto expectWarmUp = [&] {
        log.clear();
        for (int i = 0; i < 3; ++i) {
            w.analyseBlock(sineBlock(0.1, 40));
            QCOMPARE(levels(w).min, 1.0f);
        }
        QCOMPARE(log.count("calculateLevel: Noch kein Minimumpegel"), 3);
        w.analyseBlock(sineBlock(0.1, 40));
        QCOMPARE(levels(w).min, levels(w).rms);
    };
    auto expectSilence = [&] {
        const Levels l = levels(w);
        QCOMPARE(l.rms, 0.0f);
        QCOMPARE(l.peak, 0.0f);
        QCOMPARE(l.min, 1.0f);
    };

    // Before any block everything is zero, the minimum included.
    QCOMPARE(levels(w).rms, 0.0f);
    QCOMPARE(levels(w).min, 0.0f);

    w.analyseBlock(constantBlock(0));
    expectSilence();
    QVERIFY(log.contains("calculateLevel: Noch keine sinnvollen Werte"));
    for (float v : spectrum(w))
        QCOMPARE(v, 0.0f);
    // Every window ties; the last (bins 506..510) wins: 3805 Hz, shown as 3810.
    QCOMPARE(w.getSignificandFrequency(), 3810u);
    QCOMPARE(w.getSignificandFrequencyAtMin(), 3810u);
    // The constant block took no history place.
    expectWarmUp();

    // Any constant value, not only zero, is no signal.
    w.analyseBlock(constantBlock(1000));
    expectSilence();

    w.clearAllData();
    expectSilence();
    QCOMPARE(w.getSignificandFrequency(), 0u);
    QCOMPARE(w.getSignificandFrequencyAtMin(), 0u);
    for (float v : spectrum(w))
        QCOMPARE(v, 0.0f);
    expectWarmUp();
}

void TestAnalysis::sineOnBin40()
{
    AnalogInputWorker w;
    w.analyseBlock(sineBlock(0.5, 40));
    const Levels l = levels(w);
    QVERIFY(qAbs(l.rms - 0.35355f) < 1e-4f);
    QVERIFY(qAbs(l.peak - 0.5f) < 1e-4f);

    const std::vector<float> f = spectrum(w);
    QVERIFY(qAbs(f[40] - 256.0f) < 0.1f);
    float elsewhere = 0.0f;
    for (int k = 0; k < 512; ++k)
        if (k != 40)
            elsewhere = qMax(elsewhere, f[k]);
    QVERIFY2(elsewhere < 0.05f, qPrintable(QString::number(elsewhere)));
    for (int k = 512; k < kSamples; ++k)
        QCOMPARE(f[k], 0.0f);

    // The dominant frequency: that of a five-bin window holding bin 40.
    const quint32 dominant = w.getSignificandFrequency();
    QVERIFY2(dominant >= AnalogInputWorker::roundFrequency(windowFrequency(36))
                 && dominant <= AnalogInputWorker::roundFrequency(windowFrequency(40)),
             qPrintable(QString::number(dominant)));

    // The samples come back mean-free at full scale 1.0.
    std::vector<float> data(kSamples);
    w.getAudioData(data.data());
    QVERIFY(qAbs(data[32] - 0.5f) < 1e-4f);
}

void TestAnalysis::frequencySearchEndsAtBin510()
{
    // The search's last window covers bins 506..510: a loud tone in bin 511
    // is in no window, so the weaker tone in bin 100 is the dominant one.
    std::vector<int> s(kSamples);
    for (int i = 0; i < kSamples; ++i)
        s[i] = int(std::round(32768.0 * (0.5 * std::sin(2.0 * M_PI * 511 * i / kSamples)
                                          + 0.1 * std::sin(2.0 * M_PI * 100 * i / kSamples))));
    AnalogInputWorker w;
    w.analyseBlock(pcmBlock(s));
    QVERIFY(spectrum(w)[511] > 200.0f);
    const quint32 f = w.getSignificandFrequency();
    QVERIFY2(f >= AnalogInputWorker::roundFrequency(windowFrequency(96))
                 && f <= AnalogInputWorker::roundFrequency(windowFrequency(100)),
             qPrintable(QString::number(f)));
}

void TestAnalysis::quietBlockAndNegativePulse()
{
    AnalogInputWorker w;
    // One step of +-1 is far below the floor.
    std::vector<int> s(kSamples);
    for (int i = 0; i < kSamples; ++i)
        s[i] = (i % 2) ? 1 : -1;
    w.analyseBlock(pcmBlock(s));
    Levels l = levels(w);
    QCOMPARE(l.rms, float(0.000151));
    QCOMPARE(l.peak, float(0.000151));
    QVERIFY(qAbs(AnalogInputWorker::audioLevelToDb(l.rms) - 1.04f) < 0.01f);

    // Only deviations above the mean count as peak.
    std::vector<int> pulse(kSamples, 0);
    pulse[100] = -16384;
    w.analyseBlock(pcmBlock(pulse));
    l = levels(w);
    QVERIFY(qAbs(l.peak - 0.5f / 1024.0f) < 1e-6f);
}

void TestAnalysis::shortLongAndOddBlocks()
{
    std::vector<int> s(500, 1000);
    const QByteArray samples = pcmBlock(s);
    s.resize(kSamples, 0);
    const QByteArray padded = pcmBlock(s);

    AnalogInputWorker reference;
    reference.analyseBlock(padded);
    std::vector<float> expected(kSamples);
    reference.getAudioData(expected.data());

    // A short block with a trailing odd byte reads as zero-padded.
    AnalogInputWorker w;
    w.analyseBlock(samples + QByteArray(1, '\x7f'));
    std::vector<float> data(kSamples);
    w.getAudioData(data.data());
    QCOMPARE(data, expected);
    QCOMPARE(levels(w).rms, levels(reference).rms);

    // Bytes beyond one block are not part of it.
    w.analyseBlock(padded + QByteArray(100, '\x40'));
    w.getAudioData(data.data());
    QCOMPARE(data, expected);

    // No bytes at all: silence.
    w.analyseBlock(QByteArray());
    QCOMPARE(levels(w).rms, 0.0f);
    QCOMPARE(levels(w).min, 1.0f);
}

void TestAnalysis::minimumWindowAndFloor()
{
    AnalogInputWorker w;
    LogCapture log;
    const QByteArray normal = sineBlock(0.01, 80);
    const QByteArray quiet = sineBlock(0.0001, 40);

    // A quiet block among the first three is ignored by the window.
    w.analyseBlock(normal);
    w.analyseBlock(quiet);
    w.analyseBlock(normal);
    QCOMPARE(levels(w).min, 1.0f);
    QCOMPARE(log.count("calculateLevel: Noch kein Minimumpegel"), 3);
    QCOMPARE(log.count("Pegel kleiner als 0dB"), 0);

    // Block 4, the first in the window, is quiet: the window minimum sits at
    // the floor for as long as the block stays in it, i.e. up to block 30.
    w.analyseBlock(quiet);
    QCOMPARE(levels(w).min, float(0.000151));
    const quint32 quietFrequency = w.getSignificandFrequencyAtMin();
    QVERIFY(quietFrequency >= 280 && quietFrequency <= 310);
    for (int block = 5; block <= 30; ++block)
        w.analyseBlock(normal);
    QCOMPARE(log.count("calculateLevel: Pegel kleiner als 0dB"), 27);
    // From block 31 on the window holds the latest 27 blocks only.
    for (int block = 31; block <= 35; ++block)
        w.analyseBlock(normal);
    QCOMPARE(log.count("calculateLevel: Pegel kleiner als 0dB"), 27);

    // The lowest minimum stays; the frequency at it did not follow the louder blocks.
    QCOMPARE(levels(w).min, float(0.000151));
    QCOMPARE(w.getSignificandFrequencyAtMin(), quietFrequency);
    QVERIFY(w.getSignificandFrequency() >= 590 && w.getSignificandFrequency() <= 620);
}

void TestAnalysis::minimumOnlyFallsAndLatchesFrequency()
{
    AnalogInputWorker w;
    auto feed = [&w](double amplitude, int bin) {
        w.analyseBlock(sineBlock(amplitude, bin));
        return levels(w);
    };

    // The first block latches the frequency at the minimum (it was 0).
    feed(0.02, 100);
    const quint32 first = w.getSignificandFrequencyAtMin();
    QVERIFY(first >= 730 && first <= 770);
    feed(0.001, 200);  // ignored by the window, and no latch
    feed(0.02, 200);
    QCOMPARE(w.getSignificandFrequencyAtMin(), first);

    const Levels b4 = feed(0.02, 60);  // the window starts: the minimum falls from 1.0
    QCOMPARE(b4.min, b4.rms);
    const quint32 at4 = w.getSignificandFrequencyAtMin();
    QVERIFY(at4 >= 440 && at4 <= 470);

    feed(0.04, 150);  // louder: no change
    QCOMPARE(levels(w).min, b4.rms);
    QCOMPARE(w.getSignificandFrequencyAtMin(), at4);

    const Levels b6 = feed(0.01, 120);  // quieter: falls, latches
    QCOMPARE(b6.min, b6.rms);
    const quint32 at6 = w.getSignificandFrequencyAtMin();
    QVERIFY(at6 >= 890 && at6 <= 920);

    // Block 6 leaves the window at block 33; the minimum does not rise.
    for (int block = 7; block <= 35; ++block) {
        const Levels l = feed(0.016, 150);
        QCOMPARE(l.min, b6.rms);
    }
    QCOMPARE(w.getSignificandFrequencyAtMin(), at6);

    // A new low latches again.
    const Levels low = feed(0.005, 60);
    QCOMPARE(low.min, low.rms);
    QCOMPARE(w.getSignificandFrequencyAtMin(), at4);
}

void TestAnalysis::displayScale_data()
{
    QTest::addColumn<float>("level");
    QTest::addColumn<float>("scale");
    QTest::newRow("zero") << 0.0f << 0.0f;
    QTest::newRow("1e-8") << 1e-8f << 0.0f;
    QTest::newRow("1e-7") << 1e-7f << 0.0f;
    QTest::newRow("scale zero") << 1.4125e-4f << 0.0f;
    QTest::newRow("floor") << 0.000151f << 1.04f;
    QTest::newRow("0.001") << 0.001f << 30.6f;
    QTest::newRow("0.005") << 0.005f << 55.76f;
    QTest::newRow("0.01") << 0.01f << 66.6f;
    QTest::newRow("top") << 0.0794f << 98.99f;
    QTest::newRow("0.1") << 0.1f << 99.0f;
    QTest::newRow("1.0") << 1.0f << 99.0f;
    QTest::newRow("negative") << -0.5f << 0.0f;
    QTest::newRow("nan") << std::nanf("") << 0.0f;
}

void TestAnalysis::displayScale()
{
    QFETCH(float, level);
    QFETCH(float, scale);
    const float v = AnalogInputWorker::audioLevelToDb(level);
    QVERIFY2(qAbs(v - scale) < 0.01f, qPrintable(QString::number(v)));
    QVERIFY(v >= 0.0f && v <= 99.0f);
}

void TestAnalysis::frequencyColours()
{
    const QColor c1(0, 0, 255), c2(0, 255, 0), c3(255, 0, 0);
    const struct {
        quint32 value, max;
        QColor colour;
    } rows[] = {
        {0, 300, c1}, {150, 300, c2}, {300, 300, c3}, {1000, 300, c3},
        {75, 300, QColor(0, 127, 127)}, {225, 300, QColor(127, 127, 0)},  // halfway, truncated
        {0, 0, c3}, {5, 1, c3},        // no steps: the top colour, no division by zero
        {301, 301, c3}, {3, 3, c3},    // an odd maximum: not beyond the top colour
    };
    QColor text;
    for (const auto& r : rows)
        QVERIFY2(AnalogInputWorker::calcFrequencyColor(r.value, r.max, c1, c2, c3, &text) == r.colour,
                 qPrintable(QString("%1 of %2").arg(r.value).arg(r.max)));
    for (quint32 v = 0; v <= 5; ++v)
        QVERIFY(AnalogInputWorker::calcFrequencyColor(v, 5, c1, c2, c3, &text).isValid());

    const QColor white(255, 255, 255), black(0, 0, 0);
    for (auto [value, colour] : {std::pair{0u, white}, {210u, white}, {211u, black}, {300u, black}}) {
        AnalogInputWorker::calcFrequencyColor(value, 300, c1, c2, c3, &text);
        QCOMPARE(text, colour);
    }
    // Alpha is always opaque.
    QCOMPARE(AnalogInputWorker::calcFrequencyColor(10, 300, QColor(10, 20, 30, 0), c2, c3, &text).alpha(),
             255);
}

void TestAnalysis::fftMatchesDoublePrecisionDft_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<quint32>("crc");  // of the result as stored before, bit for bit
    QTest::newRow("2") << 2 << 0x0a0ae212u;
    QTest::newRow("4") << 4 << 0xfd5f2bb4u;
    QTest::newRow("8") << 8 << 0x21586aa6u;
    QTest::newRow("32") << 32 << 0x77848c53u;
    QTest::newRow("1024") << 1024 << 0x58ed08a2u;
}

void TestAnalysis::fftMatchesDoublePrecisionDft()
{
    QFETCH(int, n);
    QFETCH(quint32, crc);
    const CVec input = randomData(n, 17u + unsigned(n));
    CVec x = input;
    fft(x);
    QCOMPARE(crc32(reinterpret_cast<const float*>(&x[0]), 2 * n), crc);

    // X[k] = sum x[j] e^(+2 pi i jk/n), in double.
    double largest = 0.0, worst = 0.0;
    std::vector<std::complex<double>> reference(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        std::complex<double> s = 0.0;
        for (int j = 0; j < n; ++j) {
            const double angle = 2.0 * M_PI * double((long long)j * k % n) / n;
            s += std::complex<double>(input[j]) * std::polar(1.0, angle);
        }
        reference[size_t(k)] = s;
        largest = std::max(largest, std::abs(s));
    }
    for (int k = 0; k < n; ++k)
        worst = std::max(worst, std::abs(std::complex<double>(x[k]) - reference[size_t(k)]));
    QVERIFY2(worst <= 1e-4 * largest, qPrintable(QString("%1 of %2").arg(worst).arg(largest)));

    // The inverse brings the input back; repeated-multiplication twiddles lose about 2e-5 each way.
    ifft(x);
    float back = 0.0f;
    for (int i = 0; i < n; ++i)
        back = std::max(back, std::abs(x[i] - input[i]));
    QVERIFY2(back < 2e-4f, qPrintable(QString::number(back)));
}

void TestAnalysis::fftLeavesTrivialAndBadSizes()
{
    // Sizes 0 and 1 need no transform; 6 is no power of two and is left
    // alone rather than read past the end.
    for (int n : {0, 1, 6}) {
        const CVec input = randomData(n, 5u);
        CVec x = input;
        auto unchanged = [&] {
            return x.size() == input.size() && std::equal(std::begin(input), std::end(input), std::begin(x));
        };
        fft(x);
        QVERIFY(unchanged());
        ifft(x);
        QVERIFY(unchanged());
    }
}

void TestAnalysis::conversions()
{
    const std::pair<quint32, quint32> rounding[] = {{0, 0}, {14, 10}, {15, 20}, {3805, 3810}};
    for (auto [hz, shown] : rounding)
        QCOMPARE(AnalogInputWorker::roundFrequency(hz), shown);

    QCOMPARE(pcmToReal(0), 0.0f);
    QCOMPARE(pcmToReal(-32768), -1.0f);
    QCOMPARE(pcmToReal(16384), 0.5f);
    QCOMPARE(pcmToReal(32767), 32767.0f / 32768.0f);

    QCOMPARE(realToPcm(0.0f), short(0));
    QCOMPARE(realToPcm(1.0f), short(32767));
    QCOMPARE(realToPcm(-1.0f), short(-32767));
    QCOMPARE(realToPcm(0.5f), short(16383));    // 16383.5, toward zero
    QCOMPARE(realToPcm(-0.5f), short(-16383));
    QCOMPARE(realToPcm(1.5f), short(32767));    // clamped
    QCOMPARE(realToPcm(-7.0f), short(-32767));
    QCOMPARE(realToPcm(std::nanf("")), short(0));
}

void TestAnalysis::resultsMatchStoredOnes()
{
    // Bit for bit what the analysis gave when these were recorded: rms, peak
    // and minimum as float bits, CRCs of the mean-free samples and of the 512
    // magnitudes, both frequencies. One worker takes the blocks in order.
    const struct {
        const char* name;
        QByteArray block;
        quint32 rms, peak, min, samples, magnitudes, frequency, atMin;
    } rows[] = {
        {"silence", constantBlock(0), 0x00000000, 0x00000000, 0x3f800000, 0xc71c0011, 0xc71c0011, 3810, 3810},
        {"bin 40", sineBlock(0.5, 40), 0x3eb50501, 0x3f000000, 0x3f800000, 0x544f5131, 0x84424cdb, 310, 3810},
        {"quiet noise", pcmBlock(mixed(kSamples, 0, 0, 2, 3)), 0x391e55c1, 0x391e55c1, 0x3f800000, 0x74a2a62e, 0x28592f13, 3660, 3810},
        {"620 Hz in noise", pcmBlock(mixed(kSamples, 0.004, 82.78, 100, 1)), 0x3b570f48, 0x3be5d7c0, 0x3f800000, 0x430f411b, 0x5bc1aa12, 620, 3810},
        {"full-scale noise", pcmBlock(mixed(kSamples, 0, 0, 32768, 2)), 0x3f146a07, 0x3f81d8a2, 0x3f146a07, 0xe970e13a, 0x147cac6f, 3010, 3010},
        {"clipped, offset", pcmBlock(mixed(kSamples, 0.9, 123.37, 0, 0, 9000)), 0x3f1b2199, 0x3f3f4a90, 0x3f146a07, 0xb0f65d00, 0x4e6f839c, 920, 3010},
        {"noise 300", pcmBlock(mixed(kSamples, 0, 0, 300, 5)), 0x3baf97dc, 0x3c160840, 0x3baf97dc, 0xf0990d70, 0xc664b173, 2400, 2400},
        {"short, odd", pcmBlock(mixed(350, 0.1, 300.5, 50, 4)) + "\x33", 0x3d291218, 0x3dcedacc, 0x3baf97dc, 0x3febfd45, 0xe2fb47c0, 2250, 2400},
        {"1500 Hz in noise", pcmBlock(mixed(kSamples, 0.05, 200.26, 400, 6)), 0x3d1375eb, 0x3d7f6500, 0x3baf97dc, 0x298e7442, 0xd3fb8031, 1500, 2400},
        {"two tones", pcmBlock(mixed(kSamples, 0.02, 7.5, 20, 7, -500)), 0x3c6751a6, 0x3ca1a520, 0x3baf97dc, 0x5aff78e3, 0x967cd712, 50, 2400},
        {"noise 30", pcmBlock(mixed(kSamples, 0, 0, 30, 8)), 0x3a0c3273, 0x3a6c3800, 0x3a0c3273, 0xdc40e8f2, 0xac7782b3, 310, 310},
        {"constant", constantBlock(1000), 0x00000000, 0x00000000, 0x3f800000, 0xc71c0011, 0xc71c0011, 3810, 310},
    };
    AnalogInputWorker w;
    std::vector<float> samples(kSamples), magnitudes(kSamples);
    for (const auto& r : rows) {
        w.analyseBlock(r.block);
        const Levels l = levels(w);
        w.getAudioData(samples.data());
        w.getFft(magnitudes.data());
        const quint32 got[] = {bits(l.rms), bits(l.peak), bits(l.min), crc32(samples.data(), kSamples),
                               crc32(magnitudes.data(), kSamples), w.getSignificandFrequency(),
                               w.getSignificandFrequencyAtMin()};
        const quint32 want[] = {r.rms, r.peak, r.min, r.samples, r.magnitudes, r.frequency, r.atMin};
        for (size_t i = 0; i < std::size(want); ++i)
            QVERIFY2(got[i] == want[i], qPrintable(QString("%1, value %2: %3 instead of %4")
                                                      .arg(r.name).arg(i).arg(got[i], 0, 16).arg(want[i], 0, 16)));
    }
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
