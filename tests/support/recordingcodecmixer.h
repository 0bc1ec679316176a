#ifndef RECORDINGCODECMIXER_H
#define RECORDINGCODECMIXER_H

#include "Audio/audiocodecsetup.h"
#include "Audio/codecmixer.h"
#include "recordingregisterport.h"

#include <QHash>
#include <QStringList>

class MainMenu;

// A CodecMixer that keeps every write in order instead of reaching ALSA.
// Named controls can be made to fail with an ALSA error (or NotReached, as
// a missing control).
class RecordingCodecMixer : public CodecMixer
{
public:
    struct Entry {
        QString control;
        Kind kind;
        long value;
    };

    QVector<int> applyAll(const QVector<Write>& writes) override;

    void failControl(const QString& control, int result = -5 /* -EIO */);

    QVector<Entry> entries() const { return m_entries; }
    // "<kind> <control>=<value>", kinds "gain", "switch", "enum", "volume".
    QStringList lines() const;
    // Mixer handles the code under test asked for.
    int handlesOpened() const { return m_handles; }
    void clear();

    static QString line(Kind kind, const QString& control, long value);

private:
    QVector<Entry> m_entries;
    QHash<QString, int> m_failing;
    int m_handles = 0;
};

// Puts a recording mixer behind the main window's codec; the codec owns it.
// Made with the main window's rig (testunit.cpp).
RecordingCodecMixer* recordCodec(MainMenu* w);

// A codec of its own on recording backends; the constructor's writes are
// cleared.
struct RecordingCodec {
    RecordingCodecMixer* mixer = new RecordingCodecMixer;
    RecordingRegisterPort* port = new RecordingRegisterPort;
    AudioCodecSetup codec{std::unique_ptr<CodecMixer>(mixer), std::unique_ptr<CodecRegisterPort>(port)};
    RecordingCodec() { mixer->clear(); }
};

#endif
