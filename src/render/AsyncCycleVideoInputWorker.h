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
    // picturesWanted, when it plays the loop three times or more, keeps the first pass on disk.
    AsyncCycleVideoInputWorker(const QString &path, FrameQueue &pictures, qint64 picturesWanted = 0);

    void stop() { m_stop = true; }

    static constexpr int PicturesAhead = 4;

public Q_SLOTS:
    void process();

Q_SIGNALS:
    void error();
    void finished();

private:
    QString m_path;
    qint64 m_picturesWanted;
    std::atomic<bool> m_stop{false};
    FrameQueue &m_pictures;
};
