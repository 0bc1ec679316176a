// IDC777 driver: life cycle, roles and the state machine's entry points.
// The serial link and queues are in bluetoothidc777_link.cpp, configuration
// and gains in bluetoothidc777_config.cpp, the answer analysis in
// bluetoothidc777_analysis.cpp.
#include "bluetoothidc777.h"
#include "bluetoothhost.h"
#include "devicelayer.h"
#include "gpio.h"
#include "gpiolines.h"

#include <QDebug>
#include <QFile>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTimer>

BluetoothIDC777::BluetoothIDC777(BluetoothHost* host)
    : BluetoothDriver(host, {SerialReceiver::LineEnd::AfterCr, "\r\n", false,
                             AccessoryMessageQueue::Policy::Coalescing, 13}),
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

BluetoothIDC777::~BluetoothIDC777() = default;

void BluetoothIDC777::initBluetooth(QString portName, QString btId)
{
    startTrafficLog();

    // The role comes from the unit's port name; only the opening maps it.
    m_portName = portName;
    m_btModuleToMic = portName == "/dev/ttyO2";
    m_btModuleToHp = portName == "/dev/ttyO3";
    m_debugPrefix = m_btModuleToMic ? "M:" : m_btModuleToHp ? "H:" : "";
    m_port->open(portName, 9600, m_debugPrefix);

    for (ProfileLink& l : m_links)
        l.wanted = false;
    if (m_btModuleToMic) {
        link(Profile::A2dp).wanted = link(Profile::Spp).wanted = true;
    } else if (m_btModuleToHp) {
        link(Profile::A2dp).wanted = link(Profile::Avrcp).wanted = link(Profile::Aghfp).wanted = true;
    }

    driveLine(GpioLine::Wt32Dtr, 0);
    driveLine(GpioLine::BluetoothAux, 0);

    connect(m_port, &BluetoothPort::readyRead, this, &BluetoothIDC777::readTtyData, Qt::UniqueConnection);

    m_btId = btId;
    m_port->receiver().clearPending();
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
    m_port->receiver().clearPending();
    dropLinks();
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
    if (newBtState != m_btState)
        m_stateTicks = 0;
    m_btState = newBtState;
    m_btStateTimer->start(10);
}

// The state of the next tick and the time to it.
void BluetoothIDC777::nextTick(BtStateIdc state, int delayMs)
{
    if (state != m_btState) {
        qDebug().noquote() << m_debugPrefix << "State" << QMetaEnum::fromType<BtStateIdc>().valueToKey(state);
        m_stateTicks = 0;
    } else {
        ++m_stateTicks;
    }
    m_btState = state;
    m_btStateTimer->start(delayMs);
}

int BluetoothIDC777::decrementIntValue(int val)
{
    return val > 0 ? val - 1 : 0;
}

const char* BluetoothIDC777::profileName(Profile profile)
{
    static const char* const kNames[kProfiles] = {"A2DP", "AVRCP", "SPP", "AGHFP", "HFP"};
    return kNames[int(profile)];
}

bool BluetoothIDC777::profileOf(const QString& word, Profile* profile)
{
    for (int p = 0; p < kProfiles; ++p) {
        if (word == QLatin1String(profileName(Profile(p)))) {
            *profile = Profile(p);
            return true;
        }
    }
    return false;
}

void BluetoothIDC777::dropLinks()
{
    for (ProfileLink& l : m_links) {
        l.connected = false;
        l.attempts = 0;
    }
}

bool BluetoothIDC777::isConnected() const
{
    for (const ProfileLink& l : m_links) {
        if (l.wanted && !l.connected)
            return false;
    }
    return true;
}

bool BluetoothIDC777::isDisconnected() const
{
    for (const ProfileLink& l : m_links) {
        if (l.wanted && l.connected)
            return false;
    }
    return true;
}

bool BluetoothIDC777::searchOrPairingRuns() const
{
    if (m_inquiryMode || m_pairingActive)
        return true;
    // Name queries after a search; an unanswered one ends by its time-out.
    if (m_cmdTransmitBuffer.isBusy() && m_cmdTransmitBuffer.lastTransmitted().startsWith("NAME "))
        return true;
    for (const CmdBuffer& c : m_cmdTransmitBuffer.waiting()) {
        if (c.cmd.startsWith("NAME "))
            return true;
    }
    return false;
}

