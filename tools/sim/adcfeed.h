#ifndef ADCFEED_H
#define ADCFEED_H

#include "signalgenerator.h"
#include "simservice.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

// The ADC's IIO buffer: while "buffer/enable" holds "1", <root>/dev/iio:device0
// holds the newest 1024 samples (7670 per second) as one 2048-byte block,
// replaced whole several times per 300 ms; otherwise it is empty. Each open,
// read and close thus gets one whole, current block without blocking.
class AdcFeed : public SimService
{
    Q_OBJECT
public:
    static constexpr int kSampleRate = 7670;
    static constexpr int kBlockSamples = 1024;
    static constexpr int kPublishIntervalMs = 75;

    explicit AdcFeed(QObject* parent = nullptr);

    QString name() const override { return "adc"; }
    bool start(const QString& root) override;
    void stop() override;

    // Generates the samples due by the clock, then as advance().
    void tick();
    // Generates `samples` new samples with the current signal file and
    // publishes the device's state.
    void advance(int samples);

private:
    bool publish(const QByteArray& data);

    QString m_root;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_generated = 0;
    SignalGenerator m_generator;
    QByteArray m_block;
    bool m_publishedEmpty = false;
};

#endif
