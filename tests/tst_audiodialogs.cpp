// The filter dialog against a real codec: arrows, automatic band and no
// filter, leaving with the check button or the IO key, the extra filters,
// the Mute key and the dialogs it opens. The microphone gain and headphone
// volume dialogs over the Bluetooth doubles.
#include "Audio/audiocodecsetup.h"
#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Mainmenu/measurementframe.h"
#include "Tools/freqspectrum.h"
#include "Tools/statusbar.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "recordingcodecmixer.h"
#include "recordingregisterport.h"
#include "testunit.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using Band = QVector<quint32>;  // low, high, type
using Dialog = MeasurementFrame::MenuDialog;

namespace {

// A main window whose codec writes into recorders, and the dialog over it.
struct Rig {
    TestUnit unit;
    MainMenu* hub;
    AudioCodecSetup* codec;
    std::unique_ptr<Filtersettings> dialog;

    Rig(const Band& codecBand, const QString& setting = {}, const QVariant& value = {})
    {
        if (!setting.isEmpty())
            unit.setSetting(setting, value);
        hub = unit.start();
        codec = hub->getAudioCodecInstance();
        codec->setMixer(std::make_unique<RecordingCodecMixer>());
        codec->setRegisterPort(std::make_unique<RecordingRegisterPort>());
        codec->setFilter(codecBand[0], codecBand[1], int(codecBand[2]));
        dialog = std::make_unique<Filtersettings>(hub);
    }
    void click(const char* name) { dialog->findChild<QPushButton*>(name)->click(); }
    QString text(const char* label) const { return dialog->findChild<QLabel*>(label)->text(); }
    // The codec's band (hub false) or the main window's current filter.
    Band band(bool hubs = false) const
    {
        quint32 low, high;
        int type;
        hubs ? hub->getCurrentFilter(&low, &high, &type) : codec->getFilter(&low, &high, &type);
        return {low, high, quint32(type)};
    }
};

}

class TestAudioDialogs : public QObject
{
    Q_OBJECT
private slots:
    void arrows_data()
    {
        QTest::addColumn<Band>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Band>("band");  // the codec's, as the labels show it
        QTest::newRow("no filter, any arrow") << Band{0, 4000, 0} << "butHighCutOffUp" << Band{20, 3900, 1};
        QTest::newRow("low at 20 stays") << Band{20, 400, 1} << "butLowCutOffDown" << Band{20, 400, 1};
        QTest::newRow("high at 4000 stays") << Band{100, 4000, 1} << "butHighCutOffUp" << Band{100, 4000, 1};
        QTest::newRow("one step apart, low up") << Band{100, 125, 1} << "butLowCutOffUp" << Band{100, 125, 1};
        QTest::newRow("one step apart, high down") << Band{100, 125, 1} << "butHighCutOffDown" << Band{100, 125, 1};
        QTest::newRow("snapped to 125, low down") << Band{137, 400, 1} << "butLowCutOffDown" << Band{100, 400, 1};
        QTest::newRow("snapped to 125, low up") << Band{137, 400, 1} << "butLowCutOffUp" << Band{160, 400, 1};
        QTest::newRow("high down") << Band{100, 400, 1} << "butHighCutOffDown" << Band{100, 315, 1};
        QTest::newRow("band-stop steps nothing") << Band{160, 1250, 2} << "butLowCutOffUp" << Band{4000, 0, 2};
        QTest::newRow("no filter") << Band{160, 1250, 1} << "butNoFilter" << Band{0, 4000, 0};
    }
    void arrows()
    {
        QFETCH(Band, start);
        QFETCH(QString, button);
        QFETCH(Band, band);
        Rig rig(start);
        if (start[2] == 0)
            QCOMPARE(rig.text("labelFreqLow") + rig.text("labelFreqHigh"), QString("--- Hz--- Hz"));
        rig.click(qPrintable(button));
        QCOMPARE(rig.band(), band);
        QCOMPARE(rig.text("labelFreqLow") + rig.text("labelFreqHigh"), QString("%1 Hz%2 Hz").arg(band[0]).arg(band[1]));
        quint32 none = 7;
        QVERIFY(!Filtersettings::stepCorner(nullptr, 0, 100, true, &none) && none == 7);  // no list, no step
    }

    void automaticBand()
    {
        const QVector<Band> bands{{160, 4000}, {160, 800}, {400, 1000}, {160, 4000}, {160, 1000}, {160, 4000}};
        for (int sensor = 0; sensor <= 5; ++sensor) {
            quint32 low, high;
            Filtersettings::automaticBand(sensor, &low, &high);
            QCOMPARE((Band{low, high}), bands[sensor]);
        }
        Rig rig({0, 4000, 0});
        StatusbarData()->btReceivedSensortype("2");  // the P-4 sensor
        rig.click("butAutoFilter");
        StatusbarData()->btReceivedSensortype("");
        QCOMPARE(rig.band(), (Band{400, 1000, 1}));
    }

