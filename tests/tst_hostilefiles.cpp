// Files a PC may leave on the data partition: typed values the settings
// library would decode at any cost (also behind a byte-order mark), FIFOs,
// links to devices and out of the device (also as a folder on the way),
// directories in place of files. None may stop the program or a thread of
// it, and nothing outside is touched.
#include "Audio/audioworker.h"
#include "Audio/wavwriter.h"
#include "Hardware/bluetoothtrafficlog.h"
#include "Hardware/inifile.h"
#include "Hardware/devicelayer.h"
#include "Mainmenu/levelmeasurement.h"
#include "Management/measmanagement.h"
#include "Management/storedmeasurement.h"
#include "Management/systemsettings.h"
#include "Tools/favouritebutton.h"
#include "Tools/measuremententry.h"
#include "Tools/measurements.h"
#include "clickbutton.h"
#include "filetree.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "popupcloser.h"
#include "qmfile.h"
#include "storedentries.h"
#include "testunit.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

#include <atomic>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray kTyped = "X=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n";
// What a PC editor puts at the start of a file saved as "UTF-8 with BOM".
const QByteArray kMark = "\xEF\xBB\xBF";
const QByteArray kInfo = "[Measurementinfo]\nMeasurementname=hostile\n[Levels]\nLevel_1=50.000\nFrequency_1=440\n";

// A FIFO. A reader that blocks on it is let go after timeoutMs (its open and
// read return, empty) and counted, so that a regression fails at once
// instead of holding the whole run up.
class Fifo
{
public:
    explicit Fifo(const QString& path, int timeoutMs = 2000) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0644) == 0;
        m_thread = std::thread([this, timeoutMs] {
            for (int waited = 0; !m_stop; waited += 50) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                if (waited >= timeoutMs)
                    release();
            }
        });
    }
    ~Fifo()
    {
        m_stop = true;
        m_thread.join();
        release();
    }
    bool made() const { return m_made; }
    int released() const { return m_released; }

private:
    void release()
    {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
        m_released += fd >= 0 && ::close(fd) == 0;
    }
    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_released{0};
    std::thread m_thread;
};

// A folder of the PC, out of every device root.
QString pc()
{
    static QTemporaryDir dir;
    return dir.path();
}

// `kind` in place of the file at a unit path: "fifo", "device" (a link to
// one), "outside" (a link to a file out of the device root), "sibling" (to
// one in a folder beside the root named like it and more), "directory",
// "empty" (a file of no bytes).
bool putHostile(const TestRoot& root, const QString& unitPath, const QString& kind, std::unique_ptr<Fifo>* fifo)
{
    const QString path = root.path(unitPath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    if (kind == "fifo") {
        fifo->reset(new Fifo(path));
        return (*fifo)->made();
    }
    if (kind == "device")
        return QFile::link("/dev/zero", path);
    if (kind == "outside")
        return DeviceTree::writeText(pc(), "/file", kInfo) && QFile::link(pc() + "/file", path);
    if (kind == "sibling")
        return DeviceTree::writeText(root.root() + "x", "/file", kInfo) && QFile::link(root.root() + "x/file", path);
    if (kind == "empty")
        return root.write(unitPath, QByteArray());
    return QDir().mkpath(path) && root.write(unitPath + "/keep", "x");
}

QString infoText(QWidget* dialog)
{
    return dialog->findChild<QLabel*>("labelInfotext")->text();
}

}

class TestHostileFiles : public QObject
{
    Q_OBJECT
private slots:
    void typedValuesAsTheLibraryReadsThem_data();
    void typedValuesAsTheLibraryReadsThem();
    void storedEntries_data();
    void storedEntries();
    void linkInsideTheRootIsRead();
    void storedSounds_data();
    void storedSounds();
    void undecodableSound_data();
    void undecodableSound();
    void failureReportedTwice_data() { undecodableSound_data(); }
    void failureReportedTwice();
    void settingsWithATypedValue_data();
    void settingsWithATypedValue();
    void earlierBadSettingsNotAFileStays();
    void linksAreRemovedNotFollowed();
    void measurementFolderBehindALink();
    void writesNeverFollowALink();
    void appendedLogsRefuseAFifo();
    void languageFileReadOnce();
    void noDeviceRootReachesNothing();
};

