// Power-down: mute and both links closed at once, the partition unmounted
// and the unit switched off 3 s later, every request repeating all of it;
// and the simulated device's "poweroff", which ends the program that ran it.
#include "devicetree.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "testunit.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QTimer*> powerDownTimers(MainMenu* w)
{
    return w->findChildren<QTimer*>("powerDownTimer");
}

// Lets the 3 s timers run out now.
void expire(const QList<QTimer*>& timers)
{
    for (QTimer* t : timers)
        t->start(0);
}

// Keeps the test's working directory.
struct CwdGuard {
    QString saved = QDir::currentPath();
    ~CwdGuard() { QDir::setCurrent(saved); }
};

}

class TestPowerDown : public QObject
{
    Q_OBJECT
private slots:
    void mutesAndClosesLinksAtOnce();
    void everyRequestRepeatsEverything();
    void powerStubEndsTheProgram_data();
    void powerStubEndsTheProgram();
};

void TestPowerDown::mutesAndClosesLinksAtOnce()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->muteAudioPath(false, true);
    unit.sink()->clear();
    unit.source()->clear();
    unit.root.clearCommands();
    LogCapture log;

    w->beforePowerDown();
    // The accessory hears of the mute before its link goes.
    QCOMPARE(unit.sink()->calls, QStringList({"sendMicInitParameter", "disconnectBtDevice"}));
    QCOMPARE(unit.sink()->micParameters, QList<QVector<int>>{QVector<int>({15, 1, 1})});
    QCOMPARE(unit.source()->calls, QStringList({"setBtAdcGain", "disconnectBtDevice"}));
    QVERIFY(w->isAudioPathMuted());
    QCOMPARE(unit.root.gpioValue(17), QByteArray("0"));

    QStringList steps;
    for (const QString& line : log.lines())
        if (line.startsWith("beforePowerDown"))
            steps << line;
    QCOMPARE(steps, QStringList({"beforePowerDown: Mute", "beforePowerDown: Disconnect btSink",
                                 "beforePowerDown: Disconnect btSource",
                                 "beforePowerDown: Finish"}));
    const QList<QTimer*> timers = powerDownTimers(w);
    QCOMPARE(timers.size(), 1);
    QVERIFY(timers.first()->isActive());
    QVERIFY(timers.first()->isSingleShot());
    QCOMPARE(timers.first()->interval(), 3000);
    // Nothing else yet.
    QVERIFY(unit.root.commands().isEmpty());
    QVERIFY(!log.contains("Good bye!"));
}

void TestPowerDown::everyRequestRepeatsEverything()
{
    CwdGuard cwd;
    TestUnit unit;
    MainMenu* w = unit.start();
    unit.sink()->clear();
    unit.source()->clear();
    unit.root.clearCommands();
    LogCapture log;
    // A failing umount does not keep the unit on.
    DeviceTree::installStub(unit.root.root(), "umount", "exit 1\n");

    w->beforePowerDown();
    w->beforePowerDown();
    QCOMPARE(unit.sink()->disconnects, 2);
    QCOMPARE(unit.source()->disconnects, 2);
    QCOMPARE(unit.sink()->micParameters.size(), 2);
    QCOMPARE(log.count("beforePowerDown: Finish"), 2);
    QCOMPARE(powerDownTimers(w).size(), 2);
    expire(powerDownTimers(w));
    QTRY_COMPARE(log.count("Good bye!"), 2);
    QCOMPARE(unit.root.commands(), QStringList({"umount /media/vq4100", "poweroff",
                                                "umount /media/vq4100", "poweroff"}));
    QCOMPARE(QDir::currentPath(), QDir(unit.root.path("/home/root")).canonicalPath());
    // A timer fires once and goes.
    QTRY_COMPARE(powerDownTimers(w).size(), 0);
}

void TestPowerDown::powerStubEndsTheProgram_data()
{
    QTest::addColumn<QString>("stub");
    QTest::addColumn<QString>("other");
    QTest::newRow("poweroff") << "poweroff" << "reboot";
    QTest::newRow("reboot") << "reboot" << "poweroff";
}

void TestPowerDown::powerStubEndsTheProgram()
{
    QFETCH(QString, stub);
    QFETCH(QString, other);
    QTemporaryDir dir;
    DeviceTree::Options ends;
    (stub == "poweroff" ? ends.poweroffEndsProgram : ends.rebootEndsProgram) = true;
    QVERIFY(DeviceTree::create(dir.path() + "/run", ends));
    QVERIFY(DeviceTree::create(dir.path() + "/test"));
    // A shell named like the program runs the stub as its child.
    const QString program = dir.path() + "/vq4100";
    QVERIFY(QFile::copy("/bin/sh", program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);

    auto runAs = [](const QString& shell, const QString& stub) {
        QProcess p;
        p.start(shell, {"-c", stub + "; echo survived"});
        p.waitForFinished(10000);
        return p.exitStatus() == QProcess::CrashExit ? QString("ended")
                                                     : QString(p.readAllStandardOutput()).trimmed();
    };
    QCOMPARE(runAs(program, dir.path() + "/run/bin/" + stub), QString("ended"));
    QCOMPARE(runAs(program, dir.path() + "/run/bin/" + other), QString("survived"));
    // Run by anything else it ends nothing; test roots keep the plain stub.
    QCOMPARE(runAs("/bin/sh", dir.path() + "/run/bin/" + stub), QString("survived"));
    QCOMPARE(runAs(program, dir.path() + "/test/bin/" + stub), QString("survived"));
    // Refreshing without the option gives the plain stub back.
    QVERIFY(DeviceTree::create(dir.path() + "/run"));
    QCOMPARE(runAs(program, dir.path() + "/run/bin/" + stub), QString("survived"));
}

QTEST_MAIN(TestPowerDown)
#include "tst_powerdown.moc"
