// The pressure sensor screen: its stream started and stopped with every
// mute, the blocks it keeps, its pages, its saves, and leaving it.
#include "Hardware/systemclock.h"
#include "Mainmenu/pressuresensor.h"
#include "Tools/measurements.h"
#include "Tools/virtualkeyboard.h"
#include "clickbutton.h"
#include "fulldisk.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

namespace {

const QString kHighRes = "/media/vq4100/temp/pressureHighRes.txt";
const QString rs = "BT_TX RS", rp = "BT_TX RP";

// n samples of one pressure, as the accessory sends them (default calibration).
QString samples(int n, double bar)
{
    return QString("%1 ").arg(qRound(409 + bar / 25 * 3276), 3, 16, QLatin1Char('0')).repeated(n);
}

// The LED line as the block's handling leaves it while it logs its minute.
TestRoot* g_root = nullptr;
QByteArray g_ledInBlock;
QtMessageHandler g_previous = nullptr;
void watchLed(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("1 minute data"))
        g_ledInBlock = g_root->gpioValue(115);
    g_previous(type, context, message);
}

struct Rig {
    explicit Rig(const char* switchmode = "Push-Button")
    {
        SystemClock::setSource([] { return QDateTime(QDate(2016, 4, 12), QTime(9, 30, 15)); });
        unit.setSetting("Systemsettings/Switchmode", switchmode);
        w = unit.start();
        TestUnit::holdStatusPolls();
        w->displayWidget(11, 1, 0);
        screen = qobject_cast<PressureSensor*>(unit.currentPage());
        sink = unit.sink();
        sink->clear();
    }
    ~Rig() { SystemClock::setSource(nullptr); }
    QString label(const char* name) const { return screen->findChild<QLabel*>(name)->text(); }
    void block(int n, double bar) { emit sink->btPressuredataReceived(n, samples(n, bar)); }

    TestUnit unit;
    MainMenu* w = nullptr;
    PressureSensor* screen = nullptr;
    RecordingBluetooth* sink = nullptr;
};

}

class TestPressureSensor : public QObject
{
    Q_OBJECT
private slots:
    void everyMuteTellsTheAccessory();
    void blocksWhileListening();
    void analysisPages();
    void save();
    void leaving();
};

void TestPressureSensor::everyMuteTellsTheAccessory()
{
    // F10 press and release, the accessory listening and muted.
    const struct { const char* mode; const char* steps; QStringList sent; } cases[] = {
        {"Push-Button", "prr", {rs, rp, rp}},
        {"Switch", "prpp", {rs, rp, rs}},
        {"Switch", "llm", {rs, rs, rp}},
    };
    for (const auto& c : cases) {
        Rig r(c.mode);
        for (const char* s = c.steps; *s; ++s) {
            if (*s == 'p' || *s == 'r')
                *s == 'p' ? QTest::keyPress(r.screen, Qt::Key_F10) : QTest::keyRelease(r.screen, Qt::Key_F10);
            else
                emit r.sink->stateActiveMuteChanged(*s == 'm');
        }
        QCOMPARE(r.sink->sent, c.sent);
        QCOMPARE(r.sink->micParameters.size(), c.sent.size());  // the mute told each time
    }
}

void TestPressureSensor::blocksWhileListening()
{
    Rig r;
    r.block(100, 5);
    QCOMPARE(r.screen->data().count(), 0);
    QVERIFY(!r.unit.root.exists(kHighRes));
    // Refused calibrations leave the screen as it was.
    emit r.sink->btEnableReceivePressuredata(true, 0, 409, 3685);
    emit r.sink->btEnableReceivePressuredata(true, 10, 500, 500);
    QCOMPARE(r.label("labelSensorType"), QString("-- bar"));

    QTest::keyPress(r.screen, Qt::Key_F10);
    g_root = &r.unit.root;
    g_previous = qInstallMessageHandler(watchLed);
    emit r.sink->btPressuredataReceived(100, samples(50, 2) + samples(50, 8));
    qInstallMessageHandler(g_previous);
    QCOMPARE(g_ledInBlock + r.unit.root.gpioValue(115), QByteArray("10"));
    QCOMPARE(r.unit.root.read(kHighRes),
             "\r\n09:30:15;" + QByteArray("2.00;").repeated(50) + QByteArray("8.00;").repeated(50));
    QCOMPARE(r.unit.root.read("/media/vq4100/temp/pressureLowRes.txt"), QByteArray("09:30:15;8.00;2.00;5.00;3.00;\r\n"));
    const QString shown = r.label("labelMax") + r.label("labelMin") + r.label("labelAverage") + r.label("labelDeviation");
    QCOMPARE(shown, QString("MAX = 8.00 barMIN = 2.00 barAVG = 5.00 barACT = 5.00 bar"));
    emit r.sink->btEnableReceivePressuredata(true, 10, 409, 3685);
    QCOMPARE(r.label("labelSensorType"), QString("10 bar"));

    r.screen->init(1);  // the common steps only
    QCOMPARE(r.screen->data().count(), 100);
    r.screen->init(0);
    QCOMPARE(r.screen->data().count(), 0);
    QCOMPARE(r.label("labelMax") + r.label("labelDeviation"), QString("MAX = --- barDEV = --- bar"));
    QVERIFY(!r.unit.root.exists(kHighRes));
}

