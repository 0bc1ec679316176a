#include "audiocodecsetup.h"
#include "alsacodecmixer.h"
#include "codecregisterfile.h"
#include "Management/settingsstore.h"

#include <QDebug>
#include <alsa/asoundlib.h>

namespace {

const char* const kCommonMode = "FullChipCM=0,75V LineOutCM=1,65V";
const char* const kLoopbackSwitch = "Loopback ADC ADC>DAC";
const char* const kLoopbackSecDataIn = "Loopback-SecDataIn";
const char* const kDacMode = "DAC mode PRB_P3";

constexpr int kWiredSensor = 4;

// The six input-mixer switches, in the order they are always written.
struct InputSwitch {
    const char* control;
    const char* logLabel;
};
const InputSwitch kInputSwitches[6] = {
    {"Left Input Mixer IN1_L P", "Select Input IN1_L:"},
    {"Right Input Mixer IN1_R P", "Select Input IN1_R:"},
    {"Left Input Mixer IN2_L P", "Select Input IN2_L:"},
    {"Right Input Mixer IN2_R P", "Select Input IN2_R:"},
    {"Left Input Mixer IN3_L P", "Select Input IN3_L:"},
    {"Right Input Mixer IN3_R P", "Select Input IN3_R:"},
};

// Coefficient memory: page and first register of N0 for each section, left
// and right channel. A coefficient takes four registers.
constexpr int kCoeffStride = 4;
constexpr int kFilterPageLeft = 44;
constexpr int kFilterPageRight = 45;
constexpr int kFilterPageRight2 = 46;
constexpr int kAdaptiveControl = 1;  // page 44
constexpr int kAdaptiveUpdate = 4;
constexpr int kAdaptiveSwitchBuffers = 5;

}

AudioCodecSetup::AudioCodecSetup(QObject* parent)
    : AudioCodecSetup(nullptr, nullptr, parent)
{
}

AudioCodecSetup::AudioCodecSetup(std::unique_ptr<CodecMixer> mixer,
                                 std::unique_ptr<CodecRegisterPort> registers, QObject* parent)
    : QObject(parent)
    , m_mixer(mixer ? std::move(mixer) : std::make_unique<AlsaCodecMixer>())
    , m_codec(registers ? std::move(registers) : std::make_unique<CodecRegisterFile>())
{
    qDebug() << "--- AudioCodecSetup ---";
    setCommonModeControl();
    qDebug() << "Setup common mode control finished";
}

AudioCodecSetup::~AudioCodecSetup() = default;

// ---------------------------------------------------------------- mixer

int AudioCodecSetup::mix(const char* elementName, CodecMixer::Kind kind, long value)
{
    return m_mixer->apply({elementName, kind, value});
}

void AudioCodecSetup::setMixerElementGain(const char* elementName, long val_dB)
{
    mix(elementName, CodecMixer::Kind::Gain, val_dB);
}

void AudioCodecSetup::setMixerElementValue(const char* elementName, int val)
{
    const int err = mix(elementName, CodecMixer::Kind::Switch, val);
    if (err < 0)
        qDebug() << "Error setting mixerelement value:" << elementName << err << snd_strerror(err);
}

void AudioCodecSetup::setMixerElementEnumValue(const char* elementName, unsigned int val)
{
    const int err = mix(elementName, CodecMixer::Kind::Enum, static_cast<long>(val));
    if (err < 0)
        qDebug() << "Error setting mixerelement enum value:" << elementName << err << snd_strerror(err);
}

void AudioCodecSetup::setMixerElement(const char* elementName, long val)
{
    mix(elementName, CodecMixer::Kind::Volume, val);
}

void AudioCodecSetup::setLineOutGain(long val_dB)
{
    setMixerElementGain("LO Driver Gain", val_dB);
}

void AudioCodecSetup::setMicPgaGain(long val_dB)
{
    setMixerElementGain("PGA Level", val_dB);
}

