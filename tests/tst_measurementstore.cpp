// The measurement store: the limit and its dialogs, directory names, info.ini
// against golden files, recording copies, listing order, failures that must
// be reported, and hand-edited files read back.
#include "Hardware/gps.h"
#include "Hardware/systemclock.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <utime.h>

namespace {

const QDateTime kNow(QDate(2016, 4, 12), QTime(9, 30, 15), Qt::UTC);
const QString kMeas = "/media/vq4100/meas/";
const QString kWav = "/home/root/meas/wav_temp/";
const QString kStamp = "_20160412_093015_";

// Every entry below the measurement directory, sorted.
QStringList tree(const TestUnit& unit)
{
    QStringList found;
    QDirIterator it(unit.root.path(kMeas), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next().mid(unit.root.path(kMeas).size());
    found.sort();
    return found;
}

void fill(const TestUnit& unit, int measurements)
{
    for (int i = 0; i < measurements; ++i)
        QDir().mkpath(unit.root.path(kMeas + QString("H2_%1").arg(i)));
}

QString ini(const TestUnit& unit, const QString& dir, const QString& key)
{
    return QSettings(unit.root.path(kMeas + dir + "/info.ini"), QSettings::IniFormat).value(key).toString();
}

// Stores, answering every message dialog (OK, or else the IO key): the
// result, then "<headline>: <text>" of each dialog.
QString save(int type, const QString& name, const MeasInfoStructure& d = MeasInfoStructure(), bool ok = true)
{
    QStringList seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&seen, ok] {
        auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("seen").toBool())
            return;
        dialog->setProperty("seen", true);
        const auto text = [dialog](const char* label) { return dialog->findChild<QLabel*>(label)->text(); };
        seen << text("labelHeadline") + ": " + text("labelInfotext");
        ok ? dialog->findChild<QPushButton*>("butMiddle")->click() : QTest::keyRelease(dialog, Qt::Key_Escape);
    });
    answer.start(5);
    seen.prepend(QString::number(MeasurementData()->storeMeasurement(type, name, d)));
    return seen.join(" | ");
}

// A bit of every kind of field, including what must never be stored as is.
MeasInfoStructure sample(int filterType, int arrayCnt)
{
    const float inf = std::numeric_limits<float>::infinity();
    return {0, {42.5f, 42.5f, std::nanf("")}, {620, 620}, {0, 51.5, -inf}, {0, 7.25}, {12.34f, 3.0f}, arrayCnt, 40, 100,
            filterType, 1250, 160, 7670, 5000, {0.0123456789f, 0.000015f, 1234567.0f, -2.5f, inf}};
}

}

