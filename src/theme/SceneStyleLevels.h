#pragma once

#include "theme/StyleSettings.h"
#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QFont>

// The style levels of the settings screen (0 keeps the theme's own value) turned into the
// process-wide SceneStyle; the one path of the style settings and the command-line renderer.
namespace SceneStyleLevels {

// Levels 1 to 4 from the tables; level 0 and unknown levels give the fallback.
float borderWidth(int level, float fallback);
float shadowBlur(int level, float fallback);
// A weight of the style record's 0 to 99 scale (50 normal, 75 bold: what project files store)
// on the font's 100 to 900 scale, between the named weights in proportion.
QFont::Weight fontWeightOf(int recordWeight);

// Fills SceneStyle from the user's choices, the theme's defaults and the text style of the
// chosen background (what text looks like when the user picked no font or colour).
void apply(const StyleSettings &style, const ThemeTemplate &theme, const QFont &backgroundFont,
           const QColor &backgroundFontColor);

} // namespace SceneStyleLevels
