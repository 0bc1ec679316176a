// scripts/pulse-private as the scripts and tests run it: the server's
// folders are real folders inside the device tree, or it does not start and
// nothing outside the tree is made or written.
#include "filetree.h"
#include "privatesoundserver.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestPulsePrivate : public QObject
{
    Q_OBJECT

private slots:
    void aLinkOnTheWayIsRefused_data();
    void aLinkOnTheWayIsRefused();
    void startsAndStopsInsideTheTree();
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
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
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

    // Started again while running: the same server.
    QString out;
    QCOMPARE(PrivateSoundServer::runScript({"start", root.root()}, &out), 0);
    QCOMPARE(out.trimmed(), server.address());

    QCOMPARE(PrivateSoundServer::runScript({"stop", root.root()}), 0);
    QVERIFY(!QFileInfo::exists(dir + "/pid"));
    QCOMPARE(treeOf(outside.path()), before);
}

QTEST_GUILESS_MAIN(TestPulsePrivate)
#include "tst_pulseprivate.moc"
