#ifndef AUDIOCODECSETUP_H
#define AUDIOCODECSETUP_H

#include "codecfiltertables.h"
#include "codecmixer.h"
#include "codecregisterport.h"

#include <QObject>
#include <functional>
#include <memory>

// The unit's audio codec (TLV320AIC32x4 family, I2C bus 1, address 0x18):
// routing, input selection, gains and line-out mute through its ALSA mixer
// controls, and the band filter of its DAC through the driver's register
// file. Gains are in hundredths of a dB. GUI thread only.
class AudioCodecSetup : public QObject
{
    Q_OBJECT
public:
    // What init() needs from the rest of the program, handed in by whoever
    // makes the codec. Empty functions are allowed: the step is skipped and
    // logged.
    struct Hooks {
        // The status object's sensor type (4: sensor on the wired input).
        std::function<int()> sensorType;
        // The main window's muteAudioPath(mute, transmit); false when there
        // is no main window to call.
        std::function<bool(bool mute, bool transmit)> muteAudioPath;
    };

    // The real mixer and register file.
    explicit AudioCodecSetup(QObject* parent = nullptr);
    // Null arguments take the real backend.
    AudioCodecSetup(std::unique_ptr<CodecMixer> mixer, std::unique_ptr<CodecRegisterPort> registers,
                    QObject* parent = nullptr);
    ~AudioCodecSetup() override;

    void setHooks(const Hooks& hooks) { m_hooks = hooks; }
    // Later mixer writes go to this backend (tests record them).
    void setMixer(std::unique_ptr<CodecMixer> mixer) { m_mixer = std::move(mixer); }
    // Later register writes go to this port.
    void setRegisterPort(std::unique_ptr<CodecRegisterPort> registers) { m_codec = std::move(registers); }

    // One mixer control each, on a handle of its own.
    void setMixerElementGain(const char* elementName, long val_dB);
    void setMixerElementValue(const char* elementName, int val);
    void setMixerElementEnumValue(const char* elementName, unsigned int val);
    void setMixerElement(const char* elementName, long val);

    void setLineOutGain(long val_dB);
    void setMicPgaGain(long val_dB);
    void setAdcGain(long val_dB);
    void setDacGain(long val_dB);
    void setMuting(bool mute);
    bool isMuted() const { return m_muted; }
    void setMicPgaEnable(int val);
    void setAdcPgaMute(int val);
    void setLineOutEnable(int val);
    void setCommonModeControl();
    void setLoopbackEnable(bool enable);
    void setAnalogLoopback();
    void setDigitalLoopback();
    // 0 none, 1 IN1 (accessory-side Bluetooth module), 2 IN2 (H2 sensor),
    // 3 IN3 (wired sensor); anything else IN1.
    void setInputPath(int input);
    // 1: PGA off, ADC muted, no input, no loop-back; anything else: input 1
    // through PGA and ADC, looped back to the DAC.
    void setRouting(int routing);
    void init();

    // Kept only; the codec never sees them.
    void setMicGain(int micGain) { m_micGain = micGain; }
    void getMicGain(int* micGain) const;
    void setHeadphoneGain(int headphoneGain) { m_headphoneGain = headphoneGain; }
    void getHeadphoneGain(int* headphoneGain) const;

    // 0 when written, -1 when the register file could not be used.
    int writeRegister(int reg, int val);

    // Filter types: 0 none, 1 band-pass, 2 band-stop (kept and reported,
    // but the codec passes the signal unchanged).
    void setFilter(quint32 a_lowCutOffFreq, quint32 a_highCutOffFreq, int a_filterType);
    void getFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const;
    // The caller's array must hold 26 entries.
    void getAvailableLpFilterFrequencies(quint32* m_lpFilterFrequencies, int* m_numLpFilter) const;
    void getAvailableHpFilterFrequencies(quint32* m_hpFilterFrequencies, int* m_numHpFilter) const;
    // Row selectors of the two extra sections; used by the next setFilter
    // while the developer features are on.
    void setSpecialFilter(bool filter50Hz, bool filterPreemphase);
    void getSpecialFilter(bool* filter50Hz, bool* filterPreemphase) const
    {
        *filter50Hz = m_filter50HzEnabled;
        *filterPreemphase = m_filterPreemphaseEnabled;
    }
    // Bits 31..24, 23..16 and 15..8 to registers offset .. offset+2.
    void writeFilterCoeffs(int offset, qint32 value);

private:
    using FilterRow = CodecFilterTables::FilterRow;

    static void copyFrequencies(const CodecFilterTables::FilterTable& table, quint32* out, int* count);
    int mix(const char* elementName, CodecMixer::Kind kind, long value);
    void selectPage(int page);
    void writeSectionCoeffs(const FilterRow& row, int firstCoeff, int count, int firstRegister);

    quint32 m_lpFreq = 4000;
    quint32 m_hpFreq = 0;
    int m_filterType = 0;
    int m_micGain = 0;
    int m_headphoneGain = 0;
    bool m_muted = true;
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;

    std::unique_ptr<CodecMixer> m_mixer;
    std::unique_ptr<CodecRegisterPort> m_codec;
    Hooks m_hooks;
};

#endif
