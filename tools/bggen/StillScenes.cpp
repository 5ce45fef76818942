#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace Paint;

namespace {

// Layers of a landscape from far to near: each lighter far away, as in hazy air.
void layeredRidges(QPainter &p, const QSizeF &size, unsigned seed, const QVector<QColor> &colors, double top,
                   double step, double roughness, int detail)
{
    Rng rng(seed);
    for (int i = 0; i < colors.size(); ++i) {
        const QVector<QPointF> line = ridge(rng, size, top + i * step, roughness * (1.0 - 0.12 * i), detail);
        QLinearGradient g(0, (top + i * step - roughness) * size.height(), 0, size.height());
        g.setColorAt(0.0, colors.at(i).lighter(112));
        g.setColorAt(1.0, colors.at(i).darker(118));
        fillBelow(p, size, line, g);
        // Haze settles in the valleys between the layers.
        QLinearGradient haze(0, (top + i * step) * size.height(), 0, (top + i * step + step * 1.4) * size.height());
        haze.setColorAt(0.0, withAlpha(colors.at(i).lighter(130), 0.0));
        haze.setColorAt(1.0, withAlpha(colors.at(i).lighter(130), 0.25));
        p.fillRect(QRectF(0, (top + i * step) * size.height(), size.width(), step * 1.4 * size.height()), haze);
    }
}

void sky(QPainter &p, const QSizeF &size, const QVector<QPair<double, QColor>> &stops)
{
    linearFill(p, size, {0, 0}, {0, 1}, stops);
}

void mountainDawn(QPainter &p, const QSizeF &size)
{
    sky(p, size, {{0.0, QColor(0x3b, 0x4a, 0x7a)}, {0.45, QColor(0xd9, 0x8f, 0x9b)}, {0.7, QColor(0xf6, 0xc7, 0x9e)}});
    glow(p, {size.width() * 0.62, size.height() * 0.6}, size.height() * 0.55, QColor(0xff, 0xe6, 0xb8), 0.75);
    layeredRidges(p, size, 101,
                  {QColor(0xb4, 0x8e, 0xa6), QColor(0x8a, 0x6a, 0x8e), QColor(0x5e, 0x4a, 0x6e), QColor(0x38, 0x2c, 0x4a),
                   QColor(0x1e, 0x18, 0x2c)},
                  0.5, 0.085, 0.09, 8);
}

void forestMist(QPainter &p, const QSizeF &size)
{
    sky(p, size, {{0.0, QColor(0xc9, 0xd6, 0xcf)}, {0.6, QColor(0xe4, 0xea, 0xe2)}, {1.0, QColor(0xd0, 0xdb, 0xd2)}});
    Rng rng(111);
    const QVector<QColor> layers = {QColor(0xa9, 0xbd, 0xb1), QColor(0x83, 0x9e, 0x8e), QColor(0x5a, 0x78, 0x66),
                                    QColor(0x34, 0x4f, 0x41), QColor(0x18, 0x2b, 0x22)};
    for (int i = 0; i < layers.size(); ++i) {
        const double base = 0.42 + i * 0.11;
        const double treeHeight = 0.07 + i * 0.035;
        QVector<QPointF> line;
        double x = -0.02;
        // A tree line: narrow spires of random height over a gently rolling ground.
        while (x < 1.04) {
            const double ground = base + 0.03 * std::sin(x * 5.0 + i);
            const double width = rng(0.012, 0.028) * (1.0 + 0.25 * i);
            const double tip = ground - treeHeight * rng(0.55, 1.0);
            line.append(QPointF(x * size.width(), ground * size.height()));
            line.append(QPointF((x + width / 2) * size.width(), tip * size.height()));
            x += width;
        }
        fillBelow(p, size, line, layers.at(i));
        QLinearGradient mist(0, (base - 0.05) * size.height(), 0, (base + 0.1) * size.height());
        mist.setColorAt(0.0, withAlpha(QColor(0xee, 0xf2, 0xec), 0.0));
        mist.setColorAt(1.0, withAlpha(QColor(0xee, 0xf2, 0xec), 0.55 - 0.08 * i));
        p.fillRect(QRectF(0, (base - 0.05) * size.height(), size.width(), 0.15 * size.height()), mist);
    }
}

void goldenHills(QPainter &p, const QSizeF &size)
{
    sky(p, size, {{0.0, QColor(0x7d, 0xa6, 0xc9)}, {0.5, QColor(0xf4, 0xd3, 0xa1)}, {0.62, QColor(0xf9, 0xc4, 0x86)}});
    glow(p, {size.width() * 0.3, size.height() * 0.5}, size.height() * 0.5, QColor(0xff, 0xf0, 0xc8), 0.9);
    const QVector<QColor> layers = {QColor(0xd8, 0xa2, 0x6a), QColor(0xb7, 0x86, 0x4c), QColor(0x8f, 0x6a, 0x36),
                                    QColor(0x5e, 0x4a, 0x26)};
    for (int i = 0; i < layers.size(); ++i) {
        QVector<QPointF> line;
        for (int s = 0; s <= 200; ++s) {
            const double x = s / 200.0;
            const double y = 0.55 + i * 0.1 + 0.05 * std::sin(2 * pi * (x * (0.8 + 0.3 * i)) + i * 1.7)
                             + 0.02 * std::sin(2 * pi * x * 2.3 + i);
            line.append(QPointF(x * size.width(), y * size.height()));
        }
        QLinearGradient g(0, (0.5 + i * 0.1) * size.height(), 0, size.height());
        g.setColorAt(0.0, layers.at(i).lighter(115));
        g.setColorAt(1.0, layers.at(i).darker(130));
        fillBelow(p, size, line, g);
    }
}

void oceanHorizon(QPainter &p, const QSizeF &size)
{
    const double h = size.height();
    const double w = size.width();
    sky(p, size, {{0.0, QColor(0x2c, 0x4f, 0x86)}, {0.42, QColor(0xe8, 0x9c, 0x86)}, {0.58, QColor(0xfb, 0xd4, 0xa0)},
                  {0.6, QColor(0x3c, 0x5a, 0x80)}, {1.0, QColor(0x14, 0x22, 0x3c)}});
    glow(p, {w * 0.5, h * 0.585}, h * 0.45, QColor(0xff, 0xe0, 0xb0), 0.8);
    bokehDisc(p, {w * 0.5, h * 0.585}, h * 0.045, QColor(0xff, 0xf6, 0xe0), 0.95);
    // The sun's path on the water: short bright strokes that thin out towards the viewer.
    Rng rng(121);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    for (int i = 0; i < 420; ++i) {
        const double depth = rng();
        const double y = 0.6 + 0.4 * depth * depth;
        const double spread = 0.02 + 0.22 * depth;
        const double x = 0.5 + rng(-spread, spread) * std::abs(rng(-1, 1));
        const double length = (0.006 + 0.04 * depth) * w;
        p.fillRect(QRectF(x * w - length / 2, y * h, length, h * (0.0015 + 0.003 * depth)),
                   withAlpha(QColor(0xff, 0xdc, 0xa8), rng(0.15, 0.5) * (1.0 - 0.6 * depth)));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Long thin clouds catching the light.
    for (int i = 0; i < 7; ++i) {
        const double y = rng(0.12, 0.45) * h;
        const double x = rng(-0.1, 0.8) * w;
        QLinearGradient g(x, 0, x + rng(0.2, 0.45) * w, 0);
        const QColor c = QColor(0xff, 0xd6, 0xc4);
        g.setColorAt(0.0, withAlpha(c, 0.0));
        g.setColorAt(0.5, withAlpha(c, rng(0.15, 0.35)));
        g.setColorAt(1.0, withAlpha(c, 0.0));
        p.fillRect(QRectF(x, y, g.finalStop().x() - x, rng(0.004, 0.012) * h), g);
    }
}

void roseBokeh(QPainter &p, const QSizeF &size)
{
    linearFill(p, size, {0, 0}, {1, 1}, {{0.0, QColor(0x5a, 0x21, 0x3e)}, {0.5, QColor(0x2e, 0x10, 0x24)},
                                          {1.0, QColor(0x12, 0x07, 0x10)}});
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    glow(p, {size.width() * 0.3, size.height() * 0.3}, size.height() * 0.9, QColor(0xb0, 0x3a, 0x6a), 0.45);
    Rng rng(131);
    const QVector<QColor> palette = {QColor(0xff, 0xb6, 0xd0), QColor(0xff, 0xd2, 0xe2), QColor(0xf0, 0x8c, 0xb4),
                                     QColor(0xff, 0xe8, 0xd6)};
    for (int i = 0; i < 70; ++i) {
        const double r = (i < 20 ? rng(0.08, 0.16) : rng(0.015, 0.06)) * size.height();
        bokehDisc(p, {rng(-0.05, 1.05) * size.width(), rng(-0.05, 1.05) * size.height()}, r,
                  palette.at(rng.pick(palette.size())), i < 20 ? rng(0.05, 0.12) : rng(0.15, 0.4));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    vignette(p, size, 0.5);
}

void nightSky(QPainter &p, const QSizeF &size)
{
    const double h = size.height();
    const double w = size.width();
    sky(p, size, {{0.0, QColor(0x04, 0x06, 0x14)}, {0.7, QColor(0x0d, 0x17, 0x36)}, {1.0, QColor(0x1e, 0x2a, 0x4e)}});
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    // The milky band: many faint glows along a diagonal.
    Rng rng(141);
    for (int i = 0; i < 60; ++i) {
        const double t = rng();
        const QPointF at((t * 1.2 - 0.1) * w, (0.9 - 0.75 * t + rng(-0.08, 0.08)) * h);
        glow(p, at, rng(0.08, 0.22) * h, i % 3 ? QColor(0x5a, 0x6c, 0xb0) : QColor(0x9a, 0x6c, 0xb0), rng(0.06, 0.16));
    }
    for (int i = 0; i < 900; ++i) {
        const QPointF at(rng() * w, rng() * h);
        const double r = std::pow(rng(), 3.0) * 0.0026 * h + 0.0006 * h;
        const QColor c = i % 5 ? QColor(0xf0, 0xf4, 0xff) : QColor(0xff, 0xe2, 0xc0);
        if (r > 0.0018 * h)
            glow(p, at, r * 6, c, 0.25);
        bokehDisc(p, at, r, c, rng(0.4, 1.0));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Rng hills(142);
    fillBelow(p, size, ridge(hills, size, 0.9, 0.04, 7), QColor(0x03, 0x05, 0x0c));
}

void linen(QPainter &p, const QSizeF &size)
{
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0xf3, 0xee, 0xe6));
    // Woven threads: faint horizontal and vertical lines of varying strength.
    Rng rng(151);
    const double pitch = size.height() / 540.0;
    for (double y = 0; y < size.height(); y += pitch * rng(1.5, 3.0))
        p.fillRect(QRectF(0, y, size.width(), pitch * 0.7), withAlpha(QColor(0x9a, 0x8a, 0x74), rng(0.02, 0.07)));
    for (double x = 0; x < size.width(); x += pitch * rng(1.5, 3.0))
        p.fillRect(QRectF(x, 0, pitch * 0.7, size.height()), withAlpha(QColor(0x9a, 0x8a, 0x74), rng(0.02, 0.06)));
    glow(p, {size.width() * 0.35, size.height() * 0.3}, size.height() * 1.1, QColor(255, 250, 240), 0.5);
    // Soft light through a window: two broad diagonal shadows.
    p.save();
    p.translate(size.width() * 0.6, 0);
    p.rotate(28);
    for (int i = 0; i < 2; ++i) {
        const double x = (i * 0.45 - 0.1) * size.height();
        QLinearGradient g(x, 0, x + 0.25 * size.height(), 0);
        g.setColorAt(0.0, withAlpha(QColor(0x6a, 0x5a, 0x44), 0.0));
        g.setColorAt(0.5, withAlpha(QColor(0x6a, 0x5a, 0x44), 0.09));
        g.setColorAt(1.0, withAlpha(QColor(0x6a, 0x5a, 0x44), 0.0));
        p.fillRect(QRectF(x, -size.height(), 0.25 * size.height(), size.height() * 3), g);
    }
    p.restore();
    vignette(p, size, 0.22);
}

void lowPoly(QPainter &p, const QSizeF &size)
{
    const double w = size.width();
    const double h = size.height();
    const int cols = 14;
    const int rows = 8;
    Rng rng(161);
    QVector<QPointF> grid;
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= cols; ++c) {
            const bool edge = r == 0 || c == 0 || r == rows || c == cols;
            const double jx = edge && (c == 0 || c == cols) ? 0.0 : rng(-0.35, 0.35);
            const double jy = edge && (r == 0 || r == rows) ? 0.0 : rng(-0.35, 0.35);
            grid.append(QPointF((c + jx) * w / cols, (r + jy) * h / rows));
        }
    auto colourAt = [&](QPointF centre) {
        const double t = centre.x() / w * 0.6 + centre.y() / h * 0.4;
        const QColor a(0x13, 0x2a, 0x4f);
        const QColor b(0x1b, 0x6a, 0x7a);
        const QColor c(0x4b, 0xa3, 0x8f);
        const double s = qBound(0.0, t, 1.0);
        const QColor from = s < 0.5 ? a : b;
        const QColor to = s < 0.5 ? b : c;
        const double k = s < 0.5 ? s * 2 : s * 2 - 1;
        const double shade = rng(-0.06, 0.06);
        return QColor::fromRgbF(qBound(0.0, from.redF() + (to.redF() - from.redF()) * k + shade, 1.0),
                                qBound(0.0, from.greenF() + (to.greenF() - from.greenF()) * k + shade, 1.0),
                                qBound(0.0, from.blueF() + (to.blueF() - from.blueF()) * k + shade, 1.0));
    };
    p.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const QPointF a = grid.at(r * (cols + 1) + c);
            const QPointF b = grid.at(r * (cols + 1) + c + 1);
            const QPointF d = grid.at((r + 1) * (cols + 1) + c);
            const QPointF e = grid.at((r + 1) * (cols + 1) + c + 1);
            for (const QVector<QPointF> &tri : {QVector<QPointF>{a, b, e}, QVector<QPointF>{a, e, d}}) {
                const QColor colour = colourAt((tri[0] + tri[1] + tri[2]) / 3.0);
                p.setBrush(colour);
                // A hairline of the same colour closes the seams antialiasing leaves.
                p.setPen(QPen(colour, 1.0));
                p.drawPolygon(tri.constData(), 3);
            }
        }
    p.setPen(Qt::NoPen);
    glow(p, {w * 0.75, h * 0.2}, h * 0.8, QColor(0x9c, 0xf0, 0xd8), 0.18);
    vignette(p, size, 0.35);
}

