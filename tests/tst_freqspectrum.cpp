// The spectrum widget: normalising and averaging, unsound input, the band a
// drag sets through a real codec, and the picture it draws.
#include "Audio/audiocodecsetup.h"
#include "Tools/freqspectrum.h"
#include "mainmenu.h"
#include "recordingcodecmixer.h"
#include "recordingregisterport.h"
#include "testunit.h"

#include <QVBoxLayout>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

using Floats = QVector<float>;
using Band = QVector<quint32>;  // low, high, type

namespace {
const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
const QRgb kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0), kYellow = qRgb(255, 255, 0);

// 1024 values: `pattern` repeated, then the given bins set.
Floats frame(const Floats& pattern, QMap<int, float> bins = {})
{
    Floats f(1024);
    for (int i = 0; i < f.size(); ++i)
        f[i] = bins.value(i, pattern[i % pattern.size()]);
    return f;
}
Floats kPeak = frame({1e-3f}, {{100, 1}});

int count(const QImage& image, QRgb colour, QRect area = {})
{
    area = area.isNull() ? image.rect() : area;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}
}

class TestFreqSpectrum : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestUnit> unit;
    RecordingRegisterPort* port = nullptr;

private slots:
    void initTestCase()
    {
        unit = std::make_unique<TestUnit>();
        AudioCodecSetup* codec = unit->start()->getAudioCodecInstance();
        codec->setMixer(std::make_unique<RecordingCodecMixer>());
        codec->setRegisterPort(std::unique_ptr<CodecRegisterPort>(port = new RecordingRegisterPort));
    }
    void cleanupTestCase() { unit.reset(); }

    void ringAndDominantWindow()
    {
        FreqSpectrum s;
        s.init(416, 126);
        s.updateFilter(0, 0, 0);
        Floats f = frame({1e-3f}, {{40, 1}, {200, 1}});
        for (float share : {1 / 3.f, 2 / 3.f, 1.f}) {
            s.drawFft(f.data(), true);
            QCOMPARE(s.curve()[200], share);
        }
        QCOMPARE(s.dominantBin(), 202);  // equal sums: the higher centre
        QVERIFY(count(s.getImage(), kWhite, QRect(0, 0, 416, 1)) > 0);
        QCOMPARE(count(s.getImage(), kRed) + count(s.getImage(), qRgb(0, 255, 0)), 0);  // no band, no numbers
        s.clear();
        s.drawFft(f.data(), false);
        QCOMPARE(s.meanCount(), 1);
        s.drawFft(f.data(), true);
        QCOMPARE(s.curve()[200], 2 / 3.f);
    }

    void unsoundInput_data()
    {
        QTest::addColumn<Floats>("magnitudes");
        QTest::addColumn<float>("top");  // curve value of bin 100
        QTest::newRow("silence") << frame({0}) << 0.f;
        QTest::newRow("all below 1e-7") << frame({1e-8f}) << 0.f;
        QTest::newRow("NaN, inf, negative") << frame({kNan, kInf, -kInf, -1, 3e38f}) << 0.f;
        QTest::newRow("NaN is 0 dB") << frame({1e-3f}, {{100, kNan}, {300, 1}}) << 1.f;
    }
    void unsoundInput()
    {
        QFETCH(Floats, magnitudes);
        QFETCH(float, top);
        FreqSpectrum s;
        s.init(416, 126);
        Floats samples = frame({kNan, kInf, -kInf, 1e30f, 0.5f});
        for (int i = 0; i < 3; ++i) {
            s.refresh();
            s.drawScale();
            s.drawFft(magnitudes.data(), true);
            s.drawData(samples.data());
        }
        QCOMPARE(s.curve()[100], top);
        for (const float* a : {s.levels(), s.curve(), s.ring(0), s.ring(1), s.ring(2), s.ring(3)})
            for (int i = 0; i < 1024; ++i)
                QVERIFY2(std::isfinite(a[i]) && a[i] >= 0 && a[i] <= 1, qPrintable(QString::number(i)));
        QVERIFY(count(s.getImage(), kRed) > 0);  // the band
        QVERIFY(count(s.getImage(), kYellow) > 0);
        QCOMPARE(count(s.getImage(), kYellow, QRect(0, 96, 416, 30)), 0);  // the trace stays above the axis
    }

    void touch_data()
    {
        QTest::addColumn<QVector<int>>("xs");  // press, move, release (-1: none)
        QTest::addColumn<Band>("band");        // the widget's afterwards
        QTest::addColumn<bool>("released");
        QTest::newRow("press at 0") << QVector<int>{0, -1, -1} << Band{20, 28, 1} << false;
        QTest::newRow("press near the right") << QVector<int>{415, -1, -1} << Band{3949, 4000, 1} << false;
        QTest::newRow("drag left of the start") << QVector<int>{200, 50, -1} << Band{37, 47, 1} << false;
        QTest::newRow("drag under 10 Hz") << QVector<int>{0, -1, 2} << Band{20, 32, 1} << true;
        QTest::newRow("release beyond the width") << QVector<int>{300, 900, 900} << Band{1000, 3900, 1} << true;
        QTest::newRow("137 Hz snaps to 125") << QVector<int>{152, -1, 236} << Band{125, 400, 1} << true;
        QTest::newRow("130-140 refused") << QVector<int>{147, -1, 153} << Band{0, 4000, 0} << true;
        QTest::newRow("no press") << QVector<int>{-1, 100, 200} << Band{1, 2, 2} << false;
    }
    void touch()
    {
        QFETCH(QVector<int>, xs);
        QFETCH(Band, band);
        QFETCH(bool, released);
        MainMenu* hub = unit->window();
        hub->setCurrentFilter(1, 2, 2);
        FreqSpectrum s;
        s.init(416, 126);
        s.updateFilter(1, 2, 2);
        port->clear();
        QSignalSpy changed(&s, &FreqSpectrum::filterChanged);
        const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};
        for (int i = 0; i < 3; ++i) {
            QMouseEvent e(types[i], QPointF(xs[i], 50), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            if (xs[i] >= 0)
                QApplication::sendEvent(&s, &e);
        }
        QCOMPARE((Band{s.lowCutOff(), s.highCutOff(), quint32(s.filterType())}), band);
        quint32 low, high;
        int type;
        hub->getCurrentFilter(&low, &high, &type);
        QCOMPARE((Band{low, high, quint32(type)}), (released ? band : Band{1, 2, 2}));
        QCOMPARE(changed.count(), int(released));
        QCOMPARE(port->texts().isEmpty(), !released);  // the codec only on release
    }

    void pictureSize_data()
    {
        QTest::addColumn<QSize>("initSize");  // invalid: the widget's before layout
        QTest::addColumn<QSize>("area");      // the layout's; invalid: none
        QTest::newRow("filter dialog") << QSize() << QSize(416, 126);
        QTest::newRow("level screen") << QSize() << QSize(246, 91);
        QTest::newRow("no width") << QSize(0, 0) << QSize();
        QTest::newRow("axis band only") << QSize(416, 30) << QSize();
    }
    void pictureSize()
    {
        QFETCH(QSize, initSize);
        QFETCH(QSize, area);
        QWidget owner;
        auto* layout = new QVBoxLayout(&owner);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* s = new FreqSpectrum;
        layout->addWidget(s);
        initSize = initSize.isValid() ? initSize : s->getRect().size();
        s->init(initSize.width(), initSize.height());
        s->drawScale();
        s->drawFft(kPeak.data(), true);
        s->drawData(kPeak.data());
        if (area.isValid()) {
            owner.setFixedSize(area);
            owner.QWidget::show();
            QVERIFY(QTest::qWaitForWindowExposed(&owner));
            s->hide();
            QCOMPARE(count(s->grab().toImage().convertToFormat(QImage::Format_RGB32), qRgb(0, 0, 0)), area.width() * area.height());
            s->show();
            QCOMPARE(s->grab().toImage().convertToFormat(QImage::Format_RGB32), s->getImage());
        }
        const QSize picture = area.isValid() ? area : initSize;
        QCOMPARE(s->getImage().size(), picture);
        // Kept through the resize; nothing on a picture no taller than the axis band.
        QCOMPARE(count(s->getImage(), kWhite) > 0, area.isValid());
        QSignalSpy changed(s, &FreqSpectrum::filterChanged);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(changed.count(), int(picture.width() > 0));
    }
};

QTEST_MAIN(TestFreqSpectrum)
#include "tst_freqspectrum.moc"
