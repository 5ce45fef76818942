#include "app/Logging.h"

// Debug lines are for developers: shown only when asked for, with
// QT_LOGGING_RULES="pictovia.*.debug=true".
Q_LOGGING_CATEGORY(lcApp, "pictovia.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcProject, "pictovia.project", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTheme, "pictovia.theme", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRender, "pictovia.render", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBackgrounds, "pictovia.backgrounds", QtInfoMsg)
Q_LOGGING_CATEGORY(lcImages, "pictovia.images", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPreview, "pictovia.preview", QtInfoMsg)
