// The codec's band filter: tables, choice of rows and the register writes.
#include "Audio/audiocodecsetup.h"
#include "Audio/codecfiltertables.h"
#include "Management/settingsstore.h"
#include "logcapture.h"
#include "recordingcodecmixer.h"
#include "recordingregisterport.h"

#include <QtTest>
#include <cmath>
#include <complex>

using namespace CodecFilterTables;

namespace {

// Where each coefficient (N0, N1, N2, D1, D2) of each section lives in the
// codec's coefficient memory: {page, first register}; [channel][section].
struct Loc {
    int page;
    int reg;
};
const Loc kMap[2][6][5] = {
    {{{44, 12}, {44, 16}, {44, 20}, {44, 24}, {44, 28}},
     {{44, 32}, {44, 36}, {44, 40}, {44, 44}, {44, 48}},
     {{44, 52}, {44, 56}, {44, 60}, {44, 64}, {44, 68}},
     {{44, 72}, {44, 76}, {44, 80}, {44, 84}, {44, 88}},
     {{44, 92}, {44, 96}, {44, 100}, {44, 104}, {44, 108}},
     {{44, 112}, {44, 116}, {44, 120}, {44, 124}, {45, 8}}},
    {{{45, 20}, {45, 24}, {45, 28}, {45, 32}, {45, 36}},
     {{45, 40}, {45, 44}, {45, 48}, {45, 52}, {45, 56}},
     {{45, 60}, {45, 64}, {45, 68}, {45, 72}, {45, 76}},
     {{45, 80}, {45, 84}, {45, 88}, {45, 92}, {45, 96}},
     {{45, 100}, {45, 104}, {45, 108}, {45, 112}, {45, 116}},
     {{45, 120}, {45, 124}, {46, 8}, {46, 12}, {46, 16}}},
};

using Coeffs = std::array<quint32, 5>;  // N0, N1, N2, D1, D2

const Coeffs kPassThrough = {0x7FFFFFFF, 0, 0, 0, 0};
const Coeffs kLp1000 = {0x03D5852A, 0x03D5852A, 0x03D5852A, 0x5D118F7F, 0xB686CC57};
const Coeffs kHp160 = {0x7A6FCEA1, 0x8590315F, 0x7A6FCEA1, 0x7A50DA08, 0x8AE2798A};
const Coeffs k50Hz = {0x7E864CB6, 0x82114621, 0x7D88E68F, 0x7DEEB9DF, 0x83F0CCBA};
const Coeffs kPreemphase = {0x7FFFFFFF, 0x92403D36, 0x5EF875E2, 0x76FD4B15, 0x8E41A157};

// The writes of one coefficient as decoded by RecordingRegisterPort.
QStringList coeffWrites(Loc loc, quint32 value)
{
    QStringList out;
    for (int i = 0; i < 3; ++i)
        out << QString("%1/%2=%3").arg(loc.page).arg(loc.reg + i).arg((value >> (24 - 8 * i)) & 0xFF);
    return out;
}

// The write order of one setFilter, section by section:
// "P<n>" page select, "C<n>" register 1 of page 44, "<L|R><section>:<first>-<last>" coefficients.
const char* const kOrder =
    "P44 C4 L1:0-4 P44 L2:0-4 P45 R1:0-4 P45 R2:0-4 P44 L3:0-4 P44 L4:0-4 P45 R3:0-4 P45 R4:0-4 "
    "P44 L5:0-4 P45 R5:0-4 P44 L6:0-3 P45 L6:4-4 P45 R6:0-1 P46 R6:2-4 P44 C5";

QStringList expectedWrites(const Coeffs sections[6])
{
    QStringList out;
    int page = -1;
    for (const QString& token : QString(kOrder).split(' ')) {
        if (token.startsWith('P')) {
            page = token.mid(1).toInt();
            out << QString("page %1").arg(page);
        } else if (token.startsWith('C')) {
            out << QString("%1/1=%2").arg(page).arg(token.mid(1));
        } else {
            const int channel = token.startsWith('L') ? 0 : 1;
            const int section = token.mid(1, 1).toInt() - 1;
            const int first = token.mid(3, 1).toInt();
            const int last = token.mid(5, 1).toInt();
            for (int c = first; c <= last; ++c) {
                const Loc loc = kMap[channel][section][c];
                if (loc.page != page)
                    out << QString("wrong page for %1").arg(token);
                out << coeffWrites(loc, sections[section][c]);
            }
        }
    }
    return out;
}

struct DebugFeatures {
    int previous = g_debugFeatures;
    explicit DebugFeatures(int value) { g_debugFeatures = value; }
    ~DebugFeatures() { g_debugFeatures = previous; }
};

int signedDistance(quint32 a, quint32 b)
{
    return static_cast<int>(static_cast<qint32>(a - b));
}

}

