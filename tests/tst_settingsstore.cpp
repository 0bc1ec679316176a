// The settings file: defaults, missing parts, text helpers, safe writing.
#include "Hardware/inifile.h"
#include "Management/systemsettings.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "renamefaults.h"
#include "testroot.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

namespace {

QString ini(const TestRoot& t)
{
    return t.path("/home/root/settings.ini");
}

// The files in /home/root besides the unit's identity.
QStringList settingsFiles(const TestRoot& t)
{
    QStringList files = QDir(t.path("/home/root")).entryList(QDir::Files);
    files.removeAll("serialNumber");
    files.removeAll("productionDate");
    return files;
}

QVariant stored(const TestRoot& t, const QString& key)
{
    return QSettings(ini(t), QSettings::IniFormat).value(key);
}

// The defaults a unit must keep running on when the file fails it.
void verifyRunningOnDefaults(Systemsettings& s, int favourite)
{
    QCOMPARE(s.getPowerOffTime(), 3600);
    QCOMPARE(s.getDisplayOffTime(), 600);
    QCOMPARE(s.getBrightness(), 6);
    QCOMPARE(s.getSelectedLanguageNum(), 1);
    QVERIFY(s.isMuteKeySwitchmode());
    QCOMPARE(s.getFavouriteButton(nullptr), favourite);
}

}

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    // A test that fails half-way leaves no rename fault behind.
    void cleanup() { RenameFaults::clear(); }
    void missingFileIsCreatedWithAllDefaults();
    void onlyDialogGroupReadsZeros();
    void missingDialogGroupTakesFlagDefaults();
    void daylightSavingOffsetOnlyForOne();
    void favouriteOutOfRange();
    void setFavouriteRefusesOutOfRange();
    void stringsAreTrimmed();
    void dateFormats();
    void timeTexts();
    void languageAndFavouriteNames();
    void clearPairings();
    void writeReplacesTheFileWhole();
    void unreadableFileIsNeverOverwritten();
    void unwritableFolderRunsOnDefaults();
    void linkIsReadNeverReplaced();
    void resetRestoresDefaults();
    void fullDiskStoreFailsKeepingTheFile_data();
    void fullDiskStoreFailsKeepingTheFile();
    void unusableFileIsSetAside();
    void everyUnusableFileIsKept();
    void storeLeftoversRemovedAtStart();
    void valuesInUseAreClamped();
    void fileWithAByteOrderMarkIsUsed_data();
    void fileWithAByteOrderMarkIsUsed();
    void twoByteOrderMarksAreNotTakenForOne_data();
    void twoByteOrderMarksAreNotTakenForOne();
    void valuesHoldingANulStore_data();
    void valuesHoldingANulStore();
    void judgedAsTheLibraryReadsIt();
    void fileLeftAtStartIsKeptOverTheNextStore_data();
    void fileLeftAtStartIsKeptOverTheNextStore();
    void nextReadIsOfTheFileStored_data();
    void nextReadIsOfTheFileStored();
    void namesHeldByOthersStayOverAStore();
};

void TestSettingsStore::missingFileIsCreatedWithAllDefaults()
{
    TestRoot t;
    LogCapture log;
    QVERIFY(!t.exists("/home/root/settings.ini"));
    g_debugFeatures = 7;
    Systemsettings s;
    QVERIFY(log.contains("File für Systemeinstellungen mit Defaultwerten erzeugen"));
    QVERIFY(t.exists("/home/root/settings.ini"));

    QSettings f(ini(t), QSettings::IniFormat);
    QCOMPARE(f.allKeys().size(), 43);
    QCOMPARE(f.value("Local-Settings/Timezone").toString(), QString("Berlin (+1 h)"));
    QCOMPARE(f.value("Systemsettings/Switchmode").toString(), QString("Switch"));
    QCOMPARE(f.value("Dialogconfiguration/Startup_UseGpsForStartup").toBool(), true);

    QCOMPARE(g_debugFeatures, 0);
    verifyRunningOnDefaults(s, 2);
    QCOMPARE(s.getTimezoneOffset(), 3600);
    QCOMPARE(s.getDaylightSavingTimeOffet(), 0);
    QString text;
    s.getFavouriteButton(&text);
    QCOMPARE(text, QString("LevelMeasurement"));  // no translator loaded
    QCOMPARE(s.getDateTimeSource(), QString("GPS"));
    QCOMPARE(s.getFormatStringDate(), QString("dd.MM.yyyy"));
    QCOMPARE(s.getFormatStringTime(), QString("hh:mm:ss"));
    QVERIFY(!s.isHearingProtectionEnabled());
    QVERIFY(s.isShowFftEnabled());
    QVERIFY(!s.isPLShowFftEnabled());
    QVERIFY(s.isSUUseTouchForStartupEnabled());
}

