#ifndef DRAWNTEXT_H
#define DRAWNTEXT_H

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QVector>

// A text a widget paints itself: in this font, aligned by flags within box.
// The widget hands out what it paints so that its room can be checked.
struct DrawnText {
    QString text;
    QFont font;
    QRect box;
    int flags;
};

inline void drawTexts(QPainter& painter, const QVector<DrawnText>& texts)
{
    for (const DrawnText& t : texts) {
        painter.setFont(t.font);
        painter.drawText(t.box, t.flags, t.text);
    }
}

#endif
