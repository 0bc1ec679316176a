#ifndef ANALOGINPUT_H
#define ANALOGINPUT_H

#include <QByteArray>
#include <QFile>
#include <QMutex>
#include <QObject>

// The processor's ADC through Linux IIO: switches the buffer of channel 0 on
// and off and reads one block of samples per request. Lives on the capture
// thread of AnalogInputWorker; only updateBuffer() runs there, the control
// operations are called directly from the GUI thread.
class AnalogInput : public QObject
{
    Q_OBJECT
public:
    // One full block: 1024 signed 16-bit little-endian samples.
    static constexpr int kBlockBytes = 2048;
    // How long a read waits for the device before it counts as no data.
    static constexpr int kReadTimeoutMs = 1000;

    AnalogInput();

    void initContinousMode();
    void startCapture();
    void stopCapture();

    // A copy of the latest block; it stays valid whatever the capture thread does next.
    QByteArray getBuffer();

    // One-shot channel (AIN4); nothing in the system uses it.
    void initAnalogInput();
    int readAnalogInput();
    void closeAnalogInput();

public slots:
    void updateBuffer();

signals:
    void bufferUpdated();

private:
    void writeControl(const char* unitPath, const char* text, const char* error);
    QByteArray readBlock();

    QFile ain4;
    QFile ainCont;
    QFile ainContData;
    QByteArray analogValue;
    QByteArray m_buffer;
    QMutex m_bufferLock;
};

#endif
