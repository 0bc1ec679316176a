// The stored-measurement browser and its rename and delete dialog, on
// directories prepared in the test root.
#include "Hardware/massstorage.h"
#include "Management/measmanagement.h"
#include "Tools/measurements.h"
#include "Tools/virtualkeyboard.h"
#include "clickbutton.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "qmfile.h"
#include "storedentries.h"
#include "testunit.h"

#include <QLabel>
#include <QScopeGuard>
#include <QSettings>
#include <QTableWidget>
#include <QTextCodec>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

// While above 0, that many renames of a prepared info.ini into its entry
// fail, as on a medium that goes wrong between a rename's two steps.
std::atomic<int> g_failedInfoRenames{0};

}

// Stands in front of the C library's: the program's renames that replace a
// file go through it.
extern "C" int renameat(int fromDir, const char* from, int toDir, const char* to) noexcept
{
    using Rename = int (*)(int, const char*, int, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "renameat"));
    if (std::strcmp(from, "info.ini") == 0 && std::strcmp(to, "info.ini") == 0 && g_failedInfoRenames > 0) {
        --g_failedInfoRenames;
        errno = EIO;
        return -1;
    }
    return real(fromDir, from, toDir, to);
}

namespace {

const char* const kHydrant = "PP_20160412_093015_Hydrant 3";
using R = StoredMeasurement::Result;

struct Rig {
    TestUnit unit;
    MainMenu* w = nullptr;
    MeasManagement* browser = nullptr;
    QTableWidget* table = nullptr;

    void add(const QString& dirName, int secondsAgo) { QVERIFY(StoredEntries::add(unit.root, dirName, secondsAgo)); }
    void open()
    {
        w = unit.start();
        w->displayWidget(4, 1, 0);
        w->displayWidget(7, 1, 0);
        browser = w->getInstanceMeasManagement();
        table = browser->findChild<QTableWidget*>("tableMeasurements");
    }
    QStringList column(int c) const
    {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, c)->text();
        return texts;
    }
    void key(int key)
    {
        QTest::keyPress(table, Qt::Key(key));
        QTest::keyRelease(table, Qt::Key(key));
    }
};

QString nameIn(const TestRoot& root, const QString& dirName)
{
    return QSettings(StoredEntries::path(root, dirName + "/info.ini"), QSettings::IniFormat)
        .value("Measurementinfo/Measurementname").toString();
}

}

class TestMeasurementBrowser : public QObject
{
    Q_OBJECT
private slots:
    void rowsAndCount();
    void longTypeWordLeavesTheNameItsRoom();
    void openEachTypeAndReturn();
    void arrowsGoRoundAndKeysEnterAtTheNearEnd();
    void rename();
    void renameKeepsTheRestOfTheFile_data();
    void renameKeepsTheRestOfTheFile();
    void renameUndoneWhenTheNameCannotBeWritten();
    void renameAndDeleteThroughTheDialog();
    void presentButNotOpened_data();
    void presentButNotOpened();
    void namesThatDecodeAlike_data();
    void namesThatDecodeAlike();
};

void TestMeasurementBrowser::rowsAndCount()
{
    Rig r;
    r.add(kHydrant, 10);
    r.add("le_x", 20);
    r.add("H2_2016", 30);
    r.add("PL_20160412_093015_<b>Valve &amp;", 40);
    r.add("PS_20160412_093015_pressure", 0);
    QVERIFY(r.unit.root.write("/media/vq4100/meas/LT_20160412_093015_file", "x"));
    QVERIFY(StoredEntries::age(StoredEntries::path(r.unit.root, "LT_20160412_093015_file"), 50));
    r.open();

    // What the store lists, newest first; short and odd names whole, markup as text.
    QStringList expected = {"Hydrant 3", "le_x", "H2_2016", "<b>Valve &amp;", "file"};
    if (!MeasurementData()->getMeasurementList().contains("LT_20160412_093015_file"))  // only whole ones
        expected.removeLast();
    QCOMPARE(r.column(3), expected);
    auto word = [](const char* key) { return QCoreApplication::translate("MainMenu", key); };
    QCOMPARE(r.column(0).mid(0, 4), QStringList({word("Histogram"), word("Level"), word("H2Sensor"), word("Pipelocating")}));
    QCOMPARE(r.column(1).mid(0, 4), QStringList({"12.04.2016", "", "", "12.04.2016"}));
    QCOMPARE(r.column(2).first(), QString("09:30:15"));
    QCOMPARE(r.browser->findChild<QLabel*>("labelCount")->text(),
             QString("(%1 / 100)").arg(MeasurementData()->getNumMeasurements()));
    QCOMPARE(r.browser->getSelectedMeasurementDir(), QString(kHydrant));
}

