#include "render/AsyncCycleVideoInput.h"
#include "render/AsyncCycleVideoInputWorker.h"
#include "render/SourceThread.h"

AsyncCycleVideoInput::AsyncCycleVideoInput(const FramePoolPtr &pool, const QString &path,
                                           const std::function<void()> &onError)
    : m_worker(new AsyncCycleVideoInputWorker(path, pool))
    , m_pool(pool)
{
    if (onError)
        connect(this, &AsyncCycleVideoInput::error, onError);
    connect(m_worker, &AsyncCycleVideoInputWorker::frameRead, this, &AsyncCycleVideoInput::onFrameRead,
            Qt::DirectConnection);
    connect(m_worker, &AsyncCycleVideoInputWorker::error, this, &AsyncCycleVideoInput::onError,
            Qt::DirectConnection);
    m_thread = startSourceWorker(m_worker, m_frames);
}

AsyncCycleVideoInput::~AsyncCycleVideoInput()
{
    stopSourceWorker(m_thread, m_worker, m_frames, *m_pool);
}

AVFrame *AsyncCycleVideoInput::takeFrame()
{
    return m_frames.take();
}

void AsyncCycleVideoInput::onFrameRead(AVFrame *frame)
{
    m_frames.push(frame);
}

void AsyncCycleVideoInput::onError()
{
    Q_EMIT error();
}
