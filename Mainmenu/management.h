#ifndef MANAGEMENT_H
#define MANAGEMENT_H

#include <QWidget>

class BackupDialog;
class Configuration;
class Firmwareupdate;

namespace Ui {
class Management;
}

// The management menu (widget 4): the measurement browser, USB connection to
// a PC, the accessory configuration, firmware update, the GPS monitor and the
// system settings.
class Management : public QWidget
{
    Q_OBJECT
public:
    explicit Management(QWidget* parent = nullptr);
    ~Management() override;

public slots:
    void init();

signals:
    void gotoWidget(int widget, int dir, int variant);

private slots:
    void on_butMeasurements_clicked();
    void on_butDatatransmission_clicked();
    void on_butDeviceConfig_clicked();
    void on_butFirmwareupdate_clicked();
    void on_butGps_clicked();
    void on_butSystemsettings_clicked();

private:
    Ui::Management* ui;
    Configuration* m_configuration = nullptr;
    Firmwareupdate* m_firmwareupdate = nullptr;
    BackupDialog* m_backupDialog = nullptr;
};

#endif
