#include "project/NullProjectStore.h"

NullProjectStore *NullProjectStore::shared()
{
    static NullProjectStore store;
    return &store;
}

QString NullProjectStore::saveProject(const ProjectPtr &project)
{
    return project->id;
}

ProjectPtr NullProjectStore::loadProject(int row)
{
    Q_UNUSED(row)
    return ProjectPtr::create();
}

StyleSettingsPtr NullProjectStore::loadStyle(int row)
{
    Q_UNUSED(row)
    return StyleSettingsPtr::create();
}

void NullProjectStore::saveStyle(const QString &id, const StyleSettingsPtr &style)
{
    Q_UNUSED(id)
    Q_UNUSED(style)
}
