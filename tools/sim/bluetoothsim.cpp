#include "bluetoothsim.h"
#include "devicetree.h"
#include "Hardware/gpiolines.h"
#include "Hardware/pathguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>

const char* const BluetoothSim::kTb9Address = "0018E4C0B009";
const char* const BluetoothSim::kHeadsetAddress = "001A7DDA7113";
const char* const BluetoothSim::kOtherAddress = "A4C3F0851234";
const char* const BluetoothSim::kSinkAddress = "0017E9A10002";
const char* const BluetoothSim::kSourceAddress = "0017E9A10003";

namespace {

const char* const kStateDir = "/var/lib/sim/bt";
const char* const kTriggerFile = "/var/lib/sim/bt/triggers";
const char* const kLog = "/var/log/bt-sim.log";
const char* const kWt32Prefix = "wt32-";

QString stateFile(const QString& who)
{
    return QString(kStateDir) + "/" + who + ".conf";
}

QString printable(QString line)
{
    return line.replace("\r", "\\r").replace("\n", "\\n");
}

}

BluetoothSim::BluetoothSim(QObject* parent) : SimService(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &BluetoothSim::poll);
}

// Within reach of both modules: the TB-9, the headset and a phone that
// does not tell its name when searched.
QList<SimRemote> BluetoothSim::remotes()
{
    SimRemote tb9;
    tb9.address = kTb9Address;
    tb9.name = "TB-9";
    tb9.cod = "280404";
    tb9.rssi = -48;
    tb9.profiles = QStringList{"A2DP", "SPP"};
    tb9.accessory = &m_tb9;

    SimRemote headset;
    headset.address = kHeadsetAddress;
    headset.name = "BT Headset";
    headset.cod = "240404";
    headset.rssi = -55;
    headset.profiles = QStringList{"A2DP", "AVRCP", "AGHFP"};
    headset.headset = &m_headset;

    SimRemote other;
    other.address = kOtherAddress;
    other.name = "Phone";
    other.cod = "5A020C";
    other.rssi = -71;
    other.nameOnInquiry = false;
    other.profiles = QStringList{"A2DP", "AVRCP"};
    return {tb9, headset, other};
}

void BluetoothSim::setUpModule(Idc777Peer& peer, const QString& who, const QString& address)
{
    Idc777Module& m = peer.module();
    m.setLocalAddress(address);
    m.setLineEnd("\r");
    m.setStateFile(m_root, stateFile(who));
    m.loadState();
    m.setHeldInReset(true);
    m.setLogger([this, who](const QString& direction, const QString& line) { log(who, direction, line); });
    for (const SimRemote& r : remotes())
        m.addRemote(r);
}

void BluetoothSim::setUpModule(Wt32Peer& peer, const QString& who, const QString& address)
{
    Wt32Module& m = peer.module();
    m.setLocalAddress(address);
    m.setStateFile(m_root, stateFile(kWt32Prefix + who));
    m.loadState();
    m.setLogger([this, who](const QString& direction, const QString& line) { log(who, direction, line); });
    for (const SimRemote& r : remotes())
        m.addRemote(r);
}

bool BluetoothSim::startWt32()
{
    m_wt32 = true;
    setUpModule(m_wtSink, "sink", kSinkAddress);
    setUpModule(m_wtSource, "source", kSourceAddress);
    if (!m_wtSink.start(m_root, m_root + "/dev/ttyO2") || !m_wtSource.start(m_root, m_root + "/dev/ttyO3"))
        return false;
    m_active = true;
    log("sim", "--", "started (WT32 modules)");
    // A module that kept AUTOCALL calls its device as soon as it has power.
    m_wtSink.write(m_wtSink.module().autocall());
    m_wtSource.write(m_wtSource.module().autocall());
    poll();
    m_timer.start(kWt32PollMs);
    return true;
}

bool BluetoothSim::start(const QString& root)
{
    m_root = root;
    QDir().mkpath(root + "/dev");
    const QString hardware = QString::fromLatin1(DeviceTree::readText(root, "/var/lib/sim/hardware")).trimmed();
    if (hardware == "v1")
        return startWt32();
    m_wt32 = false;
    setUpModule(m_sink, "sink", kSinkAddress);
    setUpModule(m_source, "source", kSourceAddress);
    if (!m_sink.start(root + "/dev/ttyO2") || !m_source.start(root + "/dev/ttyO3"))
        return false;
    m_sinkLine = -1;
    m_sourceLine = -1;
    m_active = true;
    log("sim", "--", "started");
    poll();
    m_timer.start(kPollMs);
    return true;
}

void BluetoothSim::stop()
{
    m_timer.stop();
    if (m_active)
        log("sim", "--", "stopped");
    m_active = false;
    m_sink.stop();
    m_source.stop();
    m_wtSink.stop();
    m_wtSource.stop();
}

