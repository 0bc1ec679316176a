#include "modalplaceholder.h"

#include <QKeyEvent>

ModalPlaceholder::ModalPlaceholder(QWidget* parent)
    : QDialog(parent)
{
}

void ModalPlaceholder::on_butMenuBack_clicked()
{
    reject();
}

void ModalPlaceholder::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return; // acted on at its release, like every screen
    QDialog::keyPressEvent(event);
}

void ModalPlaceholder::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}
