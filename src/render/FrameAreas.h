#pragma once

#include <QRect>
#include <QSize>

#include <array>

// The parts of a frame of the given size around hole (above, below, left, right), some of them
// empty; hole is clipped to the frame first.
inline std::array<QRect, 4> areasAround(const QSize &frame, const QRect &hole)
{
    const QRect inside = hole & QRect(QPoint(0, 0), frame);
    if (inside.isEmpty())
        return {QRect(QPoint(0, 0), frame), QRect(), QRect(), QRect()};
    const int w = frame.width(), h = frame.height();
    return {QRect(0, 0, w, inside.top()), QRect(0, inside.bottom() + 1, w, h - inside.bottom() - 1),
            QRect(0, inside.top(), inside.left(), inside.height()),
            QRect(inside.right() + 1, inside.top(), w - inside.right() - 1, inside.height())};
}
