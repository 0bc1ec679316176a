#ifndef DEBUGAUDIOLEVELFFT_H
#define DEBUGAUDIOLEVELFFT_H

#include <complex>
#include <cstdint>
#include <valarray>
#include <vector>

// Sample conversion and the in-place FFT shared by the level analysis and
// the level/FFT debug screen.

// pcm / 32768, exact.
inline float pcmToReal(short pcm)
{
    return pcm / 32768.0f;
}
// real * 32767 truncated toward zero; input outside -1..+1 is clamped, NaN gives 0.
short realToPcm(float real);

// In-place forward transform X[k] = sum x[j] e^(+2 pi i jk/N), not normalised.
// The size must be a power of two; sizes 0 and 1, and any other size, leave x unchanged.
void fft(std::valarray<std::complex<float>>& x);
// In-place inverse: ifft(fft(x)) returns x up to rounding.
void ifft(std::valarray<std::complex<float>>& x);

// The transform behind fft() for one size, made ready once: the twiddle
// factors of every stage and the bit-reversal order are tables, so a
// transform allocates nothing. The twiddles come from one sine/cosine pair by
// repeated multiplication in complex float, stage after stage, and every
// butterfly does std::complex<float>'s operations (t = a - b, a += b,
// b = t * w) in their order; only the loops are arranged for vector units.
class FftPlan
{
public:
    // n: a power of two, at least 2.
    explicit FftPlan(uint32_t n);

    uint32_t size() const { return m_n; }

    // In place on n real and n imaginary parts. The result is left in the
    // transform's own order: X[k] is at index position(k).
    void transform(float* re, float* im) const;
    uint32_t position(uint32_t k) const { return m_position[k]; }

private:
    uint32_t m_n;
    uint32_t m_stages;
    // Stage after stage, k entries for a stage of half-size k (n-1 in all).
    std::vector<float> m_twiddleRe;
    std::vector<float> m_twiddleIm;
    // Bit-reversed order, as the last stages leave it.
    std::vector<uint32_t> m_position;
};

#endif
