#include "pressuresensor.h"
#include "ui_pressuresensor.h"

#include <QDebug>

PressureSensor::PressureSensor(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::PressureSensor)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

PressureSensor::~PressureSensor()
{
    delete ui;
}

void PressureSensor::init(int variant)
{
    ui->labelTitle->setText(QStringLiteral("Pressure sensor"));
    startFrame(variant, Screen::FavouritePipelocating, MuteAndConnectOnly);
}

void PressureSensor::muteAudioPath(bool mute, bool transmit)
{
    qDebug() << "PressureSensor muteAudioPath" << mute << transmit;
}

void PressureSensor::on_butMenuBack_clicked()
{
    if (m_storedMeasurement)
        backToBrowser();
    else
        leave();
}