void TestPressureSensor::analysisPages()
{
    Rig r;
    QTest::keyPress(r.screen, Qt::Key_F10);
    for (int i = 0; i < 25; ++i)
        r.block(100, 5);
    click(r.screen, "butMenuAnalyse");
    QCOMPARE(r.sink->sent, QStringList({rs, rp}));
    QCOMPARE(r.label("labelDeviation"), QString("DEV = 0.00 bar"));
    for (int start : {1000, 2000, 1500, 500}) {
        click(r.screen, start == 500 ? "butMenuAnalysePrev" : "butMenuAnalyseNext");
        QCOMPARE(r.screen->data().pageStart(), start);
        QCOMPARE(r.screen->data().pageEnd(), start + 1000);
    }
    click(r.screen, "butMenuAnalyseBack");
    QCOMPARE(r.screen->findChild<QStackedWidget*>("subMenu")->currentIndex(), 0);
    r.block(100, 5);  // still muted
    QCOMPARE(r.screen->data().count(), 2500);
}

void TestPressureSensor::save()
{
    const QString dir = "/media/vq4100/meas/PS_20160412_093015_Hydrant 3/";
    for (const char* way : {"accept", "cancel", "full disk"}) {
        Rig r;
        QTest::keyPress(r.screen, Qt::Key_F10);
        r.block(100, 5);
        const bool accept = QByteArray(way) != "cancel";
        ModalHelper::onModal("VirtualKeyboard", [accept](QWidget* dialog) {
            auto* keyboard = qobject_cast<VirtualKeyboard*>(dialog);
            keyboard->setText(" Hydrant 3 ");
            accept ? keyboard->accept() : keyboard->reject();
        });
        QString error;
        std::unique_ptr<FullDisk> full;
        if (QByteArray(way) == "full disk") {
            full.reset(new FullDisk);
            ModalHelper::onModal("MessageDialog", [&error](QWidget* dialog) {
                error = dialog->findChild<QLabel*>("labelInfotext")->text();
                static_cast<QDialog*>(dialog)->reject();
            });
        }
        click(r.screen, "butMenuSave");
        QCOMPARE(r.sink->sent, QStringList({rs, rp}));
        QCOMPARE(error, full ? Measurements::failedText() : QString());
        full.reset();
        const bool saved = QByteArray(way) == "accept";
        QCOMPARE(r.unit.root.exists(dir + "info.ini"), saved);
        QCOMPARE(r.unit.root.read(dir + "HighResData.txt"), saved ? r.unit.root.read(kHighRes) : QByteArray());
        QCOMPARE(r.unit.root.read(dir + "LowResData.txt").left(14), QByteArray(saved ? "09:30:15;5.00;" : ""));
    }
}

void TestPressureSensor::leaving()
{
    for (const char* way : {"home", "io", "other screen"}) {
        Rig r;
        QTest::keyPress(r.screen, Qt::Key_F10);
        r.block(100, 5);
        if (QByteArray(way) == "home")
            click(r.screen, "butMenuHome");
        else if (QByteArray(way) == "io")
            QTest::keyRelease(r.screen, Qt::Key_Escape);
        else
            r.w->displayWidget(3, 1, 0);
        QCOMPARE(r.sink->muteReceivers(), 1);
        // Nothing reaches the hidden screen any more.
        emit r.sink->stateActiveMuteChanged(false);
        QTest::keyPress(r.screen, Qt::Key_F10);
        r.block(100, 5);
        QCOMPARE(r.sink->sentCount(rs), 1);
        QCOMPARE(r.sink->sentCount(rp), 1);
        QCOMPARE(r.screen->data().count(), 100);
        // Coming back to it keeps this measurement.
        r.w->displayWidget(11, -1, 1);
        QCOMPARE(r.screen->data().count(), 100);
        QVERIFY(r.unit.root.exists(kHighRes));
    }
}

QTEST_MAIN(TestPressureSensor)
#include "tst_pressuresensor.moc"
