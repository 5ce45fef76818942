#include "render/VideoFile.h"

#include "app/Logging.h"
#include "render/FFmpegPtr.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int ioBufferSize = 1 << 16;
// Names tried before giving up: hidden names that collide, numbers that are taken.
constexpr int attempts = 10000;

const QRegularExpression &numberSuffix()
{
    static const QRegularExpression suffix(QStringLiteral(" \\((\\d+)\\)$"));
    return suffix;
}

long nameMax(const QByteArray &folder)
{
    const long max = ::pathconf(folder.constData(), _PC_NAME_MAX);
    return max > 0 ? max : NAME_MAX;
}

QByteArray procPath(int fd)
{
    return QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
}

QByteArray hiddenName(const QByteArray &folder)
{
    return folder + QByteArrayLiteral("/.pictovia-")
           + QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
}

bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ENOTTY;
}

// The file name split at its extension, a " (n)" already there left out of the base.
void splitName(const QString &name, QString *base, QString *extension)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    *base = dot > 0 ? name.left(dot) : name;
    *extension = dot > 0 ? name.mid(dot) : QString();
    base->remove(numberSuffix());
}

} // namespace

VideoFile::~VideoFile()
{
    close();
    if (!m_hidden.isEmpty())
        ::unlink(m_hidden.constData());
}

