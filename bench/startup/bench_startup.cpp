// Start-up time of the whole program: from process start until the main
// window is shown and painted, on a fresh simulated device each run, beside a
// minimal Widgets program that shows only a 480x272 window. Offscreen
// platform, the device tree on a memory file system where there is one; the
// two programs alternate; ten runs each by default
// (bench_startup [runs]). Prints both medians and their ratio.
#include "devicetree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Program {
    const char* name;
    QString path;
    std::vector<double> ms;
};

// The device root in memory where the machine has a memory file system:
// the unit's sysfs files are memory, while on a disk file system each
// truncating rewrite of a simulated one starts a write-back (ext4 does that
// for files rewritten in place), which would be timed as start-up.
std::unique_ptr<QTemporaryDir> makeRoot()
{
    const QFileInfo shm("/dev/shm");
    if (shm.isDir() && shm.isWritable())
        return std::make_unique<QTemporaryDir>(shm.filePath() + "/vq4100-bench-XXXXXX");
    return std::make_unique<QTemporaryDir>();
}

// Milliseconds until the program reported its first paint, or -1.
double timeOneStart(const QString& path)
{
    const std::unique_ptr<QTemporaryDir> root = makeRoot();
    if (!root->isValid() || !DeviceTree::create(root->path()))
        return -1;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VQ_STARTUP_PROBE", "1");
    env.insert("DEVICE_ROOT", root->path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());

    QElapsedTimer clock;
    clock.start();
    process.start(path, QStringList());
    QByteArray out;
    double elapsed = -1;
    while (clock.elapsed() < 30000 && process.state() != QProcess::NotRunning) {
        if (process.waitForReadyRead(100))
            out += process.readAllStandardOutput();
        if (out.contains("startup-probe: painted")) {
            elapsed = clock.nsecsElapsed() / 1e6;
            break;
        }
    }
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
    }
    return elapsed;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? qMax(1, QString(argv[1]).toInt()) : 10;
    std::vector<Program> programs = {{"vq4100", VQ_PROGRAM, {}},
                                     {"minimal window", MINIMAL_PROGRAM, {}}};

    for (int run = 0; run < runs; ++run) {
        for (Program& p : programs) {
            const double ms = timeOneStart(p.path);
            if (ms < 0) {
                out << "bench_startup: " << p.name << " did not report its first paint\n";
                return 1;
            }
            p.ms.push_back(ms);
        }
    }

    out << "Start-up until the window is painted (offscreen, " << runs
        << " alternated runs each, median [min..max]):\n";
    for (const Program& p : programs) {
        const auto [lo, hi] = std::minmax_element(p.ms.begin(), p.ms.end());
        out << QString("  %1 %2 ms [%3..%4]\n")
                   .arg(QString(p.name).leftJustified(15), 0)
                   .arg(median(p.ms), 8, 'f', 1)
                   .arg(*lo, 0, 'f', 1)
                   .arg(*hi, 0, 'f', 1);
    }
    out << QString("  ratio vq4100 / minimal window: %1\n")
               .arg(median(programs[0].ms) / median(programs[1].ms), 0, 'f', 2);
    return 0;
}
