#include "levelmeasurement.h"
#include "mainmenu.h"
#include "ui_levelmeasurement.h"

#include <QCoreApplication>
#include <QDebug>

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Levelmeasurement)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
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

void Levelmeasurement::muteAudioPath(bool mute, bool transmit)
{
    qDebug() << "Levelmeasurement muteAudioPath" << mute << transmit;
}

void Levelmeasurement::on_butMenuBack_clicked()
{
    if (m_storedMeasurement)
        backToBrowser();
    else
        leave();
}
