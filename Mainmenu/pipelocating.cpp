#include "pipelocating.h"
#include "ui_pipelocating.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/freqspectrum.h"
#include "Tools/measurements.h"
#include "Tools/screenstyle.h"
#include "mainmenu.h"

#include <QDebug>
#include <QSettings>
#include <QTimer>

#include <memory>

namespace {

// The frame's sensor note and link warning, in this screen's context.
[[maybe_unused]] const char* const kFrameTexts[] = {
    QT_TRANSLATE_NOOP("Pipelocating", "Note"), QT_TRANSLATE_NOOP("Pipelocating", "Warning"),
    QT_TRANSLATE_NOOP("Pipelocating", "YouMustConnectAnAcousticalSensorToUseThisMeasurement."),
    QT_TRANSLATE_NOOP("Pipelocating", "NoBluetoothConnectionPleaseCheckYourTB9")};

const int kTickMs = 500;
const int kTickAfterFilterMs = 200;
const int kPipeYLive = 215;
const int kPipeYStored = 182;
// Written as the bar colour has always been written, without blanks.
const QString kBarColour = QStringLiteral("rgb(0,255,127)");

}

Pipelocating::Pipelocating(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Pipelocating)
{
    ui->setupUi(this);
    freqSpectrum = new FreqSpectrum;
    ui->spectrumLayout->addWidget(freqSpectrum);
    const QRect r = freqSpectrum->getRect();
    freqSpectrum->init(r.width(), r.height());
    freqSpectrum->clear();
    freqSpectrum->setDisabled(true);
    freqSpectrum->drawScale();
    ui->labelFrequency->hide();
    connect(m_timerLevel, &QTimer::timeout, this, &Pipelocating::updateData);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    setProgressBarFrequColor(ui->prgbPeakLevelMinMax, 0, false);
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i)
        setProgressBarFrequColor(liveBar(i), 0, false);
    ui->labelProgBarMinMax->clear();
    ui->mainArea->setCurrentWidget(ui->mainPage);
}

Pipelocating::~Pipelocating()
{
    delete ui;
}

QProgressBar* Pipelocating::liveBar(int point) const
{
    QProgressBar* const bars[] = {ui->progBarHist1, ui->progBarHist2, ui->progBarHist3,
                                  ui->progBarHist4, ui->progBarHist5, ui->progBarHist6,
                                  ui->progBarHist7, ui->progBarHist8, ui->progBarHist9,
                                  ui->progBarHist10};
    return bars[point - 1];
}

QLabel* Pipelocating::liveLabel(int point) const
{
    QLabel* const labels[] = {ui->labelProgBar1, ui->labelProgBar2, ui->labelProgBar3,
                              ui->labelProgBar4, ui->labelProgBar5, ui->labelProgBar6,
                              ui->labelProgBar7, ui->labelProgBar8, ui->labelProgBar9,
                              ui->labelProgBar10};
    return labels[point - 1];
}

QProgressBar* Pipelocating::storedBar(int point) const
{
    QProgressBar* const bars[] = {
        ui->progBarHist1_stored, ui->progBarHist2_stored, ui->progBarHist3_stored,
        ui->progBarHist4_stored, ui->progBarHist5_stored, ui->progBarHist6_stored,
        ui->progBarHist7_stored, ui->progBarHist8_stored, ui->progBarHist9_stored,
        ui->progBarHist10_stored};
    return bars[point - 1];
}

QLabel* Pipelocating::storedLabel(int point) const
{
    QLabel* const labels[] = {
        ui->labelProgBar1_stored, ui->labelProgBar2_stored, ui->labelProgBar3_stored,
        ui->labelProgBar4_stored, ui->labelProgBar5_stored, ui->labelProgBar6_stored,
        ui->labelProgBar7_stored, ui->labelProgBar8_stored, ui->labelProgBar9_stored,
        ui->labelProgBar10_stored};
    return labels[point - 1];
}

