#include "h2sensor.h"
#include "ui_h2sensor.h"

#include <QCoreApplication>

H2Sensor::H2Sensor(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::H2Sensor)
{
    ui->setupUi(this);
}

H2Sensor::~H2Sensor()
{
    delete ui;
}

void H2Sensor::init(int variant)
{
    ui->labelTitle->setText(QCoreApplication::translate("MainMenu", "H2Sensor"));
    startFrame(variant, Screen::FavouriteH2Sensor);
}
