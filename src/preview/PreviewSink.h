#pragma once

#include "render/IFrameSink.h"

#include <QImage>

#include <atomic>
#include <functional>

class PreviewClock;

// The preview's end of the compositor: holds each frame until its time on the player's clock,
// shows it, and turns down frames that would come late, so the pictures never drift from the
// music. Frames before the clock's starting time are skipped undrawn (a seek into a scene).
class PreviewSink : public IFrameSink
{
public:
    // show gets a copy of every frame shown and its time in seconds (the frame's start).
    using Show = std::function<void(const QImage &image, double time)>;

    PreviewSink(PreviewClock &clock, const std::atomic<bool> &stopRequested, Show show);

    bool wantsFrame(double time) override;
    void writeFrame(const FramePoolPtr &pool, AVFrame *frame, int timeBaseNum, int timeBaseDen,
                    double time) override;
    void advanceTimeline(int64_t, int, int) override {}

    int shownFrames() const { return m_shown; }
    int droppedFrames() const { return m_dropped; }
    // The largest distance, in seconds, between a shown frame and the sound playing then.
    double largestSoundGap() const { return m_largestGap; }

private:
    static constexpr double frameSeconds = 1.0 / 30;

    // The compositor's frame time is the frame's end; the picture belongs to its start.
    static double startOf(double time) { return time - frameSeconds; }
    bool isLate(double start) const;
    // Sleeps until start on the clock; false when stopped meanwhile.
    bool waitFor(double start) const;

    PreviewClock &m_clock;
    const std::atomic<bool> &m_stopRequested;
    Show m_show;
    int m_shown = 0;
    int m_dropped = 0;
    double m_largestGap = 0.0;
};
