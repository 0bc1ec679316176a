#include "pipelocating.h"
#include "ui_pipelocating.h"

#include <QCoreApplication>

Pipelocating::Pipelocating(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Pipelocating)
{
    ui->setupUi(this);
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
