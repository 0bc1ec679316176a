#include "tooltipbutton.h"

#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <cmath>

static const int kTooltipDelayMs = 700;

TooltipButton::TooltipButton(QWidget* parent)
    : QPushButton(parent)
    , m_point(0, 0)
{
}

void TooltipButton::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->screenPos();
    m_point = QPoint(int(std::floor(p.x() + 0.5)), int(std::floor(p.y() + 0.5)));
    QTimer::singleShot(kTooltipDelayMs, this, &TooltipButton::displayTooltip);
    QPushButton::mousePressEvent(event);
}

void TooltipButton::displayTooltip()
{
    if (!isDown())
        return;
    // Left of the finger, at the height of the button's row.
    QToolTip::showText(QPoint(m_point.x() - 30, pos().y()), toolTip());
}