void AudioCodecSetup::setAdcGain(long val_dB)
{
    setMixerElementGain("ADC Level", val_dB);
}

void AudioCodecSetup::setDacGain(long val_dB)
{
    setMixerElementGain("PCM", val_dB);
}

void AudioCodecSetup::setMuting(bool mute)
{
    setMixerElementValue("LO DAC", mute ? 0 : 1);
    m_muted = mute;
}

void AudioCodecSetup::setMicPgaEnable(int val)
{
    setMixerElementValue("Mic PGA", val);
}

void AudioCodecSetup::setAdcPgaMute(int val)
{
    setMixerElementValue("ADCFGA Left Mute", val);
    setMixerElementValue("ADCFGA Right Mute", val);
}

void AudioCodecSetup::setLineOutEnable(int val)
{
    setMixerElementValue("LOL Output Mixer L_DAC", val);
    setMixerElementValue("LOR Output Mixer R_DAC", val);
}

void AudioCodecSetup::setCommonModeControl()
{
    setMixerElementEnumValue(kCommonMode, 1);
}

void AudioCodecSetup::setLoopbackEnable(bool enable)
{
    // The ADC>DAC switch stays 0 both ways: the loop runs through the
    // secondary data input, which the enum selects.
    qDebug() << (enable ? "AudioCodecSetup: Loopback enable" : "AudioCodecSetup: Loopback disable");
    setMixerElementValue(kLoopbackSwitch, 0);
    setMixerElementEnumValue(kLoopbackSecDataIn, enable ? 1 : 0);
    if (enable)
        setMixerElementEnumValue(kDacMode, 1);
}

void AudioCodecSetup::setAnalogLoopback()
{
    setLoopbackEnable(false);
    setMixerElementValue("LOL Output Mixer L_DAC", 0);
    setMixerElementValue("LOR Output Mixer R_DAC", 0);
    setMixerElementValue("LOL Output Mixer MAL", 1);
    setMixerElementValue("LOR Output Mixer MAR", 1);
    setMixerElementValue("MAL Power", 1);
    setMixerElementValue("MAR Power", 1);
    setLineOutGain(400);
}

void AudioCodecSetup::setDigitalLoopback()
{
    setLoopbackEnable(true);
    setMixerElementValue("LOL Output Mixer MAL", 0);
    setMixerElementValue("LOR Output Mixer MAR", 0);
    setMixerElementValue("LOL Output Mixer L_DAC", 1);
    setMixerElementValue("LOR Output Mixer R_DAC", 1);
    setMixerElementValue("MAL Power", 0);
    setMixerElementValue("MAR Power", 0);
    setLineOutGain(0);
}

void AudioCodecSetup::setInputPath(int input)
{
    int pair = 1;  // IN1 for anything unknown
    switch (input) {
    case 0:
        qDebug() << "Select Input NONE";
        pair = 0;
        break;
    case 2:
        qDebug() << "Select Input IN2";
        pair = 2;
        break;
    case 3:
        qDebug() << "Select Input IN3";
        pair = 3;
        break;
    default:
        qDebug() << "Select Input IN1";
        break;
    }

    QVector<CodecMixer::Write> writes;
    for (int i = 0; i < 6; ++i)
        writes.append({kInputSwitches[i].control, CodecMixer::Kind::Switch, i / 2 + 1 == pair ? 1 : 0});
    const QVector<int> results = m_mixer->applyAll(writes);
    for (int i = 0; i < results.size() && i < 6; ++i) {
        if (results.at(i) < 0)
            qDebug() << kInputSwitches[i].logLabel << results.at(i) << snd_strerror(results.at(i));
    }
}

void AudioCodecSetup::setRouting(int routing)
{
    if (routing == 1) {
        setMicPgaEnable(0);
        setAdcPgaMute(1);
        setMicPgaGain(0);
        setAdcGain(-1200);
        setLineOutEnable(1);
        setLineOutGain(0);
        setDacGain(0);
        setInputPath(0);
        setLoopbackEnable(false);
    } else {
        setMicPgaEnable(1);
        setAdcPgaMute(0);
        setLineOutEnable(1);
        setLineOutGain(0);
        setMicPgaGain(300);
        setAdcGain(200);
        setDacGain(0);
        setInputPath(1);
        setLoopbackEnable(true);
    }
    setMixerElementEnumValue(kDacMode, 1);
}

