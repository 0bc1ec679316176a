#include "adcfeed.h"
#include "devicetree.h"

#include <QDir>
#include <QTextStream>

namespace {
const char* const kDevice = "/dev/iio:device0";
const char* const kEnable = "/sys/bus/iio/devices/iio:device0/buffer/enable";
const int kBlockBytes = AdcFeed::kBlockSamples * 2;
}

AdcFeed::AdcFeed(QObject* parent)
    : SimService(parent)
    , m_generator(kSampleRate)
{
    connect(&m_timer, &QTimer::timeout, this, &AdcFeed::tick);
}

bool AdcFeed::start(const QString& root)
{
    m_root = root;
    if (!QDir().mkpath(root + "/dev"))
        return false;
    m_block.clear();
    m_publishedEmpty = false;
    advance(kBlockSamples);
    m_clock.start();
    m_generated = 0;
    m_timer.start(kPublishIntervalMs);
    return true;
}

void AdcFeed::stop()
{
    m_timer.stop();
    if (!m_root.isEmpty())
        publish(QByteArray());
}

void AdcFeed::tick()
{
    const qint64 due = m_clock.elapsed() * kSampleRate / 1000;
    const qint64 fresh = due - m_generated;
    m_generated = due;
    // After a stall only the newest block matters.
    advance(int(qMin<qint64>(fresh, kBlockSamples)));
}

void AdcFeed::advance(int samples)
{
    if (m_generator.followSignalFile(m_root)) {
        QTextStream(stdout) << "devsim: adc at " << kSampleRate << " samples/s: " << m_generator.params().describe() << "\n";
    }
    if (samples > 0) {
        m_block += m_generator.generatePcm16(samples);
        m_block = m_block.right(kBlockBytes);
    }

    const bool enabled = DeviceTree::readText(m_root, kEnable).trimmed() == "1";
    if (enabled && m_block.size() == kBlockBytes) {
        if (publish(m_block))
            m_publishedEmpty = false;
    } else if (!m_publishedEmpty) {
        m_publishedEmpty = publish(QByteArray());
    }
}

bool AdcFeed::publish(const QByteArray& data)
{
    // Written beside the device and renamed over it: a reader gets the old
    // block or the new one, never a mixture.
    return DeviceTree::replaceFile(m_root, kDevice, data);
}
