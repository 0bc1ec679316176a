#include "longtermdata.h"

#include "fittext.h"

#include <QDebug>
#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>

namespace {

const int kScaleStripWidth = 30;
const int kScaleStripHeight = 25;
const int kRightMargin = 15;
// The last labels reach past their strips: the X strip's into the right
// margin, up to the image's edge (the strip is a pixel narrower than the plot
// area), the Y strip's below it.
const int kXScaleWiden = kRightMargin + 1;
const int kYScaleLengthen = 11;
// Steps of 0.1 never add up to 3 exactly: the last tick of a range may sit a
// hair beyond its end.
const double kStepTolerance = 1e-4;
// Likewise a position that is whole in exact arithmetic must not truncate to
// the pixel before.
const double kPixelTolerance = 1e-3;
// A range divided into ever finer steps would draw for ever; no axis on the
// screen comes anywhere near this many marks.
const int kMaxMarks = 10000;
// Where points above the top go: outside any image, yet a finite coordinate.
const float kFarAbove = -1e6f;
const QColor kGridColor(64, 64, 64);

bool finite(float v) { return std::isfinite(v); }

bool axisValid(float min, float max, float mainStep, float minorStep)
{
    return finite(min) && finite(max) && finite(mainStep) && finite(minorStep) && max != min
        && mainStep > 0 && minorStep > 0;
}

bool checkAxis(const char* scale, float min, float max, float mainStep, float minorStep,
               bool visible)
{
    if (axisValid(min, max, mainStep, minorStep))
        return true;
    qDebug() << "Error:" << scale << min << max << mainStep << minorStep
             << (visible ? "true" : "false");
    return false;
}

// The painter's font on the image: the application's.
QString labelFamily()
{
    return QFont().family();
}

int pixel(int origin, int length, double offset, double range)
{
    return int(std::trunc(origin + length * offset / range + kPixelTolerance));
}

// The last k (at most kMaxMarks) for which k * step lies within span, or
// strictly inside it; -1 when there is none. step > 0, all finite.
int lastStep(double span, double step, bool inclusive)
{
    const double n = span / step;
    const double k = inclusive ? std::floor(n + kStepTolerance) : std::ceil(n - kStepTolerance) - 1;
    return int(std::min(std::max(k, -1.0), double(kMaxMarks)));
}

// Positions of k * step for k = first .. over a range mapped to length pixels.
QVector<int> marks(int origin, int length, double range, double step, int first, bool inclusive)
{
    QVector<int> positions;
    const int last = lastStep(range, step, inclusive);
    for (int k = first; k <= last; ++k)
        positions.append(pixel(origin, length, k * step, range));
    return positions;
}

// Where a label goes before it is fitted: its value, box and alignment.
struct Place {
    double value;
    QRect box;
    int flags;
};

// The smallest point size a scale falls back to, when its labels do not
// stand whole in their own.
const int kSmallestSize = 8;

// The ink of a label's text, where drawText puts it in its box.
QRect inkOf(const QFontMetrics& fm, const LongtermData::Label& label)
{
    const QRect line = fm.boundingRect(label.box, label.flags, label.text);
    return fm.tightBoundingRect(label.text).translated(line.left(), line.top() + fm.ascent());
}

// Whether two inks come closer than gap pixels (0: whether they overlap).
bool within(const QRect& a, const QRect& b, int gap)
{
    return !a.isNull() && !b.isNull() && a.adjusted(-gap, -gap, gap, gap).intersects(b);
}

// Shortened and thinned labels keep a third of their height between them.
bool crowds(const QRect& a, const QRect& b)
{
    return within(a, b, std::min(a.height(), b.height()) / 3);
}

int decimalsOf(const QString& figure)
{
    const int dot = figure.indexOf('.');
    return dot < 0 || figure.contains('e') ? 0 : figure.size() - dot - 1;
}

// The labels in font, each in its box; one that reaches above the area (the
// Y scale's top one) comes down into it. Shortened, a label too wide for its
// box takes fewer decimals or the exponent form.
void layOut(LongtermData::Scale& scale, QVector<QRect>& inks, const QVector<Place>& places,
            const QFont& font, const QRect& area, const std::function<QString(double)>& format,
            bool shortened)
{
    const QFontMetrics fm(font);
    scale.font = font;
    scale.labels.clear();
    inks.clear();
    for (const Place& p : places) {
        LongtermData::Label label{format(p.value), p.box, p.flags};
        if (shortened)
            label.text = FitText::number(p.value, decimalsOf(label.text), [&](const QString& text) {
                return fm.horizontalAdvance(text) <= p.box.width();
            });
        QRect ink = inkOf(fm, label);
        if (ink.top() < area.top()) {
            label.box.translate(0, area.top() - ink.top());
            ink.translate(0, area.top() - ink.top());
        }
        scale.labels.append(label);
        inks.append(ink);
    }
}

// A shortened label next to another that crowds it or reads the same.
bool clashes(const LongtermData::Label& label, const QRect& ink, const LongtermData::Label& other,
             const QRect& otherInk)
{
    return crowds(ink, otherInk) || label.text == other.text;
}

// Every label whole in its box (drawText clips there) and in the area, and
// apart from its neighbour by the rule given.
bool whole(const LongtermData::Scale& scale, const QVector<QRect>& inks, const QRect& area,
           const std::function<bool(int, int)>& apart)
{
    for (int i = 0; i < inks.size(); ++i) {
        if (!(scale.labels[i].box & area).contains(inks[i]) || (i > 0 && !apart(i, i - 1)))
            return false;
    }
    return true;
}

// The scale's own font, or else the nearest smaller one, in which every
// label is whole; failing all, the smallest with the labels shortened and
// those between the axis' ends left out that clash with a neighbour.
void placeLabels(LongtermData::Scale& scale, const QVector<Place>& places, const QFont& font,
                 const QRect& area, const std::function<QString(double)>& format)
{
    QVector<QFont> fonts;
    for (int size = font.pointSize(); size >= kSmallestSize; --size)
        fonts.append(QFont(font.family(), size, font.weight()));
    if (font.bold() || fonts.isEmpty())
        fonts.append(QFont(font.family(), kSmallestSize, QFont::Normal));
    // More labels than could ever stand apart (closer than a digit's height):
    // an even share of them first, so that a draw measures no more than a
    // scale's worth of texts.
    QVector<Place> shown = places;
    const int room = QFontMetrics(fonts.last()).tightBoundingRect("0").height();
    if (places.size() > 2 && room > 0) {
        const QPoint span = places.last().box.center() - places.first().box.center();
        const int most = std::max(span.manhattanLength() / room, 1) + 1;
        if (places.size() > most) {
            const int step = (places.size() - 2) / (most - 1) + 1;
            shown.clear();
            for (int i = 0; i < places.size() - 1; i += step)
                shown.append(places[i]);
            shown.append(places.last());
        }
    }
    QVector<QRect> inks;
    if (shown.size() == places.size()) {
        for (const QFont& f : fonts) {
            layOut(scale, inks, shown, f, area, format, false);
            if (whole(scale, inks, area, [&](int i, int j) { return !within(inks[i], inks[j], 0); }))
                return;
        }
    }
    layOut(scale, inks, shown, fonts.last(), area, format, true);
    const QVector<LongtermData::Label> labels = scale.labels;
    auto apart = [&](int i, int j) { return !clashes(labels[i], inks[i], labels[j], inks[j]); };
    if (whole(scale, inks, area, apart))
        return;
    scale.labels.clear();
    QRect previous;
    for (int i = 0; i < inks.size(); ++i) {
        const bool end = i == 0 || i == inks.size() - 1;
        if (!end && (clashes(labels[i], inks[i], scale.labels.last(), previous)
                     || clashes(labels[i], inks[i], labels.last(), inks.last())))
            continue;
        scale.labels.append(labels[i]);
        previous = inks[i];
    }
}

}

