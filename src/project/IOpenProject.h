#pragma once

#include "project/IProjectSource.h"

// The open project as the saving of it sees it: written when it is worth a folder, replaced by
// another or by an empty one.
class IOpenProject : public IProjectSource
{
public:
    // Slides or music: something worth saving.
    virtual bool hasContent() const = 0;
    // Writes the project without telling it was saved; false when the file could not be written.
    virtual bool saveQuietly() = 0;
    virtual void openProject(const ProjectPtr &source) = 0;
    virtual void reset() = 0;
};
