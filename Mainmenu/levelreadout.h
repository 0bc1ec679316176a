#ifndef LEVELREADOUT_H
#define LEVELREADOUT_H

#include "Tools/maxhold.h"

#include <QString>

#include <array>

struct MeasInfoStructure;

// The level screen's readings, free of widgets: one tick's levels on the
// display scale (0..99 dB), the minimum shown, the peak's colour, the short
// max-hold behind the markers, and what a save stores.
class LevelReadout
{
public:
    static constexpr int kSpectrumValues = 1024;
    static constexpr int kSavedSpectrumValues = 512;
    static constexpr int kSampleRate = 16000;
    // Six ticks of 300 ms.
    static constexpr int kHoldTicks = 6;
    using Spectrum = std::array<float, kSpectrumValues>;

    // One tick of the ADC worker: levels linear, full scale 1.0.
    struct Raw {
        float rms = 0;
        float peak = 0;
        float minimum = 0;
        int frequency = 0;
        int frequencyAtMin = 0;
    };

    // False when a level converts below 0 dB: nothing is taken. With
    // maxHold the peak enters the hold.
    bool take(const Raw& raw, bool maxHold);
    void clearHold() { m_hold.clear(); }

    float current() const { return m_current; }
    float peak() const { return m_peak; }
    // The lowest level; the current one while there is none (99 dB or more).
    float minimum() const { return m_minimum; }
    int frequency() const { return m_frequency; }
    int frequencyAtMin() const { return m_frequencyAtMin; }
    float hold() const { return m_hold.hold(); }
    // From the raw peak, compared in double: "red" above 0.056 of full
    // scale, "orange" above 0.04, else "lightgreen".
    QString peakColour() const;

    // The save: the minimum, the current frequency (not the one at the
    // minimum), 512 spectrum values at 16 kHz. The filter is the caller's.
    void fill(MeasInfoStructure* info, const Spectrum& spectrum) const;

private:
    float m_current = 0;
    float m_peak = 0;
    float m_minimum = 0;
    float m_rawPeak = 0;
    int m_frequency = 0;
    int m_frequencyAtMin = 0;
    MaxHold<kHoldTicks> m_hold;
};

// A stored level measurement as its screen shows it. What is missing, or
// no number, reads 0: empty name, level 0, no filter, no spectrum.
struct StoredLevel {
    QString name;
    float level = 0;  // within 0..100 dB
    int frequency = 0;
    int filterType = 0;
    quint32 lowCutOff = 0;
    quint32 highCutOff = 4000;
    // The values read, as many as "FFT-Size" says and the list holds; the
    // rest 0.
    LevelReadout::Spectrum spectrum{};
    int spectrumValues = 0;

    // info.ini of a directory in the measurement directory.
    static StoredLevel read(const QString& directoryName);
};

#endif
