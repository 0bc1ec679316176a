#include "pinpointing.h"
#include "ui_pinpointing.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/devicelayer.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/measurements.h"
#include "Tools/screenstyle.h"
#include "mainmenu.h"

#include <QDebug>
#include <QSettings>
#include <QTimer>

namespace {

// The frame's sensor note and link warning, in this screen's context.
[[maybe_unused]] const char* const kFrameTexts[] = {
    QT_TRANSLATE_NOOP("Pinpointing", "Note"), QT_TRANSLATE_NOOP("Pinpointing", "Warning"),
    QT_TRANSLATE_NOOP("Pinpointing", "YouMustConnectAnAcousticalSensorToUseThisMeasurement."),
    QT_TRANSLATE_NOOP("Pinpointing", "NoBluetoothConnectionPleaseCheckYourTB9")};

const int kSlotPitch = 42;
const int kSlotLeft = 5;
const int kSlotWidth = 37;
const int kBarTop = 60;
const int kBarHeightLive = 168;
const int kBarHeightStored = 143;
const int kLabelTopLive = 230;
const int kLabelTopStored = 205;
const int kLabelHeight = 20;

const QString kIcons = ":/Resources/Icons/Mainmenu/Pinpointing/";

QString soundName(int point)
{
    return QString("PP_Sound_%1").arg(point);
}

QString buttonPicture(const QString& normal, const QString& pressed)
{
    return ScreenStyle::buttonPicture(kIcons, normal, pressed);
}

// This screen's named bar colours have blanks inside the braces.
QString namedChunk(const QString& colour)
{
    return ScreenStyle::chunkSheet(colour, ScreenStyle::Braces::Spaced);
}

using ScreenStyle::figure;
using ScreenStyle::setSheet;

}

Pinpointing::Pinpointing(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Pinpointing)
{
    ui->setupUi(this);
    connect(m_timerLevel, &QTimer::timeout, this, &Pinpointing::updateLevel);
    ui->butStartStop->setText("LIN");
    ui->butStartStop->setVisible(g_debugFeatures == 1);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

Pinpointing::~Pinpointing()
{
    delete ui;
}

QProgressBar* Pinpointing::bar(int point) const
{
    QProgressBar* const bars[] = {ui->progBarMin1, ui->progBarMin2, ui->progBarMin3,
                                  ui->progBarMin4, ui->progBarMin5, ui->progBarMin6,
                                  ui->progBarMin7, ui->progBarMin8, ui->progBarMin9,
                                  ui->progBarMin10};
    return bars[point - 1];
}

QLabel* Pinpointing::valueLabel(int point) const
{
    QLabel* const labels[] = {ui->labelMin1, ui->labelMin2, ui->labelMin3, ui->labelMin4,
                              ui->labelMin5, ui->labelMin6, ui->labelMin7, ui->labelMin8,
                              ui->labelMin9, ui->labelMin10};
    return labels[point - 1];
}

// ---- Start --------------------------------------------------------------------

void Pinpointing::init(int variant)
{
    ui->retranslateUi(this);
    if (variant == Screen::StoredView)
        startStored();
    else
        startLive();
}

void Pinpointing::startLive()
{
    if (!showSensorNote())
        return;
    applyDisplayOptions();
    fetchSharedObjects();
    callBtDevices();
    initCodec();

    m_points.clear();
    m_significandFrequencyCurrent = 0;
    m_storedMeasurement = false;
    Systemsettings* settings = systemSettings();
    m_useDynamicScaling = settings && settings->isPPDynamicScalingEnabled();
    m_scaleMode = m_useDynamicScaling ? 1 : 0;
    adjustProgbarRange();
    ui->labelStoredMeasurement->hide();
    ui->subMenu->setCurrentWidget(ui->subMenu_1);

    startMuted();
    applyCurrentFilter();
    showFilter();
    applyMicGainStep();

    resetDisplay(false);
    ui->labelMicrophone->setGeometry(kSlotLeft, 65, kSlotWidth, 155);
    ui->labelMicrophone->show();
    ui->butMenuDeleteLast->show();
    ui->labelLevel->setText("0");
    ui->labelFrequency->setText(ScreenStyle::hertz(0));

    connectAccessoryMute();
    clearAdcData();
    ui->progBarMin1->setValue(0);
    startRecording();
    startLinkCheck();
    armLinkWarning(Screen::FavouritePinpointing);
}

void Pinpointing::applyDisplayOptions()
{
    m_linearScale = false;
    ui->butStartStop->setText("LIN");
    ui->butStartStop->setVisible(g_debugFeatures == 1);
    Systemsettings* settings = systemSettings();
    ui->labelFrequency->setVisible(settings && settings->isPPShowFrequencyValueEnabled());
    const bool filter = settings && settings->isPPShowFilterParameterEnabled();
    ui->labelFiltersymbol->setVisible(filter);
    ui->labelFilterrange->setVisible(filter);
    ui->labelFiltersymbol->setText(QString());
}

void Pinpointing::showFilter()
{
    ScreenStyle::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, m_storedFilterType,
                            m_storedFilterLowCutOff, m_storedFilterHighCutOff);
}

