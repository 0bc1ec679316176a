#include "statusbar.h"
#include "Hardware/devicelayer.h"
#include "Hardware/gpio.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFile>
#include <QPainter>

namespace {

const char* const kBacklight = "/sys/class/backlight/backlight/brightness";
const int kTickSeconds = 2;
const int kNeverSeconds = 259200;  // 72 h
const unsigned int kWiredSensorLine = 48;
const int kSensorWired = 4;

Systemsettings* settings()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    return hub ? hub->getInstanceSystemsettings() : nullptr;
}

int countdown(int seconds)
{
    return seconds > 0 ? seconds : kNeverSeconds;
}

// The stored brightness; a value that would leave the display dark gives
// the default.
int brightness()
{
    Systemsettings* store = settings();
    const int value = store ? store->getBrightness() : 0;
    return value < 1 ? 6 : value;
}

}

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
    loadPowerSavingCounters();
    m_powerSavingActive = false;
    writeBacklight(brightness());
}

void Statusbardata::loadPowerSavingCounters()
{
    Systemsettings* store = settings();
    m_powerOffCnt = countdown(store ? store->getPowerOffTime() : 0);
    m_backlightOffCnt = countdown(store ? store->getDisplayOffTime() : 0);
}

void Statusbardata::resetPowerSavingCnt()
{
    loadPowerSavingCounters();
    if (m_powerSavingActive)
        writeBacklight(brightness());
    m_powerSavingActive = false;
}

void Statusbardata::updateBacklightCountdown()
{
    m_backlightOffCnt -= kTickSeconds;
    if (m_backlightOffCnt > 0)
        return;
    qDebug() << "Backlight off";
    writeBacklight(0);
    m_powerSavingActive = true;
}

void Statusbardata::updateWiredSensor()
{
    if (Gpio::getValue(kWiredSensorLine)) {
        m_sensorType = kSensorWired;
        m_micSensorConnected = 1;
    } else if (m_sensorType == kSensorWired) {
        m_sensorType = 0;
        m_micSensorConnected = 0;
    }
}

bool Statusbardata::writeBacklight(int value)
{
    // Opened for reading and writing as the unit does: never created.
    QFile file(DeviceLayer::path(kBacklight));
    if (!file.exists() || !file.open(QIODevice::ReadWrite | QIODevice::Truncate))
        return false;
    const QByteArray text = QByteArray::number(value);
    file.write(text);
    DeviceLayer::recordWrite(kBacklight, text);
    return true;
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
