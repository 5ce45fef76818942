#pragma once

#include "app/MetaTypes.h"

#include <QImage>
#include <QString>

// Decodes the file so that it covers height x width (one side equal, the other at least as
// large), using the decoder's reduced-size decoding where the format has it (JPEG), with the
// file's orientation applied. Always a non-null pointer; the image is null when decoding fails.
ImageSharedPointer loadScaledImage(const QString &path, int height, int width);

// The full-size image with the file's orientation applied. Always a non-null pointer.
ImageSharedPointer loadImage(const QString &path);

// The image smoothly scaled to cover height x width and cut to the centred band of that size.
QImage coverCropped(const QImage &image, int height, int width);
