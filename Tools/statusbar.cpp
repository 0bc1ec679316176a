#include "statusbar.h"
#include "Hardware/batterystate.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gpio.h"
#include "Hardware/gpiolines.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/localclock.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QTimer>

namespace {

const int kTickSeconds = 2;
const int kUpdateMs = 2000;
const int kRareUpdateMs = 30000;
const unsigned int kWiredSensorLine = GpioLine::WiredSensor;
const int kHeartbeatMs = 100;
const int kAlertHoldMs = 10000;
const int kBatteryRequestTicks = 60;  // 30 min of 30 s ticks

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

void Statusbardata::init(const StatusPartners& partners)
{
    m_micSensorConnected = 0;
    m_messageVisible = false;
    // A hold left from an earlier window must not end a new one early.
    m_alertHoldTimer->stop();
    m_btSource = partners.btSource;
    m_btSink = partners.btSink;
    m_gpsModul = partners.gps;
    m_audioCodec = partners.audioCodec;
    m_host = partners.host;
    m_core.setHost(m_host);
    m_stateGps = false;
    m_stateHeadphone = false;
    m_stateMicrophone = false;
    m_stateMute = false;

    // A fresh reader: what an earlier main window read says nothing about
    // whether this one's gauge answers.
    delete m_batteryState;
    m_batteryState = new BatteryState(this);
    m_batteryState->voltage();
    m_batteryVQ = m_batteryState->fuelPercent();
    m_batteryVQCharging = m_batteryState->isCharging();
    m_batteryHeadphone = m_batteryState->fuelPercent();

    m_cntNextBatteryUpdate = 0;
    m_sensorType = 0;
    m_batteryMicrophone = -1;

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

    m_core.start();

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
    m_host = nullptr;
    m_core.setHost(nullptr);
    // The next headset link belongs to another module object.
    m_initConnectHeadphone = true;
}

// ---- Polls ----------------------------------------------------------------

void Statusbardata::update()
{
    if (!m_attached)
        return;
    if (m_host)
        m_host->setHeartbeatLed(true);
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
    m_core.stepPowerOff(kTickSeconds);
    m_core.stepBacklight(kTickSeconds);
}

void Statusbardata::rareUpdate()
{
    if (!m_attached)
        return;
    BatteryReading reading;
    reading.volts = m_batteryState->voltage();
    reading.hasVoltage = m_batteryState->hasVoltage();
    reading.percent = m_batteryVQ = m_batteryState->fuelPercent();
    reading.hasPercent = m_batteryState->hasFuelPercent();
    m_core.battery(reading);
    // The warning's loop may have outlived the main window.
    if (!m_attached)
        return;

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

// ---- Accessory and headset messages ---------------------------------------

void Statusbardata::analyseAlert(QString a_alert)
{
    StatusHost::Warning warning;
    if (a_alert == QLatin1String("0")) {
        qDebug() << "ALERT! No sensor connected";
        m_micSensorConnected = 0;
        warning = StatusHost::NoSensor;
    } else if (a_alert == QLatin1String("1")) {
        qDebug() << "ALERT! Battery voltage of TB-9 very low";
        warning = StatusHost::AccessoryBatteryLow;
    } else if (a_alert == QLatin1String("2")) {
        qDebug() << "ALERT! Problem with sensor type detection";
        m_micSensorConnected = 0;
        warning = StatusHost::SensorTypeUnknown;
    } else {
        m_micSensorConnected = 1;
        return;
    }
    if (m_messageVisible || !m_host)
        return;
    m_messageVisible = true;
    if (a_alert == QLatin1String("0") && g_debugFeatures != 1 && m_btSink)
        m_btSink->sendData("BT_TX O");
    // The alert arrives inside the sink's serial read: a dialog waiting there
    // for a key would hold back every further line of that module (its links
    // could not come back meanwhile). It opens from the event loop instead.
    QMetaObject::invokeMethod(
        this,
        [this, warning] {
            if (!m_host)
                return;
            m_host->showWarning(warning, 0);
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
    if (m_host)
        m_host->setHeartbeatLed(false);
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
    if (m_host)
        m_stateMute = m_host->isAudioPathMuted();
    return m_stateMute;
}

// ---- Power saving ---------------------------------------------------------

void Statusbardata::loadPowerSavingCounters()
{
    m_core.loadCountdowns();
}

void Statusbardata::resetPowerSavingCnt()
{
    m_core.wake();
}

void Statusbardata::updateBacklightCountdown()
{
    m_core.stepBacklight(kTickSeconds);
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

// ---- Status bar -----------------------------------------------------------

namespace {

const QColor kLevelGreen(0, 200, 0);
const QColor kMarkRed(230, 0, 0);
const QColor kSymbolGrey(Qt::darkGray);
const int kSensorP4 = 2;
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
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* store = hub ? hub->getInstanceSystemsettings() : nullptr;
    const QString time = LocalClock::instance()->now().time().toString(
        store ? store->getFormatStringTime() : QStringLiteral("hh:mm:ss"));
    const auto drawn = shownStates();
    readStates();
    if (shownStates() != drawn) {
        m_time = time;
        drawStatusbar();
        return;
    }
    // Idle, only the clock changes: its own corner is drawn and painted.
    if (time == m_time || image.isNull())
        return;
    m_time = time;
    QPainter painter(&image);
    drawClock(painter);
    painter.end();
    update(clockRect());
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
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    m_switchMode = hub && hub->isMuteKeySwitchmode();
}

void Statusbar::drawIcon(QPainter& painter, int x, int y, const QString& name)
{
    painter.drawImage(x, y, icon(name));
}

void Statusbar::drawStatusbar()
{
    if (image.isNull())
        return;
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
    case Statusbardata::kSensorH2:
        drawIcon(painter, 46, 0, variant("h2-sensor", linked));
        break;
    case Statusbardata::kSensorWired:
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

    if (m_btLinkMicActive != 0 && m_sensorType != Statusbardata::kSensorWired && m_batteryMicrophone >= 0)
        drawAccu(&painter, QRect(QPoint(70, 0), QPoint(81, h - 1)), m_batteryMicrophone);

    drawIcon(painter, 92, 0, m_btLinkHpActive != 0 ? "headphone_gn" : "headphone_rt");
    if (m_btLinkHpActive != 0)
        drawAccu(&painter, QRect(QPoint(116, 0), QPoint(127, h - 1)), m_batteryHeadphone);

    drawIcon(painter, 138, 0, m_stateGps ? "satellite_gn" : "satellite_rt");

    drawIcon(painter, 190, 0, m_switchMode ? "SwitchMode_Switch_bl" : "SwitchMode_Button_bl");
    drawIcon(painter, 220, 0, m_mute == 1 ? "speaker_mute_ws" : "speaker_active_ws");

    drawClock(painter);
    painter.end();
    update();
}

QRect Statusbar::clockRect() const
{
    return QRect(image.width() - 100, 0, 100, 20);
}

void Statusbar::drawClock(QPainter& painter)
{
    painter.fillRect(clockRect(), Qt::black);
    painter.setPen(QPen(Qt::white, 1));
    painter.setFont(QFont(painter.font().family(), 14, QFont::Normal, false));
    painter.drawText(clockRect(), Qt::AlignRight | Qt::AlignVCenter, m_time);
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
