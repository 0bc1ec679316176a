// The GNSS receiver: switching and its frames, NMEA fix and loss, satellites,
// bad input, the clock from GPS time, and the simulated receiver.
#include "gpsrig.h"
#include "logcapture.h"
#include "testunit.h"
#include "Hardware/devicelayer.h"
#include "mainmenu.h"

#include <cmath>
#include <memory>
#include <random>

using namespace GnssProtocol;

namespace {

const QByteArray kFixRmc = "GPRMC,123519.00,A,4807.03800,N,01131.00000,E,0.0,,230326,,,A";
const QByteArray kFixGga = "GPGGA,123519.00,4807.03800,N,01131.00000,E,1,08,0.9,545.4,M,46.9,M,,";
const QByteArray kLossRmc = "GPRMC,123520.00,V,,,,,,,230326,,,N";
const QByteArray kLossGga = "GPGGA,123520.00,,,,,0,00,99.99,,,,,,";
const QByteArray kStart = QByteArray::fromHex("b5 62 06 04 04 00 00 00 09 00 17 76");
const QByteArray kStop = QByteArray::fromHex("b5 62 06 04 04 00 00 00 08 00 16 74");
const QString kPowerLine = "/sys/class/gpio/gpio16/value=";

QByteArray fixAt(const QByteArray& time, const QByteArray& date)
{
    return "GPRMC," + time + ".00,A,4807.03800,N,01131.00000,E,0.0,," + date + ",,,A";
}

// A Gps of its own on a fresh device, the receiver on its port.
struct Bench {
    TestRoot root;
    GpsRig rig{root.root()};
    Gps gps;
    Bench()
    {
        rig.attach(&gps);
        gps.initGps();
    }
    bool holdsNothing() const { return !gps.isGpsDataValid() && at(0.0, 0.0) && gps.getHeight() == 0.0; }
    bool at(double latitude, double longitude) const
    {
        return std::fabs(gps.getLatitude() - latitude) < 1e-6 && std::fabs(gps.getLongitude() - longitude) < 1e-6;
    }
};

QString describe(const QList<GnssSatellite>& satellites)
{
    QStringList out;
    for (const GnssSatellite& s : satellites)
        out << QString("%1%2 %3 %4 %5").arg(QString(s.system)).arg(s.prn).arg(s.elevation).arg(s.azimuth).arg(s.snr);
    return out.join('|');
}

}

class TestGps : public QObject
{
    Q_OBJECT
private slots:
    void switching();
    void portMissingAndLost();
    void fixAndLoss();
    void satellites_data();
    void satellites();
    void heights_data();
    void heights();
    void badInput_data();
    void badInput();
    void fuzz();
    void clock_data();
    void clock();
    void startupSwitchedOff();
    void simulatedReceiver();
    void cleanupTestCase() { m_bench.reset(); }

private:
    std::unique_ptr<Bench> m_bench;
};

void TestGps::switching()
{
    QCOMPARE(cfgRst(ColdStart, GnssReset), QByteArray::fromHex("b5 62 06 04 04 00 ff ff 02 00 0e 61"));
    Bench b;
    DeviceLayer::WriteTrace trace;
    GnssReceiver& r = b.rig.peer.receiver();
    b.gps.switchOnGpsModul();
    b.gps.switchOnGpsModul();
    QVERIFY(b.rig.waitForFrames(2) && r.isPowered());
    b.gps.switchOffGpsModul();
    const QString port = "/dev/ttyO1=";
    QCOMPARE(trace.entries(), QStringList({kPowerLine + "1", port + kStart.toHex(' '), kPowerLine + "1",
                                           port + kStart.toHex(' '), port + kStop.toHex(' '), kPowerLine + "0"}));
    // The stop reaches the receiver while it still has power.
    QVERIFY(b.rig.waitForFrames(3));
    QCOMPARE(r.frames().at(0).bytes + r.frames().at(1).bytes + r.frames().at(2).bytes, kStart + kStart + kStop);
    QVERIFY(r.isStopped() && r.badChecksums() == 0);
    b.rig.peer.poll();
    QVERIFY(!r.isPowered() && !b.gps.isPowerOn());
    QCOMPARE(b.gps.getLastUbxFrame(), kStop);
}

