#include "render/FrameQueue.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

extern "C" {
#include <libavutil/frame.h>
}

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
    m_taken.wakeAll();
    return frame;
}

bool FrameQueue::waitBelow(int limit, int timeoutMs)
{
    QMutexLocker locker(&m_lock);
    const QDeadlineTimer deadline(timeoutMs);
    while (int(m_frames.size()) >= limit) {
        if (!m_taken.wait(&m_lock, deadline))
            return false;
    }
    return true;
}

void FrameQueue::releaseAll(FramePool &pool)
{
    QMutexLocker locker(&m_lock);
    for (AVFrame *frame : m_frames)
        pool.release(frame);
    m_frames.clear();
}

void FrameQueue::freeAll()
{
    QMutexLocker locker(&m_lock);
    for (AVFrame *frame : m_frames)
        av_frame_free(&frame);
    m_frames.clear();
}
