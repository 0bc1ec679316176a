#include "management.h"
#include "Management/backupdialog.h"
#include "Management/configuration.h"
#include "Management/firmwareupdate.h"
#include "Tools/fittext.h"
#include "screennumbers.h"
#include "ui_management.h"

Management::Management(QWidget* parent)
    : QWidget(parent), ui(new Ui::Management)
{
    ui->setupUi(this);
}

Management::~Management()
{
    delete ui;
}

void Management::init()
{
    ui->butMeasurements->setText(tr("Measurements"));
    ui->butDeviceConfig->setText(tr("TB-9"));
    ui->butFirmwareupdate->setText(tr("Update"));
    ui->butGps->setText(tr("GPS"));
    ui->butSystemsettings->setText(tr("Settings"));
    FitText::captions({ui->butMeasurements, ui->butDatatransmission, ui->butDeviceConfig,
                       ui->butFirmwareupdate, ui->butGps, ui->butSystemsettings});
    ui->widgetStatus->init(ui->widgetStatus->width(), ui->widgetStatus->height());
}

void Management::on_butMeasurements_clicked()
{
    emit gotoWidget(Screen::MeasManagement, Screen::LevelDown, Screen::Live);
}

void Management::on_butDatatransmission_clicked()
{
    m_backupDialog = new BackupDialog(this);
    m_backupDialog->exec();
    delete m_backupDialog;
    m_backupDialog = nullptr;
}

void Management::on_butDeviceConfig_clicked()
{
    m_configuration = new Configuration(this);
    m_configuration->exec();
    delete m_configuration;
    m_configuration = nullptr;
    emit gotoWidget(Screen::MainPage, Screen::StackUnchanged, Screen::Live);
}

void Management::on_butFirmwareupdate_clicked()
{
    m_firmwareupdate = new Firmwareupdate(this);
    m_firmwareupdate->exec();
    delete m_firmwareupdate;
    m_firmwareupdate = nullptr;
}

void Management::on_butGps_clicked()
{
    emit gotoWidget(Screen::GpsMonitor, Screen::StackUnchanged, Screen::Live);
}

void Management::on_butSystemsettings_clicked()
{
    emit gotoWidget(Screen::Systemsettings, Screen::LevelDown, Screen::Live);
}
