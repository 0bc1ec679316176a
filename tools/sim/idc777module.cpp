#include "idc777module.h"
#include "tb9accessory.h"


namespace {

const char* const kBanner = "IOT747 Bluetooth Audio Module";
const char* const kFirmware = "AudioAgent 7.2.1";

QString hex2(int id)
{
    return QString("%1").arg(id, 2, 16, QLatin1Char('0'));
}

}

int Idc777Module::linkIdOf(const QString& profile)
{
    if (profile == "A2DP")
        return 0x10;
    if (profile == "AVRCP")
        return 0x11;
    if (profile == "AGHFP")
        return 0x12;
    if (profile == "HFP")
        return 0x13;
    if (profile == "SPP")
        return 0x15;
    return -1;
}

// Factory settings: a module nobody has set up yet.
Idc777Module::Idc777Module()
    : SimModule("0017E9A1B2C3", {
                                    {"PROFILES", "OFF 0 0 0 0 0 0 0"},
                                    {"AUTOCONN", "0 0"},
                                    {"BATT_CONFIG", "OFF OFF OFF OFF 3000 4200 10 350 45 0 OFF"},
                                    {"GPIO_CONFIG", "0 OFF 0000"},
                                    {"COD", "000000"},
                                    {"NAME", "IDC777"},
                                    {"BT_CONFIG", "0 0 0"},
                                    {"AUDIO_ANALOG", "0 0 0 OFF"},
                                    {"HFP_CONFIG", "OFF OFF OFF OFF 0 OFF OFF OFF OFF"},
                                }),
      m_current(m_factory)
{
}

void Idc777Module::setValue(const QString& key, const QString& value)
{
    m_current.insert(key, value);
    m_stored.insert(key, value);
}

void Idc777Module::removeValue(const QString& key)
{
    m_current.remove(key);
    m_stored.remove(key);
}

// What the module printed of a line before it restarted, then its start lines.
QByteArray Idc777Module::restartAfter(const QByteArray& partial)
{
    log("--", "restarts after: " + QString::fromUtf8(partial));
    m_input.clear();
    return partial + restart();
}

QByteArray Idc777Module::powerOn()
{
    return restart();
}

QByteArray Idc777Module::setResetLine(bool high)
{
    const bool rise = high && !m_resetLineHigh;
    m_resetLineHigh = high;
    if (!high) {
        m_running = false;
        m_links.clear();
        m_streaming = false;
        m_input.clear();
        return QByteArray();
    }
    if (rise || !m_running) {
        m_running = true;
        return restart();
    }
    return QByteArray();
}

QByteArray Idc777Module::receive(const QByteArray& bytes)
{
    if (!m_running)
        return QByteArray();
    m_received.append(bytes);
    m_input.append(bytes);
    QByteArray out;
    int end;
    while ((end = m_input.indexOf('\r')) >= 0) {
        QString command = QString::fromLatin1(m_input.left(end));
        m_input.remove(0, end + 1);
        // An LF is left over from the line before ("SEND ...\n\r").
        while (command.startsWith('\n'))
            command.remove(0, 1);
        if (command.isEmpty())
            continue;
        record(command);
        const QByteArray reply = answer(command);
        if (!reply.isEmpty() && strikes(Failure::RestartInAnswer)) {
            // Its input is lost with it.
            out.append(restartAfter(reply.left(reply.indexOf(m_lineEnd) / 2)));
            break;
        }
        out.append(reply);
    }
    return out;
}

QByteArray Idc777Module::event(const QStringList& eventLines)
{
    return m_running ? lines(eventLines) : QByteArray();
}

QByteArray Idc777Module::restart()
{
    m_current = m_stored;
    m_links.clear();
    m_streaming = false;
    ++m_restarts;
    if (strikes(Failure::ReadyLost))
        return lines({kBanner, kFirmware});
    return lines({kBanner, kFirmware, "Ready"});
}

QStringList Idc777Module::openLinks() const
{
    QStringList out;
    for (const Link& l : m_links)
        out << l.profile + ' ' + l.address;
    return out;
}

void Idc777Module::addLink(const QString& profile, const QString& address)
{
    if (linkIdOf(profile) >= 0 && !link(profile))
        m_links.append({linkIdOf(profile), profile, address});
}

