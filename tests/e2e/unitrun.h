#ifndef UNITRUN_H
#define UNITRUN_H

// A whole unit on a PC, used from outside as an operator uses it: the
// simulated device with its live peers, its private sound server, a virtual
// display of the unit's size and the program on it. Input goes only through
// the display (xdotool keys and clicks); what is looked at is only files,
// logs and screenshots. Every wait is on a condition with a time-out, and
// ends at once when the program or a peer has died. Shared by the
// end-to-end test and the soak benchmark.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>
#include <functional>
#include <unistd.h>

class UnitRun {
public:
    struct Setup {
        QString program;   // the vq4100 binary
        QString devsim;    // the devsim binary
        QString sourceDir; // the checkout, for scripts/pulse-private
        QString folder;    // the run's root, logs and screenshots
    };

    // Generous: a sanitizer build on a loaded machine is many times slower
    // than a plain one on an idle machine.
    static constexpr int kStartMs = 180000;
    static constexpr int kWaitMs = 90000;
    // The position the simulated receiver reports (about a metre around it).
    static constexpr double kFixLat = 51.5;
    static constexpr double kFixLon = 7.25;

    explicit UnitRun(const Setup& setup) : m_setup(setup) {}
    ~UnitRun() { stop(); }
    UnitRun(const UnitRun&) = delete;
    UnitRun& operator=(const UnitRun&) = delete;

    // The first tool the run needs that this machine lacks, or "".
    static QString missingTool()
    {
        for (const char* tool : {"Xvfb", "xdotool", "xset", "import"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return tool;
        }
        return {};
    }

    // The functions returning QString return "" or what went wrong.

    // Device, peers, sound server, display and program, in that order.
    QString start()
    {
        if (!QDir().mkpath(m_setup.folder + "/shots"))
            return "cannot make " + m_setup.folder;
        m_env = QProcessEnvironment::systemEnvironment();
        // scripts/pulse-private makes its folders with this build's devsim.
        m_env.insert("VQ_DEVSIM", m_setup.devsim);
        QString error = devsim("create", {"--paired", "--poweroff-ends"});
        if (error.isEmpty())
            error = devsim("gps", {"--pos", QString("%1,%2").arg(kFixLat).arg(kFixLon)});
        if (!error.isEmpty())
            return error;

        m_serve.setProcessChannelMode(QProcess::MergedChannels);
        m_serve.setStandardOutputFile(m_setup.folder + "/devsim.log");
        m_serve.start(m_setup.devsim, {"serve", root()});
        if (!m_serve.waitForStarted(kWaitMs))
            return "devsim serve did not start";

        QString pulse;
        error = run({m_setup.sourceDir + "/scripts/pulse-private", "start", root(), "--owner",
                     QString::number(::getpid())},
                    &pulse);
        if (!error.isEmpty())
            return error;
        m_pulseStarted = true;
        m_pulsePid = text("/var/lib/sim/pulse/pid").trimmed().toLongLong();

        // The display number comes on stdout once the server listens: no
        // guessed number that another run may hold.
        m_xvfb.setStandardErrorFile(m_setup.folder + "/xvfb.log");
        m_xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "480x272x24", "-nolisten", "tcp",
                              "-br", "-noreset"});
        QElapsedTimer clock;
        clock.start();
        QByteArray display;
        while (!display.contains('\n')) {
            if (clock.elapsed() > kWaitMs || !m_xvfb.waitForReadyRead(1000)) {
                if (m_xvfb.state() == QProcess::NotRunning || clock.elapsed() > kWaitMs)
                    return "Xvfb gave no display (xvfb.log)";
                continue;
            }
            display += m_xvfb.readAllStandardOutput();
        }
        m_env.insert("DISPLAY", ":" + QString::fromLatin1(display).trimmed());
        // A held key repeats after 250 ms, 25 times a second.
        error = run({"xset", "r", "rate", "250", "25"});
        if (!error.isEmpty())
            return error;

