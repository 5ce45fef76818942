#include "render/VideoInput.h"

#include <new>

VideoInput::VideoInput(const QString &path)
    : AVInput(path, Video)
    , m_decoded(av_frame_alloc())
{
    if (!m_decoded)
        throw std::bad_alloc();
}

bool VideoInput::readFrame(AVFrame *target)
{
    // A picture the scaler cannot take is skipped like a packet that fails to decode.
    while (decodeNext(m_decoded.get())) {
        const bool converted = m_converter.convert(m_decoded.get(), target);
        target->pts = pictureNumber(m_decoded.get());
        av_frame_unref(m_decoded.get());
        if (converted)
            return true;
    }
    return false;
}

bool VideoInput::readPicture(AVFrame *picture)
{
    return decodeNext(picture);
}

int64_t VideoInput::pictureNumber(const AVFrame *picture)
{
    return picture->pts != AV_NOPTS_VALUE ? picture->pts : picture->best_effort_timestamp;
}
