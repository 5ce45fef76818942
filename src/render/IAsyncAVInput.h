#pragma once

#include <QRect>

struct AVFrame;

// A background source that produces output-sized BGRA pool frames on a thread of its own.
// The caller owns each frame it takes and returns it to the render's FramePool when done.
class IAsyncAVInput
{
public:
    virtual ~IAsyncAVInput() = default;

    // The oldest frame produced and not yet taken; waits until there is one. Returns
    // nullptr once the source has ended for good (its worker stopped or failed).
    AVFrame *takeFrame() { return takeFrameAround(QRect()); }
    // The same for a frame the caller paints over inside hidden (pixels of the frame, the whole
    // frame when it is covered): a source may leave those pixels as they are.
    virtual AVFrame *takeFrameAround(const QRect &hidden) = 0;
};
