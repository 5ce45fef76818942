#pragma once

#include "render/FFmpegPtr.h"

// The layout frame's samples are read in: its own, or the default layout for its channel count
// when it has none. The caller uninitialises it.
AVChannelLayout resamplerInputLayout(const AVFrame *frame);

// A converter from the form of frame (its layout, sample format, and rate) to channels in the
// default layout, sampleFormat and outputRate. Throws the media library's error code (an int)
// on failure.
SwrContextPtr makeResampler(const AVFrame *frame, int rate, int channels, int sampleFormat, int outputRate);
