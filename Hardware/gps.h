#ifndef GPS_H
#define GPS_H

#include <QObject>

// The GNSS receiver on "/dev/ttyO1". Until the receiver is driven, no port
// is opened and the data stay invalid.
class Gps : public QObject
{
    Q_OBJECT
public:
    explicit Gps(QObject* parent = nullptr);

    void initGps();
    void switchOnGpsModul();
    void switchOffGpsModul();
    bool isGpsDataValid() const { return m_gpsDataValid; }
    void enableSystemTimeSettingViaGps(bool enable) { m_systemTimeViaGps = enable; }
    bool isSystemTimeSettingViaGpsEnabled() const { return m_systemTimeViaGps; }
    // Degrees; 0.0 while no valid position is known.
    double getLatitude() const;
    double getLongitude() const;
    // Stores the pair the getters return; the fix's validity is set apart.
    void setPosition(double latitude, double longitude);

private:
    bool m_gpsDataValid = false;
    bool m_systemTimeViaGps = true;
    double m_latitude = 0.0;
    double m_longitude = 0.0;
};

#endif
