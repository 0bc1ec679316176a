#include "wt32peer.h"
#include "devicetree.h"
#include "Hardware/gpiolines.h"

namespace {
const QString kDtr = DeviceTree::gpioValuePath(GpioLine::Wt32Dtr);
const QString kDataMode = DeviceTree::gpioValuePath(GpioLine::Wt32DataMode);
}

Wt32Peer::Wt32Peer(QObject* parent) : QObject(parent)
{
    connect(&m_pty, &PtyPair::dataReceived, this, [this](const QByteArray& data) {
        const QByteArray out = m_module.receive(data);
        write(out);
    });
}

bool Wt32Peer::start(const QString& root, const QString& linkPath)
{
    m_root = root;
    m_lastDtr = -1;
    m_modeLine = -1;
    m_sinceAutocall.start();
    updateModeLine();
    return m_pty.open() && m_pty.linkSlaveAt(linkPath);
}

void Wt32Peer::updateModeLine()
{
    const int line = m_module.dataModeLine() ? 1 : 0;
    if (line == m_modeLine || m_root.isEmpty())
        return;
    m_modeLine = line;
    DeviceTree::writeText(m_root, kDataMode, line ? "1\n" : "0\n");
}

void Wt32Peer::write(const QByteArray& bytes)
{
    updateModeLine();
    if (!bytes.isEmpty())
        m_pty.write(bytes);
}

void Wt32Peer::poll()
{
    if (m_root.isEmpty())
        return;
    const int dtr = DeviceTree::readText(m_root, kDtr).trimmed() == "1" ? 1 : 0;
    if (m_lastDtr == 0 && dtr == 1) {
        // Bytes sent before the edge reach the module before it.
        const QByteArray before = m_pty.readAvailable();
        if (!before.isEmpty())
            write(m_module.receive(before));
        write(m_module.dtrRise());
    }
    m_lastDtr = dtr;
    if (m_sinceAutocall.elapsed() >= kAutocallRetryMs) {
        m_sinceAutocall.restart();
        write(m_module.autocall());
    }
    updateModeLine();
}
