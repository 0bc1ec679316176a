#include "screenwalk.h"
#include "gpsrig.h"
#include "testunit.h"
#include "modalhelper.h"

#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Debug/debugmenu.h"
#include "Management/SettingsAdjust/customizedialogs.h"
#include "Management/SettingsAdjust/datetimeadjust.h"
#include "Management/SettingsAdjust/displaysettings.h"
#include "Management/SettingsAdjust/hearingprotection.h"
#include "Management/SettingsAdjust/powersaving.h"
#include "Management/SettingsAdjust/resetsettings.h"
#include "Management/SettingsAdjust/selectfavouritebutton.h"
#include "Management/SettingsAdjust/selectswitchmode.h"
#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/backupdialog.h"
#include "Management/bluetoothpairing.h"
#include "Management/configuration.h"
#include "Management/firmwareupdate.h"
#include "Management/languageselect.h"
#include "Management/measmanagementedit.h"
#include "Management/settingsstore.h"
#include "Testmenu/testmenu.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStackedWidget>
#include <QTimer>

#include <limits>

namespace ScreenWalk {

namespace {

template <class Dialog>
void dialog(const char* name, MainMenu* w, const Visit& visit,
            const std::function<void(Dialog*)>& init = nullptr)
{
    Dialog d(w);
    if (init)
        init(&d);
    // Shown as it is, not closed as a modal note would be.
    d.setWindowModality(Qt::NonModal);
    d.show();
    pages(name, &d, visit);
}

void click(QWidget* top, const char* button)
{
    if (auto* b = top->findChild<QAbstractButton*>(button))
        b->click();
}

// The pairing dialog through its phases, each with the text it shows then.
void pairingPhases(MainMenu* w, TestUnit& unit, const Visit& visit)
{
    RecordingBluetooth* module = unit.source();
    module->searchRecords = {{"00:12:6F:AB:CD:EF", "Headset", "240404", ""}};
    BluetoothPairing d(w);
    d.setPairingDevice(0);
    d.show();
    click(&d, "butSearch");
    visit("pairing/searching", &d);
    module->nameWaitPolls = 1;
    for (int ms = 0; ms < BluetoothPairing::kSearchMs; ms += BluetoothPairing::kTickMs)
        d.updateProgbar();
    visit("pairing/names", &d);
    d.waitForName();
    visit("pairing/found", &d);
    module->disconnectPolls = 1;
    click(&d, "butBtDev_1");
    visit("pairing/pairing", &d);
    d.pairBtDeviceIfDisconnected();
    for (int ms = 0; ms < BluetoothPairing::kPairingMs; ms += BluetoothPairing::kTickMs)
        d.waitForPairing();
    visit("pairing/failed", &d);
    module->searchRecords.clear();
    click(&d, "butSearch");
    for (int ms = 0; ms < BluetoothPairing::kSearchMs; ms += BluetoothPairing::kTickMs)
        d.updateProgbar();
    visit("pairing/none", &d);
}

// The pressure screen with the largest figures a calibration lets through,
// and with its axis zoomed to readings that give decimals.
void pressureExtremes(MainMenu* w, TestUnit& unit, const Visit& visit)
{
    RecordingBluetooth* sink = unit.sink();
    w->displayWidget(11, 1, 0);
    emit sink->stateActiveMuteChanged(false);
    emit sink->btEnableReceivePressuredata(true, std::numeric_limits<int>::max(), 0, 1);
    emit sink->btPressuredataReceived(200, QString("FFF 000 ").repeated(100));
    visit("pressure/extreme", w);
    click(unit.currentPage(), "butMenuScaleY");
    visit("pressure/extreme zoomed", w);
    // A new measurement keeps the calibration: its axis in steps of 5 bar.
    w->displayWidget(11, 1, 0);
    visit("pressure/extreme restarted", w);
    // 3.2 and 6.5 bar on the delivered 25 bar sensor: an axis of 3.00 .. 7.00.
    emit sink->btEnableReceivePressuredata(true, 25, 409, 3685);
    emit sink->stateActiveMuteChanged(false);
    emit sink->btPressuredataReceived(200, QString("33C 4ED ").repeated(100));
    click(unit.currentPage(), "butMenuScaleY");
    visit("pressure/zoomed", w);
    emit sink->stateActiveMuteChanged(true);
}

// The GPS monitor's texts of two states in the state the screen did not
// show: with a fix (receiver on, port open, clock set from GPS), then with
// the receiver and the clock setting switched off.
void gpsStates(MainMenu* w, TestUnit& unit, const Visit& visit)
{
    Gps* gps = w->getGpsInstance();
    const bool clockFromGps = gps->isSystemTimeSettingViaGpsEnabled();
    auto pagesOf = [&](const QString& name) {
        w->displayWidget(::Screen::GpsMonitor, ::Screen::StackUnchanged, ::Screen::Live);
        pages(name, unit.currentPage(), [&](const QString& page, QWidget*) { visit(page, w); });
    };
    {
        GpsRig rig(unit.root.root());
        rig.attach(gps);
        gps->enableSystemTimeSettingViaGps(true);
        // Opens the port the receiver now sits on.
        gps->switchOnGpsModul();
        // More satellites than bars, a height, a fix.
        if (rig.sendSentences(GpsRig::sky(20, 12)
                              << "GPRMC,123519.00,A,4807.03800,N,01131.00000,E,0.0,,230326,,,A"
                              << "GPGGA,123519.00,4807.03800,N,01131.00000,E,1,08,0.9,545.4,M,46.9,M,,"))
            pagesOf("gps/fix");
        gps->switchOffGpsModul();
        gps->enableSystemTimeSettingViaGps(false);
        rig.peer.stop();
        if (QTest::qWaitFor([gps] { return !gps->isPortOpen(); }))
            pagesOf("gps/off");
    }
    gps->setClock(nullptr);
    gps->enableSystemTimeSettingViaGps(clockFromGps);
    gps->switchOnGpsModul();
}

// The edit page with the longest name, and its delete question, seen from
// inside its loop and closed unanswered.
void longName(MainMenu* w, const Visit& visit)
{
    MeasManagementEdit d(w);
    d.setMeasurement(StoredMeasurement::fromDirName("PP_20160412_093015_" + longestName()));
    d.setWindowModality(Qt::NonModal);
    d.show();
    visit("measedit/long name", &d);
    QTimer::singleShot(0, &d, [&visit] {
        if (auto* question = qobject_cast<MessageDialog*>(QApplication::activeModalWidget())) {
            visit("measedit/delete", question);
            question->close();
        }
    });
    click(&d, "butDelete");
}

}

QString longestName()
{
    return Measurements::cleanName(QString(Measurements::kMaxNameBytes, QLatin1Char('W')));
}

void pages(const QString& name, QWidget* top, const Visit& visit)
{
    visit(name, top);
    for (QStackedWidget* stack : top->findChildren<QStackedWidget*>()) {
        if (stack->window() != top->window())
            continue; // a dialog the page keeps: walked on its own
        const int shown = stack->currentIndex();
        for (int i = 0; i < stack->count(); ++i) {
            if (i == shown)
                continue;
            stack->setCurrentIndex(i);
            visit(QString("%1/%2%3").arg(name, stack->objectName()).arg(i), top);
        }
        stack->setCurrentIndex(shown);
    }
}

const QVector<Screen>& screens()
{
    static const QVector<Screen> all = {
        {"main", 0},       {"level", 1},   {"pinpointing", 3}, {"management", 4},
        {"settings", 5},   {"h2", 6},      {"browser", 7},     {"pipelocating", 8},
        {"longterm", 9},   {"gps", 10},    {"pressure", 11}};
    return all;
}

void showPageOf(QWidget* w)
{
    for (QWidget* page = w; page && !page->isWindow(); page = page->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget()))
            stack->setCurrentWidget(page);
    }
}

