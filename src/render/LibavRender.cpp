#include "render/LibavRender.h"

#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "render/AsyncCycleVideoInput.h"
#include "render/AsyncVideoOutput.h"
#include "render/FFmpegPtr.h"
#include "render/StaticImgImput.h"
#include "theme/ImgSceneReader.h"
#include "theme/SceneStyle.h"
#include "theme/TextSceneReader.h"

#include <QPainter>

#include <cmath>
#include <algorithm>
#include <exception>
#include <future>
#include <system_error>

// The one background source of the render and the at most two readers drawing over it.
struct LibavRender::Stage
{
    QSharedPointer<IAsyncAVInput> background;
    QSharedPointer<ISceneReader> current;
    QSharedPointer<ISceneReader> outgoing;
    ImageSharedPointer incoming; // the incoming scene drawn alone during a hand-over
    const ScenePlan *upcoming = nullptr; // the scene to prepare once no outgoing scene is drawn
    // The next scene's reader, prepared on a thread of its own while this scene plays; last, so
    // leaving the run waits for it before anything it uses goes.
    std::future<QSharedPointer<ISceneReader>> next;
};

LibavRender::LibavRender(const ProjectPtr &project, const ThemeTemplatePtr &theme,
                         const BackgroundDescriptor &background, const QString &outputPath)
    : outputFormat(av_guess_format("mp4", nullptr, nullptr))
    , project(project)
    , theme(theme)
    , background(background)
    , style(SceneStyle::instance()->snapshot())
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
            // Every frame takes a background picture; the loop is kept on disk when it plays again.
            run(output, plan, 0, framesUntil(plan.constLast().end));
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

void LibavRender::setFrameSize(const QSize &size)
{
    width = size.width();
    height = size.height();
}

bool LibavRender::play(IFrameSink &sink, double fromTime)
{
    failed = false;
    try {
        SceneScheduler scheduler(*project, *theme);
        const QVector<ScenePlan> plan = scheduler.plan();
        if (plan.isEmpty()) {
            qCWarning(lcRender) << "play:" << scheduler.errorText();
            return false;
        }
        int first = 0;
        while (first + 1 < plan.size() && plan.at(first + 1).start <= fromTime)
            ++first;
        // The frames a render would have made before that scene.
        frameCount = first > 0 ? framesUntil(plan.at(first - 1).end) : 0;
        pool = FramePoolPtr::create(width, height);
        run(sink, plan, first, 0);
        pool.reset();
        return !failed;
    } catch (const std::exception &e) {
        qCWarning(lcRender) << "play:" << e.what();
        return false;
    } catch (...) {
        return false;
    }
}

// Counted as playScene counts them: a frame is drawn while the scene's end lies beyond it. The
// estimate is corrected by a step either way, so rounding gives the count the loop would reach.
int64_t LibavRender::framesUntil(double seconds) const
{
    const double d = 1.0 / timeBaseDen;
    if (!(seconds > 0.0))
        return 0;
    int64_t frames = int64_t(std::ceil(seconds * timeBaseDen));
    while (frames > 0 && !(seconds > (frames - 1) * d))
        --frames;
    while (seconds > frames * d)
        ++frames;
    return frames;
}

bool LibavRender::run(IFrameSink &output, const QVector<ScenePlan> &plan, int firstScene, qint64 framesWanted)
{
    Stage stage;
    stage.background = makeBackground(framesWanted);
    for (int i = firstScene; i < plan.size(); ++i) {
        QSharedPointer<ISceneReader> reader = stage.next.valid() ? stage.next.get() : nullptr;
        stage.upcoming = i + 1 < plan.size() ? &plan.at(i + 1) : nullptr;
        // During a hand-over two scenes and the mixing picture are alive already: the preparation
        // waits for its end, so the peak of memory holds two scenes, not three.
        if (!stage.outgoing)
            prepareAhead(stage);
        // Decoding and scaling a scene's photos takes longer than the encoder's queue lasts: only
        // the first scene is prepared here, alongside the second.
        stage.current = reader ? reader : makeReader(plan.at(i), stage.background);
        if (stopRequested || !playScene(output, plan.at(i), i, stage))
            return false;
    }
    return true;
}

void LibavRender::prepareAhead(Stage &stage)
{
    if (!stage.upcoming)
        return;
    const ScenePlan scene = *stage.upcoming;
    stage.upcoming = nullptr;
    const QSharedPointer<IAsyncAVInput> background = stage.background;
    try {
        stage.next = std::async(std::launch::async, [this, scene, background] { return makeReader(scene, background); });
    } catch (const std::system_error &e) {
        qCWarning(lcRender) << "cannot prepare the next scene ahead:" << e.what();
    }
}

QSharedPointer<IAsyncAVInput> LibavRender::makeBackground(qint64 framesWanted)
{
    if (background.isColor())
        return QSharedPointer<StaticImgImput>::create(pool, background.color, height, width);
    // The file made for this resolution; one of a single size (a user's own) is scaled to the output.
    const QString path = background.existingPathFor(project->output.quality);
    if (background.isVideo())
        return QSharedPointer<AsyncCycleVideoInput>::create(pool, path, [this] { onError(); }, framesWanted);
    return QSharedPointer<StaticImgImput>::create(pool, path, height, width);
}

