// scripts/pulse-private as the scripts and tests run it: the server's
// folders are real folders inside the device tree, or it does not start and
// nothing outside the tree is made or written; it reuses or ends only the
// server it started for the tree.
#include "filetree.h"
#include "privatesoundserver.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool noPulseaudio()
{
    return QStandardPaths::findExecutable("pulseaudio").isEmpty();
}

// Whether a server takes connections at the PULSE_SERVER value `address`.
bool answers(const QString& address)
{
    const QByteArray path = QFile::encodeName(address.mid(int(std::strlen("unix:"))));
    sockaddr_un sa{};
    sa.sun_family = AF_UNIX;
    if (!address.startsWith("unix:") || path.size() >= int(sizeof sa.sun_path))
        return false;
    std::memcpy(sa.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected = fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0;
    if (fd >= 0)
        ::close(fd);
    return connected;
}

bool alive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

QString pidFile(const QString& root)
{
    return root + "/var/lib/sim/pulse/pid";
}

qint64 pidIn(const QString& root)
{
    QFile f(pidFile(root));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toLongLong() : 0;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A pid file as a copied tree or a stale run leaves it.
bool putPid(const QString& root, qint64 pid)
{
    return writeFile(pidFile(root), QByteArray::number(pid) + '\n');
}

}

class TestPulsePrivate : public QObject
{
    Q_OBJECT

private slots:
    void aLinkOnTheWayIsRefused_data();
    void aLinkOnTheWayIsRefused();
    void startsAndStopsInsideTheTree();
    void aLinkInTheHomeIsNotWrittenThrough_data();
    void aLinkInTheHomeIsNotWrittenThrough();
    void anotherTreesServerIsNotTakenForOurs_data();
    void anotherTreesServerIsNotTakenForOurs();
    void aPidFileNamingAnotherProgramEndsNothing();
};

void TestPulsePrivate::aLinkOnTheWayIsRefused_data()
{
    // The folder that is a link to an empty folder outside the tree; the
    // folders above it are real.
    QTest::addColumn<QString>("link");
    QTest::newRow("sim") << "/var/lib/sim";
    QTest::newRow("pulse") << "/var/lib/sim/pulse";
    QTest::newRow("runtime") << "/var/lib/sim/pulse/run";
    QTest::newRow("home") << "/var/lib/sim/pulse/home";
}

void TestPulsePrivate::aLinkOnTheWayIsRefused()
{
    QFETCH(QString, link);
    TestRoot root;
    QVERIFY(root.isValid());
    QTemporaryDir outside;
    QVERIFY(QDir(root.path(link)).removeRecursively());
    QVERIFY(QDir().mkpath(QFileInfo(root.path(link)).path()));
    QVERIFY(QFile::link(outside.path(), root.path(link)));

    for (const char* command : {"start", "stop"}) {
        QString out;
        QString err;
        QStringList args{command, root.root()};
        if (command == QLatin1String("start"))
            args << "--owner" << QString::number(QCoreApplication::applicationPid());
        const int code = PrivateSoundServer::runScript(args, &out, &err);
        QVERIFY2(code == 2, qPrintable(QString("%1: exit code %2, %3").arg(command).arg(code).arg(err)));
        QVERIFY2(err.contains("the link " + link + '\n'), qPrintable(err));
        QCOMPARE(out, QString());
        QVERIFY(treeOf(outside.path()).isEmpty());
    }
    QVERIFY(QFileInfo(root.path(link)).isSymLink());
}

// The normal case, with links left in place of the files the script writes:
// they are replaced, not written through.
void TestPulsePrivate::startsAndStopsInsideTheTree()
{
    if (noPulseaudio())
        QSKIP("pulseaudio is not installed");
    TestRoot root;
    QVERIFY(root.isValid());
    QTemporaryDir outside;
    const QString dir = root.path("/var/lib/sim/pulse");
    QVERIFY(QDir().mkpath(dir));
    for (const char* name : {"pid", "pulse.log"}) {
        QFile f(outside.path() + '/' + name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("outside\n") == 8);
        f.close();
        QVERIFY(QFile::link(f.fileName(), dir + '/' + name));
    }
    const auto before = treeOf(outside.path());

    PrivateSoundServer server(root.root());
    QVERIFY2(server.isRunning(), qPrintable(server.reason()));
    QCOMPARE(server.address(), "unix:" + dir + "/native");
    QVERIFY(QFileInfo(dir + "/native").exists());
    for (const char* folder : {"home", "run"})
        QVERIFY(QFileInfo(dir + '/' + folder).isDir() && !QFileInfo(dir + '/' + folder).isSymLink());
    QVERIFY(!QFileInfo(dir + "/pid").isSymLink());
    QVERIFY(QFile(dir + "/pid").size() > 0);
    QCOMPARE(treeOf(outside.path()), before);

    // Started again while running: the same server, its folders kept.
    QVERIFY(writeFile(dir + "/run/kept", "kept\n"));
    QString out;
    QCOMPARE(PrivateSoundServer::runScript({"start", root.root()}, &out), 0);
    QCOMPARE(out.trimmed(), server.address());
    QVERIFY(QFileInfo::exists(dir + "/run/kept"));

    QCOMPARE(PrivateSoundServer::runScript({"stop", root.root()}), 0);
    QVERIFY(!QFileInfo::exists(dir + "/pid"));
    QCOMPARE(treeOf(outside.path()), before);
}

// What an earlier run or a PC left in the server's home, a link to outside
// among it, goes before the server starts, and the caller's config home is
// not the server's: the cookie it writes stays in the tree.
void TestPulsePrivate::aLinkInTheHomeIsNotWrittenThrough_data()
{
    // The link below the server's home, what it leads to below the outside
    // folder, and the caller's XDG_CONFIG_HOME below it.
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("configHome");
    QTest::newRow("cookie") << "/.config/pulse/cookie" << "/cookie" << QString();
    QTest::newRow("config folder") << "/.config" << "/config" << QString();
    QTest::newRow("caller's config home") << QString() << QString() << "/config";
}

void TestPulsePrivate::aLinkInTheHomeIsNotWrittenThrough()
{
    if (noPulseaudio())
        QSKIP("pulseaudio is not installed");
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(QString, configHome);
    TestRoot root;
    QVERIFY(root.isValid());
    QTemporaryDir outside;
    QVERIFY(writeFile(outside.path() + "/cookie", "outside cookie\n"));
    QVERIFY(writeFile(outside.path() + "/config/pulse/cookie", "outside cookie\n"));
    const QString home = root.path("/var/lib/sim/pulse/home");
    if (!link.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(home + link).path()));
        QVERIFY(QFile::link(outside.path() + target, home + link));
    }
    const bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray callersConfigHome = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        if (hadConfigHome)
            qputenv("XDG_CONFIG_HOME", callersConfigHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    });
    if (!configHome.isEmpty())
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(outside.path() + configHome));
    const auto before = treeOf(outside.path());

    {
        PrivateSoundServer server(root.root());
        QVERIFY2(server.isRunning(), qPrintable(server.reason()));
        QVERIFY(answers(server.address()));
        QCOMPARE(treeOf(outside.path()), before);
    }
    QVERIFY(!QFileInfo::exists(pidFile(root.root())));
    QCOMPARE(treeOf(outside.path()), before);
    if (!link.isEmpty())
        QVERIFY(!QFileInfo(home + link).isSymLink());
}

