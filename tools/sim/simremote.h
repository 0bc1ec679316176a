#ifndef SIMREMOTE_H
#define SIMREMOTE_H

#include <QString>
#include <QStringList>

class SimHeadset;
class Tb9Accessory;

// A device within a simulated module's reach: what a search shows of it,
// the profiles it accepts, and the simulated device behind it, if any.
struct SimRemote {
    QString address;
    QString name;
    QString cod;
    int rssi = -60;
    bool nameOnInquiry = true;  // else a search shows no name for it
    QStringList profiles;       // "A2DP", "AVRCP", "SPP", "AGHFP", "HFP"
    Tb9Accessory* accessory = nullptr;  // talks over the serial-port profile
    SimHeadset* headset = nullptr;      // volume and battery
};

#endif
