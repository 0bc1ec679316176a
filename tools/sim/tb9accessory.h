#ifndef TB9ACCESSORY_H
#define TB9ACCESSORY_H

#include "simpressuresensor.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

// The TB-9 sensor accessory's side of the text protocol: a "BT_TX ..." line
// in, its "BT_RX ..." answer lines out; a person's actions (mute key, alert,
// sensor, battery, restart) give lines of their own.
//
// Answers go out on a clock: each is due `answerDelay` ms after its request
// and waits in a queue until then; streams add lines at their own interval
// until they are stopped or the accessory restarts.
// Lines leave in the order they fell due (equal times in the order they were
// made). With no delay an answer is due at once, so receive() returns it.
// A command can be made silent (the accessory ignores it) or failing (it
// answers with ERR and does nothing).
//
// The H2 sensor answers "S" with "BT_RX SENSVAL <raw> <seconds>": an ambient
// baseline plus the gas that gas() sets (or ramps to), plus a few counts of
// seeded noise; the seconds count from the sensor's attachment ("3") or the
// accessory's power-on.
//
// "RS" announces the pressure transducer (PRESSURE_ON with its calibration)
// and starts its stream, a block of ten readings every 100 ms; "RP" stops it
// (PRESSURE_OFF).
//
// Firmware: "FH <size> <version>" opens a transfer; each "FD" must carry the
// next packet, its length and hex bytes agreeing, else it is answered ERR and
// nothing is kept. "FS" after the whole image answers OK and flashes: the
// accessory hears nothing for kFlashMs, then restarts (RDY) running the new
// version, which P reports; an FS before that is answered ERR.
class Tb9Accessory
{
public:
    // Milliseconds of a monotonic clock. Tests set their own; an empty one
    // restores the real clock.
    using Clock = std::function<qint64()>;
    static void setClock(Clock clock);
    static qint64 now();

    static constexpr int kH2Baseline = 300;  // raw counts in clean air
    static constexpr int kH2Noise = 3;       // raw counts either way
    static constexpr int kFlashMs = 4000;
    static constexpr int kPacketBytes = 64;  // a firmware packet, but the last

    Tb9Accessory();

    // One line from the unit (without line end); the lines due now, its own
    // answer among them when there is no delay.
    QStringList receive(const QString& line);
    // The lines whose time has come, taken out of the queue.
    QStringList due();

    // A stream: from `first` on, every intervalMs, the lines that `make`
    // gives for that time. A stream of the same name is replaced.
    using Producer = std::function<QStringList(qint64 due)>;
    void startStream(const QString& name, qint64 first, int intervalMs, Producer make);
    void stopStream(const QString& name);
    bool isStreaming(const QString& name) const;

    void setAnswerDelay(int ms) { m_answerDelay = ms; }
    int answerDelay() const { return m_answerDelay; }
    // "S", "FD", ...; an empty command ends every silence or failure.
    void setSilent(const QString& command);
    void setFailing(const QString& command);

    // The mute key. Switch mode (from the last I line): a press toggles.
    // Push mode: listening while pressed.
    QStringList pressMute();
    QStringList releaseMute();
    QStringList alert(const QString& code);
    QStringList setSensorType(const QString& type);
    // One SENSVAL line now; S answers with these until gas() or heating().
    QStringList setSensorValue(const QString& value, const QString& activeTime);
    QStringList setBattery(int millivolts);
    QStringList restart();

    // The gas part of the H2 reading, reached over rampSeconds.
    void setGas(int raw, int rampSeconds = 0);
    void setHeating(int seconds);

    bool isMuted() const { return m_muted; }
    bool isSwitchMode() const { return m_switchMode; }
    int gain() const { return m_gain; }
    bool isStreamingPressure() const { return isStreaming(kPressureStream); }
    SimPressureSensor& pressure() { return m_pressure; }
    QStringList received() const { return m_received; }
    QString firmwareVersion() const { return m_fwVersion; }
    // Bytes of the transfer in progress.
    QByteArray firmwareReceived() const { return m_fwImage; }

private:
    struct Timed {
        qint64 due;
        QString line;
    };
    struct Stream {
        QString name;
        qint64 next;
        int intervalMs;
        Producer make;
    };

    QStringList answer(const QStringList& words);
    static QStringList failure(const QStringList& words);
    void schedule(qint64 due, const QStringList& lines);
    QStringList muteState() const;
    QString readyLine() const;
    QStringList firmwarePacket(const QStringList& words);
    QStringList flash();
    void powerUp();
    QString sensorValueLine();
    double gasAt(qint64 t) const;

    bool m_muted = true;
    bool m_switchMode = true;
    int m_gain = 0x0f;
    QString m_sensorType = "1";
    int m_battery = 3900;
    bool m_debugMode = false;
    QStringList m_received;
    QString m_fwVersion = "1.04";
    qint64 m_fwSize = -1;  // no transfer open
    QString m_fwNewVersion;
    QByteArray m_fwImage;
    qint64 m_flashingUntil = 0;

    int m_answerDelay = 0;
    QSet<QString> m_silent;
    QSet<QString> m_failing;
    QList<Timed> m_queue;
    QList<Stream> m_streams;
    static constexpr int kStreamCatchUp = 10;  // intervals

    bool m_valuePinned = false;
    QString m_pinnedValue = "0";
    QString m_pinnedTime = "0";
    double m_gasFrom = 0;
    double m_gasTo = 0;
    qint64 m_gasStart = 0;
    qint64 m_gasRampMs = 0;
    qint64 m_heatingSince = 0;
    std::minstd_rand m_noise{20160412};
    SimPressureSensor m_pressure;
    static constexpr const char* kPressureStream = "pressure";
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
