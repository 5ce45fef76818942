#pragma once

#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QString>

// The style levels of the settings screen (0 keeps the theme's own value) turned into the
// process-wide SceneStyle; shared by the command-line renderer and the style settings.
namespace SceneStyleLevels {

float borderWidth(int level, float themeValue);
float shadowBlur(int level, float themeValue);
// fontFamily empty: the application's default family.
void apply(const ThemeTemplate &theme, int border, int shadow, int textShadow, const QString &fontFamily,
           const QColor &fontColor);

} // namespace SceneStyleLevels
