// GPIO lines, sysfs helpers, the device layer and the command runner.
#include "Hardware/commandrunner.h"
#include "Hardware/devicelayer.h"
#include "Hardware/driverhelper.h"
#include "Hardware/gpio.h"
#include "Hardware/gpiolines.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "testroot.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QFile>
#include <QtTest>

namespace {

// Every path below `dir`, links not followed.
QStringList tree(const QString& dir)
{
    QStringList paths;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

// Exit code of a built program run on `root`, its output in `text`.
int runTool(const QString& program, const QStringList& args, const QString& root,
            const QString& workDir = QString(), QString* text = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DEVICE_ROOT", root);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return -1;
    if (text)
        *text = p.readAllStandardOutput() + p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}

class TestBoardFiles : public QObject
{
    Q_OBJECT
private slots:
    void pathsAreMappedBelowTheRoot();
    void gpioFiles();
    void driverHelperFiles();
    void initStartOrderAndValues();
    void runnerLogsAndRunsStubsOnly();
    void relativeRootOutlivesAFolderChange();
    void onlyDevsimTreesAreRoots_data();
    void onlyDevsimTreesAreRoots();
    void devsimCreateOnAFullHome();
    void devsimArguments_data();
    void devsimArguments();
    void commandsRunToTheirEnd();
};

void TestBoardFiles::pathsAreMappedBelowTheRoot()
{
    TestRoot t;
    QCOMPARE(DeviceLayer::path("/home/root/settings.ini"), t.root() + "/home/root/settings.ini");
    QCOMPARE(DeviceLayer::path(":/Languages/GB_VQ4100.qm"), QString(":/Languages/GB_VQ4100.qm"));
    QCOMPARE(DeviceLayer::path("relative/file"), QString("relative/file"));
    // A unit path that begins like the root is a unit path all the same.
    QCOMPARE(DeviceLayer::path(t.root() + "/dev/ttyO2"), t.root() + t.root() + "/dev/ttyO2");
    QCOMPARE(DeviceLayer::unitPath(t.root() + "/dev/ttyO2"), QString("/dev/ttyO2"));
}

void TestBoardFiles::gpioFiles()
{
    TestRoot t;
    Gpio::setValue(GpioLine::AudioMute, 5);
    QCOMPARE(t.read("/sys/class/gpio/gpio17/value"), QByteArray("1"));
    Gpio::setValue(GpioLine::AudioMute, 0);
    QCOMPARE(t.read("/sys/class/gpio/gpio17/value"), QByteArray("0"));
    Gpio::setDirection(GpioLine::WiredSensor, 0);
    QCOMPARE(t.read("/sys/class/gpio/gpio48/direction"), QByteArray("in"));
    Gpio::setDirection(GpioLine::WiredSensor, 7);
    QCOMPARE(t.read("/sys/class/gpio/gpio48/direction"), QByteArray("out"));

    t.write("/sys/class/gpio/gpio48/value", "1\n");
    QVERIFY(Gpio::getValue(GpioLine::WiredSensor));
    t.write("/sys/class/gpio/gpio48/value", "0\n");
    QVERIFY(!Gpio::getValue(GpioLine::WiredSensor));
    QVERIFY(!Gpio::getValue(200));  // a line that is not there reads low
}

void TestBoardFiles::driverHelperFiles()
{
    TestRoot t;
    // A write never creates what sysfs would not have.
    QVERIFY(!DriverHelper::writeFile("/sys/class/gpio/gpio999/value", "1"));
    QVERIFY(!QDir(t.path("/sys/class/gpio/gpio999")).exists());
    QVERIFY(DriverHelper::writeFile("/sys/class/pwm/pwmchip1/export", 0));
    QCOMPARE(t.read("/sys/class/pwm/pwmchip1/export"), QByteArray("0"));

    const char* raw = "/sys/bus/iio/devices/iio:device0/in_voltage4_raw";
    t.write(raw, "2048\n");
    int v = -5;
    QVERIFY(DriverHelper::readFile(raw, v));
    QCOMPARE(v, 2048);
    // Not a number: the file opened, the value is left alone.
    t.write(raw, "abc");
    v = -5;
    QVERIFY(DriverHelper::readFile(raw, v));
    QCOMPARE(v, -5);
    QVERIFY(!DriverHelper::readFile("/no/such/file", v));

    char buf[4] = {'x', 'x', 'x', 'x'};
    QVERIFY(DriverHelper::readFile("/sys/class/gpio/gpio17/value", buf, 3));
    QCOMPARE(buf[0], '0');
    QCOMPARE(buf[3], 'x');  // no terminator added
}

void TestBoardFiles::initStartOrderAndValues()
{
    TestRoot t;
    DeviceLayer::WriteTrace trace;
    Gpio::init();

    auto in = [](int l) {
        return QStringList{QString("/sys/class/gpio/export=%1").arg(l),
                           QString("/sys/class/gpio/gpio%1/direction=in").arg(l)};
    };
    auto out = [](int l, int v, bool exp = true) {
        QStringList s;
        if (exp)
            s << QString("/sys/class/gpio/export=%1").arg(l);
        s << QString("/sys/class/gpio/gpio%1/direction=out").arg(l)
          << QString("/sys/class/gpio/gpio%1/value=%2").arg(l).arg(v);
        return s;
    };
    QStringList expected;
    expected << in(57) << in(53) << out(58, 0) << out(49, 0) << in(59) << in(55)
             << out(114, 1) << out(96, 1) << out(54, 1) << in(48)
             << "/sys/class/pwm/pwmchip1/export=0"
             << out(113, 0, false) << out(65, 0) << out(50, 0) << out(17, 1)
             << out(115, 0) << out(16, 1);
    QCOMPARE(trace.entries(), expected);

    // And the files hold the start values.
    QCOMPARE(t.gpioValue(17), QByteArray("1"));
    QCOMPARE(t.gpioValue(65), QByteArray("0"));
    QCOMPARE(t.gpioDirection(48), QByteArray("in"));

    // The IDC777 pair's reset lines, inputs until then, are driven low.
    Gpio::initIdc777Rst();
    for (int line : {57, 53}) {
        QCOMPARE(t.gpioDirection(line), QByteArray("out"));
        QCOMPARE(t.gpioValue(line), QByteArray("0"));
    }
}

void TestBoardFiles::runnerLogsAndRunsStubsOnly()
{
    TestRoot t;
    // A stub answers; the host's own program is never run.
    DeviceTree::installStub(t.root(), "hwclock", "echo \"$DEVICE_ROOT $*\"; exit 3\n");
    const CommandRunner::Result r = CommandRunner::run("hwclock", {"-w"});
    QCOMPARE(r.exitCode, 3);
    QCOMPARE(r.output.trimmed(), (t.root() + " -w").toUtf8());

    // No stub: 127, and still logged. "true" exists on every PC; it must not run.
    QCOMPARE(CommandRunner::execute("true"), 127);
    QCOMPARE(CommandRunner::execute("mount", {"/dev/mmcblk0p3", "/media/vq4100"}), 0);
    const QStringList log = t.commands();
    QCOMPARE(log, QStringList({"hwclock -w", "true", "mount /dev/mmcblk0p3 /media/vq4100"}));

    // An absolute program is a file of the device.
    QCOMPARE(CommandRunner::execute("/home/root/hardwaretest.sh"), 127);
    t.write("/home/root/hardwaretest.sh", "#!/bin/sh\nexit 4\n");
    QFile::setPermissions(t.path("/home/root/hardwaretest.sh"),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QCOMPARE(CommandRunner::execute("/home/root/hardwaretest.sh"), 4);
}

void TestBoardFiles::relativeRootOutlivesAFolderChange()
{
    // DEVICE_ROOT=device vq4100: the power-down makes /home/root the working
    // folder and then still has to find the device's umount and poweroff.
    TestRoot t;
    const QString saved = QDir::currentPath();
    struct Restore {
        QString dir;
        ~Restore() { QDir::setCurrent(dir); }
    } restore{saved};
    const QFileInfo rootInfo(t.root());
    QVERIFY(QDir::setCurrent(rootInfo.path()));
    qputenv("DEVICE_ROOT", QFile::encodeName(rootInfo.fileName()));
    auto same = [](const QString& a, const QString& b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };
    QVERIFY(QDir::isAbsolutePath(DeviceLayer::root()));
    QVERIFY(same(DeviceLayer::path("/home/root"), t.path("/home/root")));

    QVERIFY(QDir::setCurrent(DeviceLayer::path("/home/root")));
    QVERIFY(same(DeviceLayer::path("/home/root"), t.path("/home/root")));
    DeviceTree::installStub(t.root(), "poweroff", "exit 5\n");
    QCOMPARE(CommandRunner::execute("poweroff"), 5);
    QCOMPARE(t.commands(), QStringList{"poweroff"});
    QVERIFY(DriverHelper::writeFile("/sys/class/gpio/gpio17/value", "1"));
    QCOMPARE(t.gpioValue(17), QByteArray("1"));
}

void TestBoardFiles::onlyDevsimTreesAreRoots_data()
{
    // "@" stands for a scratch folder that holds a PC-like "bin" with a
    // "mount" in it, a plain "file" and "host", a link to "/".
    QTest::addColumn<QString>("root");
    QTest::newRow("not set") << "";
    QTest::newRow("host root") << "/";
    QTest::newRow("host root through ..") << "@/../../../../../../../../..";
    QTest::newRow("link to the host root") << "@/host";
    QTest::newRow("a folder of the PC") << "@/bin";
    QTest::newRow("missing") << "@/missing";
    QTest::newRow("a file") << "@/file";
}

void TestBoardFiles::onlyDevsimTreesAreRoots()
{
    QFETCH(QString, root);
    QTemporaryDir scratch;
    QVERIFY(QDir().mkpath(scratch.path() + "/bin"));
    QVERIFY(DeviceTree::writeText(scratch.path(), "/bin/mount", "#!/bin/sh\n"));
    QVERIFY(DeviceTree::writeText(scratch.path(), "/file", "x"));
    QVERIFY(QFile::link("/", scratch.path() + "/host"));
    root.replace('@', scratch.path());
    const QStringList before = tree(scratch.path());

    qputenv("DEVICE_ROOT", QFile::encodeName(root));
    QVERIFY(!DeviceLayer::isConfigured());
    QCOMPARE(CommandRunner::execute("true"), 127);
    const QString bin = QCoreApplication::applicationDirPath() + "/..";
    QCOMPARE(runTool(bin + "/vq4100", {}, root), 2);
    for (const QStringList& args : {QStringList{"serve", root}, {"bt", root, "mute"},
                                    {"signal", root, "--tone-hz", "500"}, {"sensor", root, "on"}})
        QCOMPARE(runTool(bin + "/tools/devsim-bin", args, root), 2);
    if (!root.endsWith("/missing"))
        QCOMPARE(runTool(bin + "/tools/devsim-bin", {"create", root}, root), 2);
    QCOMPARE(tree(scratch.path()), before);
    qunsetenv("DEVICE_ROOT");

    // What create made is a root, also after a refresh.
    TestRoot t;
    QVERIFY(DeviceLayer::isConfigured());
    QVERIFY(DeviceTree::create(t.root()));
    QVERIFY(DeviceLayer::isConfigured());
}

// Pairing on a /home without room: create says so and leaves no settings
// file cut off (a later start would take an empty one for no settings).
void TestBoardFiles::devsimCreateOnAFullHome()
{
    TestRoot t;
    QVERIFY(t.remove("/home/root/settings.ini") || !t.exists("/home/root/settings.ini"));
    QString text;
    int code = 0;
    {
        // Room for every file of the tree (the largest, the df stub, is
        // about 330 bytes) but not for a complete settings file.
        FullDisk full(1000);
        code = runTool(QCoreApplication::applicationDirPath() + "/../tools/devsim-bin",
                       {"create", t.root(), "--paired"}, t.root(), QString(), &text);
    }
    QVERIFY2(code == 1 && text.contains("cannot write " + t.path("/home/root/settings.ini")), qPrintable(text));
    QVERIFY(!t.exists("/home/root/settings.ini"));
}

void TestBoardFiles::devsimArguments_data()
{
    // Run in a scratch folder; "@" is a fresh path in it.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "usage: devsim create";
    QTest::newRow("create -h") << QStringList{"create", "-h"} << 0 << "usage: devsim create";
    QTest::newRow("no root") << QStringList{"create"} << 2 << "usage:";
    QTest::newRow("root like an option") << QStringList{"create", "--root"} << 2 << "usage:";
    QTest::newRow("unknown option") << QStringList{"create", "@", "--fast"} << 2 << "usage:";
    QTest::newRow("unknown command") << QStringList{"make", "@"} << 2 << "usage:";
}

void TestBoardFiles::devsimArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QTemporaryDir scratch;
    args.replaceInStrings("@", scratch.path() + "/device");
    QString text;
    QCOMPARE(runTool(QCoreApplication::applicationDirPath() + "/../tools/devsim-bin", args,
                     QString(), scratch.path(), &text),
             exitCode);
    QVERIFY2(text.contains(output), qPrintable(text));
    QCOMPARE(tree(scratch.path()), QStringList());
}

void TestBoardFiles::commandsRunToTheirEnd()
{
    // A board command is waited for, not killed: an fsck cut short leaves the
    // data partition half repaired. (A stub as slow as a real fsck would make
    // this test minutes long, so the wait is shown short.)
    TestRoot t;
    DeviceTree::installStub(t.root(), "fsck", "sleep 1; echo checked; exit 1\n");
    const CommandRunner::Result r = CommandRunner::run("fsck", {"-Mya", "/dev/mmcblk0p3"});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.output, QByteArray("checked\n"));

    // An explicit limit still ends a command that outlives it.
    DeviceTree::installStub(t.root(), "parted", "exec sleep 30\n");
    QCOMPARE(CommandRunner::execute("parted", {}, 200), -1);

    // A flood on both channels neither blocks the command nor fills memory:
    // the first part of each is kept, the cut logged.
    DeviceTree::installStub(t.root(), "df",
                            "head -c 300000 /dev/zero | tr '\\0' e >&2; "
                            "head -c 200000 /dev/zero | tr '\\0' o; echo; exit 4\n");
    LogCapture log;
    const CommandRunner::Result flood = CommandRunner::run("df", {"-Th"}, 10000);
    QCOMPARE(flood.exitCode, 4);
    QCOMPARE(flood.output, QByteArray(CommandRunner::kMaxOutputBytes, 'o'));
    QCOMPARE(flood.errorOutput, QByteArray(CommandRunner::kMaxOutputBytes, 'e'));
    QVERIFY(log.contains("bytes dropped"));
}

QTEST_GUILESS_MAIN(TestBoardFiles)
#include "tst_boardfiles.moc"
