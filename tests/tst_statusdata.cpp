// The status data in a main window: accessory battery and sensor words, the
// wired sensor, the 2 s and 30 s polls (requests, the gauge's readings
// reaching the warning, a critical cell switching the unit off), accessory
// alerts, the headset volume, the polls' life with the main window, and the
// devsim commands that change a device. The decisions: tst_statuscore.
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "batterycommand.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "testunit.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <functional>

extern int g_debugFeatures;

namespace {

const QString kGauge = "/sys/class/power_supply/bq27426-0/";
const char* const kBacklight = "/sys/class/backlight/backlight/brightness";
const char* const kWiredSensor = "/sys/class/gpio/gpio48/value";

Statusbardata* status()
{
    return StatusbarData();
}

void setBattery(const TestRoot& root, int percent, double volts)
{
    root.write(kGauge + "capacity", QByteArray::number(percent) + "\n");
    root.write(kGauge + "voltage_now", QByteArray::number(qRound64(volts * 1e6)) + "\n");
}

void pressOk(MessageDialog* d) { d->findChild<QPushButton*>("butMiddle")->click(); }

// Answers every warning that opens while it lives, from inside the
// warning's own loop, and keeps their texts. `during` runs while the first
// warning is still open.
class Answerer
{
public:
    explicit Answerer(std::function<void(MessageDialog*)> answer = pressOk,
                      std::function<void()> during = nullptr)
        : m_answer(std::move(answer)), m_during(std::move(during))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QPointer<MessageDialog> d =
                qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
            if (!d || m_handled.contains(d))
                return;
            m_handled << d;
            // Off this timer's slot: a timer does not fire again inside it,
            // and a further warning must be seen too.
            QTimer::singleShot(0, &m_timer, [this, d] { handle(d); });
        });
        m_timer.start();
    }

    void handle(QPointer<MessageDialog> d)
    {
        if (!d)
            return;
        auto* label = d->findChild<QLabel*>("labelInfotext");
        texts << (label ? label->text() : QString());
        if (m_during && m_depth == 0) {
            ++m_depth;
            m_during();
            --m_depth;
            openWhileOpen = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                openWhileOpen += (qobject_cast<MessageDialog*>(w) && w->isVisible()) ? 1 : 0;
        }
        if (d)
            m_answer(d);
    }

    QStringList texts;
    int openWhileOpen = 0;

private:
    QTimer m_timer;
    std::function<void(MessageDialog*)> m_answer;
    std::function<void()> m_during;
    QList<QPointer<MessageDialog>> m_handled;
    int m_depth = 0;
};

}

class TestStatusData : public QObject
{
    Q_OBJECT
private slots:
    void accessoryBattery_data();
    void accessoryBattery();
    void unreadableAccessoryBatteryKeepsAsking();
    void sensorWords();
    void sensorFollowsTheWireAndTheLink();
    void countdownsInTheUnit();
    void missingBacklightFile();
    void criticalCellGoesDownUnanswered();
    void gaugeReadingsReachTheWarning();
    void alertsRaiseOneDialog_data();
    void alertsRaiseOneDialog();
    void otherAlerts();
    void batteryRequests();
    void headsetBattery();
    void headsetVolumeOncePerConnection();
    void pollsLiveWithTheMainWindow();
    void devsimBattery();
    void devsimSensor();
};

void TestStatusData::accessoryBattery_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<int>("percent");
    QTest::newRow("3399") << "3399" << 3399 << -1;
    QTest::newRow("3400") << "3400" << 3400 << 0;
    QTest::newRow("3600") << "3600" << 3600 << 0;
    QTest::newRow("3605") << "3605" << 3605 << 1;
    QTest::newRow("4099") << "4099" << 4099 << 99;
    QTest::newRow("4100") << "4100" << 4100 << 100;
    QTest::newRow("4300") << "4300" << 4300 << 100;
    QTest::newRow("4301") << "4301" << 4301 << -1;
    QTest::newRow("abc") << "abc" << 0 << -1;
    QTest::newRow("blanks") << " 3900\r\n" << 3900 << 60;
}

