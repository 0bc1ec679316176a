#ifndef DEBUGAUDIOLEVELFFT_H
#define DEBUGAUDIOLEVELFFT_H

#include <complex>
#include <valarray>

// Sample conversion and the in-place FFT shared by the level analysis and
// the level/FFT debug screen.

// pcm / 32768, exact.
float pcmToReal(short pcm);
// real * 32767 truncated toward zero; input outside -1..+1 is clamped, NaN gives 0.
short realToPcm(float real);

// In-place forward transform X[k] = sum x[j] e^(+2 pi i jk/N), not normalised.
// The size must be a power of two; sizes 0 and 1, and any other size, leave x unchanged.
void fft(std::valarray<std::complex<float>>& x);
// In-place inverse: ifft(fft(x)) returns x up to rounding.
void ifft(std::valarray<std::complex<float>>& x);

#endif
