#include "h2reading.h"

#include "Tools/measurements.h"

#include <QDebug>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

const double kCountsPerLevel = 4.096;
const int kDynamicStartRange = 100;
const int kFixedRanges[] = {50, 100, 200, 500, 1000};
const int kStoredDefaultRange = 1000;

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

bool holdsInt(double value)
{
    const double t = std::trunc(value);
    return std::isfinite(t) && t >= double(std::numeric_limits<int>::min())
           && t <= double(std::numeric_limits<int>::max());
}

// Truncated toward zero; what no int holds reads 0.
int truncatedOrZero(double value)
{
    return holdsInt(value) ? int(std::trunc(value)) : 0;
}

}

H2Reading::H2Reading()
    : m_random([] { return std::rand() % 2; })
{
}

double H2Reading::rawOf(const QString& raw)
{
    const double value = double(raw.toFloat());
    return holdsInt(value / kCountsPerLevel) ? value : 0.0;
}

int H2Reading::levelOf(const QString& raw)
{
    return truncatedOrZero(rawOf(raw) / kCountsPerLevel);
}

int H2Reading::secondsOf(const QString& time)
{
    return time.toInt();
}

void H2Reading::reset()
{
    m_level = 0;
    m_displayLevel = 0;
    m_shownLevel = 0;
    m_reference = 0;
    m_scaleMode = 0;
    m_range = 1000;
    m_percent = 0;
    m_dynamic = false;
    m_step = 0;
    std::fill(std::begin(m_pointLevel), std::end(m_pointLevel), 0.0f);
    std::fill(std::begin(m_pointLat), std::end(m_pointLat), 0.0);
    std::fill(std::begin(m_pointLong), std::end(m_pointLong), 0.0);
}

void H2Reading::startLive(bool dynamicAllowed)
{
    m_dynamicAllowed = dynamicAllowed;
    clearHistory();
    m_reference = kStartReference;
    setScaleMode(dynamicAllowed ? kDynamicMode : 0);
}

void H2Reading::mutedReading(int level)
{
    m_level = level;
    if (level < m_reference)
        m_reference = level;
}

void H2Reading::listeningReading(int level, double latitude, double longitude)
{
    m_level = level;
    if (m_dynamic)
        adjustDynamicRange(qint64(level) - m_reference);
    qint64 d = qint64(level) - m_reference;
    if (d < 0) {
        m_reference = level;
        d = 0;
    }
    m_displayLevel = clampToInt(d);
    m_shownLevel = clampToInt(d + (m_random ? m_random() % 2 : 0));
    m_percent = int(std::clamp<qint64>(100 * d / std::max(m_range, 1), 0, 100));

    m_pointLevel[m_step] = float(level);
    m_pointLat[m_step] = latitude;
    m_pointLong[m_step] = longitude;

    m_history[m_count++] = float(d);
    if (m_count == kHistory) {
        std::copy(m_history + 1, m_history + kHistory, m_history);
        m_count = kHistory - 1;
    }
}

// Grows to 110 % of the level above the reference when the level leaves the
// range, shrinks by 15 % per reading while the level stays below 15 % of
// it, never below 100; the cap of 1000 - reference applies before that.
void H2Reading::adjustDynamicRange(qint64 d)
{
    qint64 range = m_range;
    if (d < 0) {
        m_reference = m_level;
        range = kDynamicStartRange;
        d = 0;
    }
    if (qint64(m_reference) + range < m_level)
        range = std::min<qint64>(qint64(std::trunc(double(d) * 1.1)), 1000 - qint64(m_reference));
    if (double(range) * 0.15 > double(d))
        range = qint64(std::trunc(double(range) * 0.85));
    if (range <= 99)
        range = kDynamicStartRange;
    m_range = clampToInt(range);
}

void H2Reading::setScaleMode(int mode)
{
    m_scaleMode = mode;
    m_dynamic = false;
    if (mode >= 0 && mode < kDynamicMode) {
        m_range = kFixedRanges[mode];
    } else if (mode == kDynamicMode && m_dynamicAllowed) {
        m_range = kDynamicStartRange;
        m_dynamic = true;
    } else {
        m_range = kFixedRanges[0];
        m_scaleMode = 0;
    }
}

QString H2Reading::scaleMaxText() const
{
    return (m_dynamic ? QStringLiteral("<> %1") : QStringLiteral("%1")).arg(m_range);
}

void H2Reading::zero()
{
    m_reference = m_level;
    clearHistory();
    if (m_dynamic)
        m_range = kDynamicStartRange;
}

void H2Reading::beginPoint()
{
    if (++m_step <= kPoints)
        return;
    m_step = kPoints;
    std::copy(m_pointLevel + 2, m_pointLevel + kPoints + 1, m_pointLevel + 1);
    std::copy(m_pointLat + 2, m_pointLat + kPoints + 1, m_pointLat + 1);
    std::copy(m_pointLong + 2, m_pointLong + kPoints + 1, m_pointLong + 1);
}

void H2Reading::clearHistory()
{
    std::fill(std::begin(m_history), std::end(m_history), 0.0f);
    m_count = 0;
}

qint64 H2Reading::pwmPeriodNs(int displayLevel, int range)
{
    const double r = std::max(range, 1);
    const double d = std::clamp(double(displayLevel), 1.0, r);
    const double perMille = d * (1000.0 / r);
    const qint64 ms = qint64(std::trunc(1000.0 / perMille * 10));
    if (ms <= 9)
        return 10000000;
    if (ms <= 1000)
        return ms * 1000000;
    return 1000000000;
}

void H2Reading::fill(MeasInfoStructure* info) const
{
    for (int i = 1; i <= kPoints; ++i) {
        info->level[i] = m_pointLevel[i];
        info->posLat[i] = m_pointLat[i];
        info->posLong[i] = m_pointLong[i];
    }
    std::copy(m_history, m_history + m_count, info->array);
    info->arrayCnt = m_count;
    info->arrayInfoParameter_1 = m_reference;
    info->arrayInfoParameter_2 = m_range;
}

void H2Reading::readStored(const QSettings* info, Stored* out)
{
    *out = Stored();
    if (info) {
        out->name = Measurements::readText(*info, "Measurementinfo/Measurementname");
        out->count = Measurements::readValueList(*info, "Levels_CSV/Levels_Cnt", "Levels_CSV/Levels_Data",
                                                 out->values, kHistory);
        out->reference = truncatedOrZero(Measurements::readNumber(*info, "Levels_CSV/H2-ReferenceLevel"));
        out->range = truncatedOrZero(Measurements::readNumber(*info, "Levels_CSV/H2-MaxRange"));
    }
    if (out->range <= 0) {
        qDebug() << "H2Sensor: stored range" << out->range << "read as" << kStoredDefaultRange;
        out->range = kStoredDefaultRange;
    }
}
