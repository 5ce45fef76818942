#include "theme/ColourContrast.h"

#include <QtMath>

namespace ColourContrast {

namespace {
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

// The band stays at least this opaque, so easy colours keep their light veil.
constexpr int SoftestDarkBand = 110;
constexpr int SoftestLightBand = 150;
} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor over(const QColor &front, const QColor &back)
{
    const QColor f = front.toRgb();
    const QColor b = back.toRgb();
    const auto mix = [&](int top, int bottom) { return (top * f.alpha() + bottom * (255 - f.alpha()) + 127) / 255; };
    return QColor(mix(f.red(), b.red()), mix(f.green(), b.green()), mix(f.blue(), b.blue()));
}

QColor titleBand(const QColor &text)
{
    QColor opaqueText = text.toRgb();
    opaqueText.setAlpha(255);
    const bool dark = ratio(opaqueText, Qt::black) >= ratio(opaqueText, Qt::white);
    QColor band = dark ? QColor(Qt::black) : QColor(Qt::white);
    const QColor worstBehind = dark ? QColor(Qt::white) : QColor(Qt::black);
    for (int alpha = dark ? SoftestDarkBand : SoftestLightBand; alpha < 255; ++alpha) {
        band.setAlpha(alpha);
        if (ratio(opaqueText, over(band, worstBehind)) >= ReadableRatio)
            return band;
    }
    band.setAlpha(255);
    return band;
}

} // namespace ColourContrast
