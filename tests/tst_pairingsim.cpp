// Pairing end to end: the main window runs the real IDC777 pair against the
// simulated modules (in process, on ptys); the settings screen's pairing
// dialog finds the TB-9, pairs it, and the screen stores it.
#include "Hardware/bluetoothfactory.h"
#include "Hardware/bluetoothidc777.h"
#include "Management/bluetoothpairing.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "bluetoothsim.h"
#include "idc777testing.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testroot.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

// The drivers' host with the paired addresses from the settings store and
// sleeps that cost nothing.
class SettingsHost : public RecordingBluetoothHost
{
public:
    QString btIdMicrophone() override { return settings() ? settings()->getBtIdMicrophone() : QString(); }
    QString btIdHeadphone() override { return settings() ? settings()->getBtIdHeadphone() : QString(); }

private:
    static Systemsettings* settings()
    {
        MainMenu* hub = MainMenu::getInstanceMainMenu();
        return hub ? hub->getInstanceSystemsettings() : nullptr;
    }
};

// Waits for `done` on the drivers' own timers, cutting the long waits of the
// sink's state machine (a second and more) short.
bool waitFor(TestIdc777* sink, const std::function<bool()>& done, int maxMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > maxMs)
            return false;
        QTest::qWait(10);
        if (!sink->commandInFlight() && sink->stateTimerActive() && sink->stateTimerInterval() >= 1000)
            sink->tickNow();
    }
    return true;
}

}

class TestPairingSim : public QObject
{
    Q_OBJECT
private slots:
    void findsAndPairsTheTb9();
};

void TestPairingSim::findsAndPairsTheTb9()
{
    TestRoot root;
    BluetoothSim sim;
    QVERIFY(sim.start(root.root()));
    SettingsHost host;
    TestIdc777* sink = nullptr;
    BluetoothFactory::setCreator([&host, &sink](int, BluetoothRole role) -> Bluetooth* {
        auto* module = new TestIdc777(&host);
        if (role == BluetoothRole::Sink)
            sink = module;
        return module;
    });
    auto* w = new MainMenu();
    QVERIFY(sink && w->getBtSinkInstance() == sink);
    // A new unit: the sink starts up and finds nothing paired.
    QVERIFY(waitFor(sink, [sink] { return sink->btState() == BluetoothIDC777::CHECK_PAIRING; }));

    w->displayWidget(5, 1, 0);
    Systemsettings* screen = w->getInstanceSystemsettings();
    QStringList found;
    bool accepted = false;
    ModalHelper::onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<BluetoothPairing*>(modal);
        QVERIFY(dialog);
        dialog->findChild<QAbstractButton*>("butSearch")->click();
        for (int i = 0; i < 29; ++i) {
            QTest::qWait(20);
            dialog->updateProgbar();
        }
        // The last tick ends the search: the module's answer must be in by
        // then, however slowly the peer runs.
        QVERIFY(waitFor(sink, [&sim, sink] {
            const Idc777CommandQueue& queue = sink->commandQueue();
            return sim.sink().module().commands().contains("INQUIRY 10")
                   && !(queue.isBusy() && queue.lastTransmitted().startsWith("INQUIRY"))
                   && !sink->waitingCommands().contains("INQUIRY 10");
        }));
        dialog->updateProgbar();
        auto* label = dialog->findChild<QLabel*>("label");
        for (int i = 0; i < 24 && label->text().startsWith("Reading names"); ++i) {
            QTest::qWait(20);
            dialog->waitForName();
        }
        for (int k = 1; k <= 3; ++k) {
            auto* b = dialog->findChild<SettingsButton*>(QString("butBtDev_%1").arg(k));
            if (b->isVisible())
                found << b->getText1() + " " + b->getText2();
        }
        if (found.value(0) == QString("TB-9 ") + BluetoothSim::kTb9Address) {
            dialog->findChild<QAbstractButton*>("butBtDev_1")->click();
            QVERIFY(waitFor(sink, [dialog] { return !dialog->isVisible(); }, 60000));
            accepted = dialog->result() == QDialog::Accepted;
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    screen->findChild<QAbstractButton*>("butPairedMicrophone")->click();
    QCOMPARE(found, QStringList{QString("TB-9 ") + BluetoothSim::kTb9Address});
    QVERIFY(accepted);

    QSettings file(root.path(Systemsettings::kSettingsFile), QSettings::IniFormat);
    QCOMPARE(file.value("Bluetooth/Microphone_ID").toString(), QString(BluetoothSim::kTb9Address));
    QCOMPARE(file.value("Bluetooth/Microphone_Name").toString(), QString("TB-9"));
    QCOMPARE(screen->findChild<SettingsButton*>("butPairedMicrophone")->getText2(), QString("TB-9"));
    QCOMPARE(sim.sink().module().pairedDevices(), QStringList{BluetoothSim::kTb9Address});
    const QStringList commands = sim.sink().module().commands();
    QVERIFY(commands.contains("UNPAIR"));
    QVERIFY(commands.indexOf("UNPAIR") < commands.indexOf(QString("PAIR ") + BluetoothSim::kTb9Address));
    // The module goes on to connect the accessory it now holds.
    QVERIFY(waitFor(sink, [sink] { return sink->isConnectedRFCOMM() && sink->isConnectedA2DP(); }));

    delete w;
    sim.stop();
    BluetoothFactory::setCreator(nullptr);
}

QTEST_MAIN(TestPairingSim)
#include "tst_pairingsim.moc"
