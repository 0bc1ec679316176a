#include "pressuresensor.h"
#include "ui_pressuresensor.h"

#include "Audio/audiocodecsetup.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gpio.h"
#include "Hardware/gpiolines.h"
#include "Hardware/gps.h"
#include "Mainmenu/pressurefiles.h"
#include "Tools/fittext.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFontMetrics>

#include <algorithm>

namespace {

const QRect kChart(5, 55, 420, 195);
const QColor kScaleColour(128, 155, 255);
const QColor kDataColour(173, 216, 230);

const char* const kStartStream = "BT_TX RS";
const char* const kStopStream = "BT_TX RP";

// Type 0 ignores its corners: the codec passes 0..4000 Hz.
const quint32 kNoCorner = 0xFFFFFFFF;
const int kPressureInput = 2;

// "<name> = <value> bar", the value with two decimals or as short as the
// label needs (a calibration may make it any size).
void showStatistic(QLabel* label, const char* name, const PressureData::Statistics& s, float value)
{
    const QString pattern = QString("%1 = %2 bar").arg(QLatin1String(name));
    if (!s.valid) {
        label->setText(pattern.arg("---"));
        return;
    }
    const QFontMetrics fm(label->font());
    const int room = label->contentsRect().width();
    label->setText(pattern.arg(FitText::number(double(value), 2, [&](const QString& figure) {
        return fm.horizontalAdvance(pattern.arg(figure)) <= room;
    })));
}

}

PressureSensor::PressureSensor(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::PressureSensor)
{
    ui->setupUi(this);
    m_muteKeyTogglesOwnState = true;
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    fetchSharedObjects();
    // Above the main area, beneath the labels.
    m_chart = new LongtermData(this);
    m_chart->setGeometry(kChart);
    m_chart->setAxisX(0, 150, 30, 10, true);
    m_chart->setAxisY(0, m_data.calibration().fullScale, 5, 1, true);
    m_chart->init(kChart.width(), kChart.height(), kScaleColour, kDataColour);
    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btPressuredataReceived, this,
                &PressureSensor::pressuredataReceived, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btEnableReceivePressuredata, this,
                &PressureSensor::enableReceivePressuredata, Qt::UniqueConnection);
    }
    ui->mainArea->setCurrentWidget(ui->mainPage);
    PressureFiles::makeTempDir();
}

PressureSensor::~PressureSensor()
{
    delete ui;
}

// ---- Start --------------------------------------------------------------------

void PressureSensor::init(int variant)
{
    ui->retranslateUi(this);
    fetchSharedObjects();
    callBtDevices();
    connectAccessoryMute();
    startMuted();
    initCodec();
    if (m_audioCodec) {
        m_audioCodec->setFilter(kNoCorner, kNoCorner, 0);
        m_audioCodec->setRouting(0);
        m_audioCodec->setInputPath(kPressureInput);
    }
    startRecording();
    m_storedMeasurement = false;
    if (variant != Screen::StoredView)
        startMeasurement();
}

void PressureSensor::startMeasurement()
{
    ui->mainArea->setCurrentWidget(ui->mainPage);
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
    m_data.start();
    m_chart->show();
    m_chart->setGeometry(kChart);
    const PressureData::Diagram axes = m_data.axes();
    m_chart->setAxisX(axes.minX, axes.maxX, 10, 50, true);
    m_chart->setAxisY(axes.minY, axes.maxY, 5, 1, true);
    m_chart->init(kChart.width(), kChart.height(), kScaleColour, kDataColour);
    PressureFiles::removeLive();
    updatePressureValues(PressureData::Statistics(), true);
    ui->labelSensorType->setText("-- bar");
}

// ---- Listening ------------------------------------------------------------------

void PressureSensor::muteAudioPath(bool mute, bool)
{
    if (!isActive())
        return;
    MeasurementFrame::muteAudioPath(mute, true);
    tellAccessory(mute ? kStopStream : kStartStream);
}

void PressureSensor::accessoryMuteKey(bool mute)
{
    muteAudioPath(mute, true);
}

void PressureSensor::tellAccessory(const char* line)
{
    if (m_btSink)
        m_btSink->sendData(QLatin1String(line));
}


bool PressureSensor::event(QEvent* event)
{
    // However the screen is hidden (another screen opened over it), the
    // accessory does not go on streaming for it.
    if (event->type() == QEvent::HideToParent && !m_muted)
        muteAudioPath(true, true);
    return MeasurementFrame::event(event);
}

