#include "render/AsyncCycleVideoInput.h"
#include "render/AsyncCycleVideoInputWorker.h"

#include <QThread>

AsyncCycleVideoInput::AsyncCycleVideoInput(const FramePoolPtr &pool, const QString &path)
    : m_thread(new QThread())
    , m_worker(new AsyncCycleVideoInputWorker(path, pool))
    , m_pool(pool)
{
    connect(m_worker, &AsyncCycleVideoInputWorker::frameRead, this, &AsyncCycleVideoInput::onFrameRead,
            Qt::DirectConnection);
    connect(m_worker, &AsyncCycleVideoInputWorker::error, this, &AsyncCycleVideoInput::onError,
            Qt::DirectConnection);
    connect(
        m_worker, &AsyncCycleVideoInputWorker::finished, this, [this] { m_frames.markEnded(); },
        Qt::DirectConnection);
    connect(m_thread, &QThread::started, m_worker, &AsyncCycleVideoInputWorker::process);
    connect(m_worker, &AsyncCycleVideoInputWorker::finished, m_thread, &QThread::quit);
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::InheritPriority);
}

AsyncCycleVideoInput::~AsyncCycleVideoInput()
{
    m_worker->stop();
    m_thread->quit();
    m_thread->wait();
    m_frames.releaseAll(*m_pool);
    delete m_worker;
    delete m_thread;
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