void TestGps::portMissingAndLost()
{
    TestRoot root;
    LogCapture log;
    DeviceLayer::WriteTrace trace;
    qint64 now = 0;
    Gps gps;
    gps.setClock([&] { return now; });
    gps.initGps();
    gps.switchOnGpsModul();
    QCOMPARE(trace.entries(), QStringList{kPowerLine + "1"});
    QVERIFY(log.contains("UBX frame not sent: \"b5 62 06 04 04 00 00 00 09 00 17 76\""));
    GpsRig rig(root.root());  // the port appears
    now = Gps::kRetryMs - 1;
    gps.checkState();
    QVERIFY(!gps.isPortOpen());
    now = Gps::kRetryMs;
    gps.checkState();
    QVERIFY(gps.isPortOpen() && log.count("GPS: cannot open") == 1);
    rig.peer.stop();
    QTRY_VERIFY(!gps.isPortOpen());
    QCOMPARE(log.count("GPS: port /dev/ttyO1 failed"), 1);
}

void TestGps::fixAndLoss()
{
    Bench b;
    QVERIFY(b.holdsNothing());
    QVERIFY(b.rig.sendSentences({kFixRmc, kFixGga}));
    const double lon = 11.0 + 31.0 / 60.0;
    QVERIFY(b.gps.isGpsDataValid() && b.at(48.1173, lon) && std::fabs(b.gps.getHeight() - 545.4) < 1e-6);
    QCOMPARE(b.gps.getLastFixUtc(), QDateTime(QDate(2026, 3, 23), QTime(12, 35, 19), Qt::UTC));
    QVERIFY(b.rig.sendSentences({kLossRmc}));
    QVERIFY(!b.gps.isGpsDataValid() && b.at(48.1173, lon));
    QVERIFY(b.rig.sendSentences({kFixRmc}));
    b.rig.advance(Gps::kFixTimeoutMs);
    QVERIFY(b.gps.isGpsDataValid());
    b.rig.advance(1);
    QVERIFY(!b.gps.isGpsDataValid());
    b.gps.setPosition(NAN, NAN);
    QVERIFY(b.at(0.0, 0.0));
}

void TestGps::satellites_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<qint64>("ageMs");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("use");
    const QByteArray one = "GPGSV,1,1,01,07,10,020,30";
    QTest::newRow("short last sentence, empty SNR")
        << QByteArrayList{"GPGSV,2,1,05,01,40,083,46,02,17,308,41,03,07,344,,04,77,277,45", "GPGSV,2,2,05,05,10,100,"}
        << qint64(GnssSatellites::kMaxAgeMs) << "GP1 40 83 46|GP2 17 308 41|GP3 7 344 -1|GP4 77 277 45|GP5 10 100 -1"
        << "";
    QTest::newRow("broken cycle dropped") << QByteArrayList{one, "GPGSV,2,1,02,08,10,020,30", "GPGSV,3,2,02,09,10,020,30"}
                                          << qint64(0) << "GP7 10 20 30" << "";
    QTest::newRow("out of order") << QByteArrayList{"GPGSV,2,2,02,08,10,020,30", "GPGSV,2,1,02,09,10,020,30"}
                                  << qint64(0) << "" << "";
    QTest::newRow("fields out of range") << QByteArrayList{"GPGSV,1,1,02,09,91,360,100,10,-5,359,99"} << qint64(0)
                                         << "GP9 -1 -1 -1|GP10 -1 359 99" << "";
    QTest::newRow("two talkers in use")
        << QByteArrayList{"GPGSV,1,1,01,02,63,045,44", "BDGSV,1,1,01,65,40,090,38",
                          "GNGSA,A,3,02,,,,,,,,,,,,1.6,0.9,1.3,1", "GNGSA,A,3,65,,,,,,,,,,,,1.6,0.9,1.3,4",
                          "GAGSA,A,3,11,,,,,,,,,,,,1.6,0.9,1.3"}
        << qint64(0) << "GB65 40 90 38|GP2 63 45 44" << "GA11 -1 -1 -1|GB65 40 90 38|GP2 63 45 44";
    QTest::newRow("a satellite repeated") << QByteArrayList{"GPGSV,2,1,03,07,10,020,30,07,11,021,31,08,12,022,32",
                                                            "GPGSV,2,2,03,08,13,023,33",
                                                            "GPGSA,A,3,07,07,08,08,,,,,,,,,1.6,0.9,1.3"}
                                          << qint64(0) << "GP7 10 20 30|GP8 12 22 32" << "GP7 10 20 30|GP8 12 22 32";
    QTest::newRow("too old") << QByteArrayList{one, "GPGSA,A,3,07,,,,,,,,,,,,1.6,0.9,1.3"}
                             << qint64(GnssSatellites::kMaxAgeMs + 1) << "" << "";
}

