#include "devicelayer.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

namespace DeviceLayer {

QString root()
{
#ifdef VQ_TARGET_BUILD
    return QString();
#else
    QString r = QString::fromLocal8Bit(qgetenv("DEVICE_ROOT"));
    while (r.size() > 1 && r.endsWith('/'))
        r.chop(1);
    return r;
#endif
}

bool isConfigured()
{
#ifdef VQ_TARGET_BUILD
    return true;
#else
    return !root().isEmpty();
#endif
}

QString path(const QString& unitPath)
{
    if (!unitPath.startsWith('/'))
        return unitPath;
    const QString r = root();
    if (r.isEmpty())
        return unitPath;
    if (unitPath == r || unitPath.startsWith(r + '/'))
        return unitPath;  // already mapped
    return r + unitPath;
}

QByteArray nativePath(const char* unitPath)
{
    return QFile::encodeName(path(QString::fromLocal8Bit(unitPath)));
}

QString unitPath(const QString& mappedPath)
{
    const QString r = root();
    if (r.isEmpty() || !mappedPath.startsWith(r + '/'))
        return mappedPath;
    return mappedPath.mid(r.size());
}

namespace {
QMutex g_traceMutex;
QStringList* g_trace = nullptr;
}

WriteTrace::WriteTrace()
{
    QMutexLocker lock(&g_traceMutex);
    delete g_trace;
    g_trace = new QStringList;
}

WriteTrace::~WriteTrace()
{
    QMutexLocker lock(&g_traceMutex);
    delete g_trace;
    g_trace = nullptr;
}

QStringList WriteTrace::entries() const
{
    QMutexLocker lock(&g_traceMutex);
    return g_trace ? *g_trace : QStringList();
}

void WriteTrace::clear()
{
    QMutexLocker lock(&g_traceMutex);
    if (g_trace)
        g_trace->clear();
}

void recordWrite(const char* unitPath, const QByteArray& value)
{
    QMutexLocker lock(&g_traceMutex);
    if (g_trace)
        g_trace->append(QString::fromLocal8Bit(unitPath) + '=' + QString::fromLocal8Bit(value));
}

}
