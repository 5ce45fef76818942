#pragma once

#include "render/AVInput.h"

// Decodes the first video stream of a file and converts each picture into a BGRA target
// frame of the target's own size.
class VideoInput : public AVInput
{
public:
    explicit VideoInput(const QString &path);
    ~VideoInput() override;

    // target is a BGRA frame whose width and height are set; false at the end of the stream.
    bool readFrame(AVFrame *target) override;

private:
    bool convert(AVFrame *target);

    SwsContext *m_scaler = nullptr;
    AVFramePtr m_decoded;
};
