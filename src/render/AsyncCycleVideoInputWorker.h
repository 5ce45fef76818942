#pragma once

#include "render/FrameQueue.h"

#include <QObject>
#include <QString>

#include <atomic>

// Decodes a looping video on its own thread into a queue of decoded pictures, at most 4 ahead;
// the taker converts each into a frame of its own (or does not, when it is never shown).
class AsyncCycleVideoInputWorker : public QObject
{
    Q_OBJECT

public:
    AsyncCycleVideoInputWorker(const QString &path, FrameQueue &pictures);

    void stop() { m_stop = true; }

    static constexpr int PicturesAhead = 4;

public Q_SLOTS:
    void process();

Q_SIGNALS:
    void error();
    void finished();

private:
    QString m_path;
    std::atomic<bool> m_stop{false};
    FrameQueue &m_pictures;
};
