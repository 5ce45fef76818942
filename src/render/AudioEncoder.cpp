#include "render/AudioEncoder.h"
#include "app/CommonError.h"
#include "render/AudioResampler.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

#include <cstdio>
#include <limits>

namespace {
constexpr int outputRate = 44100;
// Encoders that take any frame size still get frames of this many samples.
constexpr int fallbackFrameSize = 1024;

[[noreturn]] void fail(const char *message, int code)
{
    CommonError::report(QString::fromLatin1(message), code, QStringLiteral("Cannot write the sound of the video"));
    throw code;
}

void check(int result)
{
    if (result < 0)
        throw result;
}

// The mask for the usual layouts; other orders are told apart by their full description.
QString layoutKey(const AVChannelLayout &layout)
{
    if (layout.order == AV_CHANNEL_ORDER_NATIVE)
        return QString::number(quint64(layout.u.mask));
    char text[256] = {};
    av_channel_layout_describe(&layout, text, sizeof text);
    return QString::fromLatin1(text);
}

template <typename T>
void scaleInteger(T *samples, int count, int volume, int64_t low, int64_t high, int64_t middle)
{
    for (int i = 0; i < count; ++i) {
        const int64_t scaled = (((int64_t(samples[i]) - middle) * volume + 128) >> 8) + middle;
        samples[i] = T(qBound(low, scaled, high));
    }
}

template <typename T>
void scaleFloat(T *samples, int count, int volume)
{
    const T factor = T(volume) / T(256);
    for (int i = 0; i < count; ++i)
        samples[i] *= factor;
}
} // namespace

AudioEncoder::AudioEncoder(const AVOutputFormat *format, AVFormatContext *formatContext, int64_t bitRate,
                           int channels, int sampleFormat)
    : m_formatContext(formatContext)
    , m_packet(av_packet_alloc())
{
    if (!m_packet)
        throw AVERROR(ENOMEM);
    m_encoder = avcodec_find_encoder(format->audio_codec);
    if (!m_encoder)
        throw AVERROR_ENCODER_NOT_FOUND;
    m_stream = avformat_new_stream(formatContext, nullptr);
    m_codecContext.reset(avcodec_alloc_context3(m_encoder));
    if (!m_stream || !m_codecContext)
        throw AVERROR(ENOMEM);

    AVCodecContext *context = m_codecContext.get();
    AVSampleFormat chosen = AVSampleFormat(sampleFormat);
    if (const AVSampleFormat *accepted = m_encoder->sample_fmts) {
        chosen = accepted[0];
        for (; *accepted != AV_SAMPLE_FMT_NONE; ++accepted)
            if (*accepted == AVSampleFormat(sampleFormat))
                chosen = *accepted;
    }
    context->thread_count = 4;
    context->bit_rate = bitRate;
    context->sample_rate = outputRate;
    context->sample_fmt = chosen;
    av_channel_layout_default(&context->ch_layout, channels);
    context->time_base = AVRational{1, outputRate};
    if (formatContext->oformat->flags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // The native encoder's own coder: the "fast" one takes longer on plain music and falls to
    // about 100 kbit/s where this one keeps the 192 asked for.
    check(avcodec_open2(context, m_encoder, nullptr));
    check(avcodec_parameters_from_context(m_stream->codecpar, context));
    m_stream->time_base = context->time_base;
    m_frameSize = context->frame_size > 0 ? context->frame_size : fallbackFrameSize;

    for (unsigned i = 0; i < formatContext->nb_streams; ++i) {
        if (formatContext->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
            m_streamIndex = int(i);
            break;
        }
    }
    if (m_streamIndex < 0)
        throw AVERROR_STREAM_NOT_FOUND;
    m_fifo.reset(av_audio_fifo_alloc(context->sample_fmt, context->ch_layout.nb_channels, 1));
    if (!m_fifo)
        throw AVERROR(ENOMEM);
}

QString AudioEncoder::resamplerKey(const AVFrame *frame, int rate)
{
    AVChannelLayout in = resamplerInputLayout(frame);
    const QString key = QStringLiteral("chl%1sr%2sf%3").arg(layoutKey(in)).arg(rate).arg(frame->format);
    av_channel_layout_uninit(&in);
    return key;
}

// Converters are set up once per input form and track, and belong to this encoder alone: a
// converter keeps a few samples back, which must not reach another track or another video.
SwrContext *AudioEncoder::resampler(const AVFrame *frame, int rate)
{
    const QString key = resamplerKey(frame, rate);
    auto found = m_resamplers.find(key);
    if (found != m_resamplers.end())
        return m_lastResampler = found->second.get();
    SwrContextPtr made = makeResampler(frame, rate, m_codecContext->ch_layout.nb_channels, m_codecContext->sample_fmt,
                                       m_codecContext->sample_rate);
    m_lastResampler = made.get();
    m_resamplers.emplace(key, std::move(made));
    return m_lastResampler;
}

void AudioEncoder::startTrack()
{
    // What the converter still holds is the end of the previous track, and goes before the next.
    if (m_lastResampler)
        appendConverted(m_lastResampler, nullptr, 0);
    m_lastResampler = nullptr;
    m_resamplers.clear();
}

// Converts the whole input at once: an output buffer of one encoder frame would leave the
// rest in the converter, and reading it out with no input would flush its filter state.
// No input drains the converter.
void AudioEncoder::appendConverted(SwrContext *resampler, const uint8_t **input, int count)
{
    const int capacity = swr_get_out_samples(resampler, count);
    check(capacity);
    uint8_t **buffer = nullptr;
    const int channels = m_codecContext->ch_layout.nb_channels;
    check(av_samples_alloc_array_and_samples(&buffer, nullptr, channels, qMax(capacity, 1),
                                             m_codecContext->sample_fmt, 0));
    const int converted = swr_convert(resampler, buffer, capacity, input, count);
    int written = 0;
    if (converted > 0)
        written = av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void **>(buffer), converted);
    av_freep(&buffer[0]);
    av_freep(&buffer);
    check(converted);
    check(written);
}

