#include "wavwriter.h"

#include "recordingwindow.h"
#include "Hardware/checkedfile.h"
#include "Hardware/devicelayer.h"
#include "Hardware/pathguard.h"

#include <QDebug>
#include <QFileInfo>
#include <QtEndian>

namespace {

void putLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putLe16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

}

QByteArray WavWriter::header(const WavFormat& format, quint32 riffSize, quint32 dataSize)
{
    const quint16 kPcm = 1;
    const quint16 kIeeeFloat = 3;
    QByteArray h;
    h.reserve(kHeaderBytes);
    h.append("RIFF");
    putLe32(h, riffSize);
    h.append("WAVE");
    h.append("fmt ");
    putLe32(h, 16);
    putLe16(h, format.floatSamples ? kIeeeFloat : kPcm);
    putLe16(h, quint16(format.channels));
    putLe32(h, quint32(format.sampleRate));
    putLe32(h, quint32(format.bytesPerSecond()));
    putLe16(h, quint16(format.frameBytes()));
    putLe16(h, quint16(format.sampleBits));
    h.append("data");
    putLe32(h, dataSize);
    return h;
}

QString WavWriter::headerProblem(const QByteArray& file, const WavFormat& format)
{
    if (file.size() < kHeaderBytes)
        return "its WAV header is cut short";
    // The sizes may still hold their placeholders: the data are played to
    // the end of the file whatever they say.
    const QByteArray expected = header(format);
    const int afterRiffSize = 8;
    const int formatBytes = kHeaderBytes - 4 - afterRiffSize;
    if (file.left(4) != expected.left(4)
        || file.mid(afterRiffSize, formatBytes) != expected.mid(afterRiffSize, formatBytes))
        return QString("its WAV header is not that of a %1-bit %2 recording at %3 Hz with %4 channel(s)")
            .arg(format.sampleBits)
            .arg(format.floatSamples ? "float" : "PCM")
            .arg(format.sampleRate)
            .arg(format.channels);
    return QString();
}

bool WavWriter::store(const QString& path, RecordingWindow& window, const WavFormat& format,
                      QString* error)
{
    const auto fail = [path, error](const FileResult& r, const char* what) {
        qDebug().noquote() << what << path << "-" << r.error;
        if (error)
            *error = DeviceLayer::unitPath(path) + " " + r.error;
        return false;
    };
    const QString dir = QFileInfo(path).path();
    if (CheckedFile::isMissing(dir)) {
        qDebug() << "Directory doesn't exist -> generate directory:" << dir;
        if (const FileResult made = PathGuard::makePath(dir); !made.ok())
            qDebug().noquote() << "Directory not made:" << dir << "-" << made.error;
    }
    qDebug() << "Bytes in queue:" << window.chunkCount() << window.recordedBytes()
             << window.chunkCount();

    // The limit in whole frames, so the file holds whole frames only. The
    // chunk that crosses it is written only up to it.
    const qint64 limit = kMaxDataBytes - kMaxDataBytes % qMax(1, format.frameBytes());
    const auto& chunks = window.chunks();
    qint64 sum = 0;
    qint64 lastWrite = 0;
    int taken = 0;
    while (taken < chunks.size() && sum < limit) {
        const qint64 size = chunks.at(taken++).size();
        lastWrite = qMin(size, limit - sum);
        sum += size;
    }
    const qint64 dataBytes = qMin(sum, limit);

    // Written beside the target and renamed over it only when whole: a failed
    // store (a full disk) leaves an older recording of the name as it was.
    PathGuard::WholeFile file(path);
    if (const FileResult opened = file.open(); !opened.ok())
        return fail(opened, "Cannot open file:");
    FileResult r = file.write(header(format, quint32(dataBytes + kHeaderBytes - 8), quint32(dataBytes)));
    qint64 left = dataBytes;
    for (int i = 0; r.ok() && i < taken; ++i) {
        const qint64 size = qMin<qint64>(chunks.at(i).size(), left);
        r = file.write(chunks.at(i).constData(), size);
        left -= size;
    }
    qDebug() << "File" << lastWrite << sum << chunks.size() - taken;
    if (r.ok())
        r = file.commit();
    // The part written goes with the file object; the audio stays.
    if (!r.ok())
        return fail(r, "Cannot write file:");
    window.takeOldest(taken);
    qDebug() << "File written:" << path << dataBytes + kHeaderBytes;
    return true;
}
