#include "render/RenderController.h"

#include "render/RenderWorker.h"

#include <QThread>

RenderController::RenderController(QObject *parent)
    : QObject(parent)
{
}

RenderController::~RenderController()
{
    stop();
    finishThread();
}

void RenderController::finishThread()
{
    if (thread) {
        thread->quit();
        thread->wait();
    }
    delete thread;
    thread = nullptr;
    delete worker;
    worker = nullptr;
}

void RenderController::start(const ProjectPtr &project, const ThemeTemplatePtr &theme, const QString &bgPath,
                             const QColor &bgColor, const QString &resultPath)
{
    stop();
    finishThread();
    worker = new RenderWorker(project, theme, bgPath, bgColor, resultPath);
    thread = new QThread();
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &RenderWorker::process);
    connect(worker, &RenderWorker::done, this, &RenderController::workerDone);
    connect(worker, &RenderWorker::error, this, &RenderController::workerError);
    connect(worker, &RenderWorker::onProgress, this, &RenderController::renderProgress);
    connect(worker, &RenderWorker::onPreview, this, &RenderController::renderPreview);
    connect(worker, &RenderWorker::stopped, this, &RenderController::workerStopped);
    connect(worker, &RenderWorker::finished, thread, &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void RenderController::stop()
{
    if (worker)
        worker->stop();
}

void RenderController::workerDone(const QString &)
{
    Q_EMIT done();
}

void RenderController::workerError()
{
    Q_EMIT error();
}

void RenderController::renderProgress(float progress)
{
    Q_EMIT onProgress(progress);
}

void RenderController::renderPreview(QSharedPointer<QImage> image)
{
    Q_EMIT onPreview(image);
}

void RenderController::workerStopped()
{
    Q_EMIT stopped();
}
