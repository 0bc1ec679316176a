#include "statusbar.h"
#include "Hardware/batterystate.h"
#include "Hardware/bluetooth.h"
#include "Hardware/devicelayer.h"
#include "Hardware/gpio.h"
#include "Hardware/gpiolines.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QTime>
#include <QTimer>

namespace {

const char* const kBacklight = "/sys/class/backlight/backlight/brightness";
const int kTickSeconds = 2;
const int kUpdateMs = 2000;
const int kRareUpdateMs = 30000;
const int kNeverSeconds = 259200;  // 72 h
const unsigned int kWiredSensorLine = GpioLine::WiredSensor;
const unsigned int kDebugLed = GpioLine::Led;
const int kHeartbeatMs = 100;
const int kSensorWired = 4;
const int kAlertHoldMs = 10000;
const int kAccuWarningSeconds = 120;
// Shorter than the power-down's 3 s, so the unmount is not held up.
const int kCriticalWarningSeconds = 2;
const int kBatteryRequestTicks = 60;  // 30 min of 30 s ticks
const float kWarningVoltage = 3.1f;
const float kCriticalVoltage = 2.9f;

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

// The polls must not outlive the event dispatcher of the application.
void stopStatusPolls()
{
    StatusbarData()->detach();
}

}

Statusbardata::Statusbardata()
{
    m_timer = new QTimer(this);
    m_timer->setObjectName("statusUpdateTimer");
    m_longTimer = new QTimer(this);
    m_longTimer->setObjectName("statusRareUpdateTimer");
    connect(m_timer, &QTimer::timeout, this, &Statusbardata::update, Qt::UniqueConnection);
    connect(m_longTimer, &QTimer::timeout, this, &Statusbardata::rareUpdate, Qt::UniqueConnection);
    m_alertHoldTimer = new QTimer(this);
    m_alertHoldTimer->setObjectName("alertHoldTimer");
    m_alertHoldTimer->setSingleShot(true);
    connect(m_alertHoldTimer, &QTimer::timeout, this, &Statusbardata::enableDisplayMsgDlg);
    m_timer->start(kUpdateMs);
    m_longTimer->start(kRareUpdateMs);
    m_batteryState = new BatteryState(this);
    if (QCoreApplication::instance())
        qAddPostRoutine(stopStatusPolls);
}

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
    // A hold left from an earlier window must not end a new one early.
    m_alertHoldTimer->stop();
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    if (!mainMenu) {
        qDebug() << "Status data: no main window to take the modules from";
        return;
    }
    m_btSource = mainMenu->getBtSourceInstance();
    m_btSink = mainMenu->getBtSinkInstance();
    m_gpsModul = mainMenu->getGpsInstance();
    m_audioCodec = mainMenu->getAudioCodecInstance();
    m_stateGps = false;
    m_stateHeadphone = false;
    m_stateMicrophone = false;
    m_stateMute = false;

    // A fresh reader: what an earlier main window read says nothing about
    // whether this one's gauge answers.
    delete m_batteryState;
    m_batteryState = new BatteryState(this);
    m_noVoltageLogged = false;
    m_voltage = m_batteryState->voltage();
    m_batteryVQ = m_batteryState->fuelPercent();
    m_batteryVQCharging = m_batteryState->isCharging();
    m_batteryHeadphone = m_batteryState->fuelPercent();

    m_cntNextBatteryUpdate = 0;
    m_sensorType = 0;
    m_batteryMicrophone = -1;
    m_displayAccuWarningPopup = true;

    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btAlertMessageReceived, this, &Statusbardata::analyseAlert,
                Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btSensortypeReceived, this,
                &Statusbardata::btReceivedSensortype, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btBatteryvoltageReceived, this,
                &Statusbardata::btReceivedBattery, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btConnectedRfcomm, this, &Statusbardata::btConnected,
                Qt::UniqueConnection);
    }
    if (m_btSource)
        connect(m_btSource, &Bluetooth::btHeadphoneBatteryStateReceived, this,
                &Statusbardata::btReceivedHeadphoneBatteryState, Qt::UniqueConnection);
    if (m_btSink) {
        m_btSink->sendData("BT_TX T");
        m_btSink->sendData("BT_TX B");
    }

    loadPowerSavingCounters();
    m_powerSavingActive = false;
    writeBacklight(brightness());

    m_attached = true;
    if (!m_timer->isActive())
        m_timer->start(kUpdateMs);
    if (!m_longTimer->isActive())
        m_longTimer->start(kRareUpdateMs);
}

