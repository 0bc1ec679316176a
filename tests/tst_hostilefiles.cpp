// Files a PC may leave on the data partition: typed values the settings
// library would decode at any cost, FIFOs, links to devices and out of the
// device, directories in place of files. None may stop the program or a
// thread of it, and nothing outside is touched.
#include "Audio/audioworker.h"
#include "Hardware/devicelayer.h"
#include "Management/measmanagement.h"
#include "Management/storedmeasurement.h"
#include "Management/systemsettings.h"
#include "Tools/measuremententry.h"
#include "Tools/measurements.h"
#include "clickbutton.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "storedentries.h"
#include "testunit.h"

#include <QLabel>
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
// one), "outside" (a link to a file out of the device root), "directory".
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
    void storedEntries_data();
    void storedEntries();
    void storedSounds_data();
    void storedSounds();
    void settingsWithATypedValue();
    void linksAreRemovedNotFollowed();
    void noDeviceRootReachesNothing();
};

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
        for (const char* kind : {"fifo", "device", "outside", "directory"})
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
    QCOMPARE(fifo ? fifo->released() : 0, 0);
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

void TestHostileFiles::settingsWithATypedValue()
{
    TestUnit unit;
    const QByteArray bad = "[Systemsettings]\nBrightness=7\n" + kTyped;
    QVERIFY(unit.root.write(Systemsettings::kSettingsFile, bad));
    MainMenu* w = unit.start();
    QCOMPARE(w->getInstanceSystemsettings()->getBrightness(), SettingsStore::kDefaultBrightness);
    QCOMPARE(unit.root.read(QString(Systemsettings::kSettingsFile) + ".bad"), bad);
    QVERIFY(unit.root.read(Systemsettings::kSettingsFile).contains("Brightness=6"));
}

// A leftover of a save and the pressure screen's folder, each a link a PC
// left: the link goes, its target stays.
void TestHostileFiles::linksAreRemovedNotFollowed()
{
    TestUnit unit;
    QVERIFY(unit.root.write("/home/root/outside/keep", "x"));
    QVERIFY(QDir().mkpath(StoredEntries::path(unit.root)));
    const QString outside = unit.root.path("/home/root/outside");
    QVERIFY(QFile::link(outside, StoredEntries::path(unit.root, ".saving-1-1")));
    QCOMPARE(MeasurementEntry::removeLeftovers(), 1);
    QVERIFY(!QFileInfo(StoredEntries::path(unit.root, ".saving-1-1")).isSymLink());

    const QString temp = unit.root.path("/media/vq4100/temp");
    QVERIFY(!QFileInfo::exists(temp) || QDir(temp).removeRecursively());
    QVERIFY(unit.root.write("/home/root/outside/pressureHighRes.txt", "keep"));
    QVERIFY(QFile::link(outside, temp));
    unit.start()->displayWidget(11, 1, 0);
    QVERIFY(QFileInfo(temp).isDir() && !QFileInfo(temp).isSymLink());
    QCOMPARE(unit.root.read("/home/root/outside/keep"), QByteArray("x"));
    QCOMPARE(unit.root.read("/home/root/outside/pressureHighRes.txt"), QByteArray("keep"));
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