        QProcessEnvironment programEnv = m_env;
        programEnv.remove("QT_QPA_PLATFORM");
        programEnv.insert("DEVICE_ROOT", root());
        programEnv.insert("PULSE_SERVER", pulse.trimmed());
        m_program.setProcessEnvironment(programEnv);
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        m_program.setStandardOutputFile(programLogPath());
        // Started directly: the device's poweroff ends a parent named vq4100.
        m_program.start(m_setup.program, QStringList());
        if (!m_program.waitForStarted(kWaitMs))
            return "the program did not start";
        return {};
    }

    // Everything start() started, each by its process id.
    void stop()
    {
        for (QProcess* p : {&m_program, &m_serve}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(20000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        if (m_pulseStarted) {
            run({m_setup.sourceDir + "/scripts/pulse-private", "stop", root()});
            m_pulseStarted = false;
        }
        if (m_xvfb.state() != QProcess::NotRunning) {
            m_xvfb.terminate();
            if (!m_xvfb.waitForFinished(20000))
                m_xvfb.kill();
            m_xvfb.waitForFinished(5000);
        }
    }

    QString root() const { return m_setup.folder + "/root"; }
    QString programLogPath() const { return m_setup.folder + "/vq4100.log"; }
    QString serveLogPath() const { return m_setup.folder + "/devsim.log"; }
    qint64 programPid() const { return m_program.processId(); }

    // A file below the device root (a unit path), or a file given whole.
    QString text(const QString& unitPath) const { return readAll(root() + unitPath); }
    static QString readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static int count(const QString& text, const QString& pattern)
    {
        int n = 0;
        for (auto it = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
             it.hasNext(); it.next())
            ++n;
        return n;
    }

    bool programRunning()
    {
        QCoreApplication::processEvents();
        return m_program.state() != QProcess::NotRunning;
    }

    void pause(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Waits until check() holds. Fails at once when the program (unless it
    // may end) or a peer has died.
    QString waitFor(const QString& what, const std::function<bool()>& check, int timeoutMs = kWaitMs,
                    bool programMayEnd = false)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            if (check())
                return {};
            const QString dead = whoDied(programMayEnd);
            if (!dead.isEmpty())
                return dead + ", waiting for " + what;
            if (clock.elapsed() > timeoutMs)
                return QString("%1: not within %2 s").arg(what).arg(timeoutMs / 1000);
            pause(100);
        }
    }

    // Screenshots until one satisfies check() (and, settled, equals the one
    // before it above the status strip); it is kept as the next numbered
    // file of shots/.
    QString waitForScreen(const QString& label, const std::function<bool(const QImage&)>& check,
                          QImage* shot, bool settled = true, int timeoutMs = kWaitMs)
    {
        const QString current = m_setup.folder + "/shots/current.png";
        QImage previous;
        QString failure;
        const QString error = waitFor(
            "the screen: " + label,
            [&] {
                failure = run({"import", "-window", "root", current});
                if (!failure.isEmpty())
                    return true;
                const QImage img = QImage(current).convertToFormat(QImage::Format_RGB32);
                const bool ok = check(img) && (!settled || (!previous.isNull() && difference(previous, img) == 0.0));
                previous = img;
                return ok;
            },
            timeoutMs);
        QFile::rename(current, nextShot(label + (error.isEmpty() && failure.isEmpty() ? "" : "-failed")));
        *shot = previous;
        return error.isEmpty() ? failure : error;
    }
    // The screen as it is now, as the next numbered file (after a failure).
    void keepScreen(const QString& label)
    {
        if (m_xvfb.state() != QProcess::NotRunning)
            run({"import", "-window", "root", nextShot(label)});
    }

    // What a screenshot shows.
    static constexpr int kStripTop = 252;
    static bool dark(QRgb p) { return qMax(qRed(p), qMax(qGreen(p), qBlue(p))) < 64; }
    static bool lit(const QImage& img, int x, int y)
    {
        const QRgb p = img.pixel(x, y);
        return qMax(qRed(p), qMax(qGreen(p), qBlue(p))) >= 128;
    }
    // Not one colour, and the status strip at the bottom mostly black.
    static bool sane(const QImage& img)
    {
        if (img.width() != 480 || img.height() != 272)
            return false;
        bool uniform = true;
        int darkInStrip = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                uniform = uniform && img.pixel(x, y) == img.pixel(0, 0);
                darkInStrip += y >= kStripTop && dark(img.pixel(x, y));
            }
        }
        return !uniform && darkInStrip * 10 >= (img.height() - kStripTop) * img.width() * 6;
    }
    // The TB-9's link in the status strip: its microphone green, not red.
    static bool accessoryLinked(const QImage& img)
    {
        int green = 0;
        for (int y = kStripTop; y < img.height(); ++y) {
            for (int x = 52; x <= 68; ++x) {
                const QRgb p = img.pixel(x, y);
                green += qGreen(p) > 150 && qRed(p) < 120 && qBlue(p) < 120;
            }
        }
        return green >= 10;
    }
    // The share of pixels that differ above the status strip (whose clock
    // changes every second).
    static double difference(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return 1.0;
        int differ = 0;
        for (int y = 0; y < kStripTop; ++y) {
            for (int x = 0; x < a.width(); ++x)
                differ += a.pixel(x, y) != b.pixel(x, y);
        }
        return double(differ) / (kStripTop * a.width());
    }
    // Another screen, or the same one where at most the focus frame moved.
    static bool changed(const QImage& a, const QImage& b) { return difference(a, b) > 0.08; }
    static bool same(const QImage& a, const QImage& b) { return difference(a, b) < 0.04; }

    // The main page, settled, once the TB-9 is linked: as an operator waits
    // before measuring (a screen opened before warns of the missing link).
    QString waitForMainPage(QImage* shot)
    {
        return waitForScreen("main-page", [](const QImage& img) { return sane(img) && accessoryLinked(img); },
                             shot, true, kStartMs);
    }
    // Touches Pinpointing on the main page; its screen opens.
    QString openPinpointing(const QImage& mainPage, QImage* shot)
    {
        const QString error = touch(83, 65);
        if (!error.isEmpty())
            return error;
        return waitForScreen("pinpointing", [&](const QImage& img) {
            return sane(img) && changed(img, mainPage);
        }, shot);
    }

    // Input, only through the display.
    QString key(const QString& name) { return run({"xdotool", "key", name}); }
    QString keyDown(const QString& name) { return run({"xdotool", "keydown", name}); }
    QString keyUp(const QString& name) { return run({"xdotool", "keyup", name}); }
    QString touch(int x, int y) { return run({"xdotool", "mousemove", QString::number(x), QString::number(y), "click", "1"}); }

    // A devsim command on this run's device.
    QString devsim(const QString& command, const QStringList& args)
    {
        return run(QStringList{m_setup.devsim, command, root()} + args);
    }

