#include "gps.h"

#include <QDebug>

Gps::Gps(QObject* parent)
    : QObject(parent)
{
}

void Gps::initGps()
{
    m_gpsDataValid = false;
    m_latitude = 0.0;
    m_longitude = 0.0;
    // Filled by the GPS work: the NMEA source on "/dev/ttyO1".
    qDebug() << "GPS: no receiver driver yet, position invalid";
}

void Gps::switchOnGpsModul()
{
    // Filled by the GPS work: power line on and receiver reset.
    qDebug() << "GPS: switch on";
}

void Gps::switchOffGpsModul()
{
    // Filled by the GPS work: power line off.
    qDebug() << "GPS: switch off";
}

double Gps::getLatitude() const
{
    return (m_latitude < -90.0 || m_latitude > 90.0) ? 0.0 : m_latitude;
}

double Gps::getLongitude() const
{
    return (m_longitude < -180.0 || m_longitude > 180.0) ? 0.0 : m_longitude;
}

void Gps::setPosition(double latitude, double longitude)
{
    m_latitude = latitude;
    m_longitude = longitude;
}
