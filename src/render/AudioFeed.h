#pragma once

#include "project/Project.h"
#include "render/FFmpegPtr.h"

#include <memory>

class AudioEncoder;
class AudioInput;

// Plays the project's tracks one after the other into the audio stream, in step with the
// video: each track fades in over its first second and out over its last second (a track
// under two seconds over its halves), or over the video's last second when the video ends first.
class AudioFeed
{
public:
    AudioFeed(AudioEncoder &encoder, const ProjectPtr &project);
    ~AudioFeed();
    AudioFeed(const AudioFeed &) = delete;
    AudioFeed &operator=(const AudioFeed &) = delete;

    // Encodes audio until it reaches the video time (seconds), or the music runs out.
    void feedUntil(double videoTime);

    // Volume in 256ths for a frame ending trackTime seconds into its track.
    static int volumeFor(double trackTime, double leftVideo, double leftTrack);

    double writtenSeconds() const { return written; }

private:
    bool openNextTrack();
    void reportShortTrack() const;

    AudioEncoder &encoder;
    double written = 0.0;
    double trackTime = 0.0;
    std::unique_ptr<AudioInput> track;
    int trackIndex = 0;
    MediaFileInfoPtr trackInfo;
    AVFramePtr audioFrame;
    ProjectPtr project;
    double videoDuration;
    bool exhausted = false;
};
