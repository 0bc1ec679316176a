#include "levelmeasurement.h"
#include "mainmenu.h"
#include "ui_levelmeasurement.h"

#include <QCoreApplication>

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Levelmeasurement)
{
    ui->setupUi(this);
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        mainMenu->setCurrentVisibleDlgNum(Screen::FavouriteLevelmeasurement);
}

Levelmeasurement::~Levelmeasurement()
{
    delete ui;
}

void Levelmeasurement::init(int variant)
{
    ui->labelTitle->setText(QCoreApplication::translate("MainMenu", "Level"));
    startFrame(variant, 0);
}
