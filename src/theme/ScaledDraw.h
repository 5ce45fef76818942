#pragma once

#include <QImage>
#include <QRect>
#include <QTransform>

// Draws a premultiplied ARGB picture onto an RGB32 target through a scale and translation with
// positive scales, as the painter's smooth antialiased draw does (bilinear samples at pixel
// centres with the picture's outer pixels repeated outwards, edge pixels weighted by the share
// the picture covers, source-over with the opacity) at a fraction of its cost per pixel: whole
// rows go through SIMD filters. Returns false, drawing nothing, for what it does not
// handle (rotation, shear, perspective, mirroring, other formats, huge pictures); the caller
// then paints with QPainter. opaque, when given, is an area of the picture (in its pixels) the
// caller knows to be opaque: there the rows are mixed straight into the target.
bool drawScaled(QImage &target, const QImage &picture, const QTransform &transform, qreal opacity,
                const QRect &opaque = QRect());
