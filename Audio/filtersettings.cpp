#include "filtersettings.h"
#include "ui_filtersettings.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Mainmenu/measurementframe.h"
#include "Management/systemsettings.h"
#include "Tools/fittext.h"
#include "Tools/freqspectrum.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

// The band the arrows start from when no filter is in force.
const quint32 kFirstBandLow = 20;
const quint32 kFirstBandHigh = 3900;

QString cornerText(quint32 hz)
{
    return QString("%1 Hz").arg(hz);
}

}

Filtersettings::Filtersettings(QWidget* parent)
    : AudioDialog(parent), ui(new Ui::Filtersettings)
{
    ui->setupUi(this);
    freqSpectrum = new FreqSpectrum;
    ui->spectrumLayout->addWidget(freqSpectrum);
    freqSpectrum->setScaleBgGradient(true);
    // The layout places the widget later; the picture follows it there.
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width(), area.height());
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    connect(freqSpectrum, &FreqSpectrum::filterChanged, this, &Filtersettings::updateFilter);

    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        m_audioCodec = hub->getAudioCodecInstance();
    if (m_audioCodec) {
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
        m_audioCodec->getAvailableLpFilterFrequencies(m_lpFilterFrequencies, &m_numLpFilter);
        m_audioCodec->getAvailableHpFilterFrequencies(m_hpFilterFrequencies, &m_numHpFilter);
    }
    if (m_filterType != 0) {
        showCorners();
    } else {
        ui->labelFreqLow->setText("--- Hz");
        ui->labelFreqHigh->setText("--- Hz");
    }
    ui->prgbLevel->setValue(0);
    ui->labelLevel->setText("0");

    const bool extras = g_debugFeatures == 1;
    ui->but50HzFilter->setVisible(extras);
    ui->butPreemphase->setVisible(extras);
    // Sized for "= Off", the longest of their captions.
    FitText::captions({ui->but50HzFilter, ui->butPreemphase});

    m_timerLevel = new QTimer(this);
    connect(m_timerLevel, &QTimer::timeout, this, &Filtersettings::updateLevel);
    m_timerLevel->start(kLevelIntervalMs);
    qDebug() << "Filtersettings: band" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
}

Filtersettings::~Filtersettings()
{
    m_timerLevel->stop();
    delete ui;
    delete freqSpectrum;
    delete m_timerLevel;
}

void Filtersettings::getFiltersettings(int* type, quint32* low, quint32* high) const
{
    *type = m_filterType;
    *low = m_lowCutOffFrequency;
    *high = m_highCutOffFrequency;
}

bool Filtersettings::stepCorner(const quint32* list, int n, quint32 corner, bool up, quint32* next)
{
    if (n <= 0)
        return false;
    if (up) {
        if (corner < list[0]) {
            *next = list[0];
            return true;
        }
        for (int i = 1; i < n; ++i) {
            if (list[i] > corner) {
                *next = list[i];
                return true;
            }
        }
        return false;
    }
    // Entry 0 (no corner at all) is never reached going down.
    if (corner > list[n - 1]) {
        *next = list[n - 1];
        return true;
    }
    for (int i = n - 1; i >= 1; --i) {
        if (list[i] < corner) {
            *next = list[i];
            return true;
        }
    }
    return false;
}

void Filtersettings::automaticBand(int sensorType, quint32* low, quint32* high)
{
    switch (sensorType) {
    case 1:  // K-4 microphone
        *low = 160;
        *high = 800;
        break;
    case 2:  // P-4 sensor
        *low = 400;
        *high = 1000;
        break;
    case 4:  // sensor on the wired input
        *low = 160;
        *high = 1000;
        break;
    default:
        *low = 160;
        *high = 4000;
        break;
    }
}

