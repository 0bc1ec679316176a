#include "wt32module.h"
#include "tb9accessory.h"


#include <cmath>

const char* const Wt32Module::kBanner = "WRAP THOR AI (5.0.2 build 1131)";

namespace {

// The unit's names of the hands-free and serial-port services.
QString serviceOf(const QString& uuid)
{
    if (uuid == "1101")
        return "RFCOMM";
    if (uuid == "111E" || uuid == "111F")
        return "HFP-AG";
    if (uuid == "110B" || uuid == "110D")
        return "A2DP";
    return QString();
}

QString normalProfile(const QString& profile)
{
    if (profile == "SPP")
        return "RFCOMM";
    if (profile == "AGHFP")
        return "HFP-AG";
    return profile;
}

}

Wt32Module::Wt32Module()
    : SimModule("0007804A0001", {
                                    {"BT NAME", "WT32i"},
                                    {"BT CLASS", "001f00"},
                                    {"BT PAGEMODE", "4 2000 1"},
                                    {"CONTROL ECHO", "7"},
                                })
{
}

bool Wt32Module::dataModeLine() const
{
    if (hasFailure(Failure::DataModeLineHigh))
        return true;
    return m_dataMode && !hasFailure(Failure::DataModeLineLow);
}

// The accessory's lines pass unchanged, with its own CR LF.
QByteArray Wt32Module::raw(const QStringList& accessoryOut) const
{
    QByteArray bytes;
    for (const QString& l : accessoryOut) {
        log("=>", l);
        bytes.append(l.toUtf8() + "\r\n");
    }
    return bytes;
}

QByteArray Wt32Module::receive(const QByteArray& bytes)
{
    m_received.append(bytes);
    m_input.append(bytes);
    QByteArray out;
    int end;
    // A command that enters data mode makes the bytes after it data.
    while ((end = m_input.indexOf('\n')) >= 0) {
        QByteArray line = m_input.left(end);
        m_input.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (m_dataMode)
            out.append(toAccessory(QString::fromLatin1(line)));
        else
            out.append(command(QString::fromLatin1(line)));
    }
    return out;
}

QByteArray Wt32Module::toAccessory(const QString& line)
{
    m_carried.append(line);
    log("<=", line);
    const Link* l = linkById(m_dataLink);
    SimRemote* r = l ? remote(l->address) : nullptr;
    if (!r || !r->accessory)
        return QByteArray();
    return raw(r->accessory->receive(line));
}

QByteArray Wt32Module::dtrRise()
{
    if (m_dataMode)
        leaveDataMode("DTR");
    return QByteArray();
}

QByteArray Wt32Module::enterDataMode(int linkId)
{
    m_dataMode = true;
    m_dataLink = linkId;
    log("--", QString("data mode, link %1").arg(linkId));
    const QStringList held = m_heldAccessoryLines;
    m_heldAccessoryLines.clear();
    return raw(held);
}

void Wt32Module::leaveDataMode(const char* why)
{
    m_dataMode = false;
    m_dataLink = -1;
    log("--", QString("command mode (%1)").arg(why));
}

bool Wt32Module::accepts(const SimRemote& remote, const QString& profile)
{
    for (const QString& p : remote.profiles) {
        if (normalProfile(p) == profile)
            return true;
    }
    return false;
}

int Wt32Module::freeLinkId() const
{
    int id = 0;
    while (linkById(id))
        ++id;
    return id;
}

QStringList Wt32Module::openLinks() const
{
    QStringList out;
    for (const Link& l : m_links)
        out << QString("%1 %2 %3").arg(l.id).arg(l.profile, l.address);
    return out;
}

QByteArray Wt32Module::restart()
{
    m_links.clear();
    m_heldAccessoryLines.clear();
    if (m_dataMode)
        leaveDataMode("restart");
    m_input.clear();
    return lines({kBanner, "READY."}) + autocall();
}

QByteArray Wt32Module::autocall()
{
    if (!isAutocallOn() || link("A2DP"))
        return QByteArray();
    for (const QString& address : m_paired) {
        const SimRemote* r = remote(address);
        if (r && accepts(*r, "A2DP"))
            return connectAudio(*r);
    }
    return QByteArray();
}

// Two A2DP links (signalling and media), the stream, and a headset's AVRCP.
QByteArray Wt32Module::connectAudio(const SimRemote& remote)
{
    QStringList out;
    for (int i = 0; i < 2; ++i) {
        const int id = freeLinkId();
        m_links.append({id, "A2DP", remote.address});
        out << QString("CONNECT %1 A2DP 19").arg(id);
    }
    out << "A2DP STREAMING START";
    if (remote.headset && accepts(remote, "AVRCP")) {
        const int id = freeLinkId();
        m_links.append({id, "AVRCP", remote.address});
        out << QString("RING %1 %2 17 AVRCP").arg(id).arg(remote.address);
    }
    return lines(out);
}

