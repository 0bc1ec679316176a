#include "apphosts.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QDebug>
#include <QThread>

// The store belongs to the main window.
static const SettingsStore* settings()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    return hub ? hub->getInstanceSystemsettings() : nullptr;
}

AppBluetoothHost& AppBluetoothHost::instance()
{
    static AppBluetoothHost host;
    return host;
}

QString AppBluetoothHost::btIdMicrophone()
{
    return settings() ? settings()->getBtIdMicrophone() : QString();
}

QString AppBluetoothHost::btIdHeadphone()
{
    return settings() ? settings()->getBtIdHeadphone() : QString();
}

bool AppBluetoothHost::isHearingProtectionEnabled()
{
    return settings() && settings()->isHearingProtectionEnabled();
}

int AppBluetoothHost::headphoneVolumeOffset()
{
    return settings() ? settings()->getHeadphoneVolumeOffset() : 0;
}

bool AppBluetoothHost::isMuteKeySwitchmode()
{
    return settings() && settings()->isMuteKeySwitchmode();
}

QString AppBluetoothHost::timeFormat()
{
    return settings() ? settings()->getFormatStringTime() : QStringLiteral("hh:mm:ss");
}

void AppBluetoothHost::updateMicrophoneParameter()
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->updateMicrophoneParameter();
    else
        qDebug() << "Bluetooth: microphone parameters not sent, no main window";
}

bool AppBluetoothHost::debugFeatures()
{
    return g_debugFeatures == 1;
}

bool AppBluetoothHost::productionTestEnabled()
{
    return g_productionTestEnabled;
}

int AppBluetoothHost::showErrorMessage(const QString& headline, const QString& text)
{
    MessageDialog dialog(MainMenu::getInstanceMainMenu());
    dialog.setDialogType(0);
    dialog.setIcon(2);
    dialog.setHeadline(headline);
    dialog.setInfotext(text);
    dialog.exec();
    return dialog.getPressedButton();
}

void AppBluetoothHost::sleepMs(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

namespace AppHosts {

AudioCodecSetup::Hooks codecHooks()
{
    AudioCodecSetup::Hooks hooks;
    hooks.sensorType = [] { return StatusbarData()->sensorType(); };
    hooks.muteAudioPath = [](bool mute, bool transmit) {
        MainMenu* hub = MainMenu::getInstanceMainMenu();
        if (!hub)
            return false;
        hub->muteAudioPath(mute, transmit);
        return true;
    };
    return hooks;
}

int localOffsetSeconds()
{
    return settings() ? settings()->getTimezoneOffset() + settings()->getDaylightSavingTimeOffet() : 0;
}

}
