// Start-up of the main window: module pair from the straps, Bluetooth start,
// board commands, start values, start arguments; and the language files.
#include "Debug/debugmenu.h"
#include "Hardware/bluetoothwt32.h"
#include "Hardware/gps.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "Testmenu/testmenu.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "qmfile.h"
#include "testunit.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

const char* const kAin4 = "/sys/bus/iio/devices/iio:device0/in_voltage4_raw";
const char* const kAin5 = "/sys/bus/iio/devices/iio:device0/in_voltage5_raw";

void writeStrap(const TestRoot& root, const char* unitPath, const QByteArray& text)
{
    if (text == "<missing>")
        root.remove(unitPath);
    else
        root.write(unitPath, text);
}

QString buttonText(MainMenu* w, const char* name)
{
    auto* b = w->findChild<QPushButton*>(name);
    return b ? b->text() : QString("<no button>");
}

// Counts language-change events reaching a widget.
class LanguageChangeCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

}

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void hardwareVersionFromStraps_data();
    void hardwareVersionFromStraps();
    void modulePairFollowsHardware_data();
    void modulePairFollowsHardware();
    void bluetoothStartGains();
    void startValues();
    void startupFilter();
    void developerButtons();
    void boardCommandsInOrder();
    void failingCommandsDoNotStopTheStart();
    void pulseTempFilesRemoved();
    void startArguments();
    void driverPairOfTheHardware();
    void severalWindowsInARow();

    void overrideOnMassStorageWins();
    void corruptOverrideFallsBack();
    void greekOnlyFromMassStorage();
    void changeReachesWidgetsAndSettings();

private:
    std::unique_ptr<TestRoot> m_strapRoot;  // one device for all strap rows
};

void TestMainWindow::hardwareVersionFromStraps_data()
{
    QTest::addColumn<QByteArray>("ain4");
    QTest::addColumn<QByteArray>("ain5");
    QTest::addColumn<int>("version");
    QTest::newRow("V1") << QByteArray("1200\n") << QByteArray("1200\n") << 0;
    QTest::newRow("V2") << QByteArray("2048\n") << QByteArray("1200\n") << 1;
    QTest::newRow("ain4 1000") << QByteArray("1000") << QByteArray("1200") << -1;
    QTest::newRow("ain4 1001") << QByteArray("1001") << QByteArray("1200") << 0;
    QTest::newRow("ain4 1399") << QByteArray("1399") << QByteArray("1200") << 0;
    QTest::newRow("ain4 1400") << QByteArray("1400") << QByteArray("1200") << -1;
    QTest::newRow("ain4 1800") << QByteArray("1800") << QByteArray("1200") << -1;
    QTest::newRow("ain4 1801") << QByteArray("1801") << QByteArray("1200") << 1;
    QTest::newRow("ain4 2299") << QByteArray("2299") << QByteArray("1200") << 1;
    QTest::newRow("ain4 2300") << QByteArray("2300") << QByteArray("1200") << -1;
    QTest::newRow("ain5 1000") << QByteArray("1200") << QByteArray("1000") << -1;
    QTest::newRow("ain5 1001") << QByteArray("1200") << QByteArray("1001") << 0;
    QTest::newRow("ain5 1399") << QByteArray("2048") << QByteArray("1399") << 1;
    QTest::newRow("ain5 1400") << QByteArray("2048") << QByteArray("1400") << -1;
    QTest::newRow("ain4 missing") << QByteArray("<missing>") << QByteArray("1200") << -1;
    QTest::newRow("ain5 missing") << QByteArray("1200") << QByteArray("<missing>") << -1;
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << -1;
    QTest::newRow("not a number") << QByteArray("abc") << QByteArray("1200") << -1;
    QTest::newRow("negative") << QByteArray("-1200") << QByteArray("1200") << -1;
}

void TestMainWindow::hardwareVersionFromStraps()
{
    QFETCH(QByteArray, ain4);
    QFETCH(QByteArray, ain5);
    QFETCH(int, version);
    if (!m_strapRoot)
        m_strapRoot = std::make_unique<TestRoot>();
    writeStrap(*m_strapRoot, kAin4, ain4);
    writeStrap(*m_strapRoot, kAin5, ain5);
    QCOMPARE(Systeminformation::readHardwareVersion(), version);
}

