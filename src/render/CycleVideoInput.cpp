#include "render/CycleVideoInput.h"

CycleVideoInput::CycleVideoInput(const QString &path)
    : VideoInput(path)
{
}

bool CycleVideoInput::readFrame(AVFrame *target)
{
    if (VideoInput::readFrame(target))
        return true;
    if (!rewind())
        return false;
    return VideoInput::readFrame(target);
}
