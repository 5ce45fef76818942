#include "render/AsyncCycleVideoInput.h"
#include "render/AsyncCycleVideoInputWorker.h"
#include "render/SourceThread.h"
#include "render/VideoInput.h"

#include <QImage>

AsyncCycleVideoInput::AsyncCycleVideoInput(const FramePoolPtr &pool, const QString &path,
                                           const std::function<void()> &onError, qint64 picturesWanted)
    : m_worker(new AsyncCycleVideoInputWorker(path, m_pictures, picturesWanted))
    , m_pool(pool)
{
    if (onError)
        connect(this, &AsyncCycleVideoInput::error, onError);
    connect(m_worker, &AsyncCycleVideoInputWorker::error, this, &AsyncCycleVideoInput::onError,
            Qt::DirectConnection);
    m_thread = startSourceWorker(m_worker, m_pictures);
}

AsyncCycleVideoInput::~AsyncCycleVideoInput()
{
    stopSourceWorker(m_thread, m_worker, [this] { m_pictures.freeAll(); });
}

AVFrame *AsyncCycleVideoInput::takeFrameAround(const QRect &hidden)
{
    AVFramePtr picture(m_pictures.take());
    if (!picture)
        return nullptr;
    AVFrame *frame = m_pool->acquire(this);
    frame->pts = VideoInput::pictureNumber(picture.get());
    // A picture of a format the scaler cannot take shows as black.
    if (!m_converter.convertAround(picture.get(), frame, hidden))
        FramePool::imageOf(frame).fill(Qt::black);
    return frame;
}

void AsyncCycleVideoInput::onError()
{
    Q_EMIT error();
}
