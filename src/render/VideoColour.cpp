#include "render/VideoColour.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

VideoColour VideoColour::forVideo(int width, int height)
{
    // The line players draw between SD and HD for untagged video (576 lines is PAL's SD).
    return VideoColour(width >= 1280 || height > 576 ? Bt709 : Bt601);
}

VideoColour VideoColour::of(const AVFrame *picture)
{
    const bool full = picture->color_range == AVCOL_RANGE_JPEG || picture->format == AV_PIX_FMT_YUVJ420P
                      || picture->format == AV_PIX_FMT_YUVJ422P || picture->format == AV_PIX_FMT_YUVJ444P;
    switch (picture->colorspace) {
    case AVCOL_SPC_BT709:
        return VideoColour(Bt709, full);
    case AVCOL_SPC_BT470BG:
    case AVCOL_SPC_SMPTE170M:
    case AVCOL_SPC_FCC:
        return VideoColour(Bt601, full);
    default:
        return VideoColour(forVideo(picture->width, picture->height).matrix(), full);
    }
}

void VideoColour::tag(AVCodecContext *context) const
{
    context->color_primaries = primaries();
    context->color_trc = transfer();
    context->colorspace = space();
    context->color_range = range();
}

void VideoColour::tag(AVFrame *frame) const
{
    frame->color_primaries = primaries();
    frame->color_trc = transfer();
    frame->colorspace = space();
    frame->color_range = range();
}

const int *VideoColour::scalerCoefficients() const
{
    return sws_getCoefficients(m_matrix == Bt709 ? SWS_CS_ITU709 : SWS_CS_SMPTE170M);
}

AVColorPrimaries VideoColour::primaries() const
{
    return m_matrix == Bt709 ? AVCOL_PRI_BT709 : AVCOL_PRI_SMPTE170M;
}

AVColorTransferCharacteristic VideoColour::transfer() const
{
    return m_matrix == Bt709 ? AVCOL_TRC_BT709 : AVCOL_TRC_SMPTE170M;
}

AVColorSpace VideoColour::space() const
{
    return m_matrix == Bt709 ? AVCOL_SPC_BT709 : AVCOL_SPC_SMPTE170M;
}
