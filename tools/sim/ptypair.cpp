#include "ptypair.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair(QObject* parent) : QObject(parent) {}

PtyPair::~PtyPair() { close(); }

static void makeRaw(int fd)
{
    termios t;
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
}

bool PtyPair::open()
{
    close();
    int master = -1, slave = -1;
    char name[256] = {0};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return false;
    makeRaw(master);
    makeRaw(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slaveKeepAlive = slave;
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { onReadable(); });
    return true;
}

void PtyPair::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slaveKeepAlive >= 0)
        ::close(m_slaveKeepAlive);
    m_master = m_slaveKeepAlive = -1;
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == QFileInfo(m_slavePath).absoluteFilePath())
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}

bool PtyPair::linkSlaveAt(const QString& linkPath)
{
    QFile::remove(linkPath);
    m_linkPath = linkPath;
    return QFile::link(m_slavePath, linkPath);
}

void PtyPair::setNotifierEnabled(bool enabled)
{
    if (m_notifier)
        m_notifier->setEnabled(enabled);
}

qint64 PtyPair::write(const QByteArray& data)
{
    if (m_master < 0)
        return -1;
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_master, data.constData() + done, size_t(data.size() - done));
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                pollfd p{m_master, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            break;
        }
        done += n;
    }
    return done;
}

QByteArray PtyPair::readAvailable()
{
    QByteArray out;
    if (m_master < 0)
        return out;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof(buf));
        if (n <= 0)
            break;
        out.append(buf, int(n));
    }
    return out;
}

QByteArray PtyPair::waitForData(int timeoutMs)
{
    if (m_master < 0)
        return QByteArray();
    pollfd p{m_master, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return QByteArray();
    return readAvailable();
}

void PtyPair::onReadable()
{
    const QByteArray data = readAvailable();
    if (!data.isEmpty())
        emit dataReceived(data);
}
