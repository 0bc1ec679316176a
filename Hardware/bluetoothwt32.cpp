// WT32 driver: life cycle, modes and the connection state machine. The
// serial link and the accessory queue are in bluetoothwt32_link.cpp, set-up,
// gains, search and pairing in bluetoothwt32_config.cpp, the answer analysis
// in bluetoothwt32_analysis.cpp.
#include "bluetoothwt32.h"
#include "bluetoothhost.h"
#include "devicelayer.h"
#include "gpio.h"

#include <QDebug>
#include <QFile>
#include <QMetaEnum>
#include <QTimer>

namespace {
constexpr int kPollMs = 10;
}

// Written lines leave at once: the mode lines change right after them, and
// bytes still queued in the port would reach the module in the other mode.
BluetoothWT32::BluetoothWT32(BluetoothHost* host)
    : BluetoothDriver(host, {SerialReceiver::LineEnd::AfterCrLf, "\n", true, AccessoryMessageQueue::Policy::Plain,
                             15})
{
    m_btStateTimer->setSingleShot(true);
    m_btTimerTransmit->setSingleShot(true);
}

BluetoothWT32::~BluetoothWT32() = default;

void BluetoothWT32::initBluetooth(QString portName, QString btId)
{
    startTrafficLog();

    m_debugPrefix = portName == "/dev/ttyO2" ? "M:" : portName == "/dev/ttyO3" ? "H:" : "";
    qDebug().noquote() << m_debugPrefix << "Init BT-Module WT32i";
    m_port->open(portName, kBaudRate, m_debugPrefix);
    connect(m_port, &BluetoothPort::readyRead, this, &BluetoothWT32::readTtyData, Qt::UniqueConnection);

    m_btId = btId;
    m_btName = "unknown";
    m_btProfile = 0;
    resetLinkState();

    qDebug().noquote() << m_debugPrefix << "---Bluetooth init---";
    driveDtr(0);
    if (dataModeLine()) {
        qDebug().noquote() << m_debugPrefix << "BT-Modul ist noch im Datenmodus";
        leaveDataModeBlocking(kInitDtrPulseMs);
    }
    settleHeldCommands();

    connect(m_btStateTimer, &QTimer::timeout, this, &BluetoothWT32::updateState, Qt::UniqueConnection);
    connect(m_btTimerTransmit, &QTimer::timeout, this, &BluetoothWT32::transmitTimeout, Qt::UniqueConnection);
    connect(this, &Bluetooth::btAnswerFromDeviceReceived, this, &BluetoothWT32::transmitTimeout,
            Qt::UniqueConnection);

    sendData("LIST");
}

// Everything initBluetooth and resetBluetooth start afresh, the port, the
// module's name and profile aside.
void BluetoothWT32::resetLinkState()
{
    m_port->receiver().clearPending();
    m_btState = BTSTATE_PARKED;
    dropLinks();
    m_callBtDeviceRfcomm = false;
    m_waitCntConnectRfcomm = 0;
    m_waitCntMode = 0;
    setGainDefaults();
    m_btMode = 0;
    m_switchToDataMode = m_switchToCommandMode = false;
    m_btWaitForReadyAfterReset = false;
    m_btIdMicrophone = m_host->btIdMicrophone();
    m_btIdHeadphone = m_host->btIdHeadphone();
}

void BluetoothWT32::resetBluetooth(QString btId, bool)
{
    if (!btId.isEmpty())
        m_btId = btId;
    resetLinkState();
    settleHeldCommands();
    updateState();
}

void BluetoothWT32::callBtDeviceA2DP(bool rfcomm)
{
    m_callBtDeviceRfcomm = rfcomm;
    if (!m_connectedA2DP && !m_connectedRFCOMM)
        m_btState = BTSTATE_START;
    updateState();
}

void BluetoothWT32::callBtDeviceRFCOMM()
{
    const QString call = QString("CALL %1 1101 RFCOMM").arg(m_btId);
    qDebug().noquote() << m_debugPrefix << "RFCOMM:" << call;
    sendData(call);
}

