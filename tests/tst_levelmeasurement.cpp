// The level-measurement screen: its readings as a table, then the screen on
// a unit, with blocks fed to the ADC worker and sound to the recorder.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/wavwriter.h"
#include "Mainmenu/levelmeasurement.h"
#include "Management/measmanagement.h"
#include "Tools/freqspectrum.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/screenstyle.h"
#include "Tools/virtualkeyboard.h"
#include "clickbutton.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "recorderfeed.h"
#include "recordingcodecmixer.h"
#include "signalgenerator.h"
#include "testunit.h"

#include <QDir>
#include <QLabel>
#include <QMediaPlayer>
#include <QSettings>
#include <QtTest>

namespace {

const QString kMeas = "/media/vq4100/meas/";

struct Rig {
    explicit Rig(const QVariantMap& settings = {})
    {
        for (auto it = settings.begin(); it != settings.end(); ++it)
            unit.setSetting(it.key(), it.value());
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
    void openStored(const QString& dir)
    {
        w->displayWidget(Screen::MeasManagement, Screen::LevelDown, Screen::Live);
        w->getInstanceMeasManagement()->setSelectedMeasurementDir(dir);
        w->displayWidget(Screen::Levelmeasurement, Screen::StackUnchanged, Screen::StoredView);
    }
    template <class T = QWidget>
    T* child(const char* name) const { return screen->findChild<T*>(name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    int maxMarker(const char* bar) const { return child<ProgressBarMinMaxMarker>(bar)->maxMarker(); }
    QStringList saved() const { return QDir(unit.root.path(kMeas)).entryList({"LE_*"}, QDir::Dirs); }

    TestUnit unit;
    MainMenu* w;
    Levelmeasurement* screen;
    SignalGenerator adc{7670};
};

QMediaPlayer::State playerState(const Rig& r)
{
    return r.screen->player() ? r.screen->player()->state() : QMediaPlayer::StoppedState;
}

}

class TestLevelmeasurement : public QObject
{
    Q_OBJECT
private slots:
    void readout();
    void tick();
    void saving();
    void storedFiles();
    void replayAndBack();
};

void TestLevelmeasurement::readout()
{
    // Raw values nearest 0.056 and 0.04 as floats: compared as doubles.
    struct Case {
        float peak, minimum;
        const char* colour;
        bool minimumIsCurrent;
    };
    const Case cases[] = {{0.056f, 1.0f, "red", true},
                          {0.05f, 0.001f, "orange", false},
                          {0.04f, 0.001f, "lightgreen", false}};
    for (const Case& c : cases) {
        LevelReadout r;
        QVERIFY(r.take({0.01f, c.peak, c.minimum, 300, 200}, false));
        QCOMPARE(r.peakColour(), QString(c.colour));
        QCOMPARE(r.minimum() == r.current(), c.minimumIsCurrent);
    }
    // The hold spans six ticks; without the option the peaks never enter it.
    LevelReadout r;
    const float peaks[] = {0.5f, 0.01f, 0.02f, 0.01f, 0.01f, 0.01f};
    for (float p : peaks)
        r.take({0.001f, p, 0.001f, 0, 0}, true);
    QCOMPARE(r.hold(), AnalogInputWorker::audioLevelToDb(0.5f));
    r.take({0.001f, 0.01f, 0.001f, 0, 0}, true);
    QCOMPARE(r.hold(), AnalogInputWorker::audioLevelToDb(0.02f));
    r.clearHold();
    r.take({0.001f, 0.9f, 0.001f, 0, 0}, false);
    QCOMPARE(r.hold(), 0.0f);
}

void TestLevelmeasurement::tick()
{
    struct Case {
        bool peakBar, debug, byFrequency;
    };
    for (const Case& c : {Case{false, false, false}, Case{true, false, true}, Case{true, true, false}}) {
        Rig r({{"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", c.peakBar},
               {"Dialogconfiguration/LevelMeasurement_UseFrequencyColorForLevelbar", c.byFrequency},
               {"Debug/Debugfeatures", c.debug ? 1 : 0}});
        QCOMPARE(r.child<FreqSpectrum>("freqSpectrum")->size(), QSize(246, 91));
        r.screen->muteAudioPath(false, true);
        r.tick(300, -40); // the minimum, at its own frequency
        r.tick(1000, -20);
        float rms, peak, min;
        AnalogInputWorker* adc = Analoginputworker();
        adc->getAudioLevel(&rms, &peak, &min);
        const float minDb = AnalogInputWorker::audioLevelToDb(min);
        QCOMPARE(r.child<QProgressBar>("prgbMinimumLevel")->value(), int(minDb * 10.0f));
        QCOMPARE(r.text("labelLevel"), QString::number(double(minDb), 'f', 0));
        QVERIFY(adc->getSignificandFrequency() != adc->getSignificandFrequencyAtMin());
        QCOMPARE(r.text("labelFrequency"), QString("%1 Hz").arg(adc->getSignificandFrequencyAtMin()));
        const QString minColour = c.byFrequency
            ? ScreenStyle::chunkSheet(ScreenStyle::frequencyColour(adc->getSignificandFrequencyAtMin()))
            : ScreenStyle::chunkSheet(QString("yellow"));
        QCOMPARE(r.child("prgbMinimumLevel")->styleSheet(), minColour);
        QCOMPARE(r.child("prgbPeakLevel")->isVisibleTo(r.screen), c.peakBar && c.debug);
        // The loud tick holds the markers; an unmute starts them anew.
        const int loud = c.peakBar ? int(AnalogInputWorker::audioLevelToDb(peak) * 10.0f) : -1;
        QCOMPARE(r.maxMarker("prgbMinimumLevel"), loud);
        QCOMPARE(r.maxMarker("prgbCurrentLevel"), loud);
        r.screen->muteAudioPath(true, true);
        r.screen->muteAudioPath(false, true);
        r.tick(300, -40);
        QCOMPARE(r.maxMarker("prgbCurrentLevel") < loud, c.peakBar);
    }
}

void TestLevelmeasurement::saving()
{
    Rig r;
    const QByteArray sounds[] = {QByteArray(3200, 'a'), QByteArray(6400, 'b')};
    QByteArray copies[2];
    for (int i = 0; i < 2; ++i) {
        r.screen->muteAudioPath(false, true);
        feedRecorder(Audioworker(), sounds[i]);
        r.tick(300 + 100 * i, -40);
        r.tick(1000, -20);
        const QString name = QString("Valve %1").arg(i);
        ModalHelper::onNextModal([&name](QWidget* dialog) {
            qobject_cast<VirtualKeyboard*>(dialog)->setText(name);
            qobject_cast<VirtualKeyboard*>(dialog)->accept();
        });
        click(r.screen, "butMenuSave");
        const QString dir = kMeas + r.saved().filter(name).value(0) + "/";
        QSettings info(r.unit.root.path(dir + "info.ini"), QSettings::IniFormat);
        QCOMPARE(info.value("Levels/Level").toString(),
                 QString::number(double(r.screen->readout().minimum()), 'f', 3));
        // The current frequency, not the one at the minimum the label shows.
        const int frequency = info.value("Levels/Frequency").toInt();
        QCOMPARE(frequency, int(Analoginputworker()->getSignificandFrequency()));
        QVERIFY(frequency != int(Analoginputworker()->getSignificandFrequencyAtMin()));
        QCOMPARE(info.value("FFT/Samplerate").toInt(), 16000);
        QCOMPARE(info.value("FFT/FFT-Size").toInt(), 512);
        QCOMPARE(info.value("FFT/FFT-Values").toString().count(';'), 512);
        copies[i] = r.unit.root.read(dir + "LE_sound.wav");
        QCOMPARE(copies[i], r.unit.root.read("/home/root/meas/wav_temp/LE_sound.wav"));
        QVERIFY(copies[i].endsWith(sounds[i]));
    }
    QVERIFY(copies[0] != copies[1]);

    // Rejected: nothing stored, still muted.
    r.screen->muteAudioPath(false, true);
    ModalHelper::closeNextModal();
    click(r.screen, "butMenuSave");
    QCOMPARE(r.saved().size(), 2);
    QVERIFY(r.w->isAudioPathMuted());
    QVERIFY(!r.screen->findChild<QTimer*>("timerLevel")->isActive());
}

// Hand-written files, opened one after the other on the same screen.
void TestLevelmeasurement::storedFiles()
{
    struct Case {
        QByteArray info; // empty: no info.ini
        QString shown;   // level, frequency, name
        int values;      // spectrum values read (1, 2, 3, ...), the rest 0
        QString filter;  // codec and spectrum band
    };
    const QByteArray values = "[FFT]\nFFT-Values=\"1; 2; 3; \"\nFFT-Size=";
    const Case cases[] = {
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
    for (const Case& c : cases) {
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
        QCOMPARE(QString("%1 %2 %3").arg(type).arg(low).arg(high), c.filter);
        auto* spectrum = r.child<FreqSpectrum>("freqSpectrum");
        QCOMPARE(QString("%1 %2 %3").arg(spectrum->filterType()).arg(spectrum->lowCutOff()).arg(spectrum->highCutOff()), c.filter);
    }
}

void TestLevelmeasurement::replayAndBack()
{
    for (const char* mode : {"Push-Button", "Switch"}) {
        Rig r({{"Systemsettings/Switchmode", mode}});
        const QString dir = "LE_20240102_030405_x";
        QVERIFY(r.unit.root.write(kMeas + dir + "/LE_sound.wav",
                                  WavWriter::header(WavFormat(), 36 + 160000, 160000) + QByteArray(160000, 0)));
        RecordingCodecMixer* mixer = recordCodec(r.w);
        // Left while listening: the accessory's first "listening" in the
        // stored view plays all the same.
        r.screen->muteAudioPath(false, true);
        QTest::keyRelease(r.screen, Qt::Key_Escape);
        r.openStored(dir);
        emit r.unit.sink()->stateActiveMuteChanged(false);
        QCOMPARE(playerState(r), QMediaPlayer::PlayingState);
        click(r.screen, "butMenuStoredBack");
        for (bool ioFirst : {false, true}) {
            r.openStored(dir);
            QCOMPARE(r.unit.sink()->muteReceivers(), 1);
            // Push: plays while held. Switch: the first press plays and opens
            // the path, so the second only stops, and so does the third.
            QString states;
            for (int i = 0; i < 3; ++i) {
                QTest::keyPress(r.screen, Qt::Key_F10);
                states += playerState(r) == QMediaPlayer::PlayingState ? "P" : "s";
                QTest::keyRelease(r.screen, Qt::Key_F10);
                states += playerState(r) == QMediaPlayer::PlayingState ? "P" : "s";
            }
            QCOMPARE(states, QString(mode[0] == 'P' ? "PsPsPs" : "PPssss"));
            QCOMPARE(r.screen->player()->parent(), r.screen);
            QCOMPARE(r.screen->player()->volume(), 70);
            emit r.unit.sink()->stateActiveMuteChanged(false); // the accessory listens: plays
            QCOMPARE(playerState(r), QMediaPlayer::PlayingState);
            mixer->clear();
            if (ioFirst) {
                QTest::keyRelease(r.screen, Qt::Key_Escape);
                QCOMPARE(r.unit.currentPage(), r.unit.mainPage());
                QCOMPARE(playerState(r), QMediaPlayer::StoppedState);
            } else {
                click(r.screen, "butMenuStoredBack");
                QVERIFY(qobject_cast<MeasManagement*>(r.unit.currentPage()));
                QVERIFY(!r.screen->player());
                QVERIFY(mixer->lines().contains(RecordingCodecMixer::line(CodecMixer::Kind::Gain, "ADC Level", 200)));
            }
            QVERIFY(r.w->isAudioPathMuted());
            QCOMPARE(r.unit.root.gpioValue(17), QByteArray("0"));
            // The accessory's key no longer reaches the hidden screen.
            LogCapture log;
            emit r.unit.sink()->stateActiveMuteChanged(false);
            emit r.unit.sink()->stateActiveMuteChanged(true);
            QVERIFY(!log.contains("NOT MUTED"));
            QCOMPARE(playerState(r), QMediaPlayer::StoppedState);
        }
    }
}

QTEST_MAIN(TestLevelmeasurement)
#include "tst_levelmeasurement.moc"
