#include "bluetoothfactory.h"
#include "bluetoothidc777.h"
#include "bluetoothstandin.h"

#include <QDebug>

namespace BluetoothFactory {

namespace {
Creator& creator()
{
    static Creator c;
    return c;
}

Bluetooth* createBuiltIn(int moduleType, BluetoothRole role)
{
    // Filled by the WT32 work: BluetoothWT32 for ModuleWt32.
    if (moduleType == ModuleIdc777)
        return new BluetoothIDC777();
    return new BluetoothStandin(moduleType, role);
}
}

BluetoothPair createPair(int moduleType)
{
    const Creator make = creator() ? creator() : Creator(createBuiltIn);
    BluetoothPair pair;
    pair.source = make(moduleType, BluetoothRole::Source);
    pair.sink = make(moduleType, BluetoothRole::Sink);
    if (qobject_cast<BluetoothStandin*>(pair.source) || qobject_cast<BluetoothStandin*>(pair.sink))
        qDebug() << "Bluetooth: no driver for the" << BluetoothStandin::moduleName(moduleType)
                 << "pair yet, using the stand-in pair BluetoothStandin (all links down)";
    return pair;
}

void setCreator(Creator c)
{
    creator() = std::move(c);
}

}