// The check against the library itself: a row the library decodes to
// anything but text or bytes must be refused, a row it reads as text or
// bytes must pass.
void TestHostileFiles::typedValuesAsTheLibraryReadsThem_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("typed");
    const QByteArray v = "@Rect(1 2 3 4)";
    QTest::newRow("later element of a list") << "X=1, " + v << true;
    QTest::newRow("the library's own text and bytes") << QByteArray("X=@String(a\\0b)\nY=1, @ByteArray(c)") << false;
    QTest::newRow("date") << QByteArray("X=@DateTime(\\0)") << true;
    QTest::newRow("text beginning with @") << QByteArray("[a]\nX=@@Variant(x)\nY=\"@@ByteArray(a)\"") << false;
    QTest::newRow("mark at the value") << kMark + "X=" + kMark + v << true;
    QTest::newRow("mark in quotes") << kMark + "X=\"" + kMark + v + "\"" << true;
    QTest::newRow("mark on a list element") << kMark + "X=1, " + kMark + v << true;
    QTest::newRow("mark after a dropped escape") << kMark + "X=\\z" + kMark + v << true;
    QTest::newRow("mark after an empty hex escape") << kMark + "X=\\x" + kMark + v << true;
    QTest::newRow("mark, CR line ends") << kMark + "[a]\rB=2\rX=" + kMark + v + "\r" << true;
    QTest::newRow("mark inside the text") << kMark + "X=a" + kMark + v << false;
    QTest::newRow("mark in a file without one") << "X=" + kMark + v << false;
    QTest::newRow("mark, texts only") << kMark + "[a]\nX=" + kMark + "Hydrant 3\nY=\"1, 2\"" << false;
}

void TestHostileFiles::typedValuesAsTheLibraryReadsThem()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, typed);
    QTemporaryDir dir;
    QVERIFY(DeviceTree::writeText(dir.path(), "/x.ini", ini));
    const QSettings library(dir.path() + "/x.ini", QSettings::IniFormat);
    bool decoded = false;
    for (const QString& key : library.allKeys()) {
        const QVariant value = library.value(key);
        const QVariantList items = value.type() == QVariant::List ? value.toList() : QVariantList{value};
        for (const QVariant& item : items)
            decoded = decoded || (item.type() != QVariant::String && item.type() != QVariant::ByteArray);
    }
    QCOMPARE(decoded, typed);
    QCOMPARE(!IniFile::typedValue(ini).isEmpty(), typed);
}

void TestHostileFiles::storedEntries_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("widget");
    QTest::addColumn<QString>("hostile");  // "typed <section>", or a kind of putHostile()
    const struct {
        const char* prefix;
        int widget;
        QStringList sections;  // read by the type's stored view
    } types[] = {{"LE", 1, {"Levels", "FFT", "Filter"}}, {"PP", 3, {"Levels", "GPS-Positions"}},
                 {"PL", 8, {"Levels", "Filter"}}, {"H2", 6, {"Levels_CSV", "Gains"}}, {"LT", 9, {"Levels_CSV", "Filter"}}};
    for (const auto& t : types) {
        for (const QString& h : QStringList{"Measurementinfo", "Other"} + t.sections)
            QTest::addRow("%s typed %s", t.prefix, qPrintable(h)) << t.prefix << t.widget << "typed " + h;
        QTest::addRow("%s typed behind a mark", t.prefix) << t.prefix << t.widget << "marked " + t.sections.first();
        for (const char* kind : {"fifo", "device", "outside", "sibling", "directory", "empty"})
            QTest::addRow("%s %s", t.prefix, kind) << t.prefix << t.widget << kind;
    }
}