    void leaving()
    {
        for (bool close : {true, false}) {
            Rig rig({160, 1250, 1});
            rig.hub->setCurrentFilter(160, 1250, 1);
            QSize picture;
            bool openAfterPress = false;
            ModalHelper::onNextModal([&](QWidget*) {
                picture = rig.dialog->findChild<FreqSpectrum*>()->getImage().size();
                rig.click("butLowCutOffDown");
                if (close)
                    return rig.click("butClose");
                QTest::keyPress(rig.dialog.get(), Qt::Key_Escape);
                openAfterPress = rig.dialog->isVisible();  // only the release leaves
                QTest::keyRelease(rig.dialog.get(), Qt::Key_Escape);
            });
            QCOMPARE(rig.dialog->exec(), int(close));
            QVERIFY(close || openAfterPress);
            QCOMPARE(picture, QSize(416, 126));
            QCOMPARE(rig.band(), (Band{125, 1250, 1}));
            QCOMPARE(rig.band(true), (close ? Band{125, 1250, 1} : Band{160, 1250, 1}));
        }
    }

    void extraFilters()
    {
        for (int debug : {0, 1}) {
            Rig rig({160, 1250, 1}, "Debug/Debugfeatures", debug);
            auto* filter50Hz = rig.dialog->findChild<QPushButton*>("but50HzFilter");
            auto* preemphasis = rig.dialog->findChild<QPushButton*>("butPreemphase");
            QCOMPARE(filter50Hz->isVisibleTo(rig.dialog.get()) + preemphasis->isVisibleTo(rig.dialog.get()), 2 * debug);
            rig.codec->setSpecialFilter(true, true);
            // Each apply sends the dialog's flags, which start false.
            const QVector<bool> expected{false, false, true, false, true, true, false, true};
            const char* buttons[] = {"butHighCutOffUp", "but50HzFilter", "butPreemphase", "but50HzFilter"};
            QVector<bool> sent;
            for (int i = 0; i < (debug ? 4 : 1); ++i) {
                rig.click(buttons[i]);
                bool flags[2];
                rig.codec->getSpecialFilter(&flags[0], &flags[1]);
                sent << flags[0] << flags[1];
            }
            QCOMPARE(sent, expected.mid(0, sent.size()));
            if (debug)
                QCOMPARE(filter50Hz->text() + preemphasis->text(), QString("50 Hz = 0Preem = 1"));
        }
    }

    void nestedDialogsKeepTheTick()
    {
        Rig rig({0, 4000, 0});
        QVector<int> ticks;
        MeasurementFrame::setMenuDialogRunner([&](Dialog dialog, QWidget* parent) {
            QSignalSpy spy(parent->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly), &QTimer::timeout);
            QTest::qWait(4 * Filtersettings::kLevelIntervalMs);
            ticks << int(dialog) << int(spy.count() >= 2);
            return MeasurementFrame::MenuDialogResult{};
        });
        rig.click("butMicrophone");
        rig.click("butHeadphone");
        MeasurementFrame::setMenuDialogRunner(nullptr);
        QCOMPARE(ticks, (QVector<int>{int(Dialog::Microphone), 1, int(Dialog::Headphone), 1}));
    }

    void microphone();
    void openedFromTheScreen();
    void headphone();

    void muteKey_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QVector<bool>>("muted");  // after press, release, press
        QTest::newRow("push to listen") << "Push-Button" << QVector<bool>{false, true, false};
        QTest::newRow("switch") << "Switch" << QVector<bool>{false, false, true};
    }
    void muteKey()
    {
        QFETCH(QString, mode);
        QFETCH(QVector<bool>, muted);
        Rig rig({0, 4000, 0}, "Systemsettings/Switchmode", mode);
        rig.hub->muteAudioPath(true, false);
        QVector<bool> seen;
        for (QTest::KeyAction action : {QTest::Press, QTest::Release, QTest::Press}) {
            QTest::keyEvent(action, rig.dialog.get(), Qt::Key_F10);
            seen << rig.hub->isAudioPathMuted();
        }
        QCOMPARE(seen, muted);
    }
};

void TestAudioDialogs::microphone()
{
    struct Case {
        bool wired;
        int step;  // clicked; 0 none
        QString text;
    };
    const Case cases[] = {{true, 0, "3(22.5 dB)"}, {true, 1, "1(9 dB)"},
                          {false, 0, "3(18 dB)"}, {false, 6, "6(36 dB)"}};
    for (const Case& c : cases) {
        TestUnit unit;
        MainMenu* hub = unit.start();
        if (c.wired) {
            QVERIFY(unit.root.write("/sys/class/gpio/gpio48/value", "1"));
            StatusbarData()->updateWiredSensor();
            hub->setMicGainStep(3);
        }
        LogCapture log;
        Micsettings dialog(hub);
        QCOMPARE(dialog.focusWidget()->objectName(), QString("butGain3"));
        if (c.step)
            dialog.findChild<QPushButton*>(QString("butGain%1").arg(c.step))->click();
        QCOMPARE(dialog.findChild<QLabel*>("labelMicGain")->text(), c.text);
        if (c.step)  // the change is seen: in the log, or in the accessory's line
            QVERIFY(c.wired ? log.contains("amplifier 9 dB") : unit.sink()->micParameters.last()[0] == 21);
    }
    QCOMPARE(Micsettings::gainText(7, false, 4.0f, 18), QString("7(18 dB)"));

    // Step 6, then the check button or the IO key: only the check remembers it.
    for (bool close : {true, false}) {
        TestUnit unit;
        MainMenu* hub = unit.start();
        Micsettings dialog(hub);
        ModalHelper::onNextModal([&](QWidget*) {
            dialog.findChild<QPushButton*>("butGain6")->click();
            close ? dialog.findChild<QPushButton*>("butClose")->click() : dialog.reject();
        });
        QCOMPARE(dialog.exec(), int(close));
        QCOMPARE(QVector<int>({hub->getMicGainStep(), hub->getCurrentMicGainStep()}),
                 QVector<int>({6, close ? 6 : 3}));
    }
}

