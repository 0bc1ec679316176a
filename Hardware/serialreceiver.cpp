#include "serialreceiver.h"

#include <QDebug>
#include <QSerialPort>

namespace {

// Bytes at the end of b that begin a UTF-8 character not yet complete.
int incompleteUtf8Tail(const QByteArray& b)
{
    const int n = b.size();
    for (int i = 1; i <= 3 && i <= n; ++i) {
        const uchar c = static_cast<uchar>(b.at(n - i));
        if ((c & 0xC0) == 0x80)
            continue;
        const int need = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        return need > i ? i : 0;
    }
    return 0;
}

}

qint64 SerialReceiver::readFrom(QIODevice& device)
{
    const QByteArray bytes = device.readAll();
    append(bytes);
    return bytes.size();
}

void SerialReceiver::readPort(QSerialPort& port, const std::function<void()>& analyse)
{
    do {
        readFrom(port);
        if (hasLine())
            analyse();
    } while (port.isOpen() && port.bytesAvailable() > 0);
}

void SerialReceiver::append(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    QByteArray clean = bytes;
    clean.replace('\0', QByteArray());

    m_copy.append(clean);
    if (m_copy.size() > kCopyLimit) {
        int cut = m_copy.size() - kCopyLimit;
        // Start the kept part at a character boundary.
        while (cut < m_copy.size() && (static_cast<uchar>(m_copy.at(cut)) & 0xC0) == 0x80)
            ++cut;
        m_copy.remove(0, cut);
    }

    // Pending bytes keep their NULs: a module's data event counts them.
    m_pending.append(bytes);
    int lastEnd = 0;
    if (m_lineEnd == LineEnd::AfterCr) {
        lastEnd = m_pending.lastIndexOf('\r') + 1;
    } else {
        const int at = m_pending.lastIndexOf("\r\n");
        lastEnd = at < 0 ? 0 : at + 2;
    }
    const int tail = m_pending.size() - lastEnd;
    if (tail > kMaxPending) {
        qDebug().noquote() << m_logPrefix << "Receive buffer overflow, dropped" << tail
                           << "bytes without line end";
        m_pending.truncate(m_pending.size() - tail);
    }
}

int SerialReceiver::lineLength() const
{
    if (m_lineEnd == LineEnd::AfterCr)
        return m_pending.indexOf('\r') + 1;
    const int at = m_pending.indexOf("\r\n");
    return at < 0 ? 0 : at + 2;
}

bool SerialReceiver::takeLineBytes(QByteArray* line)
{
    const int length = lineLength();
    if (length <= 0)
        return false;
    *line = m_pending.left(length);
    m_pending.remove(0, length);
    return true;
}

QString SerialReceiver::decode(const QByteArray& bytes)
{
    QByteArray clean = bytes;
    clean.replace('\0', QByteArray());
    return QString::fromUtf8(clean);
}

bool SerialReceiver::takeLine(QString* line)
{
    QByteArray bytes;
    if (!takeLineBytes(&bytes))
        return false;
    *line = decode(bytes);
    return true;
}

bool SerialReceiver::copyContainsAny(const char* chars) const
{
    for (const char* c = chars; *c; ++c) {
        if (m_copy.contains(*c))
            return true;
    }
    return false;
}

QString SerialReceiver::takeCopy()
{
    const int keep = incompleteUtf8Tail(m_copy);
    const QString text = QString::fromUtf8(m_copy.constData(), m_copy.size() - keep);
    m_copy.remove(0, m_copy.size() - keep);
    return text;
}

QString SerialReceiver::takeCopyAfterLineEnd(const char* lineEnds)
{
    return copyContainsAny(lineEnds) ? takeCopy() : QString();
}
