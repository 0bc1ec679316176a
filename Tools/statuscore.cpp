#include "statuscore.h"

#include <QDebug>

namespace {
const float kWarningVoltage = 3.1f;
const float kCriticalVoltage = 2.9f;
const int kWarningSeconds = 120;
// Shorter than the power-down's 3 s: the warning does not hold up the unmount.
const int kCriticalWarningSeconds = 2;

int countdown(int seconds)
{
    return seconds > 0 ? seconds : StatusCore::kNeverSeconds;
}
}

void StatusCore::start()
{
    loadCountdowns();
    m_powerSavingActive = false;
    m_warningArmed = true;
    m_noVoltageLogged = false;
    if (m_host)
        m_host->setBacklight(m_host->brightness());
}

void StatusCore::loadCountdowns()
{
    m_powerOffCnt = countdown(m_host ? m_host->powerOffTime() : 0);
    m_backlightOffCnt = countdown(m_host ? m_host->displayOffTime() : 0);
}

void StatusCore::wake()
{
    loadCountdowns();
    if (m_powerSavingActive && m_host)
        m_host->setBacklight(m_host->brightness());
    m_powerSavingActive = false;
}

void StatusCore::stepPowerOff(int seconds)
{
    // It keeps running during an unattended measurement.
    m_powerOffCnt -= seconds;
    if (m_powerOffCnt >= 1)
        return;
    qDebug() << "Power-Off device";
    if (m_host)
        m_host->requestPowerDown();
}

void StatusCore::stepBacklight(int seconds)
{
    m_backlightOffCnt -= seconds;
    if (m_backlightOffCnt > 0 || m_powerSavingActive)
        return;
    // Dark once: the file is left alone until a key wakes the unit.
    qDebug() << "Backlight off";
    if (m_host)
        m_host->setBacklight(0);
    m_powerSavingActive = true;
}

void StatusCore::battery(const BatteryReading& reading)
{
    // A gauge that never answered reads 0 V: that is no flat battery.
    if (!reading.hasVoltage) {
        if (!m_noVoltageLogged)
            qDebug() << "Battery voltage not read: no low-battery warning and no power-down";
        m_noVoltageLogged = true;
        return;
    }
    // A critical cell must not wait behind the warning: the power-down
    // starts first and the warning closes itself before the unit goes.
    const bool critical = reading.volts < kCriticalVoltage;
    if (critical) {
        qDebug() << "Battery is very low. Power-Off device";
        if (m_host)
            m_host->requestPowerDown();
    }
    // Ticks go on inside the warning's loop; they open no second one.
    if (!lowBatteryTriggers(reading) || !m_warningArmed || m_warningOpen || !m_host)
        return;
    m_warningOpen = true;
    const int closed = m_host->showWarning(StatusHost::LowBattery,
                                           critical ? kCriticalWarningSeconds : kWarningSeconds);
    m_warningOpen = false;
    if (closed == StatusHost::ClosedOk) {
        qDebug() << "Battery low message accepted";
        m_warningArmed = false;
    } else if (closed == StatusHost::ClosedTimeout) {
        qDebug() << "Battery low message: Timeout";
        m_warningArmed = false;
    } else {
        qDebug() << "Ende Button Unknown";
    }
}

// Arms the warning again on a good reading; true when it should show.
bool StatusCore::lowBatteryTriggers(const BatteryReading& reading)
{
    const bool lowVoltage = reading.volts < kWarningVoltage;
    // Without a charge reading only the voltage speaks.
    if (!reading.hasPercent)
        return lowVoltage;
    if (reading.percent >= 11) {
        if (reading.volts > kWarningVoltage)
            m_warningArmed = true;
        return lowVoltage;
    }
    if (reading.percent == 10)
        return lowVoltage;
    return true;
}