// Listed, "cannot be opened" in the browser, opened straight it shows
// nothing, not renamed, deleted; whatever it pointed to stays.
void TestHostileFiles::storedEntries()
{
    QFETCH(QString, prefix);
    QFETCH(int, widget);
    QFETCH(QString, hostile);
    TestUnit unit;
    const QString dir = prefix + "_20160412_093015_hostile";
    const QString info = "/media/vq4100/meas/" + dir + "/info.ini";
    std::unique_ptr<Fifo> fifo;
    if (hostile.startsWith("typed"))
        QVERIFY(unit.root.write(info, kInfo + "[" + hostile.mid(6).toLatin1() + "]\nA=1\n" + kTyped));
    else if (hostile.startsWith("marked"))
        QVERIFY(unit.root.write(info, kMark + kInfo + "[" + hostile.mid(7).toLatin1() + "]\nA=1\n"
                                          + QByteArray(kTyped).insert(2, kMark)));
    else
        QVERIFY(putHostile(unit.root, info, hostile, &fifo));
    // Read here only when reading it cannot block this test.
    const auto contents = [&] { return fifo || hostile == "device" ? QByteArray() : unit.root.read(info); };
    const QByteArray before = contents();

    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    w->displayWidget(7, 1, 0);
    auto* table = w->getInstanceMeasManagement()->findChild<QTableWidget*>("tableMeasurements");
    QCOMPARE(table->rowCount(), 1);
    QStringList shown;
    {
        ModalCloser closer([&shown](QWidget* d) { shown << infoText(d); });
        QTest::keyClick(table, Qt::Key_Space);
    }
    QCOMPARE(shown, QStringList(QCoreApplication::translate("MeasManagement", "TheMeasurementCannotBeOpened")));
    QCOMPARE(w->currentWidgetNumber(), 7);
    unit.openStoredView(widget, dir);
    QCOMPARE(w->currentWidgetNumber(), widget);
    QVERIFY(!unit.currentPage()->findChild<QLabel*>("labelStoredMeasurement")
            || unit.currentPage()->findChild<QLabel*>("labelStoredMeasurement")->text().isEmpty());

    QCOMPARE(StoredMeasurement::rename(dir, "other").outcome, StoredMeasurement::Result::Failed);
    QCOMPARE(contents(), before);
    QCOMPARE(StoredMeasurement::remove(dir).outcome, StoredMeasurement::Result::Done);
    QVERIFY(!QFileInfo::exists(StoredEntries::path(unit.root, dir)));
    QVERIFY(hostile != "outside" || DeviceTree::readText(pc(), "/file") == kInfo);
    QVERIFY(hostile != "sibling" || (DeviceTree::readText(unit.root.root() + "x", "/file") == kInfo
                                     && QDir(unit.root.root() + "x").removeRecursively()));
    QCOMPARE(fifo ? fifo->released() : 0, 0);
}

// A link inside the device root is read like the file it leads to.
void TestHostileFiles::linkInsideTheRootIsRead()
{
    TestUnit unit;
    const QString dir = "LE_20160412_093015_x";
    QVERIFY(unit.root.write("/home/root/kept.ini", kInfo));
    QVERIFY(QDir().mkpath(StoredEntries::path(unit.root, dir)));
    QVERIFY(QFile::link(unit.root.path("/home/root/kept.ini"), StoredEntries::path(unit.root, dir + "/info.ini")));
    QString error;
    const auto info = Measurements::openInfo(dir, &error);
    QVERIFY2(info, qPrintable(error));
    QCOMPARE(info->value("Measurementinfo/Measurementname").toString(), QString("hostile"));

    // A rename would put a file in the link's place: refused, the link as it was.
    QCOMPARE(StoredMeasurement::rename(dir, "other").outcome, StoredMeasurement::Result::Failed);
    const QFileInfo link(StoredEntries::path(unit.root, dir + "/info.ini"));
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), unit.root.path("/home/root/kept.ini"));
    QCOMPARE(unit.root.read("/home/root/kept.ini"), kInfo);
}

