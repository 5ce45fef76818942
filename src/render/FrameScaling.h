#pragma once

#include "render/FFmpegPtr.h"

// Scales and converts source into target's size and pixel format through the scaler, which is
// kept between calls and set up again only when the sizes or formats change. false when the
// pair of formats cannot be converted.
bool scaleFrame(SwsContextPtr &scaler, const AVFrame *source, AVFrame *target);
