// tools/audioprobe as a user runs it: what `play` plays must reach the
// private sound server's sink, heard on the sink's monitor; a file that
// cannot be played ends the tool with exit code 1 and a reason. Skipped,
// with the reason, where no server can be started.
#include "privatesoundserver.h"
#include "testroot.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

const QString kTone = "/home/root/meas/Testtone_300Hz.wav";

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& args, const QString& workDir = QString())
{
    QProcess p;
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(AUDIOPROBE_BIN), args);
    ToolRun run;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        run.err = "audioprobe did not finish";
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(p.readAllStandardError());
    return run;
}

// What the sink plays, as 16000 Hz mono samples (parec on its monitor).
class SinkMonitor
{
public:
    explicit SinkMonitor(const QString& server)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", server);
        m_parec.setProcessEnvironment(env);
        m_parec.start("parec", {"-d", "nullsink.monitor", "--raw", "--format=s16le",
                                "--rate=16000", "--channels=1", "--latency-msec=20"});
    }
    ~SinkMonitor()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }
    bool started() { return m_parec.waitForStarted(10000); }

    QVector<qint16> samples()
    {
        m_pcm += m_parec.readAllStandardOutput();
        QVector<qint16> s(m_pcm.size() / 2);
        qFromLittleEndian<qint16>(m_pcm.constData(), s.size(), s.data());
        return s;
    }

private:
    QProcess m_parec;
    QByteArray m_pcm;
};

int peak(const QVector<qint16>& s)
{
    int p = 0;
    for (qint16 v : s)
        p = qMax(p, qAbs(int(v)));
    return p;
}

// Rising zero crossings per second between the first and the last loud sample.
// From the median spacing of rising zero crossings within the loud part: a
// sound server under load drops or inserts silence, which must not count as
// a slower tone.
double toneFrequency(const QVector<qint16>& s, int threshold)
{
    QVector<int> spacings;
    int lastCrossing = -1;
    for (int i = 1; i < s.size(); ++i) {
        if (!(s[i - 1] < 0 && s[i] >= 0))
            continue;
        const int from = qMax(0, i - 40), to = qMin(int(s.size()), i + 40);
        bool loud = false;
        for (int j = from; j < to && !loud; ++j)
            loud = qAbs(int(s[j])) >= threshold;
        if (loud && lastCrossing >= 0)
            spacings.append(i - lastCrossing);
        lastCrossing = loud ? i : -1;
    }
    if (spacings.isEmpty())
        return 0.0;
    std::sort(spacings.begin(), spacings.end());
    return 16000.0 / spacings[spacings.size() / 2];
}

}

class TestAudioprobe : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void playReachesTheSink_data();
    void playReachesTheSink();
    void unplayableExitsWithReason_data();
    void unplayableExitsWithReason();
    void noSoundServerExitsWithReason();

private:
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<PrivateSoundServer> m_server;
};

void TestAudioprobe::initTestCase()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir().mkpath(m_root->path("/home/root/meas")));
    QVERIFY(QFile::copy(VQ_SOURCE_DIR "/Resources/Files/Testtone_300Hz.wav", m_root->path(kTone)));
    // What a failed recording leaves: a header without sound; and a lone byte.
    QVERIFY(m_root->write("/home/root/meas/header.wav", "RIFF" + QByteArray(40, '\0')));
    QVERIFY(m_root->write("/home/root/meas/byte.raw", "x"));
    m_server = std::make_unique<PrivateSoundServer>(m_root->root());
    if (!m_server->isRunning())
        QSKIP(qPrintable("no private sound server: " + m_server->reason()));
}

void TestAudioprobe::cleanupTestCase()
{
    m_server.reset();
    m_root.reset();
}

void TestAudioprobe::playReachesTheSink_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("fromRoot");
    QTest::newRow("path on the unit") << kTone << false;
    QTest::newRow("path below the root") << m_root->path(kTone) << false;
    QTest::newRow("relative to the root") << kTone.mid(1) << true;
    QTest::newRow("below the root, untidy") << m_root->root() + "/./home/root/../root/meas/" + kTone.section('/', -1)
                                            << false;
}

void TestAudioprobe::playReachesTheSink()
{
    QFETCH(QString, file);
    QFETCH(bool, fromRoot);
    SinkMonitor monitor(m_server->address());
    QVERIFY2(monitor.started(), "parec (pulseaudio-utils) did not start");

    const ToolRun run = runTool({"play", m_root->root(), file}, fromRoot ? m_root->root() : "");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.out.startsWith("playing " + m_root->path(kTone) + " (0.50 s)"),
             qPrintable(run.out));

    // The tone's peak is 16384; silence on the monitor is 0.
    QTRY_VERIFY_WITH_TIMEOUT(peak(monitor.samples()) >= 12000, 15000);
    const double hz = toneFrequency(monitor.samples(), 4000);
    QVERIFY2(qAbs(hz - 300.0) < 10.0, qPrintable(QString("tone at %1 Hz").arg(hz)));
}

void TestAudioprobe::unplayableExitsWithReason_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "/home/root/meas/missing.wav" << "no file";
    QTest::newRow("a directory") << "/home/root/meas" << "no file";
    QTest::newRow("a header only") << "/home/root/meas/header.wav" << "no sound";
    QTest::newRow("less than a frame") << "/home/root/meas/byte.raw" << "no sound";
}

void TestAudioprobe::unplayableExitsWithReason()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const ToolRun run = runTool({"play", m_root->root(), file});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("audioprobe: " + reason), qPrintable(run.err));
    QVERIFY2(!run.out.contains("playing"), qPrintable(run.out));
}

void TestAudioprobe::noSoundServerExitsWithReason()
{
    TestRoot silent;
    QVERIFY(QDir().mkpath(silent.path("/home/root/meas")));
    QVERIFY(QFile::copy(m_root->path(kTone), silent.path(kTone)));
    const ToolRun run = runTool({"play", silent.root(), kTone});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("audioprobe: no sound server"), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestAudioprobe)
#include "tst_audioprobe.moc"
