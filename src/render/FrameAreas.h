#pragma once

#include <QRect>
#include <QSize>

extern "C" {
#include <libavutil/frame.h>
}

#include <array>
#include <cstdint>

// The first byte of a frame's plane at column and row, both counted in that plane's own
// samples (bytes for a packed plane: 4 * x for BGRA).
inline uint8_t *planeAt(const AVFrame *frame, int plane, int column, int row)
{
    return frame->data[plane] + qsizetype(row) * frame->linesize[plane] + column;
}

// The parts of outer around hole (above, below, left, right), some of them empty; hole is
// clipped to outer first.
inline std::array<QRect, 4> areasAround(const QRect &outer, const QRect &hole)
{
    const QRect inside = hole & outer;
    if (inside.isEmpty())
        return {outer, QRect(), QRect(), QRect()};
    return {QRect(QPoint(outer.left(), outer.top()), QPoint(outer.right(), inside.top() - 1)),
            QRect(QPoint(outer.left(), inside.bottom() + 1), outer.bottomRight()),
            QRect(QPoint(outer.left(), inside.top()), QPoint(inside.left() - 1, inside.bottom())),
            QRect(QPoint(inside.right() + 1, inside.top()), QPoint(outer.right(), inside.bottom()))};
}

// The same for a whole frame of the given size.
inline std::array<QRect, 4> areasAround(const QSize &frame, const QRect &hole)
{
    return areasAround(QRect(QPoint(0, 0), frame), hole);
}
