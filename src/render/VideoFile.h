#pragma once

#include <QString>

#include <sys/types.h>

struct AVIOContext;

// The file one video is written into. It is created in the final folder without a name (or,
// where the file system cannot do that, under a short hidden name of its own), so two renders
// never share it and any legal final name works, and it takes its final name only once
// complete. The name is never taken from another file: a file that appeared under it since
// create() (another render's video) stays, and this one becomes "name (2).ext", "name (3).ext"...
// A file that was already there at create() is the one the caller asked to replace.
class VideoFile
{
public:
    VideoFile() = default;
    // A file never published goes, named or not.
    ~VideoFile();
    VideoFile(const VideoFile &) = delete;
    VideoFile &operator=(const VideoFile &) = delete;

    // 0, or a negative errno code (as the media library's AVERROR) saying why path cannot be made.
    int create(const QString &path);
    // Writes into the file; seekable, for the MP4 index. Valid after a successful create().
    AVIOContext *io() const { return m_io; }
    // Flushes the file to disk and gives it its name; 0 or a negative errno code.
    int publish();
    // The name publish() gave the file; empty before.
    QString publishedPath() const { return m_published; }

    // Why no video can be written at path, in the system's words ("Read-only file system");
    // empty when one can. Tries what create() does and leaves nothing behind.
    static QString problem(const QString &path);
    // path with " (n)" before its extension, in place of a number already there; the name is
    // shortened when the number would make it longer than the folder allows.
    static QString numbered(const QString &path, int n);

private:
    int createNamed(const QByteArray &folder);
    int giveHiddenName();
    int placeWithoutReplacing(const QByteArray &target);
    int replaceIfUnchanged();
    int publishNumbered(int first);
    void close();

    static int writePacket(void *opaque, uint8_t *buffer, int size);
    static int64_t seek(void *opaque, int64_t offset, int whence);

    QString m_path;
    QByteArray m_folder;
    QByteArray m_hidden; // the file's own name while it has one; empty while it has none
    QString m_published;
    int m_fd = -1;
    AVIOContext *m_io = nullptr;
    // What stood at the final name at create(): the one file publish() may replace.
    bool m_replaces = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};
