#pragma once

#include "project/IProjectStore.h"

// Stands in until a real list of saved projects is installed: keeps nothing, reads defaults.
class NullProjectStore : public IProjectStore
{
public:
    QString saveProject(const ProjectPtr &project) override;
    ProjectPtr loadProject(int row) override;
};
