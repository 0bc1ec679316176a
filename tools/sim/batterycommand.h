#ifndef BATTERYCOMMAND_H
#define BATTERYCOMMAND_H

#include <QString>
#include <QStringList>

class QTextStream;

// `devsim battery <root> [--percent N] [--voltage V] [--current A]
// [--temp C] [--charging on|off]`: changes the fuel gauge and charger files
// of a device (running or not) and prints the battery as it then stands.
// Each file is replaced whole, so a program reading it never sees half a value.
int runBatteryCommand(const QString& root, const QStringList& options, QTextStream& out,
                      QTextStream& err);

// `devsim sensor <root> [on|off]`: plugs the wired sensor in or pulls it
// (GPIO 48), or prints its state.
int runSensorCommand(const QString& root, const QStringList& options, QTextStream& out,
                     QTextStream& err);

#endif
