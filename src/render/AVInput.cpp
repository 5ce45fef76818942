#include "render/AVInput.h"
#include "app/CommonError.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <new>

namespace {
constexpr int ioBufferSize = 4096;

// The report server keeps the technical message; the user may read a plainer one (shown).
[[noreturn]] void fail(const QString &message, int code, int thrown, const QString &shown = QString())
{
    CommonError::report(message, code, shown);
    throw thrown;
}

// What a user is told of a file the music reader cannot take, before the library's reason.
QString notSound(const QString &path)
{
    return QCoreApplication::translate("AVInput", "%1 is not a sound file Pictovia can play").arg(path);
}
} // namespace

QString AVInput::shownFor(int mediaType) const
{
    return mediaType == Audio ? notSound(m_path) : QString();
}

AVInput::AVInput(const QString &path, int mediaType)
    : m_packet(av_packet_alloc())
    , m_path(path)
{
    if (!m_packet)
        throw std::bad_alloc();
    try {
        open(mediaType);
    } catch (...) {
        // The destructor does not run for a half-built object; free in its order here.
        m_codecContext.reset();
        m_formatContext.reset();
        if (m_ioContext) {
            av_freep(&m_ioContext->buffer);
            avio_context_free(&m_ioContext);
        }
        throw;
    }
}

AVInput::~AVInput()
{
    m_codecContext.reset();
    m_formatContext.reset();
    if (m_ioContext) {
        av_freep(&m_ioContext->buffer);
        avio_context_free(&m_ioContext);
    }
    m_device.reset();
}

void AVInput::open(int mediaType)
{
    // A named pipe or a device would hold the open for ever: media come from regular files only.
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        fail(QStringLiteral("Not a regular file: ") + m_path, AVERROR(EINVAL), AVERROR(EINVAL));
    AVFormatContext *context = nullptr;
    int result = avformat_open_input(&context, m_path.toUtf8().constData(), nullptr, nullptr);
    if (result >= 0) {
        m_formatContext.reset(context);
    } else {
        const int direct = result;
        result = openThroughDevice();
        // When even QFile cannot open the path, the library's own reason is the better code.
        if (result == AVERROR(ENOENT))
            result = direct;
        if (result < 0)
            fail(QStringLiteral("Failed to open av format of ") + m_path, result, result, shownFor(mediaType));
    }

    result = avformat_find_stream_info(m_formatContext.get(), nullptr);
    if (result < 0)
        fail(QStringLiteral("Failed to find stream info of ") + m_path, result, result, shownFor(mediaType));

    const AVMediaType wanted = mediaType == Video ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO;
    for (unsigned i = 0; i < m_formatContext->nb_streams; ++i) {
        if (m_formatContext->streams[i]->codecpar->codec_type == wanted) {
            m_stream = m_formatContext->streams[i];
            m_streamIndex = i;
            break;
        }
    }
    if (!m_stream) {
        const QString kind = mediaType == Video ? QStringLiteral("video") : QStringLiteral("audio");
        fail(QStringLiteral("Failed to find %1 stream of ").arg(kind) + m_path, result, 0, shownFor(mediaType));
    }

    result = openDecoder();
    if (result < 0)
        fail(QStringLiteral("Failed to open codec for ") + m_path, result, result);
}

int AVInput::openDecoder()
{
    m_codec = avcodec_find_decoder(m_stream->codecpar->codec_id);
    m_codecContext.reset(avcodec_alloc_context3(m_codec));
    if (!m_codecContext)
        throw std::bad_alloc();
    int result = m_codec ? avcodec_parameters_to_context(m_codecContext.get(), m_stream->codecpar)
                         : AVERROR_DECODER_NOT_FOUND;
    if (result >= 0) {
        // One thread: a background video decodes several times faster than x264 encodes, and
        // each frame thread holds pictures of its own (about 30 MB at 1080p with four).
        m_codecContext->thread_count = 1;
        m_codecContext->pkt_timebase = m_stream->time_base;
        result = avcodec_open2(m_codecContext.get(), m_codec, nullptr);
    }
    if (result < 0)
        m_codecContext.reset();
    return result;
}

void AVInput::closeDecoder()
{
    m_codecContext.reset();
    av_packet_unref(m_packet.get());
    m_packetPending = false;
    m_draining = false;
}

