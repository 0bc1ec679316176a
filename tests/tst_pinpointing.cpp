// The pinpointing screen: its series of points as tables, then the screen on
// a unit, with levels fed to the ADC worker and sound to the recorder.
#include "Audio/analoginputworker.h"
#include "Audio/audioworker.h"
#include "Hardware/fileresult.h"
#include "Hardware/gps.h"
#include "Mainmenu/pinpointing.h"
#include "Tools/measurements.h"
#include "Tools/virtualkeyboard.h"
#include "eventhandler.h"
#include "filtersymbol.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "recorderfeed.h"
#include "recordingcodecmixer.h"
#include "signalgenerator.h"
#include "testunit.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

using Series = PinpointingSeries;
const QString kTemp = "/home/root/meas/wav_temp/";

struct Rig {
    Rig()
    {
        w = unit.start();
        unit.sink()->rfcomm = true; // no link warning
        w->displayWidget(Screen::Pinpointing, Screen::LevelDown, Screen::Live);
        pp = qobject_cast<Pinpointing*>(unit.currentPage());
        // Levels come only from the blocks fed here.
        Analoginputworker()->stopCapture();
    }
    // Listens at a point: its noise level to the ADC worker, `sound` to the recorder.
    void point(double noiseDb, const QByteArray& sound, bool valid = true, bool close = true)
    {
        pp->muteAudioPath(false, true);
        feedRecorder(Audioworker(), sound);
        SignalParams p;
        p.noiseDb = noiseDb;
        p.toneOn = false;
        adc.setParams(p);
        if (valid) {
            Analoginputworker()->analyseBlock(adc.generatePcm16(AnalogInputWorker::kSamples));
            QMetaObject::invokeMethod(pp, "updateLevel");
        }
        if (close)
            pp->muteAudioPath(true, true);
    }
    void click(const char* button) { pp->findChild<QPushButton*>(button)->click(); }
    void openStored(const QString& dir) { unit.openStoredView(Screen::Pinpointing, dir); }
    QString text(const char* label) const { return pp->findChild<QLabel*>(label)->text(); }
    // The points' bars as "value" (hidden "-"), 1..10.
    QStringList bars() const
    {
        QStringList shown;
        for (int i = 1; i <= 10; ++i) {
            auto* bar = pp->findChild<QProgressBar*>(QString("progBarMin%1").arg(i));
            shown << (bar->isVisibleTo(pp) ? QString::number(bar->value()) : "-");
        }
        return shown;
    }
    QByteArray wav(int point) const { return unit.root.read(kTemp + QString("PP_Sound_%1.wav").arg(point)); }
    bool running() const
    {
        for (QTimer* t : pp->findChildren<QTimer*>(QRegularExpression("^timer")))
            if (t->isActive())
                return true;
        return false;
    }
    TestUnit unit;
    MainMenu* w;
    Pinpointing* pp;
    SignalGenerator adc{7670};
};

QByteArray sound(int point)
{
    return QByteArray(3200, char(point));
}

// What the recording thread was asked has been done.
void waitForRecorder()
{
    QMetaObject::invokeMethod(Audioworker()->recorder(), [] {}, Qt::BlockingQueuedConnection);
}

}

class TestPinpointing : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeasurementFrame::setMenuDialogRunner(nullptr); }
    void leakSearch();
    void scale();
    void series();
    void listening();
    void elevenPoints();
    void saving();
    void pointWithoutSound_data();
    void pointWithoutSound();
    void picturesExist();
    void storedSeries();
    void storedFiles();
};

void TestPinpointing::leakSearch()
{
    struct Case {
        QVector<float> minima; // points 1..
        int count;
        int leak;
        float level;
    };
    const Case cases[] = {{{30, 50, 50, 20}, 4, 2, 50}, // ties: the lower number
                          {{30, 50, 60}, 2, 2, 50},     // beyond count: not searched
                          {{0, 0, 0}, 3, -1, 0},
                          {{40}, 0, -1, 0}};
    for (const Case& c : cases) {
        float minima[Series::kSize] = {};
        int frequencies[Series::kSize] = {};
        for (int i = 0; i < c.minima.size(); ++i) {
            minima[i + 1] = c.minima[i];
            frequencies[i + 1] = 100 * (i + 1);
        }
        float level = -1;
        int frequency = -1;
        QCOMPARE(Series::leakSearch(minima, frequencies, c.count, &level, &frequency), c.leak);
        QCOMPARE(level, c.level);
        QCOMPARE(frequency, c.leak > 0 ? 100 * c.leak : 0);
    }
}

