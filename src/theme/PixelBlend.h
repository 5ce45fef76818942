#pragma once

#include <QtGlobal>

// One premultiplied ARGB pixel at a time, for the hand-written picture draws.
namespace PixelBlend {

// x * a / 255, rounded, on all four channels at once.
inline uint byteMul(uint x, uint a)
{
    uint t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

// Source-over of source weighted by alpha (0-255) onto destination.
inline void blendOver(uint &destination, uint source, uint alpha)
{
    if (alpha < 255)
        source = byteMul(source, alpha);
    const uint sourceAlpha = source >> 24;
    if (sourceAlpha == 255)
        destination = source;
    else if (sourceAlpha)
        destination = source + byteMul(destination, 255 - sourceAlpha);
}

} // namespace PixelBlend
