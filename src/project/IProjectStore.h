#pragma once

#include "project/Project.h"

// Where the open project is saved to and read back from: the list of saved projects.
class IProjectStore
{
public:
    virtual ~IProjectStore() = default;

    // Saves the project, giving it an id first when it has none; returns the id, or an empty
    // text when the project file could not be written (the failure is reported there).
    virtual QString saveProject(const ProjectPtr &project) = 0;
    // The saved project at a row of the list, with its id set.
    virtual ProjectPtr loadProject(int row) = 0;
};
