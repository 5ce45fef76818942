#include "render/AudioFeed.h"

#include "render/AudioEncoder.h"
#include "render/AudioInput.h"

#include "app/CommonError.h"

#include <QDir>

#include <algorithm>
#include <new>

AudioFeed::AudioFeed(AudioEncoder &encoder, const ProjectPtr &project)
    : encoder(encoder)
    , audioFrame(av_frame_alloc())
    , project(project)
    , videoDuration(project->totalDuration)
{
    if (!audioFrame)
        throw std::bad_alloc();
}

AudioFeed::~AudioFeed() = default;

int AudioFeed::volumeFor(double trackTime, double leftVideo, double leftTrack)
{
    // A track under two seconds fades in over its first half and out over its second half.
    const double fade = std::clamp((trackTime + leftTrack) / 2.0, 0.001, 1.0);
    if (trackTime < fade)
        return int(trackTime / fade * 256);
    const double out = std::min(leftVideo, leftTrack / fade);
    if (out < 1.0)
        return leftVideo > 0.0 ? int(std::max(out, 0.0) * 256) : 0;
    return 256;
}

void AudioFeed::feedUntil(double videoTime)
{
    while (videoTime > written && !exhausted) {
        if (track && track->readFrame(audioFrame.get())) {
            int rate = audioFrame->sample_rate;
            if (rate == 0)
                rate = track->codecContext()->sample_rate;
            const double delta = double(audioFrame->nb_samples) / rate;
            written += delta;
            trackTime += delta;
            const int volume =
                volumeFor(trackTime, videoDuration - written, double(trackInfo->duration()) - trackTime);
            encoder.encodeFrame(audioFrame.get(), rate, volume);
        } else {
            reportShortTrack();
            if (!openNextTrack())
                exhausted = true;
        }
    }
}

// A track that ends well before the length it had when it was added could not be read on (it
// was cut, or its disk went away): the video would be silent from there without a word.
void AudioFeed::reportShortTrack() const
{
    if (!track || !trackInfo)
        return;
    constexpr double tolerance = 1.0;
    const double expected = double(trackInfo->duration());
    if (trackTime + tolerance >= expected)
        return;
    CommonError::report(QStringLiteral("The music %1 could not be read past %2 of its %3: the rest of it is missing "
                                       "from the video")
                            .arg(QDir::toNativeSeparators(trackInfo->path()), MediaFileInfo::lengthText(trackTime),
                                 MediaFileInfo::lengthText(expected)));
}

bool AudioFeed::openNextTrack()
{
    if (trackIndex >= project->audioTracks.size())
        return false;
    track.reset();
    encoder.startTrack();
    trackInfo = project->audioTracks.at(trackIndex);
    ++trackIndex;
    trackTime = 0.0;
    track = std::make_unique<AudioInput>(trackInfo->path());
    return true;
}
