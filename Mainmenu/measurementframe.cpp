#include "measurementframe.h"
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Hardware/bluetooth.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

#include <memory>

namespace {

MeasurementFrame::MenuDialogResult builtInDialog(MeasurementFrame::MenuDialog dialog,
                                                 QWidget* parent)
{
    MeasurementFrame::MenuDialogResult result;
    switch (dialog) {
    case MeasurementFrame::MenuDialog::Filter: {
        Filtersettings filter(parent);
        result.result = filter.exec();
        if (result.result == QDialog::Accepted)
            filter.getFiltersettings(&result.filterType, &result.lowCutOff, &result.highCutOff);
        break;
    }
    // These apply their setting themselves.
    case MeasurementFrame::MenuDialog::Microphone:
        result.result = Micsettings(parent).exec();
        break;
    case MeasurementFrame::MenuDialog::Headphone:
        result.result = Headphonesettings(parent).exec();
        break;
    }
    return result;
}

MeasurementFrame::MenuDialogRunner& dialogRunner()
{
    static MeasurementFrame::MenuDialogRunner runner;
    return runner;
}

// One modal message with the screen as parent; returns when it is closed.
void showMessage(QWidget* parent, int icon, const QString& headline, const QString& text)
{
    MessageDialog dialog(parent);
    dialog.setIcon(icon);
    dialog.setDialogType(MessageDialog::TypeOk);
    dialog.setHeadline(headline);
    dialog.setInfotext(text);
    dialog.exec();
}

}

void MeasurementFrame::setMenuDialogRunner(MenuDialogRunner runner)
{
    dialogRunner() = std::move(runner);
}

MeasurementFrame::MeasurementFrame(QWidget* parent)
    : QWidget(parent)
{
    m_timerLevel = new QTimer(this);
    m_timerLevel->setObjectName("timerLevel");
    m_timerCheckBtConnection = new QTimer(this);
    m_timerCheckBtConnection->setObjectName("timerCheckBtConnection");
    m_timerCheckBtConnection->setInterval(kLinkCheckIntervalMs);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this,
            &MeasurementFrame::checkBtConnection);
}

MeasurementFrame::~MeasurementFrame()
{
    // The main window may be going already: nothing here reaches it.
    stopTimers();
}

QString MeasurementFrame::screenText(const char* key) const
{
    return QCoreApplication::translate(metaObject()->className(), key);
}

// ---- Live start -------------------------------------------------------------

bool MeasurementFrame::showSensorNote()
{
    if (StatusbarData()->sensorType() != Statusbardata::kSensorH2)
        return true;
    return showSensorNote("YouMustConnectAnAcousticalSensorToUseThisMeasurement.");
}

bool MeasurementFrame::showSensorNote(const char* textKey)
{
    showMessage(this, MessageDialog::IconInformation, screenText("Note"), screenText(textKey));
    return m_active;
}

void MeasurementFrame::fetchSharedObjects()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub)
        return;
    m_btSource = hub->getBtSourceInstance();
    m_btSink = hub->getBtSinkInstance();
    m_audioCodec = hub->getAudioCodecInstance();
    m_measManagement = hub->getInstanceMeasManagement();
    m_gpsModul = hub->getGpsInstance();
}

void MeasurementFrame::callBtDevices()
{
    if (m_btSink)
        m_btSink->callBtDeviceA2DP(true);
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
}

void MeasurementFrame::initCodec()
{
    if (m_audioCodec)
        m_audioCodec->init();
}

void MeasurementFrame::startMuted()
{
    m_muted = true;
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(true, true);
}

void MeasurementFrame::applyCurrentFilter()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub)
        return;
    quint32 low = 0, high = 4000;
    int type = 0;
    hub->getCurrentFilter(&low, &high, &type);
    hub->applyFilter(&low, &high, &type, MainMenu::FilterUse::CodecOnly);
    takeFilter(type, low, high);
}

void MeasurementFrame::takeFilter(int type, quint32 low, quint32 high)
{
    const bool band = type == 1 || type == 2;
    m_storedFilterType = band ? type : 0;
    m_storedFilterLowCutOff = band ? low : 0;
    m_storedFilterHighCutOff = band ? high : 4000;
}

void MeasurementFrame::takeStoredFilter(const QSettings* info)
{
    int type = 0;
    quint32 low = 0;
    quint32 high = 4000;
    if (info)
        Measurements::readFilter(*info, &low, &high, &type);
    takeFilter(type, low, high);
}

void MeasurementFrame::applyMicGainStep()
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->setMicGainStep(hub->getCurrentMicGainStep());
}

void MeasurementFrame::connectAccessoryMute()
{
    if (m_btSink)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this,
                &MeasurementFrame::switchActiveMute, Qt::UniqueConnection);
}

void MeasurementFrame::clearAdcData()
{
    Analoginputworker()->clearAllData();
}