void TestStatusData::accessoryBattery()
{
    QFETCH(QString, text);
    QFETCH(int, millivolts);
    QFETCH(int, percent);
    status()->btReceivedBattery("4000");
    status()->btReceivedBattery(text);
    QCOMPARE(status()->batteryVoltageMic(), millivolts);
    QCOMPARE(status()->batteryMicrophone(), percent);
}

void TestStatusData::unreadableAccessoryBatteryKeepsAsking()
{
    TestUnit unit;
    unit.start();
    emit unit.sink()->btBatteryvoltageReceived("abc");
    unit.sink()->clear();
    status()->update();
    status()->update();
    QCOMPARE(unit.sink()->sentCount("BT_TX B"), 2);

    emit unit.sink()->btBatteryvoltageReceived("3900");
    unit.sink()->clear();
    status()->update();
    QCOMPARE(unit.sink()->sentCount("BT_TX B"), 0);
}

void TestStatusData::sensorWords()
{
    status()->analyseAlert("9");  // connected
    // "5" and words not known exactly give type 0, the connection left as it is.
    const QList<QPair<QString, int>> words{{"4", 5}, {"5", 0}, {"3", 3}, {"0", 0}, {" 1", 0}, {"2", 2}};
    for (const auto& w : words) {
        status()->btReceivedSensortype(w.first);
        QCOMPARE(status()->sensorType(), w.second);
        QVERIFY(status()->micSensorConnected());
    }
    // Not connected before: an unknown word leaves it so.
    TestUnit unit;
    unit.start();  // clears the flag
    status()->btReceivedSensortype("x");
    QCOMPARE(status()->sensorType(), 0);
    QVERIFY(!status()->micSensorConnected());
}

void TestStatusData::sensorFollowsTheWireAndTheLink()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    emit sink->btSensortypeReceived("1");
    QVERIFY(status()->micSensorConnected());
    status()->update();  // link down: no accessory sensor
    QVERIFY(!status()->micSensorConnected());
    QCOMPARE(sink->sentCount("BT_TX T"), 1);  // only init's

    // The wired sensor needs no link.
    unit.root.write(kWiredSensor, "1\n");
    status()->update();
    status()->update();
    QVERIFY(status()->micSensorConnected());
    // The driver's link message counts as the link being up.
    unit.root.write(kWiredSensor, "0\n");
    emit sink->btConnectedRfcomm();
    sink->clear();
    status()->update();
    QCOMPARE(sink->sentCount("BT_TX T"), 1);

    sink->rfcomm = true;
    emit sink->btSensortypeReceived("1");
    status()->update();
    QCOMPARE(status()->sensorType(), 1);
    // Plugged in: the wired sensor wins over the accessory's on the next tick.
    unit.root.write(kWiredSensor, "1\n");
    status()->update();
    QCOMPARE(status()->sensorType(), 4);
    QVERIFY(status()->micSensorConnected());
    // Pulled with the link up: type asked again on that tick.
    unit.root.write(kWiredSensor, "0\n");
    sink->clear();
    status()->update();
    QCOMPARE(status()->sensorType(), 0);
    QVERIFY(!status()->micSensorConnected());
    QCOMPARE(sink->sentCount("BT_TX T"), 1);
    // The answer stops the asking.
    emit sink->btSensortypeReceived("2");
    sink->clear();
    status()->update();
    QCOMPARE(sink->sentCount("BT_TX T"), 0);
}

void TestStatusData::countdownsInTheUnit()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/PowerOffTime", 600);
    unit.setSetting("Systemsettings/DisplayOffTime", 30);
    unit.setSetting("Systemsettings/Brightness", 7);
    unit.start();
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("7"));
    LogCapture log;
    for (int tick = 0; tick < 15; ++tick)
        status()->update();
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("0"));
    // Dark, the file is written no more.
    unit.root.write(kBacklight, "5");
    for (int tick = 15; tick < 299; ++tick)
        status()->update();
    QCOMPARE(unit.root.readTrimmed(kBacklight), QByteArray("5"));
    QCOMPARE(log.count("Backlight off"), 1);
    QCOMPARE(unit.sink()->disconnects, 0);
    status()->update();
    QCOMPARE(unit.sink()->disconnects, 1);
}

