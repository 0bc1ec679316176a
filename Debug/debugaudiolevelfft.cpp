#include "debugaudiolevelfft.h"

#include <QDebug>

#include <cmath>
#include <cstdint>
#include <utility>

float pcmToReal(short pcm)
{
    return pcm / 32768.0f;
}

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

void fft(std::valarray<std::complex<float>>& x)
{
    if (!needsTransform(x.size()))
        return;
    const uint32_t N = static_cast<uint32_t>(x.size());

    // Decimation in frequency; the twiddles come from one sine/cosine pair by
    // repeated multiplication.
    const double theta = M_PI / N;
    std::complex<float> phi(static_cast<float>(std::cos(theta)), static_cast<float>(std::sin(theta)));
    uint32_t k = N;
    while (k > 1) {
        const uint32_t n = k;
        k >>= 1;
        phi = phi * phi;
        std::complex<float> T = 1.0f;
        for (uint32_t l = 0; l < k; ++l) {
            for (uint32_t a = l; a < N; a += n) {
                const uint32_t b = a + k;
                const std::complex<float> t = x[a] - x[b];
                x[a] += x[b];
                x[b] = t * T;
            }
            T *= phi;
        }
    }

    // Output order back from bit-reversed.
    uint32_t m = 0;
    while ((uint32_t(1) << m) < N)
        ++m;
    for (uint32_t a = 0; a < N; ++a) {
        const uint32_t b = reverseBits(a) >> (32 - m);
        if (b > a)
            std::swap(x[a], x[b]);
    }
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
