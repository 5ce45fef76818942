#pragma once

#include <QString>

// The resolution and the folder the video settings screen shows for the open project.
class IOutputChoices
{
public:
    virtual ~IOutputChoices() = default;

    // 0 720p, 1 1080p, 2 2160p.
    virtual int resolution() const = 0;
    virtual QString saveDir() const = 0;
    // Shows an opened project's settings; not an edit.
    virtual void showOutput(int resolution, const QString &saveDir) = 0;
};