void TestPinpointing::scale()
{
    struct Case {
        int mode;
        QVector<float> minima;
        int shownMode;
        float bottom, top;
    };
    const Case cases[] = {{0, {40, 60}, 0, 0, 100},     {1, {40, 40.5f}, 1, 0, 100},
                          {2, {40, 40.5f}, 2, 0, 100},  {1, {0, 0}, 1, 0, 100},
                          {1, {40, 45}, 1, 36, 50},     {1, {40, 60}, 1, 36, 64},
                          {1, {2, 98}, 1, 0, 100},      {2, {40, 60}, 2, 39, 61},
                          {2, {0.5f, 99.5f}, 2, 0, 100}, {7, {40, 60}, 0, 0, 100}};
    for (const Case& c : cases) {
        float minima[Series::kSize] = {};
        std::copy(c.minima.begin(), c.minima.end(), minima + 1);
        const Series::Range r = Series::scaleRange(c.mode, minima);
        QCOMPARE(r.mode, c.shownMode);
        QCOMPARE(r.bottom, c.bottom);
        QCOMPARE(r.top, c.top);
    }
    QString modes;
    for (bool dynamic : {true, false})
        for (int mode : {0, 1, 2, 9})
            modes += QString::number(Series::nextScaleMode(mode, dynamic));
    QCOMPARE(modes, QString("12112000"));
}

void TestPinpointing::series()
{
    // A minimum of 99 or more becomes the level; a level below 1 dB is no reading.
    Series s;
    QVERIFY(!s.closePoint());
    s.beginPoint();
    QVERIFY(s.tick({0.5f, 80, 90, 99.5f, 300, 200, 1, 2}, true, false));
    QCOMPARE(s.minimum(1), 80.0f);
    QCOMPARE(s.frequency(1), 200);
    QVERIFY(!s.tick({0.5f, 70, 0.5f, 60, 300, 100, 1, 2}, true, false));
    QVERIFY(s.tick({0.5f, 70, 80, 60, 300, 100, 1, 2}, false, false));
    QCOMPARE(s.minimum(1), 80.0f);
    QVERIFY(s.closePoint());

    // An empty point is dropped; the eleventh shifts the series.
    s.beginPoint();
    QVERIFY(!s.closePoint());
    QCOMPARE(s.currentStep(), 1);
    for (int n = 2; n <= 11; ++n) {
        QCOMPARE(s.beginPoint(), n == 11);
        s.tick({0.5f, 50, 60, float(n), 300, 10 * n, 0, 0}, true, true);
        QCOMPARE(s.level(s.currentStep()), 1000.0f); // linear: raw x 2000
    }
    QCOMPARE(s.currentStep(), 10);
    QCOMPARE(s.minimum(1), 2.0f);
    QCOMPARE(s.frequency(10), 110);

    MeasInfoStructure info;
    s.fill(&info);
    QCOMPARE(info.level[9], 10.0f);
    QVERIFY(s.deleteLast());
    QVERIFY(s.isEmpty(10));
    QCOMPARE(s.currentStep(), 9);
}

void TestPinpointing::listening()
{
    // Listening, then muted before a valid tick: no point, no recording;
    // Delete last does nothing while listening.
    Rig r;
    r.point(-50, sound(1), false);
    QCOMPARE(r.pp->points().currentStep(), 0);
    QVERIFY(!r.unit.root.exists(kTemp + "PP_Sound_1.wav"));
    r.point(-50, sound(1));
    r.pp->muteAudioPath(false, true);
    r.click("butMenuDeleteLast");
    QCOMPARE(r.pp->points().currentStep(), 2);
}