void TestSettingsStore::onlyDialogGroupReadsZeros()
{
    TestRoot t;
    t.write("/home/root/settings.ini",
            "[Dialogconfiguration]\nLevelMeasurement_ShowFft=false\nH2Sensor_ShowGrid=true\n");
    Systemsettings s;
    QCOMPARE(s.getSelectedLanguageNum(), 0);
    QVERIFY(!s.isMuteKeySwitchmode());
    QString text;
    QCOMPARE(s.getFavouriteButton(&text), 0);
    QCOMPARE(text, QString("Screenshot"));
    QCOMPARE(s.getBrightness(), 6);  // 0 would leave the display dark
    QCOMPARE(s.getPowerOffTime(), 0);
    QCOMPARE(s.getDisplayOffTime(), 0);
    QVERIFY(!s.isHearingProtectionEnabled());
    QVERIFY(!s.isShowFftEnabled());
    QVERIFY(s.isH2ShowGridEnabled());
    QVERIFY(s.isShowFrequencyValueEnabled());  // missing flag: its default
    // Loading writes nothing back.
    QVERIFY(!t.read("/home/root/settings.ini").contains("Bluetooth"));
}

void TestSettingsStore::missingDialogGroupTakesFlagDefaults()
{
    TestRoot t;
    t.write("/home/root/settings.ini", "[Systemsettings]\nBrightness=7\n");
    Systemsettings s;
    QCOMPARE(s.getBrightness(), 7);
    QVERIFY(s.isSUUseGpsForStartupEnabled());
    QVERIFY(!s.isPLShowFftEnabled());
    QVERIFY(s.isPPDynamicScalingEnabled());
    QVERIFY(!s.isH2ShowWorkingRangeEnabled());
}

void TestSettingsStore::daylightSavingOffsetOnlyForOne()
{
    TestRoot t;
    t.write("/home/root/settings.ini", "[Local-Settings]\nDaylightSavingTime=2\n");
    {
        Systemsettings s;
        QCOMPARE(s.getDaylightSavingTimeOffet(), 0);
    }
    // (QSettings caches a file by time stamp and size: make the size differ.)
    t.write("/home/root/settings.ini", "[Local-Settings]\nDaylightSavingTime=1\nLanguage=2\n");
    Systemsettings s;
    QCOMPARE(s.getDaylightSavingTimeOffet(), 3600);
}

void TestSettingsStore::favouriteOutOfRange()
{
    TestRoot t;
    {
        Systemsettings s;
    }
    QSettings(ini(t), QSettings::IniFormat).setValue("Systemsettings/FavouriteButton", 9);
    Systemsettings s;
    QString text;
    QCOMPARE(s.getFavouriteButton(&text), 2);
    QCOMPARE(text, QString("LevelMeasurement"));
    QCOMPARE(s.getFavouriteButton(nullptr), 2);
    // The file keeps 9 until the next store.
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 9);
    s.storeSystemsettings();
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 2);
}

void TestSettingsStore::setFavouriteRefusesOutOfRange()
{
    TestRoot t;
    Systemsettings s;
    const QByteArray before = t.read("/home/root/settings.ini");
    QCOMPARE(s.setFavouriteButton(6), -1);
    QCOMPARE(s.setFavouriteButton(-1), -1);
    QCOMPARE(t.read("/home/root/settings.ini"), before);
    QCOMPARE(s.getFavouriteButton(nullptr), 2);
    QCOMPARE(s.setFavouriteButton(0), 0);
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 0);
}

void TestSettingsStore::stringsAreTrimmed()
{
    TestRoot t;
    {
        Systemsettings s;
    }
    {
        QSettings f(ini(t), QSettings::IniFormat);
        f.setValue("Systemsettings/Switchmode", " Switch ");
        f.setValue("Bluetooth/Microphone_ID", "  00:11:22:33:44:55 ");
    }
    Systemsettings s;
    QVERIFY(!s.isMuteKeySwitchmode());  // the held text is not trimmed
    QCOMPARE(s.getBtIdMicrophone(), QString("00:11:22:33:44:55"));
    s.storeSystemsettings();
    QCOMPARE(stored(t, "Systemsettings/Switchmode").toString(), QString("Switch"));
    s.loadSystemsettings();
    QVERIFY(s.isMuteKeySwitchmode());
}

