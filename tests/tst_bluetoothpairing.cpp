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
#include <QTranslator>
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

bool timerActive(BluetoothPairing& d, const char* name)
{
    return d.findChild<QTimer*>(name)->isActive();
}

BluetoothDevice record(const QString& id, const QString& name, const QString& cod)
{
    return BluetoothDevice{id, name, cod, ""};
}

// A language whose status texts are longer than any built-in one, as a
// file on the mass storage may bring.
class WordyTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* key, const char*, int) const override
    {
        return QByteArray(context) == "BluetoothPairing" && QByteArray(key) == "Searching"
                   ? QString("Searching for Bluetooth devices nearby, please keep them in pairing mode")
                   : QString();
    }
};

// Runs the 15 s search: 30 ticks.
void search(BluetoothPairing& d)
{
    click(&d, "butSearch");
    for (int i = 0; i < 30; ++i)
        d.updateProgbar();
}

// A started unit and a pairing dialog for one side (0 headset, 1 accessory)
// whose module will find `records`.
struct Rig
{
    explicit Rig(int side, const QList<BluetoothDevice>& records = {})
        : module(startUnit(unit, side))
    {
        module->searchRecords = records;
        d.setPairingDevice(side);
    }
    static RecordingBluetooth* startUnit(TestUnit& u, int side)
    {
        u.start();
        return side == 1 ? u.sink() : u.source();
    }

    TestUnit unit;
    RecordingBluetooth* module;
    BluetoothPairing d;
};

}

class TestBluetoothPairing : public QObject
{
    Q_OBJECT
private slots:
    void masks_data();
    void masks();
    void startsDisconnectingItsSide();
    void fittingRecordsGiveAtMostThreeButtons();
    void searchLastsThirtyTicks();
    void aLongStatusKeepsAboveTheProgressBar();
    void namePhaseEndsEarlyOrAfterTwelveSeconds();
    void disconnectPollsThenClearsThenPairs();
    void onlyThisSidesConfirmationDuringItsPairingAccepts();
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

void TestBluetoothPairing::fittingRecordsGiveAtMostThreeButtons()
{
    Rig r(1, {record("A1", "Phone", "5A020C"), record("", "No address", "280404"),
              record("A2", "TB-9 one", "280404"), record("A3", "Headset", "240404"),
              record("A4", "TB-9 two", "2804"), record("A5", "TB-9 three", "6C0404"),
              record("A6", "TB-9 four", "280404")});
    search(r.d);
    QCOMPARE(prompt(r.d), QString("Select device for pairing."));
    const QStringList names{"TB-9 one", "TB-9 two", "TB-9 three"};
    const QStringList ids{"A2", "A4", "A5"};
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(deviceButton(r.d, k)->isVisibleTo(&r.d));
        QCOMPARE(deviceButton(r.d, k)->getText1(), names.at(k - 1));
        QCOMPARE(deviceButton(r.d, k)->getText2(), ids.at(k - 1));
        QVERIFY(deviceButton(r.d, k)->styleSheet().contains("Microphone_ws_44px.png"));
    }
    // The headset side finds the headset alone.
    r.unit.source()->searchRecords = r.module->searchRecords;
    BluetoothPairing h;
    h.setPairingDevice(0);
    search(h);
    QVERIFY(deviceButton(h, 1)->isVisibleTo(&h));
    QCOMPARE(deviceButton(h, 1)->getText1(), QString("Headset"));
    QVERIFY(deviceButton(h, 1)->styleSheet().contains("Headphone_ws_44px.png"));
    QCOMPARE(deviceButton(h, 2)->getText1(), QString("TB-9 three"));  // 6C04 fits both
    QVERIFY(!deviceButton(h, 3)->isVisibleTo(&h));
    // Nothing fits: no buttons.
    r.unit.source()->searchRecords = {record("A1", "Phone", "5A020C"), record("A2", "Odd", "24")};
    BluetoothPairing n;
    n.setPairingDevice(0);
    search(n);
    QCOMPARE(prompt(n), QString("No devices found."));
    for (int k = 1; k <= 3; ++k)
        QVERIFY(!deviceButton(n, k)->isVisibleTo(&n));
}