void MeasurementFrame::startRecording()
{
    Audioworker()->startAudioRecording();
    m_recording = true;
}

void MeasurementFrame::startLinkCheck()
{
    m_timerCheckBtConnection->start(kLinkCheckIntervalMs);
}

bool MeasurementFrame::bootedInto(int favouriteNumber)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* settings = systemSettings();
    return hub && settings && hub->isBootedToFavouriteFunction()
           && settings->getFavouriteButton(nullptr) == favouriteNumber;
}

Systemsettings* MeasurementFrame::systemSettings()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    return hub ? hub->getInstanceSystemsettings() : nullptr;
}

void MeasurementFrame::armLinkWarning(int favouriteNumber)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub)
        return;
    m_enableWarningBtConnection = !bootedInto(favouriteNumber);
    hub->resetBootedToFavouriteFunction();
}

// ---- Stored view --------------------------------------------------------------

void MeasurementFrame::enterStoredView()
{
    m_storedMeasurement = true;
    m_timerCheckBtConnection->stop();
    m_enableWarningBtConnection = false;
    // The browser exists only once it has been opened.
    fetchSharedObjects();
    m_selectedMeasurementDir =
        m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
}

void MeasurementFrame::routeStoredView()
{
    if (m_audioCodec)
        m_audioCodec->setRouting(1);
}

void MeasurementFrame::startPlayback(const QString& file)
{
    AudioWorker* audio = Audioworker();
    connect(audio, &AudioWorker::playbackFailed, this, &MeasurementFrame::playbackFailed,
            Qt::UniqueConnection);
    playbackStarting(file);
    audio->startAudioPlayback(file);
    m_playing = true;
}

void MeasurementFrame::playbackStarting(const QString& file)
{
    m_playbackFile = file;
}

bool MeasurementFrame::isPlayable(const QString& file)
{
    const QString why = AudioWorker::playbackProblem(file);
    if (why.isEmpty())
        return true;
    tellNotPlayable(file, why);
    return false;
}

void MeasurementFrame::playbackFailed(const QString& file, const QString& why)
{
    if (!m_active || !m_storedMeasurement || file.isEmpty() || file != m_playbackFile) {
        qDebug().noquote() << "Recording not played:" << file << "-" << why << "(told already or left)";
        return;
    }
    m_playbackFile.clear();
    stopStoredSound();
    tellNotPlayable(file, why);
}

void MeasurementFrame::tellNotPlayable(const QString& file, const QString& why)
{
    qDebug().noquote() << "Recording not played:" << file << "-" << why;
    // Another failure while the message is open (the accessory's key plays
    // on behind it) is the same news.
    if (m_notPlayableOpen)
        return;
    m_notPlayableOpen = true;
    MessageDialog::showWarningText(this, Measurements::cannotPlayText());
    m_notPlayableOpen = false;
}

void MeasurementFrame::stopPlayback()
{
    if (!m_playing)
        return;
    m_playing = false;
    Audioworker()->stopAudioPlayback();
}

// ---- Mute -------------------------------------------------------------------

void MeasurementFrame::muteAudioPath(bool mute, bool transmit)
{
    m_muted = mute;
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(mute, transmit);
}

void MeasurementFrame::muteAndPollWhileListening(bool mute, bool transmit, int intervalMs)
{
    MeasurementFrame::muteAudioPath(mute, transmit);
    if (mute) {
        m_timerLevel->stop();
        return;
    }
    clearAdcData();
    m_timerLevel->start(intervalMs);
}

void MeasurementFrame::switchActiveMute(bool mute)
{
    qDebug() << metaObject()->className() << "switchActiveMute" << mute;
    if (m_active)
        accessoryMuteKey(mute);
}

void MeasurementFrame::accessoryMuteKey(bool mute)
{
    if (mute != m_muted)
        muteAudioPath(mute, false);
}

void MeasurementFrame::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        return; // acted on at its release
    case Qt::Key_F10:
        muteKey(true);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MeasurementFrame::keyReleaseEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!event->isAutoRepeat())
            leave();
        return;
    case Qt::Key_F10:
        muteKey(false);
        return;
    default:
        QWidget::keyReleaseEvent(event);
    }
}

void MeasurementFrame::muteKey(bool pressed)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub || !m_active)
        return;
    // Switch mode toggles by the shared path, unless the screen keeps its
    // own listening state apart from it.
    const bool listening = m_muteKeyTogglesOwnState ? !m_muted : !hub->isAudioPathMuted();
    if (const std::optional<bool> mute = hub->muteKeyMutes(pressed, listening))
        muteAudioPath(*mute, true);
}

// ---- Link check ---------------------------------------------------------------