void TestPinpointing::elevenPoints()
{
    Rig r;
    QVector<float> minima;
    for (int n = 1; n <= 11; ++n) {
        r.point(-70 + 2 * n, sound(n));
        minima << r.pp->points().minimum(r.pp->points().currentStep());
        // Whole when the mute returns.
        const QByteArray wav = r.wav(qMin(n, 10));
        QCOMPARE(wav.mid(44), sound(n));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(sound(n).size()));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(16000));
    }
    QCOMPARE(r.pp->points().currentStep(), 10);
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(r.wav(i).mid(44), sound(i + 1));
        QCOMPARE(r.pp->points().minimum(i), minima[i]);
    }
    QVERIFY(r.pp->findChild<QLabel*>("labelMicrophone")->isHidden());
    QVERIFY(!r.pp->findChild<QLabel*>("labelWaterdrop")->isHidden());
    QCOMPARE(r.pp->findChild<QLabel*>("labelWaterdrop")->x(), 42 * 9 + 8);
}

void TestPinpointing::saving()
{
    // Accepted, rejected, and the IO key over the keyboard.
    for (const QString way : {"accept", "reject", "io"}) {
        Rig r;
        EventHandler keys;
        qApp->installEventFilter(&keys);
        r.w->getGpsInstance()->setPosition(51.5, 7.25);
        r.point(-40, sound(1));
        r.point(-30, sound(2));
        r.point(-60, sound(3), true, false); // Save closes this point first
        ModalHelper::onNextModal([&way](QWidget* dialog) {
            if (way == "io") {
                QTest::keyPress(dialog, Qt::Key_F1);
                QTest::keyRelease(dialog, Qt::Key_F1);
                return;
            }
            auto* keyboard = qobject_cast<VirtualKeyboard*>(dialog);
            keyboard->setText("Hydrant 3");
            way == "accept" ? keyboard->accept() : keyboard->reject();
        });
        LogCapture log;
        r.click("butMenuSave");
        const QStringList saved =
            QDir(r.unit.root.path("/media/vq4100/meas")).entryList({"PP_*_Hydrant 3"}, QDir::Dirs);
        QCOMPARE(saved.size(), way == "accept" ? 1 : 0);
        QCOMPARE(r.pp->points().currentStep(), 3);
        if (way == "io") {
            QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
            QVERIFY(!r.running());
            log.clear();
            emit r.unit.sink()->stateActiveMuteChanged(false);
            QVERIFY(!log.contains("NOT MUTED"));
        }
        if (saved.isEmpty())
            continue;
        const QString dir = "/media/vq4100/meas/" + saved[0] + "/";
        QSettings info(r.unit.root.path(dir + "info.ini"), QSettings::IniFormat);
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(info.value(QString("Levels/Level_%1").arg(i)).toString(),
                     QString::number(double(r.pp->points().minimum(i)), 'f', 3));
            QCOMPARE(info.value(QString("Levels/Frequency_%1").arg(i)).toInt(),
                     r.pp->points().frequency(i));
            QVERIFY(info.contains(QString("GPS-Positions/GPS-Position_%1").arg(i)));
            const QByteArray copy = r.unit.root.read(dir + QString("PP_Sound_%1.wav").arg(i));
            QCOMPARE(copy, i <= 3 ? r.wav(i) : QByteArray());
        }
        QVERIFY(info.value("GPS-Positions/GPS-Position_1").toString().contains("51.5"));
    }
}

void TestPinpointing::pointWithoutSound_data()
{
    QTest::addColumn<QString>("trouble"); // at point `at`: "full" disk, "stale", "link"
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("failed");  // the points logged without sound as it happens
    QTest::addColumn<QString>("saved");   // the points logged without sound at the save
    QTest::addColumn<QString>("sounds");  // the recordings in the entry
    QTest::newRow("disk full") << "full" << 2 << 3 << "2" << "2" << "1 3";
    // The failed point moves with the series; the new point 10 has its sound.
    QTest::newRow("eleventh point") << "full" << 4 << 11 << "4" << "3" << "1 2 4 5 6 7 8 9 10";
    // Point 2's deleted recording is left where the new one could not go: it
    // is not the new point's sound.
    QTest::newRow("stale after delete last") << "stale" << 2 << 3 << "2" << "2" << "1 3";
    // None follows its point; the new one cannot be stored either.
    QTest::newRow("folder a link at the shift") << "link" << 11 << 11 << "1 2 3 4 5 6 7 8 9 10"
                                                << "1 2 3 4 5 6 7 8 9 10" << "";
}

