#include "analoginputworker.h"

#include "Debug/debugaudiolevelfft.h"
#include "Hardware/analoginput.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const float kMeanFactor = 0.0009765625f;  // 1/1024
const double kLevelFloor = 0.000151;
const double kMinAcceptance = 0.00016;
const int kIgnoredHistory = 3;
const int kWindowBins = 5;

AnalogInputWorker* g_instance = nullptr;

}

AnalogInputWorker::AnalogInputWorker(QObject* parent)
    : QObject(parent)
    , m_fftPlan(kSamples)
{
    qDebug() << "AnalogInputWorker Konstruktor";
    m_timerUpdate = new QTimer(this);
    connect(m_timerUpdate, &QTimer::timeout, this, &AnalogInputWorker::updateData,
            Qt::UniqueConnection);

    m_ainThread.setObjectName("adc");
    m_ain = new AnalogInput();
    m_ain->moveToThread(&m_ainThread);
    connect(&m_ainThread, &QThread::finished, m_ain, &QObject::deleteLater);
    connect(this, &AnalogInputWorker::updateAinData, m_ain, &AnalogInput::updateBuffer);
    connect(m_ain, &AnalogInput::bufferUpdated, this, &AnalogInputWorker::calculateData);
    m_ainThread.start(QThread::InheritPriority);
}

AnalogInputWorker::~AnalogInputWorker()
{
    qDebug() << "AnalogInputWorker Destruktor";
    shutdown();
    // Only a thread that never ran leaves the capture object behind.
    delete m_ain;
}

void AnalogInputWorker::shutdown()
{
    m_timerUpdate->stop();
    m_pauseCapture = true;
    m_captureStarted = false;
    m_ainThread.stop();
    // The thread's finished() -> deleteLater() has destroyed the capture object.
    if (m_ainThread.isFinished())
        m_ain = nullptr;
}

void AnalogInputWorker::resetLevels(bool meanSpectrumToo)
{
    std::memset(m_fft, 0, kSpectrumBins * sizeof(float));
    if (meanSpectrumToo)
        std::memset(m_fft_mean, 0, kSpectrumBins * sizeof(float));
    std::memset(m_rmsLevel_hist, 0, sizeof(m_rmsLevel_hist));
    m_histLevelPos = 0;
    m_rmsLevel = 0.0f;
    m_peakLevel = 0.0f;
}

void AnalogInputWorker::startCapture()
{
    if (!m_ain)
        return;
    // Started means paused: blocks flow again only after the next resume.
    m_timerUpdate->stop();
    m_analyseAudioData = QByteArray(2304, '\0');
    qDebug() << "AnalogInputWorker::startCapture1:" << m_rmsLevel_hist[0] << m_rmsLevel_hist[1]
             << m_rmsLevel_hist[2] << m_rmsLevel_hist[3] << m_rmsLevel_hist[4]
             << m_rmsLevel_hist[5] << m_rmsLevel_hist[6];
    resetLevels(true);
    m_ain->initContinousMode();
    m_ain->startCapture();
    m_pauseCapture = true;
    m_captureStarted = true;
}

void AnalogInputWorker::stopCapture()
{
    m_timerUpdate->stop();
    if (m_ain)
        m_ain->stopCapture();
    m_pauseCapture = true;
    m_captureStarted = false;
}

void AnalogInputWorker::pauseCapture(bool pause)
{
    if (!m_captureStarted) {
        qDebug() << "AnalogInputWorker::pauseCapture: Wurde aufgerufen, ohne zuvor startCapture "
                    "auszuführen";
        m_timerUpdate->stop();
        m_pauseCapture = true;
        return;
    }
    if (pause) {
        m_pauseCapture = true;
        m_timerUpdate->stop();
        return;
    }
    resetLevels(false);
    m_pauseCapture = false;
    m_timerUpdate->start(kRequestIntervalMs);
}

void AnalogInputWorker::updateData()
{
    // While a read still waits for a slow device, further requests would only
    // queue up on the capture thread, and the wait for it at exit with them.
    if (m_blockRequested)
        return;
    m_blockRequested = true;
    emit updateAinData();
}

void AnalogInputWorker::calculateData()
{
    m_blockRequested = false;
    if (!m_ain)
        return;
    analyseBlock(m_ain->getBuffer());
}

void AnalogInputWorker::analyseBlock(const QByteArray& block)
{
    // Shared, not copied; calculateLevel() reads at most one block of it.
    m_analyseAudioData = block;
    calculateLevel();
    calculateFft();
    emit blockAnalysed();
}

