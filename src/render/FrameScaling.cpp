#include "render/FrameScaling.h"

bool scaleFrame(SwsContextPtr &scaler, const AVFrame *source, AVFrame *target)
{
    scaler.reset(sws_getCachedContext(scaler.release(), source->width, source->height, AVPixelFormat(source->format),
                                      target->width, target->height, AVPixelFormat(target->format),
                                      SWS_FAST_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler)
        return false;
    sws_scale(scaler.get(), source->data, source->linesize, 0, source->height, target->data, target->linesize);
    return true;
}
