#ifndef STATUSCORE_H
#define STATUSCORE_H

// How the status data reach the rest of the unit: the settings they count
// with and what they do. The application answers through the main window,
// the backlight, the debug LED and message dialogs; tests record.
class StatusHost
{
public:
    enum Warning { LowBattery, NoSensor, AccessoryBatteryLow, SensorTypeUnknown };
    // How a warning was closed (the message dialog's codes).
    enum Closed { ClosedOk = 0, ClosedTimeout = 4 };

    virtual ~StatusHost() = default;

    // Power-saving times in seconds (0 or less: never) and the display level,
    // as the settings hold them.
    virtual int powerOffTime() = 0;
    virtual int displayOffTime() = 0;
    virtual int brightness() = 0;
    virtual bool isAudioPathMuted() = 0;

    // A modal warning; 0 seconds: open until answered. Returns how it closed.
    virtual int showWarning(Warning warning, int autoCloseSeconds) = 0;
    // Starts the power-down; returns at once.
    virtual void requestPowerDown() = 0;
    virtual void setBacklight(int level) = 0;
    virtual void setHeartbeatLed(bool on) = 0;
};

// The unit's own battery as the gauge last gave it.
struct BatteryReading {
    bool hasVoltage = false;  // false: the gauge never gave a voltage
    float volts = 0.0f;
    bool hasPercent = false;
    int percent = 0;
};

// The status data's decisions, free of timers, files and windows: the two
// power-saving countdowns and the display they darken, the low-battery
// warning and its re-arming, and the critical voltage.
class StatusCore
{
public:
    static const int kNeverSeconds = 259200;  // 72 h

    void setHost(StatusHost* host) { m_host = host; }

    // A new main window: countdowns from the settings, the display lit, the
    // warning armed.
    void start();
    // Countdowns from the settings again.
    void loadCountdowns();
    // A key or touch: countdowns again; a dark display is lit.
    void wake();
    // The countdowns, `seconds` after the last step. At the end of the
    // power-off countdown every step asks for the power-down until the unit
    // is off; the display goes dark once.
    void stepPowerOff(int seconds);
    void stepBacklight(int seconds);
    // A battery reading of the 30 s poll.
    void battery(const BatteryReading& reading);

    int powerOffCountdown() const { return m_powerOffCnt; }
    int backlightOffCountdown() const { return m_backlightOffCnt; }
    bool isPowerSavingActive() const { return m_powerSavingActive; }

private:
    bool lowBatteryTriggers(const BatteryReading& reading);

    StatusHost* m_host = nullptr;
    int m_powerOffCnt = 3600;
    int m_backlightOffCnt = 600;
    bool m_powerSavingActive = false;
    bool m_warningArmed = false;
    bool m_warningOpen = false;
    bool m_noVoltageLogged = false;
};

#endif
