// The nine settings dialogs on their own: init values in and out of range,
// getters and their texts, what each does live and undoes when cancelled,
// and the clock commands of the date/time and time-zone dialogs.
#include "Hardware/systemclock.h"
#include "Management/SettingsAdjust/customizedialogs.h"
#include "Management/SettingsAdjust/datetimeadjust.h"
#include "Management/SettingsAdjust/displaysettings.h"
#include "Management/SettingsAdjust/hearingprotection.h"
#include "Management/SettingsAdjust/powersaving.h"
#include "Management/SettingsAdjust/resetsettings.h"
#include "Management/SettingsAdjust/selectfavouritebutton.h"
#include "Management/SettingsAdjust/selectswitchmode.h"
#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/systemsettings.h"
#include "clickbutton.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QTimeZone>
#include <QtTest>

namespace {

QString label(QWidget* parent, const char* name)
{
    auto* l = parent->findChild<QLabel*>(name);
    return l ? l->text() : QString("<no %1>").arg(name);
}

const QDateTime kNow(QDate(2024, 1, 31), QTime(23, 59, 58), Qt::UTC);

}

class TestSettingsDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { SystemClock::setSource([] { return kNow; }); }
    void cleanup() { SystemClock::setSource(nullptr); }

    void switchmode();
    void favourite();
    void displayChangesAtOnceAndRestores();
    void powerSavingTimes();
    void resetAnswers();
    void hearingProtectionGainAndTone();
    void dateTimeInitAndSteps();
    void dateTimeSetsTheClocks();
    void zoneTable();
    void zoneInitMapAndSteps();
    void zoneChangeMovesTheClock();
    void customizeFlagsAndGps();
    void escapeCancelsEveryDialog();
};

void TestSettingsDialogs::switchmode()
{
    TestUnit unit;
    unit.start();
    SelectSwitchmode d;
    d.init("Switch");
    QCOMPARE(d.getSwitchmode(), QString("Switch"));
    for (const char* other : {"Push-Button", "switch", " Switch", ""}) {
        d.init(other);
        QCOMPARE(d.getSwitchmode(), QString("Push-Button"));
    }
    click(&d, "butSwitch");
    QCOMPARE(d.getSwitchmode(), QString("Switch"));
}

void TestSettingsDialogs::favourite()
{
    TestUnit unit;
    Systemsettings* settings = unit.start()->getInstanceSystemsettings();
    SelectFavouriteButton d;
    QString text;
    for (int shownAsTwo : {-1, 6, 9}) {
        d.init(shownAsTwo);
        QCOMPARE(d.getFavouriteButton(&text), 2);
        QCOMPARE(text, QString("Level measurement"));
    }
    for (int num = 0; num <= 5; ++num) {
        d.init(num);
        QCOMPARE(d.getFavouriteButton(&text), num);
        QCOMPARE(text, settings->getFavButTextFromNum(num));
        QCOMPARE(d.findChild<QPushButton*>(qPrintable(QString("butFavourite_%1").arg(num)))->text(), text);
    }
    click(&d, "butFavourite_0");
    QCOMPARE(d.getFavouriteButton(&text), 0);
    QCOMPARE(text, QString("Screenshot"));
    QCOMPARE(d.getFavouriteButton(nullptr), 0);
}

