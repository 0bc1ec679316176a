#include "longtermmeasurement.h"
#include "ui_longtermmeasurement.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Management/systemsettings.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/screenstyle.h"
#include "mainmenu.h"

#include <QDebug>
#include <QTimer>


namespace {

// The frame's sensor note and link warning, in this screen's context.
[[maybe_unused]] const char* const kFrameTexts[] = {
    QT_TRANSLATE_NOOP("Longtermmeasurement", "Note"), QT_TRANSLATE_NOOP("Longtermmeasurement", "Warning"),
    QT_TRANSLATE_NOOP("Longtermmeasurement", "YouMustConnectAnAcousticalSensorToUseThisMeasurement."),
    QT_TRANSLATE_NOOP("Longtermmeasurement", "NoBluetoothConnectionPleaseCheckYourTB9")};

const QColor kScaleColour(213, 211, 18);
const QColor kDataColour(255, 255, 100);
const QString kScaleIcons = ":/Resources/Icons/Mainmenu/Pinpointing/";
// What a muted tick reads: below every level that counts.
const float kMutedLevel = 0.000001f;

void setAxisX(LongtermData* chart, const LongtermRecorder::TimeBase& t)
{
    chart->setAxisX(t.min, t.max, t.mainStep, t.minorStep, true);
}

}

Longtermmeasurement::Longtermmeasurement(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Longtermmeasurement), m_updateTimer(m_timerLevel)
{
    ui->setupUi(this);
    m_updateTimer->setObjectName("timerUpdate");
    longtermData = new LongtermData();
    ui->levelData->addWidget(longtermData);
    setAxisX(longtermData, LongtermRecorder::timeBase(0));
    longtermData->init(longtermData->getRect().width(), longtermData->getRect().height(),
                       kScaleColour, kDataColour);

    storedLongtermData = new LongtermData(ui->levelDataStored);
    const QSize stored = ui->levelDataStored->size();
    storedLongtermData->init(stored.width(), stored.height(), kScaleColour, kDataColour);
    storedLongtermData->setGeometry(0, 0, stored.width(), stored.height());

    fetchSharedObjects();
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    connect(m_updateTimer, &QTimer::timeout, this, &Longtermmeasurement::updateData,
            Qt::UniqueConnection);
    ui->mainArea->setCurrentWidget(ui->mainPage);
}

Longtermmeasurement::~Longtermmeasurement()
{
    m_updateTimer->stop();
    delete ui;
}

// ---- Start --------------------------------------------------------------------

void Longtermmeasurement::init(int variant)
{
    ui->retranslateUi(this);
    const bool stored = variant == Screen::StoredView;
    if (!stored && !showSensorNote())
        return;

    m_recorder.reset();
    showTimeBase();
    showScale();
    Systemsettings* options = systemSettings();
    const bool grid = options && options->isLTShowGridEnabled();
    longtermData->displayHGrid(grid);
    longtermData->displayVGrid(grid);

    fetchSharedObjects();
    callBtDevices();
    connectAccessoryMute();
    initCodec();

    ScreenStyle::setBarValue(ui->prgbMinimumLevel, 0);
    ui->labelLevel->setText("0");
    const bool frequency = options && options->isLTShowFrequencyValueEnabled();
    ui->labelFrequency->setVisible(frequency);
    ui->labelFrequency->setText(frequency ? ScreenStyle::hertz(0) : QString());
    const bool filter = options && options->isLTShowFilterParameterEnabled();
    for (QWidget* label : {ui->labelFiltersymbol, ui->labelFilterrange, ui->labelFiltersymbolStored,
                           ui->labelFilterLowCutOff, ui->labelFilterHighCutOff})
        label->setVisible(filter);
    muteAudioPath(true, true);

    if (stored)
        startStored();
    else
        startLive();
}

void Longtermmeasurement::startLive()
{
    m_storedMeasurement = false;
    // The layout gives the chart its size only now that the screen is shown.
    ui->levelData->activate();
    longtermData->init(longtermData->getRect().width(), longtermData->getRect().height(),
                       kScaleColour, kDataColour);
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
    ui->mainArea->setCurrentWidget(ui->mainPage);
    startRecording();
    Audioworker()->pauseAudioRecording(true);
    applyCurrentFilter();
    ScreenStyle::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, m_storedFilterType,
                            m_storedFilterLowCutOff, m_storedFilterHighCutOff);
    applyMicGainStep();
    startLinkCheck();
    armLinkWarning(Screen::FavouriteLongterm);
}

void Longtermmeasurement::startStored()
{
    enterStoredView();
    m_updateTimer->stop();
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
    ui->mainArea->setCurrentWidget(ui->storedPage);
    analyseInfoFile();

    const LongtermRecorder::TimeBase& t = LongtermRecorder::timeBase(m_stored.selectedTime);
    ui->labelTimeStored->setText(t.label);
    setAxisX(storedLongtermData, t);
    ScreenStyle::showFilterCorners(ui->labelFiltersymbolStored, ui->labelFilterLowCutOff,
                                   ui->labelFilterHighCutOff, m_storedFilterType,
                                   m_storedFilterLowCutOff, m_storedFilterHighCutOff);

    const QSize size = ui->levelDataStored->size();
    storedLongtermData->init(size.width(), size.height(), kScaleColour, kDataColour);
    storedLongtermData->drawData(m_stored.data, m_stored.count, m_stored.maxVisible, false);
    ScreenStyle::setPlainText(ui->labelStoredMeasurement, m_storedMeasurementName);
}

