#include "cli/ProgressPrinter.h"

#include <QtGlobal>

#include <cmath>

ProgressPrinter::ProgressPrinter(FILE *stream, bool terminal)
    : m_stream(stream)
    , m_terminal(terminal)
{
    m_timer.start();
    m_estimate.start();
}

QString ProgressPrinter::clock(double seconds)
{
    const int total = qMax(0, int(std::lround(seconds)));
    const int h = total / 3600;
    const int m = (total / 60) % 60;
    const int s = total % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString ProgressPrinter::barLine(double percent, int secondsLeft, int width)
{
    const double p = qBound(0.0, percent, 100.0);
    const int filled = int(p / 100.0 * width);
    const QString bar = QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('.'));
    const QString left = secondsLeft >= 0 ? clock(secondsLeft) : QStringLiteral("-:--");
    return QStringLiteral("[%1] %2%  %3 left").arg(bar).arg(int(p), 3).arg(left);
}

void ProgressPrinter::update(double percent)
{
    const int whole = int(qBound(0.0, percent, 100.0));
    m_estimate.update(percent);
    if (m_terminal) {
        // Redraw at most five times a second; the bar is for eyes, not for logs.
        const qint64 now = m_timer.elapsed();
        if (whole == m_lastPercent && now - m_lastDrawMs < 200)
            return;
        m_lastDrawMs = now;
        m_lastPercent = whole;
        const QByteArray line = barLine(percent, m_estimate.timeLeft()).toLocal8Bit();
        std::fprintf(m_stream, "\r%s\033[K", line.constData());
        std::fflush(m_stream);
        m_drawn = true;
        return;
    }
    if (whole == m_lastPercent)
        return;
    m_lastPercent = whole;
    std::fprintf(m_stream, "%d%%\n", whole);
    std::fflush(m_stream);
}

void ProgressPrinter::finish(bool complete)
{
    // The last frame's share can fall a hair short of 100 in floating point.
    if (complete && m_lastPercent >= 0 && m_lastPercent < 100) {
        m_lastDrawMs = -1000;
        update(100.0);
    }
    if (m_terminal && m_drawn) {
        std::fputc('\n', m_stream);
        std::fflush(m_stream);
    }
    m_drawn = false;
}
