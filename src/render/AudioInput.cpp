#include "render/AudioInput.h"

AudioInput::AudioInput(const QString &path)
    : AVInput(path, Audio)
{
}

bool AudioInput::readFrame(AVFrame *target)
{
    return decodeNext(target);
}
