#pragma once

#include <QImage>
#include <QString>

class QDir;

// The 120 x 120 pictures that stand for the first slides of a saved project.
namespace ProjectThumbnails {

constexpr int side = 120;
// How many of the first slides have a picture in the folder.
constexpr int count = 5;

// The file of the n-th slide's picture, n from 1.
QString fileIn(const QDir &folder, int n);

// A photo's picture cut to the square and turned by rotation quarter turns clockwise; null for a
// null picture or one too extreme in shape to cover the square within the memory cap.
QImage fromPhoto(const QImage &image, int rotation);
// The text shortened to 20 characters (trimmed, then "...") and drawn on the text-slide colour.
QImage fromText(const QString &text);
QString shortenedText(const QString &text);
// PNG by the file name, written under a temporary name first; false when it cannot be written.
bool save(const QImage &image, const QString &path);

} // namespace ProjectThumbnails
