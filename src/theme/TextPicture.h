#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// A transparent width x height picture with the text centred and word-wrapped in a box of the
// given fractions of the picture. The font starts at the box height in points and shrinks by
// 0.9 until the text fits or the size drops below 3; pointSize receives the size used.
QImage renderTextPicture(int width, int height, const QString &text, const QFont &font, const QColor &color,
                         float boxWidthFraction, float boxHeightFraction, float &pointSize);

// The title of a text slide on a transparent width x height picture: centred lines of 9 %
// of the height, at most 70 % of the width, wrapped and shrunk to fit (never below 3.5 % of the
// height), on a band dark or light enough to keep them readable over any background
// (ColourContrast::titleBand). Previews draw their titles with it too, so they show what the video shows.
QImage renderTitlePicture(int width, int height, const QString &text, const QFont &font, const QColor &color);