void BluetoothIDC777::endDataEvent()
{
    m_bytesMissingFromRECV = false;
    m_recvRcvCmd.clear();
    m_linePartCmdMode.clear();
}

void BluetoothIDC777::clearInitFlags()
{
    m_initSuccessful = false;
    m_initTransmitted = false;
    m_gainsTransmitted = false;
    m_configReadingInProgress = false;
}

void BluetoothIDC777::stepResetLine(int value)
{
    if (m_btModuleToMic)
        driveLine(GpioLine::Idc777SinkReset, value);
    else if (m_btModuleToHp)
        driveLine(GpioLine::Idc777SourceReset, value);
}

void BluetoothIDC777::updateState()
{
    switch (m_btState) {
    case HARDWARE_RESET_START:
        stepResetLine(0);
        m_configWrites = 0;
        // The rest of a data event begun before the reset never comes: the
        // module's start lines must not be taken as its data.
        endDataEvent();
        nextTick(HARDWARE_RESET_RELEASE, 100);
        break;
    case HARDWARE_RESET_RELEASE:
        m_btWaitForReadyAfterReset = true;
        stepResetLine(1);
        clearInitFlags();
        nextTick(WAIT_FOR_FINISH_RESET, 100);
        break;
    case RESET:
        stepReset();
        break;
    case WAIT_FOR_FINISH_RESET:
        if (m_btWaitForReadyAfterReset) {
            // A module that never reports "Ready" gets its reset line again.
            if (m_stateTicks + 1 >= kReadyTimeoutTicks) {
                qDebug().noquote() << m_debugPrefix << "No Ready from the module, hardware reset again";
                nextTick(HARDWARE_RESET_START, 10);
            } else {
                nextTick(WAIT_FOR_FINISH_RESET, 100);
            }
            break;
        }
        clearCmdTransmitBuffer();
        sendCmdAndWaitForResponse("CLOSE ALL", {"CLOSE_OK", "OK", "ERROR"}, 6000);
        nextTick(GET_CONFIG, 1000);
        break;
    case GET_CONFIG:
        getConfiguration();
        nextTick(CHECK_CONFIG, 100);
        break;
    case CHECK_CONFIG:
        stepCheckConfig();
        break;
    case INIT:
        stepInit();
        break;
    case CHECK_PAIRING:
        if (!m_btId.isEmpty() && m_btId == m_btIdFromList) {
            nextTick(CONNECT, 10);
        } else if (!m_btId.isEmpty() && m_stateTicks + 1 >= kPairingRecheckTicks && !searchOrPairingRuns()) {
            // The list may have been lost; ask again rather than wait for ever.
            // Not while a search or pairing runs: INIT would end it.
            qDebug().noquote() << m_debugPrefix << "Paired device not listed, reading the list again";
            nextTick(INIT, 10);
        } else {
            nextTick(CHECK_PAIRING, 100);
        }
        break;
    case CONNECT:
        stepConnect();
        break;
    case CONNECTED_CMD:
    case CONNECTED_DATA:
        stepConnected();
        break;
    case DISCONNECT:
        stepDisconnect();
        break;
    case DISCONNECTED:
        m_closeInProgress = false;
        m_disconnectTimeoutCnt = 0;
        if (m_startConnectionIfPossible) {
            m_startConnectionIfPossible = false;
            nextTick(m_initSuccessful ? CONNECT : INIT, 100);
        } else {
            nextTick(DISCONNECTED, 100);
        }
        break;
    default:
        qDebug().noquote() << m_debugPrefix << "State DEFAULT: ERROR: UNKNOWN STATE!";
        nextTick(INIT, 50);
        break;
    }
}

