// The GPS monitor: turning and leaving its pages, what they show with and
// without a fix, the bars that fit, and its refresh while it shows.
#include "Management/gpsmonitor.h"
#include "gpsrig.h"
#include "mainmenu.h"
#include "testunit.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QByteArray kFixRmc = "GPRMC,123519.00,A,4807.03800,N,01131.00000,E,0.0,,230326,,,A";
const QByteArray kFixGga = "GPGGA,123519.00,4807.03800,N,01131.00000,E,1,08,0.9,545.4,M,46.9,M,,";
const QByteArray kLossRmc = "GPRMC,123520.00,V,,,,,,,230326,,,N";

// The monitor on a started unit, its receiver on the unit's port.
struct Monitor {
    TestUnit unit;
    GpsRig rig{unit.root.root()};
    MainMenu* w = unit.start();
    GpsMonitor* screen = nullptr;
    Monitor()
    {
        rig.attach(w->getGpsInstance());
        w->displayWidget(10, -1, 0);
        screen = qobject_cast<GpsMonitor*>(unit.currentPage());
    }
    QString text(const char* label) const { return screen->findChild<QLabel*>(label)->text(); }
    void click(const char* button) const { screen->findChild<QPushButton*>(button)->click(); }
};

QList<GnssSatellite> satellites(const QString& list)
{
    QList<GnssSatellite> out;
    for (const QString& s : list.split(' ', Qt::SkipEmptyParts)) {
        GnssSatellite satellite;
        satellite.system = s.left(2).toLatin1();
        satellite.prn = s.mid(2).section(':', 0, 0).toInt();
        satellite.snr = s.contains(':') ? s.section(':', 1).toInt() : -1;
        out << satellite;
    }
    return out;
}

QString describe(const QList<SatelliteBar>& bars)
{
    QStringList out;
    for (const SatelliteBar& b : bars)
        out << QString("%1%2:%3").arg(b.inUse ? "*" : "").arg(b.prn).arg(b.snr);
    return out.join(' ');
}

}

class TestGpsMonitor : public QObject
{
    Q_OBJECT
private slots:
    void pagesTurnAndLeave();
    void pages_data();
    void pages();
    void bars_data();
    void bars();
    void refreshesOnlyWhileShown();
};

void TestGpsMonitor::pagesTurnAndLeave()
{
    Monitor m;
    // D, U: the Down and Up buttons; d, u: the keys.
    QString seen;
    for (char step : QByteArray("DDDDUuuddu")) {
        if (step == 'D' || step == 'U')
            m.click(step == 'D' ? "butMenuDown" : "butMenuUp");
        else
            QTest::keyClick(m.screen->focusWidget(), step == 'd' ? Qt::Key_Down : Qt::Key_Up);
        seen += QString::number(m.screen->currentPage());
    }
    QCOMPARE(seen, QString("2341432343"));
    QCOMPARE(m.text("labelHeading") + ' ' + m.text("labelPageNumber"), QString("Time 3/4"));
    m.screen->init();
    QCOMPARE(m.screen->currentPage(), 1);

    QSignalSpy left(m.screen, &GpsMonitor::gotoWidget);
    QTest::keyPress(m.screen->focusWidget(), Qt::Key_Escape);
    QVERIFY(left.isEmpty());
    QTest::keyRelease(m.screen->focusWidget(), Qt::Key_Escape);
    QCOMPARE(m.unit.currentPage(), m.unit.mainPage());
    m.click("butMenuBack");
    QCOMPARE(QList<QVariantList>(left), QList<QVariantList>({{0, -1, 0}, {0, -1, 0}}));
}

