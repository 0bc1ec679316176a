#ifndef GPS_H
#define GPS_H

#include "gpiolines.h"
#include "gnssprotocol.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

class QGeoPositionInfo;
class QSerialPort;
class GpsNmeaSource;

// The GNSS receiver on "/dev/ttyO1" (9600 baud, 8N1): NMEA sentences in,
// UBX-CFG-RST out, its power on GPIO 16. Validity is the fix state of the
// last RMC or GGA sentence; positions come only from fixed sentences. While
// enabled, the first fix after start, after an enable and after a loss sets
// the system clock to GPS time in the zone its local offset gives.
// Getters never block and never change anything.
class Gps : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kPort = "/dev/ttyO1";
    static constexpr qint32 kBaudRate = 9600;
    static constexpr unsigned int kPowerLine = GpioLine::GnssPower;
    static constexpr int kUpdateIntervalMs = 1200;
    static constexpr qint64 kFixTimeoutMs = 3000;   // without a fix sentence: invalid
    static constexpr qint64 kRetryMs = 3000;        // reopening a missing or failed port
    static constexpr int kCheckMs = 500;
    static constexpr int kEarliestClockYear = 2020; // an earlier date is a receiver's fault
    static constexpr int kClockYearsAhead = 20;     // after the build year; a later one too
    static constexpr double kMinHeightM = -1000.0;  // a height outside is no reading
    static constexpr double kMaxHeightM = 50000.0;
    static constexpr int kMaxLineBytes = 4096;      // without a line end: dropped

    explicit Gps(QObject* parent = nullptr);
    ~Gps() override;

    void initGps();
    void switchOnGpsModul();
    void switchOffGpsModul();
    bool isGpsDataValid() const { return m_gpsDataValid; }
    void enableSystemTimeSettingViaGps(bool enable);
    bool isSystemTimeSettingViaGpsEnabled() const { return m_systemTimeViaGps; }

    // Degrees; 0.0 while no valid position is known.
    double getLatitude() const;
    double getLongitude() const;
    // Stores the pair the getters return; the fix's validity is set apart.
    void setPosition(double latitude, double longitude);
    // Metres above mean sea level from the last fixed GGA; 0.0 before one
    // and when it gave none that can be (not finite or out of range).
    double getHeight() const { return m_height; }
    // Whether the last fixed GGA gave a height.
    bool hasHeight() const { return m_hasHeight; }
    // The last year the clock is set to: two-digit years are read as 20yy.
    static int latestClockYear();
    // Within kEarliestClockYear..latestClockYear().
    static bool plausibleTime(const QDateTime& utc);

    QList<GnssSatellite> getSatellitesInView() const { return m_satellites.inView(); }
    QList<GnssSatellite> getSatellitesInUse() const { return m_satellites.inUse(); }
    // UTC of the last fixed RMC; invalid before one.
    QDateTime getLastFixUtc() const { return m_lastFixUtc; }
    // The wall-clock time last set from GPS; invalid before.
    QDateTime getLastClockSetting() const { return m_lastClockSetting; }

    bool isPowerOn() const { return m_powerOn; }
    bool isPortOpen() const { return m_port != nullptr; }
    // Every line read, and those without a valid sentence.
    quint64 getSentencesRead() const { return m_sentencesRead; }
    quint64 getChecksumFailures() const { return m_checksumFailures; }
    // Since the last valid sentence; -1 before one.
    qint64 getLastSentenceAgeMs() const;
    QByteArray getLastUbxFrame() const { return m_lastUbxFrame; }

    // Milliseconds of a monotonic clock; tests replace it.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock);
    // Seconds to add to UTC for the wall clock, asked each time the clock is
    // set; without it the clock is set to UTC.
    using LocalOffset = std::function<int()>;
    void setLocalOffset(LocalOffset offset) { m_localOffset = std::move(offset); }

public slots:
    // Ages out the fix and the satellites and reopens the port; every kCheckMs.
    void checkState();

private:
    friend class GpsNmeaSource;
    void handleSentence(const QByteArray& sentence, bool parsed, const QGeoPositionInfo& info, bool hasFix);
    bool openPort();
    void dropPort();
    void onPortError(int error);
    void dropEndlessLine();
    void loseFix(const char* why);
    void setClockFromGps(const QDateTime& utc);
    void sendUbx(const QByteArray& frame, bool beforePowerOff);

    GpsNmeaSource* m_source = nullptr;  // owns m_port
    QSerialPort* m_port = nullptr;
    QTimer m_checkTimer;
    Clock m_clock;
    LocalOffset m_localOffset;
    bool m_gpsDataValid = false;
    bool m_systemTimeViaGps = true;
    bool m_clockPending = true;
    bool m_badDateLogged = false;
    bool m_powerOn = true;  // Gpio::init() powers the receiver
    bool m_portFailureLogged = false;
    double m_latitude = 999.0;
    double m_longitude = 999.0;
    double m_height = 0.0;
    bool m_hasHeight = false;
    qint64 m_lastFixMs = 0;
    qint64 m_lastSentenceMs = -1;
    qint64 m_nextRetryMs = 0;
    GnssSatellites m_satellites;
    QDateTime m_lastFixUtc;
    QDateTime m_lastClockSetting;
    quint64 m_sentencesRead = 0;
    quint64 m_checksumFailures = 0;
    QByteArray m_lastUbxFrame;
};

#endif
