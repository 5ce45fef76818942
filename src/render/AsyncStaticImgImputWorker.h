#pragma once

#include "render/FramePool.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QObject>

#include <atomic>

// Copies one prepared picture into pool frames on its own thread, at most 3 frames ahead,
// stamping them 0, 1, 2, ...
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