void Filtersettings::updateLevel()
{
    AnalogInputWorker* adc = Analoginputworker();
    float rms = 0, peak = 0, min = 0;
    adc->getAudioLevel(&rms, &peak, &min);
    const float db = AnalogInputWorker::audioLevelToDb(rms);
    ui->prgbLevel->setValue(static_cast<int>(db));
    ui->labelLevel->setText(QString("%1").arg(db, 0, 'f', 0));

    float spectrum[AnalogInputWorker::kSamples];
    float samples[AnalogInputWorker::kSamples];
    adc->getFft(spectrum);
    adc->getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(spectrum, true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();
}

void Filtersettings::showCorners()
{
    ui->labelFreqLow->setText(cornerText(m_lowCutOffFrequency));
    ui->labelFreqHigh->setText(cornerText(m_highCutOffFrequency));
}

void Filtersettings::updateFilter()
{
    if (m_audioCodec)
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    showCorners();
    freqSpectrum->updateFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
}

void Filtersettings::apply(bool asCurrent)
{
    if (m_audioCodec)
        m_audioCodec->setSpecialFilter(m_filter50HzEnabled, m_filterPreemphaseEnabled);
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->applyFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType,
                         asCurrent ? MainMenu::FilterUse::AsCurrent : MainMenu::FilterUse::CodecOnly);
    updateFilter();
}

void Filtersettings::stepArrow(bool highCorner, bool up)
{
    if (m_filterType == 0) {
        m_filterType = 1;
        m_lowCutOffFrequency = kFirstBandLow;
        m_highCutOffFrequency = kFirstBandHigh;
    } else if (m_filterType == 1) {
        quint32 next = 0;
        if (highCorner) {
            if (stepCorner(m_lpFilterFrequencies, m_numLpFilter, m_highCutOffFrequency, up, &next)
                && (up || next > m_lowCutOffFrequency))
                m_highCutOffFrequency = next;
        } else if (stepCorner(m_hpFilterFrequencies, m_numHpFilter, m_lowCutOffFrequency, up, &next)
                   && (!up || next < m_highCutOffFrequency)) {
            m_lowCutOffFrequency = next;
        }
    }
    // A band-stop keeps its corners and is applied again as it is.
    showCorners();
    apply();
}

void Filtersettings::on_butLowCutOffDown_clicked()
{
    stepArrow(false, false);
}

void Filtersettings::on_butLowCutOffUp_clicked()
{
    stepArrow(false, true);
}

void Filtersettings::on_butHighCutOffDown_clicked()
{
    stepArrow(true, false);
}

void Filtersettings::on_butHighCutOffUp_clicked()
{
    stepArrow(true, true);
}

void Filtersettings::on_butAutoFilter_clicked()
{
    automaticBand(StatusbarData()->sensorType(), &m_lowCutOffFrequency, &m_highCutOffFrequency);
    m_filterType = 1;
    showCorners();
    apply();
}

void Filtersettings::on_butNoFilter_clicked()
{
    m_lowCutOffFrequency = 0;
    m_highCutOffFrequency = 4000;
    m_filterType = 0;
    apply();
}

void Filtersettings::on_but50HzFilter_clicked()
{
    m_filter50HzEnabled = !m_filter50HzEnabled;
    ui->but50HzFilter->setText(m_filter50HzEnabled ? "50 Hz = 1" : "50 Hz = 0");
    apply();
}

void Filtersettings::on_butPreemphase_clicked()
{
    m_filterPreemphaseEnabled = !m_filterPreemphaseEnabled;
    ui->butPreemphase->setText(m_filterPreemphaseEnabled ? "Preem = 1" : "Preem = 0");
    apply();
}

void Filtersettings::on_butHeadphone_clicked()
{
    MeasurementFrame::runDialog(MeasurementFrame::MenuDialog::Headphone, this);
}

void Filtersettings::on_butMicrophone_clicked()
{
    MeasurementFrame::runDialog(MeasurementFrame::MenuDialog::Microphone, this);
}

void Filtersettings::on_butClose_clicked()
{
    m_timerLevel->stop();
    apply(true);
    accept();
}

void Filtersettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F10 || !muteKey(true))
        AudioDialog::keyPressEvent(event);
}

void Filtersettings::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F10 || !muteKey(false))
        AudioDialog::keyReleaseEvent(event);
}

bool Filtersettings::muteKey(bool pressed)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub)
        return false;
    // The main window's path directly: the screen below keeps its own mute
    // flag and polling.
    if (const std::optional<bool> mute = hub->muteKeyMutes(pressed, !hub->isAudioPathMuted())) {
        if (pressed)
            qDebug() << "Filtersettings: Mute key pressed, muting" << *mute;
        else
            qDebug() << "Filtersettings: Mute key released";
        hub->muteAudioPath(*mute, true);
    }
    return true;
}