void Pinpointing::startStored()
{
    fetchSharedObjects();
    callBtDevices();
    m_points.clear();
    m_significandFrequencyCurrent = 0;
    enterStoredView();
    qDebug() << "Pinpointing: stored measurement" << m_selectedMeasurementDir;
    ui->subMenu->setCurrentWidget(ui->subMenu_3);
    m_points.select(1);
    resetDisplay(true);
    ui->labelSymbol->setGeometry(kSlotLeft, 165, kSlotWidth, kSlotWidth);
    showSymbol("Stop");

    analyseInfoFile();
    showFilter();
    m_scaleMode = 2;
    adjustProgbarRange();
    ScreenStyle::setPlainText(ui->labelStoredMeasurement, m_storedMeasurementName);
    ui->labelStoredMeasurement->show();
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i) {
        ScreenStyle::setBarValue(bar(i), PinpointingSeries::barValue(m_points.minimum(i)));
        setProgressBarFrequColor(bar(i), m_points.frequency(i), "yellow");
        valueLabel(i)->setText(figure(m_points.minimum(i)));
    }
    hideBarsIfInvalid();

    m_leakPos = PinpointingSeries::leakSearch(m_points.minima(), m_points.frequencies(),
                                              PinpointingSeries::kPoints, &m_leakLevel,
                                              &m_leakFrequency);
    ui->labelWaterdrop->setGeometry(kSlotPitch * (m_leakPos - 1) + 8, 155, 30, 45);
    // With no leak the drop would sit off the left edge: not shown at all.
    ui->labelWaterdrop->setVisible(m_leakPos > 0);
    ui->labelLevel->setText(figure(m_leakLevel));
    ui->labelFrequency->setText(ScreenStyle::hertz(m_leakFrequency));

    routeStoredView();
}

QString Pinpointing::storedDirectory() const
{
    return QString(Measurements::dirMeas) + m_selectedMeasurementDir;
}

void Pinpointing::analyseInfoFile()
{
    m_storedMeasurementName.clear();
    const std::unique_ptr<QSettings> info = Measurements::openInfo(m_selectedMeasurementDir);
    // An unreadable file shows no point.
    m_points.load(info.get());
    takeStoredFilter(info.get());
    if (info)
        m_storedMeasurementName = Measurements::readText(*info, "Measurementinfo/Measurementname");
}

void Pinpointing::hideBarsIfInvalid()
{
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i) {
        if (m_points.isEmpty(i)) {
            bar(i)->hide();
            valueLabel(i)->hide();
        }
    }
}

