// The reference for the start-up benchmark: a Widgets program that shows one
// empty 480x272 window and nothing else.
#include "Tools/startupprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    QWidget window;
    window.resize(480, 272);
    window.show();
    StartupProbe::watch(&window);
    return app.exec();
}
