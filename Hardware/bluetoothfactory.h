#ifndef BLUETOOTHFACTORY_H
#define BLUETOOTHFACTORY_H

#include <functional>

class Bluetooth;
class BluetoothHost;

// The two modules of the unit, always of the same kind.
struct BluetoothPair
{
    Bluetooth* source = nullptr; // towards the headset, "/dev/ttyO3"
    Bluetooth* sink = nullptr;   // towards the TB-9 accessory, "/dev/ttyO2"
};

enum class BluetoothRole { Source, Sink };

namespace BluetoothFactory {

// Module type codes: 0 = WT32 pair, 1 = IDC777 pair.
enum { ModuleWt32 = 0, ModuleIdc777 = 1 };

// Builds the pair for the module type, the source first, both answered by
// the host. The objects have no parent; the caller owns them.
BluetoothPair createPair(int moduleType, BluetoothHost* host);

// Replaces how one module is built (tests install recording doubles); an
// empty creator restores the built-in one.
using Creator = std::function<Bluetooth*(int moduleType, BluetoothRole role)>;
void setCreator(Creator creator);

}

#endif