int AudioEncoder::encodeFrame(const AVFrame *frame, int rate, int volume)
{
    appendConverted(resampler(frame, rate), const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
    while (av_audio_fifo_size(m_fifo.get()) >= m_frameSize) {
        AVFramePtr out(av_frame_alloc());
        if (!out) {
            std::fputs("Could not allocate output frame\n", stderr);
            fail("Failed init out frame while writing audio frame.", AVERROR(ENOMEM));
        }
        out->nb_samples = m_frameSize;
        out->format = m_codecContext->sample_fmt;
        out->sample_rate = m_codecContext->sample_rate;
        int result = av_channel_layout_copy(&out->ch_layout, &m_codecContext->ch_layout);
        if (result >= 0)
            result = av_frame_get_buffer(out.get(), 32);
        if (result < 0) {
            std::fputs("Could allocate output frame samples\n", stderr);
            fail("Failed init out frame while writing audio frame.", result);
        }
        result = av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void **>(out->data), m_frameSize);
        if (result < m_frameSize)
            fail("Failed read out frame while writing audio frame.", result < 0 ? result : AVERROR_BUG);
        if (volume != 256)
            scaleSamples(out.get(), volume);
        out->pts = m_nextPts;
        m_nextPts += out->nb_samples;
        send(out.get());
    }
    return av_audio_fifo_size(m_fifo.get());
}

void AudioEncoder::send(const AVFrame *frame)
{
    int result = avcodec_send_frame(m_codecContext.get(), frame);
    while (result >= 0) {
        result = avcodec_receive_packet(m_codecContext.get(), m_packet.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return;
        if (result < 0)
            break;
        av_packet_rescale_ts(m_packet.get(), m_codecContext->time_base, m_stream->time_base);
        m_packet->stream_index = m_streamIndex;
        result = av_write_frame(m_formatContext, m_packet.get());
        av_packet_unref(m_packet.get());
    }
    if (frame)
        fail("Failed encode out frame while writing audio frame.", result);
    throw result;
}

void AudioEncoder::flush()
{
    if (m_encoder->capabilities & AV_CODEC_CAP_DELAY)
        send(nullptr);
}

void AudioEncoder::scaleSamples(AVFrame *frame, int volume)
{
    const auto format = AVSampleFormat(frame->format);
    const bool planar = av_sample_fmt_is_planar(format);
    const int channels = frame->ch_layout.nb_channels;
    const int planes = planar ? channels : 1;
    const int count = planar ? frame->nb_samples : frame->nb_samples * channels;
    for (int plane = 0; plane < planes; ++plane) {
        uint8_t *data = frame->extended_data[plane];
        switch (av_get_packed_sample_fmt(format)) {
        case AV_SAMPLE_FMT_U8:
            scaleInteger(data, count, volume, 0, 255, 128);
            break;
        case AV_SAMPLE_FMT_S16:
            scaleInteger(reinterpret_cast<int16_t *>(data), count, volume, std::numeric_limits<int16_t>::min(),
                         std::numeric_limits<int16_t>::max(), 0);
            break;
        case AV_SAMPLE_FMT_S32:
            scaleInteger(reinterpret_cast<int32_t *>(data), count, volume, std::numeric_limits<int32_t>::min(),
                         std::numeric_limits<int32_t>::max(), 0);
            break;
        case AV_SAMPLE_FMT_FLT:
            scaleFloat(reinterpret_cast<float *>(data), count, volume);
            break;
        case AV_SAMPLE_FMT_DBL:
            scaleFloat(reinterpret_cast<double *>(data), count, volume);
            break;
        default:
            break;
        }
    }
}