void TestHostileFiles::storedSounds_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("widget");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("hostile");
    for (const char* kind : {"fifo", "device", "outside", "directory"}) {
        QTest::addRow("LE %s", kind) << "LE" << 1 << "LE_sound.wav" << kind;
        QTest::addRow("PP %s", kind) << "PP" << 3 << "PP_Sound_1.wav" << kind;
    }
}

// Play says it cannot, and the recording thread goes on answering.
void TestHostileFiles::storedSounds()
{
    QFETCH(QString, prefix);
    QFETCH(int, widget);
    QFETCH(QString, sound);
    QFETCH(QString, hostile);
    TestUnit unit;
    const QString dir = prefix + "_20160412_093015_hostile";
    QVERIFY(unit.root.write("/media/vq4100/meas/" + dir + "/info.ini", kInfo));
    std::unique_ptr<Fifo> fifo;
    QVERIFY(putHostile(unit.root, "/media/vq4100/meas/" + dir + "/" + sound, hostile, &fifo));
    unit.start();
    unit.openStoredView(widget, dir);
    QStringList shown;
    {
        ModalCloser closer([&shown](QWidget* d) { shown << infoText(d); });
        click(unit.currentPage(), "butMenuStoredPlay");
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringList(Measurements::cannotPlayText()), 1000);
    }
    const auto answered = std::make_shared<std::atomic<bool>>(false);
    QMetaObject::invokeMethod(Audioworker()->recorder(), [answered] { *answered = true; }, Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(*answered, 3000);
    QCOMPARE(fifo ? fifo->released() : 0, 0);
}

void TestHostileFiles::undecodableSound_data()
{
    QTest::addColumn<int>("widget");
    QTest::addColumn<QString>("sound");
    QTest::addRow("LE") << 1 << "LE_sound.wav";
    QTest::addRow("PP") << 3 << "PP_Sound_1.wav";
}

// A WAV file that passes the check before playing, but whose sound the
// player cannot decode (a sample rate of 0): told as a refused file, once
// for each Play, and left as Stop leaves a good one.
void TestHostileFiles::undecodableSound()
{
    QFETCH(int, widget);
    QFETCH(QString, sound);
    TestUnit unit;
    MainMenu* w = unit.start();
    const QString prefix = sound.left(2);
    WavFormat undecodable;
    undecodable.sampleRate = 0;
    for (const QString name : {"good", "bad"}) {
        const QString dir = "/media/vq4100/meas/" + prefix + "_20160412_093015_" + name + "/";
        QVERIFY(unit.root.write(dir + "info.ini", kInfo));
        const WavFormat format = name == "good" ? WavFormat() : undecodable;
        QVERIFY(unit.root.write(dir + sound, WavWriter::header(format, 36 + 32000, 32000) + QByteArray(32000, '\0')));
    }
    // The path, the mute line, the symbol under the point, the player.
    const auto state = [&unit, w] {
        QWidget* page = unit.currentPage();
        auto* symbol = page->findChild<QLabel*>("labelSymbol");
        auto* level = qobject_cast<Levelmeasurement*>(page);
        return QStringList{w->isAudioPathMuted() ? "muted" : "open", unit.root.gpioValue(17),
                           symbol ? symbol->styleSheet() : "-",
                           level && level->player() ? QString::number(level->player()->state()) : "-"};
    };
    unit.openStoredView(widget, prefix + "_20160412_093015_good");
    click(unit.currentPage(), "butMenuStoredPlay");
    QCOMPARE(state().value(0), QString("open"));
    click(unit.currentPage(), "butMenuStoredStop");
    const QStringList stopped = state();

    unit.openStoredView(widget, prefix + "_20160412_093015_bad");
    QStringList shown;
    ModalCloser closer([&shown](QWidget* d) { shown << infoText(d); });
    LogCapture log;
    for (int play = 1; play <= 2; ++play) {
        click(unit.currentPage(), "butMenuStoredPlay");
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), play, 5000);
        // Nothing more comes of the same failure.
        QTest::qWait(300);
        QCOMPARE(shown.size(), play);
        QCOMPARE(state(), stopped);
    }
    QCOMPARE(shown, QStringList({Measurements::cannotPlayText(), Measurements::cannotPlayText()}));
    QCOMPARE(log.lines().filter(QRegularExpression("Recording not played: .*_bad/" + sound)).size(), 2);
}

