// The simulated device's Bluetooth side: modules, accessory, headset,
// a person's triggers, what persists, and `devsim create --paired`.
#include "bluetoothsim.h"
#include "tb9accessory.h"
#include "testroot.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

class TestIdc777Sim : public QObject
{
    Q_OBJECT
private slots:
    void moduleSilentUntilResetLineRises();
    void moduleLinksAndSearch();
    void accessoryAnswers_data();
    void accessoryAnswers();
    void muteKeyModes();
    void triggersAndLog();
    void pairedStatePersists();
    void createPaired();
};

void TestIdc777Sim::moduleSilentUntilResetLineRises()
{
    Idc777Module m;
    m.setHeldInReset(true);
    QVERIFY(m.receive("GET NAME\r").isEmpty());
    QVERIFY(m.setResetLine(false).isEmpty());
    QCOMPARE(m.setResetLine(true), QByteArray("IOT747 Bluetooth Audio Module\r\nAudioAgent 7.2.1\r\nReady\r\n"));
    QCOMPARE(m.receive("GET NAME\r"), QByteArray("NAME=IDC777\r\nOK\r\n"));
    // Going low drops the links and silences it again.
    m.setPairedDevices({"AA"});
    m.addRemote({"AA", "x", "240404", -50, true, {"A2DP"}, nullptr, nullptr});
    m.receive("OPEN AA A2DP\r");
    QCOMPARE(m.openLinks(), QStringList{"A2DP AA"});
    m.setResetLine(false);
    QVERIFY(m.openLinks().isEmpty());
    QVERIFY(m.receive("LIST\r").isEmpty());
}

void TestIdc777Sim::moduleLinksAndSearch()
{
    Tb9Accessory tb9;
    SimHeadset hs;
    Idc777Module m;
    m.setLineEnd("\r");
    m.addRemote({"T9", "TB-9", "280404", -40, true, {"A2DP", "SPP"}, &tb9, nullptr});
    m.addRemote({"HS", "Headset", "240404", -50, false, {"A2DP", "AVRCP", "AGHFP"}, nullptr, &hs});
    QCOMPARE(m.receive("OPEN T9 SPP\r"), QByteArray("OPEN_ERROR 15 SPP T9\r"));  // not paired
    QCOMPARE(m.receive("PAIR T9\r"), QByteArray("PAIR_OK T9\r"));
    QCOMPARE(m.receive("PAIR XX\r"), QByteArray("PAIR_ERROR XX\r"));
    QCOMPARE(m.receive("OPEN T9 SPP\r"), QByteArray("OPEN_OK 15 SPP T9\r"));
    QCOMPARE(m.receive("OPEN T9 SPP\r"), QByteArray("ERROR 0x0016\r"));
    QCOMPARE(m.receive("OPEN T9 AVRCP\r"), QByteArray("OPEN_ERROR 11 AVRCP T9\r"));
    QCOMPARE(m.receive("SEND 15 BT_TX B\n\r"), QByteArray("OK\rRECV 15 25 BT_RX BATT_VOLTAGE 3900\r\n\r"));
    QCOMPARE(m.receive("SEND 10 BT_TX B\n\r"), QByteArray("ERROR 0x0017\r"));
    QCOMPARE(m.receive("STATUS\r"),
             QByteArray("STATE CONNECTABLE[ON] DISCOVERABLE[OFF] SECURITY[ON] LINKS[1]\rLINK 15 CONNECTED SPP T9\rOK\r"));
    QCOMPARE(m.receive("INQUIRY 10\r"), QByteArray("INQUIRY T9 \"TB-9\" 280404 -40 dBm\r"
                                                   "INQUIRY HS \"unknown\" 240404 -50 dBm\rINQU_OK\r"));
    QCOMPARE(m.receive("NAME HS\r"), QByteArray("NAME HS \"Headset\"\rOK\r"));
    QCOMPARE(m.receive("NAME ZZ\r"), QByteArray("ERROR 0x0019\r"));
    QVERIFY(m.receive("INQUIRY 10\r").contains("\"Headset\""));

    m.receive("PAIR HS\r");
    QVERIFY(m.receive("OPEN HS AGHFP\r").endsWith("AT+IPHONEACCEV=2,1,7,2,0\r"));
    m.receive("OPEN HS AVRCP\r");
    QCOMPARE(m.receive("VOLUME 11\r"), QByteArray("ABS_VOL 11 68\rOK\r"));
    QCOMPARE(m.receive("VOLUME 11 100\r"), QByteArray("OK\r"));
    QCOMPARE(hs.volume, 100);
    QCOMPARE(m.receive("MUSIC 10 PLAY\r"), QByteArray("ERROR 0x0017\r"));
    QCOMPARE(m.linkLoss("SPP"), QByteArray("LINK_LOSS 15\r"));
    QVERIFY(m.linkLoss("SPP").isEmpty());
    QVERIFY(m.accessoryLines({"BT_RX OK"}).isEmpty());  // no text link any more
    QCOMPARE(m.receive("CLOSE ALL\r"), QByteArray("CLOSE_OK 12 AGHFP HS\rCLOSE_OK 11 AVRCP HS\rOK\r"));
}

