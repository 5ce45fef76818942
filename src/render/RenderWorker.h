#pragma once

#include "backgrounds/BackgroundDescriptor.h"
#include "project/Project.h"
#include "theme/ThemeTemplate.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <atomic>

class LibavRender;

// Runs one render on the render thread: drives the compositor, turns every 30th frame into a
// preview picture and reports how the render ended.
class RenderWorker : public QObject
{
    Q_OBJECT

public:
    RenderWorker(const ProjectPtr &project, const ThemeTemplatePtr &theme, const BackgroundDescriptor &background,
                 const QString &resultPath);
    ~RenderWorker() override;

    // From the interface thread, at any moment: before, during or after process().
    void stop();

Q_SIGNALS:
    // Only when the render was not stopped; quits the render thread.
    void finished();
    // path: the name the video was given.
    void done(const QString &path);
    void stopped();
    void error();
    void onProgress(float progress);
    void onPreview(QSharedPointer<QImage> image);

public Q_SLOTS:
    void process();
    // Called on the render thread inside the compositor's frame loop, while img is still valid.
    void onRenderProgress(QSharedPointer<QImage> img, double percent);

private:
    ProjectPtr project;
    ThemeTemplatePtr theme;
    BackgroundDescriptor background; // passed on to the compositor
    QString resultPath;
    LibavRender *render = nullptr; // exists only while process() runs; guarded by renderLock
    std::atomic<bool> stopRequested{false}; // set by stop(); the signal stopped() reports it
    int frameCounter = -1;
    QMutex renderLock;
};
