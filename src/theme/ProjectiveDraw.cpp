#include "theme/ProjectiveDraw.h"

#include "theme/PixelBlend.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

using PixelBlend::blendOver;

constexpr int SpanChunk = 256;

// (x * a + y * b) / 256 on all four channels, with a + b = 256.
inline uint mix256(uint x, uint a, uint y, uint b)
{
    uint t = (x & 0xff00ff) * a + (y & 0xff00ff) * b;
    t = (t >> 8) & 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a + ((y >> 8) & 0xff00ff) * b;
    x &= 0xff00ff00;
    return x | t;
}

// The picture (at least 2 x 2) seen through an inverse transform, sampled at target pixel
// centres. Positions are clamped to the outer pixel centres, so the edges repeat outwards,
// and each sample reads two neighbouring pixels from each of two rows.
struct Sampler
{
    const uchar *bits;
    qsizetype bytesPerLine;
    int width;
    int height;
    // u = (m11 x + m21 y + dx) / w and so on, with y fixed per row.
    float m11, m12, m13;
    float uRow = 0.0f, vRow = 0.0f, wRow = 0.0f;

    void setRow(const QTransform &inverse, float yc)
    {
        uRow = float(inverse.m21() * yc + inverse.m31());
        vRow = float(inverse.m22() * yc + inverse.m32());
        wRow = float(inverse.m23() * yc + inverse.m33());
    }

    const uint *row(int y) const { return reinterpret_cast<const uint *>(bits + y * bytesPerLine); }

    inline uint at(float xc) const
    {
        const float iw = 1.0f / (m13 * xc + wRow);
        const float u = std::clamp((m11 * xc + uRow) * iw - 0.5f, 0.0f, float(width - 1));
        const float v = std::clamp((m12 * xc + vRow) * iw - 0.5f, 0.0f, float(height - 1));
        const int x0 = std::min(int(u), width - 2);
        const int y0 = std::min(int(v), height - 2);
        const uint dx = uint((u - x0) * 256.0f);
        const uint dy = uint((v - y0) * 256.0f);
        const uint *top = row(y0) + x0;
        const uint *bottom = row(y0 + 1) + x0;
        const uint upper = mix256(top[0], 256 - dx, top[1], dx);
        const uint lower = mix256(bottom[0], 256 - dx, bottom[1], dx);
        return mix256(upper, 256 - dy, lower, dy);
    }