void run(MainMenu* w, TestUnit& unit, const Visit& visit)
{
    // A screen started without a sensor shows a modal note; closed as it opens.
    ModalCloser notes;
    for (const Screen& s : screens()) {
        w->displayWidget(s.number, 1, 0);
        pages(s.name, unit.currentPage(), [&](const QString& name, QWidget*) { visit(name, w); });
    }
    pressureExtremes(w, unit, visit);
    gpsStates(w, unit, visit);
    w->displayWidget(0, 1, 0);
    for (int type = 0; type <= 3; ++type)
        dialog<MessageDialog>(qPrintable(QString("message%1").arg(type)), w, visit,
                              [type](MessageDialog* d) { d->setDialogType(type); });
    dialog<VirtualKeyboard>("keyboard", w, visit);
    dialog<LanguageSelect>("languages", w, visit);
    dialog<BluetoothPairing>("pairing", w, visit);
    pairingPhases(w, unit, visit);
    dialog<CustomizeDialogs>("customize", w, visit, [](CustomizeDialogs* d) { d->init(); });
    dialog<DateTimeAdjust>("datetime", w, visit);
    dialog<Displaysettings>("display", w, visit);
    dialog<HearingProtection>("hearing", w, visit);
    dialog<PowerSaving>("powersaving", w, visit);
    dialog<ResetSettings>("reset", w, visit);
    dialog<SelectFavouriteButton>("favourite", w, visit);
    dialog<SelectSwitchmode>("switchmode", w, visit);
    dialog<SelectTimezone>("timezone", w, visit);
    dialog<Filtersettings>("filter", w, visit);
    dialog<Micsettings>("microphone", w, visit);
    // With the warning shown.
    const int step = unit.source()->getBtExtHeadphoneGain();
    unit.source()->setHeadphoneStep(Headphonesettings::kMaxStep);
    dialog<Headphonesettings>("headphone", w, visit);
    unit.source()->setHeadphoneStep(step);
    dialog<Systeminformation>("systeminfo", w, visit, [](Systeminformation* d) { d->init(); });
    dialog<Configuration>("configuration", w, visit);
    dialog<Firmwareupdate>("update", w, visit);
    dialog<BackupDialog>("usb", w, visit);
    dialog<MeasManagementEdit>("measedit", w, visit, [](MeasManagementEdit* d) {
        d->setMeasurement(StoredMeasurement::fromDirName("PP_20160412_093015_Hydrant 3"));
    });
    longName(w, visit);
    dialog<DebugMenu>("debug", w, visit);
    dialog<TestMenu>("test", w, visit);
}

