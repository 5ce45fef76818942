#include "theme/SceneStyleLevels.h"

#include "theme/SceneStyle.h"

#include <array>
#include <utility>

namespace SceneStyleLevels {

float borderWidth(int level, float fallback)
{
    static const float widths[] = {0.0f, 0.0f, 0.00925f, 0.0185f, 0.037f};
    return level >= 1 && level <= 4 ? widths[level] : fallback;
}

float shadowBlur(int level, float fallback)
{
    static const float blurs[] = {0.0f, 0.0f, 0.055f, 0.11f, 0.22f};
    return level >= 1 && level <= 4 ? blurs[level] : fallback;
}

QFont::Weight fontWeightOf(int recordWeight)
{
    // The named weights on both scales: thin, extra light, light, normal, medium, demi bold,
    // bold, extra bold, black.
    static constexpr std::array<std::pair<int, int>, 9> named{{
        {0, 100}, {12, 200}, {25, 300}, {50, 400}, {57, 500}, {63, 600}, {75, 700}, {81, 800}, {87, 900}}};
    const int weight = qBound(0, recordWeight, 99);
    for (std::size_t i = 1; i < named.size(); ++i) {
        const auto [from, fromWeight] = named[i - 1];
        const auto [to, toWeight] = named[i];
        if (weight <= to)
            return QFont::Weight(fromWeight + (weight - from) * (toWeight - fromWeight) / (to - from));
    }
    return QFont::Black;
}

void apply(const StyleSettings &style, const ThemeTemplate &theme, const QFont &backgroundFont,
           const QColor &backgroundFontColor)
{
    SceneStyle *scene = SceneStyle::instance();
    ShadowSpec photo = theme.shadow;
    photo.blur = shadowBlur(style.imgShadowBlur, photo.blur);
    ShadowSpec text = theme.textShadow;
    text.blur = shadowBlur(style.textShadowBlur, text.blur);
    scene->setPhotoShadow(photo);
    scene->setTextShadow(text);
    // A level outside the tables (from a damaged file) keeps the width in use.
    const float unknownWidth = style.borderSize == 0 ? theme.borderWidth : scene->borderWidth();
    scene->setBorderWidth(borderWidth(style.borderSize, unknownWidth));
    scene->setBorderColor(style.hasOwnBorderColor ? style.borderColor : theme.borderColor);
    // Colours and pictures given by path carry no text colour of their own: white.
    const QColor inherited = backgroundFontColor.isValid() ? backgroundFontColor : QColor(255, 255, 255);
    scene->setTextColor(style.hasOwnFontColor ? style.fontColor : inherited);
    QFont font(style.fontFamily.isEmpty() ? backgroundFont.family() : style.fontFamily);
    font.setItalic(false);
    font.setWeight(fontWeightOf(style.fontWeight));
    scene->setTextFont(font);
}

} // namespace SceneStyleLevels