void Statusbardata::detach()
{
    m_attached = false;
    m_timer->stop();
    m_longTimer->stop();
    m_btSource = nullptr;
    m_btSink = nullptr;
    m_gpsModul = nullptr;
    m_audioCodec = nullptr;
    // The next headset link belongs to another module object.
    m_initConnectHeadphone = true;
}

// ---- Polls ----------------------------------------------------------------

void Statusbardata::update()
{
    if (!m_attached)
        return;
    Gpio::setValue(kDebugLed, 1);
    QTimer::singleShot(kHeartbeatMs, this, &Statusbardata::switchOffDbgLed);

    updateWiredSensor();

    // Once the link is up the status bar refreshes it every second.
    if (!m_stateMicrophone)
        stateMicrophone();
    if (!m_stateMicrophone) {
        if (m_sensorType != kSensorWired)
            m_micSensorConnected = 0;
    } else if (m_micSensorConnected == 0 && m_btSink) {
        m_btSink->sendData("BT_TX T");
    }
    if (m_batteryMicrophone < 0 && m_btSink)
        m_btSink->sendData("BT_TX B");

    m_batteryVQCharging = m_batteryState->isCharging();
    updatePowerOffCountdown();
    updateBacklightCountdown();
}

void Statusbardata::updatePowerOffCountdown()
{
    // It keeps running during an unattended measurement; every later tick
    // asks again until the unit is off.
    m_powerOffCnt -= kTickSeconds;
    if (m_powerOffCnt < 1) {
        qDebug() << "Power-Off device";
        requestPowerDown();
    }
}

void Statusbardata::requestPowerDown()
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->beforePowerDown();
}

void Statusbardata::rareUpdate()
{
    if (!m_attached)
        return;
    m_voltage = m_batteryState->voltage();
    m_batteryVQ = m_batteryState->fuelPercent();

    // A gauge that never answered reads 0 V: that is no flat battery.
    if (!m_batteryState->hasVoltage()) {
        if (!m_noVoltageLogged)
            qDebug() << "Battery voltage not read: no low-battery warning and no power-down";
        m_noVoltageLogged = true;
    } else {
        // A critical cell must not wait behind the warning: the power-down
        // starts first and the warning closes itself before the unit goes.
        const bool critical = m_voltage < kCriticalVoltage;
        if (critical) {
            qDebug() << "Battery is very low. Power-Off device";
            requestPowerDown();
        }
        if (lowBatteryTriggers() && m_displayAccuWarningPopup && !m_accuWarningOpen) {
            // Ticks go on inside the dialog's loop; they open no second one.
            m_accuWarningOpen = true;
            const int pressed = runWarning(tr("TheBatteryIsVeryLowPleaseRecharge"),
                                           critical ? kCriticalWarningSeconds : kAccuWarningSeconds);
            m_accuWarningOpen = false;
            if (pressed == MessageDialog::ResultOk) {
                qDebug() << "Battery low message accepted";
                m_displayAccuWarningPopup = false;
            } else if (pressed == MessageDialog::ResultTimeout) {
                qDebug() << "Battery low message: Timeout";
                m_displayAccuWarningPopup = false;
            } else {
                qDebug() << "Ende Button Unknown";
            }
            if (!m_attached)
                return;
        }
    }

    m_cntNextBatteryUpdate -= 1;
    if (m_cntNextBatteryUpdate <= 0) {
        if (m_btSink)
            m_btSink->sendData("BT_TX B");
        if (m_btSource)
            m_btSource->requestHeadphoneBatteryState();
        m_cntNextBatteryUpdate = kBatteryRequestTicks;
    }

    const int headset = m_btSource ? m_btSource->getBtExtHeadphoneBatteryState() : -1;
    m_batteryHeadphone = headset >= 0 ? headset : m_batteryVQ;
}

