#include "systemsettings.h"
#include "Hardware/devicelayer.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

Systemsettings::Systemsettings(QWidget* parent)
    : QWidget(parent)
{
    QFile file(DeviceLayer::path(kSettingsFile));
    if (!file.open(QIODevice::ReadOnly)) {
        file.close();
        if (QFileInfo::exists(file.fileName())) {
            // Keep the file for the service engineer; run on defaults.
            qDebug() << "Settings file cannot be read, using defaults:" << file.fileName();
            setDefaultValues();
            return;
        }
        qDebug() << "File für Systemeinstellungen mit Defaultwerten erzeugen";
        resetToDefaultSettings();
    }
    loadSystemsettings();
}

Systemsettings::~Systemsettings() = default;
