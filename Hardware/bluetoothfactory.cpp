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

Bluetooth* createBuiltIn(int moduleType, BluetoothRole)
{
    if (moduleType == ModuleIdc777)
        return new BluetoothIDC777();
    return new BluetoothWT32();
}
}

BluetoothPair createPair(int moduleType)
{
    const Creator make = creator() ? creator() : Creator(createBuiltIn);
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
