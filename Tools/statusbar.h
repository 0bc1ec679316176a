#ifndef STATUSBAR_H
#define STATUSBAR_H

#include "Tools/statuscore.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>
#include <tuple>

class AudioCodecSetup;
class BatteryState;
class Bluetooth;
class Gps;
class QPainter;
class QTimer;

// What the status data work with; all belong to the main window.
struct StatusPartners {
    Bluetooth* btSource = nullptr;
    Bluetooth* btSink = nullptr;
    Gps* gps = nullptr;
    AudioCodecSetup* audioCodec = nullptr;
    StatusHost* host = nullptr;
};

// The unit's status model: battery, sensor, accessory and headset links,
// GPS, mute state and the power-saving countdowns. One instance, returned by
// StatusbarData(). Polls every 2 s (update) and every 30 s (rareUpdate); the
// decisions are StatusCore's, the actions go through the main window's host.
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    Statusbardata();
    ~Statusbardata() override;

    // Takes the main window's objects and (re)starts the polls.
    void init(const StatusPartners& partners);
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
    // The sensor in use: kSensorH2 and kSensorWired among the types.
    static constexpr int kSensorH2 = 3;
    static constexpr int kSensorWired = 4;
    int sensorType() const { return m_sensorType; }
    bool micSensorConnected() const { return m_micSensorConnected != 0; }
    bool isPowerSavingActive() const { return m_core.isPowerSavingActive(); }
    int powerOffCountdown() const { return m_core.powerOffCountdown(); }
    int backlightOffCountdown() const { return m_core.backlightOffCountdown(); }

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

public slots:
    void analyseAlert(QString a_alert);
    void enableDisplayMsgDlg();
    void btReceivedBattery(QString a_voltage);
    void btReceivedHeadphoneBatteryState(int a_batteryPercent);
    void btReceivedSensortype(QString a_type);
    void btConnected();
    void switchOffDbgLed();

private:
    StatusCore m_core;
    StatusHost* m_host = nullptr;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    Gps* m_gpsModul = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_longTimer = nullptr;
    // The 10 s after an alert dialog in which further alerts raise none.
    QTimer* m_alertHoldTimer = nullptr;
    BatteryState* m_batteryState = nullptr;
    bool m_stateGps = false;
    bool m_stateHeadphone = false;
    bool m_stateMicrophone = false;
    bool m_stateMute = true;
    int m_batteryVQ = 0;
    bool m_batteryVQCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = 0;
    int m_batteryVoltageMic = 0;
    int m_sensorType = 0;
    int m_micSensorConnected = 0;
    bool m_messageVisible = false;
    bool m_initConnectHeadphone = true;
    int m_cntNextBatteryUpdate = 0;
    // True while init() has objects of a living main window.
    bool m_attached = false;
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
    // Everything drawn but the clock, for telling whether the picture changed.
    auto shownStates() const
    {
        return std::make_tuple(m_stateGps, m_btLinkHpActive, m_btLinkMicActive,
                               m_micSensorConnected, m_sensorType, m_mute, m_batteryVQ,
                               m_batteryVQCharging, m_batteryHeadphone, m_batteryMicrophone,
                               m_switchMode);
    }
    void drawStatusbar();
    QRect clockRect() const;
    void drawClock(QPainter& painter);
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
    bool m_switchMode = false;
    QString m_time;
};

#endif
