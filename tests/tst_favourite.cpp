// The favourite key's functions: storing the screen in use, opening the
// favourite screen without touching the menu stack, screenshots and their
// numbering, and the favourite screen at start-up.
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Mainmenu/pipelocating.h"
#include "Tools/favouritebutton.h"
#include "Tools/messagedialog.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "popupcloser.h"
#include "testunit.h"

#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QtTest>
#include <memory>
#include <unistd.h>

namespace {

const QString kShots = "/media/vq4100/screenshots/";

QStringList shots(const TestUnit& unit)
{
    return QDir(unit.root.path(kShots)).entryList({"pic_*.png"}, QDir::Files, QDir::Name);
}

// Whether this process can still create a file in the folder.
bool writable(const QString& dir)
{
    QFile probe(dir + "/.probe");
    const bool ok = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return ok;
}

// Makes the folder read-only, also for root (immutable) where possible.
bool makeReadOnly(const QString& dir)
{
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    if (writable(dir))
        QProcess::execute("chattr", {"+i", dir});
    return !writable(dir);
}

void makeWritable(const QString& dir)
{
    if (geteuid() == 0)
        QProcess::execute("chattr", {"-i", dir});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Records the booted-to-favourite flag whenever a screen mutes in its init.
QList<bool> g_bootedWhileMuting;
QtMessageHandler g_previous = nullptr;
void bootedRecorder(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg == "Audiopath: MUTED" && MainMenu::getInstanceMainMenu())
        g_bootedWhileMuting << MainMenu::getInstanceMainMenu()->isBootedToFavouriteFunction();
    if (g_previous)
        g_previous(type, ctx, msg);
}

}

class TestFavourite : public QObject
{
    Q_OBJECT
private slots:
    void storeWritesScreenInUse();
    void execOpensWithoutTouchingTheStack_data();
    void execOpensWithoutTouchingTheStack();
    void screenshotsAreNumbered();
    void screenshotsContinueAfterExistingFiles();
    void screenshotNotStored_data();
    void screenshotNotStored();
    void screenshotShowsDialogOverMainWindow();
    void startupFavourite();
    void startupFavouriteNeverAScreenshot_data();
    void startupFavouriteNeverAScreenshot();
};

void TestFavourite::storeWritesScreenInUse()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", 0);
    MainMenu* w = unit.start();
    PopupCloser popups;
    LogCapture log;
    FavouriteButton* fav = w->getFavouriteButtonInsance();
    QCOMPARE(fav->storeFavouriteFunction(), 0);
    QVERIFY(unit.root.read("/home/root/settings.ini").contains("FavouriteButton=2"));
    QVERIFY(log.contains("New Favourite-Button fuction stored"));
    QVERIFY(log.contains("Popup closed 1"));
    QCOMPARE(popups.closed(), 1);

    // The pressure screen stores pipe locating.
    w->displayWidget(11, 1, 0);
    fav->storeFavouriteFunction();
    QVERIFY(unit.root.read("/home/root/settings.ini").contains("FavouriteButton=5"));
    w->displayWidget(0, 0, 0);
    fav->execFavouriteFunction();
    QVERIFY(qobject_cast<Pipelocating*>(unit.currentPage()));

    // On a full disk: the warning instead of the pop-up, the file as it was.
    const QByteArray before = unit.root.read("/home/root/settings.ini");
    QString warning;
    ModalHelper::onNextModal([&warning](QWidget* d) {
        warning = d->findChild<QLabel*>("labelInfotext")->text();
        static_cast<QDialog*>(d)->reject();
    });
    w->displayWidget(3, 1, 0);
    // Room for the library's lock file, not for the settings.
    FullDisk full(200);
    fav->storeFavouriteFunction();
    QCOMPARE(warning, QString("The settings could not be stored."));
    QCOMPARE(popups.closed(), 2);
    QCOMPARE(unit.root.read("/home/root/settings.ini"), before);
}

