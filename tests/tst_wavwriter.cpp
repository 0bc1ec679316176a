// Storing the recording window as a WAV file: header fields, the 320000-byte
// limit, what stays in the window, failed stores, and files a PC can read.
#include "Audio/recordingwindow.h"
#include "Audio/wavwriter.h"
#include "logcapture.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray numbered(int number, int size)
{
    return QByteArray(size, char(number & 0x7f));
}

// A running window holding `count` chunks of `size` bytes numbered 1..count
// (older ones pushed out once the threshold is passed).
RecordingWindow windowOf(int count, int size)
{
    RecordingWindow w;
    w.start();
    w.pause(false);
    for (int i = 1; i <= count; ++i)
        w.append(numbered(i, size));
    return w;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The header of a 16000 Hz, mono, 16-bit PCM file holding `data` bytes.
QByteArray standardHeader(quint32 data)
{
    auto le = [](quint32 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    // fmt size 16, PCM, mono, 16000 Hz, 32000 bytes/s, 2-byte frames, 16 bit
    return "RIFF" + le(data + 36) + "WAVEfmt " + QByteArray::fromHex("10000000 0100 0100 803e0000 007d0000 0200 1000")
           + "data" + le(data);
}

quint32 le32(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + offset);
}

quint16 le16(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData()) + offset);
}

}

class TestWavWriter : public QObject
{
    Q_OBJECT
private slots:
    void oneSecondWindow();
    void emptyWindow();
    void fullWindowAndStoringTwice();
    void chunkCrossingLimitIsCut();
    void headerFollowsFormat();
    void createsDirectoryAndReplacesFile();
    void failedStoreKeepsOldFileAndWindow();
    void pythonWaveReadsFile();

private:
    // Files are written below the device root only.
    TestRoot m_root;
    QString path(const QString& name) const { return m_root.path("/home/root/meas/" + name); }
    // The file a store wrote; empty when the store failed.
    QByteArray stored(const QString& name, RecordingWindow& w, const WavFormat& format = WavFormat())
    {
        return WavWriter::store(path(name), w, format) ? readAll(path(name)) : QByteArray();
    }
};

void TestWavWriter::oneSecondWindow()
{
    RecordingWindow w = windowOf(10, 3200);
    const QByteArray f = stored("one.wav", w);
    QCOMPARE(f.size(), 32044);
    QCOMPARE(f.left(44), standardHeader(32000));
    QByteArray expected;
    for (int i = 1; i <= 10; ++i)
        expected += numbered(i, 3200);
    QCOMPARE(f.mid(44), expected);
    QCOMPARE(w.chunkCount(), 0);

    // The placeholders before patching.
    const QByteArray h = WavWriter::header(WavFormat());
    QCOMPARE(h.size(), 44);
    QCOMPARE(h.mid(4, 4), QByteArray("\x44\x33\x22\x11"));
    QCOMPARE(h.mid(40, 4), QByteArray("\x88\x77\x66\x55"));
}

void TestWavWriter::emptyWindow()
{
    RecordingWindow w;
    LogCapture log;
    const QByteArray f = stored("empty.wav", w);
    QCOMPARE(f, standardHeader(0));
    QVERIFY(log.contains("File written:"));
}

void TestWavWriter::fullWindowAndStoringTwice()
{
    RecordingWindow w = windowOf(103, 3200);
    QCOMPARE(w.chunkCount(), 103);
    const QByteArray f = stored("full.wav", w);
    QCOMPARE(f.size(), 320044);
    QCOMPARE(f.left(44), standardHeader(320000));
    // The 100 oldest chunks, in order.
    QCOMPARE(f.at(44), char(1));
    QCOMPARE(f.at(44 + 99 * 3200), char(100));
    QCOMPARE(w.chunkCount(), 3);
    QCOMPARE(int(w.chunks().head().at(0)), 101);

    // Storing again: past the threshold each new chunk drops one, so only
    // the newest three are left to write.
    for (int i = 104; i <= 110; ++i)
        w.append(numbered(i, 3200));
    QCOMPARE(w.chunkCount(), 3);
    const QByteArray second = stored("second.wav", w);
    QCOMPARE(second.left(44), standardHeader(3 * 3200));
    QCOMPARE(second.mid(44), numbered(108, 3200) + numbered(109, 3200) + numbered(110, 3200));
    QCOMPARE(w.chunkCount(), 0);
}

