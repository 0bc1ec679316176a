#include "backlight.h"
#include "devicelayer.h"
#include "driverhelper.h"

#include <QDebug>
#include <QFile>

namespace {
const char* const kBrightness = "/sys/class/backlight/backlight/brightness";
bool s_failureLogged = false;
}

bool Backlight::set(int level)
{
    // Opened for reading and writing as the unit does: never created.
    QFile file(DeviceLayer::path(kBrightness));
    if (!file.exists() || !file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        if (!s_failureLogged)
            qDebug() << "Backlight file cannot be opened:" << kBrightness;
        s_failureLogged = true;
        return false;
    }
    s_failureLogged = false;
    const QByteArray text = QByteArray::number(level);
    file.write(text);
    DeviceLayer::recordWrite(kBrightness, text);
    return true;
}

bool Backlight::level(int& level)
{
    int read = -1;
    if (!DriverHelper::readFile(kBrightness, read) || read < 0)
        return false;
    level = read;
    return true;
}
