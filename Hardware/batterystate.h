#ifndef BATTERYSTATE_H
#define BATTERYSTATE_H

#include <QFile>
#include <QObject>

// The unit's own battery: fuel gauge (charge, voltage, current, temperature)
// and charger state, read from the power-supply class on every call.
class BatteryState : public QObject
{
    Q_OBJECT
public:
    explicit BatteryState(QObject* parent = nullptr);

    int fuelPercent();
    bool isCharging();
    float voltage();
    float current();
    float temperature();

    void updateValues();

    // False until a plausible voltage has been read: a reader that never saw
    // the gauge must not be taken for a flat battery.
    bool hasVoltage() const { return m_voltageValid; }
    // The same for the charge (0..100): 0 % from a gauge never read is no reading.
    bool hasFuelPercent() const { return m_percentValid; }
    bool hasTemperature() const { return m_temperatureValid; }

private:
    bool readText(const char* file, QString& text);
    bool readNumber(const char* file, double& value);
    void readStatus(const char* file);
    void readPercent();
    void readVoltage();
    void readCurrent();
    void readTemperature();

    QFile m_fileFuelgauge;
    int m_battFuelPercent;
    bool m_charging;
    float m_voltage;
    float m_current;
    float m_temperature;
    bool m_voltageValid = false;
    bool m_percentValid = false;
    bool m_temperatureValid = false;
};

#endif
