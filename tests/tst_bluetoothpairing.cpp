// The pairing dialog against the recording Bluetooth doubles: class masks,
// the search, name and pairing phases driven tick by tick through their
// slots, which pairing confirmations count, failure and cancel.
#include "Management/bluetoothpairing.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

void click(QWidget* parent, const char* name)
{
    auto* b = parent->findChild<QAbstractButton*>(name);
    QVERIFY2(b, name);
    b->click();
}

QString prompt(BluetoothPairing& d)
{
    return d.findChild<QLabel*>("label")->text();
}

SettingsButton* deviceButton(BluetoothPairing& d, int k)
{
    return d.findChild<SettingsButton*>(QString("butBtDev_%1").arg(k));
}

BluetoothDevice record(const QString& id, const QString& name, const QString& cod)
{
    return BluetoothDevice{id, name, cod, ""};
}

// Runs the 15 s search: 30 ticks.
void search(BluetoothPairing& d)
{
    click(&d, "butSearch");
    for (int i = 0; i < 30; ++i)
        d.updateProgbar();
}

}

class TestBluetoothPairing : public QObject
{
    Q_OBJECT
private slots:
    void masks_data();
    void masks();
    void startsDisconnectingItsSide();
    void fourFittingRecordsGiveThreeButtons();
    void noFittingRecord();
    void searchLastsThirtyTicks();
    void namePhaseEndsEarlyOrAfterTwelveSeconds();
    void disconnectPollsThenClearsThenPairs();
    void confirmationFromThisSideAccepts();
    void otherSideOrNoChoiceIsIgnored();
    void pairingTimesOut();
    void newSearchStopsThePairing();
    void escapeCancels();
    void developerFeatures();
};

void TestBluetoothPairing::masks_data()
{
    QTest::addColumn<QString>("cod");
    QTest::addColumn<bool>("headset");
    QTest::addColumn<bool>("accessory");
    QTest::newRow("2404..") << "240404" << true << false;
    QTest::newRow("2804..") << "280404" << false << true;
    QTest::newRow("0404..") << "040404" << false << false;
    QTest::newRow("6C04..") << "6C0404" << true << true;
    QTest::newRow("2404") << "2404" << true << false;
    QTest::newRow("24") << "24" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("not hex") << "ZZ0404" << false << false;
}

void TestBluetoothPairing::masks()
{
    QFETCH(QString, cod);
    QFETCH(bool, headset);
    QFETCH(bool, accessory);
    QCOMPARE(BluetoothPairing::fitsMask(cod, BluetoothPairing::kHeadsetMask), headset);
    QCOMPARE(BluetoothPairing::fitsMask(cod, BluetoothPairing::kAccessoryMask), accessory);
}

void TestBluetoothPairing::startsDisconnectingItsSide()
{
    TestUnit unit;
    unit.start();
    unit.sink()->clear();
    unit.source()->clear();
    BluetoothPairing d;
    QCOMPARE(unit.sink()->count("clearData"), 1);
    QCOMPARE(unit.source()->count("clearData"), 1);
    QCOMPARE(prompt(d), QString("Enable pairing mode\nand press Search-Button."));
    QVERIFY(!deviceButton(d, 1)->isVisibleTo(&d));
    QVERIFY(!d.findChild<QProgressBar*>()->isVisibleTo(&d));
    d.setPairingDevice(1);
    QCOMPARE(unit.sink()->disconnects, 1);
    QCOMPARE(unit.source()->disconnects, 0);
    auto* picture = d.findChild<QLabel*>("labelPairingInfo");
    QVERIFY(picture->styleSheet().contains("PairingInfo_TB-9.png"));
    QVERIFY(picture->isVisibleTo(&d));
    BluetoothPairing other;
    other.setPairingDevice(7);  // counts as the headset
    QCOMPARE(unit.source()->disconnects, 1);
    QVERIFY(other.findChild<QLabel*>("labelPairingInfo")->styleSheet().contains("PairingInfo_HP.png"));
    // Nothing chosen: the getters stay on the first (empty) entry.
    QCOMPARE(other.getBluetoothId(), QString());
    QCOMPARE(other.getBluetoothName(), QString());
}

