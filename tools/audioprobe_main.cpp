// audioprobe: runs the product's audio code on a device root.
//   audioprobe levels <root> [--blocks N]     ADC level analysis, one line per block
//   audioprobe record <root> <seconds> <name> background recording stored as a WAV file
//   audioprobe play <root> <file>             plays a WAV file
// record and play use the root's private sound server (scripts/pulse-private).
#include "Audio/analoginputworker.h"
#include "Audio/audiothreads.h"
#include "Audio/audioworker.h"
#include "Hardware/devicelayer.h"
#include "Hardware/deviceroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutex>
#include <QTextStream>
#include <QThread>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: audioprobe levels <root> [--blocks N]\n"
                           "       audioprobe record <root> <seconds> <name>\n"
                           "       audioprobe play <root> <file>\n";
    return 2;
}

// The product's last log lines, kept instead of printed: they would bury the
// tool's output, and the last of them says why something failed.
QMutex g_logMutex;
QStringList g_productLog;

void silenceProductLog()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& line) {
        QMutexLocker lock(&g_logMutex);
        g_productLog.append(line);
        if (g_productLog.size() > 100)
            g_productLog.removeFirst();
    });
}

QStringList productLog()
{
    QMutexLocker lock(&g_logMutex);
    return g_productLog;
}

int levels(QCoreApplication& app, const QStringList& options)
{
    long blocks = -1;
    for (int i = 0; i < options.size(); ++i) {
        bool ok = false;
        if (options.at(i) == "--blocks" && i + 1 < options.size())
            blocks = options.at(++i).toLong(&ok);
        if (!ok || blocks <= 0)
            return usage();
    }
    // The product's own log lines would bury the table.
    silenceProductLog();

    AnalogInputWorker* worker = Analoginputworker();
    QTextStream out(stdout);
    out << "block       rms      peak       min  scale   freq  at min\n";
    out.flush();
    long seen = 0;
    QObject::connect(worker, &AnalogInputWorker::blockAnalysed, &app, [&] {
        float rms = 0, peak = 0, min = 0;
        worker->getAudioLevel(&rms, &peak, &min);
        out << QString("%1  %2  %3  %4  %5  %6  %7\n")
                   .arg(++seen, 5)
                   .arg(rms, 8, 'f', 6)
                   .arg(peak, 8, 'f', 6)
                   .arg(min, 8, 'f', 6)
                   .arg(AnalogInputWorker::audioLevelToDb(rms), 5, 'f', 1)
                   .arg(QString::number(worker->getSignificandFrequency()) + " Hz", 7)
                   .arg(QString::number(worker->getSignificandFrequencyAtMin()) + " Hz", 7);
        out.flush();
        if (seen == blocks)
            app.quit();
    });
    worker->startCapture();
    worker->pauseCapture(false);

    // Runs until the given number of blocks, or until interrupted: nothing
    // needs undoing, and capture is left on because the program may be
    // running on the same device.
    return app.exec();
}

bool haveSoundServer(const QString& root)
{
    if (QFileInfo(AudioWorker::soundServerSocket()).exists())
        return true;
    QTextStream(stderr) << "audioprobe: no sound server for " << root
                        << " (scripts/run starts one, or scripts/pulse-private start " << root
                        << ")\n";
    return false;
}

// Runs f on the recorder's own thread and waits for it.
template <typename F>
void onRecorder(AudioWorker* worker, F f)
{
    BackgroundRecording* rec = worker->recorder();
    QMetaObject::invokeMethod(rec, [rec, &f] { f(rec); }, Qt::BlockingQueuedConnection);
}

qint64 windowBytes(AudioWorker* worker)
{
    qint64 bytes = 0;
    onRecorder(worker, [&bytes](BackgroundRecording* rec) { bytes = rec->window().bytes(); });
    return bytes;
}

// The bytes of sound the product plays from a file: all after a WAV header.
qint64 soundBytes(const QFileInfo& file)
{
    QFile f(file.filePath());
    const bool wav = f.open(QIODevice::ReadOnly) && f.read(4) == "RIFF";
    return qMax<qint64>(0, file.size() - (wav ? WavWriter::kHeaderBytes : 0));
}

// The length of the sound in a WAV file of the recording format.
double soundSeconds(const QFileInfo& file)
{
    return double(soundBytes(file)) / WavFormat().bytesPerSecond();
}

