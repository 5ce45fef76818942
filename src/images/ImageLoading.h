#pragma once

#include "app/MetaTypes.h"
#include "images/ImageDecoder.h"

#include <QImage>
#include <QString>

// Every picture these make, decoded or scaled, stays within a memory cap; a file that would need
// more gives a null image and a warning naming it and the sizes.

// Decodes the file so that it covers height x width (one side equal, the other at least as
// large), using the decoder's reduced-size decoding where the format has it (JPEG), with the
// file's orientation applied. Always a non-null pointer; the image is null when decoding fails
// or the decoded or covering picture would exceed ImageDecoder::thumbnailBytes (an extreme shape).
ImageSharedPointer loadScaledImage(const QString &path, int height, int width);

// The full-size image with the file's orientation applied, null beyond maxBytes. Always a non-null
// pointer.
ImageSharedPointer loadImage(const QString &path, qint64 maxBytes = ImageDecoder::photoBytes);

// The image smoothly scaled to cover height x width and cut to the centred band of that size; null
// when the covering picture would exceed ImageDecoder::thumbnailBytes (the warning names source).
QImage coverCropped(const QImage &image, int height, int width, const QString &source = QString());

// Why the file cannot be a picture, from its header alone (nothing is decoded): empty when it can;
// otherwise a short translated reason ("not found", "not a regular file", "empty file", "cannot be
// opened", "not a picture", "damaged picture", "too large: 65000 x 36563"). Too large: even the
// smallest picture the decoder can make of it (an eighth of each side for JPEG) exceeds maxBytes,
// by default the cap of the thumbnail every photo gets first.
QString unreadableReason(const QString &path, qint64 maxBytes = ImageDecoder::thumbnailBytes);
