// The level chart and the heating dial, checked on the pixels they draw.
#include "Tools/longtermdata.h"
#include "Tools/timerh2heating.h"
#include "logcapture.h"
#include "paintcounter.h"

#include <QtTest>
#include <functional>
#include <limits>

using Floats = QVector<float>;
using Ints = QList<int>;

namespace {
const QRgb kData = qRgb(255, 255, 100);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = QColor(Qt::darkGray).rgb();
const QRgb kRed = qRgb(255, 0, 0), kYellow = qRgb(255, 255, 0), kGreen = qRgb(0, 255, 0);
const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
// Of a 416 x 136 chart; the strips with what their labels reach, without the
// corner where the other scale's end ticks stand.
const QRect kPlotArea(30, 0, 371, 111);
const QRect kXStrip(31, 111, 385, 24);
const QRect kYStrip(0, 0, 29, 122);

// Without scales and grids the chart shows only its backgrounds.
void setUp(LongtermData& chart, bool scales)
{
    chart.setAxisX(0, 3, 0.5f, 0.1f, scales);
    chart.setAxisY(0, 100, 20, 10, scales);
    chart.displayHGrid(false);
    chart.displayVGrid(false);
    chart.init(416, 136, QColor(213, 211, 18), QColor(kData));
}

QList<QPoint> pixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match)
{
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixel(x, y)))
                found << QPoint(x, y);
    return found;
}

bool drawn(const LongtermData& chart, const QRect& strip)
{
    return !pixels(chart.getImage(), strip, [](QRgb c) { return c != kBlack; }).isEmpty();
}

QImage render(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }
}

class TestChartWidgets : public QObject
{
    Q_OBJECT
private slots:
    void layout()
    {
        LongtermData chart;
        setUp(chart, false);
        const QImage& image = chart.getImage();
        QCOMPARE(image.size(), QSize(416, 136));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        for (int y = 0; y < 136; ++y)
            for (int x = 0; x < 416; ++x)
                QCOMPARE(image.pixel(x, y), kPlotArea.contains(x, y) ? kGrey : kBlack);
    }

    void curve_data()
    {
        QTest::addColumn<Floats>("values");
        QTest::addColumn<Ints>("counts");   // numData, maxDataCnt, previous lap shown
        QTest::addColumn<Floats>("bounds"); // drawDataScaled's; none: drawData
        QTest::addColumn<Ints>("expect");   // row of all data pixels (-1: none), last column, black shown
        const Floats top(5, 100);
        QTest::newRow("100 on row 0") << top << Ints{5, 5, 0} << Floats{} << Ints{0, 326, 0};
        const Floats below{0, -5, kNan, -kInf, 0};
        QTest::newRow("0, -5, NaN, -inf below") << below << Ints{5, 5, 0} << Floats{} << Ints{111, 326, 0};
        QTest::newRow("150, inf cut off") << Floats{150, kInf, 150, 3e38f, 150} << Ints{5, 5, 0} << Floats{} << Ints{-1, 0, 0};
        QTest::newRow("old lap only") << top << Ints{0, 5, 1} << Floats{} << Ints{-1, 0, 1};
        QTest::newRow("whole lap") << top << Ints{5, 5, 1} << Floats{} << Ints{0, 326, 0};
        QTest::newRow("numData > max") << top << Ints{50, 5, 1} << Floats{} << Ints{0, 326, 0};
        QTest::newRow("negative counts") << top << Ints{-3, -3, 1} << Floats{} << Ints{-1, 0, 0};
        // 10000 drawn; the points sharing the last column add no pixel to it.
        QTest::newRow("20000 points") << Floats(20000, 100) << Ints{20000, 20000, 0} << Floats{} << Ints{0, 399, 0};
        QTest::newRow("scaled max") << Floats(5, 25) << Ints{5, 5, 0} << Floats{0, 25} << Ints{0, 326, 0};
        QTest::newRow("scaled max = min") << top << Ints{5, 5, 0} << Floats{5, 5} << Ints{-1, 0, 0};
        QTest::newRow("scaled inf bound") << top << Ints{5, 5, 0} << Floats{0, kInf} << Ints{-1, 0, 0};
        QTest::newRow("scaled NaN bound") << top << Ints{5, 5, 0} << Floats{0, kNan} << Ints{-1, 0, 0};
    }
    void curve()
    {
        QFETCH(Floats, values);
        QFETCH(Ints, counts);
        QFETCH(Floats, bounds);
        QFETCH(Ints, expect);
        LongtermData chart;
        setUp(chart, false);
        LogCapture log;
        if (bounds.isEmpty())
            chart.drawData(values.data(), counts[0], counts[1], counts[2]);
        else
            chart.drawDataScaled(values.data(), counts[0], counts[1], counts[2], bounds[0], bounds[1]);
        QCOMPARE(log.contains("Error: drawDataScaled"), !bounds.isEmpty() && expect[0] < 0);

        const QImage& image = chart.getImage();
        const QList<QPoint> data = pixels(image, image.rect(), [](QRgb c) { return c == kData; });
        QCOMPARE(data.isEmpty(), expect[0] < 0);
        for (const QPoint& p : data)
            QCOMPARE(p.y(), expect[0]);
        if (!data.isEmpty())
            QCOMPARE(data.first().x() + data.size() - 1, expect[1]);  // one unbroken run
        QCOMPARE(!pixels(image, kPlotArea, [](QRgb c) { return c == kBlack; }).isEmpty(), bool(expect[2]));
    }

