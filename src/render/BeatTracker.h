#pragma once

#include "render/BeatGrid.h"
#include "render/FFmpegPtr.h"

#include <QVector>

#include <memory>

// Finds the beats of a track from its decoded sound, fed frame by frame while the track is
// read; aubio's tempo tracker does the listening.
class BeatTracker
{
public:
    BeatTracker();
    ~BeatTracker();
    BeatTracker(const BeatTracker &) = delete;
    BeatTracker &operator=(const BeatTracker &) = delete;

    // Any sample format, layout and rate; throws the media library's error code on failure.
    void feed(const AVFrame *frame);
    // The beats of everything fed, or none (tempo 0) when they are not steady enough to cut to.
    BeatGrid finish(double seconds);

    // Shorter tracks are too short to hear a tempo in.
    static constexpr double shortestTrack = 5.0;
    // Below this the tracker hears no tempo it can stand by.
    static constexpr double leastConfidence = 0.15;

private:
    void push(const float *samples, int count);
    static bool isSteady(const QVector<double> &beats);
    QVector<double> filledBeats() const;
    QVector<double> heardBeats(const QVector<double> &beats) const;
    QVector<double> closeGaps(const QVector<double> &beats) const;
    // The tracker's period at the first beat it found from about that time on.
    double periodAt(double seconds) const;
    double onsetNear(double seconds) const;

    SwrContextPtr m_resampler;
    int m_inRate = 0;
    int m_inFormat = -1;
    int m_inChannels = 0;
    struct Listener; // aubio's objects, kept out of this header
    std::unique_ptr<Listener> m_listener;
    QVector<float> m_converted;
    QVector<double> m_beats;
    QVector<double> m_onsets;  // seconds of every onset heard, rising
    QVector<double> m_periods; // the tracker's period, in seconds, when each beat was found
};
