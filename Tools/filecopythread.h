#ifndef FILECOPYTHREAD_H
#define FILECOPYTHREAD_H

#include "Hardware/pathguard.h"

#include <QObject>
#include <QString>
#include <atomic>

class QFile;

// Copies one file in 64 KiB parts. A plain QObject: the owner moves it to a
// QThread of its own, calls copyFile() through a queued connection and polls
// getProgress() from the GUI thread. Paths are the unit's paths.
class FileCopyThread : public QObject
{
    Q_OBJECT
public:
    explicit FileCopyThread(QObject* parent = nullptr);

    // 0..100; safe to call from any thread while a copy runs.
    quint8 getProgress() const { return Progress.load(std::memory_order_relaxed); }

public slots:
    // Replaces an existing target, but only with a complete copy: on any
    // failure the old target stays as it was. A link on the way to the
    // target, or at it, fails the copy. True only when the target ends
    // up as a complete copy of the source.
    bool copyFile(QString sourceFile, QString targetFile);

signals:
    // Emitted right before copyFinished(), for owners that call copyFile()
    // through a queued connection and cannot see its return value.
    void copyResult(bool success);
    void copyFinished();

protected:
    // One read from the source; a seam for tests that change the source
    // while it is being copied.
    virtual qint64 readPart(QFile& source, char* buffer, qint64 maxSize);

private:
    bool copyInOneStep(const QString& source, const QString& target);
    bool copyPartwise(const QString& source, const QString& target);
    static bool openTarget(PathGuard::WholeFile& out);
    static bool commit(PathGuard::WholeFile& out);
    static bool openSource(const QString& source, QFile* in);

    std::atomic<quint8> Progress;
    qint64 FileSize;
    qint64 FilecopyPartsize;
};

#endif
