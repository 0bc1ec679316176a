#include "levelmeasurement.h"
#include "ui_levelmeasurement.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Hardware/bluetooth.h"
#include "Hardware/checkedfile.h"
#include "Hardware/devicelayer.h"
#include "Management/systemsettings.h"
#include "Tools/freqspectrum.h"
#include "Tools/measurements.h"
#include "Tools/screenstyle.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMediaPlayer>
#include <QTimer>

using namespace ScreenStyle;

namespace {

// The frame's sensor note and link warning, in this screen's context.
[[maybe_unused]] const char* const kFrameTexts[] = {
    QT_TRANSLATE_NOOP("Levelmeasurement", "Note"), QT_TRANSLATE_NOOP("Levelmeasurement", "Warning"),
    QT_TRANSLATE_NOOP("Levelmeasurement", "YouMustConnectAnAcousticalSensorToUseThisMeasurement."),
    QT_TRANSLATE_NOOP("Levelmeasurement", "NoBluetoothConnectionPleaseCheckYourTB9")};

}

const char* const Levelmeasurement::kSoundName = "LE_sound";

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : MeasurementFrame(parent), ui(new Ui::Levelmeasurement)
{
    ui->setupUi(this);
    qDebug() << "Konstruktor Levelmeasurement";
    // The layout sizes it once the screen is shown; the picture follows.
    freqSpectrum = new FreqSpectrum();
    freqSpectrum->setObjectName("freqSpectrum");
    ui->spectrumLayout->addWidget(freqSpectrum);
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width(), area.height());
    freqSpectrum->setEnabled(false);
    freqSpectrum->drawScale();
    fetchSharedObjects();
    connect(m_timerLevel, &QTimer::timeout, this, &Levelmeasurement::updateLevel);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

Levelmeasurement::~Levelmeasurement()
{
    delete ui;
}

// ---- Start --------------------------------------------------------------------

void Levelmeasurement::init(int variant)
{
    ui->retranslateUi(this);
    qDebug() << "Init Levelmeasurement";
    const bool stored = variant == Screen::StoredView;
    if (!stored && !showSensorNote())
        return;
    applyDisplayOptions();
    // The accessory's key also plays and stops a stored sound.
    fetchSharedObjects();
    callBtDevices();
    connectAccessoryMute();
    initCodec();

    ui->labelStoredMeasurement->clear();
    for (ProgressBarMinMaxMarker* bar : {ui->prgbMinimumLevel, ui->prgbCurrentLevel}) {
        bar->setRange(0, 1000);
        bar->setMaxMarker(-1);
        bar->setMinMarker(-1);
    }
    ui->prgbCurrentLevel->show();
    ui->labelPrgbCurrentLevel->show();
    ui->prgbPeakLevel->setRange(0, 1000);
    m_readout.clearHold();
    if (stored)
        startStored();
    else
        startLive();
}

void Levelmeasurement::applyDisplayOptions()
{
    Systemsettings* s = systemSettings();
    const bool fft = s && s->isShowFftEnabled();
    ui->labelFrequency->setVisible(s && s->isShowFrequencyValueEnabled());
    ui->prgbPeakLevel->setVisible(s && s->isShowPeakLevelBarEnabled() && g_debugFeatures == 1);
    // The figures move into the spectrum's place when it is off.
    ui->verticalLayoutWidget->setVisible(fft);
    const int x = fft ? 5 : 132;
    ui->labelLevel->move(x, 0);
    ui->labelFrequency->move(x, 90);
    freqSpectrum->setScaleBgGradient(s && s->isUseFrequColorForBarEnabled());
    for (QPushButton* button : {ui->butDigitalLoopback, ui->butAnalogLoopback, ui->butDbgStartRec,
                                ui->butDbgStopRec, ui->butDbgLoop})
        button->setVisible(g_debugFeatures == 1);
}

void Levelmeasurement::startLive()
{
    m_storedMeasurement = false;
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
    // A save before the first tick stores this start's zeros, not the
    // last measurement's (or the last stored view's) values.
    m_readout = LevelReadout();
    m_fft.fill(0.0f);
    for (QProgressBar* bar : std::initializer_list<QProgressBar*>{
             ui->prgbPeakLevel, ui->prgbMinimumLevel, ui->prgbCurrentLevel})
        bar->setValue(0);
    ui->labelPrgbCurrentLevel->setText("0");
    ui->labelLevel->setText("0");
    ui->labelFrequency->setText(ScreenStyle::hertz(0));

    applyCurrentFilter();
    qDebug() << "Levelmeasurement: Start with audio muted." << m_storedFilterLowCutOff
             << m_storedFilterHighCutOff << m_storedFilterType;
    muteAudioPath(true, true);
    clearAdcData();
    resetSpectrum();
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    freqSpectrum->update();
    applyMicGainStep();
    startRecording();
    startLinkCheck();
    armLinkWarning(Screen::FavouriteLevelmeasurement);
}

