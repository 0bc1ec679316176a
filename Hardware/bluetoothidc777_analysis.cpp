// IDC777 driver: what the module prints, line by line.
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothidc777.h"
#include "headsetbattery.h"
#include "headsetvolume.h"

#include <QDebug>
#include <QTimer>

namespace {

const char kBanner[] = "IOT747";

// Word i of a line split at single blanks; empty when missing.
QString word(const QString& line, int i)
{
    return line.section(' ', i, i);
}

// A hexadecimal word, or -1.
int hexWord(const QString& line, int i)
{
    bool ok = false;
    const int v = word(line, i).toInt(&ok, 16);
    return ok ? v : -1;
}

}

void BluetoothIDC777::analyseAnswer()
{
    // Each line leaves the buffer before it is acted on: a receiver's nested
    // event loop may read and analyse the following lines meanwhile.
    QByteArray line;
    while (m_port->receiver().takeLineBytes(&line)) {
        if (analyseLine(line))
            transmitFromCmdTransmitBuffer();
    }
}

// False while a data event still misses bytes (no command goes out then).
bool BluetoothIDC777::analyseLine(const QByteArray& cut)
{
    // A module that restarts by itself prints its banner wherever its output
    // stood: after half a line or inside a data event. What came before it
    // never ends.
    QByteArray raw = cut;
    const int banner = cut.indexOf(kBanner);
    if (banner >= 0 && (m_bytesMissingFromRECV || !cut.left(banner).trimmed().isEmpty())) {
        qDebug().noquote() << m_debugPrefix << "Cut off by the module's restart:"
                           << (m_recvRcvCmd + cut.left(banner)).trimmed();
        endDataEvent();
        raw = cut.mid(banner);
    }
    const QString text = SerialReceiver::decode(raw);
    const QString trimmed = text.trimmed();
    // Bytes that continue a data event are data, not an answer.
    const bool continuedData = m_bytesMissingFromRECV;

    m_lineEndedWaitOf.clear();
    if (m_cmdTransmitBuffer.isBusy() && !continuedData) {
        const QString first = trimmed.section(' ', 0, 0);
        const QString cmd = m_cmdTransmitBuffer.lastTransmitted();
        if (m_cmdTransmitBuffer.answer(first)) {
            qDebug().noquote() << m_debugPrefix << "Answer received:" << first;
            m_btTimerWaitForCmdResponse->stop();
            m_lineEndedWaitOf = cmd;
        } else {
            qDebug().noquote() << m_debugPrefix << "Wait for response:" << m_cmdTransmitBuffer.responses();
        }
    }
    traceLine(text);
    m_pending = false;

    if (continuedData) {
        if (!analyseDataEvent(raw))
            return false;
        return true;
    }
    // With CR LF line ends the LF of the line before stands in front.
    int start = 0;
    while (start < raw.size() && raw.at(start) == '\n')
        ++start;
    if (raw.mid(start, 4) == "RECV") {
        if (!analyseDataEvent(raw.mid(start)))
            return false;
        return true;
    }

    analyseModuleEvent(trimmed);
    analyseHeadsetBattery(trimmed);

    if (m_lineEndedWaitOf == "LIST")
        listAnswerEnded();
    if (m_lineEndedWaitOf == "STATUS") {
        m_statusStateSeen = false;
        // An ERROR, or an OK without the STATE line: only the wait ends.
        if (m_waitForStatusOkReceived)
            analyseReceivedStatus();
    }
    return true;
}

void BluetoothIDC777::traceLine(const QString& line)
{
    const QString text = line.trimmed();
    if (m_btModuleToMic) {
        qDebug().noquote() << m_debugPrefix << "BT_M:" << text;
        // Without its CR and a leading LF the log keeps one line per line.
        if (m_host->debugFeatures())
            writeBluetoothCmdsDbg("M->H " + text + "\n");
    } else if (m_btModuleToHp) {
        qDebug().noquote() << m_debugPrefix << "BT_H:" << text;
    } else {
        qDebug().noquote() << "BT:" << text;
    }
}

