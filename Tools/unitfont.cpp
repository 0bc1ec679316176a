#include "unitfont.h"
#include "Hardware/devicelayer.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QFontDatabase>

namespace UnitFont {

void install()
{
    QFontDatabase::addApplicationFont(DeviceLayer::path("/usr/lib/fonts/ArialUnicode.ttf"));
    QFontDatabase::addApplicationFont(DeviceLayer::path("/home/root/fonts/ArialUnicode.ttf"));
#ifndef VQ_TARGET_BUILD
    QFont::insertSubstitution("Arial Unicode MS", "DejaVu Sans");
#endif
    QFont font("Arial Unicode MS");
    font.setPixelSize(20);
    font.setWeight(QFont::Normal);
    qDebug() << "Font" << font.family();
    QApplication::setFont(font);
}

}
