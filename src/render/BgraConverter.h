#pragma once

#include "render/FFmpegPtr.h"

#include <QRect>

namespace libyuv {
struct YuvConstants;
}

// Turns decoded video pictures of any size and format into BGRA frames of the target's size,
// in the matrix and range the picture is tagged with.
class BgraConverter
{
public:
    BgraConverter() = default;
    BgraConverter(const BgraConverter &) = delete;
    BgraConverter &operator=(const BgraConverter &) = delete;

    // target is a BGRA frame whose size is set and whose buffers are allocated; false when the
    // picture's format cannot be converted.
    bool convert(const AVFrame *picture, AVFrame *target);
    // The same, except that the target's pixels inside hidden may be left as they are (they are
    // when hidden covers the target or the picture needs no scaling).
    bool convertAround(const AVFrame *picture, AVFrame *target, const QRect &hidden);

private:
    // libyuv's matrix for a 4:2:0 picture of the target's size, or none.
    using Conversion = const struct libyuv::YuvConstants *;
    static Conversion sameSizeConversion(const AVFrame *picture, const AVFrame *target);
    // area's corner must be at even coordinates, where 4:2:0 chroma samples begin.
    static bool convertArea(Conversion conversion, const AVFrame *picture, AVFrame *target, const QRect &area);

    SwsContextPtr m_scaler;
};
