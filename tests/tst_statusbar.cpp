// The status bar as drawn: battery levels, the charging mark, the sensor
// symbols, the accessory and headset batteries, GPS, mute-key mode, mute
// and the clock, checked on the pixels of the picture it paints.
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "paintcounter.h"
#include "testunit.h"

#include <QtTest>
#include <functional>

namespace {

const QString kGauge = "/sys/class/power_supply/bq27426-0/";

bool isGreen(QRgb c) { return qGreen(c) > 150 && qRed(c) < 120 && qBlue(c) < 120; }
bool isRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 120 && qBlue(c) < 120; }
bool isWhite(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }
bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 150; }
bool isBlack(QRgb c) { return qRed(c) < 30 && qGreen(c) < 30 && qBlue(c) < 30; }
bool isGrey(QRgb c) { return c == QColor(Qt::darkGray).rgb(); }
bool notBlack(QRgb c) { return !isBlack(c); }

// Pixels in x left..right (inclusive) and y 0..height-1 that match.
int count(const QImage& image, int left, int right, const std::function<bool(QRgb)>& match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x <= right; ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Rows of one column that show the green level.
int greenRows(const QImage& image, int x)
{
    return count(image, x, x, isGreen);
}

// The columns, left to right, that hold a white pixel.
QList<int> whiteColumns(const QImage& image, int left, int right)
{
    QList<int> columns;
    for (int x = left; x <= right; ++x)
        if (count(image, x, x, isWhite) > 0)
            columns << x;
    return columns;
}

// A unit whose status data have been read once, and a bar of the given
// width drawn from them. `prepare` changes the device before the start.
struct Bar {
    explicit Bar(int width = 480, const std::function<void(TestRoot&)>& prepare = nullptr)
        : bar(nullptr)
    {
        if (prepare)
            prepare(unit.root);
        unit.start();
        bar.resize(width, 20);
        bar.init(width, 20);
    }
    const QImage& draw()
    {
        bar.updateTime();
        return bar.picture();
    }
    TestUnit unit;
    Statusbar bar;
};

}

class TestStatusbar : public QObject
{
    Q_OBJECT
private slots:
    void iconsPresent();
    void unitBatteryLevels_data();
    void unitBatteryLevels();
    void chargingMark();
    void headsetBatteryWithTheLink();
    void accessoryBattery();
    void wiredSensorHidesTheAccessoryBattery();
    void sensorSymbols();
    void gpsMuteKeyModeAndMute();
    void clockFollowsTheWidth_data();
    void clockFollowsTheWidth();
    void idleClockRepaintsOnlyItsCorner();
    void mainMenuBarRunsEverySecond();
};

void TestStatusbar::iconsPresent()
{
    for (const char* name :
         {"VQ4100", "microphone_k4_gn", "microphone_k4_rt", "p4-sensor_gn", "p4-sensor_rt",
          "h2-sensor_gn", "h2-sensor_rt", "B-sensor_gn", "B-sensor_rt", "headphone_gn",
          "headphone_rt", "satellite_gn", "satellite_rt", "SwitchMode_Switch_bl",
          "SwitchMode_Button_bl", "speaker_mute_ws", "speaker_active_ws"}) {
        const QImage icon(QString(":/Resources/Icons/Tools/Statusbar/%1_20px.png").arg(name));
        QVERIFY2(!icon.isNull(), name);
        QVERIFY2(icon.height() <= 20 && icon.width() <= 22, name);
    }
}

void TestStatusbar::unitBatteryLevels_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("rows");
    QTest::newRow("100 %") << 100 << 14;
    QTest::newRow("50 %") << 50 << 7;
    QTest::newRow("7 %") << 7 << 0;
    QTest::newRow("8 %") << 8 << 1;
    QTest::newRow("0 %") << 0 << 0;
}

