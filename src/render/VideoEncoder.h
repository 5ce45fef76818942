#pragma once

#include "render/FFmpegPtr.h"

#include <cstdint>

// The H.264 stream of one output file: numbers frames of the encoder's pixel format, encodes
// and writes them.
// Failures throw std::runtime_error; the worker turns them into its generic failure. A packet
// the file does not take (a full disk) throws WriteError with the library's code.
class VideoEncoder
{
public:
    struct WriteError
    {
        int code;
    };

    // What the stream is for. A background loop is decoded again behind every frame of every
    // render that shows it, so it is coded without CABAC, the costliest part of decoding H.264
    // (about a third less decoding time for a sixth more bytes, same pictures).
    enum class Purpose { Slideshow, BackgroundLoop };

    VideoEncoder(AVFormatContext *formatContext, int width, int height, int timeBaseNum, int timeBaseDen,
                 int pixelFormat, Purpose purpose = Purpose::Slideshow);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // The H.264 encoder with the settings of every render, opened; the benchmark times the
    // encoder alone through it.
    static AVCodecContextPtr openCodec(const AVCodec *codec, int width, int height, int timeBaseNum, int timeBaseDen,
                                       int pixelFormat, bool globalHeader, Purpose purpose = Purpose::Slideshow);

    // n counted in num/den becomes a count in sn/sd; each division truncates, in this order.
    static int64_t rescale(int64_t n, int num, int den, int sn, int sd);

    // Numbers a frame of the encoder's size and pixel format (its pts counted in num/den),
    // encodes it and writes what the encoder gives back. The encoder keeps a copy of the
    // pixels, so the caller may reuse the frame as soon as this returns.
    void encode(AVFrame *frame, int timeBaseNum, int timeBaseDen);
    // Shifts the numbering of every later frame by frameCount frames of num/den.
    void advanceTimeline(int64_t frameCount, int timeBaseNum, int timeBaseDen);
    void flush();

    int64_t ptsOffset() const { return m_ptsOffset; }
    AVStream *stream() const { return m_stream; }

private:
    void sendAndWrite(const AVFrame *frame);

    AVFormatContext *m_formatContext;
    const AVCodec *m_codec = nullptr;
    AVStream *m_stream = nullptr;
    AVCodecContextPtr m_codecContext;
    AVPacketPtr m_packet;
    int64_t m_ptsOffset = 0; // in the encoder's time base
};
