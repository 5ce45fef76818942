#include "render/RenderPres.h"

#include "app/Logging.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "images/ImageProvider.h"
#include "project/IOutputChoices.h"
#include "project/IProjectSource.h"
#include "project/IStyleChoices.h"
#include "render/RenderController.h"
#include "render/VideoFile.h"
#include "theme/ThemeCatalogue.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

RenderPres::~RenderPres() = default;

void RenderPres::setIsRendering(bool rendering)
{
    if (rendering == m_isRendering)
        return;
    m_isRendering = rendering;
    Q_EMIT isRenderingChanged();
}

void RenderPres::setProgress(int progress)
{
    if (progress == m_progress)
        return;
    m_progress = progress;
    Q_EMIT progressChanged();
}

void RenderPres::setPreview(const QString &preview)
{
    if (preview == m_preview)
        return;
    m_preview = preview;
    Q_EMIT previewChanged();
}

void RenderPres::setEstimate(int elapsed, int timeLeft)
{
    if (elapsed != m_elapsed) {
        m_elapsed = elapsed;
        Q_EMIT elapsedChanged();
    }
    if (timeLeft != m_timeLeft) {
        m_timeLeft = timeLeft;
        Q_EMIT timeLeftChanged();
    }
}

QString RenderPres::resultPathFor(const QString &saveDir, const QDateTime &time)
{
    const QString first =
        QDir(saveDir).filePath(time.toString(QStringLiteral("'slideshow_'yyyy.MM.dd'_'hh.mm")) + QStringLiteral(".mp4"));
    QString path = first;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = VideoFile::numbered(first, n);
    return path;
}

void RenderPres::setChoices(const IProjectSource *project, const IOutputChoices *output, IStyleChoices *style)
{
    m_project = project;
    m_output = output;
    m_style = style;
}

void RenderPres::start()
{
    m_progress = 0;
    Q_EMIT progressChanged();
    onPreview({});
    m_estimate.start();
    setEstimate(0, -1);

    delete m_controller; // stops a render still running and waits for its thread
    m_controller = new RenderController(this);
    connectController();

    const ProjectPtr project = m_project->project();
    project->setOutputSettings(m_output->resolution(), m_output->saveDir());
    const QString saveDir = project->output.saveDir;
    // Its failure shows up as the video's open failure, with the folder named.
    QDir().mkpath(saveDir);
    m_resultPath = resultPathFor(saveDir, QDateTime::currentDateTime());
    Q_EMIT resultPathChanged();
    setResultSize(-1);
    setOpenFailure(QString());

    // The style is applied afresh, so the video shows the choices even before the style
    // screens were opened.
    m_style->applyStyle();
    const BackgroundDescriptor background = BackgroundCatalogue::instance()->entry(m_style->bgId());
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(m_style->themeId());
    setIsRendering(true);
    // Missing photos stay in the open project but are not in the video.
    m_controller->start(project->withoutMissingSlides(), theme, background, m_resultPath);
}

void RenderPres::connectController()
{
    connect(m_controller, &RenderController::error, this, &RenderPres::onError);
    connect(m_controller, &RenderController::onProgress, this, &RenderPres::onProgress);
    connect(m_controller, &RenderController::onPreview, this, &RenderPres::onPreview);
    connect(m_controller, &RenderController::done, this, &RenderPres::onDone);
    connect(m_controller, &RenderController::stopped, this, &RenderPres::onStopped);
}

void RenderPres::stop()
{
    if (m_isRendering && m_controller)
        m_controller->stop();
}

void RenderPres::play()
{
    openOrExplain(QUrl::fromLocalFile(m_resultPath),
                  tr("No program could be started to play the video. Copy its location below to open it "
                     "in a player of your choice."));
}

void RenderPres::openFolder()
{
    openOrExplain(QUrl::fromLocalFile(QFileInfo(m_resultPath).dir().path()),
                  tr("No program could be started to open the folder. Copy the video's location below to "
                     "find it in your file manager."));
}

void RenderPres::openOrExplain(const QUrl &url, const QString &failure)
{
    const bool opened = QDesktopServices::openUrl(url);
    if (!opened)
        qCWarning(lcRender) << "No program opened" << url;
    setOpenFailure(opened ? QString() : failure);
}

void RenderPres::setOpenFailure(const QString &failure)
{
    if (failure == m_openFailure)
        return;
    m_openFailure = failure;
    Q_EMIT openFailureChanged();
}

void RenderPres::copyResultPath() const
{
    // The command-line program has no clipboard.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::clipboard()->setText(m_resultPath);
}

void RenderPres::onProgress(float progress)
{
    setProgress(int(progress));
    m_estimate.update(progress);
    setEstimate(m_estimate.elapsed(), m_estimate.timeLeft());
}

void RenderPres::onPreview(QSharedPointer<QImage> image)
{
    const QString previous = m_preview;
    setPreview(image ? ImageProvider::instance()->addImage(image) : QString());
    ImageProvider::instance()->removeImage(previous);
}

void RenderPres::endRender()
{
    disconnect(m_controller, nullptr, this, nullptr);
    setIsRendering(false);
}

void RenderPres::setResultSize(qint64 size)
{
    if (size == m_resultSize)
        return;
    m_resultSize = size;
    Q_EMIT resultSizeChanged();
}

void RenderPres::onDone(const QString &path)
{
    if (!path.isEmpty() && path != m_resultPath) {
        m_resultPath = path;
        Q_EMIT resultPathChanged();
    }
    setResultSize(QFileInfo(m_resultPath).size());
    endRender();
    Q_EMIT done();
}

void RenderPres::onError()
{
    endRender();
    Q_EMIT error();
}

void RenderPres::onStopped()
{
    endRender();
    // Called from the controller's own signal: it goes once control has left it, and then
    // waits for the render thread, whose work is over.
    m_controller->deleteLater();
    m_controller = nullptr;
    Q_EMIT stopped();
}