void TestSettingsDialogs::displayChangesAtOnceAndRestores()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/Brightness", 5);
    unit.start();
    const char* file = "/sys/class/backlight/backlight/brightness";
    auto level = [&] { return QString(unit.root.readTrimmed(file)); };
    auto shown = [](Displaysettings& d) {
        QString text;
        const int value = d.getBrightness(&text);
        return QString("%1 %2").arg(value).arg(text);
    };
    unit.root.write(file, "4\n");
    {
        Displaysettings d;
        d.init();
        QCOMPARE(shown(d), QString("4 "));
        click(&d, "butHigh");
        QCOMPARE(level(), QString("7"));
        QCOMPARE(shown(d), QString("7 high"));
        click(&d, "butLow");
        QCOMPARE(level(), QString("5"));
        QCOMPARE(shown(d), QString("5 low"));
        d.reject();
        QCOMPARE(level(), QString("4"));
        QCOMPARE(shown(d), QString("4 "));
    }
    {
        Displaysettings d;
        d.init();
        click(&d, "butMedium");
        d.accept();
        QCOMPARE(level(), QString("6"));
        QCOMPARE(shown(d), QString("6 medium"));
    }
    {
        // The display went dark and woke at the stored level meanwhile: OK
        // leaves the level it returns.
        Displaysettings d;
        d.init();
        click(&d, "butHigh");
        unit.root.write(file, "5\n");
        d.accept();
        QCOMPARE(level(), QString("7"));
    }
    {
        // Not a number: a chosen level is put back as the stored one.
        unit.root.write(file, "abc\n");
        Displaysettings d;
        d.init();
        click(&d, "butHigh");
        QCOMPARE(level(), QString("7"));
        d.reject();
        QCOMPARE(level(), QString("5"));
    }
    {
        // Unreadable: nothing to put back; without a choice the delivery level.
        unit.root.remove(file);
        Displaysettings d;
        d.init();
        QCOMPARE(shown(d), QString("6 medium"));
        d.reject();
        QVERIFY(!unit.root.exists(file));
    }
}

void TestSettingsDialogs::powerSavingTimes()
{
    TestUnit unit;
    unit.start();
    PowerSaving d;
    auto shown = [&d] {
        QString power;
        QString display;
        const int p = d.getPowerOffTime(&power);
        const int b = d.getBacklightOffTime(&display);
        return QString("%1 %2 / %3 %4").arg(p).arg(power).arg(b).arg(display);
    };
    // init's power and display values with what the getters then give.
    const QList<std::tuple<int, int, QString>> cases{
        {600, 30, "600 10 min / 30 30 s"},        {1800, 60, "1800 30 min / 60 1 min"},
        {3600, 300, "3600 1 h / 300 5 min"},      {7200, 600, "7200 2 h / 600 10 min"},
        {10800, 1800, "10800 3 h / 1800 30 min"}, {0, 0, "0 never / 0 never"},
        {-1, -1, "0 never / 0 never"},            {45, 45, "3600 1 h / 600 10 min"}};
    for (const auto& [power, display, expected] : cases) {
        d.init(power, display);
        QCOMPARE(shown(), expected);
    }
    QCOMPARE(d.currentPageIndex(), 0);
    click(&d, "butPowerOff_10800");
    click(&d, "butMenuDown");
    QCOMPARE(d.currentPageIndex(), 1);
    click(&d, "butDisplayOff_60");
    click(&d, "butMenuDown");
    QCOMPARE(d.currentPageIndex(), 0);
    QCOMPARE(shown(), QString("10800 3 h / 60 1 min"));
}

void TestSettingsDialogs::resetAnswers()
{
    TestUnit unit;
    unit.start();
    const QList<QPair<const char*, int>> answers{{"butYes", 1}, {"butNo", 0}, {"butMenuCancel", 0}};
    for (const auto& a : answers) {
        ResetSettings d;
        const char* button = a.first;
        ModalHelper::onNextModal([button](QWidget* w) { click(w, button); });
        QCOMPARE(d.exec(), a.second);
    }
}