void MeasurementFrame::checkBtConnection()
{
    // The timer keeps firing in the warning's own loop.
    if (!m_active || m_linkWarningOpen)
        return;
    Statusbardata* status = StatusbarData();
    const bool linkUp = status->stateMicrophone();
    const bool wired = status->sensorType() == Statusbardata::kSensorWired;
    if (!linkUp && !wired && m_enableWarningBtConnection) {
        m_enableWarningBtConnection = false;
        muteAudioPath(true, true);
        m_linkWarningOpen = true;
        showMessage(this, MessageDialog::IconWarning, screenText("Warning"),
                    screenText("NoBluetoothConnectionPleaseCheckYourTB9"));
        m_linkWarningOpen = false;
        return;
    }
    if (linkUp && !wired)
        m_enableWarningBtConnection = true;
}

// ---- Menu-bar dialogs ---------------------------------------------------------

MeasurementFrame::MenuDialogResult MeasurementFrame::runDialog(MenuDialog dialog, QWidget* parent)
{
    const MenuDialogRunner& runner = dialogRunner();
    return runner ? runner(dialog, parent) : builtInDialog(dialog, parent);
}

bool MeasurementFrame::storeSound(const QString& name, QString* why)
{
    if (Audioworker()->storeAudioData(name, why) == 0)
        return true;
    Audioworker()->deleteAudioData(name);
    return false;
}

bool MeasurementFrame::askMeasurementName(QString* name)
{
    VirtualKeyboard keyboard(this);
    keyboard.setText("");
    keyboard.useEnterAsAccept(true);
    const int accepted = keyboard.exec();
    if (accepted != 1 || !isActive()) {
        qDebug() << "Text: verworfen";
        return false;
    }
    *name = keyboard.getText();
    return true;
}

bool MeasurementFrame::saveMeasurement(int type,
                                       const std::function<void(MeasInfoStructure*)>& fill)
{
    if (!m_muted)
        muteAudioPath(true, true);
    QString name;
    if (!askMeasurementName(&name))
        return false;
    auto info = std::make_unique<MeasInfoStructure>();
    fill(info.get());
    if (m_audioCodec)
        m_audioCodec->getFilter(&info->filterLowCutOff, &info->filterHighCutOff,
                                &info->filterType);
    const StoreResult result = MeasurementData()->store(type, name, *info);
    Measurements::reportFailure(result);
    if (result.code != 0)
        return false;
    if (!result.missingRecordings.isEmpty())
        MessageDialog::showWarningText(this, Measurements::storedWithoutSoundText());
    return true;
}

MeasurementFrame::MenuDialogResult MeasurementFrame::runMenuDialog(MenuDialog dialog)
{
    return runDialog(dialog, this);
}

bool MeasurementFrame::runFilterDialog(
    int restartIntervalMs, bool withRecording,
    const std::function<void(const MenuDialogResult&)>& takeFilter)
{
    m_timerLevel->stop();
    if (withRecording)
        Audioworker()->pauseAudioRecording(true);
    const MenuDialogResult result = runMenuDialog(MenuDialog::Filter);
    if (result.result != 1 || !m_active)
        return false;
    if (takeFilter)
        takeFilter(result);
    m_timerLevel->start(restartIntervalMs);
    if (withRecording)
        Audioworker()->pauseAudioRecording(false);
    return true;
}

// ---- Leaving ------------------------------------------------------------------

void MeasurementFrame::stopTimers()
{
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
}

void MeasurementFrame::stopRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    Audioworker()->stopAudioRecording();
}

void MeasurementFrame::disconnectAccessoryMute()
{
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this,
                   &MeasurementFrame::switchActiveMute);
}

void MeasurementFrame::deactivate()
{
    m_active = false;
    m_playbackFile.clear();
    stopTimers();
    stopPlayback();
    stopRecording();
    disconnectAccessoryMute();
}

void MeasurementFrame::muteOnLeave()
{
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(true, true);
}

void MeasurementFrame::leave()
{
    leaveSteps();
    muteOnLeave();
    deactivate();
    emit exit();
}

void MeasurementFrame::backToBrowser()
{
    deactivate();
    emit gotoWidget(Screen::MeasManagement, Screen::StackUnchanged, Screen::Live);
}

void MeasurementFrame::closeStoredView(bool transmit)
{
    m_timerLevel->stop();
    if (m_audioCodec)
        m_audioCodec->setRouting(0);
    m_muted = true;
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->muteAudioPath(true, transmit);
    Analoginputworker()->stopCapture();
    // Also ends a playback: it would go on behind the browser.
    backToBrowser();
}

bool MeasurementFrame::event(QEvent* event)
{
    // The main window's page switch shows and hides the screens; these come
    // whether or not the window itself is on screen.
    if (event->type() == QEvent::ShowToParent)
        m_active = true;
    else if (event->type() == QEvent::HideToParent)
        deactivate();
    return QWidget::event(event);
}
