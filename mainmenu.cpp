#include "mainmenu.h"
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/batterystate.h"
#include "Debug/debugmenu.h"
#include "Hardware/bluetooth.h"
#include "Hardware/bluetoothfactory.h"
#include "Hardware/commandrunner.h"
#include "Hardware/checkedfile.h"
#include "Hardware/pathguard.h"
#include "Hardware/devicelayer.h"
#include "Hardware/gpio.h"
#include "Hardware/gpiolines.h"
#include "Hardware/gps.h"
#include "Hardware/massstorage.h"
#include "Mainmenu/h2sensor.h"
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Mainmenu/management.h"
#include "Mainmenu/pinpointing.h"
#include "Mainmenu/pipelocating.h"
#include "Mainmenu/pressuresensor.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/gpsmonitor.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/favouritebutton.h"
#include "Tools/firstpaint.h"
#include "Tools/fittext.h"
#include "Tools/focusframe.h"
#include "Tools/measuremententry.h"
#include "Tools/measurements.h"
#include "Tools/popupinfo.h"
#include "Tools/statusbar.h"
#include "Tools/statushost.h"
#include "apphosts.h"
#include "ui_mainmenu.h"

#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QSet>
#include <QTimer>
#include <type_traits>

MainMenu* MainMenu::m_instanceMainMenu = nullptr;

namespace {

const char* const kPulseDir = "/home/root/.config/pulse/";
const char* const kAlsaState = "/var/lib/alsa/asound.state";
const int kPowerDownDelayMs = 3000;
const int kSystemInfoIntervalMs = 60000;
const char* const kSystemInfoFile = "/media/vq4100/systemInfo.txt";
const char* const kErrorInfoFile = "/media/vq4100/errorInfo.txt";

// Far above any translation of the program's texts.
const qint64 kMaxLanguageFileBytes = 16 * 1024 * 1024;

// The language files, by language number 1..26.
const char* const kLanguageFiles[26] = {
    "GB_VQ4100.qm", "DE_VQ4100.qm", "FR_VQ4100.qm", "IT_VQ4100.qm", "ES_VQ4100.qm",
    "CN_VQ4100.qm", "CZ_VQ4100.qm", "HU_VQ4100.qm", "RU_VQ4100.qm", "SI_VQ4100.qm",
    "JP_VQ4100.qm", "PL_VQ4100.qm", "PT_VQ4100.qm", "RO_VQ4100.qm", "SK_VQ4100.qm",
    "SE_VQ4100.qm", "FI_VQ4100.qm", "DK_VQ4100.qm", "NO_VQ4100.qm", "BG_VQ4100.qm",
    "HR_VQ4100.qm", "KR_VQ4100.qm", "RS_VQ4100.qm", "TR_VQ4100.qm", "UA_VQ4100.qm",
    "GR_VQ4100.qm"};

// Screens with an exit() signal return through it to the main menu.
template <class S, class = void>
struct HasExit : std::false_type {};
template <class S>
struct HasExit<S, std::void_t<decltype(&S::exit)>> : std::true_type {};

// How a screen starts: a measurement screen with the variant, the browser
// always from its top, the menus plainly.
template <class S>
auto initScreen(S* screen, int variant, int) -> decltype(screen->init(variant), void())
{
    screen->init(variant);
}
template <class S>
auto initScreen(S* screen, int, long) -> decltype(screen->init(), void())
{
    screen->init();
}
void initScreen(MeasManagement* browser, int, int)
{
    browser->init(0, false);
}

}


