#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QVector>

// The picture with a blurred, offset shadow behind it. Offsets and blur are fractions of
// referenceLength (pixels); a blur of at most 0.00001 means no shadow. Appends the corners of
// the picture proper inside the result (top-left, top-right, bottom-right, bottom-left).
QImage dropShadow(const QImage &picture, float offsetX, float offsetY, float blur, const QColor &color,
                  int referenceLength, QVector<QPointF> &corners);

// A blurred, darkened copy of the photo, small (a tenth of the frame's size, covering it in the
// photo's proportion): drawn enlarged behind a photo that does not fill the frame by itself.
QImage blurredBackdrop(const QImage &photo, const QSize &frame);
