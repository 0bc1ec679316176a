// The Bluetooth module interface: its signals and slots exactly, and the
// module-pair factory.
#include "Hardware/bluetooth.h"
#include "Hardware/bluetoothfactory.h"
#include "Hardware/bluetoothidc777.h"
#include "Hardware/bluetoothwt32.h"
#include "recordingbluetooth.h"

#include <QMetaMethod>
#include <QtTest>
#include <memory>

class TestBluetoothInterface : public QObject
{
    Q_OBJECT
private slots:
    void signalsExactly();
    void slotsExactly();
    void pressureSignalDefaults();
    void factoryBuildsSourceFirst();
};

namespace {

QStringList methods(QMetaMethod::MethodType type, bool withNames)
{
    const QMetaObject& mo = Bluetooth::staticMetaObject;
    QStringList result;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() != type || (m.attributes() & QMetaMethod::Cloned))
            continue;
        QString text = QString::fromLatin1(m.methodSignature());
        if (withNames) {
            QStringList names;
            for (const QByteArray& n : m.parameterNames())
                names << QString::fromLatin1(n);
            text += ' ' + names.join(',');
        }
        result << text;
    }
    return result;
}

}

void TestBluetoothInterface::signalsExactly()
{
    const QStringList expected = {
        "connectionLost() ",
        "stateActiveMuteChanged(bool) active",
        "terminationStringDetected() ",
        "btAlertMessageReceived(QString) alert",
        "btSensortypeReceived(QString) type",
        "btBatteryvoltageReceived(QString) voltage",
        "btSensorvalueReceived(QString,QString) sensorvalue,activeTime",
        "btHeadphoneBatteryStateReceived(int) percent",
        "btConnectedRfcomm() ",
        "btHeadphoneVolumeChanged(int) volPercent",
        "btModulReset() ",
        "btPairingOk() ",
        "btAtOk() ",
        "btFwHeaderReceived(bool) ok",
        "btFwDataReceived(int,bool) packetNum,ok",
        "btFwStartUpdateReceived(bool) ok",
        "btAnswerFromDeviceReceived() ",
        "btRdyReceived() ",
        "btFirmwareVersion(QString) fwVersion",
        "btEnableReceivePressuredata(bool,int,ushort,ushort) enable,sensor,adMin,adMax",
        "btPressuredataReceived(int,QString) dataCnt,pressuredata",
        "btHardwareVersion(QString) hwVersion",
        "btMicGain(QString) micGain",
        "btButtonMode(QString) buttonMode",
    };
    QCOMPARE(methods(QMetaMethod::Signal, true), expected);
}

void TestBluetoothInterface::slotsExactly()
{
    QCOMPARE(methods(QMetaMethod::Slot, false),
             QStringList({"readTtyData()", "updateState()", "sendDebugCmd()", "transmitTimeout()"}));
    // Nothing else is invokable beyond the signals and the four slots.
    QCOMPARE(Bluetooth::staticMetaObject.methodCount() - Bluetooth::staticMetaObject.methodOffset(),
             24 + 3 + 4);  // three clones of the pressure signal's defaults
}

void TestBluetoothInterface::pressureSignalDefaults()
{
    RecordingBluetooth module;
    QList<QVariantList> received;
    connect(&module, &Bluetooth::btEnableReceivePressuredata, this,
            [&received](bool enable, int sensor, ushort adMin, ushort adMax) {
                received << QVariantList{enable, sensor, adMin, adMax};
            });
    emit module.btEnableReceivePressuredata(true);
    emit module.btEnableReceivePressuredata(false, 2, 10, 20);
    QCOMPARE(received.size(), 2);
    QCOMPARE(received[0], (QVariantList{true, 0, ushort(0), ushort(4095)}));
    QCOMPARE(received[1], (QVariantList{false, 2, ushort(10), ushort(20)}));
}

void TestBluetoothInterface::factoryBuildsSourceFirst()
{
    QList<RecordingBluetooth*> built;
    RecordingBluetooth::install(&built);
    const BluetoothPair pair = BluetoothFactory::createPair(0);
    RecordingBluetooth::uninstall();
    std::unique_ptr<Bluetooth> source(pair.source), sink(pair.sink);
    QCOMPARE(built.size(), 2);
    QCOMPARE(static_cast<Bluetooth*>(built[0]), pair.source);
    QCOMPARE(built[0]->role, BluetoothRole::Source);
    QCOMPARE(built[1]->role, BluetoothRole::Sink);
    QCOMPARE(built[1]->moduleType, 0);

    // Without a creator the built-in pair is made: the driver of the type.
    const BluetoothPair idc777 = BluetoothFactory::createPair(BluetoothFactory::ModuleIdc777);
    std::unique_ptr<Bluetooth> a(idc777.source), b(idc777.sink);
    QVERIFY(qobject_cast<BluetoothIDC777*>(idc777.source));
    QVERIFY(qobject_cast<BluetoothIDC777*>(idc777.sink));
    const BluetoothPair wt32 = BluetoothFactory::createPair(BluetoothFactory::ModuleWt32);
    std::unique_ptr<Bluetooth> c(wt32.source), d(wt32.sink);
    QVERIFY(qobject_cast<BluetoothWT32*>(wt32.source));
    QVERIFY(qobject_cast<BluetoothWT32*>(wt32.sink));
    QVERIFY(wt32.source != wt32.sink);
}

QTEST_MAIN(TestBluetoothInterface)
#include "tst_bluetoothinterface.moc"
