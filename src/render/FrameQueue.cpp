#include "render/FrameQueue.h"

#include <QMutexLocker>
#include <QThread>

void FrameQueue::push(AVFrame *frame)
{
    QMutexLocker locker(&m_lock);
    m_frames.push_back(frame);
}

AVFrame *FrameQueue::take()
{
    for (;;) {
        // Read before looking: every frame of an ended producer was queued before it ended.
        const bool ended = m_ended;
        if (AVFrame *frame = pop())
            return frame;
        if (ended)
            return nullptr;
        QThread::msleep(10);
    }
}

AVFrame *FrameQueue::pop()
{
    QMutexLocker locker(&m_lock);
    if (m_frames.empty())
        return nullptr;
    AVFrame *frame = m_frames.front();
    m_frames.pop_front();
    return frame;
}

void FrameQueue::releaseAll(FramePool &pool)
{
    QMutexLocker locker(&m_lock);
    for (AVFrame *frame : m_frames)
        pool.release(frame);
    m_frames.clear();
}
