// The shared buttons, the level bar with markers, the picture pop-up and
// figures shortened to their room.
#include "Tools/fittext.h"
#include "Tools/iconbutton.h"
#include "Tools/picturebutton.h"
#include "Tools/popupinfo.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/settingsbutton.h"
#include "Tools/tooltipbutton.h"
#include "modalhelper.h"
#include "paintcounter.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void pictureButtonReportsTheRelease();
    void tooltipOnlyWhileHeld();
    void markers_data();
    void markers();
    void settingsButtonTexts();
    void iconButtonRepaintsOnlyOnChange();
    void popupClosesItselfWhateverTheKeys();
    void popupPictures();
    void shortNumbers_data();
    void shortNumbers();
    void wrappedTexts_data();
    void wrappedTexts();
};

namespace {
QWidget* tooltipLabel()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    }
    return nullptr;
}

QImage render(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }

// Whether the columns of the colour (judged at mid-height) form one line
// through x, at most 4 px wide; for x = -1, whether there are none.
bool lineAt(const QImage& img, bool (*colour)(QRgb), int x)
{
    QList<int> xs;
    for (int c = 0; c < img.width(); ++c) {
        if (colour(img.pixel(c, img.height() / 2)))
            xs << c;
    }
    if (x < 0)
        return xs.isEmpty();
    return xs.contains(x) && xs.size() <= 4 && xs.first() >= x - 2 && xs.last() <= x + 2;
}

}

void TestWidgets::cleanup()
{
    QToolTip::hideText();
}

void TestWidgets::pictureButtonReportsTheRelease()
{
    PictureButton b;
    b.resize(300, 150);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QCOMPARE(b.getReleasePos(), QPointF(17.0, 23.0));

    QSignalSpy released(&b, &PictureButton::mouseReleased);
    QSignalSpy clicked(&b, &QPushButton::clicked);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(100, 40));
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.first().first().toPointF(), QPointF(100.0, 40.0));
    QCOMPARE(b.getReleasePos(), QPointF(100.0, 40.0));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!b.isDown());  // not left looking pressed
}

void TestWidgets::tooltipOnlyWhileHeld()
{
    QWidget parent;
    parent.resize(480, 272);
    TooltipButton b(&parent);
    b.setGeometry(200, 120, 60, 40);
    b.setToolTip("Back");
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicked(&b, &QPushButton::clicked);

    // Released before the delay: the late call shows nothing.
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicked.count(), 1);
    b.displayTooltip();
    QVERIFY(!tooltipLabel());

    // Held: shown left of the finger, at the height of the button.
    const QPoint press(30, 12);
    const QPoint screen = b.mapToGlobal(press);
    QTest::mousePress(&b, Qt::LeftButton, {}, press);
    b.displayTooltip();
    QWidget* tip = tooltipLabel();
    QVERIFY(tip);
    QCOMPARE(QToolTip::text(), QString("Back"));
    // QToolTip puts its label at the point plus (2, 16).
    QCOMPARE(tip->pos(), QPoint(screen.x() - 30, 120) + QPoint(2, 16));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, press);

    // Held again: the button's own timer shows it.
    QToolTip::hideText();
    QTRY_VERIFY(!tooltipLabel());
    b.setToolTip("Filter");
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(tooltipLabel() != nullptr, 5000);
    QCOMPARE(QToolTip::text(), QString("Filter"));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
}

void TestWidgets::markers_data()
{
    // x: the column the marker is drawn at, -1 for none.
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("marker");
    QTest::addColumn<int>("x");
    QTest::newRow("0..1000 at max") << 0 << 1000 << 1000 << 200;
    QTest::newRow("0..1000 at 500") << 0 << 1000 << 500 << 100;
    QTest::newRow("0..1000 at 333") << 0 << 1000 << 333 << 66;  // truncated
    QTest::newRow("500..1000 at 750") << 500 << 1000 << 750 << 100;
    QTest::newRow("500..1000 at max") << 500 << 1000 << 1000 << 200;
    QTest::newRow("-100..100 at 0") << -100 << 100 << 0 << 100;
    QTest::newRow("-1") << 0 << 1000 << -1 << -1;
    QTest::newRow("-1 inside a range") << -100 << 100 << -1 << -1;
    QTest::newRow("above") << 0 << 1000 << 1001 << -1;
    QTest::newRow("below a minimum above 0") << 500 << 1000 << 100 << -1;
    QTest::newRow("min = max") << 300 << 300 << 300 << -1;
    QTest::newRow("0 = 0") << 0 << 0 << 0 << -1;
}

void TestWidgets::markers()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, marker);
    QFETCH(int, x);
    ProgressBarMinMaxMarker bar;
    bar.setTextVisible(false);
    bar.resize(201, 20);
    bar.setRange(minimum, maximum);
    bar.setValue(minimum);
    QCOMPARE(bar.maxMarker(), -1);
    QCOMPARE(bar.minMarker(), -1);
    const QImage plain = render(bar);

    // Red for the maximum, blue for the minimum, each only where set.
    bar.setMaxMarker(marker);
    QCOMPARE(bar.maxMarker(), marker);
    QVERIFY(lineAt(render(bar), isRed, x));
    bar.setMaxMarker(-1);
    bar.setMinMarker(marker);
    const QImage minOnly = render(bar);
    QVERIFY(lineAt(minOnly, isBlue, x));
    QVERIFY(lineAt(minOnly, isRed, -1));
    if (x < 0) {
        bar.setMaxMarker(marker);
        QCOMPARE(render(bar), plain);
    }
}

