#include "batterystate.h"
#include "devicelayer.h"

#include <cmath>

namespace {
const char* const kGaugeStatus = "/sys/class/power_supply/bq27426-0/status";
const char* const kChargerStatus = "/sys/class/power_supply/bq24190-battery/status";
const char* const kCapacity = "/sys/class/power_supply/bq27426-0/capacity";
const char* const kVoltage = "/sys/class/power_supply/bq27426-0/voltage_now";
const char* const kCurrent = "/sys/class/power_supply/bq27426-0/current_now";
const char* const kTemperature = "/sys/class/power_supply/bq27426-0/temp";

// What one lithium cell can show. A gauge reading outside (0, a negative
// value, volts where microvolts belong) is no reading: taken as such it
// would switch the unit off.
const double kLowestVolts = 2.0;
const double kHighestVolts = 5.0;
}

BatteryState::BatteryState(QObject* parent)
    : QObject(parent),
      m_battFuelPercent(0),
      m_charging(false),
      m_voltage(0),
      m_current(0),
      m_temperature(0)
{
    m_fileFuelgauge.setFileName(DeviceLayer::path(kGaugeStatus));
}

bool BatteryState::readText(const char* file, QString& text)
{
    m_fileFuelgauge.setFileName(DeviceLayer::path(file));
    if (!m_fileFuelgauge.open(QIODevice::ReadOnly))
        return false;
    const QByteArray raw = m_fileFuelgauge.read(32);
    m_fileFuelgauge.close();
    text = QString::fromLatin1(raw).toLower().trimmed();
    return true;
}

// A value that cannot be read or is not a number leaves the last good one in
// place: a gauge read as 0 V would switch the unit off.
bool BatteryState::readNumber(const char* file, double& value)
{
    QString text;
    if (!readText(file, text))
        return false;
    bool ok = false;
    const double v = text.toDouble(&ok);
    // "nan" and "inf" parse as numbers but are no reading; a charge beyond
    // int would not survive the conversion.
    if (!ok || !std::isfinite(v) || std::fabs(v) > 1e9)
        return false;
    value = v;
    return true;
}

void BatteryState::readStatus(const char* file)
{
    QString text;
    if (readText(file, text))
        m_charging = (text == QLatin1String("charging"));
}

void BatteryState::readPercent()
{
    double v;
    if (readNumber(kCapacity, v) && v >= 0 && v <= 100) {
        m_battFuelPercent = static_cast<int>(v);
        m_percentValid = true;
    }
}

void BatteryState::readVoltage()
{
    double v;
    if (!readNumber(kVoltage, v))
        return;
    const double volts = v / 1000000.0;
    if (volts < kLowestVolts || volts > kHighestVolts)
        return;
    m_voltage = static_cast<float>(volts);
    m_voltageValid = true;
}

void BatteryState::readCurrent()
{
    double v;
    if (readNumber(kCurrent, v))
        m_current = static_cast<float>(v / 1000000.0);
}

void BatteryState::readTemperature()
{
    double v;
    if (readNumber(kTemperature, v)) {
        m_temperature = static_cast<float>(v / 10.0);
        m_temperatureValid = true;
    }
}

int BatteryState::fuelPercent()
{
    readPercent();
    return m_battFuelPercent;
}

bool BatteryState::isCharging()
{
    readStatus(kChargerStatus);
    return m_charging;
}

float BatteryState::voltage()
{
    readVoltage();
    return m_voltage;
}

float BatteryState::current()
{
    readCurrent();
    return m_current;
}

float BatteryState::temperature()
{
    readTemperature();
    return m_temperature;
}

void BatteryState::updateValues()
{
    readStatus(kGaugeStatus);
    readPercent();
    readVoltage();
    readCurrent();
    readTemperature();
}
