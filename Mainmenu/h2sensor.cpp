#include "h2sensor.h"
#include "ui_h2sensor.h"

#include <QCoreApplication>
#include <QDebug>

H2Sensor::H2Sensor(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::H2Sensor)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
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

void H2Sensor::muteAudioPath(bool mute, bool transmit)
{
    qDebug() << "H2Sensor muteAudioPath" << mute << transmit;
}

void H2Sensor::on_butMenuBack_clicked()
{
    if (m_storedMeasurement)
        backToBrowser();
    else
        leave();
}
