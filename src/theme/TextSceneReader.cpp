#include "theme/TextSceneReader.h"

#include "theme/SceneStyle.h"
#include "theme/TextPicture.h"

TextSceneReader::TextSceneReader(const QSharedPointer<IAsyncAVInput> &input, int width, int height,
                                 const ThemeScenePtr &scene, SlideCursor &cursor, SlideCursor end, int totalFrames,
                                 const QVector<double> &slotLengths)
    : SceneReaderBase(input, scene, totalFrames, slotLengths)
{
    const QFont font = SceneStyle::instance()->textFont();
    const QColor color = SceneStyle::instance()->textColor();
    bindSlides(scene, cursor, end, [&](const SceneObjectPtr &object, const Slide &slide) {
        return SceneSpritePtr::create(object, renderTitlePicture(width, height, slide.content, font, color), width,
                                      height);
    });
}
