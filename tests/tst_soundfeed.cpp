// The simulated device's sound feed into a sound server's input FIFO: what it
// writes, and how it waits for, loses and finds the server again.
#include "pulsefeed.h"
#include "signalgenerator.h"
#include "testroot.h"

#include <QDir>
#include <memory>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The server's end of the FIFO.
class FifoReader
{
public:
    explicit FifoReader(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    ~FifoReader() { close(); }
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    QByteArray readAvailable()
    {
        QByteArray out;
        char buf[4096];
        qint64 n;
        while ((n = ::read(m_fd, buf, sizeof buf)) > 0)
            out.append(buf, int(n));
        return out;
    }

private:
    int m_fd = -1;
};

QString fifoPath(const TestRoot& t)
{
    return t.path(PulseFeed::kFifoUnitPath);
}

bool makeFifo(const TestRoot& t)
{
    const QString path = fifoPath(t);
    return QDir().mkpath(QFileInfo(path).path())
           && ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
}

}

class TestSoundFeed : public QObject
{
    Q_OBJECT
private slots:
    void writesTheSignalInWholeChunks();
    void waitsForServer();
    void neverWritesIntoPlainFile();
    void findsServerAgainAfterItWent();
};

void TestSoundFeed::writesTheSignalInWholeChunks()
{
    TestRoot t;
    SignalParams signal;
    signal.toneHz = 500;
    signal.noiseDb = -30;
    QVERIFY(signal.save(t.root()));
    QVERIFY(makeFifo(t));
    FifoReader reader(fifoPath(t));
    QVERIFY(reader.isOpen());

    PulseFeed feed;
    QVERIFY(feed.start(t.root()));
    QVERIFY(feed.isConnected());
    // At most about two chunks can wait in the pipe: no old sound piles up.
    QVERIFY(::fcntl(reader.fd(), F_GETPIPE_SZ) <= 8192);

    QByteArray got;
    QTRY_VERIFY_WITH_TIMEOUT((got += reader.readAvailable()).size() >= 3 * 3200, 10000);
    QCOMPARE(got.size() % 3200, 0);
    QCOMPARE(feed.chunksWritten(), got.size() / 3200);
    // The same signal the generator makes at 16000 samples/s (later chunks
    // may have been dropped had this reader stalled).
    SignalGenerator expected(16000);
    expected.setParams(signal);
    QCOMPARE(got.left(2 * 3200), expected.generatePcm16(2 * 1600));
    feed.stop();
    QVERIFY(!feed.isConnected());
}

void TestSoundFeed::waitsForServer()
{
    TestRoot t;
    PulseFeed feed;
    QVERIFY(feed.start(t.root()));
    QVERIFY(!feed.isConnected());
    feed.tick();
    QCOMPARE(feed.chunksWritten(), 0);

    // A FIFO without a reader is no server yet either.
    QVERIFY(makeFifo(t));
    feed.tick();
    QVERIFY(!feed.isConnected());

    FifoReader reader(fifoPath(t));
    QTRY_VERIFY_WITH_TIMEOUT(feed.isConnected(), 10000);
    QByteArray got;
    QTRY_VERIFY_WITH_TIMEOUT(!(got += reader.readAvailable()).isEmpty(), 10000);
}

void TestSoundFeed::neverWritesIntoPlainFile()
{
    TestRoot t;
    QVERIFY(t.write(PulseFeed::kFifoUnitPath, ""));
    PulseFeed feed;
    QVERIFY(feed.start(t.root()));
    QTest::qWait(300);
    QVERIFY(!feed.isConnected());
    QCOMPARE(QFileInfo(fifoPath(t)).size(), 0);
}

void TestSoundFeed::findsServerAgainAfterItWent()
{
    TestRoot t;
    QVERIFY(makeFifo(t));
    auto reader = std::make_unique<FifoReader>(fifoPath(t));
    PulseFeed feed;
    QVERIFY(feed.start(t.root()));
    QVERIFY(feed.isConnected());

    // The server ends: its writes fail (no SIGPIPE ends this process).
    reader.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!feed.isConnected(), 10000);

    // A new server, a new FIFO.
    QVERIFY(QFile::remove(fifoPath(t)));
    QVERIFY(makeFifo(t));
    FifoReader next(fifoPath(t));
    QTRY_VERIFY_WITH_TIMEOUT(feed.isConnected(), 10000);
    QByteArray got;
    QTRY_VERIFY_WITH_TIMEOUT((got += next.readAvailable()).size() >= 3200, 10000);
}

QTEST_GUILESS_MAIN(TestSoundFeed)
#include "tst_soundfeed.moc"
