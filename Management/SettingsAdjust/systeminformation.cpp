#include "systeminformation.h"
#include "Hardware/batterystate.h"
#include "Hardware/bluetooth.h"
#include "Hardware/commandrunner.h"
#include "Hardware/driverhelper.h"
#include "Hardware/massstorage.h"
#include "Management/servicetext.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"
#include "ui_systeminformation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

namespace {
const int kRefreshMs = 1000;
// Typed on the keyboard to switch the developer features on, so that a stray
// OK on the switch does not (developers' part of the README).
const char* const kDeveloperCode = "7306";
}

Systeminformation::Systeminformation(QWidget* parent)
    : ServiceDialog(parent), ui(new Ui::Systeminformation)
{
    ui->setupUi(this);
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setObjectName("refreshTimer");
    connect(m_refreshTimer, &QTimer::timeout, this, &Systeminformation::refresh);
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

void Systeminformation::setTexts()
{
    // The settings screen's entry names this dialog.
    ui->labelTitle->setText(QCoreApplication::translate("Systemsettings", "Systeminformation"));
    ui->nameProgramVersion->setText(tr("ProgramVersion"));
    ui->nameHardwareVersion->setText(tr("HardwareVersion"));
    ui->nameModuleType->setText(tr("BluetoothModules"));
    ui->nameSourceAddress->setText(tr("HeadphoneModuleAddress"));
    ui->nameSourceFirmware->setText(tr("HeadphoneModuleFirmware"));
    ui->nameSinkAddress->setText(tr("MicrophoneModuleAddress"));
    ui->nameSinkFirmware->setText(tr("MicrophoneModuleFirmware"));
    ui->nameSerialNumber->setText(tr("SerialNumber"));
    ui->nameProductionDate->setText(tr("ProductionDate"));
    ui->nameBatteryCharge->setText(tr("BatteryCharge"));
    ui->nameBatteryVoltage->setText(tr("BatteryVoltage"));
    ui->nameBatteryCurrent->setText(tr("BatteryCurrent"));
    ui->nameBatteryTemperature->setText(tr("BatteryTemperature"));
    ui->nameBatteryCharging->setText(tr("Charging"));
    ui->nameDfRoot->setText(tr("SystemMemory") + "  (/)");
    ui->nameDfData->setText(tr("DataMemory") + "  (" + MassStorage::kMountPoint + ")");
    ui->butDebugFeatures->setText(tr("DeveloperFeatures"));
    ui->labelDebugInfo->setText(tr("DeveloperFeaturesInfo") + "\n\n"
                                + tr("SwitchingThemOnAsksForTheDeveloperCode"));
    ui->butMenuUp->setToolTip(tr("PreviousPage"));
    ui->butMenuBack->setToolTip(tr("Back"));
    ui->butMenuDown->setToolTip(tr("NextPage"));
}

void Systeminformation::init()
{
    setTexts();
    ui->labelProgramVersion->setText(QLatin1String(Systemsettings::kFirmwareVersion));
    static const char* const kHardware[] = {"V 1", "V 2"};
    const int hardware = readHardwareVersion();
    ui->labelHardwareVersion->setText(hardware == 0 || hardware == 1 ? kHardware[hardware]
                                                                     : ServiceText::kMissing);
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    ui->labelModuleType->setText(!hub ? ServiceText::kMissing
                                 : hub->getBtModuleType() == 0 ? "WT32" : "IDC777");
    ui->labelSerialNumber->setText(ServiceText::fileLine("/home/root/serialNumber"));
    ui->labelProductionDate->setText(ServiceText::fileLine("/home/root/productionDate"));
    showFileSystems();
    showDebugFeatures();
    // An address not read yet is asked for; it shows at a refresh.
    if (hub) {
        for (Bluetooth* module : {hub->getBtSourceInstance(), hub->getBtSinkInstance()}) {
            if (module && module->getBtIdModul().isEmpty())
                module->getBluetoothAddress();
        }
    }
    refresh();
    m_refreshTimer->start(kRefreshMs);
}

void Systeminformation::refresh()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    showModule(hub ? hub->getBtSourceInstance() : nullptr, ui->labelSourceAddress,
               ui->labelSourceFirmware);
    showModule(hub ? hub->getBtSinkInstance() : nullptr, ui->labelSinkAddress,
               ui->labelSinkFirmware);
    showBattery();
}

void Systeminformation::showModule(Bluetooth* module, QLabel* address, QLabel* firmware)
{
    if (!module) {
        address->setText(ServiceText::kMissing);
        firmware->setText(ServiceText::kMissing);
        return;
    }
    address->setText(ServiceText::shown(module->getBtIdModul()));
    firmware->setText(ServiceText::shown(module->getFwVersionBtModul()));
}

void Systeminformation::showBattery()
{
    BatteryState battery;
    const QString missing = ServiceText::kMissing;
    // Each reading first: what is valid is known only after it.
    const int percent = battery.fuelPercent();
    const float volts = battery.voltage();
    const float amperes = battery.current();
    const float degrees = battery.temperature();
    const bool voltage = battery.hasVoltage();
    ui->labelBatteryCharge->setText(battery.hasFuelPercent() ? QString("%1 %").arg(percent)
                                                             : missing);
    ui->labelBatteryVoltage->setText(voltage ? QString("%1 V").arg(volts, 0, 'f', 2) : missing);
    ui->labelBatteryCurrent->setText(voltage ? QString("%1 A").arg(amperes, 0, 'f', 2) : missing);
    ui->labelBatteryTemperature->setText(voltage ? QString("%1 °C").arg(degrees, 0, 'f', 1)
                                                 : missing);
    ui->labelBatteryCharging->setText(battery.isCharging() ? tr("Yes") : tr("No"));
}

void Systeminformation::showFileSystems()
{
    const CommandRunner::Result df = CommandRunner::run("df", {"-Th"}, kDfTimeoutMs);
    const QByteArray output = df.exitCode == 0 ? df.output : QByteArray();
    if (df.exitCode != 0)
        qDebug() << "df failed with" << df.exitCode;
    ui->labelDfRoot->setText(ServiceText::mountLine(output, "/"));
    ui->labelDfData->setText(ServiceText::mountLine(output, MassStorage::kMountPoint));
}

void Systeminformation::showDebugFeatures()
{
    ui->butDebugFeatures->setChecked(g_debugFeatures == 1);
}

bool Systeminformation::developerCodeEntered()
{
    VirtualKeyboard keyboard(this);
    keyboard.setText("");
    keyboard.useEnterAsAccept(true);
    if (keyboard.exec() != 1)
        return false;
    if (keyboard.getText() == QLatin1String(kDeveloperCode))
        return true;
    qDebug() << "Developer features: wrong code";
    MessageDialog::showWarningText(this, tr("TheCodeIsWrongTheDeveloperFeaturesStayOff"));
    return false;
}

void Systeminformation::on_butDebugFeatures_clicked(bool on)
{
    // Off takes one press; on, the code.
    if (on && !developerCodeEntered()) {
        ui->butDebugFeatures->setChecked(false);
        return;
    }
    g_debugFeatures = on ? 1 : 0;
    qDebug() << "Developer features" << g_debugFeatures;
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
    if (!settings || !settings->storeSystemsettings())
        MessageDialog::showWarning(this, "SettingsCouldNotBeStored");
}