void Levelmeasurement::resetSpectrum()
{
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width(), area.height());
    freqSpectrum->setEnabled(false);
}

// ---- Listening ------------------------------------------------------------------

void Levelmeasurement::muteAudioPath(bool mute, bool transmit)
{
    if (!isActive())
        return;
    if (m_storedMeasurement) {
        m_muted = mute;
        m_timerLevel->stop();
        if (mute)
            on_butMenuStoredStop_clicked();
        else
            on_butMenuStoredPlay_clicked();
        return;
    }
    qDebug() << "Levelmeasurement muteAudioPath" << mute << transmit;
    muteAndPollWhileListening(mute, transmit);
    if (!mute)
        m_readout.clearHold();
    freqSpectrum->setEnabled(!mute);
}

void Levelmeasurement::updateLevel()
{
    if (!isActive())
        return;
    AnalogInputWorker* adc = Analoginputworker();
    LevelReadout::Raw raw;
    adc->getAudioLevel(&raw.rms, &raw.peak, &raw.minimum);
    raw.frequency = int(adc->getSignificandFrequency());
    raw.frequencyAtMin = int(adc->getSignificandFrequencyAtMin());
    Systemsettings* s = systemSettings();
    const bool hold = s && s->isShowPeakLevelBarEnabled();
    if (!m_readout.take(raw, hold))
        return;

    setBarValue(ui->prgbCurrentLevel, barValue(m_readout.current()));
    ui->labelPrgbCurrentLevel->setText(figure(m_readout.current()));
    setBarValue(ui->prgbMinimumLevel, barValue(m_readout.minimum()));
    ui->labelLevel->setText(figure(m_readout.minimum()));
    setSheet(ui->prgbPeakLevel, chunkSheet(m_readout.peakColour()));
    const int marker = hold ? barValue(m_readout.hold()) : -1;
    if (hold)
        setBarValue(ui->prgbPeakLevel, marker);
    for (ProgressBarMinMaxMarker* bar : {ui->prgbMinimumLevel, ui->prgbCurrentLevel}) {
        bar->setMaxMarker(marker);
        bar->setMinMarker(-1);
    }

    float samples[AnalogInputWorker::kSamples];
    adc->getFft(m_fft.data());
    adc->getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_fft.data(), true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();

    ui->labelFrequency->setText(ScreenStyle::hertz(m_readout.frequencyAtMin()));
    colourBars(m_readout.frequency(), m_readout.frequencyAtMin());
}

void Levelmeasurement::colourBars(int frequency, int frequencyAtMin)
{
    Systemsettings* s = systemSettings();
    const bool byFrequency = s && s->isUseFrequColorForBarEnabled();
    setSheet(ui->prgbMinimumLevel, byFrequency ? chunkSheet(frequencyColour(unsigned(frequencyAtMin)))
                                               : chunkSheet(QString("yellow")));
    setSheet(ui->prgbCurrentLevel, byFrequency ? chunkSheet(frequencyColour(unsigned(frequency)))
                                               : chunkSheet(QString("orange")));
}

// ---- Menu bar -----------------------------------------------------------------

void Levelmeasurement::on_butMenuSave_clicked()
{
    // Muted and the accessory told even when already muted.
    muteAudioPath(true, true);
    const auto fill = [this](MeasInfoStructure* info) {
        // Whole when it returns: the copy the store makes is this save's
        // sound. One that could not be stored is not taken, nor an earlier
        // recording in its place.
        info->soundMissing[0] = !storeSound(kSoundName);
        m_readout.fill(info, m_fft);
        // No filter while there is no codec to read it from.
        info->filterLowCutOff = 0;
        info->filterHighCutOff = 4000;
        info->filterType = 0;
    };
    saveMeasurement(Measurements::Levelmeasurement, fill);
}

void Levelmeasurement::on_butMenuFilter_clicked()
{
    runFilterDialog(kListeningPollIntervalMs, false, [this](const MenuDialogResult&) {
        quint32 low = 0;
        quint32 high = 4000;
        int type = 0;
        if (m_audioCodec)
            m_audioCodec->getFilter(&low, &high, &type);
        freqSpectrum->updateFilter(low, high, type);
    });
}

void Levelmeasurement::on_butMenuMic_clicked()
{
    runMenuDialog(MenuDialog::Microphone);
}

void Levelmeasurement::on_butMenuHeadphone_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

void Levelmeasurement::on_butMenuStoredHeadphone_clicked()
{
    runMenuDialog(MenuDialog::Headphone);
}

void Levelmeasurement::on_butMenuMainmenu_clicked()
{
    leave();
}

void Levelmeasurement::on_butMenuMainmenu_2_clicked()
{
    leave();
}

void Levelmeasurement::leaveSteps()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
}

void Levelmeasurement::on_butDbgStartRec_clicked()
{
    qDebug() << "Call Headphone";
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
}

void Levelmeasurement::on_butDbgStopRec_clicked()
{
    qDebug() << "Disconnect Headphone";
    if (m_btSource)
        m_btSource->disconnectBtDevice();
}

