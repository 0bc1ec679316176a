#ifndef WT32TESTING_H
#define WT32TESTING_H

// A WT32 driver whose link state the test can set and read, and two rigs
// that put it on a pseudo-terminal (with RecordingBluetoothHost from
// idc777testing.h).
#include "Hardware/bluetoothwt32.h"
#include "bluetoothsim.h"
#include "idc777testing.h"
#include "ptypair.h"
#include "testroot.h"
#include "tickdriver.h"

#include <QTimer>
#include <QtTest>

#include <functional>

class TestWt32 : public BluetoothWT32
{
public:
    using BluetoothWT32::BluetoothWT32;

    // Feeds bytes as if read from the port.
    void feed(const QByteArray& bytes)
    {
        m_port->receiver().append(bytes);
        if (m_port->receiver().hasLine())
            analyseAnswer();
    }
    void feedLine(const QString& line) { feed(line.toUtf8() + "\r\n"); }
    // The next step now, without waiting for the state timer.
    void tickNow()
    {
        m_btStateTimer->stop();
        updateState();
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            tickNow();
    }
    int stateInterval() const { return m_btStateTimer->interval(); }
    // Keeps the state timer from stepping while the test lets events run.
    void freeze() { m_btStateTimer->stop(); }
    // The answer time-out comes only when the test calls its slot.
    void holdTimeouts() { QObject::disconnect(m_btTimerTransmit, &QTimer::timeout, this, nullptr); }

    // What the analysis and the state machine set.
    void setState(int state) { m_btState = state; }
    void setMode(int mode) { m_btMode = mode; }
    void setRfcomm(bool up, int link = 2)
    {
        m_connectedRFCOMM = up;
        m_linkId2_RFCOMM = up ? link : -1;
    }
    void setA2dp(bool up) { m_connectedA2DP = up; }
    void setHfpLink(int link)
    {
        m_linkId3_HFP = link;
        m_connectedHFP = link >= 0;
    }
    void setCallRfcomm(bool wanted) { m_callBtDeviceRfcomm = wanted; }
    void setSwitchToCommandMode(bool on) { m_switchToCommandMode = on; }
    // The paired address and the two stored ones, as initBluetooth takes them.
    void setAddresses(const QString& btId, const QString& mic, const QString& hp)
    {
        m_btId = btId;
        m_btIdMicrophone = mic;
        m_btIdHeadphone = hp;
    }

    bool connectedHfp() const { return m_connectedHFP; }
    QString links() const
    {
        return QString("%1 %2 %3 %4 %5")
            .arg(m_linkId0_A2DP)
            .arg(m_linkId1_A2DP)
            .arg(m_linkId2_RFCOMM)
            .arg(m_linkId2_AVRCP)
            .arg(m_linkId3_HFP);
    }
    QByteArray held() const { return m_commandOutputBuffer; }
    const AccessoryMessageQueue& messages() const { return m_transmitBuffer; }
    bool transmitTimerActive() const { return m_btTimerTransmit->isActive(); }
    QByteArray pendingBytes() const { return m_port->receiver().pending(); }
    QString inquiryText() const { return m_receivedInquiryText; }
};

// The driver on a bare pty: the test reads what it writes and hands it
// module lines itself.
struct Wt32PtyRig {
    TestRoot root{DeviceTree::Hardware::V1};
    PtyPair pty;
    RecordingBluetoothHost host;
    TestWt32 bt{&host};

    explicit Wt32PtyRig(bool sink = true, bool debug = false, bool dataModeLine = false)
    {
        host.micId = BluetoothSim::kTb9Address;
        host.hpId = BluetoothSim::kHeadsetAddress;
        host.debug = debug;
        pty.open();
        pty.setNotifierEnabled(false);
        const QString port = sink ? "/dev/ttyO2" : "/dev/ttyO3";
        pty.linkSlaveAt(root.path(port));
        setDataModeLine(dataModeLine);
        bt.initBluetooth(port, sink ? BluetoothSim::kTb9Address : BluetoothSim::kHeadsetAddress);
        written();
    }
    void setDataModeLine(bool high) { root.write("/sys/class/gpio/gpio59/value", high ? "1\n" : "0\n"); }
    // What the driver wrote since the last call.
    QByteArray written()
    {
        QByteArray out;
        for (int i = 0; i < 4; ++i) {
            bt.freeze();
            QTest::qWait(1);
            out += pty.readAvailable();
        }
        bt.freeze();
        return out;
    }
    // The sink in data mode with its RFCOMM link up.
    void dataMode()
    {
        bt.setA2dp(true);
        bt.setRfcomm(true, 2);
        bt.setMode(1);
        bt.setState(BluetoothWT32::BTSTATE_RFCOMM_ACTIVE_DATA);
        setDataModeLine(true);
    }
    QStringList logLines() const
    {
        return QString::fromLatin1(root.read("/media/vq4100/btInfo.txt")).split('\n', Qt::SkipEmptyParts);
    }
};

// The driver against the simulated device's WT32 modules, TB-9 and headset.
struct Wt32SimRig {
    TestRoot root{DeviceTree::Hardware::V1};
    BluetoothSim sim;
    RecordingBluetoothHost host;
    TestWt32 bt{&host};
    bool sink;

    explicit Wt32SimRig(bool isSink = true) : sink(isSink)
    {
        BluetoothSim::pairDevices(root.root());
        sim.start(root.root());
        host.micId = BluetoothSim::kTb9Address;
        host.hpId = BluetoothSim::kHeadsetAddress;
        // A blocking wait in the driver: the module goes on meanwhile.
        host.sleeper = [this](int) {
            QCoreApplication::processEvents();
            sim.poll();
        };
    }
    void start()
    {
        bt.initBluetooth(sink ? "/dev/ttyO2" : "/dev/ttyO3",
                         sink ? BluetoothSim::kTb9Address : BluetoothSim::kHeadsetAddress);
    }
    Wt32Module& module() { return sink ? sim.wt32Sink().module() : sim.wt32Source().module(); }
    // frozen: the state timer makes no step meanwhile (on a loaded machine a
    // millisecond's wait can outlast its interval).
    void settle(bool frozen = false)
    {
        for (int i = 0; i < 3; ++i) {
            if (frozen)
                bt.freeze();
            QTest::qWait(1);
            sim.poll();
        }
    }
    // Only the ticks step the machine, so no state it passes is missed.
    bool run(const std::function<bool()>& done, int maxTicks = 300)
    {
        return tickUntil([this] { settle(true); }, done, [this] { bt.tickNow(); }, maxTicks);
    }
    // Runs until the machine is in the state and has made one step there.
    bool inState(int state)
    {
        if (!run([&] { return bt.btState() == state; }))
            return false;
        bt.tickNow();
        settle();
        return bt.btState() == state;
    }
    // The sink started and resting in data mode on its RFCOMM link.
    bool connectSink()
    {
        start();
        bt.callBtDeviceA2DP(true);
        return inState(BluetoothWT32::BTSTATE_RFCOMM_ACTIVE_DATA);
    }
    QByteArray dataModeLine() const { return root.readTrimmed("/sys/class/gpio/gpio59/value"); }
};

#endif
