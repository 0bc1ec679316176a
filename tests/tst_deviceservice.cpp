// The device-service dialogs: the accessory's configuration, lending the data
// partition to a PC, and the unit's system information.
#include "Mainmenu/pressurefiles.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/configuration.h"
#include "Management/systemsettings.h"
#include "Tools/favouritebutton.h"
#include "Tools/virtualkeyboard.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <utility>

namespace {

QString label(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLabel*>(name)->text();
}

// Lets a page's timer run out now.
void expire(QWidget* page, const char* timer)
{
    page->findChild<QTimer*>(timer)->start(0);
    QTest::qWait(20);
}

void click(QWidget* parent, const char* button)
{
    parent->findChild<QPushButton*>(button)->click();
}

}

class TestDeviceService : public QObject
{
    Q_OBJECT
private slots:
    void configurationNeedsTheLink();
    void configurationAsksAndShowsTheAnswers();
    void usbLendsAndTakesBack_data();
    void usbLendsAndTakesBack();
    void systemInformationShowsWhatItCanRead_data();
    void systemInformationShowsWhatItCanRead();
    void developerSwitchTakesTheCode();
};

void TestDeviceService::configurationNeedsTheLink()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    unit.sink()->clear();
    Configuration page(w);
    page.show();
    QVERIFY(!label(&page, "labelStatus").isEmpty());
    QVERIFY(!page.findChild<QTimer*>("settleTimer")->isActive());
    QCOMPARE(unit.sink()->count("clearData"), 0);
    QVERIFY(unit.sink()->sent.isEmpty());
}

void TestDeviceService::configurationAsksAndShowsTheAnswers()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    TestUnit::holdStatusPolls();
    RecordingBluetooth* sink = unit.sink();
    sink->rfcomm = true;
    sink->clear();
    unit.source()->clear();
    auto page = std::make_unique<Configuration>(w);
    page->show();
    QCOMPARE(unit.source()->count("clearData"), 1);
    QCOMPARE(sink->count("clearData"), 1);
    QCOMPARE(page->findChild<QTimer*>("settleTimer")->interval(), 7000);
    QCOMPARE(sink->sentCount("BT_TX P\n"), 0);

    // Answers count as they come, also before the request and repeated.
    emit sink->btFirmwareVersion("0.9");
    expire(page.get(), "settleTimer");
    QCOMPARE(sink->sentCount("BT_TX P\n"), 1);
    emit sink->btFirmwareVersion("1.04");
    emit sink->btMicGain("0f");
    emit sink->btSensortypeReceived("2");
    emit sink->btBatteryvoltageReceived("3900");
    emit sink->btHardwareVersion("B\x01");
    emit sink->stateActiveMuteChanged(true);
    QCOMPARE(label(page.get(), "labelFirmwareVersion"), QString("1.04"));
    QCOMPARE(label(page.get(), "labelMicGain"), QString("0f"));
    QCOMPARE(label(page.get(), "labelSensorType"), QString("2"));
    QCOMPARE(label(page.get(), "labelBattery"), QString("3900 mV"));
    QCOMPARE(label(page.get(), "labelHardwareVersion"), QString("---"));
    QCOMPARE(label(page.get(), "labelButtonMode"), QString("---"));
    const QString waiting = label(page.get(), "labelStatus");

    // Without the closing line: what came stays, with a note.
    expire(page.get(), "answerTimer");
    QVERIFY(label(page.get(), "labelStatus") != waiting);
    QCOMPARE(label(page.get(), "labelMicGain"), QString("0f"));

    // After the page closed its answers are not looked at.
    page->reject();
    emit sink->btMicGain("1a");
    emit sink->terminationStringDetected();
    QCOMPARE(label(page.get(), "labelMicGain"), QString("0f"));
    page.reset();
    emit sink->btMicGain("1b");
}

void TestDeviceService::usbLendsAndTakesBack_data()
{
    QTest::addColumn<int>("umountExit");
    QTest::addColumn<QStringList>("whileOpen");
    QTest::addColumn<QStringList>("afterBack");
    const QString umount = "umount /media/vq4100";
    const QString lend = "modprobe g_mass_storage file=/dev/mmcblk0p3 removable=1";
    const QStringList back = {"modprobe -r g_mass_storage", "fsck -Mya /dev/mmcblk0p3",
                              "mount /dev/mmcblk0p3 /media/vq4100"};
    QTest::newRow("lent") << 0 << QStringList({umount, lend}) << back;
    QTest::newRow("busy") << 1 << QStringList({umount}) << QStringList();
}

