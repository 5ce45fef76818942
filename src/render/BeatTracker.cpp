#include "render/BeatTracker.h"

#include "render/AudioResampler.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>

namespace {

// aubio's defaults for beat tracking: 23 ms windows, 11.6 ms apart, on mono sound at 44.1 kHz.
constexpr int listenRate = 44100;
constexpr uint_t windowSize = 1024;
constexpr uint_t hopSize = 512;
// Sound below this level (dB) is silence: no beats are found in it.
constexpr smpl_t silenceLevel = -60;

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0.0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The tracker reports beats on its 11.6 ms steps, so single gaps are off by up to a step: the
// mean of the gaps near the median is the tempo's own.
double typicalGap(const QVector<double> &gaps)
{
    const double middle = median(gaps);
    double sum = 0.0;
    int count = 0;
    for (double gap : gaps) {
        if (std::abs(gap - middle) < 0.1 * middle) {
            sum += gap;
            ++count;
        }
    }
    return count > 0 ? sum / count : middle;
}

QVector<double> intervals(const QVector<double> &beats)
{
    QVector<double> result;
    for (int i = 1; i < beats.size(); ++i)
        result.append(beats.at(i) - beats.at(i - 1));
    return result;
}

} // namespace

struct BeatTracker::Listener
{
    aubio_tempo_t *tempo = nullptr;
    aubio_onset_t *onset = nullptr;
    fvec_t *hop = nullptr;
    fvec_t *found = nullptr;
    uint_t filled = 0;

    Listener()
        : tempo(new_aubio_tempo("default", windowSize, hopSize, listenRate))
        , onset(new_aubio_onset("default", windowSize, hopSize, listenRate))
        , hop(new_fvec(hopSize))
        , found(new_fvec(2))
    {
        if (!tempo || !onset || !hop || !found)
            throw std::bad_alloc();
        aubio_tempo_set_silence(tempo, silenceLevel);
        aubio_onset_set_silence(onset, silenceLevel);
    }
    ~Listener()
    {
        if (tempo)
            del_aubio_tempo(tempo);
        if (onset)
            del_aubio_onset(onset);
        if (hop)
            del_fvec(hop);
        if (found)
            del_fvec(found);
    }
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;
};

BeatTracker::BeatTracker()
    : m_listener(std::make_unique<Listener>())
{
}

BeatTracker::~BeatTracker() = default;

void BeatTracker::feed(const AVFrame *frame)
{
    if (frame->nb_samples <= 0)
        return;
    const int channels = frame->ch_layout.nb_channels;
    if (!m_resampler || frame->sample_rate != m_inRate || frame->format != m_inFormat || channels != m_inChannels) {
        m_resampler = makeResampler(frame, frame->sample_rate, 1, AV_SAMPLE_FMT_FLT, listenRate);
        m_inRate = frame->sample_rate;
        m_inFormat = frame->format;
        m_inChannels = channels;
    }
    const int room = swr_get_out_samples(m_resampler.get(), frame->nb_samples);
    if (room <= 0)
        return;
    m_converted.resize(room);
    auto *out = reinterpret_cast<uint8_t *>(m_converted.data());
    const int made = swr_convert(m_resampler.get(), &out, room, const_cast<const uint8_t **>(frame->extended_data),
                                 frame->nb_samples);
    if (made < 0)
        throw made;
    push(m_converted.constData(), made);
}

void BeatTracker::push(const float *samples, int count)
{
    Listener &l = *m_listener;
    for (int i = 0; i < count; ++i) {
        l.hop->data[l.filled++] = samples[i];
        if (l.filled < hopSize)
            continue;
        l.filled = 0;
        aubio_onset_do(l.onset, l.hop, l.found);
        if (l.found->data[0] != 0)
            m_onsets.append(aubio_onset_get_last_s(l.onset));
        aubio_tempo_do(l.tempo, l.hop, l.found);
        if (l.found->data[0] != 0) {
            const double at = aubio_tempo_get_last_s(l.tempo);
            if (at >= 0.0 && (m_beats.isEmpty() || at > m_beats.last())) {
                m_beats.append(at);
                m_periods.append(aubio_tempo_get_period_s(l.tempo));
            }
        }
    }
}