// A point whose recording could not be stored, or was not moved with it:
// named in the log when that happens and at the save, which stores the
// rest and warns as the level screen's does.
void TestPinpointing::pointWithoutSound()
{
    QFETCH(QString, trouble);
    QFETCH(int, at);
    QFETCH(int, points);
    Rig r;
    // The recording folder becomes a link to another one of the unit: what
    // is there can be read, nothing written or removed through it.
    const auto linkFolder = [&r] {
        const QString elsewhere = r.unit.root.path("/home/root/meas/elsewhere");
        QVERIFY(QDir().rename(r.unit.root.path(kTemp), elsewhere));
        QVERIFY(QFile::link(elsewhere, r.unit.root.path(kTemp.chopped(1))));
    };
    const auto numbers = [](const QStringList& lines) {
        QStringList found;
        for (const QString& line : lines.filter(" has no sound: "))
            found << line.section("point ", 1).section(' ', 0, 0);
        return found.join(' ');
    };
    LogCapture log;
    for (int n = 1; n <= points; ++n) {
        if (n == at && trouble == "stale") {
            r.point(-40, QByteArray(3200, 'x'));
            r.click("butMenuDeleteLast");
        }
        if (n == at && trouble != "full")
            linkFolder();
        r.point(-70 + 2 * n, sound(n), true, false);
        std::unique_ptr<FullDisk> full(n == at && trouble == "full" ? new FullDisk(1000) : nullptr);
        r.pp->muteAudioPath(true, true);
        // Only that point's: the others are stored as they come.
        if (n == at && trouble == "stale") {
            QVERIFY(QFile::remove(r.unit.root.path(kTemp.chopped(1))));
            QVERIFY(QDir().rename(r.unit.root.path("/home/root/meas/elsewhere"), r.unit.root.path(kTemp)));
        }
    }
    QTEST(numbers(log.lines()), "failed");
    if (trouble == "full")
        QVERIFY(log.contains(FileResult::systemText(EFBIG)));

    QStringList shown;
    log.clear();
    {
        ModalCloser closer([&shown](QWidget* dialog) {
            if (auto* keyboard = qobject_cast<VirtualKeyboard*>(dialog)) {
                keyboard->setText("Valve");
                keyboard->accept();
                return;
            }
            shown << dialog->findChild<QLabel*>("labelInfotext")->text();
        });
        r.click("butMenuSave");
    }
    QTEST(numbers(log.lines()), "saved");
    QCOMPARE(shown, QStringList(Measurements::storedWithoutSoundText()));
    const QString entry = "/media/vq4100/meas/"
                          + QDir(r.unit.root.path("/media/vq4100/meas")).entryList({"PP_*_Valve"}, QDir::Dirs).value(0);
    QStringList sounds;
    for (int i = 1; i <= 10; ++i) {
        const QByteArray copy = r.unit.root.read(entry + QString("/PP_Sound_%1.wav").arg(i));
        if (copy.isEmpty())
            continue;
        sounds << QString::number(i);
        // Its own point's sound, the one measured last at that number.
        QCOMPARE(copy.mid(44), sound(i + (points > 10 ? points - 10 : 0)));
    }
    QTEST(sounds.join(' '), "sounds");
    QVERIFY(r.unit.root.exists(entry + "/info.ini"));
}

void TestPinpointing::picturesExist()
{
    Rig r;
    MeasurementFrame::setMenuDialogRunner([](MeasurementFrame::MenuDialog, QWidget*) {
        return MeasurementFrame::MenuDialogResult{1, 2, 1000, 100};
    });
    QStringList sheets;
    auto collect = [&] {
        for (QWidget* w : r.pp->findChildren<QWidget*>())
            sheets << w->styleSheet();
    };
    collect();
    for (int i = 0; i < 2; ++i) {
        r.click("butMenuScale");
        collect();
    }
    r.click("butMenuFilter");
    collect();
    QVERIFY(sheets.join("\n").contains("Bandstop"));
    QRegularExpression url("url\\((:[^)]+)\\)");
    int pictures = 0;
    for (auto m = url.globalMatch(sheets.join("\n")); m.hasNext(); ++pictures) {
        const QString name = m.next().captured(1);
        QVERIFY2(QFile::exists(name), qPrintable(name));
    }
    QVERIFY(pictures > 30);
}

