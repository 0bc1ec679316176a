#ifndef PAINTCOUNTER_H
#define PAINTCOUNTER_H

#include <QList>
#include <QObject>
#include <QPaintEvent>

// Installed as event filter: counts the paint events a widget receives and
// keeps the rectangle of each.
struct PaintCounter : QObject {
    int paints = 0;
    QList<QRect> rects;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            rects << static_cast<QPaintEvent*>(e)->rect();
        }
        return false;
    }
};

#endif