class TestCodecFilter : public QObject
{
    Q_OBJECT
private slots:
    void passThroughRowsAndFrequencies();
    void tellingRowsMatchTheStoredValues_data();
    void tellingRowsMatchTheStoredValues();
    void everyRowIsAUnityGainButterworth();
    void fixedPointRounding();
    void rowChoice_data();
    void rowChoice();
    void wrongFiltersettingsIsLogged();
    void bandPassWriteSequence();
    void negativeCoefficientBytes();
    void extraSectionsWithDeveloperFeatures();
    void getFilterBeforeAnySetFilter();
};

void TestCodecFilter::passThroughRowsAndFrequencies()
{
    for (const FilterTable* table : {&filterCoeffs_LP(), &filterCoeffs_HP()}) {
        QCOMPARE((*table)[0], (FilterRow{0, 0x7FFFFFFF, 0, 0, 0, 0}));
        QCOMPARE((*table)[25], (FilterRow{4000, 0x7FFFFFFF, 0, 0, 0, 0}));
    }
    QCOMPARE(filterCoeffs_50Hz[0], (FilterRow{0, 0x7FFFFFFF, 0, 0, 0, 0}));
    QCOMPARE(filterCoeffs_Preemphase[0], (FilterRow{0, 0x7FFFFFFF, 0, 0, 0, 0}));

    const QVector<quint32> expected = {0,   20,  25,  32,  40,  50,  63,   80,   100,  125,  160,  200,  250,
                                       315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 3900, 4000};
    RecordingCodec rig;
    QVector<quint32> lp(26, 1), hp(26, 1);
    int nLp = 0, nHp = 0;
    rig.codec.getAvailableLpFilterFrequencies(lp.data(), &nLp);
    rig.codec.getAvailableHpFilterFrequencies(hp.data(), &nHp);
    QCOMPARE(nLp, 26);
    QCOMPARE(nHp, 26);
    QCOMPARE(lp, expected);
    QCOMPARE(hp, expected);
}

void TestCodecFilter::tellingRowsMatchTheStoredValues_data()
{
    QTest::addColumn<bool>("highPass");
    QTest::addColumn<int>("row");
    QTest::addColumn<QVector<quint32>>("stored");
    QTest::newRow("LP 20") << false << 1 << QVector<quint32>{0x000080A5, 0x000080A5, 0x000080A5, 0x7F49FE82, 0x816A0064};
    QTest::newRow("LP 160") << false << 10 << QVector<quint32>{0x001EF499, 0x001EF499, 0x001EF499, 0x7A50DA08, 0x8AE2798A};
    QTest::newRow("LP 1000") << false << 18 << QVector<quint32>{0x03D5852A, 0x03D5852A, 0x03D5852A, 0x5D118F7F, 0xB686CC57};
    QTest::newRow("LP 3900") << false << 24 << QVector<quint32>{0x240718C1, 0x240718C1, 0x240718C1, 0x02F1C9A8, 0xEA0009A8};
    QTest::newRow("HP 20") << true << 1 << QVector<quint32>{0x7F4A7F27, 0x80B580D9, 0x7F4A7F27, 0x7F49FE82, 0x816A0064};
    QTest::newRow("HP 160") << true << 10 << QVector<quint32>{0x7A6FCEA1, 0x8590315F, 0x7A6FCEA1, 0x7A50DA08, 0x8AE2798A};
    QTest::newRow("HP 1000") << true << 18 << QVector<quint32>{0x60E714AA, 0x9F18EB56, 0x60E714AA, 0x5D118F7F, 0xB686CC57};
    QTest::newRow("HP 3900") << true << 24 << QVector<quint32>{0x26F8E26A, 0xD9071D96, 0x26F8E26A, 0x02F1C9A8, 0xEA0009A8};
}

void TestCodecFilter::tellingRowsMatchTheStoredValues()
{
    QFETCH(bool, highPass);
    QFETCH(int, row);
    QFETCH(QVector<quint32>, stored);
    const FilterRow& r = (highPass ? filterCoeffs_HP() : filterCoeffs_LP())[row];
    for (int c = 0; c < 5; ++c) {
        const quint32 computed = r[N0 + c];
        QVERIFY2(std::abs(signedDistance(computed, stored[c])) <= 2,
                 qPrintable(QString("coefficient %1: %2").arg(c).arg(computed, 8, 16, QChar('0'))));
        QCOMPARE(computed >> 8, stored[c] >> 8);  // what the codec receives
    }
}

