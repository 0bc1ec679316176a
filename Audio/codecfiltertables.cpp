#include "codecfiltertables.h"

#include <cmath>

namespace CodecFilterTables {

namespace {

const quint32 kFrequencies[kRows] = {0,   20,  25,  32,  40,  50,  63,   80,   100,
                                     125, 160, 200, 250, 315, 400, 500,  630,  800,
                                     1000, 1250, 1600, 2000, 2500, 3150, 3900, 4000};

constexpr double kSampleRate = 16000.0;
constexpr double kQ = 0.707;
constexpr double kPi = 3.14159265358979323846;

FilterTable design(bool highPass)
{
    FilterTable table{};
    for (int i = 0; i < kRows; ++i) {
        FilterRow& row = table[i];
        row[Freq] = kFrequencies[i];
        if (i == 0 || i == kRows - 1) {
            row[N0] = 0x7FFFFFFF;
            continue;
        }
        // Audio-EQ-cookbook low-pass / high-pass, bilinear with pre-warping.
        const double w0 = 2.0 * kPi * kFrequencies[i] / kSampleRate;
        const double alpha = std::sin(w0) / (2.0 * kQ);
        const double a0 = 1.0 + alpha;
        const double c = std::cos(w0);
        const double n0 = (highPass ? 1.0 + c : 1.0 - c) / (2.0 * a0);
        row[N0] = toFixedPoint(n0);
        row[N1] = toFixedPoint(highPass ? -n0 : n0);
        row[N2] = row[N0];
        row[D1] = toFixedPoint(c / a0);
        row[D2] = toFixedPoint(-(1.0 - alpha) / a0);
    }
    return table;
}

}

const FilterRow filterCoeffs_50Hz[2] = {
    {0, 0x7FFFFFFF, 0, 0, 0, 0},
    {100, 0x7E864CB6, 0x82114621, 0x7D88E68F, 0x7DEEB9DF, 0x83F0CCBA},
};

const FilterRow filterCoeffs_Preemphase[2] = {
    {0, 0x7FFFFFFF, 0, 0, 0, 0},
    {450, 0x7FFFFFFF, 0x92403D36, 0x5EF875E2, 0x76FD4B15, 0x8E41A157},
};

const FilterTable& filterCoeffs_LP()
{
    static const FilterTable table = design(false);
    return table;
}

const FilterTable& filterCoeffs_HP()
{
    static const FilterTable table = design(true);
    return table;
}

quint32 toFixedPoint(double x)
{
    const double scaled = std::round(x * 2147483648.0);
    if (!(scaled > -2147483648.0))  // NaN lands here too
        return 0x80000000u;
    if (scaled > 2147483647.0)
        return 0x7FFFFFFFu;
    return static_cast<quint32>(static_cast<qint32>(scaled));
}

int nearestRow(quint32 freq)
{
    for (int i = 0; i < kRows; ++i) {
        const quint32 upper = kFrequencies[i];
        if (upper < freq)
            continue;
        if (i > 0) {
            const quint32 lower = kFrequencies[i - 1];
            if (freq - lower < upper - freq)
                return i - 1;
        }
        return i;
    }
    return 0;
}

}
