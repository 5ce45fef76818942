#pragma once

#include "render/FFmpegPtr.h"

// Turns decoded video pictures of any size and format into BGRA frames of the target's size.
class BgraConverter
{
public:
    BgraConverter() = default;
    BgraConverter(const BgraConverter &) = delete;
    BgraConverter &operator=(const BgraConverter &) = delete;

    // target is a BGRA frame whose size is set and whose buffers are allocated; false when the
    // picture's format cannot be converted.
    bool convert(const AVFrame *picture, AVFrame *target);

private:
    static bool convertSameSize(const AVFrame *picture, AVFrame *target);

    SwsContextPtr m_scaler;
};
