// The pinpointing screen's series of points: leak search, scale and ticks as
// tables.
#include "Mainmenu/pinpointingseries.h"
#include "Tools/measurements.h"

#include <QtTest>

namespace {

using Series = PinpointingSeries;

}

class TestPinpointing : public QObject
{
    Q_OBJECT
private slots:
    void leakSearch();
    void scale();
    void series();
};

void TestPinpointing::leakSearch()
{
    struct Case {
        QVector<float> minima; // points 1..
        int count;
        int leak;
        float level;
    };
    const Case cases[] = {{{30, 50, 50, 20}, 4, 2, 50}, // ties: the lower number
                          {{30, 50, 60}, 2, 2, 50},     // beyond count: not searched
                          {{0, 0, 0}, 3, -1, 0},
                          {{40}, 0, -1, 0}};
    for (const Case& c : cases) {
        float minima[Series::kSize] = {};
        int frequencies[Series::kSize] = {};
        for (int i = 0; i < c.minima.size(); ++i) {
            minima[i + 1] = c.minima[i];
            frequencies[i + 1] = 100 * (i + 1);
        }
        float level = -1;
        int frequency = -1;
        QCOMPARE(Series::leakSearch(minima, frequencies, c.count, &level, &frequency), c.leak);
        QCOMPARE(level, c.level);
        QCOMPARE(frequency, c.leak > 0 ? 100 * c.leak : 0);
    }
}

void TestPinpointing::scale()
{
    struct Case {
        int mode;
        QVector<float> minima;
        int shownMode;
        float bottom, top;
    };
    const Case cases[] = {{0, {40, 60}, 0, 0, 100},     {1, {40, 40.5f}, 1, 0, 100},
                          {2, {40, 40.5f}, 2, 0, 100},  {1, {0, 0}, 1, 0, 100},
                          {1, {40, 45}, 1, 36, 50},     {1, {40, 60}, 1, 36, 64},
                          {1, {2, 98}, 1, 0, 100},      {2, {40, 60}, 2, 39, 61},
                          {2, {0.5f, 99.5f}, 2, 0, 100}, {7, {40, 60}, 0, 0, 100}};
    for (const Case& c : cases) {
        float minima[Series::kSize] = {};
        std::copy(c.minima.begin(), c.minima.end(), minima + 1);
        const Series::Range r = Series::scaleRange(c.mode, minima);
        QCOMPARE(r.mode, c.shownMode);
        QCOMPARE(r.bottom, c.bottom);
        QCOMPARE(r.top, c.top);
    }
    QString modes;
    for (bool dynamic : {true, false})
        for (int mode : {0, 1, 2, 9})
            modes += QString::number(Series::nextScaleMode(mode, dynamic));
    QCOMPARE(modes, QString("12112000"));
}

void TestPinpointing::series()
{
    // A minimum of 99 or more becomes the level; a level below 1 dB is no reading.
    Series s;
    QVERIFY(!s.closePoint());
    s.beginPoint();
    QVERIFY(s.tick({0.5f, 80, 90, 99.5f, 300, 200, 1, 2}, true, false));
    QCOMPARE(s.minimum(1), 80.0f);
    QCOMPARE(s.frequency(1), 200);
    QVERIFY(!s.tick({0.5f, 70, 0.5f, 60, 300, 100, 1, 2}, true, false));
    QVERIFY(s.tick({0.5f, 70, 80, 60, 300, 100, 1, 2}, false, false));
    QCOMPARE(s.minimum(1), 80.0f);
    QVERIFY(s.closePoint());

    // An empty point is dropped; the eleventh shifts the series.
    s.beginPoint();
    QVERIFY(!s.closePoint());
    QCOMPARE(s.currentStep(), 1);
    for (int n = 2; n <= 11; ++n) {
        QCOMPARE(s.beginPoint(), n == 11);
        s.tick({0.5f, 50, 60, float(n), 300, 10 * n, 0, 0}, true, true);
        QCOMPARE(s.level(s.currentStep()), 1000.0f); // linear: raw x 2000
    }
    QCOMPARE(s.currentStep(), 10);
    QCOMPARE(s.minimum(1), 2.0f);
    QCOMPARE(s.frequency(10), 110);

    MeasInfoStructure info;
    s.fill(&info);
    QCOMPARE(info.level[9], 10.0f);
    QVERIFY(s.deleteLast());
    QVERIFY(s.isEmpty(10));
    QCOMPARE(s.currentStep(), 9);
}

QTEST_MAIN(TestPinpointing)
#include "tst_pinpointing.moc"
