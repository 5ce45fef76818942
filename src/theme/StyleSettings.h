#pragma once

#include "app/AppConstants.h"

#include <QColor>
#include <QSharedPointer>
#include <QString>

// The user's style choices saved with a project ("settings.xml"). Levels use 0 for the theme's
// own value, 1 for none and 2 to 4 for increasing strength.
struct StyleSettings
{
    int borderSize = 0;
    int imgShadowBlur = 0;
    int textShadowBlur = 0;
    bool hasOwnBorderColor = false;
    QColor borderColor = QColor(255, 255, 255);
    bool hasOwnFontColor = false;
    QColor fontColor = QColor(255, 255, 255);
    int fontWeight = 50; // 0 to 99, the toolkit's font weight scale
    int themeId = 1;
    QString bgId = AppConstants::defaultBackgroundId;
    QString fontFamily; // empty: the background's font

    bool operator==(const StyleSettings &other) const;
    bool operator!=(const StyleSettings &other) const { return !(*this == other); }
};
using StyleSettingsPtr = QSharedPointer<StyleSettings>;