void TestSettingsStore::dateFormats()
{
    TestRoot t;
    t.write("/home/root/settings.ini", "[Local-Settings]\nDateformat=yyyymmdd\n");
    Systemsettings s;
    QCOMPARE(s.getFormatStringDate(), QString("dd.MM.yyyy"));
    const QList<QPair<QString, int>> formats{
        {"yyyymmdd", -1}, {"DDMMYYYY", 0}, {"YYYYMMDD", 1}, {"MMDDYYYY", 2}, {" MMDDYYYY", -1}};
    for (const auto& f : formats)
        QCOMPARE(s.convertDateFormatToInt(f.first), f.second);
    QCOMPARE(s.convertDateTimeSourceToInt("GPS"), 0);
    QCOMPARE(s.convertDateTimeSourceToInt("MAN"), 1);
    QCOMPARE(s.convertDateTimeSourceToInt("gps"), -1);

    t.write("/home/root/settings.ini", "[Local-Settings]\nDateformat=\" MMDDYYYY \"\n");
    s.loadSystemsettings();
    QCOMPARE(s.getFormatStringDate(), QString("MM/dd/yyyy"));
    t.write("/home/root/settings.ini", "[Local-Settings]\nDateformat=YYYYMMDD\nLanguage=1\n");
    s.loadSystemsettings();
    QCOMPARE(s.getFormatStringDate(), QString("yyyy-MM-dd"));
}

void TestSettingsStore::timeTexts()
{
    TestRoot t;
    Systemsettings s;
    const QList<QPair<int, QString>> texts{{0, "never"},    {59, "59 s"}, {60, "1 min"},
                                           {3599, "59 min"}, {3600, "1 h"}, {86399, "23 h"},
                                           {86400, "---"},   {-1, "---"}};
    for (const auto& x : texts)
        QCOMPARE(s.convertTimeToText(x.first), x.second);
}

void TestSettingsStore::languageAndFavouriteNames()
{
    TestRoot t;
    QTranslator tr;
    QVERIFY(tr.load(":/Languages/GB_VQ4100.qm"));
    QCoreApplication::installTranslator(&tr);
    Systemsettings s;
    const QList<QPair<int, QString>> languages{{1, "English"},  {15, "Slovak"}, {25, "Ukrainian"},
                                               {26, "Greece"},  {0, "English"},  {27, "English"}};
    for (const auto& l : languages)
        QCOMPARE(s.getLanguageName(l.first), l.second);
    QCOMPARE(s.getFavButTextFromNum(3), QString("Long-term measurement"));
    QCOMPARE(s.getFavButTextFromNum(5), QString("Pipe locating"));
    QCOMPARE(s.getFavButTextFromNum(4), QString("H2 sensor"));
    QCOMPARE(s.convertTimeToText(0), QString("never"));
    QCoreApplication::removeTranslator(&tr);
}

void TestSettingsStore::clearPairings()
{
    TestRoot t;
    t.write("/home/root/settings.ini",
            "[Bluetooth]\nHeadphone_ID=aa\nHeadphone_Name=HS\nMicrophone_ID=bb\nMicrophone_Name=TB\n");
    Systemsettings s;
    s.clearBtHeadphone();
    QCOMPARE(stored(t, "Bluetooth/Headphone_ID").toString(), QString());
    QCOMPARE(stored(t, "Bluetooth/Microphone_ID").toString(), QString("bb"));
    s.clearBtMicrophone();
    QCOMPARE(stored(t, "Bluetooth/Microphone_Name").toString(), QString());
    QCOMPARE(s.getBtIdMicrophone(), QString());
}

void TestSettingsStore::writeReplacesTheFileWhole()
{
    // A store goes to a new file that replaces the old one in one rename, so
    // an interrupted store can never leave half a file behind.
    TestRoot t;
    Systemsettings s;
    struct stat before {}, after {};
    QCOMPARE(::stat(QFile::encodeName(ini(t)).constData(), &before), 0);
    s.setFavouriteButton(4);
    QCOMPARE(::stat(QFile::encodeName(ini(t)).constData(), &after), 0);
    QVERIFY(before.st_ino != after.st_ino);
    QSettings f(ini(t), QSettings::IniFormat);
    QCOMPARE(f.allKeys().size(), 43);
    QCOMPARE(f.value("Systemsettings/FavouriteButton").toInt(), 4);
    // No temporary file is left beside it.
    const QStringList left = settingsFiles(t);
    QCOMPARE(left, QStringList({"settings.ini"}));
}