void AnalogInputWorker::calculateLevel()
{
    const uchar* pcm = reinterpret_cast<const uchar*>(m_analyseAudioData.constData());
    // A short block counts as padded with zero samples; a trailing odd byte is ignored.
    const int received = qMin(m_analyseAudioData.size() / 2, kSamples);
    qint32 total = 0;
    qint32 magnitude = 0;
    for (int i = 0; i < received; ++i) {
        const qint16 sample = qFromLittleEndian<qint16>(pcm + 2 * i);
        m_rawAudioData[i] = pcmToReal(sample);
        total += sample;
        magnitude += std::abs(sample);
    }
    std::fill(m_rawAudioData + received, m_rawAudioData + kSamples, 0.0f);

    // The samples summed in float, in order. While no partial sum needs more
    // than float's 24 bits (sum of |sample| at most 2^24), every addition is
    // exact, so the integer sum scaled is that float sum to the bit, without
    // a chain of 1024 dependent additions. Louder blocks are summed in float.
    float sum = 0.0f;
    if (magnitude <= (1 << 24)) {
        sum = float(total) / 32768.0f;
    } else {
        for (int i = 0; i < kSamples; ++i)
            sum += m_rawAudioData[i];
    }
    const float mean = sum * kMeanFactor;
    float peak = 0.0f;
    float squares = 0.0f;
    for (int i = 0; i < kSamples; ++i) {
        const float d = m_rawAudioData[i] - mean;
        m_rawAudioData[i] = d;
        // Only deviations above the mean count.
        if (d > peak)
            peak = d;
        squares += d * d;
    }
    m_peakLevel = peak;
    m_rmsLevel = std::sqrt(squares * kMeanFactor);

    if (m_rmsLevel == 0.0f) {
        m_rmsLevel_min = 1.0f;
        m_rmsLevel_min_abs = 1.0f;
        qDebug() << "calculateLevel: Noch keine sinnvollen Werte";
        return;
    }

    if (m_rmsLevel < kLevelFloor)
        m_rmsLevel = static_cast<float>(kLevelFloor);
    if (m_peakLevel < kLevelFloor)
        m_peakLevel = static_cast<float>(kLevelFloor);

    m_rmsLevel_hist[m_histLevelPos] = m_rmsLevel;

    if (m_histLevelPos < kIgnoredHistory) {
        m_rmsLevel_min = 1.0f;
        m_rmsLevel_min_abs = 1.0f;
        qDebug() << "calculateLevel: Noch kein Minimumpegel";
    } else {
        float min = 1.0f;
        for (int i = kIgnoredHistory; i <= m_histLevelPos; ++i)
            min = std::min(min, m_rmsLevel_hist[i]);
        if (min > kMinAcceptance && min < 1.0) {
            m_rmsLevel_min = min;
            if (m_rmsLevel_min_abs > min) {
                m_rmsLevel_min_abs = min;
                m_storeMinFrequency = true;
            }
        } else {
            qDebug() << "calculateLevel: Pegel kleiner als 0dB" << audioLevelToDb(min) << min
                     << m_rmsLevel_min << m_rmsLevel_min_abs;
            const float floor = static_cast<float>(kLevelFloor);
            m_rmsLevel_min = floor;
            // Compared with the stored float: in double it lies above the floor,
            // and a minimum resting there would count as falling on every block.
            if (m_rmsLevel_min_abs > floor) {
                m_rmsLevel_min_abs = floor;
                m_storeMinFrequency = true;
            }
        }
    }

    if (m_rmsLevel_min_abs >= 0.528203 && m_rmsLevel_min_abs <= 0.528205) {
        qDebug() << "Error 99:" << m_rmsLevel_min_abs << m_rawAudioData[0] << m_rmsLevel_hist[0]
                 << m_rmsLevel_hist[1] << m_rmsLevel_hist[2] << m_rmsLevel_hist[3]
                 << m_rmsLevel_hist[4] << m_rmsLevel_hist[5] << m_rmsLevel_hist[6];
        qDebug() << "Error 99 RAW:" << m_analyseAudioData.size()
                 << m_analyseAudioData.left(12).toHex(' ');
    }

    if (++m_histLevelPos >= kHistory) {
        std::memmove(m_rmsLevel_hist, m_rmsLevel_hist + 1, (kHistory - 1) * sizeof(float));
        m_histLevelPos = kHistory - 1;
    }
}

void AnalogInputWorker::calculateFft()
{
    std::memcpy(m_fftRe, m_rawAudioData, sizeof(m_fftRe));
    std::memset(m_fftIm, 0, sizeof(m_fftIm));
    m_fftPlan.transform(m_fftRe, m_fftIm);
    // re² + im² of bin k, then the roots in one pass that can be vectorised.
    for (int k = 0; k < kSpectrumBins; ++k) {
        const uint32_t at = m_fftPlan.position(k);
        m_fft[k] = m_fftRe[at] * m_fftRe[at] + m_fftIm[at] * m_fftIm[at];
    }
    for (int k = 0; k < kSpectrumBins; ++k)
        m_fft[k] = std::sqrt(m_fft[k]);
    std::memcpy(m_fft_mean, m_fft, kSpectrumBins * sizeof(float));
    calculateSignificandFrequency();
}

