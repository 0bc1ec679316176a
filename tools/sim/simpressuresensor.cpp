#include "simpressuresensor.h"

#include <algorithm>
#include <cmath>

QString SimPressureSensor::announce()
{
    m_announcedScale = m_scale;
    return QString("BT_RX PRESSURE_ON %1 %2 %3").arg(m_scale).arg(kAdcAtZero).arg(kAdcAtFullScale);
}

QString SimPressureSensor::block(qint64 t)
{
    QString line = QString("BT_RX PRESSURE_DATA %1 ").arg(kBlockSamples);
    if (m_garbage) {
        // Half the readings, none of them a number.
        m_garbage = false;
        return line + QString("ZZZ ").repeated(kBlockSamples / 2);
    }
    const int step = kBlockMs / kBlockSamples;
    for (int i = kBlockSamples - 1; i >= 0; --i) {
        const double share = pressureAt(t - qint64(i) * step) / m_announcedScale;
        const int noise = int(m_noise() % 5) - 2;
        const long adc = std::lround(kAdcAtZero + share * (kAdcAtFullScale - kAdcAtZero)) + noise;
        line += QString("%1 ").arg(std::clamp<long>(adc, 0, 4095), 3, 16, QLatin1Char('0')).toUpper();
    }
    return line;
}

double SimPressureSensor::pressureAt(qint64 t) const
{
    const double phase = 2 * M_PI * double(t % kSwingPeriodMs) / kSwingPeriodMs;
    return m_mean + m_swing * std::sin(phase) - droppedAt(t);
}

void SimPressureSensor::setMean(double bar)
{
    m_mean = bar;
    m_droppedBefore = 0;
    m_dropBy = 0;
}

void SimPressureSensor::drop(double bar, qint64 now)
{
    m_droppedBefore = droppedAt(now);
    m_dropBy = bar;
    m_dropStart = now;
}

double SimPressureSensor::droppedAt(qint64 t) const
{
    const double done = std::clamp(double(t - m_dropStart) / kDropMs, 0.0, 1.0);
    return m_droppedBefore + m_dropBy * done;
}
