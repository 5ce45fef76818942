#include "theme/StylePreview.h"
#include "images/ImageLoading.h"
#include "theme/SceneSprite.h"
#include "theme/TextPicture.h"


namespace StylePreview {

QImage coverCrop(const QImage &picture, int height, int width)
{
    // Smooth rather than fast scaling: the preview is looked at closely, and it is made once.
    return picture.isNull() ? picture : coverCropped(picture, height, width);
}

ThemeScenePtr singleObjectScene(const QList<ThemeScenePtr> &scenes)
{
    for (const ThemeScenePtr &scene : scenes)
        if (scene->objects.size() == 1)
            return scene;
    return scenes.isEmpty() ? ThemeScenePtr() : scenes.first();
}

static QImage drawSprite(const QImage &canvas, const ThemeScenePtr &scene, const SceneSprite &sprite)
{
    QImage image = canvas.convertToFormat(QImage::Format_RGB32);
    sprite.drawAt(scene->frames / 2, image, 1.0);
    return image;
}

QImage photoPreview(const QImage &canvas, const ThemeTemplatePtr &theme, const Slide &slide)
{
    const ThemeScenePtr scene = theme ? singleObjectScene(theme->photoScenes) : ThemeScenePtr();
    if (!scene || scene->objects.isEmpty())
        return canvas;
    const SceneSprite sprite(scene->objects.first(), slide, canvas.width(), canvas.height());
    return drawSprite(canvas, scene, sprite);
}

QImage textPreview(const QImage &canvas, const ThemeTemplatePtr &theme, const QString &text,
                   const QFont &font, const QColor &color)
{
    const ThemeScenePtr scene = theme ? singleObjectScene(theme->textScenes) : ThemeScenePtr();
    if (!scene || scene->objects.isEmpty())
        return canvas;
    // The very title the video draws, at the preview's size: lines, band and shadow scale with it.
    const QImage picture = renderTitlePicture(canvas.width(), canvas.height(), text, font, color);
    const SceneSprite sprite(scene->objects.first(), picture, canvas.width(), canvas.height());
    return drawSprite(canvas, scene, sprite);
}

void sceneFrames(const QImage &canvas, const ThemeTemplatePtr &theme, const QVector<Slide> &slides, int scenes,
                 int step, const SceneStyleSnapshot &style, const FrameSink &take)
{
    if (!theme || slides.isEmpty())
        return;
    const QImage base = canvas.convertToFormat(QImage::Format_RGB32);
    int next = 0;
    for (int s = 0; s < scenes && s < theme->photoScenes.size(); ++s) {
        const ThemeScenePtr &scene = theme->photoScenes.at(s);
        // Only this scene's photos are loaded before its first frame.
        QList<QSharedPointer<SceneSprite>> sprites;
        for (const SceneObjectPtr &object : scene->objects)
            sprites << QSharedPointer<SceneSprite>::create(object, slides.at(next++ % slides.size()), base.width(),
                                                           base.height(), style);
        for (int frame = 0; frame < scene->frames; frame += step) {
            QImage image = base;
            for (const auto &sprite : sprites)
                sprite->drawAt(frame, image, 1.0);
            if (!take(image))
                return;
        }
    }
}

} // namespace StylePreview
