#include "levelreadout.h"

#include "Audio/analoginputworker.h"
#include "Tools/measurements.h"

#include <QSettings>

#include <algorithm>
#include <limits>

bool LevelReadout::take(const Raw& raw, bool maxHold)
{
    const float current = AnalogInputWorker::audioLevelToDb(raw.rms);
    const float peak = AnalogInputWorker::audioLevelToDb(raw.peak);
    const float minimum = AnalogInputWorker::audioLevelToDb(raw.minimum);
    if (current < 0 || peak < 0 || minimum < 0)
        return false;
    m_current = current;
    m_peak = peak;
    m_minimum = minimum >= 99.0f ? current : minimum;
    m_rawPeak = raw.peak;
    m_frequency = raw.frequency;
    m_frequencyAtMin = raw.frequencyAtMin;
    if (maxHold)
        m_hold.push(peak);
    return true;
}

QString LevelReadout::peakColour() const
{
    const double peak = m_rawPeak;
    if (peak > 0.056)
        return "red";
    if (peak > 0.04)
        return "orange";
    return "lightgreen";
}

void LevelReadout::fill(MeasInfoStructure* info, const Spectrum& spectrum) const
{
    info->level[0] = m_minimum;
    info->frequency[0] = m_frequency;
    info->sampleRate = kSampleRate;
    info->fftSize = kSavedSpectrumValues;
    std::copy_n(spectrum.begin(), kSavedSpectrumValues, info->fft);
}

StoredLevel StoredLevel::read(const QString& directoryName)
{
    StoredLevel stored;
    const std::unique_ptr<QSettings> info = Measurements::openInfo(directoryName);
    if (!info)
        return stored;
    stored.name = Measurements::readText(*info, "Measurementinfo/Measurementname");
    stored.level = float(qBound(0.0, Measurements::readNumber(*info, "Levels/Level"), 100.0));
    stored.frequency = int(qBound(0.0, Measurements::readNumber(*info, "Levels/Frequency"),
                                  double(std::numeric_limits<int>::max())));
    stored.spectrumValues = Measurements::readValueList(*info, "FFT/FFT-Size", "FFT/FFT-Values",
                                                        stored.spectrum.data(), LevelReadout::kSpectrumValues);
    Measurements::readFilter(*info, &stored.lowCutOff, &stored.highCutOff, &stored.filterType);
    return stored;
}
