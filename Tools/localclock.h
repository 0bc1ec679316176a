#ifndef LOCALCLOCK_H
#define LOCALCLOCK_H

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTimeZone>

class QFileSystemWatcher;

// The local time for clocks drawn every second. Each local-time conversion
// of the C library looks at the zone file again; here the zone is read once
// and again only when it changes (TZ, or the zone file replaced). A zone
// that Qt reads otherwise than the C library is left to the C library.
class LocalClock : public QObject
{
    Q_OBJECT
public:
    // The one for the program (made on first use, gone with the application).
    static LocalClock* instance();

    QDateTime now();

private:
    explicit LocalClock(QObject* parent);
    void readZone();

    QFileSystemWatcher* m_watcher;
    QTimeZone m_zone;
    QByteArray m_tz;
    bool m_zoneRead = false;
    bool m_byLibrary = false;
};

#endif
