#include "render/AsyncCycleVideoInputWorker.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "render/CycleVideoInput.h"


#include <memory>

namespace {
constexpr int framesAhead = 6;
}

AsyncCycleVideoInputWorker::AsyncCycleVideoInputWorker(const QString &path, const FramePoolPtr &pool)
    : m_path(path)
    , m_pool(pool)
{
}

void AsyncCycleVideoInputWorker::process()
{
    std::unique_ptr<CycleVideoInput> input;
    try {
        input = std::make_unique<CycleVideoInput>(m_path);
    } catch (...) {
        CommonError::report(QStringLiteral("Video input reader failed"));
        Q_EMIT error();
        Q_EMIT finished();
        return;
    }
    const void *owner = input->codecContext();
    try {
        while (!m_stop) {
            if (!m_pool->waitBelow(owner, framesAhead, 10))
                continue;
            AVFrame *frame = m_pool->acquire(owner);
            if (!input->readFrame(frame)) {
                m_pool->release(frame);
                qCWarning(lcRender) << "Background video gives no more frames:" << m_path;
                break;
            }
            Q_EMIT frameRead(frame);
        }
    } catch (const std::bad_alloc &) {
        qCWarning(lcRender) << "Out of memory for background frames";
    }
    input.reset();
    Q_EMIT finished();
}