void TestStatusbar::unitBatteryLevels()
{
    QFETCH(int, percent);
    QFETCH(int, rows);
    // Read at the start: a low charge on a 30 s tick would raise the warning.
    Bar b(480, [percent](TestRoot& root) {
        root.write(kGauge + "capacity", QByteArray::number(percent));
    });
    const QImage& image = b.draw();
    for (int x = 25; x <= 34; ++x)
        QCOMPARE(greenRows(image, x), rows);
    // The symbol's outline and empty part.
    QVERIFY(isWhite(image.pixel(24, 10)) && isWhite(image.pixel(35, 10)));
    QVERIFY(isWhite(image.pixel(30, 19)));
    QVERIFY(isWhite(image.pixel(27, 0)) && isWhite(image.pixel(32, 0)));
    QVERIFY(isGrey(image.pixel(30, 2)));
    if (rows < 14)
        QVERIFY(isGrey(image.pixel(30, 5)));
    QCOMPARE(count(image, 24, 35, isRed), 0);  // not charging
}

void TestStatusbar::chargingMark()
{
    Bar b;
    QCOMPARE(count(b.draw(), 24, 35, isRed), 0);
    b.unit.root.write("/sys/class/power_supply/bq24190-battery/status", "Charging\n");
    StatusbarData()->update();
    const QImage& image = b.draw();
    QVERIFY(isRed(image.pixel(30, 8)));
    QVERIFY(isRed(image.pixel(29, 14)));
    QVERIFY(count(image, 24, 35, isRed) > 15);
    QCOMPARE(count(image, 0, 23, isRed) + count(image, 36, 45, isRed), 0);
}

void TestStatusbar::headsetBatteryWithTheLink()
{
    Bar b;
    emit b.unit.source()->btHeadphoneBatteryStateReceived(100);
    // Link down: the red symbol, no battery.
    QImage image = b.draw();
    QVERIFY(count(image, 92, 111, isRed) > 10);
    QCOMPARE(count(image, 116, 127, isWhite), 0);

    b.unit.source()->a2dp = true;
    image = b.draw();
    QVERIFY(count(image, 92, 111, isGreen) > 10);
    QCOMPARE(count(image, 92, 111, isRed), 0);
    QCOMPARE(greenRows(image, 121), 14);
    for (const QPair<int, int>& level : QList<QPair<int, int>>{{50, 7}, {7, 0}}) {
        emit b.unit.source()->btHeadphoneBatteryStateReceived(level.first);
        QCOMPARE(greenRows(b.draw(), 121), level.second);
    }
}

void TestStatusbar::accessoryBattery()
{
    Bar b;
    RecordingBluetooth* sink = b.unit.sink();
    sink->rfcomm = true;
    emit sink->btSensortypeReceived("1");
    emit sink->btBatteryvoltageReceived("3000");  // not known: -1
    QImage image = b.draw();
    QCOMPARE(count(image, 70, 81, notBlack), 0);

    emit sink->btBatteryvoltageReceived("3600");  // 0 %: an empty symbol
    image = b.draw();
    QVERIFY(isWhite(image.pixel(70, 10)) && isGrey(image.pixel(75, 10)));
    QCOMPARE(greenRows(image, 75), 0);
    emit sink->btBatteryvoltageReceived("4100");
    QCOMPARE(greenRows(b.draw(), 75), 14);

    // Without the link, none.
    sink->rfcomm = false;
    image = b.draw();
    QCOMPARE(count(image, 70, 81, notBlack), 0);
}

void TestStatusbar::wiredSensorHidesTheAccessoryBattery()
{
    Bar b;
    b.unit.sink()->rfcomm = true;
    emit b.unit.sink()->btBatteryvoltageReceived("4000");
    b.unit.root.write("/sys/class/gpio/gpio48/value", "1\n");
    StatusbarData()->update();
    QCOMPARE(StatusbarData()->sensorType(), 4);
    const QImage& image = b.draw();
    QCOMPARE(count(image, 70, 81, isWhite), 0);
    QVERIFY(count(image, 46, 65, isGreen) > 10);  // B sensor, linked or not
    QCOMPARE(count(image, 46, 69, isRed), 0);
}