MainMenu::MainMenu(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainMenu)
{
    qDebug() << "=== Start MainMenu ===";
    // The program's style sheet before any form: set later, it would style
    // every widget made so far a second time.
    QFile styleSheet(":/Stylesheets/Resources/Stylesheets/default.qss");
    if (styleSheet.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromLatin1(styleSheet.readAll()));
    ui->setupUi(this);
    m_instanceMainMenu = this;

    // Any reading other than "V 1" gets the IDC777 pair.
    const int hardwareVersion = Systeminformation::readHardwareVersion();
    m_btModuleType = hardwareVersion != 0 ? BluetoothFactory::ModuleIdc777
                                          : BluetoothFactory::ModuleWt32;
    const BluetoothPair pair = BluetoothFactory::createPair(m_btModuleType, &AppBluetoothHost::instance());
    m_btSource = pair.source;
    m_btSink = pair.sink;

    // Made in the page stack it ends up in: moving a styled form to another
    // parent styles all of it again.
    m_systemsettings = new Systemsettings(ui->mainWidget);
    m_micParameterGain = 15;
    m_micParameterMute = 1;
    m_micParameterButton = 1;

    MassStorage::checkAndMount();
    MeasurementEntry::removeLeftovers();

    Gpio::init();
    if (m_btModuleType == BluetoothFactory::ModuleIdc777)
        Gpio::initIdc777Rst();

    startBluetooth();
    restoreAlsaState();
    removePulseTempFiles();

    qDebug() << "=== INIT AUDIOCODEC ===";
    // The codec is held before init(): muting the path calls back into it.
    m_audioCodec = new AudioCodecSetup;
    m_audioCodec->setHooks(AppHosts::codecHooks());
    Audioworker();
    // Choosing the sound devices takes long and the main page does not need
    // them: on the one core it waits for the first paint.
    FirstPaint::then(this, [] { Audioworker()->chooseDevices(); });
    m_audioCodec->init();

    setCurrentMicGainStep(3);
    if (m_systemsettings->isSUUseFilterForStartupEnabled()) {
        setCurrentFilter(160, 1250, 1);
        qDebug() << "Starting with Filter: 160 / 1250 / Bandpass";
    } else {
        setCurrentFilter(0, 4000, 0);
    }

    gpsModul = new Gps();
    gpsModul->setLocalOffset(AppHosts::localOffsetSeconds);
    gpsModul->initGps();
    // Only "MAN" keeps the clock from GPS time.
    gpsModul->enableSystemTimeSettingViaGps(m_systemsettings->getDateTimeSource() != QLatin1String("MAN"));
    if (m_systemsettings->isSUUseGpsForStartupEnabled())
        gpsModul->switchOnGpsModul();
    else
        gpsModul->switchOffGpsModul();

    FocusFrame::install();

    resetMenuLevel();

    connect(m_systemsettings, &Systemsettings::gotoWidget, this, &MainMenu::displayWidget);
    ui->mainWidget->addWidget(m_systemsettings);
    connect(m_systemsettings, &Systemsettings::changeLanguage, this, &MainMenu::changeLanguage);

    changeLanguage(m_systemsettings->getSelectedLanguageNum());
    ui->retranslateUi(this);
    // Fitted before the first paint, as every return to the page fits them.
    setMainPageTexts();

    m_statusHost = new AppStatusHost(this, m_systemsettings);
    StatusPartners partners;
    partners.btSource = m_btSource;
    partners.btSink = m_btSink;
    partners.gps = gpsModul;
    partners.audioCodec = m_audioCodec;
    partners.host = m_statusHost;
    StatusbarData()->init(partners);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    showDeveloperButtons();
    // The keys start on the first button of the main page.
    ui->butPinpointing->setFocus();

    m_favouriteButton = new FavouriteButton();
    m_favouriteButton->init();
    if (g_debugFeatures == 1) {
        writeSystemInfo("System started.");
        m_timerSystemMonitor = new QTimer(this);
        m_timerSystemMonitor->setObjectName("systemInfoTimer");
        connect(m_timerSystemMonitor, &QTimer::timeout, this,
                qOverload<>(&MainMenu::writeSystemInfo));
        m_timerSystemMonitor->start(kSystemInfoIntervalMs);
    }
    if (m_systemsettings->isSUUseFavouriteForStartupEnabled()) {
        const int favourite = m_systemsettings->getFavouriteButton(nullptr);
        // A screenshot (0) at start-up would show nothing worth keeping.
        if (widgetForFavourite(favourite) != Screen::Back) {
            m_directlyBootedToFavouriteFunction = true;
            m_favouriteButton->execFavouriteFunction();
        }
        m_directlyBootedToFavouriteFunction = false;
    }
}

