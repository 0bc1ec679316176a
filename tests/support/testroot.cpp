#include "testroot.h"

#include <QFile>
#include <QFileInfo>

TestRoot::TestRoot(DeviceTree::Hardware hw)
{
    m_previousRoot = qgetenv("DEVICE_ROOT");
    DeviceTree::Options options;
    options.hardware = hw;
    m_valid = m_dir.isValid() && DeviceTree::create(m_dir.path(), options);
    qputenv("DEVICE_ROOT", m_dir.path().toLocal8Bit());
}

TestRoot::~TestRoot()
{
    // Emptied, never removed: the recording thread's sound libraries read the
    // environment at any time, and removing a variable and adding it again
    // moves the environment's table from under them. Empty reads as unset.
    // A root made after this one stays in force: what runs on it keeps it.
    if (qgetenv("DEVICE_ROOT") == m_dir.path().toLocal8Bit())
        qputenv("DEVICE_ROOT", m_previousRoot);
}

bool TestRoot::write(const QString& unitPath, const QByteArray& text) const
{
    return DeviceTree::writeText(root(), unitPath, text);
}

QByteArray TestRoot::read(const QString& unitPath) const
{
    return DeviceTree::readText(root(), unitPath);
}

bool TestRoot::exists(const QString& unitPath) const
{
    return QFileInfo::exists(path(unitPath));
}

bool TestRoot::remove(const QString& unitPath) const
{
    return QFile::remove(path(unitPath));
}

QStringList TestRoot::commands() const
{
    const QString text = QString::fromUtf8(read("/var/log/commands.log"));
    return text.split('\n', Qt::SkipEmptyParts);
}

void TestRoot::clearCommands() const
{
    QFile::remove(path("/var/log/commands.log"));
}

QByteArray TestRoot::gpioValue(int line) const
{
    return readTrimmed(QString("/sys/class/gpio/gpio%1/value").arg(line));
}

QByteArray TestRoot::gpioDirection(int line) const
{
    return readTrimmed(QString("/sys/class/gpio/gpio%1/direction").arg(line));
}
