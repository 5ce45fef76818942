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
        float pointSize = 0.0f;
        const QImage text = renderTextPicture(width, height, slide.content, font, color, 0.96f, 0.96f, pointSize);
        return SceneSpritePtr::create(object, text, width, height);
    });
}
