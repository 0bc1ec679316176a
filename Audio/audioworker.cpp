#include "audioworker.h"

#include "analoginputworker.h"
#include "idlepriority.h"
#include "Hardware/checkedfile.h"
#include "Hardware/devicelayer.h"
#include "Hardware/pathguard.h"

#include <QAudioInput>
#include <QAudioOutput>
#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>

namespace {

const char* const kRecordingDir = "/home/root/meas/wav_temp/";
const char* const kSoundServerSocket = "/var/lib/sim/pulse/native";

AudioWorker* g_audioWorker = nullptr;

// The default device, then (on the unit) the last one named "sysdefault...".
// A PC's "sysdefault" devices are its own sound card and would bypass the
// simulated device, so a host build keeps the default.
QAudioDeviceInfo chooseDevice(QAudio::Mode mode)
{
    const bool input = mode == QAudio::AudioInput;
    QAudioDeviceInfo chosen = input ? QAudioDeviceInfo::defaultInputDevice()
                                    : QAudioDeviceInfo::defaultOutputDevice();
    for (const QAudioDeviceInfo& device : QAudioDeviceInfo::availableDevices(mode)) {
        qDebug() << (input ? "Device name (IN): " : "Device name (OUT): ") << device.deviceName();
#ifdef VQ_TARGET_BUILD
        if (device.deviceName().startsWith("sysdefault")) {
            chosen = device;
            qDebug() << (input ? "Selected Device (IN): " : "Selected Device (OUT): ")
                     << device.deviceName();
        }
#endif
    }
    return chosen;
}

}

// --- AudioIODevice ---------------------------------------------------------

AudioIODevice::AudioIODevice(QObject* parent)
    : QIODevice(parent)
{
}

qint64 AudioIODevice::readData(char*, qint64)
{
    return 0;
}

qint64 AudioIODevice::writeData(const char*, qint64 len)
{
    return len;
}

// --- BackgroundRecording ---------------------------------------------------

BackgroundRecording::BackgroundRecording(QObject* parent)
    : QObject(parent)
{
    qDebug() << "Konstruktor Backgroundrecording" << QThread::currentThreadId();
    audioFormat = standardFormat();
}

BackgroundRecording::~BackgroundRecording()
{
    // The audio objects stop as they go; their last state changes must not
    // reach this half-destroyed recorder.
    if (m_audioInput)
        m_audioInput->disconnect(this);
    if (m_audioOutput)
        m_audioOutput->disconnect(this);
}

QAudioFormat BackgroundRecording::standardFormat()
{
    QAudioFormat f;
    f.setSampleRate(16000);
    f.setChannelCount(1);
    f.setSampleSize(16);
    f.setCodec("audio/pcm");
    f.setByteOrder(QAudioFormat::LittleEndian);
    f.setSampleType(QAudioFormat::SignedInt);
    return f;
}

WavFormat BackgroundRecording::wavFormat() const
{
    WavFormat w;
    w.sampleRate = audioFormat.sampleRate();
    w.channels = audioFormat.channelCount();
    w.sampleBits = audioFormat.sampleSize();
    w.floatSamples = audioFormat.sampleType() == QAudioFormat::Float;
    return w;
}

void BackgroundRecording::init()
{
    if (m_audioInputIODevice)
        return;
    qDebug() << "BackgroundRecording::init" << QThread::currentThreadId();
    {
        // Asking the sound system for its devices takes long; on the unit's
        // one core it must not slow down what the user sees meanwhile.
        const IdlePriorityScope idle;
        chooseDevices();
    }
    m_audioInput = new QAudioInput(m_Inputdevice, audioFormat, this);
    connect(m_audioInput, &QAudioInput::stateChanged, this,
            &BackgroundRecording::handleStateChanged, Qt::UniqueConnection);
    m_audioOutput = new QAudioOutput(m_Outputdevice, audioFormat, this);
    connect(m_audioOutput, &QAudioOutput::stateChanged, this,
            &BackgroundRecording::handleStateChangedPlayback, Qt::UniqueConnection);
    m_audioInputIODevice = new AudioIODevice(this);
    m_playbackData = new QBuffer(this);
    m_buffer = QByteArray(kScratchBytes, '\0');
    m_devicesChosen = true;
}

