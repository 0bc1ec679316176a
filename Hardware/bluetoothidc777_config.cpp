// IDC777 driver: module configuration, gains and volume, service commands.
#include "bluetoothidc777.h"
#include "headsetvolume.h"

#include <QDebug>

namespace {
const QStringList kOkOrError{"OK", "ERROR"};
constexpr int kConfigTimeoutMs = 2000;
}

// In the order the module is read, compared and written.
const BluetoothIDC777::ConfigKey BluetoothIDC777::kConfigKeys[9] = {
    {"PROFILES", &BluetoothIDC777::m_sourceProfiles, &BluetoothIDC777::m_sinkProfiles,
     &BluetoothIDC777::m_simMicProfiles, &BluetoothIDC777::m_configRcvdProfiles},
    {"AUTOCONN", &BluetoothIDC777::m_sourceAutoConn, &BluetoothIDC777::m_sinkAutoConn,
     &BluetoothIDC777::m_simMicAutoConn, &BluetoothIDC777::m_configRcvdAutoConn},
    {"BATT_CONFIG", &BluetoothIDC777::m_sourceBattConfig, &BluetoothIDC777::m_sinkBattConfig,
     &BluetoothIDC777::m_simMicBattConfig, &BluetoothIDC777::m_configRcvdBattConfig},
    {"GPIO_CONFIG", &BluetoothIDC777::m_sourceGpioConfig, &BluetoothIDC777::m_sinkGpioConfig,
     &BluetoothIDC777::m_simMicGpioConfig, &BluetoothIDC777::m_configRcvdGpioConfig},
    {"COD", &BluetoothIDC777::m_sourceCod, &BluetoothIDC777::m_sinkCod, &BluetoothIDC777::m_simMicCod,
     &BluetoothIDC777::m_configRcvdCod},
    {"NAME", &BluetoothIDC777::m_sourceName, &BluetoothIDC777::m_sinkName,
     &BluetoothIDC777::m_simMicName, &BluetoothIDC777::m_configRcvdName},
    {"BT_CONFIG", &BluetoothIDC777::m_sourceBtConfig, &BluetoothIDC777::m_sinkBtConfig,
     &BluetoothIDC777::m_simMicBtConfig, &BluetoothIDC777::m_configRcvdBtConfig},
    {"AUDIO_ANALOG", &BluetoothIDC777::m_sourceAudioAnalog, &BluetoothIDC777::m_sinkAudioAnalog,
     &BluetoothIDC777::m_simMicAudioAnalog, &BluetoothIDC777::m_configRcvdAudioAnalog},
    // The sink has no hands-free set-up.
    {"HFP_CONFIG", &BluetoothIDC777::m_sourceHfpConfig, nullptr, &BluetoothIDC777::m_simMicHfpConfig,
     &BluetoothIDC777::m_configRcvdHfpConfig},
};

BluetoothIDC777::Field BluetoothIDC777::wantedFor(const ConfigKey& key, Role role)
{
    switch (role) {
    case Role::Source:
        return key.source;
    case Role::Sink:
        return key.sink;
    case Role::SimulatedAccessory:
        return key.simMic;
    }
    return nullptr;
}

// Entries in table order, for the keys the role has.
void BluetoothIDC777::setWantedConfig(Role role, const QStringList& entries)
{
    int i = 0;
    for (const ConfigKey& key : kConfigKeys) {
        if (const Field wanted = wantedFor(key, role))
            this->*wanted = entries.value(i++);
    }
}

void BluetoothIDC777::getConfiguration()
{
    m_configReadingInProgress = true;
    for (const ConfigKey& key : kConfigKeys) {
        (this->*key.received).clear();
        submitCommand(QString("GET ") + key.key, kOkOrError, kConfigTimeoutMs);
    }
    submitCommand("GET LOCAL_ADDR", {"LOCAL_ADDR=", "OK", "ERROR"}, kConfigTimeoutMs);
}

