// Codec routing, input selection, gains, mute, init and register access.
#include "Audio/alsacodecmixer.h"
#include "Audio/audiocodecsetup.h"
#include "Hardware/devicelayer.h"
#include "apphosts.h"
#include "logcapture.h"
#include "recordingcodecmixer.h"
#include "recordingregisterport.h"
#include "testroot.h"

#include <QScopeGuard>
#include <QtTest>
#include <climits>

namespace {

const char* const kRegisterFile = "/sys/bus/i2c/devices/1-0018/registers";

const QStringList kInputControls = {
    "Left Input Mixer IN1_L P", "Right Input Mixer IN1_R P", "Left Input Mixer IN2_L P",
    "Right Input Mixer IN2_R P", "Left Input Mixer IN3_L P", "Right Input Mixer IN3_R P",
};

// The six input switches for input pair 0 (none) .. 3.
QStringList inputSwitches(int pair)
{
    QStringList out;
    for (int i = 0; i < 6; ++i)
        out << QString("switch %1=%2").arg(kInputControls[i]).arg(i / 2 + 1 == pair ? 1 : 0);
    return out;
}

QStringList routing0()
{
    return QStringList{"switch Mic PGA=1",
                       "switch ADCFGA Left Mute=0",
                       "switch ADCFGA Right Mute=0",
                       "switch LOL Output Mixer L_DAC=1",
                       "switch LOR Output Mixer R_DAC=1",
                       "gain LO Driver Gain=0",
                       "gain PGA Level=300",
                       "gain ADC Level=200",
                       "gain PCM=0"}
           + inputSwitches(1)
           + QStringList{"switch Loopback ADC ADC>DAC=0", "enum Loopback-SecDataIn=1",
                         "enum DAC mode PRB_P3=1", "enum DAC mode PRB_P3=1"};
}

QStringList routing1()
{
    return QStringList{"switch Mic PGA=0",
                       "switch ADCFGA Left Mute=1",
                       "switch ADCFGA Right Mute=1",
                       "gain PGA Level=0",
                       "gain ADC Level=-1200",
                       "switch LOL Output Mixer L_DAC=1",
                       "switch LOR Output Mixer R_DAC=1",
                       "gain LO Driver Gain=0",
                       "gain PCM=0"}
           + inputSwitches(0)
           + QStringList{"switch Loopback ADC ADC>DAC=0", "enum Loopback-SecDataIn=0",
                         "enum DAC mode PRB_P3=1"};
}

}

class TestCodecMixer : public QObject
{
    Q_OBJECT
private slots:
    void newObjectIsMutedAfterCommonMode();
    void routingSequences_data();
    void routingSequences();
    void inputPathSelection_data();
    void inputPathSelection();
    void mixerFailuresAreNamedAndTheSequenceGoesOn();
    void muting();
    void loopbackOperations_data();
    void loopbackOperations();
    void initChoosesTheInputBySensorAndMutesOnce_data();
    void initChoosesTheInputBySensorAndMutesOnce();
    void initWithoutHubOrStatusObject();
    void registerTexts();
    void registerFileOnTheSimulatedDevice();
    void realAlsaBackendOnTheHost();
};

void TestCodecMixer::newObjectIsMutedAfterCommonMode()
{
    LogCapture log;
    auto* mixer = new RecordingCodecMixer;
    AudioCodecSetup codec(std::unique_ptr<CodecMixer>(mixer), std::make_unique<RecordingRegisterPort>());
    QCOMPARE(mixer->lines(), QStringList{"enum FullChipCM=0,75V LineOutCM=1,65V=1"});
    QVERIFY(codec.isMuted());
    const QStringList lines = log.lines();
    const int header = lines.indexOf("--- AudioCodecSetup ---");
    QVERIFY(header >= 0);
    QVERIFY(lines.indexOf("Setup common mode control finished") > header);
}

void TestCodecMixer::routingSequences_data()
{
    QTest::addColumn<int>("routing");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("0") << 0 << routing0();
    QTest::newRow("1") << 1 << routing1();
    QTest::newRow("2 runs routing 0") << 2 << routing0();
    QTest::newRow("-1 runs routing 0") << -1 << routing0();
}

