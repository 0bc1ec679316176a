#include "devicelayer.h"
#include "deviceroot.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

namespace DeviceLayer {

namespace {

#ifndef VQ_TARGET_BUILD
// Below a device file: nothing there can be opened or created, not even by
// root, so a host build without a device never reaches the PC's own files.
const char kNowhere[] = "/dev/null/no-device-root";

// The root, or "" while it is no device tree (said once for each value).
// A root found to be one is not looked at again: every path maps through here.
QString usableRoot()
{
    static QMutex mutex;
    static QString accepted;
    static QString refused;
    const QString r = root();
    {
        QMutexLocker lock(&mutex);
        if (!r.isEmpty() && r == accepted)
            return r;
    }
    const QString problem = DeviceRoot::problem(r);
    QMutexLocker lock(&mutex);
    if (problem.isEmpty()) {
        accepted = r;
        refused.clear();
        return r;
    }
    if (refused != problem) {
        refused = problem;
        qWarning().noquote() << "No device root:" << problem << "- no device path can be opened";
    }
    return QString();
}
#endif

}

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
#ifdef VQ_TARGET_BUILD
    return unitPath;
#else
    const QString r = usableRoot();
    return (r.isEmpty() ? QLatin1String(kNowhere) : r) + unitPath;
#endif
}

QByteArray nativePath(const char* unitPath)
{
    return QFile::encodeName(path(QString::fromLocal8Bit(unitPath)));
}

QString unitPath(const QString& mappedPath)
{
#ifdef VQ_TARGET_BUILD
    return mappedPath;
#else
    QString r = usableRoot();
    if (r.isEmpty())
        r = QLatin1String(kNowhere);
    if (!mappedPath.startsWith(r + '/'))
        return mappedPath;
    return mappedPath.mid(r.size());
#endif
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
