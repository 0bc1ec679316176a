#include "idc777peer.h"

Idc777Peer::Idc777Peer(QObject* parent) : QObject(parent)
{
    connect(&m_pty, &PtyPair::dataReceived, this, [this](const QByteArray& data) {
        const QByteArray out = m_module.receive(data);
        if (!out.isEmpty())
            m_pty.write(out);
    });
}

bool Idc777Peer::start(const QString& linkPath)
{
    return m_pty.open() && m_pty.linkSlaveAt(linkPath);
}