void TestCodecMixer::routingSequences()
{
    QFETCH(int, routing);
    QFETCH(QStringList, expected);
    RecordingCodec rig;
    rig.codec.setRouting(routing);
    QCOMPARE(rig.mixer->lines(), expected);
    QVERIFY(rig.port->texts().isEmpty());
}

void TestCodecMixer::inputPathSelection_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("0") << 0 << 0 << "Select Input NONE";
    QTest::newRow("1") << 1 << 1 << "Select Input IN1";
    QTest::newRow("2") << 2 << 2 << "Select Input IN2";
    QTest::newRow("3") << 3 << 3 << "Select Input IN3";
    QTest::newRow("7") << 7 << 1 << "Select Input IN1";
    QTest::newRow("-1") << -1 << 1 << "Select Input IN1";
    QTest::newRow("INT_MIN") << INT_MIN << 1 << "Select Input IN1";
}

void TestCodecMixer::inputPathSelection()
{
    QFETCH(int, input);
    QFETCH(int, pair);
    QFETCH(QString, logLine);
    RecordingCodec rig;
    LogCapture log;
    rig.codec.setInputPath(input);
    QCOMPARE(rig.mixer->lines(), inputSwitches(pair));
    QCOMPARE(rig.mixer->handlesOpened(), 1);
    QCOMPARE(log.lines(), QStringList{logLine});
}

void TestCodecMixer::mixerFailuresAreNamedAndTheSequenceGoesOn()
{
    RecordingCodec rig;
    rig.mixer->failControl("Right Input Mixer IN2_R P", -5);
    LogCapture log;
    rig.codec.setInputPath(2);
    QCOMPARE(rig.mixer->lines(), inputSwitches(2));
    QCOMPARE(log.count("Select Input IN"), 2);  // the selection and the failure
    QVERIFY(log.contains("Select Input IN2_R: -5 Input/output error"));

    rig.mixer->clear();
    rig.mixer->failControl("Mic PGA", -22);
    rig.mixer->failControl("DAC mode PRB_P3", -22);
    rig.mixer->failControl("PGA Level", -22);                     // gains: ignored
    rig.mixer->failControl("ADC Level", CodecMixer::NotReached);  // missing control
    log.clear();
    rig.codec.setRouting(0);
    QCOMPARE(rig.mixer->lines(), routing0());
    QCOMPARE(log.count("Error setting mixerelement value: Mic PGA -22 Invalid argument"), 1);
    QCOMPARE(log.count("Error setting mixerelement enum value: DAC mode PRB_P3 -22 Invalid argument"), 2);
    QCOMPARE(log.count("Error setting"), 3);
}

void TestCodecMixer::muting()
{
    RecordingCodec rig;
    rig.codec.setMuting(false);
    QVERIFY(!rig.codec.isMuted());
    rig.codec.setMuting(true);
    QVERIFY(rig.codec.isMuted());
    QCOMPARE(rig.mixer->lines(), (QStringList{"switch LO DAC=1", "switch LO DAC=0"}));

    rig.mixer->failControl("LO DAC", -19);
    LogCapture log;
    rig.codec.setMuting(false);
    QVERIFY(log.contains("Error setting mixerelement value: LO DAC -19"));
}

void TestCodecMixer::loopbackOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("logLine");
    const QStringList enable{"switch Loopback ADC ADC>DAC=0", "enum Loopback-SecDataIn=1",
                             "enum DAC mode PRB_P3=1"};
    const QStringList disable{"switch Loopback ADC ADC>DAC=0", "enum Loopback-SecDataIn=0"};
    QTest::newRow("enable") << "enable" << enable << "AudioCodecSetup: Loopback enable";
    QTest::newRow("disable") << "disable" << disable << "AudioCodecSetup: Loopback disable";
    QTest::newRow("analog") << "analog"
                            << disable + QStringList{"switch LOL Output Mixer L_DAC=0",
                                                     "switch LOR Output Mixer R_DAC=0",
                                                     "switch LOL Output Mixer MAL=1",
                                                     "switch LOR Output Mixer MAR=1",
                                                     "switch MAL Power=1",
                                                     "switch MAR Power=1",
                                                     "gain LO Driver Gain=400"}
                            << "AudioCodecSetup: Loopback disable";
    QTest::newRow("digital") << "digital"
                             << enable + QStringList{"switch LOL Output Mixer MAL=0",
                                                     "switch LOR Output Mixer MAR=0",
                                                     "switch LOL Output Mixer L_DAC=1",
                                                     "switch LOR Output Mixer R_DAC=1",
                                                     "switch MAL Power=0",
                                                     "switch MAR Power=0",
                                                     "gain LO Driver Gain=0"}
                             << "AudioCodecSetup: Loopback enable";
}

