#pragma once

#include "project/Project.h"
#include "render/FFmpegPtr.h"

#include <QByteArray>

#include <memory>

class AudioInput;

// The project's music as the preview plays it, from a time on: 44.1 kHz stereo 16-bit samples,
// the tracks one after the other with the render's fades, silence after the last. It decodes
// with the project's own audio input and converts with a resampler of its own, so nothing is
// shared with a render running at the same time.
class PreviewAudio
{
public:
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;
    static constexpr int bytesPerFrame = 4;

    PreviewAudio(const ProjectPtr &project, double from);
    ~PreviewAudio();
    PreviewAudio(const PreviewAudio &) = delete;
    PreviewAudio &operator=(const PreviewAudio &) = delete;

    // Fills data with exactly size bytes (rounded down to whole sample frames) and returns that.
    qint64 read(char *data, qint64 size);
    // Seconds on the video's time line of the next sample read returns.
    double position() const { return m_position; }

private:
    // Opens the track playing at video time at and seeks into it; false after the last.
    bool openTrackAt(double at);
    bool openTrack(int index, double start, double offset);
    // Decodes the next piece of the open track into m_pending; false at its end.
    bool decodeMore();
    SwrContext *resamplerFor(const AVFrame *frame);
    void convert(const AVFrame *frame, int skipSamples);

    ProjectPtr m_project;
    std::unique_ptr<AudioInput> m_track;
    int m_trackIndex = -1;
    double m_trackStart = 0.0; // video time at which the open track began
    double m_trackTime = 0.0;  // seconds into the open track of the next decoded sample
    double m_seekTarget = -1.0; // seconds into the track still to skip after a seek, or -1
    double m_position;
    bool m_musicEnded = false;
    AVFramePtr m_decoded;
    SwrContextPtr m_resampler;
    QString m_resamplerKey;
    QByteArray m_pending; // converted bytes not yet read
};
