#include "project/BeatFit.h"

#include "project/Slide.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int beatsInBar = 4;
// Slides end on whole video frames, so the frame the viewer sees a hand-over in is the beat's own.
constexpr double framesPerSecond = 30.0;
// Slides of at least this many bars change on bar lines; shorter ones on any beat.
constexpr double barsForBarLines = 2.0;

// The scene list cursor's next scene that fits left slides, as the renderer finds it.
int sceneSize(const QVector<int> &sizes, int &cursor, int left)
{
    for (int tries = 0; tries < sizes.size(); ++tries) {
        const int size = sizes.at(cursor);
        if (size > 0 && size <= left)
            return size;
        cursor = (cursor + 1) % sizes.size();
    }
    return 0;
}

struct Step
{
    double start = 0.0;   // where the slide begins
    double ideal = 0.0;   // an even share of what is left
    double delay = 0.0;   // from its end to the hand-over's middle
    double latest = 0.0;  // the latest end that leaves the later slides their shortest length
    double shortest = 0.0;
};

// The beat nearest to the even share's hand-over that keeps the slide and those after it long
// enough; none when no beat is within a share of it (music without a beat there).
std::optional<double> nearestBeat(const QVector<BeatFit::Beat> &beats, const Step &step, bool barsOnly)
{
    const double target = step.start + step.ideal + step.delay;
    std::optional<double> best;
    for (const BeatFit::Beat &beat : beats) {
        if (barsOnly && !beat.bar)
            continue;
        const double end = beat.at - step.delay;
        if (end - step.start < step.shortest || end > step.latest)
            continue;
        if (std::abs(beat.at - target) > step.ideal)
            continue;
        if (!best || std::abs(beat.at - target) < std::abs(*best - target))
            best = beat.at;
    }
    return best;
}

// Seconds between neighbouring beats around a time; 0 where there are none.
double periodNear(const QVector<BeatFit::Beat> &beats, double at)
{
    const auto next = std::lower_bound(beats.begin(), beats.end(), at,
                                       [](const BeatFit::Beat &beat, double t) { return beat.at < t; });
    if (beats.size() < 2)
        return 0.0;
    const auto after = next == beats.end() ? next - 1 : next;
    const auto before = after == beats.begin() ? after : after - 1;
    return before == after ? (after + 1)->at - after->at : after->at - before->at;
}

} // namespace

QVector<bool> SceneRhythm::sceneEnds(const QVector<int> &slideTypes) const
{
    QVector<bool> ends(slideTypes.size(), false);
    int photoCursor = 0;
    int textCursor = 0;
    int i = 0;
    while (i < slideTypes.size()) {
        const int type = slideTypes.at(i);
        int groupEnd = i;
        while (groupEnd < slideTypes.size() && slideTypes.at(groupEnd) == type)
            ++groupEnd;
        const bool photo = type != TextSlideType;
        const QVector<int> &sizes = photo ? photoSceneSizes : textSceneSizes;
        int &cursor = photo ? photoCursor : textCursor;
        while (i < groupEnd) {
            const int size = sizes.isEmpty() ? 0 : sceneSize(sizes, cursor, groupEnd - i);
            // A theme that cannot show these slides cannot render them either: one per scene.
            i += qMax(size, 1);
            ends[qMin(i, groupEnd) - 1] = true;
            if (!sizes.isEmpty())
                cursor = (cursor + 1) % sizes.size();
        }
    }
    return ends;
}

QVector<BeatFit::Beat> BeatFit::timeline(const QList<MediaFileInfoPtr> &tracks)
{
    QVector<Beat> beats;
    double offset = 0.0;
    for (const MediaFileInfoPtr &track : tracks) {
        const BeatGrid &grid = track->beatGrid();
        if (grid.isSteady()) {
            for (int i = 0; i < grid.beats.size(); ++i) {
                const double at = grid.beats.at(i);
                if (at < track->duration())
                    beats.append(Beat{offset + at, i % beatsInBar == 0});
            }
        }
        offset += double(track->duration());
    }
    return beats;
}

QVector<double> BeatFit::fit(const Request &request, const QVector<Beat> &beats)
{
    const int n = request.ownLengths.size();
    QVector<double> lengths(n, 0.0);
    QVector<double> ownAfter(n + 1, 0.0);
    QVector<int> commonAfter(n + 1, 0);
    for (int i = n - 1; i >= 0; --i) {
        const double own = request.ownLengths.at(i);
        ownAfter[i] = ownAfter.at(i + 1) + (own >= 0.0 ? own : 0.0);
        commonAfter[i] = commonAfter.at(i + 1) + (own >= 0.0 ? 0 : 1);
    }
    double at = 0.0;
    for (int i = 0; i < n; ++i) {
        const double own = request.ownLengths.at(i);
        if (own >= 0.0) {
            lengths[i] = own;
            at += own;
            continue;
        }
        const int commonLeft = commonAfter.at(i);
        const double share = (request.end - at - ownAfter.at(i + 1)) / commonLeft;
        double length = share;
        if (commonLeft > 1) {
            Step step;
            step.start = at;
            step.ideal = share;
            step.delay = request.handOverDelays.value(i, 0.0);
            step.shortest = request.shortest;
            step.latest = request.end - ownAfter.at(i + 1) - (commonLeft - 1) * request.shortest;
            const double period = periodNear(beats, at + share);
            const bool bars = period > 0.0 && share >= barsForBarLines * beatsInBar * period;
            std::optional<double> beat = bars ? nearestBeat(beats, step, true) : std::nullopt;
            if (!beat)
                beat = nearestBeat(beats, step, false);
            if (beat)
                length = std::round((*beat - step.delay) * framesPerSecond) / framesPerSecond - at;
        }
        lengths[i] = length;
        at += length;
    }
    return lengths;
}

double BeatFit::roundToBeats(double seconds, double period)
{
    if (!(period > 0.0))
        return seconds;
    return std::max(1.0, std::round(seconds / period)) * period;
}
