#pragma once

#include "render/FFmpegPtr.h"

#include <QString>

#include <map>

// The audio stream of one output file: converts decoded frames of any layout, rate and
// sample format to the encoder's, applies a volume and writes the encoded packets.
// Failures throw the media library's error code (an int).
class AudioEncoder
{
public:
    // sampleFormat is used when the encoder accepts it; otherwise the encoder's own first
    // format is taken (the native AAC encoder takes planar float only).
    AudioEncoder(const AVOutputFormat *format, AVFormatContext *formatContext, int64_t bitRate, int channels,
                 int sampleFormat);
    AudioEncoder(const AudioEncoder &) = delete;
    AudioEncoder &operator=(const AudioEncoder &) = delete;

    // Encodes frame (at rate, with volume in 256ths); returns the samples left waiting.
    int encodeFrame(const AVFrame *frame, int rate, int volume);
    // A new track follows: the converters give up what they hold and start afresh.
    void startTrack();
    // Drains the encoder at the end of the file.
    void flush();

    AVCodecContext *codecContext() const { return m_codecContext.get(); }
    AVStream *stream() const { return m_stream; }
    int frameSize() const { return m_frameSize; }

    // "chl" + layout + "sr" + rate + "sf" + format; a frame without a layout counts as the
    // default layout for its channel count.
    static QString resamplerKey(const AVFrame *frame, int rate);
    // Multiplies every sample by volume / 256: integers rounded and clamped to their range.
    static void scaleSamples(AVFrame *frame, int volume);

private:
    SwrContext *resampler(const AVFrame *frame, int rate);
    void appendConverted(SwrContext *resampler, const uint8_t **input, int count);
    void encodeQueued();
    void send(const AVFrame *frame);

    const AVCodec *m_encoder = nullptr;
    AVCodecContextPtr m_codecContext;
    AVStream *m_stream = nullptr;
    int m_streamIndex = -1;
    AVAudioFifoPtr m_fifo;
    AVFormatContext *m_formatContext;
    int64_t m_nextPts = 0;
    int m_frameSize = 0;
    AVPacketPtr m_packet;
    std::map<QString, SwrContextPtr> m_resamplers; // by resamplerKey, for the current track
    SwrContext *m_lastResampler = nullptr;
};