private:
    QString nextShot(const QString& label)
    {
        return QString("%1/shots/%2-%3.png").arg(m_setup.folder).arg(++m_shots, 2, 10, QChar('0')).arg(label);
    }

    QString whoDied(bool programMayEnd)
    {
        QCoreApplication::processEvents();
        if (!programMayEnd && m_program.state() == QProcess::NotRunning) {
            return QString("the program ended (%1 %2; vq4100.log)")
                .arg(m_program.exitStatus() == QProcess::CrashExit ? "signal" : "exit code")
                .arg(m_program.exitCode());
        }
        if (m_serve.state() == QProcess::NotRunning)
            return "devsim serve ended (devsim.log)";
        if (m_xvfb.state() == QProcess::NotRunning)
            return "the display ended (xvfb.log)";
        if (m_pulseStarted && m_pulsePid > 0 && ::kill(pid_t(m_pulsePid), 0) != 0)
            return "the sound server ended (root/var/lib/sim/pulse/pulse.log)";
        return {};
    }

    // A short command, with the display's environment.
    QString run(const QStringList& command, QString* out = nullptr)
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(command.first(), command.mid(1));
        if (!p.waitForFinished(kWaitMs)) {
            p.kill();
            p.waitForFinished(5000);
            return "`" + command.join(' ') + "` did not finish";
        }
        if (out)
            *out = QString::fromLocal8Bit(p.readAllStandardOutput());
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            return QString("`%1` failed (%2): %3")
                .arg(command.join(' '))
                .arg(p.exitCode())
                .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        }
        return {};
    }

    Setup m_setup;
    QProcessEnvironment m_env;
    QProcess m_serve;
    QProcess m_xvfb;
    QProcess m_program;
    bool m_pulseStarted = false;
    qint64 m_pulsePid = 0;
    int m_shots = 0;
};

#endif
