#ifndef TICKDRIVER_H
#define TICKDRIVER_H

#include <functional>

// Drives a state machine by its slot, so its long waits cost nothing: lets
// events run (settle), checks `done`, makes one step (tick), until done or
// after maxTicks steps.
inline bool tickUntil(const std::function<void()>& settle, const std::function<bool()>& done,
                      const std::function<void()>& tick, int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        settle();
        if (done())
            return true;
        tick();
    }
    return false;
}

#endif
