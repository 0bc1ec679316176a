#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QStringList>

// Collects the program's debug log while it lives (and still prints it).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    QStringList lines() const;
    bool contains(const QString& fragment) const;
    int count(const QString& fragment) const;
    void clear();
};

#endif
