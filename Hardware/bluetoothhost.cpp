#include "bluetoothhost.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"

#include <QDebug>
#include <QThread>

AppBluetoothHost& AppBluetoothHost::instance()
{
    static AppBluetoothHost host;
    return host;
}

QString AppBluetoothHost::btIdMicrophone()
{
    return m_settings ? m_settings->getBtIdMicrophone() : QString();
}

QString AppBluetoothHost::btIdHeadphone()
{
    return m_settings ? m_settings->getBtIdHeadphone() : QString();
}

bool AppBluetoothHost::isHearingProtectionEnabled()
{
    return m_settings && m_settings->isHearingProtectionEnabled();
}

int AppBluetoothHost::headphoneVolumeOffset()
{
    return m_settings ? m_settings->getHeadphoneVolumeOffset() : 0;
}

bool AppBluetoothHost::isMuteKeySwitchmode()
{
    return m_settings && m_settings->isMuteKeySwitchmode();
}

QString AppBluetoothHost::timeFormat()
{
    return m_settings ? m_settings->getFormatStringTime() : QStringLiteral("hh:mm:ss");
}

void AppBluetoothHost::updateMicrophoneParameter()
{
    // Filled by the main window work: MainMenu::getInstanceMainMenu()->updateMicrophoneParameter().
    qDebug() << "Bluetooth: microphone parameters not sent, no main window";
}

bool AppBluetoothHost::debugFeatures()
{
    return g_debugFeatures == 1;
}

bool AppBluetoothHost::productionTestEnabled()
{
    // Filled by the production test work: return g_productionTestEnabled.
    return false;
}

int AppBluetoothHost::showErrorMessage(const QString& headline, const QString& text)
{
    MessageDialog dialog;
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
