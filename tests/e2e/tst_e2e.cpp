// The unit's main road, walked as an operator walks it on the device that
// scripts/run makes (a paired TB-9 and headset, the receiver's fix):
//
//  1. Start the program: the board's partition is checked and mounted, the
//     mixer restored, and the main page appears; wait for the TB-9's link
//     (the microphone in the status line turns green).
//  2. Touch Pinpointing: its screen opens.
//  3. Three points: F6 listens (the audio line and the TB-9 open), F6 again,
//     about 3 s later, closes the point and keeps its sound. Between the
//     points the noise changes (devsim signal), the second loudest, the third
//     quietest.
//  4. Touch Save, type "Hydrant 3" on the keyboard by touches, touch Accept:
//     the measurement is stored with its levels, positions and sounds.
//  5. A short F1: the main page, and the TB-9 is asked for its battery.
//  6. Touch Management, then Measurements: the measurement is listed. F4 opens
//     it on its stored view; touch Back: the list again. F1: the main page.
//  7. Hold F1 until the display goes dark, then let go: about 3 s later the
//     partition is unmounted and the unit switches off.
//
// Only the display's keys and clicks go in; only files, logs and screenshots
// are looked at. A failure names its step and leaves the run's folder (root,
// logs, numbered screenshots) in the build folder.
#include "unitrun.h"

#include <QDateTime>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// The menu column's buttons, the keyboard's keys: centres of the forms' geometry.
const QPoint kMainManagement(397, 190);
const QPoint kManagementMeasurements(83, 65);
const QPoint kMenuButton1(453, 27);
const QPoint kMenuButton5(453, 243);
const QPoint kKeyboardAccept(448, 37);
QPoint keyboardKey(QChar c)
{
    static const QString rows[] = {"1234567890", "qwertzuiop", "asdfghjkl", "yxcvbnm"};
    if (c == ' ')
        return {412, 229};
    for (int row = 0; row < 4; ++row) {
        const int column = rows[row].indexOf(c.toLower());
        if (column >= 0)
            return {25 + 43 * column, 100 + 43 * row};
    }
    return {};
}

// A point's slot on the live screen; its bar's foot is lit once the point
// has a level.
bool barLit(const QImage& img, int point)
{
    return UnitRun::lit(img, 25 + 42 * (point - 1), 225);
}

// The browser's first row, selected: drawn in the focus colour.
bool firstRowShown(const QImage& img)
{
    int lit = 0, all = 0;
    for (int y = 50; y <= 70; ++y) {
        for (int x = 10; x <= 410; ++x, ++all)
            lit += UnitRun::lit(img, x, y);
    }
    return lit * 2 >= all;
}

// The stored view's bars end above the value labels; where a bar's fill
// begins (its foot when it has none).
const int kStoredBarFoot = 202;
int storedBarTop(const QImage& img, int point)
{
    const int x = 25 + 42 * (point - 1);
    for (int y = 62; y < kStoredBarFoot; ++y) {
        if (UnitRun::lit(img, x, y))
            return y;
    }
    return kStoredBarFoot;
}

// 16 kHz mono 16-bit PCM, its sizes those of the file: written whole.
bool completeWav(const QByteArray& wav)
{
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    return wav.size() > 44 && wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt "
           && u32(4) == quint32(wav.size() - 8) && u16(20) == 1 && u16(22) == 1 && u32(24) == 16000
           && u16(34) == 16 && wav.mid(36, 4) == "data" && u32(40) == quint32(wav.size() - 44);
}

QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void walk();
    void cleanup();

private:
    // Marks the step that the checks after it belong to.
    void step(const QString& name);
    QString failure(const QString& what) const { return m_step + ": " + what; }
    // Step 3: one listening point at that noise level.
    void point(int n, int noiseDb);

    QTemporaryDir m_folder{QDir::tempPath() + "/vq4100-e2e-XXXXXX"};
    std::unique_ptr<UnitRun> m_unit;
    QString m_step;
    QImage m_mainPage;
    QImage m_shot;
};