void Pinpointing::showSymbol(const char* picture)
{
    setSheet(ui->labelSymbol, QString("image: url(%1%2_sw_44px.png);").arg(kIcons, picture));
}

// ---- Listening and points ------------------------------------------------------

void Pinpointing::muteAudioPath(bool mute, bool transmit)
{
    if (m_storedMeasurement || !isActive())
        return;
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    const bool wasMuted = m_muted;
    m_muted = mute;
    if (mute) {
        ui->butMenuDeleteLast->show();
        m_timerLevel->stop();
        if (hub)
            hub->muteAudioPath(true, transmit);
        // Only the end of listening closes a point: a second close would
        // store what the recorder holds now under the point's number.
        if (wasMuted)
            return;
        if (m_points.closePoint()) {
            const int p = m_points.currentStep();
            QString why;
            if (storeSound(soundName(p), &why))
                m_points.setSoundProblem(p, QString());
            else
                soundLost(p, why);
            ui->labelLevel->setText(figure(m_points.minimum(p)));
            ui->labelFrequency->setText(ScreenStyle::hertz(m_points.frequency(p)));
            if (m_scaleMode == 1)
                adjustProgbarRange();
        }
        updateProgbars();
        return;
    }
    if (!wasMuted) {
        // Listening already (the other mute key): the open point goes on.
        if (hub)
            hub->muteAudioPath(false, transmit);
        return;
    }
    ui->butMenuDeleteLast->hide();
    clearAdcData();
    m_timerLevel->start(kListeningPollIntervalMs);
    if (hub)
        hub->muteAudioPath(false, transmit);
    if (m_points.beginPoint())
        shiftSounds();
    updateProgbars();
}

void Pinpointing::shiftSounds()
{
    // The series has moved: point i is the one that was i + 1. A recording
    // that did not move with it is not its sound, whatever has that name.
    AudioWorker* audio = Audioworker();
    audio->deleteAudioData(soundName(1));
    for (int i = 1; i < PinpointingSeries::kPoints; ++i) {
        QString why;
        if (!audio->renameAudioData(soundName(i), soundName(i + 1), &why)
            && m_points.soundProblem(i).isEmpty())
            soundLost(i, QString("%1 not renamed %2: %3").arg(soundName(i + 1), soundName(i), why));
    }
}

void Pinpointing::soundLost(int point, const QString& why)
{
    m_points.setSoundProblem(point, why);
    logSoundLost(point);
}

void Pinpointing::logSoundLost(int point) const
{
    qDebug().noquote() << "Pinpointing: point" << point << "has no sound:" << m_points.soundProblem(point);
}

void Pinpointing::updateLevel()
{
    if (!isActive())
        return;
    AnalogInputWorker* adc = Analoginputworker();
    PinpointingSeries::Tick t;
    float peak = 0.0f;
    float min = 0.0f;
    adc->getAudioLevel(&t.rmsRaw, &peak, &min);
    t.rmsDb = AnalogInputWorker::audioLevelToDb(t.rmsRaw);
    t.peakDb = AnalogInputWorker::audioLevelToDb(peak);
    t.minDb = AnalogInputWorker::audioLevelToDb(min);
    t.frequency = int(adc->getSignificandFrequency());
    t.frequencyAtMin = int(adc->getSignificandFrequencyAtMin());
    if (m_gpsModul) {
        t.latitude = m_gpsModul->getLatitude();
        t.longitude = m_gpsModul->getLongitude();
    }
    if (!m_points.tick(t, !m_muted, m_linearScale)) {
        qDebug() << "Pinpointing: no level" << t.rmsDb << t.peakDb << t.minDb;
        return;
    }
    if (!m_muted)
        m_significandFrequencyCurrent = t.frequency;
    ui->labelLevel->setText(figure(PinpointingSeries::shownLevel(t, m_linearScale)));
    ui->labelFrequency->setText(ScreenStyle::hertz(m_significandFrequencyCurrent));
    if (m_scaleMode == 1) {
        const float minimum = m_points.minimum(m_points.currentStep());
        if (minimum < m_dynamicScaleMin)
            adjustProgbarRange();
        if (minimum > m_dynamicScaleMax)
            adjustProgbarRange();
    }
    updateProgbars();
}