void TestPulsePrivate::anotherTreesServerIsNotTakenForOurs_data()
{
    // Whether the other tree's path ends in this one's (its socket path
    // holds this tree's as a part).
    QTest::addColumn<bool>("nested");
    QTest::newRow("another tree") << false;
    QTest::newRow("path ending in this tree's") << true;
}

// A tree copied with its pid file: the pid names the other tree's running
// server, which this tree's start neither reuses nor its stop ends.
void TestPulsePrivate::anotherTreesServerIsNotTakenForOurs()
{
    if (noPulseaudio())
        QSKIP("pulseaudio is not installed");
    QFETCH(bool, nested);
    TestRoot root;
    QVERIFY(root.isValid());
    // Nested below a short folder, so that its socket path stays within
    // what a socket takes.
    QTemporaryDir outer(nested ? QString("/tmp/pp-XXXXXX") : QDir::tempPath() + "/pp-XXXXXX");
    const QString otherRoot = outer.path() + (nested ? root.root() : QString("/root"));
    if (otherRoot.size() + int(std::strlen("/var/lib/sim/pulse")) > 100)
        QSKIP("this tree's path is too long to nest another below a folder");
    QVERIFY(QDir().mkpath(otherRoot) && DeviceTree::create(otherRoot, DeviceTree::Options()));

    PrivateSoundServer other(otherRoot);
    QVERIFY2(other.isRunning(), qPrintable(other.reason()));
    const qint64 otherPid = pidIn(otherRoot);
    QVERIFY(alive(otherPid));
    QVERIFY(putPid(root.root(), otherPid));

    {
        PrivateSoundServer ours(root.root());
        QVERIFY2(ours.isRunning(), qPrintable(ours.reason()));
        QCOMPARE(ours.address(), "unix:" + root.path("/var/lib/sim/pulse/native"));
        QVERIFY(answers(ours.address()));
        QVERIFY(alive(pidIn(root.root())));
        QVERIFY(pidIn(root.root()) != otherPid);
        QCOMPARE(PrivateSoundServer::runScript({"stop", root.root()}), 0);
        QVERIFY(!answers(ours.address()));
    }
    QVERIFY(alive(otherPid));
    QVERIFY(answers(other.address()));

    // Stopped with the copied pid file: it goes, the server it names runs on.
    QVERIFY(putPid(root.root(), otherPid));
    QCOMPARE(PrivateSoundServer::runScript({"stop", root.root()}), 0);
    QVERIFY(!QFileInfo::exists(pidFile(root.root())));
    QVERIFY(alive(otherPid));
    QVERIFY(answers(other.address()));
}

// A pid given out again, here to a program that even bears the server's name.
void TestPulsePrivate::aPidFileNamingAnotherProgramEndsNothing()
{
    TestRoot root;
    QVERIFY(root.isValid());
    QTemporaryDir bin;
    const QString sleep = QStandardPaths::findExecutable("sleep");
    QVERIFY(!sleep.isEmpty());
    const QString named = bin.path() + "/pulseaudio";
    QVERIFY(QFile::copy(sleep, named));
    QVERIFY(QFile::setPermissions(named, QFile::ReadOwner | QFile::ExeOwner));
    QProcess program;
    program.start(named, {"60"});
    QVERIFY(program.waitForStarted());
    QVERIFY(putPid(root.root(), program.processId()));

    QCOMPARE(PrivateSoundServer::runScript({"stop", root.root()}), 0);
    QVERIFY(!QFileInfo::exists(pidFile(root.root())));
    QVERIFY(!program.waitForFinished(200));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

QTEST_GUILESS_MAIN(TestPulsePrivate)
#include "tst_pulseprivate.moc"
