#ifndef LONGTERMRECORDER_H
#define LONGTERMRECORDER_H

#include <QString>

struct MeasInfoStructure;

// The long-term screen's recording: a ring of levels (one per tick) that
// wraps when the chart is full and then keeps the rest of the previous lap,
// the three time bases, and the stretch of the Y axis to the current lap.
class LongtermRecorder
{
public:
    static constexpr int kCapacity = 2048;
    static constexpr int kTickMs = 1300;
    // A level below this is no reading (every muted tick).
    static constexpr float kMinLevel = 1.0f;

    struct TimeBase {
        const char* label;
        int points;  // across the chart
        float min, max, mainStep, minorStep;  // X axis, in minutes
    };
    // 0 (3 min), 1 (10 min), 2 (30 min); any other value is 0.
    static const TimeBase& timeBase(int selectedTime);

    struct AxisY {
        int min, max;
        float mainStep, minorStep;
    };
    static constexpr AxisY kFullScale = {0, 100, 20, 10};
    // The Y range over a lap: widened outward to multiples of 5 (upper
    // always one step above the maximum), within 0..100.
    static AxisY stretchedRange(const float* data, int count);

    // Time base 0, empty lap, no previous lap, unstretched.
    void reset();
    // One tick's level: false, and nothing changes, below kMinLevel.
    bool add(float level);
    // The next time base; a new lap starts at the left without the previous
    // one. The points across follow at the next add().
    void nextTimeBase();
    // Stretches to the current lap, or back to 0..100; an empty lap stays
    // unstretched. Returns the axis now in force.
    AxisY toggleScale();

    // The current lap (points before the write position) with the time base.
    void fill(MeasInfoStructure* info) const;

    float* data() { return m_recordedData; }
    const float* data() const { return m_recordedData; }
    int count() const { return m_dataCnt; }
    int maxVisible() const { return m_maxVisibleData; }
    bool displayOldData() const { return m_displayOldData; }
    int selectedTime() const { return m_selectedTime; }
    bool scaled() const { return m_drawScaled; }
    AxisY axisY() const { return m_axisY; }

private:
    float m_recordedData[kCapacity] = {};
    int m_dataCnt = 0;
    int m_maxVisibleData = 0;
    bool m_displayOldData = false;
    int m_selectedTime = 0;
    bool m_drawScaled = false;
    AxisY m_axisY = kFullScale;
};

// A stored long-term run as the stored view draws it, held within the
// ring's capacity whatever the file says.
struct LongtermRun {
    QString name;
    int selectedTime = 0;
    int maxVisible = 0;
    int count = 0;
    int filterType = 0;
    quint32 lowCutOff = 0;
    quint32 highCutOff = 4000;
    float data[LongtermRecorder::kCapacity] = {};

    // Reads info.ini of a measurement directory (its name, no path). A
    // missing or unreadable file is an empty run on the 3 min chart; `error`
    // says why.
    void read(const QString& directoryName, QString* error = nullptr);
};

#endif
