#pragma once

#include "project/Project.h"
#include "render/OutputTask.h"
#include "render/VideoEncoder.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <deque>

struct AVOutputFormat;
struct AVFormatContext;

// Runs on the encoder thread: drains the task queue into the video (and audio) streams of
// one MP4 file. The file is written without a name of its own in the final folder (VideoFile)
// and named only once complete, so no half-written video ever sits under the final name.
class VideoOutputWorker : public QObject
{
    Q_OBJECT

public:
    VideoOutputWorker(const QString &path, const AVOutputFormat *format, int height, int width, int timeBaseNum,
                      int timeBaseDen, int pixelFormat, bool hasAudio, const ProjectPtr &project);
    ~VideoOutputWorker() override;

    void enqueue(const OutputTaskPtr &task);
    bool queueEmpty() const;
    // No more tasks will come: drain the queue and finish the file.
    void finish();
    // The render was stopped: finish the queue but keep no file at all.
    void discard() { discarded = true; }
    bool hasFailed() const { return failed; }
    // The name the finished video was given: the path asked for, or " (2)"... when another file
    // took it meanwhile. Empty when no video was kept. Read once the thread has finished.
    QString publishedPath() const { return published; }
    // Before the thread starts.
    void setPurpose(VideoEncoder::Purpose value) { purpose = value; }

public Q_SLOTS:
    void process();

Q_SIGNALS:
    void finished();
    void error();

private:
    bool writeFile(AVFormatContext *context, class VideoFile &file);
    void drainQueue(VideoEncoder &video, class AudioFeed *audio);
    OutputTaskPtr takeTask();
    bool publish(class VideoFile &file);
    QString cannotWrite() const;
    void fail();

    QString path;
    QString published;
    VideoEncoder::Purpose purpose = VideoEncoder::Purpose::Slideshow;
    const AVOutputFormat *format;
    int height;
    int width;
    int timeBaseNum;
    int timeBaseDen;
    int pixelFormat;
    bool hasAudio;
    std::atomic<bool> finishing{false};
    std::atomic<bool> failed{false};
    std::atomic<bool> discarded{false};
    mutable QMutex queueLock;
    QWaitCondition queueFilled;
    std::deque<OutputTaskPtr> queue;
    ProjectPtr project;
};