void PressureSensor::enableReceivePressuredata(bool enable, int sensor, unsigned short adMin,
                                               unsigned short adMax)
{
    if (!enable) {
        qDebug() << "Empfang der Druckdaten beendet";
        return;
    }
    if (!m_data.setCalibration(sensor, adMin, adMax))
        return;
    // The figure on its own line if need be, as short as the label needs.
    const QFontMetrics fm(ui->labelSensorType->font());
    const int room = ui->labelSensorType->contentsRect().width();
    const QString figure = FitText::number(double(m_data.calibration().fullScale), 0,
                                           [&](const QString& f) { return fm.horizontalAdvance(f) <= room; });
    ui->labelSensorType->setText(QString("%1 bar").arg(figure));
    updateDiagram(m_data.axes());
    qDebug() << "Empfang der Druckdaten gestartet" << sensor << adMin << adMax;
}

void PressureSensor::pressuredataReceived(int dataCnt, QString pressuredata)
{
    // Lines still in flight after a stop or a leave are not this measurement's.
    if (m_muted || !isActive())
        return;
    Gpio::setValue(GpioLine::Led, 1);
    const PressureData::Block block = m_data.add(dataCnt, pressuredata);
    if (!block.values.isEmpty()) {
        PressureFiles::appendBlock(block, m_data);
        if (block.beginsRecord)
            qDebug() << "PressureSensor: 1 minute data";
        updatePressureValues(m_data.statistics(0, m_data.count()), false);
        updateDiagram(m_data.live());
    }
    Gpio::setValue(GpioLine::Led, 0);
}

// ---- Display --------------------------------------------------------------------

void PressureSensor::updatePressureValues(const PressureData::Statistics& s, bool displayStdDev)
{
    showStatistic(ui->labelMax, "MAX", s, s.max);
    showStatistic(ui->labelMin, "MIN", s, s.min);
    showStatistic(ui->labelAverage, "AVG", s, s.average);
    if (displayStdDev)
        showStatistic(ui->labelDeviation, "DEV", s, s.deviation);
    else
        showStatistic(ui->labelDeviation, "ACT", s, s.current);
}

void PressureSensor::updateDiagram(const PressureData::Diagram& d)
{
    const float spanX = d.maxX - d.minX;
    const float spanY = d.maxY - d.minY;
    m_chart->setAxisX(d.minX, d.maxX, spanX / 5, spanX / 10, true);
    m_chart->setAxisY(d.minY, d.maxY, spanY / 5, spanY / 10, true);
    m_chart->refresh();
    // Never past the store, whatever range the axis asks for.
    const int end = std::clamp(d.end, 0, PressureData::kCapacity);
    const int start = std::clamp(d.start, 0, end);
    m_chart->drawDataScaled(m_data.values() + start, d.joined(), end - start, false, d.minY,
                            d.maxY);
}

void PressureSensor::showPage(const PressureData::Diagram& d)
{
    updateDiagram(d);
    updatePressureValues(m_data.pageStatistics(), true);
}

// ---- Menu bar -----------------------------------------------------------------

void PressureSensor::on_butMenuHome_clicked()
{
    leave();
}

void PressureSensor::muteOnLeave()
{
    muteAudioPath(true, true);
}

void PressureSensor::on_butMenuSave_clicked()
{
    if (!m_muted)
        muteAudioPath(true, true);
    QString name;
    if (!askMeasurementName(&name))
        return;
    const double latitude = m_gpsModul ? m_gpsModul->getLatitude() : 0;
    const double longitude = m_gpsModul ? m_gpsModul->getLongitude() : 0;
    Measurements::reportFailure(
        PressureFiles::save(name, m_data.calibration(), latitude, longitude));
}

void PressureSensor::on_butMenuScaleY_clicked()
{
    updateDiagram(m_data.togglePressureZoom());
}

void PressureSensor::on_butMenuScaleX_clicked()
{
    updateDiagram(m_data.nextTimeRange());
}

void PressureSensor::on_butMenuAnalyse_clicked()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
    muteAudioPath(true, true);
    showPage(m_data.analyse());
}

void PressureSensor::on_butMenuAnalyseScaleY_clicked()
{
    showPage(m_data.togglePageZoom());
}

void PressureSensor::on_butMenuAnalyseScaleX_clicked()
{
    showPage(m_data.nextPageRange());
}

void PressureSensor::on_butMenuAnalysePrev_clicked()
{
    showPage(m_data.previousPage());
}

void PressureSensor::on_butMenuAnalyseNext_clicked()
{
    showPage(m_data.nextPage());
}

void PressureSensor::on_butMenuAnalyseBack_clicked()
{
    updateDiagram(m_data.leaveAnalysis());
    updatePressureValues(m_data.statistics(0, m_data.count()), false);
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
}
