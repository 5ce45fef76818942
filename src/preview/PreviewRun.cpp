#include "preview/PreviewRun.h"

ProjectPtr PreviewRun::snapshot(const Project &project)
{
    auto copy = ProjectPtr::create(project);
    for (SlidePtr &slide : copy->slides)
        slide = SlidePtr::create(*slide);
    copy->output.quality = 0;
    return copy;
}
