#pragma once

#include <QLoggingCategory>

// One category per subsystem.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcProject)
Q_DECLARE_LOGGING_CATEGORY(lcTheme)
Q_DECLARE_LOGGING_CATEGORY(lcRender)
Q_DECLARE_LOGGING_CATEGORY(lcBackgrounds)
Q_DECLARE_LOGGING_CATEGORY(lcImages)
