#pragma once

#include "backgrounds/BackgroundDescriptor.h"
#include "project/Project.h"
#include "theme/ThemeTemplate.h"

#include <QSize>
#include <QString>

// Everything one run of the preview plays: a copy of the project taken when it starts (the
// interface may change the open project meanwhile), the theme and the background.
struct PreviewRun
{
    ProjectPtr project;
    ThemeTemplatePtr theme;
    BackgroundDescriptor background;
    double from = 0.0; // seconds on the video's time line
    QSize frameSize = QSize(640, 360);

    // A deep copy of the project's present slides that nothing else changes, at the smallest
    // quality (so a background video is read from its smallest file).
    static ProjectPtr snapshot(const Project &project);
    // What the preview draws for the chosen background: a video from its smallest file on disk,
    // or, before any was downloaded, its thumbnail as a still picture (nothing to fetch, no
    // error for a file that is not there yet).
    static BackgroundDescriptor backgroundFor(const BackgroundDescriptor &chosen);
};