LongtermData::LongtermData(QWidget* parent)
    : QWidget(parent)
    , m_scaleColor(Qt::gray)
    , m_scaleBackgroundColor(Qt::black)
    , m_dataColor(Qt::white)
    , m_dataBackgroundColor(Qt::darkGray)
    , m_xAxis_min(0)
    , m_xAxis_max(100)
    , m_xAxis_mainStep(20)
    , m_xAxis_minorStep(10)
    , m_xAxis_visible(true)
    , m_vGrid_visible(true)
    , m_yAxis_min(0)
    , m_yAxis_max(100)
    , m_yAxis_mainStep(20)
    , m_yAxis_minorStep(10)
    , m_yAxis_visible(true)
    , m_hGrid_visible(true)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void LongtermData::init(int width, int height, QColor a_scaleColor, QColor a_dataColor)
{
    image = QImage(width, height, QImage::Format_RGB32);
    image.fill(m_scaleBackgroundColor);
    const int plotWidth = width - kScaleStripWidth - kRightMargin;
    const int plotHeight = height - kScaleStripHeight;
    m_rectDataArea = QRect(kScaleStripWidth, 0, plotWidth, plotHeight);
    m_rectYScale = QRect(0, 0, kScaleStripWidth, plotHeight);
    m_rectXScale = QRect(kScaleStripWidth, plotHeight, plotWidth - 1, kScaleStripHeight - 1);
    m_scaleColor = a_scaleColor;
    m_dataColor = a_dataColor;
    drawInit();
}

