#pragma once

#include <QDir>
#include <QString>

// Folders the program reads from and writes to. Empty until setup() has run.
namespace AppPaths {

// The absolute folder the installed data (themes, backgrounds, the content folder) was found in.
extern QString dataDir;
extern QString templatesDir;
extern QString projectsDir;
extern QString appDataDir;
extern QString backgroundsDir;
extern QString animatedBackgroundsDir;
extern QString downloadedBackgroundsDir;
extern QString customBackgroundsFile;

extern QDir projectsQDir;
extern QDir backgroundsQDir;
extern QDir animatedBackgroundsQDir;

// Moves to the folder of the installed data when the working directory has none (started from a
// desktop menu or from another folder), then sets the constants above.
void setup();

// True when dir holds the installed data folders the program reads relative to the working directory.
bool hasInstalledData(const QString &dir);

// The first folder holding installed data: the working directory (make run), the installed
// layout's <prefix>/share/pictovia beside <prefix>/bin, then the program's own folder (the build
// layout). Empty when none has any.
QString findDataDir(const QString &workingDir, const QString &programDir);

} // namespace AppPaths