void TestPinpointing::storedSeries()
{
    // Saved through the screen under a name with two blanks.
    Rig r;
    r.point(-40, sound(1));
    r.point(-30, sound(2));
    r.point(-60, sound(3));
    ModalHelper::onNextModal([](QWidget* dialog) {
        auto* keyboard = qobject_cast<VirtualKeyboard*>(dialog);
        keyboard->setText("Hydrant  3");
        keyboard->accept();
    });
    r.click("butMenuSave");
    const QString dir = QDir(r.unit.root.path("/media/vq4100/meas")).entryList({"PP_*"}, QDir::Dirs).value(0);
    QVERIFY(dir.endsWith("_Hydrant  3"));
    const PinpointingSeries live = r.pp->points();
    quint32 low, high;
    int type;
    r.w->getAudioCodecInstance()->getFilter(&low, &high, &type);

    RecordingCodecMixer* mixer = recordCodec(r.w);
    r.openStored(dir);
    QCOMPARE(r.unit.currentPage(), r.pp);
    QCOMPARE(r.pp->scaleMode(), 2);
    float leakLevel;
    int leakFrequency;
    const int leak = Series::leakSearch(live.minima(), live.frequencies(), 10, &leakLevel, &leakFrequency);
    // The magnifier's range holds every point.
    QStringList bars = QString("- - - - - - -").split(' ');
    for (int i = 3; i >= 1; --i)
        bars.prepend(QString::number(Series::barValue(live.minimum(i))));
    QCOMPARE(r.bars(), bars);
    QCOMPARE(r.pp->findChild<QLabel*>("labelWaterdrop")->pos(), QPoint(42 * (leak - 1) + 8, 155));
    QCOMPARE(r.text("labelLevel") + r.text("labelFrequency"),
             QString("%1%2 Hz").arg(double(leakLevel), 0, 'f', 0).arg(leakFrequency));
    QCOMPARE(r.text("labelFilterrange"), QString("%1 Hz\n%2 Hz").arg(low).arg(high));
    QCOMPARE(r.text("labelStoredMeasurement"), QString("Hydrant  3"));
    // Routed for playback only: no codec set-up for listening.
    QCOMPARE(mixer->lines().filter("ADC Level"), QStringList{"gain ADC Level=-1200"});

    // Point 2 plays from the directory as named.
    LogCapture log;
    r.click("butMenuStoredNext");
    r.click("butMenuStoredPlay");
    waitForRecorder();
    QVERIFY(log.contains(QString("Playing \"%1\" 3200").arg(r.unit.root.path("/media/vq4100/meas/" + dir + "/PP_Sound_2.wav"))));
    QVERIFY(r.pp->findChild<QLabel*>("labelSymbol")->styleSheet().contains("Start_sw"));

    // Back stops the playback and returns to the browser, routed live again.
    QSignalSpy stops(Audioworker(), &AudioWorker::stopBackgroundPlayback);
    QSignalSpy goes(r.pp, &MeasurementFrame::gotoWidget);
    mixer->clear();
    r.click("butMenuStoredBack");
    QCOMPARE(goes.value(0), (QVariantList{7, -1, 0}));
    QCOMPARE(stops.count(), 1);
    QVERIFY(mixer->lines().contains(RecordingCodecMixer::line(CodecMixer::Kind::Gain, "ADC Level", 200)));
    QCOMPARE(r.unit.sink()->muteReceivers(), 0);  // nobody hears the accessory's key
}

