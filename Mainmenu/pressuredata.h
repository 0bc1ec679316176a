#ifndef PRESSUREDATA_H
#define PRESSUREDATA_H

#include <QString>
#include <QVector>

#include <algorithm>
#include <array>

// The pressure screen's samples and what its chart shows of them, without
// widgets: the accessory's blocks of ADC readings converted to bar with the
// transducer's calibration, the store of the newest 6000 (60 s at 100 a
// second), their statistics, and the chart's ranges live, zoomed and paged
// in the analysis view.
class PressureData
{
public:
    static constexpr int kCapacity = 6000;
    static constexpr int kPerSecond = 100;
    static constexpr int kAdcMax = 4095;

    struct Calibration {
        float fullScale = 25.0f;  // bar at adMax
        int adMin = 409;          // ADC reading at 0 bar
        int adMax = 3685;
    };

    // Of a range of samples, MIN and MAX whatever the full scale; none when
    // the range holds no sample.
    struct Statistics {
        bool valid = false;
        float max = 0, min = 0, average = 0, deviation = 0;
        float current = 0;  // the mean of the range's last 100 samples
    };

    // What the chart draws: its axes, and places for samples start .. end - 1
    // spread over its width. The curve joins the first `count` - 1 of them,
    // and no more than the `held` ones the store holds from start on: a range
    // reaching past the newest sample shows no pressure that was not measured.
    struct Diagram {
        float minX = 0, maxX = 0, minY = 0, maxY = 0;
        int start = 0, end = 0, count = 0;
        int held = 0;
        int joined() const { return std::clamp(count - 1, 0, held); }  // points of the curve
    };

    // What add() kept of a block, in bar, oldest first; whether it begins a
    // record of the live files (about a minute: until 6000 samples).
    struct Block {
        QVector<float> values;
        bool beginsRecord = false;
    };

    // Sample i of a block: characters 4i .. 4i + 2 as hexadecimal digits;
    // 0 for a group that is not three hex digits or lies beyond the text.
    static int adcValue(const QString& text, qint64 i);

    PressureData();

    // A new measurement: no sample (the store zeroed), 60 s time range,
    // pressure axis 0 .. full scale, not zoomed; the next block begins a
    // record.
    void start();

    const Calibration& calibration() const { return m_calibration; }
    // Refused (logged, the previous one kept) with a full scale of 0 bar or
    // less, equal ends or ends beyond 0 .. 4095. Sets the pressure axis to
    // 0 .. full scale; stored samples keep their values.
    bool setCalibration(int fullScale, int adMin, int adMax);
    // Negative pressure reads 0; there is no upper limit.
    float toBar(int adc) const;

    // The groups of four characters a block's text holds.
    static int groupsIn(const QString& samples);

    // A block of `count` samples, stored after the oldest that leave room:
    // of a block of more than 6000 the newest 6000. A count of 0 or less is
    // no block; a count above the groups the text holds takes only those
    // (logged once until the counts agree again), so no sample is invented.
    Block add(int count, const QString& samples);

    int count() const { return m_count; }
    float value(int i) const { return m_store.at(i); }
    const float* values() const { return m_store.data(); }

    // Over samples start .. start + n - 1, as far as they are stored.
    Statistics statistics(int start, int n) const;

    // The axes as they stand, no sample on them.
    Diagram axes() const { return diagram(0, 0, 0); }
    // The live chart after a block: filling from the left until the time
    // range is full, then the newest samples, on the axis as it stands.
    Diagram live() const;
    // Live zoom: the next time range (60, 30, 10, 5, 1 s), or the pressure
    // axis toggled between the samples' whole bar and 0 .. full scale.
    Diagram nextTimeRange();
    Diagram togglePressureZoom();

    // The analysis view: pages of the time range through the store.
    Diagram analyse();
    Diagram previousPage();
    Diagram nextPage();
    Diagram nextPageRange();
    Diagram togglePageZoom();
    Diagram leaveAnalysis();
    Statistics pageStatistics() const;

    int timeRange() const { return m_timeRange; }
    int rangeSamples() const { return m_rangeSamples; }
    bool isZoomed() const { return m_zoomed; }
    int pageStart() const { return m_pageStart; }
    int pageEnd() const { return m_pageEnd; }

private:
    void setTimeRange(int mode);
    void zoomTo(const Statistics& s);
    Diagram diagram(int start, int end, int count) const;
    Diagram page() const;
    void placePage(int n);

    Calibration m_calibration;
    std::array<float, kCapacity> m_store{};
    int m_count = 0;
    int m_recordCount = 0;
    bool m_countMismatch = false;
    int m_timeRange = 0;
    int m_rangeSamples = kCapacity;
    float m_minX = 0, m_maxX = 60;
    float m_minY = 0, m_maxY = 25;
    bool m_zoomed = false;
    int m_pageStart = 0, m_pageEnd = 0;
};

#endif
