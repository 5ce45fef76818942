#pragma once

#include "project/Project.h"
#include "theme/StyleSettings.h"

// Where the open project and its style are saved to and read back from: the list of saved
// projects.
class IProjectStore
{
public:
    virtual ~IProjectStore() = default;

    // Saves the project, giving it an id first when it has none; returns the id, or an empty
    // text when the project file could not be written (the failure is reported there).
    virtual QString saveProject(const ProjectPtr &project) = 0;
    // The saved project at a row of the list, with its id set.
    virtual ProjectPtr loadProject(int row) = 0;
    // The style saved with the project at a row of the list; the default style when it has none.
    virtual StyleSettingsPtr loadStyle(int row) = 0;
    // Beside the project of that id; nothing for a project never saved (no id).
    virtual void saveStyle(const QString &id, const StyleSettingsPtr &style) = 0;
};
