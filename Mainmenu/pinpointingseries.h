#ifndef PINPOINTINGSERIES_H
#define PINPOINTINGSERIES_H

#include "Tools/screenstyle.h"

#include <QString>

class QSettings;
struct MeasInfoStructure;

// The listening points of the pinpointing screen, free of widgets: up to ten
// points (indices 1..10 of arrays of 20), the point being measured, the leak
// search and the bars' scale. The screen feeds it its ticks and mutes and
// keeps the points' recordings in step with what it reports.
class PinpointingSeries
{
public:
    static constexpr int kSize = 20;
    static constexpr int kPoints = 10;
    // Levels of the display scale in dB; a reading below this is no reading.
    static constexpr float kMinValidDb = 1.0f;
    static constexpr float kMaxDb = 99.0f;

    // One tick's readings.
    struct Tick {
        float rmsRaw = 0;  // linear, full scale 1.0
        float rmsDb = 0;
        float peakDb = 0;
        float minDb = 0;
        int frequency = 0;       // of the last block
        int frequencyAtMin = 0;  // when the minimum was last lowered
        double latitude = 0;
        double longitude = 0;
    };

    // The bars' range in dB for a scale mode.
    struct Range {
        int mode = 0; // the mode in force; an unknown one becomes 0
        float bottom = 0;
        float top = 100;
    };

    // All points and the current one to 0.
    void clear();

    // False when any of the three levels is below 1 dB: the tick is no
    // reading. Otherwise, while listening, the current point takes it: its
    // level (linear: the raw level x 2000), its minimum (a minimum of 99 dB
    // or more is the level just taken), position and the frequency at the
    // minimum.
    bool tick(const Tick& t, bool listening, bool linear);
    // The level figure a tick shows.
    static float shownLevel(const Tick& t, bool linear);

    // A new point begins. True when it was the eleventh: the series moved
    // one to the left (point 1 gone) and the new point is point 10.
    bool beginPoint();
    // Closes the current point. True when it is valid and its sound is to
    // be kept; an empty point is dropped (the series goes back by one).
    bool closePoint();
    // The current point's values to 0 and the series back by one; false
    // when there is no point.
    bool deleteLast();

    // Empty: minimum at most 0 and frequency below 1.
    bool isEmpty(int point) const;
    int currentStep() const { return m_currentStep; }
    float level(int point) const { return at(m_storedRmsLevels, point); }
    float minimum(int point) const { return at(m_storedMinimumLevels, point); }
    int frequency(int point) const { return at(m_significandFrequency, point); }
    double latitude(int point) const { return at(m_storedGpsPosLat, point); }
    double longitude(int point) const { return at(m_storedGpsPosLong, point); }
    const float* minima() const { return m_storedMinimumLevels; }
    const int* frequencies() const { return m_significandFrequency; }

    // Why a point's recording is not its sound (its store failed, or it
    // was not moved with the point); "" when it is, or for no point. A
    // point's reason goes with its values: shifted, cleared and deleted.
    QString soundProblem(int point) const { return at(m_soundProblem, point); }
    void setSoundProblem(int point, const QString& why);

    // The points 1..10 into the store's record (nothing else of it), with
    // those whose recording is not theirs marked missing.
    void fill(MeasInfoStructure* info) const;
    // A stored series from its info.ini, after clear(): the minima and
    // frequencies of points 1..10 (levels and positions stay 0). What is
    // missing or no number reads 0, all of it without a file (null); minima
    // are held within 0..100 dB.
    void load(const QSettings* info);
    // Points 1..10 of a stored series (group "Levels") into levels[1..10]
    // and frequencies[1..10]: what is missing or no number reads 0, levels
    // are held within 0..maxDb.
    static void readPoints(const QSettings& info, float maxDb, float* levels, int* frequencies);
    // The point the stored view has selected, 1..10.
    void select(int point);
    // Next in the stored view: the point after `selected` (1 after 10); when
    // that one is empty, the first later point with a minimum and a
    // frequency above 0, else point 1.
    int nextStored(int selected) const;

    // Over points 1..count: the point with the strictly highest minimum
    // (the lower number on ties), -1 when none is above 0 (level 0.0,
    // frequency 0).
    static int leakSearch(const float* minima, const int* frequencies, int count,
                          float* level, int* frequency);
    // The range of a scale mode from the minima of points 1..10: 0 fixed
    // 0..100 dB, 1 dynamic around the lowest minimum, 2 magnifier from the
    // lowest to the highest; less than 1 dB of spread gives 0..100.
    static Range scaleRange(int mode, const float* minima);
    // The scale button: with dynamic scaling 1, 2, 1, ..., without 0, 2, 0, ...
    static int nextScaleMode(int mode, bool dynamicScaling);
    static int barValue(float db) { return ScreenStyle::barValue(db); }

private:
    template <typename T>
    static T at(const T (&values)[kSize], int point)
    {
        return point >= 0 && point < kSize ? values[point] : T();
    }
    void clearPoint(int point);
    void shiftLeft();

    float m_storedRmsLevels[kSize] = {};
    float m_storedMinimumLevels[kSize] = {};
    double m_storedGpsPosLat[kSize] = {};
    double m_storedGpsPosLong[kSize] = {};
    int m_significandFrequency[kSize] = {};
    QString m_soundProblem[kSize];
    int m_currentStep = 0;
};

#endif
