#include "settingsbutton.h"

#include <QFont>
#include <QPainter>

SettingsButton::SettingsButton(QWidget* parent)
    : QPushButton(parent)
    , m_color(Qt::white)
    , m_backgroundcolor(Qt::black)
{
    QFont f(QStringLiteral("Arial Unicode MS"), 12);
    f.setItalic(false);
    setFont(f);
}

void SettingsButton::setText2(const QString& first, const QString& second)
{
    QPushButton::setText(QString());
    firstText = first;
    secondText = second;
    update();
}

void SettingsButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The pressed background is light.
    painter.setPen(isDown() ? QColor(Qt::black) : m_color);
    drawTexts(painter, drawnTexts());
}

QVector<DrawnText> SettingsButton::drawnTexts() const
{
    const QString family = font().defaultFamily();
    const int pointSize = font().pointSize();
    return {{firstText, QFont(family, pointSize, QFont::Bold), QRect(55, 0, 356, 25),
             Qt::AlignLeft | Qt::AlignVCenter},
            {secondText, QFont(family, pointSize, QFont::Normal), QRect(55, 25, 356, 25),
             Qt::AlignRight | Qt::AlignVCenter}};
}
