#include "render/FrameQueue.h"

#include <QMutexLocker>

void FrameQueue::push(AVFrame *frame)
{
    QMutexLocker locker(&m_lock);
    m_frames.push_back(frame);
    m_pushed.wakeOne();
}

void FrameQueue::markEnded()
{
    QMutexLocker locker(&m_lock);
    m_ended = true;
    m_pushed.wakeOne();
}

AVFrame *FrameQueue::take()
{
    QMutexLocker locker(&m_lock);
    // Every frame of an ended producer was queued before it ended.
    while (m_frames.empty() && !m_ended)
        m_pushed.wait(&m_lock, 10);
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
