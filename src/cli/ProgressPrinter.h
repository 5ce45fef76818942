#pragma once

#include "render/RenderEstimate.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// Shows render progress on a stream: a redrawn one-line bar on a terminal, otherwise one
// plain line per whole percent.
class ProgressPrinter
{
public:
    ProgressPrinter(FILE *stream, bool terminal);

    void update(double percent);
    // Ends the bar's line so later messages start on a line of their own; a complete render
    // shows 100 percent first.
    void finish(bool complete);

    // "[#####...]  42%  0:12 left"; secondsLeft below 0 shows "-:--".
    static QString barLine(double percent, int secondsLeft, int width = 30);
    static QString clock(double seconds);

private:
    FILE *m_stream;
    bool m_terminal;
    int m_lastPercent = -1;
    qint64 m_lastDrawMs = -1000;
    bool m_drawn = false;
    QElapsedTimer m_timer;
    RenderEstimate m_estimate;
};
