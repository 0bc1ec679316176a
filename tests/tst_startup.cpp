// What the start leaves for later: the sound devices are chosen only after
// the main window's first paint; the GPS monitor and the language dialog
// are made when first used; icons are decoded when first drawn, each file
// once, through the icon engine the program carries as a plugin; the main
// page's pressed images still show while a button is down.
#include "Audio/audioworker.h"
#include "Management/gpsmonitor.h"
#include "Management/languageselect.h"
#include "Management/systemsettings.h"
#include "Tools/firstpaint.h"
#include "Tools/lazyiconengine.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "screennumbers.h"
#include "paintcounter.h"
#include "testunit.h"

#include <QDataStream>
#include <QIconEnginePlugin>
#include <QPluginLoader>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kFlag = ":/Resources/Icons/Management/Flags/German.png";

// The engine that made the icon: a stream of an icon begins with its key.
QString engineKey(const QIcon& icon)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << icon;
    QDataStream in(bytes);
    QString key;
    in >> key;
    return key;
}

// A point in the upper part of both images (the text is at the bottom)
// where the two differ and neither is transparent.
QPoint pointWhereTheyDiffer(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height() / 2; ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && qAlpha(a.pixel(x, y)) == 255
                && qAlpha(b.pixel(x, y)) == 255)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

// An icon of the file on its own engine (an icon with an empty engine drops
// it at the first file).
LazyIconEngine* lazyIcon(const QString& file, QIcon* icon)
{
    auto* engine = new LazyIconEngine;
    engine->addFile(file, QSize(), QIcon::Normal, QIcon::Off);
    *icon = QIcon(engine);
    return engine;
}

void roundTripToRecorder(AudioWorker* w)
{
    BackgroundRecording* rec = w->recorder();
    QMetaObject::invokeMethod(rec, [] {}, Qt::BlockingQueuedConnection);
}

}

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    // First: the process-wide recorder has not been asked for anything yet.
    void soundDevicesChosenAfterFirstPaint();
    void pagesNotShownAreMadeOnFirstUse();
    void firstPaintCallsOnce();
    void iconDecodedWhenFirstDrawn();
    void iconFilesDecodedOnceForAllIcons();
    void missingIconFileIsNull();
    void pluginServesPngIcons();
    void mainButtonsShowPressedImage();
};

void TestStartup::soundDevicesChosenAfterFirstPaint()
{
    LogCapture log;
    TestUnit unit;
    MainMenu* window = unit.start();
    AudioWorker* audio = Audioworker();
    roundTripToRecorder(audio);
    QVERIFY(!audio->isChoosingDevices());
    QVERIFY(!log.contains("BackgroundRecording::init"));

    PaintCounter painted;
    window->installEventFilter(&painted);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(painted.paints > 0);
    QTRY_VERIFY(audio->isChoosingDevices() || audio->recorder()->devicesChosen());
    // The choice runs at idle priority, as long as a loaded machine makes it:
    // waited for behind it, not by the clock.
    roundTripToRecorder(audio);
    QVERIFY(log.containsFrom("DefaultInputDevice", audio->recorder()->thread()));
    QVERIFY(!audio->isChoosingDevices());
    // The lines of the choice come after those of the start.
    const QStringList lines = log.lines();
    int lastStart = -1, init = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains("=== INIT AUDIOCODEC ==="))
            lastStart = i;
        if (lines.at(i).contains("BackgroundRecording::init"))
            init = i;
    }
    QVERIFY(lastStart >= 0);
    QVERIFY(init > lastStart);
}

void TestStartup::pagesNotShownAreMadeOnFirstUse()
{
    TestUnit unit;
    MainMenu* window = unit.start();
    QVERIFY(!window->findChild<GpsMonitor*>());
    QVERIFY(!window->findChild<LanguageSelect*>());

    window->displayWidget(Screen::GpsMonitor, Screen::LevelDown, Screen::Live);
    QVERIFY(qobject_cast<GpsMonitor*>(unit.currentPage()));
    auto* settings = window->getInstanceSystemsettings();
    LanguageSelect* dialog = settings->languageDialog();
    QVERIFY(dialog);
    QCOMPARE(settings->languageDialog(), dialog);
}

