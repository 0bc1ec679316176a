#include "popupcloser.h"
#include "Tools/popupinfo.h"

#include <QApplication>
#include <QTimer>

PopupCloser::PopupCloser()
    : m_timer(new QTimer(this))
{
    m_timer->setInterval(5);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (auto* popup = qobject_cast<PopupInfo*>(QApplication::activeModalWidget())) {
            if (popup->isVisible()) {
                popup->closeDlg();
                ++m_closed;
            }
        }
    });
    m_timer->start();
}
