#include "logcapture.h"

#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

namespace {
QMutex g_mutex;
QStringList g_lines;
int g_active = 0;
QtMessageHandler g_previous = nullptr;

void handler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    {
        QMutexLocker lock(&g_mutex);
        g_lines << msg;
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

void LogCapture::clear()
{
    QMutexLocker lock(&g_mutex);
    g_lines.clear();
}
