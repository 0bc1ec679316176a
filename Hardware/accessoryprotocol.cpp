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
const char* const kConfigurationRequest = "BT_TX P";
const char* const kFirmwareStartLine = "BT_TX FS";

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

// "PRESSURE_ON <full scale, bar> <ADC at 0 bar> <ADC at full scale>":
// whole numbers, the ADC readings within the converter's range.
bool pressureCalibration(const QStringList& w, int values[3])
{
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = wordAt(w, 2 + i).toInt(&ok);
        if (!ok || (i > 0 && (values[i] < 0 || values[i] > kAdcMax)))
            return false;
    }
    return true;
}

// "PRESSURE_DATA <count> <samples>": the samples are the rest of the line
// after the count and one blank, blanks and all but those at its end (no
// sample reads them, and one module kind trims its lines): both module kinds
// hand on the same text.
bool pressureBlock(const QString& line, const QStringList& blank, int* count, QString* samples)
{
    bool ok = false;
    *count = wordAt(blank, 2).toInt(&ok);
    if (!ok)
        return false;
    int end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    const int at = blank.at(0).size() + blank.at(1).size() + blank.at(2).size() + 3;
    *samples = line.mid(at, end - at);
    return true;
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

QString firmwareHeaderLine(qint64 size, const QString& version)
{
    return QString("BT_TX FH %1 %2").arg(size).arg(version);
}

QString firmwarePacketLine(int number, const QByteArray& bytes)
{
    return QString("BT_TX FD %1 %2 ")
               .arg(number, 3, 10, QLatin1Char('0'))
               .arg(bytes.size(), 3, 10, QLatin1Char('0'))
           + QString::fromLatin1(bytes.toHex());
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
        } else if (keyword == "PRESSURE_ON") {
            int c[3];
            if (pressureCalibration(values, c))
                emit module.btEnableReceivePressuredata(true, c[0], ushort(c[1]), ushort(c[2]));
            else
                qDebug().noquote() << logPrefix << "Pressure calibration refused:" << line;
        } else if (keyword == "PRESSURE_OFF") {
            emit module.btEnableReceivePressuredata(false);
        } else if (keyword == "PRESSURE_DATA") {
            int count = 0;
            QString samples;
            if (pressureBlock(line, blank, &count, &samples))
                emit module.btPressuredataReceived(count, samples);
            else
                qDebug().noquote() << logPrefix << "Pressure block refused:" << line.left(40);
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