// Opened by the screen's buttons: the Mute key does nothing, the IO key
// leaves at its release, not at one its auto-repeat makes.
void TestAudioDialogs::openedFromTheScreen()
{
    TestUnit unit;
    MainMenu* hub = unit.start();
    unit.sink()->rfcomm = true;
    QStringList opened;
    const char* const buttons[] = {"butMenuMicrophone", "butMenuHeadphone_2", "butMenuStoredHeadphone"};
    for (const char* button : buttons) {
        hub->displayWidget(Screen::Pinpointing, Screen::LevelDown,
                           button == buttons[2] ? Screen::StoredView : Screen::Live);
        LogCapture log;
        ModalHelper::onNextModal([&](QWidget* dialog) {
            opened << dialog->metaObject()->className();
            // At the button that has the focus, if one has it yet, and at the dialog.
            for (QWidget* target : {dialog->focusWidget(), dialog}) {
                if (!target)
                    continue;
                QTest::keyPress(target, Qt::Key_F10);
                QTest::keyRelease(target, Qt::Key_F10);
            }
            // Held: the key repeats, its releases marked so; only the last one leaves.
            QTest::keyPress(dialog, Qt::Key_Escape);
            QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), true);
            QCoreApplication::sendEvent(dialog, &repeated);
            opened << (dialog->isVisible() ? "open" : "closed");
            QTest::keyRelease(dialog, Qt::Key_Escape);
        });
        unit.currentPage()->findChild<QPushButton*>(button)->click();
        QCOMPARE(log.count("Audiopath"), 0);
    }
    QCOMPARE(opened, (QStringList{"Micsettings", "open", "Headphonesettings", "open",
                                  "Headphonesettings", "open"}));
}

void TestAudioDialogs::headphone()
{
    struct Case {
        bool protection;
        int moduleStep;
        int shown;
    };
    const Case cases[] = {{false, 8, 8}, {false, 9, 9}, {true, 13, 13}, {true, 14, 14}, {false, 20, 15}, {false, -3, 0}};
    for (const Case& c : cases) {
        TestUnit unit;
        unit.setSetting("Systemsettings/HearingProtection", c.protection);
        MainMenu* hub = unit.start();
        RecordingBluetooth* source = unit.source();
        source->setHeadphoneStep(c.moduleStep);
        source->calls.clear();
        Headphonesettings dialog(hub);
        QCOMPARE(source->calls, QStringList{"requestHeadphoneVolume"});
        auto* bar = dialog.findChild<QProgressBar*>("progBarVol");
        auto* warning = dialog.findChild<QLabel*>("labelWarning");
        // "<label> <bar> <warning shown>"
        auto shown = [&] {
            return QString("%1 %2 %3").arg(dialog.findChild<QLabel*>("labelVolume")->text()).arg(bar->value())
                       .arg(warning->isVisibleTo(&dialog) && bar->styleSheet().contains("red") ? "warn" : "-");
        };
        const bool warns = c.shown >= (c.protection ? 14 : 9);
        QCOMPARE(shown(), QString("%1 %1 %2").arg(c.shown).arg(warns ? "warn" : "-"));
        QCOMPARE(warning->text(), QString("Warning!\nHigh volumes can lead to hearing damage."));
        if (c.moduleStep != 8)
            continue;
        // Changed on the headset: the module's step, whatever the percent.
        source->setHeadphoneStep(12);
        emit source->btHeadphoneVolumeChanged(80);
        QCOMPARE(shown(), QString("12 12 warn"));
        source->setHeadphoneStep(6);
        emit source->btHeadphoneVolumeChanged(150);
        QCOMPARE(shown(), QString("6 6 -"));
        source->setHeadphoneStep(15);
        dialog.findChild<QPushButton*>("butVolUp")->click();
        QCOMPARE(shown(), QString("15 15 warn"));
        dialog.findChild<QPushButton*>("butVolDown")->click();
        QCOMPARE(shown(), QString("14 14 warn"));
    }
}

QTEST_MAIN(TestAudioDialogs)
#include "tst_audiodialogs.moc"