void VideoFile::close()
{
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

int VideoFile::create(const QString &path)
{
    m_path = path;
    const QFileInfo info(path);
    m_folder = QFile::encodeName(info.absolutePath());
    const QByteArray encoded = QFile::encodeName(path);
    // Checked now: the name is first used when the video is complete.
    if (QFile::encodeName(info.fileName()).size() > nameMax(m_folder) || encoded.size() >= PATH_MAX)
        return AVERROR(ENAMETOOLONG);
    struct stat existing = {};
    if (::stat(encoded.constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        m_replaces = true;
        m_device = existing.st_dev;
        m_inode = existing.st_ino;
    }
    int unnamed = 0;
    m_fd = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        unnamed = errno;
    } else if (::access(procPath(m_fd).constData(), F_OK) != 0) {
        // The unnamed file is named through /proc at the end; without /proc it could never be.
        close();
        unnamed = EOPNOTSUPP;
    }
    if (m_fd < 0) {
        // Kernels and file systems without unnamed files say so in one of these ways.
        if (!unsupported(unnamed) && unnamed != EISDIR)
            return AVERROR(unnamed);
        const int named = createNamed(m_folder);
        if (named != 0) {
            // A folder of a system file system (/proc) says "no such file" to a new name there.
            struct stat folder = {};
            const bool isFolder = ::stat(m_folder.constData(), &folder) == 0 && S_ISDIR(folder.st_mode);
            return AVERROR(named == ENOENT && isFolder ? unnamed : named);
        }
    }
    auto *buffer = static_cast<unsigned char *>(av_malloc(ioBufferSize));
    m_io = buffer ? avio_alloc_context(buffer, ioBufferSize, 1, this, nullptr, &VideoFile::writePacket,
                                       &VideoFile::seek)
                  : nullptr;
    if (!m_io) {
        av_free(buffer);
        return AVERROR(ENOMEM);
    }
    return 0;
}

// 0 or an errno value.
int VideoFile::createNamed(const QByteArray &folder)
{
    for (int i = 0; i < attempts; ++i) {
        const QByteArray name = hiddenName(folder);
        m_fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_hidden = name;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Gives the unnamed file a hidden name, to be renamed over the file it replaces.
int VideoFile::giveHiddenName()
{
    for (int i = 0; i < attempts; ++i) {
        const QByteArray name = hiddenName(m_folder);
        if (::linkat(AT_FDCWD, procPath(m_fd).constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            m_hidden = name;
            return 0;
        }
        if (errno != EEXIST)
            return -errno;
    }
    return -EEXIST;
}

int VideoFile::publish()
{
    avio_flush(m_io);
    if (m_io->error < 0)
        return m_io->error;
    // On disk before it has the name: a power cut never leaves a hollow video under it.
    if (::fdatasync(m_fd) != 0 && errno != EINVAL)
        return AVERROR(errno);
    int first = 1;
    if (m_replaces) {
        const int replaced = replaceIfUnchanged();
        if (replaced < 0)
            return AVERROR(-replaced);
        if (replaced == 0) {
            m_published = m_path;
            close();
            return 0;
        }
        first = replaced;
    }
    const int result = publishNumbered(first);
    close();
    return result < 0 ? AVERROR(-result) : 0;
}

// 0 when the file took the place of the one there at create(); 1 when that one has gone and
// the name is free; 2 when another file has taken its place; or a negative errno value.
int VideoFile::replaceIfUnchanged()
{
    if (m_hidden.isEmpty()) {
        const int named = giveHiddenName();
        if (named < 0)
            return named;
    }
    const QByteArray target = QFile::encodeName(m_path);
    struct stat displaced = {};
    // Swapped in one step, then checked: the file taken out is put back unless it is the one to replace.
    if (::renameat2(AT_FDCWD, m_hidden.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
        if (::lstat(m_hidden.constData(), &displaced) == 0 && displaced.st_dev == m_device
            && displaced.st_ino == m_inode) {
            ::unlink(m_hidden.constData());
            m_hidden.clear();
            return 0;
        }
        if (::renameat2(AT_FDCWD, m_hidden.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) != 0) {
            // Ours keeps the name; the other video stays whole under the hidden one.
            qCWarning(lcRender) << "video output: cannot put back" << m_path << "kept as" << m_hidden;
            m_hidden.clear();
            return 0;
        }
        return 2;
    }
    if (errno == ENOENT)
        return 1;
    if (!unsupported(errno))
        return -errno;
    if (::stat(target.constData(), &displaced) != 0)
        return errno == ENOENT ? 1 : -errno;
    if (displaced.st_dev != m_device || displaced.st_ino != m_inode)
        return 2;
    if (::rename(m_hidden.constData(), target.constData()) != 0)
        return -errno;
    m_hidden.clear();
    return 0;
}

// Tries the name itself (first == 1), then " (2)", " (3)"... until one is free.
int VideoFile::publishNumbered(int first)
{
    const QRegularExpressionMatch given = numberSuffix().match(QFileInfo(m_path).completeBaseName());
    int n = given.hasMatch() ? given.captured(1).toInt() + 1 : 2;
    for (int i = 0; i < attempts; ++i) {
        const QString target = i == 0 && first == 1 ? m_path : numbered(m_path, n++);
        const int placed = placeWithoutReplacing(QFile::encodeName(target));
        if (placed == 0) {
            m_published = target;
            return 0;
        }
        if (placed != -EEXIST)
            return placed;
    }
    return -EEXIST;
}

// 0, -EEXIST when target is taken, or another negative errno value.
int VideoFile::placeWithoutReplacing(const QByteArray &target)
{
    if (m_hidden.isEmpty()) {
        if (::linkat(AT_FDCWD, procPath(m_fd).constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        return -errno;
    }
    const char *hidden = m_hidden.constData();
    int result = ::renameat2(AT_FDCWD, hidden, AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (result != 0 && unsupported(errno)) {
        result = ::link(hidden, target.constData());
        if (result == 0)
            ::unlink(hidden);
        else if (errno == EPERM || unsupported(errno)) {
            // No hard links here either (FAT): a last look, then a plain rename.
            struct stat taken = {};
            if (::lstat(target.constData(), &taken) == 0)
                return -EEXIST;
            result = ::rename(hidden, target.constData());
        }
    }
    if (result != 0)
        return -errno;
    m_hidden.clear();
    return 0;
}

int VideoFile::writePacket(void *opaque, uint8_t *buffer, int size)
{
    const int fd = static_cast<VideoFile *>(opaque)->m_fd;
    int done = 0;
    while (done < size) {
        const ssize_t written = ::write(fd, buffer + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return AVERROR(written < 0 ? errno : EIO);
        done += int(written);
    }
    return size;
}

int64_t VideoFile::seek(void *opaque, int64_t offset, int whence)
{
    const int fd = static_cast<VideoFile *>(opaque)->m_fd;
    if (whence & AVSEEK_SIZE) {
        struct stat info = {};
        return ::fstat(fd, &info) == 0 ? int64_t(info.st_size) : AVERROR(errno);
    }
    const off_t position = ::lseek(fd, off_t(offset), whence & ~AVSEEK_FORCE);
    return position < 0 ? AVERROR(errno) : int64_t(position);
}

QString VideoFile::problem(const QString &path)
{
    VideoFile probe;
    const int result = probe.create(path);
    return result < 0 ? qt_error_string(AVUNERROR(result)) : QString();
}

QString VideoFile::numbered(const QString &path, int n)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    QString base, extension;
    splitName(path.mid(slash + 1), &base, &extension);
    const QString suffix = QStringLiteral(" (%1)").arg(n);
    const long max = nameMax(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder));
    while (!base.isEmpty() && QFile::encodeName(base + suffix + extension).size() > max)
        base.chop(base.size() > 1 && base.at(base.size() - 1).isLowSurrogate() ? 2 : 1);
    return folder + base + suffix + extension;
}