void BluetoothSim::poll()
{
    if (!m_active)
        return;
    if (m_wt32) {
        m_wtSink.poll();
        m_wtSource.poll();
    } else {
        pollResetLine(m_sink, GpioLine::Idc777SinkReset, &m_sinkLine);
        pollResetLine(m_source, GpioLine::Idc777SourceReset, &m_sourceLine);
    }
    const QStringList due = m_tb9.due();
    if (!due.isEmpty()) {
        if (m_wt32)
            m_wtSink.write(m_wtSink.module().accessoryLines(due));
        else
            m_sink.write(m_sink.module().accessoryLines(due));
    }

    const QString path = m_root + kTriggerFile;
    if (!QFileInfo(path).size())
        return;
    // Taken away first, so lines appended meanwhile wait for the next poll.
    const PathGuard::Below below(m_root);
    const QString work = path + ".work";
    if (!PathGuard::rename(path, work, PathGuard::Replace).ok())
        return;
    QFile f(work);
    if (f.open(QIODevice::ReadOnly)) {
        for (const QByteArray& raw : f.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            QString error;
            if (!line.isEmpty() && !trigger(line, &error))
                log("sim", "--", "ignored: " + line + " (" + error + ")");
        }
    }
    f.close();
    PathGuard::removeFile(work);
}

void BluetoothSim::pollResetLine(Idc777Peer& peer, int gpio, int* last)
{
    const QByteArray text =
        DeviceTree::readText(m_root, DeviceTree::gpioValuePath(gpio)).trimmed();
    const int value = text == "1" ? 1 : 0;
    if (value == *last)
        return;
    const bool first = *last < 0;
    *last = value;
    // A line already high when we start is no rise.
    if (first && value == 1)
        return;
    peer.write(peer.module().setResetLine(value == 1));
}

bool BluetoothSim::isValidTrigger(const QString& line, QString* error)
{
    const QStringList w = line.split(' ', Qt::SkipEmptyParts);
    const QString action = w.value(0);
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    auto number = [&](int i, int lo, int hi) {
        bool ok = false;
        const int v = w.value(i).toInt(&ok);
        return ok && v >= lo && v <= hi;
    };
    if (action == "mute" || action == "mute-press" || action == "mute-release" || action == "restart")
        return w.size() == 1 || fail("no argument expected");
    if (action == "alert" || action == "sensor")
        return w.size() == 2 || fail("one word expected");
    if (action == "value")
        return (w.size() == 2 || w.size() == 3) || fail("value and optional time expected");
    if (action == "delay")
        return (w.size() == 2 && number(1, 0, 60000)) || fail("0..60000 ms expected");
    if (action == "silent" || action == "err") {
        static const QRegularExpression command("^[A-Z]{1,8}$");
        return (w.size() == 2 && (w.value(1) == "off" || command.match(w.value(1)).hasMatch()))
               || fail("a command word (S, FD, ...) or off expected");
    }
    if (action == "gas")
        return ((w.size() == 2 || w.size() == 3) && number(1, 0, 10000) && (w.size() == 2 || number(2, 0, 3600)))
               || fail("raw 0..10000 and optional seconds 0..3600 expected");
    if (action == "heating")
        return (w.size() == 2 && number(1, 0, 86400)) || fail("seconds 0..86400 expected");
    if (action == "pressure") {
        const QString what = w.value(1);
        bool ok = false;
        const double bar = w.value(2).toDouble(&ok);
        if (what == "garbage")
            return w.size() == 2 || fail("no value after garbage");
        if (what == "scale")
            return (w.size() == 3 && number(2, 1, 1000)) || fail("a full scale of 1..1000 bar expected");
        if (what == "mean" || what == "swing" || what == "drop")
            return (w.size() == 3 && ok && bar >= 0 && bar <= 1000) || fail("0..1000 bar expected");
        return fail("scale, mean, swing, drop or garbage expected");
    }
    if (action == "battery")
        return (w.size() == 2 && number(1, 0, 99999)) || fail("millivolts expected");
    if (action == "hp-volume")
        return (w.size() == 2 && number(1, 0, 127)) || fail("0..127 expected");
    if (action == "hp-battery")
        return (w.size() == 2 && number(1, 0, 100)) || fail("percent expected");
    if (action == "stuck")
        return (w.size() == 2 && (w.value(1) == "on" || w.value(1) == "off")) || fail("on or off expected");
    if (action == "link-loss") {
        static const QStringList profiles{"A2DP", "AVRCP", "SPP", "AGHFP", "HFP"};
        if ((w.value(1) != "sink" && w.value(1) != "source") || w.size() > 3
            || (w.size() == 3 && !profiles.contains(w.value(2))))
            return fail("sink|source [profile] expected");
        return true;
    }
    if (action == "line-end")
        return (w.size() == 2 && (w.value(1) == "cr" || w.value(1) == "crlf")) || fail("cr or crlf expected");
    return fail("unknown action");
}

bool BluetoothSim::trigger(const QString& line, QString* error)
{
    if (!isValidTrigger(line, error))
        return false;
    const QStringList w = line.split(' ', Qt::SkipEmptyParts);
    if (w.value(0) == "stuck" && !m_wt32) {
        if (error)
            *error = "only WT32 modules have a data-mode line";
        return false;
    }
    log("person", "--", line);
    if (m_wt32)
        act(m_wtSink, m_wtSource, w, QString(), QString());
    else
        act(m_sink, m_source, w, "SPP", "A2DP");
    return true;
}

