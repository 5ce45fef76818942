#include "render/BgraToYuv.h"

#include <libyuv/convert_from_argb.h>

#include <cstddef>

#ifdef __x86_64__
#include <tmmintrin.h>
#endif

namespace {

// BT.709 limited range from sRGB bytes in 8-bit fixed point, as libyuv's own rows for BT.601:
// Y = 16 + 219/255 (0.2126 R + 0.7152 G + 0.0722 B), Cb and Cr 128 + 224/255 times the colour
// differences, from the rounded mean of each 2 x 2 block. Each chroma row sums to 0, so grey
// stays grey. The plain rows give the same bytes as the SIMD ones: a part converted alone
// matches the whole.
constexpr int yB = 16, yG = 157, yR = 47;
constexpr int uB = 112, uG = -86, uR = -26;
constexpr int vB = -10, vG = -102, vR = 112;
constexpr int yBias = (16 << 8) + 128;
constexpr int cBias = (128 << 8) + 128;

uint8_t mean(uint8_t a, uint8_t b)
{
    return uint8_t((a + b + 1) >> 1);
}

void lumaRowPlain(const uint8_t *bgra, uint8_t *y, int from, int count)
{
    for (int x = from; x < count; ++x) {
        const uint8_t *p = bgra + 4 * x;
        y[x] = uint8_t((yB * p[0] + yG * p[1] + yR * p[2] + yBias) >> 8);
    }
}

// Chroma samples from `from` to before `count`, each from columns 2 x and 2 x + 1 of rows a
// and b (the last column alone when width is odd).
void chromaRowPlain(const uint8_t *a, const uint8_t *b, uint8_t *u, uint8_t *v, int from, int count, int width)
{
    for (int x = from; x < count; ++x) {
        const int left = 8 * x, right = 2 * x + 1 < width ? left + 4 : left;
        int c[3];
        for (int k = 0; k < 3; ++k)
            c[k] = mean(mean(a[left + k], b[left + k]), mean(a[right + k], b[right + k]));
        u[x] = uint8_t((uB * c[0] + uG * c[1] + uR * c[2] + cBias) >> 8);
        v[x] = uint8_t((vB * c[0] + vG * c[1] + vR * c[2] + cBias) >> 8);
    }
}

#ifdef __x86_64__
#define SSSE3 __attribute__((target("ssse3")))

bool hasSsse3()
{
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    return ssse3;
}

inline __m128i load(const uint8_t *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

// Sixteen pixels a step. The pixels are biased to signed bytes so one multiply-add takes the
// unsigned weights (157 does not fit a signed byte); the bias comes back with the offset, and
// the sums run in unsigned 16 bits. Returns the pixels done.
SSSE3 inline __m128i lumaOfEight(const uint8_t *p, __m128i weights, __m128i bias)
{
    const __m128i sign = _mm_set1_epi8(char(0x80));
    const __m128i sums = _mm_hadd_epi16(_mm_maddubs_epi16(weights, _mm_xor_si128(load(p), sign)),
                                        _mm_maddubs_epi16(weights, _mm_xor_si128(load(p + 16), sign)));
    return _mm_srli_epi16(_mm_add_epi16(sums, bias), 8);
}

SSSE3 int lumaRowSsse3(const uint8_t *bgra, uint8_t *y, int width)
{
    const __m128i weights = _mm_setr_epi8(yB, yG, yR, 0, yB, yG, yR, 0, yB, yG, yR, 0, yB, yG, yR, 0);
    const __m128i bias = _mm_set1_epi16(short(128 * (yB + yG + yR) + yBias));
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        const __m128i low = lumaOfEight(bgra + 4 * x, weights, bias);
        const __m128i high = lumaOfEight(bgra + 4 * x + 32, weights, bias);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(y + x), _mm_packus_epi16(low, high));
    }
    return x;
}

// The rounded means of the 2 x 2 blocks of eight columns of rows a and b: four pixels.
SSSE3 inline __m128i blockMeans(const uint8_t *a, const uint8_t *b)
{
    const __m128 first = _mm_castsi128_ps(_mm_avg_epu8(load(a), load(b)));
    const __m128 second = _mm_castsi128_ps(_mm_avg_epu8(load(a + 16), load(b + 16)));
    return _mm_avg_epu8(_mm_castps_si128(_mm_shuffle_ps(first, second, _MM_SHUFFLE(2, 0, 2, 0))),
                        _mm_castps_si128(_mm_shuffle_ps(first, second, _MM_SHUFFLE(3, 1, 3, 1))));
}

