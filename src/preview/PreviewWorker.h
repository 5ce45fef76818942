#pragma once

#include "preview/PreviewRun.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSharedPointer>

#include <atomic>

class LibavRender;
class PreviewClock;

// Runs the compositor for the preview on a thread of its own: the project's frames at the
// preview's size, in real time on the player's clock. The latest frame waits in a one-picture
// slot until the interface takes it, so no more than one shown frame is ever held.
class PreviewWorker : public QObject
{
    Q_OBJECT

public:
    PreviewWorker(const PreviewRun &run, const QSharedPointer<PreviewClock> &clock);
    ~PreviewWorker() override;

    // From any thread; the compositor stops at the next frame.
    void stop();
    // The newest frame not yet taken, and its time; a null image when there is none.
    QImage takeFrame(double *time);

    int shownFrames() const { return m_shown; }
    int droppedFrames() const { return m_dropped; }
    bool reachedEnd() const { return m_reachedEnd; }
    double largestSoundGap() const { return m_largestGap; }

public Q_SLOTS:
    void process();

Q_SIGNALS:
    // A frame waits in the slot (sent only when the slot was empty).
    void frameReady();
    void finished();

private:
    void offer(const QImage &image, double time);

    PreviewRun m_run;
    QSharedPointer<PreviewClock> m_clock;
    std::atomic<bool> m_stopRequested{false};
    QMutex m_lock; // guards m_render, m_frame and m_frameTime
    LibavRender *m_render = nullptr;
    QImage m_frame;
    double m_frameTime = 0.0;
    std::atomic<int> m_shown{0};
    std::atomic<int> m_dropped{0};
    std::atomic<bool> m_reachedEnd{false};
    std::atomic<double> m_largestGap{0.0};
};