void TestSettingsStore::unreadableFileIsNeverOverwritten()
{
    // A settings.ini that exists but cannot be opened (here: a directory in
    // its place, since tests may run as root) keeps its place; the unit runs
    // on defaults in memory, also when the screen reloads the file (on every
    // visit and language change).
    TestRoot t;
    QVERIFY(QDir().mkpath(ini(t)));
    QFile marker(ini(t) + "/keep");
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    LogCapture log;
    Systemsettings s;
    QVERIFY(!log.contains("mit Defaultwerten erzeugen"));
    QVERIFY(QFileInfo(ini(t)).isDir());
    QVERIFY(QFileInfo::exists(ini(t) + "/keep"));
    verifyRunningOnDefaults(s, 2);
    QCOMPARE(s.setFavouriteButton(3), -2);
    QVERIFY(QFileInfo(ini(t)).isDir());
    QCOMPARE(s.getFavouriteButton(nullptr), 3);
    s.init();
    s.loadSystemsettings();
    verifyRunningOnDefaults(s, 3);
    QVERIFY(QFileInfo(ini(t)).isDir());
}

// A link in place of the file, even to one inside the device: read, but
// never written through nor replaced.
void TestSettingsStore::linkIsReadNeverReplaced()
{
    TestRoot t;
    t.write("/home/root/kept.ini", "[Systemsettings]\nBrightness=7\n");
    QVERIFY(QFile::link(t.path("/home/root/kept.ini"), ini(t)));
    Systemsettings s;
    QCOMPARE(s.getBrightness(), 7);
    QVERIFY(!s.storeSystemsettings());
    QCOMPARE(s.setFavouriteButton(3), -2);
    QVERIFY(QFileInfo(ini(t)).isSymLink());
    QCOMPARE(t.read("/home/root/kept.ini"), QByteArray("[Systemsettings]\nBrightness=7\n"));
}

void TestSettingsStore::unwritableFolderRunsOnDefaults()
{
    // No file and none can be made (here: a plain file where the folder
    // belongs): the defaults stay in use, also when the screen reloads.
    TestRoot t;
    QVERIFY(QDir(t.path("/home/root")).removeRecursively());
    QVERIFY(t.write("/home/root", "not a folder"));
    Systemsettings s;
    s.loadSystemsettings();
    QVERIFY(!QFileInfo::exists(ini(t)));
    verifyRunningOnDefaults(s, 2);
}

void TestSettingsStore::resetRestoresDefaults()
{
    TestRoot t;
    t.write("/home/root/settings.ini",
            "[Systemsettings]\nBrightness=7\nSwitchmode=Push-Button\n[Debug]\nDebugfeatures=1\n"
            "[Dialogconfiguration]\nPipelocating_ShowFft=true\n");
    Systemsettings s;
    QCOMPARE(g_debugFeatures, 1);
    s.resetToDefaultSettings();
    QCOMPARE(g_debugFeatures, 0);
    QCOMPARE(s.getBrightness(), 6);
    QVERIFY(s.isMuteKeySwitchmode());
    QVERIFY(!s.isPLShowFftEnabled());
    QSettings f(ini(t), QSettings::IniFormat);
    QCOMPARE(f.allKeys().size(), 43);
    QCOMPARE(f.value("Debug/Debugfeatures").toInt(), 0);
    QCOMPARE(f.value("Dialogconfiguration/Pipelocating_ShowFft").toBool(), false);
}

void TestSettingsStore::fullDiskStoreFailsKeepingTheFile_data()
{
    QTest::addColumn<int>("room");
    QTest::newRow("full") << 0;
    // The library's lock file fits, the settings do not.
    QTest::newRow("a few bytes left") << 200;
}