void TestWavWriter::chunkCrossingLimitIsCut()
{
    RecordingWindow w = windowOf(80, 4096);
    QCOMPARE(w.chunkCount(), 80);
    const QByteArray f = stored("cut.wav", w);
    QCOMPARE(f.left(44), standardHeader(320000));
    // 78 whole chunks make 319488 bytes; the 79th gives its first 512.
    QCOMPARE(f.at(44 + 78 * 4096 - 1), char(78));
    QCOMPARE(f.mid(44 + 78 * 4096), numbered(79, 512));
    QCOMPARE(w.chunkCount(), 1);
    QCOMPARE(int(w.chunks().head().at(0)), 80);
}

void TestWavWriter::headerFollowsFormat()
{
    // A device that only offers another format must not give mislabelled files.
    WavFormat stereo;
    stereo.sampleRate = 44100;
    stereo.channels = 2;
    const QByteArray h = WavWriter::header(stereo, 36, 0);
    QCOMPARE(le16(h, 22), quint16(2));
    QCOMPARE(le32(h, 24), 44100u);
    QCOMPARE(le32(h, 28), 176400u);
    QCOMPARE(le16(h, 32), quint16(4));
    QCOMPARE(le16(h, 34), quint16(16));
    QCOMPARE(le32(h, 4), 36u);

    WavFormat floats;
    floats.sampleBits = 32;
    floats.floatSamples = true;
    QCOMPARE(le16(WavWriter::header(floats), 20), quint16(3));

    // Three-byte frames: the limit is cut to whole frames.
    WavFormat s24;
    s24.sampleBits = 24;
    RecordingWindow w(3);
    w.start();
    w.pause(false);
    for (int i = 0; i < 110; ++i)
        w.append(QByteArray(3000, 'x'));
    const QByteArray f = stored("s24.wav", w, s24);
    QCOMPARE(le32(f, 40), 319998u);
    QCOMPARE(le16(f, 32), quint16(3));
}

void TestWavWriter::createsDirectoryAndReplacesFile()
{
    const QString p = path("new/dir/rec.wav");
    LogCapture log;
    RecordingWindow big = windowOf(20, 3200);
    QVERIFY(WavWriter::store(p, big, WavFormat()));
    QVERIFY(log.contains("Directory doesn't exist -> generate directory:"));
    QCOMPARE(QFileInfo(p).size(), 64044);

    // A shorter recording of the same name leaves nothing of the old one.
    RecordingWindow small = windowOf(1, 3200);
    QVERIFY(WavWriter::store(p, small, WavFormat()));
    QCOMPARE(QFileInfo(p).size(), 3244);
}

void TestWavWriter::failedStoreKeepsOldFileAndWindow()
{
    // A disk that fills up during the write (a file size limit here) and a
    // file that cannot even be begun (a directory in the way): the older
    // recording of the name, the window and the folder stay as they were.
    const QString p = path("keep/rec.wav");
    RecordingWindow old = windowOf(2, 3200);
    QVERIFY(WavWriter::store(p, old, WavFormat()));
    const QByteArray before = readAll(p);
    QVERIFY(QDir().mkpath(path("keep/in-the-way.wav")));

    std::signal(SIGXFSZ, SIG_IGN);
    const std::pair<QString, rlim_t> rows[] = {{p, 8000}, {path("keep/in-the-way.wav"), RLIM_INFINITY}};
    for (const auto& [target, fileSizeLimit] : rows) {
        RecordingWindow w = windowOf(5, 3200);
        LogCapture log;
        rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = std::min(fileSizeLimit, saved.rlim_max);
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool stored = WavWriter::store(target, w, WavFormat());
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!stored);
        QVERIFY(log.contains("Cannot") && !log.contains("File written:"));
        QCOMPARE(w.chunkCount(), 5);
        QCOMPARE(readAll(p), before);
        QCOMPARE(QDir(path("keep")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"in-the-way.wav", "rec.wav"}));
    }
}

void TestWavWriter::pythonWaveReadsFile()
{
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    RecordingWindow w = windowOf(17, 3200);
    QVERIFY(WavWriter::store(path("py.wav"), w, WavFormat()));

    QProcess p;
    p.start(python, {"-c",
                     "import sys, wave\n"
                     "w = wave.open(sys.argv[1])\n"
                     "print(w.getframerate(), w.getnchannels(), w.getsampwidth(), w.getnframes())\n",
                     path("py.wav")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput().trimmed(), QByteArray("16000 1 2 27200"));
}

QTEST_GUILESS_MAIN(TestWavWriter)
#include "tst_wavwriter.moc"
