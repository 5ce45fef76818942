#include "images/ThumbGenerator.h"

#include "images/ExifThumbWorker.h"
#include "images/ThumbWorker.h"

#include <QMutexLocker>
#include <QThread>

ThumbGenerator::ThumbGenerator() = default;

// At exit the event loop is gone: let running passes end, then delete their threads here.
ThumbGenerator::~ThumbGenerator()
{
    for (const QPointer<QThread> &thread : std::as_const(threads)) {
        if (!thread)
            continue;
        thread->wait();
        delete thread.data();
    }
}

void ThumbGenerator::addTask(const ThumbGeneratorTask &task)
{
    {
        QMutexLocker locker(&mutex);
        exifQueue.append(task);
        fullQueue.append(task);
    }
    doTask();
}

void ThumbGenerator::removeTask(const ThumbGeneratorTask &task)
{
    QMutexLocker locker(&mutex);
    exifQueue.removeOne(task);
    fullQueue.removeOne(task);
}

void ThumbGenerator::suspendFullDecode()
{
    fullDecodeEnabled = false;
}

void ThumbGenerator::resumeFullDecode()
{
    fullDecodeEnabled = true;
    doTask();
}

void ThumbGenerator::pause()
{
    paused = true;
}

void ThumbGenerator::resume()
{
    paused = false;
    // Each started pass starts the next when it ends; these fill the free places now.
    for (int i = runningWorkers; i < maxThumbWorkers; ++i)
        doTask();
}

int ThumbGenerator::queuedTaskCount()
{
    QMutexLocker locker(&mutex);
    return exifQueue.size() + fullQueue.size();
}

bool ThumbGenerator::takeTask(ThumbQueue &queue, ThumbGeneratorTask *task)
{
    QMutexLocker locker(&mutex);
    return queue.takeFirst(task);
}

void ThumbGenerator::doTask()
{
    if (paused || runningWorkers >= maxThumbWorkers)
        return;
    ThumbGeneratorTask task;
    ThumbWorkerBase *worker = nullptr;
    if (takeTask(exifQueue, &task)) {
        worker = new ExifThumbWorker(task);
        connect(worker, &ThumbWorkerBase::done, this, &ThumbGenerator::exifWorkerDone);
    } else if (fullDecodeEnabled && takeTask(fullQueue, &task)) {
        worker = new ThumbWorker(task);
        connect(worker, &ThumbWorkerBase::done, this, &ThumbGenerator::workerDone);
    }
    if (!worker)
        return;
    ++runningWorkers;
    Q_EMIT passStarted(task, qobject_cast<ThumbWorker *>(worker) != nullptr);
    startWorker(worker);
}

void ThumbGenerator::startWorker(ThumbWorkerBase *worker)
{
    auto *thread = new QThread;
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &ThumbWorkerBase::process);
    // Direct, so the thread ends with its pass even when no event loop runs here (exit).
    connect(worker, &ThumbWorkerBase::finished, thread, &QThread::quit, Qt::DirectConnection);
    connect(worker, &ThumbWorkerBase::finished, worker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    threads.removeAll(QPointer<QThread>());
    threads.append(thread);
    thread->start();
}

void ThumbGenerator::exifWorkerDone(const ThumbGeneratorTask path, QSharedPointer<QImage> img)
{
    --runningWorkers;
    if (img) {
        Q_EMIT generated(path, img);
        QMutexLocker locker(&mutex);
        fullQueue.removeOne(path);
        fullQueue.append(path);
    }
    doTask();
}

void ThumbGenerator::workerDone(const ThumbGeneratorTask path, QSharedPointer<QImage> img)
{
    --runningWorkers;
    if (img)
        Q_EMIT generated(path, img);
    if (!img || img->isNull())
        Q_EMIT failed(path);
    doTask();
}
