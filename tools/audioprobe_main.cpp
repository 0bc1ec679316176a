// audioprobe: runs the product's ADC capture and analysis on a device root
// and prints what the measurement screens would show.
//   audioprobe levels <root> [--blocks N]
#include "Audio/analoginputworker.h"
#include "Audio/audiothreads.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: audioprobe levels <root> [--blocks N]\n";
    return 2;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || args.at(0) != "levels")
        return usage();
    const QString root = QDir(args.at(1)).absolutePath();
    long blocks = -1;
    for (int i = 2; i < args.size(); ++i) {
        bool ok = false;
        if (args.at(i) == "--blocks" && i + 1 < args.size())
            blocks = args.at(++i).toLong(&ok);
        if (!ok || blocks <= 0)
            return usage();
    }
    if (!QDir(root + "/sys").exists()) {
        QTextStream(stderr) << "audioprobe: no device tree at " << root
                            << " (run tools/devsim create first)\n";
        return 1;
    }
    qputenv("DEVICE_ROOT", QFile::encodeName(root));
    // The product's own log lines would bury the table.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

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
    const int rc = app.exec();
    shutdownAudioThreads();
    return rc;
}