QSharedPointer<ISceneReader> LibavRender::makeReader(const ScenePlan &scene,
                                                     const QSharedPointer<IAsyncAVInput> &background) const
{
    SceneReaderBase::SlideCursor cursor = project->slides.cbegin() + scene.firstSlide;
    const SceneReaderBase::SlideCursor end = project->slides.cend();
    if (scene.type == TextSlideType)
        return QSharedPointer<TextSceneReader>::create(background, width, height, scene.scene, cursor, end,
                                                       scene.frameCount, scene.slotLengths, style);
    return QSharedPointer<ImgSceneReader>::create(background, width, height, scene.scene, cursor, end,
                                                  scene.frameCount, scene.slotLengths, style);
}

bool LibavRender::playScene(IFrameSink &output, const ScenePlan &scene, int sceneNumber, Stage &stage)
{
    const double d = 1.0 / timeBaseDen;
    int k = 0;
    while (scene.end > frameCount * d) {
        if (stopOrFailure())
            return false;
        if (stage.outgoing && stage.current->frameIndex() > theme->sceneOverflow) {
            output.advanceTimeline(stage.outgoing->frameIndex() - stage.current->frameIndex(), timeBaseNum,
                                   timeBaseDen);
            stage.outgoing.reset();
            prepareAhead(stage);
        }
        ++k;
        ++frameCount;
        const double T = k * d + scene.start;
        if (!output.wantsFrame(T))
            skipFrame(stage);
        else if (!drawFrame(output, scene, sceneNumber, stage, T))
            return false;
        if (scene.overlap && frameCount * d >= scene.end)
            return beginOverlap(output, stage);
    }
    // A cut: the next reader numbers its frames from -1 again, so the video's numbering moves
    // on by the frames this one made.
    output.advanceTimeline(stage.current->frameIndex() + 1, timeBaseNum, timeBaseDen);
    return true;
}

// Draws the frame ending at time T (the current scene, or both during a hand-over) and hands it
// to the output; false when no background frame came or a stop arrived meanwhile.
bool LibavRender::drawFrame(IFrameSink &output, const ScenePlan &scene, int sceneNumber, Stage &stage, double T)
{
    ISceneReader &current = *stage.current;
    ISceneReader &source = stage.outgoing ? *stage.outgoing : current;
    const bool ok = stage.outgoing ? handOver(stage, (current.frameIndex() + 1.0) / theme->sceneOverflow)
                                   : current.readNext(1.0);
    if (!ok) {
        failReading();
        return false;
    }
    QSharedPointer<QImage> picture = source.currentImage();
    AVFrame *frame = source.currentFrame();
    const double total = project->totalDuration > 0.0 ? project->totalDuration : scene.end;
    Q_EMIT progress(picture, T * 100.0 / total);
    const bool faded = applyFades(*picture, scene, sceneNumber, current.frameIndex());
    // What differs from a still background: a hand-over mixes whole pictures, a fade darkens all.
    pool->setChanged(frame, stage.outgoing || faded ? picture->rect() : current.paintedArea());
    if (stopRequested) {
        pool->release(frame);
        return false;
    }
    output.writeFrame(pool, frame, timeBaseNum, timeBaseDen, T);
    return true;
}

// The current scene becomes the outgoing one while the next starts over it.
bool LibavRender::beginOverlap(IFrameSink &output, Stage &stage) const
{
    // A scene shorter than the overlap hands over while the one before is still drawn.
    if (stage.outgoing)
        output.advanceTimeline(stage.outgoing->frameIndex() - stage.current->frameIndex(), timeBaseNum,
                               timeBaseDen);
    stage.outgoing = stage.current;
    stage.current.reset();
    return true;
}

// A frame not drawn: the readers move on by one frame and no background frame is used.
void LibavRender::skipFrame(Stage &stage)
{
    if (stage.outgoing)
        stage.outgoing->drawNext(ImageSharedPointer(), 0.0);
    stage.current->drawNext(ImageSharedPointer(), 0.0);
}

bool LibavRender::handOver(Stage &stage, double w)
{
    // Each scene is drawn alone over the same background, then the two pictures are mixed:
    // a full-frame hand-over never lets the background show through both photos at once.
    if (!stage.incoming)
        stage.incoming = ImageSharedPointer::create();
    if (!stage.outgoing->readNextKeepingBackground(*stage.incoming))
        return false;
    stage.current->drawNext(stage.incoming, 1.0);
    const double weight = std::clamp(w, 0.0, 1.0);
    if (weight > 0.0) {
        QPainter painter(stage.outgoing->currentImage().data());
        painter.setOpacity(weight);
        painter.drawImage(0, 0, *stage.incoming);
    }
    return true;
}

bool LibavRender::applyFades(QImage &picture, const ScenePlan &scene, int sceneNumber, int frameIndex) const
{
    const double d = 1.0 / timeBaseDen;
    const double fadeInLength = theme->fadeIn * d;
    const double fadeOutLength = theme->fadeOut * d;
    const double tau = frameIndex * d;
    const bool fadingIn = sceneNumber == 0 && tau < fadeInLength;
    const bool fadingOut = scene.slidesLeft == 0 && scene.length - tau < fadeOutLength;
    if (fadingIn)
        fadeToBlack(picture, int((1.0 - tau / fadeInLength) * 255));
    if (fadingOut)
        fadeToBlack(picture, int((1.0 - (scene.length - tau) / fadeOutLength) * 255));
    return fadingIn || fadingOut;
}

void LibavRender::failReading()
{
    if (!failed)
        CommonError::report(QStringLiteral("Render failed: no background frame"));
    failed = true;
}
