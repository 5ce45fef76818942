#include "theme/ScaledDraw.h"

#include "theme/PixelBlend.h"

#include <libyuv/planar_functions.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#ifdef __x86_64__
#include <tmmintrin.h>
#endif

namespace {

// Columns step 16.16 fixed-point positions in an int: sides and steps stay well inside its range,
// and a step is at least 16 units.
constexpr int MaxSide = 16384;
constexpr double MinScale = 1.0 / 256;
constexpr double MaxScale = 4096;

// Each target pixel mixes the two picture pixels around its 16.16 position x + i dx with 7-bit
// weights that sum to 128, so an opaque picture stays opaque (libyuv's own column filter weighs
// by 127 in 128 and lets the frame under it show through). Reads pixels x >> 16 and the next.
void filterColumnsPlain(uint32_t *target, const uint32_t *row, int count, int x, int dx)
{
    for (int i = 0; i < count; ++i, x += dx) {
        const auto *pair = reinterpret_cast<const uint8_t *>(row + (x >> 16));
        const int f = (x >> 9) & 0x7f;
        auto *out = reinterpret_cast<uint8_t *>(target + i);
        for (int c = 0; c < 4; ++c)
            out[c] = uint8_t((pair[c] * (128 - f) + pair[c + 4] * f + 64) >> 7);
    }
}

// Source-over of one premultiplied pixel weighted by weight (0-255).
void blendWeighted(uint8_t *target, const uint8_t *source, int weight)
{
    PixelBlend::blendOver(*reinterpret_cast<uint *>(target), *reinterpret_cast<const uint *>(source), uint(weight));
}

#ifdef __x86_64__
#define SSSE3 __attribute__((target("ssse3")))

bool hasSsse3()
{
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    return ssse3;
}

// The channels of pixel pairs a and b side by side, biased to signed bytes so that one
// multiply-add takes the unsigned weights (128 does not fit a signed byte).
SSSE3 inline __m128i pairs(const uint32_t *row, int a, int b)
{
    const __m128i interleave = _mm_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    const __m128i both = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(row + (a >> 16))),
                                            _mm_loadl_epi64(reinterpret_cast<const __m128i *>(row + (b >> 16))));
    return _mm_xor_si128(_mm_shuffle_epi8(both, interleave), _mm_set1_epi8(char(0x80)));
}

// Two pixels mixed: weights holds 128 - f and f byte after byte, four times for each pixel.
SSSE3 inline __m128i mixed(__m128i weights, __m128i pixels)
{
    return _mm_srli_epi16(_mm_add_epi16(_mm_maddubs_epi16(weights, pixels), _mm_set1_epi16(128 * 128 + 64)), 7);
}

SSSE3 void filterColumnsSsse3(uint32_t *target, const uint32_t *row, int count, int x, int dx)
{
    const __m128i firstWeights = _mm_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 4, 5, 4, 5, 4, 5, 4, 5);
    const __m128i secondWeights = _mm_setr_epi8(8, 9, 8, 9, 8, 9, 8, 9, 12, 13, 12, 13, 12, 13, 12, 13);
    const __m128i fractionMask = _mm_set1_epi32(0x7f), full = _mm_set1_epi32(128), step = _mm_set1_epi32(4 * dx);
    __m128i positions = _mm_setr_epi32(x, x + dx, x + 2 * dx, x + 3 * dx);
    int i = 0;
    for (; i + 4 <= count; i += 4, x += 4 * dx) {
        const __m128i f = _mm_and_si128(_mm_srli_epi32(positions, 9), fractionMask);
        const __m128i weights = _mm_or_si128(_mm_sub_epi32(full, f), _mm_slli_epi32(f, 8));
        const __m128i low = mixed(_mm_shuffle_epi8(weights, firstWeights), pairs(row, x, x + dx));
        const __m128i high = mixed(_mm_shuffle_epi8(weights, secondWeights), pairs(row, x + 2 * dx, x + 3 * dx));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(target + i), _mm_packus_epi16(low, high));
        positions = _mm_add_epi32(positions, step);
    }
    filterColumnsPlain(target + i, row, count - i, x, dx);
}

