#include "longtermmeasurement.h"
#include "mainmenu.h"
#include "ui_longtermmeasurement.h"

#include <QCoreApplication>

Longtermmeasurement::Longtermmeasurement(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Longtermmeasurement)
{
    ui->setupUi(this);
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        mainMenu->setCurrentVisibleDlgNum(Screen::FavouriteLongterm);
}

Longtermmeasurement::~Longtermmeasurement()
{
    delete ui;
}

void Longtermmeasurement::init(int variant)
{
    ui->labelTitle->setText(QCoreApplication::translate("MainMenu", "Longterm"));
    startFrame(variant, 0);
}
