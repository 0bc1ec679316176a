#ifndef GPSRIG_H
#define GPSRIG_H

#include "gnsssim.h"

#include <QByteArrayList>

class Gps;

// The simulated receiver on <root>/dev/ttyO1 (powered by the root's GPIO
// 16), for a Gps on that root, and the clock the Gps ages its data by.
class GpsRig
{
public:
    explicit GpsRig(const QString& root);
    // Gives the Gps the rig's clock.
    void attach(Gps* gps);

    // Writes towards the Gps and waits until it has read every complete
    // line; false if it did not.
    bool send(const QByteArray& bytes);
    // Each body as a checked sentence.
    bool sendSentences(const QByteArrayList& bodies);
    // Moves the clock on and lets the Gps check its ages.
    void advance(qint64 ms);
    // Waits until the receiver holds n frames.
    bool waitForFrames(int n);

    GnssPeer peer;
    Gps* gps = nullptr;
    qint64 nowMs = 1000;
};

#endif
