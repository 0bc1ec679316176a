#ifndef SIGNALRECORDER_H
#define SIGNALRECORDER_H

#include <QStringList>

class Bluetooth;

// Records every signal of a module that the accessory's lines and the
// module's own events can emit, as a short text ("mute 1", "battery 3900",
// "answer", "end", "atok", "data 2 [199 E65 ]", ...), in order. Returns out.
QStringList* recordSignals(Bluetooth& bt, QStringList* out);

#endif
