// IDC777 driver: life cycle, roles and the state machine's entry points.
// The serial link and queues are in bluetoothidc777_link.cpp, configuration
// and gains in bluetoothidc777_config.cpp, the answer analysis in
// bluetoothidc777_analysis.cpp.
#include "bluetoothidc777.h"
#include "bluetoothhost.h"
#include "devicelayer.h"
#include "gpio.h"

#include <QDebug>
#include <QFile>
#include <QMetaEnum>
#include <QSerialPort>
#include <QTimer>

const char* const BluetoothIDC777::kTrafficLog = "/media/vq4100/btInfo.txt";

BluetoothIDC777::BluetoothIDC777(BluetoothHost* host)
    : m_host(host ? host : &AppBluetoothHost::instance()),
      uartPort(new QSerialPort),
      m_btStateTimer(new QTimer(this)),
      m_btTimerTransmit(new QTimer(this)),
      m_btTimerWaitForCmdResponse(new QTimer(this)),
      m_btTimerWaitForStatus(new QTimer(this))
{
    const QString batt = "BATT_CONFIG=ON OFF OFF OFF 3000 4200 10 350 45 0 ON";
    const QString audio = "AUDIO_ANALOG=1 15 0 OFF";
    const QString hfp = "HFP_CONFIG=ON ON OFF OFF 5 ON OFF ON ON";
    setWantedConfig(Role::Source,
                    {"PROFILES=OFF 0 1 0 1 1 0 0", "AUTOCONN=1 7", batt, "GPIO_CONFIG=1 OFF 0080", "COD=280410",
                     "NAME=VQA4100_HP", "BT_CONFIG=1 0 0", audio, hfp});
    setWantedConfig(Role::Sink,
                    {"PROFILES=OFF 0 0 1 0 0 0 1", "AUTOCONN=1 7", batt, "GPIO_CONFIG=1 ON 0080", "COD=240418",
                     "NAME=VQA4100_MIC", "BT_CONFIG=0 0 0", audio});
    setWantedConfig(Role::SimulatedAccessory,
                    {"PROFILES=OFF 0 0 0 1 0 0 0", "AUTOCONN=0 3", batt, "GPIO_CONFIG=1 OFF 0080", "COD=280410",
                     "NAME=VQA4100_SIM_MIC", "BT_CONFIG=1 1 0", audio, hfp});
}

BluetoothIDC777::~BluetoothIDC777()
{
    uartPort->close();
    delete uartPort;
}

void BluetoothIDC777::initBluetooth(QString portName, QString btId)
{
    if (m_host->debugFeatures()) {
        const bool removed = QFile::remove(DeviceLayer::path(kTrafficLog));
        qDebug() << "Remove Bt-Info-File" << removed;
    }

    // The role comes from the unit's port name; only the opening maps it.
    m_portName = portName;
    m_btModuleToMic = portName == "/dev/ttyO2";
    m_btModuleToHp = portName == "/dev/ttyO3";
    m_debugPrefix = m_btModuleToMic ? "M:" : m_btModuleToHp ? "H:" : "";
    m_rx.setLogPrefix(m_debugPrefix);

    if (uartPort->isOpen())
        uartPort->close();
    SerialReceiver::openPort(*uartPort, portName, 9600, m_debugPrefix);

    m_connectWithProfileA2DP = m_connectWithProfileAVRCP = m_connectWithProfileSPP = false;
    m_connectWithProfileAGHFP = m_connectWithProfileHFP = false;
    if (m_btModuleToMic) {
        m_connectWithProfileA2DP = m_connectWithProfileSPP = true;
    } else if (m_btModuleToHp) {
        m_connectWithProfileA2DP = m_connectWithProfileAVRCP = m_connectWithProfileAGHFP = true;
    }

    driveLine(58, 0);
    driveLine(49, 0);

    // Whatever the module printed before we listened is stale.
    if (uartPort->isOpen())
        uartPort->readAll();
    connect(uartPort, &QSerialPort::readyRead, this, &BluetoothIDC777::readTtyData,
            Qt::UniqueConnection);

    m_btId = btId;
    m_rx.clearPending();
    m_btState = UNKNOWN;
    m_btName = "unknown";
    m_btProfile = 0;
    m_btIdMicrophone = m_host->btIdMicrophone();
    m_btIdHeadphone = m_host->btIdHeadphone();

    connect(m_btStateTimer, &QTimer::timeout, this, &BluetoothIDC777::updateState, Qt::UniqueConnection);
    connect(m_btTimerTransmit, &QTimer::timeout, this, &BluetoothIDC777::transmitTimeout,
            Qt::UniqueConnection);
    connect(m_btTimerWaitForCmdResponse, &QTimer::timeout, this,
            &BluetoothIDC777::waitForCmdResponseTimeout, Qt::UniqueConnection);
    connect(m_btTimerWaitForStatus, &QTimer::timeout, this, &BluetoothIDC777::analyseReceivedStatus,
            Qt::UniqueConnection);
    connect(this, &Bluetooth::btAnswerFromDeviceReceived, this,
            &BluetoothIDC777::answerFromDeviceReceived, Qt::UniqueConnection);

    resetBluetooth(m_btId, false);
}

