#include "theme/SceneSprite.h"

#include "app/Logging.h"
#include "images/ImageDecoder.h"
#include "images/PictureMemory.h"
#include "theme/DropShadow.h"
#include "theme/ProjectiveDraw.h"
#include "theme/ScaledDraw.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The photo with its orientation applied, decoded at a reduced size where the format allows
// and the object cannot show more pixels anyway; a null image when the file cannot be read.
QImage loadPhoto(const QString &path, int turns, const QSizeF &cap)
{
    ImageDecoder decoder(path);
    if (!decoder.canRead()) {
        qCWarning(lcTheme) << "Cannot read photo" << path << decoder.errorString();
        return QImage();
    }
    QSize decode;
    // The reduced sizes are those of the JPEG decoder's own reduced decoding.
    if (decoder.tellsSize() && decoder.reducedDecoding()) {
        const QSize stored = decoder.storedSize();
        decode = SceneSprite::decodeSize(stored, decoder.orientationTurns() != (turns % 2 == 1), cap);
        if (decode == stored)
            decode = QSize();
    }
    QImage image = decoder.read(decode);
    // The decoder has said why it refused one too large.
    if (image.isNull() && !decoder.tooLarge())
        qCWarning(lcTheme) << "Cannot read photo" << path << decoder.errorString();
    return image;
}

QImage rotatedClockwise(const QImage &image, int turns)
{
    if (turns == 0)
        return image;
    return image.transformed(QTransform().rotate(90.0 * turns));
}

// The border in pixels; none when it is not a size or would take the picture beyond the cap.
int borderPixels(const QSize &photo, int reference, float fraction)
{
    const double b = std::floor(reference * double(fraction));
    if (!(b > 0.0))
        return 0;
    if (b > double(ImageDecoder::photoBytes)
        || !ImageDecoder::fits(photo.width() + 2 * qint64(b), photo.height() + 2 * qint64(b), ImageDecoder::photoBytes)) {
        qCWarning(lcTheme) << "Border of" << b << "pixels around" << photo << "is above the memory cap";
        return 0;
    }
    return int(b);
}

// The size shrunk by s on each side, as the painter would by its height; a side that would
// become less than a pixel (an extreme shape) keeps one.
QSize shrunkSize(const QSize &size, double s)
{
    const int height = int(size.height() / s);
    if (height >= 1)
        return QSize(std::max(1, qRound(size.width() * double(height) / size.height())), height);
    return QSize(std::max(1, int(size.width() / s)), 1);
}

QImage withBorder(const QImage &photo, int b, const QColor &color)
{
    if (b <= 0)
        return photo;
    const int w = photo.width() + 2 * b;
    const int h = photo.height() + 2 * b;
    QImage bordered = PictureMemory::image(w, h, QImage::Format_ARGB32_Premultiplied);
    if (bordered.isNull())
        return bordered;
    // The new picture's memory is left as it came unless something shows through.
    if (photo.hasAlphaChannel() || color.alpha() < 255)
        bordered.fill(Qt::transparent);
    QPainter painter(&bordered);
    painter.fillRect(0, 0, b, h, color);
    painter.fillRect(0, 0, w, b, color);
    painter.fillRect(b + photo.width(), 0, b, h, color);
    painter.fillRect(0, b + photo.height(), w, b, color);
    painter.drawImage(b, b, photo);
    return bordered;
}

// Keyframes fainter than this are not looked at for the size a photo is drawn at.
constexpr float visibleOpacity = 0.3f;

bool isUpright(const Keyframe &k)
{
    return k.topLeft.y() == k.topRight.y() && k.bottomLeft.y() == k.bottomRight.y() && k.topLeft.x() == k.bottomLeft.x()
           && k.topRight.x() == k.bottomRight.x() && k.topRight.x() > k.topLeft.x() && k.bottomLeft.y() > k.topLeft.y();
}

QPointF blend(const QPointF &a, const QPointF &b, double t)
{
    return a * (1.0 - t) + b * t;
}

// Pixel positions are single precision, as the frame geometry is.
QPointF toPixels(const QPointF &point, const QSize &size)
{
    return QPointF(float(point.x() * size.width()), float(point.y() * size.height()));
}

} // namespace