void TestIdc777Sim::accessoryAnswers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("answer");
    QTest::newRow("B") << "BT_TX B" << QStringList{"BT_RX BATT_VOLTAGE 3900"};
    QTest::newRow("T") << "BT_TX T" << QStringList{"BT_RX SENSOR 1"};
    QTest::newRow("I") << "BT_TX I 12 ACTIVE PUSHBUT" << QStringList{"BT_RX OK"};
    QTest::newRow("G") << "BT_TX G 0a" << QStringList{"BT_RX OK"};
    QTest::newRow("O") << "BT_TX O" << QStringList{"BT_RX OK"};
    QTest::newRow("X") << "BT_TX X DEBUG" << QStringList{"BT_RX X DEBUG"};
    QTest::newRow("RS") << "BT_TX RS" << QStringList{"BT_RX PRESSURE_ON 25 409 3685"};
    QTest::newRow("RP") << "BT_TX RP" << QStringList{"BT_RX PRESSURE_OFF"};
    QTest::newRow("FH") << "BT_TX FH 130 1.05" << QStringList{"BT_RX FH OK"};
    // Without a header no packet fits, and nothing can be flashed.
    QTest::newRow("FD") << "BT_TX FD 000 002 abcd" << QStringList{"BT_RX FD 000 ERR"};
    QTest::newRow("FS") << "BT_TX FS" << QStringList{"BT_RX FS ERR"};
    QTest::newRow("unknown") << "BT_TX Q" << QStringList{"BT_RX ERR Q"};
}

void TestIdc777Sim::accessoryAnswers()
{
    QFETCH(QString, line);
    QFETCH(QStringList, answer);
    Tb9Accessory tb9;
    QCOMPARE(tb9.receive(line), answer);
    const QStringList p = tb9.receive("BT_TX P");
    QCOMPARE(p.last(), QString("BT_RX !$!"));
    QCOMPARE(p.size(), 8);
}

void TestIdc777Sim::muteKeyModes()
{
    Tb9Accessory tb9;
    // Switch mode: each press toggles, release says nothing.
    QCOMPARE(tb9.pressMute(), QStringList{"BT_RX MUTE_STATE ACTIVE"});
    QVERIFY(tb9.releaseMute().isEmpty());
    QCOMPARE(tb9.pressMute(), QStringList{"BT_RX MUTE_STATE MUTE"});
    // Push mode from the unit's I line: listening while held.
    tb9.receive("BT_TX I 0f MUTE PUSHBUT");
    QVERIFY(!tb9.isSwitchMode());
    QCOMPARE(tb9.gain(), 15);
    QCOMPARE(tb9.pressMute(), QStringList{"BT_RX MUTE_STATE ACTIVE"});
    QCOMPARE(tb9.releaseMute(), QStringList{"BT_RX MUTE_STATE MUTE"});
}

