// Start-up time of the whole program: from process start until the main
// window is shown and painted, on a fresh simulated device each run, beside a
// minimal Widgets program that shows only a 480x272 window. Offscreen
// platform, the device tree on a memory file system where there is one; the
// two programs alternate; 15 runs each by default (bench_startup [runs]).
//
// Twice: with every core of the machine, wall time only; then with both
// programs pinned to one core, as on the unit, where work moved to another
// thread is not done sooner: wall time and the CPU time the program itself
// counted up to its first paint (all its threads). Prints the medians and
// their ratios. Other work on the machine weighs on both programs alike; on
// a busy machine the wall times still scatter, the CPU times much less.
#include "devicetree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <sched.h>
#include <vector>

namespace {

struct Program {
    const char* name;
    QString path;
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
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

// One start: wall time until the program reported its first paint and the
// CPU time it reported then; false when it reported nothing.
bool timeOneStart(Program& p)
{
    const std::unique_ptr<QTemporaryDir> root = makeRoot();
    if (!root->isValid() || !DeviceTree::create(root->path()))
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VQ_STARTUP_PROBE", "1");
    env.insert("DEVICE_ROOT", root->path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());

    static const QRegularExpression painted("startup-probe: painted cpu-ms=([0-9.]+)\n");
    QElapsedTimer clock;
    clock.start();
    process.start(p.path, QStringList());
    QByteArray out;
    bool seen = false;
    while (clock.elapsed() < 30000 && process.state() != QProcess::NotRunning) {
        if (process.waitForReadyRead(100))
            out += process.readAllStandardOutput();
        const QRegularExpressionMatch m = painted.match(QString::fromLatin1(out));
        if (m.hasMatch()) {
            p.wallMs.push_back(clock.nsecsElapsed() / 1e6);
            p.cpuMs.push_back(m.captured(1).toDouble());
            seen = true;
            break;
        }
    }
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
    }
    return seen;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

QString spread(const std::vector<double>& v)
{
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    return QString("%1 ms [%2..%3]")
        .arg(median(v), 7, 'f', 1)
        .arg(*lo, 0, 'f', 1)
        .arg(*hi, 0, 'f', 1);
}

bool runAlternated(std::vector<Program>& programs, int runs, QTextStream& out)
{
    for (Program& p : programs) {
        p.wallMs.clear();
        p.cpuMs.clear();
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& p : programs) {
            if (!timeOneStart(p)) {
                out << "bench_startup: " << p.name << " did not report its first paint\n";
                return false;
            }
        }
    }
    return true;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? qMax(1, QString(argv[1]).toInt()) : 15;
    std::vector<Program> programs = {{"vq4100", VQ_PROGRAM, {}, {}},
                                     {"minimal window", MINIMAL_PROGRAM, {}, {}}};
    const Program& product = programs[0];
    const Program& minimal = programs[1];

    if (!runAlternated(programs, runs, out))
        return 1;
    out << "Start-up until the window is painted (offscreen, " << runs
        << " alternated runs each, median [min..max]):\n";
    for (const Program& p : programs)
        out << "  " << QString(p.name).leftJustified(15) << spread(p.wallMs) << "\n";
    out << QString("  ratio vq4100 / minimal window: %1\n")
               .arg(median(product.wallMs) / median(minimal.wallMs), 0, 'f', 2);

    // The programs inherit the core from this thread, which starts them.
    cpu_set_t all;
    cpu_set_t one;
    const int core = sched_getcpu();
    CPU_ZERO(&one);
    CPU_SET(core, &one);
    if (core < 0 || sched_getaffinity(0, sizeof all, &all) != 0
        || sched_setaffinity(0, sizeof one, &one) != 0) {
        out << "bench_startup: cannot pin to one core\n";
        return 1;
    }
    const bool ok = runAlternated(programs, runs, out);
    sched_setaffinity(0, sizeof all, &all);
    if (!ok)
        return 1;
    out << "On one core (core " << core << "; " << runs
        << " alternated runs each, median [min..max]):\n";
    for (const Program& p : programs)
        out << "  " << QString(p.name).leftJustified(15) << "wall " << spread(p.wallMs)
            << "   CPU " << spread(p.cpuMs) << "\n";
    out << QString("  ratio vq4100 / minimal window: wall %1, CPU %2\n")
               .arg(median(product.wallMs) / median(minimal.wallMs), 0, 'f', 2)
               .arg(median(product.cpuMs) / median(minimal.cpuMs), 0, 'f', 2);
    return 0;
}
