// The shared audio state of the main window: the gain steps for the wired
// and the accessory sensor, muting both ways, the accessory's mute key on the
// main page and the microphone parameters sent to the accessory.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Tools/statusbar.h"
#include "apphosts.h"
#include "logcapture.h"
#include "mainmenu.h"
#include "recordingcodecmixer.h"
#include "testunit.h"

#include <QtTest>

namespace {

using Params = QVector<int>;

QString pga(long gain)
{
    return RecordingCodecMixer::line(CodecMixer::Kind::Gain, "PGA Level", gain);
}

QString lineOut(bool on)
{
    return RecordingCodecMixer::line(CodecMixer::Kind::Switch, "LO DAC", on ? 1 : 0);
}

Params triple(MainMenu* w)
{
    int gain = -1, mute = -1, button = -1;
    w->getMicInitParameter(&gain, &mute, &button);
    return {gain, mute, button};
}

}

class TestAudioState : public QObject
{
    Q_OBJECT
private slots:
    void startMutesAndTellsTheAccessory();
    void gainStepWithWiredSensor_data();
    void gainStepWithWiredSensor();
    void gainStepWithAccessory_data();
    void gainStepWithAccessory();
    void unmuteAndMuteEveryStep();
    void muteWithoutSendingStillReportsMute();
    void accessoryMuteKeyOnMainPage();
    void parameterTriple();
};

void TestAudioState::startMutesAndTellsTheAccessory()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    QVERIFY(w->isAudioPathMuted());
    QCOMPARE(unit.sink()->micParameters, QList<Params>{Params({15, 1, 1})});
    QCOMPARE(unit.source()->adcGains.last(), 0);
    QCOMPARE(unit.root.gpioValue(17), QByteArray("0"));
    QVERIFY(w->getAudioCodecInstance()->isMuted());
    QVERIFY(Analoginputworker()->isCapturePaused());
}

void TestAudioState::gainStepWithWiredSensor_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expectedStep");
    QTest::addColumn<long>("pgaGain");
    QTest::addColumn<float>("pgaDb");
    QTest::newRow("1") << 1 << 1 << 900L << 9.0f;
    QTest::newRow("6") << 6 << 6 << 4100L << 41.0f;
    QTest::newRow("0 acts as 3") << 0 << 3 << 2250L << 22.5f;
    QTest::newRow("7 acts as 3") << 7 << 3 << 2250L << 22.5f;
    QTest::newRow("-1 acts as 3") << -1 << 3 << 2250L << 22.5f;
}

void TestAudioState::gainStepWithWiredSensor()
{
    QFETCH(int, step);
    QFETCH(int, expectedStep);
    QFETCH(long, pgaGain);
    QFETCH(float, pgaDb);
    TestUnit unit;
    MainMenu* w = unit.start();
    unit.root.write("/sys/class/gpio/gpio48/value", "1\n");
    StatusbarData()->updateWiredSensor();
    QCOMPARE(StatusbarData()->sensorType(), 4);
    RecordingCodecMixer* mixer = recordCodec(w);
    unit.sink()->clear();

    w->setMicGainStep(step);
    QCOMPARE(w->getMicGainStep(), expectedStep);
    QCOMPARE(w->getMicPgaGain(), pgaDb);
    QCOMPARE(mixer->lines(), QStringList{pga(pgaGain)});
    // The accessory is not involved.
    QVERIFY(unit.sink()->micParameters.isEmpty());
    QCOMPARE(triple(w), Params({15, 1, 1}));

    // Pulling the sensor ends type 4; the next step goes to the accessory.
    unit.root.write("/sys/class/gpio/gpio48/value", "0\n");
    StatusbarData()->updateWiredSensor();
    QCOMPARE(StatusbarData()->sensorType(), 0);
    QVERIFY(!StatusbarData()->micSensorConnected());
    w->setMicGainStep(step);
    QCOMPARE(unit.sink()->micParameters.size(), 1);
}

void TestAudioState::gainStepWithAccessory_data()
{
    QTest::addColumn<int>("hardware");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expectedStep");
    QTest::addColumn<int>("accessoryGain");
    QTest::addColumn<long>("pgaGain");
    QTest::addColumn<float>("pgaDb");
    const int v1 = int(DeviceTree::Hardware::V1);
    const int v2 = int(DeviceTree::Hardware::V2);
    QTest::newRow("IDC777 step 6") << v2 << 6 << 6 << 21 << 400L << 4.0f;
    QTest::newRow("WT32 step 6") << v1 << 6 << 6 << 21 << 300L << 3.0f;
    QTest::newRow("IDC777 step 1") << v2 << 1 << 1 << 10 << 400L << 4.0f;
    QTest::newRow("IDC777 step 9") << v2 << 9 << 3 << 15 << 400L << 4.0f;
    QTest::newRow("WT32 step 0") << v1 << 0 << 3 << 15 << 300L << 3.0f;
}

