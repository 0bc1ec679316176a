#ifndef ANALOGINPUTWORKER_H
#define ANALOGINPUTWORKER_H

#include "Debug/debugaudiolevelfft.h"
#include "workerthread.h"

#include <QByteArray>
#include <QColor>
#include <QObject>

class AnalogInput;
class QTimer;

// ADC capture and analysis. Owns the capture thread and its AnalogInput,
// requests one block every 300 ms while capture runs, and turns each block
// into level, minimum, peak, spectrum and dominant frequency on the GUI
// thread. The process uses the one instance from Analoginputworker(); the
// class stays constructible for tests.
class AnalogInputWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSamples = 1024;
    static constexpr int kSpectrumBins = 512;
    static constexpr int kHistory = 30;
    static constexpr int kRequestIntervalMs = 300;

    explicit AnalogInputWorker(QObject* parent = nullptr);
    ~AnalogInputWorker() override;

    void startCapture();
    void stopCapture();
    void pauseCapture(bool pause);
    bool isCapturePaused() const { return m_pauseCapture; }

    // Ends the capture thread (WorkerThread::stop()); the capture object goes
    // with it. Afterwards the control operations do nothing. Called at process
    // exit.
    void shutdown();

    // The whole analysis of one block of signed 16-bit little-endian samples.
    // A short block counts as padded with zero samples to 1024; a trailing
    // odd byte is ignored.
    void analyseBlock(const QByteArray& block);

    int getAudioLevel(float* rmsLevel);
    int getAudioLevel(float* rmsLevel, float* peakLevel);
    int getAudioLevel(float* rmsLevel, float* peakLevel, float* minLevel);
    // Copies 1024 floats: 512 magnitudes, then 512 zeros.
    int getFft(float* fft);
    // Copies the 1024 mean-free samples of the last block.
    int getAudioData(float* data);

    static float audioLevelToDb(float level);
    quint32 getSignificandFrequency();
    quint32 getSignificandFrequencyAtMin();
    // The nearest multiple of 10 Hz, halves up.
    static quint32 roundFrequency(quint32 hz);
    static QColor calcFrequencyColor(quint32 a_value, quint32 a_maxValue, QColor a_color1,
                                     QColor a_color2, QColor a_color3, QColor* a_textColor);

    void clearAllData();

public slots:
    void calculateData();

signals:
    void updateAinData();
    // A block has been analysed; the getters now return its results.
    void blockAnalysed();

private slots:
    void updateData();

private:
    void resetLevels(bool meanSpectrumToo);
    void calculateLevel();
    void calculateFft();
    void calculateSignificandFrequency();

    AnalogInput* m_ain = nullptr;
    QTimer* m_timerUpdate = nullptr;
    QByteArray m_analyseAudioData;
    WorkerThread m_ainThread;

    float m_rawAudioData[kSamples] = {};
    float m_rmsLevel = 0.0f;
    float m_rmsLevel_hist[kHistory] = {};
    float m_rmsLevel_min = 0.0f;
    float m_rmsLevel_min_abs = 0.0f;
    float m_peakLevel = 0.0f;
    float m_fft[kSamples] = {};
    float m_fft_mean[kSamples] = {};
    int m_histLevelPos = 0;
    quint32 m_significandFrequency = 0;
    quint32 m_significandFrequencyAtMin = 0;
    bool m_storeMinFrequency = false;

    // The transform's tables and work area, made once: a block allocates nothing.
    const FftPlan m_fftPlan;
    float m_fftRe[kSamples] = {};
    float m_fftIm[kSamples] = {};
    float m_windowSums[kSpectrumBins] = {};

    bool m_pauseCapture = false;
    bool m_captureStarted = false;
    // A block asked for and not yet analysed; see updateData().
    bool m_blockRequested = false;
};

// The process-wide worker, built on the first call; its capture thread starts then.
AnalogInputWorker* Analoginputworker();
// Ends the process-wide worker's capture thread if the worker exists.
void shutdownAnalogInputWorker();

#endif
