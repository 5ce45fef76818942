#pragma once

#include "render/FramePool.h"

#include <QObject>
#include <QString>

#include <atomic>

extern "C" {
#include <libavutil/frame.h>
}

// Decodes a looping video into pool frames on its own thread, at most 6 frames ahead.
class AsyncCycleVideoInputWorker : public QObject
{
    Q_OBJECT

public:
    AsyncCycleVideoInputWorker(const QString &path, const FramePoolPtr &pool);

    void stop() { m_stop = true; }

public Q_SLOTS:
    void process();

Q_SIGNALS:
    void frameRead(AVFrame *frame);
    void error();
    void finished();

private:
    QString m_path;
    std::atomic<bool> m_stop{false};
    FramePoolPtr m_pool;
};
