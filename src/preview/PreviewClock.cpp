#include "preview/PreviewClock.h"

#include <QMutexLocker>

#include <algorithm>

PreviewClock::PreviewClock(double from, double rate)
    : m_anchor(from)
    , m_from(from)
    , m_rate(rate)
{
}

void PreviewClock::start()
{
    QMutexLocker locker(&m_lock);
    if (m_started)
        return;
    m_started = true;
    m_sinceAnchor.start();
}

bool PreviewClock::isStarted() const
{
    QMutexLocker locker(&m_lock);
    return m_started;
}

void PreviewClock::followAudio(double playedSeconds)
{
    QMutexLocker locker(&m_lock);
    if (!m_started || (!m_audio && playedSeconds <= 0.0))
        return;
    m_audio = true;
    m_anchor = m_from + playedSeconds;
    m_sinceAnchor.start();
}

bool PreviewClock::followsAudio() const
{
    QMutexLocker locker(&m_lock);
    return m_audio;
}

void PreviewClock::releaseAudio()
{
    QMutexLocker locker(&m_lock);
    if (!m_audio)
        return;
    m_anchor = nowLocked();
    m_audio = false;
    m_sinceAnchor.start();
}

double PreviewClock::now() const
{
    QMutexLocker locker(&m_lock);
    return nowLocked();
}

double PreviewClock::soundPosition() const
{
    QMutexLocker locker(&m_lock);
    return m_audio ? m_anchor : nowLocked();
}

double PreviewClock::nowLocked() const
{
    if (!m_started)
        return m_from;
    double elapsed = m_sinceAnchor.nsecsElapsed() / 1e9 * m_rate;
    if (m_audio)
        elapsed = std::min(elapsed, audioLead);
    return m_anchor + elapsed;
}
