#pragma once

#include "render/FFmpegPtr.h"

// Turns the compositor's BGRA frames into the encoder's pixel format. It runs on the render
// thread, so the encoder thread does nothing but feed x264 and the BGRA frame goes back to
// its pool at once.
class EncoderFrameConverter
{
public:
    EncoderFrameConverter() = default;
    EncoderFrameConverter(const EncoderFrameConverter &) = delete;
    EncoderFrameConverter &operator=(const EncoderFrameConverter &) = delete;

    // Fills target (its size and format set, buffers allocated) from the BGRA frame and takes
    // over its number; false when the pair of formats cannot be converted.
    bool convert(const AVFrame *bgra, AVFrame *target);

private:
    SwsContextPtr m_scaler;
};
