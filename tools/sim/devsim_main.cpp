// devsim: creates the simulated device tree and runs its live peers.
//   devsim create <root> [--hardware v1|v2] [--paired] [--poweroff-ends] [--reboot-ends]
//   devsim serve <root>
//   devsim signal <root> [--tone-hz F] [--tone-db L|off] [--noise-db N|off]
//   devsim bt <root> <action> [args]
//   devsim battery <root> [--percent N] [--voltage V] [--current A] [--temp C]
//                         [--charging on|off]
//   devsim sensor <root> [on|off]
//   devsim gps <root> [--fix on|off] [--pos LAT,LON] [--noise on|off]
//   devsim mkdir <root> <path>...
//   devsim remove <root> <path>...
#include "adcfeed.h"
#include "batterycommand.h"
#include "bluetoothsim.h"
#include "devicetree.h"
#include "gnsssim.h"
#include "pulsefeed.h"
#include "signalgenerator.h"
#include "simservice.h"

#include "Hardware/deviceroot.h"
#include "Hardware/pathguard.h"
#include "Management/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

int sigFd[2] = {-1, -1};

void onSignal(int)
{
    char c = 1;
    if (::write(sigFd[1], &c, 1) < 0) {
    }
}

const char* const kUsage =
    "usage: devsim create <root> [--hardware v1|v2] [--paired] [--poweroff-ends] [--reboot-ends]\n"
    "       devsim serve <root>\n"
    "       devsim signal <root> [--tone-hz F] [--tone-db L|off] "
    "[--noise-db N|off]\n"
    "       devsim bt <root> mute|mute-press|mute-release|restart\n"
    "       devsim bt <root> alert <code> | sensor <type> | value <v> [<t>] | "
    "battery <mV>\n"
    "       devsim bt <root> delay <ms> | silent <command>|off | err <command>|off\n"
    "       devsim bt <root> gas <raw> [<seconds>] | heating <seconds>   (H2 sensor)\n"
    "       devsim bt <root> pressure scale <bar> | mean <bar> | swing <bar> | drop <bar> | garbage\n"
    "       devsim bt <root> hp-volume <0..127> | hp-battery <percent>\n"
    "       devsim bt <root> link-loss sink|source [A2DP|AVRCP|SPP|AGHFP] | "
    "line-end cr|crlf\n"
    "       devsim bt <root> stuck on|off   (WT32: data-mode line held at 1)\n"
    "       devsim battery <root> [--percent N] [--voltage V] "
    "[--current A] [--temp C] [--charging on|off]\n"
    "       devsim sensor <root> [on|off]\n"
    "       devsim gps <root> [--fix on|off] [--pos LAT,LON] [--noise on|off]\n"
    "       devsim mkdir <root> <path>...   (folders below the root, e.g. /var/lib/sim/pulse)\n"
    "       devsim remove <root> <path>...  (with all below them; a link goes as a link)\n"
    "       devsim -h | --help\n"
    "Every command but create needs a root that create made.\n";

int usage()
{
    QTextStream(stderr) << kUsage;
    return 2;
}

// The settings store, to write the paired addresses into a complete file.
class PairedSettings : public SettingsStore
{
public:
    // False when the file could not be written whole.
    bool pair()
    {
        start();
        m_btIdMicrophone = BluetoothSim::kTb9Address;
        m_btNameMicrophone = "TB-9";
        m_btIdHeadphone = BluetoothSim::kHeadsetAddress;
        m_btNameHeadphone = "BT Headset";
        return storeSystemsettings();
    }
};

// Pairs the simulated TB-9 and headset: the modules' lists and the settings
// file, which the store writes whole (every key, at its default where the
// device had no file yet).
bool pairDevices(const QString& root, QString* error)
{
    if (!BluetoothSim::pairDevices(root, error))
        return false;
    qputenv("DEVICE_ROOT", root.toLocal8Bit());
    PairedSettings settings;
    const QString ini = root + SettingsStore::kSettingsFile;
    if (!settings.pair() || !QFileInfo(ini).isFile()) {
        *error = "cannot write " + ini;
        return false;
    }
    return true;
}

// The live peers of the simulated device. Each later part of the simulation
// adds its service here.
std::vector<std::unique_ptr<SimService>> makeServices()
{
    std::vector<std::unique_ptr<SimService>> services;
    services.push_back(std::make_unique<AdcFeed>());
    services.push_back(std::make_unique<PulseFeed>());
    services.push_back(std::make_unique<BluetoothSim>());
    services.push_back(std::make_unique<GnssSim>());
    return services;
}

