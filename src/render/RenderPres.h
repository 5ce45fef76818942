#pragma once

#include "app/Singleton.h"
#include "render/RenderEstimate.h"

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QUrl>

class IOutputChoices;
class IProjectSource;
class IStyleChoices;
class RenderController;

// Starts, watches and stops a render for the rendering and done screens (QML "render").
class RenderPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRendering READ isRendering WRITE setIsRendering NOTIFY isRenderingChanged)
    Q_PROPERTY(int progress READ progress WRITE setProgress NOTIFY progressChanged)
    Q_PROPERTY(QString preview READ preview WRITE setPreview NOTIFY previewChanged)
    // Seconds since the render started, and seconds left (-1 while unknown).
    Q_PROPERTY(int elapsed READ elapsed NOTIFY elapsedChanged)
    Q_PROPERTY(int timeLeft READ timeLeft NOTIFY timeLeftChanged)
    // The video being made (once done, the name it was given), and its size in bytes once it
    // is done (-1 before).
    Q_PROPERTY(QString resultPath READ resultPath NOTIFY resultPathChanged)
    Q_PROPERTY(qint64 resultSize READ resultSize NOTIFY resultSizeChanged)
    // Why Play Video or Open Folder did nothing (the desktop has no program for it), for the done
    // screen; empty once one of them worked and when a render starts.
    Q_PROPERTY(QString openFailure READ openFailure NOTIFY openFailureChanged)

public:
    static RenderPres *instance() { return Singleton<RenderPres>::instance(); }

    bool isRendering() const { return m_isRendering; }
    void setIsRendering(bool rendering);
    int progress() const { return m_progress; }
    void setProgress(int progress);
    // Id of the latest preview in the image provider "ImageProvider".
    QString preview() const { return m_preview; }
    void setPreview(const QString &preview);
    int elapsed() const { return m_elapsed; }
    int timeLeft() const { return m_timeLeft; }
    QString resultPath() const { return m_resultPath; }
    qint64 resultSize() const { return m_resultSize; }
    QString openFailure() const { return m_openFailure; }

    // "slideshow_yyyy.MM.dd_hh.mm.mp4" of time in saveDir; when that file exists,
    // " (2)", " (3)", ... before the extension, so an earlier video is never replaced. A file
    // that takes the name during the render moves the video on to the next free number.
    static QString resultPathFor(const QString &saveDir, const QDateTime &time);

    // What a video is made of: the open project, the video settings screen's resolution and
    // folder, and the style.
    void setChoices(const IProjectSource *project, const IOutputChoices *output, IStyleChoices *style);

    // Renders the open project with the chosen style and output settings; replaces (and if
    // need be stops) the previous render.
    Q_INVOKABLE void start();
    // Does nothing when no render is running.
    Q_INVOKABLE void stop();
    // The video, or the folder holding it, in the desktop's program for it.
    Q_INVOKABLE void play();
    Q_INVOKABLE void openFolder();
    // Puts resultPath on the clipboard, for a user whose desktop opened neither.
    Q_INVOKABLE void copyResultPath() const;

Q_SIGNALS:
    void isRenderingChanged();
    void progressChanged();
    void previewChanged();
    void elapsedChanged();
    void timeLeftChanged();
    void resultPathChanged();
    void resultSizeChanged();
    void openFailureChanged();
    void done();
    void stopped();
    void error();

public Q_SLOTS:
    void onProgress(float progress);
    void onPreview(QSharedPointer<QImage> image);
    // path: the name the video was given, which another render may have made it change.
    void onDone(const QString &path);
    void onStopped();
    void onError();

private:
    friend class Singleton<RenderPres>;
    RenderPres() = default;
    ~RenderPres() override;

    void connectController();
    void endRender();
    void setEstimate(int elapsed, int timeLeft);
    void setResultSize(qint64 size);
    void openOrExplain(const QUrl &url, const QString &failure);
    void setOpenFailure(const QString &failure);

    bool m_isRendering = false;
    int m_progress = 0;
    QString m_preview;
    QString m_resultPath;
    qint64 m_resultSize = -1;
    QString m_openFailure;
    RenderController *m_controller = nullptr; // child of this presenter
    const IProjectSource *m_project = nullptr;
    const IOutputChoices *m_output = nullptr;
    IStyleChoices *m_style = nullptr;
    int m_elapsed = 0;
    int m_timeLeft = -1;
    RenderEstimate m_estimate;
};