// Cutting to beats helps only where they come regularly: most neighbouring gaps between beats
// must be alike (a change of tempo breaks only a few pairs; speech and silence break most).
bool BeatTracker::isSteady(const QVector<double> &beats)
{
    const QVector<double> gaps = intervals(beats);
    if (gaps.size() < 8)
        return false;
    int alike = 0;
    for (int i = 1; i < gaps.size(); ++i) {
        const double ratio = gaps.at(i) / gaps.at(i - 1);
        if (ratio > 0.9 && ratio < 1.11)
            ++alike;
    }
    return alike >= 0.75 * (gaps.size() - 1);
}

// The tracker follows the tempo but does not report every beat where the sound is sparse: a gap
// of a whole number of its periods gets the beats it skipped, evenly spaced.
QVector<double> BeatTracker::filledBeats() const
{
    QVector<double> beats;
    for (int i = 0; i < m_beats.size(); ++i) {
        if (i > 0) {
            const double gap = m_beats.at(i) - m_beats.at(i - 1);
            const double period = m_periods.at(i);
            const double skipped = period > 0.0 ? std::round(gap / period) : 1.0;
            if (skipped >= 2 && skipped <= 16 && std::abs(gap / skipped - period) < 0.08 * period) {
                for (int k = 1; k < int(skipped); ++k)
                    beats.append(m_beats.at(i - 1) + gap * k / skipped);
            }
        }
        beats.append(m_beats.at(i));
    }
    return beats;
}

// The tracker needs a few seconds to follow a change of tempo, and places beats between the
// sounds meanwhile: a beat is kept where something is heard with it, at the time it is heard.
QVector<double> BeatTracker::heardBeats(const QVector<double> &beats) const
{
    QVector<double> heard;
    for (double beat : beats) {
        const double best = onsetNear(beat);
        if (best >= 0.0 && (heard.isEmpty() || best > heard.last()))
            heard.append(best);
    }
    // Sound without clear onsets (soft pads, strings) keeps the tracker's beats.
    return heard.size() * 2 >= beats.size() ? closeGaps(heard) : beats;
}

// Beats left out around a change of tempo: a gap that holds a whole number of beats of the
// tempo on either side of it, or of the tracker's, gets them where every one of them is heard.
QVector<double> BeatTracker::closeGaps(const QVector<double> &beats) const
{
    QVector<double> closed;
    for (int i = 0; i < beats.size(); ++i) {
        if (i > 0) {
            const double gap = beats.at(i) - beats.at(i - 1);
            const double after = i + 1 < beats.size() ? beats.at(i + 1) - beats.at(i) : 0.0;
            const double before = i > 1 ? beats.at(i - 1) - beats.at(i - 2) : 0.0;
            for (double period : {periodAt(beats.at(i)), after, before}) {
                const double count = period > 0.0 ? std::round(gap / period) : 0.0;
                if (count < 2 || count > 16 || std::abs(gap / count - period) > 0.05 * period)
                    continue;
                QVector<double> filled;
                for (int k = 1; k < int(count); ++k) {
                    const double heard = onsetNear(beats.at(i - 1) + gap * k / count);
                    if (heard < 0.0)
                        break;
                    filled.append(heard);
                }
                if (filled.size() == int(count) - 1) {
                    closed += filled;
                    break;
                }
            }
        }
        closed.append(beats.at(i));
    }
    return closed;
}

// The onset heard nearest to a time, within 60 ms of it; negative when none is.
double BeatTracker::onsetNear(double seconds) const
{
    constexpr double nearby = 0.06;
    const auto next = std::lower_bound(m_onsets.begin(), m_onsets.end(), seconds);
    double best = -1.0;
    for (auto it : {next, next == m_onsets.begin() ? next : next - 1}) {
        if (it != m_onsets.end() && std::abs(*it - seconds) <= nearby
            && (best < 0.0 || std::abs(*it - seconds) < std::abs(best - seconds)))
            best = *it;
    }
    return best;
}

double BeatTracker::periodAt(double seconds) const
{
    const auto next = std::lower_bound(m_beats.begin(), m_beats.end(), seconds - 0.1);
    return next == m_beats.end() ? 0.0 : m_periods.at(int(next - m_beats.begin()));
}

BeatGrid BeatTracker::finish(double seconds)
{
    BeatGrid grid;
    // How sure the tracker is of its tempo: high for music with a beat, low for a held tone
    // that it would still cut into even pieces.
    const double confidence = aubio_tempo_get_confidence(m_listener->tempo);
    const QVector<double> beats = filledBeats();
    if (seconds < shortestTrack || confidence < leastConfidence || !isSteady(beats))
        return grid;
    grid.tempo = 60.0 / typicalGap(intervals(beats));
    grid.beats = heardBeats(beats);
    return grid;
}
