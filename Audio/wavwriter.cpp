#include "wavwriter.h"

#include "recordingwindow.h"
#include "Hardware/fileresult.h"

#include <QDebug>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>

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

bool patchLe32(QFileDevice& file, qint64 offset, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return file.seek(offset) && file.write(b, 4) == 4;
}

bool writeAll(QFileDevice& file, const char* data, qint64 size)
{
    return size <= 0 || file.write(data, size) == size;
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

bool WavWriter::store(const QString& path, RecordingWindow& window, const WavFormat& format)
{
    const QString dir = QFileInfo(path).path();
    if (!QDir(dir).exists()) {
        qDebug() << "Directory doesn't exist -> generate directory:" << dir;
        QDir().mkpath(dir);
    }
    qDebug() << "Bytes in queue:" << window.chunkCount() << window.recordedBytes()
             << window.chunkCount();

    // Written beside the target and renamed over it only when whole: a failed
    // store (a full disk) leaves an older recording of the name as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "Cannot open file:" << path << file.errorString();
        return false;
    }
    // The system's reason of the first call that failed.
    int error = 0;
    const auto done = [&error](bool ok) {
        if (!ok && error == 0)
            error = errno;
        return ok;
    };
    bool ok = done(writeAll(file, header(format).constData(), kHeaderBytes));

    // The limit in whole frames, so the file holds whole frames only.
    const qint64 limit = kMaxDataBytes - kMaxDataBytes % qMax(1, format.frameBytes());
    qint64 sum = 0;
    qint64 lastWrite = 0;
    int taken = 0;
    const auto& chunks = window.chunks();
    while (ok && taken < chunks.size() && sum < limit) {
        const QByteArray& chunk = chunks.at(taken++);
        lastWrite = qMin<qint64>(chunk.size(), limit - sum);
        ok = done(writeAll(file, chunk.constData(), lastWrite));
        sum += chunk.size();
    }
    qDebug() << "File" << lastWrite << sum << chunks.size() - taken;

    const qint64 size = ok && done(file.flush()) ? file.size() : -1;
    ok = size >= kHeaderBytes && done(patchLe32(file, 4, quint32(size - 8)))
         && done(patchLe32(file, 40, quint32(size - kHeaderBytes))) && done(file.commit());
    if (!ok) {
        // The temporary file goes (with the object if not already); the audio stays.
        qDebug().noquote() << "Cannot write file:" << path << "-" << FileResult::of(file, error);
        return false;
    }
    window.takeOldest(taken);
    qDebug() << "File written:" << path << size;
    return true;
}