void TestFavourite::execOpensWithoutTouchingTheStack_data()
{
    QTest::addColumn<int>("favourite");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("1") << 1 << "Pinpointing" << "Open Dialog Pinpointing";
    QTest::newRow("2") << 2 << "Levelmeasurement" << "Open Dialog Levelmeasurement";
    QTest::newRow("3") << 3 << "Longtermmeasurement" << "Open Dialog Longterm-Measurement";
    QTest::newRow("4") << 4 << "H2Sensor" << "Open Dialog H2-Sensor";
    QTest::newRow("5") << 5 << "Pipelocating" << "Open Dialog Pipelocating";
    QTest::newRow("stored 9 is 2") << 9 << "Levelmeasurement" << "Open Dialog Levelmeasurement";
}

void TestFavourite::execOpensWithoutTouchingTheStack()
{
    QFETCH(int, favourite);
    QFETCH(QString, screen);
    QFETCH(QString, logLine);
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", favourite);
    MainMenu* w = unit.start();
    w->displayWidget(4, 1, 0);
    w->displayWidget(5, 1, 0);
    const QVector<int> before = unit.menuStack();
    LogCapture log;
    if (favourite == 4)
        ModalHelper::closeNextModal();  // no H2 sensor reported
    QCOMPARE(w->getFavouriteButtonInsance()->execFavouriteFunction(), 0);
    QCOMPARE(QString(unit.currentPage()->metaObject()->className()), screen);
    QCOMPARE(unit.menuStack(), before);
    QCOMPARE(log.count(logLine), 1);
    QVERIFY(!log.contains("Screenshot"));
}

void TestFavourite::screenshotsAreNumbered()
{
    TestUnit unit;
    unit.setSetting("Systemsettings/FavouriteButton", 0);
    MainMenu* w = unit.start();
    PopupCloser popups;
    LogCapture log;
    FavouriteButton* fav = w->getFavouriteButtonInsance();
    fav->execFavouriteFunction();
    fav->execFavouriteFunction();
    QCOMPARE(shots(unit), QStringList({"pic_000.png", "pic_001.png"}));
    QCOMPARE(log.count("Generate Screenshot"), 2);
    QVERIFY(log.contains("Screenshot finished true \"/media/vq4100/screenshots/pic_001.png\""));
    QCOMPARE(popups.closed(), 2);
    QCOMPARE(unit.currentPage(), unit.mainPage());
}

void TestFavourite::screenshotsContinueAfterExistingFiles()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    PopupCloser popups;
    for (const char* name : {"pic_004.png", "pic_002.png", "pic_abc.png", "Pic_010.png",
                             "pic_7.jpg", "notes.txt", "pic_012.png.bak"})
        unit.root.write(kShots + name, "x");
    unit.root.write(kShots + "pic_099.png/inside", "x");  // a folder, not a file
    FavouriteButton* fav = w->getFavouriteButtonInsance();
    fav->generateScreenshot();
    QVERIFY(QImage(unit.root.path(kShots + "pic_005.png")).size() == QSize(480, 272));
    QCOMPARE(fav->screenshotCounter(), 6);

    // After the first save the counter runs on by itself.
    unit.root.write(kShots + "pic_050.png", "x");
    fav->generateScreenshot();
    QVERIFY(unit.root.exists(kShots + "pic_006.png"));
    // From 1000 on the name simply grows.
    unit.root.write(kShots + "pic_999.png", "x");
    FavouriteButton other;
    other.generateScreenshot();
    QVERIFY(unit.root.exists(kShots + "pic_1000.png"));
}

void TestFavourite::screenshotNotStored_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("folder is a file") << "file";
    QTest::newRow("folder read-only") << "read-only";
    QTest::newRow("storage full") << "full";
}

void TestFavourite::screenshotNotStored()
{
    QFETCH(QString, fault);
    TestUnit unit;
    MainMenu* w = unit.start();
    PopupCloser popups;
    LogCapture log;
    const QString dir = unit.root.path(kShots);
    std::unique_ptr<FullDisk> full;
    if (fault == "file") {
        unit.root.write("/media/vq4100/screenshots", "not a folder");
    } else if (fault == "read-only") {
        QDir().mkpath(dir);
        if (!makeReadOnly(dir)) {
            makeWritable(dir);
            QSKIP("cannot make a folder read-only for this user");
        }
    } else {
        full.reset(new FullDisk(1000));
    }
    QString warning;
    ModalHelper::onNextModal([&](QWidget* modal) {
        warning = modal->findChild<QLabel*>("labelInfotext")->text();
        modal->close();
    });
    FavouriteButton* fav = w->getFavouriteButtonInsance();
    fav->generateScreenshot();
    full.reset();
    if (fault == "read-only")
        makeWritable(dir);
    QCOMPARE(warning, QString("The screenshot could not be stored."));
    QCOMPARE(popups.closed(), 0);
    QCOMPARE(fav->screenshotCounter(), 0);
    QVERIFY(log.contains("Screenshot finished false \"/media/vq4100/screenshots/pic_000.png\""));
    // Nothing is left of it, not even a part.
    if (fault != "file")
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList());

    unit.root.remove("/media/vq4100/screenshots");
    fav->generateScreenshot();
    QCOMPARE(shots(unit), QStringList{"pic_000.png"});
    QCOMPARE(popups.closed(), 1);
}