void TestMainWindow::modulePairFollowsHardware_data()
{
    QTest::addColumn<QByteArray>("ain4");
    QTest::addColumn<int>("moduleType");
    QTest::newRow("V1: WT32") << QByteArray("1200") << 0;
    QTest::newRow("V2: IDC777") << QByteArray("2048") << 1;
    QTest::newRow("unknown: IDC777") << QByteArray("3000") << 1;
    QTest::newRow("garbage: IDC777") << QByteArray("x") << 1;
}

void TestMainWindow::modulePairFollowsHardware()
{
    QFETCH(QByteArray, ain4);
    QFETCH(int, moduleType);
    TestUnit unit;
    writeStrap(unit.root, kAin4, ain4);
    MainMenu* w = unit.start();

    QCOMPARE(w->getBtModuleType(), moduleType);
    QCOMPARE(unit.modules.size(), 2);
    // Source first, then sink, both of the type that was decided.
    QCOMPARE(unit.source()->role, BluetoothRole::Source);
    QCOMPARE(unit.sink()->role, BluetoothRole::Sink);
    QCOMPARE(unit.source()->moduleType, moduleType);
    QCOMPARE(unit.sink()->moduleType, moduleType);
    QCOMPARE(w->getBtSourceInstance(), static_cast<Bluetooth*>(unit.source()));
    QCOMPARE(w->getBtSinkInstance(), static_cast<Bluetooth*>(unit.sink()));
    QCOMPARE(unit.source()->port, QString("/dev/ttyO3"));
    QCOMPARE(unit.sink()->port, QString("/dev/ttyO2"));

    // The IDC777 reset lines are driven only for that pair.
    const QByteArray resetDirection = moduleType == 1 ? "out" : "in";
    QCOMPARE(unit.root.gpioDirection(57), resetDirection);
    QCOMPARE(unit.root.gpioDirection(53), resetDirection);
    if (moduleType == 1) {
        QCOMPARE(unit.root.gpioValue(57), QByteArray("0"));
        QCOMPARE(unit.root.gpioValue(53), QByteArray("0"));
    }
}

void TestMainWindow::bluetoothStartGains()
{
    {
        TestUnit unit(DeviceTree::Hardware::V2);
        unit.setSetting("Bluetooth/Microphone_ID", "00:aa:bb:cc:dd:01");
        unit.setSetting("Bluetooth/Headphone_ID", "00:aa:bb:cc:dd:02");
        unit.setSetting("Systemsettings/HearingProtection", false);
        unit.setSetting("Systemsettings/HeadphoneVolumeOffset", 3);
        unit.start();
        QCOMPARE(unit.sink()->pairedId, QString("00:aa:bb:cc:dd:01"));
        QCOMPARE(unit.source()->pairedId, QString("00:aa:bb:cc:dd:02"));
        QCOMPARE(unit.sink()->dacGains, QList<int>{13});
        QCOMPARE(unit.sink()->a2dpCalls, QList<bool>{true});
        // The start gain, then 0 from the codec's first mute.
        QCOMPARE(unit.source()->adcGains, QList<int>({8, 0}));
        QCOMPARE(unit.source()->a2dpCalls, QList<bool>{false});
        // The sink is started first, then the source.
        QCOMPARE(unit.sink()->calls.mid(0, 3),
                 QStringList({"initBluetooth", "setBtDacGain", "callBtDeviceA2DP"}));
        QCOMPARE(unit.sink()->muteReceivers(), 1);
    }
    {
        TestUnit unit(DeviceTree::Hardware::V1);
        unit.setSetting("Systemsettings/HearingProtection", true);
        unit.setSetting("Systemsettings/HeadphoneVolumeOffset", 7);
        unit.start();
        QCOMPARE(unit.sink()->dacGains, QList<int>{15});
        QCOMPARE(unit.source()->adcGains, QList<int>({1, 0}));
    }
}

