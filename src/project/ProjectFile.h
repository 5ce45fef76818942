#pragma once

#include "project/Project.h"
#include "theme/StyleSettings.h"

#include <QDateTime>
#include <QString>

// The three small XML files of a saved-project folder: "prj.xml" (the project), "settings.xml"
// (its style) and "info.xml" (what the saved-projects list shows). Each is written whole to a
// temporary file and renamed over the old one; readers keep what they read before an error and
// fall back to defaults for the rest.

// "info.xml" as the saved-projects list reads it.
struct ProjectInfo
{
    QString name;  // the time of the last save as text
    QString audio; // path of the first music track
    int slidesCount = 0;
};

// A fresh project filled from the file; its id is left empty (the folder name gives it). A file
// that is there but damaged (cut short, not well-formed, not a project, unreadable) gives what
// came before the damage, whole slides only, and damage says where and why; it is left empty for
// a whole file or none.
ProjectPtr readProjectFile(const QString &path, QString *damage = nullptr);
// False, with the reason, when the file could not be written; the old file is then untouched.
bool writeProjectFile(const QString &path, const ProjectPtr &project, QString *error = nullptr);

// Whether the file ends as a whole project file does; for the saved-projects list, which must not
// read every project to tell a damaged one.
bool projectFileLooksWhole(const QString &path);
// Keeps a copy of a damaged project file beside it ("prj.xml.damaged", then ".damaged.2" and so
// on, an identical copy being reused); the copy's path, or empty with the reason when it failed.
QString keepDamagedCopy(const QString &path, QString *error = nullptr);

// A new style record when the file cannot be read.
StyleSettingsPtr readStyleFile(const QString &path);
bool writeStyleFile(const QString &path, const StyleSettingsPtr &style, QString *error = nullptr);

ProjectInfo readProjectInfo(const QString &path);
// What "info.xml" says of the project saved at time: its name is that time as
// "dd MMM yyyy - hh:mm" in the system's language.
ProjectInfo projectInfoOf(const Project &project, const QDateTime &time);
bool writeProjectInfo(const QString &path, const ProjectInfo &info, QString *error = nullptr);