// For the scripts, which reach the tree as the program does: `act` (making
// or removing) on each path below the root without a link on its way, and
// the path printed; the first one refused ends the command.
int actOnPaths(const QString& root, const QStringList& unitPaths, FileResult (*act)(const QString&))
{
    for (const QString& unitPath : unitPaths) {
        if (!unitPath.startsWith(QLatin1Char('/')))
            return usage();
    }
    // Reasons name the link by its path on the unit.
    qputenv("DEVICE_ROOT", root.toLocal8Bit());
    const PathGuard::Below below(root);
    for (const QString& unitPath : unitPaths) {
        const QString path = root + unitPath;
        const FileResult r = act(path);
        if (!r.ok()) {
            QTextStream(stderr) << "devsim: " << path << ' ' << r.error << "\n";
            return 2;
        }
        QTextStream(stdout) << path << "\n";
    }
    return 0;
}

int serve(const QString& root)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sigFd) == 0) {
        std::signal(SIGTERM, onSignal);
        std::signal(SIGINT, onSignal);
        auto* n = new QSocketNotifier(sigFd[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(n, &QSocketNotifier::activated, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    auto services = makeServices();
    for (auto& s : services) {
        if (!s->start(root))
            QTextStream(stderr) << "devsim: " << s->name() << " did not start\n";
    }
    QTextStream(stdout) << "devsim: serving " << root << " (" << services.size()
                        << " peers)\n";
    const int rc = QCoreApplication::exec();
    for (auto& s : services)
        s->stop();
    return rc;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains("-h") || args.contains("--help")) {
        QTextStream(stdout) << kUsage;
        return 0;
    }
    static const QStringList kCommands{"create", "serve", "signal", "bt", "battery", "sensor", "gps", "mkdir", "remove"};
    // Nothing is made on a path refused here: "devsim create --help" once
    // made a folder named "--help".
    if (args.size() < 2 || !kCommands.contains(args.at(0)) || args.at(1).isEmpty()
        || args.at(1).startsWith(QLatin1Char('-')))
        return usage();
    const QString root = QDir(args.at(1)).absolutePath();
    if (args.at(0) != "create") {
        const QString problem = DeviceRoot::problem(root);
        if (!problem.isEmpty()) {
            QTextStream(stderr) << "devsim: " << problem << "\n";
            return 2;
        }
    }

    if (args.at(0) == "create") {
        DeviceTree::Options options;
        bool paired = false;
        for (int i = 2; i < args.size(); ++i) {
            if (args.at(i) == "--paired") {
                paired = true;
                continue;
            }
            if (args.at(i) == "--hardware" && i + 1 < args.size()) {
                const QString hw = args.at(++i).toLower();
                if (hw == "v1")
                    options.hardware = DeviceTree::Hardware::V1;
                else if (hw == "v2")
                    options.hardware = DeviceTree::Hardware::V2;
                else
                    return usage();
            } else if (args.at(i) == "--poweroff-ends") {
                options.poweroffEndsProgram = true;
            } else if (args.at(i) == "--reboot-ends") {
                options.rebootEndsProgram = true;
            } else {
                return usage();
            }
        }
        QString error;
        if (!DeviceTree::create(root, options, &error)) {
            QTextStream(stderr) << "devsim: " << error << "\n";
            return 2;
        }
        if (paired && !pairDevices(root, &error)) {
            QTextStream(stderr) << "devsim: " << error << "\n";
            return 1;
        }
        QTextStream(stdout) << "devsim: device tree ready at " << root << (paired ? " (paired)" : "") << "\n";
        return 0;
    }
    if (args.at(0) == "bt") {
        QString error;
        if (args.size() < 3)
            return usage();
        if (!BluetoothSim::queueTrigger(root, args.mid(2).join(' '), &error)) {
            QTextStream(stderr) << "devsim: " << error << "\n";
            return usage();
        }
        return 0;
    }
    if (args.at(0) == "serve")
        return serve(root);
    if (args.at(0) == "mkdir" || args.at(0) == "remove") {
        if (args.size() < 3)
            return usage();
        return actOnPaths(root, args.mid(2), args.at(0) == "mkdir" ? PathGuard::makePath : PathGuard::removeTree);
    }
    if (args.at(0) == "signal") {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runSignalCommand(root, args.mid(2), out, err);
    }
    if (args.at(0) == "gps") {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runGpsCommand(root, args.mid(2), out, err);
    }
    if (args.at(0) == "battery" || args.at(0) == "sensor") {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return args.at(0) == "battery" ? runBatteryCommand(root, args.mid(2), out, err)
                                       : runSensorCommand(root, args.mid(2), out, err);
    }
    return usage();
}