void developer(MainMenu* w, TestUnit& unit, const Visit& visit)
{
    const int before = g_debugFeatures;
    g_debugFeatures = 1;
    ModalCloser notes;
    for (const Screen& s : {Screen{"main", 0}, Screen{"level", 1}, Screen{"pinpointing", 3}, Screen{"h2", 6}}) {
        w->displayWidget(s.number, 1, 0);
        pages(QString(s.name) + "/developer", unit.currentPage(), [&](const QString& name, QWidget*) { visit(name, w); });
    }
    // A glitch of the sensor takes the reference far below zero, the gas then
    // far above it: the largest range, level, figures and heating time.
    emit unit.sink()->stateActiveMuteChanged(false);
    emit unit.sink()->btSensorvalueReceived("-16126", "0");
    emit unit.sink()->btSensorvalueReceived("20479", "86400");
    visit("h2/extreme/developer", w);
    emit unit.sink()->stateActiveMuteChanged(true);
    w->displayWidget(0, 1, 0);
    dialog<Filtersettings>("filter/developer", w, visit);
    dialog<BluetoothPairing>("pairing/developer", w, visit);
    pairingPhases(w, unit, [&](const QString& name, QWidget* top) { visit(name + "/developer", top); });
    g_debugFeatures = before;
}

}
