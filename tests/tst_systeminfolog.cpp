// The system-information log and the error file on the mass storage: the
// line's fields, the missing temperature field, Latin-1, the start-up line
// and the minute timer with developer features, and a missing partition.
#include "Tools/statusbar.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "testunit.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

namespace {

const char* const kSystemInfo = "/media/vq4100/systemInfo.txt";
const char* const kErrorInfo = "/media/vq4100/errorInfo.txt";
const QString kGauge = "/sys/class/power_supply/bq27426-0/";
const QString kDate = "\\d\\d\\.\\d\\d\\.\\d{4};\\d\\d:\\d\\d:\\d\\d;";

QStringList lines(const TestRoot& root, const char* file)
{
    QStringList result = QString::fromLatin1(root.read(file)).split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

}

class TestSystemInfoLog : public QObject
{
    Q_OBJECT
private slots:
    void fullLine();
    void withoutTemperatureFile();
    void linesEndAndAreLatin1();
    void startLineAndMinuteTimerWithDebugFeatures();
    void missingFolderIsLogged();
    void fullPartitionDropsWholeLines();
};

void TestSystemInfoLog::fullLine()
{
    TestUnit unit;
    unit.root.write("/sys/class/power_supply/bq24190-battery/status", "Charging\n");
    unit.root.write(kGauge + "capacity", "85\n");
    unit.root.write(kGauge + "voltage_now", "3950000\n");
    unit.root.write(kGauge + "current_now", "-250000\n");
    unit.root.write(kGauge + "temp", "235\n");
    MainMenu* w = unit.start();
    unit.source()->a2dp = true;
    emit unit.sink()->btBatteryvoltageReceived("3900");
    w->writeSystemInfo("hello; there");
    const QStringList written = lines(unit.root, kSystemInfo);
    QCOMPARE(written.size(), 1);
    QVERIFY2(QRegularExpression("^" + kDate + "85;3.95;-0.25;1;23.5;1;0;3900;60;hello; there$")
                 .match(written.first())
                 .hasMatch(),
             qPrintable(written.first()));
    const QDateTime stamp =
        QDateTime::fromString(written.first().section(';', 0, 1), "dd.MM.yyyy;HH:mm:ss");
    QVERIFY(qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 120);
    QVERIFY(unit.root.read(kSystemInfo).endsWith("there\n"));

    // Values of a long run: exponent form where it is shorter, accessory
    // unknown.
    unit.root.write(kGauge + "current_now", "-12\n");
    unit.root.write(kGauge + "temp", "-55\n");
    emit unit.sink()->btBatteryvoltageReceived("abc");
    w->writeSystemInfo("x");
    QVERIFY2(lines(unit.root, kSystemInfo).at(1).endsWith(";-1.2e-05;1;-5.5;1;0;0;-1;x"),
             qPrintable(lines(unit.root, kSystemInfo).at(1)));
}

void TestSystemInfoLog::withoutTemperatureFile()
{
    TestUnit unit;
    unit.root.remove(kGauge + "temp");
    MainMenu* w = unit.start();
    w->writeSystemInfo("m");
    const QString line = lines(unit.root, kSystemInfo).value(0);
    QCOMPARE(line.split(';').size(), 11);
    QVERIFY2(QRegularExpression("^" + kDate + "85;3.95;-0.25;0;0;0;0;-1;m$").match(line).hasMatch(),
             qPrintable(line));
}

void TestSystemInfoLog::linesEndAndAreLatin1()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    // Without developer features: no start line, no timer.
    QVERIFY(!unit.root.exists(kSystemInfo));
    QVERIFY(!w->findChild<QTimer*>("systemInfoTimer"));

    // The timer's line has no message but still its separator.
    w->writeSystemInfo();
    QVERIFY(unit.root.read(kSystemInfo).endsWith(";\n"));
    QCOMPARE(lines(unit.root, kSystemInfo).first().split(';').size(), 12);
    w->writeSystemInfo(QString::fromUtf8("\u03a9;x"));
    w->writeSystemInfo(QString::fromUtf8("Gr\u00fc\u00df \u4e2d"));
    const QByteArray text = unit.root.read(kSystemInfo);
    QCOMPARE(text.count('\n'), 3);
    QVERIFY(text.contains(";?;x\n"));
    QVERIFY(text.endsWith(";Gr\xfc\xdf ?\n"));

    w->writeErrorToFile(QString::fromUtf8("Fehler \u03a9"));
    w->writeErrorToFile("zwei; drei");
    QCOMPARE(unit.root.read(kErrorInfo), QByteArray("Fehler ?\nzwei; drei\n"));
    QCOMPARE(unit.root.read(kSystemInfo), text);
}

void TestSystemInfoLog::startLineAndMinuteTimerWithDebugFeatures()
{
    TestUnit unit;
    unit.setSetting("Debug/Debugfeatures", 1);
    MainMenu* w = unit.start();
    QStringList written = lines(unit.root, kSystemInfo);
    QCOMPARE(written.size(), 1);
    QVERIFY(written.first().endsWith(";System started."));

    auto* timer = w->findChild<QTimer*>("systemInfoTimer");
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 60000);
    QMetaObject::invokeMethod(timer, "timeout");
    written = lines(unit.root, kSystemInfo);
    QCOMPARE(written.size(), 2);
    QVERIFY(written.last().endsWith(";-1;"));
}

void TestSystemInfoLog::missingFolderIsLogged()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    QVERIFY(QDir(unit.root.path("/media/vq4100")).removeRecursively());
    LogCapture log;
    w->writeSystemInfo("lost");
    w->writeErrorToFile("lost");
    QCOMPARE(log.count("Could not open file:"), 2);
    QVERIFY(log.contains(kSystemInfo));
    QVERIFY(log.contains(kErrorInfo));
    QVERIFY(!unit.root.exists("/media/vq4100"));
}

void TestSystemInfoLog::fullPartitionDropsWholeLines()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->writeSystemInfo("first");
    const QByteArray before = unit.root.read(kSystemInfo);
    LogCapture log;
    {
        FullDisk full(before.size() + 10);
        w->writeSystemInfo("cut");
        w->writeSystemInfo("cut");
    }
    QCOMPARE(unit.root.read(kSystemInfo), before);
    QCOMPARE(log.count("Could not write file"), 1);
    w->writeSystemInfo("after");
    QVERIFY(lines(unit.root, kSystemInfo).at(1).endsWith(";after"));
}

QTEST_MAIN(TestSystemInfoLog)
#include "tst_systeminfolog.moc"