void BluetoothWT32::switchBtMode(int btMode)
{
    m_switchToDataMode = btMode == 1;
    m_switchToCommandMode = btMode != 1;
    updateState();
}

void BluetoothWT32::disconnectBtDevice()
{
    // In data mode the commands would reach the accessory, or wait for a
    // state machine that is about to be parked: take the link back first.
    bool commandMode = true;
    if (m_connectedRFCOMM || m_btMode == 1)
        commandMode = leaveDataModeBlocking(kDtrEdgeMs);
    // Parked before the commands: no step may take the link back meanwhile.
    m_btStateTimer->stop();
    m_btState = BTSTATE_PARKED;
    m_btMode = 0;
    m_switchToDataMode = m_switchToCommandMode = false;
    settleHeldCommands();
    if (commandMode) {
        sendData("SET CONTROL AUTOCALL");
        m_host->sleepMs(500);
        sendData("KILL " + m_btId);
        for (int link = 0; link <= 3; ++link)
            sendData(QString("CLOSE %1").arg(link));
        sendData("SET CONTROL AUTOCALL");
        qDebug().noquote() << m_debugPrefix << "Autocall disabled";
    } else {
        qDebug().noquote() << m_debugPrefix
                           << "Module still in data mode, links not closed and autocall left on";
    }
    dropLinks();
    m_callBtDeviceRfcomm = false;
    m_btMode = 0;
    nextTick(BTSTATE_PARKED, 50);
}

void BluetoothWT32::sendReset()
{
    sendData("RESET");
}

bool BluetoothWT32::isConnectedA2DP()
{
    return m_connectedA2DP;
}

bool BluetoothWT32::isConnectedRFCOMM()
{
    return m_connectedRFCOMM;
}

bool BluetoothWT32::isConnectedAVRCP()
{
    return m_connectedAVRCP;
}

bool BluetoothWT32::isStreamingActive()
{
    return false;
}

bool BluetoothWT32::isStateDisconnected()
{
    return !m_connectedA2DP && !m_connectedRFCOMM;
}

// ---- Mode lines -------------------------------------------------------------

bool BluetoothWT32::dataModeLine()
{
    const QString file = QString("/sys/class/gpio/gpio%1/value").arg(kDataModeGpio);
    const bool missing = !QFile::exists(DeviceLayer::path(file));
    if (missing && !m_dataModeLineMissing)
        qDebug().noquote() << m_debugPrefix << "GPIO line missing:" << file << "(read as command mode)";
    m_dataModeLineMissing = missing;
    return Gpio::getValue(kDataModeGpio);
}

void BluetoothWT32::driveDtr(int value)
{
    Gpio::setValue(kDtrGpio, value);
}

// Low for pulseMs, then high: the rising edge takes the module to command mode.
void BluetoothWT32::pulseDtr(int pulseMs)
{
    qDebug().noquote() << m_debugPrefix << "DTR-Pin toggle start";
    driveDtr(0);
    m_host->sleepMs(pulseMs);
    driveDtr(1);
    qDebug().noquote() << m_debugPrefix << "DTR-Pin toggle finished";
}

// A DTR edge, then a bounded wait for the data-mode line to fall. Blocks the
// calling thread; false when the module is still in data mode.
bool BluetoothWT32::leaveDataModeBlocking(int pulseMs)
{
    if (!dataModeLine())
        return true;
    pulseDtr(pulseMs);
    for (int poll = 0; poll < kModeWaitPolls; ++poll) {
        if (!dataModeLine())
            return true;
        qDebug().noquote() << m_debugPrefix << "Warten auf Commandmodus";
        m_host->sleepMs(kPollMs);
    }
    if (!dataModeLine())
        return true;
    qDebug().noquote() << m_debugPrefix << "Module did not leave data mode within"
                       << kModeWaitPolls * kPollMs << "ms, going on";
    return false;
}

