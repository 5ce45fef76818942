#pragma once

#include "render/LoopPictureCache.h"
#include "render/VideoInput.h"

#include <memory>

// A VideoInput that starts again from the first frame when the file ends.
class CycleVideoInput : public VideoInput
{
public:
    explicit CycleVideoInput(const QString &path);
    ~CycleVideoInput() override;

    // For a caller that plays picturesWanted pictures: when that is at least MinPasses loops,
    // the first pass is kept in directory and later passes read it back instead of decoding.
    void keepPictures(const QString &directory, qint64 picturesWanted);
    static constexpr int MinPasses = 3;
    // The first pass is over and kept: pictures come from disk.
    bool playsKeptPictures() const { return m_kept && m_kept->isComplete(); }

    // False only when the video has no frame to give even after going back to its start.
    bool readFrame(AVFrame *target) override;
    bool readPicture(AVFrame *picture) override;

private:
    // The pictures of the file as its container states them; 0 when it does not.
    qint64 statedPictures() const;
    bool readKept(AVFrame *picture);

    std::unique_ptr<LoopPictureCache> m_kept;
    int m_nextKept = 0;
};
