// The pressure samples: conversion, store, statistics, the chart's ranges,
// and the live and saved files they go into.
#include "Hardware/systemclock.h"
#include "Mainmenu/pressuredata.h"
#include "Mainmenu/pressurefiles.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "testroot.h"

#include <QSettings>
#include <QtTest>

#include <climits>

namespace {

const QDateTime kNow(QDate(2016, 4, 12), QTime(9, 30, 15), Qt::UTC);

// n samples of one pressure (default calibration), as the accessory sends them.
PressureData::Block add(PressureData& d, int n, double bar, int count = INT_MIN)
{
    const int adc = qRound(409 + bar / 25 * 3276);
    return d.add(count == INT_MIN ? n : count, QString("%1 ").arg(adc, 3, 16, QLatin1Char('0')).repeated(n));
}

// As the screen takes a block: stored, then written.
void receive(PressureData& d, int n, double bar)
{
    PressureFiles::appendBlock(add(d, n, bar), d);
}

// The samples' places, the points of the curve, the axes.
QString range(const PressureData::Diagram& g)
{
    return QString("%1..%2 %3 | %4..%5 s | %6..%7 bar")
        .arg(g.start).arg(g.end).arg(g.joined()).arg(g.minX).arg(g.maxX).arg(g.minY).arg(g.maxY);
}

}

class TestPressureData : public QObject
{
    Q_OBJECT
private slots:
    void init() { SystemClock::setSource([] { return kNow; }); }
    void cleanup() { SystemClock::setSource(nullptr); QLocale::setDefault(QLocale::c()); }

    void conversionAndCalibration();
    void storeKeepsTheNewest_data();
    void storeKeepsTheNewest();
    void statistics();
    void zoom_data();
    void zoom();
    void timeRangesAndPages();
    void liveFiles();
    void save();
    void failingStorage();
};

void TestPressureData::conversionAndCalibration()
{
    PressureData d;
    QStringList bar;
    for (float v : d.add(5, "199 E65 fff xyz ").values)
        bar << QString::number(v, 'f', 2);
    QCOMPARE(bar.join(' '), QString("0.00 25.00 28.13 0.00"));  // no upper limit; bad: 0; missing: none
    // The line's trailing blank trimmed: the last group is whole all the same.
    const QVector<float> trimmed = d.add(4, "199 E65 fff 3A5").values;
    QCOMPARE(trimmed.size(), 4);
    QCOMPARE(QString::number(trimmed.last(), 'f', 2), QString("4.00"));
    for (const char* bad : {"-1f ", " 1f ", "1f", "0x1 "})
        QVERIFY2(PressureData::adcValue(bad, 0) == 0, bad);
    QCOMPARE(PressureData::adcValue("abc", qint64(INT_MAX)), 0);

    QVERIFY(d.setCalibration(10, 409, 3685));
    QCOMPARE(d.live().maxY, 10.0f);
    QCOMPARE(d.value(1), 25.0f);  // stored samples keep their values
    LogCapture log;
    for (const auto& c : {QVector<int>{0, 409, 3685}, {-5, 409, 3685}, {25, 409, 409}, {25, 409, 4096}, {25, -1, 3685}})
        QVERIFY(!d.setCalibration(c[0], c[1], c[2]));
    QCOMPARE(log.count("calibration refused"), 5);
    QCOMPARE(d.calibration().fullScale, 10.0f);
}

void TestPressureData::storeKeepsTheNewest_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("groups");  // in the second block's text
    QTest::addColumn<int>("count");   // the second block says
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("kept");  // of the first block, at the front
    QTest::newRow("full, one more block") << 6000 << 100 << 100 << 6000 << 5900;
    QTest::newRow("5950 + 100") << 5950 << 100 << 100 << 6000 << 5900;
    QTest::newRow("block above the store") << 10 << 7000 << 7000 << 6000 << 0;
    QTest::newRow("count beyond the text") << 10 << 7000 << INT_MAX << 6000 << 0;
    QTest::newRow("90 said, 10 held") << 10 << 10 << 90 << 20 << 10;
    QTest::newRow("100000 said, 1 held") << 10 << 1 << 100000 << 11 << 10;
    QTest::newRow("5 said, 100 held") << 10 << 100 << 5 << 15 << 10;
    QTest::newRow("no count") << 10 << 100 << 0 << 10 << 10;
    QTest::newRow("negative count") << 10 << 100 << -5 << 10 << 10;
}

void TestPressureData::storeKeepsTheNewest()
{
    QFETCH(int, first);
    QFETCH(int, groups);
    QFETCH(int, count);
    QFETCH(int, stored);
    QFETCH(int, kept);
    PressureData d;
    add(d, first, 5);
    QCOMPARE(add(d, groups, 9, count).values.size(), stored - qMin(first, kept));
    QCOMPARE(d.count(), stored);
    for (int i : {kept - 1, kept, stored - 1})
        if (i >= 0 && i < stored)
            QCOMPARE(qRound(d.value(i)), i < kept ? 5 : 9);
}