void Longtermmeasurement::analyseInfoFile()
{
    QString error;
    m_stored.read(m_selectedMeasurementDir, &error);
    if (!error.isEmpty())
        qDebug() << "Longtermmeasurement: stored measurement not read:" << m_selectedMeasurementDir
                 << error;
    m_storedMeasurementName = m_stored.name;
    m_storedFilterType = m_stored.filterType;
    m_storedFilterLowCutOff = m_stored.lowCutOff;
    m_storedFilterHighCutOff = m_stored.highCutOff;
}

// ---- Listening ----------------------------------------------------------------

void Longtermmeasurement::muteAudioPath(bool mute, bool transmit)
{
    if (!isActive())
        return;
    MeasurementFrame::muteAudioPath(mute, transmit);
    if (mute)
        m_updateTimer->stop();
    else
        m_updateTimer->start(LongtermRecorder::kTickMs);
}

void Longtermmeasurement::updateData()
{
    if (!isActive())
        return;
    float rms = kMutedLevel;
    unsigned frequency = 0;
    if (!m_muted) {
        AnalogInputWorker* adc = Analoginputworker();
        float peak = 0;
        float min = 0;
        adc->getAudioLevel(&rms, &peak, &min);
        frequency = adc->getSignificandFrequency();
    }
    const float level = AnalogInputWorker::audioLevelToDb(rms);
    if (!m_recorder.add(level))
        return;

    ScreenStyle::setBarValue(ui->prgbMinimumLevel, int(level));
    ui->labelLevel->setText(ScreenStyle::figure(level));
    ui->labelFrequency->setText(ScreenStyle::hertz(frequency));
    Systemsettings* options = systemSettings();
    ScreenStyle::setSheet(ui->prgbMinimumLevel,
                          options && options->isLTUseFrequColorForBarEnabled()
                              ? ScreenStyle::chunkSheet(ScreenStyle::frequencyColour(frequency))
                              : ScreenStyle::chunkSheet(QStringLiteral("yellow")));
    redrawLive();
}

void Longtermmeasurement::redrawLive()
{
    longtermData->refresh();
    const LongtermRecorder::AxisY y = m_recorder.axisY();
    if (m_recorder.scaled())
        longtermData->drawDataScaled(m_recorder.data(), m_recorder.count(), m_recorder.maxVisible(),
                                     m_recorder.displayOldData(), y.min, y.max);
    else
        longtermData->drawData(m_recorder.data(), m_recorder.count(), m_recorder.maxVisible(),
                               m_recorder.displayOldData());
}

void Longtermmeasurement::showTimeBase()
{
    const LongtermRecorder::TimeBase& t = LongtermRecorder::timeBase(m_recorder.selectedTime());
    ui->labelTime->setText(t.label);
    setAxisX(longtermData, t);
}

void Longtermmeasurement::showScale()
{
    const LongtermRecorder::AxisY y = m_recorder.axisY();
    longtermData->setAxisY(y.min, y.max, y.mainStep, y.minorStep, true);
    const char* icon = m_recorder.scaled() ? "ScaleMagnifierFull" : "Scale";
    ScreenStyle::setSheet(ui->butMenuScale,
                          ScreenStyle::buttonPicture(kScaleIcons, QString("%1_ws").arg(icon),
                                                     QString("%1_sw").arg(icon), "5px 5px"));
}

// ---- Menu bar -----------------------------------------------------------------

void Longtermmeasurement::on_butMenuTime_clicked()
{
    m_recorder.nextTimeBase();
    showTimeBase();
    // The lap now drawn is another time base's.
    redrawLive();
}

void Longtermmeasurement::on_butMenuScale_clicked()
{
    const bool wasScaled = m_recorder.scaled();
    m_recorder.toggleScale();
    showScale();
    if (m_recorder.scaled() || wasScaled)
        redrawLive();
}

void Longtermmeasurement::on_butMenuSave_clicked()
{
    // Only the current lap: what lies behind the write position in black is
    // the previous one.
    saveMeasurement(Measurements::Longtermmeasurement,
                    [this](MeasInfoStructure* info) { m_recorder.fill(info); });
}

void Longtermmeasurement::on_butMenuSettings_clicked()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_3);
}

void Longtermmeasurement::on_butMenuBack_clicked()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
}

void Longtermmeasurement::on_butMenuFilter_clicked()
{
    runFilterDialog(LongtermRecorder::kTickMs, false, [this](const MenuDialogResult& r) {
        takeFilter(r.filterType, r.lowCutOff, r.highCutOff);
        ScreenStyle::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, m_storedFilterType,
                                m_storedFilterLowCutOff, m_storedFilterHighCutOff);
    });
}

void Longtermmeasurement::on_butMenuMicrophone_clicked()
{
    runMenuDialog(MenuDialog::Microphone);
}

void Longtermmeasurement::on_butMenuHeadphone_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

// ---- Leaving ------------------------------------------------------------------

void Longtermmeasurement::on_butMenuMainmenu_clicked()
{
    if (isActive())
        leave();
}

void Longtermmeasurement::on_butMenuMainmenu_2_clicked()
{
    on_butMenuMainmenu_clicked();
}

void Longtermmeasurement::on_butMenuMainmenu_3_clicked()
{
    on_butMenuMainmenu_clicked();
}

void Longtermmeasurement::leaveSteps()
{
    // The frame then mutes the path, stops both timers and the recording, and
    // the capture with it.
    m_muted = true;
}

void Longtermmeasurement::on_butMenuStoredBack_clicked()
{
    if (!isActive())
        return;
    muteAudioPath(true, true);
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    stopRecording();
    Analoginputworker()->stopCapture();
    backToBrowser();
}