// x * a / 255, rounded, on 16-bit lanes.
SSSE3 inline __m128i scaled(__m128i x, __m128i a)
{
    const __m128i t = _mm_add_epi16(_mm_mullo_epi16(x, a), _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

// Source-over, four pixels a step; runs of opaque or empty pixels (most of a photo and its
// shadow margin) are copied or skipped whole.
SSSE3 void blendRowSsse3(uint8_t *target, const uint8_t *source, int count)
{
    const __m128i alphaMask = _mm_set1_epi32(int(0xff000000)), zero = _mm_setzero_si128();
    const __m128i spreadLow = _mm_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    const __m128i spreadHigh = _mm_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    int i = 0;
    for (; i + 16 <= count * 4; i += 16) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i *>(source + i));
        const __m128i alpha = _mm_and_si128(s, alphaMask);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, alphaMask)) == 0xffff) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(target + i), s);
            continue;
        }
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, zero)) == 0xffff)
            continue;
        const __m128i rest = _mm_xor_si128(s, _mm_set1_epi8(char(0xff))); // 255 - alpha in each alpha byte
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(target + i));
        const __m128i low = scaled(_mm_unpacklo_epi8(d, zero), _mm_shuffle_epi8(rest, spreadLow));
        const __m128i high = scaled(_mm_unpackhi_epi8(d, zero), _mm_shuffle_epi8(rest, spreadHigh));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(target + i), _mm_adds_epu8(s, _mm_packus_epi16(low, high)));
    }
    for (; i < count * 4; i += 4)
        blendWeighted(target + i, source + i, 255);
}
#endif

void blendRow(uint8_t *target, const uint8_t *source, int count)
{
#ifdef __x86_64__
    if (hasSsse3())
        return blendRowSsse3(target, source, count);
#endif
    for (int i = 0; i < count; ++i)
        blendWeighted(target + 4 * i, source + 4 * i, 255);
}

void filterColumns(uint32_t *target, const uint32_t *row, int count, int x, int dx)
{
#ifdef __x86_64__
    if (hasSsse3())
        return filterColumnsSsse3(target, row, count, x, dx);
#endif
    filterColumnsPlain(target, row, count, x, dx);
}

// Premultiplied pixels times value's channels. libyuv takes its SIMD path only for a whole number
// of four-pixel groups, so the rest of the row goes separately.
void shadeRow(const uint8_t *source, uint8_t *target, int count, uint32_t value)
{
    const int whole = count & ~3;
    if (whole > 0)
        libyuv::ARGBShade(source, 0, target, 0, whole, 1, value);
    if (count > whole)
        libyuv::ARGBShade(source + whole * 4, 0, target + whole * 4, 0, count - whole, 1, value);
}

// Where the picture lands along one target axis.
struct Axis
{
    Axis(double offset, double scale, int length, int targetLength)
        : offset(offset), scale(scale), low(offset), high(offset + length * scale),
          first(int(std::clamp(std::floor(low), 0.0, double(targetLength)))),
          end(int(std::clamp(std::ceil(high), 0.0, double(targetLength))))
    {
    }

    // The picture position sampled at target pixel p's centre, counted in picture pixel centres.
    double sample(int p) const { return (p + 0.5 - offset) / scale - 0.5; }
    // The share of target pixel p that the picture covers.
    double coverage(int p) const { return std::clamp(std::min(p + 1.0, high) - std::max(double(p), low), 0.0, 1.0); }
    // The target pixels the picture covers entirely: from fullFirst() to before fullEnd().
    int fullFirst() const { return std::max(first, int(std::ceil(low))); }
    int fullEnd() const { return std::max(fullFirst(), std::min(end, int(std::floor(high)))); }

    double offset, scale, low, high;
    int first, end; // target pixels touched, clipped to the target
};

// A picture row filtered to the target columns the picture touches: the columns whose two
// neighbours both lie in the row go through the SIMD filter, those sampled at or beyond an
// outer pixel centre repeat that pixel (the filter reads the pixel right of each sample, so it
// never meets the last one).
class RowFilter
{
public:
    RowFilter(const Axis &across, int pictureWidth) : m_count(across.end - across.first), m_width(pictureWidth)
    {
        const int64_t start = std::llround(across.sample(across.first) * 65536.0);
        m_step = int(std::lround(65536.0 / across.scale));
        const int64_t lastCentre = int64_t(pictureWidth - 1) << 16;
        m_left = start >= 0 ? 0 : int(std::min<int64_t>(m_count, (-start + m_step - 1) / m_step));
        const int innerEnd =
            start >= lastCentre ? 0 : int(std::min<int64_t>(m_count, (lastCentre - start + m_step - 1) / m_step));
        m_inner = std::max(0, innerEnd - m_left);
        m_innerStart = int(start + int64_t(m_left) * m_step);
    }

