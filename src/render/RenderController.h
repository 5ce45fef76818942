#pragma once

#include "backgrounds/BackgroundDescriptor.h"
#include "project/Project.h"
#include "theme/ThemeTemplate.h"

#include <QImage>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QThread>

#include <memory>

class RenderWorker;

// Owns the render thread and its worker, and passes the worker's reports on, on the interface thread.
class RenderController : public QObject
{
    Q_OBJECT

public:
    explicit RenderController(QObject *parent = nullptr);
    // Stops a render still running, then waits for the thread: nothing outlives the controller.
    ~RenderController() override;

    void start(const ProjectPtr &project, const ThemeTemplatePtr &theme, const BackgroundDescriptor &background,
               const QString &resultPath);
    // Does nothing before start().
    void stop();

Q_SIGNALS:
    // path: the name the video was given.
    void done(const QString &path);
    void error();
    void stopped();
    void onProgress(float progress);
    void onPreview(QSharedPointer<QImage> image);

private:
    void finishThread();

    std::unique_ptr<RenderWorker> worker;
    std::unique_ptr<QThread> thread;
};