void TestStatusData::missingBacklightFile()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/DisplayOffTime", 30);
    unit.root.remove(kBacklight);
    LogCapture log;
    unit.start();
    QVERIFY(log.contains("Backlight file cannot be opened"));
    for (int tick = 0; tick < 15; ++tick)
        status()->update();
    QVERIFY(status()->isPowerSavingActive());
    status()->resetPowerSavingCnt();
    QVERIFY(!status()->isPowerSavingActive());
    QVERIFY(!unit.root.exists(kBacklight));  // never created
}

void TestStatusData::criticalCellGoesDownUnanswered()
{
    const QString cwd = QDir::currentPath();
    TestUnit unit;
    unit.start();
    setBattery(unit.root, 3, 2.85);
    unit.root.clearCommands();
    QElapsedTimer tick;
    tick.start();
    status()->rareUpdate();  // nobody answers the warning
    QTRY_VERIFY_WITH_TIMEOUT(unit.root.commands().contains("poweroff"), 5000);
    QVERIFY(tick.elapsed() < 5000);
    QCOMPARE(unit.root.commands(), (QStringList{"umount /media/vq4100", "poweroff"}));
    QDir::setCurrent(cwd);
}

void TestStatusData::gaugeReadingsReachTheWarning()
{
    TestUnit unit;
    unit.root.remove(kGauge + "voltage_now");
    unit.root.remove(kGauge + "capacity");
    unit.start();
    Answerer answerer;
    LogCapture log;
    status()->rareUpdate();
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(log.count("Battery voltage not read"), 1);
    // The charge never read: the voltage alone speaks.
    unit.root.write(kGauge + "voltage_now", "3000000\n");
    status()->rareUpdate();
    QCOMPARE(answerer.texts, QStringList{"The battery is very low. Please recharge."});
    QVERIFY(log.contains("Battery low message accepted"));
    QCOMPARE(unit.sink()->disconnects, 0);
}

void TestStatusData::alertsRaiseOneDialog_data()
{
    QTest::addColumn<int>("debug");
    QTest::newRow("normal") << 0;
    QTest::newRow("debug features") << 1;  // nothing sent
}

void TestStatusData::alertsRaiseOneDialog()
{
    QFETCH(int, debug);
    TestUnit unit;
    unit.setSetting("Debug/Debugfeatures", debug);
    unit.start();
    QCOMPARE(g_debugFeatures, debug);
    RecordingBluetooth* sink = unit.sink();
    sink->clear();
    emit sink->btSensortypeReceived("1");
    Answerer answerer(pressOk, [sink] {
        emit sink->btAlertMessageReceived("0");
        emit sink->btAlertMessageReceived("0");
        QCoreApplication::sendPostedEvents();  // a second dialog would open now
    });
    LogCapture log;
    emit sink->btAlertMessageReceived("0");
    // The alert comes in the sink's serial read, which must go on reading:
    // the signal returns at once, the dialog follows from the event loop.
    QVERIFY(answerer.texts.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!status()->micSensorConnected());
    QCOMPARE(sink->sentCount("BT_TX O"), debug ? 0 : 1);
    QTRY_COMPARE(answerer.texts, QStringList{"The sensor could not be detected."});
    QCOMPARE(answerer.openWhileOpen, 1);
    QCOMPARE(sink->sentCount("BT_TX O"), debug ? 0 : 1);
    QCOMPARE(log.count("ALERT! No sensor connected"), 3);
    QVERIFY(!status()->micSensorConnected());

    // Within the 10 s hold a new alert raises nothing.
    emit sink->btAlertMessageReceived("1");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(answerer.texts.size(), 1);

    int shown = 1;
    for (const char* alert : {"1", "2", "0"}) {
        status()->enableDisplayMsgDlg();  // the hold has ended
        emit sink->btAlertMessageReceived(alert);
        ++shown;
        QTRY_COMPARE(answerer.texts.size(), shown);
    }
    QCOMPARE(answerer.texts,
             (QStringList{"The sensor could not be detected.",
                          "Battery voltage of TB-9 is very low.\nPlease recharge.",
                          "Type of sensor could not be detected.\nPlease fix sensor or clean "
                          "contacts.",
                          "The sensor could not be detected."}));
    QCOMPARE(sink->sentCount("BT_TX O"), debug ? 0 : 2);
}

