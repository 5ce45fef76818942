#pragma once

#include <QImage>
#include <QTransform>

// Draws a premultiplied ARGB picture onto an RGB32 or premultiplied ARGB target through a
// perspective transform: bilinear sampling, antialiased edges, source-over with the opacity.
// The general painter path costs several times more per pixel for such transforms. Returns
// false, drawing nothing, for what it does not handle (other formats, a picture crossing
// the horizon, a singular transform); the caller then paints with QPainter.
bool drawProjective(QImage &target, const QImage &picture, const QTransform &transform, qreal opacity);
