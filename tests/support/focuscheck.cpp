#include "focuscheck.h"
#include "Tools/focusframe.h"

#include <QApplication>
#include <QWidget>

QString focusFault(QWidget* area)
{
    QWidget* focus = QApplication::focusWidget();
    const QString name = focus ? focus->objectName() : QString("-");
    if (!focus || !area || !area->isAncestorOf(focus) || !focus->isVisible())
        return "no visible focus on " + (area ? area->objectName() : QString("-")) + " (" + name + ")";
    if (!focus->isEnabled() || focus->focusPolicy() == Qt::NoFocus)
        return "focus on " + name + ", no control the keys work";
    const FocusFrame* frame = FocusFrame::current();
    if (!frame || frame->target() != focus || frame->parentWidget() != focus->parentWidget()
        || frame->geometry() != focus->geometry())
        return name + " not framed";
    return QString();
}

void settleFocus()
{
    // The hand-back is posted; the activation it asks for comes as a window
    // system event.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}