void watercolourWashes(QPainter &p, const QSizeF &size)
{
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0xfa, 0xf7, 0xf2));
    Rng rng(171);
    const QVector<QColor> palette = {QColor(0x8e, 0xc5, 0xd8), QColor(0x9f, 0xd4, 0xc0), QColor(0xc3, 0xb4, 0xe0),
                                     QColor(0xf2, 0xc4, 0xb0)};
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    for (int i = 0; i < 26; ++i) {
        // A wash: an irregular blob with a darker pooled edge, as pigment dries.
        const QPointF centre(rng(-0.05, 1.05) * size.width(), rng(-0.05, 1.05) * size.height());
        const double radius = rng(0.12, 0.3) * size.height();
        const QColor colour = palette.at(rng.pick(palette.size()));
        QPainterPath blob;
        const int points = 48;
        double wobble[4];
        for (double &v : wobble)
            v = rng(0, 2 * pi);
        for (int k = 0; k <= points; ++k) {
            const double a = 2 * pi * k / points;
            const double r = radius * (1.0 + 0.12 * std::sin(3 * a + wobble[0]) + 0.07 * std::sin(5 * a + wobble[1])
                                       + 0.04 * std::sin(9 * a + wobble[2]));
            const QPointF point = centre + QPointF(std::cos(a), std::sin(a)) * r;
            if (k == 0)
                blob.moveTo(point);
            else
                blob.lineTo(point);
        }
        QRadialGradient g(centre, radius * 1.2);
        g.setColorAt(0.0, withAlpha(colour, 0.22));
        g.setColorAt(0.8, withAlpha(colour, 0.35));
        g.setColorAt(0.9, withAlpha(colour.darker(115), 0.5));
        g.setColorAt(1.0, withAlpha(colour, 0.3));
        p.fillPath(blob, g);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void watercolour(QPainter &p, const QSizeF &size)
{
    // Drawn small and enlarged smoothly, the washes get the soft, bleeding edges of wet paper.
    QImage small((size / 5.0).toSize(), QImage::Format_RGB32);
    {
        QPainter sp(&small);
        sp.setRenderHint(QPainter::Antialiasing);
        watercolourWashes(sp, QSizeF(small.size()));
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), size), small);
    p.restore();
    glow(p, {size.width() * 0.5, size.height() * 0.5}, size.height() * 0.6, QColor(255, 255, 255), 0.5);
}

