#pragma once

#include <vector>

#include <QLine>
#include <QPoint>

#include "color/AutoChange.h"

class DrawingHistory;
struct DrawingState;

struct PointerModifiers
{
    bool shift = false;
    bool ctrl = false;
};

// Turns presses, pointer moves and releases into globs: Skipping, Jitter, symmetry, Lines
// rows and the colour drift. Adds records only; the canvas paints them.
class StrokeEngine
{
public:
    StrokeEngine(DrawingState& state, DrawingHistory& history) : m_s(state), m_history(history) {}

    // Returns true when the window should capture the mouse for a free stroke.
    bool Press(QPoint p, PointerModifiers mods);
    void Move(QPoint p, PointerModifiers mods);
    // Returns true when the release ended a one-shot mode (the window restores its cursor).
    bool Release();

    // Adds the globs for one point; changeIndex -1 records drift at the end of the list,
    // -2 skips the colour step. Returns how many globs were added.
    int PlaceGlobs(int x, int y, bool moving, int changeIndex);

    bool InStroke() const { return m_stroke; }
    void SetNoSection() { m_noSection = true; }

    // Lines mode.
    void LinesClick(QPoint p, bool ctrl);
    void ClearAnchor() { m_anchor = QPoint(-1, 0); }
    bool HasAnchor() const { return m_anchor.x() != -1; }
    QPoint Anchor() const { return m_anchor; }
    // The rubber band (with its symmetric copies) the window draws over the picture.
    bool RubberBandVisible() const;
    std::vector<QLine> RubberBandLines() const;
    QPoint RubberBandEnd() const { return m_bandEnd; }
    void MoveRubberBand(QPoint end) { m_bandEnd = end; }
    bool RubberBandStale() const { return m_bandStale; }
    void RubberBandRedrawn() { m_bandStale = false; }

    // How far the colour drift has come towards its next step; globs added from outside a
    // stroke (an import) count on from here.
    AutoChangeCounters& DriftTicks() { return m_ticks; }

private:
    void RecordPressColors();
    void StampPattern(QPoint p);
    void DriftColor(int changeIndex);
    bool Skipped(bool moving);
    void LayRow(QPoint from, QPoint to);

    DrawingState& m_s;
    AutoChangeCounters m_ticks;
    DrawingHistory& m_history;
    bool m_stroke = false;
    bool m_noSection = false;
    int m_skipCounter = 0;
    QPoint m_anchor{-1, 0};
    QPoint m_bandStart;
    QPoint m_bandEnd;
    bool m_bandStale = false;
    std::vector<QPoint> m_points; // scratch for the symmetric set
};
