#include "theme/ImgSceneReader.h"

ImgSceneReader::ImgSceneReader(const QSharedPointer<IAsyncAVInput> &input, int width, int height,
                               const ThemeScenePtr &scene, SlideCursor &cursor, SlideCursor end, int totalFrames,
                               const QVector<double> &slotLengths, const SceneStyleSnapshot &style)
    : SceneReaderBase(input, scene, totalFrames, slotLengths)
{
    bindSlides(scene, cursor, end, [&](const SceneObjectPtr &object, const Slide &slide) {
        return SceneSpritePtr::create(object, slide, width, height, style);
    });
}
