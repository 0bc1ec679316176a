#include "progressbarminmaxmarker.h"

#include <QPainter>
#include <QPen>

ProgressBarMinMaxMarker::ProgressBarMinMaxMarker(QWidget* parent)
    : QProgressBar(parent)
    , m_maxMarker(-1)
    , m_minMarker(-1)
{
}

int ProgressBarMinMaxMarker::markerX(int marker) const
{
    const int lo = minimum();
    const int hi = maximum();
    if (marker == -1 || hi <= lo || marker < lo || marker > hi)
        return -1;
    // Relative to the minimum: bars need not start at 0.
    const double fraction = (double(marker) - lo) / (double(hi) - lo);
    return int(fraction * (width() - 1));
}

void ProgressBarMinMaxMarker::paintEvent(QPaintEvent* event)
{
    QProgressBar::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const struct {
        int marker;
        Qt::GlobalColor color;
    } markers[] = {{m_maxMarker, Qt::red}, {m_minMarker, Qt::blue}};
    for (const auto& m : markers) {
        const int x = markerX(m.marker);
        if (x < 0)
            continue;
        painter.setPen(QPen(QColor(m.color), 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawLine(x, 0, x, height() - 1);
    }
}
