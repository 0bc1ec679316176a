#include "analoginput.h"
#include "devicelayer.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
const char* const kDevice = "/dev/iio:device0";
const char* const kScanEnable = "/sys/bus/iio/devices/iio:device0/scan_elements/in_voltage0_en";
const char* const kBufferLength = "/sys/bus/iio/devices/iio:device0/buffer/length";
const char* const kBufferEnable = "/sys/bus/iio/devices/iio:device0/buffer/enable";
}

AnalogInput::AnalogInput()
    : ain4(DeviceLayer::path("/sys/bus/iio/devices/iio:device0/in_voltage1_raw"))
{
    qDebug() << "AnalogInput" << QThread::currentThreadId();
}

void AnalogInput::initContinousMode()
{
    qDebug() << "AnalogInput::initContinousMode";
    stopCapture();
    {
        QMutexLocker lock(&m_bufferLock);
        m_buffer.clear();
    }
    writeControl(kScanEnable, "1", "Error: Could not open AIN1 Continousmode");
    writeControl(kBufferLength, "2048", "Error: Could not open buffer/length");
}

void AnalogInput::startCapture()
{
    qDebug() << "AnalogInput::startCapture";
    writeControl(kBufferEnable, "1", "Error: Could not open buffer/enable");
}

void AnalogInput::stopCapture()
{
    qDebug() << "AnalogInput::stopCapture";
    writeControl(kBufferEnable, "0", "Error: Could not open buffer/enable");
}

void AnalogInput::writeControl(const char* unitPath, const char* text, const char* error)
{
    ainCont.setFileName(DeviceLayer::path(QString::fromLatin1(unitPath)));
    // A missing sysfs file is an error; it must never be created.
    if (!ainCont.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Truncate)) {
        qDebug() << error;
        return;
    }
    ainCont.write(text);
    ainCont.close();
    DeviceLayer::recordWrite(unitPath, text);
}

void AnalogInput::updateBuffer()
{
    QByteArray block = readBlock();
    {
        QMutexLocker lock(&m_bufferLock);
        m_buffer = std::move(block);
    }
    emit bufferUpdated();
}

QByteArray AnalogInput::readBlock()
{
    ainContData.setFileName(DeviceLayer::path(QString::fromLatin1(kDevice)));
    // Opened non-blocking and polled: a silent device must neither hang this
    // thread nor, through it, the wait for the thread at exit.
    const int fd = ::open(QFile::encodeName(ainContData.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0
        || !ainContData.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                             QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        qDebug() << "Error: Could not open /dev/iio:device0";
        return QByteArray();
    }

    QByteArray block;
    pollfd p{fd, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&p, 1, kReadTimeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready > 0 && (p.revents & POLLIN)) {
        char bytes[kBlockBytes];
        ssize_t n;
        do {
            n = ::read(fd, bytes, sizeof(bytes));
        } while (n < 0 && errno == EINTR);
        if (n > 0)
            block = QByteArray(bytes, int(n));
    } else {
        qDebug() << "Error: No data from /dev/iio:device0";
    }
    ainContData.close();
    return block;
}

QByteArray AnalogInput::getBuffer()
{
    QMutexLocker lock(&m_bufferLock);
    return m_buffer;
}

void AnalogInput::initAnalogInput()
{
    if (!ain4.open(QIODevice::ReadOnly))
        qDebug() << "Error: Could not open AIN4";
}

int AnalogInput::readAnalogInput()
{
    if (!ain4.isOpen())
        return 0;
    // sysfs yields a value only from the start of the file.
    ain4.seek(0);
    analogValue = ain4.read(4);
    bool ok = false;
    const int value = analogValue.trimmed().toInt(&ok);
    return ok ? value : 0;
}

void AnalogInput::closeAnalogInput()
{
    ain4.close();
}