void TestSettingsDialogs::hearingProtectionGainAndTone()
{
    TestUnit unit;
    unit.start();
    RecordingBluetooth* source = unit.source();
    source->clear();
    {
        // Built, it knows no mode yet: the headset keeps its gain (protection
        // may be on) until init() hands the stored choice in.
        HearingProtection never;
        never.reject();
        HearingProtection d;
        QVERIFY(source->adcGains.isEmpty());
        d.init(true, 20);  // an offset out of range shows 0
        QCOMPARE(d.getModeHearingProtection(), true);
        QCOMPARE(d.getHeadphoneVolumeOffset(), 0);
        QCOMPARE(label(&d, "labelOffsetValue"), QString("+0"));
        QCOMPARE(source->adcGains, QList<int>({1}));
        click(&d, "butInactive");
        QCOMPARE(source->adcGains.last(), 5);
        click(&d, "labelOffsetValuePlus");
        QCOMPARE(d.getHeadphoneVolumeOffset(), 1);
        QCOMPARE(source->adcGains.last(), 6);
        for (int i = 0; i < 20; ++i)
            click(&d, "labelOffsetValueMinus");
        QCOMPARE(d.getHeadphoneVolumeOffset(), -4);
        QCOMPARE(label(&d, "labelOffsetValue"), QString("-4"));
        QCOMPARE(source->adcGains.last(), 1);
        d.reject();
        QCOMPARE(source->adcGains.last(), 1);  // protection was on
    }
    {
        HearingProtection d;
        d.init(false, -5);
        QCOMPARE(d.getHeadphoneVolumeOffset(), 0);
        d.init(false, 7);
        QCOMPARE(source->adcGains.last(), 12);
        click(&d, "butActive");
        QCOMPARE(source->adcGains.last(), 1);
        d.reject();
        QCOMPARE(source->adcGains.last(), 12);
    }
    {
        // Shown, it would play the tone; without a sound device it logs.
        LogCapture log;
        HearingProtection d;
        d.init(false, 0);
        bool playing = true;
        ModalHelper::onNextModal([&](QWidget* w) {
            playing = d.isTestTonePlaying();
            click(w, "butMenuOk");
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QVERIFY(!playing);
        QVERIFY(log.contains("no sound device"));
        QVERIFY(!d.isTestTonePlaying());
    }
}

void TestSettingsDialogs::dateTimeInitAndSteps()
{
    TestUnit unit;
    unit.start();
    DateTimeAdjust d;
    // Page, format and source as init() takes them and as shown after.
    const QList<QPair<QVector<int>, QVector<int>>> inits{
        {{1, -1, -1}, {1, 0, 0}}, {{0, 2, 1}, {0, 2, 1}}, {{7, 3, 2}, {0, 0, 0}}};
    for (const auto& [in, out] : inits) {
        d.init(in[0], in[1], in[2]);
        QCOMPARE(QVector<int>({d.currentPageIndex(), d.getDateFormat(), d.getDateTimeSource()}), out);
        if (in[1] == 2)
            QCOMPARE(label(&d, "labelDatePreview"), QString("01/31/2024"));
    }

    // A field steps within itself and never carries into the next; the day
    // stays within its month, the year within 2000..2099.
    struct Step {
        QDateTime from;
        const char* button;
        QDateTime to;
    };
    auto at = [](int y, int mo, int d, int h = 12, int mi = 0, int sec = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, sec), Qt::UTC);
    };
    const QList<Step> steps{{kNow, "labelMonthPlus", at(2024, 2, 29, 23, 59, 58)},
                            {at(2026, 12, 7), "labelMonthPlus", at(2026, 1, 7)},
                            {at(2024, 2, 29), "labelDayPlus", at(2024, 2, 1)},
                            {at(2024, 3, 1), "labelDayMinus", at(2024, 3, 31)},
                            {at(2024, 2, 29), "labelYearPlus", at(2025, 2, 28)},
                            {at(2000, 3, 1), "labelYearMinus", at(2000, 3, 1)},
                            {kNow, "labelSecondPlus", at(2024, 1, 31, 23, 59, 59)},
                            {at(2024, 1, 31, 12, 59), "labelMinutePlus", at(2024, 1, 31, 12, 0)},
                            {at(2024, 1, 31, 0, 0), "labelHourMinus", at(2024, 1, 31, 23, 0)}};
    for (const Step& st : steps) {
        SystemClock::setSource([st] { return st.from; });
        d.init(0, 0, 0);
        click(&d, st.button);
        QCOMPARE(d.shownDateTime(), st.to);
    }
    QCOMPARE(label(&d, "labelHour"), QString("23"));
    QCOMPARE(label(&d, "labelTimePreview"), QString("23:00:00"));

    // The date's fields stand in the order of the chosen format.
    auto order = [&d] {
        QMap<int, QString> byX;
        for (const char* name : {"labelDay", "labelMonth", "labelYear"})
            byX.insert(d.findChild<QLabel*>(name)->x(), name);
        return byX.values().join(' ');
    };
    QCOMPARE(order(), QString("labelDay labelMonth labelYear"));
    click(&d, "butYYYYMMDD");
    QCOMPARE(d.getDateFormat(), 1);
    QCOMPARE(order(), QString("labelYear labelMonth labelDay"));
    QCOMPARE(label(&d, "labelDatePreview"), QString("2024-01-31"));
    QCOMPARE(d.findChild<QPushButton*>("butMMDDYYYY")->text(), QString("01/31/2024"));
    d.init(0, 2, 0);
    QCOMPARE(order(), QString("labelMonth labelDay labelYear"));
}