// Arms the warning again on a good reading; true when it should show.
bool Statusbardata::lowBatteryTriggers()
{
    const bool lowVoltage = m_voltage < kWarningVoltage;
    // Without a charge reading only the voltage speaks.
    if (!m_batteryState->hasFuelPercent())
        return lowVoltage;
    if (m_batteryVQ >= 11) {
        if (m_voltage > kWarningVoltage)
            m_displayAccuWarningPopup = true;
        return lowVoltage;
    }
    if (m_batteryVQ == 10)
        return lowVoltage;
    return true;
}

int Statusbardata::runWarning(const QString& text, int autoCloseSeconds)
{
    auto* dialog = new MessageDialog();
    m_messageDialog = dialog;
    dialog->setIcon(MessageDialog::IconWarning);
    dialog->setHeadline(tr("Warning"));
    dialog->setDialogType(MessageDialog::TypeOk);
    dialog->setInfotext(text);
    if (autoCloseSeconds > 0)
        dialog->setAutoCloseTimeout(autoCloseSeconds);
    dialog->exec();
    const int pressed = dialog->getPressedButton();
    if (m_messageDialog == dialog)
        m_messageDialog = nullptr;
    delete dialog;
    return pressed;
}

// ---- Accessory and headset messages ---------------------------------------

void Statusbardata::analyseAlert(QString a_alert)
{
    QString text;
    if (a_alert == QLatin1String("0")) {
        qDebug() << "ALERT! No sensor connected";
        m_micSensorConnected = 0;
        text = tr("TheSensorCouldNotBeDetected");
    } else if (a_alert == QLatin1String("1")) {
        qDebug() << "ALERT! Battery voltage of TB-9 very low";
        text = tr("BatteryVoltageOfTB9ToLow");
    } else if (a_alert == QLatin1String("2")) {
        qDebug() << "ALERT! Problem with sensor type detection";
        m_micSensorConnected = 0;
        text = tr("ProblemWithSensorTypeDetection");
    } else {
        m_micSensorConnected = 1;
        return;
    }
    if (m_messageVisible)
        return;
    m_messageVisible = true;
    if (a_alert == QLatin1String("0") && g_debugFeatures != 1 && m_btSink)
        m_btSink->sendData("BT_TX O");
    // The alert arrives inside the sink's serial read: a dialog waiting there
    // for a key would hold back every further line of that module (its links
    // could not come back meanwhile). It opens from the event loop instead.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            runWarning(text, 0);
            m_alertHoldTimer->start(kAlertHoldMs);
        },
        Qt::QueuedConnection);
}

void Statusbardata::enableDisplayMsgDlg()
{
    m_messageVisible = false;
}

void Statusbardata::btReceivedBattery(QString a_voltage)
{
    bool ok = false;
    int millivolts = a_voltage.trimmed().toInt(&ok);
    if (!ok)
        millivolts = 0;
    m_batteryVoltageMic = millivolts;
    if (millivolts >= 3400 && millivolts <= 4300)
        m_batteryMicrophone = qBound(0, (millivolts - 3600) / 5, 100);
    else
        m_batteryMicrophone = -1;
}

void Statusbardata::btReceivedHeadphoneBatteryState(int a_batteryPercent)
{
    m_batteryHeadphone =
        (a_batteryPercent >= 0 && a_batteryPercent <= 100) ? a_batteryPercent : m_batteryVQ;
}

void Statusbardata::btReceivedSensortype(QString a_type)
{
    static const QHash<QString, int> kTypes{{"1", 1}, {"2", 2}, {"3", 3}, {"4", 5}};
    const auto known = kTypes.constFind(a_type);
    if (known == kTypes.constEnd()) {
        m_sensorType = 0;
        return;
    }
    m_sensorType = known.value();
    m_micSensorConnected = 1;
}

void Statusbardata::btConnected()
{
    m_stateMicrophone = true;
}

void Statusbardata::switchOffDbgLed()
{
    Gpio::setValue(kDebugLed, 0);
}

// ---- Querying getters -----------------------------------------------------

bool Statusbardata::stateGps()
{
    m_stateGps = m_gpsModul && m_gpsModul->isGpsDataValid();
    return m_stateGps;
}