class TestMeasurementStore : public QObject
{
    Q_OBJECT
    QTranslator m_english;
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(m_english.load(":/Languages/GB_VQ4100.qm"));
        QCoreApplication::installTranslator(&m_english);
    }
    void init() { SystemClock::setSource([] { return kNow; }); }
    void cleanup() { SystemClock::setSource(nullptr); }

    void limit_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("outcome");
        const QString warn = "0 | Warning: Number of measurements near limit.\n"
                             "Please delete old measurements.\n(%1 / 100) | +1 | %2";
        const QString closed = "Message Measurement Warning closed";
        QTest::newRow("84") << 84 << true << "0 | +1 | ";
        QTest::newRow("85") << 85 << true << warn.arg(85).arg(closed);
        QTest::newRow("99") << 99 << true << warn.arg(99).arg(closed);
        QTest::newRow("100") << 100 << true << "-1 | Error: Maximum number of measurements reached.\nMeasurement will "
                             "not be stored.\nPlease delete old measurements.\n(100 / 100) | +0 | "
                             "Message Measurement Error closed";
        QTest::newRow("warning closed with IO") << 85 << false << warn.arg(85).arg("Ende Button Unknown");
        // One more counts, one does not.
        QTest::newRow("le_ file and PS_") << -84 << true << warn.arg(85).arg(closed);
    }


    void limit()
    {
        QFETCH(int, stored);
        QFETCH(bool, ok);
        TestUnit unit;
        fill(unit, qAbs(stored));
        if (stored < 0) {
            unit.root.write(kMeas + "le_x", "");
            unit.root.write(kMeas + "PS_20160101_101010_p/info.ini", "");
        }
        const uint before = QDir(unit.root.path(kMeas)).count();
        LogCapture log;
        const QString outcome = save(0, "x", MeasInfoStructure(), ok);
        QTEST(QString("%1 | +%2 | %3").arg(outcome).arg(QDir(unit.root.path(kMeas)).count() - before)
                  .arg(log.lines().filter(QRegularExpression("^(Message Measurement|Ende Button)")).join(',')),
              "outcome");
    }


    void naming_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QDateTime>("clock");
        QTest::newRow("trimmed") << "  Valve 2 " << "Valve 2" << kNow;
        QTest::newRow("empty") << "" << "M6" << kNow;
        QTest::newRow("blanks only") << "   " << "" << kNow;
        QTest::newRow("path") << "a/../../b" << "a_.._.._b" << kNow;
        QTest::newRow("unsafe") << "x:y*z?\\\"<>|\t1" << "x_y_z_______1" << kNow;
        QTest::newRow("300 characters") << QString(300, QChar(0xe4)) << QString(118, QChar(0xe4)) << kNow;
        QTest::newRow("midnight") << "n" << "n" << QDateTime(QDate(2016, 4, 12), QTime(23, 59, 59, 999), Qt::UTC);
    }


    void naming()
    {
        QFETCH(QString, expected);
        QFETCH(QDateTime, clock);
        // Each reading is a millisecond later: at midnight the second one is a new day.
        SystemClock::setSource([clock, step = 0]() mutable { return clock.addMSecs(step++); });
        TestUnit unit;
        fill(unit, 5);
        QFETCH(QString, name);
        QCOMPARE(save(1, name), "0");
        const QString dir = tree(unit).filter(QRegularExpression("^PP_[^/]*$")).value(0);
        QCOMPARE(dir, "PP_" + clock.toString("yyyyMMdd_hhmmss_") + expected);
        QVERIFY(dir.toUtf8().size() <= 255);
        QCOMPARE(QStringList({ini(unit, dir, "Measurementinfo/Measurementname"),
                              ini(unit, dir, "Measurementinfo/Measurementdate"),
                              ini(unit, dir, "Measurementinfo/Measurementtime")}).join(' '),
                 expected + clock.addMSecs(1).toString(" dd.MM.yyyy hh:mm:ss"));
    }


    void format_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("filterType");
        QTest::addColumn<int>("arrayCnt");
        QTest::addColumn<bool>("window");
        QTest::newRow("LE") << 0 << 1 << 2 << true;
        QTest::newRow("PP") << 1 << 5 << 2 << true;
        QTest::newRow("PL") << 2 << 2 << 2 << true;
        QTest::newRow("H2") << 3 << 1 << 2 << true;
        QTest::newRow("LT") << 4 << 0 << -1 << false;  // no main window: gains and position 0
    }


    void format()
    {
        QFETCH(int, type);
        QFETCH(int, filterType);
        QFETCH(int, arrayCnt);
        QFETCH(bool, window);
        TestUnit unit;
        if (window)
            unit.start()->getGpsInstance()->setPosition(51.5, 7.25);
        QCOMPARE(save(type, "Hydrant 3", sample(filterType, arrayCnt)), "0");
        const QString dir = QTest::currentDataTag() + kStamp + "Hydrant 3";
        QFile golden(QString(VQ_SOURCE_DIR "/tests/golden/measurementstore/%1.ini").arg(QTest::currentDataTag()));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(QString(unit.root.read(kMeas + dir + "/info.ini")), QString(golden.readAll()));
    }


    void copies()
    {
        TestUnit unit;
        for (int i : {1, 2, 3, 4})
            unit.root.write(kWav + QString("PP_Sound_%1.wav").arg(i), "new");
        const QString pp = "PP" + kStamp + "p";
        unit.root.write(kMeas + pp + "/PP_Sound_3.wav", "old");  // the same second, the same name
        // Point 2 unmeasured, 4 without frequency, 5 without recording.
        const MeasInfoStructure d{0, {0, 1, 0, 1, 1, 1}, {0, 1, 1, 1, 0, 1}};
        LogCapture log;
        QCOMPARE(save(1, "p", d) + save(0, "a", d), "00");
        unit.root.write(kWav + "LE_sound.wav", "le");
        QCOMPARE(save(0, "b", d), "0");
        const QString le = "LE" + kStamp;
        QCOMPARE(tree(unit), QStringList({le + "a", le + "a/info.ini", le + "b", le + "b/LE_sound.wav",
                                          le + "b/info.ini", pp, pp + "/PP_Sound_1.wav", pp + "/PP_Sound_3.wav",
                                          pp + "/info.ini"}));
        QCOMPARE(unit.root.read(kMeas + pp + "/PP_Sound_3.wav") + unit.root.read(kWav + "LE_sound.wav"), "oldle");
        QVERIFY(log.contains("no recording \"/home/root/meas/wav_temp/PP_Sound_5.wav\""));
    }


    void listing()
    {
        TestUnit unit;
        QCOMPARE(MeasurementData()->getMeasurementList().size() + MeasurementData()->getNumMeasurements(), 0);
        // Ties by name with letter case: "LE_b" before "le_a".
        const QList<QPair<QString, int>> made = {{"LE_b", 200}, {"PP_a", 100}, {"le_a", 200}, {"LT_Z", 200},
                                                  {"PS_x", 400}, {"x_LE", 400}, {"H2_d", 200}, {"PL_c", 300}};
        for (const auto& entry : made) {
            unit.root.write(kMeas + entry.first + (entry.first.startsWith("L") ? "/info.ini" : ""), "");
            const utimbuf times{entry.second, entry.second};
            QCOMPARE(utime(QFile::encodeName(unit.root.path(kMeas + entry.first)).constData(), &times), 0);
        }
        QCOMPARE(MeasurementData()->getMeasurementList(), QStringList({"PL_c", "H2_d", "LE_b", "LT_Z", "le_a", "PP_a"}));
        QCOMPARE(MeasurementData()->getNumMeasurements(), 6);
        QCOMPARE(QDir::currentPath(), QDir(unit.root.path(kMeas)).absolutePath());
    }


    void failures_data()
    {
        QTest::addColumn<QString>("trap");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("outcome");
        const QString dir = "LE" + kStamp + "x";
        const QString failed = "-2 | Error: The measurement could not be stored.\nPlease check the data storage. | ";
        QTest::newRow("root is a file") << kMeas.chopped(1) << 0 << failed;
        QTest::newRow("file in place") << kMeas + dir << 0 << failed + dir;
        QTest::newRow("failing copy") << kWav + "LE_sound.wav/" << 0 << failed + dir + "," + dir + "/info.ini";
        QTest::newRow("type 7") << "" << 7 << "0 | ";
    }


    void failures()
    {
        QFETCH(QString, trap);
        QFETCH(int, type);
        TestUnit unit;
        if (trap.endsWith('/'))
            QDir().mkpath(unit.root.path(trap));
        else if (!trap.isEmpty())
            unit.root.write(trap, "file");
        const QString outcome = save(type, "x");
        QTEST(outcome + " | " + tree(unit).join(','), "outcome");
    }


    void readers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("count above values") << QByteArray("Level=42.5\nFFT-Size=5\nFFT-Values=\"1; 2.5;-3; \"\n")
                                            << "42.5 | 1,2.5,-3 | 0 0 4000";
        QTest::newRow("count above array, abc") << QByteArray("Level=abc\nFFT-Size=5000\nFFT-Values=\"1;2;3;abc;5\"\n")
                                                << "0 | 1,2,3,0 | 0 0 4000";
        QTest::newRow("negative, bandpass") << QByteArray("FFT-Size=-1\nFFT-Values=1; \n[Filter]\nFiltertype=bandpass\n"
                                                          "LowCutOff-Frequency=160\n") << "0 |  | 0 0 4000";
        QTest::newRow("nan, Bandstop") << QByteArray("Level=nan\nFFT-Size=2\nFFT-Values=\"nan; 2; \"\n[Filter]\n"
                                                     "Filtertype=Bandstop\nLowCutOff-Frequency=160\n"
                                                     "HighCutOff-Frequency=-5\n")
                                       << "0 | 0,2 | 2 160 0";
    }


    void readers()
    {
        QFETCH(QByteArray, text);
        TestRoot root;
        root.write("/info.ini", text);
        const QSettings info(root.path("/info.ini"), QSettings::IniFormat);
        float values[4] = {};
        QStringList read;
        for (int i = 0, n = Measurements::readValueList(info, "FFT-Size", "FFT-Values", values, 4); i < n; ++i)
            read << QString::number(values[i]);
        quint32 low = 1, high = 1;
        int type = -1;
        Measurements::readFilter(info, &low, &high, &type);
        QTEST(QString("%1 | %2 | %3 %4 %5").arg(Measurements::readNumber(info, "Level")).arg(read.join(','))
                  .arg(type).arg(low).arg(high), "read");
    }
};

QTEST_MAIN(TestMeasurementStore)
#include "tst_measurementstore.moc"