void TestSettingsDialogs::dateTimeSetsTheClocks()
{
    TestUnit unit;
    unit.start();
    struct Case {
        int page;
        const char* step;
        int wallClockRunsOn;  // seconds while the dialog is open
        bool accepted;
        QStringList commands;
    };
    const QList<Case> cases{{1, "labelHourMinus", 0, true, {"date -s 2024-01-31 22:59:58", "hwclock -w"}},
                            {0, "labelDayMinus", 5, true, {"date -s 2024-01-31 00:00:03", "hwclock -w"}},
                            {0, "labelDayMinus", 0, false, {}}};
    for (const Case& c : cases) {
        unit.root.clearCommands();
        SystemClock::setSource([] { return kNow; });
        DateTimeAdjust d;
        d.init(c.page, 0, 0);
        click(&d, c.step);
        SystemClock::setSource([c] { return kNow.addSecs(c.wallClockRunsOn); });
        c.accepted ? d.accept() : d.reject();
        QCOMPARE(unit.root.commands(), c.commands);
    }
    SystemClock::setSource([] { return kNow; });
    // A failing command is only logged; the hardware clock is still written.
    DeviceTree::installStub(unit.root.root(), "date", "exit 1\n");
    DeviceTree::installStub(unit.root.root(), "hwclock", "exit 2\n");
    LogCapture log;
    {
        DateTimeAdjust d;
        d.init(0, 0, 0);
        d.accept();
    }
    QCOMPARE(unit.root.commands(), QStringList({"date -s 2024-01-31 23:59:58", "hwclock -w"}));
    QVERIFY(log.contains("date -s failed with exit code 1"));
    QVERIFY(log.contains("hwclock -w failed with exit code 2"));

    // A clock that lost its time shows a plausible year.
    SystemClock::setSource([] { return QDateTime(QDate(1970, 1, 1), QTime(0, 1, 0), Qt::UTC); });
    DateTimeAdjust d;
    d.init(0, 0, 0);
    QCOMPARE(d.shownDateTime(), QDateTime(QDate(2018, 1, 1), QTime(0, 1, 0), Qt::UTC));
    QCOMPARE(label(&d, "labelYear"), QString("2018"));
    unit.root.clearCommands();
    d.accept();
    QCOMPARE(unit.root.commands().value(0), QString("date -s 2018-01-01 00:01:00"));
}

void TestSettingsDialogs::zoneTable()
{
    QCOMPARE(SelectTimezone::kZoneCount, 31);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < SelectTimezone::kZoneCount; ++i) {
        const SelectTimezone::Zone& z = SelectTimezone::kZones[i];
        const QTimeZone zone(z.zoneId);
        QVERIFY2(zone.isValid(), z.zoneId);
        QVERIFY2(zone.standardTimeOffset(now) == z.offsetSeconds, z.zoneId);
        if (i > 0)
            QVERIFY2(SelectTimezone::kZones[i - 1].offsetSeconds < z.offsetSeconds, z.zoneId);
        QVERIFY(!SelectTimezone::zoneName(i).isEmpty());
    }
    QCOMPARE(QString(SelectTimezone::kZones[13].zoneId), QString("Europe/Berlin"));
    const QList<QPair<int, QString>> texts{{3600, " (+1 h)"},       {-5 * 3600, " (-5 h)"},
                                           {19800, " (+5:30 h)"},   {20700, " (+5:45 h)"},
                                           {-12600, " (-3:30 h)"},  {0, " (0 h)"}};
    for (const auto& t : texts)
        QCOMPARE(SelectTimezone::offsetText(t.first), t.second);
}

