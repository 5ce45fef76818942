#pragma once

#include "theme/StyleSettings.h"

// The open project's style as the saving of the project sees it.
class IProjectStyle
{
public:
    virtual ~IProjectStyle() = default;

    // Into the open project's folder; nothing before the project was first saved.
    virtual void save() = 0;
    virtual void setFrom(const StyleSettings &style) = 0;
    // The default style.
    virtual void reset() = 0;
};
