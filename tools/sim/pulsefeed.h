#ifndef PULSEFEED_H
#define PULSEFEED_H

#include "signalgenerator.h"
#include "simservice.h"

#include <QElapsedTimer>
#include <QTimer>

// The sensor's sound as the codec's capture device gives it: the signal of
// <root>/var/lib/sim/signal written into the input FIFO of the root's private
// sound server (scripts/pulse-private), s16le mono at 16000 samples/s, 3200
// bytes every 100 ms. Without a server it waits and connects when one appears.
class PulseFeed : public SimService
{
    Q_OBJECT
public:
    static constexpr int kSampleRate = 16000;
    static constexpr int kChunkSamples = 1600;
    static constexpr int kIntervalMs = 100;
    static constexpr const char* kFifoUnitPath = "/var/lib/sim/pulse/in.fifo";

    explicit PulseFeed(QObject* parent = nullptr);
    ~PulseFeed() override;

    QString name() const override { return "sound"; }
    bool start(const QString& root) override;
    void stop() override;

    // Writes the chunks due by the clock.
    void tick();

    bool isConnected() const { return m_fd >= 0; }
    // Chunks written into the FIFO since start.
    qint64 chunksWritten() const { return m_written; }
    // Chunks dropped because the server did not take them in time.
    qint64 chunksDropped() const { return m_dropped; }

private:
    bool connectFifo();
    void disconnectFifo();

    QString m_root;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_chunksDone = 0;
    qint64 m_written = 0;
    qint64 m_dropped = 0;
    SignalGenerator m_generator;
    int m_fd = -1;
    bool m_reportedWaiting = false;
};

#endif