int record(const QString& root, const QString& secondsText, const QString& name)
{
    bool ok = false;
    const double seconds = secondsText.toDouble(&ok);
    if (!ok || !(seconds > 0.0 && seconds <= 10.0)) {
        QTextStream(stderr) << "audioprobe: <seconds> must be above 0 and at most 10\n";
        return 2;
    }
    const QString unitPath = AudioWorker::recordingPath(name);
    if (name.trimmed().isEmpty() || unitPath.isEmpty()) {
        QTextStream(stderr) << "audioprobe: <name> must be a plain file name\n";
        return 2;
    }
    if (!haveSoundServer(root))
        return 1;
    silenceProductLog();

    AudioWorker* worker = Audioworker();
    worker->startAudioRecording();
    worker->pauseAudioRecording(false);
    // Waits for the sound itself, not the clock: the server delivers it a
    // little late.
    const qint64 wanted = qint64(seconds * 16000) * 2;
    QElapsedTimer clock;
    clock.start();
    while (windowBytes(worker) < wanted && clock.elapsed() < qint64(seconds * 1000) + 3000)
        QThread::msleep(20);
    const bool stored = worker->storeAudioData(name) == 0;
    // Capture is left as it is: the program may be running on the same device.

    const QFileInfo file(DeviceLayer::path(unitPath));
    if (!stored || !file.exists()) {
        QTextStream(stderr) << "audioprobe: storing failed, nothing stored at " << file.filePath()
                            << "\n";
        return 1;
    }
    QTextStream(stdout) << file.filePath() << ": " << QString::number(soundSeconds(file), 'f', 2)
                        << " s\n";
    if (file.size() <= WavWriter::kHeaderBytes) {
        QTextStream(stderr) << "audioprobe: no sound arrived (is tools/devsim serve running?)\n";
        return 1;
    }
    return 0;
}

// The path on the unit for a path given on the command line: one below the
// root (also written with "." or "..", or through a link to the root) or
// one on the unit.
QString unitPathOf(const QString& root, const QString& fileArg)
{
    const QString given = QDir::cleanPath(QDir::current().absoluteFilePath(fileArg));
    const QString mapped = DeviceLayer::unitPath(given);
    if (mapped != given)
        return mapped;
    const QString real = QFileInfo(given).canonicalFilePath();
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    if (!real.isEmpty() && !realRoot.isEmpty() && real.startsWith(realRoot + '/'))
        return real.mid(realRoot.size());
    return given;
}

int play(const QString& root, const QString& fileArg)
{
    // A path on the unit, or one below the root: the product is handed the
    // unit path and maps it below the root itself.
    const QString unitPath = unitPathOf(root, fileArg);
    const QFileInfo file(DeviceLayer::path(unitPath));
    if (!file.isFile()) {
        QTextStream(stderr) << "audioprobe: no file " << file.filePath() << "\n";
        return 1;
    }
    // An output never goes idle on nothing: it would only time out.
    if (soundBytes(file) < WavFormat().frameBytes()) {
        QTextStream(stderr) << "audioprobe: no sound in " << file.filePath() << "\n";
        return 1;
    }
    if (!haveSoundServer(root))
        return 1;
    silenceProductLog();

    AudioWorker* worker = Audioworker();
    worker->chooseDevices();
    int started = -1;
    onRecorder(worker,
               [&](BackgroundRecording* rec) { started = rec->startAudioPlayback(unitPath); });
    if (started != 0) {
        const QStringList log = productLog();
        QTextStream(stderr) << "audioprobe: cannot play " << file.filePath() << ": "
                            << (log.isEmpty() ? QString("no reason given") : log.last()) << "\n";
        return 1;
    }
    const double seconds = soundSeconds(file);
    QTextStream(stdout) << "playing " << file.filePath() << " ("
                        << QString::number(seconds, 'f', 2) << " s)\n";
    // The server may take its time to begin: the output's state, not the
    // clock, tells when everything has been handed over.
    QElapsedTimer clock;
    clock.start();
    QAudio::State state = QAudio::ActiveState;
    QAudio::Error error = QAudio::NoError;
    while (state == QAudio::ActiveState && clock.elapsed() < qint64(seconds * 1000) + 10000) {
        QThread::msleep(20);
        onRecorder(worker, [&](BackgroundRecording* rec) { state = rec->playbackState(&error); });
    }
    // What the server still holds plays out before the stream goes.
    QThread::msleep(500);
    worker->stopAudioPlayback();
    if (state == QAudio::IdleState)
        return 0;
    QTextStream(stderr) << "audioprobe: playback of " << file.filePath()
                        << (state == QAudio::ActiveState
                                ? QString(" did not end")
                                : QString(" broke off (audio error %1)").arg(int(error)))
                        << "\n";
    return 1;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString command = args.at(0);
    const QString root = QDir(args.at(1)).absolutePath();
    const QString problem = DeviceRoot::problem(root);
    if (!problem.isEmpty()) {
        QTextStream(stderr) << "audioprobe: " << problem << "\n";
        return 2;
    }
    qputenv("DEVICE_ROOT", QFile::encodeName(root));

    int rc = 0;
    if (command == "levels")
        rc = levels(app, args.mid(2));
    else if (command == "record" && args.size() == 4)
        rc = record(root, args.at(2), args.at(3));
    else if (command == "play" && args.size() == 3)
        rc = play(root, args.at(2));
    else
        return usage();
    endProcess(rc);
}