void BluetoothIDC777::stepReset()
{
    // A configuration write must reach the module before anything else.
    if (m_waitForInitWritten) {
        if (++m_waitForInitWrittenCnt > 50) {
            m_waitForInitWritten = false;
            m_waitForInitWrittenCnt = 0;
        }
        nextTick(RESET, 200);
        return;
    }
    clearCmdTransmitBuffer();
    if (m_btWaitForReadyAfterReset) {
        qDebug().noquote() << m_debugPrefix << "Software-Reset";
        sendCmdAndWaitForResponse("RESET", {"Ready", "OK"}, 5000);
    } else {
        qDebug().noquote() << m_debugPrefix << "Hardware-Reset";
    }
    clearInitFlags();
    nextTick(WAIT_FOR_FINISH_RESET, 100);
}

void BluetoothIDC777::stepCheckConfig()
{
    if (m_configReadingInProgress) {
        // The read ends with "LOCAL_ADDR="; once nothing is outstanding any
        // more (a time-out or ERROR of the last read) it has ended without.
        if (m_cmdTransmitBuffer.isBusy() || m_cmdTransmitBuffer.count() > 0) {
            nextTick(CHECK_CONFIG, 100);
            return;
        }
        qDebug().noquote() << m_debugPrefix << "Configuration read ended without the module address";
        m_configReadingInProgress = false;
    }
    if (m_audioTestModeActive) {
        nextTick(INIT, 10);
        return;
    }
    const bool equal = m_btModuleToMic ? isConfigEqualSink() : isConfigEqualSource();
    if (equal) {
        nextTick(INIT, 10);
        return;
    }
    if (m_configWrites >= kMaxConfigWrites) {
        // A value the module never reports back would wear its memory for ever.
        qDebug().noquote() << m_debugPrefix << "Configuration still different after" << m_configWrites
                           << "writes, going on";
        nextTick(INIT, 10);
        return;
    }
    ++m_configWrites;
    if (m_btModuleToMic)
        initBtModulSink();
    else
        initBtModulSource();
    nextTick(RESET, 1000);
}

void BluetoothIDC777::stepInit()
{
    clearCmdTransmitBuffer();
    clearDataTransmitBuffer();
    sendCmdAndWaitForResponse("CLOSE ALL", {"CLOSE_OK", "OK", "ERROR"}, 6000);
    dropLinks();
    m_streamingA2dpActive = false;
    m_initTransmitted = false;
    m_gainsTransmitted = false;
    m_inquiryMode = false;
    m_pairingActive = false;
    // A partial accessory line of the old link must not start the next one.
    endDataEvent();
    m_initSuccessful = true;
    m_btIdFromList.clear();
    m_listSeen = false;
    sendCmdAndWaitForResponse("LIST", {"OK", "ERROR"}, 5000);
    nextTick(CHECK_PAIRING, 500);
}

void BluetoothIDC777::openProfile(Profile profile, bool wanted)
{
    ProfileLink& l = link(profile);
    if (!l.connected && wanted && l.attempts == 0) {
        l.attempts = 12;
        sendCmdAndWaitForResponse(QString("OPEN %1 %2").arg(m_btId, profileName(profile)),
                                  {"OPEN_OK", "OPEN_ERROR", "ERROR"}, 35000);
    } else {
        l.attempts = unsigned(decrementIntValue(int(l.attempts)));
    }
}

void BluetoothIDC777::stepConnect()
{
    if (m_pending || m_inquiryMode || m_waitForStatusOkReceived) {
        // A "PENDING" that nothing follows must not hold the links for ever.
        if (m_pending && ++m_pendingTicks >= kReadyTimeoutTicks) {
            qDebug().noquote() << m_debugPrefix << "Pending for too long, going on";
            m_pending = false;
        }
        nextTick(CONNECT, 100);
        return;
    }
    m_pendingTicks = 0;
    if (m_btId.isEmpty()) {
        qDebug().noquote() << m_debugPrefix << "No valid bluetooth-id m_btId:" << m_btId;
        nextTick(CHECK_PAIRING, 100);
        return;
    }
    if (m_audioTestModeActive) {
        if (m_btModuleToHp) {
            nextTick(CONNECT, 500);
            return;
        }
        openProfile(Profile::A2dp, true);
        nextTick(connected(Profile::A2dp) ? CONNECTED_CMD : CONNECT, 500);
        return;
    }
    if (!m_autoConnectEnabled) {
        sendCmdAndWaitForResponse("SET AUTOCONN=1 7", {"OK", "ERROR"}, 2000);
        m_autoConnectEnabled = true;
    }
    if (m_btModuleToMic) {
        // The text channel first: the accessory expects it before the audio.
        if (!connected(Profile::Spp)) {
            openProfile(Profile::Spp);
        } else {
            openProfile(Profile::A2dp);
            openProfile(Profile::Avrcp);
            openProfile(Profile::Spp);
        }
    } else if (m_btModuleToHp) {
        openProfile(Profile::A2dp);
        openProfile(Profile::Avrcp);
        openProfile(Profile::Spp);
        if (connected(Profile::A2dp)) {
            openProfile(Profile::Aghfp);
            openProfile(Profile::Hfp);
        }
    } else {
        openProfile(Profile::Spp);
    }
    if (isConnected())
        nextTick(CONNECTED_CMD, 10);
    else
        nextTick(CONNECT, 500);
}

