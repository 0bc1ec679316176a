#include "devicelayer.h"
#include "deviceroot.h"

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
    // Made absolute once per value: the program changes its working folder
    // (power-down), and a relative root must go on naming the same tree.
    static QMutex mutex;
    static QByteArray value;
    static QString absolute;
    const QByteArray current = qgetenv("DEVICE_ROOT");
    QMutexLocker lock(&mutex);
    if (current != value) {
        value = current;
        absolute = current.isEmpty()
                       ? QString()
                       : QDir::cleanPath(QDir(QString::fromLocal8Bit(current)).absolutePath());
    }
    return absolute;
#endif
}

bool isConfigured()
{
    return rootProblem().isEmpty();
}

QString rootProblem()
{
#ifdef VQ_TARGET_BUILD
    return QString();
#else
    return DeviceRoot::problem(root());
#endif
}

QString path(const QString& unitPath)
{
    if (!unitPath.startsWith('/'))
        return unitPath;
    const QString r = root();
    if (r.isEmpty())
        return unitPath;
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
