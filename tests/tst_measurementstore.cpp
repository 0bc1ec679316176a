// The measurement store: the limit and its dialogs, directory names, info.ini
// against golden files, recording copies, listing order, failures that must
// be reported, hand-edited files read back, and saves that are whole or not
// there at all: the same name twice in a second, a full file system, a
// process killed while it saves.
#include "Hardware/inifile.h"
#include "Hardware/gps.h"
#include "Hardware/massstorage.h"
#include "Hardware/systemclock.h"
#include "Management/storedmeasurement.h"
#include "Tools/measuremententry.h"
#include "Tools/measurements.h"
#include "Mainmenu/pressurefiles.h"
#include "Tools/messagedialog.h"
#include "logcapture.h"
#include "renamefaults.h"
#include "mainmenu.h"
#include "storedentries.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QtTest>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
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
        unit.root.write(kMeas + QString("H2_%1/info.ini").arg(i), "[a]\nb=1\n");
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

// Kinds of entry: the five types of the store, then the pressure directory.
const QStringList kPrefixes = {"LE_", "PP_", "PL_", "H2_", "LT_", "PS_"};

StoreResult saveKind(int kind, const QString& name)
{
    MeasInfoStructure d = sample(1, Measurements::kArrayCapacity);
    for (int i : {1, 2, 3})
        d.level[i] = d.frequency[i] = 40 + i;
    return kind < 5 ? MeasurementData()->store(kind, name, d)
                    : PressureFiles::save(name, PressureData::Calibration{}, 1, 2);
}

// The recordings and live files an entry copies.
void makeSources(const TestRoot& root, char fill)
{
    for (const QString name : {"LE_sound", "PP_Sound_1", "PP_Sound_2", "PP_Sound_3"})
        root.write(kWav + name + ".wav", QByteArray(6000, fill) + name.toLatin1());
    root.write(PressureFiles::kHighRes, QByteArray(5000, fill));
    root.write(PressureFiles::kLowRes, QByteArray(500, fill));
}