// ---- Bars ---------------------------------------------------------------------

void Pinpointing::updateProgbars()
{
    const int step = m_points.currentStep();
    m_leakPos = PinpointingSeries::leakSearch(m_points.minima(), m_points.frequencies(), step,
                                              &m_leakLevel, &m_leakFrequency);
    ui->labelWaterdrop->setGeometry(kSlotPitch * (m_leakPos - 1) + 8, 180, 30, 45);
    if (m_muted) {
        ui->progBarCurrent->setValue(0);
        ui->progBarCurrent->hide();
        ui->labelWaterdrop->setVisible(m_leakPos > 0);
        ui->labelMicrophone->setGeometry(kSlotPitch * step + kSlotLeft, 65, kSlotWidth, 155);
        ui->labelMicrophone->setVisible(step <= PinpointingSeries::kPoints - 1);
    } else {
        ui->labelMicrophone->hide();
        ui->progBarCurrent->setGeometry(kSlotPitch * (step - 1) + kSlotLeft, kBarTop, 10,
                                        kBarHeightLive);
        ui->progBarCurrent->show();
        ui->labelWaterdrop->hide();
    }
    setProgressBarFrequColor(ui->progBarCurrent, m_significandFrequencyCurrent, "orange");
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i) {
        if (i > step) {
            bar(i)->hide();
            valueLabel(i)->hide();
            continue;
        }
        bar(i)->show();
        ScreenStyle::setBarValue(bar(i), PinpointingSeries::barValue(m_points.minimum(i)));
        valueLabel(i)->setText(figure(m_points.minimum(i)));
        valueLabel(i)->show();
        ScreenStyle::setBarValue(ui->progBarCurrent, PinpointingSeries::barValue(m_points.level(i)));
        setProgressBarFrequColor(bar(i), m_points.frequency(i), "yellow");
    }
}

void Pinpointing::adjustProgbarRange()
{
    const PinpointingSeries::Range r = PinpointingSeries::scaleRange(m_scaleMode, m_points.minima());
    m_scaleMode = r.mode;
    if (r.mode == 2)
        setSheet(ui->butMenuScale, buttonPicture("ScaleMagnifierFull_ws", "ScaleMagnifierFull_sw"));
    else
        setSheet(ui->butMenuScale, buttonPicture("Scale_ws", r.mode == 1 ? "Scale_ws" : "Scale_sw"));
    m_dynamicScaleMin = r.bottom;
    m_dynamicScaleMax = r.top;
    const int bottom = PinpointingSeries::barValue(r.bottom);
    const int top = PinpointingSeries::barValue(r.top);
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i) {
        bar(i)->setRange(0, 1000);
        bar(i)->setRange(bottom, top);
    }
    ui->progBarCurrent->setRange(0, 1000);
    ui->progBarCurrent->setRange(bottom, top);
}

void Pinpointing::resetDisplay(bool stored)
{
    arrangeElements(stored);
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i) {
        bar(i)->setVisible(stored);
        valueLabel(i)->setVisible(stored);
    }
    ui->progBarCurrent->hide();
    ui->labelMicrophone->hide();
    ui->labelWaterdrop->hide();
    ui->labelSymbol->setVisible(stored);
}

void Pinpointing::arrangeElements(bool stored)
{
    const int barHeight = stored ? kBarHeightStored : kBarHeightLive;
    const int labelTop = stored ? kLabelTopStored : kLabelTopLive;
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i) {
        const int x = kSlotLeft + kSlotPitch * (i - 1);
        bar(i)->setGeometry(x, kBarTop, kSlotWidth, barHeight);
        valueLabel(i)->setGeometry(x, labelTop, kSlotWidth, kLabelHeight);
    }
}

