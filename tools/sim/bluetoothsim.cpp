#include "bluetoothsim.h"
#include "devicetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
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

QString stateFile(const QString& root, const QString& who)
{
    return root + kStateDir + "/" + who + ".conf";
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

void BluetoothSim::setUpModule(Idc777Peer& peer, const QString& who, const QString& address)
{
    Idc777Module& m = peer.module();
    m.setLocalAddress(address);
    m.setLineEnd("\r");
    m.setStateFile(stateFile(m_root, who));
    m.loadState();
    m.setHeldInReset(true);
    m.setLogger([this, who](const QString& direction, const QString& line) { log(who, direction, line); });

    Idc777Remote tb9;
    tb9.address = kTb9Address;
    tb9.name = "TB-9";
    tb9.cod = "280404";
    tb9.rssi = -48;
    tb9.profiles = QStringList{"A2DP", "SPP"};
    tb9.accessory = &m_tb9;
    m.addRemote(tb9);

    Idc777Remote headset;
    headset.address = kHeadsetAddress;
    headset.name = "BT Headset";
    headset.cod = "240404";
    headset.rssi = -55;
    headset.profiles = QStringList{"A2DP", "AVRCP", "AGHFP"};
    headset.headset = &m_headset;
    m.addRemote(headset);

    Idc777Remote other;
    other.address = kOtherAddress;
    other.name = "Phone";
    other.cod = "5A020C";
    other.rssi = -71;
    other.nameOnInquiry = false;
    other.profiles = QStringList{"A2DP", "AVRCP"};
    m.addRemote(other);
}

bool BluetoothSim::start(const QString& root)
{
    m_root = root;
    const QString hardware = QString::fromLatin1(DeviceTree::readText(root, "/var/lib/sim/hardware")).trimmed();
    if (hardware == "v1") {
        QTextStream(stdout) << "devsim: bluetooth: WT32 pair fitted, no IDC777 peers\n";
        return true;
    }
    QDir().mkpath(root + kStateDir);
    QDir().mkpath(root + "/dev");
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
}

void BluetoothSim::poll()
{
    if (!m_active)
        return;
    pollResetLine(m_sink, 57, &m_sinkLine);
    pollResetLine(m_source, 53, &m_sourceLine);

    const QString path = m_root + kTriggerFile;
    if (!QFileInfo(path).size())
        return;
    // Taken away first, so lines appended meanwhile wait for the next poll.
    const QString work = path + ".work";
    QFile::remove(work);
    if (!QFile::rename(path, work))
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
    f.remove();
}

void BluetoothSim::pollResetLine(Idc777Peer& peer, int gpio, int* last)
{
    const QByteArray text =
        DeviceTree::readText(m_root, QString("/sys/class/gpio/gpio%1/value").arg(gpio)).trimmed();
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
    if (action == "battery")
        return (w.size() == 2 && number(1, 0, 99999)) || fail("millivolts expected");
    if (action == "hp-volume")
        return (w.size() == 2 && number(1, 0, 127)) || fail("0..127 expected");
    if (action == "hp-battery")
        return (w.size() == 2 && number(1, 0, 100)) || fail("percent expected");
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
    log("person", "--", line);
    const QStringList w = line.split(' ', Qt::SkipEmptyParts);
    const QString action = w.value(0);
    Idc777Module& sink = m_sink.module();
    Idc777Module& source = m_source.module();
    if (action == "mute") {
        toSink(sink.accessoryLines(m_tb9.pressMute()));
        toSink(sink.accessoryLines(m_tb9.releaseMute()));
    } else if (action == "mute-press") {
        toSink(sink.accessoryLines(m_tb9.pressMute()));
    } else if (action == "mute-release") {
        toSink(sink.accessoryLines(m_tb9.releaseMute()));
    } else if (action == "alert") {
        toSink(sink.accessoryLines(m_tb9.alert(w.value(1))));
    } else if (action == "sensor") {
        toSink(sink.accessoryLines(m_tb9.setSensorType(w.value(1))));
    } else if (action == "value") {
        toSink(sink.accessoryLines(m_tb9.setSensorValue(w.value(1), w.value(2, "0"))));
    } else if (action == "battery") {
        toSink(sink.accessoryLines(m_tb9.setBattery(w.value(1).toInt())));
    } else if (action == "restart") {
        toSink(sink.accessoryLines(m_tb9.restart()));
    } else if (action == "hp-volume") {
        m_headset.volume = w.value(1).toInt();
        m_source.write(source.headsetVolumeChanged());
    } else if (action == "hp-battery") {
        m_headset.batteryPercent = w.value(1).toInt();
        m_source.write(source.headsetBattery());
    } else if (action == "link-loss") {
        const bool toSinkSide = w.value(1) == "sink";
        const QString profile = w.value(2, toSinkSide ? "SPP" : "A2DP");
        Idc777Peer& peer = toSinkSide ? m_sink : m_source;
        peer.write(peer.module().linkLoss(profile));
    } else if (action == "line-end") {
        const QByteArray end = w.value(1) == "crlf" ? "\r\n" : "\r";
        sink.setLineEnd(end);
        source.setLineEnd(end);
    }
    return true;
}

bool BluetoothSim::queueTrigger(const QString& root, const QString& line, QString* error)
{
    if (!isValidTrigger(line, error))
        return false;
    QDir().mkpath(root + kStateDir);
    QFile f(root + kTriggerFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = "cannot write " + f.fileName();
        return false;
    }
    f.write(line.toUtf8() + '\n');
    return true;
}

bool BluetoothSim::pairDevices(const QString& root, QString* error)
{
    const QList<QPair<QString, QString>> pairs{{"sink", kTb9Address}, {"source", kHeadsetAddress}};
    for (const auto& p : pairs) {
        Idc777Module m;
        m.setStateFile(stateFile(root, p.first));
        m.loadState();
        QStringList paired = m.pairedDevices();
        if (!paired.contains(p.second))
            paired << p.second;
        m.setPairedDevices(paired);
        if (!m.saveState()) {
            if (error)
                *error = "cannot write " + stateFile(root, p.first);
            return false;
        }
    }
    return true;
}

void BluetoothSim::log(const QString& who, const QString& direction, const QString& line) const
{
    QFile f(m_root + kLog);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    f.write(QString("%1 %2 %3 %4\n")
                .arg(QTime::currentTime().toString("hh:mm:ss.zzz"), who, direction, printable(line))
                .toUtf8());
}
