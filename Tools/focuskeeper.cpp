#include "focuskeeper.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool isShownControl(const QWidget* w)
{
    return !w->isWindow() && w->isVisible() && w->isEnabled();
}

// A window the keys can work in: not a pop-up, tooltip or the like.
bool takesKeys(const QWidget* w)
{
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
}

QWidget* firstControl(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && isShownControl(w))
            return w;
    }
    return nullptr;
}

QWidget* shownWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && takesKeys(w))
            return w;
    }
    return nullptr;
}

}

void FocusKeeper::install()
{
    static FocusKeeper* s_keeper = nullptr;
    if (s_keeper || !qApp)
        return;
    s_keeper = new FocusKeeper(qApp);
    qApp->installEventFilter(s_keeper);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // Not what a window system does to a window (minimising, for one).
    if ((type != QEvent::Show && type != QEvent::Hide) || event->spontaneous()
        || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (!w->isWindow() || !w->isModal() || !takesKeys(w))
        return false;
    if (type == QEvent::Show) {
        // Before the dialog takes the focus.
        m_had.insert(w, QApplication::focusWidget());
        return false;
    }
    QPointer<QWidget> beneath = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    QPointer<QWidget> had = m_had.take(w);
    // Once the caller has done what follows the dialog (shown another page,
    // opened the next dialog).
    QMetaObject::invokeMethod(
        this, [beneath, had] { settle(beneath, had); }, Qt::QueuedConnection);
    return false;
}

void FocusKeeper::settle(const QPointer<QWidget>& beneath, const QPointer<QWidget>& had)
{
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = beneath && beneath->isVisible() ? beneath.data() : shownWindow();
    if (!window)
        return;
    // The control the code after the dialog gave the focus, else the one
    // that had it, else the first; also one that takes the focus by touch
    // only (an edit field).
    QWidget* current = window->focusWidget();
    QWidget* control = current && current != window && isShownControl(current) ? current
                       : had && had->window() == window && isShownControl(had) ? had.data()
                                                                               : firstControl(window);
    if (control)
        control->setFocus(Qt::ActiveWindowFocusReason);
    window->activateWindow();
}
