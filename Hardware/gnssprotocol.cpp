#include "gnssprotocol.h"

#include <QSet>

#include <algorithm>

namespace GnssProtocol {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}

bool takeSentence(const char* data, int size, QByteArray* sentence)
{
    int start = size - 1;
    while (start >= 0 && data[start] != '$')
        --start;
    if (start < 0)
        return false;
    quint8 sum = 0;
    int star = start + 1;
    for (; star < size && data[star] != '*'; ++star) {
        const uchar c = static_cast<uchar>(data[star]);
        if (c < 0x20 || c > 0x7E)
            return false;
        sum ^= c;
    }
    if (star + 2 >= size)
        return false;
    const int high = hexDigit(data[star + 1]);
    const int low = hexDigit(data[star + 2]);
    if (high < 0 || low < 0 || ((high << 4) | low) != sum)
        return false;
    for (int i = star + 3; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
            return false;
    }
    *sentence = QByteArray(data + start, star + 3 - start);
    return true;
}

QList<QByteArray> fields(const QByteArray& sentence)
{
    return sentence.mid(1, sentence.size() - 4).split(',');
}

int number(const QByteArray& field, int lo, int hi)
{
    bool ok = false;
    const int v = field.toInt(&ok);
    return ok && v >= lo && v <= hi ? v : -1;
}

QByteArray cfgRst(quint16 navBbrMask, quint8 resetMode)
{
    const char body[] = {0x06, 0x04, 0x04, 0x00, char(navBbrMask & 0xFF), char(navBbrMask >> 8),
                         char(resetMode), 0x00};
    quint8 a = 0;
    quint8 b = 0;
    for (char c : body) {
        a = quint8(a + quint8(c));
        b = quint8(b + a);
    }
    return QByteArray("\xB5\x62", 2) + QByteArray(body, sizeof(body)) + char(a) + char(b);
}

}

using GnssProtocol::number;

namespace {

// "GN" is a mixed solution; "BD" is the older BeiDou talker.
QByteArray talkerOf(const QByteArray& head)
{
    static const QSet<QByteArray> known{"GP", "GL", "GA", "GB", "GN"};
    const QByteArray talker = head.left(2) == "BD" ? QByteArray("GB") : head.left(2);
    return known.contains(talker) ? talker : QByteArray();
}

}

void GnssSatellites::add(const QList<QByteArray>& f, qint64 nowMs)
{
    const QByteArray head = f.value(0);
    const QByteArray talker = talkerOf(head);
    if (head.size() != 5 || talker.isEmpty())
        return;
    if (head.endsWith("GSV"))
        addGsv(talker, f, nowMs);
    else if (head.endsWith("GSA"))
        addGsa(talker, f, nowMs);
}

void GnssSatellites::addGsv(const QByteArray& talker, const QList<QByteArray>& f, qint64 nowMs)
{
    // $xxGSV,total,index,in view{,prn,elevation,azimuth,snr}[,signal id]
    const int total = number(f.value(1), 1, 9);
    const int index = number(f.value(2), 1, 9);
    const int extra = f.size() >= 4 ? (f.size() - 4) % 4 : -1;
    Cycle& cycle = m_cycles[talker];
    const bool continues = index > 1 && cycle.count == total && cycle.next == index;
    if (total < 0 || index < 0 || index > total || extra < 0 || extra > 1 || (index > 1 && !continues)
        || (f.size() - 4) / 4 > 4) {
        m_cycles.remove(talker);
        return;
    }
    if (index == 1)
        cycle = Cycle{total, 1, {}, nowMs};
    for (int i = 4; i + 3 < f.size(); i += 4) {
        GnssSatellite s;
        s.system = talker;
        s.prn = number(f.at(i), 1, 999);
        s.elevation = number(f.at(i + 1), 0, 90);
        s.azimuth = number(f.at(i + 2), 0, 359);
        s.snr = number(f.at(i + 3), 0, 99);
        // A receiver that repeats a satellite within a cycle does not see two.
        const bool seen = std::any_of(cycle.satellites.cbegin(), cycle.satellites.cend(),
                                      [&s](const GnssSatellite& t) { return t.prn == s.prn; });
        if (s.prn > 0 && !seen)
            cycle.satellites << s;
    }
    cycle.next = index + 1;
    if (index == total) {
        m_view[talker] = {nowMs, cycle.satellites};
        m_cycles.remove(talker);
    }
}

void GnssSatellites::addGsa(const QByteArray& talker, const QList<QByteArray>& f, qint64 nowMs)
{
    // $xxGSA,mode,fix,12 x prn,pdop,hdop,vdop[,system id]
    if (f.size() < 18)
        return;
    static const QByteArray systems[] = {"GP", "GL", "GA", "GB"};
    const int system = number(f.value(18), 1, 4);
    const QByteArray key = talker == "GN" && system > 0 ? systems[system - 1] : talker;
    QList<int> prns;
    for (int i = 3; i < 15; ++i) {
        const int prn = number(f.at(i), 1, 999);
        if (prn > 0 && !prns.contains(prn))
            prns << prn;
    }
    m_used[key] = {nowMs, prns};
}

void GnssSatellites::expire(qint64 nowMs)
{
    auto drop = [nowMs](auto& map, auto stamp) {
        for (auto it = map.begin(); it != map.end();)
            it = nowMs - stamp(it.value()) > kMaxAgeMs ? map.erase(it) : it + 1;
    };
    drop(m_view, [](const auto& v) { return v.atMs; });
    drop(m_used, [](const auto& v) { return v.atMs; });
    drop(m_cycles, [](const Cycle& c) { return c.startedMs; });
}

void GnssSatellites::clear()
{
    m_cycles.clear();
    m_view.clear();
    m_used.clear();
}

QList<GnssSatellite> GnssSatellites::inView() const
{
    QList<GnssSatellite> all;
    for (const auto& v : m_view)
        all += v.value;
    return all;
}

QList<GnssSatellite> GnssSatellites::inUse() const
{
    QList<GnssSatellite> used;
    const QList<GnssSatellite> view = inView();
    for (auto it = m_used.cbegin(); it != m_used.cend(); ++it) {
        for (int prn : it.value().value) {
            const GnssSatellite* found = nullptr;
            for (const GnssSatellite& s : view) {
                if (s.prn == prn && (s.system == it.key() || !found))
                    found = &s;
            }
            GnssSatellite s;
            s.system = it.key();
            s.prn = prn;
            used << (found ? *found : s);
        }
    }
    return used;
}
