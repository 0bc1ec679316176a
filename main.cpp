#include "Audio/audiothreads.h"
#include "Hardware/devicelayer.h"
#include "Hardware/gpio.h"
#include "Management/systemsettings.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QMainWindow>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (!DeviceLayer::isConfigured()) {
        std::fprintf(stderr,
                     "vq4100: DEVICE_ROOT is not set.\n"
                     "This host build runs only against a simulated device; start it with\n"
                     "scripts/run (which creates one), or set DEVICE_ROOT to a tree made by\n"
                     "tools/devsim create <root>.\n");
        return 2;
    }

    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);

    QFontDatabase::addApplicationFont(DeviceLayer::path("/usr/lib/fonts/ArialUnicode.ttf"));
    QFontDatabase::addApplicationFont(DeviceLayer::path("/home/root/fonts/ArialUnicode.ttf"));
    QFont font("Arial Unicode MS");
    font.setPixelSize(20);
    font.setWeight(QFont::Normal);
    app.setFont(font);

    // Bare frame until the main window exists: settings and GPIO start state.
    QMainWindow window;
    window.setFixedSize(480, 272);
    Systemsettings settings(&window);
    settings.hide();
    Gpio::init();
    window.show();
    const int rc = app.exec();
    shutdownAudioThreads();
    return rc;
}
