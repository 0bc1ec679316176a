#include "configuration.h"
#include "Hardware/bluetooth.h"
#include "Management/servicetext.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "ui_configuration.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

Configuration::Configuration(QWidget* parent)
    : ServiceDialog(parent), ui(new Ui::Configuration)
{
    ui->setupUi(this);
    m_settleTimer = new QTimer(this);
    m_settleTimer->setObjectName("settleTimer");
    m_settleTimer->setSingleShot(true);
    connect(m_settleTimer, &QTimer::timeout, this, &Configuration::requestConfiguration);
    m_answerTimer = new QTimer(this);
    m_answerTimer->setObjectName("answerTimer");
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, &Configuration::answerMissing);
    setTexts();
}

Configuration::~Configuration()
{
    stop();
    delete ui;
}

void Configuration::setTexts()
{
    ui->labelTitle->setText(QCoreApplication::translate("Management", "TB-9"));
    ui->nameSensorType->setText(tr("SensorType"));
    ui->nameMicGain->setText(tr("MicrophoneGain"));
    ui->nameBattery->setText(tr("BatteryVoltage"));
    ui->nameFirmwareVersion->setText(tr("FirmwareVersion"));
    ui->nameHardwareVersion->setText(tr("HardwareVersion"));
    ui->nameButtonMode->setText(tr("ButtonMode"));
    ui->nameMuteState->setText(tr("MuteState"));
}

// Started here, not in the constructor: a page that is only built (to read
// its texts) must not talk to the accessory.
void Configuration::showEvent(QShowEvent* event)
{
    ServiceDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        start();
    }
}

void Configuration::start()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    m_sink = hub ? hub->getBtSinkInstance() : nullptr;
    if (!m_sink || !StatusbarData()->stateMicrophone()) {
        qDebug() << "Configuration: no link to the TB-9, nothing asked";
        m_sink = nullptr;
        ui->labelStatus->setText(tr("NoConnectionToTheTB9"));
        return;
    }
    connect(m_sink, &Bluetooth::btSensortypeReceived, this, &Configuration::showSensorType,
            Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::btMicGain, this, &Configuration::showMicGain, Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::btBatteryvoltageReceived, this, &Configuration::showBattery,
            Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::btFirmwareVersion, this, &Configuration::showFirmwareVersion,
            Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::btHardwareVersion, this, &Configuration::showHardwareVersion,
            Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::btButtonMode, this, &Configuration::showButtonMode,
            Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::stateActiveMuteChanged, this, &Configuration::showMuteState,
            Qt::UniqueConnection);
    connect(m_sink, &Bluetooth::terminationStringDetected, this, &Configuration::answerComplete,
            Qt::UniqueConnection);
    if (Bluetooth* source = hub->getBtSourceInstance())
        source->clearData();
    m_sink->clearData();
    ui->labelStatus->setText(tr("ReadingTheConfigurationOfTheTB9"));
    m_settleTimer->start(kSettleMs);
}

void Configuration::requestConfiguration()
{
    if (!m_sink)
        return;
    // The request carries its own line feed; the driver adds the second.
    m_sink->sendData("BT_TX P\n");
    m_answerTimer->start(kAnswerMs);
}

void Configuration::answerMissing()
{
    qDebug() << "Configuration: no complete answer from the TB-9";
    ui->labelStatus->setText(tr("TheTB9DidNotAnswerCompletely"));
}

void Configuration::answerComplete()
{
    // A closing line left over from before the request ends nothing.
    if (!m_answerTimer->isActive())
        return;
    m_answerTimer->stop();
    ui->labelStatus->clear();
}

void Configuration::stop()
{
    m_settleTimer->stop();
    m_answerTimer->stop();
    if (m_sink)
        disconnect(m_sink, nullptr, this, nullptr);
    m_sink = nullptr;
}

void Configuration::done(int result)
{
    // Answers that come after this are not this page's.
    stop();
    ServiceDialog::done(result);
}

void Configuration::showSensorType(QString type)
{
    ui->labelSensorType->setText(ServiceText::shown(type));
}

void Configuration::showMicGain(QString gain)
{
    ui->labelMicGain->setText(ServiceText::shown(gain));
}

void Configuration::showBattery(QString millivolts)
{
    const QString shown = ServiceText::shown(millivolts);
    bool number = false;
    millivolts.trimmed().toInt(&number);
    ui->labelBattery->setText(number ? shown + " mV" : shown);
}

void Configuration::showFirmwareVersion(QString version)
{
    ui->labelFirmwareVersion->setText(ServiceText::shown(version));
}

void Configuration::showHardwareVersion(QString version)
{
    ui->labelHardwareVersion->setText(ServiceText::shown(version));
}

void Configuration::showButtonMode(QString mode)
{
    ui->labelButtonMode->setText(ServiceText::shown(mode));
}

void Configuration::showMuteState(bool muted)
{
    ui->labelMuteState->setText(muted ? tr("Muted") : tr("Listening"));
}
