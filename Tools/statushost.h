#ifndef STATUSHOST_H
#define STATUSHOST_H

#include "statuscore.h"

class MainMenu;
class SettingsStore;

// The application's answers to the status data: the main window's settings,
// mute state and power-down, the backlight, the debug LED and the standard
// warning dialog.
class AppStatusHost : public StatusHost
{
public:
    AppStatusHost(MainMenu* window, SettingsStore* settings);

    int powerOffTime() override;
    int displayOffTime() override;
    int brightness() override;
    bool isAudioPathMuted() override;
    int showWarning(Warning warning, int autoCloseSeconds) override;
    void requestPowerDown() override;
    void setBacklight(int level) override;
    void setHeartbeatLed(bool on) override;

private:
    MainMenu* m_window;
    SettingsStore* m_settings;
};

#endif
