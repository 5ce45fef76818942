#pragma once

#include "project/IProjectStore.h"

// Stands in until a real list of saved projects is installed: keeps nothing, reads defaults.
class NullProjectStore : public IProjectStore
{
public:
    // One for everyone who has no store yet.
    static NullProjectStore *shared();

    QString saveProject(const ProjectPtr &project) override;
    ProjectPtr loadProject(int row) override;
    StyleSettingsPtr loadStyle(int row) override;
    void saveStyle(const QString &id, const StyleSettingsPtr &style) override;
};
