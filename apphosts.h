#ifndef APPHOSTS_H
#define APPHOSTS_H

#include "Audio/audiocodecsetup.h"
#include "Hardware/bluetoothhost.h"

// The application's side of the device floor's seams, handed in where the
// main window makes the drivers, the codec and the GPS receiver. Each answer
// asks the main window and its settings store when it is needed; before the
// window exists, or after it is gone, they are those of an empty store.

class AppBluetoothHost : public BluetoothHost
{
public:
    static AppBluetoothHost& instance();

    QString btIdMicrophone() override;
    QString btIdHeadphone() override;
    bool isHearingProtectionEnabled() override;
    int headphoneVolumeOffset() override;
    bool isMuteKeySwitchmode() override;
    QString timeFormat() override;
    void updateMicrophoneParameter() override;
    bool debugFeatures() override;
    bool productionTestEnabled() override;
    int showErrorMessage(const QString& headline, const QString& text) override;
    void sleepMs(int ms) override;

private:
    AppBluetoothHost() = default;
};

namespace AppHosts {

// The status data's sensor type; the path muted through the main window.
AudioCodecSetup::Hooks codecHooks();
// The wall clock's time zone and daylight-saving offsets, in seconds.
int localOffsetSeconds();

}

#endif
