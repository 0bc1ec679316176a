#ifndef STATUSBAR_H
#define STATUSBAR_H

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>

class AudioCodecSetup;
class BatteryState;
class Bluetooth;
class Gps;
class MessageDialog;
class QPainter;
class QTimer;

// The unit's status model: battery, sensor, accessory and headset links,
// GPS, mute state and the power-saving countdowns. One instance, returned by
// StatusbarData(). Polls every 2 s (update) and every 30 s (rareUpdate).
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    Statusbardata();
    ~Statusbardata() override;

    // Takes the shared objects from the main window and (re)starts the polls.
    void init();
    // Forgets the main window's objects and stops the polls; called when the
    // main window goes (this object lives until the process ends).
    void detach();

    // The 2 s poll: heartbeat, sensor, accessory requests, countdowns.
    void update();
    // The 30 s poll: battery, low-battery warning, critical power-down.
    void rareUpdate();

    // These ask the module, GPS or main window and keep the answer.
    bool stateGps();
    // Also sets the headset volume to 50 once each time AVRCP comes up.
    bool stateHeadphone();
    bool stateMicrophone();
    bool stateMute();

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

public slots:
    void analyseAlert(QString a_alert);
    void enableDisplayMsgDlg();
    void btReceivedBattery(QString a_voltage);
    void btReceivedHeadphoneBatteryState(int a_batteryPercent);
    void btReceivedSensortype(QString a_type);
    void btConnected();
    void switchOffDbgLed();

private:
    bool lowBatteryTriggers();
    void updatePowerOffCountdown();
    // One warning dialog with its own nested loop; returns the button that
    // closed it. Each call keeps and deletes only its own dialog.
    int runWarning(const QString& text, int autoCloseSeconds);
    void requestPowerDown();

    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    Gps* m_gpsModul = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_longTimer = nullptr;
    // The 10 s after an alert dialog in which further alerts raise none.
    QTimer* m_alertHoldTimer = nullptr;
    BatteryState* m_batteryState = nullptr;
    MessageDialog* m_messageDialog = nullptr;
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
    // True while init() has objects of a living main window.
    bool m_attached = false;
    bool m_accuWarningOpen = false;
    bool m_noVoltageLogged = false;
};

Statusbardata* StatusbarData();

// The status line at the bottom of the main menu, the management menu and
// the measurement screens: drawn once a second from the status data.
class Statusbar : public QWidget
{
    Q_OBJECT
public:
    explicit Statusbar(QWidget* parent = nullptr);

    // Called by the owning screen with the widget's own size.
    void init(int width, int height);
    QRect getRect() const { return QRect(0, 0, width(), height()); }
    // The picture as last drawn.
    const QImage& picture() const { return image; }

public slots:
    void updateTime();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void readStates();
    void drawStatusbar();
    void drawIcon(QPainter& painter, int x, int y, const QString& name);
    void drawAccu(QPainter* painter, QRect rect, int percent);

    QTimer* m_updateTime = nullptr;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    Gps* m_gpsModul = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    QImage image;
    bool m_stateGps = false;
    int m_btLinkHpActive = 0;
    int m_btLinkMicActive = 0;
    bool m_micSensorConnected = false;
    int m_sensorType = 0;
    int m_mute = 1;
    int m_batteryVQ = 0;
    bool m_batteryVQCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = -1;
    QString m_time;
};

#endif
