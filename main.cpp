#include "Audio/audiothreads.h"
#include "Hardware/devicelayer.h"
#include "Testmenu/testmenu.h"
#include "Tools/unitfont.h"
#include "eventhandler.h"
#include "mainmenu.h"

#include <QApplication>
#include <cstdio>

#ifndef VQ_TARGET_BUILD
#include "Tools/hostkeyrepeat.h"
#include "Tools/startupprobe.h"
#endif

int main(int argc, char* argv[])
{
    if (!DeviceLayer::isConfigured()) {
        std::fprintf(stderr,
                     "vq4100: %s.\n"
                     "This host build runs only against a simulated device; start it with\n"
                     "scripts/run (which creates one), or set DEVICE_ROOT to a tree made by\n"
                     "tools/devsim create <root>.\n",
                     DeviceLayer::rootProblem().toLocal8Bit().constData());
        return 2;
    }

    g_hardwareTestActive = false;
    g_productionTestEnabled = false;

    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
#ifndef VQ_TARGET_BUILD
    HostKeyRepeat::pressesOnly();
#endif

    EventHandler eventHandler;
    app.installEventFilter(&eventHandler);

    UnitFont::install();

    auto* mainMenu = new MainMenu();
    mainMenu->show();
    // The keys act on the focused button: the window takes the keyboard also
    // where no window manager hands it over (a virtual display on a PC).
    mainMenu->activateWindow();
#ifndef VQ_TARGET_BUILD
    StartupProbe::watch(mainMenu);
#endif
    mainMenu->showStartWidget(app.arguments().mid(1));

    const int result = app.exec();
    delete mainMenu;
    endProcess(result);
}
