#ifndef BLUETOOTHSIM_H
#define BLUETOOTHSIM_H

#include "idc777peer.h"
#include "simservice.h"
#include "tb9accessory.h"

#include <QTimer>

// The simulated unit's Bluetooth side: the two IDC777 modules on ptys at
// <root>/dev/ttyO2 (sink, reset line GPIO 57) and ttyO3 (source, GPIO 53),
// silent until their reset line rises; a TB-9 accessory behind the sink's
// SPP link, a headset behind the source, and one more device within reach.
// Their written configuration and paired lists persist below
// <root>/var/lib/sim/bt/. Every line in and out goes to
// <root>/var/log/bt-sim.log. A person's actions arrive as lines in
// <root>/var/lib/sim/bt/triggers (see trigger()).
class BluetoothSim : public SimService
{
    Q_OBJECT
public:
    static const char* const kTb9Address;
    static const char* const kHeadsetAddress;
    static const char* const kOtherAddress;
    static const char* const kSinkAddress;   // the modules' own addresses
    static const char* const kSourceAddress;
    static constexpr int kPollMs = 20;

    explicit BluetoothSim(QObject* parent = nullptr);

    QString name() const override { return "bluetooth"; }
    bool start(const QString& root) override;
    void stop() override;

    // Reads the reset lines and the trigger file once (the timer does it
    // every kPollMs).
    void poll();

    // One action, as a line of the trigger file:
    //   mute | mute-press | mute-release     the accessory's mute key
    //   alert <code> | sensor <type> | value <value> [<time>] | battery <mV> | restart
    //   hp-volume <0..127> | hp-battery <percent>
    //   link-loss sink|source [A2DP|AVRCP|SPP|AGHFP]
    //   line-end cr|crlf                      the modules' line ends
    // False (with a reason) for a line that is not one of these.
    bool trigger(const QString& line, QString* error = nullptr);
    static bool isValidTrigger(const QString& line, QString* error = nullptr);
    // Appends an action for a running serve to pick up.
    static bool queueTrigger(const QString& root, const QString& line, QString* error = nullptr);

    // Pairs the TB-9 with the sink module and the headset with the source,
    // in their stored lists (as `devsim create --paired` does).
    static bool pairDevices(const QString& root, QString* error = nullptr);

    Idc777Peer& sink() { return m_sink; }
    Idc777Peer& source() { return m_source; }
    Tb9Accessory& tb9() { return m_tb9; }
    SimHeadset& headset() { return m_headset; }

private:
    void setUpModule(Idc777Peer& peer, const QString& who, const QString& address);
    void pollResetLine(Idc777Peer& peer, int gpio, int* last);
    void log(const QString& who, const QString& direction, const QString& line) const;
    void toSink(const QByteArray& bytes) { m_sink.write(bytes); }

    QString m_root;
    QTimer m_timer;
    Tb9Accessory m_tb9;
    SimHeadset m_headset;
    Idc777Peer m_sink;
    Idc777Peer m_source;
    int m_sinkLine = -1;
    int m_sourceLine = -1;
    bool m_active = false;
};

#endif