// "RECV <link hex> <length> <data>": the length counts bytes, and the data
// may hold CRs, so an event can span several cut lines.
bool BluetoothIDC777::analyseDataEvent(const QByteArray& line)
{
    if (!m_bytesMissingFromRECV) {
        const int s1 = line.indexOf(' ');
        const int s2 = s1 < 0 ? -1 : line.indexOf(' ', s1 + 1);
        if (s2 < 0) {
            qDebug().noquote() << m_debugPrefix << "RECV without length dropped:" << line.trimmed();
            return true;
        }
        const int s3 = line.indexOf(' ', s2 + 1);
        const QByteArray lengthWord = (s3 < 0 ? line.mid(s2 + 1) : line.mid(s2 + 1, s3 - s2 - 1)).trimmed();
        bool ok = false;
        const int length = lengthWord.toInt(&ok, 10);
        if (!ok || length < 0 || length > kMaxRecvBytes) {
            qDebug().noquote() << m_debugPrefix << "RECV with invalid length dropped:" << lengthWord;
            return true;
        }
        bool idOk = false;
        m_recvLinkId = line.mid(s1 + 1, s2 - s1 - 1).toInt(&idOk, 16);
        if (!idOk)
            m_recvLinkId = -1;
        m_recvNumBytes = length;
        // The line's own CR stays: it closes the event.
        m_recvRcvCmd = s3 < 0 ? QByteArray("\r") : line.mid(s3 + 1);
    } else {
        m_recvRcvCmd += line;
    }
    qDebug().noquote() << m_debugPrefix << "RECV Exe" << m_bytesMissingFromRECV << m_recvRcvCmd.size()
                       << "of" << m_recvNumBytes;

    if (m_recvRcvCmd.size() <= m_recvNumBytes) {
        qDebug().noquote() << m_debugPrefix << "RECV missingBytes";
        m_bytesMissingFromRECV = true;
        return false;
    }
    m_bytesMissingFromRECV = false;
    if (m_recvLinkId != linkId(Profile::Spp)) {
        qDebug().noquote() << m_debugPrefix << "RECV of link" << m_recvLinkId << "dropped";
        return true;
    }
    m_linePartCmdMode += m_recvRcvCmd.left(m_recvNumBytes);
    m_recvRcvCmd.clear();
    int at;
    while ((at = m_linePartCmdMode.indexOf("\r\n")) >= 0) {
        const QByteArray accessoryLine = m_linePartCmdMode.left(at);
        m_linePartCmdMode.remove(0, at + 2);
        analyseAnswerFromMic(SerialReceiver::decode(accessoryLine));
    }
    if (m_linePartCmdMode.size() > SerialReceiver::kMaxPending) {
        qDebug().noquote() << m_debugPrefix << "Accessory data without line end dropped:"
                           << m_linePartCmdMode.size() << "bytes";
        m_linePartCmdMode.clear();
    }
    return true;
}

void BluetoothIDC777::analyseModuleEvent(const QString& line)
{
    // The first match applies; other lines are only traced.
    if (analyseLinkEvent(line))
        return;
    if (analyseConfigAnswer(line))
        return;
    analyseServiceEvent(line);
}

