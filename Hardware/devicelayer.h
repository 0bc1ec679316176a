#ifndef DEVICELAYER_H
#define DEVICELAYER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every absolute device or data path of the unit ("/sys/class/gpio/...",
// "/home/root/settings.ini", "/media/vq4100/...") is opened through here.
// A host build maps it below the directory named by DEVICE_ROOT, so the
// program runs against a simulated device tree and never touches the PC's
// own /sys, /home or /media. A target build uses the paths as they stand.
// Code keeps the unit's paths and maps them only where it opens a file.
namespace DeviceLayer {

// The device root of a host build ("" on the unit), as an absolute path.
// Read on every call so that tests can switch roots.
QString root();

// True when the program may run: a target build, or a host build on a root
// that tools/devsim create made.
bool isConfigured();
// Why a host build may not run on DEVICE_ROOT ("" when it may).
QString rootProblem();

// "/home/root/settings.ini" -> "<root>/home/root/settings.ini", always: a
// unit path that happens to begin with the root's own path is still a unit
// path. Relative paths and resource paths (":/...") are returned unchanged.
// A host build without a device tree (DEVICE_ROOT unset, missing, or not
// made by devsim) maps every unit path to one that cannot be opened or
// created, and says so once in the log.
QString path(const QString& unitPath);
QByteArray nativePath(const char* unitPath);

// Inverse of path(): a mapped path back to the unit's view of it.
QString unitPath(const QString& mappedPath);

// Records, while it lives, every value written through DriverHelper as
// "<unit path>=<value>", so tests can check the order of device writes.
class WriteTrace
{
public:
    WriteTrace();
    ~WriteTrace();
    WriteTrace(const WriteTrace&) = delete;
    WriteTrace& operator=(const WriteTrace&) = delete;
    QStringList entries() const;
    void clear();
};

void recordWrite(const char* unitPath, const QByteArray& value);

}

#endif