bool BluetoothIDC777::isConfigEqual(Role role, const char* logName)
{
    for (const ConfigKey& key : kConfigKeys) {
        const Field wanted = wantedFor(key, role);
        if (wanted && this->*key.received != this->*wanted) {
            qDebug().noquote() << m_debugPrefix << QString("%1: Config %2 is different").arg(logName, key.key);
            return false;
        }
    }
    return true;
}

bool BluetoothIDC777::isConfigEqualSink()
{
    return isConfigEqual(Role::Sink, "SINK");
}

bool BluetoothIDC777::isConfigEqualSource()
{
    return isConfigEqual(Role::Source, "SOURCE");
}

void BluetoothIDC777::writeConfig(Role role)
{
    m_waitForInitWritten = true;
    m_waitForInitWrittenCnt = 0;
    for (const ConfigKey& key : kConfigKeys) {
        if (const Field wanted = wantedFor(key, role))
            submitCommand("SET " + this->*wanted, kOkOrError, kConfigTimeoutMs);
    }
    submitCommand("WRITE", kOkOrError, kConfigTimeoutMs);
}

void BluetoothIDC777::initBtModulSink()
{
    writeConfig(Role::Sink);
}

void BluetoothIDC777::initBtModulSource()
{
    writeConfig(Role::Source);
}

void BluetoothIDC777::initBtModulSourceTestmode()
{
    m_audioTestModeActive = true;
    writeConfig(Role::SimulatedAccessory);
}

void BluetoothIDC777::setAudioTestModeFlag(bool flag)
{
    m_audioTestModeActive = flag;
}

void BluetoothIDC777::setBtDacGain(int gain)
{
    m_btDacGain = gain;
    if (m_initSuccessful)
        submitCommand(QString("VOLUME 1 %1").arg(gain), kOkOrError, 2000);
}

void BluetoothIDC777::setBtAdcGain(int gain)
{
    storeAdcGain(gain);
    if (m_initSuccessful)
        submitCommand(QString("VOLUME 0 %1").arg(gain), kOkOrError, 2000);
}

void BluetoothIDC777::setBtExtHeadphoneGainStep(int extHeadphoneGain)
{
    m_btExtHeadphoneGain = extHeadphoneGain;
    if (m_initSuccessful) {
        submitCommand(QString("VOLUME %1 %2")
                          .arg(hexLinkId(linkId(Profile::Avrcp)))
                          .arg(HeadsetVolume::stepToModuleValue(extHeadphoneGain)),
                      kOkOrError, 2000);
    }
}

void BluetoothIDC777::setBtExtHeadphoneGain(int volPercent)
{
    setBtExtHeadphoneGainStep(HeadsetVolume::percentToStep(volPercent));
}

void BluetoothIDC777::setBtExtHeadphoneVolUp()
{
    setBtExtHeadphoneGainStep(qMin(m_btExtHeadphoneGain + 1, HeadsetVolume::kMaxStep));
}

void BluetoothIDC777::setBtExtHeadphoneVolDown()
{
    setBtExtHeadphoneGainStep(qMax(m_btExtHeadphoneGain - 1, 0));
}

void BluetoothIDC777::requestHeadphoneVolume()
{
    submitCommand("VOLUME " + hexLinkId(linkId(Profile::Avrcp)), kOkOrError, 2000);
}

// The headset reports its battery by itself.
void BluetoothIDC777::requestHeadphoneBatteryState() {}

void BluetoothIDC777::clearAllPairings()
{
    m_pairingActive = false;
    submitCommand("UNPAIR", kOkOrError, 2000);
}

void BluetoothIDC777::btModulFactoryReset()
{
    submitCommand("RESTORE", {"Ready"}, 5000);
}

void BluetoothIDC777::getBluetoothAddress()
{
    submitCommand("GET LOCAL_ADDR", {"LOCAL_ADDR", "OK", "ERROR"}, 2000);
}

void BluetoothIDC777::checkCmdAtOk()
{
    m_checkCmdAtOk = true;
    submitCommand("GET LOCAL_ADDR", kOkOrError, 2000);
}
