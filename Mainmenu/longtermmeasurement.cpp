#include "longtermmeasurement.h"
#include "mainmenu.h"
#include "ui_longtermmeasurement.h"

#include <QCoreApplication>
#include <QDebug>

Longtermmeasurement::Longtermmeasurement(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Longtermmeasurement)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
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

void Longtermmeasurement::muteAudioPath(bool mute, bool transmit)
{
    qDebug() << "Longtermmeasurement muteAudioPath" << mute << transmit;
}

void Longtermmeasurement::on_butMenuBack_clicked()
{
    if (m_storedMeasurement)
        backToBrowser();
    else
        leave();
}
