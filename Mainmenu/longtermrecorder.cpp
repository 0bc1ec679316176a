#include "longtermrecorder.h"

#include "Tools/measurements.h"

#include <QDebug>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

// A point every 1.3 s, yet the axis keeps its minute labels.
const LongtermRecorder::TimeBase kTimeBases[] = {
    {"3 min", 180, 0, 3, 0.5f, 0.1f},
    {"10 min", 600, 0, 10, 2, 1},
    {"30 min", 1800, 0, 30, 5, 1},
};
const int kTimeBaseCount = int(sizeof(kTimeBases) / sizeof(kTimeBases[0]));

// Spans up to this keep steps of 10 and 5; wider ones 20 and 10.
const int kNarrowSpan = 59;

// A whole number from the file; one too large for an int is still out of
// every range the reader accepts.
int wholeNumber(const QSettings& info, const char* key)
{
    return int(qBound(-1e9, Measurements::readNumber(info, QLatin1String(key)), 1e9));
}

}

const LongtermRecorder::TimeBase& LongtermRecorder::timeBase(int selectedTime)
{
    return kTimeBases[selectedTime >= 0 && selectedTime < kTimeBaseCount ? selectedTime : 0];
}

LongtermRecorder::AxisY LongtermRecorder::stretchedRange(const float* data, int count)
{
    float minValue = 100;
    float maxValue = 0;
    for (int i = 0; i < count; ++i) {
        minValue = std::min(minValue, data[i]);
        maxValue = std::max(maxValue, data[i]);
    }
    const int lower = std::max(0, int(minValue) / 5 * 5);
    const int upper = std::min(100, int(maxValue) / 5 * 5 + 5);
    if (upper - lower <= kNarrowSpan)
        return {lower, upper, 10, 5};
    return {lower, upper, 20, 10};
}

void LongtermRecorder::reset()
{
    m_selectedTime = 0;
    m_maxVisibleData = timeBase(0).points;
    m_dataCnt = 0;
    m_displayOldData = false;
    m_drawScaled = false;
    m_axisY = kFullScale;
}

bool LongtermRecorder::add(float level)
{
    if (!(level >= kMinLevel))
        return false;
    m_recordedData[m_dataCnt] = level;
    m_maxVisibleData = timeBase(m_selectedTime).points;
    // A lap writes indices 0..points: the last one stays in the ring but is
    // never drawn.
    if (++m_dataCnt > m_maxVisibleData) {
        m_dataCnt = 0;
        m_displayOldData = true;
    }
    return true;
}

void LongtermRecorder::nextTimeBase()
{
    m_selectedTime = (m_selectedTime + 1) % kTimeBaseCount;
    m_dataCnt = 0;
    m_displayOldData = false;
}

LongtermRecorder::AxisY LongtermRecorder::toggleScale()
{
    if (!m_drawScaled && m_dataCnt > 0) {
        m_axisY = stretchedRange(m_recordedData, m_dataCnt);
        m_drawScaled = true;
    } else {
        m_axisY = kFullScale;
        m_drawScaled = false;
    }
    return m_axisY;
}

void LongtermRecorder::fill(MeasInfoStructure* info) const
{
    info->arrayCnt = m_dataCnt;
    std::copy(m_recordedData, m_recordedData + m_dataCnt, info->array);
    info->arrayInfoParameter_1 = m_selectedTime;
    info->arrayInfoParameter_2 = m_maxVisibleData;
}

void LongtermRun::read(const QString& directoryName, QString* error)
{
    *this = LongtermRun();
    const std::unique_ptr<QSettings> info = Measurements::openInfo(directoryName, error);
    if (info) {
        name = Measurements::readText(*info, "Measurementinfo/Measurementname");
        selectedTime = wholeNumber(*info, "Levels_CSV/SelectedTime");
        maxVisible = wholeNumber(*info, "Levels_CSV/MaxVisibleData");
        Measurements::readFilter(*info, &lowCutOff, &highCutOff, &filterType);
    }
    // The chart reads every position across it: never more than are held.
    if (maxVisible < 1 || maxVisible > LongtermRecorder::kCapacity)
        maxVisible = LongtermRecorder::timeBase(selectedTime).points;
    if (info)
        count = Measurements::readValueList(*info, "Levels_CSV/Levels_Cnt",
                                            "Levels_CSV/Levels_Data", data, maxVisible);
}
