// The shared buttons, the level bar with markers and the picture pop-up.
#include "Tools/iconbutton.h"
#include "Tools/picturebutton.h"
#include "Tools/popupinfo.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/settingsbutton.h"
#include "Tools/tooltipbutton.h"
#include "modalhelper.h"

#include <QApplication>
#include <QFile>
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
    void tooltipAfterTheDelay();
    void markerColumns_data();
    void markerColumns();
    void markersOutsideTheRangeAreNotDrawn_data();
    void markersOutsideTheRangeAreNotDrawn();
    void settingsButtonTexts();
    void iconButtonRepaintsOnlyOnChange();
    void popupClosesItselfWhateverTheKeys();
    void popupPictures_data();
    void popupPictures();
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

// Columns whose middle pixel has the colour.
QList<int> columns(const QImage& img, bool (*colour)(QRgb))
{
    QList<int> xs;
    for (int x = 0; x < img.width(); ++x) {
        if (colour(img.pixel(x, img.height() / 2)))
            xs << x;
    }
    return xs;
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
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
}

void TestWidgets::tooltipAfterTheDelay()
{
    TooltipButton b;
    b.setToolTip("Filter");
    b.resize(60, 40);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(tooltipLabel() != nullptr, 5000);
    QCOMPARE(QToolTip::text(), QString("Filter"));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
}

void TestWidgets::markerColumns_data()
{
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
}

void TestWidgets::markerColumns()
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

    bar.setMaxMarker(marker);
    QCOMPARE(bar.maxMarker(), marker);
    const QList<int> red = columns(render(bar), isRed);
    QVERIFY2(red.contains(x) && red.size() <= 4, qPrintable(QString("red at %1").arg(
        [&] { QStringList s; for (int c : red) s << QString::number(c); return s.join(','); }())));
    QVERIFY(red.first() >= x - 2 && red.last() <= x + 2);

    bar.setMaxMarker(-1);
    bar.setMinMarker(marker);
    const QList<int> blue = columns(render(bar), isBlue);
    QVERIFY(blue.contains(x) && blue.size() <= 4);
    QVERIFY(columns(render(bar), isRed).isEmpty());
}

void TestWidgets::markersOutsideTheRangeAreNotDrawn_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("marker");
    QTest::newRow("-1") << 0 << 1000 << -1;
    QTest::newRow("-1 inside a range") << -100 << 100 << -1;
    QTest::newRow("above") << 0 << 1000 << 1001;
    QTest::newRow("below a minimum above 0") << 500 << 1000 << 100;
    QTest::newRow("min = max") << 300 << 300 << 300;
    QTest::newRow("0 = 0") << 0 << 0 << 0;
}

void TestWidgets::markersOutsideTheRangeAreNotDrawn()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, marker);
    ProgressBarMinMaxMarker bar;
    bar.setTextVisible(false);
    bar.resize(201, 20);
    bar.setRange(minimum, maximum);
    bar.setValue(minimum);
    const QImage plain = render(bar);
    bar.setMaxMarker(marker);
    bar.setMinMarker(marker);
    QCOMPARE(render(bar), plain);
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
    QCOMPARE(b.text(), QString("&Grid"));
    QCOMPARE(b.shortcut(), QKeySequence::mnemonic("&Grid"));
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
    QCOMPARE(p.geometry(), QRect(215, 111, 50, 50));
    p.setPicture(PopupInfo::PictureScreenshot);
    int keysSent = 0;
    bool openAfterKeys = true;
    auto pressKeys = [&] {
        if (!p.isVisible())
            return;
        for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_F11}) {
            QTest::keyPress(&p, k);
            QTest::keyRelease(&p, k);
        }
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

void TestWidgets::popupPictures_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("file");
    QTest::newRow("0") << 0 << "Favourite_ws_40px.png";
    QTest::newRow("1") << 1 << "Favourite_ws_40px.png";
    QTest::newRow("2") << 2 << "ScreenshotCamera_ws_40px.png";
    QTest::newRow("3") << 3 << "Bug_ws_40px.png";
    QTest::newRow("4") << 4 << "Favourite_ws_40px.png";
}

void TestWidgets::popupPictures()
{
    QFETCH(int, picture);
    QFETCH(QString, file);
    PopupInfo p;
    auto* label = p.findChild<QLabel*>("label");
    p.setPicture(picture);
    const QString path = ":/Resources/Icons/Management/Systemsettings/" + file;
    QCOMPARE(label->styleSheet(), QString("QLabel{background-image: url(%1)};").arg(path));
    QVERIFY(QFile::exists(path));
    QVERIFY(QImage(path).size() == QSize(40, 40));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
