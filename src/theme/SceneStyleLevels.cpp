#include "theme/SceneStyleLevels.h"

#include "theme/SceneStyle.h"

#include <QFont>
#include <QGuiApplication>

namespace SceneStyleLevels {

float borderWidth(int level, float themeValue)
{
    static const float widths[] = {0.0f, 0.0f, 0.00925f, 0.0185f, 0.037f};
    return level >= 1 && level <= 4 ? widths[level] : themeValue;
}

float shadowBlur(int level, float themeValue)
{
    static const float blurs[] = {0.0f, 0.0f, 0.055f, 0.11f, 0.22f};
    return level >= 1 && level <= 4 ? blurs[level] : themeValue;
}

void apply(const ThemeTemplate &theme, int border, int shadow, int textShadow, const QString &fontFamily,
           const QColor &fontColor)
{
    SceneStyle *style = SceneStyle::instance();
    ShadowSpec photo = theme.shadow;
    photo.blur = shadowBlur(shadow, photo.blur);
    ShadowSpec text = theme.textShadow;
    text.blur = shadowBlur(textShadow, text.blur);
    style->setPhotoShadow(photo);
    style->setTextShadow(text);
    style->setBorderWidth(borderWidth(border, theme.borderWidth));
    style->setBorderColor(theme.borderColor);
    QFont font(fontFamily.isEmpty() ? QGuiApplication::font().family() : fontFamily);
    font.setItalic(false);
    style->setTextFont(font);
    style->setTextColor(fontColor);
}

} // namespace SceneStyleLevels
