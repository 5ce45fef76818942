#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

#include "project/Slide.h"

// Writes a small picture of the given colour (JPEG for .jpg/.jpeg, else PNG); false when it fails.
bool makeImageFile(const QString &path, const QColor &colour = Qt::red, int width = 32, int height = 24);

// Writes count PNG files "<prefix><n>.png" into folder and returns their paths in order.
QStringList makeImageFiles(const QString &folder, int count, const QString &prefix = QStringLiteral("photo"));

// "type:durationType:duration:rotation:content" per slide, joined by "|", for comparing slide lists.
QString describeSlides(const QVector<SlidePtr> &slides);
