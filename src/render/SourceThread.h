#pragma once

#include "render/FramePool.h"
#include "render/FrameQueue.h"

#include <QThread>

// The thread life of a background source's worker, shared by the looping video and the still
// picture: the worker produces on a thread of its own until stopped, and the queue learns when
// it has ended for good so takeFrame() stops waiting.
template <typename Worker>
QThread *startSourceWorker(Worker *worker, FrameQueue &frames)
{
    auto *thread = new QThread();
    QObject::connect(
        worker, &Worker::finished, worker, [&frames] { frames.markEnded(); }, Qt::DirectConnection);
    QObject::connect(thread, &QThread::started, worker, &Worker::process);
    QObject::connect(worker, &Worker::finished, thread, &QThread::quit);
    worker->moveToThread(thread);
    thread->start(QThread::InheritPriority);
    return thread;
}

// Stops the worker and waits for its thread; then drain() empties the queue it filled.
template <typename Worker, typename Drain>
void stopSourceWorker(QThread *thread, Worker *worker, Drain drain)
{
    worker->stop();
    thread->quit();
    thread->wait();
    drain();
    delete worker;
    delete thread;
}