void TestBluetoothPairing::fourFittingRecordsGiveThreeButtons()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    sink->searchRecords = {record("A1", "Phone", "5A020C"),      record("", "No address", "280404"),
                           record("A2", "TB-9 one", "280404"),   record("A3", "Headset", "240404"),
                           record("A4", "TB-9 two", "2804"),     record("A5", "TB-9 three", "6C0404"),
                           record("A6", "TB-9 four", "280404")};
    BluetoothPairing d;
    d.setPairingDevice(1);
    search(d);
    QCOMPARE(prompt(d), QString("Select device for pairing."));
    const QStringList names{"TB-9 one", "TB-9 two", "TB-9 three"};
    const QStringList ids{"A2", "A4", "A5"};
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(deviceButton(d, k)->isVisibleTo(&d));
        QCOMPARE(deviceButton(d, k)->getText1(), names.at(k - 1));
        QCOMPARE(deviceButton(d, k)->getText2(), ids.at(k - 1));
        QVERIFY(deviceButton(d, k)->styleSheet().contains("Microphone_ws_44px.png"));
    }
    // The headset side finds the headset alone.
    unit.source()->searchRecords = sink->searchRecords;
    BluetoothPairing h;
    h.setPairingDevice(0);
    search(h);
    QVERIFY(deviceButton(h, 1)->isVisibleTo(&h));
    QCOMPARE(deviceButton(h, 1)->getText1(), QString("Headset"));
    QVERIFY(deviceButton(h, 1)->styleSheet().contains("Headphone_ws_44px.png"));
    QCOMPARE(deviceButton(h, 2)->getText1(), QString("TB-9 three"));  // 6C04 fits both
    QVERIFY(!deviceButton(h, 3)->isVisibleTo(&h));
}

void TestBluetoothPairing::noFittingRecord()
{
    TestUnit unit;
    unit.start();
    unit.source()->searchRecords = {record("A1", "Phone", "5A020C"), record("A2", "Odd", "24")};
    BluetoothPairing d;
    d.setPairingDevice(0);
    search(d);
    QCOMPARE(prompt(d), QString("No devices found."));
    for (int k = 1; k <= 3; ++k)
        QVERIFY(!deviceButton(d, k)->isVisibleTo(&d));
}

void TestBluetoothPairing::searchLastsThirtyTicks()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    BluetoothPairing d;
    d.setPairingDevice(1);
    sink->clear();
    unit.source()->clear();
    sink->data = "left from before";
    click(&d, "butSearch");
    QCOMPARE(sink->data, QString());  // cleared at the start
    sink->data = "INQUIRY 0018E4C0B009 \"TB-9\" 280404 -48 dBm\r";
    QCOMPARE(sink->count("startInquiry"), 1);
    QCOMPARE(unit.source()->count("startInquiry"), 0);
    QCOMPARE(prompt(d), QString("Searching ..."));
    auto* progress = d.findChild<QProgressBar*>("prgbSearching");
    QVERIFY(progress->isVisibleTo(&d));
    QCOMPARE(progress->maximum(), 15000);
    QVERIFY(d.findChild<QTimer*>("timerSearch")->isActive());
    for (int i = 0; i < 29; ++i)
        d.updateProgbar();
    QCOMPARE(sink->count("stopInquiry"), 0);
    QCOMPARE(progress->value(), 14500);
    d.updateProgbar();
    QCOMPARE(sink->count("stopInquiry"), 1);
    QVERIFY(!d.findChild<QTimer*>("timerSearch")->isActive());
    // What the modules printed reached the information page.
    const QString info = d.findChild<QTextEdit*>("textBluetoothRcv")->toPlainText();
    QVERIFY(info.startsWith("Start Inquiry"));
    QVERIFY(info.contains("INQUIRY 0018E4C0B009"));
    auto* pages = d.findChild<QStackedWidget*>("mainArea");
    click(&d, "butInfo");
    QCOMPARE(pages->currentWidget()->objectName(), QString("infoPage"));
    click(&d, "butInfo");
    QCOMPARE(pages->currentWidget()->objectName(), QString("mainPage"));
}