MainMenu::~MainMenu()
{
    // The status data outlive the window; they must not keep its objects
    // nor poll without it.
    StatusbarData()->detach();
    delete m_statusHost;
    delete ui;
    deleteScreens(OnFirstUse);
    delete m_btSource;
    delete m_btSink;
    delete m_audioCodec;
    m_audioCodec = nullptr;
    delete gpsModul;
    delete m_favouriteButton;
    m_favouriteButton = nullptr;
    deleteScreens(AtStartUp);
    delete m_timerSystemMonitor;
    if (m_instanceMainMenu == this)
        m_instanceMainMenu = nullptr;
}

void MainMenu::startBluetooth()
{
    qDebug() << "=== INIT MICROPHONE ===";
    m_btSink->initBluetooth("/dev/ttyO2", m_systemsettings->getBtIdMicrophone());
    m_btSink->setBtDacGain(m_btModuleType == BluetoothFactory::ModuleIdc777 ? 13 : 15);
    m_btSink->callBtDeviceA2DP(true);
    m_micGainStep = 3;
    connectSinkMute();

    qDebug() << "=== INIT HEADPHONE ===";
    m_btSource->initBluetooth("/dev/ttyO3", m_systemsettings->getBtIdHeadphone());
    m_btSource->setBtAdcGain(headphoneAdcGain());
    m_btSource->callBtDeviceA2DP(false);
}

int MainMenu::headphoneAdcGain() const
{
    return m_systemsettings->isHearingProtectionEnabled()
               ? 1
               : m_systemsettings->getHeadphoneVolumeOffset() + 5;
}

void MainMenu::restoreAlsaState()
{
    QFile resource(":/Resources/Files/asound.state");
    if (!resource.open(QIODevice::ReadOnly))
        return;
    const QByteArray state = resource.readAll();
    const QString target = DeviceLayer::path(kAlsaState);
    const FileResult removed = PathGuard::removeFile(target);
    qDebug() << "asound.state removed" << removed.ok();
    const FileResult copied = PathGuard::writeWhole(target, state);
    qDebug() << "asound.state copied" << copied.ok();
    if (!copied.ok())
        qDebug().noquote() << "asound.state not copied:" << copied.error;
    CommandRunner::execute("alsactl", {"--file", kAlsaState, "restore"});
}

void MainMenu::removePulseTempFiles()
{
    qDebug() << "-> Pulseaudio deleting *.tmp files";
    CommandRunner::execute("ls", {kPulseDir});
    const QDir dir(DeviceLayer::path(kPulseDir));
    const QStringList tmpFiles = dir.entryList({"*.tmp"},
                                               QDir::Files | QDir::Dirs | QDir::System
                                                   | QDir::NoDotAndDotDot,
                                               QDir::Unsorted);
    qDebug() << "tmp-Files:" << tmpFiles;
    for (const QString& name : tmpFiles) {
        const FileResult removed = PathGuard::removeFile(dir.filePath(name));
        qDebug() << "pulseaudio tmp-File:" << name << "removed" << removed.ok();
        if (!removed.ok())
            qDebug().noquote() << "pulseaudio tmp-File not removed:" << name << "-" << removed.error;
    }
    CommandRunner::execute("ls", {kPulseDir});
}

// ---- Accessors ------------------------------------------------------------

bool MainMenu::isMuteKeySwitchmode() const
{
    return m_systemsettings && m_systemsettings->isMuteKeySwitchmode();
}

void MainMenu::setCurrentFilter(quint32 low, quint32 high, int type)
{
    m_currentLowCutOffFreq = low;
    m_currentHighCutOffFreq = high;
    m_currentFilterType = type;
}

void MainMenu::getCurrentFilter(quint32* low, quint32* high, int* type) const
{
    if (low)
        *low = m_currentLowCutOffFreq;
    if (high)
        *high = m_currentHighCutOffFreq;
    if (type)
        *type = m_currentFilterType;
}

int MainMenu::resetBootedToFavouriteFunction()
{
    m_directlyBootedToFavouriteFunction = false;
    return 0;
}

int MainMenu::storedWidgetAt(int level) const
{
    return (level >= 0 && level < 10) ? m_storedWidgetMenu[level] : 0;
}

// ---- Audio path -----------------------------------------------------------

