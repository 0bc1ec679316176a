#ifndef STATUSBAR_H
#define STATUSBAR_H

#include <QImage>
#include <QObject>
#include <QString>
#include <QWidget>

class AudioCodecSetup;
class Bluetooth;
class Gps;
class QTimer;

// The unit's status model: battery, sensor, accessory and headset links,
// GPS, mute state and the power-saving countdowns. One instance, returned by
// StatusbarData().
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    Statusbardata();
    ~Statusbardata() override;

    // Takes the shared objects from the main window.
    void init();
    // Forgets the main window's objects; called when the main window goes.
    void detach();

    bool stateGps() const { return m_stateGps; }
    bool stateHeadphone() const { return m_stateHeadphone; }
    bool stateMicrophone() const { return m_stateMicrophone; }
    bool stateMute() const { return m_stateMute; }
    int batteryVQ() const { return m_batteryVQ; }
    bool batteryVQCharging() const { return m_batteryVQCharging; }
    int batteryMicrophone() const { return m_batteryMicrophone; }
    int batteryVoltageMic() const { return m_batteryVoltageMic; }
    int batteryHeadphone() const { return m_batteryHeadphone; }
    int sensorType() const { return m_sensorType; }
    bool micSensorConnected() const { return m_micSensorConnected != 0; }
    bool isPowerSavingActive() const { return m_powerSavingActive; }
    int powerOffCountdown() const { return m_powerOffCnt; }
    int backlightOffCountdown() const { return m_backlightOffCnt; }

    // Both countdowns from the settings, in seconds; 0 or less gives 72 h.
    void loadPowerSavingCounters();
    // Every key and touch: the countdowns start again and a dark display
    // lights up.
    void resetPowerSavingCnt();
    // One 2 s step of the backlight countdown; at its end the display goes
    // dark and power saving is on.
    void updateBacklightCountdown();
    // GPIO 48: the sensor on the wired input comes and goes.
    void updateWiredSensor();

    // Writes the backlight file; a missing file is skipped (false).
    static bool writeBacklight(int value);

    // Filled by the status work: the 2 s and 30 s timers with update() and
    // rareUpdate(), the battery reader, the accessory slots (analyseAlert,
    // btReceivedBattery, btReceivedHeadphoneBatteryState,
    // btReceivedSensortype, btConnected, enableDisplayMsgDlg,
    // switchOffDbgLed), the warning dialogs and the power-saving countdowns.

private:
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    Gps* m_gpsModul = nullptr;
    bool m_stateGps = false;
    bool m_stateHeadphone = false;
    bool m_stateMicrophone = false;
    bool m_stateMute = true;
    int m_batteryVQ = 0;
    bool m_batteryVQCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = 0;
    int m_batteryVoltageMic = 0;
    float m_voltage = 0.0f;
    int m_sensorType = 0;
    int m_micSensorConnected = 0;
    bool m_messageVisible = false;
    bool m_displayAccuWarningPopup = false;
    int m_powerOffCnt = 3600;
    int m_backlightOffCnt = 600;
    bool m_powerSavingActive = false;
    bool m_initConnectHeadphone = true;
    int m_cntNextBatteryUpdate = 0;
};

Statusbardata* StatusbarData();

// The status line at the bottom of the main menu, the management menu and
// the measurement screens.
class Statusbar : public QWidget
{
    Q_OBJECT
public:
    explicit Statusbar(QWidget* parent = nullptr);

    void init(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Filled by the status work: the symbols, the one-second refresh and the
    // clock.
    void draw();

    QImage image;
};

#endif
