#pragma once

#include <QVector>

// Maps output frames onto a scene's own frames: each slide's display time plays the object's
// whole share of the scene, fastest at the slot boundaries and slowest in the middle.
class SlotTimeline
{
public:
    SlotTimeline() = default;
    SlotTimeline(const QVector<double> &slotLengths, double framesPerSlot);

    // The scene position (in scene frames, never negative) of output frame n, counted from 0.
    double position(int n) const;

    const QVector<double> &slotLengths() const { return m_slotLengths; }
    double framesPerSlot() const { return m_framesPerSlot; }

private:
    QVector<double> m_slotLengths;
    double m_framesPerSlot = 0.0;
};