// A type word no smaller size fits (a language's long compound) is cut
// short; the name keeps room for a readable name.
void TestMeasurementBrowser::longTypeWordLeavesTheNameItsRoom()
{
    const QByteArray qm = QmFile::build({{"MainMenu", "Histogram", QString(60, QChar('W'))}});
    QTranslator longWords;
    QVERIFY(longWords.load(reinterpret_cast<const uchar*>(qm.constData()), qm.size()));
    Rig r;
    r.add(kHydrant, 10);
    r.open();
    QCoreApplication::installTranslator(&longWords);
    r.open();
    QCoreApplication::removeTranslator(&longWords);
    QCOMPARE(r.column(0), QStringList(QString(60, QChar('W'))));
    const int name = r.table->viewport()->width() - r.table->columnViewportPosition(3);
    QVERIFY(name >= 11 * QFontMetrics(r.table->font()).averageCharWidth());
}

void TestMeasurementBrowser::openEachTypeAndReturn()
{
    const QList<QPair<QString, int>> types = {{"LE_20160101_000000_a", 1}, {"PP_20160101_000000_b", 3},
                                              {"PL_20160101_000000_c", 8}, {"H2_20160101_000000_d", 6},
                                              {"LT_20160101_000000_e", 9}};
    Rig r;
    for (int i = 0; i < types.size(); ++i)
        r.add(types[i].first, i * 10);
    r.open();
    for (int i = 0; i < types.size(); ++i) {
        r.key(Qt::Key_Space);  // OK
        QCOMPARE(r.w->currentWidgetNumber(), types[i].second);
        QCOMPARE(r.browser->getSelectedMeasurementDir(), types[i].first);
        r.w->displayWidget(7, -1, 0);  // as the stored view's Back
        QCOMPARE(r.table->currentRow(), i);
        r.key(Qt::Key_Down);
    }
    // Past the last row the keys go on to the menu column, and Up comes back.
    QCOMPARE(r.w->focusWidget(), r.browser->findChild<QWidget*>("butMenuUp"));
    QTest::keyClick(r.w->focusWidget(), Qt::Key_Up);
    QCOMPARE(r.w->focusWidget(), r.table);
    QCOMPARE(r.table->currentRow(), types.size() - 1);

    // Gone since the list was made: a message, the list as it is now.
    QVERIFY(QDir(StoredEntries::path(r.unit.root, types.last().first)).removeRecursively());
    ModalCloser closer;
    r.key(Qt::Key_Space);
    QCOMPARE(closer.closed(), 1);
    QCOMPARE(r.w->currentWidgetNumber(), 7);
    QCOMPARE(r.table->rowCount(), types.size() - 1);
    r.key(Qt::Key_Escape);
    QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
}

// The menu column's arrows move the selection round the list. The keys
// leave the list past its first or last row and, coming round again, enter
// it at the end they come to, whichever row they left it from.
void TestMeasurementBrowser::arrowsGoRoundAndKeysEnterAtTheNearEnd()
{
    const QStringList dirs = {"LE_20160101_000000_a", "PP_20160101_000000_b", "LT_20160101_000000_c"};
    Rig r;
    for (int i = 0; i < dirs.size(); ++i)
        r.add(dirs[i], i * 10);
    r.open();
    const int last = dirs.size() - 1;
    const struct {
        const char* button;
        int row;
    } steps[] = {{"butMenuUp", last}, {"butMenuUp", last - 1}, {"butMenuDown", last},
                 {"butMenuDown", 0}, {"butMenuDown", 1}};
    QCOMPARE(r.table->currentRow(), 0);
    for (const auto& s : steps) {
        click(r.browser, s.button);
        QCOMPARE(r.table->currentRow(), s.row);
        QCOMPARE(r.browser->getSelectedMeasurementDir(), dirs[s.row]);
    }

    // Focus moves with its events only in the active window.
    r.w->show();
    r.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(r.w));
    for (Qt::Key code : {Qt::Key_Up, Qt::Key_Down}) {
        const int leftAt = code == Qt::Key_Up ? 0 : last;
        r.table->setCurrentCell(leftAt, 0);
        r.table->setFocus();
        int presses = 0;
        do
            QTest::keyClick(r.w->focusWidget(), code);
        while (r.w->focusWidget() != r.table && ++presses < 20);
        QVERIFY2(presses > 0 && presses < 20, qPrintable(QString::number(presses)));
        QCOMPARE(r.table->currentRow(), last - leftAt);
        QCOMPARE(r.browser->getSelectedMeasurementDir(), dirs[last - leftAt]);
    }
}