void Pinpointing::setProgressBarFrequColor(QProgressBar* bar, int frequency, const QString& colour)
{
    Systemsettings* settings = systemSettings();
    if (frequency >= 1 && settings && settings->isPPUseFrequColorForBarEnabled()) {
        setSheet(bar, ScreenStyle::chunkSheet(ScreenStyle::frequencyColour(unsigned(frequency))));
    } else {
        setSheet(bar, namedChunk(colour));
    }
}

// ---- Menu bar -----------------------------------------------------------------

void Pinpointing::on_butMenuSave_clicked()
{
    saveMeasurement(Measurements::Pinpointing, [this](MeasInfoStructure* info) {
        m_points.fill(info);
        for (int i = 1; i <= PinpointingSeries::kPoints; ++i)
            if (info->soundMissing[i])
                logSoundLost(i);
    });
}

void Pinpointing::on_butMenuScale_clicked()
{
    m_scaleMode = PinpointingSeries::nextScaleMode(m_scaleMode, m_useDynamicScaling);
    adjustProgbarRange();
    updateProgbars();
}

void Pinpointing::on_butMenuDeleteLast_clicked()
{
    if (m_muted && m_points.deleteLast())
        updateProgbars();
}

void Pinpointing::on_butMenuSettings_clicked()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
}

void Pinpointing::on_butMenuBack_clicked()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
}

void Pinpointing::on_butMenuMainmenu_clicked()
{
    leave();
}

void Pinpointing::on_butMenuMainmenu_2_clicked()
{
    leave();
}

void Pinpointing::leaveSteps()
{
    m_muted = true;
}

void Pinpointing::on_butMenuMicrophone_clicked()
{
    runMenuDialog(MenuDialog::Microphone);
}

void Pinpointing::on_butMenuHeadphone_2_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

void Pinpointing::on_butMenuFilter_clicked()
{
    runFilterDialog(kListeningPollIntervalMs, true, [this](const MenuDialogResult& r) {
        takeFilter(r.filterType, r.lowCutOff, r.highCutOff);
        showFilter();
    });
}

void Pinpointing::on_butStartStop_clicked()
{
    m_linearScale = !m_linearScale;
    ui->butStartStop->setText(m_linearScale ? "LOG" : "LIN");
}

// ---- Stored view ----------------------------------------------------------------

void Pinpointing::on_butMenuStoredPlay_clicked()
{
    // The directory name as listed: a name typed with two blanks is a
    // directory with two blanks.
    const QString file = storedDirectory() + QString("/PP_Sound_%1.wav").arg(m_points.currentStep());
    if (!isPlayable(file))
        return;
    if (m_audioCodec)
        m_audioCodec->setRouting(1);
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(false, false);
    Analoginputworker()->stopCapture();
    startPlayback(file);
    showSymbol("Start");
}

void Pinpointing::on_butMenuStoredStop_clicked()
{
    stopPlayback();
    Analoginputworker()->stopCapture();
    showSymbol("Stop");
}

void Pinpointing::stopStoredSound()
{
    on_butMenuStoredStop_clicked();
}

void Pinpointing::on_butMenuStoredNext_clicked()
{
    const int point = m_points.nextStored(m_points.currentStep());
    m_points.select(point);
    for (int i = 1; i <= PinpointingSeries::kPoints; ++i)
        setSheet(bar(i), namedChunk(QStringLiteral("yellow")));
    setSheet(bar(point), namedChunk(QStringLiteral("lightgreen")));
    ui->labelSymbol->setGeometry(kSlotPitch * (point - 1) + kSlotLeft, 165, kSlotWidth, kSlotWidth);
}

void Pinpointing::on_butMenuStoredHeadphone_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

void Pinpointing::on_butMenuStoredBack_clicked()
{
    closeStoredView(true);
}
