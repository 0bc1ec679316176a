#include "pinpointing.h"
#include "ui_pinpointing.h"

#include <QCoreApplication>
#include <QDebug>

Pinpointing::Pinpointing(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Pinpointing)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

Pinpointing::~Pinpointing()
{
    delete ui;
}

void Pinpointing::init(int variant)
{
    ui->labelTitle->setText(QCoreApplication::translate("MainMenu", "Histogram"));
    startFrame(variant, Screen::FavouritePinpointing);
}

void Pinpointing::muteAudioPath(bool mute, bool transmit)
{
    qDebug() << "Pinpointing muteAudioPath" << mute << transmit;
}

void Pinpointing::on_butMenuBack_clicked()
{
    if (m_storedMeasurement)
        backToBrowser();
    else
        leave();
}
