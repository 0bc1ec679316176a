#include "micsettings.h"
#include "ui_micsettings.h"

#include "Hardware/bluetooth.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

namespace {

bool wiredSensor()
{
    return StatusbarData()->sensorType() == Statusbardata::kSensorWired;
}

}

Micsettings::Micsettings(QWidget* parent)
    : AudioDialog(parent), ui(new Ui::Micsettings)
{
    ui->setupUi(this);
    m_mainMenu = MainMenu::getInstanceMainMenu();
    if (m_mainMenu) {
        m_btSink = m_mainMenu->getBtSinkInstance();
        m_micGainStep = m_mainMenu->getMicGainStep();
        m_micPgaGain_dB = m_mainMenu->getMicPgaGain();
    }
    readAccessoryGain();
    showGain();
    QPushButton* focus = stepButton(m_micGainStep);
    (focus ? focus : ui->butClose)->setFocus(Qt::OtherFocusReason);
}

Micsettings::~Micsettings()
{
    delete ui;
}

QString Micsettings::gainText(int step, bool wired, float pgaGainDb, int accessoryGainDb)
{
    const QString gain = wired ? QString::number(double(pgaGainDb), 'g')
                               : QString::number(accessoryGainDb);
    return QString::number(step) + QString("(%1 dB)").arg(gain);
}

QPushButton* Micsettings::stepButton(int step) const
{
    QPushButton* const buttons[] = {ui->butGain1, ui->butGain2, ui->butGain3,
                                    ui->butGain4, ui->butGain5, ui->butGain6};
    return step >= 1 && step <= 6 ? buttons[step - 1] : nullptr;
}

void Micsettings::readAccessoryGain()
{
    // The module holds the gain of the last "BT_TX I" line it passed on; a
    // line still queued shows once it has gone.
    m_groundMicGain = m_btSink ? m_btSink->getBtExtMicGain() : 0;
    m_groundMicGain_dB = accessoryGainDb(m_groundMicGain);
}

void Micsettings::showGain()
{
    ui->labelMicGain->setText(
        gainText(m_micGainStep, wiredSensor(), m_micPgaGain_dB, m_groundMicGain_dB));
}

void Micsettings::selectStep(int step)
{
    m_micGainStep = step;
    if (m_mainMenu) {
        m_mainMenu->setMicGainStep(step);
        m_micPgaGain_dB = m_mainMenu->getMicPgaGain();
    }
    if (!wiredSensor())
        readAccessoryGain();
    showGain();
}

void Micsettings::on_butClose_clicked()
{
    if (m_mainMenu)
        m_mainMenu->setCurrentMicGainStep(m_micGainStep);
    accept();
}