void MainMenu::muteAudioPath(bool mute, bool sendToAccessory)
{
    qDebug() << (mute ? "Audiopath: MUTED" : "Audiopath: NOT MUTED");
    if (sendToAccessory)
        setMicParameterMute(mute ? 1 : 0);
    if (m_audioCodec)
        m_audioCodec->setMuting(mute);
    if (m_btSource) {
        if (mute)
            m_btSource->setBtAdcGain(0);
        else
            m_btSource->setBtLastAdcGain();
    }
    m_muted = mute;
    m_micParameterMute = mute ? 1 : 0;
    // Pauses the recorder and then the ADC capture.
    Audioworker()->pauseAudioRecording(mute);
    Gpio::setValue(GpioLine::AudioMute, mute ? 0 : 1);
}

std::optional<bool> MainMenu::muteKeyMutes(bool pressed, bool listening) const
{
    const bool switchMode = isMuteKeySwitchmode();
    if (pressed)
        return switchMode && listening;
    if (switchMode)
        return std::nullopt;
    return true;
}

void MainMenu::applyFilter(quint32* low, quint32* high, int* type, FilterUse use)
{
    if (m_audioCodec) {
        m_audioCodec->setFilter(*low, *high, *type);
        m_audioCodec->getFilter(low, high, type);
    }
    if (use == FilterUse::AsCurrent)
        setCurrentFilter(*low, *high, *type);
}

void MainMenu::switchActiveMute(bool mute)
{
    // On the main page the path only ever closes.
    if (!mute)
        muteAudioPath(true, true);
}

namespace {

struct GainStep {
    long pgaGain;   // wired sensor: codec PGA, 0.01 dB
    int accessoryGain;
};

// Steps 1..6.
const GainStep kGainSteps[6] = {{900, 10}, {1800, 13}, {2250, 15},
                                {2900, 17}, {3500, 19}, {4100, 21}};

}

void MainMenu::setMicGainStep(int step)
{
    m_micGainStep = step;
    if (step < 1 || step > 6)
        m_micGainStep = 3;
    const GainStep& row = kGainSteps[m_micGainStep - 1];
    if (StatusbarData()->sensorType() == 4) {
        m_micPgaGain = row.pgaGain / 100.0f;
        qDebug() << "setMicGainStep" << m_micGainStep << "wired sensor, amplifier"
                 << m_micPgaGain << "dB";
        if (m_audioCodec)
            m_audioCodec->setMicPgaGain(row.pgaGain);
        return;
    }
    // The accessory amplifies; the codec PGA stays at the pair's fixed gain.
    const bool idc777 = m_btModuleType == BluetoothFactory::ModuleIdc777;
    m_micPgaGain = idc777 ? 4.0f : 3.0f;
    m_micGain = row.accessoryGain;
    if (m_audioCodec)
        m_audioCodec->setMicPgaGain(idc777 ? 400 : 300);
    setMicParameterGain(m_micGain);
}

int MainMenu::setMicInitParameter(int a_gain, int a_mute, int a_button)
{
    m_micParameterGain = a_gain;
    m_micParameterMute = a_mute;
    m_micParameterButton = a_button;
    sendMicParameters();
    return 0;
}

void MainMenu::initTB9(int a_gain, int a_mute, int a_button)
{
    setMicInitParameter(a_gain, a_mute, a_button);
}

