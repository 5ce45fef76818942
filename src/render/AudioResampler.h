#pragma once

#include "render/FFmpegPtr.h"

// A converter from the form of frame (its layout, sample format, and rate) to channels in the
// default layout, sampleFormat and outputRate. A frame without a layout counts as the default
// layout for its channel count. Throws the media library's error code (an int) on failure.
SwrContextPtr makeResampler(const AVFrame *frame, int rate, int channels, int sampleFormat, int outputRate);
