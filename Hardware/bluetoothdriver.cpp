#include "bluetoothdriver.h"
#include "accessoryprotocol.h"
#include "bluetoothhost.h"
#include "bluetoothtrafficlog.h"
#include "headsetvolume.h"

#include <QDebug>
#include <QTimer>

BluetoothDriver::BluetoothDriver(BluetoothHost* host, const Traits& traits)
    : m_host(host),
      m_port(new BluetoothPort(traits.lineEnd, this)),
      m_btStateTimer(new QTimer(this)),
      m_btTimerTransmit(new QTimer(this)),
      m_transmitBuffer(traits.messagePolicy),
      m_btDacGain(traits.defaultDacGain),
      m_traits(traits)
{
}

BluetoothDriver::~BluetoothDriver() = default;

void BluetoothDriver::readTtyData()
{
    m_port->read([this] { analyseAnswer(); });
}

QString BluetoothDriver::getData()
{
    const QString text = m_port->receiver().takeCopyAfterLineEnd(m_traits.copyLineEnds);
    if (m_inquiryMode)
        m_receivedInquiryText += text;
    return text;
}

void BluetoothDriver::clearData()
{
    m_port->receiver().clearPending();
    m_port->receiver().clearCopy();
    m_receivedInquiryText.clear();
}

bool BluetoothDriver::writeLine(const QByteArray& bytes)
{
    return m_port->writeLine(bytes, m_traits.flushLines);
}

void BluetoothDriver::startTrafficLog()
{
    if (m_host->debugFeatures()) {
        const bool removed = BluetoothTrafficLog::remove();
        qDebug() << "Remove Bt-Info-File" << removed;
    }
}

void BluetoothDriver::writeBluetoothCmdsDbg(QString text)
{
    BluetoothTrafficLog::append(m_host->timeFormat(), text);
}

void BluetoothDriver::dispatchAccessoryLine(const QString& line)
{
    if (AccessoryProtocol::isAnswerLine(line))
        m_transmitBuffer.endWait();
    // The answer signal releases the channel; the next line goes out only
    // then, so one line is in flight at a time.
    AccessoryProtocol::dispatch(*this, *m_host, line, m_debugPrefix, &m_fwVersion);
}

void BluetoothDriver::setGainDefaults()
{
    m_btExtMicGain = 15;
    m_btDacGain = m_traits.defaultDacGain;
    m_btAdcGain = m_host->isHearingProtectionEnabled() ? 1 : m_host->headphoneVolumeOffset() + 5;
    m_btLastAdcGain = m_btAdcGain;
    m_btExtHeadphoneGain = HeadsetVolume::kDefaultStep;
    m_btExtHeadphoneBatteryState = -1;
    m_micInitParameterGain = 15;
    m_micInitParameterMute = 1;
    m_micInitParameterButton = 1;
}

void BluetoothDriver::storeAdcGain(int gain)
{
    if (gain > 0)
        m_btLastAdcGain = gain;
    m_btAdcGain = gain;
}

int BluetoothDriver::sendMicInitParameter(int a_gain, int a_mute, int a_button)
{
    m_micInitParameterGain = a_gain;
    m_micInitParameterMute = a_mute;
    m_micInitParameterButton = a_button;
    if (moduleReady()) {
        // The mute-key mode always comes from the settings.
        const bool switchMode = m_host->isMuteKeySwitchmode();
        m_micInitParameterButton = switchMode ? 1 : 0;
        const QString line = AccessoryProtocol::micInitLine(a_gain, a_mute, switchMode);
        qDebug().noquote() << m_debugPrefix << "MicInit" << line << "gain:" << a_gain;
        sendData(line);
    }
    return 0;
}

void BluetoothDriver::setBtExtMicGain(int gain)
{
    m_btExtMicGain = gain;
    if (moduleReady())
        sendData(AccessoryProtocol::micGainLine(gain));
}

int BluetoothDriver::getBtExtMicGain()
{
    return m_btExtMicGain;
}

int BluetoothDriver::getBtDacGain()
{
    return m_btDacGain;
}

void BluetoothDriver::setBtLastAdcGain()
{
    setBtAdcGain(m_btLastAdcGain);
}

int BluetoothDriver::getBtAdcGain()
{
    return m_btAdcGain;
}

int BluetoothDriver::getBtExtHeadphoneGain()
{
    return m_btExtHeadphoneGain;
}

int BluetoothDriver::getBtExtHeadphoneBatteryState()
{
    return m_btExtHeadphoneBatteryState;
}

QString BluetoothDriver::getBtIdModul()
{
    return m_btIdModul;
}

QString BluetoothDriver::getBtName()
{
    return m_btName;
}

int BluetoothDriver::getBtProfile()
{
    return m_btProfile;
}

QString BluetoothDriver::getFwVersionBtModul()
{
    return m_fwVersionBtModul;
}

void BluetoothDriver::sendDebugCmd()
{
    sendData(AccessoryProtocol::kDebugLine);
}
