#ifndef RECORDINGSTATUSHOST_H
#define RECORDINGSTATUSHOST_H

#include "Tools/statuscore.h"

#include <QStringList>
#include <functional>

// Stands in for the application under the status core: answers with the
// settings and the warning result set here and records, in order, what it
// was asked to do ("warning LowBattery 120", "powerDown", "backlight 0",
// "led 1").
class RecordingStatusHost : public StatusHost
{
public:
    int powerOff = 3600;
    int displayOff = 600;
    int level = 6;
    bool muted = true;
    int warningAnswer = ClosedOk;
    // Runs inside a warning, as the tick that comes while it is open.
    std::function<void()> duringWarning;
    QStringList calls;

    int powerOffTime() override { return powerOff; }
    int displayOffTime() override { return displayOff; }
    int brightness() override { return level; }
    bool isAudioPathMuted() override { return muted; }
    int showWarning(Warning warning, int autoCloseSeconds) override;
    void requestPowerDown() override { calls << "powerDown"; }
    void setBacklight(int value) override { calls << QString("backlight %1").arg(value); }
    void setHeartbeatLed(bool on) override { calls << QString("led %1").arg(on ? 1 : 0); }
};

#endif
