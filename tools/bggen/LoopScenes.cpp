#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

using namespace Paint;

namespace {

// Out-of-focus lights drifting across the picture, each fading in and out once per loop.
void driftingLights(QPainter &p, const QSizeF &size, double phase, unsigned seed, int count,
                    const QVector<QColor> &palette, double minRadius, double maxRadius, double minAlpha,
                    double maxAlpha)
{
    Rng rng(seed);
    const double u = size.height();
    for (int i = 0; i < count; ++i) {
        const QPointF start(rng(-0.05, 1.05) * size.width(), rng(-0.05, 1.05) * u);
        const double angle = rng(0, 2 * pi);
        const double distance = rng(0.05, 0.12) * size.width();
        const double radius = rng(minRadius, maxRadius) * u;
        const double alpha = rng(minAlpha, maxAlpha);
        const QColor color = palette.at(rng.pick(palette.size()));
        const double f = cycleFraction(phase, 1, rng());
        const QPointF centre = start + QPointF(std::cos(angle), std::sin(angle)) * distance * f;
        bokehDisc(p, centre, radius * (0.92 + 0.08 * f), color, alpha * envelope(f));
    }
}

// Small glowing motes rising and swaying, each living one loop.
void risingMotes(QPainter &p, const QSizeF &size, double phase, unsigned seed, int count,
                 const QVector<QColor> &palette, double maxRadius, double rise)
{
    Rng rng(seed);
    const double u = size.height();
    for (int i = 0; i < count; ++i) {
        const double x = rng() * size.width();
        const double y = rng(0.1, 1.1) * u;
        const double radius = rng(0.25, 1.0) * maxRadius * u;
        const double travel = rng(0.5, 1.0) * rise * u;
        const double sway = rng(0.005, 0.02) * size.width();
        const double swayPhase = rng(0, 2 * pi);
        const QColor color = palette.at(rng.pick(palette.size()));
        const double brightness = rng(0.45, 1.0);
        const double f = cycleFraction(phase, 1, rng());
        const QPointF centre(x + sway * std::sin(2 * pi * f + swayPhase), y - travel * f);
        const double a = brightness * envelope(f);
        glow(p, centre, radius * 5, color, a * 0.35);
        bokehDisc(p, centre, radius, color, a);
    }
}

void goldenBokehBase(QPainter &p, const QSizeF &size)
{
    const double u = size.height();
    linearFill(p, size, {0, 0}, {1, 1}, {{0.0, QColor(0x1e, 0x0f, 0x08)}, {0.55, QColor(0x0d, 0x07, 0x06)},
                                          {1.0, QColor(0x05, 0x03, 0x06)}});
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    glow(p, {size.width() * 0.66, u * 0.4}, u * 0.9, QColor(0xd0, 0x78, 0x28), 0.5);
    glow(p, {size.width() * 0.62, u * 0.42}, u * 0.35, QColor(0xff, 0xb8, 0x5a), 0.35);
    glow(p, {size.width() * 0.15, u * 0.85}, u * 0.7, QColor(0x8a, 0x2c, 0x40), 0.35);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    vignette(p, size, 0.55);
}

void goldenBokeh(QPainter &p, const QSizeF &size, double phase)
{
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    const QVector<QColor> warm = {QColor(0xff, 0xcf, 0x7a), QColor(0xff, 0xb2, 0x5c), QColor(0xff, 0xe2, 0xa8),
                                  QColor(0xf7, 0x9a, 0x5a), QColor(0xff, 0xf1, 0xd0)};
    driftingLights(p, size, phase, 11, 12, warm, 0.11, 0.2, 0.07, 0.14);
    driftingLights(p, size, phase, 12, 26, warm, 0.03, 0.075, 0.25, 0.5);
    driftingLights(p, size, phase, 13, 22, warm, 0.01, 0.022, 0.45, 0.8);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Aurora curtains: columns of light whose foot follows a slow wave, fading upwards.
void auroraCurtain(QPainter &p, const QSizeF &size, double phase, const QColor &color, double base, double height,
                   unsigned seed)
{
    Rng rng(seed);
    double amp[3], freq[3], off[3];
    const int turns[3] = {1, -1, 2};
    for (int k = 0; k < 3; ++k) {
        amp[k] = rng(0.02, 0.055) / (k + 1);
        freq[k] = rng(0.6, 1.6) * (k + 1);
        off[k] = rng(0, 2 * pi);
    }
    const double u = size.height();
    // Whole-pixel columns: antialiased edges would add up to visible seams.
    const int columnWidth = qMax(1, int(size.width() / 960));
    for (int left = 0; left < size.width(); left += columnWidth) {
        const double x = left + columnWidth / 2.0;
        const double t = x / size.width();
        double foot = base;
        for (int k = 0; k < 3; ++k)
            foot += amp[k] * std::sin(2 * pi * (freq[k] * t) + turns[k] * 2 * pi * phase + off[k]);
        const double shimmer = 0.55 + 0.45 * std::sin(2 * pi * (2.3 * t) - 2 * pi * phase + off[0]);
        const double top = foot - height * (0.7 + 0.3 * std::sin(2 * pi * (1.3 * t) + 2 * pi * phase + off[1]));
        QLinearGradient g(0, foot * u + 0.02 * u, 0, top * u);
        g.setColorAt(0.0, withAlpha(color, 0.0));
        g.setColorAt(0.08, withAlpha(color, 0.55 * shimmer));
        g.setColorAt(0.35, withAlpha(color, 0.22 * shimmer));
        g.setColorAt(1.0, withAlpha(color, 0.0));
        p.fillRect(QRect(left, int(top * u), columnWidth, int((foot - top) * u + 0.02 * u) + 1), g);
    }
}

void auroraSkyBase(QPainter &p, const QSizeF &size)
{
    linearFill(p, size, {0, 0}, {0, 1}, {{0.0, QColor(0x02, 0x04, 0x0e)}, {0.6, QColor(0x06, 0x12, 0x28)},
                                          {1.0, QColor(0x0a, 0x22, 0x33)}});
    // A dark hill line anchors the sky; the curtains stay above it.
    Rng hills(25);
    fillBelow(p, size, ridge(hills, size, 0.88, 0.035, 6), QColor(0x03, 0x07, 0x0d));
}

void auroraSky(QPainter &p, const QSizeF &size, double phase)
{
    const double u = size.height();
    Rng stars(21);
    for (int i = 0; i < 160; ++i) {
        const QPointF at(stars() * size.width(), stars(0, 0.75) * u);
        const double twinkle = 0.6 + 0.4 * std::sin(2 * pi * (phase * (1 + stars.pick(3)) + stars()));
        bokehDisc(p, at, stars(0.0008, 0.0022) * u, QColor(0xe8, 0xf0, 0xff), stars(0.35, 0.9) * twinkle);
    }
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    auroraCurtain(p, size, phase, QColor(0x2c, 0xe6, 0xa8), 0.52, 0.42, 22);
    auroraCurtain(p, size, phase, QColor(0x32, 0x9c, 0xf0), 0.6, 0.34, 23);
    auroraCurtain(p, size, phase, QColor(0x9a, 0x62, 0xf5), 0.44, 0.3, 24);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void stardustBase(QPainter &p, const QSizeF &size)
{
    const double u = size.height();
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0x07, 0x05, 0x14));
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    glow(p, {size.width() * 0.5, u * 1.15}, u * 1.3, QColor(0x7a, 0x34, 0xb0), 0.85);
    glow(p, {size.width() * 0.22, u * 0.3}, u * 0.85, QColor(0x2c, 0x3c, 0xa0), 0.6);
    glow(p, {size.width() * 0.82, u * 0.5}, u * 0.7, QColor(0xb0, 0x34, 0x80), 0.45);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    vignette(p, size, 0.45);
}

void stardust(QPainter &p, const QSizeF &size, double phase)
{
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    risingMotes(p, size, phase, 31, 190, {QColor(0xff, 0xf4, 0xe0), QColor(0xff, 0xc8, 0xe6), QColor(0xc9, 0xd6, 0xff),
                                          QColor(0xff, 0xd8, 0x8a)},
                0.008, 0.32);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void pastelFlowBase(QPainter &p, const QSizeF &size)
{
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0xfb, 0xf1, 0xec));
}

