#ifndef SIMCLOCK_H
#define SIMCLOCK_H

#include "tb9accessory.h"

// The simulated accessory's clock, held by the test for as long as the
// object lives: set `ms` instead of waiting.
struct SimClock {
    qint64 ms = 0;
    SimClock() { Tb9Accessory::setClock([this] { return ms; }); }
    ~SimClock() { Tb9Accessory::setClock({}); }
    SimClock(const SimClock&) = delete;
    SimClock& operator=(const SimClock&) = delete;
};

#endif
