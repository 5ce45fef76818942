#include "theme/DropShadow.h"

#include "app/CommonError.h"
#include "app/Logging.h"
#include "images/ImageDecoder.h"
#include "images/PictureMemory.h"

#include <QPainter>
#include <QtWidgets/qtwidgetsglobal.h>

#include <algorithm>
#include <atomic>
#include <cmath>

// The exponential blur behind Qt's blur and drop-shadow effects.
Q_WIDGETS_EXPORT void qt_blurImage(QPainter *p, QImage &blurImage, qreal radius, bool quality, bool alphaOnly,
                                   int transposed = 0);

namespace {

void appendCorners(QVector<QPointF> &corners, int left, int top, int width, int height)
{
    corners << QPointF(left, top) << QPointF(left + width, top) << QPointF(left + width, top + height)
            << QPointF(left, top + height);
}

void reportShadowFailureOnce()
{
    static std::atomic<bool> reported{false};
    if (!reported.exchange(true))
        CommonError::report(QStringLiteral("Failed to create shadow visual effect."));
}

// The picture alone, when its shadow cannot be made.
QImage withoutShadow(const QImage &picture, QVector<QPointF> &corners)
{
    reportShadowFailureOnce();
    appendCorners(corners, 0, 0, picture.width(), picture.height());
    return picture;
}

// The picture's alpha, blurred by radius and coloured; a null image when memory runs out.
QImage shadowMask(const QImage &picture, int radius, const QColor &color)
{
    QImage source = PictureMemory::image(picture.width() + 2 * radius, picture.height() + 2 * radius,
                                         QImage::Format_ARGB32_Premultiplied);
    QImage mask = PictureMemory::image(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (source.isNull() || mask.isNull())
        return QImage();
    source.fill(Qt::transparent);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&source);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(radius, radius, picture);
    }
    QPainter painter(&mask);
    qt_blurImage(&painter, source, radius, false, true);
    painter.resetTransform(); // the blur may have drawn a half-size result scaled up
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(mask.rect(), color);
    return mask;
}

} // namespace

QImage dropShadow(const QImage &picture, float offsetX, float offsetY, float blur, const QColor &color,
                  int referenceLength, QVector<QPointF> &corners)
{
    const int w = picture.width();
    const int h = picture.height();
    if (!(blur > 0.00001f) || picture.isNull()) {
        appendCorners(corners, 0, 0, w, h);
        return picture;
    }
    // Sizes in floating point first: a huge blur overflows an int, and a picture above the
    // decoder's cap would be filled (and bring in the out-of-memory killer) on an overcommitting system.
    const double radius = std::ceil(referenceLength * blur);
    const double shiftX = std::ceil(referenceLength * offsetX);
    const double shiftY = std::ceil(referenceLength * offsetY);
    const double outerW = std::max(0.0, radius + shiftX) + w + std::max(0.0, radius - shiftX);
    const double outerH = std::max(0.0, radius + shiftY) + h + std::max(0.0, radius - shiftY);
    const double maskBytes = (w + 2 * radius) * (h + 2 * radius) * 4;
    // Written to fail on NaN too (an offset that is no number).
    if (!(outerW * outerH * 4 <= ImageDecoder::photoBytes) || !(maskBytes <= ImageDecoder::photoBytes)) {
        qCWarning(lcTheme) << "Shadow of" << w << "x" << h << "radius" << radius << "is above the memory cap";
        return withoutShadow(picture, corners);
    }
    const int r = int(radius);
    const int ox = int(shiftX);
    const int oy = int(shiftY);
    const int padL = std::max(0, r - ox);
    const int padT = std::max(0, r - oy);
    QImage result = PictureMemory::image(std::max(0, r + ox) + w + padL, std::max(0, r + oy) + h + padT,
                                         QImage::Format_ARGB32_Premultiplied);
    const QImage mask = result.isNull() ? QImage() : shadowMask(picture, r, color);
    if (mask.isNull()) {
        qCWarning(lcTheme) << "No memory for a shadow of" << w << "x" << h << "radius" << r;
        return withoutShadow(picture, corners);
    }
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawImage(std::max(0, ox - r), std::max(0, oy - r), mask);
    painter.drawImage(padL, padT, picture);
    appendCorners(corners, padL, padT, w, h);
    return result;
}

QImage blurredBackdrop(const QImage &photo, const QSize &frame)
{
    if (photo.isNull() || frame.isEmpty())
        return QImage();
    // Sized in 64 bits first: an extreme shape would cover the small frame at gigabytes (or wrap).
    const qint64 boxW = std::max(16, frame.width() / 10);
    const qint64 boxH = std::max(9, frame.height() / 10);
    const qint64 byHeight = boxH * photo.width() / photo.height();
    const qint64 w = byHeight >= boxW ? byHeight : boxW;
    const qint64 h = byHeight >= boxW ? boxH : boxW * photo.height() / photo.width();
    if (!ImageDecoder::fits(w, h, ImageDecoder::photoBytes)) {
        qCWarning(lcTheme) << "No backdrop for a photo of" << photo.size() << ": its cover is above the memory cap";
        return QImage();
    }
    const QSize small{int(w), int(h)};
    QImage source = photo.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage backdrop(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (source.isNull() || backdrop.isNull())
        return QImage();
    backdrop.fill(Qt::black);
    QPainter painter(&backdrop);
    qt_blurImage(&painter, source, 6, true, false);
    painter.resetTransform();
    painter.fillRect(backdrop.rect(), QColor(0, 0, 0, 45));
    return backdrop;
}