    int count() const { return m_count; }

    void filter(uint32_t *target, const uint32_t *row) const
    {
        std::fill_n(target, m_left, row[0]);
        if (m_inner > 0)
            filterColumns(target + m_left, row, m_inner, m_innerStart, m_step);
        std::fill(target + m_left + m_inner, target + m_count, row[m_width - 1]);
    }

private:
    int m_count;
    int m_width;
    int m_step = 0;
    int m_left = 0;
    int m_inner = 0;
    int m_innerStart = 0;
};

// The picture sampled between its rows, one target row after the other. The two filtered rows
// last used are kept: neighbouring target rows mostly mix the same pair.
class RowSampler
{
public:
    RowSampler(const QImage &picture, const RowFilter &filter)
        : m_picture(picture), m_filter(filter), m_buffer(size_t(filter.count()) * 3)
    {
    }

    // The picture rows around position v (counted in picture pixel centres, clamped to the outer
    // rows) and the 8-bit weight of the lower one; lower is upper where the weight is 0.
    struct Pair
    {
        int index;
        const uint8_t *upper;
        const uint8_t *lower;
        int fraction;
    };

    Pair pair(double v)
    {
        const int last = m_picture.height() - 1;
        int index = v <= 0.0 ? 0 : int(v);
        int fraction = v <= 0.0 ? 0 : int(std::lround((v - index) * 256.0));
        if (fraction == 256) {
            ++index;
            fraction = 0;
        }
        if (index >= last) {
            index = last;
            fraction = 0;
        }
        const uint8_t *upper = filtered(index);
        return {index, upper, fraction == 0 ? upper : filtered(index + 1), fraction};
    }

    // Columns from first to first + count of the pair mixed into out; the upper row itself
    // where there is nothing to mix and out is not needed.
    static const uint8_t *mix(const Pair &rows, int first, int count, uint8_t *out, bool copy = false)
    {
        const uint8_t *upper = rows.upper + 4 * first;
        if (rows.fraction == 0 && !copy)
            return upper;
        if (rows.fraction == 0)
            std::copy_n(upper, 4 * count, out);
        else
            libyuv::ARGBInterpolate(upper, 0, rows.lower + 4 * first, 0, out, 0, count, 1, rows.fraction);
        return out;
    }

    // Room for one row that at() does not hand out until it mixes again.
    uint8_t *scratch() { return reinterpret_cast<uint8_t *>(m_buffer.data() + 2 * size_t(m_filter.count())); }

private:
    const uint8_t *filtered(int index)
    {
        int slot = m_index[0] == index ? 0 : m_index[1] == index ? 1 : -1;
        if (slot < 0) {
            slot = 1 - m_recent;
            m_filter.filter(m_buffer.data() + slot * size_t(m_filter.count()),
                            reinterpret_cast<const uint32_t *>(m_picture.constScanLine(index)));
            m_index[slot] = index;
        }
        m_recent = slot;
        return reinterpret_cast<const uint8_t *>(m_buffer.data() + slot * size_t(m_filter.count()));
    }

    const QImage &m_picture;
    const RowFilter &m_filter;
    std::vector<uint32_t> m_buffer; // two filtered rows and the scratch row
    int m_index[2] = {-1, -1};
    int m_recent = 0;
};

// Target columns from first to before end.
struct Span
{
    int first;
    int end;
    bool empty() const { return end <= first; }
};