void slate(QPainter &p, const QSizeF &size)
{
    linearFill(p, size, {0, 0}, {1, 1}, {{0.0, QColor(0x3a, 0x3f, 0x46)}, {1.0, QColor(0x17, 0x19, 0x1d)}});
    glow(p, {size.width() * 0.3, size.height() * 0.25}, size.height() * 1.1, QColor(0x6c, 0x76, 0x82), 0.35);
    vignette(p, size, 0.45);
}

void sunsetGradient(QPainter &p, const QSizeF &size)
{
    linearFill(p, size, {0.2, 0}, {0.8, 1}, {{0.0, QColor(0x2d, 0x1b, 0x5c)}, {0.4, QColor(0xa2, 0x3b, 0x72)},
                                              {0.75, QColor(0xf0, 0x7a, 0x5a)}, {1.0, QColor(0xfc, 0xc1, 0x72)}});
    glow(p, {size.width() * 0.72, size.height() * 0.85}, size.height() * 0.8, QColor(0xff, 0xe1, 0x9c), 0.5);
    glow(p, {size.width() * 0.15, size.height() * 0.1}, size.height() * 0.9, QColor(0x6a, 0x3c, 0xc8), 0.35);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    Rng rng(181);
    for (int i = 0; i < 18; ++i)
        bokehDisc(p, {rng() * size.width(), rng(0.3, 1.0) * size.height()}, rng(0.02, 0.07) * size.height(),
                  QColor(0xff, 0xe0, 0xc0), rng(0.05, 0.16));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace

const QVector<StillScene> &stillScenes()
{
    static const QVector<StillScene> scenes = {
        {QStringLiteral("00001"), QStringLiteral("Mountain Dawn"), QStringLiteral("Lato,SansSerif,84,#ffffff"), mountainDawn, 3},
        {QStringLiteral("00002"), QStringLiteral("Ocean Horizon"), QStringLiteral("Open Sans,SansSerif,84,#ffffff"), oceanHorizon, 3},
        {QStringLiteral("00003"), QStringLiteral("Forest Mist"), QStringLiteral("DejaVu Serif,Serif,84,#1d2a22"), forestMist, 3},
        {QStringLiteral("00004"), QStringLiteral("Golden Hills"), QStringLiteral("Lato,SansSerif,84,#2b1d0e"), goldenHills, 3},
        {QStringLiteral("00005"), QStringLiteral("Rose Bokeh"), QStringLiteral("Liberation Serif,Serif,84,#fff0f5"), roseBokeh, 3},
        {QStringLiteral("00006"), QStringLiteral("Starry Night"), QStringLiteral("Open Sans,SansSerif,84,#f4f6ff"), nightSky, 2},
        {QStringLiteral("00007"), QStringLiteral("Linen"), QStringLiteral("DejaVu Serif,Serif,84,#3a3026"), linen, 4},
        {QStringLiteral("00008"), QStringLiteral("Low Poly Lagoon"), QStringLiteral("Lato,SansSerif,84,#ffffff"), lowPoly, 2},
        {QStringLiteral("00009"), QStringLiteral("Watercolour"), QStringLiteral("Liberation Serif,Serif,84,#2c3440"), watercolour, 3},
        {QStringLiteral("00010"), QStringLiteral("Slate"), QStringLiteral("Open Sans,SansSerif,84,#f2f2f2"), slate, 4},
        {QStringLiteral("00011"), QStringLiteral("Sunset Glow"), QStringLiteral("Lato,SansSerif,84,#ffffff"), sunsetGradient, 3},
    };
    return scenes;
}
