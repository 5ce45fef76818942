#pragma once

#include "theme/SceneReaderBase.h"
#include "theme/SceneStyle.h"

// Plays a text scene: each object shows one text slide in the style's font, colour and shadow.
class TextSceneReader : public SceneReaderBase
{
public:
    TextSceneReader(const QSharedPointer<IAsyncAVInput> &input, int width, int height, const ThemeScenePtr &scene,
                    SlideCursor &cursor, SlideCursor end, int totalFrames, const QVector<double> &slotLengths,
                    const SceneStyleSnapshot &style = SceneStyle::instance()->snapshot());
};
