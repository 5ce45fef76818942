#pragma once

#include "render/FramePool.h"

#include <QMutex>

#include <atomic>
#include <deque>

struct AVFrame;

// The hand-over between a background source's worker thread and the render thread: frames
// produced, oldest first, and whether the producer has ended for good.
class FrameQueue
{
public:
    void push(AVFrame *frame);
    // The oldest frame, polling every 10 ms while there is none; nullptr once the producer
    // has ended and every frame it made has been taken.
    AVFrame *take();
    void markEnded() { m_ended = true; }
    // Gives every frame still queued back to the pool.
    void releaseAll(FramePool &pool);

private:
    AVFrame *pop();

    std::deque<AVFrame *> m_frames;
    QMutex m_lock;
    std::atomic<bool> m_ended{false};
};