void TestMainWindow::startValues()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    QCOMPARE(MainMenu::getInstanceMainMenu(), w);
    QCOMPARE(w->getCurrentMicGainStep(), 3);
    QCOMPARE(w->getMicGainStep(), 3);
    QCOMPARE(w->getCurrentVisibleDlgNum(), 2);
    QVERIFY(w->getInstanceMeasManagement() == nullptr);
    QVERIFY(w->getInstanceSystemsettings() != nullptr);
    QVERIFY(w->getGpsInstance() != nullptr);
    QVERIFY(!w->getGpsInstance()->isGpsDataValid());
    QVERIFY(w->isAudioPathMuted());
    QVERIFY(!w->isBootedToFavouriteFunction());
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QCOMPARE(w->menuLevel(), 0);
    QCOMPARE(w->size(), QSize(480, 272));
}

void TestMainWindow::startupFilter()
{
    for (bool on : {true, false}) {
        TestUnit unit;
        unit.setSetting("Dialogconfiguration/Startup_UseFilterForStartup", on);
        LogCapture log;
        quint32 low = 1, high = 1;
        int type = -1;
        unit.start()->getCurrentFilter(&low, &high, &type);
        QCOMPARE(QVector<int>({int(low), int(high), type}),
                 on ? QVector<int>({160, 1250, 1}) : QVector<int>({0, 4000, 0}));
        QCOMPARE(log.contains("Starting with Filter: 160 / 1250 / Bandpass"), on);
    }
}

void TestMainWindow::developerButtons()
{
    for (int debug : {0, 1}) {
        TestUnit unit;
        unit.setSetting("Debug/Debugfeatures", debug);
        MainMenu* w = unit.start();
        QCOMPARE(w->findChild<QPushButton*>("butDebugMenu")->isHidden(), debug == 0);
        QCOMPARE(w->findChild<QPushButton*>("butTestMenu")->isHidden(), debug == 0);
        // The main page follows the flag again on every visit.
        g_debugFeatures = 1 - debug;
        w->displayWidget(0, 0, 0);
        QCOMPARE(w->findChild<QPushButton*>("butDebugMenu")->isHidden(), debug == 1);
        QCOMPARE(w->findChild<QPushButton*>("butTestMenu")->isHidden(), debug == 1);
    }
}

void TestMainWindow::boardCommandsInOrder()
{
    TestUnit unit;
    QDir(unit.root.path("/media/vq4100")).removeRecursively();
    unit.start();
    QVERIFY(QDir(unit.root.path("/media/vq4100")).exists());
    const QStringList commands = unit.root.commands();
    const int fsck = commands.indexOf("fsck -Mya /dev/mmcblk0p3");
    const int mount = commands.indexOf("mount /dev/mmcblk0p3 /media/vq4100");
    const int alsactl = commands.indexOf("alsactl --file /var/lib/alsa/asound.state restore");
    QVERIFY2(fsck >= 0 && mount > fsck && alsactl > mount, qPrintable(commands.join(" | ")));
    // The state file was copied from the resources before the restore.
    QVERIFY(unit.root.exists("/var/lib/alsa/asound.state"));
    QCOMPARE(commands.count("ls /home/root/.config/pulse/"), 2);
}

void TestMainWindow::failingCommandsDoNotStopTheStart()
{
    TestUnit unit;
    for (const char* stub : {"/bin/fsck", "/bin/mount", "/bin/ls"})
        unit.root.remove(stub);
    DeviceTree::installStub(unit.root.root(), "alsactl", "exit 3\n");
    // A state file left read-only by an earlier copy is still replaced.
    unit.root.write("/var/lib/alsa/asound.state", "old");
    QFile::setPermissions(unit.root.path("/var/lib/alsa/asound.state"), QFile::ReadOwner);
    LogCapture log;
    MainMenu* w = unit.start();
    QCOMPARE(unit.currentPage(), unit.mainPage());
    QVERIFY(w->getGpsInstance() != nullptr);
    QVERIFY(log.contains("asound.state copied true"));
    QVERIFY(unit.root.read("/var/lib/alsa/asound.state") != "old");
    QVERIFY(unit.root.commands().contains("mount /dev/mmcblk0p3 /media/vq4100"));
}

