#pragma once

#include "render/FFmpegPtr.h"

#include <QString>
#include <QVector>

struct AVBufferPool;

// The pictures of a looping video's first pass, as decoded, in an unnamed file on disk, so that
// a render decodes its loop once however often it plays it: reading a 1080p picture back costs
// about a twentieth of decoding it. The file never has a name, so nothing is left behind, not
// even after a crash; and it is read with plain reads, so it takes no memory of the process.
class LoopPictureCache
{
public:
    // Records into directory when the loop's expectedPictures fit there: at most MaxBytes, and
    // at most half of the space free. A directory in memory (tmpfs) is refused.
    LoopPictureCache(const QString &directory, qint64 expectedPictures);
    ~LoopPictureCache();
    LoopPictureCache(const LoopPictureCache &) = delete;
    LoopPictureCache &operator=(const LoopPictureCache &) = delete;

    static constexpr qint64 MaxBytes = qint64(8) << 30;

    // Still taking the first pass's pictures.
    bool isRecording() const { return m_state == Recording; }
    // Every picture of the loop is in and can be read back.
    bool isComplete() const { return m_state == Complete; }
    int count() const { return m_pts.size(); }

    // The next picture of the first pass. A picture unlike the first, or a failed write, ends
    // the recording for good: the loop is then decoded on every pass, as without a cache.
    void add(const AVFrame *picture);
    // The first pass has ended with the last picture added.
    void finish();
    // Picture index of the loop into picture, which gets buffers of its own; false (and the
    // cache given up) when the file cannot be read.
    bool read(int index, AVFrame *picture);

private:
    enum State { Recording, Complete, GivenUp };

    bool startWith(const AVFrame *picture);
    void giveUp(const char *why);

    QString m_directory;
    qint64 m_expected;
    State m_state = Recording;
    int m_file = -1;
    qint64 m_pictureBytes = 0;
    AVFramePtr m_properties;
    QVector<int64_t> m_pts;
    QByteArray m_scratch;
    AVBufferPool *m_buffers = nullptr;
};
