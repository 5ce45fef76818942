#pragma once

#include "render/FFmpegPtr.h"

#include <QFile>
#include <QSharedPointer>
#include <QString>

// Opens a media file and the decoder of its first stream of one media type. Construction
// reports failures through CommonError and throws the media library's error code (an int).
class AVInput
{
public:
    enum MediaType { Video = 0, Audio = 1 };

    AVInput(const QString &path, int mediaType);
    virtual ~AVInput();
    AVInput(const AVInput &) = delete;
    AVInput &operator=(const AVInput &) = delete;

    virtual AVRational timeBase() const;
    virtual int64_t duration() const;
    // As the container states it; 0 when it does not.
    virtual int64_t frameCount() const;
    virtual AVCodecContext *codecContext() const;
    // Decodes the next unit of content into target; false at the end of the stream.
    virtual bool readFrame(AVFrame *target) = 0;

    // To the last frame starting at or before seconds into the stream, so that decodeNext
    // goes on from there; false when the file cannot seek.
    bool seekTo(double seconds);

    AVFormatContext *formatContext() const { return m_formatContext.get(); }
    AVStream *stream() const { return m_stream; }
    QString path() const { return m_path; }

protected:
    // The next decoded frame of the chosen stream into frame; drains the decoder at the end.
    bool decodeNext(AVFrame *frame);
    // Back to the first frame of the stream so that decodeNext starts over.
    bool rewind();
    // Frees the decoder and the pictures it holds; decodeNext opens it again when next called.
    void closeDecoder();

private:
    // The message a user reads when the file cannot be opened as that kind; empty: the report's own.
    QString shownFor(int mediaType) const;
    void open(int mediaType);
    int openDecoder();
    int openThroughDevice();
    static int readDevice(void *opaque, uint8_t *buffer, int size);
    static int64_t seekDevice(void *opaque, int64_t offset, int whence);

    AVCodecContextPtr m_codecContext;
    const AVCodec *m_codec = nullptr;
    AVInputFormatContextPtr m_formatContext;
    AVStream *m_stream = nullptr;
    unsigned m_streamIndex = 0;
    // Custom I/O of the device fallback; the context owns the 4096-byte buffer.
    AVIOContext *m_ioContext = nullptr;
    QSharedPointer<QFile> m_device;
    AVPacketPtr m_packet;
    bool m_packetPending = false;
    bool m_draining = false;
    QString m_path;
};