void BluetoothIDC777::resetBluetooth(QString btId, bool onlyStateVariables)
{
    if (!btId.isEmpty())
        m_btId = btId;
    m_rx.clearPending();
    m_connectedA2DP = m_connectedSPP = m_connectedAVRCP = m_connectedAGHFP = m_connectedHFP = false;
    m_callBtDeviceRfcomm = false;
    setGainDefaults();
    m_btWaitForReadyAfterReset = false;
    // The queues keep their entries; only the waits end.
    m_transmitBuffer.endWait();
    m_cmdTransmitBuffer.endWait();
    m_btIdMicrophone = m_host->btIdMicrophone();
    m_btIdHeadphone = m_host->btIdHeadphone();
    m_audioTestModeActive = false;
    switchBtStateTo(onlyStateVariables ? INIT : HARDWARE_RESET_START, 0);
}

void BluetoothIDC777::driveLine(unsigned int pin, int value)
{
    const QString file = QString("/sys/class/gpio/gpio%1/value").arg(pin);
    if (!QFile::exists(DeviceLayer::path(file)))
        qDebug().noquote() << m_debugPrefix << "GPIO line missing:" << file;
    Gpio::setValue(pin, value);
}

void BluetoothIDC777::switchBtStateTo(BtStateIdc newBtState, int additionalWaitMs)
{
    m_btStateTimer->stop();
    qDebug().noquote() << m_debugPrefix << "switchBtStateTo"
                       << QMetaEnum::fromType<BtStateIdc>().valueToKey(newBtState);
    if (newBtState == REFRESH) {
        m_btStateTimer->start(200 + additionalWaitMs);
        return;
    }
    m_btState = newBtState;
    m_btStateTimer->start(10);
}

void BluetoothIDC777::updateState()
{
    // Filled by the state-machine work: one tick of the connection state
    // machine (reset, configuration check, pairing check, connect, watch,
    // disconnect), restarting m_btStateTimer with the next delay.
}

void BluetoothIDC777::callBtDeviceA2DP(bool rfcomm)
{
    m_callBtDeviceRfcomm = rfcomm;
    m_startConnectionIfPossible = true;
    switchBtStateTo(REFRESH, 0);
}

void BluetoothIDC777::disconnectBtDevice()
{
    switchBtStateTo(DISCONNECT, 0);
}

void BluetoothIDC777::sendReset()
{
    m_btWaitForReadyAfterReset = true;
    switchBtStateTo(RESET, 0);
}

bool BluetoothIDC777::isStateDisconnected()
{
    return m_btState == DISCONNECTED;
}

bool BluetoothIDC777::isConnectedA2DP()
{
    return m_connectedA2DP;
}

bool BluetoothIDC777::isConnectedRFCOMM()
{
    return m_connectedSPP;
}

bool BluetoothIDC777::isConnectedAVRCP()
{
    return m_connectedAVRCP;
}

bool BluetoothIDC777::isStreamingActive()
{
    return m_streamingA2dpActive;
}

void BluetoothIDC777::testmodeUseHfp(bool useHfp)
{
    m_connectWithProfileAGHFP = useHfp;
    m_connectWithProfileHFP = useHfp;
}

// The module has no separate data mode and opens its text channel itself.
void BluetoothIDC777::callBtDeviceRFCOMM() {}
void BluetoothIDC777::switchBtMode(int) {}
void BluetoothIDC777::switchToDatamode() {}

void BluetoothIDC777::startInquiry()
{
    // Filled by the state-machine work: device search ("INQUIRY 10").
}

void BluetoothIDC777::stopInquiry()
{
    // Filled by the state-machine work: end of the search and the name queries.
}

bool BluetoothIDC777::waitForName()
{
    // Filled by the state-machine work: name queries still unanswered.
    return false;
}

void BluetoothIDC777::analyseInquiryData()
{
    // Filled by the state-machine work: the search text into btDevicesFromInquiry.
}

void BluetoothIDC777::pairWithBtDevice(QString btDevAdr)
{
    // Filled by the state-machine work: "PAIR <address>" and "OPEN <address> A2DP".
    Q_UNUSED(btDevAdr);
}

bool BluetoothIDC777::isPairOk(QString btDevAdr)
{
    // Filled by the state-machine work: the pairing and A2DP confirmations in the search text.
    Q_UNUSED(btDevAdr);
    return false;
}