// Both module kinds print the same events through the same calls.
template <class Peer>
void BluetoothSim::act(Peer& sinkPeer, Peer& sourcePeer, const QStringList& w, const QString& defaultLossSink,
                       const QString& defaultLossSource)
{
    const QString action = w.value(0);
    auto& sink = sinkPeer.module();
    auto& source = sourcePeer.module();
    auto toSink = [&](const QStringList& accessoryOut) { sinkPeer.write(sink.accessoryLines(accessoryOut)); };
    if (action == "mute") {
        toSink(m_tb9.pressMute());
        toSink(m_tb9.releaseMute());
    } else if (action == "mute-press") {
        toSink(m_tb9.pressMute());
    } else if (action == "mute-release") {
        toSink(m_tb9.releaseMute());
    } else if (action == "alert") {
        toSink(m_tb9.alert(w.value(1)));
    } else if (action == "sensor") {
        toSink(m_tb9.setSensorType(w.value(1)));
    } else if (action == "value") {
        toSink(m_tb9.setSensorValue(w.value(1), w.value(2, "0")));
    } else if (action == "battery") {
        toSink(m_tb9.setBattery(w.value(1).toInt()));
    } else if (action == "restart") {
        toSink(m_tb9.restart());
    } else if (action == "delay") {
        m_tb9.setAnswerDelay(w.value(1).toInt());
    } else if (action == "silent" || action == "err") {
        const QString command = w.value(1) == "off" ? QString() : w.value(1);
        if (action == "silent")
            m_tb9.setSilent(command);
        else
            m_tb9.setFailing(command);
    } else if (action == "gas") {
        m_tb9.setGas(w.value(1).toInt(), w.value(2).toInt());
    } else if (action == "heating") {
        m_tb9.setHeating(w.value(1).toInt());
    } else if (action == "pressure") {
        SimPressureSensor& p = m_tb9.pressure();
        const QString what = w.value(1);
        const double bar = w.value(2).toDouble();
        if (what == "scale")
            p.setScale(w.value(2).toInt());
        else if (what == "mean")
            p.setMean(bar);
        else if (what == "swing")
            p.setSwing(bar);
        else if (what == "drop")
            p.drop(bar, Tb9Accessory::now());
        else
            p.garbage();
    } else if (action == "hp-volume") {
        m_headset.volume = w.value(1).toInt();
        sourcePeer.write(source.headsetVolumeChanged());
    } else if (action == "hp-battery") {
        m_headset.batteryPercent = w.value(1).toInt();
        sourcePeer.write(source.headsetBattery());
    } else if (action == "link-loss") {
        const bool toSinkSide = w.value(1) == "sink";
        const QString profile = w.value(2, toSinkSide ? defaultLossSink : defaultLossSource);
        Peer& peer = toSinkSide ? sinkPeer : sourcePeer;
        peer.write(peer.module().linkLoss(profile));
    } else if (action == "line-end") {
        const QByteArray end = w.value(1) == "crlf" ? "\r\n" : "\r";
        sink.setLineEnd(end);
        source.setLineEnd(end);
    } else if (action == "stuck") {
        m_wtSink.module().setFailure(Wt32Module::Failure::DataModeLineHigh, w.value(1) == "on");
        m_wtSink.updateModeLine();
    }
}

bool BluetoothSim::queueTrigger(const QString& root, const QString& line, QString* error)
{
    if (!isValidTrigger(line, error))
        return false;
    if (!DeviceTree::appendText(root, kTriggerFile, line.toUtf8() + '\n')) {
        if (error)
            *error = "cannot write " + root + kTriggerFile;
        return false;
    }
    return true;
}

bool BluetoothSim::pairDevices(const QString& root, QString* error)
{
    const QList<QPair<QString, QString>> pairs{{"sink", kTb9Address}, {"source", kHeadsetAddress}};
    auto pairIn = [&](auto& module, const QString& file, const QString& address) {
        module.setStateFile(root, file);
        module.loadState();
        QStringList paired = module.pairedDevices();
        if (!paired.contains(address))
            paired << address;
        module.setPairedDevices(paired);
        if (module.saveState())
            return true;
        if (error)
            *error = "cannot write " + root + file;
        return false;
    };
    for (const auto& p : pairs) {
        Idc777Module idc777;
        Wt32Module wt32;
        if (!pairIn(idc777, stateFile(p.first), p.second)
            || !pairIn(wt32, stateFile(kWt32Prefix + p.first), p.second))
            return false;
    }
    return true;
}

void BluetoothSim::log(const QString& who, const QString& direction, const QString& line) const
{
    // Never a path outside a device root.
    if (m_root.isEmpty())
        return;
    DeviceTree::appendText(m_root, kLog,
                           QString("%1 %2 %3 %4\n")
                               .arg(QTime::currentTime().toString("hh:mm:ss.zzz"), who, direction, printable(line))
                               .toUtf8());
}
