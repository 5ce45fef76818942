#include "render/VideoOutputWorker.h"

#include "app/CommonError.h"
#include "app/Logging.h"
#include "render/AudioEncoder.h"
#include "render/AudioFeed.h"
#include "render/FFmpegPtr.h"
#include "render/VideoEncoder.h"
#include "render/VideoFile.h"

#include <QMutexLocker>
#include <QThread>

#include <cerrno>
#include <exception>
#include <memory>

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
    // Declared first: the muxer writes into it until its context goes. A file not published
    // (failed or discarded) goes with it, and never had the final name.
    VideoFile file;
    try {
        AVOutputFormatContextPtr context(avformat_alloc_context());
        if (!context)
            throw std::bad_alloc();
        context->oformat = format;
        ok = writeFile(context.get(), file);
    } catch (const VideoEncoder::WriteError &e) {
        CommonError::report(QStringLiteral("Video output av_write_frame failed"), e.code, cannotWrite());
    } catch (int code) {
        // The music reader and the audio encoder report their own stage, without the file.
        CommonError::report(QStringLiteral("Video output failed"), code, cannotWrite());
    } catch (const std::exception &e) {
        qCWarning(lcRender) << "video output:" << e.what();
        CommonError::report(QStringLiteral("Video output failed: %1").arg(QString::fromLocal8Bit(e.what())),
                            AVERROR_UNKNOWN, cannotWrite());
    } catch (...) {
        qCWarning(lcRender) << "video output: unknown failure";
        CommonError::report(QStringLiteral("Video output failed"), AVERROR_UNKNOWN, cannotWrite());
    }
    if (ok && !discarded)
        ok = publish(file);
    if (!ok)
        fail();
}

bool VideoOutputWorker::writeFile(AVFormatContext *context, VideoFile &file)
{
    VideoEncoder video(context, width, height, timeBaseNum, timeBaseDen, pixelFormat, purpose);
    std::unique_ptr<AudioEncoder> audio;
    if (hasAudio)
        audio = std::make_unique<AudioEncoder>(format, context, 192000, 2, AV_SAMPLE_FMT_S16);

    int result = file.create(path);
    if (result < 0) {
        CommonError::report(QStringLiteral("Video output file creation failed"), result,
                            QStringLiteral("Cannot create the video ") + path);
        return false;
    }
    context->pb = file.io();
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

// Names the finished file: a video there since before the render (the same minute, or the
// command line's -o) is replaced in one step and stays whole when that fails; one that came
// during the render (another render's) stays, and this one takes the next free number.
bool VideoOutputWorker::publish(VideoFile &file)
{
    const int result = file.publish();
    if (result < 0) {
        CommonError::report(QStringLiteral("Video output rename failed: ") + path, result, cannotWrite());
        return false;
    }
    published = file.publishedPath();
    return true;
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
    // Every way here reported its cause with the file's name; a second, vaguer message would
    // take its place in the application's error popup.
    Q_EMIT error();
}
