#include "modalhelper.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <memory>

void ModalHelper::onNextModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action, timeoutMs] {
        QWidget* w = QApplication::activeModalWidget();
        if (w) {
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

void ModalHelper::escapeNextModal(int timeoutMs)
{
    onNextModal([](QWidget* w) {
        QTest::keyPress(w, Qt::Key_Escape);
        QTest::keyRelease(w, Qt::Key_Escape);
    }, timeoutMs);
}

void ModalHelper::closeNextModal(int timeoutMs)
{
    onNextModal([](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    }, timeoutMs);
}
