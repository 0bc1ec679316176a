#ifndef FIRSTPAINT_H
#define FIRSTPAINT_H

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Calls a function once after the widget's first paint: queued behind it, so
// the children painted in the same pass are done too.
class FirstPaint : public QObject
{
public:
    static void then(QWidget* widget, std::function<void()> call)
    {
        widget->installEventFilter(new FirstPaint(widget, std::move(call)));
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_call) {
            QTimer::singleShot(0, qApp, std::move(m_call));
            m_call = nullptr;
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    FirstPaint(QObject* parent, std::function<void()> call)
        : QObject(parent)
        , m_call(std::move(call))
    {
    }
    std::function<void()> m_call;
};

#endif