void TestSettingsStore::fullDiskStoreFailsKeepingTheFile()
{
    QFETCH(int, room);
    TestRoot t;
    Systemsettings s;
    const QByteArray before = t.read("/home/root/settings.ini");
    {
        FullDisk full(room);
        QVERIFY(!s.storeSystemsettings() && !s.resetToDefaultSettings() && !s.clearBtMicrophone());
        QCOMPARE(s.setFavouriteButton(3), -2);
    }
    QCOMPARE(t.read("/home/root/settings.ini"), before);
    QCOMPARE(settingsFiles(t), QStringList({"settings.ini"}));
}

void TestSettingsStore::unusableFileIsSetAside()
{
    const QList<QByteArray> unusable{QByteArray(), QByteArray("\x7f\x01\xfe=\x00\n\x80", 7),
                                     "[Other]\nLanguage=3\n", "[Systemsettings\nBrightness=7\n",
                                     "[Systemsettings]\nBrightness=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x4X)\n"};
    for (const QByteArray& text : unusable) {
        TestRoot t;
        t.write("/home/root/settings.ini.bad", "an older one");
        t.write("/home/root/settings.ini", text);
        Systemsettings s;
        // The one kept first may hold the unit's settings.
        QCOMPARE(t.read("/home/root/settings.ini.bad"), QByteArray("an older one"));
        QCOMPARE(t.read("/home/root/settings.ini.bad.2"), text);
        QCOMPARE(QSettings(ini(t), QSettings::IniFormat).allKeys().size(), 43);
        verifyRunningOnDefaults(s, 2);
        // Replaced while the unit runs: set aside when the page loads, the
        // values in use stay and the next store writes them.
        QCOMPARE(s.setFavouriteButton(4), 0);
        t.write("/home/root/settings.ini", text);
        s.init();
        QCOMPARE(s.getFavouriteButton(nullptr), 4);
        QVERIFY(!t.exists("/home/root/settings.ini"));
        QCOMPARE(t.read("/home/root/settings.ini.bad.3"), text);
        QCOMPARE(s.setFavouriteButton(5), 0);
        QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 5);
    }
}

// However many come, each unusable file is kept under the next free name,
// and whatever holds a name (a link to nothing too) stays as it is.
void TestSettingsStore::everyUnusableFileIsKept()
{
    TestRoot t;
    QVERIFY(QFile::link("gone.ini", t.path("/home/root/settings.ini.bad")));
    t.write("/home/root/settings.ini.bad.4", "kept by hand");
    QStringList kept;
    for (int n = 1; n <= 11; ++n) {
        t.write("/home/root/settings.ini", "garbage " + QByteArray::number(n));
        Systemsettings s;
        verifyRunningOnDefaults(s, 2);
    }
    QCOMPARE(QFile::symLinkTarget(t.path("/home/root/settings.ini.bad")), t.path("/home/root/gone.ini"));
    QCOMPARE(t.read("/home/root/settings.ini.bad.4"), QByteArray("kept by hand"));
    int next = 1;
    for (int n = 2; n <= 13; ++n) {
        if (n == 4)
            continue;
        QCOMPARE(t.read(QString("/home/root/settings.ini.bad.%1").arg(n)), "garbage " + QByteArray::number(next++));
    }
    QCOMPARE(next, 12);
}

// Only what a store of this program leaves when cut off goes at the next
// start; any other file beside the settings stays as it was.
void TestSettingsStore::storeLeftoversRemovedAtStart()
{
    TestRoot t;
    const QStringList kept{"settings.ini.AbCdEf", "settings.ini.Ab1", "settings.ini.backup", "settings.ini.bad",
                           "settings.ini.before", "settings.ini.new", "settings.ini.part.old", "x.AbCdEf"};
    const QStringList leftovers{"settings.ini.new1", "settings.ini.new12", "settings.ini.new3.part",
                                "settings.ini.part", "settings.ini.part.Ab12Cd"};
    for (const QString& name : kept + leftovers)
        t.write("/home/root/" + name, "[Systemsettings]\nBrightness=7\n; " + name.toUtf8() + "\n");
    Systemsettings s;
    QStringList expected = kept + QStringList{"settings.ini"};
    expected.sort();
    QCOMPARE(settingsFiles(t), expected);
    for (const QString& name : kept)
        QCOMPARE(t.read("/home/root/" + name), "[Systemsettings]\nBrightness=7\n; " + name.toUtf8() + "\n");
}