// The unit's developer row has these three without a function.
void Levelmeasurement::on_butDbgLoop_clicked() {}
void Levelmeasurement::on_butDigitalLoopback_clicked() {}
void Levelmeasurement::on_butAnalogLoopback_clicked() {}

void Levelmeasurement::keyPressEvent(QKeyEvent* event)
{
    qDebug() << (event->key() == Qt::Key_F10 ? "Levelmeas Mute-Key pressed"
                                              : "Levelmeas Any-Key pressed");
    MeasurementFrame::keyPressEvent(event);
}

void Levelmeasurement::keyReleaseEvent(QKeyEvent* event)
{
    qDebug() << (event->key() == Qt::Key_Escape ? "Levelmeas IO-Key released"
                 : event->key() == Qt::Key_F10  ? "Levelmeas Mute-Key released"
                                                : "Levelmeas Any-Key released");
    MeasurementFrame::keyReleaseEvent(event);
}

// ---- Stored view ----------------------------------------------------------------

void Levelmeasurement::startStored()
{
    enterStoredView();
    // The codec's set-up has just muted the path: the accessory's next
    // "listening" must play.
    m_muted = true;
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
    analyseInfoFile();

    const int bar = barValue(m_storedLevel);
    setBarValue(ui->prgbMinimumLevel, bar);
    setBarValue(ui->prgbCurrentLevel, bar);
    ui->labelPrgbCurrentLevel->setText(figure(m_storedLevel));
    ui->prgbCurrentLevel->hide();
    ui->labelPrgbCurrentLevel->hide();
    setBarValue(ui->prgbPeakLevel, bar);
    ui->labelLevel->setText(figure(m_storedLevel));
    ui->labelFrequency->setText(ScreenStyle::hertz(m_storedFrequency));
    colourBars(m_storedFrequency, m_storedFrequency);

    // The spectrum takes its band from the codec.
    if (m_audioCodec)
        m_audioCodec->setFilter(m_storedFilterLowCutOff, m_storedFilterHighCutOff, m_storedFilterType);
    resetSpectrum();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_fft.data(), false);
    freqSpectrum->update();
    setPlainText(ui->labelStoredMeasurement, m_storedMeasurementName);
    routeStoredView();
    freqSpectrum->update();
}

void Levelmeasurement::analyseInfoFile()
{
    const StoredLevel stored = StoredLevel::read(m_selectedMeasurementDir);
    m_storedMeasurementName = stored.name;
    m_storedLevel = stored.level;
    m_storedFrequency = stored.frequency;
    // Whole: what the file does not hold is 0, never the last spectrum.
    m_fft = stored.spectrum;
    takeFilter(stored.filterType, stored.lowCutOff, stored.highCutOff);
}

QString Levelmeasurement::storedSound() const
{
    return QString(Measurements::dirMeas) + m_selectedMeasurementDir + "/" + kSoundName + ".wav";
}

void Levelmeasurement::on_butMenuStoredPlay_clicked()
{
    if (!isPlayable(storedSound()))
        return;
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(false, false);
    Analoginputworker()->stopCapture();
    // Checked first: a player loads the media backend, which nothing needs
    // without a file.
    const QString file = DeviceLayer::path(storedSound());
    if (CheckedFile::isMissing(file)) {
        qDebug() << "Levelmeasurement: no recording" << storedSound();
        return;
    }
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        connect(m_player, &QMediaPlayer::stateChanged, this,
                [](QMediaPlayer::State state) { qDebug() << "Levelmeasurement player" << state; });
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
                [](QMediaPlayer::MediaStatus status) { qDebug() << "Levelmeasurement player" << status; });
        connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
                [this](QMediaPlayer::Error) {
                    const QString why = m_player->errorString();
                    qDebug() << "Levelmeasurement player error:" << why;
                    // From the event loop: the message must not run inside
                    // the player's own signal.
                    QMetaObject::invokeMethod(
                        this, [this, file = storedSound(), why] { playbackFailed(file, why); },
                        Qt::QueuedConnection);
                });
    }
    playbackStarting(storedSound());
    m_player->setMedia(QUrl::fromLocalFile(file));
    m_player->setVolume(kPlayerVolume);
    m_player->play();
}

void Levelmeasurement::on_butMenuStoredStop_clicked()
{
    Analoginputworker()->stopCapture();
    if (m_player)
        m_player->stop();
}

void Levelmeasurement::stopStoredSound()
{
    on_butMenuStoredStop_clicked();
}

void Levelmeasurement::stopPlayback()
{
    MeasurementFrame::stopPlayback();
    if (m_player)
        m_player->stop();
}

void Levelmeasurement::on_butMenuStoredBack_clicked()
{
    delete m_player;
    m_player = nullptr;
    // A Play opened the shared path: closed here, or the browser would
    // show it open and the headset keep the line.
    closeStoredView(false);
}
