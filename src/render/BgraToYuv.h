#pragma once

#include "render/VideoColour.h"

#include <cstdint>

// BGRA to planar YUV 4:2:0 of the same size, limited range, in the given matrix, each chroma
// sample from the mean of its 2 x 2 pixels. BT.601 runs on libyuv's SIMD rows; libyuv has no
// BT.709 for this direction and the media library's scaler, which has, takes ten times as long
// for this pair of formats, so BT.709 has SIMD rows of its own here.
void convertBgraToYuv420(const uint8_t *bgra, int bgraStride, uint8_t *y, int yStride, uint8_t *u, int uStride,
                         uint8_t *v, int vStride, int width, int height, VideoColour::Matrix matrix);
