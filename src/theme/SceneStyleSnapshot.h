#pragma once

#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QFont>

// The look of rendered slides as one run sees it: copied once when the run starts, so a style
// change made meanwhile, or another run, never reaches its sprites halfway.
struct SceneStyleSnapshot
{
    float borderWidth = 0.0f;
    QColor borderColor;
    ShadowSpec photoShadow;
    ShadowSpec textShadow;
    QFont textFont;
    QColor textColor;
};