void TestSettingsStore::valuesInUseAreClamped()
{
    // Key, its text in the file, the value in use and so stored back.
    const QList<std::tuple<QString, QString, int>> rows{
        {"Brightness", "2147483647", 7},       {"Brightness", "4", 5},     {"Brightness", "0", 6},
        {"PowerOffTime", "99999999999999", 3600}, {"PowerOffTime", "-1", 0}, {"PowerOffTime", "7200", 7200},
        {"DisplayOffTime", "45", 600}};
    for (const auto& [key, text, inUse] : rows) {
        TestRoot t;
        t.write("/home/root/settings.ini", QString("[Systemsettings]\n%1=%2\n").arg(key, text).toUtf8());
        Systemsettings s;
        QVERIFY(s.storeSystemsettings());
        const QString row = key + "=" + text + " stored as ";
        QCOMPARE(row + stored(t, "Systemsettings/" + key).toString(), row + QString::number(inUse));
    }
}

void TestSettingsStore::fileWithAByteOrderMarkIsUsed_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CRLF") << QByteArray("\r\n");
}

// As a PC editor saves it "with BOM": every value used, nothing set aside.
void TestSettingsStore::fileWithAByteOrderMarkIsUsed()
{
    QFETCH(QByteArray, lineEnd);
    TestRoot t;
    t.write("/home/root/settings.ini",
            QByteArray("\xEF\xBB\xBF[Bluetooth]\nHeadphone_ID=00:11:22:33:44:55\nMicrophone_Name=TB-9\n"
                       "[Local-Settings]\nLanguage=3\n[Systemsettings]\nBrightness=7\n[Service]\nNote=kept\n")
                .replace("\n", lineEnd));
    Systemsettings s;
    QCOMPARE(s.getBtIdHeadphone(), QString("00:11:22:33:44:55"));
    QCOMPARE(s.getBtNameMicrophone(), QString("TB-9"));
    QCOMPARE(s.getSelectedLanguageNum(), 3);
    QCOMPARE(s.getBrightness(), 7);
    QCOMPARE(settingsFiles(t), QStringList("settings.ini"));
    QVERIFY(s.storeSystemsettings());
    QCOMPARE(stored(t, "Systemsettings/Brightness").toInt(), 7);
    QCOMPARE(stored(t, "Service/Note").toString(), QString("kept"));

    // With no room for the copy that judges the mark, the file is used as
    // it reads and stays where it is.
    TestRoot full;
    const QByteArray text = "\xEF\xBB\xBF[Bluetooth]\nHeadphone_ID=00:11:22:33:44:55\n[Systemsettings]\nBrightness=7\n";
    full.write("/home/root/settings.ini", text);
    FullDisk noRoom;
    Systemsettings used;
    QCOMPARE(used.getBtIdHeadphone(), QString("00:11:22:33:44:55"));
    QCOMPARE(full.read("/home/root/settings.ini"), text);
    QCOMPARE(settingsFiles(full), QStringList("settings.ini"));
}

void TestSettingsStore::twoByteOrderMarksAreNotTakenForOne_data()
{
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray paired("[Bluetooth]\nHeadphone_ID=00:11:22:33:44:55\nMicrophone_ID=66:77:88:99:AA:BB\n"
                            "[Systemsettings]\nBrightness=7\n");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("two marks, LF") << mark + mark + paired;
    QTest::newRow("two marks, CRLF") << QByteArray(mark + mark + paired).replace("\n", "\r\n");
    QTest::newRow("a mark and a broken header") << mark + QByteArray(paired).replace("[Systemsettings]", "[Systemsettings");
}

// The library takes the first mark off but not a second, which hides the
// first section's header: its keys would be read into no section, the unit
// would start unpaired and store the file back so. Such a file is set aside
// whole, as one without marks but with that fault is.
void TestSettingsStore::twoByteOrderMarksAreNotTakenForOne()
{
    QFETCH(QByteArray, text);
    TestRoot t;
    t.write("/home/root/settings.ini", text);
    LogCapture log;
    Systemsettings s;
    QVERIFY(log.contains("Unusable settings file kept as"));
    QCOMPARE(t.read("/home/root/settings.ini.bad"), text);
    verifyRunningOnDefaults(s, 2);
    QVERIFY(s.storeSystemsettings());
    QCOMPARE(t.read("/home/root/settings.ini.bad"), text);
    QCOMPARE(settingsFiles(t), QStringList({"settings.ini", "settings.ini.bad"}));
}

