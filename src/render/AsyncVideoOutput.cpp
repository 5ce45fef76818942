#include "render/AsyncVideoOutput.h"

#include "app/CommonError.h"
#include "render/OutputTask.h"
#include "render/VideoColour.h"
#include "render/VideoOutputWorker.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QThread>

namespace {
thread_local QString lastPublished;
} // namespace

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
    lastPublished.clear();
    encoderFrames = FramePoolPtr::create(width, height, pixelFormat);
    thread = new QThread();
    worker = new VideoOutputWorker(path, format, height, width, timeBaseNum, timeBaseDen, pixelFormat, hasAudio,
                                   project);
    worker->setPurpose(purpose);
    connect(worker, &VideoOutputWorker::error, this, &AsyncVideoOutput::onError, Qt::DirectConnection);
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &VideoOutputWorker::process);
    connect(worker, &VideoOutputWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void AsyncVideoOutput::writeFrame(const FramePoolPtr &pool, AVFrame *frame, int timeBaseNum, int timeBaseDen,
                                  double time)
{
    if (!worker) {
        pool->release(frame);
        return;
    }
    // A failed worker gives every frame straight back, so this wait always ends.
    while (!encoderFrames->waitBelow(this, QueuedFrames, 10)) {
    }
    AVFrame *converted = encoderFrames->acquire(this, true);
    VideoColour::forVideo(converted->width, converted->height).tag(converted);
    const bool ok = convert(*pool, frame, converted);
    pool->release(frame);
    OutputTaskPtr task(new FrameTask(encoderFrames, converted, timeBaseNum, timeBaseDen, time));
    if (ok) {
        worker->enqueue(task);
        return;
    }
    CommonError::report(QStringLiteral("Video frame conversion failed"));
    onError();
}

bool AsyncVideoOutput::convert(const FramePool &pool, const AVFrame *frame, AVFrame *converted)
{
    const FramePool::Marks held = encoderFrames->marks(converted);
    if (av_frame_make_writable(converted) < 0)
        return false;
    if (!EncoderFrameConverter::convertsByArea(frame, converted)) {
        encoderFrames->setMarks(converted, {});
        return converter.convert(frame, converted);
    }
    // Over a still background, both frames hold its picture outside their changed areas: only
    // those need converting.
    const FramePool::Marks drawn = pool.marks(frame);
    const bool same = drawn.picture && held.picture == drawn.picture;
    EncoderFrameConverter::convertArea(frame, converted,
                                       same ? drawn.changed | held.changed : QRect(0, 0, frame->width, frame->height));
    encoderFrames->setMarks(converted, drawn);
    return true;
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
    lastPublished = worker->publishedPath();
    delete worker;
    worker = nullptr;
    delete thread;
    thread = nullptr;
    encoderFrames.reset();
}

QString AsyncVideoOutput::publishedOnThisThread()
{
    return lastPublished;
}

void AsyncVideoOutput::onError()
{
    Q_EMIT error();
}