// Commands held back for command mode go out now if the module is there;
// else they are dropped: none may reach a later connection.
void BluetoothWT32::settleHeldCommands()
{
    if (m_commandOutputBuffer.isEmpty())
        return;
    if (dataModeLine()) {
        qDebug().noquote() << m_debugPrefix << "Module in data mode, held-back commands dropped:"
                           << m_commandOutputBuffer;
    } else {
        qDebug().noquote() << m_debugPrefix << "Ouput buffered data:" << m_commandOutputBuffer;
        m_port->writeBlock(m_commandOutputBuffer);
    }
    m_commandOutputBuffer.clear();
}

// ---- Links ------------------------------------------------------------------

void BluetoothWT32::dropRfcomm()
{
    m_connectedRFCOMM = false;
    m_linkId2_RFCOMM = -1;
    m_micParametersOwed = false;
    // Lines of the old link must not follow the next link's start parameters.
    m_btTimerTransmit->stop();
    m_transmitBuffer.clear();
}

void BluetoothWT32::dropLinks()
{
    dropRfcomm();
    m_connectedA2DP = m_connectedAVRCP = m_connectedHFP = false;
    m_linkId0_A2DP = m_linkId1_A2DP = -1;
    m_linkId2_AVRCP = m_linkId3_HFP = -1;
}

// Kills and closes every link and restarts the machine with the RFCOMM
// channel still wanted.
void BluetoothWT32::giveUpLinks(const char* reason)
{
    qDebug().noquote() << m_debugPrefix << reason;
    // Out of the waiting states first, so the commands below go out now.
    m_btState = BTSTATE_RESTART;
    m_btMode = 0;
    m_switchToDataMode = m_switchToCommandMode = false;
    settleHeldCommands();
    if (dataModeLine()) {
        qDebug().noquote() << m_debugPrefix << "Module in data mode, KILL and CLOSE not sent";
    } else {
        sendData("KILL " + m_btId);
        for (int link = 0; link <= 3; ++link)
            sendData(QString("CLOSE %1").arg(link));
    }
    m_callBtDeviceRfcomm = true;
    dropLinks();
}

// ---- State machine ----------------------------------------------------------

void BluetoothWT32::logState(int state) const
{
    const char* name = QMetaEnum::fromType<BtStateWt32>().valueToKey(state);
    qDebug().noquote() << m_debugPrefix << (name ? name : "BTSTATE_PARKED");
}

void BluetoothWT32::nextTick(int state, int intervalMs)
{
    if (state != m_btState) {
        m_waitCntMode = 0;
        // These three are named on entry; the others each time they run.
        if (state == BTSTATE_A2DP_ACTIVE || state == BTSTATE_RFCOMM_ACTIVE_DATA
            || state == BTSTATE_RFCOMM_ACTIVE_COMMAND)
            logState(state);
    }
    m_btState = state;
    m_btStateTimer->start(intervalMs);
}

