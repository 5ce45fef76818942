#include "render/EncoderFrameConverter.h"

#include "render/BgraToYuv.h"
#include "render/FrameScaling.h"

bool EncoderFrameConverter::convert(const AVFrame *bgra, AVFrame *target)
{
    target->pts = bgra->pts;
    if (bgra->width == target->width && bgra->height == target->height && target->format == AV_PIX_FMT_YUV420P) {
        convertBgraToYuv420(bgra->data[0], bgra->linesize[0], target->data[0], target->linesize[0], target->data[1],
                            target->linesize[1], target->data[2], target->linesize[2], target->width,
                            target->height);
        return true;
    }
    return scaleFrame(m_scaler, bgra, target);
}