void TestIdc777Sim::triggersAndLog()
{
    TestRoot root;
    BluetoothSim::pairDevices(root.root());
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    QString error;
    QVERIFY(!BluetoothSim::queueTrigger(root.root(), "hp-volume 200", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!BluetoothSim::queueTrigger(root.root(), "dance", &error));
    QVERIFY(BluetoothSim::queueTrigger(root.root(), "sensor 3", &error));
    QVERIFY(BluetoothSim::queueTrigger(root.root(), "hp-battery 30", &error));
    QVERIFY(BluetoothSim::queueTrigger(root.root(), "line-end crlf", &error));
    sim.poll();
    QVERIFY(!root.exists("/var/lib/sim/bt/triggers"));
    QCOMPARE(sim.sink().module().lineEnd(), QByteArray("\r\n"));
    QCOMPARE(sim.headset().batteryPercent, 30);
    const QString log = QString::fromUtf8(root.read("/var/log/bt-sim.log"));
    QVERIFY(log.contains("person -- sensor 3"));
    QVERIFY(log.contains("person -- line-end crlf"));

    // The reset line's rise starts the module; its lines are logged.
    QVERIFY(sim.sink().module().receive("LIST\r").isEmpty());
    root.write("/sys/class/gpio/gpio57/value", "1\n");
    sim.poll();
    QVERIFY(sim.sink().module().isRunning());
    QVERIFY(!sim.source().module().isRunning());
    QCOMPARE(sim.sink().module().receive("LIST\r"), QByteArray("LIST BR/EDR 0018E4C0B009\r\nOK\r\n"));
    QVERIFY(QString::fromUtf8(root.read("/var/log/bt-sim.log")).contains("sink <- LIST"));
    sim.stop();
}

void TestIdc777Sim::pairedStatePersists()
{
    TestRoot root;
    {
        BluetoothSim sim;
        QVERIFY(sim.start(root.root()));
        Idc777Module& m = sim.source().module();
        m.setResetLine(true);
        m.receive("SET NAME=VQA4100_HP\rWRITE\rPAIR " + QByteArray(BluetoothSim::kHeadsetAddress) + "\r");
        sim.stop();
    }
    BluetoothSim again;
    QVERIFY(again.start(root.root()));
    QCOMPARE(again.source().module().storedValue("NAME"), QString("VQA4100_HP"));
    QCOMPARE(again.source().module().pairedDevices(), QStringList{BluetoothSim::kHeadsetAddress});
    QVERIFY(again.sink().module().pairedDevices().isEmpty());
    QCOMPARE(again.sink().module().storedValue("NAME"), QString("IDC777"));
}

void TestIdc777Sim::createPaired()
{
    const QString devsim = QCoreApplication::applicationDirPath() + "/../tools/devsim-bin";
    if (!QFile::exists(devsim))
        QSKIP("devsim not built");
    QTemporaryDir dir;
    QProcess p;
    p.start(devsim, {"create", dir.path(), "--paired"});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QSettings ini(dir.path() + "/home/root/settings.ini", QSettings::IniFormat);
    QCOMPARE(ini.allKeys().size(), 43);
    QCOMPARE(ini.value("Bluetooth/Microphone_ID").toString(), QString(BluetoothSim::kTb9Address));
    QCOMPARE(ini.value("Bluetooth/Headphone_ID").toString(), QString(BluetoothSim::kHeadsetAddress));
    QCOMPARE(ini.value("Systemsettings/Brightness").toInt(), 6);
    QCOMPARE(ini.value("Local-Settings/Language").toInt(), 1);
    QVERIFY(QString::fromUtf8(DeviceTree::readText(dir.path(), "/var/lib/sim/bt/sink.conf"))
                .contains(QString("PAIRED=") + BluetoothSim::kTb9Address));

    // Without --paired a new device is as delivered: no settings, nothing paired.
    QTemporaryDir plain;
    p.start(devsim, {"create", plain.path()});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(!QFile::exists(plain.path() + "/home/root/settings.ini"));
    QVERIFY(!QFile::exists(plain.path() + "/var/lib/sim/bt/sink.conf"));
}

QTEST_GUILESS_MAIN(TestIdc777Sim)
#include "tst_idc777sim.moc"
