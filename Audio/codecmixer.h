#ifndef CODECMIXER_H
#define CODECMIXER_H

#include <QVector>

// The codec's ALSA simple-mixer controls, as AudioCodecSetup reaches them.
// The unit uses AlsaCodecMixer; tests hand in a recording backend.
class CodecMixer
{
public:
    enum class Kind {
        Gain,    // playback dB of all channels, hundredths of a dB
        Switch,  // playback switch of all channels
        Enum,    // enumerated item of channel 0
        Volume,  // raw playback volume of channel 0
    };

    struct Write {
        const char* control;
        Kind kind;
        long value;
    };

    // Result of a write that was skipped because the card could not be
    // attached or has no such control; the backend has logged it.
    static constexpr int NotReached = 1;

    virtual ~CodecMixer() = default;

    // Makes the writes in order on one mixer handle that lives only for this
    // call. One result per write: 0 done, negative ALSA's error code, or
    // NotReached.
    virtual QVector<int> applyAll(const QVector<Write>& writes) = 0;

    int apply(const Write& write) { return applyAll({write}).value(0, NotReached); }
};

#endif