QByteArray Wt32Module::call(const QString& address, const QString& profile)
{
    const int id = freeLinkId();
    QByteArray out = lines({QString("CALL %1").arg(id)});
    const SimRemote* r = remote(address);
    if (profile.isEmpty() || !r || !m_paired.contains(address) || !accepts(*r, profile))
        return out + lines({QString("NO CARRIER %1 ERROR 0 CONNECTION_FAILED").arg(id)});
    if (profile == "A2DP")
        return out + connectAudio(*r);
    // A second call replaces the link it would duplicate.
    for (int i = m_links.size() - 1; i >= 0; --i) {
        if (m_links.at(i).profile == profile && m_links.at(i).address == address)
            m_links.removeAt(i);
    }
    m_links.append({id, profile, address});
    if (profile == "RFCOMM") {
        out += lines({QString("CONNECT %1 RFCOMM 1").arg(id)});
        return out + enterDataMode(id);
    }
    return out + lines({QString("CONNECT %1 HFP-AG 2").arg(id), QString("HFP-AG %1 READY").arg(id)});
}

QByteArray Wt32Module::closeLinks(const QList<int>& ids, const QString& reason)
{
    QStringList out;
    bool audio = false;
    for (int id : ids) {
        const Link* l = linkById(id);
        if (!l)
            continue;
        audio = audio || l->profile == "A2DP";
        if (id == m_dataLink)
            leaveDataMode("link closed");
        for (int i = m_links.size() - 1; i >= 0; --i) {
            if (m_links.at(i).id == id)
                m_links.removeAt(i);
        }
        out << QString("NO CARRIER %1 ERROR 0 %2").arg(id).arg(reason).trimmed();
    }
    if (audio && !link("A2DP"))
        out.prepend("A2DP STREAMING STOP");
    return lines(out);
}

QByteArray Wt32Module::linkLoss(const QString& profile)
{
    const QString wanted = normalProfile(profile);
    QList<int> ids;
    for (const Link& l : m_links) {
        if (wanted.isEmpty() || l.profile == wanted)
            ids << l.id;
    }
    return closeLinks(ids, "LINK_LOSS");
}

int Wt32Module::headsetPercent(const SimRemote& r) const
{
    return int(std::lround(r.headset->volume * 100.0 / 127.0));
}

QByteArray Wt32Module::headsetVolumeChanged()
{
    const Link* l = link("AVRCP");
    SimRemote* r = l ? remote(l->address) : nullptr;
    if (!r || !r->headset)
        return QByteArray();
    return lines({QString("AVRCP %1 PDU_REGISTER_NOTIFICATION CHANGED VOLUME_CHANGED %2")
                      .arg(l->id)
                      .arg(headsetPercent(*r))});
}

QByteArray Wt32Module::headsetBattery()
{
    const Link* l = link("HFP-AG");
    SimRemote* r = l ? remote(l->address) : nullptr;
    if (!r || !r->headset)
        return QByteArray();
    return lines({QString("HFP-AG %1 UNKNOWN 0 %2").arg(l->id).arg(r->headset->batteryReport())});
}

QByteArray Wt32Module::accessoryLines(const QStringList& accessoryOut)
{
    if (!link("RFCOMM") || accessoryOut.isEmpty())
        return QByteArray();
    if (m_dataMode)
        return raw(accessoryOut);
    // In command mode the link keeps them until data mode returns.
    m_heldAccessoryLines << accessoryOut;
    return QByteArray();
}

QByteArray Wt32Module::avrcp(const QString& rest)
{
    const Link* l = link("AVRCP");
    SimRemote* r = l ? remote(l->address) : nullptr;
    if (!r || !r->headset)
        return QByteArray();
    const QStringList w = rest.split(' ', Qt::SkipEmptyParts);
    int& volume = r->headset->volume;
    if (w.value(0) == "PDU" && w.value(1) == "50") {
        bool ok = false;
        const int percent = w.value(2).toInt(&ok);
        if (ok)
            volume = qBound(0, int(std::lround(percent * 127.0 / 100.0)), 127);
    } else if (w.value(0) == "PDU" && w.value(1) == "31") {
        return lines({QString("AVRCP %1 PDU_REGISTER_NOTIFICATION INTERIM VOLUME_CHANGED %2")
                          .arg(l->id)
                          .arg(headsetPercent(*r))});
    } else if (w.value(0) == "UP") {
        volume = qMin(volume + 8, 127);
    } else if (w.value(0) == "DN") {
        volume = qMax(volume - 8, 0);
    }
    return QByteArray();
}

