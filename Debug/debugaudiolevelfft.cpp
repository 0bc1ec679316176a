#include "debugaudiolevelfft.h"

#include <QDebug>

#include <cmath>
#include <cstdint>
#include <cstring>

short realToPcm(float real)
{
    if (std::isnan(real))
        return 0;
    if (real > 1.0f)
        real = 1.0f;
    else if (real < -1.0f)
        real = -1.0f;
    return static_cast<short>(real * 32767.0f);
}

namespace {

// Sizes 0 and 1 need nothing; other sizes that are not a power of two would
// make the butterflies run past the end of the array.
bool needsTransform(std::size_t n)
{
    if (n <= 1)
        return false;
    if ((n & (n - 1)) != 0 || n > (std::size_t(1) << 31)) {
        qWarning() << "fft: size" << n << "is not a power of two; data left unchanged";
        return false;
    }
    return true;
}

uint32_t reverseBits(uint32_t b)
{
    b = ((b & 0xaaaaaaaau) >> 1) | ((b & 0x55555555u) << 1);
    b = ((b & 0xccccccccu) >> 2) | ((b & 0x33333333u) << 2);
    b = ((b & 0xf0f0f0f0u) >> 4) | ((b & 0x0f0f0f0fu) << 4);
    b = ((b & 0xff00ff00u) >> 8) | ((b & 0x00ff00ffu) << 8);
    return (b >> 16) | (b << 16);
}

}

FftPlan::FftPlan(uint32_t n)
    : m_n(n)
{
    m_twiddleRe.reserve(n);
    m_twiddleIm.reserve(n);
    // Decimation in frequency: each stage squares phi, and its twiddles are
    // 1, phi, phi^2, ... by repeated multiplication in complex float.
    const double theta = M_PI / n;
    std::complex<float> phi(static_cast<float>(std::cos(theta)), static_cast<float>(std::sin(theta)));
    for (uint32_t k = n >> 1; k >= 1; k >>= 1) {
        phi = phi * phi;
        std::complex<float> T = 1.0f;
        for (uint32_t l = 0; l < k; ++l) {
            m_twiddleRe.push_back(T.real());
            m_twiddleIm.push_back(T.imag());
            T *= phi;
        }
    }

    m_stages = 0;
    while ((uint32_t(1) << m_stages) < n)
        ++m_stages;
    m_position.resize(n);
    for (uint32_t k = 0; k < n; ++k) {
        const uint32_t p = reverseBits(k) >> (32 - m_stages);
        // The last two stages leave each run of 16 values transposed as 4x4.
        m_position[k] = n >= 16 ? (p & ~15u) | ((p & 3u) << 2) | ((p >> 2) & 3u) : p;
    }
}