void TestDeviceService::usbLendsAndTakesBack()
{
    QFETCH(int, umountExit);
    QFETCH(QStringList, whileOpen);
    QFETCH(QStringList, afterBack);
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", 0);
    MainMenu* w = unit.start();
    DeviceTree::installStub(unit.root.root(), "umount", QString("exit %1\n").arg(umountExit).toUtf8());
    w->displayWidget(4, 1, 0);
    QWidget* management = unit.currentPage();
    unit.root.clearCommands();
    unit.root.remove("/media/vq4100/systemInfo.txt");

    QStringList seen;
    bool shot = false;
    bool pressure = false;
    LogCapture log;
    auto inDialog = [&](QWidget* dialog) {
        seen = unit.root.commands();
        w->getFavouriteButtonInsance()->generateScreenshot();
        w->writeSystemInfo("while lent");
        w->writeSystemInfo("while lent");
        pressure = PressureFiles::makeTempDir();
        shot = unit.root.exists("/media/vq4100/screenshots");
        QCOMPARE(QDir::currentPath(), unit.root.path("/home/root"));
        unit.root.clearCommands();
        click(dialog, "butMenuBack");
        click(dialog, "butMenuBack");
    };
    ModalHelper::onModal("MessageDialog", [&](QWidget* question) {
        if (umountExit != 0) // the warning that nothing was lent comes first
            ModalHelper::onModal("MessageDialog", [](QWidget* warning) { click(warning, "butMiddle"); });
        ModalHelper::onModal("BackupDialog", inDialog);
        click(question, "butMiddle");
    });
    click(management, "butDatatransmission");

    QCOMPARE(seen, whileOpen);
    QCOMPARE(unit.root.commands(), afterBack);
    // While lent nothing is written; afterwards, or when nothing was lent, it is.
    QCOMPARE(shot, umountExit != 0);
    QCOMPARE(pressure, umountExit != 0);
    QCOMPARE(unit.root.exists("/media/vq4100/systemInfo.txt"), umountExit != 0);
    QCOMPARE(log.count("not written: /media/vq4100/systemInfo.txt"), umountExit == 0 ? 1 : 0);
    w->writeSystemInfo("back");
    QVERIFY(unit.root.read("/media/vq4100/systemInfo.txt").contains("back"));
    QCOMPARE(unit.currentPage(), management);
}

void TestDeviceService::systemInformationShowsWhatItCanRead_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<QString>("dfStub");
    QTest::addColumn<QString>("shownSerial");
    QTest::addColumn<QString>("shownRoot");
    QTest::addColumn<QString>("shownData");
    const QString root = "/dev/root ext4 1.8G 912M 790M 54% /";
    const QString data = "/dev/mmcblk0p3 vfat 3.6G 120M 3.5G 4% /media/vq4100";
    QTest::newRow("as made") << QByteArray() << QString() << "VQ41-000123" << root << data;
    QTest::newRow("missing") << QByteArray("-") << "rm" << "---"
                             << "---" << "---";
    QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x00\xff", 8)
                            << "head -c 500 /dev/urandom" << "---" << "---" << "---";
    QTest::newRow("huge line") << QByteArray(100000, 'A') << "echo 'x 1 /'; exit 1"
                               << QString(64, 'A') << "---" << "---";
    QTest::newRow("second line, silent df") << QByteArray("\n  S-1  \r\nS-2") << "exit 0"
                                             << "---" << "---" << "---";
    QTest::newRow("blanks, df without the data line")
        << QByteArray("  S 7 \n") << "echo 'tmpfs tmpfs 1M 0 1M 0% /'" << "S 7"
        << "tmpfs tmpfs 1M 0 1M 0% /" << "---";
}

void TestDeviceService::systemInformationShowsWhatItCanRead()
{
    QFETCH(QByteArray, serial);
    QFETCH(QString, dfStub);
    QFETCH(QString, shownSerial);
    QFETCH(QString, shownRoot);
    QFETCH(QString, shownData);
    TestRoot t;
    if (serial == "-")
        t.remove("/home/root/serialNumber");
    else if (!serial.isEmpty())
        t.write("/home/root/serialNumber", serial);
    if (dfStub == "rm")
        t.remove("/bin/df");
    else if (!dfStub.isEmpty())
        DeviceTree::installStub(t.root(), "df", (dfStub + "\n").toUtf8());
    Systeminformation info;
    info.init();
    QCOMPARE(label(&info, "labelSerialNumber"), shownSerial);
    QCOMPARE(label(&info, "labelProductionDate"), QString("2024-03-18"));
    QCOMPARE(label(&info, "labelDfRoot"), shownRoot);
    QCOMPARE(label(&info, "labelDfData"), shownData);
    QVERIFY(label(&info, "labelBatteryCharge").endsWith(" %"));
}

// On only with the code typed on the keyboard: a stray OK (the keyboard
// closed) or a wrong code (told) leave everything off; off takes one press.
void TestDeviceService::developerSwitchTakesTheCode()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    Systeminformation info(w);
    info.init();
    auto* debug = info.findChild<QAbstractButton*>("butDebugFeatures");
    auto on = [&] {
        return QString("%1 %2 %3").arg(g_debugFeatures).arg(debug->isChecked())
            .arg(unit.root.read("/home/root/settings.ini").contains("Debugfeatures=1"));
    };
    QString warned;
    auto type = [&warned](const QString& code) {
        ModalHelper::onModal("VirtualKeyboard", [&warned, code](QWidget* keyboard) {
            if (code != "7306")
                ModalHelper::onModal("MessageDialog", [&warned](QWidget* m) {
                    warned = label(m, "labelInfotext");
                    click(m, "butMiddle");
                });
            for (const QChar c : code)
                click(keyboard, qPrintable(QString("but_") + c));
            click(keyboard, "but_Enter");
        });
    };
    ModalHelper::onModal("VirtualKeyboard", [](QWidget* keyboard) { QTest::keyClick(keyboard, Qt::Key_Escape); });
    QTest::keyClick(debug, Qt::Key_Space);
    QCOMPARE(on(), QString("0 0 0"));
    for (const char* code : {"1234", "", "73061"}) {
        type(code);
        debug->click();
        QCOMPARE(on(), QString("0 0 0"));
        QCOMPARE(std::exchange(warned, QString()), QString("The code is wrong. The developer features stay off."));
    }
    type("7306");
    debug->click();
    QCOMPARE(on(), QString("1 1 1"));
    debug->click();
    QCOMPARE(on(), QString("0 0 0"));
}

QTEST_MAIN(TestDeviceService)
#include "tst_deviceservice.moc"