void TestPressureData::statistics()
{
    PressureData d;
    QVERIFY(!d.statistics(0, 0).valid && !d.statistics(-5, 100).valid);
    add(d, 50, 2);
    add(d, 100, 4);
    const PressureData::Statistics s = d.statistics(0, d.count());
    QVERIFY(s.valid);
    QCOMPARE(QString("%1 %2 %3 %4 %5").arg(s.max, 0, 'f', 2).arg(s.min, 0, 'f', 2).arg(s.average, 0, 'f', 2)
                 .arg(s.deviation, 0, 'f', 2).arg(s.current, 0, 'f', 2),
             QString("4.00 2.00 3.33 0.94 4.00"));  // current: the last second
    QCOMPARE(d.statistics(0, 60).current, d.statistics(0, 60).average);
    // Beyond the newest sample there is nothing to count.
    QCOMPARE(d.statistics(100, 1000).average, d.statistics(100, 50).average);
    // Readings beyond the full scale are MIN too, whatever the full scale.
    d.start();
    add(d, 50, 28.13);
    const PressureData::Statistics over = d.statistics(0, d.count());
    QCOMPARE(QString("%1 %2").arg(over.min, 0, 'f', 2).arg(over.max, 0, 'f', 2), QString("28.13 28.13"));
}

void TestPressureData::zoom_data()
{
    QTest::addColumn<QVector<double>>("bar");
    QTest::addColumn<QString>("axis");
    QTest::newRow("3.2 .. 7.9") << QVector<double>{3.2, 7.9, 5} << "3..8";
    QTest::newRow("all zero") << QVector<double>{0, 0} << "0..1";
    QTest::newRow("empty") << QVector<double>{} << "0..25";
}

void TestPressureData::zoom()
{
    QFETCH(QVector<double>, bar);
    QFETCH(QString, axis);
    PressureData d;
    for (double b : bar)
        add(d, 100, b);
    const PressureData::Diagram z = d.togglePressureZoom();
    QCOMPARE(QString("%1..%2").arg(z.minY).arg(z.maxY), axis);
    // One flag for both views; the analysis reads its page alike.
    d.analyse();
    QCOMPARE(d.togglePageZoom().maxY, 25.0f);
    LogCapture log;
    const PressureData::Diagram page = d.togglePageZoom();
    QCOMPARE(QString("%1..%2").arg(page.minY).arg(page.maxY), axis);
    QVERIFY(log.contains("Scaling: " + QString(axis).replace("..", " ")));
}

void TestPressureData::timeRangesAndPages()
{
    PressureData d;
    QCOMPARE(d.live().joined(), 0);  // no sample: no line, never -1
    QStringList seconds;
    for (int i = 0; i < 6; ++i)
        seconds << QString::number(d.nextTimeRange().maxX);
    QCOMPARE(seconds.join(' '), QString("30 10 5 1 60 30"));
    add(d, 2000, 1);
    QCOMPARE(range(d.live()), QString("0..3000 1999 | 0..30 s | 0..25 bar"));
    add(d, 500, 1);
    QStringList pages{range(d.analyse())};
    pages << range(d.nextPage()) << range(d.nextPage()) << range(d.nextPage()) << range(d.previousPage())
          << range(d.nextPageRange()) << range(d.leaveAnalysis());
    QCOMPARE(pages, (QStringList{"0..1000 999 | 0..10 s | 0..25 bar", "1000..2000 999 | 10..20 s | 0..25 bar",
                                 "2000..3000 500 | 20..30 s | 0..25 bar", "1500..2500 999 | 15..25 s | 0..25 bar",
                                 "500..1500 999 | 5..15 s | 0..25 bar", "500..1000 499 | 5..10 s | 0..25 bar",
                                 "0..6000 2500 | 0..60 s | 0..25 bar"}));
    d.nextTimeRange();
    add(d, 2000, 1);
    QCOMPARE(range(d.live()), QString("1500..4500 2999 | 0..30 s | 0..25 bar"));
    // A new start leaves nothing of this measurement on a page.
    d.start();
    QVERIFY(d.count() == 0 && std::count(d.values(), d.values() + PressureData::kCapacity, 0.0f) == 6000);
}