void BackgroundRecording::chooseDevices()
{
    m_Inputdevice = chooseDevice(QAudio::AudioInput);
    m_Outputdevice = chooseDevice(QAudio::AudioOutput);

    if (!m_Inputdevice.isFormatSupported(audioFormat)) {
        qDebug() << "Format wird nicht unterstützt.";
        // Without a device there is no nearest format; nothing is recorded then.
        const QAudioFormat nearest = m_Inputdevice.nearestFormat(audioFormat);
        if (nearest.isValid())
            audioFormat = nearest;
    }
    m_window.setFrameBytes(audioFormat.bytesPerFrame());
    qDebug() << "Selected Audioformat" << audioFormat;
    qDebug() << "DefaultInputDevice" << m_Inputdevice.deviceName();
    qDebug() << "SupportedCodecs" << m_Inputdevice.supportedCodecs();
    qDebug() << "SupportedSampleRates" << m_Inputdevice.supportedSampleRates();
}

int BackgroundRecording::startAudioRecording()
{
    m_window.start();
    qDebug() << "BackgroundRecording::startAudioRecording" << QThread::currentThreadId();
    if (!m_audioInputIODevice) {
        qDebug() << "BackgroundRecording::startAudioRecording: not initialised";
        return 0;
    }
    // Stopped first: a state change from inside start() would find the new
    // device half set up.
    m_audioOutput->stop();
    m_audioOutputIODevice = m_audioOutput->start();

    if (m_audioInputIODevice->isOpen())
        m_audioInputIODevice->close();
    qDebug() << "QIODevice open"
             << m_audioInputIODevice->open(QIODevice::ReadWrite | QIODevice::Truncate);

    m_input = m_audioInput->start();
    if (m_input)
        connect(m_input, &QIODevice::readyRead, this, &BackgroundRecording::readMore,
                Qt::UniqueConnection);
    else
        qDebug() << "Cannot open audio input:" << m_Inputdevice.deviceName()
                 << m_audioInput->error();
    qDebug() << "Recording started" << m_audioInputIODevice << m_audioInput->state()
             << m_audioInput->error();
    return 0;
}

int BackgroundRecording::stopAudioRecording()
{
    qDebug() << "stopAudioRecording";
    m_window.stop();
    if (m_audioInput)
        m_audioInput->stop();
    m_input = nullptr;  // the input deletes its device when it stops
    if (m_audioOutput)
        m_audioOutput->stop();
    m_audioOutputIODevice = nullptr;
    if (m_audioInputIODevice)
        m_audioInputIODevice->close();
    return 0;
}

void BackgroundRecording::pauseAudioRecording(bool pause)
{
    m_window.pause(pause);
}

void BackgroundRecording::readMore()
{
    readFrom(m_input);
}

void BackgroundRecording::readFrom(QIODevice* input)
{
    if (!input || m_buffer.size() < kMaxRead)
        return;
    if (m_window.isPaused()) {
        input->read(m_buffer.data(), kMaxRead);
        return;
    }
    if (!m_audioInputIODevice) {
        qDebug() << "Invalid m_audioInputIODevice";
        return;
    }
    if (m_audioInput && m_audioInput->bytesReady() > kReadyDiagnosticBytes)
        qDebug() << "m_audioInput->bytesReady()" << m_audioInput->bytesReady();
    // Failed and empty reads queue nothing: an empty chunk would push out a full one.
    const qint64 n = input->read(m_buffer.data(), kMaxRead);
    if (n > 0)
        m_window.append(m_buffer.constData(), n);
}

int BackgroundRecording::storeAudioData(QString filename, QString* error)
{
    const QString path = AudioWorker::recordingPath(filename);
    if (path.isEmpty()) {
        qDebug() << "storeAudioData: not a recording name, nothing stored:" << filename;
        if (error)
            *error = "not a recording name: " + filename;
        return -1;
    }
    return WavWriter::store(DeviceLayer::path(path), m_window, wavFormat(), error) ? 0 : -1;
}

int BackgroundRecording::startAudioPlayback(QString filename)
{
    if (!m_audioOutput) {
        qDebug() << "startAudioPlayback: not initialised";
        return -1;
    }
    // Read whole and at once: the file is never kept open, and nothing a PC
    // left in its place (a FIFO, a device) can stop this thread.
    const QString path = DeviceLayer::path(filename);
    QByteArray data;
    if (const FileResult read = CheckedFile::read(path, AudioWorker::kMaxPlaybackBytes, &data); !read.ok()) {
        qDebug().noquote() << "Cannot open file:" << path << "-" << read.error;
        // A missing one is silence.
        if (!CheckedFile::isMissing(path))
            emit playbackFailed(filename, read.error);
        return -1;
    }
    // The header is not sound, nor is a frame cut short at the end: the
    // output would wait for the rest of it and never go idle. The data go
    // out undecoded, so a WAV file in another format would only be noise.
    if (data.startsWith("RIFF")) {
        if (const QString why = WavWriter::headerProblem(data, wavFormat()); !why.isEmpty()) {
            qDebug().noquote() << "Cannot play:" << path << "-" << why;
            emit playbackFailed(filename, why);
            return -1;
        }
        data.remove(0, WavWriter::kHeaderBytes);
    }
    data.chop(data.size() % qMax(1, audioFormat.bytesPerFrame()));

    m_audioOutput->stop();
    m_audioOutputIODevice = nullptr;
    m_playbackData->close();
    m_playbackData->setData(data);
    m_playbackData->open(QIODevice::ReadOnly);
    qDebug() << "Playing" << path << data.size();
    // Pulled from an empty buffer, the output would wait for sound for ever;
    // on its own device it runs idle at once, as at the end of any sound.
    if (data.isEmpty())
        m_audioOutputIODevice = m_audioOutput->start();
    else
        m_audioOutput->start(m_playbackData);
    if (m_audioOutput->error() == QAudio::OpenError) {
        qDebug() << "Cannot play: no audio output" << m_Outputdevice.deviceName();
        return -1;
    }
    return 0;
}

