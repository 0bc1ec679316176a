#include "devicetree.h"
#include "Hardware/deviceroot.h"
#include "Hardware/gpiolines.h"
#include "Hardware/pathguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace DeviceTree {

const QList<int>& gpioLines()
{
    using namespace GpioLine;
    static const QList<int> lines{Idc777SinkReset, Idc777SourceReset, Wt32Dtr, BluetoothAux,
                                  Wt32DataMode, Spare55, Spare114, Spare96, Spare54, WiredSensor,
                                  Spare113, ConsoleToUart, ConsoleSwitchLow, AudioMute, Led,
                                  GnssPower};
    return lines;
}

QString gpioValuePath(int line)
{
    return QString("/sys/class/gpio/gpio%1/value").arg(line);
}

namespace {

// Below the root given, which need not be the device root of this process:
// the root itself is made if need be, the folders below it only through the
// guard.
FileResult makeFolderOf(const QString& root, const QString& unitPath)
{
    if (!QDir().mkpath(root))
        return FileResult::fail("cannot make " + root);
    const QString folder = QFileInfo(unitPath).path();
    return folder == QLatin1String("/") ? FileResult::done() : PathGuard::makePath(root + folder);
}

// In place, as the kernel writes a sysfs file: a reader that keeps it open
// sees the new text.
bool putText(const QString& root, const QString& unitPath, const QByteArray& text, bool replace)
{
    const PathGuard::Below below(root);
    int fd = -1;
    if (!makeFolderOf(root, unitPath).ok() || !PathGuard::openForAppending(root + unitPath, &fd).ok())
        return false;
    if (replace && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return false;
    }
    return PathGuard::appendWhole(fd, text).ok();
}

bool putWhole(const QString& root, const QString& unitPath, const QByteArray& bytes, mode_t mode)
{
    const PathGuard::Below below(root);
    return makeFolderOf(root, unitPath).ok() && PathGuard::writeWhole(root + unitPath, bytes, mode).ok();
}

}

bool writeText(const QString& root, const QString& unitPath, const QByteArray& text)
{
    return putText(root, unitPath, text, true);
}

bool appendText(const QString& root, const QString& unitPath, const QByteArray& text)
{
    return putText(root, unitPath, text, false);
}

bool replaceFile(const QString& root, const QString& unitPath, const QByteArray& data)
{
    return putWhole(root, unitPath, data, 0644);
}

