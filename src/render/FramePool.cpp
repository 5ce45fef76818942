#include "render/FramePool.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

#include <QDeadlineTimer>
#include <QImage>
#include <QMutexLocker>

#include <atomic>
#include <new>

const int FramePool::BgraFormat = AV_PIX_FMT_BGRA;

QImage FramePool::imageOf(const AVFrame *frame)
{
    return QImage(frame->data[0], frame->width, frame->height, frame->linesize[0], QImage::Format_RGB32);
}

FramePool::FramePool(int width, int height, int pixelFormat)
    : m_width(width)
    , m_height(height)
    , m_format(pixelFormat)
{
}

FramePool::~FramePool()
{
    for (AVFrame *frame : m_free)
        av_frame_free(&frame);
}

AVFrame *FramePool::acquire(const void *owner, bool keepMarks)
{
    QMutexLocker locker(&m_lock);
    AVFrame *frame = nullptr;
    if (!m_free.empty()) {
        frame = m_free.front();
        m_free.pop_front();
    } else {
        frame = av_frame_alloc();
        if (!frame)
            throw std::bad_alloc();
        frame->format = m_format;
        frame->width = m_width;
        frame->height = m_height;
        if (av_frame_get_buffer(frame, 32) < 0) {
            av_frame_free(&frame);
            throw std::bad_alloc();
        }
    }
    frame->width = m_width;
    frame->height = m_height;
    frame->opaque = const_cast<void *>(owner);
    ++m_counts[owner];
    if (!keepMarks)
        m_marks.remove(frame);
    return frame;
}

FramePool::Marks FramePool::marks(const AVFrame *frame) const
{
    QMutexLocker locker(&m_lock);
    return m_marks.value(frame);
}

void FramePool::setMarks(const AVFrame *frame, const Marks &marks)
{
    QMutexLocker locker(&m_lock);
    if (marks.picture)
        m_marks.insert(frame, marks);
    else
        m_marks.remove(frame);
}

void FramePool::setChanged(const AVFrame *frame, const QRect &area)
{
    QMutexLocker locker(&m_lock);
    const auto found = m_marks.find(frame);
    if (found != m_marks.end())
        found->changed = area;
}

quint64 FramePool::newPictureId()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

int FramePool::outstanding(const void *owner) const
{
    QMutexLocker locker(&m_lock);
    return m_counts.value(owner, 0);
}

bool FramePool::waitBelow(const void *owner, int limit, int timeoutMs) const
{
    QMutexLocker locker(&m_lock);
    const QDeadlineTimer deadline(timeoutMs);
    while (m_counts.value(owner, 0) >= limit) {
        if (!m_released.wait(&m_lock, deadline))
            return false;
    }
    return true;
}

void FramePool::release(AVFrame *frame)
{
    if (!frame)
        return;
    QMutexLocker locker(&m_lock);
    m_free.push_back(frame);
    --m_counts[frame->opaque];
    m_released.wakeAll();
}
