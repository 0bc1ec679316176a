#ifndef SIMSERVICE_H
#define SIMSERVICE_H

#include <QObject>
#include <QString>

// One live part of the simulated device that `devsim serve` runs: a serial
// peer, the ADC feed, the audio source, ... Each starts on the device root
// and runs from the event loop until the process stops.
class SimService : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QString name() const = 0;
    virtual bool start(const QString& root) = 0;
    virtual void stop() {}
};

#endif