QByteArray Idc777Module::open(const QString& address, const QString& profile)
{
    const int id = linkIdOf(profile);
    if (id < 0)
        return lines({"ERROR 0x0013"});
    if (link(profile))
        return lines({"ERROR 0x0016"});
    Idc777Remote* r = remote(address);
    const QString refused = QString("OPEN_ERROR %1 %2 %3").arg(hex2(id), profile, address);
    if (!m_paired.contains(address) || !r || !r->profiles.contains(profile))
        return lines({refused});
    m_links.append({id, profile, address});
    QStringList out{QString("OPEN_OK %1 %2 %3").arg(hex2(id), profile, address)};
    if (profile == "AGHFP" && r->headset)
        out << r->headset->batteryReport();
    return lines(out);
}

QByteArray Idc777Module::closeAll()
{
    QStringList out;
    for (const Link& l : m_links)
        out << QString("CLOSE_OK %1 %2 %3").arg(hex2(l.id), l.profile, l.address);
    m_links.clear();
    m_streaming = false;
    out << "OK";
    return lines(out);
}

QByteArray Idc777Module::status() const
{
    QStringList out{QString("STATE CONNECTABLE[ON] DISCOVERABLE[OFF] SECURITY[ON] LINKS[%1]").arg(m_links.size())};
    for (const Link& l : m_links) {
        QString s = QString("LINK %1 CONNECTED %2 %3").arg(hex2(l.id), l.profile, l.address);
        if (l.profile == "A2DP")
            s += m_streaming ? " STREAMING" : " CONNECTED";
        else if (l.profile == "AVRCP")
            s += m_streaming ? " PLAYING" : " PAUSED";
        out << s;
    }
    out << "OK";
    return lines(out);
}

// "SEND <link> <line>\n": the accessory answers at once.
QByteArray Idc777Module::send(const QString& command)
{
    QString message = command.section(' ', 2);
    while (message.endsWith('\n'))
        message.chop(1);
    m_carried.append(message);
    bool ok = false;
    const Link* l = linkById(command.section(' ', 1, 1).toInt(&ok, 16));
    if (!ok || !l || l->profile != "SPP")
        return lines({"ERROR 0x0017"});
    QByteArray out = lines({"OK"});
    Idc777Remote* r = remote(l->address);
    if (r && r->accessory)
        out.append(accessoryLines(r->accessory->receive(message)));
    return out;
}

QByteArray Idc777Module::accessoryLines(const QStringList& accessoryAnswer)
{
    const Link* l = link("SPP");
    if (!m_running || !l || accessoryAnswer.isEmpty())
        return QByteArray();
    // One event per line; the module's own line end follows the data.
    QStringList events;
    for (const QString& a : accessoryAnswer) {
        const QByteArray data = a.toUtf8() + "\r\n";
        events << QString("RECV %1 %2 ").arg(hex2(l->id)).arg(data.size()) + QString::fromUtf8(data);
    }
    QByteArray out;
    for (const QString& e : events) {
        if (strikes(Failure::RestartInDataEvent)) {
            const QByteArray bytes = e.toUtf8();
            return out + restartAfter(bytes.left(bytes.indexOf('\r') + 1));
        }
        log("->", e.trimmed());
        out.append(e.toUtf8() + m_lineEnd);
    }
    return out;
}

QByteArray Idc777Module::headsetVolumeChanged()
{
    const Link* l = link("AVRCP");
    Idc777Remote* r = l ? remote(l->address) : nullptr;
    if (!m_running || !r || !r->headset)
        return QByteArray();
    return lines({QString("ABS_VOL %1 %2").arg(hex2(l->id)).arg(r->headset->volume)});
}

QByteArray Idc777Module::headsetBattery()
{
    const Link* l = link("AGHFP");
    Idc777Remote* r = l ? remote(l->address) : nullptr;
    if (!m_running || !r || !r->headset)
        return QByteArray();
    return lines({r->headset->batteryReport()});
}

QByteArray Idc777Module::linkLoss(const QString& profile)
{
    const Link* l = link(profile);
    if (!m_running || !l)
        return QByteArray();
    const int id = l->id;
    for (int i = m_links.size() - 1; i >= 0; --i) {
        if (m_links.at(i).id == id)
            m_links.removeAt(i);
    }
    if (profile == "A2DP")
        m_streaming = false;
    return lines({"LINK_LOSS " + hex2(id)});
}

