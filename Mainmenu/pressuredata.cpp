#include "pressuredata.h"

#include <QDebug>

#include <cmath>

namespace {

struct TimeRange {
    int seconds;
    int samples;
};
const TimeRange kTimeRanges[] = {{60, 6000}, {30, 3000}, {10, 1000}, {5, 500}, {1, 100}};
const int kTimeRangeCount = int(sizeof(kTimeRanges) / sizeof(kTimeRanges[0]));
const int kAnalysisRange = 2;
const int kRecordSamples = 6000;
const int kCurrentOf = 100;

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

}

int PressureData::adcValue(const QString& text, qint64 i)
{
    const qint64 at = 4 * i;
    if (i < 0 || at + 3 > text.size())
        return 0;
    int value = 0;
    for (int k = 0; k < 3; ++k) {
        const int d = hexDigit(text.at(int(at) + k));
        if (d < 0)
            return 0;
        value = value * 16 + d;
    }
    return value;
}

PressureData::PressureData()
{
    start();
}

void PressureData::start()
{
    m_store.fill(0.0f);
    m_count = 0;
    m_recordCount = 0;
    m_zoomed = false;
    m_minY = 0;
    m_maxY = m_calibration.fullScale;
    setTimeRange(0);
    m_pageStart = m_pageEnd = 0;
}

bool PressureData::setCalibration(int fullScale, int adMin, int adMax)
{
    if (fullScale <= 0 || adMin == adMax || adMin < 0 || adMin > kAdcMax || adMax < 0 || adMax > kAdcMax) {
        qDebug() << "PressureSensor: calibration refused" << fullScale << adMin << adMax;
        return false;
    }
    m_calibration = Calibration{float(fullScale), adMin, adMax};
    m_minY = 0;
    m_maxY = m_calibration.fullScale;
    return true;
}

float PressureData::toBar(int adc) const
{
    const Calibration& c = m_calibration;
    const float p = (c.fullScale / float(c.adMax - c.adMin)) * float(adc - c.adMin);
    return p < 0 ? 0.0f : p;
}

int PressureData::groupsIn(const QString& samples)
{
    // The last group may have lost its fourth character to a trimmed line end.
    return (samples.size() + 1) / 4;
}

PressureData::Block PressureData::add(int count, const QString& samples)
{
    Block block;
    const int groups = groupsIn(samples);
    if (count != groups && count > 0) {
        if (!m_countMismatch)
            qDebug() << "PressureSensor: a block says" << count << "samples and holds" << groups
                     << "- the samples held are taken";
        m_countMismatch = true;
    } else {
        m_countMismatch = false;
    }
    count = std::min(count, groups);
    if (count <= 0)
        return block;
    const int n = std::min(count, kCapacity);
    const qint64 skipped = qint64(count) - n;
    const int drop = std::max(0, m_count + n - kCapacity);
    if (drop > 0) {
        std::copy(m_store.begin() + drop, m_store.begin() + m_count, m_store.begin());
        m_count -= drop;
    }
    block.values.reserve(n);
    for (int i = 0; i < n; ++i) {
        const float p = toBar(adcValue(samples, skipped + i));
        m_store[m_count + i] = p;
        block.values.append(p);
    }
    m_count += n;

    block.beginsRecord = m_recordCount <= 0;
    if (block.beginsRecord)
        m_recordCount = 0;
    m_recordCount += n;
    if (m_recordCount >= kRecordSamples)
        m_recordCount = 0;
    return block;
}

PressureData::Statistics PressureData::statistics(int start, int n) const
{
    Statistics s;
    s.min = m_calibration.fullScale;
    const int from = std::clamp(start, 0, m_count);
    const int to = int(std::clamp<qint64>(qint64(start) + n, from, m_count));
    const int cnt = to - from;
    if (cnt <= 0)
        return s;
    // Of the samples alone: readings beyond the full scale are real readings.
    s.max = s.min = m_store[from];
    float sum = 0;
    for (int i = from; i < to; ++i) {
        const float v = m_store[i];
        s.max = std::max(s.max, v);
        s.min = std::min(s.min, v);
        sum += v;
    }
    s.average = sum / cnt;
    float q = 0;
    for (int i = from; i < to; ++i) {
        const double d = double(m_store[i]) - s.average;
        q = float(double(q) + d * d);
    }
    s.deviation = std::sqrt(q / cnt);
    if (cnt >= kCurrentOf) {
        float last = 0;
        for (int i = to - kCurrentOf; i < to; ++i)
            last += m_store[i];
        s.current = last / kCurrentOf;
    } else {
        s.current = s.average;
    }
    s.valid = true;
    return s;
}

