#pragma once

#include "render/FrameQueue.h"
#include "render/IAsyncAVInput.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QObject>
#include <QString>

#include <functional>

class AsyncCycleVideoInputWorker;
class QThread;

// A looping background video, decoded ahead on a thread of its own into the render's pool.
class AsyncCycleVideoInput : public QObject, public IAsyncAVInput
{
    Q_OBJECT

public:
    // Starts decoding at once; error() follows when the video cannot be opened. onError, when
    // given, is connected to error() before the start, so even the earliest failure reaches it.
    AsyncCycleVideoInput(const FramePoolPtr &pool, const QString &path,
                         const std::function<void()> &onError = {});
    ~AsyncCycleVideoInput() override;

    AVFrame *takeFrame() override;

public Q_SLOTS:
    void onFrameRead(AVFrame *frame);
    void onError();

Q_SIGNALS:
    void error();

private:
    FrameQueue m_frames;
    AsyncCycleVideoInputWorker *m_worker;
    QThread *m_thread = nullptr;
    FramePoolPtr m_pool;
};
