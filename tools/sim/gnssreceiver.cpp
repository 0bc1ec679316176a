#include "gnssreceiver.h"

#include <cmath>

namespace {

struct SimSatellite {
    int prn;
    int elevation;
    int azimuth;
    int snr;      // with a clear sky
    bool used;    // in the solution
};

const QList<SimSatellite> kGps{{2, 63, 45, 44, true},   {5, 21, 298, 36, true},  {12, 48, 112, 41, true},
                               {13, 9, 187, 28, false}, {15, 34, 241, 39, true}, {18, 72, 330, 46, true},
                               {20, 15, 78, 31, true},  {25, 27, 150, 37, true}, {26, 5, 20, 22, false},
                               {29, 56, 270, 43, true}};
const QList<SimSatellite> kGlonass{
    {65, 40, 90, 38, true}, {71, 22, 200, 33, true}, {72, 61, 300, 42, true}, {81, 12, 30, 25, false}};

QByteArray twoDigits(int v)
{
    return QByteArray::number(v).rightJustified(2, '0');
}

// ddmm.mmmmm / dddmm.mmmmm and the hemisphere.
QByteArray angle(double degrees, int degreeDigits, char positive, char negative)
{
    const double a = std::fabs(degrees);
    const int whole = int(a);
    const QString text = QString("%1%2")
                             .arg(whole, degreeDigits, 10, QChar('0'))
                             .arg((a - whole) * 60.0, 8, 'f', 5, QChar('0'));
    return text.toLatin1() + ',' + (degrees < 0 ? negative : positive);
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

}

GnssReceiver::GnssReceiver(unsigned int seed) : m_rng(seed) {}

void GnssReceiver::setPowered(bool on)
{
    if (on == m_powered)
        return;
    m_powered = on;
    m_stopped = false;
    m_pending.clear();
    log(on ? "power on" : "power off");
    restart(kHotStartSeconds);
}

void GnssReceiver::setSkyVisible(bool visible)
{
    if (visible == m_skyVisible)
        return;
    m_skyVisible = visible;
    if (visible)
        restart(kHotStartSeconds);
}

void GnssReceiver::setPosition(double latitude, double longitude)
{
    m_latitude = latitude;
    m_longitude = longitude;
}

void GnssReceiver::restart(int seconds)
{
    m_acquiring = seconds;
    m_reportsFix = false;
}

void GnssReceiver::receive(const QByteArray& bytes)
{
    m_pending += bytes;
    for (;;) {
        const int sync = m_pending.indexOf("\xB5\x62");
        if (sync < 0) {
            m_pending = m_pending.endsWith('\xB5') ? QByteArray("\xB5") : QByteArray();
            return;
        }
        m_pending.remove(0, sync);
        if (m_pending.size() < 6)
            return;
        const int length = quint8(m_pending.at(4)) | quint8(m_pending.at(5)) << 8;
        if (length > kMaxPayload) {
            m_pending.remove(0, 2);  // no frame starts here
            continue;
        }
        if (m_pending.size() < length + 8)
            return;
        Frame f;
        f.bytes = m_pending.left(length + 8);
        m_pending.remove(0, length + 8);
        f.msgClass = quint8(f.bytes.at(2));
        f.msgId = quint8(f.bytes.at(3));
        f.payload = f.bytes.mid(6, length);
        quint8 a = 0;
        quint8 b = 0;
        for (int i = 2; i < length + 6; ++i) {
            a = quint8(a + quint8(f.bytes.at(i)));
            b = quint8(b + a);
        }
        f.checksumOk = a == quint8(f.bytes.at(length + 6)) && b == quint8(f.bytes.at(length + 7));
        m_frames << f;
        log(describe(f) + (m_powered ? "" : " (unpowered: ignored)"));
        if (!f.checksumOk)
            ++m_badChecksums;
        else if (m_powered)
            act(f);
    }
}

void GnssReceiver::act(const Frame& f)
{
    if (f.msgClass != 0x06 || f.msgId != 0x04 || f.payload.size() != 4)
        return;
    const quint16 mask = quint8(f.payload.at(0)) | quint8(f.payload.at(1)) << 8;
    const quint8 mode = quint8(f.payload.at(2));
    const int seconds = mask == 0 ? kHotStartSeconds : kColdStartSeconds;
    if (mode == 0x08) {
        m_stopped = true;
        m_reportsFix = false;
    } else if (mode == 0x09) {
        if (m_stopped)
            restart(seconds);
        m_stopped = false;
    } else if (mode == 0x00 || mode == 0x01 || mode == 0x02 || mode == 0x04) {
        m_stopped = false;
        restart(seconds);
    }
}

QString GnssReceiver::describe(const Frame& f)
{
    QString text = hex(f.bytes) + " = ";
    if (f.msgClass == 0x06 && f.msgId == 0x04 && f.payload.size() == 4) {
        const quint16 mask = quint8(f.payload.at(0)) | quint8(f.payload.at(1)) << 8;
        const quint8 mode = quint8(f.payload.at(2));
        const QString start = mask == 0x0000 ? "hot start" : mask == 0x0001 ? "warm start"
                              : mask == 0xFFFF ? "cold start" : "selected data cleared";
        const QString what = mode == 0x00 ? "hardware reset now" : mode == 0x01 ? "software reset"
                             : mode == 0x02 ? "GNSS reset" : mode == 0x04 ? "hardware reset after shutdown"
                             : mode == 0x08 ? "controlled GNSS stop" : mode == 0x09 ? "controlled GNSS start"
                             : "unknown reset mode";
        text += QString("UBX-CFG-RST navBbrMask 0x%1 (%2), resetMode 0x%3 (%4)")
                    .arg(mask, 4, 16, QChar('0'))
                    .arg(start)
                    .arg(mode, 2, 16, QChar('0'))
                    .arg(what);
    } else {
        text += QString("UBX class 0x%1 id 0x%2, %3 payload bytes")
                    .arg(f.msgClass, 2, 16, QChar('0'))
                    .arg(f.msgId, 2, 16, QChar('0'))
                    .arg(f.payload.size());
    }
    return text + (f.checksumOk ? ", checksum ok" : ", checksum BAD");
}

QByteArray GnssReceiver::sentence(const QByteArray& body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return '$' + body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

QByteArray GnssReceiver::epoch(const QDateTime& utc)
{
    if (!m_powered || m_stopped) {
        m_reportsFix = false;
        return QByteArray();
    }
    const bool fix = m_skyVisible && m_acquiring == 0;
    if (m_skyVisible && m_acquiring > 0)
        --m_acquiring;
    m_reportsFix = fix;

    const QByteArray time = utc.toString("hhmmss").toLatin1() + ".00";
    const QByteArray date = utc.toString("ddMMyy").toLatin1();
    std::uniform_real_distribution<double> jitter(-kJitterDegrees, kJitterDegrees);
    const QByteArray position = angle(m_latitude + jitter(m_rng), 2, 'N', 'S') + ','
                                + angle(m_longitude + jitter(m_rng), 3, 'E', 'W');
    QList<QByteArray> lines;
    if (fix) {
        lines << sentence("GNRMC," + time + ",A," + position + ",0.011,," + date + ",,,A")
              << sentence("GNGGA," + time + ',' + position + ",1,11,0.92," + QByteArray::number(kHeight)
                          + ",M,47.4,M,,");
    } else {
        lines << sentence("GNRMC," + time + ",V,,,,,,," + date + ",,,N")
              << sentence("GNGGA," + time + ",,,,,0,00,99.99,,,,,,");
    }
    std::uniform_int_distribution<int> wobble(-2, 2);
    auto gsaAndGsv = [&](const QByteArray& talker, const QList<SimSatellite>& sats, int systemId) {
        QByteArray used;
        int slots = 12;
        for (const SimSatellite& s : sats) {
            if (fix && s.used) {
                used += twoDigits(s.prn) + ',';
                --slots;
            }
        }
        used += QByteArray(slots, ',');
        const QByteArray dops = fix ? "1.62,0.92,1.33" : "99.99,99.99,99.99";
        lines << sentence("GNGSA,A," + QByteArray(fix ? "3," : "1,") + used + dops + ','
                          + QByteArray::number(systemId));
        const int count = int(sats.size());
        const int total = (count + 3) / 4;
        for (int n = 0; n < total; ++n) {
            QByteArray body = talker + "GSV," + QByteArray::number(total) + ',' + QByteArray::number(n + 1)
                              + ',' + twoDigits(count);
            for (int i = n * 4; i < qMin(count, n * 4 + 4); ++i) {
                const SimSatellite& s = sats.at(i);
                // Hidden sky: half untracked, the rest weak.
                const int snr = fix ? s.snr + wobble(m_rng) : (i % 2 ? -1 : 5 + i);
                body += ',' + twoDigits(s.prn) + ',' + twoDigits(s.elevation) + ','
                        + QByteArray::number(s.azimuth).rightJustified(3, '0') + ','
                        + (snr < 0 ? QByteArray() : twoDigits(snr));
            }
            lines << sentence(body);
        }
    };
    gsaAndGsv("GP", kGps, 1);
    gsaAndGsv("GL", kGlonass, 2);
    if (m_noise)
        lines = noise(lines);
    return lines.join();
}

// Garbage (binary too), a copy with a wrong checksum, and cut lines: one
// ended, one running into the next sentence.
QList<QByteArray> GnssReceiver::noise(const QList<QByteArray>& lines)
{
    auto random = [this](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); };
    QByteArray garbage;
    for (int i = random(5, 40); i > 0; --i)
        garbage += char(random(0, 255));
    QByteArray wrong = lines.at(random(0, int(lines.size()) - 1));
    for (int i = 1; i < wrong.indexOf('*'); ++i) {
        if (wrong.at(i) >= '0' && wrong.at(i) <= '9') {
            wrong[i] = char('0' + (wrong.at(i) - '0' + 1) % 10);
            break;
        }
    }
    const QByteArray cut = lines.at(random(0, int(lines.size()) - 1));
    QList<QByteArray> out = lines;
    out.insert(random(0, int(out.size())), garbage + "\r\n");
    out.insert(random(0, int(out.size())), wrong);
    out.insert(random(0, int(out.size())), cut.left(random(3, int(cut.size()) - 6)) + "\r\n");
    out.insert(random(0, int(out.size()) - 1), cut.left(random(3, int(cut.size()) - 6)));
    return out;
}

void GnssReceiver::log(const QString& text) const
{
    if (m_logger)
        m_logger(text);
}
