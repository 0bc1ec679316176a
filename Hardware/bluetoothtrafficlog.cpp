#include "bluetoothtrafficlog.h"
#include "devicelayer.h"
#include "massstorage.h"

#include <QDebug>
#include <QFile>
#include <QTime>

namespace BluetoothTrafficLog {

const char* const kPath = "/media/vq4100/btInfo.txt";

bool remove()
{
    if (!MassStorage::mayWrite(kPath))
        return false;
    return QFile::remove(DeviceLayer::path(kPath));
}

void append(const QString& timeFormat, const QString& text)
{
    if (!MassStorage::mayWrite(kPath))
        return;
    QFile file(DeviceLayer::path(kPath));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        qDebug() << "Could not open file:" << kPath;
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