bool BluetoothIDC777::analyseLinkEvent(const QString& line)
{
    if (line.startsWith("OK")) {
        m_waitForName = false;
        if (m_waitForStatusOkReceived || m_lineEndedWaitOf == "STATUS") {
            // Only this query's own answer, begun by its STATE line, is current.
            m_statusAnswerComplete = m_lineEndedWaitOf == "STATUS" && m_statusStateSeen;
            m_statusStateSeen = false;
            analyseReceivedStatus();
        }
        return true;
    }
    if (line.startsWith("OPEN_OK")) {
        Profile profile;
        if (!profileOf(word(line, 2), &profile)) {
            m_enablePopupInvalidBtId = true;
            return true;
        }
        if (profile == Profile::Spp && connected(profile)) {
            // A repeated confirmation: the link and its accessory stand.
            qDebug().noquote() << m_debugPrefix << "RFCOMM already connected";
            return true;
        }
        m_enablePopupInvalidBtId = true;
        linkOpened(profile, line);
        switchBtStateTo(REFRESH, 0);
        return true;
    }
    if (line.startsWith("OPEN_ERROR")) {
        Profile profile;
        if (profileOf(word(line, 2), &profile))
            linkRefused(profile);
        else
            switchBtStateTo(INIT, 0);
        return true;
    }
    if (line.startsWith("CLOSE_OK")) {
        setConnectionStateForLinkId(hexWord(line, 1), false);
        switchBtStateTo(REFRESH, 5000);
        qDebug().noquote() << m_debugPrefix << "Disconnected";
        return true;
    }
    if (line.startsWith("PENDING") || line.startsWith("RECONNECT")) {
        m_pending = true;
        return true;
    }
    if (line.startsWith("LINK_LOSS")) {
        setConnectionStateForLinkId(hexWord(line, 1), false);
        getStatusOfConnections();
        switchBtStateTo(REFRESH, 0);
        qDebug().noquote() << m_debugPrefix << "Disconnected";
        return true;
    }
    if (line.startsWith("STATE")) {
        for (ProfileLink& l : m_links)
            l.statusConnected = false;
        m_statusA2dpStreaming = m_statusAvrcpPlaying = false;
        m_statusStateSeen = m_cmdTransmitBuffer.isBusy() && m_cmdTransmitBuffer.lastTransmitted() == "STATUS";
        return true;
    }
    if (line.startsWith("LINK")) {
        const int id = hexWord(line, 1);
        Profile profile;
        if (id >= 0 && word(line, 2) == "CONNECTED" && profileOf(word(line, 3), &profile)) {
            ProfileLink& l = link(profile);
            l.linkId = id;
            l.statusConnected = true;
            l.attempts = 0;
            const QString flags = line.section(' ', 5);
            if (profile == Profile::A2dp)
                m_statusA2dpStreaming = flags.contains("STREAMING");
            else if (profile == Profile::Avrcp)
                m_statusAvrcpPlaying = flags.contains("PLAYING");
        }
        switchBtStateTo(REFRESH, 0);
        return true;
    }
    if (line.startsWith("A2DP_STREAM_START")) {
        m_gainsTransmitted = false;
        m_streamingA2dpActive = true;
        switchBtStateTo(REFRESH, 0);
        return true;
    }
    if (line.startsWith("A2DP_STREAM_SUSPEND")) {
        m_streamingA2dpActive = false;
        m_gainsTransmitted = false;
        switchBtStateTo(REFRESH, 0);
        return true;
    }
    if (line.startsWith("ABS_VOL")) {
        bool ok = false;
        const int value = word(line, 2).toInt(&ok, 10);
        if (ok && m_btId == m_btIdHeadphone && hexWord(line, 1) == linkId(Profile::Avrcp)) {
            m_btExtHeadphoneGain = HeadsetVolume::moduleValueToStep(value);
            emit btHeadphoneVolumeChanged(HeadsetVolume::stepToPercent(m_btExtHeadphoneGain));
        }
        return true;
    }
    return false;
}