// A player may report one failure more than once (a decoder's error, then
// the sink's): the operator is told once for the Play, also when the second
// report comes after the message was closed.
void TestHostileFiles::failureReportedTwice()
{
    QFETCH(int, widget);
    QFETCH(QString, sound);
    TestUnit unit;
    unit.start();
    const QString dir = sound.left(2) + "_20160412_093015_bad";
    WavFormat undecodable;
    undecodable.sampleRate = 0;
    QVERIFY(unit.root.write("/media/vq4100/meas/" + dir + "/info.ini", kInfo));
    QVERIFY(unit.root.write("/media/vq4100/meas/" + dir + "/" + sound,
                            WavWriter::header(undecodable, 36 + 32000, 32000) + QByteArray(32000, '\0')));
    unit.openStoredView(widget, dir);
    QSignalSpy recorderReports(Audioworker(), &AudioWorker::playbackFailed);
    LogCapture log;
    QStringList shown;
    ModalCloser closer([&shown](QWidget* d) { shown << infoText(d); });
    click(unit.currentPage(), "butMenuStoredPlay");
    QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 5000);
    QTRY_VERIFY(!QApplication::activeModalWidget());

    if (auto* level = qobject_cast<Levelmeasurement*>(unit.currentPage())) {
        QVERIFY(level->player());
        emit level->player()->error(QMediaPlayer::ResourceError);
    } else {
        QCOMPARE(recorderReports.size(), 1);
        const QList<QVariant> first = recorderReports.first();
        BackgroundRecording* recorder = Audioworker()->recorder();
        QMetaObject::invokeMethod(recorder, [recorder, first] {
            emit recorder->playbackFailed(first.value(0).toString(), first.value(1).toString());
        });
        QTRY_COMPARE(recorderReports.size(), 2);
    }
    QTRY_COMPARE(log.count("Recording not played: "), 2);
    QTest::qWait(300);
    QCOMPARE(shown, QStringList(Measurements::cannotPlayText()));
}

void TestHostileFiles::settingsWithATypedValue_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("plain") << "[Systemsettings]\nBrightness=7\n" + kTyped;
    QTest::newRow("behind a mark") << kMark + "[Systemsettings]\nBrightness=7\n" + QByteArray(kTyped).insert(2, kMark);
}

void TestHostileFiles::settingsWithATypedValue()
{
    QFETCH(QByteArray, bad);
    TestUnit unit;
    QVERIFY(unit.root.write(Systemsettings::kSettingsFile, bad));
    MainMenu* w = unit.start();
    QCOMPARE(w->getInstanceSystemsettings()->getBrightness(), SettingsStore::kDefaultBrightness);
    QCOMPARE(unit.root.read(QString(Systemsettings::kSettingsFile) + ".bad"), bad);
    QVERIFY(unit.root.read(Systemsettings::kSettingsFile).contains("Brightness=6"));
}

// Whatever else holds the name of the file kept aside (a folder, a link to
// a file outside) stays as it is; the file goes to the next name.
void TestHostileFiles::earlierBadSettingsNotAFileStays()
{
    TestUnit unit;
    const QString aside = QString(Systemsettings::kSettingsFile) + ".bad";
    QTemporaryDir outside;
    QVERIFY(DeviceTree::writeText(outside.path(), "/bad.ini", "keep"));
    QVERIFY(unit.root.write(aside + "/keep", "x"));
    QVERIFY(QFile::link(outside.path() + "/bad.ini", unit.root.path(aside + ".2")));
    const QByteArray bad = "[Systemsettings]\nBrightness=7\n" + kTyped;
    QVERIFY(unit.root.write(Systemsettings::kSettingsFile, bad));
    MainMenu* w = unit.start();
    QCOMPARE(unit.root.read(aside + "/keep"), QByteArray("x"));
    QVERIFY(QFileInfo(unit.root.path(aside + ".2")).isSymLink());
    QCOMPARE(DeviceTree::readText(outside.path(), "/bad.ini"), QByteArray("keep"));
    QCOMPARE(unit.root.read(aside + ".3"), bad);
    QCOMPARE(w->getInstanceSystemsettings()->getBrightness(), SettingsStore::kDefaultBrightness);
    QVERIFY(unit.root.read(Systemsettings::kSettingsFile).contains("Brightness=6"));
}