// Paths the library cannot open itself (names it takes for a protocol, for instance) are
// read through QFile. Seeking is offered too: MP4 files with the index at the end and
// looping videos need it.
int AVInput::openThroughDevice()
{
    auto device = QSharedPointer<QFile>::create(m_path);
    if (!device->open(QIODevice::ReadOnly))
        return AVERROR(ENOENT);
    auto *buffer = static_cast<unsigned char *>(av_malloc(ioBufferSize));
    if (!buffer)
        return AVERROR(ENOMEM);
    m_ioContext = avio_alloc_context(buffer, ioBufferSize, 0, device.get(), &AVInput::readDevice, nullptr,
                                     &AVInput::seekDevice);
    if (!m_ioContext) {
        av_free(buffer);
        return AVERROR(ENOMEM);
    }
    AVFormatContext *context = avformat_alloc_context();
    if (!context)
        return AVERROR(ENOMEM);
    context->pb = m_ioContext;
    context->flags |= AVFMT_FLAG_CUSTOM_IO;
    // On failure the library frees the context it was given.
    const int result = avformat_open_input(&context, nullptr, nullptr, nullptr);
    if (result < 0)
        return result;
    m_formatContext.reset(context);
    m_device = device;
    return result;
}

int AVInput::readDevice(void *opaque, uint8_t *buffer, int size)
{
    const qint64 count = static_cast<QFile *>(opaque)->read(reinterpret_cast<char *>(buffer), size);
    if (count < 0)
        return AVERROR(EIO);
    return count == 0 ? AVERROR_EOF : int(count);
}

int64_t AVInput::seekDevice(void *opaque, int64_t offset, int whence)
{
    auto *file = static_cast<QFile *>(opaque);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += file->pos();
        break;
    case SEEK_END:
        offset += file->size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    return file->seek(offset) ? offset : AVERROR(EIO);
}

AVRational AVInput::timeBase() const
{
    return m_stream->time_base;
}

int64_t AVInput::duration() const
{
    return m_stream->duration;
}

int64_t AVInput::frameCount() const
{
    return m_stream->nb_frames;
}

AVCodecContext *AVInput::codecContext() const
{
    return m_codecContext.get();
}

bool AVInput::decodeNext(AVFrame *frame)
{
    if (!m_codecContext && openDecoder() < 0)
        return false;
    AVCodecContext *decoder = m_codecContext.get();
    // Bounds the decoding errors a draining decoder may give before the end is taken as reached.
    int drainErrors = 0;
    for (;;) {
        const int received = avcodec_receive_frame(decoder, frame);
        if (received >= 0)
            return true;
        if (received == AVERROR_EOF)
            return false;
        if (m_draining) {
            if (received == AVERROR(EAGAIN) || ++drainErrors > 16)
                return false;
            continue;
        }
        // Any other result is a picture or sound that failed to decode: go on with the next packet.
        if (!m_packetPending) {
            if (av_read_frame(m_formatContext.get(), m_packet.get()) < 0) {
                m_draining = true;
                avcodec_send_packet(decoder, nullptr);
                continue;
            }
            if (unsigned(m_packet->stream_index) != m_streamIndex) {
                av_packet_unref(m_packet.get());
                continue;
            }
        }
        // A decoder still holding output after an error refuses input until it is read.
        m_packetPending = avcodec_send_packet(decoder, m_packet.get()) == AVERROR(EAGAIN);
        if (!m_packetPending)
            av_packet_unref(m_packet.get());
    }
}

bool AVInput::rewind()
{
    return seekTo(0.0);
}

bool AVInput::seekTo(double seconds)
{
    const int64_t first = m_stream->start_time != AV_NOPTS_VALUE ? m_stream->start_time : 0;
    const int64_t start = first + av_rescale_q(int64_t(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, m_stream->time_base);
    int result = av_seek_frame(m_formatContext.get(), int(m_streamIndex), start, AVSEEK_FLAG_BACKWARD);
    if (result < 0)
        result = avformat_seek_file(m_formatContext.get(), int(m_streamIndex), INT64_MIN, start, start, 0);
    // A drained decoder accepts no packet until it is flushed.
    if (m_codecContext)
        avcodec_flush_buffers(m_codecContext.get());
    av_packet_unref(m_packet.get());
    m_packetPending = false;
    m_draining = false;
    return result >= 0;
}
