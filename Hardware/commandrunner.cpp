#include "commandrunner.h"
#include "devicelayer.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

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
static void appendToLog(const QString& program, const QStringList& arguments)
{
    const QString logPath = logFilePath();
    QDir().mkpath(QFileInfo(logPath).path());
    QFile log(logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qDebug() << "Command log not writable:" << logPath;
        return;
    }
    QStringList line;
    line << program << arguments;
    log.write(line.join(' ').toUtf8() + '\n');
}
#endif

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
    if (!process.waitForFinished(timeoutMs)) {
        qDebug() << "Command timed out:" << program << arguments;
        process.kill();
        process.waitForFinished(1000);
        result.exitCode = -1;
    } else if (process.exitStatus() != QProcess::NormalExit) {
        result.exitCode = -1;
    } else {
        result.exitCode = process.exitCode();
    }
    result.output = process.readAllStandardOutput();
    result.errorOutput = process.readAllStandardError();
    return result;
}

int execute(const QString& program, const QStringList& arguments, int timeoutMs)
{
    return run(program, arguments, timeoutMs).exitCode;
}

}
