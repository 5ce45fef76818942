#pragma once

#include "render/FramePool.h"

#include <QMutex>
#include <QWaitCondition>

#include <deque>

struct AVFrame;

// The hand-over between a background source's worker thread and the render thread: frames
// (pool frames or decoded pictures) produced, oldest first, and whether the producer has ended
// for good.
class FrameQueue
{
public:
    void push(AVFrame *frame);
    // The oldest frame, waiting while there is none (woken by push, looking again at least
    // every 10 ms); nullptr once the producer has ended and every frame it made has been taken.
    AVFrame *take();
    void markEnded();
    // Waits until fewer than limit frames are queued, at most timeoutMs; true when so. The
    // producer wakes the moment a frame is taken.
    bool waitBelow(int limit, int timeoutMs);
    // Gives every frame still queued back to the pool.
    void releaseAll(FramePool &pool);
    // Frees every frame still queued (frames that belong to no pool).
    void freeAll();

private:
    std::deque<AVFrame *> m_frames;
    QMutex m_lock;
    QWaitCondition m_pushed;
    QWaitCondition m_taken;
    bool m_ended = false;
};
