#include "timerh2heating.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

const int kBarGap = 3;
const int kBarRows = 12;
const int kDialBelow = 15;  // rows under the dial area: gap and range bar
const double kLevelSpan = 1000.0;

// A turn of no time at all leaves the hand straight up.
double angleDegrees(int seconds, int maxTime)
{
    return maxTime > 0 ? double(float(seconds)) * 360 / double(float(maxTime)) : 0;
}

QPen pen(Qt::GlobalColor color, int width)
{
    return QPen(QColor(color), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Column of a level on the bar; levels far off the bar stay just off it, so
// they are clipped like any other mark.
int barColumn(float level, double scale)
{
    return int(std::trunc(std::clamp(level * scale, -1e6, 1e6)));
}

}

TimerH2Heating::TimerH2Heating(QWidget* parent)
    : QLabel(parent)
    , m_maxTime(900)
    , m_currentTime(0)
    , m_startRedArea(0)
    , m_startYellowArea(300)
    , m_startGreenArea(600)
    , m_xSize(0)
    , m_ySize(0)
    , m_center(0, 0)
    , m_h2Reference(0)
    , m_h2Level(0)
    , m_h2Range(1000)
    , m_showRangeVisualisation(true)
{
}

void TimerH2Heating::init()
{
    m_xSize = width();
    m_ySize = height() - kDialBelow;
    m_center = QPoint(m_xSize / 2, m_ySize / 2);
}

void TimerH2Heating::setCurrentTime(int seconds)
{
    m_currentTime = qBound(0, seconds, m_maxTime);
    update();
}

void TimerH2Heating::setRangeVisualisation(int reference, int level, int range)
{
    m_h2Reference = reference;
    m_h2Level = level;
    m_h2Range = range;
}

void TimerH2Heating::showRangeVisualisation() { m_showRangeVisualisation = true; }
void TimerH2Heating::hideRangeVisualisation() { m_showRangeVisualisation = false; }

void TimerH2Heating::setMaxTime(int seconds)
{
    if (seconds > 0)
        m_maxTime = seconds;
}

int TimerH2Heating::getMaxTime() const { return m_maxTime; }

void TimerH2Heating::setThreshold(int red, int yellow, int green)
{
    m_startRedArea = red;
    m_startYellowArea = yellow;
    m_startGreenArea = green;
}

float TimerH2Heating::time2Angle(int seconds) const
{
    return float(angleDegrees(seconds, m_maxTime));
}

QPoint TimerH2Heating::handEnd(int seconds, int maxTime)
{
    const float a = float(angleDegrees(seconds, maxTime)) * 0.0174532924f;
    // Around the 50 x 50 dial's fixed middle, whatever the widget's size.
    return QPoint(int(25 + std::sin(a) * 23), int(25 - std::cos(a) * 23));
}

void TimerH2Heating::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const Qt::GlobalColor disc = m_currentTime < m_startYellowArea ? Qt::red
        : m_currentTime < m_startGreenArea                          ? Qt::yellow
                                                                    : Qt::green;
    const QRectF discRect(1, 1, 48, 48);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(disc));
    painter.drawEllipse(discRect);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(pen(Qt::black, 2));
    painter.drawLine(m_center, handEnd(m_currentTime, m_maxTime));
    painter.setPen(pen(Qt::black, 3));
    painter.drawEllipse(QRect(m_center - QPoint(2, 2), m_center + QPoint(1, 1)));
    const QRect rim(QPoint(3, 3), QPoint(46, 46));
    painter.setPen(pen(Qt::darkGray, 2));
    painter.drawEllipse(rim);
    // On the disc's edge, outside the rim; fixed under the default turn's
    // thirds, they do not follow the thresholds.
    const struct {
        Qt::GlobalColor color;
        int start;
    } arcs[] = {{Qt::red, -480}, {Qt::yellow, 3360}, {Qt::green, 1440}};
    for (const auto& arc : arcs) {
        painter.setPen(pen(arc.color, 3));
        painter.drawArc(discRect, arc.start, 1920);
    }

    if (!m_showRangeVisualisation)
        return;
    const int top = m_ySize + kBarGap;
    const int bottom = top + kBarRows - 1;
    painter.fillRect(QRect(QPoint(0, top), QPoint(m_xSize - 1, bottom)), Qt::darkGray);
    const double scale = m_xSize / kLevelSpan;
    const int reference = barColumn(float(m_h2Reference), scale);
    painter.fillRect(QRect(QPoint(reference, top), QPoint(m_xSize - 1, bottom)), Qt::green);
    const struct {
        Qt::GlobalColor color;
        int x;
    } marks[] = {{Qt::black, reference},
                 {Qt::black, barColumn(float(qint64(m_h2Reference) + m_h2Range), scale)},
                 {Qt::red, barColumn(float(m_h2Level), scale)}};
    for (const auto& mark : marks) {
        painter.setPen(pen(mark.color, 2));
        painter.drawLine(mark.x, top, mark.x, bottom + 1);
    }
}
