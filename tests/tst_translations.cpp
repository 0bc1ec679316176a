// Texts of the screens and dialogs: each screen's title comes from its own
// key and context; every key the screens and dialogs look up has its English
// text in the built-in language file and is one the maintenance script finds;
// every built-in language translates every key.
#include "Debug/debugmenu.h"
#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/backupdialog.h"
#include "Management/configuration.h"
#include "Management/firmwareupdate.h"
#include "Management/gpsmonitor.h"
#include "Management/languageselect.h"
#include "Management/measmanagementedit.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/messagedialog.h"
#include "Tools/virtualkeyboard.h"
#include "gpsrig.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "screenwalk.h"
#include "storedentries.h"
#include "testunit.h"
#include "tsfiles.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
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

// Records each own key it is asked for and answers nothing. Installed
// before the built-in file it is asked only for what that file cannot
// answer; installed after it, for every lookup.
class KeyRecorder : public QTranslator
{
public:
    QSet<QString> keys;
    bool recording = false;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        if (recording && isOwnContext(context))
            const_cast<KeyRecorder*>(this)->keys.insert(QString("%1/%2").arg(context, source));
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
    void languagesComplete_data();
    void languagesComplete();
    void lreleaseFinishesEveryLanguage_data() { languagesComplete_data(); }
    void lreleaseFinishesEveryLanguage();
};

void TestTranslations::titlesComeFromTheirKeys_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("expected");
    QTest::newRow("browser") << screen(7) << "{Management:Measurements}";
    QTest::newRow("gps monitor") << screen(10) << "{Management:GPS}";
    QTest::newRow("configuration") << dialog<Configuration>() << "{Management:TB-9}";
    QTest::newRow("firmware update") << dialog<Firmwareupdate>() << "{Management:Update}";
    QTest::newRow("measurement edit") << dialog<MeasManagementEdit>() << "{MeasManagementEdit:EditMeasurement}";
    QTest::newRow("system information")
        << dialog<Systeminformation>([](Systeminformation* d) { d->init(); })
        << "{Systemsettings:Systeminformation}";
    // Fixed texts, as on the buttons that open them.
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
    QString error;
    QSet<QString> found;
    for (const TsFiles::Entry& e : TsFiles::found(&error))
        found.insert(e.key());
    QVERIFY2(!found.isEmpty(), qPrintable(error));
    KeyRecorder misses;
    KeyRecorder lookups;
    QCoreApplication::installTranslator(&misses);
    {
        TestUnit unit;
        GpsRig rig(unit.root.root());
        // The browser shows each type in the main page's words.
        for (const char* entry : {"LE_20160412_093015_a", "PP_20160412_093015_b", "PL_20160412_093015_c",
                                  "H2_20160412_093015_d", "LT_20160412_093015_e"})
            QVERIFY(StoredEntries::add(unit.root, entry));
        MainMenu* w = unit.start(); // loads the built-in English file over the recorder
        rig.attach(w->getGpsInstance());
        misses.recording = true;
        w->changeLanguage(1);
        // Installing asks every widget for its texts again.
        QCoreApplication::installTranslator(&lookups);
        lookups.recording = true;
        QCoreApplication::processEvents();
        // The sensor note and the link warning of the measurement screens.
        {
            ModalCloser closer;
            emit unit.sink()->btSensortypeReceived("3");
            for (int widget : {3, 8, 1, 9}) {
                w->displayWidget(widget, 1, 0);
                QMetaObject::invokeMethod(unit.currentPage(), "checkBtConnection");
            }
            QCOMPARE(closer.closed(), 8);
            // The H2 screen's own note (any other sensor), its link warning
            // and its stored view.
            emit unit.sink()->btSensortypeReceived("1");
            w->displayWidget(6, 1, 0);
            QMetaObject::invokeMethod(unit.currentPage(), "checkBtConnection");
            QCOMPARE(closer.closed(), 10);
            w->displayWidget(6, -1, 1);
        }
        // The stored views of pinpointing, pipe locating, level measurement
        // and long-term.
        w->displayWidget(3, 1, 1);
        w->displayWidget(8, 1, 1);
        w->displayWidget(1, 1, 1);
        w->displayWidget(9, 1, 1);
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
        settings->init();
        ScreenWalk::run(w, unit, [](const QString&, QWidget*) {});
        for (int language = 1; language <= 25; ++language)
            settings->getLanguageName(language);
        for (int favourite = 0; favourite <= 5; ++favourite)
            settings->getFavButTextFromNum(favourite);
        settings->convertTimeToText(0);
        SelectTimezone zones(w);
        for (int zone = 0; zone <= 30; ++zone)
            zones.init(0, zone, 0);
        QCoreApplication::removeTranslator(&lookups);
    }
    // The recorder is asked for what the file lacks.
    QCoreApplication::translate("MainMenu", "NoSuchKey");
    QCoreApplication::removeTranslator(&misses);
    QVERIFY(misses.keys.remove("MainMenu/NoSuchKey"));
    QStringList missing = misses.keys.values();
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable("no English text: " + missing.join(", ")));
    QStringList hidden = (lookups.keys - found).values();
    hidden.sort();
    QVERIFY2(hidden.isEmpty(), qPrintable("hidden from lupdate: " + hidden.join(", ")));
}