QByteArray Wt32Module::inquiry() const
{
    QStringList out;
    for (const SimRemote& r : m_remotes)
        out << QString("INQUIRY_PARTIAL %1 %2").arg(r.address, r.cod);
    out << QString("INQUIRY %1").arg(m_remotes.size());
    for (const SimRemote& r : m_remotes)
        out << QString("INQUIRY %1 %2").arg(r.address, r.cod);
    for (const SimRemote& r : m_remotes) {
        if (r.nameOnInquiry)
            out << QString("NAME %1 \"%2\"").arg(r.address, r.name);
        else
            out << QString("NAME ERROR 0x104 %1 HCI_ERROR_PAGE_TIMEOUT").arg(r.address);
    }
    return lines(out);
}

// "SET" lists the settings; "SET <group> <key> <value>" keeps one, "SET
// <group> <key>" clears it (its address, name and A2DP role answer instead).
QByteArray Wt32Module::set(const QString& rest)
{
    if (rest.isEmpty()) {
        QStringList out{"SET BT BDADDR " + m_localAddress};
        for (auto it = m_stored.cbegin(); it != m_stored.cend(); ++it)
            out << "SET " + it.key() + ' ' + it.value();
        for (const QString& a : m_paired)
            out << "SET BT PAIR " + a;
        out << "SET";
        return lines(out);
    }
    if (rest == "RESET") {
        m_stored = m_factory;
        m_paired.clear();
        saveState();
        return restart();
    }
    const QStringList w = rest.split(' ');
    const QString key = w.mid(0, 2).join(' ');
    const QString value = w.mid(2).join(' ');
    if (key == "BT BDADDR")
        return lines({"SET BT BDADDR " + m_localAddress});
    if (key == "BT PAIR") {
        if (value == "*")
            m_paired.clear();
        else
            m_paired.removeAll(value);
        saveState();
        return QByteArray();
    }
    if (value.isEmpty() && (key == "BT NAME" || key == "PROFILE A2DP"))
        return lines({"SET " + key + ' ' + m_stored.value(key)});
    if (value.isEmpty())
        m_stored.remove(key);
    else
        m_stored.insert(key, value);
    saveState();
    return key == "CONTROL AUTOCALL" ? autocall() : QByteArray();
}

QByteArray Wt32Module::command(const QString& line)
{
    if (line.trimmed().isEmpty())
        return QByteArray();
    record(line);
    QByteArray scriptedAnswer;
    if (scripted(line, &scriptedAnswer))
        return scriptedAnswer;

    const QString word = line.section(' ', 0, 0);
    const QString rest = line.section(' ', 1);
    if (word == "AT")
        return lines({"OK"});
    if (word == "SET")
        return set(rest);
    if (word == "LIST") {
        QStringList out{QString("LIST %1").arg(m_links.size())};
        for (const Link& l : m_links) {
            out << QString("LIST %1 CONNECTED %2 667 0 0 0 8d 8d %3 1 OUTGOING ACTIVE MASTER PLAIN 0")
                       .arg(l.id)
                       .arg(l.profile, l.address);
        }
        return lines(out);
    }
    if (word == "CALL")
        return call(line.section(' ', 1, 1), serviceOf(line.section(' ', 2, 2)));
    if (word == "KILL") {
        QList<int> ids;
        for (const Link& l : m_links) {
            if (l.address == rest)
                ids << l.id;
        }
        return closeLinks(ids, QString());
    }
    if (word == "CLOSE") {
        bool ok = false;
        const int id = rest.toInt(&ok);
        return ok ? closeLinks({id}, QString()) : lines({"SYNTAX ERROR"});
    }
    if (word == "SELECT") {
        bool ok = false;
        const Link* l = linkById(rest.toInt(&ok));
        if (!ok || !l || l->profile != "RFCOMM")
            return lines({"SYNTAX ERROR"});
        return enterDataMode(l->id);
    }
    if (word == "INQUIRY")
        return inquiry();
    if (word == "PAIR") {
        if (!remote(rest))
            return lines({"PAIR " + rest + " FAIL"});
        if (!m_paired.contains(rest))
            m_paired << rest;
        saveState();
        return lines({"PAIR " + rest + " OK"});
    }
    if (word == "RESET")
        return restart();
    if (word == "AVRCP")
        return avrcp(rest);
    if (word.startsWith('@')) {
        // "@<link> <AT command>" towards the headset: it reports its battery.
        bool ok = false;
        const Link* l = linkById(word.mid(1).toInt(&ok));
        if (ok && l && l->profile == "HFP-AG")
            return headsetBattery();
        return QByteArray();
    }
    return lines({"SYNTAX ERROR"});
}