void TestStartup::firstPaintCallsOnce()
{
    QWidget widget;
    widget.resize(40, 30);
    int calls = 0;
    FirstPaint::then(&widget, [&calls] { ++calls; });
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_COMPARE(calls, 1);
    widget.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(calls, 1);
}

void TestStartup::iconDecodedWhenFirstDrawn()
{
    QIcon icon;
    LazyIconEngine* engine = lazyIcon(kFlag, &icon);
    // A button measures itself long before it is drawn.
    QPushButton button;
    button.setIcon(icon);
    button.sizeHint();
    QVERIFY(!icon.isNull());
    QVERIFY(!engine->isDecoded());

    const QImage expected(kFlag);
    const QPixmap drawn = icon.pixmap(expected.size());
    QVERIFY(engine->isDecoded());
    QCOMPARE(drawn.size(), expected.size());
    QCOMPARE(drawn.toImage().convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(icon.actualSize(QSize(1000, 1000)), expected.size());
    QCOMPARE(icon.availableSizes(), QList<QSize>{expected.size()});
}

void TestStartup::iconFilesDecodedOnceForAllIcons()
{
    QIcon first, second;
    lazyIcon(kFlag, &first);
    lazyIcon(kFlag, &second);
    const QSize size = first.actualSize(QSize(1000, 1000));
    // One decoded image behind both.
    QCOMPARE(second.pixmap(size).cacheKey(), first.pixmap(size).cacheKey());
}

void TestStartup::missingIconFileIsNull()
{
    QIcon icon;
    lazyIcon(":/Resources/Icons/none.png", &icon);
    QVERIFY(icon.isNull());
    QVERIFY(icon.pixmap(20).isNull());
    QVERIFY(icon.availableSizes().isEmpty());
}

void TestStartup::pluginServesPngIcons()
{
    QPluginLoader loader(QStringLiteral(VQ_LAZYICONS_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    QCOMPARE(loader.metaData().value("MetaData").toObject().value("Keys").toArray(),
             QJsonArray{"png"});
    auto* plugin = qobject_cast<QIconEnginePlugin*>(loader.instance());
    QVERIFY(plugin);
    QScopedPointer<QIconEngine> engine(plugin->create(kFlag));
    QCOMPARE(engine->key(), QString("LazyIconEngine"));

    // Found where the program looks for it: "iconengines/" beside it.
    QCoreApplication::addLibraryPath(QFileInfo(QStringLiteral(VQ_LAZYICONS_PLUGIN)).path() + "/..");
    QCOMPARE(engineKey(QIcon(kFlag)), QString("LazyIconEngine"));
}

void TestStartup::mainButtonsShowPressedImage()
{
    TestUnit unit;
    MainMenu* window = unit.start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QList<QPair<const char*, QString>> buttons = {
        {"butPinpointing", "Pinpointing"}, {"butLevelmeasurement", "Levelmeasurement"},
        {"butLongtermmeasurement", "Longtermmeasurement"}, {"butH2Sensor", "H2_Sensor"},
        {"butPipelocating", "Pipelocating"}, {"butManagement", "Wrench"}};
    for (const auto& [name, image] : buttons) {
        auto* button = window->findChild<QPushButton*>(name);
        QVERIFY2(button, name);
        const QImage normal(":/Resources/Icons/Mainmenu/" + image + "_ws.png");
        const QImage pressed(":/Resources/Icons/Mainmenu/" + image + "_sw.png");
        const QPoint p = pointWhereTheyDiffer(normal, pressed);
        QVERIFY2(p.x() >= 0, name);
        for (bool focused : {false, true}) {
            if (focused)
                button->setFocus();
            else
                window->setFocus();
            button->setDown(false);
            QCOMPARE(button->grab().toImage().pixel(p), normal.pixel(p));
            button->setDown(true);
            QCOMPARE(button->grab().toImage().pixel(p), pressed.pixel(p));
            button->setDown(false);
        }
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
