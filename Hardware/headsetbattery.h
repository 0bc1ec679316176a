#ifndef HEADSETBATTERY_H
#define HEADSETBATTERY_H

#include <QString>

// The headset's accessory report "AT+IPHONEACCEV=<n>,<key>,<value>,...":
// n key/value pairs; key 1 is the battery level 0..9.
namespace HeadsetBattery {

struct Report {
    bool valid = false;     // the pairs could be read
    bool hasLevel = false;  // one of them was the battery
    int percent = 0;        // (level + 1) * 10
};

// `text` begins with "AT+IPHONEACCEV".
Report parse(const QString& text);

}

#endif
