#pragma once

#include "project/Slide.h"
#include "theme/SceneStyleSnapshot.h"
#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// Pictures of one slide placed in a theme over a background, drawn by the renderer's own scene
// code: the style screen's previews and the theme screen's looping preview.
namespace StylePreview {

// Exactly width x height: unchanged when already that size, else scaled to cover and the
// centred band taken.
QImage coverCrop(const QImage &picture, int height, int width);

// The first scene of the list with exactly one object; a theme without one gives its first
// scene, and an empty list none.
ThemeScenePtr singleObjectScene(const QList<ThemeScenePtr> &scenes);

// The photo slide in the middle of the theme's first one-photo scene, over canvas.
QImage photoPreview(const QImage &canvas, const ThemeTemplatePtr &theme, const Slide &slide);

// The text, rendered with font and colour, in the middle of the first one-text scene.
QImage textPreview(const QImage &canvas, const ThemeTemplatePtr &theme, const QString &text,
                   const QFont &font, const QColor &color);

// Takes each frame as it is drawn; false stops the drawing.
using FrameSink = std::function<bool(const QImage &frame)>;

// Frames of the theme's first photo scenes played one after the other, each slide of a scene
// taken in turn from slides, every `step` scene frames, at the canvas size, handed to take in
// order. Safe on any thread.
void sceneFrames(const QImage &canvas, const ThemeTemplatePtr &theme, const QVector<Slide> &slides, int scenes,
                 int step, const SceneStyleSnapshot &style, const FrameSink &take);

} // namespace StylePreview
