#include "gnsssim.h"
#include "devicetree.h"
#include "statecommand.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QTime>

#include <unistd.h>

namespace {

bool parseSwitch(const QString& text, bool* on)
{
    if (text != "on" && text != "off")
        return false;
    *on = text == "on";
    return true;
}

bool parsePosition(const QString& text, double* latitude, double* longitude)
{
    const QStringList parts = text.split(',');
    bool okLat = false;
    bool okLon = false;
    const double lat = parts.value(0).toDouble(&okLat);
    const double lon = parts.value(1).toDouble(&okLon);
    if (parts.size() != 2 || !okLat || !okLon || !(lat >= -90.0 && lat <= 90.0)
        || !(lon >= -180.0 && lon <= 180.0))
        return false;
    *latitude = lat;
    *longitude = lon;
    return true;
}

QByteArray onOff(bool on)
{
    return on ? "on" : "off";
}

}

QByteArray GnssSimState::toText() const
{
    return "fix=" + onOff(fix) + "\npos=" + QByteArray::number(latitude, 'f', 6) + ','
           + QByteArray::number(longitude, 'f', 6) + "\nnoise=" + onOff(noise) + "\n";
}

GnssSimState GnssSimState::fromText(const QByteArray& text)
{
    GnssSimState s;
    for (const QByteArray& line : text.split('\n')) {
        const int eq = line.indexOf('=');
        const QByteArray key = line.left(eq).trimmed();
        const QString value = QString::fromLatin1(line.mid(eq + 1).trimmed());
        GnssSimState next = s;
        bool ok = false;
        if (eq < 0)
            continue;
        if (key == "fix")
            ok = parseSwitch(value, &next.fix);
        else if (key == "pos")
            ok = parsePosition(value, &next.latitude, &next.longitude);
        else if (key == "noise")
            ok = parseSwitch(value, &next.noise);
        if (ok)
            s = next;
    }
    return s;
}

GnssSimState GnssSimState::load(const QString& root)
{
    return fromText(DeviceTree::readText(root, kUnitPath));
}

bool GnssSimState::save(const QString& root) const
{
    return DeviceTree::replaceFile(root, kUnitPath, toText());
}

bool GnssSimState::applyOptions(const QStringList& options, QString* error)
{
    GnssSimState next = *this;
    for (int i = 0; i < options.size(); i += 2) {
        const QString& option = options.at(i);
        const QString value = options.value(i + 1);
        bool ok = false;
        if (option == "--fix")
            ok = parseSwitch(value, &next.fix);
        else if (option == "--noise")
            ok = parseSwitch(value, &next.noise);
        else if (option == "--pos")
            ok = parsePosition(value, &next.latitude, &next.longitude);
        else {
            *error = "unknown option " + option;
            return false;
        }
        if (!ok) {
            *error = option == "--pos" ? "--pos needs LAT,LON in degrees (-90..90, -180..180), not \"" + value + "\""
                                       : option + " needs on or off, not \"" + value + "\"";
            return false;
        }
    }
    *this = next;
    return true;
}

QString GnssSimState::describe() const
{
    return QString("fix %1, position %2,%3, noise %4")
        .arg(QString(onOff(fix)))
        .arg(latitude, 0, 'f', 6)
        .arg(longitude, 0, 'f', 6)
        .arg(QString(onOff(noise)));
}

int runGpsCommand(const QString& root, const QStringList& options, QTextStream& out, QTextStream& err)
{
    return runStateCommand<GnssSimState>(root, "gps", options, out, err);
}

GnssPeer::GnssPeer(QObject* parent) : QObject(parent)
{
    connect(&m_pty, &PtyPair::dataReceived, this, [this](const QByteArray& data) {
        if (!m_receiver.isPowered())
            poll();
        m_receiver.receive(data);
    });
}

bool GnssPeer::start(const QString& root, const QString& linkPath)
{
    m_root = root;
    poll();
    return m_pty.open() && m_pty.linkSlaveAt(linkPath);
}

void GnssPeer::poll()
{
    if (!m_root.isEmpty())
        m_receiver.setPowered(DeviceTree::readText(m_root, kPowerLine).trimmed() == "1");
}

void GnssPeer::sendEpoch(const QDateTime& utc)
{
    write(m_receiver.epoch(utc));
}

qint64 GnssPeer::write(const QByteArray& bytes)
{
    if (!m_pty.isOpen() || bytes.isEmpty())
        return 0;
    return qMax<qint64>(0, ::write(m_pty.masterFd(), bytes.constData(), size_t(bytes.size())));
}

GnssSim::GnssSim(QObject* parent) : SimService(parent)
{
    connect(&m_pollTimer, &QTimer::timeout, this, &GnssSim::poll);
    m_epochTimer.setSingleShot(true);
    m_epochTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_epochTimer, &QTimer::timeout, this, &GnssSim::nextEpoch);
}

bool GnssSim::start(const QString& root)
{
    m_root = root;
    QDir().mkpath(root + "/dev");
    m_peer.receiver().setLogger([this](const QString& text) { log(text); });
    if (!m_peer.start(root, root + "/dev/ttyO1"))
        return false;
    log("started");
    m_stateText.clear();
    poll();
    m_pollTimer.start(kPollMs);
    m_epochTimer.start(1000 - QTime::currentTime().msec());
    return true;
}

void GnssSim::stop()
{
    if (m_pollTimer.isActive())
        log("stopped");
    m_pollTimer.stop();
    m_epochTimer.stop();
    m_peer.stop();
}

void GnssSim::poll()
{
    m_peer.poll();
    const QByteArray text = DeviceTree::readText(m_root, GnssSimState::kUnitPath);
    if (text == m_stateText && !m_stateText.isNull())
        return;
    m_stateText = text.isNull() ? QByteArray("") : text;
    const GnssSimState state = GnssSimState::fromText(text);
    GnssReceiver& r = m_peer.receiver();
    r.setSkyVisible(state.fix);
    r.setPosition(state.latitude, state.longitude);
    r.setNoise(state.noise);
    log("state: " + state.describe());
}

void GnssSim::nextEpoch()
{
    // The second nearest to now: a timer may fire a little early or late.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime near = now.addMSecs(500);
    const QDateTime second(near.date(), QTime(near.time().hour(), near.time().minute(), near.time().second()), Qt::UTC);
    m_peer.poll();
    m_peer.sendEpoch(second);
    m_epochTimer.start(int(qMax<qint64>(1, QDateTime::currentDateTimeUtc().msecsTo(second.addSecs(1)))));
}

void GnssSim::log(const QString& text) const
{
    DeviceTree::appendText(m_root, kLog,
                           QString("%1 %2\n").arg(QTime::currentTime().toString("hh:mm:ss.zzz"), text).toUtf8());
}