bool Pipelocating::storedPageShown() const
{
    return ui->mainArea->currentWidget() == ui->storedPage;
}

// ---- Start --------------------------------------------------------------------

void Pipelocating::init(int variant)
{
    ui->retranslateUi(this);
    const bool stored = variant == Screen::StoredView;
    if (!stored && !showSensorNote())
        return;
    applyDisplayOptions();
    m_points.clear();
    startMuted();
    fetchSharedObjects();
    callBtDevices();
    connectAccessoryMute();
    initCodec();

    ui->labelLevel->setText("0");
    ui->labelFrequency->setText(ScreenStyle::hertz(0));
    ui->prgbPeakLevelMinMax->setMaxMarker(-1);
    ui->prgbPeakLevelMinMax->setMinMarker(-1);
    ScreenStyle::setBarValue(ui->prgbPeakLevelMinMax, 0);
    setProgressBarFrequColor(ui->prgbPeakLevelMinMax, 0, false);
    ui->labelProgBarMinMax->setText("0");
    ui->labelPipesymbol->hide();
    ui->labelPipesymbol_stored->hide();

    if (stored)
        startStored();
    else
        startLive();
}

void Pipelocating::applyDisplayOptions()
{
    Systemsettings* s = systemSettings();
    const bool fft = s && s->isPLShowFftEnabled();
    if (fft) {
        freqSpectrum->show();
        ui->labelFrequency->hide();
        ui->labelLevel->move(5, 5);
        // The stored view's filter labels go with them.
        setFilterLabelsVisible(false);
    } else {
        freqSpectrum->hide();
        ui->labelLevel->move(132, 5);
        ui->labelFrequency->setVisible(s && s->isPLShowFrequencyValueEnabled());
        const bool filter = s && s->isPLShowFilterParameterEnabled();
        setFilterLabelsVisible(filter);
        if (filter) {
            ui->labelFiltersymbol->move(5, 30);
            ui->labelFilterrange->move(55, 25);
        }
    }
    freqSpectrum->setScaleBgGradient(s && s->isPLUseFrequColorForBarEnabled());
}

void Pipelocating::setFilterLabelsVisible(bool visible)
{
    for (QLabel* label : {ui->labelFiltersymbol, ui->labelFilterrange,
                          ui->labelFiltersymbolStored, ui->labelFilterLowCutOff,
                          ui->labelFilterHighCutOff})
        label->setVisible(visible);
}

void Pipelocating::startLive()
{
    m_storedMeasurement = false;
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
    ui->mainArea->setCurrentWidget(ui->mainPage);
    // Left at an earlier measurement's range, the first point's bar would be
    // drawn against it until its first mute.
    m_dynamicScaleMin = 0.0f;
    m_dynamicScaleMax = 100.0f;
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i)
        setRange(liveBar(i), {});

    const QRect r = freqSpectrum->getRect();
    freqSpectrum->init(r.width(), r.height());
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    freqSpectrum->setDisabled(true);
    freqSpectrum->update();

    applyCurrentFilter();
    showFilter();
    applyMicGainStep();
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i) {
        liveBar(i)->hide();
        liveLabel(i)->hide();
    }
    m_timerLevel->start(kTickMs);
    startRecording();
    startLinkCheck();
    armLinkWarning(Screen::FavouritePipelocating);
}

void Pipelocating::showFilter()
{
    ScreenStyle::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, m_storedFilterType,
                            m_storedFilterLowCutOff, m_storedFilterHighCutOff);
    // The spectrum read the codec before the filter in force reached it.
    freqSpectrum->updateFilter(m_storedFilterLowCutOff, m_storedFilterHighCutOff,
                               m_storedFilterType);
}

// ---- Listening and points ------------------------------------------------------

