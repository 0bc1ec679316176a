#include "systemclock.h"
#include "commandrunner.h"

#include <QDebug>

namespace SystemClock {

namespace {
Source& source()
{
    static Source s;
    return s;
}
}

QDateTime now()
{
    const QDateTime local = source() ? source()() : QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

bool set(const QDateTime& wallClock)
{
    const QString text = wallClock.toString("yyyy-MM-dd hh:mm:ss");
    qDebug() << "Setting system clock to" << text;
    bool ok = true;
    const int date = CommandRunner::execute("date", {"-s", text});
    if (date != 0) {
        qDebug() << "date -s failed with exit code" << date;
        ok = false;
    }
    // The hardware clock follows the system clock, also after a failed date.
    const int hwclock = CommandRunner::execute("hwclock", {"-w"});
    if (hwclock != 0) {
        qDebug() << "hwclock -w failed with exit code" << hwclock;
        ok = false;
    }
    return ok;
}

void setSource(Source s)
{
    source() = std::move(s);
}

}
