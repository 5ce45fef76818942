#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <QString>

#include <memory>

// Owning holders for FFmpeg objects, so every error path frees what it allocated.
struct AVFrameDeleter { void operator()(AVFrame *p) const { av_frame_free(&p); } };
struct AVPacketDeleter { void operator()(AVPacket *p) const { av_packet_free(&p); } };
struct AVCodecContextDeleter { void operator()(AVCodecContext *p) const { avcodec_free_context(&p); } };
struct AVInputFormatContextDeleter { void operator()(AVFormatContext *p) const { avformat_close_input(&p); } };
struct AVOutputFormatContextDeleter { void operator()(AVFormatContext *p) const { avformat_free_context(p); } };
struct SwsContextDeleter { void operator()(SwsContext *p) const { sws_freeContext(p); } };
struct SwrContextDeleter { void operator()(SwrContext *p) const { swr_free(&p); } };
struct AVAudioFifoDeleter { void operator()(AVAudioFifo *p) const { av_audio_fifo_free(p); } };

using AVFramePtr = std::unique_ptr<AVFrame, AVFrameDeleter>;
using AVPacketPtr = std::unique_ptr<AVPacket, AVPacketDeleter>;
using AVCodecContextPtr = std::unique_ptr<AVCodecContext, AVCodecContextDeleter>;
using AVInputFormatContextPtr = std::unique_ptr<AVFormatContext, AVInputFormatContextDeleter>;
using AVOutputFormatContextPtr = std::unique_ptr<AVFormatContext, AVOutputFormatContextDeleter>;
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextDeleter>;
using SwrContextPtr = std::unique_ptr<SwrContext, SwrContextDeleter>;
using AVAudioFifoPtr = std::unique_ptr<AVAudioFifo, AVAudioFifoDeleter>;

inline QString avErrorText(int code)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buffer, sizeof buffer);
    return QString::fromUtf8(buffer);
}
