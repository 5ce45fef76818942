#pragma once

#include "cli/RenderOptions.h"
#include "project/Project.h"
#include "theme/StyleSettings.h"

#include <QString>
#include <QStringList>

// Saved-project folders on the command line: rendering one (--project) and writing one
// (--save-project) in the same files the application reads and writes.
namespace ProjectFolder {

// The project saved in options.projectDir, its missing photos dropped (listed in warnings).
// Its style fills the style options the command line did not give; without -o the video goes
// to the project's result folder. Null, with a message, when the folder holds no project.
ProjectPtr load(RenderOptions &options, QStringList *warnings, QString *error);

// The style record the options describe; a background given as a colour or a file cannot be
// kept in a project and is noted in warnings.
StyleSettingsPtr styleOf(const RenderOptions &options, QStringList *warnings);

// Writes "info.xml", the thumbnails, "prj.xml" and "settings.xml" into dir, creating it.
bool save(const QString &dir, const ProjectPtr &project, const StyleSettingsPtr &style, QString *error);

} // namespace ProjectFolder