void TestGpsMonitor::pages_data()
{
    QTest::addColumn<QByteArrayList>("sentences");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("bars");
    const QString lastFix = " | 23.03.2026 12:35:19 UTC | ";
    const QString start = " | b5 62 06 04 04 00 00 00 09 00 17 76";
    const QString none = "No fix | --- | --- | --- | ";
    QTest::newRow("fix, 17 satellites")
        << GpsRig::sky(17, 12) + QByteArrayList{kFixRmc, kFixGga} << ""
        << "Fix | 48.117300° N | 11.516667° E | 545.4 m | 12 | 17 | 1 more" + lastFix + "On | /dev/ttyO1 open" + start
        << "*12:32 *11:31 *10:30 *9:29 *8:28 *7:27 *6:26 *5:25 *4:24 *3:23 *2:22 *1:21 17:37 16:36 15:35 14:34";
    QTest::newRow("south west")
        << QByteArrayList{"GPRMC,000001.00,A,3352.11000,S,15112.55800,W,0.0,,010126,,,A",
                          "GPGGA,000001.00,3352.11000,S,15112.55800,W,1,08,0.9,-12.5,M,46.9,M,,"}
        << "" << "Fix | 33.868500° S | 151.209300° W | -12.5 m | 0 | 0 |  | 01.01.2026 00:00:01 UTC | On | /dev/ttyO1 open"
                       + start
        << "";
    QTest::newRow("lost") << QByteArrayList{kFixRmc, kLossRmc} << ""
                          << none + "0 | 0 | " + lastFix + "On | /dev/ttyO1 open" + start << "";
    QTest::newRow("switched off") << GpsRig::sky(3, 2) + QByteArrayList{kFixRmc} << "off"
                                  << none + "--- | --- | " + lastFix + "Off | /dev/ttyO1 open"
                                         + " | b5 62 06 04 04 00 00 00 08 00 16 74" << "";
    QTest::newRow("port lost") << GpsRig::sky(3, 2) + QByteArrayList{kFixRmc} << "port"
                               << none + "--- | --- | " + lastFix + "On | /dev/ttyO1 not open" + start << "";
}

void TestGpsMonitor::pages()
{
    QFETCH(QByteArrayList, sentences);
    QFETCH(QString, then);
    Monitor m;
    QVERIFY(m.rig.sendSentences(sentences));
    if (then == "off")
        m.rig.gps->switchOffGpsModul();
    if (then == "port") {
        m.rig.peer.stop();
        QTRY_VERIFY(!m.rig.gps->isPortOpen());
    }
    m.screen->refresh();
    QStringList shown;
    for (const char* label : {"labelFix", "labelLatitude", "labelLongitude", "labelHeight", "labelInUseCount",
                              "labelInView", "labelMore", "labelLastFix", "labelPower", "labelPort", "labelLastUbx"})
        shown << m.text(label);
    QTEST(shown.join(" | "), "shown");
    QTEST(describe(m.screen->findChild<SnrBarChart*>()->bars()), "bars");
}

void TestGpsMonitor::bars_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("use");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("more");
    QTest::newRow("in use first, then by SNR, no room for all")
        << "GP1:20 GP2:40 GP3:30 GP4:10" << "GP4 GP1" << 3 << "*1:20 *4:10 2:40" << 1;
    QTest::newRow("in use not in view, one PRN in two systems, twice")
        << "GP5:30 GL5:20 GP5:30" << "GL5 GP9" << 16 << "*5:20 *9:-1 5:30" << 0;
    QTest::newRow("SNR 0 or none, PRN above 200") << "GP201:0 GB999 GP7:0" << "" << 16 << "7:0 201:0 999:-1" << 0;
    QTest::newRow("nothing") << "" << "" << 16 << "" << 0;
}

void TestGpsMonitor::bars()
{
    QFETCH(QString, view);
    QFETCH(QString, use);
    QFETCH(int, room);
    const SatelliteBars bars = SatelliteBars::choose(satellites(view), satellites(use), room);
    QTEST(describe(bars.shown), "shown");
    QTEST(bars.more, "more");
}

void TestGpsMonitor::refreshesOnlyWhileShown()
{
    Monitor m;
    QVERIFY(!m.screen->isRefreshing());
    m.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m.w));
    QVERIFY(m.screen->isRefreshing());
    QCOMPARE(m.text("labelFix"), QString("No fix"));
    QVERIFY(m.rig.sendSentences({kFixRmc}));
    QTRY_COMPARE_WITH_TIMEOUT(m.text("labelFix"), QString("Fix"), 2 * GpsMonitor::kRefreshMs);
    QCOMPARE(m.text("labelHeight"), QString("---"));  // no GGA yet
    m.w->displayWidget(0, 0, 0);
    QVERIFY(!m.screen->isRefreshing());
    m.w->displayWidget(10, -1, 0);
    QVERIFY(m.screen->isRefreshing());
    m.w->hide();
    QVERIFY(!m.screen->isRefreshing());
}

QTEST_MAIN(TestGpsMonitor)
#include "tst_gpsmonitor.moc"
