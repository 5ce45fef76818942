#pragma once

#include "render/FFmpegPtr.h"

#include <cstdint>

struct FrameTask;

// The H.264 stream of one output file: converts BGRA pool frames, encodes and writes them.
// Failures throw std::runtime_error; the worker turns them into its generic failure. A packet
// the file does not take (a full disk) throws WriteError with the library's code.
class VideoEncoder
{
public:
    struct WriteError
    {
        int code;
    };

    VideoEncoder(AVFormatContext *formatContext, int width, int height, int timeBaseNum, int timeBaseDen,
                 int pixelFormat);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // The H.264 encoder with the settings of every render, opened; the benchmark times the
    // encoder alone through it.
    static AVCodecContextPtr openCodec(const AVCodec *codec, int width, int height, int timeBaseNum, int timeBaseDen,
                                       int pixelFormat, bool globalHeader);

    // n counted in num/den becomes a count in sn/sd; each division truncates, in this order.
    static int64_t rescale(int64_t n, int num, int den, int sn, int sd);

    // Converts a BGRA frame into the encoder's own frame and numbers it; the caller may reuse
    // the BGRA frame as soon as this returns.
    void convert(const AVFrame *frame, int timeBaseNum, int timeBaseDen);
    // Encodes the frame last converted and writes what the encoder gives back.
    void encodeConverted();
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
    SwsContext *m_scaler = nullptr;
    AVFramePtr m_encoderFrame;
    int64_t m_ptsOffset = 0; // in the encoder's time base
};
