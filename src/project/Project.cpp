#include "project/Project.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

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

bool Project::isReadablePhoto(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

void Project::recompute()
{
    const double music = musicLength();
    const bool hasMusic = !audioTracks.isEmpty();
    const int n = slides.size();
    double ownSum = 0.0;
    int ownCount = 0;
    for (const SlidePtr &slide : qAsConst(slides)) {
        if (slide->durationType == OwnDuration) {
            ownSum += slide->duration;
            ++ownCount;
        }
    }
    const double g = double(n - ownCount);

    if (isDurationFixed) {
        const double fixed = slideDuration > 0.0 ? slideDuration : smallestFixedDuration;
        effectiveSlideDuration = fixed;
        const double length = fixed * g + ownSum;
        if (hasMusic && length > music) {
            if (ownCount > 0) {
                fitToMusic(music);
                return;
            }
            usedSlidesNumber = int(std::floor(music / fixed));
            if (usedSlidesNumber == 0)
                usedSlidesNumber = 1;
            totalDuration = usedSlidesNumber * fixed;
            return;
        }
        totalDuration = length;
        usedSlidesNumber = n;
        return;
    }

    if (hasMusic && n > 0) {
        if (float(shortestAutomaticDuration * g + ownSum) > music) {
            effectiveSlideDuration = shortestAutomaticDuration;
            fitToMusic(music);
            return;
        }
        usedSlidesNumber = n;
        effectiveSlideDuration = g > 0.0 ? (music - ownSum) / g : 4.0;
        totalDuration = effectiveSlideDuration * g + ownSum;
        return;
    }

    effectiveSlideDuration = 5.0;
    totalDuration = 5.0 * g + ownSum;
    usedSlidesNumber = n;
}

void Project::fitToMusic(double music)
{
    usedSlidesNumber = 0;
    totalDuration = 0.0;
    for (const SlidePtr &slide : qAsConst(slides)) {
        const double length = slideLength(*slide, effectiveSlideDuration);
        if (totalDuration + length <= music) {
            ++usedSlidesNumber;
            totalDuration += length;
            continue;
        }
        if (usedSlidesNumber == 0) {
            usedSlidesNumber = 1;
            totalDuration = length;
        }
        break;
    }
}
