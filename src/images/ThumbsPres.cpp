#include "images/ThumbsPres.h"
#include "app/Logging.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "images/ImageLoading.h"
#include "images/ImageProvider.h"
#include "project/IProjectSource.h"
#include "theme/SceneStyle.h"
#include "theme/StylePreview.h"
#include "theme/ThemeCatalogue.h"

#include <QPixmap>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int previewWidth = 1280;
constexpr int previewHeight = 720;
// The theme screen's looping preview: small, three scenes, every other scene frame.
constexpr int themePreviewWidth = 480;
constexpr int themePreviewHeight = 270;
constexpr int themePreviewScenes = 3;
constexpr int themePreviewStep = 2;
constexpr int themePreviewPhotos = 6;

const QString placeholderPhoto = QStringLiteral(":/assets/images/imgStyleThumbSlide.png");
const QStringList samplePhotos = {placeholderPhoto, QStringLiteral(":/assets/images/sample2.png"),
                                  QStringLiteral(":/assets/images/sample3.png")};

SlidePtr firstSlideOfType(const QVector<SlidePtr> &projectSlides, int type)
{
    for (const SlidePtr &slide : projectSlides) {
        // A missing photo has nothing to show; the next one, or the sample, stands in.
        if (slide->type == type && !slide->missing)
            return slide;
    }
    return SlidePtr();
}

// The project's first photos that can be shown, or the sample pictures.
QVector<Slide> themePreviewSlides(const QVector<SlidePtr> &projectSlides)
{
    QVector<Slide> slides;
    for (const SlidePtr &slide : projectSlides) {
        if (slide->type == ImageSlideType && !slide->leftOut() && slides.size() < themePreviewPhotos)
            slides << *slide;
    }
    if (!slides.isEmpty())
        return slides;
    for (const QString &path : samplePhotos) {
        Slide sample;
        sample.content = path;
        slides << sample;
    }
    return slides;
}

} // namespace

ThumbsPres::ThumbsPres()
{
    m_themePool.setMaxThreadCount(1);
    m_framesTimer.setSingleShot(true);
    m_framesTimer.setInterval(framesIntervalMs);
    connect(&m_framesTimer, &QTimer::timeout, this, &ThumbsPres::themePreviewFramesChanged);
}

ThumbsPres::~ThumbsPres()
{
    if (m_themeCancelled)
        *m_themeCancelled = true;
    m_themePool.waitForDone();
}

void ThumbsPres::setImgStyleThumb(const QString &id)
{
    if (id == m_imgStyleThumb)
        return;
    m_imgStyleThumb = id;
    Q_EMIT imgStyleThumbChanged();
}

void ThumbsPres::setTextStyleThumb(const QString &id)
{
    if (id == m_textStyleThumb)
        return;
    m_textStyleThumb = id;
    Q_EMIT textStyleThumbChanged();
}

StyleSettingsPtr ThumbsPres::style() const
{
    const StyleSettingsPtr current = m_styleSource ? m_styleSource() : StyleSettingsPtr();
    return current ? current : StyleSettingsPtr::create();
}

QImage ThumbsPres::canvas(int width, int height) const
{
    return canvas(BackgroundCatalogue::instance()->entry(style()->bgId), width, height);
}

QImage ThumbsPres::canvas(const BackgroundDescriptor &background, int width, int height)
{
    if (background.isColor()) {
        QImage filled(width, height, QImage::Format_RGB32);
        filled.fill(background.color);
        return filled;
    }
    // A picture is decoded straight at the preview's size (a custom one may be a full camera
    // photo); a video's small thumbnail is enlarged smoothly.
    const ImageSharedPointer source =
        background.isVideo() ? loadImage(background.thumbPath) : loadScaledImage(background.path, height, width);
    QImage picture = StylePreview::coverCrop(*source, height, width);
    if (picture.isNull()) {
        // A background that cannot be read still gives a frame to draw on.
        picture = QImage(width, height, QImage::Format_RGB32);
        picture.fill(Qt::black);
    }
    return picture;
}

QString ThumbsPres::publish(const QImage &image, const QString &previous)
{
    const QString id = ImageProvider::instance()->addPixmap(PixmapSharedPointer::create(QPixmap::fromImage(image)));
    if (!previous.isEmpty())
        ImageProvider::instance()->removeImage(previous);
    return id;
}