void TestGps::satellites()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(qint64, ageMs);
    GnssSatellites satellites;
    for (const QByteArray& body : lines) {
        const QByteArray line = GnssReceiver::sentence(body);
        QByteArray sentence;
        QVERIFY(takeSentence(line.constData(), line.size(), &sentence));
        satellites.add(fields(sentence), 0);
    }
    satellites.expire(ageMs);
    QTEST(describe(satellites.inView()), "view");
    QTEST(describe(satellites.inUse()), "use");
}

void TestGps::heights_data()
{
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<QString>("read");
    QTest::newRow("545.4") << QByteArray("545.4") << "545.4";
    QTest::newRow("below sea level") << QByteArray("-12.5") << "-12.5";
    for (const char* none : {"inf", "-inf", "nan", "1e308", "60000", "-5000", ""})
        QTest::newRow(none) << QByteArray(none) << "---";
}

void TestGps::heights()
{
    QFETCH(QByteArray, height);
    Bench b;
    // A good height first: one that is no reading must not keep it.
    QVERIFY(b.rig.sendSentences({kFixGga, "GPGGA,123520.00,4807.03800,N,01131.00000,E,1,08,0.9," + height + ",M,46.9,M,,"}));
    QVERIFY(b.gps.isGpsDataValid());
    QTEST(b.gps.hasHeight() ? QString::number(b.gps.getHeight()) : QString("---"), "read");
    QCOMPARE(b.gps.hasHeight() ? 1.0 : b.gps.getHeight() + 1, 1.0);
}

void TestGps::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failures");
    const auto s = GnssReceiver::sentence;
    QByteArray wrongSum = s(kFixRmc);
    wrongSum[8] = '9';
    QTest::newRow("garbage") << QByteArray("hello world\r\n") << 1;
    QTest::newRow("binary") << QByteArray("\x00\xff\xb5\x62\x06$\x04\r\n", 9) << 1;
    QTest::newRow("wrong checksum") << wrongSum << 1;
    QTest::newRow("no checksum") << "$" + kFixRmc + "\r\n" << 1;
    QTest::newRow("truncated") << s(kFixRmc).left(30) + "\r\n" << 1;
    QTest::newRow("over 1 KiB") << s("GPRMC" + QByteArray(1100, ',')) << 2;
    QTest::newRow("cut, then a loss") << s(kFixRmc).left(30) + s(kLossRmc) << 0;
    QTest::newRow("empty fields") << s("GPRMC,,,,,,,,,,,,") + s("GPGGA,,,,,,,,,,,,,,") << 0;
    QTest::newRow("latitude out of range") << s("GPRMC,123519.00,A,9107.038,N,01131.000,E,0.0,,230326,,,A") << 0;
    QTest::newRow("longitude out of range") << s("GPGGA,123519.00,4807.038,N,18131.000,E,1,08,0.9,545.4,M,46.9,M,,")
                                            << 0;
    QTest::newRow("broken GSV cycle") << s("GPGSV,3,2,10,02,63,045,44") << 0;
    QTest::newRow("no fix") << s(kLossRmc) + s(kLossGga) << 0;
}

void TestGps::badInput()
{
    QFETCH(QByteArray, bytes);
    // Nothing here changes what the unit holds: one device serves every row.
    if (!m_bench)
        m_bench = std::make_unique<Bench>();
    Bench& b = *m_bench;
    const quint64 before = b.gps.getChecksumFailures();
    QVERIFY(b.rig.send(bytes));
    QTEST(int(b.gps.getChecksumFailures() - before), "failures");
    QVERIFY(b.holdsNothing());
    QVERIFY(b.gps.getSatellitesInView().isEmpty());
}

void TestGps::fuzz()
{
    Bench b;
    const auto s = GnssReceiver::sentence;
    const QByteArrayList bases{s(kLossRmc), s(kLossGga), s("GPGSV,2,1,05,01,40,083,46,02,17,308,41,03,07,344,,04,77,277,45"),
                               s("GNGSA,A,1,,,,,,,,,,,,,99.99,99.99,99.99,1"),
                               s("GPRMC,123519.00,A,9107.038,N,01131.000,E,0.0,,230326,,,A")};
    std::mt19937 rng(33);
    auto random = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    QByteArray all;
    for (int i = 0; i < 4000; ++i) {
        QByteArray line = bases.at(random(0, int(bases.size()) - 1));
        const int at = random(0, int(line.size()) - 1);
        switch (random(0, 4)) {
        case 0: line = QByteArray(); for (int n = random(0, 120); n > 0; --n) line += char(random(0, 255)); break;
        case 1: line[at] = char(random(0, 255)); break;
        case 2: line.insert(at, char(random(0, 255))); break;
        case 3: line.remove(at, 1); break;
        default: line.truncate(at);
        }
        all += line;
    }
    QVERIFY(b.rig.send(all + "\r\n"));
    QVERIFY(b.holdsNothing());
    QVERIFY(b.gps.getChecksumFailures() > 1000);
    QVERIFY(b.rig.sendSentences({kFixRmc}));
    QVERIFY(b.gps.isGpsDataValid());
}

