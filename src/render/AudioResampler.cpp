#include "render/AudioResampler.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <QtGlobal>

AVChannelLayout resamplerInputLayout(const AVFrame *frame)
{
    AVChannelLayout layout{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels <= 0
        || av_channel_layout_copy(&layout, &frame->ch_layout) < 0)
        av_channel_layout_default(&layout, qMax(frame->ch_layout.nb_channels, 1));
    return layout;
}

SwrContextPtr makeResampler(const AVFrame *frame, int rate, int channels, int sampleFormat, int outputRate)
{
    AVChannelLayout in = resamplerInputLayout(frame);
    AVChannelLayout out{};
    av_channel_layout_default(&out, channels);
    SwrContext *context = nullptr;
    int result = swr_alloc_set_opts2(&context, &out, AVSampleFormat(sampleFormat), outputRate, &in,
                                     AVSampleFormat(frame->format), rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    SwrContextPtr owned(context);
    if (result >= 0)
        result = swr_init(context);
    if (result < 0)
        throw result;
    return owned;
}
