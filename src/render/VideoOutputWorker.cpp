#include "render/VideoOutputWorker.h"

#include "app/CommonError.h"
#include "app/Logging.h"
#include "render/AudioEncoder.h"
#include "render/AudioFeed.h"
#include "render/FFmpegPtr.h"
#include "render/VideoEncoder.h"

#include <QFile>
#include <QMutexLocker>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

// Closes the file of an output context on every path out of writeFile.
struct AvioCloser
{
    AVFormatContext *context;
    ~AvioCloser() { avio_closep(&context->pb); }
};

} // namespace

VideoOutputWorker::VideoOutputWorker(const QString &path, const AVOutputFormat *format, int height, int width,
                                     int timeBaseNum, int timeBaseDen, int pixelFormat, bool hasAudio,
                                     const ProjectPtr &project)
    : path(path)
    , format(format)
    , height(height)
    , width(width)
    , timeBaseNum(timeBaseNum)
    , timeBaseDen(timeBaseDen)
    , pixelFormat(pixelFormat)
    , hasAudio(hasAudio && project && !project->audioTracks.isEmpty())
    , project(project)
{
}

VideoOutputWorker::~VideoOutputWorker() = default;

QString VideoOutputWorker::partialPath(const QString &path)
{
    return path + QStringLiteral(".part");
}

void VideoOutputWorker::enqueue(const OutputTaskPtr &task)
{
    QMutexLocker locker(&queueLock);
    // A failed worker consumes nothing; its frames go straight back so the sources never stall.
    if (failed)
        return;
    queue.push_back(task);
    queueFilled.wakeOne();
}

void VideoOutputWorker::finish()
{
    QMutexLocker locker(&queueLock);
    finishing = true;
    queueFilled.wakeOne();
}

bool VideoOutputWorker::queueEmpty() const
{
    QMutexLocker locker(&queueLock);
    return queue.empty();
}

void VideoOutputWorker::process()
{
    bool ok = false;
    try {
        AVOutputFormatContextPtr context(avformat_alloc_context());
        if (!context)
            throw std::bad_alloc();
        context->oformat = format;
        ok = writeFile(context.get());
    } catch (const VideoEncoder::WriteError &e) {
        CommonError::report(QStringLiteral("Video output av_write_frame failed"), e.code, cannotWrite());
    } catch (int code) {
        // Thrown after its own report (the music reader, the audio encoder).
        qCDebug(lcRender) << "video output failed:" << code;
    } catch (const std::exception &e) {
        qCWarning(lcRender) << "video output:" << e.what();
    } catch (...) {
        qCWarning(lcRender) << "video output: unknown failure";
    }
    if (ok && !discarded)
        ok = publish();
    if (!ok || discarded)
        QFile::remove(partialPath(path));
    if (!ok)
        fail();
}

bool VideoOutputWorker::writeFile(AVFormatContext *context)
{
    VideoEncoder video(context, width, height, timeBaseNum, timeBaseDen, pixelFormat, purpose);
    std::unique_ptr<AudioEncoder> audio;
    if (hasAudio)
        audio = std::make_unique<AudioEncoder>(format, context, 192000, 2, AV_SAMPLE_FMT_S16);

    int result = avio_open2(&context->pb, partialPath(path).toUtf8().constData(), AVIO_FLAG_WRITE, nullptr, nullptr);
    if (result < 0) {
        CommonError::report(QStringLiteral("Video output avio_open2 failed"), result,
                            QStringLiteral("Cannot create the video ") + path);
        return false;
    }
    AvioCloser closer{context};
    result = avformat_write_header(context, nullptr);
    if (result < 0) {
        CommonError::report(QStringLiteral("Video output avformat_write_header failed"), result, cannotWrite());
        return false;
    }
    std::unique_ptr<AudioFeed> feed;
    if (audio)
        feed = std::make_unique<AudioFeed>(*audio, project);
    drainQueue(video, feed.get());
    video.flush();
    if (audio)
        audio->flush();
    result = av_write_trailer(context);
    if (result < 0) {
        CommonError::report(QStringLiteral("Video output av_write_trailer failed"), result, cannotWrite());
        return false;
    }
    return true;
}

void VideoOutputWorker::drainQueue(VideoEncoder &video, AudioFeed *audio)
{
    for (;;) {
        OutputTaskPtr task = takeTask();
        if (!task) {
            if (finishing)
                return;
            continue;
        }
        if (task->kind == OutputTask::FrameKind) {
            const auto *frameTask = static_cast<const FrameTask *>(task.data());
            video.encode(frameTask->frame, frameTask->timeBaseNum, frameTask->timeBaseDen);
            const double time = frameTask->time;
            // Back to the render thread's converter before the audio is encoded.
            task.reset();
            if (audio)
                audio->feedUntil(time);
        } else {
            const auto *advance = static_cast<const TimelineAdvanceTask *>(task.data());
            video.advanceTimeline(advance->frameCount, advance->timeBaseNum, advance->timeBaseDen);
        }
    }
}

// Waits at most 10 ms for a task. Every frame queued counts against its source's limit of
// frames in flight, so the wait ends as soon as one arrives rather than after a fixed sleep.
OutputTaskPtr VideoOutputWorker::takeTask()
{
    QMutexLocker locker(&queueLock);
    if (queue.empty() && !finishing)
        queueFilled.wait(&queueLock, 10);
    if (queue.empty())
        return {};
    OutputTaskPtr task = queue.front();
    queue.pop_front();
    return task;
}

// Moves the finished file over its final name in one step: a video already there (same
// minute) is replaced, and stays whole when the move fails.
bool VideoOutputWorker::publish()
{
    const int result = moveOver(partialPath(path), path);
    if (result < 0)
        CommonError::report(QStringLiteral("Video output rename failed: ") + path, result,
                            QStringLiteral("Cannot give the video its name ") + path);
    return result >= 0;
}

int VideoOutputWorker::moveOver(const QString &from, const QString &to)
{
    // rename() replaces an existing target atomically; nothing is removed beforehand.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return 0;
    return AVERROR(errno);
}

QString VideoOutputWorker::cannotWrite() const
{
    return QStringLiteral("Cannot write the video ") + path;
}

void VideoOutputWorker::fail()
{
    std::deque<OutputTaskPtr> dropped;
    {
        QMutexLocker locker(&queueLock);
        failed = true;
        dropped.swap(queue);
    }
    CommonError::report(QStringLiteral("Video output process thread failed"));
    Q_EMIT error();
}