void AudioCodecSetup::init()
{
    qDebug() << "**** INIT Audio-Codec ****";
    setMixerElementValue(kLoopbackSwitch, 0);
    setMixerElementEnumValue(kDacMode, 1);
    setRouting(0);

    int sensorType = 0;
    if (m_hooks.sensorType)
        sensorType = m_hooks.sensorType();
    else
        qDebug() << "AudioCodecSetup: no status object attached, sensor type unknown";
    if (sensorType == kWiredSensor) {
        setInputPath(3);
        qDebug() << "AudioCodecSetup: Direkteingang (Kabelsensor) gewählt";
    } else {
        setInputPath(1);
        qDebug() << "AudioCodecSetup: Bluetooth-Eingang gewählt";
    }

    if (!m_hooks.muteAudioPath || !m_hooks.muteAudioPath(true, true))
        qDebug() << "AudioCodecSetup: no main window attached, audio path not muted";
}

void AudioCodecSetup::getMicGain(int* micGain) const
{
    if (micGain)
        *micGain = m_micGain;
}

void AudioCodecSetup::getHeadphoneGain(int* headphoneGain) const
{
    if (headphoneGain)
        *headphoneGain = m_headphoneGain;
}

// ---------------------------------------------------------------- registers

int AudioCodecSetup::writeRegister(int reg, int val)
{
    const QByteArray text = QByteArray::number(reg, 16) + ' ' + QByteArray::number(val, 16);
    switch (m_codec->write(text)) {
    case CodecRegisterPort::Result::Written:
        return 0;
    case CodecRegisterPort::Result::NotOpened:
        qDebug() << "Error: Could not open Audio-Codec";
        return -1;
    case CodecRegisterPort::Result::NotWritten:
        qDebug() << "Error: Audio-Codec refused register write" << text;
        return -1;
    }
    return -1;
}

// ---------------------------------------------------------------- band filter

void AudioCodecSetup::setFilter(quint32 a_lowCutOffFreq, quint32 a_highCutOffFreq, int a_filterType)
{
    using namespace CodecFilterTables;
    const FilterTable& lpTable = filterCoeffs_LP();
    const FilterTable& hpTable = filterCoeffs_HP();

    // No filter: both kinds of section pass the signal unchanged.
    int lpPos = kRows - 1;
    int hpPos = 0;
    int type = a_filterType;
    if (a_filterType == 1) {
        const int lp = nearestRow(a_highCutOffFreq);
        const int hp = nearestRow(a_lowCutOffFreq);
        if (lp == hp) {
            qDebug() << "Wrong Filtersettings" << lpTable[lp][Freq] << hpTable[lp][Freq] << 1;
            type = 0;
        } else {
            lpPos = lp;
            hpPos = hp;
        }
    }
    m_lpFreq = lpTable[lpPos][Freq];
    m_hpFreq = hpTable[hpPos][Freq];
    m_filterType = type;
    qDebug() << "Filter Ist: LP=" << m_lpFreq << "HP=" << m_hpFreq << "Type=" << m_filterType << "lpPos"
             << lpPos << "hpPos" << hpPos;

    const FilterRow& lowPass = lpTable[lpPos];
    const FilterRow& highPass = hpTable[hpPos];
    const bool extras = g_debugFeatures == 1;
    const FilterRow& s5 = extras ? filterCoeffs_50Hz[m_filter50HzEnabled ? 1 : 0] : lowPass;
    const FilterRow& s6 = extras ? filterCoeffs_Preemphase[m_filterPreemphaseEnabled ? 1 : 0] : highPass;

    // Sections 1-2 low-pass, 3-4 high-pass, 5 and 6 as chosen above; both
    // channels alike. Section 6 of the left channel and of the right one
    // straddle page boundaries.
    selectPage(kFilterPageLeft);
    writeRegister(kAdaptiveControl, kAdaptiveUpdate);

    writeSectionCoeffs(lowPass, 0, 5, 12);
    selectPage(kFilterPageLeft);
    writeSectionCoeffs(lowPass, 0, 5, 32);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(lowPass, 0, 5, 20);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(lowPass, 0, 5, 40);

    selectPage(kFilterPageLeft);
    writeSectionCoeffs(highPass, 0, 5, 52);
    selectPage(kFilterPageLeft);
    writeSectionCoeffs(highPass, 0, 5, 72);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(highPass, 0, 5, 60);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(highPass, 0, 5, 80);

    selectPage(kFilterPageLeft);
    writeSectionCoeffs(s5, 0, 5, 92);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(s5, 0, 5, 100);

    selectPage(kFilterPageLeft);
    writeSectionCoeffs(s6, 0, 4, 112);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(s6, 4, 1, 8);
    selectPage(kFilterPageRight);
    writeSectionCoeffs(s6, 0, 2, 120);
    selectPage(kFilterPageRight2);
    writeSectionCoeffs(s6, 2, 3, 8);

    selectPage(kFilterPageLeft);
    writeRegister(kAdaptiveControl, kAdaptiveSwitchBuffers);
}