void TestSettingsStore::valuesHoldingANulStore_data()
{
    QTest::addColumn<QByteArray>("nul");
    QTest::newRow("escaped") << QByteArray("\\0");
    QTest::newRow("raw") << QByteArray(1, '\0');
}

// The library writes a text holding a NUL in a form of its own: the store
// must take back what it wrote, a known key's or one it carries over.
void TestSettingsStore::valuesHoldingANulStore()
{
    QFETCH(QByteArray, nul);
    TestRoot t;
    t.write("/home/root/settings.ini", "[Bluetooth]\nHeadphone_Name=a" + nul + "b\n[Service]\nNote=c" + nul
                                           + "d\n[Systemsettings]\nBrightness=7\n");
    Systemsettings s;
    QCOMPARE(s.getBrightness(), 7);
    QCOMPARE(s.getBtNameHeadphone(), QString::fromLatin1("a\0b", 3));
    QVERIFY(s.storeSystemsettings());
    QCOMPARE(s.setFavouriteButton(3), 0);
    QCOMPARE(stored(t, "Service/Note").toString(), QString::fromLatin1("c\0d", 3));
    QCOMPARE(stored(t, "Bluetooth/Headphone_Name").toString(), QString::fromLatin1("a\0b", 3));
    QVERIFY(s.resetToDefaultSettings());
    QVERIFY(s.storeSystemsettings());
    QCOMPARE(stored(t, "Systemsettings/Brightness").toInt(), 6);
    QCOMPARE(settingsFiles(t), QStringList("settings.ini"));
}

// The judge against the library itself, each text in a file of a name the
// library has not read: it sets its status only on its first parse.
void TestSettingsStore::judgedAsTheLibraryReadsIt()
{
    static const char* const pieces[] = {"[", "]", "=", ";", "\"", "\\", "\n", "\r", "\r\n", " ", "\t", "a",
                                         "Sec", "\xEF\xBB\xBF", "k=v\n", "[G]\n", ",", "@", "\n;c\n"};
    const QByteArray mark("\xEF\xBB\xBF");
    QTemporaryDir dir;
    int files = 0;
    const auto libraryParses = [&dir, &files](const QByteArray& text) {
        const QString path = dir.filePath(QString::number(++files));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        f.close();
        bool parses = false;
        {
            QSettings ini(path, QSettings::IniFormat);
            ini.allKeys();
            parses = ini.status() == QSettings::NoError;
        }
        QFile::remove(path);
        return parses;
    };
    QRandomGenerator random(4100);
    int broken = 0;
    for (int round = 0; round < 8000; ++round) {
        QByteArray text = random.bounded(4) == 0 ? mark : QByteArray();
        for (int n = random.bounded(24); n > 0; --n)
            text += pieces[random.bounded(int(std::size(pieces)))];
        // A leading mark alone the store forgives.
        bool parses = libraryParses(text);
        if (!parses && text.startsWith(mark))
            parses = libraryParses(text.mid(mark.size()));
        broken += parses ? 0 : 1;
        if (IniFile::parseProblem(text).ok() != parses)
            QFAIL(qPrintable("judged otherwise than the library reads it: " + text.toPercentEncoding()));
    }
    // Both verdicts were put to the test.
    QVERIFY(broken > 1000 && broken < 7000);
}

void TestSettingsStore::fileLeftAtStartIsKeptOverTheNextStore_data()
{
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray paired("[Bluetooth]\nHeadphone_ID=00:11:22:33:44:55\nMicrophone_ID=66:77:88:99:AA:BB\n"
                            "[Systemsettings]\nBrightness=3\n");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("renameError");  // 0: no room instead
    QTest::newRow("two marks, no room") << mark + mark + paired << 0;
    QTest::newRow("a line it cannot read, no room") << paired + "no equals sign\n" << 0;
    QTest::newRow("two marks, read-only") << mark + mark + paired << int(EROFS);
    QTest::newRow("a line it cannot read, I/O error") << paired + "no equals sign\n" << int(EIO);
}