void TestStatusData::otherAlerts()
{
    TestUnit unit;
    unit.start();
    // The hold of the previous test's alert ended with its window: it cannot
    // end this one's hold early, however long the tests take.
    auto* hold = status()->findChild<QTimer*>("alertHoldTimer");
    QVERIFY(hold);
    QVERIFY(!hold->isActive());
    Answerer answerer;
    emit unit.sink()->btAlertMessageReceived("7");
    QVERIFY(status()->micSensorConnected());
    emit unit.sink()->btAlertMessageReceived("");
    QVERIFY(answerer.texts.isEmpty());

    // The battery alert leaves the sensor as it is.
    emit unit.sink()->btAlertMessageReceived("1");
    QTRY_COMPARE(answerer.texts.size(), 1);
    QVERIFY(status()->micSensorConnected());
    QVERIFY(hold->isActive());
    QCOMPARE(hold->interval(), 10000);
    emit unit.sink()->btAlertMessageReceived("2");  // held: no dialog
    QCoreApplication::sendPostedEvents();
    QVERIFY(!status()->micSensorConnected());
    QCOMPARE(answerer.texts.size(), 1);
}

void TestStatusData::batteryRequests()
{
    TestUnit unit;
    unit.start();
    QCOMPARE(unit.sink()->sent, (QStringList{"BT_TX T", "BT_TX B"}));
    emit unit.sink()->btBatteryvoltageReceived("3900");  // no asking from update
    unit.sink()->clear();
    unit.source()->clear();

    status()->rareUpdate();
    QCOMPARE(unit.sink()->sent, QStringList{"BT_TX B"});
    QCOMPARE(unit.source()->count("requestHeadphoneBatteryState"), 1);
    for (int tick = 1; tick < 60; ++tick)
        status()->rareUpdate();
    QCOMPARE(unit.sink()->sentCount("BT_TX B"), 1);
    status()->rareUpdate();
    QCOMPARE(unit.sink()->sentCount("BT_TX B"), 2);
    QCOMPARE(unit.source()->count("requestHeadphoneBatteryState"), 2);
}

void TestStatusData::headsetBattery()
{
    TestUnit unit;
    unit.start();
    setBattery(unit.root, 42, 3.8);
    unit.source()->headphoneBattery = 70;
    status()->rareUpdate();
    QCOMPARE(status()->batteryHeadphone(), 70);
    unit.source()->headphoneBattery = -1;
    status()->rareUpdate();
    QCOMPARE(status()->batteryHeadphone(), 42);

    // Outside 0..100: the unit's own percent.
    for (const QPair<int, int>& p : QList<QPair<int, int>>{{100, 100}, {0, 0}, {101, 42}, {-5, 42}}) {
        emit unit.source()->btHeadphoneBatteryStateReceived(p.first);
        QCOMPARE(status()->batteryHeadphone(), p.second);
    }
}

void TestStatusData::headsetVolumeOncePerConnection()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* source = unit.source();
    source->a2dp = true;
    QVERIFY(status()->stateHeadphone());  // AVRCP not up yet
    QCOMPARE(source->count("setBtExtHeadphoneGain"), 0);

    source->avrcp = true;
    LogCapture log;
    QVERIFY(status()->stateHeadphone());
    QVERIFY(status()->stateHeadphone());
    QCOMPARE(source->count("setBtExtHeadphoneGain"), 1);
    QVERIFY(log.contains("Init Headphone Volume true true"));

    source->a2dp = false;
    source->avrcp = false;
    QVERIFY(!status()->stateHeadphone());
    QVERIFY(log.contains("Headphone Connection lost false false"));
    source->a2dp = true;
    source->avrcp = true;
    QVERIFY(status()->stateHeadphone());
    QCOMPARE(source->count("setBtExtHeadphoneGain"), 2);
}

