// Long listening on the pinpointing screen: the whole program on a virtual
// display and the simulated device, set up and driven as the end-to-end test
// does. Cycles of 12 s listening (longer than the 10 s the recorder keeps)
// and 3 s muted, the noise changing every cycle, for VQ_SOAK_MINUTES minutes
// (default 3: twelve points, so the eleventh shifts the series). Every 10 s
// the program's resident memory and CPU time are sampled into soak.csv
// beside this program. No pass or fail: it prints the figures, and a warning
// when the memory grows by more than 100 KB a minute.
#include "unitrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

struct Sample {
    double seconds;
    double rssKb;
    double cpuSeconds;
};

// VmRSS of /proc/<pid>/status in kB, and utime + stime of /proc/<pid>/stat.
bool sample(qint64 pid, double seconds, Sample* s)
{
    const QString status = UnitRun::readAll(QString("/proc/%1/status").arg(pid));
    const QRegularExpressionMatch rss = QRegularExpression(R"(VmRSS:\s+(\d+) kB)").match(status);
    // The command name in parentheses may hold blanks: the fields after it count.
    const QString stat = UnitRun::readAll(QString("/proc/%1/stat").arg(pid));
    const QStringList fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (!rss.hasMatch() || fields.size() < 13)
        return false;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    *s = {seconds, rss.captured(1).toDouble(), (fields[11].toDouble() + fields[12].toDouble()) / ticks};
    return true;
}

// Least-squares slope of the memory over time, per minute.
double growthPerMinute(const std::vector<Sample>& samples)
{
    const double n = double(samples.size());
    double st = 0, sr = 0, stt = 0, str = 0;
    for (const Sample& s : samples) {
        st += s.seconds;
        sr += s.rssKb;
        stt += s.seconds * s.seconds;
        str += s.seconds * s.rssKb;
    }
    const double denominator = n * stt - st * st;
    return denominator > 0 ? (n * str - st * sr) / denominator * 60.0 : 0.0;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString missing = UnitRun::missingTool();
    if (!missing.isEmpty()) {
        out << "bench_soak: " << missing << " is not installed (scripts/install-deps installs it)\n";
        return 1;
    }
    // At least two: the growth is measured after the first minute.
    const int minutes = qMax(2, qEnvironmentVariableIsSet("VQ_SOAK_MINUTES")
                                    ? qEnvironmentVariableIntValue("VQ_SOAK_MINUTES") : 3);
    QTemporaryDir folder(QDir::tempPath() + "/vq4100-soak-XXXXXX");
    UnitRun unit({VQ_PROGRAM, VQ_DEVSIM, VQ_SOURCE_DIR, folder.path()});
    QImage mainPage;
    QImage screen;
    QString error = unit.start();
    if (error.isEmpty())
        error = unit.waitForMainPage(&mainPage);
    if (error.isEmpty())
        error = unit.openPinpointing(mainPage, &screen);
    if (!error.isEmpty()) {
        folder.setAutoRemove(false);
        out << "bench_soak: " << error << "\n  the run's files: " << folder.path() << "\n";
        return 1;
    }

    out << "Soak: " << minutes << " min of pinpointing, 12 s listening and 3 s muted per point\n";
    out.flush();
    const qint64 pid = unit.programPid();
    std::vector<Sample> samples;
    QElapsedTimer clock;
    clock.start();
    const qint64 end = minutes * 60000LL;
    // Waits, sampling every 10 s on the way; false once the program has gone.
    auto idle = [&](qint64 until) {
        while (clock.elapsed() < until) {
            if (!unit.programRunning())
                return false;
            const qint64 due = qint64(samples.size()) * 10000;
            if (clock.elapsed() >= due) {
                Sample s;
                if (!sample(pid, clock.elapsed() / 1000.0, &s))
                    return false;
                samples.push_back(s);
            }
            unit.pause(int(qMin<qint64>(200, until - clock.elapsed()) + 1));
        }
        return true;
    };
    const int noise[] = {-40, -30, -50, -35, -45};
    bool runs = true;
    // Each cycle at its own time: the commands' own time does not add up.
    for (qint64 start = 0; runs && start + 15000 <= end; start += 15000) {
        const int cycle = int(start / 15000);
        runs = idle(start);
        if (!runs)
            break;
        error = unit.devsim("signal", {"--tone-db", "off", "--noise-db", QString::number(noise[cycle % 5])});
        if (error.isEmpty())
            error = unit.key("F6");
        runs = error.isEmpty() && idle(start + 12000);
        if (runs)
            error = unit.key("F6");
        runs = runs && error.isEmpty() && idle(start + 15000);
    }
    // Past the end by one pause at most: the last sample is taken.
    runs = runs && idle(end + 1000) && unit.programRunning();
    const int listened = UnitRun::count(unit.text("/var/log/bt-sim.log"), R"(BT_TX I \S+ ACTIVE)");
    unit.stop();
    if (!error.isEmpty())
        out << "bench_soak: " << error << "\n";

    const QString csvPath = QCoreApplication::applicationDirPath() + "/soak.csv";
    QFile csv(csvPath);
    if (csv.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QTextStream c(&csv);
        c << "seconds,rss_kb,cpu_seconds\n";
        for (const Sample& s : samples)
            c << s.seconds << ',' << s.rssKb << ',' << s.cpuSeconds << '\n';
    }
    std::vector<Sample> afterFirstMinute;
    std::copy_if(samples.begin(), samples.end(), std::back_inserter(afterFirstMinute),
                 [](const Sample& s) { return s.seconds >= 60.0; });
    if (afterFirstMinute.size() < 2) {
        out << "bench_soak: too few samples after the first minute (" << csvPath << ")\n";
        return 1;
    }
    const Sample& first = afterFirstMinute.front();
    const Sample& last = samples.back();
    const double growth = growthPerMinute(afterFirstMinute);
    const double cpuPerMinute = (last.cpuSeconds - samples.front().cpuSeconds) * 60.0
                                / qMax(1.0, last.seconds - samples.front().seconds);
    const double peak = std::max_element(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) {
                            return a.rssKb < b.rssKb;
                        })->rssKb;
    out << QString("  RSS after the first minute: %1 KB\n").arg(first.rssKb, 0, 'f', 0);
    out << QString("  RSS growth per minute after it (least squares): %1 KB\n").arg(growth, 0, 'f', 1);
    out << QString("  CPU per minute: %1 s (%2 % of one core)\n")
               .arg(cpuPerMinute, 0, 'f', 2)
               .arg(cpuPerMinute / 60.0 * 100.0, 0, 'f', 1);
    out << QString("  peak RSS: %1 KB\n").arg(peak, 0, 'f', 0);
    out << "  listenings the TB-9 was told of: " << listened << "\n";
    out << "  the program " << (runs ? "still runs" : "no longer runs") << "\n";
    if (growth > 100.0)
        out << "  WARNING: the memory grows by more than 100 KB a minute: look at it\n";
    out << "  samples every 10 s: " << csvPath << "\n";
    return runs ? 0 : 1;
}