// An unusable file the start could not set aside (or could not write the
// defaults beside) gets the same verdict at every later load and store: it
// is never written over, and once the fault has gone it is set aside whole.
void TestSettingsStore::fileLeftAtStartIsKeptOverTheNextStore()
{
    QFETCH(QByteArray, text);
    QFETCH(int, renameError);
    TestRoot t;
    t.write("/home/root/settings.ini", text);
    RenameFaults::failingPrefix() = renameError ? "settings.ini.bad" : "";
    RenameFaults::failingError() = renameError;
    auto noRoom = renameError ? nullptr : std::make_unique<FullDisk>();
    Systemsettings s;
    verifyRunningOnDefaults(s, 2);
    for (int store = 0; store < 3; ++store) {
        QVERIFY(!s.storeSystemsettings());
        QCOMPARE(s.setFavouriteButton(3), -2);
        s.init();
        QCOMPARE(s.getBrightness(), 6);
        QCOMPARE(t.read(renameError ? "/home/root/settings.ini" : "/home/root/settings.ini.bad"), text);
    }
    noRoom.reset();
    RenameFaults::clear();
    QVERIFY(s.storeSystemsettings());
    QCOMPARE(t.read("/home/root/settings.ini.bad"), text);
    QCOMPARE(stored(t, "Systemsettings/Brightness").toInt(), 6);
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 3);
    QCOMPARE(settingsFiles(t), QStringList({"settings.ini", "settings.ini.bad"}));
}

void TestSettingsStore::nextReadIsOfTheFileStored_data()
{
    QTest::addColumn<QByteArray>("meanwhile");  // in place of the file parsed
    QTest::newRow("set aside") << QByteArray("[Systemsettings]\nBrightness=@Rect(1 2 3 4)\n");
    QTest::newRow("removed") << QByteArray();
    QTest::newRow("replaced") << QByteArray("same");
}

// The library takes a file of the size and time of one it parsed for that
// one. The clock's tick gives the stored file the time of the file parsed
// before, and the sizes match: the program's next load, and any read in the
// process, still sees what was stored.
void TestSettingsStore::nextReadIsOfTheFileStored()
{
    QFETCH(QByteArray, meanwhile);
    TestRoot t;
    Systemsettings s;
    const timespec tick{1700000000, 250000000};
    const timespec times[2] = {{0, UTIME_OMIT}, tick};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(ini(t)).constData(), times, 0), 0);
    s.loadSystemsettings();
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 2);
    if (meanwhile.isEmpty()) {
        QVERIFY(QFile::remove(ini(t)));
    } else if (meanwhile != "same") {
        t.write("/home/root/settings.ini", meanwhile);
        s.loadSystemsettings();
        QVERIFY(t.exists("/home/root/settings.ini.bad") && !t.exists("/home/root/settings.ini"));
    }
    RenameFaults::timedName() = "settings.ini";
    RenameFaults::timedTo() = tick;
    QCOMPARE(s.setFavouriteButton(5), 0);
    RenameFaults::clear();
    QVERIFY(t.read("/home/root/settings.ini").contains("FavouriteButton=5"));
    s.loadSystemsettings();
    QCOMPARE(s.getFavouriteButton(nullptr), 5);
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 5);
}

// Names a store or its clean-up would use, held by what a store never
// makes (folders, a link, one with a file in it): they stay as they are,
// and the store takes other names.
void TestSettingsStore::namesHeldByOthersStayOverAStore()
{
    TestRoot t;
    t.write("/home/root/outside.txt", "outside");
    t.write("/home/root/settings.ini.part/keep", "kept");
    QVERIFY(QFile::link(t.path("/home/root/outside.txt"), t.path("/home/root/settings.ini.part.AbCdEf")));
    for (int n = 1; n <= 100; ++n)
        QVERIFY(QDir().mkpath(t.path(QString("/home/root/settings.ini.new%1").arg(n))));
    LogCapture log;
    Systemsettings s;
    QCOMPARE(s.setFavouriteButton(4), 0);
    QCOMPARE(s.setFavouriteButton(3), 0);
    QCOMPARE(stored(t, "Systemsettings/FavouriteButton").toInt(), 3);
    QCOMPARE(t.read("/home/root/settings.ini.part/keep"), QByteArray("kept"));
    QCOMPARE(QFile::symLinkTarget(t.path("/home/root/settings.ini.part.AbCdEf")), t.path("/home/root/outside.txt"));
    QCOMPARE(t.read("/home/root/outside.txt"), QByteArray("outside"));
    QCOMPARE(QDir(t.path("/home/root")).entryList({"settings.ini.new*"}, QDir::Dirs).size(), 100);
    QCOMPARE(settingsFiles(t), QStringList({"outside.txt", "settings.ini", "settings.ini.part.AbCdEf"}));
    QVERIFY(!log.contains("leftover removed"));
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