void TestBluetoothPairing::searchLastsThirtyTicks()
{
    Rig r(1);
    RecordingBluetooth* sink = r.module;
    sink->clear();
    r.unit.source()->clear();
    sink->data = "left from before";
    click(&r.d, "butSearch");
    QCOMPARE(sink->data, QString());  // cleared at the start
    sink->data = "INQUIRY 0018E4C0B009 \"TB-9\" 280404 -48 dBm\r";
    QCOMPARE(sink->count("startInquiry"), 1);
    QCOMPARE(r.unit.source()->count("startInquiry"), 0);
    QCOMPARE(prompt(r.d), QString("Searching ..."));
    auto* progress = r.d.findChild<QProgressBar*>("prgbSearching");
    QVERIFY(progress->isVisibleTo(&r.d));
    QCOMPARE(progress->maximum(), 15000);
    QVERIFY(timerActive(r.d, "timerSearch"));
    for (int i = 0; i < 29; ++i)
        r.d.updateProgbar();
    QCOMPARE(sink->count("stopInquiry"), 0);
    QCOMPARE(progress->value(), 14500);
    r.d.updateProgbar();
    QCOMPARE(sink->count("stopInquiry"), 1);
    QVERIFY(!timerActive(r.d, "timerSearch"));
    // What the modules printed reached the information page.
    const QString info = r.d.findChild<QTextEdit*>("textBluetoothRcv")->toPlainText();
    QVERIFY(info.startsWith("Start Inquiry"));
    QVERIFY(info.contains("INQUIRY 0018E4C0B009"));
    auto* pages = r.d.findChild<QStackedWidget*>("mainArea");
    click(&r.d, "butInfo");
    QCOMPARE(pages->currentWidget()->objectName(), QString("infoPage"));
    click(&r.d, "butInfo");
    QCOMPARE(pages->currentWidget()->objectName(), QString("mainPage"));
}

void TestBluetoothPairing::aLongStatusKeepsAboveTheProgressBar()
{
    Rig r(1);
    WordyTranslator wordy;
    QCoreApplication::installTranslator(&wordy);
    click(&r.d, "butSearch");
    QCoreApplication::removeTranslator(&wordy);
    auto* status = r.d.findChild<QLabel*>("label");
    auto* progress = r.d.findChild<QProgressBar*>("prgbSearching");
    const QFontMetrics metrics(status->font());
    // One line, cut short, that ends above the bar.
    QVERIFY(status->text().startsWith("Searching for"));
    QVERIFY(status->text().endsWith(QChar(0x2026)));
    QVERIFY(metrics.horizontalAdvance(status->text()) <= status->width());
    QVERIFY(status->y() + metrics.height() <= progress->y());
    // A result, without the bar, wraps in the page's font again.
    search(r.d);
    QCOMPARE(status->font(), status->parentWidget()->font());
}

void TestBluetoothPairing::namePhaseEndsEarlyOrAfterTwelveSeconds()
{
    Rig r(0, {record("A1", "Headset", "240404")});
    r.module->nameWaitPolls = 3;  // pending at the end of the search and two ticks more
    search(r.d);
    QCOMPARE(prompt(r.d), QString("Reading names ..."));
    QVERIFY(timerActive(r.d, "timerWaitForName"));
    QCOMPARE(r.d.findChild<QProgressBar*>()->maximum(), 12000);
    r.d.waitForName();
    r.d.waitForName();
    QCOMPARE(prompt(r.d), QString("Reading names ..."));
    r.d.waitForName();
    QCOMPARE(prompt(r.d), QString("Select device for pairing."));
    QVERIFY(!timerActive(r.d, "timerWaitForName"));

    r.module->nameWaitPolls = 1000;
    search(r.d);
    for (int i = 0; i < 23; ++i)
        r.d.waitForName();
    QCOMPARE(prompt(r.d), QString("Reading names ..."));
    r.d.waitForName();
    QCOMPARE(prompt(r.d), QString("Select device for pairing."));
}

void TestBluetoothPairing::disconnectPollsThenClearsThenPairs()
{
    Rig r(1, {record("A1", "TB-9 one", "280404"), record("A2", "TB-9 two", "280404")});
    RecordingBluetooth* sink = r.module;
    search(r.d);
    sink->clear();
    sink->disconnectPolls = 3;
    click(&r.d, "butBtDev_2");
    QCOMPARE(prompt(r.d), QString("Pairing device ..."));
    QCOMPARE(sink->disconnects, 1);
    QVERIFY(timerActive(r.d, "timerWaitForDisconnect"));
    r.d.pairBtDeviceIfDisconnected();
    r.d.pairBtDeviceIfDisconnected();
    QCOMPARE(sink->count("pairWithBtDevice"), 0);
    QVERIFY(timerActive(r.d, "timerWaitForDisconnect"));
    r.d.pairBtDeviceIfDisconnected();
    QVERIFY(!timerActive(r.d, "timerWaitForDisconnect"));
    QCOMPARE(sink->pairedWith, QStringList{"A2"});
    QVERIFY(sink->calls.indexOf("clearAllPairings") >= 0);
    QVERIFY(sink->calls.indexOf("clearAllPairings") < sink->calls.indexOf("pairWithBtDevice"));
    QVERIFY(timerActive(r.d, "timerPairing"));
    QCOMPARE(r.d.findChild<QProgressBar*>()->maximum(), 35000);
    QVERIFY(r.d.findChild<QTextEdit*>()->toPlainText().contains("PAIR A2"));
    QCOMPARE(r.unit.source()->count("pairWithBtDevice"), 0);
}

