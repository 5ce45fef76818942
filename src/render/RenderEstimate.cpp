#include "render/RenderEstimate.h"

#include <cmath>

// The rate is taken over about this much recent time, and trusted once it spans half a second.
static constexpr qint64 windowMs = 5000;
static constexpr qint64 minimumSpanMs = 500;

void RenderEstimate::start()
{
    m_timer.start();
    m_samples.clear();
    m_elapsedMs = 0;
    m_timeLeft = -1;
}

void RenderEstimate::update(double percent)
{
    update(percent, m_timer.isValid() ? m_timer.elapsed() : 0);
}

void RenderEstimate::update(double percent, qint64 elapsedMs)
{
    m_elapsedMs = elapsedMs;
    m_samples.append({elapsedMs, percent});
    // Keep one sample older than the window so the span stays about windowMs long.
    while (m_samples.size() > 2 && elapsedMs - m_samples.at(1).ms >= windowMs)
        m_samples.removeFirst();
    if (percent >= 100.0) {
        m_timeLeft = 0;
        return;
    }
    const Sample &oldest = m_samples.first();
    const qint64 span = elapsedMs - oldest.ms;
    const double gained = percent - oldest.percent;
    if (span < minimumSpanMs || gained <= 0.0)
        return; // keep the last estimate, or -1 while there is none
    const double msPerPercent = double(span) / gained;
    m_timeLeft = int(std::ceil((100.0 - percent) * msPerPercent / 1000.0));
}
