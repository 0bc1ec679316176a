#ifndef MAINMENU_H
#define MAINMENU_H

#include "screennumbers.h"

#include <QMainWindow>
#include <QStringList>
#include <QTranslator>

#include <optional>

class AppStatusHost;
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
class QKeyEvent;
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
    // The favourite number of the measurement screen opened last (level
    // measurement before any).
    int getCurrentVisibleDlgNum() const { return m_currentVisibleDlgNum; }
    bool isAudioPathMuted() const { return m_muted; }
    bool isMuteKeySwitchmode() const;
    void setCurrentMicGainStep(int step) { m_currentMicGainStep = step; }
    int getCurrentMicGainStep() const { return m_currentMicGainStep; }
    void setCurrentFilter(quint32 low, quint32 high, int type);
    void getCurrentFilter(quint32* low, quint32* high, int* type) const;
    bool isBootedToFavouriteFunction() const { return m_directlyBootedToFavouriteFunction; }
    int resetBootedToFavouriteFunction();

    // Shared audio state
    void muteAudioPath(bool mute, bool sendToAccessory);
    // Whether the Mute key's press or release mutes a screen or dialog that
    // is `listening`: the press listens, the release mutes; in switch mode
    // the press toggles and the release asks nothing.
    std::optional<bool> muteKeyMutes(bool pressed, bool listening) const;
    // The band to the codec and back what it made of it (corners on its
    // list, or no filter); AsCurrent: also the filter the next screen takes.
    enum class FilterUse { CodecOnly, AsCurrent };
    void applyFilter(quint32* low, quint32* high, int* type, FilterUse use);
    // 1..6; anything else acts as 3.
    void setMicGainStep(int step);
    // Sends the stored microphone parameters to the accessory again.
    void updateMicrophoneParameter();
    void initTB9(int a_gain, int a_mute, int a_button);

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
    // The screen a favourite number opens (Screen::Back for none).
    static int widgetForFavourite(int favourite);

    // Languages
    void loadLanguageFile(QString fileName);

    // Keys and power-down
    // Picture pop-up: 1 favourite stored, 2 screenshot taken, 3 console mode.
    void displayPopup(int picture);
    // Mutes, closes both Bluetooth links and powers down 3 s later. No guard:
    // every call repeats all of it.
    void beforePowerDown();

    // Appends one text line (Latin-1) to errorInfo.txt on the mass storage.
    void writeErrorToFile(QString text);

public slots:
    void changeLanguage(int num);
    void displayMainMenu();
    void displayWidget(int widget, int dir, int variant);
    void switchActiveMute(bool mute);
    void powerDown();
    int setMicInitParameter(int a_gain, int a_mute, int a_button);
    int setMicParameterGain(int gain);
    int setMicParameterMute(int mute);
    int setMicParameterButton(int button);
    int getMicInitParameter(int* a_gain, int* a_mute, int* a_button);
    // Appends one line of battery, charger and link state to systemInfo.txt
    // on the mass storage; the second form is the 60 s timer's, without text.
    void writeSystemInfo(QString infoText);
    void writeSystemInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

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
    // The screens, one row each: adding a screen is a row here (in
    // mainmenu.cpp) and its class.
    enum Creation { OnFirstUse, AtStartUp };
    struct ScreenRow {
        int widget;
        Creation creation;
        // Its favourite number; 0 for the menus. A screen with one is a
        // measurement screen: it takes the accessory's mute key over.
        int favourite;
        // Its init takes the variant asked for (1: a stored measurement, or
        // for the pressure screen, coming back to the one it holds); the
        // menus get variant 0.
        bool takesVariant;
        QWidget* (MainMenu::*screen)(bool create);
        void (*start)(QWidget* screen, int variant);
        void (MainMenu::*destroy)();
    };
    static const ScreenRow kScreens[];
    template <class S, S* MainMenu::*Member>
    static constexpr ScreenRow row(int widget, Creation creation, int favourite, bool takesVariant);
    template <class S, S* MainMenu::*Member>
    QWidget* screenSlot(bool create);
    template <class S, S* MainMenu::*Member>
    void destroyScreen();
    template <class S>
    static void startScreen(QWidget* screen, int variant);
    static const ScreenRow* screenRow(int widget);
    QWidget* screenFor(const ScreenRow& row);
    void openScreen(const ScreenRow& row, int dir, int variant);
    void deleteScreens(Creation creation);
    // The main page's buttons push their screen.
    void openFromMainPage(int widget);
    int headphoneAdcGain() const;
    void startBluetooth();
    void restoreAlsaState();
    void removePulseTempFiles();
    void showDeveloperButtons();
    void setMainPageTexts();
    void connectSinkMute();
    void disconnectSinkMute();
    void sendMicParameters();

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
    AppStatusHost* m_statusHost = nullptr;
    int m_widget = 0;
    int m_storedWidgetMenu[10] = {};
    int m_currentMenuLevel = 0;
    QTranslator translator;
    // What the translator reads from, when the file came from the mass storage.
    QByteArray m_languageData;
    int m_micGainStep = 0;
    int m_micGain = 0;
    float m_micPgaGain = 0.0f;
    int m_currentVisibleDlgNum = Screen::FavouriteLevelmeasurement;
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
