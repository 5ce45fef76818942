#pragma once

#include "project/Slide.h"
#include "theme/SceneStyle.h"
#include "theme/ThemeTemplate.h"

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QSharedPointer>
#include <QSize>
#include <QTransform>
#include <QVector>

#include <optional>

// One scene object's picture, prepared once (border, scaling, shadow) with a
// SceneStyle snapshot, then painted frame after frame through the object's keyframed quadrilateral.
class SceneSprite
{
public:
    // A photo slide: loads its image (orientation applied) at no more pixels than the object
    // can show, rotates it by the slide's quarter turns and prepares it with border and shadow.
    // A run passes the style it started with; previews take the style as it is now.
    SceneSprite(const SceneObjectPtr &object, const Slide &slide, int outputWidth, int outputHeight,
                const SceneStyleSnapshot &style = SceneStyle::instance()->snapshot());
    // A ready picture (rendered text): prepared with the text shadow.
    SceneSprite(const SceneObjectPtr &object, const QImage &picture, int outputWidth, int outputHeight,
                const SceneStyleSnapshot &style = SceneStyle::instance()->snapshot());

    // Paints onto image at scene position (scene frames) with an extra opacity factor; returns
    // the image pixels it may have changed (a bound: it may hold some it did not).
    QRect drawAt(double position, QImage &image, double opacity) const;
    // True when drawAt would paint every pixel of an image of that size with opaque pixels (of
    // the photo or its backdrop): whatever lies under it need not be drawn at all.
    bool coversImage(double position, const QSize &imageSize, double opacity) const;
    // The image pixels drawAt paints over with opaque photo pixels, for an upright photo; empty
    // when it is turned, translucent or has none.
    QRect hiddenRect(double position, const QSize &imageSize, double opacity) const;

    // The keyframe for a scene position: exact keyframes only, blended linearly in between.
    std::optional<Keyframe> keyframeAt(double position) const;
    // Maps pictureQuad onto the keyframe's quadrilateral on an image of the given size,
    // shrunk by the margin so the picture keeps its proportion. Empty when there is none.
    std::optional<QTransform> transformFor(const Keyframe &keyframe, const QSize &imageSize) const;

    const SceneObjectPtr &object() const { return m_object; }
    const QImage &picture() const { return m_picture; }
    const QVector<QPointF> &pictureQuad() const { return m_pictureQuad; }
    bool wide() const { return m_wide; }
    float margin() const { return m_margin; }

    // A camera move over a photo: every keyframe covers the whole frame and some reach beyond it.
    // Its photos fill the frame instead of being fitted inside it (which would show bars as the
    // camera moves), portrait ones standing whole over a blurred copy of themselves.
    static bool fillsFrame(const SceneObject &object);
    // Under a frame-filling object, a photo at least this wide for its height is cropped to fill.
    static constexpr float CoverRatio = 1.25f;

    // Turns a slide rotation into 0..3 clockwise quarter turns (-1 is 3).
    static int quarterTurns(int rotation);
    // The size to decode a stored image of storedSize at so that, shown with the given quarter
    // turns, it still covers what fits in the cap: the largest JPEG reduction (1/2, 1/4, 1/8)
    // that does, or storedSize itself.
    static QSize decodeSize(const QSize &storedSize, bool turned, const QSizeF &cap);

    // The blurred copy behind a narrow photo of a frame-filling object; null otherwise.
    const QImage &backdrop() const { return m_backdrop; }

private:
    void prepare(const QImage &picture, int outputWidth, int outputHeight, bool photo,
                 const SceneStyleSnapshot &style);
    // q: the picture proper's width over its height.
    void fillFrame(const QImage &photo, const QSize &output, float q);
    // opaque: the area of picture known to have no transparent pixel, if any. Returns the
    // image pixels it may have changed.
    QRect paint(QImage &image, const QImage &picture, const QTransform &transform, double opacity,
                const QRect &opaque = QRect()) const;
    // The image pixels a picture of pictureSize drawn through transform may reach.
    static QRect paintBounds(const QTransform &transform, const QSize &pictureSize, const QSize &imageSize);
    // The keyframe at position when the sprite is drawn there at full opacity.
    std::optional<Keyframe> opaqueKeyframe(double position, double opacity) const;
    // The keyframe's quadrilateral in pixels, its edges moved in (or out, margin < 0) so a
    // picture of that proportion keeps it.
    static QPolygonF fitted(const Keyframe &keyframe, const QSize &imageSize, bool wide, float margin);
    // A narrow photo over its backdrop: upright, centred, as high as the camera's zoom allows.
    QTransform uprightTransform(const QPolygonF &quad, const QSize &imageSize) const;
    std::optional<QTransform> backdropTransform(const Keyframe &keyframe, const QSize &imageSize) const;
    // Whether the opaque area of a picture drawn through transform paints every image pixel.
    static bool covers(const QTransform &transform, const QRectF &opaque, const QSize &imageSize);
    void preparePhoto(const QImage &photo, float ratio, int outputWidth, int outputHeight,
                      const SceneStyleSnapshot &style);
    // The size, in whole pixels, of a picture of proportion q where an upright object is drawn
    // largest while in view; empty when it turns, tilts or fills the frame.
    QSize largestUprightSize(float q, const QSize &output) const;
    // A picture drawn upright within half a pixel of its own size, moved to whole pixels at
    // scale 1: copied, not resampled (a resample that close to 1 blurs the finest detail).
    QTransform snapped(const QTransform &transform) const;
    void prepareText(const QImage &text, float ratio, const ShadowSpec &shadow);

    SceneObjectPtr m_object;
    QImage m_picture; // premultiplied ARGB: the fast path for drawing onto RGB32 frames
    QVector<QPointF> m_pictureQuad;
    bool m_wide = false;
    float m_margin = 0.0f;
    QSize m_noted; // the picture proper's size before the shadow
    QRect m_opaqueArea; // the part of m_picture with no transparent pixel, if known
    QImage m_backdrop;
    bool m_backdropWide = false;
    float m_backdropMargin = 0.0f;
};
using SceneSpritePtr = QSharedPointer<SceneSprite>;
