#include "h2sensor.h"
#include "ui_h2sensor.h"

#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/driverhelper.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/fittext.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/screenstyle.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFontMetrics>
#include <QSettings>
#include <QTimer>

#include <memory>

namespace {

// The frame's sensor note and link warning, in this screen's context.
[[maybe_unused]] const char* const kFrameTexts[] = {
    QT_TRANSLATE_NOOP("H2Sensor", "Note"), QT_TRANSLATE_NOOP("H2Sensor", "Warning"),
    QT_TRANSLATE_NOOP("H2Sensor", "NoBluetoothConnectionPleaseCheckYourTB9")};

const int kInputH2 = 2;

const char* const kPwmPeriod = "/sys/class/pwm/pwmchip1/pwm0/period";
const char* const kPwmDutyCycle = "/sys/class/pwm/pwmchip1/pwm0/duty_cycle";
const char* const kPwmEnable = "/sys/class/pwm/pwmchip1/pwm0/enable";

const QColor kScaleColour(128, 155, 255);
const QColor kDataColour(173, 216, 230);
const QRect kChartLive(5, 150, 416, 101);
const QRect kChartStored(5, 35, 416, 185);

// The level scale of the chart; a range too small for its ticks still gets
// them.
void setLevelAxis(LongtermData* chart, int range)
{
    chart->setAxisY(0, range, qMax(1, range / 5), qMax(1, range / 10), true);
}

const char* heatingColour(int seconds)
{
    if (seconds < 300)
        return "color: red;";
    return seconds < 600 ? "color: yellow;" : "color: green;";
}

}

H2Sensor::H2Sensor(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::H2Sensor)
{
    ui->setupUi(this);
    m_muteKeyTogglesOwnState = true;
    // The frame's polling timer asks for the readings.
    connect(m_timerLevel, &QTimer::timeout, this, &H2Sensor::readData);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    ui->labelActiveTime->setText(QString());
    ui->labelTimer->init();
    ui->labelTimer->show();
    fetchSharedObjects();

    longtermData = new LongtermData(this);
    showLiveChart();
    ui->mainArea->setCurrentWidget(ui->mainPage);
    m_clock.start();
}

H2Sensor::~H2Sensor()
{
    delete ui;
}

void H2Sensor::showLiveChart()
{
    longtermData->setGeometry(kChartLive);
    longtermData->setAxisX(0, 150, 30, 10, true);
    longtermData->setAxisY(0, 1000, 250, 125, true);
    longtermData->init(kChartLive.width(), kChartLive.height(), kScaleColour, kDataColour);
}

// ---- Start --------------------------------------------------------------------

void H2Sensor::init(int variant)
{
    ui->retranslateUi(this);
    m_storedMeasurement = false;
    if (!showH2SensorNote(variant))
        return;
    applyDisplayOptions(variant == Screen::StoredView);
    fetchSharedObjects();
    callBtDevices();
    connectAccessoryMute();

    m_reading.reset();
    resetDisplay();
    startMuted();
    m_requests.answered();
    m_timerLevel->start(kMutedPollMs);
    startCodec();
    startRecording();
    if (m_btSink)
        connect(m_btSink, &Bluetooth::btSensorvalueReceived, this,
                &H2Sensor::btReceivedSensorvalue, Qt::UniqueConnection);
    pwmOn();
    ui->labelStoredMeasurement->setText(QString());

    if (variant == Screen::StoredView)
        startStored();
    else
        startLive();
}

bool H2Sensor::showH2SensorNote(int variant)
{
    // Opposite to the acoustic screens: here the note asks for the H2 sensor.
    if (variant == Screen::StoredView || bootedInto(Screen::FavouriteH2Sensor)
        || StatusbarData()->sensorType() == Statusbardata::kSensorH2)
        return true;
    return showSensorNote(QT_TR_NOOP("YouMustConnectAH2-SensorToUseThisMeasurement"));
}

void H2Sensor::applyDisplayOptions(bool stored)
{
    Systemsettings* s = systemSettings();
    const bool chart = stored || (s && s->isH2ShowHistogramEnabled());
    longtermData->setVisible(chart);
    const int shift = chart ? 0 : 45;
    ui->labelLevel->move(65, chart ? 0 : 25);
    ui->labelScaleMin->move(5, 75 + shift);
    ui->labelScaleMax->move(321, 75 + shift);
    ui->labelActiveTime->move(120, 75 + shift);
    ui->progBarH2Level->setGeometry(5, chart ? 95 : 140, 416, chart ? 50 : 70);
    const bool grid = s && s->isH2ShowGridEnabled();
    longtermData->displayHGrid(grid);
    longtermData->displayVGrid(grid);
}

