#include "privatesoundserver.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
QString script()
{
    return QStringLiteral(VQ_SOURCE_DIR "/scripts/pulse-private");
}
}

PrivateSoundServer::PrivateSoundServer(const QString& root)
    : m_root(root)
{
    QProcess p;
    p.start(script(),
            {"start", root, "--owner", QString::number(QCoreApplication::applicationPid())});
    if (!p.waitForFinished(30000)) {
        m_reason = "scripts/pulse-private did not finish";
        p.kill();
        p.waitForFinished();
    } else if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_reason = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        if (m_reason.isEmpty())
            m_reason = QString("scripts/pulse-private exited with %1").arg(p.exitCode());
    } else {
        m_address = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
}

PrivateSoundServer::~PrivateSoundServer()
{
    QProcess::execute(script(), {"stop", m_root});
}
