#pragma once

#include <functional>

#include <QPoint>

#include "imaging/TransferStores.h"

struct DrawingState;

// Lays the whole pattern at a press point, glob by glob through the stroke engine's
// placement, so Skipping and the mirrors apply to each pattern glob.
class PatternStamp
{
public:
    // Places one point as the stroke engine does; the change index as there (-1 runs the
    // colour step, -2 does not). Returns the number of globs laid.
    using Place = std::function<int(QPoint point, int changeIndex)>;

    PatternStamp(DrawingState& state, Place place) : m_s(state), m_place(std::move(place)) {}

    void StampAt(QPoint point, const GlobRunStore& pattern, RunColors colors);

private:
    void StampPreserving(QPoint offset, const GlobRunStore& pattern);
    void StampInNewColors(QPoint offset, const GlobRunStore& pattern);
    int Advance(int laid);

    DrawingState& m_s;
    Place m_place;
};