void TestMainWindow::pulseTempFilesRemoved()
{
    TestUnit unit;
    unit.root.write("/home/root/.config/pulse/a.tmp", "x");
    unit.root.write("/home/root/.config/pulse/b.conf", "x");
    unit.root.write("/home/root/.config/pulse/c.tmp/inside", "x");
    // A link goes as a link; what it leads to stays.
    unit.root.write("/home/root/kept", "x");
    QVERIFY(QFile::link(unit.root.path("/home/root/kept"), unit.root.path("/home/root/.config/pulse/d.tmp")));
    LogCapture log;
    unit.start();
    QVERIFY(!QFileInfo(unit.root.path("/home/root/.config/pulse/d.tmp")).isSymLink());
    QCOMPARE(unit.root.read("/home/root/kept"), QByteArray("x"));
    QVERIFY(!unit.root.exists("/home/root/.config/pulse/a.tmp"));
    QVERIFY(unit.root.exists("/home/root/.config/pulse/b.conf"));
    // A directory that cannot be removed is reported, and the start goes on.
    QVERIFY(unit.root.exists("/home/root/.config/pulse/c.tmp/inside"));
    QCOMPARE(log.count("pulseaudio tmp-File:"), 3);
    QVERIFY(log.contains("\"a.tmp\" removed true"));
    QVERIFY(log.contains("\"c.tmp\" removed false"));
    QCOMPARE(unit.currentPage(), unit.mainPage());
}

void TestMainWindow::startArguments()
{
    struct Case {
        QStringList arguments;
        const char* dialog;
    };
    const QList<Case> cases = {{{"test", "debug"}, "TestMenu"},
                               {{"debug", "test"}, "TestMenu"},
                               {{"debug"}, "DebugMenu"},
                               {{"Test", "DEBUG"}, nullptr},
                               {{}, nullptr}};
    for (const Case& c : cases) {
        TestUnit unit;
        MainMenu* w = unit.start();
        g_productionTestEnabled = false;
        unit.root.write("/sys/class/gpio/gpio50/value", "1");
        unit.root.write("/sys/class/gpio/gpio65/value", "0");
        QStringList opened;
        // The IO key's press (F11) closes the debug and test menus.
        ModalHelper::onNextModal([&opened](QWidget* dialog) {
            opened << dialog->metaObject()->className();
            QTest::keyPress(dialog, Qt::Key_F11);
        }, c.dialog ? 5000 : 100);
        w->showStartWidget(c.arguments);
        if (!c.dialog) {
            QTest::qWait(150);  // the helper has given up by then
            QVERIFY(opened.isEmpty());
            continue;
        }
        QCOMPARE(opened, QStringList{c.dialog});
        const bool test = QByteArray(c.dialog) == "TestMenu";
        QCOMPARE(g_productionTestEnabled, test);
        QCOMPARE(unit.root.gpioValue(50), QByteArray(test ? "0" : "1"));
        QCOMPARE(unit.root.gpioValue(65), QByteArray(test ? "1" : "0"));
    }
}

void TestMainWindow::driverPairOfTheHardware()
{
    // The real pair of a "V 1" unit starts though no module answers.
    TestRoot root(DeviceTree::Hardware::V1);
    LogCapture log;
    MainMenu w;
    auto* source = qobject_cast<BluetoothWT32*>(w.getBtSourceInstance());
    auto* sink = qobject_cast<BluetoothWT32*>(w.getBtSinkInstance());
    QVERIFY(source && sink && source != sink);
    QCOMPARE(w.getBtModuleType(), 0);
    QVERIFY(log.contains("M: Init BT-Module WT32i"));
    QVERIFY(log.contains("H: Init BT-Module WT32i"));
    QVERIFY(log.contains("M: Uart /dev/ttyO2 false"));
    QCOMPARE(sink->btState(), int(BluetoothWT32::BTSTATE_WAIT_FOR_CONNECT_A2DP));
}

void TestMainWindow::severalWindowsInARow()
{
    for (int i = 0; i < 3; ++i) {
        TestUnit unit;
        MainMenu* w = unit.start();
        w->displayWidget(3, 1, 0);
        w->displayWidget(0, 0, 0);
        QCOMPARE(MainMenu::getInstanceMainMenu(), w);
    }
    QVERIFY(MainMenu::getInstanceMainMenu() == nullptr);
}

// ---- Languages --------------------------------------------------------------

