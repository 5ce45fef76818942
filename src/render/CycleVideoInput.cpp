#include "render/CycleVideoInput.h"

CycleVideoInput::CycleVideoInput(const QString &path)
    : VideoInput(path)
{
}

bool CycleVideoInput::readFrame(AVFrame *target)
{
    if (VideoInput::readFrame(target))
        return true;
    return rewind() && VideoInput::readFrame(target);
}

bool CycleVideoInput::readPicture(AVFrame *picture)
{
    if (VideoInput::readPicture(picture))
        return true;
    return rewind() && VideoInput::readPicture(picture);
}
