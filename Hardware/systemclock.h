#ifndef SYSTEMCLOCK_H
#define SYSTEMCLOCK_H

#include <QDateTime>

#include <functional>

// The unit's wall clock. The system clock holds local time (there is no zone
// database on the unit), so a zone change moves the clock itself.
namespace SystemClock {

// The wall clock now, as a naive date and time (held as Qt::UTC so that no
// zone arithmetic applies): what the unit shows.
QDateTime now();

// Sets the system clock ("date -s yyyy-MM-dd hh:mm:ss") and then the
// hardware clock from it ("hwclock -w"). A failing command is only logged;
// false when either failed.
bool set(const QDateTime& wallClock);

// Tests fix the clock; an empty source restores the real one.
using Source = std::function<QDateTime()>;
void setSource(Source source);

}

#endif
