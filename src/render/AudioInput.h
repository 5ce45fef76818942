#pragma once

#include "render/AVInput.h"

// Decodes one music file frame by frame, in the file's own sample format, rate and layout.
class AudioInput : public AVInput
{
public:
    explicit AudioInput(const QString &path);

    bool readFrame(AVFrame *target) override;
};