void TestMeasurementBrowser::rename()
{
    const struct {
        const char* typed;
        R::Outcome outcome;
        const char* after;
    } cases[] = {
        {"  Hydrant 4 ", R::Done, "PP_20160412_093015_Hydrant 4"}, {"Taken", R::Refused, kHydrant},
        {"   ", R::Refused, kHydrant}, {"../x", R::Done, "PP_20160412_093015_.._x"}, {"Hydrant 3", R::Done, kHydrant},
        // Written in the library's form, not as typed.
        {"Hydrant 3,4", R::Done, "PP_20160412_093015_Hydrant 3,4"},
        {"valve; closed", R::Done, "PP_20160412_093015_valve; closed"},
        {"say \"hi\"", R::Done, "PP_20160412_093015_say _hi_"},
        {" Straße Ü", R::Done, "PP_20160412_093015_Straße Ü"},
        {"@Rect(1 2 3 4)", R::Done, "PP_20160412_093015_@Rect(1 2 3 4)"},
    };
    for (const auto& c : cases) {
        TestRoot root;
        QVERIFY(StoredEntries::add(root, kHydrant) && StoredEntries::add(root, "PP_20160412_093015_Taken"));
        const R result = StoredMeasurement::rename(kHydrant, c.typed);
        QCOMPARE(result.outcome, c.outcome);
        QCOMPARE(result.error.isEmpty(), c.outcome == R::Done);
        QCOMPARE(result.dirName, QString(c.after));
        QCOMPARE(QDir(StoredEntries::path(root)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
        QCOMPARE(nameIn(root, c.after), QString(c.after).mid(19));
        QVERIFY(MeasurementData()->getMeasurementList().contains(c.after));
        QCOMPARE(StoredMeasurement::fromDirName(c.after).name(), QString(c.after).mid(19));
    }

    // An info.ini within the readers' limit takes the new name, one the
    // library cannot parse whole too (nothing but the name changes); one
    // behind a link is refused before anything is renamed.
    TestRoot root;
    const QByteArray huge = "[Measurementinfo]\nMeasurementname=Hydrant 3\n" + QByteArray(70000, ';');
    const QByteArray broken = "[Measurementinfo\nMeasurementname=\x01\xff\n";
    const QByteArray outside = "[Measurementinfo]\nMeasurementname=out\n";
    QVERIFY(root.write(QString("/media/vq4100/meas/%1/info.ini").arg(kHydrant), huge));
    QVERIFY(root.write("/media/vq4100/meas/PL_20160101_000000_broken/info.ini", broken));
    QVERIFY(root.write("/home/root/outside/info.ini", outside));
    QVERIFY(QFile::link(root.path("/home/root/outside"), StoredEntries::path(root, "LE_20160101_000000_link")));
    LogCapture log;
    QCOMPARE(StoredMeasurement::rename(kHydrant, "big").outcome, R::Done);
    QCOMPARE(nameIn(root, "PP_20160412_093015_big"), QString("big"));
    QCOMPARE(StoredMeasurement::rename("PL_20160101_000000_broken", "mended").outcome, R::Done);
    QCOMPARE(root.read("/media/vq4100/meas/PL_20160101_000000_mended/info.ini"),
             QByteArray("[Measurementinfo\nMeasurementname=mended\n"));
    QCOMPARE(StoredMeasurement::rename("LE_20160101_000000_link", "moved").outcome, R::Failed);
    QVERIFY(QFileInfo(StoredEntries::path(root, "LE_20160101_000000_link")).isSymLink());
    QCOMPARE(root.read("/home/root/outside/info.ini"), outside);
    QCOMPARE(log.count("not renamed"), 1);
    // Names the store did not write are not renamed, and nothing outside is reached.
    for (const char* odd : {"le_x", "..", "../meas", ""})
        QCOMPARE(StoredMeasurement::rename(odd, "y").outcome, R::Failed);
    QCOMPARE(StoredMeasurement::remove("..").outcome, R::Failed);
    QVERIFY(QFileInfo::exists(StoredEntries::path(root)));
}

void TestMeasurementBrowser::renameKeepsTheRestOfTheFile_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QByteArray>("after");  // "" refused, "=" only the directory renamed
    QTest::addColumn<QStringList>("leftovers");
    const QByteArray mark = "\xEF\xBB\xBF";
    const QByteArray base = "[Measurementinfo]\nMeasurementtype=Histogram\nMeasurementname=Hydrant 3\n"
                            "Measurementdate=12.04.2016\n\n[Levels]\nLevel_1=50.000\n";
    const auto renamed = [](QByteArray info, const QByteArray& old = "Hydrant 3") {
        return info.replace(info.lastIndexOf(old), old.size(), "Hydrant 4");
    };
    const auto utf16 = [&base](const char* mark, const char* codec) {
        return mark + QTextCodec::codecForName(codec)->fromUnicode(QString::fromLatin1(base));
    };
    QByteArray note = base;
    note.insert(base.indexOf("Measurementdate"), "; checked on site\nvalve closed\n");
    QByteArray joined = base;
    joined.insert(base.indexOf("[Levels]"), mark);
    QByteArray blanks = base;
    blanks.replace("=Hydrant 3", " =  \"Hydrant 3\" ; typed on site");
    const QByteArray twice = base + "[Measurementinfo]\nMeasurementname=later\n";
    QByteArray nul = base;
    nul.replace("50.000", QByteArray("50\0.000", 7));
    QTest::newRow("comment and note") << note << renamed(note) << QStringList();
    QTest::newRow("mark before a later header") << joined << renamed(joined) << QStringList();
    QTest::newRow("leading mark, CRLF") << mark + QByteArray(base).replace("\n", "\r\n")
                                        << renamed(mark + QByteArray(base).replace("\n", "\r\n")) << QStringList();
    QTest::newRow("blanks, quotes, comment") << blanks << renamed(blanks, "\"Hydrant 3\"") << QStringList();
    QTest::newRow("name twice") << twice << renamed(twice, "later") << QStringList();
    QTest::newRow("two marks at the start") << mark + mark + base << QByteArray("=") << QStringList();
    QTest::newRow("NUL") << nul << QByteArray() << QStringList();
    QTest::newRow("UTF-16 LE") << utf16("\xFF\xFE", "UTF-16LE") << QByteArray() << QStringList();
    QTest::newRow("UTF-16 BE") << utf16("\xFE\xFF", "UTF-16BE") << QByteArray() << QStringList();
    // UTF-16 without a character below U+0100 holds no NUL byte.
    for (const bool little : {true, false}) {
        QByteArray text;
        for (const QChar c : QChar(QChar::ByteOrderMark) + QString::fromUtf8("Измерение—Гидрант—测量")) {
            const char low = char(c.unicode() & 0xff);
            const char high = char(c.unicode() >> 8);
            text.append(little ? low : high).append(little ? high : low);
        }
        QVERIFY(!text.contains('\0'));
        QTest::addRow("UTF-16 %s, no NUL", little ? "LE" : "BE") << text.mid(2) << QByteArray() << QStringList();
        QTest::addRow("UTF-16 %s, no NUL, mark", little ? "LE" : "BE") << text << QByteArray() << QStringList();
    }
    // A PC tool's Latin-1 is read as the library reads it.
    const QByteArray latin1 = QByteArray(base).replace("=Histogram", "=Stra\xDF""e");
    QTest::newRow("Latin-1") << latin1 << renamed(latin1) << QStringList();
    // The lines a name value takes in, a PC shows as lines of their own.
    QTest::newRow("name continued") << QByteArray(base).replace("Hydrant 3\n", "Hydrant 3\\\n") << QByteArray()
                                    << QStringList();
    QTest::newRow("name continued, CRLF") << QByteArray(base).replace("Hydrant 3\n", "Hydrant\\\r\n 3\r\n")
                                          << QByteArray() << QStringList();
    // How the library writes a name that ends in "\": the pair is one
    // character, the line ends after it.
    const QByteArray escaped = QByteArray(base).replace("=Hydrant 3", "=abc\\\\");
    QTest::newRow("name ending in an escaped backslash") << escaped << renamed(escaped, "abc\\\\") << QStringList();
    const QByteArray escapedCrlf = QByteArray(escaped).replace("\n", "\r\n");
    QTest::newRow("name ending in an escaped backslash, CRLF")
        << escapedCrlf << renamed(escapedCrlf, "abc\\\\") << QStringList();
    QTest::newRow("quote left open") << QByteArray(base).replace("=Hydrant", "=\"Hydrant") << QByteArray()
                                     << QStringList();
    QTest::newRow("quoted line end") << QByteArray(base).replace("=Hydrant 3", "=\"Hydrant\n3\"") << QByteArray()
                                     << QStringList();
    // The library reads the later line as the name.
    QTest::newRow("name spelt another way")
        << QByteArray(base).replace("Measurementdate", "Measurement%6Eame=later\nMeasurementdate") << QByteArray()
        << QStringList();
    QStringList numbered;
    for (int n = 1; n <= 64; ++n)
        numbered << QString("info.ini.new%1").arg(n);
    QTest::newRow("leftover info.ini.newN") << note << renamed(note) << numbered;
    QTest::newRow("leftover info.ini.part") << note << renamed(note) << QStringList("info.ini.part");
}

// The name changes and no other byte of info.ini; where that cannot be
// promised, neither the directory nor the file is touched.
void TestMeasurementBrowser::renameKeepsTheRestOfTheFile()
{
    QFETCH(QByteArray, info);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, leftovers);
    TestRoot root;
    QVERIFY(root.write(QString("/media/vq4100/meas/%1/info.ini").arg(kHydrant), info));
    for (const QString& name : leftovers)
        QVERIFY(root.write(QString("/media/vq4100/meas/%1/%2").arg(kHydrant, name), "[Measurementinfo]\nX=left\n"));
    const R result = StoredMeasurement::rename(kHydrant, "Hydrant 4");
    QCOMPARE(result.outcome, after.isEmpty() ? R::Failed : R::Done);
    QCOMPARE(result.error.isEmpty(), !after.isEmpty());
    const QString dir = after.isEmpty() ? kHydrant : "PP_20160412_093015_Hydrant 4";
    QCOMPARE(result.dirName, dir);
    QCOMPARE(root.read("/media/vq4100/meas/" + dir + "/info.ini"), after.isEmpty() || after == "=" ? info : after);
    if (!after.isEmpty() && after != "=")
        QCOMPARE(nameIn(root, dir), QString("Hydrant 4"));
    for (const QString& name : leftovers)
        QCOMPARE(root.read("/media/vq4100/meas/" + dir + "/" + name), QByteArray("[Measurementinfo]\nX=left\n"));
    QCOMPARE(QDir(StoredEntries::path(root)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(dir));
}

// The entry takes its old name again, with its info.ini as it was.
void TestMeasurementBrowser::renameUndoneWhenTheNameCannotBeWritten()
{
    TestRoot root;
    const QByteArray info = "[Measurementinfo]\nMeasurementname=Hydrant 3\n; checked on site\n";
    QVERIFY(root.write(QString("/media/vq4100/meas/%1/info.ini").arg(kHydrant), info));
    g_failedInfoRenames = 1;
    const R result = StoredMeasurement::rename(kHydrant, "Hydrant 4");
    QCOMPARE(g_failedInfoRenames.exchange(0), 0);
    QCOMPARE(result.outcome, R::Failed);
    QCOMPARE(result.error, QCoreApplication::translate("MeasManagement", "TheMeasurementCouldNotBeRenamed"));
    QCOMPARE(result.dirName, QString(kHydrant));
    QCOMPARE(QDir(StoredEntries::path(root)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(kHydrant));
    QCOMPARE(root.read(QString("/media/vq4100/meas/%1/info.ini").arg(kHydrant)), info);
}

void TestMeasurementBrowser::renameAndDeleteThroughTheDialog()
{
    Rig r;
    const QString link = "PP_20160101_000000_link";
    r.add("LE_20160101_000000_newer", 0);
    QVERIFY(r.unit.root.write("/home/root/outside/keep.wav", "RIFF"));
    QVERIFY(r.unit.root.write("/home/root/outside/info.ini", "[Measurementinfo]\n"));
    QVERIFY(QFile::link(r.unit.root.path("/home/root/outside"), StoredEntries::path(r.unit.root, link)));
    QVERIFY(StoredEntries::age(r.unit.root.path("/home/root/outside"), 20));  // the time listed for the link
    // A link inside a measurement goes as a link too.
    r.add(kHydrant, 10);
    QVERIFY(QFile::link(r.unit.root.path("/home/root/outside/keep.wav"),
                        StoredEntries::path(r.unit.root, QString(kHydrant) + "/PP_Sound_1.wav")));
    QVERIFY(StoredEntries::age(StoredEntries::path(r.unit.root, kHydrant), 10));
    r.open();
    r.key(Qt::Key_Down);

    LogCapture log;
    ModalHelper::onModal("VirtualKeyboard", [](QWidget* d) {
        auto* keyboard = static_cast<VirtualKeyboard*>(d);
        QCOMPARE(keyboard->getText(), QString("Hydrant 3"));
        keyboard->setText("Hydrant 4");
        keyboard->accept();
    });
    ModalHelper::onModal("MeasManagementEdit", [](QWidget* d) { click(d, "butRename"); });
    click(r.browser, "butMenuEdit");
    // Renamed in place: the list keeps its order and the selection.
    QCOMPARE(r.column(3), QStringList({"newer", "Hydrant 4", "link"}));
    QCOMPARE(r.table->currentRow(), 1);
    QCOMPARE(nameIn(r.unit.root, "PP_20160412_093015_Hydrant 4"), QString("Hydrant 4"));

    // Each delete: the answer to the question, the warning that follows it,
    // the rows left and the one selected.
    const QString hydrant4 = "PP_20160412_093015_Hydrant 4";
    const struct {
        bool lent;  // the data partition, to a PC
        const char* answer;
        const char* warning;
        QStringList left;
        int row;
        QString selected;
    } deletes[] = {{false, "butRight", nullptr, {"newer", "Hydrant 4", "link"}, 1, hydrant4},  // No
                   {true, "butMiddle", "TheMeasurementCouldNotBeDeleted", {"newer", "Hydrant 4", "link"}, 1, hydrant4},
                   {false, "butMiddle", nullptr, {"newer", "link"}, 1, link},  // Yes
                   // Yes, to the link that moved up into the last row.
                   {false, "butMiddle", nullptr, {"newer"}, 0, "LE_20160101_000000_newer"}};
    // A delete that misbehaves may warn where no answer waits.
    ModalWatchdog watchdog;
    for (const auto& d : deletes) {
        QString warned;
        ModalHelper::onModal("MessageDialog", [&d, &warned](QWidget* m) {
            if (d.warning)
                ModalHelper::onModal("MessageDialog", [&warned](QWidget* w) {
                    warned = w->findChild<QLabel*>("labelInfotext")->text();
                    click(w, "butMiddle");
                });
            click(m, d.answer);
        });
        ModalHelper::onModal("MeasManagementEdit", [](QWidget* e) {
            click(e, "butDelete");
            if (e->isVisible())  // No leaves the dialog open
                click(e, "butMenuBack");
        });
        if (d.lent)
            QCOMPARE(MassStorage::lend(), MassStorage::Loan::Lent);
        click(r.browser, "butMenuEdit");
        if (d.lent)
            QVERIFY(MassStorage::takeBack());
        QCOMPARE(r.column(3), d.left);
        QCOMPARE(warned, d.warning ? QCoreApplication::translate("MeasManagement", d.warning) : QString());
        QCOMPARE(r.table->currentRow(), d.row);
        QCOMPARE(r.browser->getSelectedMeasurementDir(), d.selected);
    }
    QCOMPARE(r.unit.root.read("/home/root/outside/keep.wav"), QByteArray("RIFF"));
    QCOMPARE(log.count("No matching signal"), 0);  // the dialog's form wires every slot it inherits
}

void TestMeasurementBrowser::presentButNotOpened_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("info");  // written as info.ini, or as the entry itself when it is a file
    QTest::addColumn<bool>("isFile");
    const QByteArray huge = "[Measurementinfo]\nMeasurementname=big\n" + QByteArray(Measurements::kMaxInfoBytes, ';');
    QTest::newRow("huge info.ini") << "LE_20160101_000000_big" << huge << false;
    QTest::newRow("file entry") << "LT_20160101_000000_file" << QByteArray("x") << true;
}

// Listed and counted, so the operator can see and delete it; opening it says
// so truthfully and stays in the browser.
void TestMeasurementBrowser::presentButNotOpened()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, info);
    QFETCH(bool, isFile);
    Rig r;
    r.add(kHydrant, 10);
    QVERIFY(r.unit.root.write("/media/vq4100/meas/" + entry + (isFile ? "" : "/info.ini"), info));
    r.open();
    QCOMPARE(r.table->rowCount(), 2);
    QCOMPARE(r.browser->findChild<QLabel*>("labelCount")->text(), QString("(2 / 100)"));
    QCOMPARE(r.browser->getSelectedMeasurementDir(), entry);

    QString shown;
    ModalCloser closer([&shown](QWidget* d) { shown = d->findChild<QLabel*>("labelInfotext")->text(); });
    r.key(Qt::Key_Space);
    QCOMPARE(closer.closed(), 1);
    QCOMPARE(shown, QCoreApplication::translate("MeasManagement", "TheMeasurementCannotBeOpened"));
    QCOMPARE(r.w->currentWidgetNumber(), 7);
    QCOMPARE(r.table->rowCount(), 2);

    // A name inside that cannot be rewritten renames nothing.
    const R renamed = StoredMeasurement::rename(entry, "other");
    QCOMPARE(renamed.outcome, isFile ? R::Done : R::Failed);
    QCOMPARE(r.unit.root.read("/media/vq4100/meas/" + renamed.dirName + (isFile ? "" : "/info.ini")), info);
    QCOMPARE(StoredMeasurement::remove(renamed.dirName).outcome, R::Done);
    QCOMPARE(MeasurementData()->getMeasurementList(), QStringList(kHydrant));
}

