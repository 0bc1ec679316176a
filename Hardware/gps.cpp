#include "gps.h"
#include "devicelayer.h"
#include "gpio.h"
#include "systemclock.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QGeoPositionInfo>
#include <QNmeaPositionInfoSource>
#include <QSerialPort>
#include <QThread>

#include <cmath>

// Qt reads the port and hands each line here; the sentences it takes are
// checked first, and every line also goes to Gps for satellites, validity
// and the counters.
class GpsNmeaSource : public QNmeaPositionInfoSource
{
public:
    explicit GpsNmeaSource(Gps* gps) : QNmeaPositionInfoSource(RealTimeMode, gps), m_gps(gps) {}

protected:
    bool parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo,
                                  bool* hasFix) override
    {
        *hasFix = false;
        if (m_gps->m_source != this)
            return false;  // a port given up, not yet deleted
        ++m_gps->m_sentencesRead;
        QByteArray sentence;
        if (!GnssProtocol::takeSentence(data, size, &sentence)) {
            ++m_gps->m_checksumFailures;
            return false;
        }
        const bool parsed = QNmeaPositionInfoSource::parsePosInfoFromNmeaData(
            sentence.constData(), sentence.size(), posInfo, hasFix);
        m_gps->handleSentence(sentence, parsed, *posInfo, *hasFix);
        return parsed;
    }

private:
    Gps* m_gps;
};

namespace {

qint64 monotonicMs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

}

Gps::Gps(QObject* parent)
    : QObject(parent), m_clock(monotonicMs)
{
    connect(&m_checkTimer, &QTimer::timeout, this, &Gps::checkState);
}

Gps::~Gps()
{
    delete m_source;
}

int Gps::latestClockYear()
{
    // __DATE__ is "Mmm dd yyyy".
    static const int built = QByteArray(__DATE__).right(4).toInt();
    return built + kClockYearsAhead;
}

void Gps::initGps()
{
    m_gpsDataValid = false;
    m_latitude = m_longitude = 999.0;
    m_height = 0.0;
    m_hasHeight = false;
    m_lastFixUtc = QDateTime();
    m_satellites.clear();
    if (!m_port)
        openPort();
    m_checkTimer.start(kCheckMs);
}

void Gps::switchOnGpsModul()
{
    qDebug() << "GPS: switch on";
    Gpio::setValue(kPowerLine, 1);
    m_powerOn = true;
    if (!m_port)
        openPort();
    sendUbx(GnssProtocol::cfgRst(GnssProtocol::HotStart, GnssProtocol::GnssStart), false);
}

void Gps::switchOffGpsModul()
{
    qDebug() << "GPS: switch off";
    sendUbx(GnssProtocol::cfgRst(GnssProtocol::HotStart, GnssProtocol::GnssStop), true);
    Gpio::setValue(kPowerLine, 0);
    m_powerOn = false;
    loseFix("switched off");
    m_satellites.clear();
}

void Gps::enableSystemTimeSettingViaGps(bool enable)
{
    m_systemTimeViaGps = enable;
    if (enable) {
        m_clockPending = true;
        m_badDateLogged = false;
    }
}

double Gps::getLatitude() const
{
    // Written so that NaN, too, reads as no position.
    return m_latitude >= -90.0 && m_latitude <= 90.0 ? m_latitude : 0.0;
}

double Gps::getLongitude() const
{
    return m_longitude >= -180.0 && m_longitude <= 180.0 ? m_longitude : 0.0;
}

void Gps::setPosition(double latitude, double longitude)
{
    m_latitude = latitude;
    m_longitude = longitude;
}

qint64 Gps::getLastSentenceAgeMs() const
{
    return m_lastSentenceMs < 0 ? -1 : m_clock() - m_lastSentenceMs;
}

void Gps::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicMs);
}

void Gps::checkState()
{
    const qint64 now = m_clock();
    if (!m_port && m_powerOn && now >= m_nextRetryMs)
        openPort();
    if (m_gpsDataValid && now - m_lastFixMs > kFixTimeoutMs)
        loseFix("no fix sentence for 3 s");
    m_satellites.expire(now);
}

void Gps::handleSentence(const QByteArray& sentence, bool parsed, const QGeoPositionInfo& info, bool hasFix)
{
    const qint64 now = m_clock();
    m_lastSentenceMs = now;
    if (!m_powerOn)
        return;  // on its way when the receiver was switched off
    const QList<QByteArray> f = GnssProtocol::fields(sentence);
    const QByteArray type = f.value(0).mid(2);
    if (type == "GSV" || type == "GSA") {
        m_satellites.add(f, now);
        return;
    }
    if (type != "RMC" && type != "GGA")
        return;
    const QGeoCoordinate c = info.coordinate();
    // Qt reports a fix also for coordinates out of range.
    if (!parsed || !hasFix || !c.isValid()) {
        loseFix("no fix");
        return;
    }
    if (!m_gpsDataValid)
        qDebug() << "GPS: fix";
    m_gpsDataValid = true;
    m_lastFixMs = now;
    setPosition(c.latitude(), c.longitude());
    if (type == "GGA") {
        // "inf", "1e308" or a height no receiver reports is no reading.
        const double height = c.altitude();
        m_hasHeight = std::isfinite(height) && height >= kMinHeightM && height <= kMaxHeightM;
        m_height = m_hasHeight ? height : 0.0;
    }
    if (type == "RMC" && info.timestamp().isValid()) {
        // A time the clock refuses is no reading for the monitor either.
        const bool plausible = plausibleTime(info.timestamp());
        m_lastFixUtc = plausible ? info.timestamp() : QDateTime();
        setClockFromGps(info.timestamp());
    }
}

