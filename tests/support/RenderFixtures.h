#pragma once

#include "project/Project.h"
#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QRectF>
#include <QString>

// Synthetic themes and projects for render tests, built in memory.
namespace RenderFixtures {

// A scene whose objects stand still in the given rectangles (fractions of the frame) for
// frames scene frames, with a keyframe on every frame.
ThemeScenePtr stillScene(int type, int frames, const QList<QRectF> &boxes);
// A project of image slides with their own durations; paths may name missing files.
ProjectPtr imageProject(const QStringList &paths, double seconds, int quality = 0);
SlidePtr slide(int type, const QString &content, double seconds);
// Adds up durations and sets the used count the way the project model would for a fixed length.
void settle(Project &project);
// Writes a w x h picture of one colour and returns its path.
QString colourPicture(const QString &folder, const QString &name, QColor colour, int w = 64, int h = 64);

} // namespace RenderFixtures
