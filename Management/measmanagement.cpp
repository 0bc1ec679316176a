#include "measmanagement.h"
#include "screennumbers.h"
#include "ui_measmanagement.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>

MeasManagement::MeasManagement(QWidget* parent)
    : QWidget(parent), ui(new Ui::MeasManagement)
{
    ui->setupUi(this);
}

MeasManagement::~MeasManagement()
{
    delete ui;
}

void MeasManagement::init(int param, bool flag)
{
    qDebug() << "MeasManagement: init" << param << flag;
    auto text = [](const char* key) { return QCoreApplication::translate("MainMenu", key); };
    ui->labelTitle->setText(QCoreApplication::translate("Management", "Measurements"));
    ui->butOpenLevelmeasurement->setText(text("Level"));
    ui->butOpenPinpointing->setText(text("Histogram"));
    ui->butOpenLongtermmeasurement->setText(text("Longterm"));
    ui->butOpenH2Sensor->setText(text("H2Sensor"));
    ui->butOpenPipelocating->setText(text("Pipelocating"));
}

void MeasManagement::on_butOpenLevelmeasurement_clicked()
{
    emit gotoWidget(Screen::Levelmeasurement, Screen::StackUnchanged, Screen::StoredView);
}

void MeasManagement::on_butOpenPinpointing_clicked()
{
    emit gotoWidget(Screen::Pinpointing, Screen::StackUnchanged, Screen::StoredView);
}

void MeasManagement::on_butOpenLongtermmeasurement_clicked()
{
    emit gotoWidget(Screen::Longtermmeasurement, Screen::StackUnchanged, Screen::StoredView);
}

void MeasManagement::on_butOpenH2Sensor_clicked()
{
    emit gotoWidget(Screen::H2Sensor, Screen::StackUnchanged, Screen::StoredView);
}

void MeasManagement::on_butOpenPipelocating_clicked()
{
    emit gotoWidget(Screen::Pipelocating, Screen::StackUnchanged, Screen::StoredView);
}

void MeasManagement::on_butMenuBack_clicked()
{
    emit exit();
}

void MeasManagement::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void MeasManagement::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            emit exit();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