void TestBluetoothPairing::namePhaseEndsEarlyOrAfterTwelveSeconds()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* source = unit.source();
    source->searchRecords = {record("A1", "Headset", "240404")};
    BluetoothPairing d;
    d.setPairingDevice(0);
    source->nameWaitPolls = 3;  // pending at the end of the search and two ticks more
    search(d);
    QCOMPARE(prompt(d), QString("Reading names ..."));
    QVERIFY(d.findChild<QTimer*>("timerWaitForName")->isActive());
    QCOMPARE(d.findChild<QProgressBar*>()->maximum(), 12000);
    d.waitForName();
    d.waitForName();
    QCOMPARE(prompt(d), QString("Reading names ..."));
    d.waitForName();
    QCOMPARE(prompt(d), QString("Select device for pairing."));
    QVERIFY(!d.findChild<QTimer*>("timerWaitForName")->isActive());

    source->nameWaitPolls = 1000;
    search(d);
    for (int i = 0; i < 23; ++i)
        d.waitForName();
    QCOMPARE(prompt(d), QString("Reading names ..."));
    d.waitForName();
    QCOMPARE(prompt(d), QString("Select device for pairing."));
}

void TestBluetoothPairing::disconnectPollsThenClearsThenPairs()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    sink->searchRecords = {record("A1", "TB-9 one", "280404"), record("A2", "TB-9 two", "280404")};
    BluetoothPairing d;
    d.setPairingDevice(1);
    search(d);
    sink->clear();
    sink->disconnectPolls = 3;
    click(&d, "butBtDev_2");
    QCOMPARE(prompt(d), QString("Pairing device ..."));
    QCOMPARE(sink->disconnects, 1);
    QVERIFY(d.findChild<QTimer*>("timerWaitForDisconnect")->isActive());
    d.pairBtDeviceIfDisconnected();
    d.pairBtDeviceIfDisconnected();
    QCOMPARE(sink->count("pairWithBtDevice"), 0);
    QVERIFY(d.findChild<QTimer*>("timerWaitForDisconnect")->isActive());
    d.pairBtDeviceIfDisconnected();
    QVERIFY(!d.findChild<QTimer*>("timerWaitForDisconnect")->isActive());
    QCOMPARE(sink->pairedWith, QStringList{"A2"});
    QVERIFY(sink->calls.indexOf("clearAllPairings") >= 0);
    QVERIFY(sink->calls.indexOf("clearAllPairings") < sink->calls.indexOf("pairWithBtDevice"));
    QVERIFY(d.findChild<QTimer*>("timerPairing")->isActive());
    QCOMPARE(d.findChild<QProgressBar*>()->maximum(), 35000);
    QVERIFY(d.findChild<QTextEdit*>()->toPlainText().contains("PAIR A2"));
    QCOMPARE(unit.source()->count("pairWithBtDevice"), 0);
}

void TestBluetoothPairing::confirmationFromThisSideAccepts()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* source = unit.source();
    source->searchRecords = {record("A1", "Headset one", "240404"), record("A2", "Headset two", "240404"),
                             record("A3", "Headset three", "240404")};
    BluetoothPairing d;
    d.setPairingDevice(0);
    search(d);
    click(&d, "butBtDev_3");
    LogCapture log;
    emit source->btPairingOk();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(log.contains("Pairing OK received"));
    QCOMPARE(d.getBluetoothId(), QString("A3"));
    QCOMPARE(d.getBluetoothName(), QString("Headset three"));
    QVERIFY(!d.findChild<QTimer*>("timerPairing")->isActive());
    QCOMPARE(d.findChild<QProgressBar*>()->value(), 35000);
}

void TestBluetoothPairing::otherSideOrNoChoiceIsIgnored()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    sink->searchRecords = {record("A1", "TB-9", "280404")};
    BluetoothPairing d;
    d.setPairingDevice(1);
    LogCapture log;
    emit sink->btPairingOk();  // before any search
    search(d);
    emit sink->btPairingOk();  // before a choice
    QCOMPARE(d.result(), int(QDialog::Rejected));
    click(&d, "butBtDev_1");
    emit unit.source()->btPairingOk();  // the other module
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(log.count("Pairing OK ignored"), 3);
    QVERIFY(d.findChild<QTimer*>("timerPairing")->isActive());
    emit sink->btPairingOk();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.getBluetoothId(), QString("A1"));
}

