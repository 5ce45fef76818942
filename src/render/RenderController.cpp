#include "render/RenderController.h"

#include "render/RenderWorker.h"


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
    thread.reset();
    worker.reset();
}

void RenderController::start(const ProjectPtr &project, const ThemeTemplatePtr &theme, const BackgroundDescriptor &background,
                             const QString &resultPath)
{
    stop();
    finishThread();
    worker = std::make_unique<RenderWorker>(project, theme, background, resultPath);
    thread = std::make_unique<QThread>();
    RenderWorker *w = worker.get();
    w->moveToThread(thread.get());
    connect(thread.get(), &QThread::started, w, &RenderWorker::process);
    connect(w, &RenderWorker::done, this, &RenderController::workerDone);
    connect(w, &RenderWorker::error, this, &RenderController::workerError);
    connect(w, &RenderWorker::onProgress, this, &RenderController::renderProgress);
    connect(w, &RenderWorker::onPreview, this, &RenderController::renderPreview);
    connect(w, &RenderWorker::stopped, this, &RenderController::workerStopped);
    connect(w, &RenderWorker::finished, thread.get(), &QThread::quit);
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
