#include "tb9accessory.h"

#include <QRegularExpression>

QStringList Tb9Accessory::receive(const QString& line)
{
    m_received << line;
    static const QRegularExpression ws("\\s+");
    const QStringList w = line.split(ws, Qt::SkipEmptyParts);
    const QString cmd = w.value(1);
    if (w.value(0) != "BT_TX")
        return {};
    if (cmd == "B")
        return {QString("BT_RX BATT_VOLTAGE %1").arg(m_battery)};
    if (cmd == "T")
        return {"BT_RX SENSOR " + m_sensorType};
    if (cmd == "S")
        return {QString("BT_RX SENSVAL %1 %2").arg(m_sensorValue, m_activeTime)};
    if (cmd == "P") {
        return {"BT_RX FW-VERSION 1.04",
                "BT_RX HW-VERSION 2",
                "BT_RX MIC-GAIN " + QString("%1").arg(m_gain, 2, 16, QLatin1Char('0')),
                QString("BT_RX BUTTON ") + (m_switchMode ? "SWITCH" : "PUSHBUT"),
                "BT_RX SENSOR " + m_sensorType,
                QString("BT_RX BATT_VOLTAGE %1").arg(m_battery),
                muteState().first(),
                "BT_RX !$!"};
    }
    if (cmd == "I") {
        bool ok = false;
        const int gain = w.value(2).toInt(&ok, 16);
        if (ok)
            m_gain = gain;
        m_muted = w.value(3) != "ACTIVE";
        m_switchMode = w.value(4) == "SWITCH";
        return {"BT_RX OK"};
    }
    if (cmd == "G") {
        bool ok = false;
        const int gain = w.value(2).toInt(&ok, 16);
        if (ok)
            m_gain = gain;
        return {"BT_RX OK"};
    }
    if (cmd == "O")
        return {"BT_RX OK"};
    if (cmd == "X") {
        m_debugMode = true;
        return {"BT_RX X " + w.value(2)};
    }
    if (cmd == "RS" || cmd == "RP") {
        m_pressureStream = cmd == "RS";
        return {"BT_RX RCVOK " + cmd};
    }
    if (cmd == "FH")
        return {"BT_RX FH OK"};
    if (cmd == "FD")
        return {QString("BT_RX FD %1 OK").arg(w.value(2))};
    if (cmd == "FS")
        return QStringList{"BT_RX FS OK"} + restart();
    return {"BT_RX ERR " + cmd};
}

QStringList Tb9Accessory::muteState() const
{
    return {QString("BT_RX MUTE_STATE ") + (m_muted ? "MUTE" : "ACTIVE")};
}

QStringList Tb9Accessory::pressMute()
{
    m_muted = m_switchMode ? !m_muted : false;
    return muteState();
}

QStringList Tb9Accessory::releaseMute()
{
    if (m_switchMode)
        return {};
    m_muted = true;
    return muteState();
}

QStringList Tb9Accessory::alert(const QString& code)
{
    return {"BT_RX ALERT " + code};
}

QStringList Tb9Accessory::setSensorType(const QString& type)
{
    m_sensorType = type;
    return {"BT_RX SENSOR " + type};
}

QStringList Tb9Accessory::setSensorValue(const QString& value, const QString& activeTime)
{
    m_sensorValue = value;
    m_activeTime = activeTime;
    return {QString("BT_RX SENSVAL %1 %2").arg(value, activeTime)};
}

QStringList Tb9Accessory::setBattery(int millivolts)
{
    m_battery = millivolts;
    return {QString("BT_RX BATT_VOLTAGE %1").arg(millivolts)};
}

QStringList Tb9Accessory::restart()
{
    m_muted = true;
    m_pressureStream = false;
    m_debugMode = false;
    return {QString("BT_RX RDY %1 %2").arg(m_battery).arg(m_sensorType)};
}

QString SimHeadset::batteryReport() const
{
    const int level = qBound(0, batteryPercent / 10 - 1, 9);
    return QString("AT+IPHONEACCEV=2,1,%1,2,0").arg(level);
}
