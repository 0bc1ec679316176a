#ifndef RECORDINGSTATUSHOST_H
#define RECORDINGSTATUSHOST_H

#include "Tools/statuscore.h"

#include <QStringList>
#include <functional>

// Stands in for the application under the status core: answers with the
// settings and warning result set here, records in order what it is asked
// to do ("warning 0 120" for the low-battery warning closing itself after
// 120 s, "powerDown", "backlight 0", "led 1").
struct RecordingStatusHost : StatusHost {
    int powerOff = 3600, displayOff = 600, level = 6, warningAnswer = ClosedOk;
    // Runs inside the next warning, as a tick that comes while it is open.
    std::function<void()> duringWarning;
    QStringList calls;

    int powerOffTime() override { return powerOff; }
    int displayOffTime() override { return displayOff; }
    int brightness() override { return level; }
    bool isAudioPathMuted() override { return true; }
    int showWarning(Warning warning, int seconds) override
    {
        calls << QString("warning %1 %2").arg(warning).arg(seconds);
        if (auto during = std::exchange(duringWarning, nullptr))
            during();
        return warningAnswer;
    }
    void requestPowerDown() override { calls << "powerDown"; }
    void setBacklight(int value) override { calls << QString("backlight %1").arg(value); }
    void setHeartbeatLed(bool on) override { calls << QString("led %1").arg(on ? 1 : 0); }
};

#endif
