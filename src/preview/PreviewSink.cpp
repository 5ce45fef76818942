#include "preview/PreviewSink.h"

#include "preview/PreviewClock.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QThread>

#include <algorithm>
#include <cmath>

namespace {
// Frame times are sums of doubles; a frame this close to the starting time is not before it.
constexpr double timeSlack = 1e-6;
// The longest single sleep, so that a stop is seen quickly.
constexpr double longestSleep = 0.005;
}

PreviewSink::PreviewSink(PreviewClock &clock, const std::atomic<bool> &stopRequested, Show show)
    : m_clock(clock)
    , m_stopRequested(stopRequested)
    , m_show(std::move(show))
{
}

bool PreviewSink::isLate(double start) const
{
    return m_clock.isStarted() && m_clock.now() > start + frameSeconds;
}

bool PreviewSink::wantsFrame(double time)
{
    const double start = startOf(time);
    if (start < m_clock.from() - timeSlack)
        return false;
    if (isLate(start)) {
        ++m_dropped;
        return false;
    }
    return true;
}

bool PreviewSink::waitFor(double start) const
{
    for (;;) {
        if (m_stopRequested)
            return false;
        const double ahead = (start - m_clock.now()) / m_clock.rate();
        if (ahead <= 0.0)
            return true;
        QThread::usleep(static_cast<unsigned long>(std::min(ahead, longestSleep) * 1e6));
    }
}

void PreviewSink::writeFrame(const FramePoolPtr &pool, AVFrame *frame, int, int, double time)
{
    const double start = startOf(time);
    // The clock starts with the first picture, so the time spent preparing it is not lost.
    m_clock.start();
    if (waitFor(start)) {
        if (isLate(start)) {
            ++m_dropped;
        } else {
            m_largestGap = std::max(m_largestGap, std::abs(start - m_clock.soundPosition()));
            m_show(FramePool::imageOf(frame).copy(), start);
            ++m_shown;
        }
    }
    pool->release(frame);
}
