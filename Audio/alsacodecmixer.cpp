#include "alsacodecmixer.h"

#include <QDebug>

// error.h declares the thread-local error handler outside its extern "C".
extern "C" {
#include <alsa/asoundlib.h>
}

namespace {

// A name no ALSA configuration defines: the attach fails as on a PC without
// a sound card.
const char* const kAbsentCard = "vq4100-no-codec-card";

void quietAlsa(const char*, int, const char*, int, const char*, va_list) {}

int perform(snd_mixer_elem_t* elem, const CodecMixer::Write& w)
{
    switch (w.kind) {
    case CodecMixer::Kind::Gain:
        return snd_mixer_selem_set_playback_dB_all(elem, w.value, 0);
    case CodecMixer::Kind::Switch:
        return snd_mixer_selem_set_playback_switch_all(elem, static_cast<int>(w.value));
    case CodecMixer::Kind::Enum:
        return snd_mixer_selem_set_enum_item(elem, SND_MIXER_SCHN_FRONT_LEFT,
                                             static_cast<unsigned int>(w.value));
    case CodecMixer::Kind::Volume:
        return snd_mixer_selem_set_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, w.value);
    }
    return -EINVAL;
}

}

QByteArray AlsaCodecMixer::defaultCard()
{
#ifdef VQ_TARGET_BUILD
    return QByteArrayLiteral("default");
#else
    const QByteArray chosen = qgetenv("DEVICE_ALSA_MIXER");
    return chosen.isEmpty() ? QByteArray(kAbsentCard) : chosen;
#endif
}

AlsaCodecMixer::AlsaCodecMixer(const QByteArray& card)
    : m_card(card)
{
}

snd_mixer_t* AlsaCodecMixer::openLoaded(const char* firstControl)
{
    snd_mixer_t* handle = nullptr;
    int err = snd_mixer_open(&handle, 0);
    if (err < 0 || !handle) {
        qDebug() << "Mixer: cannot open a handle for" << firstControl << err << snd_strerror(err);
        return nullptr;
    }

    // On the host placeholder the failure is expected and logged below;
    // keep ALSA's own complaint about the unknown name off the console.
    const bool quiet = m_card == kAbsentCard;
    snd_local_error_handler_t previous = quiet ? snd_lib_error_set_local(quietAlsa) : nullptr;
    err = snd_mixer_attach(handle, m_card.constData());
    if (quiet)
        snd_lib_error_set_local(previous);
    if (err < 0) {
        // Each call attaches again; one line is enough to say why nothing
        // reaches the codec.
        if (!m_attachFailureLogged) {
            m_attachFailureLogged = true;
            qDebug() << "Mixer: cannot attach card" << m_card.constData() << err << snd_strerror(err)
                     << "- skipped:" << firstControl;
        }
        snd_mixer_close(handle);
        return nullptr;
    }

    err = snd_mixer_selem_register(handle, nullptr, nullptr);
    if (err >= 0)
        err = snd_mixer_load(handle);
    if (err < 0) {
        qDebug() << "Mixer: cannot load card" << m_card.constData() << err << snd_strerror(err)
                 << "- skipped:" << firstControl;
        snd_mixer_close(handle);
        return nullptr;
    }
    return handle;
}

QVector<int> AlsaCodecMixer::applyAll(const QVector<Write>& writes)
{
    QVector<int> results(writes.size(), NotReached);
    if (writes.isEmpty())
        return results;

    snd_mixer_t* handle = openLoaded(writes.first().control);
    if (!handle)
        return results;

    snd_mixer_selem_id_t* sid = nullptr;
    snd_mixer_selem_id_alloca(&sid);
    for (int i = 0; i < writes.size(); ++i) {
        const Write& w = writes.at(i);
        snd_mixer_selem_id_set_index(sid, 0);
        snd_mixer_selem_id_set_name(sid, w.control);
        snd_mixer_elem_t* elem = snd_mixer_find_selem(handle, sid);
        if (!elem) {
            qDebug() << "Mixer: no control" << w.control << "on card" << m_card.constData();
            continue;
        }
        results[i] = perform(elem, w);
    }
    snd_mixer_close(handle);
    return results;
}