void TestPressureData::liveFiles()
{
    TestRoot root;
    QLocale::setDefault(QLocale::German);
    QVERIFY(PressureFiles::makeTempDir());
    PressureData d;
    receive(d, 100, 1.2);
    for (int i = 1; i < 60; ++i)
        receive(d, 100, 2);
    const QByteArray first = root.read(PressureFiles::kHighRes);
    QVERIFY(first.startsWith("\r\n09:30:15;1.20;1.20;") && first.count(';') == 6001);
    QCOMPARE(root.read(PressureFiles::kLowRes), QByteArray("09:30:15;1.20;1.20;1.20;0.00;\r\n"));
    // The 61st block begins the next record, with the statistics of the store.
    SystemClock::setSource([] { return kNow.addSecs(60); });
    receive(d, 100, 4);
    QCOMPARE(root.read(PressureFiles::kHighRes).mid(first.size()), "\r\n09:31:15;" + QByteArray("4.00;").repeated(100));
    QCOMPARE(root.read(PressureFiles::kLowRes).split('\n').value(1), QByteArray("09:31:15;4.00;2.00;2.03;0.26;\r"));
}

void TestPressureData::save()
{
    TestRoot root;
    QLocale::setDefault(QLocale::German);
    const QString empty = PressureFiles::save(" Hydrant 3 ", PressureData::Calibration{}, 52.5, -13.25).directory;
    QCOMPARE(empty, QString("/media/vq4100/meas/PS_20160412_093015_Hydrant 3"));
    QCOMPARE(QDir(root.path(empty)).entryList(QDir::Files), QStringList{"info.ini"});
    QSettings info(root.path(empty + "/info.ini"), QSettings::IniFormat);
    QStringList values;
    for (const char* key : {"Measurementinfo/Measurementtype", "Measurementinfo/Measurementname",
                            "Measurementinfo/Measurementdate", "Pressuresensor/Sensor",
                            "Pressuresensor/MinCalibrationValue", "Pressuresensor/MaxCalibrationValue"})
        values << info.value(key).toString();
    QCOMPARE(values, (QStringList{"Pressuresensor", "Hydrant 3", "12.04.2016", "25.0 bar", "409", "3685"}));
    QVERIFY(root.read(empty + "/info.ini").contains("GPS-Position=\"52.500000, -13.250000\""));

    // With samples: the copies; a second save in that second goes to the
    // next one and leaves the first as it was.
    PressureFiles::makeTempDir();
    PressureData d;
    for (int i = 0; i < 3; ++i)
        receive(d, 100, 1);
    const QString dir = PressureFiles::save("x", d.calibration(), 0, 0).directory;
    const QByteArray high = root.read(dir + "/HighResData.txt");
    const QByteArray firstInfo = root.read(dir + "/info.ini");
    QVERIFY(high.startsWith("\r\n09:30:15;1.00;") && high.count(';') == 301);
    QCOMPARE(root.read(dir + "/LowResData.txt"), QByteArray("09:30:15;1.00;1.00;1.00;0.00;\r\n"));
    receive(d, 100, 1);
    const QString second = PressureFiles::save("x", d.calibration(), 10, 0).directory;
    QCOMPARE(second, QString("/media/vq4100/meas/PS_20160412_093016_x"));
    QCOMPARE(root.read(second + "/HighResData.txt").count(';'), 401);
    QCOMPARE(root.read(dir + "/info.ini"), firstInfo);
    PressureFiles::removeLive();  // a new start: the live files go, the copies stay
    QVERIFY(!root.exists(PressureFiles::kHighRes) && !root.exists(PressureFiles::kLowRes));
    QCOMPARE(root.read(dir + "/HighResData.txt"), high);

    for (const QString& name : {QString("a/../b"), QString("x:y"), QString(300, 'n'), QString("..")}) {
        const QString unsafe = PressureFiles::save(name, d.calibration(), 0, 0).directory;
        QCOMPARE(QFileInfo(root.path(unsafe)).path(), root.path("/media/vq4100/meas"));
        QVERIFY(root.exists(unsafe + "/info.ini"));
    }
}

void TestPressureData::failingStorage()
{
    TestRoot root;
    LogCapture log;
    PressureData d;
    // No temporary directory: the next block tries again; the samples stay.
    QVERIFY(!PressureFiles::appendBlock(add(d, 10, 1), d));
    QVERIFY(log.contains("Could not open file: /media/vq4100/temp/pressureHighRes.txt"));
    QVERIFY(PressureFiles::makeTempDir());
    {
        FullDisk full;
        QVERIFY(!PressureFiles::appendBlock(add(d, 10, 1), d));
        const StoreResult saved = PressureFiles::save("full", d.calibration(), 0, 0);
        QVERIFY(saved.failed() && saved.directory.isEmpty());
        QCOMPARE(QDir(root.path("/media/vq4100/meas")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }
    QVERIFY(log.contains("Could not write file:"));
    QVERIFY(PressureFiles::appendBlock(add(d, 10, 1), d) && d.count() == 30);
}

QTEST_GUILESS_MAIN(TestPressureData)
#include "tst_pressuredata.moc"
