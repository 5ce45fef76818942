#include "render/BgraToYuv.h"

#include <libyuv/convert_from_argb.h>

void convertBgraToYuv420(const uint8_t *bgra, int bgraStride, uint8_t *y, int yStride, uint8_t *u, int uStride,
                         uint8_t *v, int vStride, int width, int height)
{
    // libyuv names formats by their 32-bit word, so its "ARGB" is our B, G, R, A byte order;
    // its I420 is BT.601 limited range with each chroma sample the mean of 2 x 2 pixels.
    libyuv::ARGBToI420(bgra, bgraStride, y, yStride, u, uStride, v, vStride, width, height);
}
