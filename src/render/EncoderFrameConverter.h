#pragma once

#include "render/FFmpegPtr.h"

#include <QRect>

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
    // over its number, in the matrix and range target is tagged with (untagged: those of a
    // video of its size); false when the pair of formats cannot be converted.
    bool convert(const AVFrame *bgra, AVFrame *target);
    // Whether convertArea can take the pair: the same even size, into limited-range planar 4:2:0.
    static bool convertsByArea(const AVFrame *bgra, const AVFrame *target);
    // Converts only area, widened to whole 2 x 2 chroma blocks: exactly the bytes convert gives
    // there. Call only for a pair convertsByArea takes.
    static void convertArea(const AVFrame *bgra, AVFrame *target, const QRect &area);

private:
    SwsContextPtr m_scaler;
};
