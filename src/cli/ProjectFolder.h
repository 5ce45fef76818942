#pragma once

#include "cli/RenderOptions.h"
#include "project/Project.h"
#include "theme/StyleSettings.h"

#include <QString>
#include <QStringList>

// Saved-project folders on the command line: rendering one (--project) and writing one
// (--save-project) in the same files the application reads and writes.
namespace ProjectFolder {

// As the application does with photos that are gone or cannot be read (not a picture, damaged,
// too large): they are left out of the video, each named in warnings.
void dropUnreadablePhotos(Project &project, QStringList *warnings);

// The project saved in options.projectDir, its missing and unreadable photos dropped (listed in
// warnings), its damage and lost music noted there too.
// Its style fills the style options the command line did not give; without -o the video goes
// to the project's result folder. Null, with a message, when the folder holds no project.
ProjectPtr load(RenderOptions &options, QStringList *warnings, QString *error);

// The style record the options describe; a background given as a colour or a file cannot be
// kept in a project and is noted in warnings.
StyleSettingsPtr styleOf(const RenderOptions &options, QStringList *warnings);

// Why a project may not be written into dir: a folder that holds other files and no saved
// project, whose files would be replaced. Empty when it may (absent, empty or a saved project).
QString saveProblem(const QString &dir);

// Writes "info.xml", the thumbnails, "prj.xml" and "settings.xml" into dir, creating it.
bool save(const QString &dir, const ProjectPtr &project, const StyleSettingsPtr &style, QString *error);

} // namespace ProjectFolder
