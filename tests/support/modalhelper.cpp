#include "modalhelper.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <memory>

void ModalHelper::onNextModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    onModal(nullptr, action, timeoutMs);
}

void ModalHelper::onModal(const char* className, std::function<void(QWidget*)> action,
                          int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, className, action, timeoutMs] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && (!className || w->inherits(className))) {
            timer->stop();
            timer->deleteLater();
            action(w);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

namespace {

void closeModal(QWidget* w)
{
    if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
    else
        w->close();
}

}

void ModalHelper::escapeNextModal(bool* openAfterPress, int timeoutMs)
{
    onNextModal([openAfterPress](QWidget* w) {
        QTest::keyPress(w, Qt::Key_Escape);
        if (openAfterPress)
            *openAfterPress = w->isVisible();
        QTest::keyRelease(w, Qt::Key_Escape);
    }, timeoutMs);
}

void ModalHelper::closeNextModal(int timeoutMs)
{
    onNextModal(closeModal, timeoutMs);
}

ModalCloser::ModalCloser(std::function<void(QWidget*)> seen)
    : m_timer(new QTimer), m_keys(bool(seen))
{
    QObject::connect(m_timer, &QTimer::timeout, [this, seen] {
        QWidget* w = top();
        if (!w || m_handling.contains(w))
            return;
        m_handling.insert(w);
        // Not from this timer, which must go on finding the dialogs that
        // open while `seen` runs.
        QTimer::singleShot(0, m_timer, [this, seen, w] {
            // Another opened over it meanwhile: taken again once on top.
            if (top() == w) {
                ++m_closed;
                if (seen)
                    seen(w);
                if (QApplication::activeModalWidget() == w)
                    closeModal(w);
            }
            m_handling.remove(w);
        });
    });
    m_timer->start(10);
}

QWidget* ModalCloser::top()
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !m_keys || QApplication::activeWindow() == w) {
        m_inactive = nullptr;
        return w;
    }
    // Its activation is a window system event that may still be queued.
    if (m_inactive != w) {
        m_inactive = w;
        m_inactiveSince.start();
    }
    // One the keys never reach goes to `seen` all the same, to be found out.
    return m_inactiveSince.elapsed() > kKeysWaitMs ? w : nullptr;
}

ModalCloser::~ModalCloser()
{
    delete m_timer;
}

ModalWatchdog::ModalWatchdog(int graceMs)
    : m_timer(new QTimer)
{
    QObject::connect(m_timer, &QTimer::timeout, [this, graceMs] {
        QWidget* w = QApplication::activeModalWidget();
        if (w != m_top) {
            m_top = w;
            m_topSince.start();
            return;
        }
        if (!w || m_topSince.elapsed() < graceMs)
            return;
        QStringList texts;
        for (const QLabel* label : w->findChildren<QLabel*>())
            if (label->isVisibleTo(w) && !label->text().isEmpty())
                texts << label->text();
        const QString seen = QString("%1: %2").arg(w->metaObject()->className(), texts.join(" / "));
        m_top = nullptr;
        closeModal(w);
        QTest::qFail(qPrintable("unanswered dialog closed - " + seen), __FILE__, __LINE__);
    });
    m_timer->start(50);
}

ModalWatchdog::~ModalWatchdog()
{
    delete m_timer;
}
