#include "render/AsyncVideoOutput.h"

#include "render/VideoOutputWorker.h"

#include <QThread>

AsyncVideoOutput::AsyncVideoOutput() = default;

AsyncVideoOutput::~AsyncVideoOutput()
{
    close();
}

void AsyncVideoOutput::open(const QString &path, const AVOutputFormat *format, int height, int width,
                            int timeBaseNum, int timeBaseDen, int pixelFormat, bool hasAudio,
                            const ProjectPtr &project)
{
    close();
    thread = new QThread();
    worker = new VideoOutputWorker(path, format, height, width, timeBaseNum, timeBaseDen, pixelFormat, hasAudio,
                                   project);
    connect(worker, &VideoOutputWorker::error, this, &AsyncVideoOutput::onError, Qt::DirectConnection);
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &VideoOutputWorker::process);
    connect(worker, &VideoOutputWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void AsyncVideoOutput::writeFrame(const FramePoolPtr &pool, AVFrame *frame, int timeBaseNum, int timeBaseDen,
                                  double time)
{
    OutputTaskPtr task(new FrameTask(pool, frame, timeBaseNum, timeBaseDen, time));
    if (worker)
        worker->enqueue(task);
}

void AsyncVideoOutput::advanceTimeline(int64_t frameCount, int timeBaseNum, int timeBaseDen)
{
    if (worker)
        worker->enqueue(OutputTaskPtr(new TimelineAdvanceTask(frameCount, timeBaseNum, timeBaseDen)));
}

void AsyncVideoOutput::discard()
{
    if (worker)
        worker->discard();
}

void AsyncVideoOutput::close()
{
    if (!worker)
        return;
    worker->finish();
    while (!worker->hasFailed() && !worker->queueEmpty())
        QThread::msleep(10);
    thread->quit();
    thread->wait();
    delete worker;
    worker = nullptr;
    delete thread;
    thread = nullptr;
}

void AsyncVideoOutput::onError()
{
    Q_EMIT error();
}
