#pragma once

#include "render/VideoInput.h"

// A VideoInput that starts again from the first frame when the file ends.
class CycleVideoInput : public VideoInput
{
public:
    explicit CycleVideoInput(const QString &path);

    // False only when the video has no frame to give even after going back to its start.
    bool readFrame(AVFrame *target) override;
    bool readPicture(AVFrame *picture) override;
};