void LongtermData::setAxisX(float a_min, float a_max, float a_mainStep, float a_minorStep,
                            bool a_visible)
{
    m_xAxis_min = a_min;
    m_xAxis_max = a_max;
    m_xAxis_mainStep = a_mainStep;
    m_xAxis_minorStep = a_minorStep;
    m_xAxis_visible = a_visible;
    drawXScale();
}

void LongtermData::setAxisY(float a_min, float a_max, float a_mainStep, float a_minorStep,
                            bool a_visible)
{
    m_yAxis_min = a_min;
    m_yAxis_max = a_max;
    m_yAxis_mainStep = a_mainStep;
    m_yAxis_minorStep = a_minorStep;
    m_yAxis_visible = a_visible;
    drawYScale();
}

void LongtermData::displayHGrid(bool a_visible) { m_hGrid_visible = a_visible; }
void LongtermData::displayVGrid(bool a_visible) { m_vGrid_visible = a_visible; }
void LongtermData::setBackgroundColorScale(QColor c) { m_scaleBackgroundColor = c; }
void LongtermData::setBackgroundColorData(QColor c) { m_dataBackgroundColor = c; }
void LongtermData::setColorScale(QColor c) { m_scaleColor = c; }
void LongtermData::setColorData(QColor c) { m_dataColor = c; }

void LongtermData::refresh() { drawInit(); }

void LongtermData::drawData(float* data, int numData, int maxDataCnt, bool displayOldData)
{
    drawCurve(data, numData, maxDataCnt, displayOldData, 0, 100);
}

void LongtermData::drawDataScaled(const float* data, int numData, int maxDataCnt, bool displayOldData,
                                  float minVal, float maxVal)
{
    if (!finite(minVal) || !finite(maxVal) || !(maxVal > minVal)) {
        qDebug() << "Error: drawDataScaled" << minVal << maxVal;
        return;
    }
    drawCurve(data, numData, maxDataCnt, displayOldData, minVal, maxVal);
}

QRect LongtermData::getRect() const { return QRect(0, 0, width(), height()); }

QVector<DrawnText> LongtermData::drawnTexts() const
{
    QVector<DrawnText> texts;
    auto add = [&texts](const Scale& scale) {
        for (const Label& l : scale.labels)
            texts.append({l.text, scale.font, l.box, l.flags});
    };
    if (image.isNull())
        return texts;
    if (m_xAxis_visible && axisValid(m_xAxis_min, m_xAxis_max, m_xAxis_mainStep, m_xAxis_minorStep))
        add(xScale(m_rectXScale, m_xAxis_min, m_xAxis_max, m_xAxis_mainStep, m_xAxis_minorStep, labelFamily()));
    if (m_yAxis_visible && axisValid(m_yAxis_min, m_yAxis_max, m_yAxis_mainStep, m_yAxis_minorStep))
        add(yScale(m_rectYScale, m_yAxis_min, m_yAxis_max, m_yAxis_mainStep, m_yAxis_minorStep, labelFamily()));
    return texts;
}

void LongtermData::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

bool LongtermData::beginPainting()
{
    return !image.isNull() && m_painter.begin(&image);
}

void LongtermData::endPainting()
{
    m_painter.end();
    update();
}

