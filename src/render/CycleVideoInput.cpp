#include "render/CycleVideoInput.h"

CycleVideoInput::CycleVideoInput(const QString &path)
    : VideoInput(path)
{
}

CycleVideoInput::~CycleVideoInput() = default;

void CycleVideoInput::keepPictures(const QString &directory, qint64 picturesWanted)
{
    // Writing a picture out can cost as much as decoding it twice (fresh page-cache pages on a
    // virtual machine) and reading it back a fourteenth: the loop must play a few times to gain.
    const qint64 loop = statedPictures();
    if (loop > 0 && picturesWanted >= MinPasses * loop)
        m_kept = std::make_unique<LoopPictureCache>(directory, loop);
}

bool CycleVideoInput::readFrame(AVFrame *target)
{
    if (VideoInput::readFrame(target))
        return true;
    return rewind() && VideoInput::readFrame(target);
}

bool CycleVideoInput::readPicture(AVFrame *picture)
{
    if (playsKeptPictures()) {
        if (readKept(picture))
            return true;
        // The file failed: decoding takes over from the loop's start, where it was left.
        m_kept.reset();
        return VideoInput::readPicture(picture);
    }
    if (VideoInput::readPicture(picture)) {
        if (m_kept)
            m_kept->add(picture);
        return true;
    }
    // The end of a pass: the first one may have been kept whole.
    if (m_kept)
        m_kept->finish();
    const bool rewound = rewind();
    if (playsKeptPictures()) {
        // The decoder and its pictures are not needed while the kept ones play.
        closeDecoder();
        return readPicture(picture);
    }
    m_kept.reset();
    return rewound && VideoInput::readPicture(picture);
}

bool CycleVideoInput::readKept(AVFrame *picture)
{
    if (!m_kept->read(m_nextKept, picture))
        return false;
    m_nextKept = (m_nextKept + 1) % m_kept->count();
    return true;
}

qint64 CycleVideoInput::statedPictures() const
{
    if (frameCount() > 0)
        return frameCount();
    const AVRational rate = stream()->avg_frame_rate;
    const int64_t length = duration();
    if (length <= 0 || rate.num <= 0 || rate.den <= 0)
        return 0;
    return av_rescale_q(length, stream()->time_base, av_inv_q(rate));
}