SceneSprite::SceneSprite(const SceneObjectPtr &object, const Slide &slide, int outputWidth, int outputHeight,
                         const SceneStyleSnapshot &style)
    : m_object(object)
{
    const int turns = quarterTurns(slide.rotation);
    const QSizeF cap(object->maxWidth * outputWidth, object->maxHeight * outputHeight);
    prepare(rotatedClockwise(loadPhoto(slide.content, turns, cap), turns), outputWidth, outputHeight, true, style);
}

SceneSprite::SceneSprite(const SceneObjectPtr &object, const QImage &picture, int outputWidth, int outputHeight,
                         const SceneStyleSnapshot &style)
    : m_object(object)
{
    prepare(picture, outputWidth, outputHeight, false, style);
}

int SceneSprite::quarterTurns(int rotation)
{
    return ((rotation % 4) + 4) % 4;
}

QSize SceneSprite::decodeSize(const QSize &storedSize, bool turned, const QSizeF &cap)
{
    if (storedSize.isEmpty() || cap.isEmpty())
        return storedSize;
    const QSizeF shown = turned ? QSizeF(storedSize).transposed() : QSizeF(storedSize);
    const double fit = std::min(cap.width() / shown.width(), cap.height() / shown.height());
    if (fit >= 1.0)
        return storedSize;
    const QSize needed(int(std::ceil(storedSize.width() * fit)), int(std::ceil(storedSize.height() * fit)));
    for (int denominator : {8, 4, 2}) {
        // The reduced JPEG decoder rounds each side up.
        const QSize reduced((storedSize.width() + denominator - 1) / denominator,
                            (storedSize.height() + denominator - 1) / denominator);
        if (reduced.width() >= needed.width() && reduced.height() >= needed.height())
            return reduced;
    }
    return storedSize;
}

namespace {

// Edges moved so a picture of proportion q fits a box of the given aspect or, covering, fills it.
void edgeMargins(float q, float aspect, bool cover, bool &wide, float &margin)
{
    wide = (q > aspect) != cover;
    margin = (1.0f - (wide ? aspect / q : q / aspect)) * 0.5f;
}

} // namespace

void SceneSprite::prepare(const QImage &picture, int outputWidth, int outputHeight, bool photo,
                          const SceneStyleSnapshot &style)
{
    if (picture.isNull()) {
        qCWarning(lcTheme) << "Nothing to show for a scene object: empty picture";
        return;
    }
    const float ratio = float(picture.width()) / float(picture.height());
    if (photo)
        preparePhoto(picture, ratio, outputWidth, outputHeight, style);
    else
        prepareText(picture, ratio, style.textShadow);
    const float q = float(m_noted.width()) / float(m_noted.height());
    edgeMargins(q, m_object->aspect, false, m_wide, m_margin);
    if (photo && fillsFrame(*m_object))
        fillFrame(picture, QSize(outputWidth, outputHeight), q);
}

void SceneSprite::fillFrame(const QImage &photo, const QSize &output, float q)
{
    if (q >= CoverRatio) {
        edgeMargins(q, m_object->aspect, true, m_wide, m_margin);
        return;
    }
    m_backdrop = blurredBackdrop(photo, output);
    if (!m_backdrop.isNull())
        edgeMargins(float(m_backdrop.width()) / m_backdrop.height(), m_object->aspect, true, m_backdropWide,
                    m_backdropMargin);
}

bool SceneSprite::fillsFrame(const SceneObject &object)
{
    const QPointF corners[] = {{0.002, 0.002}, {0.998, 0.002}, {0.998, 0.998}, {0.002, 0.998}};
    const QRectF frame(-0.01, -0.01, 1.02, 1.02);
    bool beyond = false;
    for (const Keyframe &k : object.keyframes) {
        const QPolygonF quad({k.topLeft, k.topRight, k.bottomRight, k.bottomLeft});
        for (const QPointF &corner : corners) {
            if (!quad.containsPoint(corner, Qt::OddEvenFill))
                return false;
        }
        beyond |= !frame.contains(quad.boundingRect());
    }
    return beyond;
}

