#include "audiodialog.h"

#include <QKeyEvent>

void AudioDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AudioDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (!event->isAutoRepeat())
            reject();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