void TestBluetoothPairing::pairingTimesOut()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    sink->searchRecords = {record("A1", "TB-9", "280404")};
    BluetoothPairing d;
    d.setPairingDevice(1);
    search(d);
    click(&d, "butBtDev_1");
    for (int i = 0; i < 69; ++i)
        d.waitForPairing();
    QCOMPARE(sink->count("isPairOk"), 0);
    d.waitForPairing();
    QCOMPARE(sink->pairOkAsked, QStringList{"A1"});
    QCOMPARE(prompt(d), QString("Pairing not successful. Please try again."));
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(!d.findChild<QTimer*>("timerPairing")->isActive());
    // A late confirmation no longer counts.
    emit sink->btPairingOk();
    QCOMPARE(d.result(), int(QDialog::Rejected));

    // The user chooses again; this time the module holds the pairing.
    sink->pairOk = true;
    click(&d, "butBtDev_1");
    for (int i = 0; i < 70; ++i)
        d.waitForPairing();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.getBluetoothId(), QString("A1"));
}

void TestBluetoothPairing::newSearchStopsThePairing()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* sink = unit.sink();
    sink->searchRecords = {record("A1", "TB-9", "280404")};
    sink->nameWaitPolls = 1000;
    BluetoothPairing d;
    d.setPairingDevice(1);
    search(d);
    // A new search during the name phase restarts the search alone.
    click(&d, "butSearch");
    QVERIFY(!d.findChild<QTimer*>("timerWaitForName")->isActive());
    QVERIFY(d.findChild<QTimer*>("timerSearch")->isActive());
    sink->nameWaitPolls = 0;
    for (int i = 0; i < 30; ++i)
        d.updateProgbar();
    click(&d, "butBtDev_1");
    QVERIFY(d.findChild<QTimer*>("timerPairing")->isActive());
    click(&d, "butSearch");
    QVERIFY(!d.findChild<QTimer*>("timerPairing")->isActive());
    emit sink->btPairingOk();  // from the abandoned pairing
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void TestBluetoothPairing::escapeCancels()
{
    TestUnit unit;
    unit.start();
    QStringList journal;
    unit.sink()->journal = &journal;
    unit.source()->journal = &journal;
    BluetoothPairing d;
    d.setPairingDevice(0);
    bool openAfterPress = false;
    ModalHelper::onNextModal([&](QWidget* w) {
        click(w, "butSearch");
        journal.clear();
        QTest::keyPress(w, Qt::Key_Escape);
        openAfterPress = w->isVisible();
        QTest::keyRelease(w, Qt::Key_Escape);
    });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(openAfterPress);
    QCOMPARE(journal, QStringList({"source:clearData", "sink:clearData", "sink:stopInquiry",
                                   "source:stopInquiry"}));
    QVERIFY(!d.findChild<QTimer*>("timerSearch")->isActive());
    unit.sink()->journal = nullptr;
    unit.source()->journal = nullptr;
}

void TestBluetoothPairing::developerFeatures()
{
    TestUnit unit;
    unit.setSetting("Debug/Debugfeatures", 1);
    unit.setSetting("Bluetooth/Microphone_ID", "0018E4C0B009");
    unit.setSetting("Bluetooth/Microphone_Name", "TB-9");
    unit.start();
    QCOMPARE(g_debugFeatures, 1);
    unit.sink()->searchRecords = {record("A1", "TB-9", "280404")};
    BluetoothPairing d;
    d.setPairingDevice(1);
    QVERIFY(prompt(d).startsWith("Enable pairing mode\nand press Search-Button ...\n"));
    QVERIFY(prompt(d).contains("\nCurrent microphone:\n0018E4C0B009\nTB-9\n"));
    QVERIFY(prompt(d).contains("\nCurrent headphone:\n"));
    QVERIFY(!d.findChild<QLabel*>("labelPairingInfo")->isVisibleTo(&d));
    search(d);
    QCOMPARE(deviceButton(d, 1)->getText2(), QString("A1   280404"));
    g_debugFeatures = 0;
}

QTEST_MAIN(TestBluetoothPairing)
#include "tst_bluetoothpairing.moc"
