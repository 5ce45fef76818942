#include "EncoderAlone.h"

#include "../BenchSupport.h"

#include "render/FFmpegPtr.h"
#include "render/VideoEncoder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The raw frames, on disk before the clock starts: gigabytes still being written back while the
// encoder runs alone would take CPU time from it.
bool decodeToRaw(const QString &video, const QString &rawPath)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-i", video, "-f", "rawvideo", "-pix_fmt",
                                             "yuv420p", rawPath});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return false;
    const int fd = ::open(QFile::encodeName(rawPath).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool written = ::fsync(fd) == 0;
    ::close(fd);
    return written;
}

// The whole raw file, read in and mapped before the clock starts.
class MappedFile
{
public:
    explicit MappedFile(const QString &path)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            return;
        const off_t length = ::lseek(fd, 0, SEEK_END);
        if (length > 0) {
            void *mapped = ::mmap(nullptr, size_t(length), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (mapped != MAP_FAILED) {
                m_data = static_cast<uint8_t *>(mapped);
                m_size = size_t(length);
            }
        }
        ::close(fd);
    }
    ~MappedFile()
    {
        if (m_data)
            ::munmap(m_data, m_size);
    }
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    uint8_t *data() const { return m_data; }
    size_t size() const { return m_size; }

private:
    uint8_t *m_data = nullptr;
    size_t m_size = 0;
};

void keepMapping(void *, uint8_t *) {}

// A frame whose planes are one raw picture of the mapped file, counted as shared so the
// encoder references it instead of copying it.
AVFramePtr frameAt(uint8_t *picture, size_t pictureSize, int width, int height, int64_t pts)
{
    AVFramePtr frame(av_frame_alloc());
    if (!frame)
        return frame;
    frame->buf[0] = av_buffer_create(picture, pictureSize, keepMapping, nullptr, AV_BUFFER_FLAG_READONLY);
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    frame->data[0] = picture;
    frame->data[1] = picture + size_t(width) * height;
    frame->data[2] = frame->data[1] + size_t(width / 2) * (height / 2);
    frame->linesize[0] = width;
    frame->linesize[1] = width / 2;
    frame->linesize[2] = width / 2;
    frame->pts = pts;
    return frame;
}

bool sendAndDrain(AVCodecContext *context, const AVFrame *frame, AVPacket *packet)
{
    if (avcodec_send_frame(context, frame) < 0)
        return false;
    while (avcodec_receive_packet(context, packet) >= 0)
        av_packet_unref(packet);
    return true;
}

} // namespace

EncoderFigures encodeAlone(const QString &video, const QString &rawPath, int width, int height)
{
    EncoderFigures figures;
    if (!decodeToRaw(video, rawPath))
        return figures;
    {
        const MappedFile raw(rawPath);
        const size_t pictureSize = size_t(width) * height * 3 / 2;
        const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_H264);
        AVPacketPtr packet(av_packet_alloc());
        if (raw.data() && codec && packet) {
            figures.frames = int(raw.size() / pictureSize);
            QElapsedTimer timer;
            timer.start();
            const double cpuBefore = BenchSupport::cpuSeconds();
            AVCodecContextPtr context = VideoEncoder::openCodec(codec, width, height, 1, 30, AV_PIX_FMT_YUV420P, true);
            bool ok = true;
            for (int i = 0; ok && i < figures.frames; ++i) {
                const AVFramePtr frame = frameAt(raw.data() + i * pictureSize, pictureSize, width, height, i);
                ok = frame && sendAndDrain(context.get(), frame.get(), packet.get());
            }
            figures.ok = ok && sendAndDrain(context.get(), nullptr, packet.get());
            context.reset();
            figures.wallSeconds = timer.elapsed() / 1000.0;
            figures.cpuSeconds = BenchSupport::cpuSeconds() - cpuBefore;
        }
    }
    QFile::remove(rawPath);
    return figures;
}
