#include "pressuresensor.h"
#include "ui_pressuresensor.h"

PressureSensor::PressureSensor(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::PressureSensor)
{
    ui->setupUi(this);
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
