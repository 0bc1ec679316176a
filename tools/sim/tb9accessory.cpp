#include "tb9accessory.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

Tb9Accessory::Clock& clockSource()
{
    static Tb9Accessory::Clock clock;
    return clock;
}

}

void Tb9Accessory::setClock(Clock clock)
{
    clockSource() = std::move(clock);
}

qint64 Tb9Accessory::now()
{
    if (clockSource())
        return clockSource()();
    static QElapsedTimer since;
    if (!since.isValid())
        since.start();
    return since.elapsed();
}

Tb9Accessory::Tb9Accessory() : m_heatingSince(now()) {}

QStringList Tb9Accessory::receive(const QString& line)
{
    m_received << line;
    static const QRegularExpression ws("\\s+");
    const QStringList w = line.split(ws, Qt::SkipEmptyParts);
    const QString cmd = w.value(1);
    // While it flashes it hears nothing.
    if (w.value(0) == "BT_TX" && !m_silent.contains(cmd) && now() >= m_flashingUntil)
        schedule(now() + m_answerDelay, m_failing.contains(cmd) ? failure(w) : answer(w));
    return due();
}

QStringList Tb9Accessory::due()
{
    const qint64 t = now();
    for (Stream& s : m_streams) {
        // A clock that leapt ahead gets the last few intervals, not all.
        s.next = std::max(s.next, t - qint64(kStreamCatchUp) * s.intervalMs);
        for (; s.next <= t; s.next += s.intervalMs)
            schedule(s.next, s.make(s.next));
    }
    QStringList out;
    while (!m_queue.isEmpty() && m_queue.first().due <= t)
        out << m_queue.takeFirst().line;
    return out;
}

void Tb9Accessory::schedule(qint64 due, const QStringList& lines)
{
    // After every line due at the same time or earlier.
    auto at = std::upper_bound(m_queue.begin(), m_queue.end(), due,
                               [](qint64 d, const Timed& t) { return d < t.due; });
    for (const QString& l : lines)
        at = m_queue.insert(at, Timed{due, l}) + 1;
}

void Tb9Accessory::startStream(const QString& name, qint64 first, int intervalMs, Producer make)
{
    stopStream(name);
    m_streams.append(Stream{name, first, std::max(1, intervalMs), std::move(make)});
}

void Tb9Accessory::stopStream(const QString& name)
{
    m_streams.erase(std::remove_if(m_streams.begin(), m_streams.end(),
                                   [&](const Stream& s) { return s.name == name; }),
                    m_streams.end());
}

bool Tb9Accessory::isStreaming(const QString& name) const
{
    return std::any_of(m_streams.begin(), m_streams.end(), [&](const Stream& s) { return s.name == name; });
}

void Tb9Accessory::setSilent(const QString& command)
{
    if (command.isEmpty())
        m_silent.clear();
    else
        m_silent.insert(command);
}

void Tb9Accessory::setFailing(const QString& command)
{
    if (command.isEmpty())
        m_failing.clear();
    else
        m_failing.insert(command);
}

// A result word turns into ERR; other commands get the general refusal.
QStringList Tb9Accessory::failure(const QStringList& w)
{
    const QString cmd = w.value(1);
    if (cmd == "FH" || cmd == "FS")
        return {"BT_RX " + cmd + " ERR"};
    if (cmd == "FD")
        return {QString("BT_RX FD %1 ERR").arg(w.value(2))};
    return {"BT_RX ERR " + cmd};
}