void TestCodecFilter::everyRowIsAUnityGainButterworth()
{
    // Low-passes pass DC unchanged, high-passes the Nyquist frequency, and
    // both are 3 dB down at their corner.
    auto frac = [](quint32 v) { return static_cast<qint32>(v) / 2147483648.0; };
    for (int i = 1; i < 25; ++i) {
        for (bool hp : {false, true}) {
            const FilterRow& r = (hp ? filterCoeffs_HP() : filterCoeffs_LP())[i];
            const double b0 = frac(r[N0]), b1 = 2 * frac(r[N1]), b2 = frac(r[N2]);
            const double a1 = -2 * frac(r[D1]), a2 = -frac(r[D2]);
            auto gain = [&](double f) {
                const double w = 2 * M_PI * f / 16000.0;
                const std::complex<double> z1 = std::polar(1.0, -w), z2 = z1 * z1;
                return std::abs((b0 + b1 * z1 + b2 * z2) / (1.0 + a1 * z1 + a2 * z2));
            };
            const QString what = QString("%1 row %2").arg(hp ? "HP" : "LP").arg(i);
            QVERIFY2(std::abs(gain(hp ? 8000.0 : 0.0) - 1.0) < 1e-4, qPrintable(what));
            QVERIFY2(std::abs(gain(r[Freq]) - std::sqrt(0.5)) < 1e-3, qPrintable(what));
        }
    }
}

void TestCodecFilter::fixedPointRounding()
{
    QCOMPARE(toFixedPoint(0.0), 0u);
    QCOMPARE(toFixedPoint(1.0), 0x7FFFFFFFu);
    QCOMPARE(toFixedPoint(-1.0), 0x80000000u);
    QCOMPARE(toFixedPoint(-2.0), 0x80000000u);
    QCOMPARE(toFixedPoint(0.5), 0x40000000u);
    QCOMPARE(toFixedPoint(-0.5), 0xC0000000u);
    QCOMPARE(toFixedPoint(1.4 / 2147483648.0), 1u);
    QCOMPARE(toFixedPoint(1.6 / 2147483648.0), 2u);
}

void TestCodecFilter::rowChoice_data()
{
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("gotLow");
    QTest::addColumn<quint32>("gotHigh");
    QTest::addColumn<int>("gotType");
    QTest::addColumn<bool>("passThrough");  // every section written as pass-through
    QTest::newRow("160/1250") << 160u << 1250u << 1 << 160u << 1250u << 1 << false;
    QTest::newRow("170/1300 snaps down") << 170u << 1300u << 1 << 160u << 1250u << 1 << false;
    QTest::newRow("180/1300 tie takes upper") << 180u << 1300u << 1 << 200u << 1250u << 1 << false;
    QTest::newRow("1000/1000 wrong") << 1000u << 1000u << 1 << 0u << 4000u << 0 << true;
    QTest::newRow("19/21 both snap to 20") << 19u << 21u << 1 << 0u << 4000u << 0 << true;
    QTest::newRow("high above 4000") << 100u << 5000u << 1 << 100u << 0u << 1 << false;
    QTest::newRow("high 4001") << 100u << 4001u << 1 << 100u << 0u << 1 << false;
    QTest::newRow("0/4000 type 0") << 0u << 4000u << 0 << 0u << 4000u << 0 << true;
    QTest::newRow("0/4000 type 1") << 0u << 4000u << 1 << 0u << 4000u << 1 << true;
    QTest::newRow("0xFFFFFFFF type 0") << 0xFFFFFFFFu << 0xFFFFFFFFu << 0 << 0u << 4000u << 0 << true;
    QTest::newRow("0xFFFFFFFF type 1") << 0xFFFFFFFFu << 0xFFFFFFFFu << 1 << 0u << 4000u << 0 << true;
    QTest::newRow("300/3000 band-stop") << 300u << 3000u << 2 << 4000u << 0u << 2 << true;
    QTest::newRow("unknown type 7") << 300u << 3000u << 7 << 0u << 4000u << 7 << true;
    QTest::newRow("negative type") << 300u << 3000u << -1 << 0u << 4000u << -1 << true;
    QTest::newRow("low above high") << 3000u << 300u << 1 << 3150u << 315u << 1 << false;
    QTest::newRow("3950 tie between 3900 and 4000") << 20u << 3950u << 1 << 20u << 4000u << 1 << false;
}