void TestFavourite::screenshotShowsDialogOverMainWindow()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QImage plain = FavouriteButton::grabScreen().toImage();
    QCOMPARE(plain.size(), QSize(480, 272));
    QCOMPARE(plain, w->grab().toImage().convertToFormat(plain.format()));

    MessageDialog dialog(w);
    dialog.setDialogType(0);
    dialog.setInfotext("Screenshot over a dialog");
    QImage withDialog;
    QImage dialogAlone;
    QPoint at;
    ModalHelper::onNextModal([&](QWidget* modal) {
        withDialog = FavouriteButton::grabScreen().toImage();
        dialogAlone = modal->grab().toImage();
        at = modal->mapToGlobal(QPoint(0, 0)) - w->mapToGlobal(QPoint(0, 0));
        modal->close();
    });
    dialog.exec();
    QCOMPARE(withDialog.size(), QSize(480, 272));
    QVERIFY(withDialog != plain);
    const QPoint centre(dialogAlone.width() / 2, dialogAlone.height() / 2);
    QCOMPARE(withDialog.pixel(at + centre), dialogAlone.pixel(centre));
}

void TestFavourite::startupFavourite()
{
    TestUnit unit;
    unit.setSetting("Dialogconfiguration/Startup_UseFavouriteForStartup", true);
    unit.setSetting("Systemsettings/FavouriteButton", 3);
    g_bootedWhileMuting.clear();
    g_previous = qInstallMessageHandler(bootedRecorder);
    MainMenu* w = unit.start();
    qInstallMessageHandler(g_previous);
    QVERIFY(qobject_cast<Longtermmeasurement*>(unit.currentPage()));
    QCOMPARE(w->menuLevel(), 0);
    // The codec's first mute at start-up; then, in the screen's init, the
    // codec's set-up and the screen's own, both before the flag is reset.
    QCOMPARE(g_bootedWhileMuting, QList<bool>({false, true, true}));
    QVERIFY(!w->isBootedToFavouriteFunction());
}

void TestFavourite::startupFavouriteNeverAScreenshot_data()
{
    QTest::addColumn<int>("favourite");
    QTest::addColumn<bool>("useAtStart");
    QTest::addColumn<bool>("levelOpens");
    QTest::newRow("0") << 0 << true << false;
    QTest::newRow("9 is 2") << 9 << true << true;
    QTest::newRow("setting off") << 1 << false << false;
}

void TestFavourite::startupFavouriteNeverAScreenshot()
{
    QFETCH(int, favourite);
    QFETCH(bool, useAtStart);
    QFETCH(bool, levelOpens);
    TestUnit unit;
    unit.setSetting("Dialogconfiguration/Startup_UseFavouriteForStartup", useAtStart);
    unit.setSetting("Systemsettings/FavouriteButton", favourite);
    LogCapture log;
    MainMenu* w = unit.start();
    if (levelOpens)
        QVERIFY(qobject_cast<Levelmeasurement*>(unit.currentPage()));
    else
        QCOMPARE(unit.currentPage(), unit.mainPage());
    // (The settings screen logs the favourite's name, "Screenshot" among them.)
    QVERIFY(!log.contains("Generate Screenshot"));
    QVERIFY(!log.contains("Screenshot finished"));
    QVERIFY(!unit.root.exists(kShots));
    QVERIFY(!w->isBootedToFavouriteFunction());
}

QTEST_MAIN(TestFavourite)
#include "tst_favourite.moc"
