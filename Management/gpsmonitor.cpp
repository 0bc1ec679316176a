#include "gpsmonitor.h"
#include "screennumbers.h"
#include "ui_gpsmonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>

GpsMonitor::GpsMonitor(QWidget* parent)
    : QWidget(parent), ui(new Ui::GpsMonitor)
{
    ui->setupUi(this);
}

GpsMonitor::~GpsMonitor()
{
    delete ui;
}

void GpsMonitor::init()
{
    ui->labelTitle->setText(QCoreApplication::translate("Management", "GPS"));
}

void GpsMonitor::on_butMenuBack_clicked()
{
    emit gotoWidget(Screen::MainPage, Screen::StackUnchanged, Screen::Live);
}

void GpsMonitor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void GpsMonitor::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            emit gotoWidget(Screen::MainPage, Screen::StackUnchanged, Screen::Live);
        return;
    }
    QWidget::keyReleaseEvent(event);
}