void Pipelocating::muteAudioPath(bool mute, bool transmit)
{
    // The stored view leaves the mute keys without effect.
    if (!isActive() || storedPageShown())
        return;
    const bool changed = mute != m_muted;
    MeasurementFrame::muteAudioPath(mute, transmit);
    if (!changed)
        return;
    if (mute) {
        freqSpectrum->setDisabled(true);
        // A dropped point's place has no position to take.
        const bool kept = m_points.endPoint();
        if (kept)
            adjustProgbarRange();
        updateHistoryValues(kept);
        return;
    }
    // A touch on the spectrum sets a band only while listening.
    freqSpectrum->setEnabled(true);
    m_points.beginPoint();
    // After a cancelled filter dialog: the tick at the interval it last had.
    if (!m_timerLevel->isActive())
        m_timerLevel->start();
    updateHistoryValues(true);
}

void Pipelocating::updateData()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!isActive() || !hub || hub->isAudioPathMuted() || m_muted)
        return;
    AnalogInputWorker* adc = Analoginputworker();
    float rms = 0.0f;
    float peak = 0.0f;
    float minimum = 0.0f;
    adc->getAudioLevel(&rms, &peak, &minimum);
    const float level = AnalogInputWorker::audioLevelToDb(peak);
    const int frequency = int(adc->getSignificandFrequency());
    const float held = m_points.tick(level, frequency);
    const int step = m_points.currentStep();

    ui->labelLevel->setText(ScreenStyle::figure(held));
    ui->labelFrequency->setText(ScreenStyle::hertz(quint32(m_points.frequency(step))));
    ui->prgbPeakLevelMinMax->setMaxMarker(PipelocatingPoints::barValue(held));
    ui->prgbPeakLevelMinMax->setMinMarker(-1);
    ScreenStyle::setBarValue(ui->prgbPeakLevelMinMax, PipelocatingPoints::barValue(level));
    setProgressBarFrequColor(ui->prgbPeakLevelMinMax, frequency, false);
    ui->prgbPeakLevelMinMax->update();
    ui->labelProgBarMinMax->setText(ScreenStyle::figure(level));

    float magnitudes[AnalogInputWorker::kSamples];
    float samples[AnalogInputWorker::kSamples];
    adc->getFft(magnitudes);
    adc->getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(magnitudes, true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();

    if (m_points.level(step) < m_dynamicScaleMin)
        adjustProgbarRange();
    if (m_points.level(step) > m_dynamicScaleMax)
        adjustProgbarRange();
    updateHistoryValues(true);
}

void Pipelocating::updateHistoryValues(bool takePosition)
{
    const int step = m_points.currentStep();
    const int loudest = m_points.loudest(step);
    ui->labelPipesymbol->hide();
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i) {
        // A dropped point is gone from the screen too.
        if (i > step) {
            liveBar(i)->hide();
            liveLabel(i)->hide();
            continue;
        }
        ScreenStyle::setBarValue(liveBar(i), PipelocatingPoints::barValue(m_points.level(i)));
        liveLabel(i)->setText(ScreenStyle::figure(m_points.level(i)));
        setProgressBarFrequColor(liveBar(i), m_points.frequency(i), i == loudest);
        liveBar(i)->show();
        liveLabel(i)->show();
    }
    if (takePosition && m_gpsModul)
        m_points.setPosition(m_gpsModul->getLatitude(), m_gpsModul->getLongitude());
}

void Pipelocating::adjustProgbarRange()
{
    const PipelocatingPoints::Range r = m_points.liveRange();
    m_dynamicScaleMin = r.bottom;
    m_dynamicScaleMax = r.top;
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i)
        setRange(liveBar(i), r);
}

void Pipelocating::setRange(QProgressBar* bar, const PipelocatingPoints::Range& range)
{
    bar->setRange(PipelocatingPoints::barValue(range.bottom),
                  PipelocatingPoints::barValue(range.top));
}

