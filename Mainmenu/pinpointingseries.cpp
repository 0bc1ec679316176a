#include "pinpointingseries.h"
#include "Tools/measurements.h"

#include <QSettings>
#include <QString>

#include <algorithm>
#include <limits>

void PinpointingSeries::clear()
{
    for (int i = 0; i < kSize; ++i)
        clearPoint(i);
    m_currentStep = 0;
}

void PinpointingSeries::clearPoint(int point)
{
    m_storedRmsLevels[point] = 0.0f;
    m_storedMinimumLevels[point] = 0.0f;
    m_storedGpsPosLat[point] = 0.0;
    m_storedGpsPosLong[point] = 0.0;
    m_significandFrequency[point] = 0;
    m_soundProblem[point].clear();
}

void PinpointingSeries::setSoundProblem(int point, const QString& why)
{
    if (point >= 1 && point <= kPoints)
        m_soundProblem[point] = why;
}

float PinpointingSeries::shownLevel(const Tick& t, bool linear)
{
    return linear ? t.rmsRaw * 10000.0f / 5.0f : t.rmsDb;
}

bool PinpointingSeries::tick(const Tick& t, bool listening, bool linear)
{
    if (t.rmsDb < kMinValidDb || t.peakDb < kMinValidDb || t.minDb < kMinValidDb)
        return false;
    const int p = m_currentStep;
    if (!listening || p < 1 || p > kPoints)
        return true;
    m_storedRmsLevels[p] = shownLevel(t, linear);
    m_storedMinimumLevels[p] = t.minDb >= kMaxDb ? m_storedRmsLevels[p] : t.minDb;
    m_storedGpsPosLat[p] = t.latitude;
    m_storedGpsPosLong[p] = t.longitude;
    m_significandFrequency[p] = t.frequencyAtMin;
    return true;
}

bool PinpointingSeries::beginPoint()
{
    if (++m_currentStep <= kPoints)
        return false;
    m_currentStep = kPoints;
    shiftLeft();
    return true;
}

void PinpointingSeries::shiftLeft()
{
    for (int i = 1; i < kPoints; ++i) {
        m_storedMinimumLevels[i] = m_storedMinimumLevels[i + 1];
        m_storedRmsLevels[i] = m_storedRmsLevels[i + 1];
        m_storedGpsPosLat[i] = m_storedGpsPosLat[i + 1];
        m_storedGpsPosLong[i] = m_storedGpsPosLong[i + 1];
        m_significandFrequency[i] = m_significandFrequency[i + 1];
        m_soundProblem[i] = m_soundProblem[i + 1];
    }
    clearPoint(kPoints);
}

bool PinpointingSeries::closePoint()
{
    if (!isEmpty(m_currentStep))
        return true;
    if (m_currentStep >= 1 && m_currentStep <= kPoints)
        --m_currentStep;
    return false;
}

bool PinpointingSeries::deleteLast()
{
    if (m_currentStep < 1)
        return false;
    clearPoint(m_currentStep);
    --m_currentStep;
    return true;
}

bool PinpointingSeries::isEmpty(int point) const
{
    return minimum(point) <= 0.0f && frequency(point) < 1;
}

void PinpointingSeries::fill(MeasInfoStructure* info) const
{
    for (int i = 1; i <= kPoints; ++i) {
        info->level[i] = m_storedMinimumLevels[i];
        info->frequency[i] = m_significandFrequency[i];
        info->posLat[i] = m_storedGpsPosLat[i];
        info->posLong[i] = m_storedGpsPosLong[i];
        info->soundMissing[i] = !m_soundProblem[i].isEmpty();
    }
}

void PinpointingSeries::load(const QSettings* info)
{
    if (info) {
        readPoints(*info, 100.0f, m_storedMinimumLevels, m_significandFrequency);
        return;
    }
    for (int i = 1; i <= kPoints; ++i) {
        m_storedMinimumLevels[i] = 0.0f;
        m_significandFrequency[i] = 0;
    }
}

void PinpointingSeries::readPoints(const QSettings& info, float maxDb, float* levels,
                                   int* frequencies)
{
    for (int i = 1; i <= kPoints; ++i) {
        const double level = Measurements::readNumber(info, QString("Levels/Level_%1").arg(i));
        const double frequency =
            Measurements::readNumber(info, QString("Levels/Frequency_%1").arg(i));
        levels[i] = float(qBound(0.0, level, double(maxDb)));
        frequencies[i] = int(qBound(0.0, frequency, double(std::numeric_limits<int>::max())));
    }
}

void PinpointingSeries::select(int point)
{
    m_currentStep = qBound(1, point, kPoints);
}

int PinpointingSeries::nextStored(int selected) const
{
    const int next = selected >= kPoints ? 1 : selected + 1;
    if (!isEmpty(next))
        return next;
    for (int i = next + 1; i <= kPoints; ++i)
        if (minimum(i) > 0.0f && frequency(i) > 0)
            return i;
    return 1;
}

int PinpointingSeries::leakSearch(const float* minima, const int* frequencies, int count,
                                  float* level, int* frequency)
{
    int best = -1;
    float bestLevel = 0.0f;
    int bestFrequency = 0;
    for (int i = 1; i <= std::min(count, kPoints); ++i) {
        if (minima[i] > bestLevel) {
            best = i;
            bestLevel = minima[i];
            bestFrequency = frequencies[i];
        }
    }
    *level = bestLevel;
    *frequency = bestFrequency;
    return best;
}

PinpointingSeries::Range PinpointingSeries::scaleRange(int mode, const float* minima)
{
    Range r;
    r.mode = mode >= 0 && mode <= 2 ? mode : 0;
    float lowest = 100.0f;
    float highest = 0.0f;
    for (int i = 1; i <= kPoints; ++i) {
        if (minima[i] > 0.0f)
            lowest = std::min(lowest, minima[i]);
        highest = std::max(highest, minima[i]);
    }
    const bool flat = highest - lowest < 1.0f;
    if (r.mode == 1 && !flat) {
        r.bottom = std::max(lowest - 4.0f, 0.0f);
        r.top = highest > lowest + 10.0f ? highest + 4.0f : lowest + 10.0f;
    } else if (r.mode == 2 && !flat) {
        r.bottom = std::max(lowest - 1.0f, 0.0f);
        r.top = highest + 1.0f;
    }
    r.top = std::min(r.top, 100.0f);
    return r;
}

int PinpointingSeries::nextScaleMode(int mode, bool dynamicScaling)
{
    if (dynamicScaling)
        return mode == 1 ? 2 : 1;
    return mode == 0 ? 2 : 0;
}