void pastelFlow(QPainter &p, const QSizeF &size, double phase)
{
    const double w = size.width();
    struct Blob
    {
        double x, y, radius, orbit;
        int turn;
        QColor color;
    };
    const Blob blobs[] = {{0.18, 0.22, 0.55, 0.08, 1, QColor(0xf6, 0xb8, 0xcf)},
                          {0.82, 0.28, 0.5, 0.1, -1, QColor(0xc6, 0xb4, 0xf2)},
                          {0.62, 0.95, 0.6, 0.09, 1, QColor(0xfb, 0xcf, 0xa4)},
                          {0.12, 0.95, 0.45, 0.07, -1, QColor(0xaf, 0xdc, 0xf2)},
                          {0.5, 0.45, 0.32, 0.12, 1, QColor(0xff, 0xe6, 0xd2)}};
    int i = 0;
    for (const Blob &b : blobs) {
        const double a = 2 * pi * (b.turn * phase + i++ * 0.21);
        const QPointF centre(w * (b.x + b.orbit * std::cos(a)), size.height() * b.y + w * b.orbit * 0.6 * std::sin(a));
        glow(p, centre, w * b.radius, b.color.darker(104), 1.0);
    }
    glow(p, {w * 0.5, size.height() * 0.5}, w * 0.35, QColor(255, 255, 255), 0.35);
}