void TestTranslations::languagesComplete_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : TsFiles::builtInCodes())
        QTest::newRow(qPrintable(code)) << code;
}

// Every key found is translated, with the English text's place markers;
// nothing is unfinished or left over, nothing English beyond the allow-list.
void TestTranslations::languagesComplete()
{
    QFETCH(QString, code);
    QString error;
    const QList<TsFiles::Entry> found = TsFiles::found(&error);
    QVERIFY2(!found.isEmpty(), qPrintable(error));
    QHash<QString, QString> english;
    for (const TsFiles::Entry& e : TsFiles::read("GB"))
        english.insert(e.key(), e.translation);
    QHash<QString, TsFiles::Entry> entries;
    for (const TsFiles::Entry& e : TsFiles::read(code))
        entries.insert(e.key(), e);
    const QSet<QString> allowed = TsFiles::sameAsEnglish(code);
    QSet<QString> unused = allowed;
    const QRegularExpression marker("%[0-9n]");
    auto markers = [&](const QString& text) {
        QStringList list;
        for (auto it = marker.globalMatch(text); it.hasNext();)
            list << it.next().captured();
        list.sort();
        return list;
    };
    QStringList problems;
    for (const TsFiles::Entry& f : found) {
        const TsFiles::Entry e = entries.take(f.key());
        const QString eng = english.value(f.key());
        if (e.file.isEmpty())
            problems << f.key() + " missing";
        else if (!e.type.isEmpty() || e.translation.isEmpty())
            problems << f.key() + " " + (e.type.isEmpty() ? QString("empty") : e.type) + " in " + e.file;
        else if (eng.isEmpty())
            problems << f.key() + " has no English text";
        else if (markers(e.translation) != markers(eng))
            problems << f.key() + " place markers differ from the English";
        else if (code != "GB" && code != "EN" && e.translation == eng && !allowed.contains(eng))
            problems << f.key() + " still English (same-as-english.txt?)";
        else if (e.translation == eng)
            unused.remove(eng);
    }
    for (const QString& text : unused)
        problems << "\"" + text + "\" in same-as-english.txt: no entry keeps it";
    for (const TsFiles::Entry& e : entries)
        problems << e.key() + " not in the code (" + e.type + ") in " + e.file;
    problems.sort();
    QVERIFY2(problems.isEmpty(), qPrintable(code + ": " + problems.join("\n")));
}

// lrelease agrees: nothing unfinished, nothing ignored.
void TestTranslations::lreleaseFinishesEveryLanguage()
{
    QFETCH(QString, code);
    QTemporaryDir tmp;
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::MergedChannels);
    lrelease.start("lrelease", TsFiles::sources(code) << "-qm" << tmp.filePath("out.qm"));
    QVERIFY(lrelease.waitForFinished(60000));
    const QString out = lrelease.readAll();
    QVERIFY2(lrelease.exitCode() == 0 && out.contains(" finished and 0 unfinished)")
                 && !out.contains("Ignored"),
             qPrintable(out));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