int MainMenu::setMicParameterGain(int gain)
{
    m_micParameterGain = gain;
    qDebug() << "setMicParameterGain" << m_micParameterGain << m_micParameterMute
             << m_micParameterButton;
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::setMicParameterMute(int mute)
{
    m_micParameterMute = mute;
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::setMicParameterButton(int button)
{
    m_micParameterButton = button;
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::getMicInitParameter(int* a_gain, int* a_mute, int* a_button)
{
    if (a_gain)
        *a_gain = m_micParameterGain;
    if (a_mute)
        *a_mute = m_micParameterMute;
    if (a_button)
        *a_button = m_micParameterButton;
    return 0;
}

void MainMenu::updateMicrophoneParameter()
{
    sendMicParameters();
}

void MainMenu::sendMicParameters()
{
    if (m_btSink)
        m_btSink->sendMicInitParameter(m_micParameterGain, m_micParameterMute,
                                       m_micParameterButton);
}

void MainMenu::connectSinkMute()
{
    if (m_btSink)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute,
                Qt::UniqueConnection);
}

void MainMenu::disconnectSinkMute()
{
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this,
                   &MainMenu::switchActiveMute);
}

// ---- Keys and power-down --------------------------------------------------

void MainMenu::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void MainMenu::keyReleaseEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F12:
        qDebug() << "Key: SwitchOff";
        beforePowerDown();
        return;
    case Qt::Key_F13:
        Gpio::switchConsoleToUart();
        qDebug() << "Switching to Uart-Mode";
        displayPopup(PopupInfo::PictureServiceMode);
        return;
    default:
        QMainWindow::keyReleaseEvent(event);
    }
}

void MainMenu::displayPopup(int picture)
{
    PopupInfo popup(this);
    popup.setPicture(picture);
    if (popup.exec() == QDialog::Accepted)
        qDebug() << "Popup closed" << picture;
}

void MainMenu::beforePowerDown()
{
    qDebug() << "beforePowerDown: Mute";
    muteAudioPath(true, true);
    qDebug() << "beforePowerDown: Disconnect btSink";
    if (m_btSink)
        m_btSink->disconnectBtDevice();
    qDebug() << "beforePowerDown: Disconnect btSource";
    if (m_btSource)
        m_btSource->disconnectBtDevice();
    qDebug() << "beforePowerDown: Finish";
    auto* timer = new QTimer(this);
    timer->setObjectName("powerDownTimer");
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &MainMenu::powerDown);
    connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(kPowerDownDelayMs);
}

void MainMenu::powerDown()
{
    qDebug() << "Good bye!";
    MassStorage::unmount();
    CommandRunner::execute("poweroff");
}

// ---- Navigation -----------------------------------------------------------

template <class S, S* MainMenu::*Member>
constexpr MainMenu::ScreenRow MainMenu::row(int widget, Creation creation, int favourite,
                                            bool takesVariant)
{
    return {widget,
            creation,
            favourite,
            takesVariant,
            &MainMenu::screenSlot<S, Member>,
            &MainMenu::startScreen<S>,
            &MainMenu::destroyScreen<S, Member>};
}

template <class S, S* MainMenu::*Member>
QWidget* MainMenu::screenSlot(bool create)
{
    S*& screen = this->*Member;
    if (!screen && create) {
        screen = new S(this);
        ui->mainWidget->addWidget(screen);
        if constexpr (HasExit<S>::value)
            connect(screen, &S::exit, this, &MainMenu::displayMainMenu, Qt::UniqueConnection);
        connect(screen, &S::gotoWidget, this, &MainMenu::displayWidget, Qt::UniqueConnection);
    }
    return screen;
}

template <class S, S* MainMenu::*Member>
void MainMenu::destroyScreen()
{
    delete (this->*Member);
    this->*Member = nullptr;
}

template <class S>
void MainMenu::startScreen(QWidget* screen, int variant)
{
    initScreen(static_cast<S*>(screen), variant, 0);
}

// The order is also the order of the destructor's deletes; the first row
// with a favourite number is the screen the favourite key opens.
const MainMenu::ScreenRow MainMenu::kScreens[] = {
    // class and member, then: widget number, created, favourite number, init(variant)
    row<Pinpointing, &MainMenu::m_pinpointing>(Screen::Pinpointing, OnFirstUse, Screen::FavouritePinpointing, true),
    row<Levelmeasurement, &MainMenu::m_levelMeasurement>(Screen::Levelmeasurement, OnFirstUse, Screen::FavouriteLevelmeasurement, true),
    row<Longtermmeasurement, &MainMenu::m_longtermMeasurement>(Screen::Longtermmeasurement, OnFirstUse, Screen::FavouriteLongterm, true),
    row<H2Sensor, &MainMenu::m_h2sensor>(Screen::H2Sensor, OnFirstUse, Screen::FavouriteH2Sensor, true),
    row<Pipelocating, &MainMenu::m_pipelocating>(Screen::Pipelocating, OnFirstUse, Screen::FavouritePipelocating, true),
    row<PressureSensor, &MainMenu::m_pressureSensor>(Screen::PressureSensor, OnFirstUse, Screen::FavouritePipelocating, true),
    row<Management, &MainMenu::m_management>(Screen::Management, OnFirstUse, 0, false),
    row<MeasManagement, &MainMenu::m_measManagement>(Screen::MeasManagement, OnFirstUse, 0, false),
    row<Systemsettings, &MainMenu::m_systemsettings>(Screen::Systemsettings, AtStartUp, 0, false),
    row<GpsMonitor, &MainMenu::m_gpsMonitor>(Screen::GpsMonitor, OnFirstUse, 0, false),
};

