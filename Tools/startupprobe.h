#ifndef STARTUPPROBE_H
#define STARTUPPROBE_H

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// Host builds only: with VQ_STARTUP_PROBE=1 in the environment the program
// prints "startup-probe: painted" once its window has been painted and ends.
// The start-up benchmark times this.
class StartupProbe : public QObject
{
public:
    static void watch(QWidget* window)
    {
        if (qEnvironmentVariableIntValue("VQ_STARTUP_PROBE") == 1)
            window->installEventFilter(new StartupProbe(window));
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued: the children paint in the same pass, before this runs.
            QTimer::singleShot(0, qApp, [] {
                std::printf("startup-probe: painted\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit StartupProbe(QObject* parent) : QObject(parent) {}
    bool m_seen = false;
};

#endif