namespace {

// The butterflies below are written out in real arithmetic exactly as
// std::complex<float> computes t = a - b, a += b, b = t * w, so that loops
// can be vectorised without changing a bit of the result.

// One stage over one span: a and b are its two halves, k values each.
void stage(float* __restrict ar, float* __restrict ai, float* __restrict br, float* __restrict bi,
           const float* __restrict wr, const float* __restrict wi, uint32_t k)
{
    for (uint32_t l = 0; l < k; ++l) {
        const float tr = ar[l] - br[l];
        const float ti = ai[l] - bi[l];
        ar[l] += br[l];
        ai[l] += bi[l];
        br[l] = tr * wr[l] - ti * wi[l];
        bi[l] = tr * wi[l] + ti * wr[l];
    }
}

template <typename T, typename W>
inline void butterfly(T& ar, T& ai, T& br, T& bi, W wr, W wi)
{
    const T tr = ar - br;
    const T ti = ai - bi;
    ar += br;
    ai += bi;
    br = tr * wr - ti * wi;
    bi = tr * wi + ti * wr;
}

// Two stages in one pass over one span of 4h values in quarters 0..3: the
// stage of half-size 2h (twiddles w1 for quarters 0/2, w3 for 1/3), then the
// stage of half-size h (twiddles w2) in each half.
void twoStages(float* __restrict r0, float* __restrict r1, float* __restrict r2, float* __restrict r3,
               float* __restrict i0, float* __restrict i1, float* __restrict i2, float* __restrict i3,
               const float* __restrict w1r, const float* __restrict w1i,
               const float* __restrict w3r, const float* __restrict w3i,
               const float* __restrict w2r, const float* __restrict w2i, uint32_t h)
{
    for (uint32_t l = 0; l < h; ++l) {
        float a0 = r0[l], a1 = r1[l], a2 = r2[l], a3 = r3[l];
        float b0 = i0[l], b1 = i1[l], b2 = i2[l], b3 = i3[l];
        butterfly(a0, b0, a2, b2, w1r[l], w1i[l]);
        butterfly(a1, b1, a3, b3, w3r[l], w3i[l]);
        butterfly(a0, b0, a1, b1, w2r[l], w2i[l]);
        butterfly(a2, b2, a3, b3, w2r[l], w2i[l]);
        r0[l] = a0, r1[l] = a1, r2[l] = a2, r3[l] = a3;
        i0[l] = b0, i1[l] = b1, i2[l] = b2, i3[l] = b3;
    }
}

typedef float Float4 __attribute__((vector_size(16)));

Float4 load4(const float* p)
{
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void store4(float* p, const Float4& v)
{
    std::memcpy(p, &v, sizeof v);
}

#ifdef __clang__
#define SHUFFLE(a, b, i, j, k, l) __builtin_shufflevector(a, b, i, j, k, l)
#else
typedef int Int4 __attribute__((vector_size(16)));
#define SHUFFLE(a, b, i, j, k, l) __builtin_shuffle(a, b, Int4{i, j, k, l})
#endif

void transpose4(Float4& a, Float4& b, Float4& c, Float4& d)
{
    const Float4 t0 = SHUFFLE(a, b, 0, 4, 1, 5);
    const Float4 t1 = SHUFFLE(a, b, 2, 6, 3, 7);
    const Float4 t2 = SHUFFLE(c, d, 0, 4, 1, 5);
    const Float4 t3 = SHUFFLE(c, d, 2, 6, 3, 7);
    a = SHUFFLE(t0, t2, 0, 1, 4, 5);
    b = SHUFFLE(t0, t2, 2, 3, 6, 7);
    c = SHUFFLE(t1, t3, 0, 1, 4, 5);
    d = SHUFFLE(t1, t3, 2, 3, 6, 7);
}

#undef SHUFFLE

// The stages of half-size 2 and 1 work within runs of 4 values. Four runs
// at a time are transposed so that each vector holds one place of four
// runs; the result stays transposed (the positions table knows).
void lastTwoStages(float* re, float* im, uint32_t n, const float* wr, const float* wi)
{
    for (uint32_t g = 0; g < n; g += 16) {
        Float4 r0 = load4(re + g), r1 = load4(re + g + 4), r2 = load4(re + g + 8), r3 = load4(re + g + 12);
        Float4 i0 = load4(im + g), i1 = load4(im + g + 4), i2 = load4(im + g + 8), i3 = load4(im + g + 12);
        transpose4(r0, r1, r2, r3);
        transpose4(i0, i1, i2, i3);
        butterfly(r0, i0, r2, i2, wr[0], wi[0]);
        butterfly(r1, i1, r3, i3, wr[1], wi[1]);
        butterfly(r0, i0, r1, i1, wr[2], wi[2]);
        butterfly(r2, i2, r3, i3, wr[2], wi[2]);
        store4(re + g, r0), store4(re + g + 4, r1), store4(re + g + 8, r2), store4(re + g + 12, r3);
        store4(im + g, i0), store4(im + g + 4, i1), store4(im + g + 8, i2), store4(im + g + 12, i3);
    }
}

}

void FftPlan::transform(float* re, float* im) const
{
    const uint32_t n = m_n;
    // The twiddles of the stage of half-size k start at n - 2k.
    auto wr = [this, n](uint32_t k) { return m_twiddleRe.data() + (n - 2 * k); };
    auto wi = [this, n](uint32_t k) { return m_twiddleIm.data() + (n - 2 * k); };
    // The last two stages go transposed where there are four runs of 4;
    // before them the stages go in pairs, the first alone if their count is odd.
    const bool transposedEnd = n >= 16;
    uint32_t k = n >> 1;
    if ((m_stages - (transposedEnd ? 2 : 0)) % 2) {
        for (uint32_t a = 0; a < n; a += 2 * k)
            stage(re + a, im + a, re + a + k, im + a + k, wr(k), wi(k), k);
        k >>= 1;
    }
    for (; k >= (transposedEnd ? 8u : 2u); k >>= 2) {
        const uint32_t h = k / 2;
        for (uint32_t a = 0; a < n; a += 2 * k)
            twoStages(re + a, re + a + h, re + a + k, re + a + k + h, im + a, im + a + h, im + a + k,
                      im + a + k + h, wr(k), wi(k), wr(k) + h, wi(k) + h, wr(h), wi(h), h);
    }
    if (transposedEnd)
        lastTwoStages(re, im, n, wr(2), wi(2));
}

void fft(std::valarray<std::complex<float>>& x)
{
    if (!needsTransform(x.size()))
        return;
    const FftPlan plan(static_cast<uint32_t>(x.size()));
    std::vector<float> re(x.size()), im(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        re[i] = x[i].real();
        im[i] = x[i].imag();
    }
    plan.transform(re.data(), im.data());
    for (uint32_t k = 0; k < plan.size(); ++k)
        x[k] = std::complex<float>(re[plan.position(k)], im[plan.position(k)]);
}

void ifft(std::valarray<std::complex<float>>& x)
{
    if (!needsTransform(x.size()))
        return;
    for (auto& v : x)
        v = std::conj(v);
    fft(x);
    const float scale = 1.0f / static_cast<float>(x.size());
    for (auto& v : x)
        v = std::conj(v) * scale;
}
