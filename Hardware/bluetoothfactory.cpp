#include "bluetoothfactory.h"
#include "bluetoothidc777.h"
#include "bluetoothwt32.h"

namespace BluetoothFactory {

namespace {
Creator& creator()
{
    static Creator c;
    return c;
}

Bluetooth* createBuiltIn(int moduleType, BluetoothHost* host)
{
    if (moduleType == ModuleIdc777)
        return new BluetoothIDC777(host);
    return new BluetoothWT32(host);
}
}

BluetoothPair createPair(int moduleType, BluetoothHost* host)
{
    const Creator make = creator() ? creator()
                                   : Creator([host](int type, BluetoothRole) { return createBuiltIn(type, host); });
    BluetoothPair pair;
    pair.source = make(moduleType, BluetoothRole::Source);
    pair.sink = make(moduleType, BluetoothRole::Sink);
    return pair;
}

void setCreator(Creator c)
{
    creator() = std::move(c);
}

}