// A link a PC left in the place of a save's leftover is not the program's
// and stays; one in the place of the pressure screen's folder goes. Neither
// target is touched.
void TestHostileFiles::linksAreRemovedNotFollowed()
{
    TestUnit unit;
    QVERIFY(unit.root.write("/home/root/outside/keep", "x"));
    QVERIFY(QDir().mkpath(StoredEntries::path(unit.root)));
    const QString outside = unit.root.path("/home/root/outside");
    QVERIFY(QFile::link(outside, StoredEntries::path(unit.root, ".saving-1-1")));
    QCOMPARE(MeasurementEntry::removeLeftovers(), 0);
    QCOMPARE(QFileInfo(StoredEntries::path(unit.root, ".saving-1-1")).symLinkTarget(), outside);
    QCOMPARE(unit.root.read("/home/root/outside/keep"), QByteArray("x"));

    const QString temp = unit.root.path("/media/vq4100/temp");
    QVERIFY(!QFileInfo::exists(temp) || QDir(temp).removeRecursively());
    QVERIFY(unit.root.write("/home/root/outside/pressureHighRes.txt", "keep"));
    QVERIFY(QFile::link(outside, temp));
    unit.start()->displayWidget(11, 1, 0);
    QVERIFY(QFileInfo(temp).isDir() && !QFileInfo(temp).isSymLink());
    QCOMPARE(unit.root.read("/home/root/outside/keep"), QByteArray("x"));
    QCOMPARE(unit.root.read("/home/root/outside/pressureHighRes.txt"), QByteArray("keep"));
}

// The measurement folder itself a link out of the device: neither the
// start's clean-up, nor a delete, a rename or a save touch what it leads to.
void TestHostileFiles::measurementFolderBehindALink()
{
    TestUnit unit;
    const QString entry = "LE_20160412_093015_x";
    QTemporaryDir outside;
    QVERIFY(DeviceTree::writeText(outside.path(), "/.saving-1-1/info.ini", kInfo));
    QVERIFY(DeviceTree::writeText(outside.path(), "/" + entry + "/info.ini", kInfo));
    const auto before = treeOf(outside.path());
    const QString meas = StoredEntries::path(unit.root);
    QVERIFY(QDir(meas).removeRecursively() && QFile::link(outside.path(), meas.chopped(1)));

    unit.start();
    QCOMPARE(StoredMeasurement::remove(entry).outcome, StoredMeasurement::Result::Failed);
    QCOMPARE(StoredMeasurement::rename(entry, "y").outcome, StoredMeasurement::Result::Failed);
    MeasInfoStructure data;
    QVERIFY(MeasurementData()->store(Measurements::Levelmeasurement, "z", data).failed());
    QCOMPARE(treeOf(outside.path()), before);
}