void TestMeasurementBrowser::namesThatDecodeAlike_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("onValid");  // the action on the valid name's row, else on the other's
    QTest::addColumn<int>("validAge");  // seconds; -1 not there
    QTest::addColumn<int>("oddAge");
    QTest::newRow("delete valid, odd older") << "delete" << true << 10 << 20;
    QTest::newRow("delete valid, odd newer") << "delete" << true << 20 << 10;
    QTest::newRow("delete odd, valid older") << "delete" << false << 20 << 10;
    QTest::newRow("delete odd, valid newer") << "delete" << false << 10 << 20;
    QTest::newRow("delete odd alone") << "delete" << false << -1 << 10;
    QTest::newRow("delete valid alone") << "delete" << true << 10 << -1;
    QTest::newRow("rename valid") << "rename" << true << 10 << 20;
    QTest::newRow("rename odd") << "rename" << false << 10 << 20;
    QTest::newRow("rename valid alone") << "rename" << true << 10 << -1;
    QTest::newRow("open valid, odd older") << "open" << true << 10 << 20;
    QTest::newRow("open valid, odd newer") << "open" << true << 20 << 10;
    QTest::newRow("open odd, valid older") << "open" << false << 20 << 10;
    QTest::newRow("open odd, valid newer") << "open" << false << 10 << 20;
    QTest::newRow("open valid alone") << "open" << true << 10 << -1;
}

