#include "bluetoothtrafficlog.h"
#include "checkedfile.h"
#include "pathguard.h"
#include "devicelayer.h"
#include "massstorage.h"

#include <QDebug>
#include <QFile>
#include <QTime>

#include <unistd.h>

namespace BluetoothTrafficLog {

const char* const kPath = "/media/vq4100/btInfo.txt";

bool remove()
{
    if (!MassStorage::mayWrite(kPath))
        return false;
    const QString path = DeviceLayer::path(kPath);
    return !CheckedFile::isMissing(path) && PathGuard::removeTree(path).ok();
}

void append(const QString& timeFormat, const QString& text)
{
    if (!MassStorage::mayWrite(kPath))
        return;
    int fd = -1;
    const FileResult opened = PathGuard::openForAppending(DeviceLayer::path(kPath), &fd);
    QFile file;
    if (!opened.ok() || !file.open(fd, QIODevice::ReadWrite | QIODevice::Append, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        qDebug().noquote() << "Could not open file:" << kPath << "-" << (opened.ok() ? file.errorString() : opened.error);
        return;
    }
    file.write((QTime::currentTime().toString(timeFormat) + ' ' + text).toLatin1());
    if (file.size() <= kMaxBytes)
        return;
    file.seek(file.size() - kMaxBytes / 2);
    QByteArray newest = file.readAll();
    newest.remove(0, newest.indexOf('\n') + 1);
    file.resize(0);
    file.write(newest);
}

}
