#ifndef MEASUREMENTFRAME_H
#define MEASUREMENTFRAME_H

#include "screennumbers.h"

#include <QString>
#include <QWidget>

#include <functional>

class AudioCodecSetup;
class Bluetooth;
class Gps;
class MeasManagement;
class QKeyEvent;
class QSettings;
class Systemsettings;
class QTimer;
struct MeasInfoStructure;

// What every measurement screen shares: its start (live or stored view), the
// Mute key and the accessory's mute key, the link check towards the TB-9,
// the menu-bar dialogs, saving and leaving. The start is a set of steps, one
// operation each, which each screen's init() calls in its own order. The
// main window's table of screens creates the screen, sets its favourite
// number and takes the accessory's mute key from the main page before
// init(). The frame's texts are looked up in the screen's own translation
// context, where each screen lists them.
//
// A screen is active from being shown until deactivate(). Being hidden by
// the main window's page switch deactivates it, however it was left (its
// own leave, the IO key over an open dialog, a stored view's Back), so
// nothing of a hidden screen keeps running: no timer, no recording or
// playback it started, no accessory mute key. Code that runs after a modal
// loop checks isActive() first: the main page may have been shown while
// the loop ran.
class MeasurementFrame : public QWidget
{
    Q_OBJECT
public:
    // The menu-bar dialogs.
    enum class MenuDialog { Filter, Microphone, Headphone };
    struct MenuDialogResult {
        int result = 0; // the dialog's exec() result; 1 accepted
        // Filter only, when accepted: the band the dialog set.
        int filterType = 0;
        quint32 lowCutOff = 0;
        quint32 highCutOff = 4000;
    };
    // Runs one dialog modally with the screen as parent.
    using MenuDialogRunner = std::function<MenuDialogResult(MenuDialog, QWidget* parent)>;
    // Replaces how the dialogs run (tests); an empty runner restores the
    // built-in one.
    static void setMenuDialogRunner(MenuDialogRunner runner);
    // Runs one dialog through the runner in place; also how the filter
    // dialog opens the microphone and headphone dialogs over itself.
    static MenuDialogResult runDialog(MenuDialog dialog, QWidget* parent);

    explicit MeasurementFrame(QWidget* parent = nullptr);
    ~MeasurementFrame() override;

    bool isActive() const { return m_active; }

    // The screen's mute operation; transmit: tell the accessory (the change
    // came from the unit). This version records the state and mutes or opens
    // the shared audio path.
    virtual void muteAudioPath(bool mute, bool transmit);

    // Stops what the screen runs: both timers, the playback and the
    // recording it started, the accessory's mute key. Emits nothing; any
    // number of calls is harmless.
    void deactivate();

public slots:
    // The accessory's mute key (false: listening), to accessoryMuteKey()
    // while the screen is active. The one slot deactivate() disconnects.
    void switchActiveMute(bool mute);
    // Every 1700 ms while the check runs: one warning per loss of the link,
    // the path muted first; re-armed once the link is back. Never with the
    // sensor on the wired input.
    void checkBtConnection();

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

protected:
    static constexpr int kListeningPollIntervalMs = 300;

    // -- Live start ---------------------------------------------------------
    // With the H2 sensor connected: the note that an acoustical sensor is
    // needed, then the start goes on. False when the screen was left while
    // the note was open; the start must end there.
    bool showSensorNote();
    // The same note with the screen's own text (a key of its context),
    // whatever the sensor.
    bool showSensorNote(const char* textKey);
    // The modules, codec, browser and GPS from the main window.
    void fetchSharedObjects();
    // The accessory side with its text link, the headset A2DP only.
    void callBtDevices();
    void initCodec();
    // m_muted true, the shared path muted and the accessory told.
    void startMuted();
    // The main window's current filter to the codec, read back with
    // takeFilter().
    void applyCurrentFilter();
    // A band into m_storedFilter*; a type other than band-pass (1) or
    // band-stop (2) is no filter, 0..4000 Hz.
    void takeFilter(int type, quint32 low, quint32 high);
    // The filter a stored measurement's info.ini holds; none without one.
    void takeStoredFilter(const QSettings* info);
    void applyMicGainStep();
    void connectAccessoryMute();
    void clearAdcData();
    // Background recording (and the ADC capture with it).
    void startRecording();
    void startLinkCheck();
    // Armed, unless the unit booted straight into this screen's favourite
    // (then the warning waits until the link was up once); the booted flag
    // is cleared either way.
    void armLinkWarning(int favouriteNumber);
    // The unit started straight into this favourite and no screen has
    // cleared that yet.
    static bool bootedInto(int favouriteNumber);
    // The main window's settings; null without a main window.
    static Systemsettings* systemSettings();

