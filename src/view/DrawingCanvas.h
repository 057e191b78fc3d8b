#pragma once

#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>

#include "view/GlobReplay.h"
#include "view/Keyframes.h"
#include "view/ReplayColors.h"

class CDaubrixDoc;
class ShapeTable;
class StatusSink;

// What a paint must show besides the replay itself.
struct PaintRequest
{
    bool reactivated = false;            // the program became the active application again
    StatusSink* status = nullptr;
};

// What a paint did, so a window can copy just those pixels to the screen.
struct PaintReport
{
    bool copyAllAtStart = false;   // a regeneration began: the whole image changed
    std::vector<QRect> globRects;  // each replayed glob's rectangle, one pixel wider and higher
    bool mergedRects = false;      // too many globs: globRects holds their bounding box only
    bool copyAllAtEnd = false;     // an ordinary repaint, focus change or re-activation

    void AddGlobRect(const QRect& rect);
};

// The images of one drawing window and the replay that keeps them up to date: the drawing
// image, the undo image taken at the undo base, and the background picture. Globs below the
// history position are shown; the paint replays the pending ones. Painting reads the
// drawing's records and writes pixels: the shapes keep their own colours.
class DrawingCanvas
{
public:
    DrawingCanvas(CDaubrixDoc& doc, const ShapeTable& shapes);

    // The history position becomes the glob count (the whole drawing is shown).
    void InitialUpdate();

    const QImage& DrawingImage() const { return m_drawing; }
    const QImage& UndoImage() const { return m_undo; }
    QSize Size() const;

    const QImage& Background() const { return m_background; }
    QPoint BackgroundOffset() const { return m_backgroundOffset; }
    void SetBackground(const QImage& bitmap, QPoint offset);
    void RemoveBackground();

    // How many globs are shown; the later ones are kept but hidden.
    int HistoryPosition() const { return m_historyPosition; }
    void SetHistoryPosition(int position) { m_historyPosition = position; }
    // The history position moves on to `position`; the globs in between are painted on top.
    void AdvanceTo(int position);
    // One more glob was added for the next paint to draw.
    void AddPending() { ++m_pendingCount; }
    // The glob count at the last snapshot of the undo image.
    int UndoBase() const { return m_undoBase; }
    // Globs below the undo base were taken out or put back: the base follows them (the
    // caller rebuilds the undo image).
    void SetUndoBase(int base) { m_undoBase = base; }
    bool NeedsFirstPaint() const { return m_firstPaint; }

    // A stroke began: its globs appear as they come, without the wait cursor.
    void StrokeStarted() { m_waitCursor = false; }
    // Whether the last placement was left out by Skipping (then nothing is copied at the end).
    void SetPlacementSkipped(bool skipped) { m_lastPlacementSkipped = skipped; }
    // The window got the focus from another drawing window: the next paint copies everything.
    void CopyAllOnNextPaint() { m_refocus = true; }
    // The next paint shows the wait cursor while it replays.
    void WaitWhilePainting() { m_waitCursor = true; }
    // The next paint starts the picture afresh (from the undo image or the paper).
    void RequestRegeneration() { m_regenerateRequest = true; }

    void ClearCanvas(QImage& image) const;
    void CopyToUndoImage();
    void RebuildUndoImage(StatusSink* status);
    void RegenerateFromUndo();
    void Regenerate(); // the Regenerate command
    // After the history position moved: from the undo image when the position is at or above
    // the undo base, otherwise the whole drawing again (the undo image holds globs not shown).
    void RedrawAtHistoryPosition();

    PaintReport Paint(const PaintRequest& request);

    // Renders every glob onto a fresh canvas, for export and printing without a window.
    QImage RenderAll() const;
    // Replays globs [start, end) onto image by the same path as the paint; colors must hold
    // what the records below start set (fresh ones for start 0). For pictures made step by
    // step without a window, such as a movie's frames.
    void ReplayOnto(QImage& image, ReplayColors& colors, int start, int end) const;
    // How many threads a long replay may use; 0 (the default) is one per processor core.
    void SetReplayThreads(int threads) { m_replayThreads = threads; }
    const KeyframeStore& Keyframes() const { return m_keyframes; }
    KeyframeStore& Keyframes() { return m_keyframes; }

private:
    void CreateImages();
    void StartRegeneration(PaintReport& report);
    void ReplayPending(const PaintRequest& request, PaintReport& report);
    GlobReplay Replay(ReplayColors& colors, QImage& image) const;
    PaperKey Paper() const;
    // Puts the latest keyframe above the replay's start into the drawing image; false if none.
    bool ResumeFromKeyframe();

    CDaubrixDoc& m_doc;
    const ShapeTable& m_shapes;
    QImage m_drawing;
    QImage m_undo;
    QImage m_background;
    QPoint m_backgroundOffset;
    ReplayColors m_replayColors; // the colours the drawing image's replay has reached
    int m_replayedTo = -1;       // the glob index those colours hold for; -1: to be seeded
    int m_replayThreads = 0;
    KeyframeStore m_keyframes;

    int m_historyPosition = 0;
    int m_pendingCount = 0;
    int m_undoBase = 0;
    bool m_firstPaint = true;
    bool m_regenerateRequest = true;
    bool m_replayFromUndo = false;
    bool m_waitCursor = true;
    bool m_refocus = false;
    bool m_lastPlacementSkipped = false;
};