    // Blends count (at most SpanChunk) consecutive pixels of a target row from x on. The sample
    // positions of the chunk are computed four at a time first, so the divisions do not hold up
    // the loads, and the picture rows are requested from memory a whole chunk ahead: the
    // picture is usually larger than the quadrilateral, so each target row reads picture rows
    // not yet in cache.
    void blendSpan(uint *target, int x, int count, uint alpha) const
    {
#ifdef __SSE2__
        alignas(16) int xs[SpanChunk], ys[SpanChunk], dxs[SpanChunk], dys[SpanChunk];
        const __m128 one = _mm_set1_ps(1.0f), half = _mm_set1_ps(0.5f), zero = _mm_setzero_ps();
        const __m128 scale = _mm_set1_ps(256.0f);
        const __m128 lastU = _mm_set1_ps(float(width - 1)), lastV = _mm_set1_ps(float(height - 1));
        const __m128 maxX = _mm_set1_ps(float(width - 2)), maxY = _mm_set1_ps(float(height - 2));
        const __m128 a11 = _mm_set1_ps(m11), a12 = _mm_set1_ps(m12), a13 = _mm_set1_ps(m13);
        const __m128 u0 = _mm_set1_ps(uRow), v0 = _mm_set1_ps(vRow), w0 = _mm_set1_ps(wRow);
        __m128 xc = _mm_add_ps(_mm_set1_ps(x + 0.5f), _mm_setr_ps(0.0f, 1.0f, 2.0f, 3.0f));
        const __m128 step = _mm_set1_ps(4.0f);
        for (int i = 0; i < count; i += 4) {
            const __m128 iw = _mm_div_ps(one, _mm_add_ps(_mm_mul_ps(a13, xc), w0));
            __m128 u = _mm_sub_ps(_mm_mul_ps(_mm_add_ps(_mm_mul_ps(a11, xc), u0), iw), half);
            __m128 v = _mm_sub_ps(_mm_mul_ps(_mm_add_ps(_mm_mul_ps(a12, xc), v0), iw), half);
            u = _mm_min_ps(_mm_max_ps(u, zero), lastU);
            v = _mm_min_ps(_mm_max_ps(v, zero), lastV);
            const __m128 fu = _mm_min_ps(_mm_cvtepi32_ps(_mm_cvttps_epi32(u)), maxX);
            const __m128 fv = _mm_min_ps(_mm_cvtepi32_ps(_mm_cvttps_epi32(v)), maxY);
            _mm_store_si128(reinterpret_cast<__m128i *>(xs + i), _mm_cvttps_epi32(fu));
            _mm_store_si128(reinterpret_cast<__m128i *>(ys + i), _mm_cvttps_epi32(fv));
            _mm_store_si128(reinterpret_cast<__m128i *>(dxs + i), _mm_cvttps_epi32(_mm_mul_ps(_mm_sub_ps(u, fu), scale)));
            _mm_store_si128(reinterpret_cast<__m128i *>(dys + i), _mm_cvttps_epi32(_mm_mul_ps(_mm_sub_ps(v, fv), scale)));
            xc = _mm_add_ps(xc, step);
        }
        const uint *top[SpanChunk];
        for (int i = 0; i < count; ++i) {
            top[i] = row(ys[i]) + xs[i];
            _mm_prefetch(reinterpret_cast<const char *>(top[i]), _MM_HINT_T0);
            _mm_prefetch(reinterpret_cast<const char *>(top[i]) + bytesPerLine, _MM_HINT_T0);
        }
        const __m128i zeroI = _mm_setzero_si128(), full = _mm_set1_epi16(256);
        for (int i = 0; i < count; ++i) {
            // Left and right neighbours side by side in 16-bit lanes: rows first, then columns.
            const auto *pair = reinterpret_cast<const __m128i *>(top[i]);
            const __m128i upper = _mm_unpacklo_epi8(_mm_loadl_epi64(pair), zeroI);
            const __m128i lower = _mm_unpacklo_epi8(
                _mm_loadl_epi64(reinterpret_cast<const __m128i *>(reinterpret_cast<const uchar *>(top[i]) + bytesPerLine)),
                zeroI);
            const __m128i wy = _mm_set1_epi16(short(dys[i]));
            const __m128i columns = _mm_srli_epi16(
                _mm_add_epi16(_mm_mullo_epi16(upper, _mm_sub_epi16(full, wy)), _mm_mullo_epi16(lower, wy)), 8);
            const __m128i wx = _mm_unpacklo_epi64(_mm_set1_epi16(short(256 - dxs[i])), _mm_set1_epi16(short(dxs[i])));
            const __m128i weighted = _mm_mullo_epi16(columns, wx);
            const __m128i sum = _mm_srli_epi16(_mm_add_epi16(weighted, _mm_srli_si128(weighted, 8)), 8);
            blendOver(target[x + i], uint(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum))), alpha);
        }
#else
        for (int i = 0; i < count; ++i)
            blendOver(target[x + i], at(x + i + 0.5f), alpha);
#endif
    }
};

// Signed distance from one side of the drawn quadrilateral, positive inside.
struct Edge
{
    float a, b, c;
    float at(float x, float y) const { return a * x + b * y + c; }
};

// Narrows [lo, hi] to the x where edge distance at row y is at least limit.
void narrow(const Edge &edge, float y, float limit, float &lo, float &hi)
{
    const float k = edge.b * y + edge.c;
    if (std::abs(edge.a) < 1e-9f) {
        if (k < limit)
            hi = lo - 1.0f;
        return;
    }
    const float x = (limit - k) / edge.a;
    if (edge.a > 0)
        lo = std::max(lo, x);
    else
        hi = std::min(hi, x);
}

} // namespace