QVector<SlidePtr> ThumbsPres::projectSlides() const
{
    const ProjectPtr project = m_project ? m_project->project() : ProjectPtr();
    return project ? project->slides : QVector<SlidePtr>();
}

void ThumbsPres::genImgStyleThumb()
{
    const StyleSettingsPtr current = style();
    Slide slide;
    slide.content = placeholderPhoto;
    if (const SlidePtr first = firstSlideOfType(projectSlides(), ImageSlideType))
        slide = *first;
    const QImage preview = StylePreview::photoPreview(canvas(previewWidth, previewHeight),
                                                      ThemeCatalogue::instance()->templateFor(current->themeId), slide);
    setImgStyleThumb(publish(preview, m_imgStyleThumb));
}

void ThumbsPres::genTextStyleThumb()
{
    const StyleSettingsPtr current = style();
    const SlidePtr first = firstSlideOfType(projectSlides(), TextSlideType);
    const QString text = first ? first->content : QStringLiteral("Pictovia");
    SceneStyle *sceneStyle = SceneStyle::instance();
    const QImage preview = StylePreview::textPreview(canvas(previewWidth, previewHeight),
                                                     ThemeCatalogue::instance()->templateFor(current->themeId), text,
                                                     sceneStyle->textFont(), sceneStyle->textColor());
    setTextStyleThumb(publish(preview, m_textStyleThumb));
}

void ThumbsPres::requestThemePreview(int themeId)
{
    releaseThemePreview();
    m_themeClock.start();
    const quint64 request = ++m_themeRequest;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_themeCancelled = cancelled;
    setThemePreviewBusy(true);
    // What the interface thread owns is read here; decoding and drawing happen on the pool.
    const BackgroundDescriptor background = BackgroundCatalogue::instance()->entry(style()->bgId);
    const QVector<Slide> slides = themePreviewSlides(projectSlides());
    const SceneStyleSnapshot sceneStyle = SceneStyle::instance()->snapshot();
    QtConcurrent::run(&m_themePool, [this, themeId, request, cancelled, background, slides, sceneStyle] {
        const auto deliver = [this, request, cancelled](const QImage &frame) {
            QMetaObject::invokeMethod(
                this, [this, request, frame] { takeThemeFrame(request, frame); }, Qt::QueuedConnection);
            return !cancelled->load();
        };
        // A request overtaken while it waited for the thread draws nothing.
        if (!cancelled->load())
            StylePreview::sceneFrames(canvas(background, themePreviewWidth, themePreviewHeight),
                                      ThemeCatalogue::instance()->templateFor(themeId), slides, themePreviewScenes,
                                      themePreviewStep, sceneStyle, deliver);
        QMetaObject::invokeMethod(this, [this, request] { finishThemePreview(request); }, Qt::QueuedConnection);
    });
}

void ThumbsPres::takeThemeFrame(quint64 request, const QImage &frame)
{
    if (request != m_themeRequest)
        return;
    m_themeFrames << ImageProvider::instance()->addImage(ImageSharedPointer::create(frame));
    if (m_themeFrames.size() == 1) {
        qCDebug(lcImages) << "theme preview: first frame" << m_themeClock.elapsed() << "ms after the request";
        Q_EMIT themePreviewFramesChanged();
    } else if (!m_framesTimer.isActive()) {
        m_framesTimer.start();
    }
}

void ThumbsPres::finishThemePreview(quint64 request)
{
    if (request != m_themeRequest)
        return;
    qCDebug(lcImages) << "theme preview:" << m_themeFrames.size() << "frames" << m_themeClock.elapsed()
                      << "ms after the request";
    m_framesTimer.stop();
    Q_EMIT themePreviewFramesChanged();
    setThemePreviewBusy(false);
}

void ThumbsPres::setThemePreviewBusy(bool busy)
{
    if (m_themeBusy == busy)
        return;
    m_themeBusy = busy;
    Q_EMIT themePreviewBusyChanged();
}

void ThumbsPres::releaseThemePreview()
{
    if (m_themeCancelled)
        *m_themeCancelled = true;
    // Frames still on their way belong to no request now.
    ++m_themeRequest;
    m_framesTimer.stop();
    for (const QString &id : std::as_const(m_themeFrames))
        ImageProvider::instance()->removeImage(id);
    if (!m_themeFrames.isEmpty()) {
        m_themeFrames.clear();
        Q_EMIT themePreviewFramesChanged();
    }
    setThemePreviewBusy(false);
}
