#pragma once

#include "render/FramePool.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QObject>

#include <atomic>

// Keeps pool frames for one prepared picture ready on its own thread, at most 2 frames ahead,
// stamped 0, 1, 2, ...; the picture is copied in when a frame is taken, and only when the
// frame is not painted over entirely.
class AsyncStaticImgImputWorker : public QObject
{
    Q_OBJECT

public:
    AsyncStaticImgImputWorker(const AVFrame *source, const FramePoolPtr &pool);

    void stop() { m_stop = true; }

public Q_SLOTS:
    void process();

Q_SIGNALS:
    void frameRead(AVFrame *frame);
    void finished();

private:
    const AVFrame *m_source;
    std::atomic<bool> m_stop{false};
    int64_t m_counter = 0;
    FramePoolPtr m_pool;
};
