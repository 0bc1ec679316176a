#include "pipelocating.h"
#include "ui_pipelocating.h"

#include <QCoreApplication>
#include <QDebug>

Pipelocating::Pipelocating(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Pipelocating)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

Pipelocating::~Pipelocating()
{
    delete ui;
}

void Pipelocating::init(int variant)
{
    ui->labelTitle->setText(QCoreApplication::translate("MainMenu", "Pipelocating"));
    startFrame(variant, Screen::FavouritePipelocating);
}

void Pipelocating::muteAudioPath(bool mute, bool transmit)
{
    qDebug() << "Pipelocating muteAudioPath" << mute << transmit;
}

void Pipelocating::on_butMenuBack_clicked()
{
    if (m_storedMeasurement)
        backToBrowser();
    else
        leave();
}