// A check within a step; its message names the step.
#define E2E_DO(expr)                                                                               \
    do {                                                                                           \
        const QString error_ = (expr);                                                             \
        QVERIFY2(error_.isEmpty(), qPrintable(failure(error_)));                                   \
    } while (0)
#define E2E_CHECK(cond, what) QVERIFY2(cond, qPrintable(failure(what)))

void TestEndToEnd::initTestCase()
{
    const QString missing = UnitRun::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing + " is not installed (scripts/install-deps installs it)"));
    QVERIFY(m_folder.isValid());
    m_unit = std::make_unique<UnitRun>(UnitRun::Setup{VQ_PROGRAM, VQ_DEVSIM, VQ_SOURCE_DIR, m_folder.path()});
}

void TestEndToEnd::step(const QString& name)
{
    m_step = "step " + name;
    qInfo().noquote() << m_step;
}

void TestEndToEnd::cleanup()
{
    if (QTest::currentTestFailed())
        m_unit->keepScreen("at-failure");
    m_unit->stop();
    if (!QTest::currentTestFailed())
        return;
    // Kept where the build is: the temporary folder goes with the test run.
    const QString kept = QDir::currentPath() + "/e2e-failed-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    if (QProcess::execute("cp", {"-a", m_folder.path(), kept}) == 0)
        qInfo().noquote() << "The failed run's root, logs and screenshots:" << kept;
    else {
        m_folder.setAutoRemove(false);
        qInfo().noquote() << "The failed run's root, logs and screenshots:" << m_folder.path();
    }
}

void TestEndToEnd::point(int n, int noiseDb)
{
    UnitRun& u = *m_unit;
    const QString noise = QString("noise %1 dB").arg(noiseDb);
    const QString serveLog = u.serveLogPath();
    const int fed = UnitRun::count(UnitRun::readAll(serveLog), "(adc|sound) at .*" + noise);
    E2E_DO(u.devsim("signal", {"--tone-db", "off", "--noise-db", QString::number(noiseDb)}));
    // Both feeds carry the new noise before the point starts.
    auto bothFed = [&] {
        const QString log = UnitRun::readAll(serveLog);
        return UnitRun::count(log, "adc at .*" + noise) + UnitRun::count(log, "sound at .*" + noise) >= fed + 2;
    };
    const QString gpio17 = "/sys/class/gpio/gpio17/value";
    const QString btLog = "/var/log/bt-sim.log";
    const int active = UnitRun::count(u.text(btLog), R"(BT_TX I \S+ ACTIVE)");
    const int muted = UnitRun::count(u.text(btLog), R"(BT_TX I \S+ MUTE)");
    const QString wav = QString("/home/root/meas/wav_temp/PP_Sound_%1.wav").arg(n);
    const QByteArray before = bytes(u.root() + wav);
    QElapsedTimer listening;

    E2E_DO(u.waitFor(noise + " in both feeds (devsim.log)", bothFed));
    E2E_DO(u.key("F6"));
    E2E_DO(u.waitFor(QString("point %1: gpio17 1 and the TB-9 ACTIVE").arg(n), [&] {
        return u.text(gpio17).trimmed() == "1"
               && UnitRun::count(u.text(btLog), R"(BT_TX I \S+ ACTIVE)") > active;
    }));
    listening.start();
    E2E_DO(u.waitForScreen(QString("point-%1-listening").arg(n),
                           [&](const QImage& img) {
                               return listening.elapsed() >= 3000 && UnitRun::sane(img) && barLit(img, n);
                           },
                           &m_shot, false));
    E2E_DO(u.key("F6"));
    E2E_DO(u.waitFor(QString("point %1: gpio17 0 and the TB-9 MUTE").arg(n), [&] {
        return u.text(gpio17).trimmed() == "0"
               && UnitRun::count(u.text(btLog), R"(BT_TX I \S+ MUTE)") > muted;
    }));
    E2E_DO(u.waitFor("a complete " + wav, [&] {
        const QByteArray now = bytes(u.root() + wav);
        return now != before && completeWav(now);
    }));
    E2E_DO(u.waitForScreen(QString("point-%1-closed").arg(n),
                           [&](const QImage& img) {
                               bool bars = UnitRun::sane(img);
                               for (int i = 1; i <= n; ++i)
                                   bars = bars && barLit(img, i);
                               return bars;
                           },
                           &m_shot));
}