void oceanLightBase(QPainter &p, const QSizeF &size)
{
    const double u = size.height();
    linearFill(p, size, {0, 0}, {0, 1}, {{0.0, QColor(0x1f, 0x7e, 0x9c)}, {0.45, QColor(0x0c, 0x40, 0x62)},
                                          {1.0, QColor(0x03, 0x14, 0x26)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, {size.width() * 0.45, -u * 0.15}, u * 0.9, QColor(0x9e, 0xe6, 0xf5), 0.4);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    vignette(p, size, 0.4);
}

void oceanLight(QPainter &p, const QSizeF &size, double phase)
{
    const double u = size.height();
    const double w = size.width();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    Rng rng(51);
    for (int i = 0; i < 11; ++i) {
        const double x = rng(0.05, 0.95) * w;
        const double topWidth = rng(0.01, 0.035) * w;
        const double bottomWidth = rng(0.12, 0.26) * w;
        const double tilt = (rng(-0.12, 0.12) + 0.05 * std::sin(2 * pi * phase + rng(0, 2 * pi))) * w;
        const double breath = 0.55 + 0.45 * std::sin(2 * pi * phase * (1 + rng.pick(2)) + rng(0, 2 * pi));
        QPainterPath ray;
        ray.moveTo(x - topWidth, -0.02 * u);
        ray.lineTo(x + topWidth, -0.02 * u);
        ray.lineTo(x + tilt + bottomWidth, u);
        ray.lineTo(x + tilt - bottomWidth, u);
        ray.closeSubpath();
        QLinearGradient g(0, 0, 0, u);
        g.setColorAt(0.0, withAlpha(QColor(0xc8, 0xf4, 0xff), 0.16 * breath));
        g.setColorAt(0.5, withAlpha(QColor(0x8c, 0xdc, 0xf0), 0.06 * breath));
        g.setColorAt(1.0, withAlpha(QColor(0x8c, 0xdc, 0xf0), 0.0));
        p.fillPath(ray, g);
    }
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    risingMotes(p, size, phase, 52, 70, {QColor(0xd8, 0xf6, 0xff), QColor(0xa8, 0xe8, 0xf0)}, 0.0028, 0.12);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void silkLinesBase(QPainter &p, const QSizeF &size)
{
    const double u = size.height();
    linearFill(p, size, {0, 0}, {1, 1}, {{0.0, QColor(0x1b, 0x10, 0x26)}, {1.0, QColor(0x0b, 0x07, 0x12)}});
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    glow(p, {size.width() * 0.5, u * 0.55}, u * 0.9, QColor(0x5a, 0x1e, 0x4a), 0.55);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    vignette(p, size, 0.5);
}

void silkLines(QPainter &p, const QSizeF &size, double phase)
{
    const double u = size.height();
    const double w = size.width();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QLinearGradient colors(0, 0, w, 0);
    colors.setColorAt(0.0, QColor(0xff, 0x8f, 0x8f));
    colors.setColorAt(0.5, QColor(0xff, 0xd0, 0x7a));
    colors.setColorAt(1.0, QColor(0xb8, 0x8c, 0xff));
    const int lines = 36;
    const int steps = 120;
    const double a = 2 * pi * phase;
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < lines; ++i) {
        const double t = double(i) / (lines - 1);
        QPainterPath path;
        for (int s = 0; s <= steps; ++s) {
            const double x = double(s) / steps;
            const double y = 0.52 + (t - 0.5) * 0.26 * (0.6 + 0.4 * std::sin(2 * pi * x * 0.7 + a))
                             + 0.16 * std::sin(2 * pi * x * 0.8 + a + t * 1.4) * (0.5 + 0.5 * t)
                             + 0.05 * std::sin(2 * pi * x * 1.9 - a + t * 2.6);
            const QPointF point(x * w, y * u);
            if (s == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        QPen pen(QBrush(colors), u * 0.0016);
        QColor tint = Qt::white;
        tint.setAlphaF(0.18 + 0.3 * std::sin(pi * t));
        p.setOpacity(tint.alphaF());
        p.setPen(pen);
        p.drawPath(path);
    }
    p.setOpacity(1.0);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace

const QVector<LoopScene> &loopScenes()
{
    static const QVector<LoopScene> scenes = {
        {QStringLiteral("00001"), QStringLiteral("Golden Bokeh"), QStringLiteral("Lato,SansSerif,84,#fff6e8"), goldenBokehBase, goldenBokeh},
        {QStringLiteral("00002"), QStringLiteral("Northern Lights"), QStringLiteral("Open Sans,SansSerif,84,#ffffff"), auroraSkyBase, auroraSky},
        {QStringLiteral("00003"), QStringLiteral("Stardust"), QStringLiteral("Lato,SansSerif,84,#fff4fb"), stardustBase, stardust},
        {QStringLiteral("00004"), QStringLiteral("Pastel Flow"), QStringLiteral("DejaVu Serif,Serif,84,#3b2f3f"), pastelFlowBase, pastelFlow},
        {QStringLiteral("00005"), QStringLiteral("Ocean Light"), QStringLiteral("Open Sans,SansSerif,84,#f2fbff"), oceanLightBase, oceanLight},
        {QStringLiteral("00006"), QStringLiteral("Silk Waves"), QStringLiteral("Liberation Serif,Serif,84,#fff0e6"), silkLinesBase, silkLines},
    };
    return scenes;
}
