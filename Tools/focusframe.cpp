#include "focusframe.h"
#include "focuskeeper.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyleOption>

namespace {
// The frame lives on the page of the focused control and dies with it.
QPointer<FocusFrame> g_frame;
bool g_installed = false;
}

void FocusFrame::install()
{
    if (g_installed || !qApp)
        return;
    g_installed = true;
    FocusKeeper::install();
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget*, QWidget* now) { follow(now); });
    follow(QApplication::focusWidget());
}

FocusFrame* FocusFrame::current()
{
    return g_frame && g_frame->isVisible() ? g_frame.data() : nullptr;
}

int FocusFrame::border()
{
    FocusFrame probe(nullptr);
    probe.ensurePolished();
    return probe.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &probe);
}

void FocusFrame::follow(QWidget* now)
{
    if (!now || now->isWindow() || !now->parentWidget()) {
        if (g_frame)
            g_frame->setTarget(nullptr);
        return;
    }
    if (!g_frame)
        g_frame = new FocusFrame(now->parentWidget());
    g_frame->setTarget(now);
}

FocusFrame::FocusFrame(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoChildEventsForParent);
    setFocusPolicy(Qt::NoFocus);
}

void FocusFrame::setTarget(QWidget* target)
{
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = target;
    if (m_target)
        m_target->installEventFilter(this);
    place();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::ZOrderChange:
            place();
            break;
        default:
            break;
        }
    }
    return false;
}

void FocusFrame::place()
{
    if (!m_target || !m_target->isVisible() || !m_target->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != m_target->parentWidget())
        setParent(m_target->parentWidget());
    setGeometry(m_target->geometry());
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
