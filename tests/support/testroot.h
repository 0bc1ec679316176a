#ifndef TESTROOT_H
#define TESTROOT_H

#include "devicetree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh simulated device in a temporary directory, set as DEVICE_ROOT for
// as long as the object lives.
class TestRoot
{
public:
    explicit TestRoot(DeviceTree::Hardware hw = DeviceTree::Hardware::V2);
    ~TestRoot();
    TestRoot(const TestRoot&) = delete;
    TestRoot& operator=(const TestRoot&) = delete;

    bool isValid() const { return m_valid; }
    QString root() const { return m_dir.path(); }
    // "/home/root/settings.ini" -> "<root>/home/root/settings.ini"
    QString path(const QString& unitPath) const { return root() + unitPath; }

    bool write(const QString& unitPath, const QByteArray& text) const;
    QByteArray read(const QString& unitPath) const;
    QByteArray readTrimmed(const QString& unitPath) const { return read(unitPath).trimmed(); }
    bool exists(const QString& unitPath) const;
    bool remove(const QString& unitPath) const;

    // Lines of <root>/var/log/commands.log, oldest first.
    QStringList commands() const;
    void clearCommands() const;

    QByteArray gpioValue(int line) const;
    QByteArray gpioDirection(int line) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_valid = false;
};

#endif