QStringList Tb9Accessory::answer(const QStringList& w)
{
    const QString cmd = w.value(1);
    if (cmd == "B")
        return {QString("BT_RX BATT_VOLTAGE %1").arg(m_battery)};
    if (cmd == "T")
        return {"BT_RX SENSOR " + m_sensorType};
    if (cmd == "S")
        return {sensorValueLine()};
    if (cmd == "P") {
        return {"BT_RX FW-VERSION " + m_fwVersion,
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
    if (cmd == "RS") {
        startStream(kPressureStream, now() + m_answerDelay + SimPressureSensor::kBlockMs,
                    SimPressureSensor::kBlockMs, [this](qint64 t) { return QStringList{m_pressure.block(t)}; });
        return {m_pressure.announce()};
    }
    if (cmd == "RP") {
        stopStream(kPressureStream);
        return {"BT_RX PRESSURE_OFF"};
    }
    if (cmd == "FH") {
        bool ok = false;
        m_fwSize = w.value(2).toLongLong(&ok);
        m_fwNewVersion = w.value(3);
        m_fwImage.clear();
        if (!ok || m_fwSize <= 0 || m_fwNewVersion.isEmpty()) {
            m_fwSize = -1;
            return {"BT_RX FH ERR"};
        }
        return {"BT_RX FH OK"};
    }
    if (cmd == "FD")
        return firmwarePacket(w);
    if (cmd == "FS")
        return flash();
    return {"BT_RX ERR " + cmd};
}

QStringList Tb9Accessory::firmwarePacket(const QStringList& w)
{
    const QString number = w.value(2);
    const int expected = int(m_fwImage.size() / kPacketBytes);
    bool numberOk = false, lengthOk = false;
    const int n = number.toInt(&numberOk);
    const int length = w.value(3).toInt(&lengthOk);
    const QByteArray bytes = QByteArray::fromHex(w.value(4).toLatin1());
    const bool fits = m_fwSize > 0 && number.size() == 3 && numberOk && lengthOk && n == expected
                      && m_fwImage.size() % kPacketBytes == 0 && length == bytes.size() && length > 0 && length <= kPacketBytes
                      && w.value(4).size() == 2 * length && m_fwImage.size() + length <= m_fwSize;
    if (!fits)
        return {QString("BT_RX FD %1 ERR").arg(number)};
    m_fwImage += bytes;
    return {QString("BT_RX FD %1 OK").arg(number)};
}

QStringList Tb9Accessory::flash()
{
    if (m_fwSize <= 0 || m_fwImage.size() != m_fwSize)
        return {"BT_RX FS ERR"};
    m_fwVersion = m_fwNewVersion;
    // Going down: what it had not sent is lost; it comes back on its own.
    powerUp();
    const qint64 back = now() + m_answerDelay + kFlashMs;
    m_flashingUntil = back;
    schedule(back, {readyLine()});
    return {"BT_RX FS OK"};
}

QString Tb9Accessory::readyLine() const
{
    return QString("BT_RX RDY %1 %2").arg(m_battery).arg(m_sensorType);
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
    // A newly attached H2 sensor starts heating.
    if (type == "3")
        m_heatingSince = now();
    return {"BT_RX SENSOR " + type};
}

QStringList Tb9Accessory::setSensorValue(const QString& value, const QString& activeTime)
{
    m_valuePinned = true;
    m_pinnedValue = value;
    m_pinnedTime = activeTime;
    return {QString("BT_RX SENSVAL %1 %2").arg(value, activeTime)};
}

void Tb9Accessory::setGas(int raw, int rampSeconds)
{
    const qint64 t = now();
    m_gasFrom = gasAt(t);
    m_gasTo = raw;
    m_gasStart = t;
    m_gasRampMs = qint64(rampSeconds) * 1000;
    m_valuePinned = false;
}

void Tb9Accessory::setHeating(int seconds)
{
    m_heatingSince = now() - qint64(seconds) * 1000;
    m_valuePinned = false;
}

double Tb9Accessory::gasAt(qint64 t) const
{
    if (m_gasRampMs <= 0 || t >= m_gasStart + m_gasRampMs)
        return m_gasTo;
    return m_gasFrom + (m_gasTo - m_gasFrom) * double(t - m_gasStart) / double(m_gasRampMs);
}

QString Tb9Accessory::sensorValueLine()
{
    if (m_valuePinned)
        return QString("BT_RX SENSVAL %1 %2").arg(m_pinnedValue, m_pinnedTime);
    const qint64 t = now();
    const int noise = int(m_noise() % (2 * kH2Noise + 1)) - kH2Noise;
    const long raw = kH2Baseline + std::lround(gasAt(t)) + noise;
    const qint64 seconds = std::max<qint64>(0, (t - m_heatingSince) / 1000);
    return QString("BT_RX SENSVAL %1 %2").arg(raw).arg(seconds);
}

QStringList Tb9Accessory::setBattery(int millivolts)
{
    m_battery = millivolts;
    return {QString("BT_RX BATT_VOLTAGE %1").arg(millivolts)};
}

void Tb9Accessory::powerUp()
{
    m_muted = true;
    m_debugMode = false;
    m_fwSize = -1;
    m_fwImage.clear();
    // What it had not sent yet is gone with it, and so are its streams.
    m_queue.clear();
    m_streams.clear();
}

QStringList Tb9Accessory::restart()
{
    powerUp();
    m_flashingUntil = 0;
    return {readyLine()};
}

QString SimHeadset::batteryReport() const
{
    const int level = qBound(0, batteryPercent / 10 - 1, 9);
    return QString("AT+IPHONEACCEV=2,1,%1,2,0").arg(level);
}
