// The module-pair factory: which driver serves which role.
#include "Hardware/bluetooth.h"
#include "Hardware/bluetoothfactory.h"
#include "Hardware/bluetoothidc777.h"
#include "Hardware/bluetoothwt32.h"
#include "idc777testing.h"
#include "recordingbluetooth.h"

#include <QtTest>
#include <memory>

class TestBluetoothInterface : public QObject
{
    Q_OBJECT
private slots:
    void factoryBuildsSourceFirst();
};

void TestBluetoothInterface::factoryBuildsSourceFirst()
{
    RecordingBluetoothHost host;
    QList<RecordingBluetooth*> built;
    RecordingBluetooth::install(&built);
    const BluetoothPair pair = BluetoothFactory::createPair(0, &host);
    RecordingBluetooth::uninstall();
    std::unique_ptr<Bluetooth> source(pair.source), sink(pair.sink);
    QCOMPARE(built.size(), 2);
    QCOMPARE(static_cast<Bluetooth*>(built[0]), pair.source);
    QCOMPARE(built[0]->role, BluetoothRole::Source);
    QCOMPARE(built[1]->role, BluetoothRole::Sink);
    QCOMPARE(built[1]->moduleType, 0);

    // Without a creator the built-in pair is made: the driver of the type.
    const BluetoothPair idc777 = BluetoothFactory::createPair(BluetoothFactory::ModuleIdc777, &host);
    std::unique_ptr<Bluetooth> a(idc777.source), b(idc777.sink);
    QVERIFY(qobject_cast<BluetoothIDC777*>(idc777.source));
    QVERIFY(qobject_cast<BluetoothIDC777*>(idc777.sink));
    const BluetoothPair wt32 = BluetoothFactory::createPair(BluetoothFactory::ModuleWt32, &host);
    std::unique_ptr<Bluetooth> c(wt32.source), d(wt32.sink);
    QVERIFY(qobject_cast<BluetoothWT32*>(wt32.source));
    QVERIFY(qobject_cast<BluetoothWT32*>(wt32.sink));
    QVERIFY(wt32.source != wt32.sink);
}

QTEST_MAIN(TestBluetoothInterface)
#include "tst_bluetoothinterface.moc"
