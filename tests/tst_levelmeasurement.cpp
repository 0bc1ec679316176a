// The level-measurement screen: its readings as a table, then the screen on
// a unit, with blocks fed to the ADC worker and sound to the recorder.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/wavwriter.h"
#include "Hardware/fileresult.h"
#include "Mainmenu/levelmeasurement.h"
#include "Management/measmanagement.h"
#include "Tools/freqspectrum.h"
#include "Tools/measurements.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/screenstyle.h"
#include "Tools/virtualkeyboard.h"
#include "clickbutton.h"
#include "fulldisk.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "recorderfeed.h"
#include "recordingcodecmixer.h"
#include "signalgenerator.h"
#include "testunit.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QtTest>

namespace {

const QString kMeas = "/media/vq4100/meas/";

struct Rig {
    explicit Rig(const QVariantMap& settings = {})
    {
        for (const QString& key : settings.keys())
            unit.setSetting(key, settings[key]);
        w = unit.start();
        unit.sink()->rfcomm = true; // no link warning
        w->displayWidget(Screen::Levelmeasurement, Screen::LevelDown, Screen::Live);
        screen = qobject_cast<Levelmeasurement*>(unit.currentPage());
        Analoginputworker()->stopCapture(); // levels only from the blocks fed here
    }
    // One tick of a tone alone at that level.
    void tick(double hz, double db)
    {
        SignalParams p;
        p.toneHz = hz;
        p.toneDb = db;
        p.noiseOn = false;
        adc.setParams(p);
        Analoginputworker()->analyseBlock(adc.generatePcm16(AnalogInputWorker::kSamples));
        QMetaObject::invokeMethod(screen, "updateLevel");
    }
    void openStored(const QString& dir) { unit.openStoredView(Screen::Levelmeasurement, dir); }
    template <class T = QWidget>
    T* child(const char* name) const { return screen->findChild<T*>(name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QString markers() const
    {
        return QString("%1 %2").arg(child<ProgressBarMinMaxMarker>("prgbMinimumLevel")->maxMarker())
            .arg(child<ProgressBarMinMaxMarker>("prgbCurrentLevel")->maxMarker());
    }
    bool playing() const
    {
        return screen->player() && screen->player()->state() == QMediaPlayer::PlayingState;
    }

    TestUnit unit;
    MainMenu* w;
    Levelmeasurement* screen;
    SignalGenerator adc{7670};
};

}

class TestLevelmeasurement : public QObject
{
    Q_OBJECT
private slots:
    void readout();
    void tick();
    void saving();
    void soundNotStored();
    void storedFiles();
    void replayAndBack();
};

void TestLevelmeasurement::readout()
{
    // The floats nearest 0.056 and 0.04, compared as doubles; a minimum of
    // 99 dB or more (1.0) is none yet.
    const struct {
        float peak, minimum;
        const char* colour;
    } cases[] = {{0.056f, 1.0f, "red"}, {0.05f, 0.001f, "orange"}, {0.04f, 0.001f, "lightgreen"}};
    for (const auto& c : cases) {
        LevelReadout r;
        QVERIFY(r.take({0.01f, c.peak, c.minimum, 300, 200}, false));
        QCOMPARE(r.peakColour(), QString(c.colour));
        QCOMPARE(r.minimum() == r.current(), c.minimum == 1.0f);
    }
    LevelReadout r; // the hold spans six ticks
    for (float peak : {0.5f, 0.02f, 0.01f, 0.01f, 0.01f, 0.01f, 0.01f})
        r.take({0.001f, peak, 0.001f, 0, 0}, true);
    QCOMPARE(r.hold(), AnalogInputWorker::audioLevelToDb(0.02f));
}

void TestLevelmeasurement::tick()
{
    // peak-bar option, developer features, bars coloured by frequency
    for (const QVector<bool>& c : {QVector<bool>{false, false, false}, {true, false, true}, {true, true, false}}) {
        Rig r({{"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", c[0]},
               {"Debug/Debugfeatures", int(c[1])},
               {"Dialogconfiguration/LevelMeasurement_UseFrequencyColorForLevelbar", c[2]}});
        QCOMPARE(r.child<FreqSpectrum>("freqSpectrum")->size(), QSize(246, 91));
        r.screen->muteAudioPath(false, true);
        r.tick(300, -40); // the minimum, at a frequency of its own
        r.tick(1000, -20);
        AnalogInputWorker* adc = Analoginputworker();
        float rms, peak, min;
        adc->getAudioLevel(&rms, &peak, &min);
        const unsigned atMin = adc->getSignificandFrequencyAtMin();
        const float minDb = AnalogInputWorker::audioLevelToDb(min);
        QCOMPARE(r.child<QProgressBar>("prgbMinimumLevel")->value(), int(minDb * 10.0f));
        QCOMPARE(r.text("labelLevel"), QString::number(double(minDb), 'f', 0));
        QVERIFY(adc->getSignificandFrequency() != atMin);
        QCOMPARE(r.text("labelFrequency"), QString("%1 Hz").arg(atMin));
        const QColor atMinColour = ScreenStyle::frequencyColour(atMin);
        QCOMPARE(r.child("prgbMinimumLevel")->styleSheet(),
                 c[2] ? QString("QProgressBar::chunk {background-color: rgb(%1, %2, %3);}")
                            .arg(atMinColour.red())
                            .arg(atMinColour.green())
                            .arg(atMinColour.blue())
                      : QString("QProgressBar::chunk {background-color: yellow;}"));
        if (!c[2])
            QCOMPARE(r.child("prgbCurrentLevel")->styleSheet(),
                     QString("QProgressBar::chunk {background-color: orange;}"));
        QCOMPARE(r.child("prgbPeakLevel")->isVisibleTo(r.screen), c[0] && c[1]);
        // The loud tick holds both markers; an unmute starts them anew.
        const int loud = c[0] ? int(AnalogInputWorker::audioLevelToDb(peak) * 10.0f) : -1;
        QCOMPARE(r.markers(), QString("%1 %1").arg(loud));
        r.screen->muteAudioPath(true, true);
        r.screen->muteAudioPath(false, true);
        r.tick(300, -40);
        QCOMPARE(r.child<ProgressBarMinMaxMarker>("prgbCurrentLevel")->maxMarker() < loud, c[0]);
    }
}

void TestLevelmeasurement::saving()
{
    Rig r;
    auto saved = [&r] { return QDir(r.unit.root.path(kMeas)).entryList({"LE_*"}, QDir::Dirs); };
    const QByteArray sounds[] = {QByteArray(3200, 'a'), QByteArray(6400, 'b')};
    QByteArray copies[2];
    for (int i = 0; i < 2; ++i) {
        r.screen->muteAudioPath(false, true);
        feedRecorder(Audioworker(), sounds[i]);
        r.tick(300 + 100 * i, -40);
        r.tick(1000, -20);
        const QString name = QString("Valve %1").arg(i);
        // The band in force on the codec goes with the entry.
        const QStringList band = i ? QStringList{"Bandpass", "160", "1250"} : QStringList{"NoFilter", "0", "4000"};
        r.w->getAudioCodecInstance()->setFilter(band[1].toUInt(), band[2].toUInt(), i);
        ModalHelper::onNextModal([&name](QWidget* dialog) {
            qobject_cast<VirtualKeyboard*>(dialog)->setText(name);
            qobject_cast<VirtualKeyboard*>(dialog)->accept();
        });
        click(r.screen, "butMenuSave");
        const QString dir = kMeas + saved().filter(name).value(0) + "/";
        QSettings info(r.unit.root.path(dir + "info.ini"), QSettings::IniFormat);
        QCOMPARE(info.value("Levels/Level").toString(),
                 QString::number(double(r.screen->readout().minimum()), 'f', 3));
        // The current frequency, not the one at the minimum the label shows.
        QCOMPARE(info.value("Levels/Frequency").toUInt(), Analoginputworker()->getSignificandFrequency());
        QVERIFY(Analoginputworker()->getSignificandFrequency() != Analoginputworker()->getSignificandFrequencyAtMin());
        QCOMPARE(info.value("FFT/Samplerate").toString() + " " + info.value("FFT/FFT-Size").toString(), QString("16000 512"));
        QCOMPARE(info.value("FFT/FFT-Values").toString().count(';'), 512);
        QCOMPARE(QStringList({info.value("Filter/Filtertype").toString(), info.value("Filter/LowCutOff-Frequency").toString(),
                              info.value("Filter/HighCutOff-Frequency").toString()}), band);
        copies[i] = r.unit.root.read(dir + "LE_sound.wav");
        QCOMPARE(copies[i], r.unit.root.read("/home/root/meas/wav_temp/LE_sound.wav"));
        QVERIFY(copies[i].endsWith(sounds[i]));
    }
    QVERIFY(copies[0] != copies[1]);

    // Rejected: nothing stored, still muted.
    r.screen->muteAudioPath(false, true);
    ModalHelper::closeNextModal();
    click(r.screen, "butMenuSave");
    QCOMPARE(saved().size(), 2);
    QVERIFY(r.w->isAudioPathMuted() && !r.screen->findChild<QTimer*>("timerLevel")->isActive());

    // Saved before the first tick after a stored view: none of its values.
    QVERIFY(r.unit.root.write(kMeas + "LE_20240102_030405_x/info.ini", "[Levels]\nLevel=42\n[FFT]\nFFT-Size=1\nFFT-Values=5\n"));
    r.openStored("LE_20240102_030405_x");
    r.w->displayWidget(Screen::Levelmeasurement, Screen::StackUnchanged, Screen::Live);
    ModalHelper::onNextModal([](QWidget* dialog) { qobject_cast<VirtualKeyboard*>(dialog)->accept(); });
    click(r.screen, "butMenuSave");
    QSettings fresh(r.unit.root.path(kMeas + saved().filter("_M").value(0) + "/info.ini"), QSettings::IniFormat);
    QCOMPARE(fresh.value("Levels/Level").toString() + fresh.value("FFT/FFT-Values").toString().left(3), QString("0.0000; "));
}

// A sound that cannot be stored (its disk full, its folder a link): the
// entry holds the values and no sound, not the one an earlier save left, also
// when that one cannot be removed, and the operator is told.
void TestLevelmeasurement::soundNotStored()
{
    Rig r;
    auto save = [&r](const QString& name) {
        ModalHelper::onNextModal([name](QWidget* dialog) {
            qobject_cast<VirtualKeyboard*>(dialog)->setText(name);
            qobject_cast<VirtualKeyboard*>(dialog)->accept();
        });
        click(r.screen, "butMenuSave");
        return kMeas + QDir(r.unit.root.path(kMeas)).entryList({"LE_*_" + name}, QDir::Dirs).value(0) + "/";
    };
    r.screen->muteAudioPath(false, true);
    feedRecorder(Audioworker(), QByteArray(3200, 'a'));
    const QString first = save("first");
    QVERIFY(r.unit.root.exists(first + "LE_sound.wav"));
    r.screen->muteAudioPath(false, true);
    feedRecorder(Audioworker(), QByteArray(64000, 'b'));
    LogCapture log;
    QStringList shown;
    const auto warning = [&shown] {
        ModalHelper::onModal("MessageDialog", [&shown](QWidget* d) {
            shown << d->findChild<QLabel*>("labelInfotext")->text();
            static_cast<QDialog*>(d)->reject();
        });
    };
    warning();
    QString second;
    {
        FullDisk full(32000);  // info.ini fits, the sound does not
        second = save("second");
    }
    QVERIFY(r.unit.root.exists(second + "info.ini"));
    QVERIFY(!r.unit.root.exists(second + "LE_sound.wav"));
    QVERIFY(!r.unit.root.exists("/home/root/meas/wav_temp/LE_sound.wav"));
    QCOMPARE(shown, QStringList(Measurements::storedWithoutSoundText()));
    QCOMPARE(log.lines().filter("Cannot write file").filter(FileResult::systemText(EFBIG)).size(), 1);

    // The guard neither writes nor removes behind the link; the older sound
    // there is read as any file inside the device would be.
    const QByteArray older = r.unit.root.read(first + "LE_sound.wav");
    const QString recordings = r.unit.root.path("/home/root/meas/wav_temp");
    QVERIFY(r.unit.root.write("/home/root/elsewhere/LE_sound.wav", older));
    QVERIFY(QDir(recordings).removeRecursively() && QFile::link(r.unit.root.path("/home/root/elsewhere"), recordings));
    r.screen->muteAudioPath(false, true);
    feedRecorder(Audioworker(), QByteArray(3200, 'c'));
    shown.clear();
    warning();
    const QString third = save("third");
    QVERIFY(r.unit.root.exists(third + "info.ini"));
    QVERIFY(!r.unit.root.exists(third + "LE_sound.wav"));
    QCOMPARE(r.unit.root.read("/home/root/elsewhere/LE_sound.wav"), older);
    QCOMPARE(shown, QStringList(Measurements::storedWithoutSoundText()));
}

// Hand-written files, opened one after the other on the same screen.
void TestLevelmeasurement::storedFiles()
{
    const QByteArray values = "[FFT]\nFFT-Values=\"1; 2; 3; \"\nFFT-Size=";
    const struct {
        QByteArray info; // empty: no info.ini
        QString shown;   // level, frequency, name
        int values;      // spectrum values read (1, 2, 3, ...), the rest 0
        QString filter;  // in the codec and as the spectrum's band
    } cases[] = {
        {"[Levels]\nLevel=42.6\nFrequency=440\n[Measurementinfo]\nMeasurementname=\"<b>Valve</b>, 2\"\n"
         "[Filter]\nFiltertype=Bandpass\nLowCutOff-Frequency=160\nHighCutOff-Frequency=1250\n" + values + "3\n",
         "43 440 Hz <b>Valve</b>, 2", 3, "1 160 1250"},
        {values + "0\n", "0 0 Hz ", 0, "0 0 4000"},
        {values + "7\n[Levels]\nLevel=nan\nFrequency=x\n", "0 0 Hz ", 3, "0 0 4000"},
        {values + "2000\n[Filter]\nFiltertype=bandpass\nLowCutOff-Frequency=160\n", "0 0 Hz ", 3, "0 0 4000"},
        {values + "2\n[Levels]\nLevel=150\nFrequency=-5\n", "100 0 Hz ", 2, "0 0 4000"},
        {values + "-4\n", "0 0 Hz ", 0, "0 0 4000"},
        {"", "0 0 Hz ", 0, "0 0 4000"},
    };
    Rig r;
    int n = 0;
    for (const auto& c : cases) {
        const QString dir = QString("LE_20240102_03040%1_x").arg(n++);
        QVERIFY(c.info.isEmpty() || r.unit.root.write(kMeas + dir + "/info.ini", c.info));
        r.openStored(dir);
        QCOMPARE(r.text("labelLevel") + " " + r.text("labelFrequency") + " " + r.text("labelStoredMeasurement"), c.shown);
        QCOMPARE(r.child<QLabel>("labelStoredMeasurement")->textFormat(), Qt::PlainText);
        LevelReadout::Spectrum expected{};
        for (int i = 0; i < c.values; ++i)
            expected[i] = i + 1;
        QVERIFY(r.screen->spectrum() == expected);
        quint32 low, high;
        int type;
        r.w->getAudioCodecInstance()->getFilter(&low, &high, &type);
        auto* band = r.child<FreqSpectrum>("freqSpectrum");
        QCOMPARE(QString("%1 %2 %3").arg(type).arg(low).arg(high), c.filter);
        QCOMPARE(QString("%1 %2 %3").arg(band->filterType()).arg(band->lowCutOff()).arg(band->highCutOff()), c.filter);
    }
}

void TestLevelmeasurement::replayAndBack()
{
    for (const char* mode : {"Push-Button", "Switch"}) {
        Rig r({{"Systemsettings/Switchmode", mode}});
        const QString dir = "LE_20240102_030405_x";
        QVERIFY(r.unit.root.write(kMeas + dir + "/LE_sound.wav",
                                  WavWriter::header(WavFormat(), 36 + 320000, 320000) + QByteArray(320000, 0)));
        RecordingCodecMixer* mixer = recordCodec(r.w);
        // Left while listening: the accessory's first "listening" in the
        // stored view plays all the same.
        r.screen->muteAudioPath(false, true);
        QTest::keyRelease(r.screen, Qt::Key_Escape);
        r.openStored(dir);
        emit r.unit.sink()->stateActiveMuteChanged(false);
        QVERIFY(r.playing());
        click(r.screen, "butMenuStoredBack");
        for (bool io : {false, true}) {
            r.openStored(dir);
            QCOMPARE(r.unit.sink()->muteReceivers(), 1);
            // Push: plays while held. Switch: the first press plays and opens
            // the path, so the second only stops, and so does the third.
            QString states;
            for (int i = 0; i < 3; ++i) {
                QTest::keyPress(r.screen, Qt::Key_F10);
                states += r.playing() ? "P" : "s";
                QTest::keyRelease(r.screen, Qt::Key_F10);
                states += r.playing() ? "P" : "s";
            }
            QCOMPARE(states, QString(mode[0] == 'P' ? "PsPsPs" : "PPssss"));
            QVERIFY(r.screen->player()->parent() == r.screen && r.screen->player()->volume() == 70);
            emit r.unit.sink()->stateActiveMuteChanged(false);
            QVERIFY(r.playing());
            mixer->clear();
            // Back: the browser, no player, routed live; the IO key: the main page.
            io ? QTest::keyRelease(r.screen, Qt::Key_Escape) : click(r.screen, "butMenuStoredBack");
            QVERIFY(io ? r.unit.currentPage() == r.unit.mainPage()
                       : qobject_cast<MeasManagement*>(r.unit.currentPage()) && !r.screen->player()
                             && mixer->lines().contains(RecordingCodecMixer::line(CodecMixer::Kind::Gain, "ADC Level", 200)));
            QVERIFY(r.w->isAudioPathMuted() && !r.playing());
            QCOMPARE(r.unit.root.gpioValue(17), QByteArray("0"));
            // The accessory's key no longer reaches the hidden screen.
            LogCapture log;
            emit r.unit.sink()->stateActiveMuteChanged(false);
            emit r.unit.sink()->stateActiveMuteChanged(true);
            QVERIFY(!log.contains("NOT MUTED") && !r.playing());
        }
    }
}

QTEST_MAIN(TestLevelmeasurement)
#include "tst_levelmeasurement.moc"