const MainMenu::ScreenRow* MainMenu::screenRow(int widget)
{
    for (const ScreenRow& row : kScreens) {
        if (row.widget == widget)
            return &row;
    }
    return nullptr;
}

int MainMenu::widgetForFavourite(int favourite)
{
    for (const ScreenRow& row : kScreens) {
        if (favourite > 0 && row.favourite == favourite)
            return row.widget;
    }
    return Screen::Back;
}

// Screens made at start-up were connected there.
QWidget* MainMenu::screenFor(const ScreenRow& row)
{
    return (this->*row.screen)(row.creation == OnFirstUse);
}

void MainMenu::deleteScreens(Creation creation)
{
    for (const ScreenRow& row : kScreens) {
        if (row.creation == creation)
            (this->*row.destroy)();
    }
}

void MainMenu::openScreen(const ScreenRow& row, int dir, int variant)
{
    QWidget* screen = screenFor(row);
    // A pop shows and starts the screen below instead; the requested one
    // stays unseen, is not started and takes nothing over.
    const bool popped = (dir == Screen::LevelUp);
    const bool measurement = row.favourite > 0;
    // A measurement screen takes the accessory's mute key over in its init.
    if (measurement && !popped)
        disconnectSinkMute();
    ui->mainWidget->setCurrentWidget(screen);
    setMenuDirection(dir);
    if (popped)
        return;
    // The favourite key stores the screen in use, whichever opened last;
    // this is the one place that says which.
    if (measurement)
        m_currentVisibleDlgNum = row.favourite;
    if (row.widget == Screen::PressureSensor)
        qDebug() << "Pressuresensor: displayWidget init";
    row.start(screen, row.takesVariant ? variant : Screen::Live);
}

void MainMenu::displayWidget(int widget, int dir, int variant)
{
    m_widget = widget;
    if (widget == Screen::Back) {
        menuLevelUp();
        return;
    }
    if (widget == Screen::MainPage) {
        resetMenuLevel();
        init();
        connectSinkMute();
        if (m_btSink)
            m_btSink->sendData("BT_TX B");
        return;
    }
    const ScreenRow* row = screenRow(widget);
    if (!row) {
        resetMenuLevel();
        return;
    }
    if (widget == Screen::PressureSensor)
        qDebug() << "Pressuresensor: displayWidget" << m_pressureSensor;
    openScreen(*row, dir, variant);
}

void MainMenu::displayMainMenu()
{
    displayWidget(Screen::MainPage, Screen::LevelEqual, Screen::Live);
    m_btSink->callBtDeviceA2DP(true);
    m_btSource->callBtDeviceA2DP(false);
    m_btSource->setBtAdcGain(headphoneAdcGain());
}

void MainMenu::init()
{
    setMainPageTexts();
    showDeveloperButtons();
    Audioworker()->stopAudioRecording();
    muteAudioPath(true, true);
}

void MainMenu::setMainPageTexts()
{
    ui->butPinpointing->setText(Measurements::typeWord(Measurements::Pinpointing));
    ui->butH2Sensor->setText(Measurements::typeWord(Measurements::H2Sensor));
    ui->butLevelmeasurement->setText(Measurements::typeWord(Measurements::Levelmeasurement));
    ui->butManagement->setText(tr("Management"));
    ui->butLongtermmeasurement->setText(Measurements::typeWord(Measurements::Longtermmeasurement));
    ui->butPipelocating->setText(Measurements::typeWord(Measurements::Pipelocating));
    FitText::captions({ui->butPinpointing, ui->butH2Sensor, ui->butLevelmeasurement, ui->butManagement,
                       ui->butLongtermmeasurement, ui->butPipelocating});
}

