#include "logcapture.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QVector>
#include <cstdio>

namespace {
QMutex g_mutex;
QStringList g_lines;
QVector<const QThread*> g_threads;  // the thread of each line
int g_active = 0;
QtMessageHandler g_previous = nullptr;

void handler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    {
        QMutexLocker lock(&g_mutex);
        g_lines << msg;
        g_threads << QThread::currentThread();
    }
    if (g_previous)
        g_previous(type, ctx, msg);
}
}

LogCapture::LogCapture()
{
    QMutexLocker lock(&g_mutex);
    if (g_active++ == 0) {
        g_lines.clear();
        g_threads.clear();
        g_previous = qInstallMessageHandler(handler);
    }
}

LogCapture::~LogCapture()
{
    QMutexLocker lock(&g_mutex);
    if (--g_active == 0)
        qInstallMessageHandler(g_previous);
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&g_mutex);
    return g_lines;
}

bool LogCapture::contains(const QString& fragment) const
{
    return count(fragment) > 0;
}

int LogCapture::count(const QString& fragment) const
{
    int n = 0;
    for (const QString& l : lines())
        if (l.contains(fragment))
            ++n;
    return n;
}

bool LogCapture::containsFrom(const QString& fragment, const QThread* thread) const
{
    QMutexLocker lock(&g_mutex);
    for (int i = 0; i < g_lines.size(); ++i)
        if (g_threads.at(i) == thread && g_lines.at(i).contains(fragment))
            return true;
    return false;
}

void LogCapture::clear()
{
    QMutexLocker lock(&g_mutex);
    g_lines.clear();
    g_threads.clear();
}
