#include "preview/PreviewAudio.h"

#include "app/Logging.h"
#include "render/AudioEncoder.h"
#include "render/AudioFeed.h"
#include "render/AudioInput.h"
#include "render/AudioResampler.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

#include <cmath>
#include <cstring>
#include <new>

PreviewAudio::PreviewAudio(const ProjectPtr &project, double from)
    : m_project(project)
    , m_position(from)
    , m_decoded(av_frame_alloc())
{
    if (!m_decoded)
        throw std::bad_alloc();
    m_musicEnded = !openTrackAt(from);
}

PreviewAudio::~PreviewAudio() = default;

bool PreviewAudio::openTrackAt(double at)
{
    double start = 0.0;
    const QList<MediaFileInfoPtr> &tracks = m_project->audioTracks;
    for (int i = 0; i < tracks.size(); ++i) {
        const double length = tracks.at(i)->duration();
        if (at < start + length)
            return openTrack(i, start, at - start);
        start += length;
    }
    return false;
}

bool PreviewAudio::openTrack(int index, double start, double offset)
{
    const QString path = m_project->audioTracks.at(index)->path();
    m_track.reset();
    // A converter holds a few samples back; they belong to the track before.
    m_resampler.reset();
    m_trackIndex = index;
    m_trackStart = start;
    m_trackTime = offset;
    m_seekTarget = offset > 0.0 ? offset : -1.0;
    try {
        m_track = std::make_unique<AudioInput>(path);
    } catch (...) {
        qCWarning(lcPreview) << "Music cannot be played:" << path;
        return false;
    }
    if (offset > 0.0 && !m_track->seekTo(offset))
        qCWarning(lcPreview) << "Music cannot seek; playing from its start:" << path;
    return true;
}

SwrContext *PreviewAudio::resamplerFor(const AVFrame *frame)
{
    const int rate = frame->sample_rate > 0 ? frame->sample_rate : m_track->codecContext()->sample_rate;
    const QString key = AudioEncoder::resamplerKey(frame, rate);
    if (m_resampler && key == m_resamplerKey)
        return m_resampler.get();
    m_resampler = makeResampler(frame, rate, channels, AV_SAMPLE_FMT_S16, sampleRate);
    m_resamplerKey = key;
    return m_resampler.get();
}

void PreviewAudio::convert(const AVFrame *frame, int skipSamples)
{
    SwrContext *resampler = resamplerFor(frame);
    const int capacity = swr_get_out_samples(resampler, frame->nb_samples);
    if (capacity <= 0)
        return;
    const int offset = m_pending.size();
    m_pending.resize(offset + capacity * bytesPerFrame);
    auto *out = reinterpret_cast<uint8_t *>(m_pending.data() + offset);
    const int converted = swr_convert(resampler, &out, capacity, const_cast<const uint8_t **>(frame->extended_data),
                                      frame->nb_samples);
    const int rate = frame->sample_rate > 0 ? frame->sample_rate : sampleRate;
    const int skipped = qBound(0, int(std::lround(double(skipSamples) * sampleRate / rate)), qMax(converted, 0));
    m_pending.resize(offset + qMax(converted, 0) * bytesPerFrame);
    m_pending.remove(offset, skipped * bytesPerFrame);
}

bool PreviewAudio::decodeMore()
{
    if (!m_track || !m_track->readFrame(m_decoded.get()))
        return false;
    AVFrame *frame = m_decoded.get();
    const int rate = frame->sample_rate > 0 ? frame->sample_rate : m_track->codecContext()->sample_rate;
    if (rate <= 0)
        return false;
    const double length = double(frame->nb_samples) / rate;
    int skip = 0;
    if (m_seekTarget >= 0.0) {
        // After a seek the decoder starts at a packet before the target; the start is cut off.
        const int64_t pts = frame->best_effort_timestamp;
        if (pts != AV_NOPTS_VALUE) {
            const AVStream *stream = m_track->stream();
            const int64_t first = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
            const double begins = (pts - first) * av_q2d(stream->time_base);
            if (begins + length <= m_seekTarget) {
                av_frame_unref(frame);
                return true;
            }
            skip = qMax(0, int(std::lround((m_seekTarget - begins) * rate)));
        }
        m_seekTarget = -1.0;
    }
    const double trackEnd = m_trackTime + length - double(skip) / rate;
    const double videoEnd = m_trackStart + trackEnd;
    const int volume = AudioFeed::volumeFor(trackEnd, m_project->totalDuration - videoEnd,
                                            double(m_project->audioTracks.at(m_trackIndex)->duration()) - trackEnd);
    if (volume != 256)
        AudioEncoder::scaleSamples(frame, volume);
    convert(frame, skip);
    m_trackTime = trackEnd;
    av_frame_unref(frame);
    return true;
}

qint64 PreviewAudio::read(char *data, qint64 size)
{
    size -= size % bytesPerFrame;
    while (m_pending.size() < size && !m_musicEnded) {
        if (decodeMore())
            continue;
        // The next track starts where this one was measured to end.
        const int next = m_trackIndex + 1;
        m_musicEnded = next >= m_project->audioTracks.size()
                       || !openTrack(next, m_trackStart + m_project->audioTracks.at(m_trackIndex)->duration(), 0.0);
    }
    const qint64 fromMusic = qMin<qint64>(size, m_pending.size());
    std::memcpy(data, m_pending.constData(), size_t(fromMusic));
    m_pending.remove(0, int(fromMusic));
    std::memset(data + fromMusic, 0, size_t(size - fromMusic));
    m_position += double(size / bytesPerFrame) / sampleRate;
    return size;
}