    void grid_data()
    {
        QTest::addColumn<float>("step");
        QTest::addColumn<Ints>("rows");
        QTest::newRow("10") << 10.f << Ints{44, 88};
        QTest::newRow("20") << 20.f << Ints{88};
        QTest::newRow("0") << 0.f << Ints{};
        QTest::newRow("negative") << -10.f << Ints{};
        QTest::newRow("NaN") << kNan << Ints{};
    }
    void grid()
    {
        QFETCH(float, step);
        QFETCH(Ints, rows);
        LongtermData chart;
        setUp(chart, false);
        chart.setAxisY(35, 60, step, 5, false);
        chart.displayHGrid(true);
        chart.refresh();
        Ints found;
        for (const QPoint& p : pixels(chart.getImage(), QRect(200, 0, 1, 136), [](QRgb c) { return c == qRgb(64, 64, 64); }))
            found << p.y();
        QCOMPARE(found, rows);
    }

    void scales_data()
    {
        QTest::addColumn<Floats>("axis");  // min, max, main step, minor step
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<Ints>("boxes");   // left of each X box, top of each Y box
        QTest::addColumn<Ints>("style");   // point size, bold, minor ticks, last long tick
        const Ints xBoxes{30, 87, 161, 235, 309, 383};
        QTest::newRow("x 0..3") << Floats{0, 3, 0.5f, 0.1f} << QStringList{"0", "0.5", "1", "1.5", "2", "2.5", "3"}
                                << Ints{30, 74, 136, 198, 259, 321, 383} << Ints{12, 1, 31, 400};
        QTest::newRow("x 0..150") << Floats{0, 150, 30, 10} << QStringList{"0", "30", "60", "90", "120", "150"}
                                  << xBoxes << Ints{12, 1, 16, 400};
        // 9 points would take "1000" a pixel past its box at the axis' start.
        QTest::newRow("x 1000..2000") << Floats{1000, 2000, 200, 100}
                                      << QStringList{"1000", "1200", "1400", "1600", "1800", "2000"} << xBoxes
                                      << Ints{8, 0, 11, 400};
        QTest::newRow("y 35..60 by 10") << Floats{35, 60, 10, 5} << QStringList{"60", "50", "40", "35"}
                                        << Ints{0, 40, 84, 105} << Ints{11, 1, 6, 88};
        QTest::newRow("y 35..60 by 20") << Floats{35, 60, 20, 5} << QStringList{"60", "35"} << Ints{0, 105}
                                        << Ints{11, 1, 6, 88};
        // The scale's own font wherever its labels stand whole: 11 points bold.
        QTest::newRow("y 0..60 by 10") << Floats{0, 60, 10, 5} << QStringList{"60", "50", "40", "30", "20", "10", "0"}
                                       << Ints{0, 14, 33, 51, 70, 88, 105} << Ints{11, 1, 13, 111};
        // In these the own font would cut a label with the fonts installed
        // here; the next smaller size keeps every label whole. 9 points:
        // "1000" 2 px wider than the strip.
        QTest::newRow("y 0..1000") << Floats{0, 1000, 250, 125} << QStringList{"1000", "750", "500", "250", "0"}
                                   << Ints{-3, 21, 49, 77, 103} << Ints{8, 0, 9, 111};
        // 9 points, 2 decimals: "5.00" reaches a row above the chart, and
        // brought down into it meets "4.50".
        QTest::newRow("y 0..5 by 0.5")
            << Floats{0, 5, 0.5f, 0.1f}
            << QStringList{"5.00", "4.50", "4.00", "3.50", "3.00", "2.50", "2.00", "1.50", "1.00", "0.50", "0.00"}
            << Ints{-3, 5, 16, 27, 38, 49, 60, 71, 82, 93, 103} << Ints{8, 0, 51, 111};
        // 11 points bold: "100" 2 px wider than the strip.
        QTest::newRow("y 0..100") << Floats{0, 100, 20, 10} << QStringList{"100", "80", "60", "40", "20", "0"}
                                  << Ints{-2, 18, 40, 62, 84, 105} << Ints{10, 1, 11, 111};
        // Figures too long for the strip in any size are shortened; labels
        // too close for any size, or reading as their neighbour, are left
        // out between the ends.
        QTest::newRow("y 0..8.8e12") << Floats{0, 8.8e12f, 1.76e12f, 8.8e11f}
                                     << QStringList{"9e12", "7e12", "5e12", "4e12", "2e12", "0"}
                                     << Ints{-3, 16, 38, 60, 82, 103} << Ints{8, 0, 11, 111};
        // 1.72e9 would read "2e9" as the top does.
        QTest::newRow("y 0..2.15e9") << Floats{0, 2.147e9f, 4.294e8f, 2.147e8f}
                                     << QStringList{"2e9", "1e9", "9e8", "4e8", "0"}
                                     << Ints{-3, 38, 60, 82, 103} << Ints{8, 0, 11, 111};
        QTest::newRow("y 0..100 by 5") << Floats{0, 100, 5, 1}
                                       << QStringList{"100", "80", "70", "60", "50", "40", "30", "20", "10", "0"}
                                       << Ints{-2, 18, 29, 40, 51, 62, 73, 84, 95, 105} << Ints{8, 0, 101, 111};
    }
    void scales()
    {
        QFETCH(Floats, axis);
        QFETCH(QStringList, texts);
        QFETCH(Ints, boxes);
        QFETCH(Ints, style);
        const bool x = QByteArray(QTest::currentDataTag()).startsWith('x');
        const LongtermData::Scale s = x
            ? LongtermData::xScale(QRect(30, 111, 370, 24), axis[0], axis[1], axis[2], axis[3], "Sans")
            : LongtermData::yScale(QRect(0, 0, 30, 111), axis[0], axis[1], axis[2], axis[3], "Sans");
        QStringList foundTexts;
        Ints foundBoxes;
        for (const LongtermData::Label& l : s.labels) {
            foundTexts << l.text;
            foundBoxes << (x ? l.box.left() : l.box.top());
            QCOMPARE(l.box.size(), QSize(x ? (l.box.left() == 30 ? 30 : 34) : 28, 15));
        }
        QCOMPARE(foundTexts, texts);
        QCOMPARE(foundBoxes, boxes);
        QCOMPARE((Ints{s.font.pointSize(), s.font.bold(), s.minorTicks.size(), s.mainTicks.last()}), style);
    }

