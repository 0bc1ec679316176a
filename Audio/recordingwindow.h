#ifndef RECORDINGWINDOW_H
#define RECORDINGWINDOW_H

#include <QByteArray>
#include <QQueue>

// The rolling window of background recording: the reads of the audio input
// as chunks, oldest first. Once more than 330000 bytes have been appended
// since the last start or resume, each new chunk pushes out the oldest, so
// the window keeps the latest 10.3 s or so at 32000 bytes/s. Chunks hold
// whole sample frames only; a partial frame at the end of a read waits for
// the next one.
class RecordingWindow
{
public:
    static constexpr qint64 kThresholdBytes = 330000;

    explicit RecordingWindow(int frameBytes = 2);

    int frameBytes() const { return m_frameBytes; }
    // Set with the audio format, before recording starts.
    void setFrameBytes(int bytes);

    // Empties the window and stays paused until the first resume.
    void start();
    // Pause keeps the window; resume empties it and starts a new one.
    void pause(bool pause);
    // Pauses and keeps the window for a later store.
    void stop();
    bool isPaused() const { return m_paused; }

    // Queues one read; dropped while paused. Returns whether a chunk was queued
    // (an empty read queues nothing).
    bool append(const char* data, qint64 size);
    bool append(const QByteArray& data) { return append(data.constData(), data.size()); }

    const QQueue<QByteArray>& chunks() const { return m_chunks; }
    int chunkCount() const { return m_chunks.size(); }
    // Bytes in the window now.
    qint64 bytes() const { return m_bytes; }
    // Bytes appended since the last start or resume; never reduced by drops.
    qint64 recordedBytes() const { return m_recordedBytes; }

    // Takes the oldest chunks out (they have been stored).
    void takeOldest(int count);

private:
    void clear();

    QQueue<QByteArray> m_chunks;
    QByteArray m_partialFrame;
    qint64 m_bytes = 0;
    qint64 m_recordedBytes = 0;
    int m_frameBytes = 2;
    bool m_paused = false;
};

#endif