void H2Sensor::resetDisplay()
{
    showScaleMin();
    ui->progBarH2Level->setValue(0);
    ui->labelLevel->setText("0");
    const bool debug = g_debugFeatures == 1;
    ui->labelPpm->setText(debug ? "AD 0\n0" : QString());
    ui->labelPpm->setVisible(debug);
}

void H2Sensor::startCodec()
{
    initCodec();
    // No filter on the clicks, whatever filter the acoustic screens use;
    // they start without one afterwards.
    quint32 low = 0, high = 4000;
    int type = 0;
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->applyFilter(&low, &high, &type, MainMenu::FilterUse::AsCurrent);
    if (!m_audioCodec)
        return;
    m_audioCodec->setRouting(0);
    m_audioCodec->setInputPath(kInputH2);
}

void H2Sensor::startLive()
{
    ui->mainArea->setCurrentWidget(ui->mainPage);
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
    ui->progBarH2Level->show();
    showLiveChart();
    startLinkCheck();
    armLinkWarning(Screen::FavouriteH2Sensor);

    Systemsettings* s = systemSettings();
    m_reading.startLive(s && s->isH2DynamicScalingEnabled());
    showRange();
    ui->labelTimer->setRangeVisualisation(m_reading.reference(), m_reading.level(), m_reading.range());
    if (s && s->isH2ShowWorkingRangeEnabled())
        ui->labelTimer->showRangeVisualisation();
    else
        ui->labelTimer->hideRangeVisualisation();
}

void H2Sensor::startStored()
{
    // Polling, recording, PWM and the reading connection stay on as in the
    // live start; the codec stays routed to the clicks.
    enterStoredView();
    ui->mainArea->setCurrentWidget(ui->storedPage);
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
    analyseInfoFile();
    ui->progBarH2Level->hide();
    longtermData->setGeometry(kChartStored);
    ScreenStyle::setPlainText(ui->labelStoredMeasurement, m_stored.name);
    longtermData->init(kChartStored.width(), kChartStored.height(), kScaleColour, kDataColour);
    setLevelAxis(longtermData, m_stored.range);
    longtermData->drawDataScaled(m_stored.values, m_stored.count, H2Reading::kHistory, false, 0,
                                 m_stored.range);
}

void H2Sensor::analyseInfoFile()
{
    QString error;
    const std::unique_ptr<QSettings> info = Measurements::openInfo(m_selectedMeasurementDir, &error);
    H2Reading::readStored(info.get(), &m_stored);
}

// ---- Readings -------------------------------------------------------------------

void H2Sensor::readData()
{
    if (!m_btSink || !isActive())
        return;
    const qint64 now = m_clock.elapsed();
    if (!m_requests.mayRequest(now))
        return;
    m_requests.requested(now);
    m_btSink->sendData("BT_TX S");
}

void H2Sensor::btReceivedSensorvalue(QString value, QString activeTime)
{
    m_requests.answered();
    const int level = H2Reading::levelOf(value);
    const int seconds = H2Reading::secondsOf(activeTime);
    // Readings that come while the screen is hidden (other screens ask for
    // them too) count as muted ones.
    if (m_muted || !isActive()) {
        m_reading.mutedReading(level);
    } else {
        const double lat = m_gpsModul ? m_gpsModul->getLatitude() : 0.0;
        const double lon = m_gpsModul ? m_gpsModul->getLongitude() : 0.0;
        m_reading.listeningReading(level, lat, lon);
        ui->labelScaleMax->setText(m_reading.scaleMaxText());
        ui->labelLevel->setText(QString::number(m_reading.shownLevel()));
        ScreenStyle::setBarValue(ui->progBarH2Level, m_reading.percent());
        showRaw(H2Reading::rawOf(value), m_reading.level());
        updatePwmValue();
        drawHistory();
    }
    showScaleMin();
    showHeating(activeTime, seconds);
    ui->labelTimer->setRangeVisualisation(m_reading.reference(), m_reading.level(), m_reading.range());
    ui->labelTimer->show();
}