bool BluetoothIDC777::analyseServiceEvent(const QString& line)
{
    if (line.startsWith(kBanner)) {
        qDebug().noquote() << m_debugPrefix << "Bluetoothmodul has been reset";
        clearCmdTransmitBuffer();
        clearDataTransmitBuffer();
        // A restarted module holds no links: nothing may go out on them
        // before the machine has connected again, from the start as after
        // the driver's own reset.
        dropLinks();
        m_streamingA2dpActive = false;
        endDataEvent();
        clearInitFlags();
        m_btWaitForReadyAfterReset = true;
        switchBtStateTo(WAIT_FOR_FINISH_RESET, 0);
        return true;
    }
    if (line.startsWith("AudioAgent")) {
        m_fwVersionBtModul = line.section(' ', 1);
        return true;
    }
    if (line.startsWith("Ready")) {
        if (m_btWaitForReadyAfterReset) {
            m_btWaitForReadyAfterReset = false;
            m_host->sleepMs(150);
            emit btModulReset();
            switchBtStateTo(REFRESH, 0);
        }
        return true;
    }
    if (line.startsWith("PAIR_OK")) {
        const QString address = word(line, 1);
        qDebug().noquote() << m_debugPrefix << "Pairing successful";
        if (!address.isEmpty()) {
            m_btId = address;
            m_pairOkAddresses << address;
            qDebug().noquote() << m_debugPrefix << "Pairing successful with ID:" << m_btId;
        }
        m_pairingActive = true;
        m_pairOkThisPairing = true;
        m_enablePopupInvalidBtId = true;
        return true;
    }
    if (line.startsWith("PAIR_ERROR")) {
        qDebug().noquote() << m_debugPrefix << "Pairing error";
        m_pairingActive = false;
        return true;
    }
    if (line.startsWith("INQU_OK")) {
        qDebug().noquote() << m_debugPrefix << "Inquiry finished";
        return true;
    }
    if (line.startsWith("NAME ")) {
        const QString address = word(line, 1);
        const QString rest = line.section(' ', 2);
        const int open = rest.indexOf('"');
        const int close = open < 0 ? -1 : rest.indexOf('"', open + 1);
        if (address.isEmpty() || close < 0) {
            qDebug().noquote() << m_debugPrefix << "Name answer not understood:" << line;
            return true;
        }
        const QString name = rest.mid(open + 1, close - open - 1);
        if (!name.isEmpty()) {
            for (BluetoothDevice& d : btDevicesFromInquiry) {
                if (d.btId == address)
                    d.btName = name;
            }
        }
        m_waitForNameCnt = qMax(0, m_waitForNameCnt - 1);
        return true;
    }
    if (line.startsWith("ERROR")) {
        analyseError(line);
        return true;
    }
    if (line.startsWith("LIST")) {
        analyseListLine(line);
        return true;
    }
    return false;
}

void BluetoothIDC777::analyseError(const QString& line)
{
    static const QList<QPair<QString, QString>> kCodes = {
        {"0x0011", "Error: Command not allowed with the current configuration"},
        {"0x0012", "Error: Command not found"},
        {"0x0013", "Error: Wrong parameter"},
        {"0x0014", "Error: Wrong number of parameters"},
        {"0x0015", "Error: Command not allowed in the current state"},
        {"0x0016", "Error: Device already connected"},
        {"0x0017", "Error: Device not connected"},
        {"0x0018", "Error: Command is too long"},
        {"0x0019", "Error: Name not found"},
        {"0x001A", "Error: Configuration not found"},
        {"0x0003", "Error: Unknown error"},
    };
    const QString code = word(line, 1);
    const QString lastCmd = m_cmdTransmitBuffer.lastTransmitted();
    for (const auto& c : kCodes) {
        if (c.first == code)
            qDebug().noquote() << m_debugPrefix << c.second << "(" << lastCmd << ")";
    }
    if (code == "0x0017") {
        // While links are being closed or stay closed on request, "not
        // connected" is the wanted state, not a reason to connect again.
        if (m_btState != DISCONNECT && m_btState != DISCONNECTED)
            switchBtStateTo(INIT, 0);
    }
    else if (code == "0x0019")
        m_waitForNameCnt = qMax(0, m_waitForNameCnt - 1);

    if (lastCmd.startsWith("OPEN") && code != "0x0017") {
        for (int p = 0; p < kProfiles; ++p) {
            if (lastCmd.contains(profileName(Profile(p)))) {
                m_links[p].attempts = 0;
                break;
            }
        }
        getStatusOfConnections();
        qDebug().noquote() << m_debugPrefix << "OPEN ERROR:" << lastCmd << "Flags:"
                           << link(Profile::A2dp).attempts << link(Profile::Avrcp).attempts
                           << link(Profile::Spp).attempts;
    }
}