void TestCodecMixer::loopbackOperations()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, expected);
    QFETCH(QString, logLine);
    RecordingCodec rig;
    LogCapture log;
    if (operation == "enable")
        rig.codec.setLoopbackEnable(true);
    else if (operation == "disable")
        rig.codec.setLoopbackEnable(false);
    else if (operation == "analog")
        rig.codec.setAnalogLoopback();
    else
        rig.codec.setDigitalLoopback();
    QCOMPARE(rig.mixer->lines(), expected);
    QVERIFY(log.contains(logLine));
}

void TestCodecMixer::initChoosesTheInputBySensorAndMutesOnce_data()
{
    QTest::addColumn<int>("sensorType");
    QTest::addColumn<int>("pair");
    QTest::addColumn<bool>("hub");  // whether the hub finds a main window
    QTest::newRow("wired sensor") << 4 << 3 << true;
    QTest::newRow("microphone") << 1 << 1 << true;
    QTest::newRow("none") << 0 << 1 << true;
    QTest::newRow("accessory kind 5") << 5 << 1 << true;
    QTest::newRow("wired sensor, no main window") << 4 << 3 << false;
}

void TestCodecMixer::initChoosesTheInputBySensorAndMutesOnce()
{
    QFETCH(int, sensorType);
    QFETCH(int, pair);
    QFETCH(bool, hub);
    RecordingCodec rig;
    QList<QPair<bool, bool>> mutes;
    int mixerWritesAtMute = -1;
    AudioCodecSetup::Hooks hooks;
    hooks.sensorType = [&] { return sensorType; };
    hooks.muteAudioPath = [&](bool mute, bool transmit) {
        mutes.append({mute, transmit});
        mixerWritesAtMute = rig.mixer->entries().size();
        return hub;
    };
    rig.codec.setHooks(hooks);
    LogCapture log;
    rig.codec.init();

    const QStringList expected = QStringList{"switch Loopback ADC ADC>DAC=0", "enum DAC mode PRB_P3=1"}
                                 + routing0() + inputSwitches(pair);
    QCOMPARE(rig.mixer->lines(), expected);
    QCOMPARE(mutes, (QList<QPair<bool, bool>>{{true, true}}));
    QCOMPARE(mixerWritesAtMute, expected.size());  // the mute comes last
    QVERIFY(log.lines().value(0) == "**** INIT Audio-Codec ****");
    QCOMPARE(log.contains("no main window"), !hub);
    QVERIFY(!log.contains("no status object"));
}

void TestCodecMixer::initWithoutHubOrStatusObject()
{
    // The production hooks with no main window: the status object knows no
    // sensor yet (input 1), and nothing is dereferenced.
    RecordingCodec rig;
    rig.codec.setHooks(AppHosts::codecHooks());
    LogCapture log;
    rig.codec.init();
    QCOMPARE(rig.mixer->lines().mid(rig.mixer->lines().size() - 6), inputSwitches(1));
    QVERIFY(!log.contains("no status object attached"));
    QVERIFY(log.contains("no main window attached"));
}

void TestCodecMixer::registerTexts()
{
    RecordingCodec rig;
    QCOMPARE(rig.codec.writeRegister(44, 4), 0);
    QCOMPARE(rig.codec.writeRegister(0, 0x2d), 0);
    QCOMPARE(rig.codec.writeRegister(127, 255), 0);
    QCOMPARE(rig.port->texts(), (QList<QByteArray>{"2c 4", "0 2d", "7f ff"}));

    LogCapture log;
    rig.port->setResult(CodecRegisterPort::Result::NotOpened);
    QCOMPARE(rig.codec.writeRegister(1, 5), -1);
    QCOMPARE(log.count("Error: Could not open Audio-Codec"), 1);
    rig.port->setResult(CodecRegisterPort::Result::NotWritten);
    QCOMPARE(rig.codec.writeRegister(1, 5), -1);
    QCOMPARE(log.count("Error:"), 2);
}