void MainMenu::showDeveloperButtons()
{
    ui->butDebugMenu->setVisible(g_debugFeatures == 1);
    ui->butTestMenu->setVisible(g_debugFeatures == 1);
}

int MainMenu::displayFavouriteDialog(int widget)
{
    displayWidget(widget, Screen::StackUnchanged, Screen::Live);
    return 0;
}

void MainMenu::showWidget(int number)
{
    if (number == Screen::TestMenu) {
        // Serial console to the UART for the test station.
        Gpio::switchConsoleToUart();
        TestMenu testMenu(this);
        testMenu.exec();
    } else if (number == Screen::DebugMenu) {
        displayDebugMenu();
    }
}

void MainMenu::showStartWidget(const QStringList& arguments)
{
    if (arguments.contains("test"))
        showWidget(Screen::TestMenu);
    else if (arguments.contains("debug"))
        showWidget(Screen::DebugMenu);
}

void MainMenu::displayDebugMenu()
{
    DebugMenu debugMenu(this);
    if (debugMenu.exec() == DebugMenu::OpenPressureSensor)
        displayWidget(Screen::PressureSensor, Screen::LevelDown, Screen::Live);
}

void MainMenu::menuLevelEqual()
{
    m_storedWidgetMenu[m_currentMenuLevel] = m_widget;
}

void MainMenu::menuLevelDown()
{
    m_currentMenuLevel = qMin(m_currentMenuLevel + 1, 9);
    m_storedWidgetMenu[m_currentMenuLevel] = m_widget;
}

void MainMenu::menuLevelUp()
{
    m_currentMenuLevel -= 1;
    if (m_currentMenuLevel < 1)
        resetMenuLevel();
    else
        displayWidget(m_storedWidgetMenu[m_currentMenuLevel], Screen::StackUnchanged, Screen::Live);
}

void MainMenu::resetMenuLevel()
{
    for (int& entry : m_storedWidgetMenu)
        entry = 0;
    m_currentMenuLevel = 0;
    ui->mainWidget->setCurrentWidget(ui->mainPage);
}

void MainMenu::setMenuDirection(int dir)
{
    switch (dir) {
    case Screen::StackUnchanged:
        break;
    case Screen::LevelDown:
        menuLevelDown();
        break;
    case Screen::LevelUp:
        menuLevelUp();
        break;
    default:
        menuLevelEqual();
        break;
    }
}

void MainMenu::openFromMainPage(int widget)
{
    screenFor(*screenRow(widget));
    displayWidget(widget, Screen::LevelDown, Screen::Live);
}

void MainMenu::on_butPinpointing_clicked()
{
    openFromMainPage(Screen::Pinpointing);
}

void MainMenu::on_butLevelmeasurement_clicked()
{
    openFromMainPage(Screen::Levelmeasurement);
}

void MainMenu::on_butLongtermmeasurement_clicked()
{
    openFromMainPage(Screen::Longtermmeasurement);
}

void MainMenu::on_butH2Sensor_clicked()
{
    openFromMainPage(Screen::H2Sensor);
}

void MainMenu::on_butPipelocating_clicked()
{
    openFromMainPage(Screen::Pipelocating);
}

void MainMenu::on_butManagement_clicked()
{
    if (!m_management)
        qDebug() << "m_management: not init";
    screenFor(*screenRow(Screen::Management));
    qDebug() << "m_management:" << m_management;
    displayWidget(Screen::Management, Screen::LevelDown, Screen::Live);
}

void MainMenu::on_butDebugMenu_clicked()
{
    displayDebugMenu();
}

void MainMenu::on_butTestMenu_clicked()
{
    TestMenu testMenu(this);
    testMenu.exec();
}

// ---- Languages ------------------------------------------------------------

