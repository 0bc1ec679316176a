// Every writer of the program and of the simulated device, with a folder of
// the device tree turned into a link to a folder of the PC: nothing there is
// written, removed or changed. And appended logs that are a second name of
// a file elsewhere are left alone.
#include "Audio/analoginputworker.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetoothtrafficlog.h"
#include "Hardware/commandrunner.h"
#include "Hardware/devicelayer.h"
#include "Hardware/pathguard.h"
#include "Mainmenu/pinpointing.h"
#include "Mainmenu/pressurefiles.h"
#include "Management/firmwarefiles.h"
#include "Tools/favouritebutton.h"
#include "Tools/filecopythread.h"
#include "Tools/virtualkeyboard.h"
#include "bluetoothsim.h"
#include "filetree.h"
#include "gnsssim.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "popupcloser.h"
#include "recorderfeed.h"
#include "signalgenerator.h"
#include "storedentries.h"
#include "testunit.h"

#include <QPushButton>
#include <QtTest>

#include <iterator>
#include <unistd.h>

namespace {

const FirmwareFiles::File kFirmware{FirmwareFiles::Kind::Unit, "FW_VQA4100_2.vq4", "2", 1000};

// What each writer would find in place: a writer that follows a link
// changes or removes one of these outside.
bool putBaits(const TestRoot& root)
{
    bool ok = true;
    for (const char* unitPath :
         {"/home/root/meas/wav_temp/PP_Sound_1.wav", "/home/root/meas/wav_temp/PP_Sound_10.wav",
          "/home/root/firmware/FW_VQA4100_1.vq4", "/home/root/.config/pulse/a.tmp", "/var/lib/alsa/asound.state",
          "/var/log/commands.log", "/var/log/bt-sim.log", "/media/ramdisk/runmode",
          "/media/vq4100/screenshots/pic_000.png", "/media/vq4100/temp/pressureHighRes.txt",
          "/media/vq4100/btInfo.txt", "/media/vq4100/systemInfo.txt", "/var/lib/sim/bt/triggers", "/bin/df"})
        ok = root.write(unitPath, "bait\n") && ok;
    return ok && StoredEntries::add(root, "PP_20160101_000000_x") && StoredEntries::add(root, ".saving-1-1")
           && root.write(FirmwareFiles::sourcePath(kFirmware), QByteArray(int(kFirmware.size), 'f'));
}

// The logs the program and the simulated device append to, and one write
// of each; saysWhy: the program's log names the refusal.
struct AppendedLog {
    const char* unitPath;
    void (*write)(MainMenu*);
    bool saysWhy;
};
const AppendedLog kAppendedLogs[] = {
    {BluetoothTrafficLog::kPath, [](MainMenu*) { BluetoothTrafficLog::append("hh:mm:ss", "H->M BT_TX S\n"); }, true},
    {"/media/vq4100/systemInfo.txt", [](MainMenu* w) { w->writeSystemInfo("x"); }, true},
    {"/var/log/commands.log", [](MainMenu*) { CommandRunner::execute("sync"); }, true},
    {"/var/log/bt-sim.log",
     [](MainMenu*) {
         BluetoothSim bluetooth;
         if (bluetooth.start(DeviceLayer::root()))
             bluetooth.stop();
     },
     false},
};

// The writers that left no trace of their work below the root.
QStringList writersNotSeen(const TestRoot& root)
{
    const QString temp = "/home/root/meas/wav_temp/";
    const QList<QPair<const char*, bool>> seen{
        {"points", root.read(temp + "PP_Sound_10.wav").size() == 3244 && root.exists(temp + "PP_Sound_1.wav")},
        {"save", QDir(StoredEntries::path(root)).entryList({"PP_*_Hydrant 3"}, QDir::Dirs).size() == 1},
        {"pressure save", QDir(StoredEntries::path(root)).entryList({"PS_*_x"}, QDir::Dirs).size() == 1},
        {"screenshot", root.exists("/media/vq4100/screenshots/pic_001.png")},
        {"staging", !root.exists("/home/root/firmware/FW_VQA4100_1.vq4") && !root.exists("/media/ramdisk/runmode")},
        {"mixer state", root.read("/var/lib/alsa/asound.state") != "bait\n"},
        {"sound server", !root.exists("/home/root/.config/pulse/a.tmp")},
        {"commands", root.commands().contains("date -s 2016-04-12 09:30:15")},
        {"traffic log", root.read(BluetoothTrafficLog::kPath).endsWith("H->M BT_TX S\n")},
        {"system information", root.read("/media/vq4100/systemInfo.txt").contains("System started.")},
        {"simulation", root.read("/var/log/bt-sim.log").contains("started") && root.read("/var/log/gps-sim.log").contains("started")},
        {"trigger", root.read("/var/lib/sim/bt/triggers").endsWith("mute\n")}};
    QStringList missing;
    for (const auto& [writer, ok] : seen)
        if (!ok)
            missing << writer;
    return missing;
}

// Listens at a pinpointing point and closes it, which stores its sound.
void takePoint(Pinpointing* pp, SignalGenerator& adc, int point)
{
    pp->muteAudioPath(false, true);
    feedRecorder(Audioworker(), QByteArray(3200, char(point)));
    Analoginputworker()->analyseBlock(adc.generatePcm16(AnalogInputWorker::kSamples));
    QMetaObject::invokeMethod(pp, "updateLevel");
    pp->muteAudioPath(true, true);
}

// The simulated device's writers: its tree made again, the peers' logs,
// the state a command leaves for them.
void runTheSimulation(const QString& root)
{
    DeviceTree::create(root);
    BluetoothSim bluetooth;
    if (bluetooth.start(root))
        bluetooth.stop();
    GnssSim gps;
    if (gps.start(root))
        gps.stop();
    BluetoothSim::queueTrigger(root, "mute");
    SignalParams().save(root);
}

// A day on the unit: the start (board commands and their log, the mixer
// state, the sound server's temp files, the mount point, the system
// information), eleven pinpointing points (the first sound deleted, the
// others renamed as the series moves on), their save, a screenshot, the
// pressure screen's files and their save, a firmware staging, the traffic
// log.
void runTheProgram(TestUnit& unit)
{
    ModalCloser closer([](QWidget* dialog) {
        if (auto* keyboard = qobject_cast<VirtualKeyboard*>(dialog)) {
            keyboard->setText("Hydrant 3");
            keyboard->accept();
        }
    });
    PopupCloser popups;
    MainMenu* w = unit.start();
    unit.sink()->rfcomm = true;
    w->displayWidget(Screen::Pinpointing, Screen::LevelDown, Screen::Live);
    auto* pp = qobject_cast<Pinpointing*>(unit.currentPage());
    Analoginputworker()->stopCapture();
    SignalGenerator adc(7670);
    for (int point = 1; point <= 11; ++point)
        takePoint(pp, adc, point);
    pp->findChild<QPushButton*>("butMenuSave")->click();
    w->getFavouriteButtonInsance()->generateScreenshot();

    PressureData pressure;
    pressure.start();
    PressureFiles::makeTempDir();
    PressureFiles::appendBlock(pressure.add(10, QString("199 ").repeated(10)), pressure);
    PressureFiles::save("x", pressure.calibration(), 0, 0);
    PressureFiles::removeLive();

    // The copy also where the staging folder was refused: it must refuse too.
    FirmwareFiles::prepareStaging();
    if (FileCopyThread().copyFile(FirmwareFiles::sourcePath(kFirmware), FirmwareFiles::stagedPath(kFirmware)))
        FirmwareFiles::requestReboot(kFirmware);
    FirmwareFiles::discardStaging(kFirmware);

    CommandRunner::execute("date", {"-s", "2016-04-12 09:30:15"});
    BluetoothTrafficLog::remove();
    BluetoothTrafficLog::append("hh:mm:ss", "H->M BT_TX S\n");
    w->writeSystemInfo("x");
}

}