PressureData::Diagram PressureData::diagram(int start, int end, int count) const
{
    Diagram d;
    d.minX = m_minX;
    d.maxX = m_maxX;
    d.minY = m_minY;
    d.maxY = m_maxY;
    d.start = start;
    d.end = end;
    d.count = count;
    d.held = std::clamp(m_count - start, 0, std::max(0, end - start));
    return d;
}

void PressureData::setTimeRange(int mode)
{
    m_timeRange = mode % kTimeRangeCount;
    m_rangeSamples = kTimeRanges[m_timeRange].samples;
    m_minX = 0;
    m_maxX = kTimeRanges[m_timeRange].seconds;
}

PressureData::Diagram PressureData::live() const
{
    const int s = int(m_minX * kPerSecond);
    const int e = int(m_maxX * kPerSecond);
    if (m_count < m_rangeSamples)
        return diagram(s, e, m_count);
    if (m_count == m_rangeSamples)
        return diagram(s, e, e - s);
    return diagram(m_count - m_rangeSamples, m_count, m_rangeSamples);
}

PressureData::Diagram PressureData::nextTimeRange()
{
    setTimeRange(m_timeRange + 1);
    return live();
}

// The pressure axis in whole bar around the samples, or the full scale
// when they give no span (also with no sample).
void PressureData::zoomTo(const Statistics& s)
{
    const float bottom = std::trunc(s.min);
    const float top = std::trunc(s.max + 1.0f);
    const bool span = s.valid && bottom < top;
    m_minY = span ? bottom : 0;
    m_maxY = span ? top : m_calibration.fullScale;
}

PressureData::Diagram PressureData::togglePressureZoom()
{
    m_zoomed = !m_zoomed;
    if (m_zoomed) {
        zoomTo(statistics(0, m_count));
    } else {
        m_minY = 0;
        m_maxY = m_calibration.fullScale;
    }
    // The newest samples, as the next block draws them.
    return live();
}

PressureData::Diagram PressureData::page() const
{
    return diagram(m_pageStart, m_pageEnd, m_pageEnd - m_pageStart);
}

PressureData::Statistics PressureData::pageStatistics() const
{
    return statistics(m_pageStart, m_pageEnd - m_pageStart);
}

// A page of n samples from its start, held within the store.
void PressureData::placePage(int n)
{
    m_minX = m_pageStart / kPerSecond;
    m_pageEnd = m_pageStart + n;
    if (m_pageEnd > kCapacity) {
        m_pageEnd = kCapacity;
        m_maxX = kCapacity / kPerSecond;
    } else {
        m_maxX = n / kPerSecond + m_minX;
    }
}

PressureData::Diagram PressureData::analyse()
{
    setTimeRange(kAnalysisRange);
    m_pageStart = 0;
    m_pageEnd = m_rangeSamples;
    return page();
}

PressureData::Diagram PressureData::previousPage()
{
    const int n = m_rangeSamples;
    m_pageStart -= n;
    if (m_pageStart < 0)
        m_pageStart = 0;
    m_minX = m_pageStart / kPerSecond;
    m_pageEnd = std::min(m_pageStart + n, kCapacity);
    m_maxX = n / kPerSecond + m_minX;
    qDebug() << "PressureSensor: Prev" << m_pageStart << m_pageEnd << m_minX << m_maxX;
    return page();
}

PressureData::Diagram PressureData::nextPage()
{
    const int n = m_rangeSamples;
    m_pageStart += n;
    if (m_pageStart >= m_count)
        m_pageStart = m_count - n;
    if (m_pageStart < 0)
        m_pageStart = 0;
    placePage(n);
    qDebug() << "PressureSensor: Next" << m_pageStart << m_pageEnd << m_minX << m_maxX;
    return page();
}

PressureData::Diagram PressureData::nextPageRange()
{
    setTimeRange(m_timeRange + 1);
    const int n = m_rangeSamples;
    m_pageStart = std::max(0, m_pageStart);
    placePage(n);
    return page();
}

PressureData::Diagram PressureData::togglePageZoom()
{
    m_zoomed = !m_zoomed;
    if (m_zoomed) {
        zoomTo(pageStatistics());
        qDebug() << "PressureSensor: Scaling:" << m_minY << m_maxY;
    } else {
        m_minY = 0;
        m_maxY = m_calibration.fullScale;
    }
    qDebug() << "PressureSensor: Scale Y:" << m_zoomed;
    return page();
}

PressureData::Diagram PressureData::leaveAnalysis()
{
    setTimeRange(0);
    m_pageStart = 0;
    m_pageEnd = kCapacity;
    return page();
}
