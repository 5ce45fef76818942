#pragma once

#include <QDir>
#include <QString>

// Folders the program reads from and writes to. Empty until setup() has run.
namespace AppPaths {

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

// Moves to the program's own folder when the working directory has no installed data
// (started from a desktop menu), then sets the constants above.
void setup();

// True when dir holds the installed data folders the program reads relative to the working directory.
bool hasInstalledData(const QString &dir);

} // namespace AppPaths