// A PC's name with a Latin-1 byte reads as the name the replacement
// character gives, which another entry may have. Both are listed; while the
// rows show alike neither is renamed or deleted, and the odd one is never
// acted on: the refusal is the one of a failed change, every byte stays.
// The valid name leads to its own entry: Open shows that one's values.
void TestMeasurementBrowser::namesThatDecodeAlike()
{
    QFETCH(QString, action);
    QFETCH(bool, onValid);
    QFETCH(int, validAge);
    QFETCH(int, oddAge);
    const QByteArray valid = "LE_20260101_101010_Hydrant \xEF\xBF\xBD";
    const QByteArray odd = "LE_20260101_101010_Hydrant \xFC";
    const QString shown = QFile::decodeName(valid);
    QCOMPARE(QFile::decodeName(odd), shown);
    Rig r;
    const auto removable = qScopeGuard([&r, &odd] { StoredEntries::makeRemovable(r.unit.root, odd); });
    const QByteArray named = "[Measurementinfo]\nMeasurementname=Hydrant \xEF\xBF\xBD\n";
    QMap<QByteArray, QByteArray> files = {{"info.ini", named + "[Levels]\nLevel=42\n"}, {"LE_sound.wav", "RIFF valid"}};
    if (validAge >= 0)
        QVERIFY(StoredEntries::addBytes(r.unit.root, valid, files, validAge));
    files = {{"info.ini", named + "[Levels]\nLevel=17\n"}, {"LE_sound.wav", "RIFF odd"}};
    if (oddAge >= 0)
        QVERIFY(StoredEntries::addBytes(r.unit.root, odd, files, oddAge));
    const QByteArray meas = StoredEntries::nativePath(r.unit.root, "");
    const QMap<QByteArray, QByteArray> before = StoredEntries::bytesBelow(meas);
    r.open();
    const QStringList listed = r.column(3);
    const QString count = r.browser->findChild<QLabel*>("labelCount")->text();
    const int rows = (validAge >= 0) + (oddAge >= 0);
    if (rows == 2 && (onValid ? validAge : oddAge) > (onValid ? oddAge : validAge))
        r.key(Qt::Key_Down);
    const bool alone = onValid && rows == 1;
    const bool acts = action == "open" ? onValid : alone;
    const QString selected = r.browser->getSelectedMeasurementDir();

    LogCapture log;
    QString warned;
    ModalWatchdog watchdog;
    const auto warning = [&warned, acts] {
        if (!acts)
            ModalHelper::onModal("MessageDialog", [&warned](QWidget* w) {
                warned = w->findChild<QLabel*>("labelInfotext")->text();
                click(w, "butMiddle");
            });
    };
    QMap<QByteArray, QByteArray> after;
    const char* refusal = nullptr;
    if (action == "open") {
        warning();
        r.key(Qt::Key_Space);
        QCOMPARE(r.w->currentWidgetNumber(), acts ? 1 : 7);
        QCOMPARE(r.browser->getSelectedMeasurementDir(), acts ? shown : QString());
        if (acts)
            QCOMPARE(r.unit.currentPage()->findChild<QLabel*>("labelLevel")->text(), QString("42"));
        after = before;
        refusal = "TheMeasurementCannotBeOpened";
    } else if (action == "delete") {
        ModalHelper::onModal("MeasManagementEdit", [&](QWidget* e) {
            ModalHelper::onModal("MessageDialog", [&](QWidget* m) {
                warning();
                click(m, "butMiddle");  // Yes
            });
            click(e, "butDelete");
        });
        click(r.browser, "butMenuEdit");
        refusal = "TheMeasurementCouldNotBeDeleted";
    } else {
        ModalHelper::onModal("MeasManagementEdit", [&](QWidget* e) {
            ModalHelper::onModal("VirtualKeyboard", [&](QWidget* d) {
                warning();
                static_cast<VirtualKeyboard*>(d)->setText("Hydrant 4");
                static_cast<VirtualKeyboard*>(d)->accept();
            });
            click(e, "butRename");
        });
        click(r.browser, "butMenuEdit");
        const QByteArray renamed = "LE_20260101_101010_Hydrant 4/";
        after = {{renamed, ""}, {renamed + "LE_sound.wav", "RIFF valid"},
                 {renamed + "info.ini", "[Measurementinfo]\nMeasurementname=Hydrant 4\n[Levels]\nLevel=42\n"}};
        refusal = "TheMeasurementCouldNotBeRenamed";
    }
    QCOMPARE(StoredEntries::bytesBelow(meas), acts ? after : before);
    QCOMPARE(warned, acts ? QString() : QCoreApplication::translate("MeasManagement", refusal));
    QCOMPARE(log.contains(onValid ? "another entry's name reads alike" : "not valid in the file-name encoding"), !acts);
    // Every entry is listed and counted; the screens get no name for a row
    // its name does not lead to alone until it is opened.
    QCOMPARE(listed, QVector<QString>(rows, shown.mid(19)).toList());
    QCOMPARE(count, QString("(%1 / 100)").arg(rows));
    QCOMPARE(selected, alone ? shown : QString());
}

QTEST_MAIN(TestMeasurementBrowser)
#include "tst_measurementbrowser.moc"