void MainMenu::loadLanguageFile(QString fileName)
{
    const QString massStorageFile = DeviceLayer::path(QString("/media/vq4100/%1").arg(fileName));
    // Read once through the checks and loaded from those bytes: whatever a PC
    // left under the name (or beside it) must not hold up the start. The
    // translator keeps using the bytes, so they stay until the next load.
    QByteArray data;
    const FileResult read = CheckedFile::read(massStorageFile, kMaxLanguageFileBytes, &data);
    if (!read.ok() && !CheckedFile::isMissing(massStorageFile))
        qDebug().noquote() << "Language file on mass storage not read:" << massStorageFile << "-" << read.error;
    if (read.ok()) {
        if (translator.load(reinterpret_cast<const uchar*>(data.constData()), data.size())) {
            m_languageData = data;
            qDebug() << "Load language file from mass storage" << massStorageFile;
            return;
        }
        // A damaged file must not turn every text into its key.
        qDebug() << "Language file on mass storage cannot be loaded, using the built-in one:"
                 << massStorageFile;
    }
    const bool loaded = translator.load(QString(":/Languages/%1").arg(fileName));
    m_languageData.clear();
    if (loaded)
        qDebug() << "Load language file from resource" << fileName;
    else
        qDebug() << "Language file not found, texts show their keys:" << fileName;
}

void MainMenu::changeLanguage(int num)
{
    if (num >= 1 && num <= 26)
        loadLanguageFile(kLanguageFiles[num - 1]);
    else if (!translator.load(":/Languages/GB_VQ4100.qm"))
        qDebug() << "Built-in English language file cannot be loaded";
    // Reinstalling sends every widget a language-change event.
    qApp->removeTranslator(&translator);
    qApp->installTranslator(&translator);
    m_systemsettings->init();
}

// ---- System information log -----------------------------------------------

namespace {

// Appends Latin-1 text (characters outside it become "?") to a file on the
// mass storage, whole or not at all: what a full partition took of it is cut
// off again, so readers never meet half a line. False when it failed.
bool appendLatin1(const char* unitPath, const QString& text)
{
    if (!MassStorage::mayWrite(unitPath))
        return false;
    int fd = -1;
    FileResult r = PathGuard::openForAppending(DeviceLayer::path(unitPath), &fd);
    if (!r.ok()) {
        qDebug().noquote() << "Could not open file:" << unitPath << "-" << r.error;
        return false;
    }
    if (r = PathGuard::appendWhole(fd, text.toLatin1()); r.ok())
        return true;
    const QString why = r.error;
    // A full partition stays full: once per run is enough.
    static QSet<QByteArray> s_logged;
    if (!s_logged.contains(unitPath)) {
        s_logged.insert(unitPath);
        qDebug().noquote() << "Could not write file, line dropped:" << unitPath << "-" << why;
    }
    return false;
}

}

void MainMenu::writeSystemInfo(QString infoText)
{
    BatteryState battery;
    const int percent = battery.fuelPercent();
    const float voltage = battery.voltage();
    const float current = battery.current();
    const bool charging = battery.isCharging();
    const float temperature = battery.temperature();
    Statusbardata* status = StatusbarData();
    const bool headphone = status->stateHeadphone();
    const bool microphone = status->stateMicrophone();
    const int micPercent = status->batteryMicrophone();
    const int micMillivolts = status->batteryVoltageMic();

    const QDateTime now = QDateTime::currentDateTime();
    QString line = now.date().toString("dd.MM.yyyy") + ';' + now.time().toString(Qt::TextDate)
                   + ';' + QString::number(percent) + ';' + QString::number(voltage) + ';'
                   + QString::number(current) + ';' + (charging ? "1" : "0") + ';';
    // Without a temperature the field and its ";" are left out.
    if (battery.hasTemperature())
        line += QString::number(temperature) + ';';
    line += QString(headphone ? "1" : "0") + ';' + (microphone ? "1" : "0") + ';'
            + QString::number(micMillivolts) + ';' + QString::number(micPercent) + ';'
            + infoText + '\n';
    appendLatin1(kSystemInfoFile, line);
}

void MainMenu::writeSystemInfo()
{
    writeSystemInfo(QString());
}

void MainMenu::writeErrorToFile(QString text)
{
    appendLatin1(kErrorInfoFile, text + '\n');
}
