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
    connect(w, &RenderWorker::done, this, &RenderController::done);
    connect(w, &RenderWorker::error, this, &RenderController::error);
    connect(w, &RenderWorker::onProgress, this, &RenderController::onProgress);
    connect(w, &RenderWorker::onPreview, this, &RenderController::onPreview);
    connect(w, &RenderWorker::stopped, this, &RenderController::stopped);
    connect(w, &RenderWorker::finished, thread.get(), &QThread::quit);
    thread->start(QThread::InheritPriority);
}

void RenderController::stop()
{
    if (worker)
        worker->stop();
}