void TestCodecFilter::rowChoice()
{
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    QFETCH(int, type);
    QFETCH(quint32, gotLow);
    QFETCH(quint32, gotHigh);
    QFETCH(int, gotType);
    QFETCH(bool, passThrough);
    RecordingCodec rig;
    rig.codec.setFilter(low, high, type);
    quint32 l = 1, h = 1;
    int t = -99;
    rig.codec.getFilter(&l, &h, &t);
    QCOMPARE(l, gotLow);
    QCOMPARE(h, gotHigh);
    QCOMPARE(t, gotType);
    QCOMPARE(rig.port->texts().size(), 197);
    if (passThrough) {
        const Coeffs none[6] = {kPassThrough, kPassThrough, kPassThrough, kPassThrough, kPassThrough, kPassThrough};
        QCOMPARE(rig.port->decoded(), expectedWrites(none));
    }
}

void TestCodecFilter::wrongFiltersettingsIsLogged()
{
    RecordingCodec rig;
    LogCapture log;
    rig.codec.setFilter(1000, 1000, 1);
    QVERIFY(log.contains("Wrong Filtersettings 1000 1000 1"));
    QVERIFY(log.contains("Filter Ist: LP= 4000 HP= 0 Type= 0 lpPos 25 hpPos 0"));
    log.clear();
    rig.codec.setFilter(160, 1250, 1);
    QVERIFY(!log.contains("Wrong"));
    QVERIFY(log.contains("Filter Ist: LP= 1250 HP= 160 Type= 1 lpPos 19 hpPos 10"));
}

void TestCodecFilter::bandPassWriteSequence()
{
    const Coeffs sections[6] = {kLp1000, kLp1000, kHp160, kHp160, kLp1000, kHp160};
    const QStringList expected = expectedWrites(sections);
    QCOMPARE(expected.size(), 197);
    QCOMPARE(expected.filter(QRegularExpression("^page ")).size(), 15);
    // The extra sections need the developer features.
    DebugFeatures debug(0);
    for (bool special : {false, true}) {
        RecordingCodec rig;
        rig.codec.setSpecialFilter(special, special);
        rig.codec.setFilter(160, 1000, 1);
        QCOMPARE(rig.port->decoded(), expected);
    }
}

void TestCodecFilter::negativeCoefficientBytes()
{
    RecordingCodec rig;
    rig.codec.writeFilterCoeffs(28, static_cast<qint32>(0xB686CC57u));
    rig.codec.writeFilterCoeffs(8, static_cast<qint32>(0x80000000u));
    rig.codec.writeFilterCoeffs(12, -1);
    QCOMPARE(rig.port->texts(), (QList<QByteArray>{"1c b6", "1d 86", "1e cc", "8 80", "9 0", "a 0", "c ff",
                                                   "d ff", "e ff"}));

    // The same bytes inside a whole filter: D2 of the 1000 Hz low-pass.
    rig.port->clear();
    rig.codec.setFilter(160, 1000, 1);
    const QList<QByteArray> texts = rig.port->texts();
    const int at = texts.indexOf("1c b6");
    QVERIFY(at > 0);
    QCOMPARE(texts.mid(at, 3), (QList<QByteArray>{"1c b6", "1d 86", "1e cc"}));
    for (const QByteArray& t : texts)
        QVERIFY2(!t.contains('-') && t.split(' ').value(1).size() <= 2, t.constData());
}

void TestCodecFilter::extraSectionsWithDeveloperFeatures()
{
    DebugFeatures debug(1);
    const Coeffs& none = kPassThrough;
    RecordingCodec rig;
    rig.codec.setSpecialFilter(true, false);
    rig.codec.setFilter(0, 4000, 0);
    const Coeffs hum[6] = {none, none, none, none, k50Hz, none};
    QCOMPARE(rig.port->decoded(), expectedWrites(hum));

    rig.port->clear();
    rig.codec.setSpecialFilter(false, true);
    rig.codec.setFilter(160, 1000, 1);
    const Coeffs emphasis[6] = {kLp1000, kLp1000, kHp160, kHp160, none, kPreemphase};
    QCOMPARE(rig.port->decoded(), expectedWrites(emphasis));

    // Both at once, over a band-stop.
    rig.port->clear();
    rig.codec.setSpecialFilter(true, true);
    rig.codec.setFilter(300, 3000, 2);
    const Coeffs both[6] = {none, none, none, none, k50Hz, kPreemphase};
    QCOMPARE(rig.port->decoded(), expectedWrites(both));
}

void TestCodecFilter::getFilterBeforeAnySetFilter()
{
    RecordingCodec rig;
    quint32 low = 1, high = 1;
    int type = -1;
    rig.codec.getFilter(&low, &high, &type);
    QCOMPARE(low, 0u);
    QCOMPARE(high, 4000u);
    QCOMPARE(type, 0);
    rig.codec.getFilter(nullptr, nullptr, nullptr);
    QVERIFY(rig.port->texts().isEmpty());
}

QTEST_GUILESS_MAIN(TestCodecFilter)
#include "tst_codecfilter.moc"