void TestWidgets::settingsButtonTexts()
{
    SettingsButton b;
    b.setText("base");
    b.setText2("Power off", "30 min");
    QVERIFY(b.text().isEmpty());
    QCOMPARE(b.getText1(), QString("Power off"));
    QCOMPARE(b.getText2(), QString("30 min"));

    // Title top left, value bottom right, white on the dark button.
    b.setStyleSheet("background-color: black; border: none;");
    b.resize(420, 50);
    const QImage img = render(b);
    auto lightIn = [&](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(img.pixel(x, y)) > 160)
                    return true;
        return false;
    };
    QVERIFY(lightIn(QRect(55, 0, 120, 25)));
    QVERIFY(!lightIn(QRect(300, 0, 110, 25)));
    QVERIFY(lightIn(QRect(330, 25, 80, 25)));
    QVERIFY(!lightIn(QRect(55, 25, 120, 25)));
}

void TestWidgets::iconButtonRepaintsOnlyOnChange()
{
    IconButton b;
    b.resize(200, 50);
    b.setText("&Grid");
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    PaintCounter counter;
    b.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    b.setText("&Grid");
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);
    b.setText("Frequency");
    QTRY_VERIFY(counter.paints > 0);
}

void TestWidgets::popupClosesItselfWhateverTheKeys()
{
    PopupInfo p;
    p.setPicture(PopupInfo::PictureScreenshot);
    int keysSent = 0;
    bool openAfterKeys = true;
    auto pressKeys = [&] {
        if (!p.isVisible())
            return;
        for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_F11})
            QTest::keyClick(&p, k);
        openAfterKeys = openAfterKeys && p.isVisible();
        ++keysSent;
    };
    // Once as soon as it is open (a starved loop may see the close first
    // otherwise), then again and again until it closes.
    ModalHelper::onNextModal([&](QWidget*) { pressKeys(); });
    auto* keys = new QTimer(&p);
    connect(keys, &QTimer::timeout, &p, pressKeys);
    keys->start(100);
    QTimer::singleShot(10000, &p, [&] { p.done(-99); });
    QCOMPARE(p.exec(), 1);
    QVERIFY(keysSent >= 1);
    QVERIFY(openAfterKeys);
}

void TestWidgets::popupPictures()
{
    const QList<QPair<int, QString>> pictures = {
        {0, "Favourite"}, {1, "Favourite"}, {2, "ScreenshotCamera"}, {3, "Bug"}, {4, "Favourite"}};
    for (const auto& picture : pictures) {
        PopupInfo p;
        p.setPicture(picture.first);
        const QString path =
            QString(":/Resources/Icons/Management/Systemsettings/%1_ws_40px.png").arg(picture.second);
        QCOMPARE(p.findChild<QLabel*>("label")->styleSheet(),
                 QString("QLabel{background-image: url(%1)};").arg(path));
        QCOMPARE(QImage(path).size(), QSize(40, 40));
    }
}

void TestWidgets::shortNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("room");  // characters
    QTest::addColumn<QString>("shown");
    QTest::newRow("as asked") << 5.0 << 2 << 10 << "5.00";
    QTest::newRow("fewer decimals") << 12.345 << 2 << 4 << "12.3";
    QTest::newRow("rounded up") << 99.996 << 2 << 4 << "100";
    QTest::newRow("whole") << 12629615.0 << 2 << 8 << "12629615";
    QTest::newRow("exponent") << 12629615.0 << 2 << 6 << "1.26e7";
    QTest::newRow("one digit") << 8.8e12 << 0 << 4 << "9e12";
    QTest::newRow("nothing fits: the shortest") << 12629615.0 << 2 << 1 << "1e7";
}

void TestWidgets::shortNumbers()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(int, room);
    QFETCH(QString, shown);
    QCOMPARE(FitText::number(value, decimals, [room](const QString& t) { return t.size() <= room; }), shown);
}

void TestWidgets::wrappedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");  // the room's height
    QTest::addColumn<QString>("shown");
    const QString name(60, 'W');
    QTest::newRow("whole: as it is") << "Delete this measurement?\nHydrant 3" << 3 << "as it is";
    QTest::newRow("a name without blanks: broken") << "Delete?\nPP_" + name << 9 << "broken";
    QTest::newRow("an empty line stays") << "Delete?\n\n" + name << 9 << "broken";
    QTest::newRow("taller than the room: cut") << "Delete?\n" + name << 2 << "cut";
}

void TestWidgets::wrappedTexts()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(QString, shown);
    const QFontMetrics metrics(QApplication::font());
    const QSize room(200, lines * metrics.lineSpacing());
    const QString wrapped = FitText::wrapped(text, QApplication::font(), room);
    QVERIFY(metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, wrapped).height()
            <= room.height());
    // The label wraps it at its blanks.
    if (shown == "as it is") {
        QCOMPARE(wrapped, text);
        return;
    }
    for (const QString& line : wrapped.split('\n'))
        QVERIFY2(metrics.horizontalAdvance(line) <= room.width(), qPrintable(line));
    if (shown == "broken") {
        // Every character kept, the blank line too.
        QCOMPARE(QString(wrapped).remove('\n'), QString(text).remove('\n'));
        QVERIFY(wrapped.startsWith(text.section('W', 0, 0)));
    } else {
        QVERIFY(wrapped.startsWith("Delete?\nWW"));
        QVERIFY(wrapped.endsWith(QChar(0x2026)));
        QCOMPARE(wrapped.count('\n'), 1);
    }
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
