// Texts of the screens and dialogs: each screen's title comes from its own
// key and context, and every key the screens and dialogs look up has its
// English text in the built-in language file.
#include "Audio/filtersettings.h"
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
#include "Management/gpsmonitor.h"
#include "Management/languageselect.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/messagedialog.h"
#include "Tools/virtualkeyboard.h"
#include "gpsrig.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "testunit.h"

#include <QLabel>
#include <QSet>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Qt's own contexts ("QGuiApplication", "QShortcut", ...) are not ours.
bool isOwnContext(const char* context)
{
    return context && !(context[0] == 'Q' && QChar(context[1]).isUpper());
}

// Installed before the built-in file, it is asked only for what that file
// cannot answer: it records the key and answers nothing.
class MissRecorder : public QTranslator
{
public:
    QSet<QString> misses;
    bool recording = false;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        if (recording && isOwnContext(context))
            const_cast<MissRecorder*>(this)->misses.insert(QString("%1/%2").arg(context, source));
        return QString();
    }
};

// Answers every own lookup with "{context:key}", so a text shows where it
// came from; a fixed text stays as it is.
class KeyMarker : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        return isOwnContext(context) ? QString("{%1:%2}").arg(context, source) : QString();
    }
};

QString title(QWidget* w)
{
    auto* label = w ? w->findChild<QLabel*>("labelTitle") : nullptr;
    return label ? label->text() : QString("<no title>");
}

using Opener = std::function<QString(MainMenu*, TestUnit&)>;

Opener screen(int widget)
{
    return [widget](MainMenu* w, TestUnit& unit) {
        w->displayWidget(widget, 1, 0);
        return title(unit.currentPage());
    };
}

template <class Dialog>
Opener dialog(std::function<void(Dialog*)> init = nullptr)
{
    return [init](MainMenu* w, TestUnit&) {
        Dialog d(w);
        if (init)
            init(&d);
        return title(&d);
    };
}

}

Q_DECLARE_METATYPE(Opener)

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void titlesComeFromTheirKeys_data();
    void titlesComeFromTheirKeys();
    void everyKeyHasItsEnglishText();
};

void TestTranslations::titlesComeFromTheirKeys_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("expected");
    QTest::newRow("level") << screen(1) << "{MainMenu:Level}";
    QTest::newRow("h2") << screen(6) << "{MainMenu:H2Sensor}";
    QTest::newRow("browser") << screen(7) << "{Management:Measurements}";
    QTest::newRow("pipe locating") << screen(8) << "{MainMenu:Pipelocating}";
    QTest::newRow("long-term") << screen(9) << "{MainMenu:Longterm}";
    QTest::newRow("gps monitor") << screen(10) << "{Management:GPS}";
    QTest::newRow("configuration") << dialog<Configuration>() << "{Management:TB-9}";
    QTest::newRow("firmware update") << dialog<Firmwareupdate>() << "{Management:Update}";
    QTest::newRow("system information")
        << dialog<Systeminformation>([](Systeminformation* d) { d->init(); })
        << "{Systemsettings:Systeminformation}";
    // Fixed texts, as on the buttons that open them.
    QTest::newRow("pressure sensor") << screen(11) << "Pressure sensor";
    QTest::newRow("usb") << dialog<BackupDialog>() << "USB <> PC";
    QTest::newRow("debug menu") << dialog<DebugMenu>() << "DBG";
    QTest::newRow("test menu") << dialog<TestMenu>() << "TEST";
}

void TestTranslations::titlesComeFromTheirKeys()
{
    QFETCH(Opener, open);
    QFETCH(QString, expected);
    TestUnit unit;
    MainMenu* w = unit.start();
    KeyMarker marker;
    QCoreApplication::installTranslator(&marker);
    const QString shown = open(w, unit);
    QCoreApplication::removeTranslator(&marker);
    QCOMPARE(shown, expected);
}

void TestTranslations::everyKeyHasItsEnglishText()
{
    MissRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    {
        TestUnit unit;
        GpsRig rig(unit.root.root());
        MainMenu* w = unit.start(); // loads the built-in English file over the recorder
        rig.attach(w->getGpsInstance());
        // Texts looked up before the file was loaded are looked up again.
        recorder.recording = true;
        w->changeLanguage(1);
        for (int widget : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11})
            w->displayWidget(widget, 1, 0);
        // The sensor note and the link warning of a measurement screen.
        {
            ModalCloser closer;
            emit unit.sink()->btSensortypeReceived("3");
            w->displayWidget(3, 1, 0);
            QMetaObject::invokeMethod(unit.currentPage(), "checkBtConnection");
            QCOMPARE(closer.closed(), 2);
        }
        // The GPS monitor's pages with a fix and more satellites than fit,
        // then with the receiver switched off and its port lost.
        auto turnMonitorPages = [&] {
            w->displayWidget(10, -1, 0);
            for (int page = 1; page <= GpsMonitor::kPageCount; ++page)
                QTest::keyClick(unit.currentPage(), Qt::Key_Down);
        };
        QVERIFY(rig.sendSentences(GpsRig::sky(20, 12) << "GPRMC,123519.00,A,4807.038,N,01131.000,E,0.0,,230326,,,A"));
        turnMonitorPages();
        w->getGpsInstance()->switchOffGpsModul();
        rig.peer.stop();
        QTRY_VERIFY(!w->getGpsInstance()->isPortOpen());
        turnMonitorPages();
        Systemsettings* settings = w->getInstanceSystemsettings();
        for (int language = 1; language <= 24; ++language)
            settings->getLanguageName(language);
        for (int favourite = 0; favourite <= 5; ++favourite)
            settings->getFavButTextFromNum(favourite);
        settings->convertTimeToText(0);
        for (int type = 0; type <= 3; ++type) {
            MessageDialog d(w);
            d.setDialogType(type);
        }
        VirtualKeyboard keyboard(w);
        LanguageSelect languages(w);
        BluetoothPairing pairing(w);
        { CustomizeDialogs d(w); d.init(); }
        { DateTimeAdjust d(w); }
        { Displaysettings d(w); }
        { HearingProtection d(w); }
        { PowerSaving d(w); }
        { ResetSettings d(w); }
        { SelectFavouriteButton d(w); }
        { SelectSwitchmode d(w); }
        { SelectTimezone d(w); for (int zone = 0; zone <= 30; ++zone) d.init(0, zone, 0); }
        { Systeminformation d(w); d.init(); }
        { Filtersettings d(w); }
    }
    // The recorder is asked for what the file lacks.
    QCoreApplication::translate("MainMenu", "NoSuchKey");
    QCoreApplication::removeTranslator(&recorder);
    QVERIFY(recorder.misses.remove("MainMenu/NoSuchKey"));
    QStringList misses = recorder.misses.values();
    misses.sort();
    QVERIFY2(misses.isEmpty(), qPrintable(misses.join(", ")));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
