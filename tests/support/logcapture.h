#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QStringList>

class QThread;

// Collects the program's debug log while it lives (and still prints it).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    QStringList lines() const;
    bool contains(const QString& fragment) const;
    int count(const QString& fragment) const;
    // Whether a line holding the fragment was logged on that thread.
    bool containsFrom(const QString& fragment, const QThread* thread) const;
    void clear();
};

#endif