// The traffic log, a screenshot and the system information, each a link to
// a file out of the device, or in a folder that is one: nothing is written
// there, cut back or made.
void TestHostileFiles::writesNeverFollowALink()
{
    TestUnit unit;
    QTemporaryDir outside;
    QVERIFY(DeviceTree::writeText(outside.path(), "/bt.txt", QByteArray(BluetoothTrafficLog::kMaxBytes + 100, 'x')));
    QVERIFY(DeviceTree::writeText(outside.path(), "/info.txt", "keep"));
    QVERIFY(QFile::link(outside.path() + "/bt.txt", unit.root.path(BluetoothTrafficLog::kPath)));
    QVERIFY(QFile::link(outside.path() + "/info.txt", unit.root.path("/media/vq4100/systemInfo.txt")));
    const QString shots = unit.root.path(FavouriteButton::kScreenshotDir);
    QVERIFY(QDir().mkpath(shots) && QFile::link(outside.path() + "/pic.png", shots + "pic_000.png"));
    const auto before = treeOf(outside.path());

    MainMenu* w = unit.start();
    PopupCloser popups;
    BluetoothTrafficLog::append("hh:mm:ss", "TX x\n");
    w->writeSystemInfo("x");
    FavouriteButton* fav = w->getFavouriteButtonInsance();
    fav->generateScreenshot();
    // The name the link holds is passed over.
    QCOMPARE(QImage(shots + "pic_001.png").size(), QSize(480, 272));
    QCOMPARE(treeOf(outside.path()), before);

    // The screenshot folder a link: refused, said so.
    QVERIFY(QDir(shots).removeRecursively() && QFile::link(outside.path(), shots.chopped(1)));
    QStringList shown;
    {
        ModalCloser closer([&shown](QWidget* d) { shown << infoText(d); });
        fav->generateScreenshot();
    }
    QCOMPARE(shown, QStringList("The screenshot could not be stored."));
    QCOMPARE(treeOf(outside.path()), before);
}

// The traffic log and the system information a FIFO: nothing goes into it
// (a reader held open keeps what a write would leave there).
void TestHostileFiles::appendedLogsRefuseAFifo()
{
    TestUnit unit;
    QList<int> readers;
    for (const QString& log : {QString(BluetoothTrafficLog::kPath), QString("/media/vq4100/systemInfo.txt")}) {
        const QByteArray path = QFile::encodeName(unit.root.path(log));
        QCOMPARE(::mkfifo(path.constData(), 0644), 0);
        readers << ::open(path.constData(), O_RDONLY | O_NONBLOCK);
    }
    MainMenu* w = unit.start();
    BluetoothTrafficLog::append("hh:mm:ss", "TX x\n");
    w->writeSystemInfo("x");
    for (const int fd : readers) {
        char byte;
        QCOMPARE(::read(fd, &byte, 1), ssize_t(0));
        ::close(fd);
    }
}

// A language file on the mass storage is read under its own name only: a
// file beside it named with one more ".qm" (here a link out of the device)
// is never loaded.
void TestHostileFiles::languageFileReadOnce()
{
    TestUnit unit;
    unit.setSetting("Local-Settings/Language", 2);
    QVERIFY(QmFile::write(unit.root.path("/media/vq4100/DE_VQ4100.qm"), {{"MainMenu", "Longterm", "Langzeit"}}));
    QTemporaryDir outside;
    QVERIFY(QmFile::write(outside.path() + "/other.qm", {{"MainMenu", "Longterm", "Outside"}}));
    QVERIFY(QFile::link(outside.path() + "/other.qm", unit.root.path("/media/vq4100/DE_VQ4100.qm.qm")));
    unit.start();
    QCOMPARE(QCoreApplication::translate("MainMenu", "Longterm"), QString("Langzeit"));
}

void TestHostileFiles::noDeviceRootReachesNothing()
{
    // Unit paths here lead into a scratch folder of the PC.
    QTemporaryDir host;
    QVERIFY(QDir().mkpath(host.path() + "/pc"));
    const QByteArray saved = qgetenv("DEVICE_ROOT");
    for (const QString& root : {QString(), QString("/"), host.path() + "/missing", host.path() + "/pc"}) {
        qputenv("DEVICE_ROOT", QFile::encodeName(root));
        LogCapture log;
        QVERIFY(!QDir().mkpath(DeviceLayer::path(host.path() + "/made")));
        QVERIFY(!QFile(DeviceLayer::path(host.path() + "/file")).open(QIODevice::WriteOnly));
        QCOMPARE(QDir(host.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList("pc"));
        QVERIFY(log.count("No device root") <= 1);
    }
    qputenv("DEVICE_ROOT", saved);
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