QByteArray readText(const QString& root, const QString& unitPath)
{
    QFile f(root + unitPath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool installStub(const QString& root, const QString& program, const QByteArray& body)
{
    return putWhole(root, "/bin/" + program, "#!/bin/sh\n" + body, 0755);
}

int strapAin4(Hardware hw) { return hw == Hardware::V1 ? 1200 : 2048; }
int strapAin5(Hardware) { return 1200; }

static QByteArray num(int v) { return QByteArray::number(v) + '\n'; }

// A folder create() may write into: a new or empty one, or a device tree
// it made before (also one from before the marker existed).
static QString refusal(const QString& root)
{
    if (root.isEmpty())
        return "no device root given";
    if (DeviceRoot::isHostRoot(root))
        return "refusing to build a device tree in the PC's own root " + root;
    const QFileInfo info(root);
    if (!info.exists())
        return QString();
    if (!info.isDir())
        return root + " is not a folder";
    if (QFileInfo(DeviceRoot::markerPath(root)).isFile()
        || QFileInfo(root + "/var/lib/sim/hardware").isFile()
        || QDir(root).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QString();
    return "refusing to build a device tree in " + root
           + ": it holds files but was not made by devsim create";
}

bool create(const QString& root, const Options& options, QString* error)
{
    const QString refused = refusal(root);
    if (!refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    if (!QDir().mkpath(root)
        || !writeText(root, QString('/') + DeviceRoot::kMarker,
                      "A simulated VQ4100, made by tools/devsim create.\n")) {
        if (error)
            *error = "cannot create device root " + root;
        return false;
    }
    bool ok = true;
    auto w = [&](const QString& p, const QByteArray& t) { ok = writeText(root, p, t) && ok; };

    // GPIO: a plain file system cannot create gpioN on export, so every line
    // exists from the start.
    w("/sys/class/gpio/export", "");
    w("/sys/class/gpio/unexport", "");
    for (int line : gpioLines()) {
        const QString dir = QString("/sys/class/gpio/gpio%1/").arg(line);
        w(dir + "direction", "in\n");
        w(dir + "value", "0\n");
    }

    w("/sys/class/pwm/pwmchip1/export", "");
    w("/sys/class/pwm/pwmchip1/unexport", "");
    w("/sys/class/pwm/pwmchip1/pwm0/period", "0\n");
    w("/sys/class/pwm/pwmchip1/pwm0/duty_cycle", "0\n");
    w("/sys/class/pwm/pwmchip1/pwm0/enable", "0\n");

    w("/sys/class/backlight/backlight/brightness", "6\n");
    w("/sys/class/backlight/backlight/max_brightness", "7\n");
    w("/sys/class/leds/on_led/brightness", "0\n");

    // A charged battery on the bench, not charging.
    const QString gauge = "/sys/class/power_supply/bq27426-0/";
    w(gauge + "status", "Discharging\n");
    w(gauge + "capacity", "85\n");
    w(gauge + "voltage_now", "3950000\n");
    w(gauge + "current_now", "-250000\n");
    w(gauge + "temp", "235\n");
    w("/sys/class/power_supply/bq24190-battery/status", "Not charging\n");

    // ADC: one-shot channels (AIN4/AIN5 are the hardware-version straps) and
    // the buffered capture interface.
    const QString iio = "/sys/bus/iio/devices/iio:device0/";
    for (int ch = 0; ch < 8; ++ch) {
        int v = 0;
        if (ch == 4)
            v = strapAin4(options.hardware);
        else if (ch == 5)
            v = strapAin5(options.hardware);
        w(iio + QString("in_voltage%1_raw").arg(ch), num(v));
    }
    w(iio + "buffer/enable", "0\n");
    w(iio + "buffer/length", "0\n");
    w(iio + "scan_elements/in_voltage0_en", "0\n");
    if (!QFileInfo::exists(root + "/dev/iio:device0"))
        w("/dev/iio:device0", "");

    // The codec's I2C register file.
    w("/sys/bus/i2c/devices/1-0018/registers", "");

    {
        const PathGuard::Below below(root);
        for (const char* d : {"/home/root", "/home/root/.config/pulse", "/media/vq4100", "/media/ramdisk",
                              "/var/lib/alsa", "/var/log", "/bin", "/dev", "/usr/lib/fonts"})
            ok = PathGuard::makePath(root + d).ok() && ok;
    }
    w("/var/lib/sim/hardware", options.hardware == Hardware::V1 ? "v1\n" : "v2\n");

    // Board commands: the program logs every command itself; the stubs only
    // answer as the unit's tools would.
    for (const char* p : {"fsck", "mount", "umount", "alsactl", "amixer", "poweroff", "reboot",
                          "date", "hwclock", "modprobe", "rmmod", "parted", "sync", "ls"}) {
        ok = installStub(root, p, "exit 0\n") && ok;
    }
    // The runner starts stubs directly, so the parent is the program; run
    // from anywhere else such a stub ends nothing.
    auto endsProgram = [&](const char* program, const char* what) {
        return installStub(root, program,
                           QByteArray("echo '") + program + ": the simulated unit " + what + "' >&2\n"
                               "if [ \"$(cat /proc/$PPID/comm 2>/dev/null)\" = vq4100 ]; then\n"
                               "  kill -TERM \"$PPID\"\n"
                               "fi\n");
    };
    if (options.poweroffEndsProgram)
        ok = endsProgram("poweroff", "switches off") && ok;
    if (options.rebootEndsProgram)
        ok = endsProgram("reboot", "restarts") && ok;
    ok = installStub(root, "df",
                     "echo 'Filesystem     Type      Size  Used Avail Use% Mounted on'\n"
                     "echo '/dev/root      ext4      1.8G  912M  790M  54% /'\n"
                     "echo 'devtmpfs       devtmpfs  245M     0  245M   0% /dev'\n"
                     "echo 'tmpfs          tmpfs     16M   4.0K   16M   1% /media/ramdisk'\n"
                     "echo '/dev/mmcblk0p3 vfat      3.6G  120M  3.5G   4% /media/vq4100'\n")
         && ok;

    // The unit's identity, written in production; kept like the rest of
    // /home/root.
    static const char* const kIdentity[][2] = {{"/home/root/serialNumber", "VQ41-000123\n"},
                                               {"/home/root/productionDate", "2024-03-18\n"}};
    for (const auto& file : kIdentity) {
        if (!QFileInfo::exists(root + file[0]))
            w(file[0], file[1]);
    }

    if (!ok && error)
        *error = "some files of the device tree could not be written below " + root;
    return ok;
}

}
