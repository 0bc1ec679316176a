#include "accessoryprotocol.h"
#include "bluetooth.h"
#include "bluetoothhost.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStringList>

namespace AccessoryProtocol {

const char* const kUnitPrefix = "BT_TX";
const char* const kAnswerPrefix = "BT_RX";
const char* const kDebugLine = "BT_TX X DEBUG";

namespace {

QString hexGain(int gain)
{
    return QString("%1").arg(gain, 2, 16, QLatin1Char('0'));
}

QStringList words(const QString& line)
{
    static const QRegularExpression ws("\\s+");
    return line.split(ws, Qt::SkipEmptyParts);
}

QString wordAt(const QStringList& list, int i)
{
    return i < list.size() ? list.at(i) : QString();
}

}

QString micInitLine(int gain, int mute, bool switchMode)
{
    return QString("BT_TX I %1 %2 %3")
        .arg(hexGain(gain), mute == 1 ? "MUTE" : "ACTIVE", switchMode ? "SWITCH" : "PUSHBUT");
}

QString micGainLine(int gain)
{
    return "BT_TX G " + hexGain(gain);
}

bool isTermination(const QString& line)
{
    return line.startsWith(QLatin1String("!$!")) || line.startsWith(QLatin1String("BT_RX !$!"));
}

bool micInitGain(const QString& line, int* gain)
{
    if (!line.startsWith(QLatin1String("BT_TX I")))
        return false;
    bool ok = false;
    const int value = wordAt(words(line), 2).toInt(&ok, 16);
    *gain = ok ? value : 0;
    return true;
}

void dispatch(Bluetooth& module, BluetoothHost& host, const QString& line,
              const QString& logPrefix, QString* fwVersion)
{
    if (isAnswerLine(line)) {
        emit module.btAnswerFromDeviceReceived();
        qDebug().noquote() << logPrefix << "FROM TB-9:" << line;

        const QStringList blank = line.split(' ');
        const QString keyword = wordAt(blank, 1);
        const bool firmware = keyword == "FH" || keyword == "FD" || keyword == "FS";
        const QStringList values = firmware ? blank : words(line);
        const QString v2 = wordAt(values, 2);
        const QString v3 = wordAt(values, 3);

        if (keyword == "MUTE_STATE") {
            emit module.stateActiveMuteChanged(v2 != "ACTIVE");
        } else if (keyword == "ALERT") {
            emit module.btAlertMessageReceived(v2);
        } else if (keyword == "SENSOR") {
            emit module.btSensortypeReceived(v2);
        } else if (keyword == "BATT_VOLTAGE") {
            emit module.btBatteryvoltageReceived(v2);
        } else if (keyword == "SENSVAL") {
            emit module.btSensorvalueReceived(v2, v3);
        } else if (keyword == "OK") {
            qDebug().noquote() << logPrefix << "AT-OK received Microphone";
        } else if (keyword == "RCVOK") {
            qDebug().noquote() << logPrefix << "RCVOK" << v2;
        } else if (keyword == "X") {
            qDebug().noquote() << logPrefix << "Debug-/Service-Mode =" << v2;
        } else if (keyword == "RDY") {
            qDebug().noquote() << logPrefix << "Mic ready, voltage/mV" << v2 << "Sensortyp" << v3;
            host.updateMicrophoneParameter();
            emit module.btBatteryvoltageReceived(v2);
            emit module.btSensortypeReceived(v3);
            emit module.btRdyReceived();
        } else if (keyword == "FH") {
            emit module.btFwHeaderReceived(v2 == "OK");
        } else if (keyword == "FD") {
            emit module.btFwDataReceived(v2.toInt(), v3 == "OK");
        } else if (keyword == "FS") {
            emit module.btFwStartUpdateReceived(v2 == "OK");
        } else if (keyword == "FW-VERSION") {
            if (fwVersion)
                *fwVersion = v2;
            emit module.btFirmwareVersion(v2);
        } else if (keyword == "HW-VERSION") {
            emit module.btHardwareVersion(v2);
        } else if (keyword == "MIC-GAIN") {
            emit module.btMicGain(v2);
        } else if (keyword == "BUTTON") {
            emit module.btButtonMode(v2);
        } else {
            qDebug().noquote() << logPrefix << "Unknown accessory line:" << line;
        }
    }
    if (isTermination(line))
        emit module.terminationStringDetected();
}

}
