#include "systeminformation.h"
#include "Hardware/driverhelper.h"
#include "ui_systeminformation.h"

#include <QCoreApplication>
#include <QDebug>

Systeminformation::Systeminformation(QWidget* parent)
    : ModalPlaceholder(parent), ui(new Ui::Systeminformation)
{
    ui->setupUi(this);
}

Systeminformation::~Systeminformation()
{
    delete ui;
}

int Systeminformation::readHardwareVersion()
{
    // A file that is missing, empty or not a number leaves -1: not recognised.
    int ain4 = -1;
    int ain5 = -1;
    DriverHelper::readFile("/sys/bus/iio/devices/iio:device0/in_voltage4_raw", ain4);
    DriverHelper::readFile("/sys/bus/iio/devices/iio:device0/in_voltage5_raw", ain5);
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    int version = -1;
    if (within(ain5, 1001, 1399)) {
        if (within(ain4, 1001, 1399))
            version = 0;
        else if (within(ain4, 1801, 2299))
            version = 1;
    }
    qDebug() << "Hardware version straps AIN4" << ain4 << "AIN5" << ain5 << "->" << version;
    return version;
}

void Systeminformation::init()
{
    // The settings screen's entry names this dialog.
    ui->labelTitle->setText(QCoreApplication::translate("Systemsettings", "Systeminformation"));
}
