#include "filecopythread.h"

#include "Hardware/checkedfile.h"
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

// Both ways write into a temporary file beside the target, which replaces
// the target only once it holds the whole source: a copy that fails (full
// storage, a source that shrinks) leaves an old target as it was. The target
// is reached through no link.
bool FileCopyThread::copyInOneStep(const QString& source, const QString& target)
{
    QFile in;
    if (!openSource(source, &in))
        return false;
    const QByteArray data = in.read(FileSize + 1);
    if (data.size() != FileSize) {
        qDebug() << "Error filesize is different" << FileSize << data.size();
        return false;
    }
    PathGuard::WholeFile out(target);
    if (!openTarget(out))
        return false;
    if (const FileResult written = out.write(data); !written.ok()) {
        qDebug().noquote() << "Copy failed, target write -" << written.error;
        return false;
    }
    return commit(out);
}

bool FileCopyThread::copyPartwise(const QString& source, const QString& target)
{
    QFile in;
    if (!openSource(source, &in))
        return false;
    PathGuard::WholeFile out(target);
    if (!openTarget(out))
        return false;

    std::vector<char> buffer(static_cast<size_t>(FilecopyPartsize));
    qint64 written = 0;
    qint64 lastRead = 0;
    for (qint64 offset = 0; offset < FileSize; offset += FilecopyPartsize) {
        lastRead = readPart(in, buffer.data(), FilecopyPartsize);
        if (lastRead <= 0) {
            // -1 is a read error, 0 a source that became shorter.
            qDebug() << "Copy failed, source read" << lastRead << "at" << offset << in.errorString();
            break;
        }
        if (const FileResult part = out.write(buffer.data(), lastRead); !part.ok()) {
            qDebug().noquote() << "Copy failed, target write at" << offset << "-" << part.error;
            break;
        }
        written += lastRead;
        Progress.store(quint8(offset * 100 / FileSize), std::memory_order_relaxed);
    }
    in.close();
    if (written != FileSize) {
        qDebug() << "Error filesize is different" << FileSize << written << lastRead;
        return false;
    }
    if (!commit(out))
        return false;
    qDebug() << "Files copied. Size is equal" << FileSize << QFileInfo(target).size() << lastRead;
    return true;
}

bool FileCopyThread::openTarget(PathGuard::WholeFile& out)
{
    if (const FileResult opened = out.open(); !opened.ok()) {
        qDebug().noquote() << "Copy failed, target not opened -" << opened.error;
        return false;
    }
    return true;
}

bool FileCopyThread::openSource(const QString& source, QFile* in)
{
    // A source swapped for a FIFO or a device since it was looked at never
    // holds the thread up.
    if (const FileResult opened = CheckedFile::open(source, in); !opened.ok()) {
        qDebug().noquote() << "Copy failed, source not opened" << source << "-" << opened.error;
        return false;
    }
    return true;
}

bool FileCopyThread::commit(PathGuard::WholeFile& out)
{
    if (const FileResult committed = out.commit(); !committed.ok()) {
        qDebug().noquote() << "Copy failed, target not written -" << committed.error;
        return false;
    }
    return true;
}
