#include "preview/PreviewRun.h"

#include <QFileInfo>

ProjectPtr PreviewRun::snapshot(const Project &project)
{
    // Missing photos are not in the video, so not in its preview either.
    const ProjectPtr copy = project.withoutMissingSlides();
    for (SlidePtr &slide : copy->slides)
        slide = SlidePtr::create(*slide);
    copy->output.quality = 0;
    return copy;
}

BackgroundDescriptor PreviewRun::backgroundFor(const BackgroundDescriptor &chosen)
{
    if (!chosen.isVideo())
        return chosen;
    for (int resolution : {0, 1, 2}) {
        const QString file = chosen.pathFor(resolution);
        if (QFileInfo::exists(file)) {
            BackgroundDescriptor found = chosen;
            found.path = file;
            return found;
        }
    }
    BackgroundDescriptor standIn = chosen;
    standIn.path = QFileInfo::exists(chosen.thumbPath) ? chosen.thumbPath : QString();
    return standIn;
}
