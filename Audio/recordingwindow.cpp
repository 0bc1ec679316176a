#include "recordingwindow.h"

RecordingWindow::RecordingWindow(int frameBytes)
{
    setFrameBytes(frameBytes);
}

void RecordingWindow::setFrameBytes(int bytes)
{
    m_frameBytes = qMax(1, bytes);
    m_partialFrame.clear();
}

void RecordingWindow::clear()
{
    m_chunks.clear();
    m_partialFrame.clear();
    m_bytes = 0;
    m_recordedBytes = 0;
}

void RecordingWindow::start()
{
    clear();
    m_paused = true;
}

void RecordingWindow::pause(bool pause)
{
    if (!pause)
        clear();
    m_paused = pause;
}

void RecordingWindow::stop()
{
    m_paused = true;
}

bool RecordingWindow::append(const char* data, qint64 size)
{
    if (m_paused || size <= 0)
        return false;
    QByteArray chunk = m_partialFrame;
    chunk.append(data, int(size));
    const int whole = chunk.size() - chunk.size() % m_frameBytes;
    m_partialFrame = chunk.mid(whole);
    chunk.truncate(whole);
    if (chunk.isEmpty())
        return false;

    m_recordedBytes += chunk.size();
    if (m_recordedBytes > kThresholdBytes && !m_chunks.isEmpty())
        takeOldest(1);
    m_bytes += chunk.size();
    m_chunks.enqueue(chunk);
    return true;
}

void RecordingWindow::takeOldest(int count)
{
    for (int i = 0; i < count && !m_chunks.isEmpty(); ++i)
        m_bytes -= m_chunks.dequeue().size();
}
