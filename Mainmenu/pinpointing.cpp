#include "pinpointing.h"
#include "ui_pinpointing.h"

#include <QCoreApplication>

Pinpointing::Pinpointing(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Pinpointing)
{
    ui->setupUi(this);
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