QByteArray Idc777Module::volume(const QString& rest)
{
    const QStringList w = rest.split(' ', Qt::SkipEmptyParts);
    bool ok = false;
    const int id = w.value(0).toInt(&ok, 16);
    const Link* l = ok ? linkById(id) : nullptr;
    Idc777Remote* r = l ? remote(l->address) : nullptr;
    if (l && l->profile == "AVRCP" && r && r->headset) {
        if (w.size() == 1)
            return lines({QString("ABS_VOL %1 %2").arg(hex2(id)).arg(r->headset->volume), "OK"});
        bool vOk = false;
        const int v = w.value(1).toInt(&vOk, 10);
        if (!vOk || v < 0 || v > 127)
            return lines({"ERROR 0x0013"});
        r->headset->volume = v;
        return lines({"OK"});
    }
    // "VOLUME 0 <adc>", "VOLUME 1 <dac>", "VOLUME <a2dp> 127".
    if (w.size() != 2)
        return lines({"ERROR 0x0014"});
    return lines({"OK"});
}

QByteArray Idc777Module::inquiry() const
{
    QStringList out;
    for (const Idc777Remote& r : m_remotes) {
        out << QString("INQUIRY %1 \"%2\" %3 %4 dBm")
                   .arg(r.address, r.nameOnInquiry ? r.name : QString("unknown"), r.cod)
                   .arg(r.rssi);
    }
    out << "INQU_OK";
    return lines(out);
}

QByteArray Idc777Module::answer(const QString& command)
{
    QByteArray scriptedAnswer;
    if (scripted(command, &scriptedAnswer))
        return scriptedAnswer;

    const QString word = command.section(' ', 0, 0);
    const QString rest = command.section(' ', 1);
    if (word == "AT" || word.startsWith("AT+"))
        return lines({"OK"});
    if (word == "GET") {
        if (rest == "LOCAL_ADDR")
            return lines({"LOCAL_ADDR=" + m_localAddress, "OK"});
        if (!m_current.contains(rest))
            return lines({"ERROR 0x001A"});
        return lines({rest + '=' + m_current.value(rest), "OK"});
    }
    if (word == "SET") {
        const int eq = rest.indexOf('=');
        if (eq <= 0)
            return lines({"ERROR 0x0013"});
        if (!hasFailure(Failure::SetNotKept))
            m_current.insert(rest.left(eq), rest.mid(eq + 1));
        return lines({"OK"});
    }
    if (word == "WRITE") {
        m_stored = m_current;
        saveState();
        return lines({"OK"});
    }
    if (word == "RESET")
        return restart();
    if (word == "RESTORE") {
        m_stored = m_factory;
        m_paired.clear();
        saveState();
        return restart();
    }
    if (word == "UNPAIR") {
        m_paired.clear();
        saveState();
        return lines({"OK"});
    }
    if (word == "PAIR") {
        if (!remote(rest))
            return lines({"PAIR_ERROR " + rest});
        if (!m_paired.contains(rest))
            m_paired << rest;
        saveState();
        return lines({"PAIR_OK " + rest});
    }
    if (word == "OPEN")
        return open(command.section(' ', 1, 1), command.section(' ', 2, 2));
    if (command == "CLOSE ALL")
        return closeAll();
    if (word == "SEND")
        return send(command);
    if (word == "LIST") {
        QStringList out;
        for (const QString& a : m_paired)
            out << "LIST BR/EDR " + a;
        out << "OK";
        return lines(out);
    }
    if (word == "STATUS")
        return status();
    if (word == "MUSIC") {
        bool ok = false;
        const Link* l = linkById(command.section(' ', 1, 1).toInt(&ok, 16));
        if (!ok || !l || l->profile != "A2DP")
            return lines({"ERROR 0x0017"});
        m_streaming = true;
        return lines({"OK", "A2DP_STREAM_START " + hex2(l->id)});
    }
    if (word == "VOLUME")
        return volume(rest);
    if (word == "INQUIRY")
        return inquiry();
    if (word == "NAME") {
        Idc777Remote* r = remote(rest);
        if (!r)
            return lines({"ERROR 0x0019"});
        r->nameOnInquiry = true;
        return lines({QString("NAME %1 \"%2\"").arg(r->address, r->name), "OK"});
    }
    return lines({"ERROR 0x0012"});
}
