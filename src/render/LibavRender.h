#pragma once

#include "backgrounds/BackgroundDescriptor.h"
#include "project/Project.h"
#include "render/FramePool.h"
#include "render/ScenePlan.h"
#include "theme/SceneStyleSnapshot.h"
#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QSharedPointer>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>

class AsyncVideoOutput;
class IFrameSink;
class IAsyncAVInput;
class ISceneReader;
struct AVOutputFormat;

// Turns one project into one video: plays the theme's scenes over the background, overlaps
// consecutive scenes, fades in and out, and hands every frame to the video output.
class LibavRender : public QObject
{
    Q_OBJECT

public:
    LibavRender(const ProjectPtr &project, const ThemeTemplatePtr &theme, const BackgroundDescriptor &background,
                const QString &outputPath);
    ~LibavRender() override;

    static QSize outputSize(int quality);
    // Paints the whole image with black of that alpha (0 to 255).
    static void fadeToBlack(QImage &image, int alpha);

    // Runs the whole render on the calling thread; false after an error. A stopped render
    // returns true and leaves no file.
    bool render();
    // Plays the project into sink instead of a file (the live preview), from the scene that
    // holds fromTime; false after an error.
    bool play(IFrameSink &sink, double fromTime);
    // Frames of another size than the quality's (the preview's); call before render() or play().
    void setFrameSize(const QSize &size);
    // From any thread; takes effect at the next frame boundary.
    void stop();

Q_SIGNALS:
    // Once per frame, before the fades; img shares the frame's pixels, copy what you keep.
    void progress(QSharedPointer<QImage> img, double percent);

public Q_SLOTS:
    void onError();

private:
    struct Stage;

    // framesWanted: the frames the run will draw, when known (0 for the preview).
    bool run(IFrameSink &output, const QVector<ScenePlan> &plan, int firstScene, qint64 framesWanted);
    QSharedPointer<IAsyncAVInput> makeBackground(qint64 framesWanted);
    // The frames a run draws from the start of the video until seconds.
    int64_t framesUntil(double seconds) const;
    QSharedPointer<ISceneReader> makeReader(const ScenePlan &scene,
                                            const QSharedPointer<IAsyncAVInput> &background) const;
    // Starts preparing stage's upcoming scene, if any, on a thread of its own.
    void prepareAhead(Stage &stage);
    bool playScene(IFrameSink &output, const ScenePlan &scene, int sceneNumber, Stage &stage);
    bool drawFrame(IFrameSink &output, const ScenePlan &scene, int sceneNumber, Stage &stage, double T);
    void skipFrame(Stage &stage);
    bool beginOverlap(IFrameSink &output, Stage &stage) const;
    // One shared frame of two scenes: (1 - w) x the outgoing scene + w x the incoming one.
    bool handOver(Stage &stage, double w);
    // True when a fade darkened the picture.
    bool applyFades(QImage &picture, const ScenePlan &scene, int sceneNumber, int frameIndex) const;
    bool stopOrFailure() const { return stopRequested || failed; }
    void failReading();

    const AVOutputFormat *outputFormat;
    int timeBaseNum = 1;
    int timeBaseDen = 30;
    int pixelFormat = 0;
    std::atomic<bool> stopRequested{false};
    int height;
    int width;
    ProjectPtr project;
    ThemeTemplatePtr theme;
    BackgroundDescriptor background;
    // Taken when the run is set up: a style change during the run waits for the next one.
    SceneStyleSnapshot style;
    QString outputPath;
    std::atomic<bool> failed{false};
    FramePoolPtr pool;
    int64_t frameCount = 0; // frames handed to the output so far
};
