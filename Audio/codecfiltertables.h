#ifndef CODECFILTERTABLES_H
#define CODECFILTERTABLES_H

#include <QtGlobal>
#include <array>

// Coefficients of the biquad sections the codec's DAC processing block runs.
// A row is the frequency in Hz, then N0, N1, N2, D1, D2 as signed fixed-point
// values with 31 fraction bits, stored as their 32-bit pattern
// (0x7FFFFFFF = 1.0). A section computes
//   y[n] = N0 x[n] + 2 N1 x[n-1] + N2 x[n-2] + 2 D1 y[n-1] + D2 y[n-2].
namespace CodecFilterTables {

enum Column { Freq = 0, N0, N1, N2, D1, D2 };
using FilterRow = std::array<quint32, 6>;

constexpr int kRows = 26;
using FilterTable = std::array<FilterRow, kRows>;

// Rows 0 (0 Hz) and 25 (4000 Hz) pass the signal unchanged; rows 1..24 are
// second-order Butterworth sections (Q 0.707) for 16 kHz, computed once.
const FilterTable& filterCoeffs_LP();
const FilterTable& filterCoeffs_HP();

// Row 0 pass-through, row 1 the extra section; chosen by a flag.
extern const FilterRow filterCoeffs_50Hz[2];        // -12 dB bell at 100 Hz
extern const FilterRow filterCoeffs_Preemphase[2];  // +8 dB bell at 450 Hz

// The row whose frequency is nearest to freq; an exact tie takes the upper
// row. A frequency above the last row has no row and gives row 0.
int nearestRow(quint32 freq);

// x rounded to the nearest multiple of 2^-31, limited to the 32-bit range.
quint32 toFixedPoint(double x);

}

#endif
