#pragma once

#include <QElapsedTimer>
#include <QVector>

// Time spent on a render and time left, the latter from the progress of the last few seconds,
// so a slow start (or a slower stretch of scenes) does not skew the estimate for long.
// Shared by the rendering screen and the command line.
class RenderEstimate
{
public:
    // Starts the clock; a new render starts a new estimate.
    void start();
    void update(double percent);
    // The same with the time given, in milliseconds since start().
    void update(double percent, qint64 elapsedMs);

    // Whole seconds since start().
    int elapsed() const { return int(m_elapsedMs / 1000); }
    // Whole seconds, rounded up; -1 until a rate is known.
    int timeLeft() const { return m_timeLeft; }

private:
    struct Sample
    {
        qint64 ms;
        double percent;
    };

    QElapsedTimer m_timer;
    QVector<Sample> m_samples; // the recent window, oldest first
    qint64 m_elapsedMs = 0;
    int m_timeLeft = -1;
};
