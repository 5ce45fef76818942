#pragma once

#include <QMap>
#include <QMutex>
#include <QWaitCondition>
#include <QSharedPointer>

#include <deque>

struct AVFrame;
class QImage;

// Recycles the output-sized frames of one render (32-byte aligned rows; BGRA unless another
// pixel format is given) and counts, per owner, how many are handed out, so producers can
// hold back when far ahead.
class FramePool
{
public:
    FramePool(int width, int height, int pixelFormat = BgraFormat);
    ~FramePool();
    FramePool(const FramePool &) = delete;
    FramePool &operator=(const FramePool &) = delete;

    // A frame of width x height recording owner; reuses a released frame when there is one.
    AVFrame *acquire(const void *owner);
    int outstanding(const void *owner) const;
    // Waits until owner has fewer than limit frames out, at most timeoutMs; true when it has.
    // Producers wake the moment a frame comes back instead of sleeping a fixed time.
    bool waitBelow(const void *owner, int limit, int timeoutMs) const;
    // Gives the frame back; the count of the owner recorded in the frame goes down.
    void release(AVFrame *frame);

    int width() const { return m_width; }
    int height() const { return m_height; }

    static const int BgraFormat;
    // A BGRA frame's pixels seen as an image that paints straight into them (no copy).
    static QImage imageOf(const AVFrame *frame);

private:
    std::deque<AVFrame *> m_free;
    mutable QMutex m_lock;
    mutable QWaitCondition m_released;
    QMap<const void *, int> m_counts;
    int m_width;
    int m_height;
    int m_format;
};
using FramePoolPtr = QSharedPointer<FramePool>;
