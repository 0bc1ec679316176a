#ifndef GNSSRECEIVER_H
#define GNSSRECEIVER_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <random>

// A u-blox-like GNSS receiver, bytes in and out. Each second it sends RMC,
// GGA, two GSA (GPS and GLONASS) and GSV (ten GPS satellites in three
// sentences, four GLONASS in one), with checksums and CR LF. It understands
// UBX-CFG-RST: a controlled GNSS stop silences it, a start or any reset
// resumes it; a frame with a bad checksum is ignored. After power-up, a
// start, a reset or a returning sky it needs a few seconds to fix. Without
// a fix (sky hidden) it reports: RMC "V", GGA quality 0, GSA mode 1, weak
// or untracked satellites. With noise on it mixes garbage, wrong checksums
// and cut lines into its output.
class GnssReceiver
{
public:
    struct Frame {
        QByteArray bytes;
        quint8 msgClass = 0;
        quint8 msgId = 0;
        QByteArray payload;
        bool checksumOk = false;
    };
    static constexpr double kDefaultLatitude = 48.137154;
    static constexpr double kDefaultLongitude = 11.576124;
    static constexpr double kHeight = 519.6;
    static constexpr double kJitterDegrees = 0.00001;  // about a metre
    static constexpr int kHotStartSeconds = 2;
    static constexpr int kColdStartSeconds = 5;
    static constexpr int kMaxPayload = 1024;

    explicit GnssReceiver(unsigned int seed = 4100);

    // Power on restarts it (hot start); power off silences it.
    void setPowered(bool on);
    bool isPowered() const { return m_powered; }
    bool isStopped() const { return m_stopped; }
    // Whether the sky is visible; on again, a fix comes after a hot start's time.
    void setSkyVisible(bool visible);
    bool isSkyVisible() const { return m_skyVisible; }
    void setPosition(double latitude, double longitude);
    void setNoise(bool on) { m_noise = on; }

    // Bytes from the program (split and joined frames are fine).
    void receive(const QByteArray& bytes);
    QList<Frame> frames() const { return m_frames; }
    int badChecksums() const { return m_badChecksums; }
    // Each frame received (hex, decoded, checksum verdict) and each change.
    void setLogger(std::function<void(const QString&)> logger) { m_logger = std::move(logger); }
    static QString describe(const Frame& frame);

    // The sentences of the second at utc; empty while off or stopped.
    QByteArray epoch(const QDateTime& utc);
    // Whether the last epoch reported a fix.
    bool reportsFix() const { return m_reportsFix; }

    // "$<body>*hh\r\n"
    static QByteArray sentence(const QByteArray& body);

private:
    void act(const Frame& frame);
    void restart(int seconds);
    void log(const QString& text) const;
    QList<QByteArray> noise(const QList<QByteArray>& lines);

    bool m_powered = false;
    bool m_stopped = false;
    bool m_skyVisible = true;
    bool m_noise = false;
    bool m_reportsFix = false;
    int m_acquiring = kHotStartSeconds;  // seconds until a fix
    double m_latitude = kDefaultLatitude;
    double m_longitude = kDefaultLongitude;
    QByteArray m_pending;
    QList<Frame> m_frames;
    int m_badChecksums = 0;
    std::function<void(const QString&)> m_logger;
    std::mt19937 m_rng;
};

#endif