void BluetoothWT32::updateState()
{
    m_btStateTimer->stop();
    const int state = m_btState;
    if (state == BTSTATE_START || state == BTSTATE_RESTART || state == BTSTATE_WAIT_FOR_CONNECT_A2DP
        || state == BTSTATE_WAIT_FOR_CONNECT_RFCOMM || state == BTSTATE_WAIT_FOR_DATAMODE
        || state == BTSTATE_WAIT_FOR_COMMANDMODE)
        logState(state);

    switch (state) {
    case BTSTATE_START:
    case BTSTATE_RESTART:
        m_btMode = 0;
        dropLinks();
        settleHeldCommands();
        if (state == BTSTATE_START)
            sendData("SET CONTROL AUTOCALL 19 500 A2DP");
        nextTick(BTSTATE_WAIT_FOR_CONNECT_A2DP, 1000);
        break;
    case BTSTATE_WAIT_FOR_CONNECT_A2DP:
        dropRfcomm();
        nextTick(m_connectedA2DP ? BTSTATE_A2DP_ACTIVE : BTSTATE_WAIT_FOR_CONNECT_A2DP, 1000);
        break;
    case BTSTATE_A2DP_ACTIVE:
        dropRfcomm();
        m_switchToDataMode = m_switchToCommandMode = false;
        if (m_callBtDeviceRfcomm) {
            sendData(QString("CALL %1 1101 RFCOMM").arg(m_btId));
            m_waitCntConnectRfcomm = 0;
            nextTick(BTSTATE_WAIT_FOR_CONNECT_RFCOMM, 1000);
        } else {
            nextTick(BTSTATE_A2DP_ACTIVE, 1000);
        }
        break;
    case BTSTATE_WAIT_FOR_CONNECT_RFCOMM:
        if (m_connectedRFCOMM) {
            // DTR rests low in data mode, so that its next rise is an edge;
            // a disconnect or a give-up may have left it high.
            driveDtr(0);
            nextTick(BTSTATE_WAIT_FOR_DATAMODE, kPollMs);
        } else if (++m_waitCntConnectRfcomm > kRfcommWaitPolls) {
            giveUpLinks("Data connection not possible. Stop all connections and restart.");
            nextTick(BTSTATE_RESTART, 2000);
        } else {
            nextTick(BTSTATE_WAIT_FOR_CONNECT_RFCOMM, kPollMs);
        }
        break;
    case BTSTATE_WAIT_FOR_DATAMODE:
        if (dataModeLine()) {
            nextTick(BTSTATE_RFCOMM_ACTIVE_DATA, kPollMs);
        } else if (++m_waitCntMode > kModeWaitPolls) {
            // The module may well be in data mode with a line that does not
            // show it: without the edge the commands would reach the accessory.
            pulseDtr(kDtrEdgeMs);
            m_host->sleepMs(kDtrEdgeMs);
            giveUpLinks("Module did not enter data mode. Stop all connections and restart.");
            nextTick(BTSTATE_RESTART, 2000);
        } else {
            nextTick(BTSTATE_WAIT_FOR_DATAMODE, kPollMs);
        }
        break;
    case BTSTATE_RFCOMM_ACTIVE_DATA:
        m_switchToDataMode = false;
        m_btMode = 1;
        driveDtr(0);
        if (m_switchToCommandMode) {
            driveDtr(1);
            nextTick(BTSTATE_WAIT_FOR_COMMANDMODE, kPollMs);
        } else {
            nextTick(BTSTATE_RFCOMM_ACTIVE_DATA, 1000);
        }
        break;
    case BTSTATE_WAIT_FOR_COMMANDMODE:
        if (!dataModeLine()) {
            nextTick(BTSTATE_RFCOMM_ACTIVE_COMMAND, kPollMs);
        } else if (++m_waitCntMode > kModeWaitPolls) {
            giveUpLinks("Module did not leave data mode. Stop all connections and restart.");
            nextTick(BTSTATE_RESTART, 2000);
        } else {
            nextTick(BTSTATE_WAIT_FOR_COMMANDMODE, kPollMs);
        }
        break;
    case BTSTATE_RFCOMM_ACTIVE_COMMAND:
        m_btMode = 0;
        m_switchToCommandMode = false;
        if (!m_commandOutputBuffer.isEmpty()) {
            qDebug().noquote() << m_debugPrefix << "Ouput buffered data:" << m_commandOutputBuffer;
            m_port->writeBlock(m_commandOutputBuffer);
            m_commandOutputBuffer.clear();
        }
        if (m_switchToDataMode) {
            driveDtr(0);
            sendData(QString("SELECT %1").arg(m_linkId2_RFCOMM));
            nextTick(BTSTATE_WAIT_FOR_DATAMODE, kPollMs);
        } else {
            nextTick(BTSTATE_RFCOMM_ACTIVE_COMMAND, 1000);
        }
        // Sent like any accessory line in this state: through "SELECT".
        if (m_micParametersOwed) {
            m_micParametersOwed = false;
            m_host->updateMicrophoneParameter();
        }
        break;
    default:
        nextTick(state, 50);
        break;
    }
}
