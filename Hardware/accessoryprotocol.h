#ifndef ACCESSORYPROTOCOL_H
#define ACCESSORYPROTOCOL_H

#include <QByteArray>
#include <QString>

class Bluetooth;
class BluetoothHost;

// The text lines exchanged with the TB-9 accessory: "BT_TX ..." from the
// unit, "BT_RX ..." from the accessory. Both module drivers build and read
// the lines only here.
namespace AccessoryProtocol {

extern const char* const kUnitPrefix;   // "BT_TX"
extern const char* const kAnswerPrefix; // "BT_RX"
extern const char* const kDebugLine;    // "BT_TX X DEBUG"
constexpr int kAdcMax = 4095;           // the pressure transducer's converter

// "BT_TX I <gain> <MUTE|ACTIVE> <SWITCH|PUSHBUT>", gain as two hex digits.
QString micInitLine(int gain, int mute, bool switchMode);
// "BT_TX G <gain>", gain as two hex digits.
QString micGainLine(int gain);

// Accessory firmware: "BT_TX FH <size> <version>", then packets of
// kFirmwarePacketBytes, "BT_TX FD <nnn> <length> <hex>" (number and length as
// three decimal digits, the bytes as lower-case hex without separators),
// then kFirmwareStartLine.
constexpr int kFirmwarePacketBytes = 64;
extern const char* const kConfigurationRequest; // "BT_TX P"
extern const char* const kFirmwareStartLine;    // "BT_TX FS"
QString firmwareHeaderLine(qint64 size, const QString& version);
QString firmwarePacketLine(int number, const QByteArray& bytes);

inline bool isUnitLine(const QString& line) { return line.startsWith(QLatin1String(kUnitPrefix)); }
inline bool isAnswerLine(const QString& line) { return line.startsWith(QLatin1String(kAnswerPrefix)); }
// "!$!" closes a multi-line answer, with or without the "BT_RX" prefix.
bool isTermination(const QString& line);

// For a line that begins "BT_TX I": its gain word read as hexadecimal
// (0 when it is not a number). False for any other line.
bool micInitGain(const QString& line, int* gain);

// Turns one accessory line (without its line end) into the module's signals:
// an answer line first emits btAnswerFromDeviceReceived(), then the signal of
// its keyword; a termination line emits terminationStringDetected() last.
// The pressure stream: "PRESSURE_ON <bar> <ADC at 0 bar> <ADC at full scale>",
// "PRESSURE_OFF" and "PRESSURE_DATA <count> <samples>" (the rest of the line,
// verbatim) emit btEnableReceivePressuredata and btPressuredataReceived;
// words that are not whole numbers, or ADC readings beyond 0..4095, are
// logged and emit nothing.
// fwVersion, when given, receives the version of a "FW-VERSION" line.
void dispatch(Bluetooth& module, BluetoothHost& host, const QString& line,
              const QString& logPrefix, QString* fwVersion = nullptr);

}

#endif