bool Statusbardata::stateHeadphone()
{
    if (!m_btSource) {
        m_stateHeadphone = false;
        return false;
    }
    m_stateHeadphone = m_btSource->isConnectedA2DP();
    if (m_initConnectHeadphone) {
        if (!m_btSource->isConnectedAVRCP())
            return m_stateHeadphone;
        qDebug() << "Init Headphone Volume" << m_initConnectHeadphone << m_stateHeadphone;
        m_btSource->setBtExtHeadphoneGain(50);
        m_initConnectHeadphone = false;
    }
    if (m_stateHeadphone)
        return true;
    qDebug() << "Headphone Connection lost" << m_initConnectHeadphone << m_stateHeadphone;
    m_initConnectHeadphone = true;
    return false;
}

bool Statusbardata::stateMicrophone()
{
    m_stateMicrophone = m_btSink && m_btSink->isConnectedRFCOMM();
    return m_stateMicrophone;
}

bool Statusbardata::stateMute()
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        m_stateMute = hub->isAudioPathMuted();
    return m_stateMute;
}

// ---- Power saving ---------------------------------------------------------

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
    // Logged once per run of failures: a dark display writes every 2 s.
    static bool s_failureLogged = false;
    // Opened for reading and writing as the unit does: never created.
    QFile file(DeviceLayer::path(kBacklight));
    if (!file.exists() || !file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        if (!s_failureLogged)
            qDebug() << "Backlight file cannot be opened:" << kBacklight;
        s_failureLogged = true;
        return false;
    }
    s_failureLogged = false;
    const QByteArray text = QByteArray::number(value);
    file.write(text);
    DeviceLayer::recordWrite(kBacklight, text);
    return true;
}

// ---- Status bar -----------------------------------------------------------

namespace {

const QColor kLevelGreen(0, 200, 0);
const QColor kMarkRed(230, 0, 0);
const QColor kSymbolGrey(Qt::darkGray);
const int kSensorP4 = 2;
const int kSensorH2 = 3;
const int kSensorOther = 5;

// The icons are small and drawn every second: each is loaded once.
const QImage& icon(const QString& name)
{
    static QHash<QString, QImage> cache;
    auto found = cache.find(name);
    if (found == cache.end()) {
        QImage image(QString(":/Resources/Icons/Tools/Statusbar/%1_20px.png").arg(name));
        if (image.isNull())
            qDebug() << "Status bar icon missing:" << name;
        found = cache.insert(name, image);
    }
    return found.value();
}

QString variant(const char* name, bool green)
{
    return QString::fromLatin1(name) + (green ? "_gn" : "_rt");
}

}

Statusbar::Statusbar(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    m_updateTime = new QTimer(this);
}

