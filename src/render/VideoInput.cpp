#include "render/VideoInput.h"

#include <new>

VideoInput::VideoInput(const QString &path)
    : AVInput(path, Video)
    , m_decoded(av_frame_alloc())
{
    if (!m_decoded)
        throw std::bad_alloc();
}

VideoInput::~VideoInput()
{
    sws_freeContext(m_scaler);
}

bool VideoInput::readFrame(AVFrame *target)
{
    // A picture the scaler cannot take is skipped like a packet that fails to decode.
    while (decodeNext(m_decoded.get())) {
        const bool converted = convert(target);
        av_frame_unref(m_decoded.get());
        if (converted)
            return true;
    }
    return false;
}

bool VideoInput::convert(AVFrame *target)
{
    const AVFrame *source = m_decoded.get();
    m_scaler = sws_getCachedContext(m_scaler, source->width, source->height, AVPixelFormat(source->format),
                                    target->width, target->height, AV_PIX_FMT_BGRA, SWS_FAST_BILINEAR, nullptr,
                                    nullptr, nullptr);
    if (!m_scaler)
        return false;
    sws_scale(m_scaler, source->data, source->linesize, 0, source->height, target->data, target->linesize);
    target->pts = source->pts != AV_NOPTS_VALUE ? source->pts : source->best_effort_timestamp;
    return true;
}
