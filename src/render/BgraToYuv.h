#pragma once

#include <cstdint>

// BGRA to planar YUV 4:2:0 of the same size, BT.601 limited range (as the media library's
// scaler does by default), each chroma sample the mean of its 2 x 2 pixels. Runs on the SIMD
// rows of libyuv: several times faster than the generic scaler, which takes no shortcut for
// this pair of formats.
void convertBgraToYuv420(const uint8_t *bgra, int bgraStride, uint8_t *y, int yStride, uint8_t *u, int uStride,
                         uint8_t *v, int vStride, int width, int height);
