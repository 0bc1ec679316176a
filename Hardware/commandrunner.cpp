#include "commandrunner.h"
#include "devicelayer.h"
#include "pathguard.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QElapsedTimer>

namespace CommandRunner {

QString logFilePath()
{
    return DeviceLayer::path("/var/log/commands.log");
}

QString stubPath(const QString& program)
{
    // "/home/root/x.sh" is a file of the device; a bare name is a board tool.
    if (program.startsWith('/'))
        return DeviceLayer::path(program);
    return DeviceLayer::path("/bin/" + program);
}

#ifndef VQ_TARGET_BUILD
// The command runs whether or not the file takes its line; a line the file
// refuses still reaches the program's own log.
static void appendToLog(const QString& program, const QStringList& arguments)
{
    const QString logPath = logFilePath();
    QStringList line;
    line << program << arguments;
    int fd = -1;
    FileResult r = PathGuard::makePath(QFileInfo(logPath).path());
    if (r.ok())
        r = PathGuard::openForAppending(logPath, &fd);
    if (r.ok())
        r = PathGuard::appendWhole(fd, line.join(' ').toUtf8() + '\n');
    if (!r.ok())
        qDebug().noquote() << "Command log not written:" << DeviceLayer::unitPath(logPath) << r.error << "-"
                           << line.join(' ');
}
#endif

namespace {

// Appends what fits of `more` to `kept`; counts the rest.
void keep(QByteArray* kept, const QByteArray& more, qint64* dropped)
{
    const int room = qMax(0, kMaxOutputBytes - kept->size());
    kept->append(more.left(room));
    *dropped += qMax(0, more.size() - room);
}

void keepOutput(QProcess& process, Result* result, qint64* dropped)
{
    keep(&result->output, process.readAllStandardOutput(), dropped);
    keep(&result->errorOutput, process.readAllStandardError(), dropped);
}

// Waits for the end (or the time limit; false then), taking the output in
// small parts as it comes so that QProcess never buffers more than a part.
bool collectOutput(QProcess& process, int timeoutMs, Result* result, qint64* dropped)
{
    const int kSliceMs = 20;
    QElapsedTimer clock;
    clock.start();
    bool errorChannel = false;
    while (process.state() != QProcess::NotRunning) {
        int slice = kSliceMs;
        if (timeoutMs >= 0) {
            const qint64 left = timeoutMs - clock.elapsed();
            if (left <= 0)
                return false;
            slice = int(qMin<qint64>(left, kSliceMs));
        }
        // Each channel in turn, so a flood on one does not pile up while
        // the wait is for the other.
        process.setReadChannel(errorChannel ? QProcess::StandardError : QProcess::StandardOutput);
        errorChannel = !errorChannel;
        // A closed channel returns at once: wait for the end instead.
        if (!process.waitForReadyRead(slice) && process.state() != QProcess::NotRunning)
            process.waitForFinished(slice);
        keepOutput(process, result, dropped);
    }
    return true;
}

}

Result run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    Result result;
    QString executable = program;

#ifndef VQ_TARGET_BUILD
    if (!DeviceLayer::isConfigured()) {
        qDebug() << "No device root:" << DeviceLayer::rootProblem() << "- command not run:"
                 << program << arguments;
        result.exitCode = 127;
        return result;
    }
    appendToLog(program, arguments);
    executable = stubPath(program);
    if (!QFileInfo(executable).isExecutable()) {
        result.exitCode = 127;
        return result;
    }
#endif

    QProcess process;
#ifndef VQ_TARGET_BUILD
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DEVICE_ROOT", DeviceLayer::root());
    process.setProcessEnvironment(env);
#endif
    process.start(executable, arguments);
    // Starting either works or fails at once; the limit is for the run.
    if (!process.waitForStarted(-1)) {
        result.exitCode = 127;
        return result;
    }
    qint64 dropped = 0;
    const bool finished = collectOutput(process, timeoutMs, &result, &dropped);
    if (!finished) {
        qDebug() << "Command timed out:" << program << arguments;
        process.kill();
        process.waitForFinished(1000);
        result.exitCode = -1;
    } else if (process.exitStatus() != QProcess::NormalExit) {
        result.exitCode = -1;
    } else {
        result.exitCode = process.exitCode();
    }
    keepOutput(process, &result, &dropped);
    if (dropped > 0)
        qDebug() << "Command output cut to its first" << kMaxOutputBytes << "bytes each:"
                 << program << arguments << dropped << "bytes dropped";
    return result;
}

int execute(const QString& program, const QStringList& arguments, int timeoutMs)
{
    return run(program, arguments, timeoutMs).exitCode;
}

}
