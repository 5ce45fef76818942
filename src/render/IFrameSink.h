#pragma once

#include "render/FramePool.h"

#include <cstdint>

struct AVFrame;

// Where the compositor's finished frames go: the encoder of a render, or the live preview.
class IFrameSink
{
public:
    virtual ~IFrameSink() = default;

    // False when the frame at time (seconds) is not wanted (the preview is behind its clock):
    // the compositor then moves the scene on without drawing it.
    virtual bool wantsFrame(double /*time*/) { return true; }
    // Takes the frame; it goes back to pool once used.
    virtual void writeFrame(const FramePoolPtr &pool, AVFrame *frame, int timeBaseNum, int timeBaseDen,
                            double time) = 0;
    // At a hand-over between scenes the next reader numbers its frames afresh.
    virtual void advanceTimeline(int64_t frameCount, int timeBaseNum, int timeBaseDen) = 0;
};
