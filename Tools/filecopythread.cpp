#include "filecopythread.h"

#include "Hardware/devicelayer.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <vector>

FileCopyThread::FileCopyThread(QObject* parent)
    : QObject(parent)
    , Progress(0)
    , FileSize(0)
    , FilecopyPartsize(65536)
{
}

qint64 FileCopyThread::readPart(QFile& source, char* buffer, qint64 maxSize)
{
    return source.read(buffer, maxSize);
}

bool FileCopyThread::copyFile(QString sourceFile, QString targetFile)
{
    const QString source = DeviceLayer::path(sourceFile);
    const QString target = DeviceLayer::path(targetFile);
    const QFileInfo sourceInfo(source);
    const QFileInfo targetInfo(target);
    FileSize = sourceInfo.size();
    Progress.store(0, std::memory_order_relaxed);

    bool result = false;
    if (!sourceInfo.isFile()) {
        qDebug() << "Copy failed, no source file" << sourceFile;
    } else if (targetInfo.isDir()) {
        qDebug() << "Copy failed, target is a folder" << targetFile;
    } else if (targetInfo.exists() && targetInfo.canonicalFilePath() == sourceInfo.canonicalFilePath()) {
        // Replacing the target would destroy the source.
        qDebug() << "Copy failed, source and target are the same file" << sourceFile;
    } else if (FileSize <= FilecopyPartsize) {
        qDebug() << "Copy file in one step";
        result = copyInOneStep(source, target);
    } else {
        qDebug() << "Copy file part by part";
        result = copyPartwise(source, target);
        qDebug() << "Finished partwise copy" << (result ? "true" : "false");
    }

    Progress.store(100, std::memory_order_relaxed);
    emit copyResult(result);
    emit copyFinished();
    return result;
}

bool FileCopyThread::copyInOneStep(const QString& source, const QString& target)
{
    // QFile::copy refuses an existing target; a stale one must not stay.
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        qDebug() << "Copy failed, old target not removed" << DeviceLayer::unitPath(target);
        return false;
    }
    QFile file(source);
    if (!file.copy(target)) {
        qDebug() << "Copy failed" << file.errorString();
        return false;
    }
    const qint64 copied = QFileInfo(target).size();
    if (copied != FileSize) {
        qDebug() << "Error filesize is different" << FileSize << copied;
        return false;
    }
    return true;
}

bool FileCopyThread::copyPartwise(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "Copy failed, source not opened" << in.errorString();
        return false;
    }
    QFile out(target);
    // Truncate: the tail of a longer old target must not survive.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug() << "Copy failed, target not opened" << out.errorString();
        in.close();
        return false;
    }

    std::vector<char> buffer(static_cast<size_t>(FilecopyPartsize));
    bool ok = true;
    qint64 lastRead = 0;
    for (qint64 offset = 0; offset < FileSize; offset += FilecopyPartsize) {
        lastRead = readPart(in, buffer.data(), FilecopyPartsize);
        if (lastRead <= 0) {
            // -1 is a read error, 0 a source that became shorter.
            qDebug() << "Copy failed, source read" << lastRead << "at" << offset << in.errorString();
            ok = false;
            break;
        }
        if (out.write(buffer.data(), lastRead) != lastRead) {
            qDebug() << "Copy failed, target write at" << offset << out.errorString();
            ok = false;
            break;
        }
        Progress.store(quint8(offset * 100 / FileSize), std::memory_order_relaxed);
    }

    if (!out.flush()) {
        qDebug() << "Copy failed, target flush" << out.errorString();
        ok = false;
    }
    out.close();
    const qint64 targetSize = QFileInfo(target).size();
    if (targetSize == FileSize) {
        qDebug() << "Files copied. Size is equal" << FileSize << targetSize << lastRead;
    } else {
        qDebug() << "Error filesize is different" << FileSize << targetSize << lastRead;
        ok = false;
    }
    in.close();
    return ok;
}
