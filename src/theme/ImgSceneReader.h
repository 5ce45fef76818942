#pragma once

#include "theme/SceneReaderBase.h"
#include "theme/SceneStyle.h"

// Plays a photo scene: each object shows one image slide with border and shadow.
class ImgSceneReader : public SceneReaderBase
{
public:
    ImgSceneReader(const QSharedPointer<IAsyncAVInput> &input, int width, int height, const ThemeScenePtr &scene,
                   SlideCursor &cursor, SlideCursor end, int totalFrames, const QVector<double> &slotLengths,
                   const SceneStyleSnapshot &style = SceneStyle::instance()->snapshot());
};
