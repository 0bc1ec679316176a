#ifndef AUDIOWORKER_H
#define AUDIOWORKER_H

#include "recordingwindow.h"
#include "wavwriter.h"
#include "workerthread.h"

#include <QAudio>
#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <QObject>

#include <atomic>

class AnalogInputWorker;
class QAudioInput;
class QAudioOutput;
class QBuffer;

// A data sink that accepts and drops everything written to it; the recorder
// opens it while recording runs.
class AudioIODevice : public QIODevice
{
    Q_OBJECT
public:
    explicit AudioIODevice(QObject* parent);

    qint64 readData(char* data, qint64 maxlen) override;
    qint64 writeData(const char* data, qint64 len) override;
};

// The recorder: lives on the recording thread, reads the audio input into
// the rolling window, writes the window as WAV files and plays files back.
// Reached only through queued calls from AudioWorker.
class BackgroundRecording : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxRead = 32000;
    static constexpr int kScratchBytes = 140960;
    static constexpr int kReadyDiagnosticBytes = 4096;

    explicit BackgroundRecording(QObject* parent = nullptr);
    ~BackgroundRecording() override;

    static QAudioFormat standardFormat();
    // Recording thread only: the format may change in init().
    WavFormat wavFormat() const;

    // Recording thread only (tests reach them through blocking calls).
    const RecordingWindow& window() const { return m_window; }
    // One read of the input's notification, from the given device.
    void readFrom(QIODevice* input);
    // The playback's state, and its error once stopped.
    QAudio::State playbackState(QAudio::Error* error) const;
    // Whether init() has chosen the devices; from any thread.
    bool devicesChosen() const { return m_devicesChosen.load(); }

public slots:
    int startAudioRecording();
    int stopAudioRecording();
    void pauseAudioRecording(bool pause);
    void init();
    // -1 when nothing was stored; `error`, if given, says why.
    int storeAudioData(QString filename, QString* error = nullptr);
    // filename: a path on the unit. -1 when nothing plays (no output, no
    // readable file, a WAV file not in the format recorded here), with the
    // reason in the log. A file that is there and cannot be played is also
    // reported by playbackFailed().
    int startAudioPlayback(QString filename);
    int stopAudioPlayback();

signals:
    // The file (a path on the unit) is there but cannot be played: why.
    void playbackFailed(QString filename, QString why);

private slots:
    void handleStateChanged(QAudio::State newState);
    void handleStateChangedPlayback(QAudio::State newState);
    void readMore();

private:
    // Chooses the capture and playback devices and the format of both.
    void chooseDevices();

    AudioIODevice* m_audioInputIODevice = nullptr;
    QIODevice* m_input = nullptr;
    QAudioInput* m_audioInput = nullptr;
    QAudioOutput* m_audioOutput = nullptr;
    QIODevice* m_audioOutputIODevice = nullptr;
    QAudioDeviceInfo m_Inputdevice;
    QAudioDeviceInfo m_Outputdevice;
    QAudioFormat audioFormat;
    // The file being played, read whole: the file itself is closed at once
    // and never keeps the mass storage busy.
    QBuffer* m_playbackData = nullptr;
    RecordingWindow m_window;
    QByteArray m_buffer;
    std::atomic<bool> m_devicesChosen{false};
};

// The recording facade the rest of the system calls (GUI thread). Owns the
// recording thread and forwards each request to the recorder there; drives
// the ADC capture worker in step with the recording. Results are 0, but
// for a store that failed.
class AudioWorker : public QObject
{
    Q_OBJECT
public:
    // adc: the ADC capture worker to drive; null means Analoginputworker(),
    // looked up on first use.
    explicit AudioWorker(AnalogInputWorker* adc = nullptr, QObject* parent = nullptr);
    ~AudioWorker() override;

    // Asks the recording thread to choose its sound devices (once; slow, and
    // at idle priority there). Starting a recording or a playback asks first
    // itself; the program asks after the window's first paint.
    void chooseDevices();
    // From the request until the devices are chosen.
    bool isChoosingDevices() const;

    int startAudioRecording();
    int pauseAudioRecording(bool pause);
    // Returns once the file is complete and closed: 0, or -1 when nothing
    // could be stored (an older file of the name is kept); `error`, if
    // given, says why.
    int storeAudioData(QString filename, QString* error = nullptr);
    // filename: the full path of the file (a path on the unit). A file that
    // is there and cannot be played comes back as playbackFailed().
    int startAudioPlayback(QString filename);
    int stopAudioPlayback();
    bool deleteAudioData(QString filename);
    // `error`, if given, says why it failed.
    bool renameAudioData(QString newFilename, QString oldFilename, QString* error = nullptr);

    // Ends the recording thread (WorkerThread::stop()); the recorder goes with it.
    // Afterwards requests do nothing. Called at process exit.
    void shutdown();

    // The recorder, for tests; null after shutdown().
    BackgroundRecording* recorder() const { return m_backgroundRecording; }

    // Recordings are 320 kB; a larger file is not played.
    static constexpr qint64 kMaxPlaybackBytes = 16 * 1024 * 1024;
    // Why the file at a unit path cannot be played: there, but not a regular
    // file inside the device root within kMaxPlaybackBytes. "" for a file
    // that can, and for a missing one (which plays as silence).
    static QString playbackProblem(const QString& file);

    // "/home/root/meas/wav_temp/<name trimmed>.wav" on the unit, or "" when
    // the name would lead out of that directory.
    static QString recordingPath(const QString& name);
    // Host build: where a private sound server for the device root listens.
    static QString soundServerSocket();

public slots:
    int stopAudioRecording();

signals:
    void initBackgroundRecording();
    void startBackgroundRecording();
    void stopBackgroundRecording();
    void pauseBackgroundRecording(bool pause);
    void startBackgroundPlayback(QString);
    void stopBackgroundPlayback();
    // The recorder could not play the file it was asked to (a path on the
    // unit; a missing one plays as silence and is not reported).
    void playbackFailed(QString filename, QString why);

private:
    AnalogInputWorker* adc() const;

    AnalogInputWorker* m_adc = nullptr;
    WorkerThread m_audioWorkerThread;
    BackgroundRecording* m_backgroundRecording = nullptr;
    bool m_devicesRequested = false;
};

// The process-wide facade, built on the first call; its thread starts then.
AudioWorker* Audioworker();
// Ends the process-wide facade's recording thread if the facade exists.
void shutdownAudioWorker();
// Whether the process-wide facade exists and is choosing its devices.
bool audioWorkerChoosingDevices();

#endif
