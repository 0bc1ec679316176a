// devsim: creates the simulated device tree and runs its live peers.
//   devsim create <root> [--hardware v1|v2] [--poweroff-ends]
//   devsim serve <root>
//   devsim signal <root> [--tone-hz F] [--tone-db L|off] [--noise-db N|off]
//   devsim battery <root> [--percent N] [--voltage V] [--current A] [--temp C]
//                         [--charging on|off]
//   devsim sensor <root> [on|off]
#include "adcfeed.h"
#include "batterycommand.h"
#include "devicetree.h"
#include "pulsefeed.h"
#include "signalgenerator.h"
#include "simservice.h"

#include <QCoreApplication>
#include <QDir>
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

int usage()
{
    QTextStream(stderr) << "usage: devsim create <root> [--hardware v1|v2] [--poweroff-ends]\n"
                           "       devsim serve <root>\n"
                           "       devsim signal <root> [--tone-hz F] [--tone-db L|off] "
                           "[--noise-db N|off]\n"
                           "       devsim battery <root> [--percent N] [--voltage V] "
                           "[--current A] [--temp C] [--charging on|off]\n"
                           "       devsim sensor <root> [on|off]\n";
    return 2;
}

// The live peers of the simulated device. Each later part of the simulation
// adds its service here.
std::vector<std::unique_ptr<SimService>> makeServices()
{
    std::vector<std::unique_ptr<SimService>> services;
    services.push_back(std::make_unique<AdcFeed>());
    services.push_back(std::make_unique<PulseFeed>());
    return services;
}

int serve(const QString& root)
{
    if (!QDir(root + "/sys").exists()) {
        QTextStream(stderr) << "devsim: no device tree at " << root
                            << " (run devsim create first)\n";
        return 1;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sigFd) == 0) {
        std::signal(SIGTERM, onSignal);
        std::signal(SIGINT, onSignal);
        auto* n = new QSocketNotifier(sigFd[0], QSocketNotifier::Read, qApp);
        QObject::connect(n, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
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
    if (args.size() < 2)
        return usage();
    const QString root = QDir(args.at(1)).absolutePath();

    if (args.at(0) == "create") {
        DeviceTree::Options options;
        for (int i = 2; i < args.size(); ++i) {
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
            } else {
                return usage();
            }
        }
        QString error;
        if (!DeviceTree::create(root, options, &error)) {
            QTextStream(stderr) << "devsim: " << error << "\n";
            return 1;
        }
        QTextStream(stdout) << "devsim: device tree ready at " << root << "\n";
        return 0;
    }
    if (args.at(0) == "serve")
        return serve(root);
    if (args.at(0) == "signal") {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runSignalCommand(root, args.mid(2), out, err);
    }
    if (args.at(0) == "battery" || args.at(0) == "sensor") {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return args.at(0) == "battery" ? runBatteryCommand(root, args.mid(2), out, err)
                                       : runSensorCommand(root, args.mid(2), out, err);
    }
    return usage();
}