void BluetoothIDC777::stepConnected()
{
    const QString a2dp = hexLinkId(linkId(Profile::A2dp));
    const bool a2dpUp = connected(Profile::A2dp);
    if (m_audioTestModeActive) {
        if (!m_btModuleToHp && a2dpUp && !m_streamingA2dpActive) {
            sendCmdAndWaitForResponse(QString("MUSIC %1 PLAY").arg(a2dp),
                                      {"A2DP_STREAM_START", "A2DP_STREAM_SUSPEND", "ERROR"}, 5000);
            sendCmdAndWaitForResponse(QString("VOLUME %1 127").arg(a2dp), {"OK", "ERROR"}, 2000);
        }
        nextTick(m_btState, 500);
        return;
    }
    if (!isConnected()) {
        nextTick(CONNECT, 10);
        return;
    }
    if (!m_initTransmitted) {
        m_initTransmitted = true;
        sendMicInitParameter(m_micInitParameterGain, m_micInitParameterMute, m_micInitParameterButton);
        m_btExtMicGain = m_micInitParameterGain;
    }
    if (a2dpUp && !m_streamingA2dpActive) {
        m_gainsTransmitted = false;
        sendCmdAndWaitForResponse(QString("MUSIC %1 PLAY").arg(a2dp),
                                  {"A2DP_STREAM_START", "A2DP_STREAM_SUSPEND", "ERROR"}, 5000);
    } else if (a2dpUp && !m_gainsTransmitted) {
        m_gainsTransmitted = true;
        if (m_btModuleToHp) {
            setBtAdcGain(m_btAdcGain);
            setBtExtHeadphoneGainStep(m_btExtHeadphoneGain);
        } else {
            setBtDacGain(m_btDacGain);
            sendCmdAndWaitForResponse(QString("VOLUME %1 127").arg(a2dp), {"OK", "ERROR"}, 2000);
        }
    }
    nextTick(CONNECTED_CMD, 500);
}

void BluetoothIDC777::stepDisconnect()
{
    if (!m_closeInProgress) {
        m_closeInProgress = true;
        m_disconnectTimeoutCnt = 100;
        clearCmdTransmitBuffer();
        sendCmdAndWaitForResponse("SET AUTOCONN=0 0", {"OK", "ERROR"}, 2000);
        m_autoConnectEnabled = false;
        sendCmdAndWaitForResponse("CLOSE ALL", {"CLOSE_OK", "OK", "ERROR"}, 6000);
        nextTick(DISCONNECT, 100);
        return;
    }
    if (isDisconnected()) {
        m_startConnectionIfPossible = false;
        nextTick(DISCONNECTED, 10);
        return;
    }
    if (--m_disconnectTimeoutCnt < 0)
        m_closeInProgress = false;  // the next tick sends both again
    nextTick(DISCONNECT, 100);
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
    return connected(Profile::A2dp);
}

bool BluetoothIDC777::isConnectedRFCOMM()
{
    return connected(Profile::Spp);
}

bool BluetoothIDC777::isConnectedAVRCP()
{
    return connected(Profile::Avrcp);
}

