#include "iconbutton.h"

#include <QKeySequence>
#include <QPainter>

IconButton::IconButton(QWidget* parent)
    : QPushButton(parent)
    , m_color(Qt::white)
    , m_backgroundcolor(Qt::black)
{
}

void IconButton::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setShortcut(QKeySequence::mnemonic(text));
    update();
    updateGeometry();
}

void IconButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The pressed background is light.
    painter.setPen(isDown() ? QColor(Qt::black) : m_color);
    drawTexts(painter, drawnTexts());
}

QVector<DrawnText> IconButton::drawnTexts() const
{
    return {{m_text, font(), QRect(52, 0, qMax(0, width() - 52), height()),
             Qt::AlignLeft | Qt::AlignVCenter}};
}
