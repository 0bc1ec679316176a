#include "headphonesettings.h"
#include "ui_headphonesettings.h"

#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "Tools/screenstyle.h"
#include "mainmenu.h"

#include <QDebug>

Headphonesettings::Headphonesettings(QWidget* parent)
    : AudioDialog(parent), ui(new Ui::Headphonesettings)
{
    ui->setupUi(this);
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        m_btSource = hub->getBtSourceInstance();
    if (m_btSource)
        m_btSource->requestHeadphoneVolume();
    readStep();
    if (m_btSource)
        connect(m_btSource, &Bluetooth::btHeadphoneVolumeChanged, this,
                &Headphonesettings::headphoneVolumeChanged);
    updateColors();
}

Headphonesettings::~Headphonesettings()
{
    delete ui;
}

void Headphonesettings::readStep()
{
    // The bar ignores a value outside its range and would keep the last one.
    const int step = m_btSource ? m_btSource->getBtExtHeadphoneGain() : 0;
    m_headphoneVolStep = qBound(0, step, kMaxStep);
    ui->labelVolume->setText(QString::number(m_headphoneVolStep));
    ui->progBarVol->setValue(m_headphoneVolStep);
}

void Headphonesettings::updateColors()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
    const bool protection = settings && settings->isHearingProtectionEnabled();
    const bool warn = m_headphoneVolStep >= warningThreshold(protection);
    // Replaces the form's text, which is never shown.
    ui->labelWarning->setText(tr("WarningHighVolumesCanLeadToHearingDamage"));
    ui->labelWarning->setVisible(warn);
    ui->progBarVol->setStyleSheet(ScreenStyle::chunkSheet(QString(warn ? "red" : "yellow")));
}

void Headphonesettings::headphoneVolumeChanged(int volume)
{
    readStep();
    qDebug() << "Headphone volume changed" << volume << "% step" << m_headphoneVolStep;
    updateColors();
}

void Headphonesettings::on_butVolUp_clicked()
{
    step(true);
}

void Headphonesettings::on_butVolDown_clicked()
{
    step(false);
}

void Headphonesettings::step(bool up)
{
    // The module keeps the step within 0..15 and tells the headset.
    if (!m_btSource)
        return;
    up ? m_btSource->setBtExtHeadphoneVolUp() : m_btSource->setBtExtHeadphoneVolDown();
    readStep();
    updateColors();
}

void Headphonesettings::on_butClose_clicked()
{
    accept();
}
