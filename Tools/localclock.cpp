#include "localclock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>

namespace {
// A link replaced in the folder or a file rewritten in place.
const char* const kZoneFolder = "/etc";
const char* const kZoneFiles[] = {"/etc/localtime", "/etc/timezone"};
}

LocalClock* LocalClock::instance()
{
    static QPointer<LocalClock> s_clock;
    if (!s_clock)
        s_clock = new LocalClock(QCoreApplication::instance());
    return s_clock;
}

LocalClock::LocalClock(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this))
{
    auto changed = [this] { m_zoneRead = false; };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
}

QDateTime LocalClock::now()
{
    if (!m_zoneRead || qgetenv("TZ") != m_tz)
        readZone();
    if (m_byLibrary)
        return QDateTime::currentDateTime();
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    return utc.toOffsetFromUtc(m_zone.offsetFromUtc(utc));
}

void LocalClock::readZone()
{
    m_tz = qgetenv("TZ");
    m_zoneRead = true;
    m_zone = QTimeZone::systemTimeZone();
    const QDateTime local = QDateTime::currentDateTime();
    m_byLibrary = !m_zone.isValid() || m_zone.offsetFromUtc(local) != local.offsetFromUtc();
    // A replaced file is no longer watched.
    QStringList paths{kZoneFolder};
    for (const char* file : kZoneFiles)
        paths << file;
    for (const QString& path : paths) {
        if (QFileInfo::exists(path) && !m_watcher->files().contains(path)
            && !m_watcher->directories().contains(path))
            m_watcher->addPath(path);
    }
}