// The developer read-out of raw counts and level; a figure too long for
// the label is shortened.
void H2Sensor::showRaw(double raw, int level)
{
    ui->labelPpm->ensurePolished();
    const QFontMetrics fm(ui->labelPpm->font());
    const int room = ui->labelPpm->contentsRect().width();
    auto line = [&](const QString& prefix, double figure) {
        return prefix + FitText::number(figure, 0, [&](const QString& text) {
                   return fm.horizontalAdvance(prefix + text) <= room;
               });
    };
    ui->labelPpm->setText(line("AD ", raw) + '\n' + line(QString(), level));
}

void H2Sensor::showHeating(const QString& activeTime, int seconds)
{
    if (g_debugFeatures == 1) {
        ScreenStyle::setPlainText(ui->labelActiveTime,
                                  activeTime.isEmpty() ? QString() : "Active: " + activeTime + " s");
        ui->labelActiveTime->show();
        ScreenStyle::setSheet(ui->labelActiveTime, heatingColour(seconds));
    } else {
        ui->labelActiveTime->setText(QString());
        ui->labelActiveTime->hide();
    }
    ui->labelTimer->setCurrentTime(seconds);
}

void H2Sensor::showScaleMin()
{
    ui->labelScaleMin->setText(g_debugFeatures == 1 ? QString("0 (%1)").arg(m_reading.reference())
                                                    : QString("0"));
}

void H2Sensor::showRange()
{
    ui->labelScaleMax->setText(m_reading.scaleMaxText());
    showScaleMin();
    setLevelAxis(longtermData, m_reading.range());
    longtermData->refresh();
}

void H2Sensor::drawHistory()
{
    setLevelAxis(longtermData, m_reading.range());
    longtermData->refresh();
    // The X axis keeps its labels 0..150 over the 300 readings.
    longtermData->drawDataScaled(m_reading.history(), m_reading.historyCount(), H2Reading::kHistory,
                                 true, 0, m_reading.range());
}

// ---- PWM ------------------------------------------------------------------------

// Files that cannot be written are skipped: the unit measures on without
// its clicks.
void H2Sensor::pwmOn()
{
    DriverHelper::writeFile(kPwmPeriod, "1000000000");
    DriverHelper::writeFile(kPwmDutyCycle, "100000");
    DriverHelper::writeFile(kPwmEnable, "1");
}

void H2Sensor::updatePwmValue()
{
    DriverHelper::writeFile(kPwmPeriod, QByteArray::number(m_reading.pwmPeriodNs()).constData());
}

// ---- Mute and keys ----------------------------------------------------------------

void H2Sensor::muteAudioPath(bool mute, bool transmit)
{
    // The stored page shows a stored history; live readings must not draw
    // into it.
    if (m_storedMeasurement || !isActive())
        return;
    const bool wasMuted = m_muted;
    MeasurementFrame::muteAudioPath(mute, transmit);
    m_timerLevel->start(mute ? kMutedPollMs : kListeningPollMs);
    // One point per listening period, however often the keys say "listen".
    if (!mute && wasMuted)
        m_reading.beginPoint();
}


// ---- Menu bar -----------------------------------------------------------------------

void H2Sensor::updateScaleMaxValue(int mode)
{
    m_reading.setScaleMode(mode);
    showRange();
}

void H2Sensor::on_butMenuScale_clicked()
{
    updateScaleMaxValue(m_reading.scaleMode() + 1);
}

void H2Sensor::on_butMenuZero_clicked()
{
    m_reading.zero();
    showRange();
}

void H2Sensor::on_butMenuSave_clicked()
{
    // Paused, not muted: listening goes on once the name is in.
    Audioworker()->pauseAudioRecording(true);
    QString name;
    if (askMeasurementName(&name)) {
        auto info = std::make_unique<MeasInfoStructure>();
        m_reading.fill(info.get());
        MeasurementData()->storeMeasurement(Measurements::H2Sensor, name.trimmed(), *info);
    }
    if (isActive())
        Audioworker()->pauseAudioRecording(false);
}

void H2Sensor::on_butMenuHeadphone_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

void H2Sensor::on_butMenuHome_clicked()
{
    leave();
}

void H2Sensor::on_butMenuMainmenu_2_clicked()
{
    leave();
}

void H2Sensor::leaveSteps()
{
    m_muted = true;
}

void H2Sensor::on_butMenuStoredBack_clicked()
{
    // The frame's mute: this screen's own skips the stored page.
    MeasurementFrame::muteAudioPath(true, true);
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    backToBrowser();
}