void SceneSprite::preparePhoto(const QImage &photo, float ratio, int outputWidth, int outputHeight,
                               const SceneStyleSnapshot &style)
{
    const bool widthIsReference = ratio > m_object->aspect;
    const int reference = widthIsReference ? photo.width() : photo.height();
    const int border = borderPixels(photo.size(), reference, style.borderWidth);
    const bool opaque = !photo.hasAlphaChannel() && (border <= 0 || style.borderColor.alpha() == 255);
    QImage picture = withBorder(photo, border, style.borderColor);
    const double sx = picture.width() / (m_object->maxWidth * outputWidth);
    const double sy = picture.height() / (m_object->maxHeight * outputHeight);
    const double s = std::max(sx, sy);
    QSize size = s > 1.0 ? shrunkSize(picture.size(), s) : picture.size();
    // Within the theme's cap, an upright picture is made the size it is drawn at where it is
    // largest (in Smooth, the top of its breath), so that there it is copied as it is.
    const QSize largest =
        largestUprightSize(float(picture.width()) / float(picture.height()), QSize(outputWidth, outputHeight));
    if (!largest.isEmpty() && largest.width() <= size.width() && largest.height() <= size.height())
        size = largest;
    if (size != picture.size())
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_noted = picture.size();
    const ShadowSpec shadow = style.photoShadow;
    m_picture = dropShadow(picture, shadow.offsetX, shadow.offsetY, shadow.blur, shadow.color,
                           widthIsReference ? picture.width() : picture.height(), m_pictureQuad);
    // The photo and its border inside the shadow margin, whole pixels as the shadow placed them.
    if (opaque && m_pictureQuad.size() == 4)
        m_opaqueArea = QPolygonF(m_pictureQuad).boundingRect().toRect();
}

void SceneSprite::prepareText(const QImage &text, float ratio, const ShadowSpec &shadow)
{
    const QImage picture = text.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_noted = picture.size();
    m_picture = dropShadow(picture, shadow.offsetX, shadow.offsetY, shadow.blur, shadow.color,
                           ratio > m_object->aspect ? picture.width() : picture.height(), m_pictureQuad);
}

std::optional<Keyframe> SceneSprite::keyframeAt(double position) const
{
    const auto &keyframes = m_object->keyframes;
    const auto first = keyframes.constFind(int(std::floor(position)));
    const auto second = keyframes.constFind(int(std::ceil(position)));
    if (first == keyframes.cend() && second == keyframes.cend())
        return std::nullopt;
    if (first == keyframes.cend() || second == keyframes.cend() || first == second)
        return first != keyframes.cend() ? *first : *second;
    const double t = position - first.key();
    Keyframe blended;
    blended.topLeft = blend(first->topLeft, second->topLeft, t);
    blended.topRight = blend(first->topRight, second->topRight, t);
    blended.bottomRight = blend(first->bottomRight, second->bottomRight, t);
    blended.bottomLeft = blend(first->bottomLeft, second->bottomLeft, t);
    blended.opacity = float(first->opacity * (1.0 - t) + second->opacity * t);
    return blended;
}

QPolygonF SceneSprite::fitted(const Keyframe &keyframe, const QSize &imageSize, bool wide, float margin)
{
    QPointF tl = toPixels(keyframe.topLeft, imageSize);
    QPointF tr = toPixels(keyframe.topRight, imageSize);
    QPointF br = toPixels(keyframe.bottomRight, imageSize);
    QPointF bl = toPixels(keyframe.bottomLeft, imageSize);
    if (wide) {
        const QPointF e = (bl - tl) * margin;
        const QPointF g = (br - tr) * margin;
        tl += e;
        bl -= e;
        tr += g;
        br -= g;
    } else {
        const QPointF e = (tr - tl) * margin;
        const QPointF g = (br - bl) * margin;
        tl += e;
        tr -= e;
        bl += g;
        br -= g;
    }
    return QPolygonF({tl, tr, br, bl});
}

std::optional<QTransform> SceneSprite::transformFor(const Keyframe &keyframe, const QSize &imageSize) const
{
    QTransform transform;
    if (m_pictureQuad.size() != 4
        || !QTransform::quadToQuad(QPolygonF(m_pictureQuad), fitted(keyframe, imageSize, m_wide, m_margin), transform))
        return std::nullopt;
    return snapped(transform);
}

