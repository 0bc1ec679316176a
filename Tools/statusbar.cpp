#include "statusbar.h"
#include "mainmenu.h"

#include <QPainter>

Statusbardata::Statusbardata() = default;
Statusbardata::~Statusbardata() = default;

Statusbardata* StatusbarData()
{
    static Statusbardata instance;
    return &instance;
}

void Statusbardata::init()
{
    m_micSensorConnected = 0;
    m_messageVisible = false;
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    if (mainMenu) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
        m_gpsModul = mainMenu->getGpsInstance();
        m_audioCodec = mainMenu->getAudioCodecInstance();
    }
    m_stateGps = false;
    m_stateHeadphone = false;
    m_stateMicrophone = false;
    m_stateMute = false;
    m_cntNextBatteryUpdate = 0;
    m_sensorType = 0;
    m_batteryMicrophone = -1;
    m_displayAccuWarningPopup = true;
    m_powerSavingActive = false;
}

void Statusbardata::detach()
{
    m_btSource = nullptr;
    m_btSink = nullptr;
    m_gpsModul = nullptr;
    m_audioCodec = nullptr;
}

Statusbar::Statusbar(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void Statusbar::init(int width, int height)
{
    image = QImage(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    draw();
}

void Statusbar::draw()
{
    image.fill(Qt::black);
    update();
}

void Statusbar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (image.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, image);
}