// Hand-written files: the values shown, the drop, the filter, the name and
// where Next goes from point 1.
void TestPinpointing::storedFiles()
{
    struct Case {
        QByteArray info;  // empty: no info.ini
        QString bars;
        int drop;         // x; -1 hidden
        QString filter;   // picture, range
        QString name;
        QVector<int> next;
    };
    const QByteArray tie = "[Levels]\nLevel_1=55.5\nFrequency_1=300\nLevel_3=55.5\nFrequency_3=500\n";
    const Case cases[] = {
        {"", "- - - - - - - - - -", -1, "Bandpass 0 Hz\n4000 Hz", "", {1, 1, 1}},
        {tie + "[Filter]\nFiltertype=Bandstop\nLowCutOff-Frequency=160\nHighCutOff-Frequency=1250\n"
               "[Measurementinfo]\nMeasurementname=\"<b>Pipe</b>, north\"\n",
         "555 - 555 - - - - - - -", 8, "Bandstop 160 Hz\n1250 Hz", "<b>Pipe</b>, north", {3, 1, 3}},
        {tie + "[Filter]\nFiltertype=bandpass\nLowCutOff-Frequency=160\nHighCutOff-Frequency=1250\n",
         "555 - 555 - - - - - - -", 8, "Bandpass 0 Hz\n4000 Hz", "", {3, 1, 3}},
        // Out of range, no number, and a name with an unquoted comma.
        {"[Levels]\nLevel_1=-5\nFrequency_1=300\nLevel_2=150\nFrequency_2=nan\nLevel_3=nan\nFrequency_3=x\n"
         "Level_4=1e308\nFrequency_4=1e308\n[Filter]\nFiltertype=NoFilter\n[Measurementinfo]\nMeasurementname=Pipe, north\n",
         "0 1000 - 1000 - - - - - -", 42 + 8, "Bandpass 0 Hz\n4000 Hz", "Pipe, north", {2, 4, 1}},
    };
    for (const Case& c : cases) {
        Rig r;
        const QString dir = "PP_20240102_030405_x";
        QVERIFY(c.info.isEmpty() || r.unit.root.write("/media/vq4100/meas/" + dir + "/info.ini", c.info));
        r.openStored(dir);
        QCOMPARE(r.bars().join(' '), c.bars);
        auto* drop = r.pp->findChild<QLabel*>("labelWaterdrop");
        QCOMPARE(drop->isVisibleTo(r.pp) ? drop->x() : -1, c.drop);
        checkFilterSymbol(r.pp->findChild<QLabel*>("labelFiltersymbol"),
                          qPrintable(c.filter.section(' ', 0, 0)));
        QCOMPARE(r.text("labelFilterrange"), c.filter.section(' ', 1));
        QCOMPARE(r.text("labelStoredMeasurement"), c.name);
        QCOMPARE(r.pp->findChild<QLabel*>("labelStoredMeasurement")->textFormat(), Qt::PlainText);
        QVector<int> selected;
        for (int i = 0; i < 3; ++i) {
            r.click("butMenuStoredNext");
            selected << (r.pp->findChild<QLabel*>("labelSymbol")->x() - 5) / 42 + 1;
            for (int i = 1; i <= 10; ++i)
                QCOMPARE(r.pp->findChild<QProgressBar*>(QString("progBarMin%1").arg(i))->styleSheet(),
                         QString("QProgressBar::chunk { background-color: %1; }")
                             .arg(i == selected.last() ? "lightgreen" : "yellow"));
        }
        QCOMPARE(selected, c.next);
        QVERIFY(r.pp->findChild<QLabel*>("labelSymbol")->styleSheet().contains("Stop_sw")); // Next only selects
        if (!c.info.isEmpty())
            continue;
        // Neither mute key acts; a missing recording is logged and not made;
        // the IO key ends the playback; on the main page the accessory's key
        // only mutes.
        EventHandler keys;
        qApp->installEventFilter(&keys);
        QSignalSpy stops(Audioworker(), &AudioWorker::stopBackgroundPlayback);
        LogCapture log;
        auto muteKeys = [&] {
            log.clear();
            emit r.unit.sink()->stateActiveMuteChanged(false);
            QTest::keyClick(r.unit.currentPage(), Qt::Key_F6);
            QCoreApplication::processEvents();
        };
        muteKeys();
        QCOMPARE(log.count("Audiopath"), 0);
        r.click("butMenuStoredPlay");
        waitForRecorder();
        QVERIFY(log.contains("Cannot open file:") && !r.unit.root.exists("/media/vq4100/meas/" + dir));
        QTest::keyClick(r.pp, Qt::Key_F1);
        QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
        QCOMPARE(stops.count(), 1);
        muteKeys();
        QVERIFY(!log.contains("NOT MUTED"));
        QCOMPARE(r.unit.sink()->muteReceivers(), 1);
    }
}

QTEST_MAIN(TestPinpointing)
#include "tst_pinpointing.moc"
