#ifndef IDC777TESTING_H
#define IDC777TESTING_H

// Helpers for the Bluetooth driver tests: a recording host, a driver whose
// link state the test can set and whose queues it can read, and a rig that
// runs it against the simulated device's modules.
#include "Hardware/bluetoothhost.h"
#include "Hardware/bluetoothidc777.h"
#include "bluetoothsim.h"
#include "testroot.h"
#include "tickdriver.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

class RecordingBluetoothHost : public BluetoothHost
{
public:
    QString micId;
    QString hpId;
    bool hearingProtection = false;
    int volumeOffset = 0;
    bool switchMode = true;
    bool debug = false;
    bool productionTest = false;
    // Every call that leaves a trace, in order ("updateMicrophoneParameter",
    // "sleep 500", "message <text>"); tests may add their own entries.
    QStringList* events = &ownEvents;
    QStringList ownEvents;
    // Runs in each sleep (e.g. lets a peer answer during a blocking wait).
    std::function<void(int ms)> sleeper;

    QString btIdMicrophone() override { return micId; }
    QString btIdHeadphone() override { return hpId; }
    bool isHearingProtectionEnabled() override { return hearingProtection; }
    int headphoneVolumeOffset() override { return volumeOffset; }
    bool isMuteKeySwitchmode() override { return switchMode; }
    QString timeFormat() override { return "hh:mm:ss"; }
    void updateMicrophoneParameter() override { events->append("updateMicrophoneParameter"); }
    bool debugFeatures() override { return debug; }
    bool productionTestEnabled() override { return productionTest; }
    int showErrorMessage(const QString&, const QString& text) override
    {
        events->append("message " + text);
        return 0;
    }
    void sleepMs(int ms) override
    {
        events->append(QString("sleep %1").arg(ms));
        if (sleeper)
            sleeper(ms);
    }
};

class TestIdc777 : public BluetoothIDC777
{
public:
    using BluetoothIDC777::BluetoothIDC777;
    using BluetoothIDC777::analyseAnswerFromMic;

    // What the state machine and the link events set.
    void setLink(bool sppConnected, bool initialised)
    {
        link(Profile::Spp).connected = sppConnected;
        m_initSuccessful = initialised;
    }
    void setSppLinkId(int id) { link(Profile::Spp).linkId = id; }
    void setPairingActive(bool on) { m_pairingActive = on; }

    // Feeds bytes as if read from the port.
    void feed(const QByteArray& bytes)
    {
        m_port->receiver().append(bytes);
        if (m_port->receiver().hasLine())
            analyseAnswer();
    }
    // Keeps the state machine where it is, so that tests of the link see
    // only their own traffic however slowly the machine runs.
    void holdStateMachine() { m_btStateTimer->stop(); }
    // The answer, command and status time-outs come only when the test calls
    // their slots: a stalled test machine must not make them expire early.
    void holdTimeouts()
    {
        QObject::disconnect(m_btTimerTransmit, &QTimer::timeout, this, nullptr);
        QObject::disconnect(m_btTimerWaitForCmdResponse, &QTimer::timeout, this, nullptr);
        QObject::disconnect(m_btTimerWaitForStatus, &QTimer::timeout, this, nullptr);
    }
    // The next tick now, without waiting for the state timer.
    void tickNow()
    {
        m_btStateTimer->stop();
        updateState();
    }
    bool stateTimerActive() const { return m_btStateTimer->isActive(); }
    int stateTimerInterval() const { return m_btStateTimer->interval(); }
    bool pending() const { return m_pending; }
    bool gainsSent() const { return m_gainsTransmitted; }
    bool connectedAGHFP() const { return connected(Profile::Aghfp); }
    int linkIdA2dp() const { return linkId(Profile::A2dp); }
    QString btIdFromList() const { return m_btIdFromList; }
    QString currentBtId() const { return m_btId; }
    bool pairingActive() const { return m_pairingActive; }
    QByteArray linePart() const { return m_linePartCmdMode; }
    bool bytesMissing() const { return m_bytesMissingFromRECV; }

    const AccessoryMessageQueue& messages() const { return m_transmitBuffer; }
    const Idc777CommandQueue& commandQueue() const { return m_cmdTransmitBuffer; }
    QStringList waitingCommands() const
    {
        QStringList out;
        for (const auto& c : m_cmdTransmitBuffer.waiting())
            out << c.cmd;
        return out;
    }
    bool commandInFlight() const { return m_cmdTransmitBuffer.isBusy(); }
    bool statusWait() const { return m_waitForStatusOkReceived; }
    bool statusTimerActive() const { return m_btTimerWaitForStatus->isActive(); }
    bool transmitTimerActive() const { return m_btTimerTransmit->isActive(); }
    bool configReading() const { return m_configReadingInProgress; }
    bool audioTestMode() const { return m_audioTestModeActive; }
    bool waitForInitWritten() const { return m_waitForInitWritten; }
    QByteArray pendingBytes() const { return m_port->receiver().pending(); }
    QString fwVersion() const { return m_fwVersion; }
};

// The driver against the simulated device's IDC777 modules, TB-9 and
// headset on ptys; its ticks are driven by calling its slot.
struct Idc777SimRig {
    TestRoot root;
    BluetoothSim sim;
    RecordingBluetoothHost host;
    TestIdc777 bt{&host};
    bool sink;

    explicit Idc777SimRig(bool isSink = true, bool paired = true) : sink(isSink)
    {
        if (paired)
            BluetoothSim::pairDevices(root.root());
        sim.start(root.root());
        host.micId = BluetoothSim::kTb9Address;
        host.hpId = BluetoothSim::kHeadsetAddress;
    }
    void start()
    {
        bt.initBluetooth(sink ? "/dev/ttyO2" : "/dev/ttyO3",
                         sink ? BluetoothSim::kTb9Address : BluetoothSim::kHeadsetAddress);
    }
    Idc777Peer& peer() { return sink ? sim.sink() : sim.source(); }
    Idc777Module& module() { return peer().module(); }

    // Lets bytes travel both ways; a command left unanswered ends by its
    // time-out slot. Rounds as well as time, so a starved machine still
    // lets an answer arrive.
    void settle()
    {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 3 || (bt.commandInFlight() && (t.elapsed() < 500 || i < 200)); ++i) {
            QTest::qWait(1);
            sim.poll();
        }
        if (bt.commandInFlight())
            bt.waitForCmdResponseTimeout();
    }
    // Ticks n times, letting the peers answer in between.
    void idle(int n)
    {
        for (int i = 0; i < n; ++i) {
            bt.tickNow();
            settle();
        }
    }
    // Ticks until `done` holds.
    bool run(const std::function<bool()>& done, int maxTicks = 300)
    {
        return tickUntil([this] { settle(); }, done, [this] { bt.tickNow(); }, maxTicks);
    }
    bool connected()
    {
        return run([this] {
            return bt.btState() == BluetoothIDC777::CONNECTED_CMD && bt.isStreamingActive() && bt.gainsSent()
                   && !bt.commandInFlight() && bt.waitingCommands().isEmpty();
        });
    }
    int index(const QString& command) { return module().commands().indexOf(command); }
};

#endif