void TestGps::clock_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("disable");
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("first fix, again after a regain")
        << "GPS" << false << QByteArray("230326")
        << QStringList{"date -s 2026-03-23 13:35:19", "hwclock -w", "date -s 2026-03-23 13:35:25", "hwclock -w"};
    QTest::newRow("MAN stored") << "MAN" << false << QByteArray("230326") << QStringList();
    QTest::newRow("disabled") << "GPS" << true << QByteArray("230326") << QStringList();
    QTest::newRow("2019") << "GPS" << false << QByteArray("230319") << QStringList();
    // "99" read as 2099 would hold the clock decades ahead.
    QTest::newRow("010199") << "GPS" << false << QByteArray("010199") << QStringList();
}

void TestGps::clock()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, date);
    QFETCH(bool, disable);
    TestUnit unit;
    unit.setSetting("Local-Settings/DateTimeSource", source);
    GpsRig rig(unit.root.root());
    rig.attach(unit.start()->getGpsInstance());
    TestUnit::holdStatusPolls();
    if (disable)
        rig.gps->enableSystemTimeSettingViaGps(false);
    unit.root.clearCommands();
    QVERIFY(rig.sendSentences({fixAt("123519", date), fixAt("123520", date), kLossRmc, fixAt("123525", date)}));
    QTEST(unit.root.commands(), "commands");
    // The monitor shows the last fix's time only where the clock would take it.
    QCOMPARE(rig.gps->getLastFixUtc().isValid(), date == "230326");
}

void TestGps::startupSwitchedOff()
{
    TestUnit unit;
    unit.setSetting("Dialogconfiguration/Startup_UseGpsForStartup", false);
    GpsRig rig(unit.root.root());
    unit.start();
    QVERIFY(rig.waitForFrames(1));
    QCOMPARE(rig.peer.receiver().frames().last().bytes, kStop);
    QCOMPARE(unit.root.gpioValue(16), QByteArray("0"));
}

void TestGps::simulatedReceiver()
{
    Bench b;
    GnssReceiver& r = b.rig.peer.receiver();
    QDateTime t(QDate(2026, 3, 23), QTime(12, 0), Qt::UTC);
    auto epochs = [&](int n) {
        for (int i = 0; i < n; ++i, t = t.addSecs(1))
            if (!b.rig.send(r.epoch(t)))
                return false;
        return true;
    };
    b.gps.switchOnGpsModul();
    QVERIFY(b.rig.waitForFrames(1) && r.isPowered());
    QVERIFY(epochs(GnssReceiver::kHotStartSeconds) && !b.gps.isGpsDataValid());
    QVERIFY(epochs(1) && b.gps.isGpsDataValid());
    QCOMPARE(b.gps.getSatellitesInView().size(), 14);
    QCOMPARE(b.gps.getSatellitesInUse().size(), 11);
    r.setSkyVisible(false);
    QVERIFY(epochs(1) && !b.gps.isGpsDataValid());

    // A stop silences it, a bad frame is ignored, a start resumes.
    QByteArray bad = kStart;
    bad[10] = 0;
    r.receive(kStop + bad.left(5));
    r.receive(bad.mid(5));
    QVERIFY(r.isStopped() && r.badChecksums() == 1 && r.epoch(t).isEmpty());
    r.receive(kStart);
    QVERIFY(r.frames().size() == 4 && !r.isStopped());

    // Noise changes nothing the unit shows.
    r.setSkyVisible(true);
    r.setNoise(true);
    const quint64 failures = b.gps.getChecksumFailures();
    QVERIFY(epochs(GnssReceiver::kHotStartSeconds + 1));
    for (int i = 0; i < 20; ++i) {
        QVERIFY(epochs(1) && b.gps.isGpsDataValid() && b.gps.getSatellitesInUse().size() == 11);
        QVERIFY(std::fabs(b.gps.getLatitude() - GnssReceiver::kDefaultLatitude) < 2 * GnssReceiver::kJitterDegrees);
    }
    QVERIFY(b.gps.getChecksumFailures() >= failures + 40);
}

QTEST_MAIN(TestGps)
#include "tst_gps.moc"
