#pragma once

#include <QHash>
#include <QMap>
#include <QMutex>
#include <QRect>
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

    // What a frame is known to hold: a still picture (by its id, 0 for none) everywhere outside
    // changed. A still background then refills, and the encoder converts, only what changed.
    struct Marks
    {
        quint64 picture = 0;
        QRect changed;
    };

    // A frame of width x height recording owner; reuses a released frame when there is one.
    // Its marks are dropped unless the caller keeps them to read and update.
    AVFrame *acquire(const void *owner, bool keepMarks = false);
    int outstanding(const void *owner) const;
    // Waits until owner has fewer than limit frames out, at most timeoutMs; true when it has.
    // Producers wake the moment a frame comes back instead of sleeping a fixed time.
    bool waitBelow(const void *owner, int limit, int timeoutMs) const;
    // Gives the frame back; the count of the owner recorded in the frame goes down.
    void release(AVFrame *frame);

    Marks marks(const AVFrame *frame) const;
    void setMarks(const AVFrame *frame, const Marks &marks);
    // Narrows a marked frame's changed area to area, once the painter knows where it painted.
    void setChanged(const AVFrame *frame, const QRect &area);
    // A fresh id for a still picture, never 0.
    static quint64 newPictureId();

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
    QHash<const AVFrame *, Marks> m_marks;
    int m_width;
    int m_height;
    int m_format;
};
using FramePoolPtr = QSharedPointer<FramePool>;