    void scaleLeftOut_data()
    {
        QTest::addColumn<Floats>("axis");
        QTest::addColumn<bool>("visible");
        QTest::newRow("x hidden") << Floats{0, 150, 30, 10} << false;
        QTest::newRow("x max = min") << Floats{5, 5, 1, 1} << true;
        QTest::newRow("x main step 0") << Floats{0, 3, 0, 0.1f} << true;
        QTest::newRow("x minor step negative") << Floats{0, 3, 0.5f, -1} << true;
        QTest::newRow("x NaN min") << Floats{kNan, 3, 0.5f, 0.1f} << true;
        QTest::newRow("y hidden") << Floats{35, 60, 10, 5} << false;
        QTest::newRow("y inf max") << Floats{0, kInf, 20, 10} << true;
        QTest::newRow("y inf step") << Floats{0, 100, kInf, 10} << true;
        QTest::newRow("y max = min") << Floats{0, 0, 20, 10} << true;
    }

    // A hidden scale is still drawn when set, an invalid one not even then; the
    // next refresh() leaves either out and draws the other scale.
    void scaleLeftOut()
    {
        QFETCH(Floats, axis);
        QFETCH(bool, visible);
        const bool x = QByteArray(QTest::currentDataTag()).startsWith('x');
        LongtermData chart;
        setUp(chart, false);
        (chart.*(x ? &LongtermData::setAxisY : &LongtermData::setAxisX))(0, 100, 20, 10, true);
        LogCapture log;
        (chart.*(x ? &LongtermData::setAxisX : &LongtermData::setAxisY))(axis[0], axis[1], axis[2], axis[3], visible);
        QCOMPARE(drawn(chart, x ? kXStrip : kYStrip), !visible);
        chart.refresh();
        QCOMPARE(log.contains(x ? "Error: drawXScale" : "Error: drawYScale"), visible);
        QVERIFY(!drawn(chart, x ? kXStrip : kYStrip));
        QVERIFY(drawn(chart, x ? kYStrip : kXStrip));
    }

