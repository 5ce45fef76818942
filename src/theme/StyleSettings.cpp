#include "theme/StyleSettings.h"

bool StyleSettings::operator==(const StyleSettings &other) const
{
    return borderSize == other.borderSize && imgShadowBlur == other.imgShadowBlur
        && textShadowBlur == other.textShadowBlur && hasOwnBorderColor == other.hasOwnBorderColor
        && borderColor == other.borderColor && hasOwnFontColor == other.hasOwnFontColor
        && fontColor == other.fontColor && fontWeight == other.fontWeight && themeId == other.themeId
        && bgId == other.bgId && fontFamily == other.fontFamily;
}