void Gps::loseFix(const char* why)
{
    if (m_gpsDataValid)
        qDebug() << "GPS: fix lost:" << why;
    m_gpsDataValid = false;
    m_clockPending = true;
    m_badDateLogged = false;
}

bool Gps::plausibleTime(const QDateTime& utc)
{
    // A week-number rollover, or a two-digit year taken as 20yy that lies
    // decades ahead ("99" is 2099).
    const int year = utc.date().year();
    return year >= kEarliestClockYear && year <= latestClockYear();
}

void Gps::setClockFromGps(const QDateTime& utc)
{
    if (!m_systemTimeViaGps || !m_clockPending)
        return;
    // The clock would stay wrong until the fix is lost.
    if (!plausibleTime(utc)) {
        if (!m_badDateLogged)
            qDebug() << "GPS: date" << utc.toString(Qt::ISODate) << "is not within" << kEarliestClockYear
                     << ".." << latestClockYear() << "- clock not set";
        m_badDateLogged = true;
        return;
    }
    m_clockPending = false;
    const int offset = m_localOffset ? m_localOffset() : 0;
    const QDateTime local = QDateTime(utc.date(), utc.time(), Qt::UTC).addSecs(offset);
    SystemClock::set(local);
    m_lastClockSetting = local;
}

bool Gps::openPort()
{
    auto* port = new QSerialPort;
    port->setPortName(DeviceLayer::path(kPort));
    port->setBaudRate(kBaudRate);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        if (!m_portFailureLogged)
            qDebug() << "GPS: cannot open" << kPort << port->errorString() << "- retrying while switched on";
        m_portFailureLogged = true;
        delete port;
        m_nextRetryMs = m_clock() + kRetryMs;
        return false;
    }
    // What waited in the port is old: a fix from it could set the clock wrong.
    port->clear(QSerialPort::Input);
    m_source = new GpsNmeaSource(this);
    port->setParent(m_source);
    m_port = port;
    connect(port, &QSerialPort::errorOccurred, this, [this, port](QSerialPort::SerialPortError error) {
        if (port == m_port)
            onPortError(error);
    });
    m_source->setDevice(port);
    m_source->setUpdateInterval(kUpdateIntervalMs);
    m_source->startUpdates();
    // After Qt's reader, which takes only complete lines.
    connect(port, &QSerialPort::readyRead, this, &Gps::dropEndlessLine);
    qDebug() << "GPS: port" << kPort << "open";
    m_portFailureLogged = false;
    return true;
}

void Gps::dropPort()
{
    if (!m_source)
        return;
    m_port->close();
    m_source->stopUpdates();
    m_source->deleteLater();
    m_source = nullptr;
    m_port = nullptr;
}

void Gps::onPortError(int error)
{
    // A pseudo-terminal refuses the modem lines; reading goes on.
    if (error == QSerialPort::NoError || error == QSerialPort::UnsupportedOperationError
        || error == QSerialPort::TimeoutError)
        return;
    qDebug() << "GPS: port" << kPort << "failed:" << m_port->errorString() << "- retrying while switched on";
    m_portFailureLogged = true;
    dropPort();
    loseFix("port failed");
    m_nextRetryMs = m_clock() + kRetryMs;
}

void Gps::dropEndlessLine()
{
    if (m_port && m_port->bytesAvailable() > kMaxLineBytes && !m_port->canReadLine()) {
        m_port->readAll();
        ++m_sentencesRead;
        ++m_checksumFailures;
    }
}

void Gps::sendUbx(const QByteArray& frame, bool beforePowerOff)
{
    if (!m_port) {
        qDebug() << "GPS: port closed, UBX frame not sent:" << frame.toHex(' ');
        return;
    }
    qDebug() << "GPS: UBX" << frame.toHex(' ');
    m_port->write(frame);
    m_port->flush();
    DeviceLayer::recordWrite(kPort, frame.toHex(' '));
    m_lastUbxFrame = frame;
    // The receiver must keep its power until the frame is through the line
    // (ten bits a byte).
    if (beforePowerOff)
        QThread::msleep(static_cast<unsigned long>(frame.size() * 10 * 1000 / kBaudRate + 2));
}
