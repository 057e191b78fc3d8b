#pragma once

#include <functional>

#include <QPoint>

#include "view/DrawingHistory.h"
#include "view/DrawingState.h"
#include "view/GlobTransfers.h"
#include "view/StrokeEngine.h"

class CDaubrixDoc;
struct DepthSettings;
class StatusSink;
struct HsvColor;

// Everything one drawing window knows about its drawing, without the window: the canvas,
// the centre of symmetry, the stroke in progress, the history and undo. The window turns
// events into calls on it and repaints when it says so.
class DrawingSession
{
public:
    DrawingSession(CDaubrixDoc& doc, const DrawingTools& tools);
    ~DrawingSession();
    DrawingSession(const DrawingSession&) = delete;
    DrawingSession& operator=(const DrawingSession&) = delete;

    // Once, after the drawing is loaded or created: reset centre, show every glob.
    void InitialUpdate();
    void ResetCenter();
    // Move Center's click: the centre moves there, Undo can take it back, and the click's
    // own release starts no section.
    void MoveCentre(QPoint p);
    // The Colors window's colour becomes the drawing's colour from the history position on.
    void ApplyCurrentColor(const HsvColor& color);
    // The paper under every glob takes this colour; the whole picture is drawn again. Not
    // recorded for undo (the undo image is rebuilt on the new paper).
    void SetBackgroundColor(const HsvColor& color);

    // Simulate Depth over the last section (or the whole drawing) up to the history
    // position; Undo swaps the old colours back. False, with nothing changed, when the
    // range holds no globs or there is no memory for the undo copy.
    bool SimulateDepth(const DepthSettings& settings);

    // Globs from outside the window (an imported picture) are about to be added at the end:
    // the drawing is readied as for a stroke, and Undo takes back what comes.
    void BeginAddingGlobs();
    // They were added: they make one section, and the history position moves over them in
    // steps, each drawn by the next paint. Returns the glob count, where the steps end.
    int EndAddingGlobs();
    void ShowGlobsUpTo(int position) { m_state.canvas.AdvanceTo(position); }
    // The user stopped them part-way: what was added stays, hidden, as the redo tail.
    void HideAddedGlobs();

    // Who repaints the window and shows the wait cursor (the window, once it exists).
    void SetInvalidate(std::function<void()> invalidate) { m_state.invalidate = std::move(invalidate); }
    void SetStatusSink(StatusSink* status) { m_state.status = status; }
    StatusSink* Status() const { return m_state.status; }

    CDaubrixDoc& Doc() { return m_state.doc; }
    const CDaubrixDoc& Doc() const { return m_state.doc; }
    const DrawingTools& Tools() const { return m_state.tools; }
    DrawingCanvas& Canvas() { return m_state.canvas; }
    const DrawingCanvas& Canvas() const { return m_state.canvas; }
    HistorySlider& Slider() { return m_state.slider; }
    QPoint Centre() const { return m_state.centre; }
    bool ClearPending() const { return m_state.pendingClear; }

    DrawingHistory& History() { return m_history; }
    const DrawingHistory& History() const { return m_history; }
    StrokeEngine& Strokes() { return m_strokes; }
    const StrokeEngine& Strokes() const { return m_strokes; }
    GlobTransfers& Transfers() { return m_transfers; }
    const GlobTransfers& Transfers() const { return m_transfers; }

private:
    DrawingState m_state;
    DrawingHistory m_history;
    StrokeEngine m_strokes;
    GlobTransfers m_transfers;
};
