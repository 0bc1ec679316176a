#ifndef PIPELOCATINGPOINTS_H
#define PIPELOCATINGPOINTS_H

#include "Tools/maxhold.h"
#include "Tools/screenstyle.h"

class QSettings;
struct MeasInfoStructure;

// The listening points of the pipe-locating screen, free of widgets: up to
// ten points (indices 1..10; 0 is none), each holding the loudest level of
// its last six ticks, its dominant frequency and its position; the loudest
// point and the ranges of the bars. Levels are the display scale, 0..99 dB.
class PipelocatingPoints
{
public:
    static constexpr int kPoints = 10;
    static constexpr int kHoldTicks = 6;
    static constexpr float kMaxDb = 99.0f;

    // A bar range in dB.
    struct Range {
        float bottom = 0;
        float top = 100;
    };

    // No point, the hold empty.
    void clear();

    // Listening begins a new point with an empty hold. True when it was the
    // eleventh: the others moved one to the left, point 1 is gone and point
    // 10 starts from nothing.
    bool beginPoint();
    // Listening ends. False when the point never had a level: it is dropped
    // and the one before is current again.
    bool endPoint();
    // One tick while listening: the level enters the hold, and the hold and
    // the frequency become the current point's. Returns the hold.
    float tick(float db, int frequency);
    void setPosition(double latitude, double longitude);

    // A stored measurement's ten points (group "Levels"); what cannot be
    // read is 0, a level is kept within 0..99.
    void load(const QSettings& info);
    // Points 1..10 into the store's record (nothing else of it).
    void fill(MeasInfoStructure* info) const;

    int currentStep() const { return m_currentStep; }
    float hold() const { return m_hold.hold(); }
    float level(int point) const { return valid(point) ? m_levels[point] : 0.0f; }
    int frequency(int point) const { return valid(point) ? m_frequencies[point] : 0; }
    double latitude(int point) const { return valid(point) ? m_latitudes[point] : 0.0; }
    double longitude(int point) const { return valid(point) ? m_longitudes[point] : 0.0; }

    // Over points 1..count: the loudest, ties to the later one; with every
    // level 0 the last; 0 when count is 0.
    int loudest(int count) const;
    // The live bars: 4 dB below the quietest point above 0, at least 10 dB
    // up (4 above the loudest when wider), within 0..100; less than 1 dB of
    // spread gives 0..100.
    Range liveRange() const;
    // The stored bars: 5 dB around the quietest (at least 5) and the
    // loudest (at most 95); less than 1 dB of spread gives 0..100.
    Range storedRange() const;

    // A level as a bar value: tenths of a dB, cut towards zero.
    static int barValue(float db) { return ScreenStyle::barValue(db); }

private:
    static bool valid(int point) { return point >= 0 && point <= kPoints; }
    void clearPoint(int point);

    float m_levels[kPoints + 1] = {};
    int m_frequencies[kPoints + 1] = {};
    double m_latitudes[kPoints + 1] = {};
    double m_longitudes[kPoints + 1] = {};
    int m_currentStep = 0;
    MaxHold<kHoldTicks> m_hold;
};

#endif
