#include "theme/SlotTimeline.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265;
const double S0 = std::sin(0.25 * Pi);
const double D = std::sin(0.45 * Pi) - std::sin(0.25 * Pi);
}

SlotTimeline::SlotTimeline(const QVector<double> &slotLengths, double framesPerSlot)
    : m_slotLengths(slotLengths)
    , m_framesPerSlot(framesPerSlot)
{
}

double SlotTimeline::position(int n) const
{
    if (m_slotLengths.isEmpty())
        return 0.0;
    int slot = 0;
    double before = 0.0;
    while (slot < m_slotLengths.size() && before + m_slotLengths.at(slot) <= n) {
        before += m_slotLengths.at(slot);
        ++slot;
    }
    const double c = n - before;
    const double length = slot < m_slotLengths.size() ? m_slotLengths.at(slot) : m_slotLengths.last();
    double f = 0.0;
    // A zero-length slot has no animation of its own to play.
    if (length > 0.0) {
        const double d = c * 0.4 / length;
        if (c < length * 0.5)
            f = (std::sin((d + 0.25) * Pi) - S0) / D * (m_framesPerSlot * 0.5);
        else
            f = (1.0 - (std::sin((d + 0.35) * Pi) - S0) / D * 0.5) * m_framesPerSlot;
    }
    return std::max(0.0, slot * m_framesPerSlot + f);
}