bool BluetoothIDC777::isStreamingActive()
{
    return m_streamingA2dpActive;
}

void BluetoothIDC777::testmodeUseHfp(bool useHfp)
{
    link(Profile::Aghfp).wanted = useHfp;
    link(Profile::Hfp).wanted = useHfp;
}

// The module has no separate data mode and opens its text channel itself.
void BluetoothIDC777::callBtDeviceRFCOMM() {}
void BluetoothIDC777::switchBtMode(int) {}

void BluetoothIDC777::startInquiry()
{
    m_receivedInquiryText.clear();
    m_inquiryMode = true;
    m_pairingActive = false;
    clearCmdTransmitBuffer();
    m_waitForName = true;
    m_waitForNameCnt = 1;
    for (BluetoothDevice& d : btDevicesFromInquiry)
        d = BluetoothDevice();
    sendCmdAndWaitForResponse("INQUIRY 10", {"INQU_OK", "OK", "ERROR"}, 12000);
}

void BluetoothIDC777::stopInquiry()
{
    analyseInquiryData();
    m_waitForName = false;
    m_waitForNameCnt = 0;
    for (const BluetoothDevice& d : btDevicesFromInquiry) {
        if (d.btName.toUpper() == "UNKNOWN") {
            ++m_waitForNameCnt;
            m_waitForName = true;
            sendCmdAndWaitForResponse("NAME " + d.btId, {"NAME", "OK", "ERROR"}, 12000);
        }
    }
    m_inquiryMode = false;
}

bool BluetoothIDC777::waitForName()
{
    m_waitForName = m_waitForNameCnt > 0;
    return m_waitForName;
}

// "INQUIRY <address> "<name>" <class> <rssi> <word>" per found device.
void BluetoothIDC777::analyseInquiryData()
{
    qDebug().noquote() << m_debugPrefix << "m_receivedInquiryText: " << m_receivedInquiryText;
    QStringList parts;
    for (const QString& part : m_receivedInquiryText.split('\r')) {
        // With CR LF line ends each part after the first begins with an LF.
        if (part.contains("INQUIRY", Qt::CaseInsensitive))
            parts << part.trimmed();
    }
    qDebug().noquote() << m_debugPrefix << "InquiryList:" << parts.size() << parts.join(", ");
    static const QRegularExpression kLine(
        "^\\S+\\s+(\\S+)\\s+\"([^\"]+)\"\\s+(\\S+)\\s+([+-]?\\d+)\\s+\\S+$");
    const int count = qMin(parts.size(), 10);
    for (int i = 0; i < count; ++i) {
        const QRegularExpressionMatch m = kLine.match(parts.at(i));
        if (!m.hasMatch()) {
            qWarning().noquote() << m_debugPrefix << "Zeile passt nicht zum erwarteten Format." << parts.at(i);
            continue;
        }
        BluetoothDevice& d = btDevicesFromInquiry[i];
        d.btId = m.captured(1);
        d.btName = m.captured(2).remove('"');
        if (d.btName.isEmpty())
            d.btName = "unknown";
        d.cod = m.captured(3);
        qDebug().noquote() << m_debugPrefix << "btDevicesFromInquiry: " << i << d.btId << d.btName << d.cod;
    }
}

void BluetoothIDC777::pairWithBtDevice(QString btDevAdr)
{
    m_pairingActive = true;
    m_pairOkThisPairing = false;
    m_enablePopupInvalidBtId = true;
    m_pairOkAddresses.clear();
    m_a2dpOpenedAddresses.clear();
    sendCmdAndWaitForResponse("PAIR " + btDevAdr, {"PAIR_OK", "PAIR_ERROR", "ERROR"}, 35000);
    sendCmdAndWaitForResponse("OPEN " + btDevAdr + " A2DP", {"OPEN_OK", "OPEN_ERROR", "ERROR"}, 35000);
}

bool BluetoothIDC777::isPairOk(QString btDevAdr)
{
    const bool ok = !btDevAdr.isEmpty() && m_pairOkAddresses.contains(btDevAdr)
                    && m_a2dpOpenedAddresses.contains(btDevAdr);
    if (ok)
        m_pairingActive = false;
    return ok;
}
