#include "codecregisterfile.h"
#include "Hardware/devicelayer.h"

#include <QFile>

const char* const CodecRegisterFile::kRegisterFile = "/sys/bus/i2c/devices/1-0018/registers";

CodecRegisterPort::Result CodecRegisterFile::write(const QByteArray& text)
{
    if (!DeviceLayer::isConfigured())
        return Result::NotOpened;  // a host build without a device root
    // ExistingOnly: a missing register file means no codec driver, and must
    // not turn into a new plain file.
    QFile file(DeviceLayer::path(QString::fromLatin1(kRegisterFile)));
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return Result::NotOpened;
    const qint64 written = file.write(text);
    file.close();
    if (written != text.size())
        return Result::NotWritten;
    DeviceLayer::recordWrite(kRegisterFile, text);
    return Result::Written;
}