void AnalogInputWorker::calculateSignificandFrequency()
{
    // 507 windows, the last over bins 506..510: bin 511 is in none. Each sum
    // is added in bin order. The sums are never negative, and such floats
    // order as their bit patterns do: the largest is found as an integer
    // maximum, which vectorises.
    const int windows = kSpectrumBins - kWindowBins;
    qint32 largestBits = 0;
    for (int k = 0; k < windows; ++k) {
        float s = m_fft_mean[k];
        for (int j = 1; j < kWindowBins; ++j)
            s += m_fft_mean[k + j];
        m_windowSums[k] = s;
        qint32 bits;
        std::memcpy(&bits, &s, sizeof bits);
        largestBits = std::max(largestBits, bits);
    }
    float largest;
    std::memcpy(&largest, &largestBits, sizeof largest);
    // Ties go to the later window: the last one holding the largest sum.
    int winner = windows - 1;
    while (m_windowSums[winner] < largest)
        --winner;
    // Middle bin of the window at 7670 Hz / 1024, rounded down.
    m_significandFrequency = (15340u + 7670u * quint32(winner)) >> 10;
    if (m_storeMinFrequency || m_significandFrequencyAtMin == 0) {
        m_significandFrequencyAtMin = m_significandFrequency;
        m_storeMinFrequency = false;
    }
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel)
{
    *rmsLevel = m_rmsLevel;
    return 0;
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel, float* peakLevel)
{
    *rmsLevel = m_rmsLevel;
    *peakLevel = m_peakLevel;
    return 0;
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel, float* peakLevel, float* minLevel)
{
    *rmsLevel = m_rmsLevel;
    *peakLevel = m_peakLevel;
    *minLevel = m_rmsLevel_min_abs;
    return 0;
}

int AnalogInputWorker::getFft(float* fft)
{
    std::memcpy(fft, m_fft_mean, sizeof(m_fft_mean));
    return 0;
}

int AnalogInputWorker::getAudioData(float* data)
{
    std::memcpy(data, m_rawAudioData, sizeof(m_rawAudioData));
    return 0;
}

float AnalogInputWorker::audioLevelToDb(float level)
{
    const double x = level;
    if (!(x >= 1e-7))
        return 0.0f;
    float v = static_cast<float>(77.0 + 20.0 * std::log10(x));
    v = static_cast<float>(v * 1.8);
    if (v < 0.0f)
        return 0.0f;
    if (v > 99.0f)
        return 99.0f;
    return v;
}

quint32 AnalogInputWorker::roundFrequency(quint32 hz)
{
    return (hz + 5) / 10 * 10;
}

quint32 AnalogInputWorker::getSignificandFrequency()
{
    return roundFrequency(m_significandFrequency);
}

quint32 AnalogInputWorker::getSignificandFrequencyAtMin()
{
    return roundFrequency(m_significandFrequencyAtMin);
}

QColor AnalogInputWorker::calcFrequencyColor(quint32 a_value, quint32 a_maxValue, QColor a_color1,
                                             QColor a_color2, QColor a_color3, QColor* a_textColor)
{
    const quint32 steps = a_maxValue / 2;
    quint32 value = qMin(a_value, a_maxValue);
    QColor from = a_color1;
    QColor to = a_color2;
    if (value >= steps) {
        from = a_color2;
        to = a_color3;
        value -= steps;
    }
    // A scale without steps shows its top colour; an odd maximum must not
    // carry the blend past the last colour.
    double factor = steps > 0 ? double(value) / double(steps) : 1.0;
    factor = qBound(0.0, factor, 1.0);
    auto blend = [factor](int a, int b) {
        return int(qBound(0.0, a + (b - a) * factor, 255.0));
    };
    const QColor result(blend(from.red(), to.red()), blend(from.green(), to.green()),
                        blend(from.blue(), to.blue()), 255);

    if (a_textColor) {
        if (a_value > (a_maxValue / 10) * 7)
            *a_textColor = QColor(0, 0, 0, 255);
        else
            *a_textColor = QColor(255, 255, 255, 255);
    }
    return result;
}

void AnalogInputWorker::clearAllData()
{
    std::memset(m_rawAudioData, 0, sizeof(m_rawAudioData));
    m_rmsLevel = 0.0f;
    std::memset(m_rmsLevel_hist, 0, sizeof(m_rmsLevel_hist));
    m_peakLevel = 0.0f;
    std::memset(m_fft, 0, sizeof(m_fft));
    std::memset(m_fft_mean, 0, sizeof(m_fft_mean));
    m_histLevelPos = 0;
    m_significandFrequency = 0;
    m_significandFrequencyAtMin = 0;
    m_rmsLevel_min = 1.0f;
    m_rmsLevel_min_abs = 1.0f;
}

AnalogInputWorker* Analoginputworker()
{
    static AnalogInputWorker worker;
    if (!g_instance) {
        // The capture object can only go with its thread while the
        // application object exists; the static worker outlives it.
        qAddPostRoutine(shutdownAnalogInputWorker);
    }
    g_instance = &worker;
    return &worker;
}

void shutdownAnalogInputWorker()
{
    if (g_instance)
        g_instance->shutdown();
}