QTransform SceneSprite::snapped(const QTransform &transform) const
{
    if (transform.type() != QTransform::TxScale && transform.type() != QTransform::TxTranslate)
        return transform;
    const QRectF own = QPolygonF(m_pictureQuad).boundingRect();
    const QRectF drawn = transform.mapRect(own);
    const QPointF corner(std::round(drawn.left()), std::round(drawn.top()));
    const QRectF copied(corner, own.size());
    constexpr double half = 0.5;
    if (std::abs(corner.x() - drawn.left()) > half || std::abs(corner.y() - drawn.top()) > half
        || std::abs(copied.right() - drawn.right()) > half || std::abs(copied.bottom() - drawn.bottom()) > half)
        return transform;
    return QTransform::fromTranslate(corner.x() - own.left(), corner.y() - own.top());
}

QSize SceneSprite::largestUprightSize(float q, const QSize &output) const
{
    if (fillsFrame(*m_object))
        return QSize();
    bool wide = false;
    float margin = 0.0f;
    edgeMargins(q, m_object->aspect, false, wide, margin);
    QSize largest;
    for (const Keyframe &k : m_object->keyframes) {
        if (k.opacity < visibleOpacity)
            continue;
        if (!isUpright(k))
            return QSize();
        const QRectF box = fitted(k, output, wide, margin).boundingRect();
        const QSize size(int(std::round(box.right()) - std::round(box.left())),
                         int(std::round(box.bottom()) - std::round(box.top())));
        if (size.width() * qint64(size.height()) > largest.width() * qint64(largest.height()))
            largest = size;
    }
    return largest;
}

QTransform SceneSprite::uprightTransform(const QPolygonF &quad, const QSize &imageSize) const
{
    const QRectF box = quad.boundingRect();
    const double zoom = box.height() / imageSize.height();
    const double height = imageSize.height() * std::min(0.96, 0.86 * zoom);
    const double width = height * m_noted.width() / m_noted.height();
    const double x = std::clamp(box.center().x(), width / 2, imageSize.width() - width / 2);
    const QRectF target(x - width / 2, (imageSize.height() - height) / 2, width, height);
    QTransform transform;
    QTransform::quadToQuad(QPolygonF(m_pictureQuad),
                           QPolygonF({target.topLeft(), target.topRight(), target.bottomRight(), target.bottomLeft()}),
                           transform);
    return transform;
}

QRect SceneSprite::paintBounds(const QTransform &transform, const QSize &pictureSize, const QSize &imageSize)
{
    const QRect image(QPoint(0, 0), imageSize);
    const QRectF picture(QPointF(0, 0), QSizeF(pictureSize));
    QPolygonF corners;
    for (const QPointF &corner : {picture.topLeft(), picture.topRight(), picture.bottomRight(), picture.bottomLeft()}) {
        // A corner beyond the horizon of a perspective picture: it may reach anywhere.
        if (transform.m13() * corner.x() + transform.m23() * corner.y() + transform.m33() <= 1e-6)
            return image;
        corners << transform.map(corner);
    }
    // Smoothing reaches a pixel past the edges; one more for rounding. Clipped before rounding:
    // a picture near the horizon reaches far beyond the image.
    const QRectF reach = corners.boundingRect().adjusted(-2, -2, 2, 2) & QRectF(image);
    return reach.isEmpty() ? QRect() : reach.toAlignedRect() & image;
}

QRect SceneSprite::paint(QImage &image, const QImage &picture, const QTransform &transform, double opacity,
                         const QRect &opaque) const
{
    const QRect bounds = paintBounds(transform, picture.size(), image.size());
    if (transform.type() == QTransform::TxProject && drawProjective(image, picture, transform, opacity))
        return bounds;
    if (transform.type() == QTransform::TxScale && drawScaled(image, picture, transform, opacity, opaque))
        return bounds;
    QPainter painter(&image);
    if (opacity < 1.0)
        painter.setOpacity(opacity);
    painter.setTransform(transform);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, picture);
    return bounds;
}

std::optional<Keyframe> SceneSprite::opaqueKeyframe(double position, double opacity) const
{
    if (m_picture.isNull())
        return std::nullopt;
    const std::optional<Keyframe> keyframe = keyframeAt(position);
    if (!keyframe || keyframe->opacity * opacity < 0.99)
        return std::nullopt;
    return keyframe;
}