void TestMainWindow::overrideOnMassStorageWins()
{
    TestUnit unit;
    unit.setSetting("Local-Settings/Language", 2);
    QVERIFY(QmFile::write(unit.root.path("/media/vq4100/DE_VQ4100.qm"),
                          {{"MainMenu", "Longterm", "Langzeit"}}));
    QVERIFY(QmFile::write(unit.root.path("/media/vq4100/GB_VQ4100.qm"),
                          {{"MainMenu", "Longterm", "Long term (mass storage)"}}));
    LogCapture log;
    MainMenu* w = unit.start();
    QVERIFY(log.contains("Load language file from mass storage"));
    QCOMPARE(buttonText(w, "butLongtermmeasurement"), QString("Langzeit"));
    // Any other language still comes from the resources.
    w->changeLanguage(3);
    QVERIFY(log.contains("Load language file from resource \"FR_VQ4100.qm\""));
    w->init();
    QTranslator french;
    QVERIFY(french.load(":/Languages/FR_VQ4100.qm"));
    QCOMPARE(buttonText(w, "butLongtermmeasurement"), french.translate("MainMenu", "Longterm"));

    // Numbers out of range load the built-in English, never the override.
    for (int number : {0, 27, -1}) {
        w->changeLanguage(number);
        QCOMPARE(QCoreApplication::translate("MainMenu", "Longterm"), QString("Long-term"));
    }
    w->changeLanguage(1);
    QCOMPARE(QCoreApplication::translate("MainMenu", "Longterm"),
             QString("Long term (mass storage)"));
}

void TestMainWindow::corruptOverrideFallsBack()
{
    TestUnit unit;
    unit.setSetting("Local-Settings/Language", 2);
    unit.root.write("/media/vq4100/DE_VQ4100.qm", "this is not a translation file");
    LogCapture log;
    MainMenu* w = unit.start();
    QVERIFY(log.contains("cannot be loaded, using the built-in one"));
    QVERIFY(!log.contains("Load language file from mass storage"));
    QTranslator builtIn;
    QVERIFY(builtIn.load(":/Languages/DE_VQ4100.qm"));
    QCOMPARE(buttonText(w, "butLongtermmeasurement"), builtIn.translate("MainMenu", "Longterm"));
    // An empty file is as damaged as garbage.
    unit.root.write("/media/vq4100/DE_VQ4100.qm", "");
    w->changeLanguage(2);
    QCOMPARE(QCoreApplication::translate("MainMenu", "H2Sensor"), builtIn.translate("MainMenu", "H2Sensor"));
}

void TestMainWindow::greekOnlyFromMassStorage()
{
    {
        TestUnit unit;
        unit.setSetting("Local-Settings/Language", 26);
        LogCapture log;
        MainMenu* w = unit.start();
        QVERIFY(log.contains("texts show their keys"));
        QCOMPARE(buttonText(w, "butLongtermmeasurement"), QString("Longterm"));
        QCOMPARE(buttonText(w, "butH2Sensor"), QString("H2Sensor"));
    }
    {
        TestUnit unit;
        unit.setSetting("Local-Settings/Language", 26);
        QVERIFY(QmFile::write(unit.root.path("/media/vq4100/GR_VQ4100.qm"),
                              {{"MainMenu", "H2Sensor", QString::fromUtf8("Αισθητήρας H2")}}));
        MainMenu* w = unit.start();
        QCOMPARE(buttonText(w, "butH2Sensor"), QString::fromUtf8("Αισθητήρας H2"));
    }
}

void TestMainWindow::changeReachesWidgetsAndSettings()
{
    TestUnit unit;
    QVERIFY(QmFile::write(unit.root.path("/media/vq4100/DE_VQ4100.qm"),
                          {{"Systemsettings", "Language", "Sprache"},
                           {"MainMenu", "Management", "Verwaltung"}}));
    MainMenu* w = unit.start();
    auto* settingsEntry = w->getInstanceSystemsettings()->findChild<SettingsButton*>("butLanguage");
    QVERIFY(settingsEntry);
    QCOMPARE(settingsEntry->getText1(), QString("Language"));
    LanguageChangeCounter counter;
    unit.mainPage()->installEventFilter(&counter);

    emit w->getInstanceSystemsettings()->changeLanguage(2);
    QCoreApplication::sendPostedEvents();
    QVERIFY(counter.count >= 1);
    QCOMPARE(settingsEntry->getText1(), QString("Sprache"));
    // The main page takes the new texts on its next visit.
    w->displayWidget(0, 0, 0);
    QCOMPARE(buttonText(w, "butManagement"), QString("Verwaltung"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
