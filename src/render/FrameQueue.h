#pragma once

#include "render/FramePool.h"

#include <QMutex>
#include <QWaitCondition>

#include <deque>

struct AVFrame;

// The hand-over between a background source's worker thread and the render thread: frames
// produced, oldest first, and whether the producer has ended for good.
class FrameQueue
{
public:
    void push(AVFrame *frame);
    // The oldest frame, waiting while there is none (woken by push, looking again at least
    // every 10 ms); nullptr once the producer has ended and every frame it made has been taken.
    AVFrame *take();
    void markEnded();
    // Gives every frame still queued back to the pool.
    void releaseAll(FramePool &pool);

private:
    std::deque<AVFrame *> m_frames;
    QMutex m_lock;
    QWaitCondition m_pushed;
    bool m_ended = false;
};