void TestCodecMixer::registerFileOnTheSimulatedDevice()
{
    TestRoot root;
    QVERIFY(root.isValid());
    QVERIFY(root.exists(kRegisterFile));
    auto* mixer = new RecordingCodecMixer;
    AudioCodecSetup codec(std::unique_ptr<CodecMixer>(mixer), nullptr);

    DeviceLayer::WriteTrace trace;
    QCOMPARE(codec.writeRegister(44, 4), 0);
    QCOMPARE(root.read(kRegisterFile), QByteArray("2c 4"));
    // A plain file keeps the tail of a longer earlier text.
    QCOMPARE(codec.writeRegister(1, 5), 0);
    QCOMPARE(root.read(kRegisterFile), QByteArray("1 54"));
    QCOMPARE(codec.writeRegister(0, 0x2d), 0);
    QCOMPARE(root.read(kRegisterFile), QByteArray("0 2d"));
    const QString file(kRegisterFile);
    QCOMPARE(trace.entries(), (QStringList{file + "=2c 4", file + "=1 5", file + "=0 2d"}));

    // No driver: every write fails alone, and no file appears.
    QVERIFY(root.remove(kRegisterFile));
    LogCapture log;
    QCOMPARE(codec.writeRegister(44, 4), -1);
    codec.setFilter(160, 1250, 1);
    QCOMPARE(log.count("Error: Could not open Audio-Codec"), 1 + 197);
    QVERIFY(!root.exists(kRegisterFile));
    quint32 low = 0, high = 0;
    int type = -1;
    codec.getFilter(&low, &high, &type);
    QCOMPARE(low, 160u);
    QCOMPARE(high, 1250u);
    QCOMPARE(type, 1);
}

void TestCodecMixer::realAlsaBackendOnTheHost()
{
    const bool hadCard = qEnvironmentVariableIsSet("DEVICE_ALSA_MIXER");
    const QByteArray savedCard = qgetenv("DEVICE_ALSA_MIXER");
    const auto restore = qScopeGuard([&] {
        hadCard ? qputenv("DEVICE_ALSA_MIXER", savedCard) : qunsetenv("DEVICE_ALSA_MIXER");
    });
    qputenv("DEVICE_ALSA_MIXER", "vq4100-test-card");
    QCOMPARE(AlsaCodecMixer::defaultCard(), QByteArray("vq4100-test-card"));
    qunsetenv("DEVICE_ALSA_MIXER");
    const QByteArray card = AlsaCodecMixer::defaultCard();
    QVERIFY(card != "default");
    QVERIFY(!card.startsWith("hw"));

    {
        AlsaCodecMixer mixer;
        const QVector<int> results = mixer.applyAll({{"PCM", CodecMixer::Kind::Gain, 0},
                                                     {"LO DAC", CodecMixer::Kind::Switch, 1}});
        QCOMPARE(results, (QVector<int>{CodecMixer::NotReached, CodecMixer::NotReached}));
        QVERIFY(mixer.applyAll({}).isEmpty());
    }

    TestRoot root;
    LogCapture log;
    AudioCodecSetup codec;
    AudioCodecSetup::Hooks hooks;
    hooks.sensorType = [] { return 4; };
    hooks.muteAudioPath = [&](bool mute, bool) {
        codec.setMuting(mute);
        return true;
    };
    codec.setHooks(hooks);
    codec.init();
    for (int r : {0, 1, 2})
        codec.setRouting(r);
    for (int i : {-1, 0, 1, 2, 3, 4})
        codec.setInputPath(i);
    codec.setMuting(false);
    codec.setLoopbackEnable(true);
    codec.setAnalogLoopback();
    codec.setDigitalLoopback();
    codec.setLineOutGain(600);
    codec.setMicPgaGain(4750);
    codec.setAdcGain(-1200);
    codec.setDacGain(2400);
    codec.setMixerElement("PCM", 100);
    codec.setFilter(160, 1250, 1);
    QVERIFY(codec.isMuted() == false);

    QCOMPARE(log.count("Mixer: cannot attach card"), 1);
    QVERIFY(log.contains("vq4100-no-codec-card"));
    QVERIFY(!log.contains("Error setting"));
    QVERIFY(!log.contains("Could not open"));
}

QTEST_GUILESS_MAIN(TestCodecMixer)
#include "tst_codecmixer.moc"
