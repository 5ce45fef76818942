#pragma once

#include "theme/ThemeTemplate.h"

#include <QImage>
#include <QString>

// Building blocks for scene tests: objects with keyframes and photo files.
namespace SceneFixtures {

// A keyframe from corner fractions in polygon order.
Keyframe quad(QPointF topLeft, QPointF topRight, QPointF bottomRight, QPointF bottomLeft, float opacity = 1.0f);
// An axis-aligned keyframe covering the given rectangle of frame fractions.
Keyframe rect(double left, double top, double right, double bottom, float opacity = 1.0f);
// An object holding the same keyframe at every frame from 0 to lastFrame.
SceneObjectPtr steadyObject(const Keyframe &keyframe, int lastFrame, float aspect = 1.0f, float maxWidth = 1.0f,
                            float maxHeight = 1.0f);
ThemeScenePtr scene(int frames, const QList<SceneObjectPtr> &objects, int type = PhotoScene);

QImage solid(int width, int height, const QColor &color);
// Colour ramps in both directions, so scaling and turning show up in the pixels.
QImage gradient(int width, int height);
// Saves the picture as a file in dir (format by suffix) and returns the path.
QString saveImage(const QImage &image, const QString &dir, const QString &name);
// The largest difference of any colour channel between two pictures of one size; -1 otherwise.
int maxChannelDifference(const QImage &a, const QImage &b);

} // namespace SceneFixtures
