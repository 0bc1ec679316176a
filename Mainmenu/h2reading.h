#ifndef H2READING_H
#define H2READING_H

#include <QString>
#include <QtGlobal>

#include <functional>

class QSettings;
struct MeasInfoStructure;

// What the H2 sensor screen makes of the accessory's readings: the level
// (raw counts / 4.096), the reference it is shown above, the range that
// scales bar, chart and click rate (fixed, or following the readings), one
// point per listening period and the history of the last readings.
//
// Muted, a reading only moves the level and lowers the reference; the
// display, points and history follow only while listening.
class H2Reading
{
public:
    static constexpr int kPoints = 10;
    static constexpr int kHistory = 300;         // readings across the chart
    static constexpr int kStartReference = 1000; // any first reading lowers it
    static constexpr int kDynamicMode = 5;

    // 0 or 1: the shown figure is the level above the reference or one more.
    using Random = std::function<int()>;

    H2Reading();
    void setRandom(Random random) { m_random = std::move(random); }

    // The accessory's text as a level; what is no finite number, or gives
    // none an int holds, reads 0.
    static int levelOf(const QString& raw);
    static double rawOf(const QString& raw);
    static int secondsOf(const QString& time);

    // Every entry: level, reference, display and points cleared, mode 0 over
    // 1000.
    void reset();
    // A live start: history cleared, the reference at kStartReference, the
    // range dynamic when allowed, else 50.
    void startLive(bool dynamicAllowed);

    void mutedReading(int level);
    void listeningReading(int level, double latitude, double longitude);

    // Modes 0..4: 50, 100, 200, 500, 1000; 5 dynamic when allowed; any
    // other mode is 0.
    void setScaleMode(int mode);
    void nextScaleMode() { setScaleMode(m_scaleMode + 1); }
    // The reference to the present level; the chart starts again.
    void zero();
    // Listening begins: the next point, the eleventh pushing the first out.
    void beginPoint();

    int level() const { return m_level; }
    int reference() const { return m_reference; }
    int displayLevel() const { return m_displayLevel; }
    int shownLevel() const { return m_shownLevel; }
    int percent() const { return m_percent; }
    int range() const { return m_range; }
    int scaleMode() const { return m_scaleMode; }
    bool isDynamic() const { return m_dynamic; }
    QString scaleMaxText() const;

    int currentStep() const { return m_step; }
    float pointLevel(int point) const { return m_pointLevel[point]; }
    double pointLatitude(int point) const { return m_pointLat[point]; }
    double pointLongitude(int point) const { return m_pointLong[point]; }

    const float* history() const { return m_history; }
    float* history() { return m_history; }
    int historyCount() const { return m_count; }

    // The click period for the display level over the range: 1 s at the
    // bottom down to 10 ms at the top.
    static qint64 pwmPeriodNs(int displayLevel, int range);
    qint64 pwmPeriodNs() const { return pwmPeriodNs(m_displayLevel, m_range); }

    // Points, positions and history as the store takes them.
    void fill(MeasInfoStructure* info) const;

    // A stored H2 measurement as the stored view draws it.
    struct Stored {
        QString name;
        float values[kHistory] = {};
        int count = 0;
        int reference = 0;
        int range = 0;
    };
    // At most kHistory values, as many as the list holds; a range of 0 or
    // less is 1000. No file (null) reads as one without keys.
    static void readStored(const QSettings* info, Stored* out);

private:
    void adjustDynamicRange(qint64 d);
    void clearHistory();

    Random m_random;
    int m_level = 0;
    int m_displayLevel = 0;
    int m_shownLevel = 0;
    int m_reference = 0;
    int m_scaleMode = 0;
    int m_range = 1000;
    int m_percent = 0;
    bool m_dynamic = false;
    bool m_dynamicAllowed = false;
    int m_step = 0;
    float m_pointLevel[kPoints + 1] = {};
    double m_pointLat[kPoints + 1] = {};
    double m_pointLong[kPoints + 1] = {};
    float m_history[kHistory] = {};
    int m_count = 0;
};

// "BT_TX S" towards a slow accessory: no new request while the last is
// unanswered and younger than the drivers' answer time-out. Requests sent
// faster than they are answered would wait in the driver's queue, and their
// answers would tell of gas long passed.
class SensorRequestPacer
{
public:
    static constexpr qint64 kAnswerTimeoutMs = 2000;

    bool mayRequest(qint64 nowMs) const
    {
        return !m_waiting || nowMs - m_sentAtMs >= kAnswerTimeoutMs;
    }
    void requested(qint64 nowMs)
    {
        m_waiting = true;
        m_sentAtMs = nowMs;
    }
    // Any reading answers: the accessory's answers carry no request of theirs.
    void answered() { m_waiting = false; }

private:
    bool m_waiting = false;
    qint64 m_sentAtMs = 0;
};

#endif