void Statusbar::init(int width, int height)
{
    readStates();
    if (MainMenu* hub = MainMenu::getInstanceMainMenu()) {
        m_btSource = hub->getBtSourceInstance();
        m_btSink = hub->getBtSinkInstance();
        m_gpsModul = hub->getGpsInstance();
        m_audioCodec = hub->getAudioCodecInstance();
    }
    image = QImage(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    drawStatusbar();
    connect(m_updateTime, &QTimer::timeout, this, &Statusbar::updateTime, Qt::UniqueConnection);
    m_updateTime->start(1000);
}

void Statusbar::updateTime()
{
    Systemsettings* store = settings();
    m_time = QTime::currentTime().toString(store ? store->getFormatStringTime()
                                                 : QStringLiteral("hh:mm:ss"));
    readStates();
    drawStatusbar();
}

void Statusbar::readStates()
{
    Statusbardata* status = StatusbarData();
    m_btLinkHpActive = status->stateHeadphone() ? 1 : 0;
    m_btLinkMicActive = status->stateMicrophone() ? 1 : 0;
    m_micSensorConnected = status->micSensorConnected();
    m_sensorType = status->sensorType();
    m_stateGps = status->stateGps();
    m_mute = status->stateMute() ? 1 : 0;
    m_batteryVQ = status->batteryVQ();
    m_batteryVQCharging = status->batteryVQCharging();
    m_batteryMicrophone = status->batteryMicrophone();
    m_batteryHeadphone = status->batteryHeadphone();
}

void Statusbar::drawIcon(QPainter& painter, int x, int y, const QString& name)
{
    painter.drawImage(x, y, icon(name));
}

void Statusbar::drawStatusbar()
{
    if (image.isNull())
        return;
    const int w = image.width();
    const int h = image.height();
    image.fill(Qt::black);
    QPainter painter(&image);

    drawIcon(painter, 0, 5, "VQ4100");

    drawAccu(&painter, QRect(QPoint(24, 0), QPoint(35, h - 1)), m_batteryVQ);
    if (m_batteryVQCharging) {
        static const QPolygon kLightning(
            {QPoint(30, 5), QPoint(30, 10), QPoint(33, 10), QPoint(29, 17), QPoint(29, 12),
             QPoint(26, 12)});
        painter.setPen(kMarkRed);
        painter.setBrush(kMarkRed);
        painter.drawPolygon(kLightning, Qt::OddEvenFill);
    }

    const bool linked = m_btLinkMicActive != 0 && m_micSensorConnected;
    switch (m_sensorType) {
    case kSensorP4:
        drawIcon(painter, 46, 0, variant("p4-sensor", linked));
        break;
    case kSensorH2:
        drawIcon(painter, 46, 0, variant("h2-sensor", linked));
        break;
    case kSensorWired:
        drawIcon(painter, 46, 0, variant("B-sensor", m_micSensorConnected));
        break;
    case kSensorOther:
        painter.setPen(QPen(linked ? kLevelGreen : kMarkRed, 3));
        painter.setBrush(Qt::black);
        painter.drawRect(QRectF(46, 2, 15, 15));
        break;
    default:
        drawIcon(painter, 50, 0, variant("microphone_k4", linked));
        break;
    }

    if (m_btLinkMicActive != 0 && m_sensorType != kSensorWired && m_batteryMicrophone >= 0)
        drawAccu(&painter, QRect(QPoint(70, 0), QPoint(81, h - 1)), m_batteryMicrophone);

    drawIcon(painter, 92, 0, m_btLinkHpActive != 0 ? "headphone_gn" : "headphone_rt");
    if (m_btLinkHpActive != 0)
        drawAccu(&painter, QRect(QPoint(116, 0), QPoint(127, h - 1)), m_batteryHeadphone);

    drawIcon(painter, 138, 0, m_stateGps ? "satellite_gn" : "satellite_rt");

    MainMenu* hub = MainMenu::getInstanceMainMenu();
    const bool switchMode = hub && hub->isMuteKeySwitchmode();
    drawIcon(painter, 190, 0, switchMode ? "SwitchMode_Switch_bl" : "SwitchMode_Button_bl");
    drawIcon(painter, 220, 0, m_mute == 1 ? "speaker_mute_ws" : "speaker_active_ws");

    painter.setPen(QPen(Qt::white, 1));
    painter.setFont(QFont(painter.font().family(), 14, QFont::Normal, false));
    painter.drawText(QRect(w - 100, 0, 100, 20), Qt::AlignRight | Qt::AlignVCenter, m_time);
    painter.end();
    update();
}

// The battery symbol; its top is row 0 of the picture.
void Statusbar::drawAccu(QPainter* painter, QRect rect, int percent)
{
    const int left = rect.left();
    const int right = rect.right();
    const int bottom = rect.bottom();
    auto fill = [painter](int x1, int y1, int x2, int y2, const QColor& colour) {
        if (x2 >= x1 && y2 >= y1)
            painter->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
    };
    fill(left + 3, 0, left + 8, 3, Qt::white);
    fill(left, 4, right, bottom, Qt::white);
    fill(left + 4, 1, left + 7, 4, kSymbolGrey);
    fill(left + 1, 5, right - 1, bottom - 1, kSymbolGrey);
    // A reading past full must not fill the terminal.
    const int level = qBound(0, percent, 100) * (bottom - 5) / 100;
    if (level > 0)
        fill(left + 1, bottom - level, right - 1, bottom - 1, kLevelGreen);
}

void Statusbar::paintEvent(QPaintEvent*)
{
    // Drawn at the origin: a partly exposed bar shows its own part of the
    // picture.
    QPainter painter(this);
    if (image.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, image);
}