void AudioCodecSetup::getFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const
{
    const bool bandStop = m_filterType == 2;
    if (lowCutOffFreq)
        *lowCutOffFreq = bandStop ? m_lpFreq : m_hpFreq;
    if (highCutOffFreq)
        *highCutOffFreq = bandStop ? m_hpFreq : m_lpFreq;
    if (filterType)
        *filterType = m_filterType;
}

void AudioCodecSetup::getAvailableLpFilterFrequencies(quint32* m_lpFilterFrequencies, int* m_numLpFilter) const
{
    copyFrequencies(CodecFilterTables::filterCoeffs_LP(), m_lpFilterFrequencies, m_numLpFilter);
}

void AudioCodecSetup::getAvailableHpFilterFrequencies(quint32* m_hpFilterFrequencies, int* m_numHpFilter) const
{
    copyFrequencies(CodecFilterTables::filterCoeffs_HP(), m_hpFilterFrequencies, m_numHpFilter);
}

void AudioCodecSetup::copyFrequencies(const CodecFilterTables::FilterTable& table, quint32* out, int* count)
{
    if (out) {
        for (int i = 0; i < CodecFilterTables::kRows; ++i)
            out[i] = table[i][CodecFilterTables::Freq];
    }
    if (count)
        *count = CodecFilterTables::kRows;
}

void AudioCodecSetup::setSpecialFilter(bool filter50Hz, bool filterPreemphase)
{
    m_filter50HzEnabled = filter50Hz;
    m_filterPreemphaseEnabled = filterPreemphase;
}

void AudioCodecSetup::writeFilterCoeffs(int offset, qint32 value)
{
    // The codec takes 24 bits with 23 fraction bits; the low byte and the
    // coefficient's fourth register are left alone.
    const quint32 bits = static_cast<quint32>(value);
    writeRegister(offset, static_cast<int>((bits >> 24) & 0xFFu));
    writeRegister(offset + 1, static_cast<int>((bits >> 16) & 0xFFu));
    writeRegister(offset + 2, static_cast<int>((bits >> 8) & 0xFFu));
}

void AudioCodecSetup::selectPage(int page)
{
    writeRegister(0, page);
}

void AudioCodecSetup::writeSectionCoeffs(const FilterRow& row, int firstCoeff, int count, int firstRegister)
{
    for (int i = 0; i < count; ++i)
        writeFilterCoeffs(firstRegister + i * kCoeffStride,
                          static_cast<qint32>(row[CodecFilterTables::N0 + firstCoeff + i]));
}