// Fully covered target columns whose two picture pixels both lie in opaque's columns, less one
// on each side for the filter's fixed-point steps.
Span opaqueColumns(const Axis &across, const QRect &opaque, int fullFirst, int fullEnd)
{
    if (opaque.isEmpty())
        return {fullFirst, fullFirst};
    // sample(p) >= left and sample(p) + 1 <= right, solved for the target column p.
    const double first = (opaque.left() + 0.5) * across.scale + across.offset - 0.5;
    const double last = (opaque.right() - 0.5) * across.scale + across.offset - 0.5;
    int from = std::max(fullFirst, int(std::ceil(std::clamp(first, -1.0, double(MaxSide) * MaxScale))) + 1);
    int to = std::min(fullEnd, int(std::floor(std::clamp(last, -1.0, double(MaxSide) * MaxScale))));
    // The blend around it keeps its groups of four from fullFirst on, so every pixel is rounded
    // as when the whole row is blended.
    from = fullFirst + ((from - fullFirst + 3) & ~3);
    to = fullFirst + ((to - fullFirst) & ~3);
    return {from, std::max(from, to)};
}

} // namespace

bool drawScaled(QImage &target, const QImage &picture, const QTransform &transform, qreal opacity,
                const QRect &opaque)
{
    // Written to fail on NaN as well: a position or scale that is no number has no pixel to start at.
    if (transform.type() != QTransform::TxScale || !(transform.m11() >= MinScale && transform.m11() <= MaxScale)
        || !(transform.m22() >= MinScale && transform.m22() <= MaxScale) || !std::isfinite(transform.dx())
        || !std::isfinite(transform.dy())
        || target.format() != QImage::Format_RGB32 || picture.format() != QImage::Format_ARGB32_Premultiplied
        || picture.isNull() || picture.width() >= MaxSide || picture.height() >= MaxSide)
        return false;
    const int alpha = int(std::lround(std::clamp(opacity, 0.0, 1.0) * 255));
    const Axis across(transform.dx(), transform.m11(), picture.width(), target.width());
    const Axis down(transform.dy(), transform.m22(), picture.height(), target.height());
    if (alpha == 0 || across.first >= across.end || down.first >= down.end)
        return true;

    const RowFilter filter(across, picture.width());
    RowSampler rows(picture, filter);
    // Columns the picture covers only partly (at most one on each side) are weighted one by one.
    const int fullFirst = across.fullFirst(), fullEnd = across.fullEnd();
    int edges[2];
    int edgeCount = 0;
    for (int x = across.first; x < fullFirst && edgeCount < 2; ++x)
        edges[edgeCount++] = x;
    for (int x = fullEnd; x < across.end && edgeCount < 2; ++x)
        edges[edgeCount++] = x;
    const Span direct = opaqueColumns(across, opaque, fullFirst, fullEnd);
    for (int y = down.first; y < down.end; ++y) {
        const int rowAlpha = int(down.coverage(y) * alpha + 0.5);
        if (rowAlpha == 0)
            continue;
        const RowSampler::Pair pair = rows.pair(down.sample(y));
        uint8_t *line = target.scanLine(y);
        // Opaque pixels replace the target's: there the mixed row goes straight into it, and only
        // the sides are mixed and blended.
        const bool straight = rowAlpha == 255 && !direct.empty() && pair.index >= opaque.top()
                              && pair.index + (pair.fraction != 0 ? 1 : 0) <= opaque.bottom();
        const uint8_t *row = nullptr;
        if (straight) {
            const int middle = direct.first - across.first, rest = direct.end - across.first;
            RowSampler::mix(pair, middle, direct.end - direct.first, line + 4 * direct.first, true);
            row = RowSampler::mix(pair, 0, middle, rows.scratch());
            RowSampler::mix(pair, rest, filter.count() - rest, rows.scratch() + 4 * rest);
        } else {
            row = RowSampler::mix(pair, 0, filter.count(), rows.scratch());
        }
        if (rowAlpha < 255) {
            shadeRow(row, rows.scratch(), filter.count(), uint32_t(rowAlpha) * 0x01010101u);
            row = rows.scratch();
        }
        const Span skipped = straight ? direct : Span{fullEnd, fullEnd};
        for (const Span &part : {Span{fullFirst, skipped.first}, Span{skipped.end, fullEnd}}) {
            if (!part.empty())
                blendRow(line + part.first * 4, row + (part.first - across.first) * 4, part.end - part.first);
        }
        for (int i = 0; i < edgeCount; ++i)
            blendWeighted(line + edges[i] * 4, row + (edges[i] - across.first) * 4,
                          int(across.coverage(edges[i]) * 255 + 0.5));
    }
    return true;
}
