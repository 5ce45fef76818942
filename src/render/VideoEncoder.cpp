#include "render/VideoEncoder.h"

#include "render/VideoColour.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <stdexcept>

namespace {

void check(bool ok, const char *what)
{
    if (!ok)
        throw std::runtime_error(what);
}

struct DictionaryHolder
{
    AVDictionary *dictionary = nullptr;
    ~DictionaryHolder() { av_dict_free(&dictionary); }
};

} // namespace

VideoEncoder::VideoEncoder(AVFormatContext *formatContext, int width, int height, int timeBaseNum,
                           int timeBaseDen, int pixelFormat, Purpose purpose)
    : m_formatContext(formatContext)
{
    m_codec = avcodec_find_encoder(formatContext->oformat->video_codec);
    check(m_codec, "no video encoder");
    m_stream = avformat_new_stream(formatContext, m_codec);
    check(m_stream, "no video stream");
    m_codecContext = openCodec(m_codec, width, height, timeBaseNum, timeBaseDen, pixelFormat,
                               formatContext->oformat->flags & AVFMT_GLOBALHEADER, purpose);
    AVCodecContext *c = m_codecContext.get();
    check(avcodec_parameters_from_context(m_stream->codecpar, c) >= 0, "video stream parameters");
    m_stream->time_base = c->time_base;

    m_packet.reset(av_packet_alloc());
    check(m_packet != nullptr, "no video packet");
    // Readers number their frames from -1, and the mp4 edit list would hide a frame before 0.
    m_ptsOffset = 1;
}

AVCodecContextPtr VideoEncoder::openCodec(const AVCodec *codec, int width, int height, int timeBaseNum,
                                          int timeBaseDen, int pixelFormat, bool globalHeader, Purpose purpose)
{
    AVCodecContextPtr context(avcodec_alloc_context3(codec));
    check(context != nullptr, "no video codec context");
    AVCodecContext *c = context.get();
    c->width = width;
    c->height = height;
    c->time_base = AVRational{timeBaseNum, timeBaseDen};
    c->framerate = AVRational{timeBaseDen, timeBaseNum};
    c->pix_fmt = static_cast<AVPixelFormat>(pixelFormat);
    c->thread_count = 4;
    // The colour the frames are converted to for this size, said in the stream for every player.
    VideoColour::forVideo(width, height).tag(c);
    if (globalHeader)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    DictionaryHolder options;
    av_dict_set(&options.dictionary, "crf", "20", 0);
    av_dict_set(&options.dictionary, "preset", "superfast", 0);
    // The codec context has no generic scene-change field any more; x264 takes it as an option.
    av_dict_set(&options.dictionary, "sc_threshold", "5", 0);
    // No separate lookahead thread with frames buffered of its own: the same stream, and at
    // 2160p about 100 MB less memory.
    av_dict_set(&options.dictionary, "x264-params",
                purpose == Purpose::BackgroundLoop ? "sync-lookahead=0:cabac=0" : "sync-lookahead=0", 0);
    check(avcodec_open2(c, codec, &options.dictionary) >= 0, "video codec does not open");
    return context;
}

VideoEncoder::~VideoEncoder() = default;

int64_t VideoEncoder::rescale(int64_t n, int num, int den, int sn, int sd)
{
    return ((n * num * sd) / den) / sn;
}

void VideoEncoder::encode(AVFrame *frame, int timeBaseNum, int timeBaseDen)
{
    const AVCodecContext *c = m_codecContext.get();
    check(frame->width == c->width && frame->height == c->height && frame->format == c->pix_fmt,
          "video frame of another size or format");
    frame->pts = rescale(frame->pts, timeBaseNum, timeBaseDen, c->time_base.num, c->time_base.den) + m_ptsOffset;
    sendAndWrite(frame);
}

void VideoEncoder::advanceTimeline(int64_t frameCount, int timeBaseNum, int timeBaseDen)
{
    const AVCodecContext *c = m_codecContext.get();
    m_ptsOffset += rescale(frameCount, timeBaseNum, timeBaseDen, c->time_base.num, c->time_base.den);
}

void VideoEncoder::flush()
{
    if (m_codec->capabilities & AV_CODEC_CAP_DELAY)
        sendAndWrite(nullptr);
}

void VideoEncoder::sendAndWrite(const AVFrame *frame)
{
    AVCodecContext *c = m_codecContext.get();
    if (avcodec_send_frame(c, frame) < 0)
        return;
    for (;;) {
        const int received = avcodec_receive_packet(c, m_packet.get());
        if (received < 0)
            return; // EAGAIN: wants more frames; EOF: drained
        AVPacket *packet = m_packet.get();
        packet->stream_index = m_stream->index;
        if (packet->duration == 0)
            packet->duration = 1;
        av_packet_rescale_ts(packet, c->time_base, m_stream->time_base);
        const int written = av_write_frame(m_formatContext, packet);
        av_packet_unref(packet);
        if (written < 0)
            throw WriteError{written};
    }
}
