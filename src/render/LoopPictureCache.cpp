#include "render/LoopPictureCache.h"
#include "app/Logging.h"
#include "render/VideoInput.h"

#include <QDir>
#include <QFile>

extern "C" {
#include <libavutil/buffer.h>
#include <libavutil/imgutils.h>
}

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {
// Whole transfers at offset, going on after a signal or a short count.
template <typename Transfer, typename Buffer>
bool transferAll(Transfer transfer, int file, Buffer *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t done = transfer(file, data, size_t(size), off_t(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done == 0)
            errno = EIO; // the file ended early
        if (done <= 0)
            return false;
        data += done;
        size -= done;
        offset += done;
    }
    return true;
}

bool sameShape(const AVFrame *a, const AVFrame *b)
{
    return a->format == b->format && a->width == b->width && a->height == b->height;
}
} // namespace

LoopPictureCache::LoopPictureCache(const QString &directory, qint64 expectedPictures)
    : m_directory(directory)
    , m_expected(expectedPictures)
{
}

LoopPictureCache::~LoopPictureCache()
{
    if (m_file >= 0)
        ::close(m_file);
    // Pictures still out keep their buffers; the pool goes with the last of them.
    av_buffer_pool_uninit(&m_buffers);
}

void LoopPictureCache::add(const AVFrame *picture)
{
    if (!isRecording() || (m_file < 0 && !startWith(picture)))
        return;
    if (!sameShape(picture, m_properties.get()))
        return giveUp("a picture of another size or format");
    if ((count() + 1) * m_pictureBytes > MaxBytes)
        return giveUp("the loop is longer than it said");
    auto *scratch = reinterpret_cast<uint8_t *>(m_scratch.data());
    if (av_image_copy_to_buffer(scratch, int(m_pictureBytes), picture->data, picture->linesize,
                                AVPixelFormat(picture->format), picture->width, picture->height, 1)
        < 0)
        return giveUp("a picture that cannot be copied");
    if (!transferAll(::pwrite, m_file, scratch, m_pictureBytes, count() * m_pictureBytes))
        return giveUp(strerror(errno));
    m_pts.append(VideoInput::pictureNumber(picture));
}

void LoopPictureCache::finish()
{
    if (!isRecording())
        return;
    if (m_file < 0 || m_pts.isEmpty())
        return giveUp("no picture");
    m_state = Complete;
    m_scratch = QByteArray();
    qCDebug(lcRender) << "loop kept on disk:" << count() << "pictures," << count() * m_pictureBytes / 1000000 << "MB";
}

bool LoopPictureCache::read(int index, AVFrame *picture)
{
    if (!isComplete() || index < 0 || index >= count())
        return false;
    av_frame_unref(picture);
    AVBufferRef *buffer = av_buffer_pool_get(m_buffers);
    if (!buffer) {
        giveUp("no memory for a picture");
        return false;
    }
    if (!transferAll(::pread, m_file, buffer->data, m_pictureBytes, index * m_pictureBytes)) {
        av_buffer_unref(&buffer);
        giveUp(strerror(errno));
        return false;
    }
    av_frame_copy_props(picture, m_properties.get());
    picture->format = m_properties->format;
    picture->width = m_properties->width;
    picture->height = m_properties->height;
    picture->buf[0] = buffer;
    av_image_fill_arrays(picture->data, picture->linesize, buffer->data, AVPixelFormat(picture->format),
                         picture->width, picture->height, 1);
    picture->pts = picture->best_effort_timestamp = m_pts.at(index);
    return true;
}

bool LoopPictureCache::startWith(const AVFrame *picture)
{
    const int bytes = av_image_get_buffer_size(AVPixelFormat(picture->format), picture->width, picture->height, 1);
    if (bytes <= 0 || m_expected <= 0) {
        giveUp("a loop of unknown size");
        return false;
    }
    m_pictureBytes = bytes;
    const qint64 total = m_expected * m_pictureBytes;
    struct statfs disk = {};
    // On a file system in memory the loop would take the very memory it is meant to spare.
    if (!QDir().mkpath(m_directory) || ::statfs(QFile::encodeName(m_directory).constData(), &disk) != 0
        || disk.f_type == TMPFS_MAGIC || disk.f_type == RAMFS_MAGIC) {
        giveUp("no disk folder for it");
        return false;
    }
    if (total > MaxBytes || total > qint64(disk.f_bavail) * qint64(disk.f_bsize) / 2) {
        giveUp("not enough free disk space");
        return false;
    }
    m_file = ::open(QFile::encodeName(m_directory).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    // Space taken at once: a full disk shows now, and writing into allocated blocks costs the
    // kernel a fifth of what allocating them page by page does.
    if (m_file >= 0 && ::fallocate(m_file, 0, 0, off_t(total)) != 0 && errno != EOPNOTSUPP) {
        giveUp(strerror(errno));
        return false;
    }
    m_properties.reset(av_frame_alloc());
    m_buffers = av_buffer_pool_init(bytes + AV_INPUT_BUFFER_PADDING_SIZE, nullptr);
    if (m_file < 0 || !m_properties || !m_buffers || av_frame_copy_props(m_properties.get(), picture) < 0) {
        giveUp("no file for it");
        return false;
    }
    m_properties->format = picture->format;
    m_properties->width = picture->width;
    m_properties->height = picture->height;
    m_scratch.resize(bytes);
    return true;
}

void LoopPictureCache::giveUp(const char *why)
{
    qCInfo(lcRender) << "background loop decoded on every pass:" << why;
    if (m_file >= 0)
        ::close(m_file);
    m_file = -1;
    m_state = GivenUp;
    m_pts.clear();
    m_scratch = QByteArray();
}
