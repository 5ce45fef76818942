#include "render/EncoderFrameConverter.h"

#include "render/BgraToYuv.h"

bool EncoderFrameConverter::convert(const AVFrame *bgra, AVFrame *target)
{
    target->pts = bgra->pts;
    if (bgra->width == target->width && bgra->height == target->height && target->format == AV_PIX_FMT_YUV420P) {
        convertBgraToYuv420(bgra->data[0], bgra->linesize[0], target->data[0], target->linesize[0], target->data[1],
                            target->linesize[1], target->data[2], target->linesize[2], target->width,
                            target->height);
        return true;
    }
    SwsContext *scaler =
        sws_getCachedContext(m_scaler.release(), bgra->width, bgra->height, AV_PIX_FMT_BGRA, target->width,
                             target->height, AVPixelFormat(target->format), SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
    m_scaler.reset(scaler);
    if (!scaler)
        return false;
    sws_scale(scaler, bgra->data, bgra->linesize, 0, bgra->height, target->data, target->linesize);
    return true;
}
