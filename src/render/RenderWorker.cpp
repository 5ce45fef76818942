#include "render/RenderWorker.h"

#include "render/AsyncVideoOutput.h"
#include "render/LibavRender.h"

#include <QMutexLocker>

#include <memory>

// One preview a second of video, small enough for the rendering screen.
static constexpr int previewInterval = 30;
static constexpr int previewHeight = 300;

RenderWorker::RenderWorker(const ProjectPtr &project, const ThemeTemplatePtr &theme, const BackgroundDescriptor &background,
                           const QString &resultPath)
    : project(project)
    , theme(theme)
    , background(background)
    , resultPath(resultPath)
{
}

RenderWorker::~RenderWorker() = default;

void RenderWorker::stop()
{
    QMutexLocker locker(&renderLock);
    stopRequested = true;
    if (render)
        render->stop();
}

void RenderWorker::process()
{
    auto compositor = std::make_unique<LibavRender>(project, theme, background, resultPath);
    connect(compositor.get(), &LibavRender::progress, this, &RenderWorker::onRenderProgress, Qt::DirectConnection);
    {
        // A stop that came before the compositor existed still reaches it.
        QMutexLocker locker(&renderLock);
        render = compositor.get();
        if (stopRequested)
            render->stop();
    }
    const bool ok = compositor->render();
    // The video's own output ran on this thread; another render may have taken the name meanwhile.
    const QString written = ok ? AsyncVideoOutput::publishedOnThisThread() : QString();
    {
        QMutexLocker locker(&renderLock);
        render = nullptr;
    }
    compositor.reset();

    // A stop that came after the last frame was written changes nothing: the video is complete.
    const bool complete = ok && !written.isEmpty();
    if (stopRequested && !complete) {
        Q_EMIT stopped();
        return;
    }
    if (complete)
        Q_EMIT done(written);
    else
        Q_EMIT error();
    Q_EMIT finished();
}

void RenderWorker::onRenderProgress(QSharedPointer<QImage> img, double percent)
{
    Q_EMIT onProgress(float(percent));
    ++frameCounter;
    if (frameCounter % previewInterval == 0)
        Q_EMIT onPreview(QSharedPointer<QImage>::create(img->scaledToHeight(previewHeight, Qt::SmoothTransformation)));
}