void LongtermData::drawInit()
{
    if (!beginPainting())
        return;
    m_painter.fillRect(m_rectDataArea, m_dataBackgroundColor);
    // With what the labels reach, so that a scale left out leaves nothing behind.
    m_painter.fillRect(m_rectXScale.adjusted(0, 0, kXScaleWiden, 0), m_scaleBackgroundColor);
    m_painter.fillRect(m_rectYScale.adjusted(0, 0, 0, kYScaleLengthen), m_scaleBackgroundColor);
    endPainting();
    if (m_xAxis_visible)
        drawXScale();
    if (m_yAxis_visible)
        drawYScale();
    if (m_hGrid_visible)
        drawHGrid(m_yAxis_min, m_yAxis_max, m_yAxis_mainStep);
    if (m_vGrid_visible)
        drawVGrid(m_xAxis_min, m_xAxis_max, m_xAxis_mainStep);
}

LongtermData::Scale LongtermData::xScale(const QRect& strip, float min, float max, float mainStep,
                                         float minorStep, const QString& family)
{
    Scale scale;
    const double range = double(max) - min;
    const int x1 = strip.left();
    const int width = strip.width();
    scale.minorTicks = marks(x1, width, range, minorStep, 0, true);
    scale.mainTicks = marks(x1, width, range, mainStep, 0, true);
    const QFont font = max >= 1000 ? QFont(family, 9, QFont::Normal) : QFont(family, 12, QFont::Bold);

    const int top = strip.top() + 5;
    const int boxHeight = 15;
    QVector<Place> places;
    places.append({min, QRect(x1, top, 30, boxHeight), Qt::AlignLeft | Qt::AlignVCenter});
    auto centred = [&](double offset, double value) {
        const int x = pixel(x1 - 17, width, offset, range);
        places.append({value, QRect(x, top, 34, boxHeight), Qt::AlignCenter});
    };
    const int last = lastStep(range - mainStep, mainStep, true);
    for (int k = 1; k <= last; ++k)
        centred(k * double(mainStep), min + k * double(mainStep));
    // The last label stands centred on the axis' end, in the widened strip.
    centred(range, max);
    placeLabels(scale, places, font, strip.adjusted(0, 0, kXScaleWiden, 0),
                [](double value) { return QString("%1").arg(value); });
    return scale;
}

LongtermData::Scale LongtermData::yScale(const QRect& strip, float min, float max, float mainStep,
                                         float minorStep, const QString& family)
{
    Scale scale;
    const double range = double(max) - min;
    const int y1 = strip.top();
    const int height = strip.height();
    scale.minorTicks = marks(y1, height, range, minorStep, 0, true);
    scale.mainTicks = marks(y1, height, range, mainStep, 0, true);

    const bool large = max >= 1000;
    int pointSize = large ? 9 : 11;
    bool bold = !large;
    int offset = large ? 2 : 0;
    int decimals = 0;
    if (mainStep != std::floor(mainStep) && max < 100) {
        pointSize = 9;
        bold = false;
        offset = 2;
        decimals = max >= 10 ? 1 : 2;
    }
    const QFont font(family, pointSize, bold ? QFont::Bold : QFont::Normal);

    const int right = strip.right() - 2;
    QVector<Place> places;
    auto add = [&](double value, int top) {
        places.append({value, QRect(QPoint(strip.left(), top), QPoint(right, top + 14)),
                       Qt::AlignRight | Qt::AlignVCenter});
    };
    add(max, y1 - 2 - offset);
    // Counted downward from the maximum at the top edge.
    const int n = int(std::min(std::trunc(range / mainStep + 0.5), double(kMaxMarks)));
    for (int k = 1; k < n; ++k)
        add(max - k * double(mainStep), pixel(y1 - 4 - offset, height, k * double(mainStep), range));
    add(min, y1 + height - 6 - offset);
    placeLabels(scale, places, font, strip.adjusted(0, 0, 0, kYScaleLengthen),
                [decimals](double value) { return QString("%1").arg(value, 0, 'f', decimals); });
    return scale;
}

QVector<int> LongtermData::gridLines(int origin, int length, float min, float max, float step)
{
    if (!finite(min) || !finite(max) || !finite(step) || !(step > 0) || max == min)
        return {};
    return marks(origin, length, double(max) - min, step, 1, false);
}

void LongtermData::drawScaleLabels(const Scale& scale)
{
    m_painter.setPen(QPen(m_scaleColor, 2));
    m_painter.setFont(scale.font);
    for (const Label& label : scale.labels)
        m_painter.drawText(label.box, label.flags, label.text);
}