// With several paired devices the configured one wins wherever it stands
// in the list; whether it is missing is known only at the list's end.
void BluetoothIDC777::analyseListLine(const QString& line)
{
    const QString type = word(line, 1);
    const QString address = word(line, 2);
    if (address.isEmpty()) {
        qDebug().noquote() << m_debugPrefix << "List line not understood:" << line;
        return;
    }
    m_listSeen = true;
    if (!m_btIdFromList.isEmpty() && m_btIdFromList == m_btId)
        return;
    m_typeOfDeviceFromList = type;
    m_btIdFromList = address;
    if (m_btIdFromList != m_btId)
        qDebug().noquote() << m_debugPrefix << "Kein gueltiges Pairing -> m_btId:" << m_btId << m_btIdFromList
                           << line;
}

void BluetoothIDC777::listAnswerEnded()
{
    const bool missing = m_listSeen && m_btIdFromList != m_btId;
    m_listSeen = false;
    if (!missing || !m_enablePopupInvalidBtId || m_btId.isEmpty() || m_host->debugFeatures()
        || m_host->productionTestEnabled())
        return;
    m_enablePopupInvalidBtId = false;
    const int button = m_host->showErrorMessage(tr("Error"), tr("InvalidBluetoothAddressPleaseRestartPairing"));
    qDebug().noquote() << m_debugPrefix << (button == 0 ? "Message Pairing closed" : "Ende Button Unknown");
}

void BluetoothIDC777::analyseHeadsetBattery(const QString& line)
{
    if (!line.startsWith("AT+IPHONEACCEV"))
        return;
    const HeadsetBattery::Report report = HeadsetBattery::parse(line);
    if (!report.valid) {
        qDebug().noquote() << m_debugPrefix << "Headphone battery report not understood:" << line;
        return;
    }
    const int battery = report.hasLevel ? report.percent : 50;
    m_btExtHeadphoneBatteryState = battery;
    qDebug().noquote() << m_debugPrefix << "Headphone Batterystate:" << battery;
    emit btHeadphoneBatteryStateReceived(battery);
}

bool BluetoothIDC777::analyseConfigAnswer(const QString& line)
{
    if (line.startsWith("LOCAL_ADDR=")) {
        m_configReadingInProgress = false;
        m_btIdModul = line.mid(line.indexOf('=') + 1).trimmed();
        qDebug().noquote() << m_debugPrefix << "Bluetooth-ID = " << m_btIdModul;
        if (m_checkCmdAtOk) {
            // Cleared first: a receiver may ask again at once.
            m_checkCmdAtOk = false;
            qDebug().noquote() << m_debugPrefix << "AT-OK received BT-Modul";
            emit btAtOk();
        }
        return true;
    }
    for (const ConfigKey& key : kConfigKeys) {
        const QString prefix = QString(key.key) + '=';
        if (!line.startsWith(prefix))
            continue;
        this->*key.received = line;
        const QString value = line.mid(prefix.size());
        if (key.received == &BluetoothIDC777::m_configRcvdProfiles) {
            const QStringList words = value.split(' ');
            if (words.value(3).startsWith('1')) {
                m_btProfile = 1;
                qDebug().noquote() << m_debugPrefix << "BT-PROFILE: SINK";
            } else if (words.value(4).startsWith('1')) {
                m_btProfile = 2;
                qDebug().noquote() << m_debugPrefix << "BT-PROFILE: SOURCE";
            } else {
                m_btProfile = 0;
                qDebug().noquote() << m_debugPrefix << "BT-PROFILE: UNKOWN -> " << line;
            }
        } else if (key.received == &BluetoothIDC777::m_configRcvdName) {
            m_btName = value.trimmed();
            qDebug().noquote() << m_debugPrefix << "BT-NAME:" << m_btName << "Section:" << line;
        }
        return true;
    }
    return false;
}