// Every entry below a directory with its bytes, hidden ones too.
QMap<QString, QByteArray> files(const TestRoot& root, const QString& unitDir)
{
    QMap<QString, QByteArray> found;
    const QString top = root.path(unitDir);
    QDirIterator it(top, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        found[f.fileName().mid(top.size())] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    return found;
}

// An entry as any whole one of its kind is, whatever its name.
QMap<QString, QByteArray> whole(const TestRoot& root, const QString& unitDir)
{
    QMap<QString, QByteArray> found = files(root, unitDir);
    found["/info.ini"].replace("Measurementname=" + QFileInfo(unitDir).fileName().mid(19).toUtf8() + "\n", "");
    return found;
}

// The sources, and an entry of each kind as every whole one of that kind is.
QList<QMap<QString, QByteArray>> storeReferences(const TestRoot& root)
{
    makeSources(root, 'a');
    QList<QMap<QString, QByteArray>> reference;
    for (int kind = 0; kind < kPrefixes.size(); ++kind)
        reference << whole(root, saveKind(kind, "ref").directory);
    return reference;
}

// A tmpfs of `bytes` over a directory while it lives; root only.
struct SmallDisk {
    QByteArray dir;
    bool mounted;
    QString error;
    SmallDisk(const QString& path, int bytes) : dir(QFile::encodeName(path))
    {
        QDir().mkpath(path);
        mounted = ::mount("tmpfs", dir.constData(), "tmpfs", 0, ("size=" + QByteArray::number(bytes)).constData()) == 0;
        error = mounted ? QString() : QString::fromLocal8Bit(strerror(errno));
    }
    ~SmallDisk()
    {
        QDir::setCurrent(QDir::tempPath());  // counting leaves the process in there
        if (mounted)
            ::umount2(dir.constData(), MNT_DETACH);
    }
    // Fills it, but for `room` bytes, with a file beside the measurements.
    void leave(qint64 room)
    {
        QFile filler(QFile::decodeName(dir) + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Truncate);
        filler.flush();
        struct statvfs fs;
        ::statvfs(dir.constData(), &fs);
        const QByteArray part(4096, 'f');
        for (qint64 n = qint64(fs.f_bavail) * qint64(fs.f_frsize) - room; n > 0 && filler.write(part) > 0; n -= part.size())
            filler.flush();
    }
};

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
    void cleanup()
    {
        SystemClock::setSource(nullptr);
        RenameFaults::clear();
    }

    // What an earlier write left beside the file (a PC's copy, a write cut
    // off) neither blocks the next nor is read into it. First of the tests:
    // the names of the read-back files count on from 1 in every process.
    void writeLeftovers()
    {
        TestRoot root;
        const QString path = root.path(kMeas + "x.ini");
        const QByteArray left = "[Measurementinfo]\nMeasurementtype=left\n";
        QStringList names{"x.ini.part"};
        for (int n = 1; n < 100; ++n)
            names << QString("x.ini.new%1").arg(n);
        for (const QString& name : names)
            QVERIFY(root.write(kMeas + name, left));
        QCOMPARE(IniFile::write(path, [](QSettings& s) { s.setValue("Measurementinfo/Measurementname", "x"); }, 1024)
                     .error, QString());
        QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys(), QStringList("Measurementinfo/Measurementname"));
        for (const QString& name : names.mid(1))
            QCOMPARE(root.read(kMeas + name), left);
    }

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
        // Written "@@home" by the library: a text, not a typed value.
        QTest::newRow("begins with @") << "@home" << "@home" << kNow;
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
        QCOMPARE(unit.root.read(kMeas + pp + "/PP_Sound_3.wav") + unit.root.read(kWav + "LE_sound.wav"), "newle");
        QVERIFY(log.contains("no recording \"/home/root/meas/wav_temp/PP_Sound_5.wav\""));
    }


    // A recording known not to be the measurement's is not copied, even
    // where a file of its name lies; the entry says which recordings it
    // lacks, those and the missing ones, for the screen to warn.
    void recordingsNotTaken()
    {
        TestUnit unit;
        for (const QString name : {"LE_sound", "PP_Sound_1", "PP_Sound_2", "PP_Sound_3"})
            unit.root.write(kWav + name + ".wav", "left");
        MeasInfoStructure d{0, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}};
        d.soundMissing[0] = d.soundMissing[2] = true;
        const StoreResult pp = MeasurementData()->store(1, "p", d);
        const StoreResult le = MeasurementData()->store(0, "l", d);
        d.soundMissing[0] = false;
        const StoreResult whole = MeasurementData()->store(0, "w", d);
        QCOMPARE(pp.missingRecordings, QStringList({"PP_Sound_2.wav", "PP_Sound_4.wav"}));
        QCOMPARE(le.missingRecordings + whole.missingRecordings, QStringList({"LE_sound.wav"}));
        const QString p = "PP" + kStamp + "p";
        const QString l = "LE" + kStamp + "l";
        const QString w = "LE" + kStamp + "w";
        QCOMPARE(tree(unit), QStringList({l, l + "/info.ini", w, w + "/LE_sound.wav", w + "/info.ini", p,
                                          p + "/PP_Sound_1.wav", p + "/PP_Sound_3.wav", p + "/info.ini"}));
    }


    // A second save of a name within its second never touches the first.
    void sameNameTwice()
    {
        TestUnit unit;
        for (int kind = 0; kind < kPrefixes.size(); ++kind) {
            makeSources(unit.root, 'a');
            const StoreResult first = saveKind(kind, "p");
            const QMap<QString, QByteArray> was = files(unit.root, first.directory);
            makeSources(unit.root, 'b');
            const StoreResult second = saveKind(kind, "p");
            QCOMPARE(first.directory + second.directory,
                     kMeas + kPrefixes[kind] + "20160412_093015_p" + kMeas + kPrefixes[kind] + "20160412_093016_p");
            QCOMPARE(files(unit.root, first.directory), was);
            QCOMPARE(whole(unit.root, second.directory).keys(), was.keys());
        }
        // Not even an empty directory in the way is taken.
        QDir().mkpath(unit.root.path(kMeas + "LE" + kStamp + "e"));
        QCOMPARE(saveKind(0, "e").directory, kMeas + "LE_20160412_093016_e");
    }


    // A real small file system filled to within a few kB shows what the
    // file-size limit of the full-disk rig cannot: a write that fails only
    // when the data are flushed.
    void fullFileSystem()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root (CI runs as root)");
        TestRoot root;
        SmallDisk disk(root.path("/media/vq4100"), 1024 * 1024);
        if (!disk.mounted)
            QSKIP(qPrintable("cannot mount a tmpfs: " + disk.error));
        const QList<QMap<QString, QByteArray>> reference = storeReferences(root);
        const QMap<QString, QByteArray> before = files(root, kMeas);
        int stored = 0;
        int failed = 0;
        for (int kind = 0; kind < kPrefixes.size(); ++kind) {
            for (int room = 0; room <= 64 * 1024; room += 4096) {
                disk.leave(room);
                const StoreResult saved = saveKind(kind, "x");
                disk.leave(1024 * 1024);
                if (saved.failed()) {
                    ++failed;
                    QCOMPARE(saved.error, Measurements::failedText());
                } else {
                    ++stored;
                    QCOMPARE(whole(root, saved.directory), reference[kind]);
                    QVERIFY(QDir(root.path(saved.directory)).removeRecursively());
                }
                // Nothing half-made left, nothing earlier touched.
                QCOMPARE(files(root, kMeas), before);
            }
        }
        QVERIFY2(stored > 0 && failed > 0, qPrintable(QString("%1 stored, %2 failed").arg(stored).arg(failed)));

        // A rename whose new info.ini the full disk cuts off is refused and
        // leaves the entry as it was, with nothing beside it.
        QString dirName = QFileInfo(saveKind(0, "r").directory).fileName();
        int cut = 0;
        for (int room = 0; room <= 16 * 1024; room += 512) {
            const QMap<QString, QByteArray> entry = files(root, kMeas + dirName);
            disk.leave(room);
            const QString name = QString("r%1").arg(room);
            const StoredMeasurement::Result renamed = StoredMeasurement::rename(dirName, name);
            disk.leave(1024 * 1024);
            dirName = renamed.dirName;
            const QSettings info(root.path(kMeas + dirName + "/info.ini"), QSettings::IniFormat);
            if (renamed.error.isEmpty()) {
                QCOMPARE(info.value("Measurementinfo/Measurementname").toString(), name);
            } else {
                ++cut;
                QCOMPARE(renamed.error, QCoreApplication::translate("MeasManagement", "TheMeasurementCouldNotBeRenamed"));
                QCOMPARE(files(root, kMeas + dirName), entry);
            }
        }
        QVERIFY(cut > 0);
    }


    // Run as its own child by killedSaves(): saves until it is killed.
    void saverChild()
    {
        if (!qEnvironmentVariableIsSet("VQ_SAVER_CHILD"))
            QSKIP("the child process of killedSaves");
        std::puts("saving");
        std::fflush(stdout);
        for (int i = 0;; ++i)
            saveKind(i % kPrefixes.size(), QString("k%1").arg(i));
    }


    void killedSaves()
    {
        TestRoot root;
        const QList<QMap<QString, QByteArray>> reference = storeReferences(root);
        const QMap<QString, QByteArray> before = files(root, kMeas);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VQ_SAVER_CHILD", "1");
        std::mt19937 random(42);
        int cutOff = 0;
        for (int kill = 0; kill < 100; ++kill) {
            QProcess child;
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"saverChild"});
            QByteArray out;
            while (!out.contains("saving") && child.waitForReadyRead(30000))
                out += child.readAllStandardOutput();
            QVERIFY(out.contains("saving"));
            QThread::usleep(std::uniform_int_distribution<int>(0, 30000)(random));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            QStringList entries = MeasurementData()->getMeasurementList();
            QCOMPARE(entries.size(), MeasurementData()->getNumMeasurements());
            entries += QDir(root.path(kMeas)).entryList({"PS_*"});
            for (const QString& entry : entries) {
                const int kind = kPrefixes.indexOf(entry.left(3));
                QCOMPARE(whole(root, kMeas + entry), reference.value(kind));
                if (!entry.endsWith("_ref"))
                    QDir(root.path(kMeas + entry)).removeRecursively();
            }
            // What the next start does.
            cutOff += MeasurementEntry::removeLeftovers();
            QCOMPARE(files(root, kMeas), before);
        }
        QVERIFY(cutOff > 0);
    }


    void listing()
    {
        TestUnit unit;
        QCOMPARE(MeasurementData()->getMeasurementList().size() + MeasurementData()->getNumMeasurements(), 0);
        // Ties by name with letter case: "LE_b" before "le_a".
        // Directories begin with "L", or hold what a save cut off left
        // (no info.ini); an empty info.ini is the operator's to delete.
        const QList<QPair<QString, int>> made = {{"LE_b", 200}, {"PP_a", 100}, {"le_a", 200}, {"LT_Z", 200},
                                                  {"PS_x", 400}, {"x_LE", 400}, {"H2_d", 200}, {"PL_c", 300},
                                                  {"PP_cut/info.ini", 500}, {"H2_none/", 500}, {".saving-1-1/", 500}};
        for (const auto& entry : made) {
            if (entry.first.endsWith('/'))
                QDir().mkpath(unit.root.path(kMeas + entry.first));
            else
                unit.root.write(kMeas + entry.first + (entry.first.startsWith("L") ? "/info.ini" : ""),
                                entry.first.contains('/') ? "" : "[a]\nb=1\n");
            const utimbuf times{entry.second, entry.second};
            QCOMPARE(utime(QFile::encodeName(unit.root.path(kMeas + entry.first)).constData(), &times), 0);
        }
        QCOMPARE(MeasurementData()->getMeasurementList(), QStringList({"PP_cut", "PL_c", "H2_d", "LE_b", "LT_Z", "le_a", "PP_a"}));
        QCOMPARE(MeasurementData()->getNumMeasurements(), 7);
        QCOMPARE(QDir::currentPath(), QDir(unit.root.path(kMeas)).absolutePath());
        LogCapture log;
        unit.start();
        QVERIFY(!unit.root.exists(kMeas + ".saving-1-1") && log.contains("a save cut off is removed"));
    }


    // A start removes only what the program's own saves left, folders of
    // its staging name; a PC's files and folders of a like name stay whole.
    void leftoversOfOthersStay()
    {
        TestUnit unit;
        for (const char* kept : {".saving-photos/p.jpg", ".saving-notes.txt", ".saving-3-4", ".saving-1-2-3/info.ini",
                                 ".saving-12-/info.ini", ".saving-12-3x/info.ini", ".saving-١-٢/info.ini"})
            QVERIFY(unit.root.write(kMeas + kept, QByteArray("\xFF\xD8 kept ") + kept));
        const QMap<QString, QByteArray> before = files(unit.root, kMeas);
        QVERIFY(unit.root.write(kMeas + ".saving-12-3/info.ini", "[Measurementinfo]\nMeasurementname=x\n"));
        QVERIFY(unit.root.write(kMeas + ".saving-12-3/LE_sound.wav", "RIFF"));
        LogCapture log;
        unit.start();
        QCOMPARE(files(unit.root, kMeas), before);
        QCOMPARE(log.count("a save cut off is removed"), 1);
    }

    // A PC's names with a byte not valid in the file-name encoding read like
    // another's, or like none on the disk: each entry is still judged by its
    // own bytes, its time and whether its save finished.
    void listingByTheNamesBytes()
    {
        TestUnit unit;
        const QList<QPair<QByteArray, int>> made = {{"LE_a\xEF\xBF\xBD", 100}, {"LE_a\xFC", 300}, {"LT_c\xFC", 200}};
        const QByteArray cut = "PP_b\xFC";
        const auto removable = qScopeGuard([&] {
            for (const auto& entry : made)
                StoredEntries::makeRemovable(unit.root, entry.first);
            StoredEntries::makeRemovable(unit.root, cut);
        });
        for (const auto& entry : made)
            QVERIFY(StoredEntries::addBytes(unit.root, entry.first, {{"info.ini", "[a]\nb=1\n"}}, entry.second));
        QVERIFY(StoredEntries::addBytes(unit.root, cut, {}, 0));  // no info.ini: a save cut off
        const QString a = QFile::decodeName(made[0].first);
        QCOMPARE(QFile::decodeName(made[1].first), a);
        QCOMPARE(MeasurementData()->getMeasurementList(), QStringList({a, QFile::decodeName(made[2].first), a}));
        QCOMPARE(MeasurementData()->getNumMeasurements(), 3);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("trap");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("outcome");
        const QString dir = "LE" + kStamp + "x";
        const QString failed = "-2 | Error: The measurement could not be stored.\nPlease check the data storage. | ";
        QTest::newRow("root is a file") << kMeas.chopped(1) << 0 << failed;
        QTest::newRow("file in place") << kMeas + dir << 0 << "0 | " + dir + ",LE_20160412_093016_x,LE_20160412_093016_x/info.ini";
        QTest::newRow("failing copy") << kWav + "LE_sound.wav/" << 0 << failed;
        QTest::newRow("type 7") << "" << 7 << "0 | ";
        // Lent: refused, and so is the pressure screen's save, which only the entry stops.
        QTest::newRow("lent to a PC") << "lent" << 0 << failed + "-2 | ";
    }


    void failures()
    {
        QFETCH(QString, trap);
        QFETCH(int, type);
        TestUnit unit;
        const bool lent = trap == "lent";
        if (lent)
            QCOMPARE(MassStorage::lend(), MassStorage::Loan::Lent);
        else if (trap.endsWith('/'))
            QDir().mkpath(unit.root.path(trap));
        else if (!trap.isEmpty())
            unit.root.write(trap, "file");
        QString outcome = save(type, "x");
        if (lent) {
            outcome += " | " + QString::number(saveKind(5, "x").code);
            QVERIFY(MassStorage::takeBack());
        }
        QTEST(outcome + " | " + tree(unit).join(','), "outcome");
    }


    // Lent to a PC, an entry keeps its name.
    void renameRefusedWhileLent()
    {
        TestUnit unit;
        const QString dir = "PP" + kStamp + "old";
        QVERIFY(unit.root.write(kMeas + dir + "/info.ini", "[Measurementinfo]\nMeasurementname=old\n"));
        QCOMPARE(MassStorage::lend(), MassStorage::Loan::Lent);
        const StoredMeasurement::Result result = StoredMeasurement::rename(dir, "new");
        QVERIFY(MassStorage::takeBack());
        QCOMPARE(result.outcome, StoredMeasurement::Result::Failed);
        QCOMPARE(tree(unit), QStringList({dir, dir + "/info.ini"}));
        QCOMPARE(ini(unit, dir, "Measurementinfo/Measurementname"), QString("old"));
    }


    // The settings library reads a file again only when its size or its time
    // in milliseconds changed: rewrites of one size in quick succession are
    // each read as written.
    void sameSizeRewritesReadAsWritten()
    {
        TestRoot root;
        const QString path = root.path(kMeas + "x.ini");
        QElapsedTimer spent;
        spent.start();
        for (int i = 0; i < 1000 && spent.elapsed() < 3000; ++i) {
            const QString name = i % 2 ? "odd" : "one";
            QCOMPARE(IniFile::write(path, [&](QSettings& s) { s.setValue("a/name", name); }, 1024).error, QString());
            QCOMPARE(QSettings(path, QSettings::IniFormat).value("a/name").toString(), name);
        }
    }


    void entryReadAsStoredUnderANameReadBefore_data()
    {
        QTest::addColumn<bool>("renamed");
        QTest::newRow("saved again") << false;
        QTest::newRow("renamed to it") << true;
    }

    // The library takes a file of the size and time of one it parsed for that
    // one. An entry read, then deleted, and another of the same size under its
    // name, its info.ini of the same time (the clock's tick, or a PC's copy):
    // the new one is read as it is.
    void entryReadAsStoredUnderANameReadBefore()
    {
        QFETCH(bool, renamed);
        TestRoot root;
        const auto level = [](const char* value) {
            return [value](QSettings& s) { s.setValue("Levels/Level", QString(value)); };
        };
        const timespec tick{1700000000, 250000000};
        const auto setTime = [&root, &tick](const QString& dir) {
            const timespec times[2] = {{0, UTIME_OMIT}, tick};
            return ::utimensat(AT_FDCWD, QFile::encodeName(root.path(kMeas + dir + "/info.ini")).constData(), times,
                               0) == 0;
        };
        const QString name = "LE" + kStamp + "b";
        QCOMPARE(MeasurementEntry::store("LE_", kNow, "b", level("1.000"), {}).directory, kMeas + name);
        QVERIFY(setTime(name));
        QCOMPARE(Measurements::openInfo(name)->value("Levels/Level").toString(), QString("1.000"));
        QCOMPARE(StoredMeasurement::remove(name).outcome, StoredMeasurement::Result::Done);
        if (renamed) {
            QVERIFY(!MeasurementEntry::store("LE_", kNow, "a", level("2.000"), {}).failed());
            QVERIFY(setTime("LE" + kStamp + "a"));
            QCOMPARE(StoredMeasurement::rename("LE" + kStamp + "a", "b").outcome, StoredMeasurement::Result::Done);
        } else {
            RenameFaults::timedName() = name.toUtf8();
            RenameFaults::timedTo() = tick;
            QCOMPARE(MeasurementEntry::store("LE_", kNow, "b", level("2.000"), {}).directory, kMeas + name);
        }
        QCOMPARE(Measurements::openInfo(name)->value("Levels/Level").toString(), QString("2.000"));
    }

    void readers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("count above values") << QByteArray("Level=42.5\nFFT-Size=5\nFFT-Values=\"1; 2.5;-3; \"\n")
                                            << "42.5 | 1,2.5,-3 | 0 0 4000";
        QTest::newRow("count above array, abc") << QByteArray("Level=abc\nFFT-Size=5000\nFFT-Values=\"1;2;3;abc;5\"\n")
                                                << "0 | 1,2,3,0 | 0 0 4000";
        QTest::newRow("empty entries keep their places") << QByteArray("FFT-Size=4\nFFT-Values=\"1;; 3; \"\n")
                                                         << "0 | 1,0,3 | 0 0 4000";
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


    void openingInfo()
    {
        TestRoot root;
        const QByteArray list = "[FFT]\nFFT-Size=2\nFFT-Values=\"1; 2; " + QByteArray("3; ").repeated(50000) + "\"\n";
        root.write(kMeas + "LE_long/info.ini", list);
        root.write(kMeas + "LE_huge/info.ini", QByteArray(Measurements::kMaxInfoBytes + 1, '#'));
        root.write(kMeas + "LE_empty/info.ini", "");
        QString error;
        const auto info = Measurements::openInfo("LE_long", &error);
        QVERIFY(info && error.isEmpty());
        float values[Measurements::kFftCapacity] = {};
        QCOMPARE(Measurements::readValueList(*info, "FFT/FFT-Size", "FFT/FFT-Values", values, 1024), 2);
        QStringList refused;
        for (const char* name : {"LE_huge", "LE_empty", "LE_none", "..", "LE_long/..", ""})
            refused << (Measurements::openInfo(name, &error) ? "opened" : error.section(' ', 0, 1));
        QCOMPARE(refused.join(", "), QString("info.ini holds, info.ini is, no info.ini, not a, not a, not a"));
    }
};

QTEST_MAIN(TestMeasurementStore)
#include "tst_measurementstore.moc"