    void dial_data()
    {
        QTest::addColumn<int>("time");
        QTest::addColumn<QRgb>("disc");
        QTest::addColumn<QPoint>("hand");  // a pixel on the hand, if checked
        QTest::newRow("-5 shows 0") << -5 << kRed << QPoint(25, 12);
        QTest::newRow("225 three o'clock") << 225 << kRed << QPoint(38, 25);
        QTest::newRow("299") << 299 << kRed << QPoint();
        QTest::newRow("300") << 300 << kYellow << QPoint();
        QTest::newRow("599") << 599 << kYellow << QPoint();
        QTest::newRow("600") << 600 << kGreen << QPoint();
        QTest::newRow("1200 shows 900") << 1200 << kGreen << QPoint(25, 12);
    }
    void dial()
    {
        QFETCH(int, time);
        QFETCH(QRgb, disc);
        QFETCH(QPoint, hand);
        TimerH2Heating dial;
        dial.resize(50, 65);
        dial.init();
        dial.setMaxTime(0);
        dial.setMaxTime(-900);
        QCOMPARE(dial.getMaxTime(), 900);
        dial.setCurrentTime(time);
        const QImage image = render(dial);
        QCOMPARE(image.pixel(16, 16), disc);
        if (!hand.isNull())
            QCOMPARE(image.pixel(hand), kBlack);
        // The arcs on the disc's edge, the grey rim inside them.
        const QList<QPair<QPoint, QRgb>> edge{{{1, 25}, kGreen}, {{3, 25}, kGrey}, {{25, 48}, kYellow},
                                              {{25, 46}, kGrey}};
        for (const auto& p : edge)
            QCOMPARE(image.pixel(p.first), p.second);
        QCOMPARE(TimerH2Heating::handEnd(0, 900), QPoint(25, 2));
        QCOMPARE(TimerH2Heating::handEnd(225, 900), QPoint(48, 25));
    }

    void rangeBar()
    {
        TimerH2Heating dial;
        dial.resize(50, 65);
        dial.init();
        dial.setRangeVisualisation(200, 250, 100);
        dial.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dial));
        // Green from the reference at 10; its mark and the range's end (15) black, the level (12) red.
        const QList<QPair<int, QRgb>> bar{{7, kGrey}, {10, kBlack}, {11, kRed}, {12, kRed},
                                          {13, kGreen}, {15, kBlack}, {16, kGreen}, {49, kGreen}};
        const QImage image = render(dial);
        for (const auto& p : bar)
            QCOMPARE(image.pixel(p.first, 58), p.second);

        PaintCounter counter;
        dial.installEventFilter(&counter);
        dial.hideRangeVisualisation();
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        dial.setCurrentTime(10);
        QTRY_VERIFY(counter.paints > 0);
        QVERIFY(render(dial).pixel(20, 58) != kGreen);
    }
};

QTEST_MAIN(TestChartWidgets)
#include "tst_chartwidgets.moc"