// Four samples of each chroma plane from eight columns: U0-3 and V0-3 as 16-bit words.
SSSE3 inline __m128i chromaOfEight(const uint8_t *a, const uint8_t *b, __m128i uWeights, __m128i vWeights)
{
    const __m128i means = blockMeans(a, b);
    const __m128i sums = _mm_hadd_epi16(_mm_maddubs_epi16(means, uWeights), _mm_maddubs_epi16(means, vWeights));
    return _mm_srli_epi16(_mm_add_epi16(sums, _mm_set1_epi16(short(cBias))), 8);
}

// Eight chroma samples (sixteen columns) a step; returns the samples done.
SSSE3 int chromaRowSsse3(const uint8_t *a, const uint8_t *b, uint8_t *u, uint8_t *v, int width)
{
    const __m128i uWeights = _mm_setr_epi8(uB, uG, uR, 0, uB, uG, uR, 0, uB, uG, uR, 0, uB, uG, uR, 0);
    const __m128i vWeights = _mm_setr_epi8(vB, vG, vR, 0, vB, vG, vR, 0, vB, vG, vR, 0, vB, vG, vR, 0);
    // U0-3 V0-3 U4-7 V4-7 into U0-7 V0-7.
    const __m128i order = _mm_setr_epi8(0, 1, 2, 3, 8, 9, 10, 11, 4, 5, 6, 7, 12, 13, 14, 15);
    int x = 0;
    for (; 2 * x + 16 <= width; x += 8) {
        const __m128i bytes =
            _mm_shuffle_epi8(_mm_packus_epi16(chromaOfEight(a + 8 * x, b + 8 * x, uWeights, vWeights),
                                              chromaOfEight(a + 8 * x + 32, b + 8 * x + 32, uWeights, vWeights)),
                             order);
        _mm_storel_epi64(reinterpret_cast<__m128i *>(u + x), bytes);
        _mm_storel_epi64(reinterpret_cast<__m128i *>(v + x), _mm_srli_si128(bytes, 8));
    }
    return x;
}
#endif

void lumaRow(const uint8_t *bgra, uint8_t *y, int width)
{
    int done = 0;
#ifdef __x86_64__
    if (hasSsse3())
        done = lumaRowSsse3(bgra, y, width);
#endif
    lumaRowPlain(bgra, y, done, width);
}

void chromaRow(const uint8_t *a, const uint8_t *b, uint8_t *u, uint8_t *v, int width)
{
    int done = 0;
#ifdef __x86_64__
    if (hasSsse3())
        done = chromaRowSsse3(a, b, u, v, width);
#endif
    chromaRowPlain(a, b, u, v, done, (width + 1) / 2, width);
}

void convertBgraToBt709(const uint8_t *bgra, int bgraStride, uint8_t *y, int yStride, uint8_t *u, int uStride,
                        uint8_t *v, int vStride, int width, int height)
{
    for (int row = 0; row < height; row += 2) {
        const uint8_t *upper = bgra + std::ptrdiff_t(row) * bgraStride;
        // An odd last row is its own pair.
        const uint8_t *lower = row + 1 < height ? upper + bgraStride : upper;
        lumaRow(upper, y + std::ptrdiff_t(row) * yStride, width);
        if (row + 1 < height)
            lumaRow(lower, y + std::ptrdiff_t(row + 1) * yStride, width);
        chromaRow(upper, lower, u + std::ptrdiff_t(row / 2) * uStride, v + std::ptrdiff_t(row / 2) * vStride, width);
    }
}

} // namespace

void convertBgraToYuv420(const uint8_t *bgra, int bgraStride, uint8_t *y, int yStride, uint8_t *u, int uStride,
                         uint8_t *v, int vStride, int width, int height, VideoColour::Matrix matrix)
{
    if (matrix == VideoColour::Bt709) {
        convertBgraToBt709(bgra, bgraStride, y, yStride, u, uStride, v, vStride, width, height);
        return;
    }
    // libyuv names formats by their 32-bit word, so its "ARGB" is our B, G, R, A byte order;
    // its I420 is BT.601 limited range with each chroma sample the mean of 2 x 2 pixels.
    libyuv::ARGBToI420(bgra, bgraStride, y, yStride, u, uStride, v, vStride, width, height);
}