void TestBluetoothPairing::onlyThisSidesConfirmationDuringItsPairingAccepts()
{
    for (int side : {0, 1}) {
        const QString cod = side == 1 ? "280404" : "240404";
        Rig r(side, {record("A1", "Device one", cod), record("A2", "Device two", cod),
                     record("A3", "Device three", cod)});
        RecordingBluetooth* other = side == 1 ? r.unit.source() : r.unit.sink();
        LogCapture log;
        emit r.module->btPairingOk();  // before any search
        search(r.d);
        emit r.module->btPairingOk();  // before a choice
        click(&r.d, "butBtDev_3");
        emit other->btPairingOk();
        QCOMPARE(r.d.result(), int(QDialog::Rejected));
        QCOMPARE(log.count("Pairing OK ignored"), 3);
        QVERIFY(timerActive(r.d, "timerPairing"));
        emit r.module->btPairingOk();
        QCOMPARE(r.d.result(), int(QDialog::Accepted));
        QVERIFY(log.contains("Pairing OK received"));
        QCOMPARE(r.d.getBluetoothId(), QString("A3"));
        QCOMPARE(r.d.getBluetoothName(), QString("Device three"));
        QVERIFY(!timerActive(r.d, "timerPairing"));
        QCOMPARE(r.d.findChild<QProgressBar*>()->value(), 35000);
    }
}

void TestBluetoothPairing::pairingTimesOut()
{
    Rig r(1, {record("A1", "TB-9", "280404")});
    RecordingBluetooth* sink = r.module;
    auto* progress = r.d.findChild<QProgressBar*>("prgbSearching");
    search(r.d);
    // A result leaves the status line the room of the progress bar to wrap in.
    QVERIFY(!progress->isVisibleTo(&r.d));
    QVERIFY(r.d.findChild<QLabel*>("label")->wordWrap());
    click(&r.d, "butBtDev_1");
    QVERIFY(progress->isVisibleTo(&r.d));
    for (int i = 0; i < 69; ++i)
        r.d.waitForPairing();
    QCOMPARE(sink->count("isPairOk"), 0);
    r.d.waitForPairing();
    QCOMPARE(sink->pairOkAsked, QStringList{"A1"});
    QCOMPARE(prompt(r.d), QString("Pairing not successful. Please try again."));
    QVERIFY(!progress->isVisibleTo(&r.d));
    QCOMPARE(r.d.result(), int(QDialog::Rejected));
    QVERIFY(!timerActive(r.d, "timerPairing"));
    // A late confirmation no longer counts.
    emit sink->btPairingOk();
    QCOMPARE(r.d.result(), int(QDialog::Rejected));

    // The user chooses again; this time the module holds the pairing.
    sink->pairOk = true;
    click(&r.d, "butBtDev_1");
    for (int i = 0; i < 70; ++i)
        r.d.waitForPairing();
    QCOMPARE(r.d.result(), int(QDialog::Accepted));
    QCOMPARE(r.d.getBluetoothId(), QString("A1"));
}

void TestBluetoothPairing::newSearchStopsThePairing()
{
    Rig r(1, {record("A1", "TB-9", "280404")});
    r.module->nameWaitPolls = 1000;
    search(r.d);
    // A new search during the name phase restarts the search alone.
    click(&r.d, "butSearch");
    QVERIFY(!timerActive(r.d, "timerWaitForName"));
    QVERIFY(timerActive(r.d, "timerSearch"));
    r.module->nameWaitPolls = 0;
    for (int i = 0; i < 30; ++i)
        r.d.updateProgbar();
    click(&r.d, "butBtDev_1");
    QVERIFY(timerActive(r.d, "timerPairing"));
    click(&r.d, "butSearch");
    QVERIFY(!timerActive(r.d, "timerPairing"));
    emit r.module->btPairingOk();  // from the abandoned pairing
    QCOMPARE(r.d.result(), int(QDialog::Rejected));
}

void TestBluetoothPairing::escapeCancels()
{
    QStringList journal;  // outlives the dialog, which still calls the modules when it goes
    Rig r(0);
    r.unit.sink()->journal = &journal;
    r.unit.source()->journal = &journal;
    bool openAfterPress = false;
    ModalHelper::onNextModal([&](QWidget* w) {
        click(w, "butSearch");
        journal.clear();
        QTest::keyPress(w, Qt::Key_Escape);
        openAfterPress = w->isVisible();
        QTest::keyRelease(w, Qt::Key_Escape);
    });
    QCOMPARE(r.d.exec(), int(QDialog::Rejected));
    QVERIFY(openAfterPress);
    QCOMPARE(journal, QStringList({"source:clearData", "sink:clearData", "sink:stopInquiry",
                                   "source:stopInquiry"}));
    QVERIFY(!timerActive(r.d, "timerSearch"));
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
