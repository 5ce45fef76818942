#include "render/FrameScaling.h"

#include "render/VideoColour.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace {

bool isRgb(const AVFrame *frame)
{
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(AVPixelFormat(frame->format));
    return descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_RGB);
}

} // namespace

bool scaleFrame(SwsContextPtr &scaler, const AVFrame *source, AVFrame *target)
{
    scaler.reset(sws_getCachedContext(scaler.release(), source->width, source->height, AVPixelFormat(source->format),
                                      target->width, target->height, AVPixelFormat(target->format),
                                      SWS_FAST_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler)
        return false;
    // The scaler assumes BT.601 whatever the frames say; RGB sides are full range.
    const VideoColour from = VideoColour::of(source), to = VideoColour::of(target);
    sws_setColorspaceDetails(scaler.get(), from.scalerCoefficients(), isRgb(source) || from.fullRange(),
                             to.scalerCoefficients(), isRgb(target) || to.fullRange(), 0, 1 << 16, 1 << 16);
    sws_scale(scaler.get(), source->data, source->linesize, 0, source->height, target->data, target->linesize);
    return true;
}