bool drawProjective(QImage &target, const QImage &picture, const QTransform &transform, qreal opacity)
{
    if (picture.format() != QImage::Format_ARGB32_Premultiplied || picture.width() < 2 || picture.height() < 2
        || target.isNull()
        || (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32_Premultiplied))
        return false;
    bool invertible = false;
    const QTransform inverse = transform.inverted(&invertible);
    if (!invertible)
        return false;
    const QPointF source[4] = {{0, 0}, {qreal(picture.width()), 0}, {qreal(picture.width()), qreal(picture.height())},
                               {0, qreal(picture.height())}};
    QPointF quad[4];
    for (int i = 0; i < 4; ++i) {
        // Behind the viewer at any corner: the picture is not a plain quadrilateral on screen.
        if (transform.m13() * source[i].x() + transform.m23() * source[i].y() + transform.m33() <= 1e-6)
            return false;
        quad[i] = transform.map(source[i]);
    }
    const int alpha = qRound(std::clamp(opacity, 0.0, 1.0) * 255);
    if (alpha == 0)
        return true;

    const QPointF centre = (quad[0] + quad[1] + quad[2] + quad[3]) / 4;
    Edge edges[4];
    for (int i = 0; i < 4; ++i) {
        const QPointF from = quad[i], to = quad[(i + 1) % 4];
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        if (length < 1e-6)
            return false;
        double a = -(to.y() - from.y()) / length, b = (to.x() - from.x()) / length;
        double c = -(a * from.x() + b * from.y());
        if (a * centre.x() + b * centre.y() + c < 0) {
            a = -a;
            b = -b;
            c = -c;
        }
        edges[i] = {float(a), float(b), float(c)};
    }

    qreal left = quad[0].x(), right = left, top = quad[0].y(), bottom = top;
    for (const QPointF &point : quad) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    const int firstRow = std::max(0, int(std::floor(top)));
    const int lastRow = std::min(target.height() - 1, int(std::ceil(bottom)));
    const int lastColumn = target.width() - 1;

    Sampler sampler{picture.constBits(), picture.bytesPerLine(), picture.width(), picture.height(),
                    float(inverse.m11()), float(inverse.m12()), float(inverse.m13())};
    for (int y = firstRow; y <= lastRow; ++y) {
        const float yc = y + 0.5f;
        // Pixels whose centre lies within half a pixel outside every side are touched;
        // those half a pixel inside every side are fully covered.
        float lo = float(left) - 1.0f, hi = float(right) + 1.0f;
        float fullLo = lo, fullHi = hi;
        for (const Edge &edge : edges) {
            narrow(edge, yc, -0.5f, lo, hi);
            narrow(edge, yc, 0.5f, fullLo, fullHi);
        }
        const int first = std::max(0, int(std::ceil(lo - 0.5f)));
        const int last = std::min(lastColumn, int(std::floor(hi - 0.5f)));
        if (first > last)
            continue;
        int fullFirst = std::max(first, int(std::ceil(fullLo - 0.5f)));
        int fullLast = std::min(last, int(std::floor(fullHi - 0.5f)));
        if (fullFirst > fullLast) {
            fullFirst = last + 1;
            fullLast = last;
        }
        sampler.setRow(inverse, yc);
        auto *row = reinterpret_cast<uint *>(target.scanLine(y));
        auto edgePixel = [&](int x) {
            const float xc = x + 0.5f;
            float coverage = 1.0f;
            for (const Edge &edge : edges)
                coverage *= std::clamp(0.5f + edge.at(xc, yc), 0.0f, 1.0f);
            const uint covered = uint(coverage * alpha + 0.5f);
            if (covered)
                blendOver(row[x], sampler.at(xc), covered);
        };
        for (int x = first; x < fullFirst; ++x)
            edgePixel(x);
        for (int x = fullFirst; x <= fullLast; x += SpanChunk)
            sampler.blendSpan(row, x, std::min(SpanChunk, fullLast + 1 - x), uint(alpha));
        for (int x = std::max(fullFirst, fullLast + 1); x <= last; ++x)
            edgePixel(x);
    }
    return true;
}
