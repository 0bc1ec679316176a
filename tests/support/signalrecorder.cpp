#include "signalrecorder.h"

#include "Hardware/bluetooth.h"

QStringList* recordSignals(Bluetooth& bt, QStringList* out)
{
    QObject::connect(&bt, &Bluetooth::btAnswerFromDeviceReceived, [out] { out->append("answer"); });
    QObject::connect(&bt, &Bluetooth::terminationStringDetected, [out] { out->append("end"); });
    QObject::connect(&bt, &Bluetooth::stateActiveMuteChanged,
                     [out](bool m) { out->append(QString("mute %1").arg(m)); });
    QObject::connect(&bt, &Bluetooth::btAlertMessageReceived, [out](QString a) { out->append("alert " + a); });
    QObject::connect(&bt, &Bluetooth::btSensortypeReceived, [out](QString t) { out->append("sensor " + t); });
    QObject::connect(&bt, &Bluetooth::btBatteryvoltageReceived,
                     [out](QString v) { out->append("battery " + v); });
    QObject::connect(&bt, &Bluetooth::btSensorvalueReceived,
                     [out](QString v, QString t) { out->append("sensval " + v + "," + t); });
    QObject::connect(&bt, &Bluetooth::btEnableReceivePressuredata, [out](bool on, int bar, ushort lo, ushort hi) {
        out->append(QString("pressure %1 %2 %3 %4").arg(on).arg(bar).arg(lo).arg(hi));
    });
    QObject::connect(&bt, &Bluetooth::btPressuredataReceived,
                     [out](int n, QString data) { out->append(QString("data %1 [%2]").arg(n).arg(data)); });
    QObject::connect(&bt, &Bluetooth::btRdyReceived, [out] { out->append("rdy"); });
    QObject::connect(&bt, &Bluetooth::btFwHeaderReceived, [out](bool ok) { out->append(QString("fh %1").arg(ok)); });
    QObject::connect(&bt, &Bluetooth::btFwDataReceived,
                     [out](int n, bool ok) { out->append(QString("fd %1 %2").arg(n).arg(ok)); });
    QObject::connect(&bt, &Bluetooth::btFwStartUpdateReceived,
                     [out](bool ok) { out->append(QString("fs %1").arg(ok)); });
    QObject::connect(&bt, &Bluetooth::btFirmwareVersion, [out](QString v) { out->append("fw " + v); });
    QObject::connect(&bt, &Bluetooth::btHardwareVersion, [out](QString v) { out->append("hw " + v); });
    QObject::connect(&bt, &Bluetooth::btMicGain, [out](QString g) { out->append("micgain " + g); });
    QObject::connect(&bt, &Bluetooth::btButtonMode, [out](QString b) { out->append("button " + b); });
    QObject::connect(&bt, &Bluetooth::btHeadphoneBatteryStateReceived,
                     [out](int p) { out->append(QString("hpbattery %1").arg(p)); });
    QObject::connect(&bt, &Bluetooth::btHeadphoneVolumeChanged,
                     [out](int p) { out->append(QString("hpvolume %1").arg(p)); });
    QObject::connect(&bt, &Bluetooth::btConnectedRfcomm, [out] { out->append("rfcomm"); });
    QObject::connect(&bt, &Bluetooth::btModulReset, [out] { out->append("reset"); });
    QObject::connect(&bt, &Bluetooth::btPairingOk, [out] { out->append("paired"); });
    QObject::connect(&bt, &Bluetooth::btAtOk, [out] { out->append("atok"); });
    return out;
}