void TestStatusData::pollsLiveWithTheMainWindow()
{
    auto timers = [] { return status()->findChildren<QTimer*>(QRegularExpression("^status")); };
    for (int round = 0; round < 2; ++round) {
        {
            TestUnit unit;
            unit.start();
            QCOMPARE(timers().size(), 2);
            for (QTimer* t : timers())
                QVERIFY(t->isActive());
            unit.sink()->clear();
            status()->update();
            QCOMPARE(unit.sink()->sentCount("BT_TX B"), 1);
            // The heartbeat on the debug LED.
            QCOMPARE(unit.root.gpioValue(115), QByteArray("1"));
            QTRY_COMPARE(unit.root.gpioValue(115), QByteArray("0"));
        }
        for (QTimer* t : timers())
            QVERIFY(!t->isActive());
        // Without a main window the polls and getters touch nothing.
        status()->update();
        status()->rareUpdate();
        QVERIFY(!status()->stateHeadphone());
        QVERIFY(!status()->stateMicrophone());
        QVERIFY(!status()->stateGps());
    }
}

void TestStatusData::devsimBattery()
{
    TestUnit unit;
    unit.start();
    QString text;
    QTextStream out(&text);
    QTextStream err(&text);
    const QString root = unit.root.root();
    QCOMPARE(runBatteryCommand(root, {"--percent", "9", "--voltage", "3.05", "--current",
                                      "0.5", "--temp", "-3.5", "--charging", "on"},
                               out, err),
             0);
    out.flush();
    QCOMPARE(text, QString("devsim: battery 9 %, 3.05 V, 0.5 A, -3.5 C, charging\n"));
    QCOMPARE(unit.root.readTrimmed(kGauge + "voltage_now"), QByteArray("3050000"));
    QCOMPARE(unit.root.readTrimmed(kGauge + "temp"), QByteArray("-35"));
    QCOMPARE(unit.root.readTrimmed(kGauge + "status"), QByteArray("Charging"));

    status()->update();
    QVERIFY(status()->batteryVQCharging());
    Answerer answerer;
    status()->rareUpdate();
    QCOMPARE(status()->batteryVQ(), 9);
    QCOMPARE(answerer.texts.size(), 1);

    // A bad option changes nothing.
    text.clear();
    for (const QStringList& bad : QList<QStringList>{{"--percent", "50", "--voltage", "abc"},
                                                      {"--percent", "101"},
                                                      {"--charging", "yes"},
                                                      {"--percent"},
                                                      {"--colour", "red"}})
        QCOMPARE(runBatteryCommand(root, bad, out, err), 2);
    QCOMPARE(unit.root.readTrimmed(kGauge + "capacity"), QByteArray("9"));
    QCOMPARE(runBatteryCommand(root + "/nothing", {}, out, err), 1);
}

void TestStatusData::devsimSensor()
{
    TestUnit unit;
    unit.start();
    QString text;
    QTextStream out(&text);
    QCOMPARE(runSensorCommand(unit.root.root(), {"on"}, out, out), 0);
    status()->update();
    QCOMPARE(status()->sensorType(), 4);
    QCOMPARE(runSensorCommand(unit.root.root(), {"off"}, out, out), 0);
    status()->update();
    QCOMPARE(status()->sensorType(), 0);
    QCOMPARE(runSensorCommand(unit.root.root(), {}, out, out), 0);
    QCOMPARE(runSensorCommand(unit.root.root(), {"maybe"}, out, out), 2);
    out.flush();
    QCOMPARE(text.split('\n').mid(0, 3),
             (QStringList{"devsim: wired sensor on", "devsim: wired sensor off",
                          "devsim: wired sensor off"}));
}

QTEST_MAIN(TestStatusData)
#include "tst_statusdata.moc"