void TestStatusbar::sensorSymbols()
{
    Bar b;
    RecordingBluetooth* sink = b.unit.sink();
    // No sensor: the red K-4 microphone.
    QImage image = b.draw();
    QVERIFY(count(image, 50, 69, isRed) > 10);
    QCOMPARE(count(image, 46, 69, isGreen), 0);
    const QImage k4Red = image.copy(46, 0, 24, 20);

    sink->rfcomm = true;
    emit sink->btSensortypeReceived("1");
    image = b.draw();
    QVERIFY(count(image, 50, 69, isGreen) > 10);
    QCOMPARE(count(image, 46, 69, isRed), 0);

    // P-4 and H2 symbols differ from the microphone and from each other.
    emit sink->btSensortypeReceived("2");
    const QImage p4 = b.draw().copy(46, 0, 24, 20);
    emit sink->btSensortypeReceived("3");
    const QImage h2 = b.draw().copy(46, 0, 24, 20);
    QVERIFY(count(p4, 0, 23, isGreen) > 10 && count(h2, 0, 23, isGreen) > 10);
    QVERIFY(p4 != h2);

    // The further kind: a square outline, green when linked.
    emit sink->btSensortypeReceived("4");
    image = b.draw();
    QVERIFY(isGreen(image.pixel(46, 10)) && isGreen(image.pixel(61, 10)));
    QVERIFY(isGreen(image.pixel(53, 2)) && isGreen(image.pixel(53, 17)));
    QVERIFY(isBlack(image.pixel(53, 10)));
    sink->rfcomm = false;
    StatusbarData()->update();  // link down: sensor not connected
    image = b.draw();
    QVERIFY(isRed(image.pixel(46, 10)));

    // Back to no sensor.
    emit sink->btSensortypeReceived("0");
    QCOMPARE(b.draw().copy(46, 0, 24, 20), k4Red);
}

void TestStatusbar::gpsMuteKeyModeAndMute()
{
    Bar b;
    const QImage& image = b.draw();
    QVERIFY(count(image, 138, 157, isRed) > 10);  // GPS invalid
    QVERIFY(count(image, 190, 209, isBlue) > 10);
    QVERIFY(count(image, 220, 239, isWhite) > 10);
    const QImage muted = image.copy(220, 0, 20, 20);
    b.unit.window()->muteAudioPath(false, false);
    QVERIFY(b.draw().copy(220, 0, 20, 20) != muted);
}

void TestStatusbar::clockFollowsTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("main menu") << 480;
    QTest::newRow("measurement screen") << 425;
}

void TestStatusbar::clockFollowsTheWidth()
{
    QFETCH(int, width);
    Bar b(width);
    QCOMPARE(b.bar.picture().width(), width);
    // No clock before the first second.
    QCOMPARE(count(b.bar.picture(), 245, width - 1, isWhite), 0);
    const QImage& image = b.draw();
    QCOMPARE(count(image, 245, width - 101, isWhite), 0);
    // The whole time, right-aligned at the edge.
    const QList<int> columns = whiteColumns(image, width - 100, width - 1);
    QVERIFY(!columns.isEmpty());
    QVERIFY(columns.last() >= width - 6);
    QVERIFY2(columns.last() - columns.first() > 50, qPrintable(QString::number(columns.first())));
}

void TestStatusbar::idleClockRepaintsOnlyItsCorner()
{
    PaintCounter paints;
    Bar b;
    b.bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.bar));
    b.draw();
    QCoreApplication::processEvents();
    b.bar.installEventFilter(&paints);
    QTRY_VERIFY(!paints.rects.isEmpty());  // the next second
    QCOMPARE(paints.rects, QList<QRect>{QRect(380, 0, 100, 20)});
    // A state that changes paints the whole bar.
    paints.rects.clear();
    b.unit.root.write("/sys/class/power_supply/bq24190-battery/status", "Charging\n");
    StatusbarData()->update();
    b.draw();
    QTRY_COMPARE(paints.rects.value(0), QRect(0, 0, 480, 20));
}

void TestStatusbar::mainMenuBarRunsEverySecond()
{
    TestUnit unit;
    unit.start();
    // The main page's own: the screens have theirs.
    auto* bar = unit.mainPage()->findChild<Statusbar*>("widgetStatusbar");
    QVERIFY(bar);
    QCOMPARE(bar->picture().size(), QSize(480, 20));
    auto timers = bar->findChildren<QTimer*>();
    QCOMPARE(timers.size(), 1);
    QVERIFY(timers.first()->isActive());
    QCOMPARE(timers.first()->interval(), 1000);
    QCOMPARE(bar->getRect(), QRect(0, 0, 480, 20));
}

QTEST_MAIN(TestStatusbar)
#include "tst_statusbar.moc"
