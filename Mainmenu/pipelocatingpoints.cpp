#include "pipelocatingpoints.h"
#include "pinpointingseries.h"
#include "Tools/measurements.h"

#include <QSettings>

#include <algorithm>

void PipelocatingPoints::clear()
{
    for (int i = 0; i <= kPoints; ++i)
        clearPoint(i);
    m_currentStep = 0;
    m_hold.clear();
}

void PipelocatingPoints::clearPoint(int point)
{
    m_levels[point] = 0.0f;
    m_frequencies[point] = 0;
    m_latitudes[point] = 0.0;
    m_longitudes[point] = 0.0;
}

bool PipelocatingPoints::beginPoint()
{
    m_hold.clear();
    if (m_currentStep < kPoints) {
        ++m_currentStep;
        return false;
    }
    for (int i = 0; i < kPoints; ++i) {
        m_levels[i] = m_levels[i + 1];
        m_frequencies[i] = m_frequencies[i + 1];
        m_latitudes[i] = m_latitudes[i + 1];
        m_longitudes[i] = m_longitudes[i + 1];
    }
    // Left as it was, a point muted before its first tick would keep the
    // level of the point that moved away and be saved as its copy.
    clearPoint(kPoints);
    return true;
}

bool PipelocatingPoints::endPoint()
{
    if (m_levels[m_currentStep] > 0.0f)
        return true;
    if (m_currentStep >= 1)
        --m_currentStep;
    return false;
}

float PipelocatingPoints::tick(float db, int frequency)
{
    const float held = m_hold.push(db);
    if (m_currentStep >= 1) {
        m_levels[m_currentStep] = held;
        m_frequencies[m_currentStep] = frequency;
    }
    return held;
}

void PipelocatingPoints::setPosition(double latitude, double longitude)
{
    if (m_currentStep < 1)
        return;
    m_latitudes[m_currentStep] = latitude;
    m_longitudes[m_currentStep] = longitude;
}

void PipelocatingPoints::load(const QSettings& info)
{
    clear();
    PinpointingSeries::readPoints(info, kMaxDb, m_levels, m_frequencies);
    m_currentStep = kPoints;
}

void PipelocatingPoints::fill(MeasInfoStructure* info) const
{
    for (int i = 1; i <= kPoints; ++i) {
        info->level[i] = m_levels[i];
        info->frequency[i] = m_frequencies[i];
        info->posLat[i] = m_latitudes[i];
        info->posLong[i] = m_longitudes[i];
    }
}

int PipelocatingPoints::loudest(int count) const
{
    int best = 0;
    float bestLevel = 0.0f;
    for (int i = 1; i <= std::min(count, kPoints); ++i) {
        if (m_levels[i] >= bestLevel) {
            best = i;
            bestLevel = m_levels[i];
        }
    }
    return best;
}

PipelocatingPoints::Range PipelocatingPoints::liveRange() const
{
    // Pinpointing's dynamic scale is the same rule.
    const PinpointingSeries::Range r = PinpointingSeries::scaleRange(1, m_levels);
    return {r.bottom, r.top};
}

PipelocatingPoints::Range PipelocatingPoints::storedRange() const
{
    float quietest = 100.0f;
    float loudest = 0.0f;
    for (int i = 1; i <= kPoints; ++i) {
        if (m_levels[i] > 0.0f)
            quietest = std::min(quietest, m_levels[i]);
        loudest = std::max(loudest, m_levels[i]);
    }
    const float low = std::max(quietest, 5.0f);
    const float high = std::min(loudest, 95.0f);
    // Kept from an earlier view, a 50 dB point under 70..100 dB shows empty.
    if (high - low < 1.0f)
        return {};
    return {low - 5.0f, high + 5.0f};
}
