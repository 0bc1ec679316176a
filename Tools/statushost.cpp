#include "statushost.h"
#include "Hardware/backlight.h"
#include "Hardware/gpio.h"
#include "Hardware/gpiolines.h"
#include "Management/settingsstore.h"
#include "Tools/messagedialog.h"
#include "mainmenu.h"

#include <QCoreApplication>

namespace {
static_assert(int(StatusHost::ClosedOk) == int(MessageDialog::ResultOk)
                  && int(StatusHost::ClosedTimeout) == int(MessageDialog::ResultTimeout),
              "the dialog's result codes are passed on as they are");

QString warningText(StatusHost::Warning warning)
{
    switch (warning) {
    case StatusHost::LowBattery:
        return QCoreApplication::translate("Statusbardata", "TheBatteryIsVeryLowPleaseRecharge");
    case StatusHost::NoSensor:
        return QCoreApplication::translate("Statusbardata", "TheSensorCouldNotBeDetected");
    case StatusHost::AccessoryBatteryLow:
        return QCoreApplication::translate("Statusbardata", "BatteryVoltageOfTB9ToLow");
    case StatusHost::SensorTypeUnknown:
        return QCoreApplication::translate("Statusbardata", "ProblemWithSensorTypeDetection");
    }
    return QString();
}
}

AppStatusHost::AppStatusHost(MainMenu* window, SettingsStore* settings)
    : m_window(window), m_settings(settings)
{
}

int AppStatusHost::powerOffTime()
{
    return m_settings ? m_settings->getPowerOffTime() : 0;
}

int AppStatusHost::displayOffTime()
{
    return m_settings ? m_settings->getDisplayOffTime() : 0;
}

int AppStatusHost::brightness()
{
    return m_settings ? m_settings->getBrightness() : SettingsStore::kDefaultBrightness;
}

bool AppStatusHost::isAudioPathMuted()
{
    return m_window && m_window->isAudioPathMuted();
}

// Its own nested loop: each call keeps and deletes only its own dialog. It
// touches nothing of this object afterwards, which may have gone with the
// main window meanwhile.
int AppStatusHost::showWarning(Warning warning, int autoCloseSeconds)
{
    MessageDialog dialog;
    dialog.setIcon(MessageDialog::IconWarning);
    dialog.setHeadline(QCoreApplication::translate("Statusbardata", "Warning"));
    dialog.setDialogType(MessageDialog::TypeOk);
    dialog.setInfotext(warningText(warning));
    if (autoCloseSeconds > 0)
        dialog.setAutoCloseTimeout(autoCloseSeconds);
    dialog.exec();
    return dialog.getPressedButton();
}

void AppStatusHost::requestPowerDown()
{
    if (m_window)
        m_window->beforePowerDown();
}

void AppStatusHost::setBacklight(int level)
{
    Backlight::set(level);
}

void AppStatusHost::setHeartbeatLed(bool on)
{
    Gpio::setValue(GpioLine::Led, on ? 1 : 0);
}
