#pragma once

#include <QColor>

// Luminance contrast as readers perceive it: sRGB relative luminance and the contrast ratio
// of two colours (1 for equal ones, 21 for black on white), as accessibility guides measure it.
namespace ColourContrast {

// The contrast a title must keep against what is right behind it.
constexpr double ReadableRatio = 4.5;

double relativeLuminance(const QColor &colour);
double ratio(const QColor &a, const QColor &b);

// front painted over back at front's alpha, in 8-bit sRGB as QPainter blends; the result is opaque.
QColor over(const QColor &front, const QColor &back);

// The band behind a title in the text colour: black or white, whichever contrasts more, and
// opaque enough that even over the background most like the text (white behind a dark band,
// black behind a light one) the text keeps ReadableRatio. Never lighter than a soft veil.
QColor titleBand(const QColor &text);

} // namespace ColourContrast
