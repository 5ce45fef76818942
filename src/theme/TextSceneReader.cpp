#include "theme/TextSceneReader.h"

#include "theme/TextPicture.h"

TextSceneReader::TextSceneReader(const QSharedPointer<IAsyncAVInput> &input, int width, int height,
                                 const ThemeScenePtr &scene, SlideCursor &cursor, SlideCursor end, int totalFrames,
                                 const QVector<double> &slotLengths, const SceneStyleSnapshot &style)
    : SceneReaderBase(input, scene, totalFrames, slotLengths)
{
    bindSlides(scene, cursor, end, [&](const SceneObjectPtr &object, const Slide &slide) {
        const QImage title = renderTitlePicture(width, height, slide.content, style.textFont, style.textColor);
        return SceneSpritePtr::create(object, title, width, height, style);
    });
}
