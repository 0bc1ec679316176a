#include "pulsefeed.h"

#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// After a stall no more than this is sent at once; older sound is skipped.
const qint64 kMaxCatchUpChunks = 10;
const int kPipeBytes = 8192;
}

PulseFeed::PulseFeed(QObject* parent)
    : SimService(parent)
    , m_generator(kSampleRate)
{
    connect(&m_timer, &QTimer::timeout, this, &PulseFeed::tick);
}

PulseFeed::~PulseFeed()
{
    disconnectFifo();
}

bool PulseFeed::start(const QString& root)
{
    m_root = root;
    // A server that goes away must not end the whole simulation.
    std::signal(SIGPIPE, SIG_IGN);
    m_clock.start();
    m_chunksDone = 0;
    m_written = 0;
    m_dropped = 0;
    m_timer.start(kIntervalMs);
    tick();
    return true;
}

void PulseFeed::stop()
{
    m_timer.stop();
    disconnectFifo();
}

bool PulseFeed::connectFifo()
{
    const QByteArray path = QFile::encodeName(m_root + kFifoUnitPath);
    struct stat st;
    // Only a FIFO: a plain file in its place would grow without end.
    if (::stat(path.constData(), &st) == 0 && S_ISFIFO(st.st_mode))
        m_fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        if (!m_reportedWaiting)
            QTextStream(stdout) << "devsim: sound waits for a server's input at " << path << "\n";
        m_reportedWaiting = true;
        return false;
    }
    m_reportedWaiting = false;
    // A full 64 KiB pipe would hold 2 s of old sound; keep about two chunks,
    // so a signal change is heard at once.
    ::fcntl(m_fd, F_SETPIPE_SZ, kPipeBytes);
    QTextStream(stdout) << "devsim: sound at " << kSampleRate << " samples/s into " << path
                        << "\n";
    return true;
}

void PulseFeed::disconnectFifo()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void PulseFeed::tick()
{
    if (m_generator.followSignalFile(m_root))
        QTextStream(stdout) << "devsim: sound at " << kSampleRate
                            << " samples/s: " << m_generator.params().describe() << "\n";

    const qint64 due = m_clock.elapsed() * kSampleRate / 1000 / kChunkSamples;
    if (m_fd < 0 && !connectFifo()) {
        m_chunksDone = due;
        return;
    }
    m_chunksDone = qMax(m_chunksDone, due - kMaxCatchUpChunks);
    for (; m_chunksDone < due; ++m_chunksDone) {
        const QByteArray chunk = m_generator.generatePcm16(kChunkSamples);
        // Below PIPE_BUF a write is whole or nothing.
        if (::write(m_fd, chunk.constData(), size_t(chunk.size())) == chunk.size()) {
            ++m_written;
        } else if (errno == EAGAIN) {
            ++m_dropped;
        } else {
            // The server has gone; wait for the next one.
            disconnectFifo();
            m_chunksDone = due;
            return;
        }
    }
}