class TestWritersBehindTheGuard : public QObject
{
    Q_OBJECT
private slots:
    void folderBehindALink_data();
    void folderBehindALink();
    void appendedLogWithASecondName_data();
    void appendedLogWithASecondName();
    void partNameHeldByAnother();
};

void TestWritersBehindTheGuard::folderBehindALink_data()
{
    // refusal: what the log says of it ("": a writer that says nothing, or
    // a folder that is made anew in place of the link).
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("none, every writer seen at work") << "" << "";
    QTest::newRow("recordings") << "/home/root/meas/wav_temp" << "Cannot open file:";
    QTest::newRow("above the recordings") << "/home/root/meas" << "Cannot open file:";
    QTest::newRow("firmware staging") << "/home/root/firmware" << "Firmware: staging folder not made";
    QTest::newRow("sound server") << "/home/root/.config/pulse" << "pulseaudio tmp-File not removed";
    QTest::newRow("mixer state") << "/var/lib/alsa" << "asound.state not copied";
    QTest::newRow("logs") << "/var/log"
                          << "Command log not written: /var/log/commands.log lies behind the link /var/log - "
                             "date -s 2016-04-12 09:30:15";
    QTest::newRow("run mode") << "/media/ramdisk" << "Firmware: old reboot request not removed";
    QTest::newRow("data partition") << "/media/vq4100" << "Mount point not made";
    QTest::newRow("measurements") << "/media/vq4100/meas" << "Measurement not stored";
    QTest::newRow("screenshots") << "/media/vq4100/screenshots" << "Screenshot not written";
    QTest::newRow("pressure samples") << "/media/vq4100/temp" << "";
    QTest::newRow("simulation state") << "/var/lib/sim" << "";
    QTest::newRow("board commands") << "/bin" << "";
}