int BackgroundRecording::stopAudioPlayback()
{
    if (m_audioOutput && m_audioOutput->state() == QAudio::ActiveState) {
        qDebug() << "Stop playing";
        m_audioOutput->stop();
    }
    return 0;
}

QAudio::State BackgroundRecording::playbackState(QAudio::Error* error) const
{
    *error = m_audioOutput ? m_audioOutput->error() : QAudio::OpenError;
    return m_audioOutput ? m_audioOutput->state() : QAudio::StoppedState;
}

void BackgroundRecording::handleStateChanged(QAudio::State newState)
{
    switch (newState) {
    case QAudio::ActiveState:
        qDebug() << "handleStateChanged: Started recording";
        break;
    case QAudio::SuspendedState:
        qDebug() << "handleStateChanged: Suspended";
        break;
    case QAudio::StoppedState:
        if (m_audioInput && m_audioInput->error() != QAudio::NoError)
            qDebug() << "handleStateChanged: Error recording";
        else
            qDebug() << "handleStateChanged: Finished recording";
        break;
    default:
        qDebug() << "handleStateChanged: State:" << newState;
        break;
    }
}

void BackgroundRecording::handleStateChangedPlayback(QAudio::State newState)
{
    switch (newState) {
    case QAudio::StoppedState:
        if (m_audioOutput && m_audioOutput->error() != QAudio::NoError)
            qDebug() << "handleStateChangedPlayback: Error playing";
        else
            qDebug() << "handleStateChangedPlayback: StoppedState Finished playing";
        if (m_playbackData) {
            m_playbackData->close();
            m_playbackData->setData(QByteArray());
        }
        break;
    case QAudio::IdleState:
        qDebug() << "handleStateChangedPlayback: Idle";
        break;
    default:
        qDebug() << "handleStateChangedPlayback: State:" << newState;
        break;
    }
}

// --- AudioWorker -----------------------------------------------------------

AudioWorker::AudioWorker(AnalogInputWorker* adc, QObject* parent)
    : QObject(parent)
    , m_adc(adc)
{
#ifndef VQ_TARGET_BUILD
    // Before Qt's audio first runs: only the device root's own server, never
    // the user's desktop one. Without it the devices are null and nothing is
    // recorded.
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(soundServerSocket()));
#endif
    m_audioWorkerThread.setObjectName("recording");
    m_backgroundRecording = new BackgroundRecording();
    m_backgroundRecording->moveToThread(&m_audioWorkerThread);

    BackgroundRecording* rec = m_backgroundRecording;
    connect(&m_audioWorkerThread, &QThread::finished, rec, &QObject::deleteLater,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::startBackgroundRecording, rec,
            &BackgroundRecording::startAudioRecording, Qt::UniqueConnection);
    connect(this, &AudioWorker::stopBackgroundRecording, rec,
            &BackgroundRecording::stopAudioRecording, Qt::UniqueConnection);
    connect(this, &AudioWorker::pauseBackgroundRecording, rec,
            &BackgroundRecording::pauseAudioRecording, Qt::UniqueConnection);
    connect(this, &AudioWorker::initBackgroundRecording, rec, &BackgroundRecording::init,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::startBackgroundPlayback, rec,
            &BackgroundRecording::startAudioPlayback, Qt::UniqueConnection);
    connect(this, &AudioWorker::stopBackgroundPlayback, rec,
            &BackgroundRecording::stopAudioPlayback, Qt::UniqueConnection);
    connect(rec, &BackgroundRecording::playbackFailed, this, &AudioWorker::playbackFailed,
            Qt::UniqueConnection);

    m_audioWorkerThread.start(QThread::TimeCriticalPriority);
}

AudioWorker::~AudioWorker()
{
    shutdown();
    // Only a thread that never ran leaves the recorder behind.
    delete m_backgroundRecording;
}

