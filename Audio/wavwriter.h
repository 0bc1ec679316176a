#ifndef WAVWRITER_H
#define WAVWRITER_H

#include <QByteArray>
#include <QString>

class RecordingWindow;

// The sample format a recording is made in, as the WAV header states it.
struct WavFormat {
    int sampleRate = 16000;
    int channels = 1;
    int sampleBits = 16;
    bool floatSamples = false;

    int frameBytes() const { return channels * ((sampleBits + 7) / 8); }
    int bytesPerSecond() const { return sampleRate * frameBytes(); }
};

// Writes a recording window as a WAV file: a 44-byte header and at most
// 320000 data bytes, the oldest of the window.
class WavWriter
{
public:
    static constexpr int kHeaderBytes = 44;
    static constexpr qint64 kMaxDataBytes = 320000;
    // Written first and patched once the data are in the file.
    static constexpr quint32 kRiffSizePlaceholder = 0x11223344;
    static constexpr quint32 kDataSizePlaceholder = 0x55667788;

    static QByteArray header(const WavFormat& format, quint32 riffSize = kRiffSizePlaceholder,
                             quint32 dataSize = kDataSizePlaceholder);

    // Writes the file at `path` (an existing one is replaced; a missing
    // directory is created), through no link, and takes the chunks written
    // out of the window. The chunk that crosses the limit is written only up
    // to it. The file is written under a temporary name beside it and
    // renamed over it once whole. When that fails, it logs, returns false,
    // removes only the temporary file, keeps an existing file of the name and
    // the window as they were; `error`, if given, says why.
    static bool store(const QString& path, RecordingWindow& window, const WavFormat& format,
                      QString* error = nullptr);

    // Why a file that begins as a WAV file ("RIFF") cannot be played as
    // `format`: its header is not the one store() writes for that format
    // (the two sizes aside). "" when it can.
    static QString headerProblem(const QByteArray& file, const WavFormat& format);
};

#endif
