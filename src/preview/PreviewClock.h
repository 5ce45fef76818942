#pragma once

#include <QElapsedTimer>
#include <QMutex>

// The preview's time line, in seconds of the video. It stands still until the first picture is
// ready, then runs on the system clock; once the music sounds it follows the music's play
// position, so the pictures keep to the sound rather than to the wall clock.
class PreviewClock
{
public:
    // rate: seconds of video per second of wall time (1; tests run faster).
    explicit PreviewClock(double from = 0.0, double rate = 1.0);

    void start();
    bool isStarted() const;
    // From the sound thread: seconds of music played since start, as the device counts them.
    void followAudio(double playedSeconds);
    bool followsAudio() const;
    // The sound has stopped for good: the system clock carries on from here.
    void releaseAudio();
    double now() const;
    // The last position the music reported, or now() while the clock is not following it.
    double soundPosition() const;
    double from() const { return m_from; }
    double rate() const { return m_rate; }

private:
    // How far the system clock may run past the last position the music reported: a frame, so
    // the pictures never lead the sound by more.
    static constexpr double audioLead = 1.0 / 30;

    double nowLocked() const;

    mutable QMutex m_lock;
    QElapsedTimer m_sinceAnchor;
    double m_anchor;
    const double m_from;
    const double m_rate;
    bool m_started = false;
    bool m_audio = false;
};
