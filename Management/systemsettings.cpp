#include "systemsettings.h"
#include "Hardware/devicelayer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Systemsettings::Systemsettings(QWidget* parent)
    : QWidget(parent)
{
    buildStandinPage();
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

void Systemsettings::buildStandinPage()
{
    // Filled by the settings-screen work: the form with its three pages of
    // settings buttons and the settings dialogs.
    m_standinTitle = new QLabel(this);
    m_standinTitle->setGeometry(10, 10, 406, 40);
    QFont font = m_standinTitle->font();
    font.setPointSize(16);
    font.setBold(true);
    m_standinTitle->setFont(font);
    m_standinBack = new QPushButton(this);
    m_standinBack->setGeometry(426, 216, 54, 54);
    m_standinBack->setStyleSheet(
        "QPushButton { border: none; background-image: "
        "url(:/Resources/Icons/Allgemein/Back_ws_44px.png); background-position: center; "
        "background-repeat: no-repeat; }\n"
        "QPushButton:pressed { background-image: url(:/Resources/Icons/Allgemein/Back_sw_44px.png); }");
    connect(m_standinBack, &QPushButton::clicked, this, [this] { emit gotoWidget(0, -1, 0); });
    init();
}

void Systemsettings::init()
{
    m_standinTitle->setText(QCoreApplication::translate("Management", "Settings"));
}

void Systemsettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void Systemsettings::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            emit gotoWidget(0, -1, 0);
        return;
    }
    QWidget::keyReleaseEvent(event);
}