void BluetoothIDC777::analyseAnswerFromMic(QString line)
{
    m_isDatamode = AccessoryProtocol::isAnswerLine(line);
    dispatchAccessoryLine(line);
}

void BluetoothIDC777::analyseReceivedStatus()
{
    m_btTimerWaitForStatus->stop();
    m_waitForStatusOkReceived = false;
    if (!m_statusAnswerComplete) {
        // An expired wait or another command's answer: the live flags stand.
        qDebug().noquote() << m_debugPrefix << "No complete link status, flags kept";
        return;
    }
    m_statusAnswerComplete = false;
    for (ProfileLink& l : m_links)
        l.connected = l.statusConnected;
    m_streamingA2dpActive = m_statusA2dpStreaming;
    m_playingAvrcp = m_statusAvrcpPlaying;
}

void BluetoothIDC777::linkOpened(Profile profile, const QString& line)
{
    ProfileLink& l = link(profile);
    switch (profile) {
    case Profile::A2dp:
        l.connected = true;
        l.attempts = 0;
        m_a2dpOpenedAddresses << word(line, 3);
        qDebug().noquote() << m_debugPrefix << "Connected A2DP CONNECT received" << word(line, 1) << m_btState;
        if (m_pairingActive) {
            m_pairingActive = false;
            emit btPairingOk();
        }
        break;
    case Profile::Spp:
        clearDataTransmitBuffer();
        m_host->sleepMs(1000);
        l.connected = true;
        l.attempts = 0;
        qDebug().noquote() << m_debugPrefix << "Connected RFCOMM";
        m_host->updateMicrophoneParameter();
        break;
    case Profile::Avrcp:
        l.connected = true;
        l.attempts = 0;
        break;
    case Profile::Aghfp:
    case Profile::Hfp:
        l.connected = true;
        l.attempts = 0;
        m_btExtHeadphoneBatteryState = -1;
        requestHeadphoneBatteryState();
        break;
    }
}

void BluetoothIDC777::linkRefused(Profile profile)
{
    ProfileLink& l = link(profile);
    l.connected = false;
    l.attempts = 0;
    if (profile == Profile::Spp)
        clearDataTransmitBuffer();
    if (profile != Profile::A2dp) {
        switchBtStateTo(REFRESH, 0);
        return;
    }
    m_streamingA2dpActive = false;
    if (!m_pairingActive) {
        switchBtStateTo(REFRESH, 0);
        return;
    }
    // The pairing stands even when the first connection fails; a refused
    // pairing is no success.
    const bool paired = m_pairOkThisPairing;
    m_pairingActive = false;
    if (paired)
        emit btPairingOk();
    else
        qDebug().noquote() << m_debugPrefix << "Pairing failed";
    switchBtStateTo(INIT, 0);
}

// The first profile the id names, if any.
void BluetoothIDC777::setConnectionStateForLinkId(int linkId, bool connected)
{
    if (linkId < 0)
        return;
    for (int p = 0; p < kProfiles; ++p) {
        ProfileLink& l = m_links[p];
        if (l.linkId != linkId)
            continue;
        l.connected = connected;
        l.attempts = 0;
        if (!connected && Profile(p) == Profile::A2dp)
            m_streamingA2dpActive = false;
        if (!connected && Profile(p) == Profile::Spp) {
            clearDataTransmitBuffer();
            // A line the lost link cut off must not prefix the next link's first.
            m_linePartCmdMode.clear();
        }
        return;
    }
}
