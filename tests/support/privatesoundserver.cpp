#include "privatesoundserver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

int PrivateSoundServer::runScript(const QStringList& args, QString* out, QString* err)
{
    QProcess p;
    // This build's devsim, through which the script makes its folders.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VQ_DEVSIM", VQ_DEVSIM);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VQ_SOURCE_DIR "/scripts/pulse-private"), args);
    const bool finished = p.waitForFinished(30000);
    if (!finished) {
        p.kill();
        p.waitForFinished();
    }
    if (out)
        *out = QString::fromLocal8Bit(p.readAllStandardOutput());
    if (err)
        *err = finished ? QString::fromLocal8Bit(p.readAllStandardError())
                        : QStringLiteral("scripts/pulse-private did not finish");
    return finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

PrivateSoundServer::PrivateSoundServer(const QString& root)
    : m_root(root)
{
    QString out;
    QString err;
    const int code = runScript({"start", root, "--owner", QString::number(QCoreApplication::applicationPid())},
                               &out, &err);
    if (code == 0) {
        m_address = out.trimmed();
        return;
    }
    m_reason = err.trimmed();
    if (m_reason.isEmpty())
        m_reason = QString("scripts/pulse-private exited with %1").arg(code);
}

PrivateSoundServer::~PrivateSoundServer()
{
    runScript({"stop", m_root});
}
