#include "project/Project.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Automatic durations never go below this many seconds per slide.
constexpr double shortestAutomaticDuration = 3.0;
// A non-positive fixed duration would divide by zero; the interface's smallest value stands in.
constexpr double smallestFixedDuration = 1.0;

double slideLength(const Slide &slide, double commonDuration)
{
    return slide.durationType == OwnDuration ? slide.duration : commonDuration;
}

} // namespace

void Project::setAudioTracks(const QList<MediaFileInfoPtr> &tracks)
{
    audioTracks = tracks;
    recompute();
}

void Project::setSlides(const QVector<SlidePtr> &newSlides)
{
    slides = newSlides;
    recompute();
}

void Project::setSlideDuration(double seconds)
{
    slideDuration = seconds;
    recompute();
}

void Project::setDurationFixed(bool fixed)
{
    isDurationFixed = fixed;
    recompute();
}

void Project::setBeatSync(bool on)
{
    beatSync = on;
    recompute();
}

void Project::setRhythm(const SceneRhythm &sceneRhythm)
{
    rhythm = sceneRhythm;
    recompute();
}

void Project::setOutputSettings(int quality, const QString &saveDir)
{
    output.quality = quality;
    output.saveDir = saveDir;
}

double Project::musicLength() const
{
    double music = 0.0;
    for (const MediaFileInfoPtr &track : audioTracks)
        music += double(track->duration());
    return music;
}

// Asked of every photo when a project opens: two system calls, no file opened, so a project of
// 100 000 photos is checked in a fraction of a second.
bool Project::isReadablePhoto(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    return ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) && ::access(name.constData(), R_OK) == 0;
}

void Project::recompute()
{
    QVector<SlidePtr> present;
    present.reserve(slides.size());
    for (const SlidePtr &slide : std::as_const(slides)) {
        if (!slide->leftOut())
            present.append(slide);
    }
    videoSlidesNumber = fitDurations(present);
    usedSlidesNumber = slidesHoldingPresent(videoSlidesNumber);
    measureSlides();
}

double Project::lengthOf(int index) const
{
    if (index < 0 || index >= slides.size())
        return 0.0;
    if (slideLengths.size() == slides.size())
        return slideLengths.at(index);
    const Slide &slide = *slides.at(index);
    return slide.leftOut() ? 0.0 : slideLength(slide, effectiveSlideDuration);
}

QStringList Project::tracksWithoutBeat() const
{
    QStringList names;
    for (const MediaFileInfoPtr &track : audioTracks) {
        if (track->beatGrid().isTracked() && !track->beatGrid().isSteady())
            names.append(track->songName());
    }
    return names;
}

double Project::usedFixedDuration() const
{
    const double fixed = slideDuration > 0.0 ? slideDuration : smallestFixedDuration;
    if (!beatSync)
        return fixed;
    for (const MediaFileInfoPtr &track : audioTracks) {
        if (track->beatGrid().isSteady())
            return BeatFit::roundToBeats(fixed, track->beatGrid().period());
    }
    return fixed;
}

void Project::measureSlides()
{
    slideLengths.resize(slides.size());
    QVector<int> used;
    for (int i = 0; i < slides.size(); ++i) {
        const Slide &slide = *slides.at(i);
        slideLengths[i] = slide.leftOut() ? 0.0 : slideLength(slide, effectiveSlideDuration);
        if (!slide.leftOut() && used.size() < videoSlidesNumber)
            used.append(i);
    }
    if (beatSync && !isDurationFixed && !audioTracks.isEmpty())
        fitToBeats(used);
}

void Project::fitToBeats(const QVector<int> &usedIndices)
{
    const QVector<BeatFit::Beat> beats = BeatFit::timeline(audioTracks);
    if (beats.isEmpty() || usedIndices.isEmpty())
        return;
    QVector<int> types;
    BeatFit::Request request;
    for (int index : usedIndices) {
        const Slide &slide = *slides.at(index);
        types.append(slide.type);
        request.ownLengths.append(slide.durationType == OwnDuration ? slide.duration : -1.0);
    }
    const QVector<bool> sceneEnds = rhythm.sceneEnds(types);
    for (bool end : sceneEnds)
        request.handOverDelays.append(end ? rhythm.overlapSeconds / 2 : 0.0);
    request.end = totalDuration;
    request.shortest = qMin(shortestAutomaticDuration, effectiveSlideDuration);
    const QVector<double> lengths = BeatFit::fit(request, beats);
    for (int i = 0; i < usedIndices.size(); ++i)
        slideLengths[usedIndices.at(i)] = lengths.at(i);
}

ProjectPtr Project::withoutMissingSlides() const
{
    auto copy = ProjectPtr::create(*this);
    copy->slides.clear();
    for (const SlidePtr &slide : slides) {
        if (!slide->leftOut())
            copy->slides.append(slide);
    }
    copy->recompute();
    return copy;
}

int Project::fitDurations(const QVector<SlidePtr> &present)
{
    const double music = musicLength();
    const bool hasMusic = !audioTracks.isEmpty();
    const int n = present.size();
    double ownSum = 0.0;
    int ownCount = 0;
    for (const SlidePtr &slide : present) {
        if (slide->durationType == OwnDuration) {
            ownSum += slide->duration;
            ++ownCount;
        }
    }
    const double g = double(n - ownCount);

    if (isDurationFixed) {
        const double fixed = usedFixedDuration();
        effectiveSlideDuration = fixed;
        const double length = fixed * g + ownSum;
        if (hasMusic && length > music) {
            if (ownCount > 0)
                return fitToMusic(present, music);
            const int used = qMax(1, int(std::floor(music / fixed)));
            totalDuration = used * fixed;
            return used;
        }
        totalDuration = length;
        return n;
    }

    if (hasMusic && n > 0) {
        if (float(shortestAutomaticDuration * g + ownSum) > music) {
            effectiveSlideDuration = shortestAutomaticDuration;
            return fitToMusic(present, music);
        }
        effectiveSlideDuration = g > 0.0 ? (music - ownSum) / g : 4.0;
        totalDuration = effectiveSlideDuration * g + ownSum;
        return n;
    }

    effectiveSlideDuration = 5.0;
    totalDuration = 5.0 * g + ownSum;
    return n;
}

int Project::fitToMusic(const QVector<SlidePtr> &present, double music)
{
    int used = 0;
    totalDuration = 0.0;
    for (const SlidePtr &slide : present) {
        const double length = slideLength(*slide, effectiveSlideDuration);
        if (totalDuration + length <= music) {
            ++used;
            totalDuration += length;
            continue;
        }
        if (used == 0) {
            used = 1;
            totalDuration = length;
        }
        break;
    }
    return used;
}

int Project::slidesHoldingPresent(int presentCount) const
{
    int seen = 0;
    int end = 0;
    for (int i = 0; i < slides.size(); ++i) {
        if (slides.at(i)->leftOut())
            continue;
        if (seen == presentCount)
            // Missing photos before the first unused slide go past the separator with it.
            return end;
        ++seen;
        end = i + 1;
    }
    // Every present slide is in the video: so is the whole list, trailing missing photos too.
    return slides.size();
}