void TestEndToEnd::walk()
{
    UnitRun& u = *m_unit;
    const QString commands = "/var/log/commands.log";

    step("1 (start)");
    E2E_DO(u.start());
    E2E_DO(u.waitFor("fsck, mount and alsactl in the command log", [&] {
        const QString log = u.text(commands);
        return UnitRun::count(log, "^fsck ") && UnitRun::count(log, "^mount ") && UnitRun::count(log, "^alsactl ");
    }, UnitRun::kStartMs));
    E2E_DO(u.waitForMainPage(&m_mainPage));

    step("2 (touch Pinpointing)");
    E2E_DO(u.openPinpointing(m_mainPage, &m_shot));

    step("3 (listening and points)");
    // The positions are the receiver's once it has a fix; it sets the clock then.
    E2E_DO(u.waitFor("the receiver's fix (date -s in the command log)",
                     [&] { return UnitRun::count(u.text(commands), "^date -s ") > 0; }));
    const int noise[] = {-40, -30, -50};
    for (int n = 1; n <= 3; ++n) {
        point(n, noise[n - 1]);
        if (QTest::currentTestFailed())
            return;
    }

    step("4 (Save as \"Hydrant 3\")");
    const QImage live = m_shot;
    E2E_DO(u.touch(kMenuButton1.x(), kMenuButton1.y()));
    QImage keyboard;
    E2E_DO(u.waitForScreen("keyboard", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::changed(img, live);
    }, &keyboard));
    for (const QChar c : QString("Hydrant 3")) {
        const QPoint at = keyboardKey(c);
        E2E_DO(u.touch(at.x(), at.y()));
    }
    E2E_DO(u.waitForScreen("keyboard-typed", [&](const QImage& img) {
        return UnitRun::difference(img, keyboard) > 0.0;
    }, &m_shot));
    E2E_DO(u.touch(kKeyboardAccept.x(), kKeyboardAccept.y()));
    const QDir meas(u.root() + "/media/vq4100/meas");
    const QRegularExpression dirName(R"(^PP_\d{8}_\d{6}_Hydrant 3$)");
    QString storedDir;
    E2E_DO(u.waitFor("PP_<date>_<time>_Hydrant 3/info.ini", [&] {
        for (const QString& d : meas.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (dirName.match(d).hasMatch() && QFile::exists(meas.filePath(d + "/info.ini")))
                storedDir = meas.filePath(d);
        }
        return !storedDir.isEmpty();
    }));
    E2E_DO(u.waitForScreen("saved", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::same(img, live);
    }, &m_shot));
    QSettings info(storedDir + "/info.ini", QSettings::IniFormat);
    E2E_CHECK(info.value("Measurementinfo/Measurementname").toString() == "Hydrant 3", "the name in info.ini");
    double level[11] = {};
    for (int i = 1; i <= 10; ++i)
        level[i] = info.value(QString("Levels/Level_%1").arg(i)).toDouble();
    E2E_CHECK(level[3] > 0 && level[1] > level[3] && level[2] > level[1],
              QString("Level_1..3 above 0, the second highest, the third lowest: %1 %2 %3")
                  .arg(level[1]).arg(level[2]).arg(level[3]));
    for (int i = 4; i <= 10; ++i)
        E2E_CHECK(level[i] == 0.0, QString("Level_%1 is %2, not 0").arg(i).arg(level[i]));
    for (int i = 1; i <= 3; ++i) {
        const QVariant v = info.value(QString("GPS-Positions/GPS-Position_%1").arg(i));
        const QStringList pos = v.type() == QVariant::StringList ? v.toStringList() : v.toString().split(',');
        E2E_CHECK(pos.size() == 2 && qAbs(pos[0].toDouble() - UnitRun::kFixLat) < 5e-5
                      && qAbs(pos[1].toDouble() - UnitRun::kFixLon) < 5e-5,
                  QString("GPS-Position_%1 %2 is not the receiver's fix").arg(i).arg(pos.join(',')));
        const QString name = QString("/PP_Sound_%1.wav").arg(i);
        const QByteArray copy = bytes(storedDir + name);
        E2E_CHECK(completeWav(copy) && copy == bytes(u.root() + "/home/root/meas/wav_temp" + name),
                  name + " is not the point's recording");
    }

    step("5 (short F1)");
    const QString btLog = "/var/log/bt-sim.log";
    const int battery = UnitRun::count(u.text(btLog), R"(BT_TX B\\n)");
    E2E_DO(u.key("F1"));
    E2E_DO(u.waitForScreen("main-page-again", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::same(img, m_mainPage);
    }, &m_shot));
    E2E_DO(u.waitFor("BT_TX B in bt-sim.log",
                     [&] { return UnitRun::count(u.text(btLog), R"(BT_TX B\\n)") > battery; }));

    step("6 (the browser)");
    const QImage mainPage = m_shot;
    E2E_DO(u.touch(kMainManagement.x(), kMainManagement.y()));
    QImage management;
    E2E_DO(u.waitForScreen("management", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::changed(img, mainPage);
    }, &management));
    E2E_DO(u.touch(kManagementMeasurements.x(), kManagementMeasurements.y()));
    QImage browser;
    E2E_DO(u.waitForScreen("browser", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::changed(img, management);
    }, &browser));
    E2E_CHECK(firstRowShown(browser), "no row in the list");
    E2E_DO(u.key("F4"));
    QImage stored;
    E2E_DO(u.waitForScreen("stored-view", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::changed(img, browser);
    }, &stored));
    const int top1 = storedBarTop(stored, 1), top2 = storedBarTop(stored, 2), top3 = storedBarTop(stored, 3);
    E2E_CHECK(top2 < top1 && top1 < top3 && top3 < kStoredBarFoot,
              QString("the stored bars: the second not the highest or the third not the lowest (tops %1 %2 %3)")
                  .arg(top1).arg(top2).arg(top3));
    for (int i = 4; i <= 10; ++i)
        E2E_CHECK(storedBarTop(stored, i) == kStoredBarFoot, QString("a bar for the empty point %1").arg(i));
    E2E_DO(u.touch(kMenuButton5.x(), kMenuButton5.y()));
    E2E_DO(u.waitForScreen("browser-again", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::same(img, browser);
    }, &m_shot));
    E2E_DO(u.key("F1"));
    E2E_DO(u.waitForScreen("main-page-from-browser", [&](const QImage& img) {
        return UnitRun::sane(img) && UnitRun::same(img, m_mainPage);
    }, &m_shot));

    step("7 (hold F1)");
    const QString backlight = "/sys/class/backlight/backlight/brightness";
    E2E_DO(u.keyDown("F1"));
    const QString dark = u.waitFor("the backlight 0 while F1 is held",
                                   [&] { return u.text(backlight).trimmed() == "0"; });
    E2E_DO(u.keyUp("F1"));
    E2E_DO(dark);
    E2E_DO(u.waitFor("umount /media/vq4100, then poweroff, in the command log", [&] {
        const QStringList lines = u.text(commands).split('\n');
        const int umount = lines.lastIndexOf("umount /media/vq4100");
        return umount >= 0 && lines.indexOf("poweroff", umount) > umount;
    }));
    E2E_DO(u.waitFor("Good bye! in the program's log",
                     [&] { return UnitRun::readAll(u.programLogPath()).contains("Good bye!"); }, UnitRun::kWaitMs, true));
    E2E_DO(u.waitFor("the program's end", [&] { return !u.programRunning(); }, UnitRun::kWaitMs, true));

    step("over the whole run");
    u.stop();
    const QString log = UnitRun::readAll(u.programLogPath());
    for (const char* fault : {"QObject::connect", "No matching signal"})
        E2E_CHECK(!log.contains(fault), QString("\"%1\" in vq4100.log").arg(fault));
    for (const QString& file : {u.programLogPath(), u.serveLogPath()}) {
        const QString text = UnitRun::readAll(file);
        for (const char* report : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"})
            E2E_CHECK(!text.contains(report), QString("a sanitizer report in %1").arg(QFileInfo(file).fileName()));
    }
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
