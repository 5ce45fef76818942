#include "render/BgraToYuv.h"

namespace {

// Written so the compiler vectorises the inner loops; O3 turns that on for this file's
// functions whatever the build type.
__attribute__((optimize("O3"))) void lumaRow(const uint8_t *src, uint8_t *y, int width)
{
    for (int x = 0; x < width; ++x) {
        const int b = src[4 * x];
        const int g = src[4 * x + 1];
        const int r = src[4 * x + 2];
        y[x] = uint8_t(((66 * r + 129 * g + 25 * b + 128) >> 8) + 16);
    }
}

__attribute__((optimize("O3"))) void chromaRow(const uint8_t *top, const uint8_t *bottom, uint8_t *u, uint8_t *v,
                                               int chromaWidth)
{
    for (int x = 0; x < chromaWidth; ++x) {
        const uint8_t *a = top + 8 * x;
        const uint8_t *c = bottom + 8 * x;
        const int b = a[0] + a[4] + c[0] + c[4];
        const int g = a[1] + a[5] + c[1] + c[5];
        const int r = a[2] + a[6] + c[2] + c[6];
        u[x] = uint8_t(((-38 * r - 74 * g + 112 * b + 512) >> 10) + 128);
        v[x] = uint8_t(((112 * r - 94 * g - 18 * b + 512) >> 10) + 128);
    }
}

} // namespace

void convertBgraToYuv420(const uint8_t *bgra, int bgraStride, uint8_t *y, int yStride, uint8_t *u, int uStride,
                         uint8_t *v, int vStride, int width, int height)
{
    const int chromaWidth = width / 2;
    for (int row = 0; row < height; row += 2) {
        const uint8_t *top = bgra + row * bgraStride;
        const uint8_t *bottom = row + 1 < height ? top + bgraStride : top;
        lumaRow(top, y + row * yStride, width);
        if (row + 1 < height)
            lumaRow(bottom, y + (row + 1) * yStride, width);
        chromaRow(top, bottom, u + (row / 2) * uStride, v + (row / 2) * vStride, chromaWidth);
        if (width % 2) {
            // The last column has no right neighbour: its chroma comes from it alone.
            const uint8_t *a = top + 4 * (width - 1);
            const uint8_t *c = bottom + 4 * (width - 1);
            const int b = 2 * (a[0] + c[0]);
            const int g = 2 * (a[1] + c[1]);
            const int r = 2 * (a[2] + c[2]);
            u[(row / 2) * uStride + chromaWidth] = uint8_t(((-38 * r - 74 * g + 112 * b + 512) >> 10) + 128);
            v[(row / 2) * vStride + chromaWidth] = uint8_t(((112 * r - 94 * g - 18 * b + 512) >> 10) + 128);
        }
    }
}
