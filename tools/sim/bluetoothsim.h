#ifndef BLUETOOTHSIM_H
#define BLUETOOTHSIM_H

#include "idc777peer.h"
#include "simservice.h"
#include "tb9accessory.h"
#include "wt32peer.h"

#include <QTimer>

// The simulated unit's Bluetooth side: the two modules on ptys at
// <root>/dev/ttyO2 (sink) and ttyO3 (source), of the kind the hardware
// version fits. IDC777 ("v2"): silent until their reset line (GPIO 57 sink,
// GPIO 53 source) rises. WT32 ("v1"): in command mode from the start, their
// data-mode output on GPIO 59, DTR on GPIO 58. A TB-9 accessory stands behind
// the sink's text link, a headset behind the source, and one more device
// within reach. The modules' settings and paired lists persist below
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
    static constexpr int kWt32PollMs = 5;  // DTR edges are short

    explicit BluetoothSim(QObject* parent = nullptr);

    QString name() const override { return "bluetooth"; }
    bool start(const QString& root) override;
    void stop() override;

    // Reads the modules' lines and the trigger file once and passes on the
    // accessory's lines that are due (the timer does it every kPollMs,
    // kWt32PollMs for WT32 modules).
    void poll();

    // One action, as a line of the trigger file:
    //   mute | mute-press | mute-release     the accessory's mute key
    //   alert <code> | sensor <type> | value <value> [<time>] | battery <mV> | restart
    //   delay <0..60000 ms>                   the accessory's answers come that late
    //   silent <command>|off                  the accessory ignores the command
    //   err <command>|off                     it answers the command with ERR
    //   gas <raw> [<seconds>] | heating <seconds>   the H2 sensor's gas and heating time
    //   pressure scale <bar> | mean <bar> | swing <bar> | drop <bar> | garbage
    //                                         the pressure transducer (scale: of the next RS)
    //   hp-volume <0..127> | hp-battery <percent>
    //   link-loss sink|source [A2DP|AVRCP|SPP|AGHFP]   (WT32: every link by default)
    //   line-end cr|crlf                      the modules' line ends
    //   stuck on|off                          WT32: the data-mode line held at 1
    // False (with a reason) for a line that is not one of these.
    bool trigger(const QString& line, QString* error = nullptr);
    static bool isValidTrigger(const QString& line, QString* error = nullptr);
    // Appends an action for a running serve to pick up.
    static bool queueTrigger(const QString& root, const QString& line, QString* error = nullptr);

    // Pairs the TB-9 with the sink module and the headset with the source,
    // in the stored lists of both module kinds (as `devsim create --paired`
    // does).
    static bool pairDevices(const QString& root, QString* error = nullptr);

    bool isWt32() const { return m_wt32; }
    Idc777Peer& sink() { return m_sink; }
    Idc777Peer& source() { return m_source; }
    Wt32Peer& wt32Sink() { return m_wtSink; }
    Wt32Peer& wt32Source() { return m_wtSource; }
    Tb9Accessory& tb9() { return m_tb9; }
    SimHeadset& headset() { return m_headset; }

private:
    QList<SimRemote> remotes();
    void setUpModule(Idc777Peer& peer, const QString& who, const QString& address);
    void setUpModule(Wt32Peer& peer, const QString& who, const QString& address);
    bool startWt32();
    template <class Peer>
    void act(Peer& sink, Peer& source, const QStringList& words, const QString& defaultLossSink,
             const QString& defaultLossSource);
    void pollResetLine(Idc777Peer& peer, int gpio, int* last);
    void log(const QString& who, const QString& direction, const QString& line) const;

    QString m_root;
    QTimer m_timer;
    Tb9Accessory m_tb9;
    SimHeadset m_headset;
    Idc777Peer m_sink;
    Idc777Peer m_source;
    Wt32Peer m_wtSink;
    Wt32Peer m_wtSource;
    bool m_wt32 = false;
    int m_sinkLine = -1;
    int m_sourceLine = -1;
    bool m_active = false;
};

#endif
