#include "focuskeeper.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
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

// The control after `from` (or before it) in its window's focus order, as
// Qt's own steps find it.
QWidget* neighbour(QWidget* from, bool down)
{
    QWidget* window = from->window();
    QWidget* w = from;
    do {
        w = down ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w->window() == window && w != window && (w->focusPolicy() & Qt::TabFocus)
            && w->isVisibleTo(window) && w->isEnabled())
            return w;
    } while (w != from);
    return nullptr;
}

QWidget* firstControl(QWidget* window)
{
    return neighbour(window, true);
}

bool isOption(const QWidget* w)
{
    auto* b = qobject_cast<const QAbstractButton*>(w);
    return b && (b->group() || b->autoExclusive());
}

// Qt leaves the Tab focus to the option of a group that had the focus last:
// its own steps from a button nearby would skip the others.
void openOptions(QWidget* window)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (isOption(b) && b->focusPolicy() != Qt::NoFocus)
            b->setFocusPolicy(Qt::FocusPolicy(b->focusPolicy() | Qt::TabFocus));
    }
}

// A list or a text that has rows or lines left in that direction.
bool scrollsOn(QWidget* w, bool down)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
        const int row = view->currentIndex().row();
        return row >= 0 && (down ? row < rows - 1 : row > 0);
    }
    const QScrollBar* bar = static_cast<QAbstractScrollArea*>(w)->verticalScrollBar();
    return down ? bar->value() < bar->maximum() : bar->value() > bar->minimum();
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
    if (!watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // At the control, not again on the way up to its parents.
        return (key == Qt::Key_Up || key == Qt::Key_Down) && w == w->window()->focusWidget()
               && step(w, key == Qt::Key_Down);
    }
    case QEvent::FocusIn:
        enterList(w, static_cast<QFocusEvent*>(event)->reason());
        return false;
    case QEvent::Show:
    case QEvent::Hide:
        // Not what a window system does to a window (minimising, for one).
        if (!event->spontaneous())
            watchModal(w, event->type());
        return false;
    default:
        return false;
    }
}

bool FocusKeeper::step(QWidget* focus, bool down)
{
    openOptions(focus->window());
    if (qobject_cast<QAbstractScrollArea*>(focus)) {
        if (scrollsOn(focus, down))
            return false;
    } else if (!isOption(focus)) {
        // Qt's own step, which buttons take: on in the focus order.
        return false;
    }
    // Qt would move within the option group only, and choose as it moves.
    if (QWidget* next = neighbour(focus, down))
        next->setFocus(down ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void FocusKeeper::enterList(QWidget* w, Qt::FocusReason reason)
{
    auto* view = qobject_cast<QAbstractItemView*>(w);
    if (!view || !view->model() || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
        return;
    const int rows = view->model()->rowCount(view->rootIndex());
    const int row = reason == Qt::TabFocusReason ? 0 : rows - 1;
    if (rows > 0)
        view->setCurrentIndex(view->model()->index(row, 0, view->rootIndex()));
}

void FocusKeeper::watchModal(QWidget* w, QEvent::Type type)
{
    if (!w->isWindow() || !w->isModal() || !takesKeys(w))
        return;
    if (type == QEvent::Show) {
        // Before the dialog takes the focus.
        m_had.insert(w, QApplication::focusWidget());
        return;
    }
    QPointer<QWidget> beneath = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    QPointer<QWidget> had = m_had.take(w);
    // Once the caller has done what follows the dialog (shown another page,
    // opened the next dialog).
    QMetaObject::invokeMethod(
        this, [beneath, had] { settle(beneath, had); }, Qt::QueuedConnection);
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
