#pragma once

#include "project/Project.h"
#include "render/EncoderFrameConverter.h"
#include "render/FramePool.h"
#include "render/IFrameSink.h"
#include "render/VideoEncoder.h"

#include <QObject>
#include <QString>

#include <cstdint>

class QThread;
class VideoOutputWorker;
struct AVFrame;
struct AVOutputFormat;

// The render thread's side of the video output: converts each frame to the encoder's pixel
// format and queues it, and the timeline advances, for the encoder thread, which writes the file.
class AsyncVideoOutput : public QObject, public IFrameSink
{
    Q_OBJECT

public:
    AsyncVideoOutput();
    ~AsyncVideoOutput() override;

    // Starts the encoder thread and returns at once. The project supplies the music (when
    // hasAudio) and the video's length for the audio fade-out.
    void open(const QString &path, const AVOutputFormat *format, int height, int width, int timeBaseNum,
              int timeBaseDen, int pixelFormat, bool hasAudio, const ProjectPtr &project);
    // Call before open(); a render's own video is a slideshow.
    void setPurpose(VideoEncoder::Purpose value) { purpose = value; }
    // Converts the frame and gives it back to pool at once; waits while the encoder already
    // has QueuedFrames frames to do.
    void writeFrame(const FramePoolPtr &pool, AVFrame *frame, int timeBaseNum, int timeBaseDen,
                    double time) override;
    void advanceTimeline(int64_t frameCount, int timeBaseNum, int timeBaseDen) override;
    // Keep no file: the queued frames are still consumed, then the partial file is removed.
    void discard();
    // Returns once everything queued is in the file and the file is finished (or has failed).
    void close();
    // The name the video last closed on the calling thread was given (another than the one
    // asked for when that was taken meanwhile); empty when it kept no file. For callers that
    // drive an output they cannot reach, such as the compositor's.
    static QString publishedOnThisThread();

    // Enough for x264 never to wait for a frame, few enough to keep memory down.
    static constexpr int QueuedFrames = 3;

Q_SIGNALS:
    void error();

public Q_SLOTS:
    void onError();

private:
    // frame into converted, only where either changed when both hold one still picture.
    bool convert(const FramePool &pool, const AVFrame *frame, AVFrame *converted);

    QThread *thread = nullptr;
    VideoOutputWorker *worker = nullptr;
    FramePoolPtr encoderFrames;
    EncoderFrameConverter converter;
    VideoEncoder::Purpose purpose = VideoEncoder::Purpose::Slideshow;
};
