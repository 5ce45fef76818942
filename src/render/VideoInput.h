#pragma once

#include "render/AVInput.h"
#include "render/BgraConverter.h"

// Decodes the first video stream of a file and converts each picture into a BGRA target
// frame of the target's own size.
class VideoInput : public AVInput
{
public:
    explicit VideoInput(const QString &path);

    // target is a BGRA frame whose width and height are set; false at the end of the stream.
    bool readFrame(AVFrame *target) override;
    // The next picture as decoded, for a caller that converts it later (or never); false at
    // the end of the stream.
    virtual bool readPicture(AVFrame *picture);

    // The number a decoded picture carries.
    static int64_t pictureNumber(const AVFrame *picture);

private:
    BgraConverter m_converter;
    AVFramePtr m_decoded;
};
