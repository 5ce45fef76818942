#pragma once

#include "render/BgraConverter.h"
#include "render/FramePool.h"
#include "render/FrameQueue.h"
#include "render/IAsyncAVInput.h"

#include <QObject>
#include <QString>

#include <functional>

class AsyncCycleVideoInputWorker;
class QThread;

// A looping background video, decoded ahead on a thread of its own. Each picture becomes a
// pool frame only when taken, and is not converted where the frame is to be painted over, so
// the pool holds no frame ahead.
class AsyncCycleVideoInput : public QObject, public IAsyncAVInput
{
    Q_OBJECT

public:
    // Starts decoding at once; error() follows when the video cannot be opened. onError, when
    // given, is connected to error() before the start, so even the earliest failure reaches it.
    // A caller that knows how many pictures it will take says so: a loop that plays three times
    // or more is then decoded only once, on its first pass (see LoopPictureCache).
    AsyncCycleVideoInput(const FramePoolPtr &pool, const QString &path,
                         const std::function<void()> &onError = {}, qint64 picturesWanted = 0);
    ~AsyncCycleVideoInput() override;

    AVFrame *takeFrameAround(const QRect &hidden) override;

public Q_SLOTS:
    void onError();

Q_SIGNALS:
    void error();

private:

    FrameQueue m_pictures;
    AsyncCycleVideoInputWorker *m_worker;
    QThread *m_thread = nullptr;
    FramePoolPtr m_pool;
    BgraConverter m_converter;
};
