#ifndef TB9ACCESSORY_H
#define TB9ACCESSORY_H

#include <QString>
#include <QStringList>

// The TB-9 sensor accessory's side of the text protocol: a "BT_TX ..." line
// in, its "BT_RX ..." answer lines out; a person's actions (mute key, alert,
// sensor, battery, restart) give lines of their own.
class Tb9Accessory
{
public:
    // One line from the unit (without line end); the answer lines.
    QStringList receive(const QString& line);

    // The mute key. Switch mode (from the last I line): a press toggles.
    // Push mode: listening while pressed.
    QStringList pressMute();
    QStringList releaseMute();
    QStringList alert(const QString& code);
    QStringList setSensorType(const QString& type);
    QStringList setSensorValue(const QString& value, const QString& activeTime);
    QStringList setBattery(int millivolts);
    QStringList restart();

    bool isMuted() const { return m_muted; }
    bool isSwitchMode() const { return m_switchMode; }
    int gain() const { return m_gain; }
    bool isStreamingPressure() const { return m_pressureStream; }
    QStringList received() const { return m_received; }

private:
    QStringList muteState() const;

    bool m_muted = true;
    bool m_switchMode = true;
    int m_gain = 0x0f;
    QString m_sensorType = "1";
    QString m_sensorValue = "0";
    QString m_activeTime = "0";
    int m_battery = 3900;
    bool m_pressureStream = false;
    bool m_debugMode = false;
    QStringList m_received;
};

// The headset behind the source module: its AVRCP absolute volume and its
// battery as the hands-free link reports it.
struct SimHeadset {
    int volume = 68;        // 0..127
    int batteryPercent = 80;
    // "AT+IPHONEACCEV=2,1,<0..9>,2,0"
    QString batteryReport() const;
};

#endif
