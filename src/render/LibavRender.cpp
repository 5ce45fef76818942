#include "render/LibavRender.h"

#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "render/AsyncCycleVideoInput.h"
#include "render/AsyncVideoOutput.h"
#include "render/FFmpegPtr.h"
#include "render/StaticImgImput.h"
#include "theme/ImgSceneReader.h"
#include "theme/TextSceneReader.h"

#include <QFile>
#include <QPainter>

#include <exception>

// The one background source of the render and the at most two readers drawing over it.
struct LibavRender::Stage
{
    QSharedPointer<IAsyncAVInput> background;
    QSharedPointer<ISceneReader> current;
    QSharedPointer<ISceneReader> outgoing;
};

LibavRender::LibavRender(const ProjectPtr &project, const ThemeTemplatePtr &theme, const QString &bgPath,
                         const QColor &bgColor, const QString &outputPath)
    : outputFormat(av_guess_format("mp4", nullptr, nullptr))
    , project(project)
    , theme(theme)
    , bgPath(bgPath)
    , bgColor(bgColor)
    , outputPath(outputPath)
{
    const QSize size = outputSize(project->output.quality);
    width = size.width();
    height = size.height();
}

LibavRender::~LibavRender() = default;

QSize LibavRender::outputSize(int quality)
{
    switch (quality) {
    case 1:
        return QSize(1920, 1080);
    case 2:
        return QSize(3840, 2160);
    default:
        return QSize(1280, 720);
    }
}

void LibavRender::fadeToBlack(QImage &image, int alpha)
{
    if (alpha <= 0)
        return;
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0, 0, 0, alpha));
}

void LibavRender::stop()
{
    stopRequested = true;
}

void LibavRender::onError()
{
    failed = true;
}

bool LibavRender::render()
{
    failed = false;
    try {
        SceneScheduler scheduler(*project, *theme);
        const QVector<ScenePlan> plan = scheduler.plan();
        if (plan.isEmpty()) {
            CommonError::report(scheduler.errorText());
            return false;
        }
        pool = FramePoolPtr::create(width, height);
        frameCount = 0;
        AsyncVideoOutput output;
        connect(&output, &AsyncVideoOutput::error, this, &LibavRender::onError, Qt::DirectConnection);
        output.open(outputPath, outputFormat, height, width, timeBaseNum, timeBaseDen, pixelFormat,
                    !project->audioTracks.isEmpty(), project);
        bool ok = true;
        try {
            run(output, plan);
        } catch (const std::exception &e) {
            qCWarning(lcRender) << "render:" << e.what();
            ok = false;
        } catch (...) {
            ok = false;
        }
        // Whatever did not finish leaves no file behind; an earlier video of that name stays.
        if (!ok || failed || stopRequested)
            output.discard();
        output.close();
        pool.reset();
        return ok && !failed;
    } catch (...) {
        return false;
    }
}

bool LibavRender::run(AsyncVideoOutput &output, const QVector<ScenePlan> &plan)
{
    Stage stage;
    stage.background = makeBackground();
    for (int i = 0; i < plan.size(); ++i) {
        if (stopRequested || !playScene(output, plan.at(i), i, stage))
            return false;
    }
    return true;
}

QSharedPointer<IAsyncAVInput> LibavRender::makeBackground()
{
    if (bgPath.isEmpty())
        return QSharedPointer<StaticImgImput>::create(pool, bgColor, height, width);
    if (bgPath.contains(QStringLiteral(".mp4"))) {
        // A video of one size only (a user's own) still plays, scaled to the output.
        QString path = resolutionVariantPath(bgPath, project->output.quality);
        if (!QFile::exists(path))
            path = bgPath;
        return QSharedPointer<AsyncCycleVideoInput>::create(pool, path, [this] { onError(); });
    }
    return QSharedPointer<StaticImgImput>::create(pool, bgPath, height, width);
}

QSharedPointer<ISceneReader> LibavRender::makeReader(const ScenePlan &scene,
                                                     const QSharedPointer<IAsyncAVInput> &background)
{
    SceneReaderBase::SlideCursor cursor = project->slides.cbegin() + scene.firstSlide;
    const SceneReaderBase::SlideCursor end = project->slides.cend();
    if (scene.type == TextSlideType)
        return QSharedPointer<TextSceneReader>::create(background, width, height, scene.scene, cursor, end,
                                                       scene.frameCount, scene.slotLengths);
    return QSharedPointer<ImgSceneReader>::create(background, width, height, scene.scene, cursor, end,
                                                  scene.frameCount, scene.slotLengths);
}

bool LibavRender::playScene(AsyncVideoOutput &output, const ScenePlan &scene, int sceneNumber, Stage &stage)
{
    const double d = 1.0 / timeBaseDen;
    const int overflow = theme->sceneOverflow;
    const double total = project->totalDuration > 0.0 ? project->totalDuration : scene.end;
    stage.current = makeReader(scene, stage.background);
    double t = frameCount * d;
    int k = 0;
    while (scene.end > t) {
        if (stopOrFailure())
            return false;
        ISceneReader &current = *stage.current;
        if (stage.outgoing && current.frameIndex() > overflow) {
            output.advanceTimeline(stage.outgoing->frameIndex() - current.frameIndex(), timeBaseNum, timeBaseDen);
            stage.outgoing.reset();
        }
        ISceneReader &source = stage.outgoing ? *stage.outgoing : current;
        const double w = stage.outgoing ? (current.frameIndex() + 1.0) / overflow : 0.0;
        if (!source.readNext(stage.outgoing ? 1.0 - w : 1.0)) {
            failReading();
            return false;
        }
        QSharedPointer<QImage> picture = source.currentImage();
        AVFrame *frame = source.currentFrame();
        if (stage.outgoing)
            current.drawNext(picture, w);

        ++k;
        ++frameCount;
        const double T = k * d + scene.start;
        Q_EMIT progress(picture, T * 100.0 / total);
        applyFades(*picture, scene, sceneNumber, current.frameIndex());

        t = frameCount * d;
        if (stopRequested) {
            pool->release(frame);
            return false;
        }
        output.writeFrame(pool, frame, timeBaseNum, timeBaseDen, T);
        if (scene.overlap && t >= scene.end) {
            // A scene shorter than the overlap hands over while the one before is still drawn.
            if (stage.outgoing)
                output.advanceTimeline(stage.outgoing->frameIndex() - current.frameIndex(), timeBaseNum,
                                       timeBaseDen);
            stage.outgoing = stage.current;
            stage.current.reset();
            return true;
        }
    }
    // A cut: the next reader numbers its frames from -1 again, so the video's numbering moves
    // on by the frames this one made.
    output.advanceTimeline(stage.current->frameIndex() + 1, timeBaseNum, timeBaseDen);
    return true;
}

void LibavRender::applyFades(QImage &picture, const ScenePlan &scene, int sceneNumber, int frameIndex) const
{
    const double d = 1.0 / timeBaseDen;
    const double fadeInLength = theme->fadeIn * d;
    const double fadeOutLength = theme->fadeOut * d;
    const double tau = frameIndex * d;
    if (sceneNumber == 0 && tau < fadeInLength)
        fadeToBlack(picture, int((1.0 - tau / fadeInLength) * 255));
    if (scene.slidesLeft == 0 && scene.length - tau < fadeOutLength)
        fadeToBlack(picture, int((1.0 - (scene.length - tau) / fadeOutLength) * 255));
}

void LibavRender::failReading()
{
    if (!failed)
        CommonError::report(QStringLiteral("Render failed: no background frame"));
    failed = true;
}
