#include "recordingstatushost.h"

int RecordingStatusHost::showWarning(Warning warning, int autoCloseSeconds)
{
    static const char* const kNames[] = {"LowBattery", "NoSensor", "AccessoryBatteryLow",
                                         "SensorTypeUnknown"};
    calls << QString("warning %1 %2").arg(kNames[warning]).arg(autoCloseSeconds);
    if (duringWarning) {
        auto during = std::move(duringWarning);
        during();
    }
    return warningAnswer;
}
