#ifndef ALSACODECMIXER_H
#define ALSACODECMIXER_H

#include "codecmixer.h"

#include <QByteArray>

typedef struct _snd_mixer snd_mixer_t;

// CodecMixer on libasound. Every applyAll() opens, attaches and loads its own
// handle and closes it again; nothing is kept between calls.
class AlsaCodecMixer : public CodecMixer
{
public:
    // The unit's card is "default". A host build must never reach the PC's
    // own sound card: it attaches the card named in DEVICE_ALSA_MIXER, or one
    // that no PC has, so every call ends at the attach.
    static QByteArray defaultCard();

    explicit AlsaCodecMixer(const QByteArray& card = defaultCard());

    QVector<int> applyAll(const QVector<Write>& writes) override;

    QByteArray card() const { return m_card; }

private:
    snd_mixer_t* openLoaded(const char* firstControl);

    QByteArray m_card;
    bool m_attachFailureLogged = false;
};

#endif