void TestAudioState::gainStepWithAccessory()
{
    QFETCH(int, hardware);
    QFETCH(int, step);
    QFETCH(int, expectedStep);
    QFETCH(int, accessoryGain);
    QFETCH(long, pgaGain);
    QFETCH(float, pgaDb);
    TestUnit unit{DeviceTree::Hardware(hardware)};
    MainMenu* w = unit.start();
    RecordingCodecMixer* mixer = recordCodec(w);
    unit.sink()->clear();
    LogCapture log;

    w->setMicGainStep(step);
    QCOMPARE(w->getMicGainStep(), expectedStep);
    QCOMPARE(w->getMicPgaGain(), pgaDb);
    QCOMPARE(mixer->lines(), QStringList{pga(pgaGain)});
    // The whole triple, with the mute state and key mode kept.
    QCOMPARE(unit.sink()->micParameters, QList<Params>{Params({accessoryGain, 1, 1})});
    QVERIFY(unit.sink()->extMicGains.isEmpty());
    QVERIFY(log.contains(QString("setMicParameterGain %1 1 1").arg(accessoryGain)));
}

void TestAudioState::unmuteAndMuteEveryStep()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    Analoginputworker()->startCapture();
    RecordingCodecMixer* mixer = recordCodec(w);
    unit.sink()->clear();
    unit.source()->clear();
    LogCapture log;

    w->muteAudioPath(false, true);
    QVERIFY(!w->isAudioPathMuted());
    QCOMPARE(unit.sink()->micParameters, QList<Params>{Params({15, 0, 1})});
    QCOMPARE(mixer->lines(), QStringList{lineOut(true)});
    QCOMPARE(unit.source()->lastAdcGainCalls, 1);
    QVERIFY(unit.source()->adcGains.isEmpty());
    QVERIFY(!Analoginputworker()->isCapturePaused());
    QCOMPARE(unit.root.gpioValue(17), QByteArray("1"));
    QCOMPARE(log.count("Audiopath: NOT MUTED"), 1);

    // A repeat repeats every step.
    w->muteAudioPath(false, true);
    QCOMPARE(unit.sink()->micParameters.size(), 2);
    QCOMPARE(mixer->lines(), QStringList({lineOut(true), lineOut(true)}));
    QCOMPARE(unit.source()->lastAdcGainCalls, 2);
    QCOMPARE(log.count("Audiopath: NOT MUTED"), 2);

    unit.sink()->clear();
    mixer->clear();
    w->muteAudioPath(true, true);
    QVERIFY(w->isAudioPathMuted());
    QCOMPARE(unit.sink()->micParameters, QList<Params>{Params({15, 1, 1})});
    QCOMPARE(mixer->lines(), QStringList{lineOut(false)});
    QCOMPARE(unit.source()->adcGains, QList<int>{0});
    QVERIFY(Analoginputworker()->isCapturePaused());
    QCOMPARE(unit.root.gpioValue(17), QByteArray("0"));
    w->muteAudioPath(true, true);
    QCOMPARE(unit.sink()->micParameters.size(), 2);
    QCOMPARE(unit.source()->adcGains, QList<int>({0, 0}));
    Analoginputworker()->stopCapture();
}

void TestAudioState::muteWithoutSendingStillReportsMute()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->muteAudioPath(false, false);
    QCOMPARE(triple(w), Params({15, 0, 1}));
    unit.sink()->clear();
    w->muteAudioPath(true, false);
    QVERIFY(unit.sink()->micParameters.isEmpty());
    QCOMPARE(triple(w), Params({15, 1, 1}));
    QCOMPARE(unit.root.gpioValue(17), QByteArray("0"));
    QVERIFY(w->getAudioCodecInstance()->isMuted());
}

void TestAudioState::accessoryMuteKeyOnMainPage()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    w->muteAudioPath(false, false);
    unit.sink()->clear();
    LogCapture log;

    // The accessory's "muted": nothing at all.
    w->switchActiveMute(true);
    QVERIFY(!w->isAudioPathMuted());
    QVERIFY(!log.contains("Audiopath"));
    QVERIFY(unit.sink()->micParameters.isEmpty());

    // "Listening" is answered with a mute, sent to the accessory; through
    // the signal as well.
    emit unit.sink()->stateActiveMuteChanged(false);
    QVERIFY(w->isAudioPathMuted());
    QCOMPARE(unit.sink()->micParameters, QList<Params>{Params({15, 1, 1})});
    w->switchActiveMute(false);
    QCOMPARE(unit.sink()->micParameters.size(), 2);
    QCOMPARE(log.count("Audiopath: MUTED"), 2);
}

void TestAudioState::parameterTriple()
{
    TestUnit unit;
    MainMenu* w = unit.start();
    unit.sink()->clear();
    QCOMPARE(w->setMicInitParameter(17, 0, 0), 0);
    QCOMPARE(w->setMicParameterButton(1), 0);
    QCOMPARE(w->setMicParameterMute(1), 0);
    QCOMPARE(w->setMicParameterGain(19), 0);
    w->initTB9(10, 0, 0);
    QCOMPARE(unit.sink()->micParameters,
             QList<Params>({{17, 0, 0}, {17, 0, 1}, {17, 1, 1}, {19, 1, 1}, {10, 0, 0}}));

    // The driver asks for them again when the accessory link comes back.
    unit.sink()->clear();
    AppBluetoothHost::instance().updateMicrophoneParameter();
    w->updateMicrophoneParameter();
    QCOMPARE(unit.sink()->micParameters, QList<Params>({{10, 0, 0}, {10, 0, 0}}));
    QCOMPARE(triple(w), Params({10, 0, 0}));

    // Null pointers are skipped.
    QCOMPARE(w->getMicInitParameter(nullptr, nullptr, nullptr), 0);
}

QTEST_MAIN(TestAudioState)
#include "tst_audiostate.moc"