void TestSettingsDialogs::zoneInitMapAndSteps()
{
    TestUnit unit;
    unit.start();
    SelectTimezone d;
    // Every getter in one text, so that they are seen to agree.
    auto shown = [&d] {
        return QString("%1 %2 %3 %4 %5")
            .arg(d.getSelectedTimezone())
            .arg(d.getTimezoneName())
            .arg(d.getTimezoneOffset())
            .arg(d.getDaylightSavingTime())
            .arg(d.getDaylightSavingTimeOffset());
    };
    d.init(0, 13, 0);
    QCOMPARE(shown(), QString("13 Berlin (+1 h) 3600 0 0"));
    QCOMPARE(label(&d, "labelTimezone"), QString("Berlin (+1 h)"));
    QVERIFY(d.findChild<QWidget*>("butMenuUp")->isVisibleTo(&d));
    // Out of range: Berlin, winter time.
    for (int zone : {-1, 31, 99}) {
        d.init(1, zone, 2);
        QCOMPARE(d.currentPageIndex(), 1);
        QVERIFY(!d.findChild<QWidget*>("butMenuUp")->isVisibleTo(&d));
        QCOMPARE(shown(), QString("13 Berlin (+1 h) 3600 0 0"));
    }
    d.init(1, 6, 1);
    QCOMPARE(shown(), QString("6 New York (-5 h) -18000 1 3600"));
    click(&d, "butWintertime");
    QCOMPARE(d.getDaylightSavingTimeOffset(), 0);

    // The map: the zone whose place is nearest to the tapped longitude.
    d.init(0, 13, 0);
    auto* map = d.findChild<QWidget*>("butWorldmap");
    QVERIFY(map);
    auto xOf = [map](double longitude) { return int((longitude + 180.0) / 360.0 * map->width()); };
    QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(xOf(141.0), 40));
    QCOMPARE(shown(), QString("25 Tokyo (+9 h) 32400 0 0"));
    QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(xOf(-75.0), 60));
    QCOMPARE(d.getTimezoneName(), QString("New York (-5 h)"));
    QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(0, 10));
    QCOMPARE(d.getSelectedTimezone(), 30);  // the date line: Tonga
    d.mapReleased(QPointF(-50, 0));
    QCOMPARE(d.getSelectedTimezone(), 30);
    QCOMPARE(SelectTimezone::zoneNearestTo(14.0), 13);
    // Up and Down go through the list with wrap.
    click(&d, "butMenuDown");
    QCOMPARE(d.getSelectedTimezone(), 0);
    click(&d, "butMenuUp");
    click(&d, "butMenuUp");
    QCOMPARE(d.getSelectedTimezone(), 29);
    QCOMPARE(d.getTimezoneOffset(), 12 * 3600);
}

void TestSettingsDialogs::zoneChangeMovesTheClock()
{
    TestUnit unit;
    unit.start();
    struct Case {
        int zone, dst;     // init
        int steps;         // Down presses on the zone page
        bool summer;       // then on the other page
        QStringList commands;
    };
    const QList<Case> cases{
        {13, 0, 1, false, {"date -s 2024-02-01 00:59:58", "hwclock -w"}},   // Berlin -> Athens
        {13, 0, 0, true, {"date -s 2024-02-01 00:59:58", "hwclock -w"}},    // summer time
        {13, 1, 0, true, {}},                                               // nothing changed
        {13, 1, 30, false, {"date -s 2024-01-31 21:59:58", "hwclock -w"}},  // London, winter
        {14, 0, 7, false, {"date -s 2024-02-01 03:44:58", "hwclock -w"}},   // Athens -> Kathmandu
        {13, 0, 30, true, {}},                                              // London summer = Berlin winter
    };
    for (const Case& c : cases) {
        unit.root.clearCommands();
        SelectTimezone d;
        d.init(0, c.zone, c.dst);
        for (int i = 0; i < c.steps; ++i)
            click(&d, "butMenuDown");
        click(&d, c.summer ? "butSummertime" : "butWintertime");
        d.accept();
        QCOMPARE(unit.root.commands(), c.commands);
    }
    unit.root.clearCommands();
    SelectTimezone d;
    d.init(0, 13, 0);
    click(&d, "butMenuDown");
    d.reject();
    QVERIFY(unit.root.commands().isEmpty());
}

