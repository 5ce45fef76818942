#pragma once

#include "project/Project.h"

// The project open on the screens, for presenters that read it but do not edit it.
class IProjectSource
{
public:
    virtual ~IProjectSource() = default;

    virtual ProjectPtr project() const = 0;
};
