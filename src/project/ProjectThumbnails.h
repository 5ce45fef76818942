#pragma once

#include <QImage>
#include <QString>

// The 120 x 120 pictures that stand for the first slides of a saved project.
namespace ProjectThumbnails {

constexpr int side = 120;

// A photo's picture cut to the square and turned by rotation quarter turns clockwise.
QImage fromPhoto(const QImage &image, int rotation);
// The text shortened to 20 characters (trimmed, then "...") and drawn on the text-slide colour.
QImage fromText(const QString &text);
QString shortenedText(const QString &text);
// PNG by the file name, written under a temporary name first; false when it cannot be written.
bool save(const QImage &image, const QString &path);

} // namespace ProjectThumbnails