void TestSettingsDialogs::customizeFlagsAndGps()
{
    TestUnit unit;
    unit.start();
    using Set = void (CustomizeDialogs::*)(bool, bool, bool, bool);
    using Get = void (CustomizeDialogs::*)(bool*, bool*, bool*, bool*) const;
    auto flags = [](const CustomizeDialogs& d, Get get) {
        bool f[4];
        (d.*get)(&f[0], &f[1], &f[2], &f[3]);
        return QVector<bool>(f, f + 4);
    };
    const QList<std::tuple<Set, Get, QVector<bool>>> groups{
        {&CustomizeDialogs::setLevelParameter, &CustomizeDialogs::getLevelParameter, {1, 0, 0, 1}},
        {&CustomizeDialogs::setPinpointingParameter, &CustomizeDialogs::getPinpointingParameter, {0, 1, 0, 1}},
        {&CustomizeDialogs::setLongtermParameter, &CustomizeDialogs::getLongtermParameter, {1, 1, 0, 0}},
        {&CustomizeDialogs::setH2Parameter, &CustomizeDialogs::getH2Parameter, {0, 0, 1, 1}},
        {&CustomizeDialogs::setPipelocatingParameter, &CustomizeDialogs::getPipelocatingParameter, {1, 0, 1, 0}},
        {&CustomizeDialogs::setStartupParameter, &CustomizeDialogs::getStartupParameter, {0, 1, 1, 0}}};
    {
        // Without its flags handed in the box shows GPS off; a cancel must not
        // switch the receiver on.
        CustomizeDialogs untouched;
        untouched.init();
        LogCapture log;
        untouched.reject();
        QVERIFY(!log.contains("GPS: switch"));
        QCOMPARE(flags(untouched, &CustomizeDialogs::getStartupParameter).at(2), false);
    }
    CustomizeDialogs d;
    d.init();
    for (const auto& [set, get, values] : groups)
        (d.*set)(values[0], values[1], values[2], values[3]);
    for (const auto& [set, get, values] : groups)
        QCOMPARE(flags(d, get), values);
    // The order on the level page: spectrum, frequency, peak bar, colour.
    QCOMPARE(d.findChild<QAbstractButton*>("butLevelShowPeakLevelBar")->isChecked(), false);
    QCOMPARE(d.findChild<QAbstractButton*>("butLevelUseFrequencyColor")->isChecked(), true);

    QCOMPARE(d.pageCount(), 6);
    click(&d, "butMenuUp");
    QCOMPARE(d.currentPageIndex(), 5);
    LogCapture log;
    click(&d, "butStartupUseGps");
    QVERIFY(log.contains("GPS: switch off"));
    click(&d, "butH2ShowGrid");
    QCOMPARE(flags(d, &CustomizeDialogs::getH2Parameter).at(1), true);
    log.clear();
    d.reject();
    QVERIFY(log.contains("GPS: switch on"));
    QCOMPARE(flags(d, &CustomizeDialogs::getStartupParameter).at(2), true);

    // Accepted, the receiver stays as chosen.
    CustomizeDialogs accepted;
    accepted.setStartupParameter(false, false, false, false);
    log.clear();
    click(&accepted, "butStartupUseGps");
    QVERIFY(log.contains("GPS: switch on"));
    log.clear();
    accepted.accept();
    QVERIFY(!log.contains("GPS: switch"));
}

void TestSettingsDialogs::escapeCancelsEveryDialog()
{
    TestUnit unit;
    unit.start();
    SelectSwitchmode a;
    SelectFavouriteButton b;
    Displaysettings c;
    PowerSaving e;
    CustomizeDialogs f;
    ResetSettings g;
    HearingProtection h;
    DateTimeAdjust i;
    SelectTimezone j;
    for (QDialog* d : std::initializer_list<QDialog*>{&a, &b, &c, &e, &f, &g, &h, &i, &j}) {
        bool openAfterPress = false;
        ModalHelper::escapeNextModal(&openAfterPress);
        QCOMPARE(d->exec(), int(QDialog::Rejected));
        QVERIFY2(openAfterPress, d->metaObject()->className());
        QCOMPARE(d->size(), QSize(480, 272));
    }
}

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
