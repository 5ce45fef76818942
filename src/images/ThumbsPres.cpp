#include "images/ThumbsPres.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "images/ImageLoading.h"
#include "images/ImageProvider.h"
#include "images/StylePreview.h"
#include "project/ProjectPres.h"
#include "theme/SceneStyle.h"
#include "theme/ThemeCatalogue.h"

#include <QPixmap>

namespace {

constexpr int previewWidth = 1280;
constexpr int previewHeight = 720;
// The theme screen's looping preview: small, three scenes, every other scene frame.
constexpr int themePreviewWidth = 480;
constexpr int themePreviewHeight = 270;
constexpr int themePreviewScenes = 3;
constexpr int themePreviewStep = 2;

const QString placeholderPhoto = QStringLiteral(":/assets/images/imgStyleThumbSlide.png");
const QStringList samplePhotos = {placeholderPhoto, QStringLiteral(":/assets/images/sample2.png"),
                                  QStringLiteral(":/assets/images/sample3.png")};

SlidePtr firstSlideOfType(int type)
{
    for (const SlidePtr &slide : ProjectPres::instance()->project()->slides) {
        // A missing photo has nothing to show; the next one, or the sample, stands in.
        if (slide->type == type && !slide->missing)
            return slide;
    }
    return SlidePtr();
}

} // namespace

ThumbsPres::~ThumbsPres() = default;

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
    const BackgroundDescriptor background = BackgroundCatalogue::instance()->entry(style()->bgId);
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

void ThumbsPres::genImgStyleThumb()
{
    const StyleSettingsPtr current = style();
    Slide slide;
    slide.content = placeholderPhoto;
    if (const SlidePtr first = firstSlideOfType(ImageSlideType))
        slide = *first;
    const QImage preview = StylePreview::photoPreview(canvas(previewWidth, previewHeight),
                                                      ThemeCatalogue::instance()->templateFor(current->themeId), slide);
    setImgStyleThumb(publish(preview, m_imgStyleThumb));
}

void ThumbsPres::genTextStyleThumb()
{
    const StyleSettingsPtr current = style();
    const SlidePtr first = firstSlideOfType(TextSlideType);
    const QString text = first ? first->content : QStringLiteral("Pictovia");
    SceneStyle *sceneStyle = SceneStyle::instance();
    const QImage preview = StylePreview::textPreview(canvas(previewWidth, previewHeight),
                                                     ThemeCatalogue::instance()->templateFor(current->themeId), text,
                                                     sceneStyle->textFont(), sceneStyle->textColor());
    setTextStyleThumb(publish(preview, m_textStyleThumb));
}

QStringList ThumbsPres::themePreviewFrames(int themeId)
{
    releaseThemePreview();
    QStringList photos;
    for (const SlidePtr &slide : ProjectPres::instance()->project()->slides) {
        if (slide->type == ImageSlideType && !slide->missing && photos.size() < 6)
            photos << slide->content;
    }
    if (photos.isEmpty())
        photos = samplePhotos;
    const QList<QImage> frames =
        StylePreview::sceneFrames(canvas(themePreviewWidth, themePreviewHeight),
                                  ThemeCatalogue::instance()->templateFor(themeId), photos, themePreviewScenes, themePreviewStep);
    for (const QImage &frame : frames)
        m_themeFrames << ImageProvider::instance()->addImage(ImageSharedPointer::create(frame));
    return m_themeFrames;
}

void ThumbsPres::releaseThemePreview()
{
    for (const QString &id : qAsConst(m_themeFrames))
        ImageProvider::instance()->removeImage(id);
    m_themeFrames.clear();
}
