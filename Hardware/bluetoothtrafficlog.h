#ifndef BLUETOOTHTRAFFICLOG_H
#define BLUETOOTHTRAFFICLOG_H

#include <QString>

// The developers' record of what went to and came from the Bluetooth
// modules, kept on the mass storage while the debug features are on.
namespace BluetoothTrafficLog {

extern const char* const kPath;  // "/media/vq4100/btInfo.txt"
// A module that floods would fill the mass storage: beyond this size the
// newest half is kept.
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

// Deletes the file; true when it was there and is gone.
bool remove();
// Appends "<time> <text>" as Latin-1 (text carries its own line end).
// Best effort: a file that cannot be opened is logged and the text lost.
// A file grown beyond kMaxBytes keeps its newest half, from a line start.
void append(const QString& timeFormat, const QString& text);

}

#endif
