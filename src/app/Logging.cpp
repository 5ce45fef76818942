#include "app/Logging.h"

Q_LOGGING_CATEGORY(lcApp, "pictovia.app")
Q_LOGGING_CATEGORY(lcProject, "pictovia.project")
Q_LOGGING_CATEGORY(lcTheme, "pictovia.theme")
Q_LOGGING_CATEGORY(lcRender, "pictovia.render")
Q_LOGGING_CATEGORY(lcBackgrounds, "pictovia.backgrounds")
Q_LOGGING_CATEGORY(lcImages, "pictovia.images")
Q_LOGGING_CATEGORY(lcPreview, "pictovia.preview")
