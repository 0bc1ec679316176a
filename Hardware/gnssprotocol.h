#ifndef GNSSPROTOCOL_H
#define GNSSPROTOCOL_H

#include <QByteArray>
#include <QList>
#include <QMap>

// What the GNSS receiver speaks: NMEA 0183 sentences in, UBX frames out.
namespace GnssProtocol {

// The checked sentence in a line: from its last '$' (a cut line before it
// is dropped) to the two hex digits of "*hh", printable ASCII only, with the
// XOR of the characters between '$' and '*'. Line end and trailing blanks
// are allowed. False when the line holds no such sentence.
bool takeSentence(const char* data, int size, QByteArray* sentence);

// The comma-separated fields of a checked sentence, without '$' and "*hh":
// fields[0] is the talker and type ("GPGSV").
QList<QByteArray> fields(const QByteArray& sentence);

// An integer field within lo..hi, else -1 (also for an empty field).
int number(const QByteArray& field, int lo, int hi);

// UBX-CFG-RST: which backed-up data to clear and what to reset.
enum : quint16 { HotStart = 0x0000, WarmStart = 0x0001, ColdStart = 0xFFFF };
enum : quint8 {
    HardwareResetNow = 0x00,
    SoftwareReset = 0x01,
    GnssReset = 0x02,
    HardwareResetAfterShutdown = 0x04,
    GnssStop = 0x08,
    GnssStart = 0x09,
};
QByteArray cfgRst(quint16 navBbrMask, quint8 resetMode);

}

// One satellite as the receiver reports it. Unknown values are -1.
struct GnssSatellite {
    QByteArray system;  // the talker: "GP", "GL", "GA", "GB" (also for "BD") or "GN"
    int prn = 0;
    int elevation = -1;  // degrees, 0..90
    int azimuth = -1;    // degrees, 0..359
    int snr = -1;        // dB-Hz, 0..99; -1: not tracked
};

// Satellites in view (GSV) and in use (GSA), per talker. A talker's view
// is its latest complete GSV cycle (sentences 1..n in order, one n); a broken
// cycle is dropped. A satellite repeated within a cycle or a GSA counts once.
// Data older than kMaxAgeMs go.
class GnssSatellites
{
public:
    static constexpr qint64 kMaxAgeMs = 5000;

    // The fields of a checked GSV or GSA sentence, at nowMs (monotonic).
    // Anything else is ignored.
    void add(const QList<QByteArray>& fields, qint64 nowMs);
    void expire(qint64 nowMs);
    void clear();

    QList<GnssSatellite> inView() const;
    // In view data where known, else the PRN alone.
    QList<GnssSatellite> inUse() const;

private:
    struct Cycle {
        int count = 0;
        int next = 0;
        QList<GnssSatellite> satellites;
        qint64 startedMs = 0;
    };
    template <class T>
    struct Stamped {
        qint64 atMs = 0;
        T value;
    };
    void addGsv(const QByteArray& talker, const QList<QByteArray>& f, qint64 nowMs);
    void addGsa(const QByteArray& talker, const QList<QByteArray>& f, qint64 nowMs);

    QMap<QByteArray, Cycle> m_cycles;
    QMap<QByteArray, Stamped<QList<GnssSatellite>>> m_view;
    QMap<QByteArray, Stamped<QList<int>>> m_used;
};

#endif