void TestWritersBehindTheGuard::folderBehindALink()
{
    QFETCH(QString, folder);
    QFETCH(QString, refusal);
    TestUnit unit;
    unit.setSetting("Debug/Debugfeatures", 1);
    QVERIFY(putBaits(unit.root));
    QTemporaryDir outside;
    const QString moved = outside.path() + "/moved";
    if (!folder.isEmpty())
        QVERIFY(QDir().rename(unit.root.path(folder), moved) && QFile::link(moved, unit.root.path(folder)));
    const auto before = treeOf(outside.path());

    LogCapture log;
    runTheSimulation(unit.root.root());
    runTheProgram(unit);
    QCOMPARE(treeOf(outside.path()), before);
    QVERIFY2(log.contains(refusal), qPrintable(refusal));
    if (folder.isEmpty()) {
        QCOMPARE(writersNotSeen(unit.root), QStringList());
        QVERIFY(log.contains("reboot requested"));
    }
}

void TestWritersBehindTheGuard::appendedLogWithASecondName_data()
{
    QTest::addColumn<int>("log");
    for (int i = 0; i < int(std::size(kAppendedLogs)); ++i)
        QTest::newRow(kAppendedLogs[i].unitPath) << i;
}

void TestWritersBehindTheGuard::appendedLogWithASecondName()
{
    QFETCH(int, log);
    const AppendedLog& appended = kAppendedLogs[log];
    TestUnit unit;
    unit.setSetting("Debug/Debugfeatures", 1);
    MainMenu* w = unit.start();
    // Beside the root, on the same file system, as a hard link needs.
    QTemporaryDir elsewhere(unit.root.root() + "-elsewhere-XXXXXX");
    const QString other = elsewhere.path() + "/other.txt";
    QVERIFY(DeviceTree::writeText(elsewhere.path(), "/other.txt", "keep\n"));
    QVERIFY(unit.root.remove(appended.unitPath) || !unit.root.exists(appended.unitPath));
    QCOMPARE(::link(QFile::encodeName(other).constData(),
                    QFile::encodeName(unit.root.path(appended.unitPath)).constData()),
             0);

    LogCapture captured;
    appended.write(w);
    QCOMPARE(DeviceTree::readText(elsewhere.path(), "/other.txt"), QByteArray("keep\n"));
    QVERIFY(!appended.saysWhy || captured.contains("(a hard link)"));
}

// A whole-file writer takes its part name from what a write cut off left (a
// regular file), never from a link or a folder a PC put there: those stay,
// and the write says why it did not happen.
void TestWritersBehindTheGuard::partNameHeldByAnother()
{
    TestRoot root;
    QTemporaryDir outside;
    QVERIFY(DeviceTree::writeText(outside.path(), "/keep.txt", "outside\n"));
    const QString dir = "/media/vq4100/";
    QVERIFY(root.write(dir + "folder.txt.part/keep", "kept\n") && root.write(dir + "cut.txt.part", "cut off"));
    QVERIFY(QFile::link(outside.path() + "/keep.txt", root.path(dir + "link.txt.part")));
    const auto before = treeOf(outside.path());

    const auto written = [&root, &dir](const char* name) {
        return PathGuard::writeWhole(root.path(dir + name), "new\n");
    };
    QCOMPARE(written("cut.txt").error, QString());
    QCOMPARE(root.read(dir + "cut.txt"), QByteArray("new\n"));
    QVERIFY(!root.exists(dir + "cut.txt.part"));
    for (const char* name : {"folder.txt", "link.txt"}) {
        const FileResult r = written(name);
        QVERIFY2(r.errnum == EEXIST, qPrintable(name + (": " + r.error)));
        QVERIFY(!root.exists(dir + name));
    }
    QCOMPARE(root.read(dir + "folder.txt.part/keep"), QByteArray("kept\n"));
    QVERIFY(QFileInfo(root.path(dir + "link.txt.part")).isSymLink());
    QCOMPARE(treeOf(outside.path()), before);
}

QTEST_MAIN(TestWritersBehindTheGuard)
#include "tst_writersbehindtheguard.moc"
