#include "render/AsyncStaticImgImputWorker.h"
#include "app/Logging.h"


#include <new>

namespace {
constexpr int framesAhead = 2;
}

AsyncStaticImgImputWorker::AsyncStaticImgImputWorker(const AVFrame *source, const FramePoolPtr &pool)
    : m_source(source)
    , m_pool(pool)
{
}

void AsyncStaticImgImputWorker::process()
{
    try {
        while (!m_stop) {
            if (!m_pool->waitBelow(m_source, framesAhead, 10))
                continue;
            // Its marks tell the taking thread how much of the background is still in it.
            AVFrame *frame = m_pool->acquire(m_source, true);
            frame->width = m_source->width;
            frame->height = m_source->height;
            frame->pts = m_counter++;
            Q_EMIT frameRead(frame);
        }
    } catch (const std::bad_alloc &) {
        qCWarning(lcRender) << "Out of memory for background frames";
    }
    Q_EMIT finished();
}