void LongtermData::drawXScale()
{
    if (!checkAxis("drawXScale", m_xAxis_min, m_xAxis_max, m_xAxis_mainStep, m_xAxis_minorStep,
                   m_xAxis_visible)
        || !beginPainting())
        return;
    const QRect& r = m_rectXScale;
    m_painter.fillRect(r.adjusted(0, 0, kXScaleWiden, 0), m_scaleBackgroundColor);
    const Scale scale = xScale(r, m_xAxis_min, m_xAxis_max, m_xAxis_mainStep, m_xAxis_minorStep,
                               labelFamily());
    m_painter.setPen(QPen(m_scaleColor, 1));
    for (int x : scale.minorTicks)
        m_painter.drawLine(x, r.top(), x, r.top() + 3);
    m_painter.setPen(QPen(m_scaleColor, 2));
    for (int x : scale.mainTicks)
        m_painter.drawLine(x, r.top(), x, r.top() + 5);
    drawScaleLabels(scale);
    endPainting();
}

void LongtermData::drawYScale()
{
    if (!checkAxis("drawYScale", m_yAxis_min, m_yAxis_max, m_yAxis_mainStep, m_yAxis_minorStep,
                   m_yAxis_visible)
        || !beginPainting())
        return;
    const QRect& r = m_rectYScale;
    m_painter.fillRect(r.adjusted(0, 0, 0, kYScaleLengthen), m_scaleBackgroundColor);
    const Scale scale = yScale(r, m_yAxis_min, m_yAxis_max, m_yAxis_mainStep, m_yAxis_minorStep,
                               labelFamily());
    // Three pixels across the strip's right edge, the last in the plot area.
    const int tick = r.right() - r.left();
    m_painter.setPen(QPen(m_scaleColor, 1));
    for (int y : scale.minorTicks)
        m_painter.drawLine(tick - 1, y, tick + 1, y);
    m_painter.setPen(QPen(m_scaleColor, 2));
    for (int y : scale.mainTicks)
        m_painter.drawLine(tick - 1, y, tick + 1, y);
    drawScaleLabels(scale);
    endPainting();
}

void LongtermData::drawHGrid(float a_min, float a_max, float a_step)
{
    const QRect& r = m_rectDataArea;
    const QVector<int> rows = gridLines(r.top(), r.height(), a_min, a_max, a_step);
    if (rows.isEmpty() || !beginPainting())
        return;
    m_painter.setPen(QPen(kGridColor, 1));
    for (int y : rows)
        m_painter.drawLine(r.left(), y, r.right(), y);
    endPainting();
}

void LongtermData::drawVGrid(float a_min, float a_max, float a_step)
{
    const QRect& r = m_rectDataArea;
    const QVector<int> columns = gridLines(r.left(), r.width(), a_min, a_max, a_step);
    if (columns.isEmpty() || !beginPainting())
        return;
    m_painter.setPen(QPen(kGridColor, 1));
    for (int x : columns)
        m_painter.drawLine(x, r.top(), x, r.bottom() + 1);
    endPainting();
}

void LongtermData::drawCurve(const float* data, int numData, int maxDataCnt, bool displayOldData,
                             float minVal, float maxVal)
{
    // Stored files and callers' counts must never take us past either array.
    maxDataCnt = qBound(0, maxDataCnt, int(MaxPoints));
    numData = qBound(0, numData, maxDataCnt);
    if (!data || !beginPainting())
        return;
    std::fill(std::begin(m_points), std::end(m_points), QPointF());
    const QRect& r = m_rectDataArea;
    const float h = r.height();
    const float top = r.top();
    const float range = maxVal - minVal;
    for (int i = 0; i < maxDataCnt; ++i) {
        const float d = data[i] - minVal;
        float y;
        if (!(d >= 0)) {
            y = top + h;  // below the minimum, and NaN
        } else {
            y = h - d * h / range + top;
            if (!(y >= kFarAbove))
                y = kFarAbove;
        }
        m_points[i] = QPointF(r.left() + int(qint64(i) * r.width() / maxDataCnt), y);
    }
    if (numData >= 2) {
        m_painter.setPen(QPen(m_dataColor, 1, Qt::SolidLine));
        m_painter.drawPolyline(m_points, numData);
    }
    if (displayOldData && maxDataCnt - numData >= 2) {
        m_painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        m_painter.drawPolyline(m_points + numData, maxDataCnt - numData);
    }
    endPainting();
}
