#include "picturebutton.h"

#include <QMouseEvent>

PictureButton::PictureButton(QWidget* parent)
    : QPushButton(parent)
    , m_pos(17.0, 23.0)
{
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_pos = event->localPos();
    // The base release handling would emit clicked(); only take the button
    // out of its pressed look.
    setDown(false);
    event->accept();
    emit mouseReleased(m_pos);
}
