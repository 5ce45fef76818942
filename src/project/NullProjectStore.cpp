#include "project/NullProjectStore.h"

QString NullProjectStore::saveProject(const ProjectPtr &project)
{
    return project->id;
}

ProjectPtr NullProjectStore::loadProject(int row)
{
    Q_UNUSED(row)
    return ProjectPtr::create();
}