void AudioWorker::chooseDevices()
{
    if (m_devicesRequested)
        return;
    m_devicesRequested = true;
    emit initBackgroundRecording();
}

bool AudioWorker::isChoosingDevices() const
{
    return m_devicesRequested && m_backgroundRecording && !m_backgroundRecording->devicesChosen();
}

void AudioWorker::shutdown()
{
    m_audioWorkerThread.stop();
    // The thread's finished() -> deleteLater() has destroyed the recorder.
    if (m_audioWorkerThread.isFinished())
        m_backgroundRecording = nullptr;
}

AnalogInputWorker* AudioWorker::adc() const
{
    return m_adc ? m_adc : Analoginputworker();
}

QString AudioWorker::recordingPath(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.contains('/'))
        return QString();
    return kRecordingDir + trimmed + ".wav";
}

QString AudioWorker::playbackProblem(const QString& file)
{
    if (CheckedFile::isMissing(DeviceLayer::path(file)))
        return QString();
    return CheckedFile::problem(DeviceLayer::path(file), kMaxPlaybackBytes).error;
}

QString AudioWorker::soundServerSocket()
{
    return DeviceLayer::path(kSoundServerSocket);
}

int AudioWorker::startAudioRecording()
{
    chooseDevices();
    adc()->startCapture();
    qDebug() << "AudioWorker::startAudioRecording" << QThread::currentThreadId();
    emit startBackgroundRecording();
    return 0;
}

int AudioWorker::stopAudioRecording()
{
    adc()->stopCapture();
    qDebug() << "AudioWorker::stopAudioRecording";
    emit stopBackgroundRecording();
    return 0;
}

int AudioWorker::pauseAudioRecording(bool pause)
{
    qDebug() << "AudioWorker::pauseAudioRecording" << pause;
    emit pauseBackgroundRecording(pause);
    adc()->pauseCapture(pause);
    return 0;
}

int AudioWorker::storeAudioData(QString filename, QString* error)
{
    // A blocking call into a thread that no longer runs would never return.
    if (!m_backgroundRecording || !m_audioWorkerThread.isRunning()) {
        qDebug() << "storeAudioData: recording thread not running, nothing stored:" << filename;
        if (error)
            *error = "the recording thread is not running";
        return -1;
    }
    // Waits for the store, so that a delete, rename or copy right after it
    // finds the whole file, and the caller learns whether it was stored.
    int result = -1;
    BackgroundRecording* rec = m_backgroundRecording;
    QMetaObject::invokeMethod(
        rec, [rec, &filename, &result, error] { result = rec->storeAudioData(filename, error); },
        Qt::BlockingQueuedConnection);
    return result;
}

int AudioWorker::startAudioPlayback(QString filename)
{
    chooseDevices();
    emit startBackgroundPlayback(filename);
    return 0;
}

int AudioWorker::stopAudioPlayback()
{
    emit stopBackgroundPlayback();
    return 0;
}

bool AudioWorker::deleteAudioData(QString filename)
{
    const QString path = recordingPath(filename);
    const FileResult r = path.isEmpty() ? FileResult::fail("not a recording name")
                                        : PathGuard::removeFile(DeviceLayer::path(path));
    if (!r.ok())
        qDebug() << "Error deleteAudioData" << false << (path.isEmpty() ? filename : path) << r.error;
    return r.ok();
}

bool AudioWorker::renameAudioData(QString newFilename, QString oldFilename, QString* error)
{
    const QString newPath = recordingPath(newFilename);
    const QString oldPath = recordingPath(oldFilename);
    const FileResult r = newPath.isEmpty() || oldPath.isEmpty()
                             ? FileResult::fail("not a recording name")
                             : PathGuard::rename(DeviceLayer::path(oldPath), DeviceLayer::path(newPath),
                                                 PathGuard::NoReplace);
    if (!r.ok())
        qDebug() << "Error renameAudioData" << false << (newPath.isEmpty() ? newFilename : newPath)
                 << (oldPath.isEmpty() ? oldFilename : oldPath) << r.error;
    if (error)
        *error = r.error;
    return r.ok();
}

AudioWorker* Audioworker()
{
    static AudioWorker worker;
    if (!g_audioWorker) {
        // The recorder can only go with its thread while the application
        // object exists; the static facade outlives it.
        qAddPostRoutine(shutdownAudioWorker);
    }
    g_audioWorker = &worker;
    return &worker;
}

void shutdownAudioWorker()
{
    if (g_audioWorker)
        g_audioWorker->shutdown();
}

bool audioWorkerChoosingDevices()
{
    return g_audioWorker && g_audioWorker->isChoosingDevices();
}