bool SceneSprite::coversImage(double position, const QSize &imageSize, double opacity) const
{
    const std::optional<Keyframe> keyframe = opaqueKeyframe(position, opacity);
    if (!keyframe)
        return false;
    // A portrait photo's blurred backdrop is opaque throughout and drawn first.
    if (!m_backdrop.isNull()) {
        const std::optional<QTransform> behind = backdropTransform(*keyframe, imageSize);
        return behind && covers(*behind, QRectF(m_backdrop.rect()), imageSize);
    }
    if (m_opaqueArea.isEmpty())
        return false;
    const std::optional<QTransform> transform = transformFor(*keyframe, imageSize);
    return transform && covers(*transform, QRectF(m_opaqueArea), imageSize);
}

QRect SceneSprite::hiddenRect(double position, const QSize &imageSize, double opacity) const
{
    if (m_opaqueArea.isEmpty() || !m_backdrop.isNull())
        return QRect();
    const std::optional<Keyframe> keyframe = opaqueKeyframe(position, opacity);
    if (!keyframe)
        return QRect();
    const std::optional<QTransform> transform = transformFor(*keyframe, imageSize);
    if (!transform || transform->type() > QTransform::TxScale)
        return QRect();
    // A pixel in from the photo's edge, where nothing transparent is mixed in, then whole image
    // pixels only, less one more on each side for the smoothing filter's reach.
    const QRectF inside = transform->mapRect(QRectF(m_opaqueArea).adjusted(1.0, 1.0, -1.0, -1.0)) &
                          QRectF(QPointF(0, 0), QSizeF(imageSize));
    const QRect hidden(QPoint(int(std::ceil(inside.left())) + 1, int(std::ceil(inside.top())) + 1),
                       QPoint(int(std::floor(inside.right())) - 2, int(std::floor(inside.bottom())) - 2));
    return hidden.isValid() ? hidden : QRect();
}

bool SceneSprite::covers(const QTransform &transform, const QRectF &opaque, const QSize &imageSize)
{
    bool invertible = false;
    const QTransform inverse = transform.inverted(&invertible);
    if (!invertible)
        return false;
    // Every image pixel, smoothed edges included, must sample the picture at least a pixel in
    // from its own edge, where no transparent pixel around it is mixed in.
    const QRectF inside = opaque.adjusted(1.0, 1.0, -1.0, -1.0);
    const QRectF image = QRectF(QPointF(0, 0), QSizeF(imageSize)).adjusted(-1.0, -1.0, 1.0, 1.0);
    for (const QPointF &corner : {image.topLeft(), image.topRight(), image.bottomRight(), image.bottomLeft()}) {
        const double w = inverse.m13() * corner.x() + inverse.m23() * corner.y() + inverse.m33();
        // A corner beyond the horizon of a perspective picture: it does not cover.
        if (w <= 1e-9 || !inside.contains(inverse.map(corner)))
            return false;
    }
    return true;
}

std::optional<QTransform> SceneSprite::backdropTransform(const Keyframe &keyframe, const QSize &imageSize) const
{
    QTransform behind;
    const QRectF rect(m_backdrop.rect());
    if (!QTransform::quadToQuad(QPolygonF({rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()}),
                                fitted(keyframe, imageSize, m_backdropWide, m_backdropMargin), behind))
        return std::nullopt;
    return behind;
}

QRect SceneSprite::drawAt(double position, QImage &image, double opacity) const
{
    if (m_picture.isNull())
        return QRect();
    const std::optional<Keyframe> keyframe = keyframeAt(position);
    if (!keyframe)
        return QRect();
    const double alpha = keyframe->opacity * opacity;
    const double applied = alpha < 0.99 ? alpha : 1.0;
    if (applied <= 0.0)
        return QRect();
    if (!m_backdrop.isNull()) {
        const std::optional<QTransform> behind = backdropTransform(*keyframe, image.size());
        if (!behind)
            return QRect();
        const QRect back = paint(image, m_backdrop, *behind, applied, m_backdrop.rect());
        return back
               | paint(image, m_picture,
                       uprightTransform(fitted(*keyframe, image.size(), m_wide, m_margin), image.size()), applied,
                       m_opaqueArea);
    }
    const std::optional<QTransform> transform = transformFor(*keyframe, image.size());
    return transform ? paint(image, m_picture, *transform, applied, m_opaqueArea) : QRect();
}