void Pipelocating::setProgressBarFrequColor(QProgressBar* bar, int frequency, bool pipe)
{
    Systemsettings* s = systemSettings();
    const bool coloured = frequency >= 1 && s && s->isPLUseFrequColorForBarEnabled();
    ScreenStyle::setSheet(bar, coloured ? ScreenStyle::chunkSheet(
                                              ScreenStyle::frequencyColour(unsigned(frequency)))
                                        : ScreenStyle::chunkSheet(kBarColour));
    if (!pipe)
        return;
    // Each page has its own symbol; only the one on the page shown is seen.
    ui->labelPipesymbol->move(bar->x() + 3, kPipeYLive);
    ui->labelPipesymbol_stored->move(bar->x() + 3, kPipeYStored);
    ui->labelPipesymbol->show();
    ui->labelPipesymbol_stored->show();
}

// ---- Menu bar -----------------------------------------------------------------

void Pipelocating::on_butMenuFilter_clicked()
{
    runFilterDialog(kTickAfterFilterMs, false, [this](const MenuDialogResult& r) {
        takeFilter(r.filterType, r.lowCutOff, r.highCutOff);
        showFilter();
    });
}

void Pipelocating::on_butMenuMicrophone_clicked()
{
    runMenuDialog(MenuDialog::Microphone);
}

void Pipelocating::on_butMenuHeadphone_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

void Pipelocating::on_butMenuSave_clicked()
{
    // The codec's filter goes with it: a band touched on the spectrum is in
    // force there.
    saveMeasurement(Measurements::Pipelocating, [this](MeasInfoStructure* info) { m_points.fill(info); });
}

void Pipelocating::on_butMenuHome_clicked()
{
    leave();
}

void Pipelocating::on_butMenuMainmenu_2_clicked()
{
    leave();
}

void Pipelocating::leaveSteps()
{
    Analoginputworker()->stopCapture();
}

// ---- Stored view ----------------------------------------------------------------

void Pipelocating::startStored()
{
    enterStoredView();
    qDebug() << "Pipelocating: stored measurement" << m_selectedMeasurementDir;
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
    ui->mainArea->setCurrentWidget(ui->storedPage);
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i) {
        storedBar(i)->hide();
        storedLabel(i)->hide();
    }
    analyseInfoFile();
    freqSpectrum->setDisabled(true);
    const int loudest = m_stored.loudest(PipelocatingPoints::kPoints);
    adjustProgbarRangeStored();
    ScreenStyle::setPlainText(ui->labelStoredMeasurement, m_storedMeasurementName);
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i) {
        const float level = m_stored.level(i);
        if (level <= 0.0f)
            continue;
        ScreenStyle::setBarValue(storedBar(i), PipelocatingPoints::barValue(level));
        storedLabel(i)->setText(ScreenStyle::figure(level));
        setProgressBarFrequColor(storedBar(i), m_stored.frequency(i), i == loudest);
        storedBar(i)->show();
        storedLabel(i)->show();
    }
    ScreenStyle::showFilterCorners(ui->labelFiltersymbolStored, ui->labelFilterLowCutOff,
                                   ui->labelFilterHighCutOff, m_storedFilterType,
                                   m_storedFilterLowCutOff, m_storedFilterHighCutOff);
}

void Pipelocating::analyseInfoFile()
{
    m_stored.clear();
    m_storedMeasurementName.clear();
    const std::unique_ptr<QSettings> info = Measurements::openInfo(m_selectedMeasurementDir);
    takeStoredFilter(info.get());
    if (!info)
        return;
    m_storedMeasurementName = Measurements::readText(*info, "Measurementinfo/Measurementname");
    m_stored.load(*info);
}

void Pipelocating::adjustProgbarRangeStored()
{
    const PipelocatingPoints::Range r = m_stored.storedRange();
    for (int i = 1; i <= PipelocatingPoints::kPoints; ++i)
        setRange(storedBar(i), r);
}

void Pipelocating::on_butMenuStoredBack_clicked()
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(true, true);
    m_timerLevel->stop();
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    m_muted = true;
    Audioworker()->stopAudioRecording();
    Analoginputworker()->stopCapture();
    backToBrowser();
}
