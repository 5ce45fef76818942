#pragma once

// The interface's responsiveness, for the benchmarks that drive the real screens.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace BenchSupport {

// Longest gap between ticks of a 5 ms timer: how long the interface could not answer.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double longestMs() const { return m_longest / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Runs the event loop for ms, sleeping when there is nothing to do, as the application's own loop
// does: a loop that polled instead would take a core from the thumbnail threads.
inline void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace BenchSupport
