#pragma once

#include <QString>

// The style's choices a video is made with: its theme and background, and the scene style
// they give with the user's levels and colours.
class IStyleChoices
{
public:
    virtual ~IStyleChoices() = default;

    virtual int themeId() const = 0;
    virtual QString bgId() const = 0;
    // Fills the scene style a render or the preview draws with from the current choices.
    virtual void applyStyle() = 0;
};
