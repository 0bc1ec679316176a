#ifndef MAINMENU_H
#define MAINMENU_H

#include <QMainWindow>
#include <QStringList>
#include <QTranslator>

class AudioCodecSetup;
class Bluetooth;
class FavouriteButton;
class Gps;
class GpsMonitor;
class H2Sensor;
class Levelmeasurement;
class Longtermmeasurement;
class Management;
class MeasManagement;
class Pinpointing;
class Pipelocating;
class PressureSensor;
class QTimer;
class Systemsettings;

namespace Ui {
class MainMenu;
}

// The main window and hub: owns every screen and hardware object, switches
// between the screens and keeps the shared audio state. One instance.
class MainMenu : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);
    ~MainMenu() override;

    static MainMenu* getInstanceMainMenu() { return m_instanceMainMenu; }

    Bluetooth* getBtSourceInstance() const { return m_btSource; }
    Bluetooth* getBtSinkInstance() const { return m_btSink; }
    int getBtModuleType() const { return m_btModuleType; }
    Systemsettings* getInstanceSystemsettings() const { return m_systemsettings; }
    MeasManagement* getInstanceMeasManagement() const { return m_measManagement; }
    AudioCodecSetup* getAudioCodecInstance() const { return m_audioCodec; }
    Gps* getGpsInstance() const { return gpsModul; }
    FavouriteButton* getFavouriteButtonInsance() const { return m_favouriteButton; }

    int getMicGainStep() const { return m_micGainStep; }
    float getMicPgaGain() const { return m_micPgaGain; }
    int setCurrentVisibleDlgNum(int num);
    int getCurrentVisibleDlgNum() const { return m_currentVisibleDlgNum; }
    bool isAudioPathMuted() const { return m_muted; }
    bool isMuteKeySwitchmode() const;
    void setCurrentMicGainStep(int step) { m_currentMicGainStep = step; }
    int getCurrentMicGainStep() const { return m_currentMicGainStep; }
    void setCurrentFilter(quint32 low, quint32 high, int type);
    void getCurrentFilter(quint32* low, quint32* high, int* type) const;
    bool isBootedToFavouriteFunction() const { return m_directlyBootedToFavouriteFunction; }
    int resetBootedToFavouriteFunction();

    void muteAudioPath(bool mute, bool sendToAccessory);

    // Navigation
    void init();
    void showWidget(int number);
    // The start arguments: "test" opens the production test menu, else
    // "debug" the debug menu, each modally before the event loop runs.
    void showStartWidget(const QStringList& arguments);
    int displayFavouriteDialog(int widget);
    void displayDebugMenu();
    void menuLevelEqual();
    void menuLevelDown();
    void menuLevelUp();
    void resetMenuLevel();
    void setMenuDirection(int dir);
    int menuLevel() const { return m_currentMenuLevel; }
    int storedWidgetAt(int level) const;
    int currentWidgetNumber() const { return m_widget; }

    // Languages
    void loadLanguageFile(QString fileName);

    // Filled by the audio-state work: setMicGainStep, updateMicrophoneParameter,
    // initTB9. Filled by the key work: keyPressEvent, keyReleaseEvent,
    // displayPopup, beforePowerDown. Filled by the system-information work:
    // writeErrorToFile.

public slots:
    void changeLanguage(int num);
    void displayMainMenu();
    void displayWidget(int widget, int dir, int variant);
    void switchActiveMute(bool mute);
    // Filled by the system-information work: writeSystemInfo(QString),
    // writeSystemInfo(). Filled by the audio-state and key work: powerDown,
    // setMicInitParameter, setMicParameterGain, setMicParameterMute,
    // setMicParameterButton, getMicInitParameter.

private slots:
    void on_butPinpointing_clicked();
    void on_butLevelmeasurement_clicked();
    void on_butLongtermmeasurement_clicked();
    void on_butH2Sensor_clicked();
    void on_butPipelocating_clicked();
    void on_butManagement_clicked();
    void on_butDebugMenu_clicked();
    void on_butTestMenu_clicked();

private:
    template <class Screen>
    Screen* screenFor(Screen*& member);
    // favouriteNumber > 0 marks a measurement screen and its favourite number.
    template <class Screen, class Init>
    void openScreen(Screen* screen, int dir, int favouriteNumber, Init startScreen);
    int headphoneAdcGain() const;
    void startBluetooth();
    void restoreAlsaState();
    void removePulseTempFiles();
    void showDeveloperButtons();
    void setMainPageTexts();
    void connectSinkMute();
    void disconnectSinkMute();

    static MainMenu* m_instanceMainMenu;
    Ui::MainMenu* ui;
    Levelmeasurement* m_levelMeasurement = nullptr;
    Pinpointing* m_pinpointing = nullptr;
    Management* m_management = nullptr;
    Systemsettings* m_systemsettings = nullptr;
    GpsMonitor* m_gpsMonitor = nullptr;
    H2Sensor* m_h2sensor = nullptr;
    MeasManagement* m_measManagement = nullptr;
    Pipelocating* m_pipelocating = nullptr;
    PressureSensor* m_pressureSensor = nullptr;
    Longtermmeasurement* m_longtermMeasurement = nullptr;
    FavouriteButton* m_favouriteButton = nullptr;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    Gps* gpsModul = nullptr;
    QTimer* m_timerSystemMonitor = nullptr;
    int m_widget = 0;
    int m_storedWidgetMenu[10] = {};
    int m_currentMenuLevel = 0;
    QTranslator translator;
    int m_micGainStep = 0;
    int m_micGain = 0;
    float m_micPgaGain = 0.0f;
    int m_currentVisibleDlgNum = 0;
    bool m_muted = true;
    int m_micParameterGain = 0;
    int m_micParameterMute = 0;
    int m_micParameterButton = 0;
    int m_currentMicGainStep = 3;
    quint32 m_currentLowCutOffFreq = 0;
    quint32 m_currentHighCutOffFreq = 4000;
    int m_currentFilterType = 0;
    bool m_directlyBootedToFavouriteFunction = false;
    int m_btModuleType = 0;
};

#endif