    // -- Stored view --------------------------------------------------------
    // m_storedMeasurement true, the link check stopped and disarmed,
    // m_selectedMeasurementDir from the browser ("" if it was never opened).
    void enterStoredView();
    // No input, no loop-back: what a stored view plays goes out alone.
    void routeStoredView();
    // Playback of a recording (a path on the unit) by the recorder;
    // deactivate() stops what is playing, also a screen's own player (its
    // override). A file the recorder cannot play comes to playbackFailed().
    void startPlayback(const QString& file);
    // A screen's own player is about to play `file` (a path on the unit).
    void playbackStarting(const QString& file);
    // Asked before a playback: false, logged and told to the operator, when
    // the file is there but cannot be played (AudioWorker::playbackProblem());
    // a missing one plays as silence.
    bool isPlayable(const QString& file);
    // The player gave up on `file` (it cannot decode it): stopped as the
    // stored view's Stop stops it (stopStoredSound()), and the operator told
    // as for a file refused before playing; once for each playback started.
    // A report of a playback told already, of a file no longer played or of
    // a screen left is only logged.
    void playbackFailed(const QString& file, const QString& why);
    virtual void stopPlayback();
    // The stored view's Stop.
    virtual void stopStoredSound() {}

    // -- Mute ---------------------------------------------------------------
    // For screens that poll only while listening: muteAudioPath's part, then
    // on unmute the ADC data cleared and the polling timer started at
    // intervalMs, on mute the polling stopped.
    void muteAndPollWhileListening(bool mute, bool transmit,
                                   int intervalMs = kListeningPollIntervalMs);
    // What the accessory's mute key does on an active screen. This version
    // ignores a report matching the screen's state and sends nothing back.
    virtual void accessoryMuteKey(bool mute);

    // -- Menu-bar dialogs ---------------------------------------------------
    MenuDialogResult runMenuDialog(MenuDialog dialog);
    // Stops the polling (withRecording: pauses the recording too) and runs
    // the filter dialog. Only when it was accepted and the screen is still
    // active: takeFilter reads back and shows the band, the polling restarts
    // at restartIntervalMs (and the recording resumes); true then. Cancelled,
    // the polling stays stopped until the next unmute.
    bool runFilterDialog(int restartIntervalMs, bool withRecording,
                         const std::function<void(const MenuDialogResult&)>& takeFilter);

    // -- Saving -------------------------------------------------------------
    // The recorder's last seconds as the recording `name`, whole when this
    // returns. False when they could not be stored (`why`, if given, says
    // why); an older recording of the name is removed then, so far as it
    // can be: the save must not take what is left as this one's
    // (MeasInfoStructure::soundMissing).
    bool storeSound(const QString& name, QString* why = nullptr);
    // The name for a save from the on-screen keyboard. False when the
    // keyboard was closed without accepting, or the screen was left while it
    // was open (the IO key shows the main page before the keyboard returns):
    // nothing may be stored then.
    bool askMeasurementName(QString* name);
    // The save every screen makes: muted first (through the screen's own
    // mute), the name asked; only when given, the record filled by `fill`,
    // the codec's band added and stored as `type`. True when it was stored;
    // the operator is warned when the entry lacks a recording it was to
    // take (a store that failed, a file not there).
    bool saveMeasurement(int type, const std::function<void(MeasInfoStructure*)>& fill);

    // -- Leaving ------------------------------------------------------------
    // leave(): the screen's own leaveSteps() first, then muteOnLeave(),
    // deactivate(), exit() (also from a stored view).
    void leave();
    virtual void leaveSteps() {}
    // The path muted and the accessory told; a screen that has more to tell
    // the accessory on leaving adds it here.
    virtual void muteOnLeave();
    // A stored view's Back: deactivate(), then the browser.
    void backToBrowser();
    // The Back of a stored view that plays through the shared path: the
    // polling stopped, the routing back to normal, the path muted (the
    // accessory told with `transmit`), the capture stopped, backToBrowser().
    void closeStoredView(bool transmit);
    // Part of deactivate(), for a screen whose leave stops it earlier.
    void stopRecording();

    // Escape press swallowed, its release leaves; the Mute key (F10) by the
    // main window's rule, switch mode toggling by the main window's state.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    Gps* m_gpsModul = nullptr;
    // The screen's polling: it connects its own slot and sets the interval.
    QTimer* m_timerLevel = nullptr;
    bool m_muted = true;
    // Switch mode: the Mute key toggles by m_muted rather than by the shared
    // path (screens whose stream or polling follows their own state).
    bool m_muteKeyTogglesOwnState = false;
    bool m_storedMeasurement = false;
    QString m_selectedMeasurementDir;
    QString m_storedMeasurementName;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 4000;

private:
    static constexpr int kLinkCheckIntervalMs = 1700;

    void stopTimers();
    void disconnectAccessoryMute();
    // The Mute key's press or release on an active screen.
    void muteKey(bool pressed);
    // A text of the screen's own translation context.
    QString screenText(const char* key) const;
    // Logged, and the operator told that it cannot be played, unless that
    // message is open already.
    void tellNotPlayable(const QString& file, const QString& why);

    MeasManagement* m_measManagement = nullptr;
    QTimer* m_timerCheckBtConnection = nullptr;
    bool m_enableWarningBtConnection = false;
    bool m_active = false;
    bool m_recording = false;
    bool m_playing = false;
    // The file a stored view plays; "" once its failure was told, or left.
    QString m_playbackFile;
    bool m_notPlayableOpen = false;
    bool m_linkWarningOpen = false;
};

#endif
